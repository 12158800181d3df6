#include "core/MainMaterSummary.h"
#include "core/Numeric.h"
#include "core/SizeReference.h"
#include "core/SuitOrder.h"

#include <gtest/gtest.h>

namespace {

TEST(Numeric, Ceil)
{
    const std::pair<double, qint64> cases[] = {{-0.4, 0}, {-1.5, -1}, {0, 0}, {2, 2}, {2.0001, 3}, {7.04, 8}};
    for (auto [x, want] : cases)
        EXPECT_EQ(Ceil(x), want) << x;
}

TEST(Numeric, RoundHalvesToEven)
{
    const std::pair<double, double> cases[] = {{1130.5, 1130}, {1131.5, 1132}, {2400.5, 2400}, {2401.5, 2402},
                                               {0.5, 0}, {-2.5, -2}, {1130.4, 1130}, {637.5, 638}};
    for (auto [x, want] : cases)
        EXPECT_EQ(Round(x), want) << x;
}

TEST(Numeric, OneDecimalFromTheExactValue)
{
    const std::pair<double, double> cases[] = {{865.0 / 9, 96.1}, {1130.25, 1130.3}, {1130.75, 1130.8},
                                               {-1130.25, -1130.3}, {100.625, 100.6}, {0.05, 0.1},
                                               {0.15, 0.1}, {1025, 1025}, {47.5, 47.5}};
    for (auto [x, want] : cases)
        EXPECT_EQ(oneDecimal(x), want) << x;
}

TEST(Numeric, NumberText)
{
    const std::pair<double, const char*> cases[] = {{1025, "1025"}, {96.1, "96.1"}, {577.5, "577.5"}, {0, "0"},
                                                    {-0.0, "0"}, {0.1 + 0.2, "0.3"}, {-12.5, "-12.5"},
                                                    {20000, "20000"}, {1440, "1440"}};
    for (auto [x, want] : cases)
        EXPECT_EQ(numberText(x), want) << x;
}

TEST(Numeric, ParseNumber)
{
    EXPECT_EQ(parseNumber(" 12.5 "), 12.5);
    EXPECT_EQ(parseNumber("-3"), -3);
    for (const char* bad : {"", " ", ".", "1.2.3", "nan", "inf", "1e999", "0x10", "12a"})
        EXPECT_FALSE(parseNumber(bad).has_value()) << bad;
    EXPECT_EQ(parseWholeNumber("7"), 7);
    EXPECT_FALSE(parseWholeNumber("").has_value());
    EXPECT_FALSE(parseWholeNumber("1.5").has_value());
}

TEST(SuitOrder, PrefixStarAndNext)
{
    EXPECT_EQ(suitPrefix("3*2"), "3");
    EXPECT_EQ(suitPrefix("3"), "");
    EXPECT_EQ(suitPrefix("*5"), "");
    EXPECT_EQ(suitPrefix("12*3*4"), "12");
    EXPECT_TRUE(containsStar("1*1"));
    EXPECT_FALSE(containsStar("11"));
    EXPECT_EQ(getSuitOrderNumStr("3*2"), "3*3");
    EXPECT_EQ(getSuitOrderNumStr("10*9"), "10*10");
    EXPECT_EQ(getSuitOrderNumStr("3"), "");
    EXPECT_EQ(getSuitOrderNumStr("3*"), "");
    EXPECT_EQ(getSuitOrderNumStr("3*x"), "");
}

TEST(SizeReference, JointTypes)
{
    const double want[] = {1445, 1470, 1440, 1495, 1525};
    for (int item = 0; item < 5; ++item)
        EXPECT_DOUBLE_EQ(SizeReference::byJoint(item, 1500, 60, 50), want[item]) << item;
    EXPECT_EQ(SizeReference::jointTypes()[0].formula, "输入尺寸-面管宽度/2-立柱宽度/2");
    EXPECT_EQ(SizeReference::jointTypes()[4].caption, "一端跨间距对接，一端末端");
}

TEST(SizeReference, TicksInOrder)
{
    using namespace SizeReference;
    Ticks t{};
    EXPECT_DOUBLE_EQ(byTicks(1500, 60, 50, t), 1500);
    t[AddHalfHandrail] = t[SubHalfHandrail] = true;
    EXPECT_DOUBLE_EQ(byTicks(1500, 60, 50, t), 1500);
    t[SubHandrail] = t[AddHalfColumn] = true;
    EXPECT_DOUBLE_EQ(byTicks(1500, 60, 50, t), 1465);
    EXPECT_EQ(tickCaptions().size(), TickCount);
}

TEST(Summary, AdjustmentsAndPresets)
{
    MainMaterSummary s;
    s[ColumnRow].count = "5";
    ASSERT_TRUE(adjustSummaryCount(s, ColumnRow, "2"));
    EXPECT_EQ(s[ColumnRow].count, "3");
    ASSERT_TRUE(adjustSummaryCount(s, ColumnRow, "3")); // not smaller: unchanged
    EXPECT_EQ(s[ColumnRow].count, "3");
    EXPECT_FALSE(adjustSummaryCount(s, ColumnRow, ""));
    EXPECT_FALSE(adjustSummaryCount(s, ColumnRow, "1.5"));
    EXPECT_EQ(s[ColumnRow].count, "3");

    EXPECT_EQ(handrailPresetItems(), (QStringList{"一端L转角", "两端L转角"}));
    EXPECT_DOUBLE_EQ(handrailPresetLength(HandrailPreset::OneEndLCorner, 2400, 60), 2340);
    EXPECT_DOUBLE_EQ(handrailPresetLength(HandrailPreset::BothEndsLCorner, 2400, 60), 2280);
}

TEST(Summary, ModelNamesFromPickerTexts)
{
    LayoutInput in;
    setModename(in, {" HR50-圆管 ", "LZ-50-方", "HG20", "SG-圆", " 8mm钢化 "});
    EXPECT_EQ(in.handrailname, "HR50");
    EXPECT_EQ(in.ColumnName, "LZ");
    EXPECT_EQ(in.CrosspieceName, ""); // no "-"
    EXPECT_EQ(in.standpipeName, "SG");
    EXPECT_EQ(in.glassName, "8mm钢化");
}

} // namespace
