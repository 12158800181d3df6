#include "CornerWorkedExample.h"
#include "core/MainMaterSummary.h"

#include <gtest/gtest.h>

namespace {

CornerPassResult run(const CornerPieceInput& in)
{
    CornerBatch batch;
    return batch.BatchCornerFeed(in);
}

} // namespace

TEST(CornerFeed, WorkedExampleFirstSegment)
{
    const CornerPassResult r = run(workedCornerPiece());
    ASSERT_TRUE(r.ok()) << r.error->text().toStdString();
    ASSERT_EQ(r.segments.size(), 2);
    const CornerSegmentResult& s = r.segments[0];
    EXPECT_EQ(s.segment, 1);
    EXPECT_DOUBLE_EQ(s.layoutLength, 1525);
    EXPECT_DOUBLE_EQ(s.startX, 0);
    EXPECT_EQ(s.layout.bayCount, 2);
    EXPECT_DOUBLE_EQ(s.layout.columnSpacing, 637.5);
    EXPECT_EQ(s.layout.columnCount, 3);
    EXPECT_EQ(s.layout.standpipesPerBay, 5);
    EXPECT_DOUBLE_EQ(s.layout.standpipeGap, 89.6);

    const corner::TMainMaterArr expected = {{
        {"1*1", "扶手", "H1", "1500", "1"},
        {"1*1", "立柱", "C1", "1050", "3"},
        {"1*1", "横杆", "X1", "638", "4"},
        {"1*1", "竖杆", "S1", "810", "10"},
        {"1*1", "玻璃", "玻璃类型", "0", "0"},
        {},
    }};
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(s.summary[i], expected[i]) << "row " << i;
}

TEST(CornerFeed, WorkedExampleCaption)
{
    const CornerPassResult r = run(workedCornerPiece());
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.segments[0].caption,
              "序号：1*1    尺寸:1525x1100    档数:2    立柱间距:637.5   竖杆数量:5    竖杆间距:89.6");
}

// Column widths 50 and 45 in both windows: only the edit window rounds
// segment 2's layout length.
struct WindowCase {
    double columnWidth;
    LayoutInput::Mode mode;
    double length1, length2, start2, spacing1, spacing2;
};

class CornerWindows : public ::testing::TestWithParam<WindowCase> {};

TEST_P(CornerWindows, LayoutLengthsStartsAndSpacings)
{
    const WindowCase& c = GetParam();
    CornerBatch batch;
    const CornerPassResult r = batch.BatchCornerFeed(workedCornerPiece(c.columnWidth, c.mode));
    ASSERT_TRUE(r.ok()) << r.error->text().toStdString();
    ASSERT_EQ(r.segments.size(), 2);
    EXPECT_DOUBLE_EQ(r.segments[0].layoutLength, c.length1);
    EXPECT_DOUBLE_EQ(r.segments[1].layoutLength, c.length2);
    EXPECT_DOUBLE_EQ(r.segments[1].startX, c.start2);
    EXPECT_DOUBLE_EQ(r.segments[0].layout.columnSpacing, c.spacing1);
    EXPECT_DOUBLE_EQ(r.segments[1].layout.columnSpacing, c.spacing2);
    EXPECT_EQ(r.segments[0].layout.columnCount + r.segments[1].layout.columnCount, 6);
    EXPECT_EQ(batch.segmentLengths(), QList<double>({c.length1, c.length2}));
    EXPECT_DOUBLE_EQ(batch.getimgwidth(), c.length1 + c.length2);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExample, CornerWindows,
    ::testing::Values(WindowCase{50, LayoutInput::Mode::Add, 1525, 2025, 1475, 637.5, 887.5},
                      WindowCase{50, LayoutInput::Mode::Edit, 1525, 2025, 1475, 637.5, 887.5},
                      WindowCase{45, LayoutInput::Mode::Add, 1522.5, 2022.5, 1477.5, 643.8, 893.8},
                      WindowCase{45, LayoutInput::Mode::Edit, 1522.5, 2022, 1477.5, 643.8, 893.5}));

TEST(CornerFeed, EditWindowRoundsOnlySegmentTwoAndNotBothEnds)
{
    struct Case {
        QString mode2, mode3;
        double length2, length3;
    } cases[] = {
        {kNoCorner, kOneEnd, 2000, 1022.5},  // 2000 stays, segment 3 never rounds
        {kBothEnds, kOneEnd, 2045, 1022.5},  // both ends: 2045 is not rounded (already whole)
    };
    for (const Case& c : cases) {
        CornerPieceInput in = workedCornerPiece(45, LayoutInput::Mode::Edit);
        in.segments[1].cornerMode = c.mode2;
        in.segments[1].Rightvalue = "0";
        in.segments[2] = cornerSegment("1*3", "1000", c.mode3, "0", "100");
        const CornerPassResult r = run(in);
        ASSERT_TRUE(r.ok()) << r.error->text().toStdString();
        ASSERT_EQ(r.segments.size(), 3);
        EXPECT_DOUBLE_EQ(r.segments[1].layoutLength, c.length2);
        EXPECT_DOUBLE_EQ(r.segments[2].layoutLength, c.length3);
    }
    // A both-ends segment 2 of 2000.5 with width 45 keeps its half in the edit window.
    CornerPieceInput in = workedCornerPiece(45, LayoutInput::Mode::Edit);
    in.segments[1].cornerMode = kBothEnds;
    in.segments[1].inputLen = "2000.25";
    const CornerPassResult r = run(in);
    ASSERT_TRUE(r.ok());
    EXPECT_DOUBLE_EQ(r.segments[1].layoutLength, 2045.25);
}

TEST(CornerFeed, StartPositionsFollowInputLengths)
{
    CornerPieceInput in = workedCornerPiece();
    in.segments[1].cornerMode = kBothEnds; // segment 2 starts at L1 − Wc/2 whatever its type
    in.segments[1].Rightvalue = "0";
    in.segments[2] = cornerSegment("1*3", "1200", kNoCorner, "0", "0");
    in.segments[3] = cornerSegment("1*4", "900", kOneEnd, "0", "100");
    const CornerPassResult r = run(in);
    ASSERT_TRUE(r.ok()) << r.error->text().toStdString();
    ASSERT_EQ(r.segments.size(), 4);
    EXPECT_DOUBLE_EQ(r.segments[1].startX, 1475);
    EXPECT_DOUBLE_EQ(r.segments[2].startX, 1475 + 2000);
    EXPECT_DOUBLE_EQ(r.segments[3].startX, 1475 + 2000 + 1200);
    EXPECT_DOUBLE_EQ(r.segments[1].layoutLength, 2050);
    EXPECT_DOUBLE_EQ(r.segments[2].layoutLength, 1200);
    EXPECT_DOUBLE_EQ(r.segments[3].layoutLength, 925);
}

TEST(CornerFeed, OneNoCornerSegmentEqualsTheStraightSingleColumnLayout)
{
    CornerPieceInput in;
    in.shared = workedInput();
    in.segments[0] = cornerSegment("2*1", "2400.5", kNoCorner, "100", "100");
    const CornerPassResult r = run(in);
    ASSERT_TRUE(r.ok());

    LayoutInput straight = workedInput();
    straight.mode = LayoutInput::Mode::Edit; // unrounded length
    straight.Guardraillen = 2400.5;
    GuardrailLayout g;
    ASSERT_TRUE(AccountingGuardrail(straight, g).isOk());
    const GuardrailLayout& c = r.segments[0].layout;
    EXPECT_DOUBLE_EQ(c.length, 2400.5);
    EXPECT_EQ(c.bayCount, g.bayCount);
    EXPECT_DOUBLE_EQ(c.columnSpacing, g.columnSpacing);
    EXPECT_EQ(c.columnCount, g.columnCount);
    EXPECT_DOUBLE_EQ(c.columnHeight, g.columnHeight);
    EXPECT_DOUBLE_EQ(c.crosspieceLength, g.crosspieceLength);
    EXPECT_DOUBLE_EQ(c.standpipeHeight, g.standpipeHeight);
    EXPECT_EQ(c.standpipesPerBay, g.standpipesPerBay);
    EXPECT_DOUBLE_EQ(c.standpipeGap, g.standpipeGap);
    EXPECT_EQ(r.segments[0].summary[0].size, "2400"); // Round(2400.5), halves to even
}

TEST(CornerFeed, LengthCheckIsInclusiveAndStopsThePass)
{
    // Segment 2: left 0 + right 100 + 2·50 = 200.
    struct Case {
        const char* len2; // one-end: layout length = len + 25
        bool passes;
    } cases[] = {{"175", true}, {"175.1", true}, {"174.9", false}};
    for (const Case& c : cases) {
        CornerPieceInput in = workedCornerPiece();
        in.segments[1].inputLen = c.len2;
        in.segments[2] = cornerSegment("1*3", "1000", kOneEnd, "0", "100");
        CornerBatch batch;
        const CornerPassResult r = batch.BatchCornerFeed(in);
        if (c.passes) {
            EXPECT_TRUE(r.ok()) << c.len2;
            EXPECT_EQ(r.segments.size(), 3) << c.len2;
            continue;
        }
        ASSERT_FALSE(r.ok()) << c.len2;
        EXPECT_EQ(r.error->segment, 2);
        EXPECT_EQ(r.error->message, "数据不合理，请检查输入数据或者参数设置！");
        EXPECT_EQ(r.error->text(), "第二段：数据不合理，请检查输入数据或者参数设置！");
        ASSERT_EQ(r.segments.size(), 1);
        EXPECT_EQ(batch.lists().size(), 1); // the save cannot pick up segments not reached
        EXPECT_EQ(batch.caption(), r.segments[0].caption);
    }
}

TEST(CornerFeed, ErrorsNameTheSegmentAndKeepWhatWasComputed)
{
    struct Case {
        const char* name;
        void (*edit)(CornerPieceInput&);
        int segment;
        qsizetype computed;
        QString message;
    } cases[] = {
        {"gap", [](CornerPieceInput& in) { in.segments[1].inputLen = " ";
                                           in.segments[2] = cornerSegment("1*3", "900", kOneEnd, "0", "100"); },
         3, 1, kCornerGapText},
        {"first empty", [](CornerPieceInput& in) { in.segments[0].inputLen.clear(); }, 2, 0, kCornerGapText},
        {"no corner type", [](CornerPieceInput& in) { in.segments[1].cornerMode.clear(); }, 2, 1,
         "请选择转角类型！"},
        {"length not a number", [](CornerPieceInput& in) { in.segments[1].inputLen = "1.2.3"; }, 2, 1,
         "长度：“1.2.3”不是有效的数值"},
        {"empty margin", [](CornerPieceInput& in) { in.segments[0].TopValue.clear(); }, 1, 0, "上边距不能为空"},
        {"bad column margin", [](CornerPieceInput& in) { in.segments[1].columnMargin = "."; }, 2, 1,
         "立柱接插量：“.”不是有效的数值"},
        {"empty handrail", [](CornerPieceInput& in) { in.segments[1].handrailSize.clear(); }, 2, 1, "扶手不能为空"},
        {"zero column divisor", [](CornerPieceInput& in) {
             in.shared.ColumnWidth = 0;
             in.shared.ColumnMaxSpace = 0; }, 1, 0, QString()},
        {"zero standpipe divisor", [](CornerPieceInput& in) {
             in.shared.standpipeWidth = 0;
             in.shared.StandPipeSpace = 0; }, 1, 0, QString()},
        {"zero fixed divisor", [](CornerPieceInput& in) {
             in.shared.spaceCalmethod = 1;
             in.shared.standpipeWidth = 0;
             in.shared.FixedValue = 0; }, 1, 0, QString()},
    };
    for (const Case& c : cases) {
        CornerPieceInput in = workedCornerPiece();
        c.edit(in);
        CornerBatch batch;
        const CornerPassResult r = batch.BatchCornerFeed(in);
        ASSERT_FALSE(r.ok()) << c.name;
        EXPECT_EQ(r.error->segment, c.segment) << c.name;
        EXPECT_EQ(r.segments.size(), c.computed) << c.name;
        EXPECT_EQ(batch.lists().size(), c.computed) << c.name;
        if (!c.message.isEmpty())
            EXPECT_EQ(r.error->message, c.message) << c.name;
        else
            EXPECT_FALSE(r.error->message.isEmpty()) << c.name;
    }
}

TEST(CornerFeed, EmptyRowsAfterTheLastSegmentAreSkipped)
{
    CornerPieceInput in = workedCornerPiece();
    in.segments[2].cornerMode = kOneEnd; // a corner type alone does not fill a row
    const CornerPassResult r = run(in);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.segments.size(), 2);
}

TEST(CornerFeed, SegmentAllowancesFallBackToTheEarlierSegmentThenTheCommonValue)
{
    CornerPieceInput in = workedCornerPiece();
    in.shared.ColumnMargin = 10;
    in.shared.CrosspieceMargin = -2;
    in.segments[2] = cornerSegment("1*3", "1000", kOneEnd, "0", "100");
    in.segments[1].columnMargin = "30";
    in.segments[1].crosspieceMargin = "5";
    CornerBatch batch;
    for (int pass = 0; pass < 2; ++pass) { // a second pass starts again from the common values
        const CornerPassResult r = batch.BatchCornerFeed(in);
        ASSERT_TRUE(r.ok());
        EXPECT_DOUBLE_EQ(r.segments[0].layout.columnHeight, 1050 + 10);
        EXPECT_DOUBLE_EQ(r.segments[0].layout.crosspieceLength, 637.5 - 2);
        EXPECT_DOUBLE_EQ(r.segments[1].layout.columnHeight, 1050 + 30);
        EXPECT_DOUBLE_EQ(r.segments[1].layout.crosspieceLength, 887.5 + 5);
        EXPECT_DOUBLE_EQ(r.segments[2].layout.columnHeight, 1050 + 30);
    }
    EXPECT_DOUBLE_EQ(batch.valuesInForce().columnMargin, 30);
    EXPECT_DOUBLE_EQ(batch.valuesInForce().right, 100);
}

TEST(CornerFeed, HoleValuesOfFixedSpacingAreKeptPerSegmentAndCarried)
{
    CornerPieceInput in = workedCornerPiece();
    in.shared.spaceCalmethod = 1;
    CornerBatch batch;
    CornerPassResult r = batch.BatchCornerFeed(in);
    ASSERT_TRUE(r.ok());
    // Segment 1: D 637.5, f = Ceil((637.5 + 110 − 220) / 130) = 5 (odd):
    // first hole = Round(637.5) / 2 = 319.
    EXPECT_EQ(batch.segmentHoles()[0], (corner::TSegmentHoles{5, 319}));
    EXPECT_EQ(r.segments[0].summary[3].count, "10");
    EXPECT_TRUE(r.segments[0].caption.startsWith("序号：1*1     尺寸:1525x1100")) << r.segments[0].caption.toStdString();
    EXPECT_TRUE(r.segments[0].caption.contains("竖杆间距:110     第一孔距:")) << r.segments[0].caption.toStdString();
    const corner::TSegmentHoles last = batch.segmentHoles()[1];

    // Equal division leaves the hole values of the last fixed-spacing run.
    in.shared.spaceCalmethod = 0;
    r = batch.BatchCornerFeed(in);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(batch.segmentHoles()[0], last);
    EXPECT_EQ(batch.segmentHoles()[1], last);
}

TEST(CornerFeed, GlassAndMissingRailsUsePlaceholderRows)
{
    CornerPieceInput in = workedCornerPiece();
    in.shared.Standpipetype = 1;
    in.shared.CrosspieceTopHas = false;
    in.shared.CrosspieceLowHas = false;
    in.shared.standpipeLeft = in.shared.StandpipeRight = 10;
    const CornerPassResult r = run(in);
    ASSERT_TRUE(r.ok());
    const corner::TMainMaterArr& rows = r.segments[0].summary;
    EXPECT_EQ(rows[2], (corner::TMainMaterSummary{"1*1", "横杆", "X", "0", "0"}));
    EXPECT_EQ(rows[3], (corner::TMainMaterSummary{"1*1", "竖杆", "X", "0", "0"}));
    // glass 637.5 − 20 wide, 1100 − 50 high, one pane per bay
    EXPECT_EQ(rows[4], (corner::TMainMaterSummary{"1*1", "玻璃", "G8", "617.5x1050", "2"}));
    EXPECT_EQ(r.segments[0].caption, "序号：1*1      尺寸:1525x1100    档数:2    立柱间距:637.5");
}

TEST(CornerFeed, EnterChecksUseTheLayoutLengthComputedLast)
{
    CornerBatch batch;
    EXPECT_DOUBLE_EQ(batch.currentLayoutLength(), 0);
    ASSERT_TRUE(batch.BatchCornerFeed(workedCornerPiece()).ok());
    EXPECT_DOUBLE_EQ(batch.currentLayoutLength(), 2025);

    LayoutInput check = workedInput();
    check.Guardraillen = batch.currentLayoutLength();
    check.StandPipeSpace = 2024.9;
    EXPECT_TRUE(enteredValueValid(LayoutField::StandPipeSpace, check));
    check.StandPipeSpace = 2025;
    EXPECT_FALSE(enteredValueValid(LayoutField::StandPipeSpace, check));

    CornerPieceInput stopped = workedCornerPiece();
    stopped.segments[1].inputLen = "100";
    EXPECT_FALSE(batch.BatchCornerFeed(stopped).ok());
    EXPECT_DOUBLE_EQ(batch.currentLayoutLength(), 1525);
}
