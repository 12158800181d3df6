#pragma once
// The division diagram of a corner piece: all segments side by side on one
// 20000 × 320 picture, each drawn by the straight diagram's parts shifted to
// its start and 250 mm down, with a corner marker where a segment turns.
#include "core/DiagramCanvas.h"
#include "core/GuardrailLayout.h"

#include <QImage>
#include <QString>

// Added to every y of the corner drawing, in millimetres.
inline constexpr double CornerDiagramTop = 250;
inline constexpr int kCornerCaptionPointSize = 6;

class CornerDiagram {
public:
    // Allocates the canvas once and loads the marker from images/ beside the
    // program (the painted symbol when the file is missing).
    CornerDiagram();

    // Clears what earlier drawings touched.
    void clear();

    // The corner marker at the segment start `startX` (millimetres).
    void loadCornerBmp(double startX);

    // Segment `b` (0-based) starting at `startX` millimetres, with its
    // caption line under the piece.
    void drawGuardrail(const LayoutInput& segment, const GuardrailLayout& g, int b, double startX,
                       const QString& caption);

    const QImage& picture() { return m_canvas.image(); }
    DiagramCanvas& canvas() { return m_canvas; }
    void setMarker(const QImage& marker) { m_marker = marker; }

    // The bitmap of the save: Ceil(max(length, 8000) / DrawScale) wide, 320 high.
    [[nodiscard]] LayoutStatus SaveBmp(const QString& folder, const QString& filePath, double length);

    // Top of the caption line of segment b, in pixels: under the piece, one
    // line per segment; the edit window puts glass captions higher.
    static double captionY(const LayoutInput& segment, int b);

private:
    DiagramCanvas m_canvas;
    QImage m_marker;
};
