#include "UiFixture.h"
#include "Screenshot.h"

#include "data/Workspace.h"
#include "ui/feeding/Tfrm_HandRailSplit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>

namespace {
const QString kConfirm = QStringLiteral("拆分操作是不可逆的、（要恢复可修改下单）确定要拆分吗?");
const QString kSumWrong = QStringLiteral("拆分的尺寸总和不等于原尺寸！");

void add(Tfrm_HandRailSplit& d, const QString& size)
{
    d.sizeEdit()->setText(size);
    d.addClick();
}

void typeKeys(QLineEdit* edit, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}
} // namespace

class HandRailSplitTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        projectID = insertTestProject(*dm, userID, "P");
        billID = insertTestBill(*dm, projectID, {"3", "5000", "1100", "", "5000", "2"});
    }
    int projectID = 0;
    int billID = 0;
};

TEST_P(HandRailSplitTest, OpensWithTheHandrailRowAndNumbersThePieces)
{
    Tfrm_HandRailSplit d(*ctx, billID, projectID);
    EXPECT_EQ(d.originalNumberEdit()->text(), "3");
    EXPECT_EQ(d.originalSizeEdit()->text(), "5000");
    EXPECT_EQ(d.numberEdit()->text(), "3#1");

    add(d, "2500");
    EXPECT_EQ(d.numberEdit()->text(), "3#2");
    d.numberEdit()->setText("3#1");
    add(d, "100");
    EXPECT_EQ(prompt.last(), QStringLiteral("拆分指定的序列号不能相同，请更换序列号！"));
    EXPECT_EQ(d.pieceList()->topLevelItemCount(), 1);

    // Empty boxes and a size that is not a number are refused.
    d.numberEdit()->clear();
    add(d, "1");
    EXPECT_EQ(prompt.last(), QStringLiteral("序列号不能为空"));
    d.numberEdit()->setText("3#5");
    add(d, "");
    EXPECT_EQ(prompt.last(), QStringLiteral("尺寸不能为空"));
    add(d, "12.5.1");
    EXPECT_EQ(d.pieceList()->topLevelItemCount(), 1);

    // A number without "#" that is not whole: added, then the conversion error.
    d.numberEdit()->setText("3*1");
    prompt.clear();
    add(d, "10");
    EXPECT_EQ(d.pieceList()->topLevelItemCount(), 2);
    EXPECT_EQ(prompt.log.size(), 1u);
    EXPECT_EQ(prompt.log.front().kind, ScriptedPrompt::Entry::Error);

    // Delete removes the selected rows; an empty list says so.
    d.pieceList()->selectAll();
    d.deleteClick();
    EXPECT_EQ(d.pieceList()->topLevelItemCount(), 0);
    d.deleteClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("没有记录!"));
}

TEST_P(HandRailSplitTest, KeyFiltersLetOnlyTheirCharactersThrough)
{
    Tfrm_HandRailSplit d(*ctx, billID, projectID);
    d.numberEdit()->clear();
    typeKeys(d.numberEdit(), "1a*2-3.#");
    EXPECT_EQ(d.numberEdit()->text(), "1*2-3");
    typeKeys(d.sizeEdit(), "25x00.5-");
    EXPECT_EQ(d.sizeEdit()->text(), "2500.5");
}

TEST_P(HandRailSplitTest, SumMustEqualTheOriginalSize)
{
    const struct {
        QStringList sizes;
        bool accepted;
    } cases[] = {
        {{"2500", "2499"}, false},
        {{"2500.5", "2499.5"}, true},
    };
    for (const auto& c : cases) {
        Tfrm_HandRailSplit d(*ctx, billID, projectID);
        for (const QString& s : c.sizes)
            add(d, s);
        prompt.clear();
        prompt.answers = {true};
        d.splitClick();
        const RecordSet rows = materialResults(*dm, billID);
        if (!c.accepted) {
            EXPECT_EQ(prompt.texts(), (QStringList{kConfirm, kSumWrong}));
            EXPECT_EQ(rows.rowCount(), 4);
            EXPECT_EQ(rows.text(0, "SuitOrderNum"), "3");
            continue;
        }
        EXPECT_EQ(prompt.texts(), (QStringList{kConfirm, QStringLiteral("操作成功")}));
        ASSERT_EQ(rows.rowCount(), 5);
        EXPECT_EQ(rows.text(0, "SuitOrderNum"), "3#1");
        EXPECT_EQ(rows.text(0, "Size"), "2500.5");
        EXPECT_EQ(rows.text(0, "count"), "2");
        EXPECT_EQ(rows.text(1, "SuitOrderNum"), "3#2");
        EXPECT_EQ(rows.text(1, "Size"), "2499.5");

        // Pressed again: the dialog now holds the first piece, the sum no
        // longer matches, and nothing is written twice.
        EXPECT_EQ(d.originalSizeEdit()->text(), "2500.5");
        prompt.clear();
        prompt.answers = {true};
        d.splitClick();
        EXPECT_EQ(prompt.last(), kSumWrong);
        EXPECT_EQ(materialResults(*dm, billID).rowCount(), 5);
    }
}

TEST_P(HandRailSplitTest, NoAtTheQuestionWritesNothing)
{
    Tfrm_HandRailSplit d(*ctx, billID, projectID);
    add(d, "2500");
    add(d, "2500");
    prompt.answers = {false};
    d.splitClick();
    EXPECT_EQ(prompt.texts(), QStringList{kConfirm});
    EXPECT_EQ(materialResults(*dm, billID).text(0, "SuitOrderNum"), "3");
}

TEST_P(HandRailSplitTest, HandrailSplitScreenshot)
{
    if (GetParam() != Backend::Sqlite)
        GTEST_SKIP() << "one picture is enough";
    Tfrm_HandRailSplit d(*ctx, billID, projectID);
    add(d, "2500.5");
    add(d, "2499.5");
    saveScreenshot(&d, "handrail-split", QSize());
}

INSTANTIATE_DB_TEST(HandRailSplitTest);
