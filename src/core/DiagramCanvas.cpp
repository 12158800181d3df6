#include "DiagramCanvas.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <cmath>

void installFontSubstitutions()
{
    static const bool installed = [] {
        QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
        return true;
    }();
    Q_UNUSED(installed);
}

QFont captionFont(int pointSize)
{
    installFontSubstitutions();
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(pointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

namespace {

// An 8 × 8 basket weave: diagonal threads crossing over and under.
QBrush wovenHatch()
{
    static const char* rows[8] = {
        "X...X...",
        ".X.X.X..",
        "..X...X.",
        ".X.X...X",
        "X...X...",
        "...X.X.X",
        "..X...X.",
        ".X.X.X..",
    };
    QImage pattern(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            pattern.setPixelColor(x, y, rows[y][x] == 'X' ? kGlassHatchColour : kGlassBackColour);
    }
    return QBrush(pattern);
}

} // namespace

DiagramCanvas::DiagramCanvas(int width, int height)
    : m_image(width, height, QImage::Format_RGB32)
{
    m_image.fill(Qt::white);
}

DiagramCanvas::~DiagramCanvas() = default;

QPainter& DiagramCanvas::painter()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *m_painter;
}

void DiagramCanvas::touch(const QRectF& area)
{
    const QRect r = area.toAlignedRect().intersected(m_image.rect());
    if (!r.isEmpty())
        m_dirty = m_dirty.united(r);
}

void DiagramCanvas::clear()
{
    if (m_dirty.isEmpty())
        return;
    painter().fillRect(m_dirty, Qt::white);
    m_dirty = QRect();
}

void DiagramCanvas::line(QPointF a, QPointF b, double penWidth, const QColor& colour)
{
    QPen pen(colour);
    pen.setWidthF(penWidth);
    pen.setCapStyle(Qt::FlatCap);
    QPainter& p = painter();
    p.setPen(pen);
    p.drawLine(a, b);
    const double margin = penWidth / 2 + 1;
    touch(QRectF(a, b).normalized().adjusted(-margin, -margin, margin, margin));
}

void DiagramCanvas::hatchedRect(const QRectF& rect)
{
    static const QBrush hatch = wovenHatch();
    QPainter& p = painter();
    QPen pen(Qt::black);
    pen.setWidth(2);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect);
    p.fillRect(rect, hatch);
    touch(rect.adjusted(-2, -2, 2, 2));
}

QRectF DiagramCanvas::text(QPointF topLeft, const QString& text, const QFont& font, const QColor& colour)
{
    QPainter& p = painter();
    p.setFont(font);
    p.setPen(colour);
    QRectF covered;
    p.drawText(QRectF(topLeft, QSizeF(m_image.width(), m_image.height())),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text, &covered);
    touch(covered.adjusted(-1, -1, 1, 1));
    return covered;
}

void DiagramCanvas::picture(QPointF topLeft, const QImage& picture)
{
    painter().drawImage(topLeft, picture);
    touch(QRectF(topLeft, QSizeF(picture.size())));
}

const QImage& DiagramCanvas::image()
{
    m_painter.reset(); // ends painting so the pixels are complete
    return m_image;
}
