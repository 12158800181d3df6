#include "core/DivisionDiagram.h"
#include "core/GuardrailLayout.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "WorkedExample.h"

namespace {

// Draws on one straight canvas shared by the tests, as an editor keeps one.
class DiagramTest : public ::testing::Test {
protected:
    static DiagramCanvas& canvas()
    {
        static DiagramCanvas c;
        return c;
    }

    const QImage& draw(const LayoutInput& in)
    {
        EXPECT_TRUE(AccountingGuardrail(in, layout));
        drawGuardrail(canvas(), in, layout);
        return canvas().image();
    }

    static bool black(const QImage& img, double x, int y) { return img.pixel(int(x), y) == qRgb(0, 0, 0); }
    static bool white(const QImage& img, double x, int y) { return img.pixel(int(x), y) == qRgb(255, 255, 255); }

    GuardrailLayout layout;
};

TEST_F(DiagramTest, SingleColumnPositions)
{
    const QImage& img = draw(workedInput());
    // Ml' 10, Wc' 5, D' 102.5: centres 12.5, 120, 227.5, each 5 pixels wide.
    for (double x : {12.5, 120.0, 227.5}) {
        EXPECT_TRUE(black(img, x - 2, 50)) << x;
        EXPECT_TRUE(black(img, x + 2, 50)) << x;
        EXPECT_TRUE(white(img, x - 3.5, 50)) << x;
        EXPECT_TRUE(white(img, x + 3.5, 50)) << x;
        EXPECT_TRUE(black(img, x, 104)) << x; // down to the column cut length 105
        EXPECT_TRUE(white(img, x, 106)) << x;
    }
    EXPECT_TRUE(white(img, 300, 50));
}

TEST_F(DiagramTest, DoubleColumnPositions)
{
    LayoutInput in = workedInput();
    in.ColumnIsTwo = true;
    const QImage& img = draw(in);
    const DiagramGeometry d = DiagramGeometry::of(in, layout);
    const double want[] = {12.5, 112.0, 128.0, 227.5}; // D' 94.5, T' 11
    ASSERT_EQ(d.columnTotal(), 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_DOUBLE_EQ(d.columnX(k), want[k]) << k;
        EXPECT_TRUE(black(img, want[k], 50)) << k;
    }
    EXPECT_TRUE(white(img, 120, 50)); // the gap T between the pair
}

TEST_F(DiagramTest, CrosspieceHeights)
{
    const QImage& img = draw(workedInput());
    // Between the first column and the first standpipe (x 20): top rail at
    // 2/2 + 5 + 10 = 16, bottom rail at 110 − 10 − 1 = 99, both 2 pixels high.
    EXPECT_TRUE(black(img, 20, 16));
    EXPECT_TRUE(white(img, 20, 13));
    EXPECT_TRUE(white(img, 20, 18));
    EXPECT_TRUE(black(img, 20, 99));
    EXPECT_TRUE(white(img, 20, 96));
    EXPECT_TRUE(white(img, 20, 101));
}

TEST_F(DiagramTest, WithoutHandrailColumnsStartAtTheTop)
{
    LayoutInput in = workedInput();
    in.HandrailHas = false;
    const QImage& img = draw(in);
    EXPECT_TRUE(black(img, 12.5, 0));
    EXPECT_TRUE(black(img, 20, 11)); // top rail at Mt' + Wx'/2
    EXPECT_TRUE(white(img, 20, 3));
}

TEST_F(DiagramTest, RemovedColumnsFollowTheSubstringRule)
{
    LayoutInput in = workedInput();
    in.Guardraillen = 15000; // 12 bays, columns 0 … 12
    in.removedColumns = "12";
    const QImage& img = draw(in);
    const DiagramGeometry d = DiagramGeometry::of(in, layout);
    ASSERT_EQ(d.columnTotal(), 13);
    for (qint64 k = 0; k < 13; ++k) {
        const bool hidden = k == 1 || k == 2 || k == 12;
        EXPECT_EQ(white(img, d.columnX(k), 50), hidden) << k;
    }
}

TEST(IsColumnRemoved, Table)
{
    struct Case { qint64 k; const char* list; bool removed; };
    const Case cases[] = {{1, "1", true}, {0, "1", false}, {2, "1", false}, {0, "0", true}, {1, "12", true},
                          {2, "12", true}, {12, "12", true}, {3, "12", false}, {0, "", false}, {0, "  ", false},
                          {10, "1,0", false}, {1, " 3,1 ", true}};
    for (const Case& c : cases)
        EXPECT_EQ(isColumnRemoved(c.k, c.list), c.removed) << c.k << " in '" << c.list << "'";
}

TEST_F(DiagramTest, ReplacedStandpipesNeedBothLists)
{
    LayoutInput in = workedInput();
    in.replacedBays = "1";
    const QImage& all = draw(in);
    const DiagramGeometry d = DiagramGeometry::of(in, layout);
    EXPECT_TRUE(black(all, d.standpipeX(1, 0), 50)); // the standpipe list is empty: nothing hidden
    in.replacedStandpipes = "0";
    const QImage& some = draw(in);
    EXPECT_TRUE(white(some, d.standpipeX(1, 0), 50));
    EXPECT_TRUE(black(some, d.standpipeX(0, 0), 50)); // bay 0 keeps its standpipes
    EXPECT_TRUE(black(some, d.standpipeX(1, 1), 50));
}

TEST_F(DiagramTest, GlassPaneIsHatched)
{
    LayoutInput in = workedInput();
    in.Standpipetype = 1;
    const QImage& img = draw(in);
    const QRectF pane = DiagramGeometry::of(in, layout).glassRect(0);
    int blue = 0, snow = 0;
    for (int y = int(pane.top()) + 3; y < int(pane.bottom()) - 3; ++y) {
        for (int x = int(pane.left()) + 3; x < int(pane.right()) - 3; ++x) {
            const QRgb c = img.pixel(x, y);
            blue += c == kGlassHatchColour.rgb();
            snow += c == kGlassBackColour.rgb();
        }
    }
    const int area = (int(pane.height()) - 6) * (int(pane.width()) - 6);
    EXPECT_GT(blue, area / 8);
    EXPECT_GT(snow, area / 4);
    EXPECT_TRUE(black(img, pane.left() - 1, int(pane.center().y()))); // outline, half outside the pane
}

TEST_F(DiagramTest, CaptionUnderThePiece)
{
    const QImage& img = draw(workedInput());
    int dark = 0;
    for (int y = 110; y < 130; ++y) {
        for (int x = 20; x < 400; ++x)
            dark += qGray(img.pixel(x, y)) < 128;
    }
    EXPECT_GT(dark, 50);
    for (int x = 0; x < 19; ++x)
        EXPECT_TRUE(white(img, x, 120));
}

TEST_F(DiagramTest, RedrawClearsWhatWasDrawnBefore)
{
    LayoutInput longer = workedInput();
    longer.Guardraillen = 15000;
    draw(longer);
    const QImage& img = draw(workedInput());
    for (int x = 300; x < 1500; x += 7)
        ASSERT_TRUE(white(img, x, 50)) << x;
    drawGuardrail(canvas(), workedInput(), layout, false); // empty length: only cleared
    const QImage& empty = canvas().image();
    for (int y = 0; y < empty.height(); y += 3) {
        for (int x = 0; x < 400; x += 3)
            ASSERT_TRUE(white(empty, x, y)) << x << "," << y;
    }
    EXPECT_TRUE(canvas().dirtyRect().isEmpty());
}

TEST_F(DiagramTest, ExportWidthsAndHeight)
{
    struct Case { double length; int width; };
    for (Case c : {Case{2400, 800}, Case{7999, 800}, Case{8000, 800}, Case{12000, 1200}, Case{12001, 1201}}) {
        const QImage bmp = exportBitmap(draw(workedInput()), c.length);
        EXPECT_EQ(bmp.width(), c.width) << c.length;
        EXPECT_EQ(bmp.height(), 135);
    }
    EXPECT_EQ(exportBitmap(canvas().image(), 2400, kCornerBitmapHeight).height(), 320);
    const QImage bmp = exportBitmap(canvas().image(), 2400);
    EXPECT_TRUE(black(bmp, 12.5, 50));
    EXPECT_TRUE(white(bmp, 700, 50));
}

TEST_F(DiagramTest, SaveCreatesTheFolderAndReplacesTheFile)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("temp");
    const QString path = folder + "/BillID_7.bmp";
    ASSERT_TRUE(SaveBmpFromPaintBox(draw(workedInput()), folder, path, 2400));
    ASSERT_TRUE(SaveBmpFromPaintBox(canvas().image(), folder, path, 12000));
    QImage back(path, "BMP");
    EXPECT_EQ(back.size(), QSize(1200, 135));
    EXPECT_EQ(back.pixel(12, 50), qRgb(0, 0, 0));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"BillID_7.bmp"});
}

TEST_F(DiagramTest, SaveIntoAnUnwritablePlaceFailsWithAMessage)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath("file");
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const LayoutStatus s = SaveBmpFromPaintBox(draw(workedInput()), blocker + "/sub", blocker + "/sub/a.bmp", 2400);
    EXPECT_FALSE(s.isOk());
    EXPECT_FALSE(s.error.isEmpty());
}

} // namespace

namespace {

TEST(DiagramLimits, AbsurdInputDrawsOnlyWhatFits)
{
    LayoutInput in = workedInput();
    in.mode = LayoutInput::Mode::Edit;
    in.Guardraillen = 1e9;
    in.ColumnMaxSpace = 1;
    GuardrailLayout g;
    ASSERT_TRUE(AccountingGuardrail(in, g));
    EXPECT_GT(g.bayCount, 10'000'000);
    DiagramCanvas canvas;
    drawGuardrail(canvas, in, g);
    EXPECT_EQ(canvas.dirtyRect().right(), canvas.width() - 1);
    EXPECT_EQ(exportBitmap(canvas.image(), in.Guardraillen).width(), canvas.width());
}

} // namespace
