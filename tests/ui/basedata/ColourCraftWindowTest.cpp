#include "BaseDataFixture.h"

#include "data/BaseData.h"
#include "ui/basedata/Tfrm_color.h"
#include "ui/basedata/Tfrm_craftwork.h"

#include <QLineEdit>
#include <QPushButton>

class ColourCraftWindows : public BaseDataWindowTest {
protected:
    int colourRows(const QString& value) { return count("SELECT COUNT(*) FROM colorTab WHERE ColorValue = ?", {value}); }
    int craftRows(int id) { return count("SELECT COUNT(*) FROM craftworkTab WHERE craftworkID = ?", {id}); }
    int addCraft(const QString& value)
    {
        dm->run("INSERT INTO craftworkTab (craftworkCate, craftworkValue, craftworkDesc) VALUES (?, ?, ?)",
                {QStringLiteral("主材下料工艺"), value, QString()});
        return count("SELECT MAX(craftworkID) FROM craftworkTab");
    }
};

TEST_P(ColourCraftWindows, ColoursAreAddedWithQuotesAndDeletedByValue)
{
    Tfrm_color window(*ctx);
    const int before = int(window.colours().size());
    script<Tfrm_addcolor>(window.modal, [&](Tfrm_addcolor& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("增加颜色值"));
        f.colorEdit()->setText("  ");
        f.saveButton()->click();
        EXPECT_EQ(prompt.last(), QStringLiteral("颜色值不能为空"));
        f.colorEdit()->setText(" 象牙'白 ");
        f.remarkEdit()->setText("O'Neil");
        f.saveButton()->click();
    });
    window.addClick();
    EXPECT_EQ(prompt.last(), kProcOkText);
    ASSERT_EQ(window.colours().size(), before + 1);
    EXPECT_EQ(colourRows(QStringLiteral("象牙'白")), 1);
    EXPECT_EQ(dm->scalar("SELECT Remark FROM colorTab WHERE ColorValue = ?", {QStringLiteral("象牙'白")}).toString(), "O'Neil");

    // Cancel stores nothing.
    script<Tfrm_addcolor>(window.modal, [&](Tfrm_addcolor& f) {
        f.colorEdit()->setText("不存");
        f.cancelButton()->click();
    });
    window.addClick();
    EXPECT_EQ(colourRows("不存"), 0);

    // A second row of the same value goes with the first.
    ASSERT_TRUE(insertColour(*dm, QStringLiteral("象牙'白"), "").ok());
    Tfrm_color reopened(*ctx);
    ASSERT_TRUE(selectRow(reopened.colorGrid(), 0, QStringLiteral("象牙'白")));
    reopened.deleteClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("删除操作是不可逆的、确定要删除选择的记录吗?"));
    EXPECT_EQ(colourRows(QStringLiteral("象牙'白")), 0);
    EXPECT_EQ(reopened.colours().size(), before);
}

TEST_P(ColourCraftWindows, DeletingWithoutColoursSaysSo)
{
    dm->run("DELETE FROM colorTab");
    Tfrm_color window(*ctx);
    window.deleteClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("当前没有记录"));
}

TEST_P(ColourCraftWindows, CraftNineIsProtectedAndTenIsDeleted)
{
    ASSERT_EQ(addCraft("抛光"), 10);
    Tfrm_craftwork window(*ctx);
    auto selectId = [&](int id) {
        for (int r = 0; r < window.craftworks().size(); ++r)
            if (window.craftworks().at(r).craftworkID == id) {
                window.craftGrid()->setCurrentIndex(window.craftGrid()->model()->index(r, 0));
                return true;
            }
        return false;
    };
    ASSERT_TRUE(selectId(9));
    window.deleteClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("系统初始字典数据不能删除！"));
    EXPECT_EQ(craftRows(9), 1);

    ASSERT_TRUE(selectId(10));
    window.deleteClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("删除操作是不可逆的、确定要删除选择的记录吗?"));
    EXPECT_EQ(craftRows(10), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM craftworkTab"), 9);
}

TEST_P(ColourCraftWindows, CraftDeletionGoesByNameAndLeavesAnEmptyGridMessage)
{
    const int id = addCraft(QStringLiteral("钻孔"));
    Tfrm_craftwork window(*ctx);
    ASSERT_TRUE(selectRow(window.craftGrid(), 1, QStringLiteral("钻孔")));
    // The first match in the list is the initial row; pick the added one.
    for (int r = 0; r < window.craftworks().size(); ++r)
        if (window.craftworks().at(r).craftworkID == id)
            window.craftGrid()->setCurrentIndex(window.craftGrid()->model()->index(r, 1));
    window.deleteClick();
    EXPECT_EQ(count("SELECT COUNT(*) FROM craftworkTab WHERE craftworkValue = ?", {QStringLiteral("钻孔")}), 0);

    dm->run("DELETE FROM craftworkTab");
    Tfrm_craftwork empty(*ctx);
    empty.deleteClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("当前没有记录"));
}

INSTANTIATE_DB_TEST(ColourCraftWindows);
