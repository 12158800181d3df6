#include "Screenshot.h"
#include "support/TestDb.h"

#include "data/FeedingParams.h"
#include "ui/feeding/Tfrm_defaultParams.h"
#include "ui/shell/AppContext.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class DefaultParamsTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        session.CurrentUser.userID = "3";
        ctx = std::make_unique<AppContext>(AppContext{*dm, prompt, session, config, {}});
    }
    std::unique_ptr<Tfrm_defaultParams> open() { return std::make_unique<Tfrm_defaultParams>(*ctx, nullptr); }
    void store(const QString& spaceCalmethod)
    {
        FeedingParams p = FeedingParams::designDefaults();
        p.totalHeight = "1250";
        ASSERT_TRUE(dm->callProc("updateParams", updateParamsArgs("3", p, paramsSpacingItemOf(spaceCalmethod))).ok());
    }
    void clickSave(Tfrm_defaultParams& w)
    {
        QTest::mouseClick(w.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    }

    Session session;
    std::unique_ptr<AppContext> ctx;
};

TEST_P(DefaultParamsTest, UserWithoutRowSeesTheDesignDefaults)
{
    auto w = open();
    EXPECT_EQ(w->box("totalHeight")->text(), "1100");
    EXPECT_EQ(w->box("ColumnMaxSpace")->text(), "1200");
    EXPECT_EQ(w->box("setpowder")->text(), "0.2");
    EXPECT_EQ(w->box("bmpPath")->text(), "\\images\\123.bmp");
    EXPECT_TRUE(w->fixedSpacingItem()->isChecked());
    EXPECT_TRUE(prompt.log.empty());
}

TEST_P(DefaultParamsTest, StoredSpacingMethodSelectsItsRadioItem)
{
    for (const QString stored : {"0", "1"}) {
        store(stored);
        auto w = open();
        EXPECT_EQ(w->box("totalHeight")->text(), "1250");
        EXPECT_EQ(w->fixedSpacingItem()->isChecked(), stored == "0");
        EXPECT_EQ(w->equalDivisionItem()->isChecked(), stored == "1");
    }
}

TEST_P(DefaultParamsTest, TypedValuesAndRadioItemAreSavedWithTheirCoding)
{
    struct Case {
        const char* radio;
        int stored;
    };
    for (const Case c : {Case{"spaceCalmethod1", 1}, Case{"spaceCalmethod0", 0}}) {
        auto w = open();
        w->show();
        QLineEdit* height = w->box("totalHeight");
        height->clear();
        QTest::keyClicks(height, "1050");
        QLineEdit* left = w->box("SpacingDefaultLeft");
        left->clear();
        QTest::keyClicks(left, "80");
        auto* radio = w->findChild<QRadioButton*>(c.radio);
        // On its indicator: a radio button reacts only on its box and label.
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
        prompt.clear();
        clickSave(*w);
        EXPECT_EQ(prompt.texts(), QStringList{"操作成功"});
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(dm->scalar("SELECT spaceCalmethod FROM paramsDefault WHERE userID = ?", {3}).toInt(), c.stored);
        const auto back = readFeedingParams(*dm, "3");
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->totalHeight, "1050");
        EXPECT_EQ(back->SpacingDefaultLeft, "80");
    }
}

TEST_P(DefaultParamsTest, EmptyTotalHeightNeitherSavesNorCloses)
{
    auto w = open();
    w->show();
    w->box("totalHeight")->setText("  ");
    clickSave(*w);
    EXPECT_TRUE(prompt.log.empty());
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(readFeedingParams(*dm, "3").has_value());
}

TEST_P(DefaultParamsTest, TextThatIsNotANumberIsRefusedWithItsName)
{
    auto w = open();
    w->show();
    w->box("StandpipeTop")->setText("1.2.3");
    clickSave(*w);
    EXPECT_EQ(prompt.last(), QStringLiteral("上间距不是有效的数字，请检查输入"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(readFeedingParams(*dm, "3").has_value());
}

TEST_P(DefaultParamsTest, PowderBoxTakesOnlyDigitsAndPoint)
{
    auto w = open();
    w->show();
    QLineEdit* powder = w->box("setpowder");
    powder->clear();
    QTest::keyClicks(powder, "0a.-3x5");
    EXPECT_EQ(powder->text(), "0.35");
    // The other boxes take any key.
    QLineEdit* height = w->box("totalHeight");
    height->clear();
    QTest::keyClicks(height, "1a");
    EXPECT_EQ(height->text(), "1a");
}

TEST_P(DefaultParamsTest, EmptyPicturePathIsStoredEmptyAndShownAsTheDefault)
{
    auto w = open();
    w->show();
    w->box("bmpPath")->clear();
    clickSave(*w);
    EXPECT_EQ(readFeedingParams(*dm, "3")->bmpPath, "");
    auto again = open();
    EXPECT_EQ(again->box("bmpPath")->text(), "\\images\\123.bmp");
    EXPECT_EQ(readFeedingParams(*dm, "3")->bmpPath, "");
}

INSTANTIATE_DB_TEST(DefaultParamsTest);

// One picture is enough: the screenshot runs on SQLite only.
class DefaultParamsScreenshot : public DefaultParamsTest {};

TEST_P(DefaultParamsScreenshot, Screenshot)
{
    store("1");
    auto w = open();
    saveScreenshot(w.get(), "default-params", QSize());
}

INSTANTIATE_TEST_SUITE_P(Db, DefaultParamsScreenshot, ::testing::Values(Backend::Sqlite), backendName);
