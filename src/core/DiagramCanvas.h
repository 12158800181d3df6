#pragma once
// The picture a division diagram is drawn on. It is allocated once per editor
// (a 20000-pixel-wide image is costly to create and fill) and remembers what
// was drawn, so that clearing touches only those pixels.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <memory>

class QPainter;

// Lets "宋体" resolve to an installed Song face on every system; idempotent.
// The GUI, guardrailctl and the test programs call it at start.
void installFontSubstitutions();

// The captions' font: "宋体", regular, the given point size.
QFont captionFont(int pointSize);

class DiagramCanvas {
public:
    static constexpr int kWidth = 20000;
    static constexpr int kStraightHeight = 249;
    static constexpr int kCornerHeight = 320;

    explicit DiagramCanvas(int width = kWidth, int height = kStraightHeight);
    ~DiagramCanvas();
    DiagramCanvas(const DiagramCanvas&) = delete;
    DiagramCanvas& operator=(const DiagramCanvas&) = delete;

    // Paints white over everything drawn since the last clear.
    void clear();

    // A straight line with flat ends, so it ends exactly at a and b.
    void line(QPointF a, QPointF b, double penWidth, const QColor& colour = Qt::black);
    // A glass pane: black outline of width 2, then the woven hatch inside.
    void hatchedRect(const QRectF& rect);
    // Text with its top left corner at topLeft; returns the area it covers.
    QRectF text(QPointF topLeft, const QString& text, const QFont& font, const QColor& colour = Qt::black);
    // A picture, unscaled, with its top left corner at topLeft.
    void picture(QPointF topLeft, const QImage& picture);

    // The finished picture (painting is flushed first).
    const QImage& image();
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    // The area drawn since the last clear (empty after a clear).
    QRect dirtyRect() const { return m_dirty; }

private:
    QPainter& painter();
    void touch(const QRectF& area);

    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
    QRect m_dirty;
};

// Sky blue woven hatch on snow white, the fill of glass panes.
inline const QColor kGlassHatchColour{135, 206, 235};
inline const QColor kGlassBackColour{255, 250, 250};
