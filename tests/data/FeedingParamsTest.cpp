#include "support/TestDb.h"

#include "core/GuardrailLayout.h"
#include "data/FeedingParams.h"

// The two codings of the spacing method: paramsDefault 0 = fixed spacing,
// 1 = equal division; DetailBill 0 = equal division, 1 = fixed spacing.
TEST(SpacingMethodCoding, DefaultTextToRadioItemAndNewBill)
{
    struct Case {
        const char* stored;
        ParamsSpacingItem item;
        bool billFixed;
        int billCoding;
    };
    const Case cases[] = {
        {"0", ParamsSpacingItem::FixedSpacing, true, 1},
        {"1", ParamsSpacingItem::EqualDivision, false, 0},
        {"", ParamsSpacingItem::EqualDivision, false, 0},
        {"2", ParamsSpacingItem::EqualDivision, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(paramsSpacingItemOf(c.stored), c.item);
        EXPECT_EQ(spaceCalmethodFromDefault(c.stored), c.billCoding);
        EXPECT_EQ(spaceCalmethodFromDefault(c.stored) == 1, c.billFixed);
    }
    EXPECT_EQ(paramsSpaceCalMethodValue(ParamsSpacingItem::FixedSpacing), 0);
    EXPECT_EQ(paramsSpaceCalMethodValue(ParamsSpacingItem::EqualDivision), 1);
}

class FeedingParamsTest : public DbTest {};

TEST_P(FeedingParamsTest, UserWithoutRowHasNoParameters)
{
    EXPECT_FALSE(readFeedingParams(*dm, "42").has_value());
}

TEST_P(FeedingParamsTest, SavedParametersReadBackWithTheirCoding)
{
    for (const auto item : {ParamsSpacingItem::EqualDivision, ParamsSpacingItem::FixedSpacing}) {
        FeedingParams p = FeedingParams::designDefaults();
        p.totalHeight = " 1050 ";
        p.setpowder = "0.25";
        p.bmpPath = "";
        const ProcResult r = dm->callProc("updateParams", updateParamsArgs("7", p, item));
        ASSERT_TRUE(r.ok()) << r.message.toStdString();
        const auto back = readFeedingParams(*dm, "7");
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->totalHeight, "1050");
        EXPECT_EQ(back->ColumnMaxSpace, "1200");
        EXPECT_EQ(back->setpowder, "0.25");
        EXPECT_EQ(back->bmpPath, "");
        EXPECT_EQ(paramsSpacingItemOf(back->spaceCalmethod), item);
    }
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM paramsDefault WHERE userID = ?", {7}).toInt(), 1);
}

TEST(FeedingParamsProblem, NamesTheFirstBoxThatIsNotANumber)
{
    FeedingParams p = FeedingParams::designDefaults();
    EXPECT_TRUE(feedingParamsProblem(p).isEmpty());
    QString column;
    p.fixPipeSpace = "1.2.3";
    p.setpowder = "";
    EXPECT_EQ(feedingParamsProblem(p, &column), QStringLiteral("立管固定间距不是有效的数字，请检查输入"));
    EXPECT_EQ(column, "fixPipeSpace");
    p.fixPipeSpace = "110";
    EXPECT_EQ(feedingParamsProblem(p, &column), QStringLiteral("每平米塑粉量（kg）不能为空"));
    EXPECT_EQ(column, "setpowder");
}

INSTANTIATE_DB_TEST(FeedingParamsTest);
