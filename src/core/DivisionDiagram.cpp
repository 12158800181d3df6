#include "DivisionDiagram.h"

#include <QDir>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>

namespace {

// Absurd inputs can ask for millions of parts; beyond this many (far more
// than fit on the canvas) nothing more is drawn.
constexpr qint64 kMaxDrawn = 100000;

// True when everything further right of x lies outside the canvas.
bool beyondCanvas(const DiagramCanvas& canvas, double x, double penWidth)
{
    return x - penWidth > canvas.width();
}

} // namespace

DiagramGeometry DiagramGeometry::of(const LayoutInput& in, const GuardrailLayout& g, int scale)
{
    const double s = scale;
    DiagramGeometry d;
    d.length = g.length / s;
    d.height = in.GuardrailHeight / s;
    d.left = in.LeftValue / s;
    d.top = in.TopValue / s;
    d.low = in.lowerValue / s;
    d.handrail = in.HandrailWidth / s;
    d.columnWidth = in.ColumnWidth / s;
    d.crosspieceWidth = in.CrosspieceWidth / s;
    d.standpipeWidth = in.standpipeWidth / s;
    d.twoSpace = in.TwoSpace / s;
    d.spacing = g.columnSpacing / s;
    d.insertTop = in.StandpipeTop / s;
    d.insertLow = in.StandpipeLow / s;
    d.clearLeft = in.standpipeLeft / s;
    d.fixedGap = in.FixedValue / s;
    d.endGap = g.endGap / s;
    d.standpipeGap = g.standpipeGap / s;
    d.glassWidth = g.glassWidth / s;
    d.glassHeight = g.glassHeight / s;
    d.bays = g.bayCount;
    d.perBay = g.standpipesPerBay;
    d.handrailHas = in.HandrailHas;
    d.doubleColumns = in.ColumnIsTwo;
    d.topRail = in.CrosspieceTopHas;
    d.lowRail = in.CrosspieceLowHas;
    d.glass = in.isGlass();
    d.fixedSpacing = in.isFixedSpacing();
    d.columnTop = in.handrailFactor() * d.handrail;
    d.columnBottom = g.columnHeight / s;
    return d;
}

double DiagramGeometry::columnX(qint64 k) const
{
    const double Wc = columnWidth, D = spacing, T = twoSpace;
    if (!doubleColumns)
        return left + k * (D + Wc) + Wc / 2;
    const qint64 i = k / 2;
    if (k % 2 == 0)
        return left + 2 * i * Wc + i * D + i * T + Wc / 2;
    return left + (2 * i + 1) * Wc + (i + 1) * D + i * T + Wc / 2;
}

double DiagramGeometry::bayOffset(qint64 i) const
{
    return doubleColumns ? i * (2 * columnWidth + spacing + twoSpace) : i * (spacing + columnWidth);
}

double DiagramGeometry::bayInnerLeft(qint64 i) const
{
    if (!doubleColumns)
        return left + (i + 1) * columnWidth + i * spacing;
    return left + (2 * i + 1) * columnWidth + i * spacing + i * twoSpace;
}

double DiagramGeometry::topRailY() const
{
    return crosspieceWidth / 2 + (handrailHas ? handrail : 0) + top;
}

double DiagramGeometry::lowRailY() const
{
    return height - low - crosspieceWidth / 2;
}

double DiagramGeometry::standpipeTopY() const
{
    return (handrailHas ? handrail : 0) + (topRail ? top + crosspieceWidth : 0) - insertTop;
}

double DiagramGeometry::standpipeBottomY() const
{
    return insertLow + height - (lowRail ? low + crosspieceWidth : 0);
}

double DiagramGeometry::standpipeX(qint64 bay, qint64 j) const
{
    const double first = fixedSpacing ? endGap : standpipeGap;
    const double pitch = fixedSpacing ? fixedGap : standpipeGap;
    return bayOffset(bay) + left + columnWidth + first + standpipeWidth / 2 + j * (standpipeWidth + pitch);
}

QRectF DiagramGeometry::glassRect(qint64 bay) const
{
    const double y = insertTop + (handrailHas ? handrail : 0) + (topRail ? top + crosspieceWidth : 0);
    return QRectF(left + columnWidth + clearLeft + bayOffset(bay), y, glassWidth, glassHeight);
}

bool isColumnRemoved(qint64 k, const QString& list)
{
    const QString t = list.trimmed();
    return !t.isEmpty() && t.contains(QString::number(k));
}

void drawHandrail(DiagramCanvas& canvas, const DiagramGeometry& d, QPointF origin)
{
    const double y = origin.y() + d.handrail / 2;
    canvas.line(QPointF(origin.x(), y), QPointF(origin.x() + d.length, y), double(Ceil(2 * d.handrail)));
}

void drawColumns(DiagramCanvas& canvas, const DiagramGeometry& d, QPointF origin, const QString& removedColumns)
{
    const double pen = double(Ceil(d.columnWidth));
    const qint64 total = std::min(d.columnTotal(), kMaxDrawn);
    for (qint64 k = 0; k < total; ++k) {
        const double x = origin.x() + d.columnX(k);
        if (beyondCanvas(canvas, x, pen))
            break;
        if (isColumnRemoved(k, removedColumns))
            continue;
        canvas.line(QPointF(x, origin.y() + d.columnTop), QPointF(x, origin.y() + d.columnBottom), pen);
    }
}

void drawCrosspieces(DiagramCanvas& canvas, const DiagramGeometry& d, QPointF origin)
{
    const double pen = double(Ceil(d.crosspieceWidth));
    const qint64 bays = std::min(d.bays, kMaxDrawn);
    for (qint64 i = 0; i < bays; ++i) {
        const double x1 = origin.x() + d.bayInnerLeft(i);
        if (beyondCanvas(canvas, x1, pen))
            break;
        const double x2 = x1 + d.spacing;
        if (d.lowRail)
            canvas.line(QPointF(x1, origin.y() + d.lowRailY()), QPointF(x2, origin.y() + d.lowRailY()), pen);
        if (d.topRail)
            canvas.line(QPointF(x1, origin.y() + d.topRailY()), QPointF(x2, origin.y() + d.topRailY()), pen);
    }
}

void drawStandpipes(DiagramCanvas& canvas, const DiagramGeometry& d, QPointF origin, const QString& replacedBays,
                    const QString& replacedStandpipes)
{
    const double pen = double(Ceil(d.standpipeWidth / 2));
    const bool replacing = !replacedBays.trimmed().isEmpty() && !replacedStandpipes.trimmed().isEmpty();
    const double y1 = origin.y() + d.standpipeTopY(), y2 = origin.y() + d.standpipeBottomY();
    const qint64 bays = std::min(d.bays, kMaxDrawn);
    const qint64 perBay = std::min(d.perBay, kMaxDrawn);
    for (qint64 i = 0; i < bays; ++i) {
        if (beyondCanvas(canvas, origin.x() + d.standpipeX(i, 0), pen))
            break;
        const bool bayReplaced = replacing && isColumnRemoved(i, replacedBays);
        for (qint64 j = 0; j < perBay; ++j) {
            const double x = origin.x() + d.standpipeX(i, j);
            if (beyondCanvas(canvas, x, pen))
                break;
            if (bayReplaced && isColumnRemoved(j, replacedStandpipes))
                continue;
            canvas.line(QPointF(x, y1), QPointF(x, y2), pen);
        }
    }
}

void drawGlass(DiagramCanvas& canvas, const DiagramGeometry& d, QPointF origin)
{
    const qint64 bays = std::min(d.bays, kMaxDrawn);
    for (qint64 i = 0; i < bays; ++i) {
        const QRectF pane = d.glassRect(i).translated(origin);
        if (beyondCanvas(canvas, pane.left(), 2))
            break;
        canvas.hatchedRect(pane);
    }
}

void drawInfill(DiagramCanvas& canvas, const DiagramGeometry& d, QPointF origin, const QString& replacedBays,
                const QString& replacedStandpipes)
{
    if (d.glass)
        drawGlass(canvas, d, origin);
    else
        drawStandpipes(canvas, d, origin, replacedBays, replacedStandpipes);
}

QRectF drawCaption(DiagramCanvas& canvas, QPointF topLeft, const QString& text, int pointSize)
{
    return canvas.text(topLeft, text, captionFont(pointSize));
}

void drawGuardrail(DiagramCanvas& canvas, const LayoutInput& in, const GuardrailLayout& g, bool drawPiece)
{
    canvas.clear();
    if (!drawPiece)
        return;
    const DiagramGeometry d = DiagramGeometry::of(in, g);
    const QPointF origin(0, 0);
    if (d.handrailHas)
        drawHandrail(canvas, d, origin);
    drawColumns(canvas, d, origin, in.removedColumns);
    drawCrosspieces(canvas, d, origin);
    drawInfill(canvas, d, origin, in.replacedBays, in.replacedStandpipes);
    drawCaption(canvas, QPointF(20, d.height), DivisionCaption(in, g), kStraightCaptionPointSize);
}

void drawGuardrailByParams(DiagramCanvas& canvas, const LayoutInput& in, const StoredBranchTexts& stored,
                           const GuardrailLayout& g)
{
    drawGuardrail(canvas, withStoredBranches(in, stored), g);
}

QImage exportBitmap(const QImage& picture, double length, int height)
{
    const double minimum = 8000;
    const qint64 wanted = length >= minimum ? Ceil(length / DrawScale) : Ceil(minimum / DrawScale);
    const int width = int(std::clamp<qint64>(wanted, 1, std::max(1, picture.width())));
    QImage bitmap(width, std::max(1, height), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter p(&bitmap);
    p.drawImage(QPointF(0, 0), picture, QRectF(0, 0, width, std::max(1, height)));
    return bitmap;
}

LayoutStatus SaveBmpFromPaintBox(const QImage& picture, const QString& folder, const QString& filePath, double length,
                                 int height)
{
    if (!folder.isEmpty() && !QDir().mkpath(folder))
        return LayoutStatus::fail(QStringLiteral("无法创建文件夹：%1").arg(QDir::toNativeSeparators(folder)));
    QSaveFile file(filePath);
    const QImage bitmap = exportBitmap(picture, length, height);
    if (!file.open(QIODevice::WriteOnly) || !bitmap.save(&file, "BMP") || !file.commit())
        return LayoutStatus::fail(QStringLiteral("无法保存分栏图文件：%1").arg(QDir::toNativeSeparators(filePath)));
    return LayoutStatus::ok();
}
