#include "core/GuardrailLayout.h"
#include "core/MainMaterSummary.h"
#include "core/Numeric.h"

#include <gtest/gtest.h>

#include "WorkedExample.h"

namespace {

GuardrailLayout compute(const LayoutInput& in)
{
    GuardrailLayout g;
    const LayoutStatus s = AccountingGuardrail(in, g);
    EXPECT_TRUE(s.isOk()) << s.error.toStdString();
    return g;
}

struct WorkedCase {
    const char* name;
    bool doubleColumns;
    int spaceCalmethod;
    qint64 N;
    double D;
    qint64 columns;
    double crosspiece;
    qint64 perBay;
    double gap;      // standpipeGap or endGap
    qint64 holes;    // 0 when not fixed spacing
    double firstHole;
};

class WorkedExamples : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedExamples, MatchTheReferenceTable)
{
    const WorkedCase& c = GetParam();
    LayoutInput in = workedInput();
    in.ColumnIsTwo = c.doubleColumns;
    in.spaceCalmethod = c.spaceCalmethod;
    const GuardrailLayout g = compute(in);
    EXPECT_EQ(g.bayCount, c.N);
    EXPECT_DOUBLE_EQ(g.columnSpacing, c.D);
    EXPECT_EQ(g.columnCount, c.columns);
    EXPECT_DOUBLE_EQ(g.columnHeight, 1050);
    EXPECT_EQ(g.crosspieceCount, 4);
    EXPECT_DOUBLE_EQ(g.crosspieceLength, c.crosspiece);
    EXPECT_DOUBLE_EQ(g.standpipeHeight, 810);
    EXPECT_EQ(g.standpipesPerBay, c.perBay);
    if (c.spaceCalmethod == 1) {
        EXPECT_DOUBLE_EQ(g.endGap, c.gap);
        EXPECT_EQ(g.CrosspieceHoleNum, c.holes);
        EXPECT_DOUBLE_EQ(g.CrosspieceHolePosition, c.firstHole);
    } else {
        EXPECT_DOUBLE_EQ(g.standpipeGap, c.gap);
        EXPECT_EQ(g.CrosspieceHoleNum, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Straight, WorkedExamples,
    ::testing::Values(WorkedCase{"single_divide", false, 0, 2, 1025.0, 3, 1025, 8, 96.1, 0, 0},
                      WorkedCase{"single_fixed", false, 1, 2, 1025.0, 3, 1025, 8, 47.5, 8, 577.5},
                      WorkedCase{"double_divide", true, 0, 2, 945.0, 4, 945, 7, 100.6, 0, 0},
                      WorkedCase{"double_fixed", true, 1, 2, 945.0, 4, 945, 7, 72.5, 7, 472.5}),
    [](const auto& info) { return std::string(info.param.name); });

using Rows = std::vector<std::array<const char*, 4>>;

void expectSummary(const MainMaterSummary& s, const Rows& rows)
{
    ASSERT_EQ(rows.size(), s.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(s[i].title, QString::fromUtf8(rows[i][0])) << i;
        EXPECT_EQ(s[i].model, QString::fromUtf8(rows[i][1])) << i;
        EXPECT_EQ(s[i].size, QString::fromUtf8(rows[i][2])) << i;
        EXPECT_EQ(s[i].count, QString::fromUtf8(rows[i][3])) << i;
    }
}

TEST(MainMaterSummary, FirstWorkedExample)
{
    const LayoutInput in = workedInput();
    expectSummary(loadMainMaterSummary(in, compute(in)), {{"扶手", "H1", "2400", "1"},
                                                          {"立柱", "C1", "1050", "3"},
                                                          {"横杆", "X1", "1025", "4"},
                                                          {"竖杆", "S1", "810", "16"},
                                                          {"玻璃", "玻璃类型", "0", "0"}});
}

TEST(MainMaterSummary, GlassVariantSwapsRowsThreeAndFour)
{
    LayoutInput in = workedInput();
    in.Standpipetype = 1;
    const GuardrailLayout g = compute(in);
    EXPECT_DOUBLE_EQ(g.glassWidth, 1025);
    EXPECT_DOUBLE_EQ(g.glassHeight, 810);
    EXPECT_EQ(g.glassCount, 2);
    expectSummary(loadMainMaterSummary(in, g), {{"扶手", "H1", "2400", "1"},
                                                {"立柱", "C1", "1050", "3"},
                                                {"横杆", "X1", "1025", "4"},
                                                {"竖杆", "X", "0", "0"},
                                                {"玻璃", "G8", "1025x810", "2"}});
}

TEST(MainMaterSummary, GlassClearancesAndUnroundedPaneSize)
{
    LayoutInput in = workedInput();
    in.Standpipetype = 1;
    in.standpipeLeft = 10.5;
    in.StandpipeRight = 10;
    in.StandpipeTop = 5;
    in.StandpipeLow = 5.25;
    const GuardrailLayout g = compute(in);
    EXPECT_EQ(loadMainMaterSummary(in, g)[GlassRow].size, "1004.5x799.75");
}

TEST(MainMaterSummary, NoHandrail)
{
    LayoutInput in = workedInput();
    in.HandrailHas = false;
    const GuardrailLayout g = compute(in);
    EXPECT_DOUBLE_EQ(g.columnHeight, 1100);
    EXPECT_DOUBLE_EQ(g.standpipeHeight, 860);
    const MainMaterSummary s = loadMainMaterSummary(in, g);
    EXPECT_EQ(s[HandrailRow], (TMainMaterSummary{"扶手", "X", "0", "0"}));
    EXPECT_EQ(s[ColumnRow].size, "1100");
}

struct RailCase {
    bool top, low;
    double standpipeHeight;
    const char* count;
};

class OneRail : public ::testing::TestWithParam<RailCase> {};

TEST_P(OneRail, CountAndStandpipeLength)
{
    const RailCase& c = GetParam();
    LayoutInput in = workedInput();
    in.CrosspieceTopHas = c.top;
    in.CrosspieceLowHas = c.low;
    const GuardrailLayout g = compute(in);
    EXPECT_DOUBLE_EQ(g.standpipeHeight, c.standpipeHeight);
    const MainMaterSummary s = loadMainMaterSummary(in, g);
    EXPECT_EQ(s[CrosspieceRow].count, c.count);
    if (!c.top && !c.low) {
        EXPECT_EQ(s[CrosspieceRow], (TMainMaterSummary{"横杆", "X", "0", "0"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Rails, OneRail,
                         ::testing::Values(RailCase{true, false, 930, "2"}, RailCase{false, true, 930, "2"},
                                           RailCase{false, false, 1050, "0"}, RailCase{true, true, 810, "4"}));

struct LengthCase {
    LayoutInput::Mode mode;
    double typed;
    double laidOut;
};

class AddModeRounding : public ::testing::TestWithParam<LengthCase> {};

TEST_P(AddModeRounding, LengthAndHandrail)
{
    LayoutInput in = workedInput();
    in.mode = GetParam().mode;
    in.Guardraillen = GetParam().typed;
    const GuardrailLayout g = compute(in);
    EXPECT_DOUBLE_EQ(g.length, GetParam().laidOut);
    EXPECT_DOUBLE_EQ(g.handrailLength, GetParam().laidOut);
}

INSTANTIATE_TEST_SUITE_P(Lengths, AddModeRounding,
                         ::testing::Values(LengthCase{LayoutInput::Mode::Add, 2400.5, 2400},
                                           LengthCase{LayoutInput::Mode::Add, 2401.5, 2402},
                                           LengthCase{LayoutInput::Mode::Edit, 2400.5, 2400.5},
                                           LengthCase{LayoutInput::Mode::Edit, 2401.5, 2401.5}));

TEST(Layout, ExplicitHandrailLengthIsRoundedOnlyInAddMode)
{
    LayoutInput in = workedInput();
    in.handrailLength = 2350.5;
    EXPECT_DOUBLE_EQ(compute(in).handrailLength, 2350);
    in.mode = LayoutInput::Mode::Edit;
    EXPECT_DOUBLE_EQ(compute(in).handrailLength, 2350.5);
}

TEST(Layout, CrosspieceHalvesRoundToEvenInTheSummary)
{
    LayoutInput in = workedInput();
    for (auto [margin, listed] : {std::pair{105.5, "1130"}, std::pair{106.5, "1132"}}) {
        in.CrosspieceMargin = margin;
        const GuardrailLayout g = compute(in);
        EXPECT_EQ(loadMainMaterSummary(in, g)[CrosspieceRow].size, listed) << margin;
    }
}

TEST(Layout, BayBoundIsInclusive)
{
    // L' − Wc = 2·(Wc + Cmax): exactly two bays of spacing Cmax.
    LayoutInput in = workedInput();
    in.Guardraillen = 200 + 50 + 2 * 1250;
    const GuardrailLayout g = compute(in);
    EXPECT_EQ(g.bayCount, 2);
    EXPECT_DOUBLE_EQ(g.columnSpacing, 1200);
    in.Guardraillen += 1;
    EXPECT_EQ(compute(in).bayCount, 3);
}

TEST(Layout, FixedSpacingFirstHoleOddAndEven)
{
    LayoutInput in = workedInput();
    in.spaceCalmethod = 1;
    in.CrosspieceMargin = 0.5; // crosspiece 1025.5 rounds to 1026
    GuardrailLayout g = compute(in);
    ASSERT_EQ(g.CrosspieceHoleNum % 2, 0);
    EXPECT_DOUBLE_EQ(g.CrosspieceHolePosition, 513 + 55 + 10); // adds S/2 + Ws/2, not F/2
    in.FixedValue = 100;  // F differs from S: the even case still uses S
    g = compute(in);
    EXPECT_EQ(g.CrosspieceHoleNum, 8);
    EXPECT_DOUBLE_EQ(g.CrosspieceHolePosition, 513 + 55 + 10);
    in.FixedValue = 110;
    in.Guardraillen = 2300; // D 975: f = Ceil(865/130) = 7
    g = compute(in);
    EXPECT_EQ(g.CrosspieceHoleNum, 7);
    EXPECT_DOUBLE_EQ(g.CrosspieceHolePosition, oneDecimal(Round(975.5) / 2));
}

TEST(Layout, HoleValuesSurviveAnEqualDivisionRun)
{
    LayoutInput in = workedInput();
    in.spaceCalmethod = 1;
    GuardrailLayout g;
    ASSERT_TRUE(AccountingGuardrail(in, g));
    in.spaceCalmethod = 0;
    ASSERT_TRUE(AccountingGuardrail(in, g));
    EXPECT_EQ(g.CrosspieceHoleNum, 8);
    EXPECT_DOUBLE_EQ(g.CrosspieceHolePosition, 577.5);
    EXPECT_DOUBLE_EQ(g.endGap, 0);
}

struct ErrorCase {
    const char* name;
    void (*change)(LayoutInput&);
    const char* fragment;
};

class LayoutErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(LayoutErrors, GiveAMessageNeverInfinity)
{
    LayoutInput in = workedInput();
    GetParam().change(in);
    GuardrailLayout g;
    const LayoutStatus s = AccountingGuardrail(in, g);
    ASSERT_FALSE(s.isOk());
    EXPECT_TRUE(s.error.contains(QString::fromUtf8(GetParam().fragment))) << s.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Divisors, LayoutErrors,
    ::testing::Values(
        ErrorCase{"single_bays", [](LayoutInput& in) { in.ColumnWidth = 0; in.ColumnMaxSpace = 0; }, "立柱宽度与每档最大间距"},
        ErrorCase{"double_bays", [](LayoutInput& in) { in.ColumnIsTwo = true; in.ColumnWidth = 0; in.ColumnMaxSpace = 0; in.TwoSpace = 0; }, "双立柱间距"},
        ErrorCase{"divide", [](LayoutInput& in) { in.standpipeWidth = 0; in.StandPipeSpace = 0; }, "竖杆宽度与竖杆最大间距"},
        ErrorCase{"fixed", [](LayoutInput& in) { in.spaceCalmethod = 1; in.standpipeWidth = 0; in.FixedValue = 0; }, "竖杆宽度与固定间距值"},
        ErrorCase{"negative_count", [](LayoutInput& in) { in.Guardraillen = -3000; }, "数据不合理"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Layout, LengthCheckIsInclusive)
{
    EXPECT_TRUE(checkLayoutLength(100, 100, 50, 300));
    const LayoutStatus s = checkLayoutLength(100, 100, 50, 299.9);
    EXPECT_EQ(s.error, "数据不合理，请检查输入数据或者参数设置！");
}

struct EnterCase {
    LayoutField field;
    double LayoutInput::*value;
    double passes;
    double fails;
};

class EnterChecks : public ::testing::TestWithParam<EnterCase> {};

// L 2400, H 1100: each box's value at the edge of its range and just beyond.
TEST_P(EnterChecks, RangeOfEachBox)
{
    const EnterCase& c = GetParam();
    LayoutInput in = workedInput();
    in.*c.value = c.passes;
    EXPECT_TRUE(enteredValueValid(c.field, in)) << c.passes;
    in.*c.value = c.fails;
    EXPECT_FALSE(enteredValueValid(c.field, in)) << c.fails;
}

INSTANTIATE_TEST_SUITE_P(Boxes, EnterChecks,
    ::testing::Values(EnterCase{LayoutField::Length, &LayoutInput::Guardraillen, 300, 299.9},
                      EnterCase{LayoutField::ColumnMaxSpace, &LayoutInput::ColumnMaxSpace, 2400, 2400.1},
                      EnterCase{LayoutField::Height, &LayoutInput::GuardrailHeight, 0.1, 0},
                      EnterCase{LayoutField::Left, &LayoutInput::LeftValue, 0, 2400},
                      EnterCase{LayoutField::Right, &LayoutInput::Rightvalue, 2399, -1},
                      EnterCase{LayoutField::Top, &LayoutInput::TopValue, 1099, 1100},
                      EnterCase{LayoutField::Low, &LayoutInput::lowerValue, 0, -0.1},
                      EnterCase{LayoutField::StandPipeSpace, &LayoutInput::StandPipeSpace, 0.1, 0},
                      EnterCase{LayoutField::FixedValue, &LayoutInput::FixedValue, 2399, 2400},
                      EnterCase{LayoutField::GapLeft, &LayoutInput::standpipeLeft, 0, 2400},
                      EnterCase{LayoutField::GapRight, &LayoutInput::StandpipeRight, 10, -1},
                      EnterCase{LayoutField::GapTop, &LayoutInput::StandpipeTop, 0, 1100},
                      EnterCase{LayoutField::GapLow, &LayoutInput::StandpipeLow, 1099.9, 1100}));

TEST(DivisionCaption, ThreeCases)
{
    LayoutInput in = workedInput();
    EXPECT_EQ(DivisionCaption(in, compute(in)),
              "尺寸:2400x1100    档数:2    立柱间距:1025   竖杆数量:8    竖杆间距:96.1");
    in.spaceCalmethod = 1;
    EXPECT_EQ(DivisionCaption(in, compute(in)),
              "尺寸:2400x1100    档数:2    立柱间距:1025   竖杆数量:8    竖杆间距:110     第一孔距:47.5");
    in.Standpipetype = 1;
    in.lengthText = " 2400.50 ";
    EXPECT_EQ(DivisionCaption(in, compute(in)), "尺寸:2400.50x1100    档数:2    立柱间距:1025");
}

} // namespace

namespace {

TEST(Layout, StoredBranchTexts)
{
    struct Case { StoredBranchTexts t; bool handrail, two, glass, fixed; };
    const Case cases[] = {
        {{"1", "1", "0", "1"}, true, true, false, true},
        {{"0", "0", "1", "0"}, false, false, true, false},
        {{"", "", "", ""}, false, false, true, false},   // empty type reads as not "0": glass
        {{"1", "0", "0", "2"}, true, false, false, false},
    };
    for (const Case& c : cases) {
        const LayoutInput in = withStoredBranches(workedInput(), c.t);
        EXPECT_EQ(in.HandrailHas, c.handrail);
        EXPECT_EQ(in.ColumnIsTwo, c.two);
        EXPECT_EQ(in.isGlass(), c.glass);
        EXPECT_EQ(in.isFixedSpacing(), c.fixed);
    }
    GuardrailLayout g;
    ASSERT_TRUE(AccountingGuardrailByParams(workedInput(), {"1", "1", "0", "1"}, g));
    EXPECT_DOUBLE_EQ(g.endGap, 72.5);
}

TEST(Layout, SpaceMethodOfANewBillFromTheDefault)
{
    EXPECT_EQ(spaceCalmethodFromDefault("0"), 1);
    EXPECT_EQ(spaceCalmethodFromDefault("1"), 0);
    EXPECT_EQ(spaceCalmethodFromDefault(""), 0);
}

} // namespace

namespace {

// A corner segment runs the single-column steps on its own layout length.
TEST(Layout, SingleColumnStepsOnAGivenLength)
{
    LayoutInput in = workedInput();
    in.Rightvalue = 0;
    GuardrailLayout g;
    g.length = 1525;
    ASSERT_TRUE(computeSingleColumnLayout(in, g));
    EXPECT_EQ(g.bayCount, 2);
    EXPECT_DOUBLE_EQ(g.columnSpacing, 637.5);
    EXPECT_EQ(g.columnCount, 3);
    EXPECT_EQ(g.standpipesPerBay, 5);
    EXPECT_DOUBLE_EQ(g.standpipeGap, 89.6);
    EXPECT_EQ(loadMainMaterSummary(in, g)[CrosspieceRow].size, "638");
}

} // namespace
