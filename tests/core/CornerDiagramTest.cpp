#include "CornerWorkedExample.h"
#include "core/CornerMarker.h"
#include "core/DiagramCanvas.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool isBlack(const QImage& img, int x, int y)
{
    return img.pixel(x, y) == qRgb(0, 0, 0);
}

// Pixels of the colour (any colour but white when none given) in the rectangle.
int countPixels(const QImage& img, const QRect& r, std::optional<QRgb> colour = std::nullopt)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = img.pixel(x, y) | 0xff000000;
            n += colour ? p == (*colour | 0xff000000) : p != qRgb(255, 255, 255);
        }
    return n;
}

} // namespace

TEST(CornerDiagram, WorkedExampleGeometry)
{
    CornerBatch batch;
    ASSERT_TRUE(batch.BatchCornerFeed(workedCornerPiece()).ok());
    const QImage& img = batch.diagram().picture();
    ASSERT_EQ(img.size(), QSize(20000, 320));

    // Handrail: 10 px thick around y = 25 + 2.5, from the segment start.
    EXPECT_TRUE(isBlack(img, 50, 27));
    EXPECT_TRUE(isBlack(img, 1, 24));
    EXPECT_FALSE(isBlack(img, 50, 20));
    // Columns of segment 1 at x = 12.5, 81.25, 150 (x' + Ml' + k·(D' + Wc') + Wc'/2),
    // reaching the foot of the piece (25 + 110), not the column cut length.
    for (int x : {12, 81, 150}) {
        EXPECT_TRUE(isBlack(img, x, 100)) << x;
        EXPECT_TRUE(isBlack(img, x, 133)) << x;
    }
    EXPECT_FALSE(isBlack(img, 17, 100));
    // Crosspieces: top rail at 25 + 1 + 5 + 10 = 41, bottom at 25 + 110 − 10 − 1 = 124.
    EXPECT_TRUE(isBlack(img, 20, 41));
    EXPECT_TRUE(isBlack(img, 20, 124));
    EXPECT_FALSE(isBlack(img, 20, 60));
    // First standpipe of bay 0 at 10 + 5 + 8.96 + 1 = 24.96.
    EXPECT_GT(countPixels(img, QRect(24, 80, 2, 1)), 0);
    EXPECT_FALSE(isBlack(img, 30, 80));
    // Segment 2 starts at 147.5 px; its second column at 147.5 + 88.75 + 5 + 2.5.
    EXPECT_TRUE(isBlack(img, 243, 100));
}

TEST(CornerDiagram, CornerMarkerOnlyWhereASegmentTurns)
{
    CornerBatch batch;
    batch.diagram().setMarker(loadCornerMarker("/nonexistent/90ok1.bmp")); // the drawn fallback
    ASSERT_TRUE(batch.BatchCornerFeed(workedCornerPiece()).ok());
    const QImage& img = batch.diagram().picture();
    // Marker of segment 2 at (Round(147.5 − 5), 0); its corner line 5 px in.
    EXPECT_GT(countPixels(img, QRect(145, 5, 4, 10)), 0);
    EXPECT_EQ(countPixels(img, QRect(0, 0, 140, 20)), 0); // none for segment 1

    CornerPieceInput straight = workedCornerPiece();
    straight.segments[1].cornerMode = kNoCorner;
    straight.segments[1].Rightvalue = "0";
    ASSERT_TRUE(batch.BatchCornerFeed(straight).ok());
    EXPECT_EQ(countPixels(batch.diagram().picture(), QRect(0, 0, 400, 20)), 0);
}

TEST(CornerDiagram, CaptionLinesTwentyPixelsApart)
{
    struct Case {
        LayoutInput::Mode mode;
        int glass;
        int firstTop; // 25 + 110 = 135; edit window glass: 25 + 120 = 145
    } cases[] = {
        {LayoutInput::Mode::Add, 0, 135},
        {LayoutInput::Mode::Edit, 0, 135},
        {LayoutInput::Mode::Add, 1, 135},
        {LayoutInput::Mode::Edit, 1, 145},
    };
    for (const Case& c : cases) {
        CornerPieceInput in = workedCornerPiece(50, c.mode);
        in.shared.Standpipetype = c.glass;
        CornerBatch batch;
        ASSERT_TRUE(batch.BatchCornerFeed(in).ok());
        const QImage& img = batch.diagram().picture();
        // Below row 135 (the foot of the piece) only the captions draw; they start at x = 20.
        auto rowsWithInk = [&](int top, int bottom) { return countPixels(img, QRect(20, top, 340, bottom - top)); };
        EXPECT_EQ(rowsWithInk(135, c.firstTop), 0) << int(c.mode) << c.glass;
        EXPECT_GT(rowsWithInk(c.firstTop, c.firstTop + 10), 0) << int(c.mode) << c.glass;
        EXPECT_GT(rowsWithInk(c.firstTop + 20, c.firstTop + 30), 0) << int(c.mode) << c.glass;
        EXPECT_EQ(rowsWithInk(c.firstTop + 34, 320), 0) << int(c.mode) << c.glass;
    }
}

TEST(CornerDiagram, GlassPanesAreHatched)
{
    CornerPieceInput in = workedCornerPiece();
    in.shared.Standpipetype = 1;
    in.shared.standpipeLeft = in.shared.StandpipeRight = 10;
    CornerBatch batch;
    ASSERT_TRUE(batch.BatchCornerFeed(in).ok());
    const QImage& img = batch.diagram().picture();
    // Pane of bay 0: from x 16, y 42, 61.75 × 81 px.
    EXPECT_GT(countPixels(img, QRect(20, 50, 50, 60), kGlassHatchColour.rgb()), 100);
    EXPECT_GT(countPixels(img, QRect(20, 50, 50, 60), kGlassBackColour.rgb()), 100);
    EXPECT_EQ(countPixels(img, QRect(20, 50, 50, 60), kGlassHatchColour.rgb())
                  + countPixels(img, QRect(20, 50, 50, 60), kGlassBackColour.rgb()),
              50 * 60); // nothing else inside: no standpipes drawn
}

TEST(CornerDiagram, NextPassClearsWhatTheLastOneDrew)
{
    CornerBatch batch;
    ASSERT_TRUE(batch.BatchCornerFeed(workedCornerPiece()).ok());
    EXPECT_TRUE(isBlack(batch.diagram().picture(), 243, 100));
    CornerPieceInput one = workedCornerPiece();
    one.segments[1] = {};
    ASSERT_TRUE(batch.BatchCornerFeed(one).ok());
    const QImage& img = batch.diagram().picture();
    EXPECT_FALSE(isBlack(img, 243, 100));
    EXPECT_TRUE(isBlack(img, 81, 100));
    EXPECT_EQ(countPixels(img, QRect(0, 160, 2000, 160)), 0); // the second caption line is gone

    // A pass refused at segment 1 leaves a blank picture, not the previous piece.
    one.segments[0].TopValue = "";
    EXPECT_FALSE(batch.BatchCornerFeed(one).ok());
    EXPECT_EQ(countPixels(batch.diagram().picture(), QRect(0, 0, 2000, 320)), 0);
}

TEST(CornerDiagram, ExportWidthFollowsTheSumOfLayoutLengths)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        int segments;
        const char* length; // no-corner segments of this length
        int width;
    } cases[] = {{2, "1775", 800}, {8, "1500", 1200}, {8, "1500.5", 1201}};
    for (const Case& c : cases) {
        CornerPieceInput in = workedCornerPiece();
        for (int k = 0; k < c.segments; ++k)
            in.segments[size_t(k)] = cornerSegment(QStringLiteral("1*%1").arg(k + 1), c.length, kNoCorner, "0", "0");
        CornerBatch batch;
        ASSERT_TRUE(batch.BatchCornerFeed(in).ok());
        const QString path = dir.filePath(QStringLiteral("temp/BillID_%1.bmp").arg(c.segments));
        ASSERT_TRUE(batch.diagram().SaveBmp(dir.filePath("temp"), path, batch.getimgwidth()).isOk());
        const QImage bmp(path);
        EXPECT_EQ(bmp.size(), QSize(c.width, 320)) << c.length;
        EXPECT_TRUE(isBlack(bmp, 12, 100) || isBlack(bmp, 2, 100)); // first column copied in
    }
}
