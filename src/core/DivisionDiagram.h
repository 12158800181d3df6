#pragma once
// The division diagram (分栏图): a front view of a piece drawn from its
// layout at DrawScale millimetres per pixel. The parts are separate functions
// taking an origin, so a corner piece draws each segment with the same code
// shifted to its start and below its top offset.
#include "DiagramCanvas.h"
#include "GuardrailLayout.h"
#include "Numeric.h"

#include <QPointF>
#include <QString>

// One piece or segment in pixels, relative to its origin.
struct DiagramGeometry {
    double length = 0;         // L: the whole laid-out length
    double height = 0;         // H
    double left = 0;           // Ml
    double top = 0;            // Mt
    double low = 0;            // Mb
    double handrail = 0;       // hh
    double columnWidth = 0;    // Wc
    double crosspieceWidth = 0;// Wx
    double standpipeWidth = 0; // Ws
    double twoSpace = 0;       // T
    double spacing = 0;        // D
    double insertTop = 0;      // It
    double insertLow = 0;      // Ib
    double clearLeft = 0;      // Il
    double fixedGap = 0;       // F
    double endGap = 0;
    double standpipeGap = 0;
    double glassWidth = 0;
    double glassHeight = 0;
    qint64 bays = 0;
    qint64 perBay = 0;
    bool handrailHas = true;
    bool doubleColumns = false;
    bool topRail = true;
    bool lowRail = true;
    bool glass = false;
    bool fixedSpacing = false;
    // Vertical extent of the columns: the straight piece draws them from the
    // handrail to the column cut length; a corner segment sets its own.
    double columnTop = 0;
    double columnBottom = 0;

    static DiagramGeometry of(const LayoutInput& in, const GuardrailLayout& g, int scale = DrawScale);

    qint64 columnTotal() const { return doubleColumns ? 2 * bays : bays + 1; }
    double columnX(qint64 k) const;         // centre of column k (from 0)
    double bayOffset(qint64 i) const;       // shift of bay i against bay 0
    double bayInnerLeft(qint64 i) const;    // left end of bay i's crosspieces
    double topRailY() const;
    double lowRailY() const;
    double standpipeTopY() const;
    double standpipeBottomY() const;
    double standpipeX(qint64 bay, qint64 j) const;
    QRectF glassRect(qint64 bay) const;
};

// The substring rule of the removal lists: k is listed when its decimal text
// occurs anywhere in the trimmed list ("12" lists 1, 2 and 12); an empty list
// lists nothing.
bool isColumnRemoved(qint64 k, const QString& list);

void drawHandrail(DiagramCanvas& canvas, const DiagramGeometry& d, QPointF origin);
void drawColumns(DiagramCanvas& canvas, const DiagramGeometry& d, QPointF origin, const QString& removedColumns = {});
void drawCrosspieces(DiagramCanvas& canvas, const DiagramGeometry& d, QPointF origin);
// Standpipes of bay i and number j are left out when both lists are non-empty
// and list i and j.
void drawStandpipes(DiagramCanvas& canvas, const DiagramGeometry& d, QPointF origin,
                    const QString& replacedBays = {}, const QString& replacedStandpipes = {});
void drawGlass(DiagramCanvas& canvas, const DiagramGeometry& d, QPointF origin);
// Standpipes or glass, whichever the piece has.
void drawInfill(DiagramCanvas& canvas, const DiagramGeometry& d, QPointF origin,
                const QString& replacedBays = {}, const QString& replacedStandpipes = {});
QRectF drawCaption(DiagramCanvas& canvas, QPointF topLeft, const QString& text, int pointSize);

inline constexpr int kStraightCaptionPointSize = 9;

// The straight piece: clears what was drawn before, then draws the piece and
// its caption (DivisionCaption) at (20, H). Nothing but the clear when the
// length box is empty: pass drawPiece = false.
void drawGuardrail(DiagramCanvas& canvas, const LayoutInput& in, const GuardrailLayout& g, bool drawPiece = true);

// Edit mode, once after loading: the branches from the stored bill's texts.
void drawGuardrailByParams(DiagramCanvas& canvas, const LayoutInput& in, const StoredBranchTexts& stored,
                           const GuardrailLayout& g);

// Bitmap export of a diagram.
inline constexpr int kStraightBitmapHeight = 135;
inline constexpr int kCornerBitmapHeight = 320;

// Width Ceil(length / DrawScale) from 8000 mm on, else 800 pixels (never wider
// than the picture); the picture's top left part copied in, the rest white.
QImage exportBitmap(const QImage& picture, double length, int height = kStraightBitmapHeight);

// Writes exportBitmap(...) as a BMP file at filePath, creating folder first
// and replacing an existing file only once the new one is complete.
[[nodiscard]] LayoutStatus SaveBmpFromPaintBox(const QImage& picture, const QString& folder, const QString& filePath,
                                               double length, int height = kStraightBitmapHeight);
