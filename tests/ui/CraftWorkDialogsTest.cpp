#include "support/TestDb.h"

#include "data/CraftWork.h"
#include "ui/feeding/CraftWorkDialogs.h"
#include "ui/shell/AppContext.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class CraftWorkDialogsTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        session.CurrentProjectID = 5;
        ctx = std::make_unique<AppContext>(AppContext{*dm, prompt, session, config, {}});
    }
    void clickOk(CraftWorkForm& w) { QTest::mouseClick(w.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton); }

    Session session;
    std::unique_ptr<AppContext> ctx;
};

TEST_P(CraftWorkDialogsTest, AddDialogChecksItsFieldsInOrderThenStoresTheRow)
{
    Tfrm_mainmaterialcraftwork w(*ctx, "3*1", "2");
    w.show();
    EXPECT_EQ(w.suitOrderBox()->text(), "3*1");
    EXPECT_TRUE(w.suitOrderBox()->isReadOnly());
    EXPECT_FALSE(w.craftNamePicker()->isEditable());
    EXPECT_EQ(w.craftNamePicker()->count(), 9);
    EXPECT_EQ(w.materialTypePicker()->itemText(0), QStringLiteral("玻璃"));
    EXPECT_EQ(w.materialTypePicker()->itemText(4), QStringLiteral("扶手"));

    clickOk(w);
    EXPECT_EQ(prompt.last(), QStringLiteral("工艺名称不能为空"));
    w.craftNamePicker()->setCurrentIndex(w.craftNamePicker()->findText(QStringLiteral("钻孔")));
    clickOk(w);
    EXPECT_EQ(prompt.last(), QStringLiteral("主材类别不能为空"));
    w.materialTypePicker()->setCurrentIndex(2);
    clickOk(w);
    EXPECT_EQ(prompt.last(), QStringLiteral("加工数量不能为空"));
    QTest::keyClicks(w.countBox(), "2.5");
    clickOk(w);
    EXPECT_EQ(prompt.last(), QStringLiteral("加工数量必须是整数"));
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(loadCraftRows(*dm, 5, "3*1").isEmpty());

    w.countBox()->setText(" 4 ");
    QTest::keyClicks(w.sizeBox(), "1025");
    w.remarkBox()->insert(QStringLiteral("两端"));   // typed through an input method
    clickOk(w);
    EXPECT_EQ(prompt.last(), QStringLiteral("操作成功"));
    EXPECT_FALSE(w.isVisible());
    const RecordSet rows = loadCraftRows(*dm, 5, "3*1");
    ASSERT_EQ(rows.rowCount(), 1);
    const CraftWorkRow r = craftRowOf(rows, 0);
    EXPECT_EQ(r.craftworkName, QStringLiteral("钻孔"));
    EXPECT_EQ(r.mainmaterialType, QStringLiteral("横杆"));
    EXPECT_EQ(r.craftworkCount, "4");
    EXPECT_EQ(r.craftworkSize, "1025");
    EXPECT_EQ(r.GuardrailPin, "2");
    EXPECT_EQ(r.remark, QStringLiteral("两端"));
}

TEST_P(CraftWorkDialogsTest, EditDialogRefusesANameNoLongerInTheDictionary)
{
    CraftWorkRow row;
    row.projectID = "5";
    row.SuitOrderNum = "1";
    row.craftworkName = QStringLiteral("已删除的工艺");
    row.mainmaterialType = QStringLiteral("立柱");
    row.craftworkCount = "2";
    row.GuardrailPin = "1";
    ASSERT_TRUE(dm->callProc(craftWorkProcedure(row), craftWorkArgs(row)).ok());
    const CraftWorkRow stored = craftRowOf(loadCraftRows(*dm, 5, "1"), 0);
    ASSERT_FALSE(stored.mainmaterialcraftworkID.isEmpty());

    Tfrm_editMainMaterialCraftWork w(*ctx, stored, "3");
    w.show();
    EXPECT_TRUE(w.craftNamePicker()->isEditable());
    EXPECT_EQ(w.craftNamePicker()->currentText(), "");
    EXPECT_EQ(w.materialTypePicker()->currentText(), QStringLiteral("立柱"));
    EXPECT_EQ(w.countBox()->text(), "2");
    clickOk(w);
    EXPECT_EQ(prompt.last(), QStringLiteral("工艺名称不能为空"));

    w.craftNamePicker()->setCurrentIndex(w.craftNamePicker()->findText(QStringLiteral("焊接")));
    clickOk(w);
    EXPECT_EQ(prompt.last(), QStringLiteral("操作成功"));
    const RecordSet rows = loadCraftRows(*dm, 5, "1");
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(craftRowOf(rows, 0).craftworkName, QStringLiteral("焊接"));
    EXPECT_EQ(craftRowOf(rows, 0).GuardrailPin, "3");
}

INSTANTIATE_DB_TEST(CraftWorkDialogsTest);
