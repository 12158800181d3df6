#include "CornerDiagram.h"

#include "CornerMarker.h"
#include "DivisionDiagram.h"
#include "Numeric.h"

namespace {

constexpr double kCaptionStep = 200;         // mm between the caption lines of two segments
constexpr double kEditGlassCaptionTop = 120; // px below the top offset (edit window, glass)

} // namespace

CornerDiagram::CornerDiagram()
    : m_canvas(DiagramCanvas::kWidth, DiagramCanvas::kCornerHeight)
    , m_marker(loadCornerMarker())
{
}

void CornerDiagram::clear()
{
    m_canvas.clear();
}

void CornerDiagram::loadCornerBmp(double startX)
{
    const QPointF at(Round(startX / DrawScale - 5), Round(CornerDiagramTop / DrawScale - 25));
    if (at.x() > m_canvas.width() || at.x() < -m_marker.width())
        return; // off the picture (absurd lengths)
    m_canvas.picture(at, m_marker);
}

double CornerDiagram::captionY(const LayoutInput& segment, int b)
{
    const double top = CornerDiagramTop / DrawScale;
    const double step = kCaptionStep / DrawScale * b;
    if (segment.mode == LayoutInput::Mode::Edit && segment.isGlass())
        return top + kEditGlassCaptionTop + step;
    return top + segment.GuardrailHeight / DrawScale + step;
}

void CornerDiagram::drawGuardrail(const LayoutInput& segment, const GuardrailLayout& g, int b, double startX,
                                  const QString& caption)
{
    DiagramGeometry d = DiagramGeometry::of(segment, g);
    // A segment always has its handrail; its columns reach the foot of the
    // piece rather than their cut length.
    d.handrailHas = true;
    d.doubleColumns = false;
    d.columnTop = d.handrail;
    d.columnBottom = d.height;
    const QPointF origin(startX / DrawScale, CornerDiagramTop / DrawScale);
    drawHandrail(m_canvas, d, origin);
    drawColumns(m_canvas, d, origin);
    drawCrosspieces(m_canvas, d, origin);
    drawInfill(m_canvas, d, origin);
    drawCaption(m_canvas, QPointF(20, captionY(segment, b)), caption, kCornerCaptionPointSize);
}

LayoutStatus CornerDiagram::SaveBmp(const QString& folder, const QString& filePath, double length)
{
    return SaveBmpFromPaintBox(m_canvas.image(), folder, filePath, length, kCornerBitmapHeight);
}
