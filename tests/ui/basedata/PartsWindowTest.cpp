#include "BaseDataFixture.h"

#include "data/BaseData.h"
#include "ui/basedata/NameForm.h"
#include "ui/basedata/PartsForm.h"
#include "ui/basedata/Tfrm_Parts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QValidator>

class PartsWindow : public BaseDataWindowTest {
protected:
    void SetUp() override
    {
        BaseDataWindowTest::SetUp();
        window = std::make_unique<Tfrm_Parts>(*ctx);
    }
    void TearDown() override
    {
        window.reset();
        BaseDataWindowTest::TearDown();
    }

    int addType(const QString& name)
    {
        script<Tfrm_addPartsType>(window->modal, [&](Tfrm_addPartsType& f) {
            f.nameEdit()->setText(name);
            f.saveButton()->click();
        });
        window->addTypeClick();
        return count("SELECT PartsTypeID FROM PartsType WHERE PartsTypeName = ?", {name});
    }

    std::unique_ptr<Tfrm_Parts> window;
};

TEST_P(PartsWindow, TheFourMainMaterialTypesCanNeitherBeChangedNorDeleted)
{
    const QList<int> ids = nodeIds(window->typeTree());
    EXPECT_EQ(ids, (QList<int>{1, 2, 3, 7}));
    for (int id : {1, 2, 3, 7}) {
        ASSERT_TRUE(clickNode(window->typeTree(), id));
        int opened = 0;
        script<QDialog>(window->modal, [](QDialog&) {}, &opened);
        window->editTypeClick();
        EXPECT_EQ(prompt.last(), QStringLiteral("四大主材类别不能修改！"));
        window->deleteTypeClick();
        EXPECT_EQ(prompt.last(), QStringLiteral("四大主材类别不能删除！"));
        EXPECT_EQ(opened, 0);
        EXPECT_EQ(count("SELECT COUNT(*) FROM PartsType WHERE PartsTypeID = ?", {id}), 1);
    }
    // Whatever their names.
    dm->run("UPDATE PartsType SET PartsTypeName = ? WHERE PartsTypeID = 7", {"其他配件"});
    Tfrm_Parts reopened(*ctx);
    ASSERT_TRUE(clickNode(reopened.typeTree(), 7));
    reopened.deleteTypeClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("四大主材类别不能删除！"));
}

TEST_P(PartsWindow, OtherTypesAreAddedRenamedAndDeletedLeavingTheirParts)
{
    script<Tfrm_addPartsType>(window->modal, [&](Tfrm_addPartsType& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("增加配件类别"));
        f.saveButton()->click();
        EXPECT_EQ(prompt.last(), QStringLiteral("配件类别不能为空"));
    });
    window->addTypeClick();
    const int id = addType("玻璃配件");
    ASSERT_GT(id, 7);
    EXPECT_TRUE(nodeIds(window->typeTree()).contains(id));

    ASSERT_TRUE(clickNode(window->typeTree(), id));
    script<Tfrm_modiPartsType>(window->modal, [&](Tfrm_modiPartsType& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("添加配件类别"));
        EXPECT_EQ(f.nameEdit()->text(), QStringLiteral("玻璃配件"));
        f.nameEdit()->setText("玻璃夹'配件");
        f.saveButton()->click();
    });
    window->editTypeClick();
    EXPECT_EQ(prompt.last(), kProcOkText);
    EXPECT_EQ(dm->scalar("SELECT PartsTypeName FROM PartsType WHERE PartsTypeID = ?", {id}).toString(),
              QStringLiteral("玻璃夹'配件"));

    Part p;
    p.partsName = "玻璃夹";
    p.Dusting = "喷粉";
    ASSERT_TRUE(insertPart(*dm, id, p).ok());
    ASSERT_TRUE(clickNode(window->typeTree(), id));
    window->deleteTypeClick();
    EXPECT_EQ(count("SELECT COUNT(*) FROM PartsType WHERE PartsTypeID = ?", {id}), 0);
    EXPECT_FALSE(nodeIds(window->typeTree()).contains(id));
    EXPECT_EQ(count("SELECT COUNT(*) FROM PartsTab WHERE PartsTypeID = ?", {id}), 1);
}

TEST_P(PartsWindow, ActionsWithoutATypeOrRows)
{
    window->addClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("请选取节点！"));
    window->editTypeClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("请选取节点！"));
    const int id = addType("空类别");
    ASSERT_TRUE(clickNode(window->typeTree(), id));
    window->editClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("当前没有记录！"));
    window->deleteClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("当前没有记录"));
}

TEST_P(PartsWindow, AddDialogChecksNameAndCoatingAndStoresQuotesUnchanged)
{
    ASSERT_TRUE(clickNode(window->typeTree(), 2));
    EXPECT_EQ(window->infoTabs()->tabText(0), QStringLiteral("立柱配件信息"));
    const int before = int(window->parts().size());
    script<Tfrm_addparts>(window->modal, [&](Tfrm_addparts& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("新增立柱配件"));
        EXPECT_EQ(f.dustingBox()->currentIndex(), -1);
        EXPECT_EQ(f.dustingBox()->count(), 2);
        f.saveButton()->click();
        EXPECT_EQ(prompt.last(), QStringLiteral("配件名称不能为空"));
        f.nameEdit()->setText("5'' 扣件");
        f.saveButton()->click();
        EXPECT_EQ(prompt.last(), QStringLiteral("喷粉选择不能为空"));
        f.dustingBox()->setCurrentIndex(f.dustingBox()->findText("不喷粉"));
        f.useNumMountEdit()->setText("两个");   // any key is taken here, but no text reaches a sum
        f.saveButton()->click();
        EXPECT_EQ(prompt.last(), QStringLiteral("安装节点单位用量必须是数字"));
        f.useNumMountEdit()->setText("1.5");
        f.qualityEdit()->setText("不锈钢");
        f.usedEdit()->setText("O'ring 固定");
        f.remarkEdit()->setText("%_");
        f.saveButton()->click();
        EXPECT_EQ(f.result(), QDialog::Accepted);
    });
    window->addClick();
    EXPECT_EQ(prompt.last(), kProcOkText);
    ASSERT_EQ(window->parts().size(), before + 1);
    const Part p = window->parts().last();
    EXPECT_EQ(p.partsName, QStringLiteral("5'' 扣件"));
    EXPECT_EQ(p.PartsQuality, QStringLiteral("不锈钢"));
    EXPECT_EQ(p.PartsUsed, QStringLiteral("O'ring 固定"));
    EXPECT_EQ(p.usenumMount, "1.5");
    EXPECT_EQ(p.Dusting, QStringLiteral("不喷粉"));
    EXPECT_EQ(p.Remark, "%_");
    EXPECT_EQ(p.PartsTypeID, 2);
}

TEST_P(PartsWindow, EditDialogIsPrefilledTakesDigitsOnlyForTheQuantityAndKeepsTheModel)
{
    ASSERT_TRUE(clickNode(window->typeTree(), 1));
    ASSERT_TRUE(selectRow(window->partsGrid(), 0, QStringLiteral("扶手弯头")));
    const Part row = window->parts().at(window->partsGrid()->currentIndex().row());
    script<Tfrm_editParts>(window->modal, [&](Tfrm_editParts& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("修改扶手配件"));
        EXPECT_EQ(f.nameEdit()->text(), QStringLiteral("扶手弯头"));
        EXPECT_EQ(f.dustingBox()->currentText(), row.Dusting);
        QString typed = "1.5";
        int pos = 0;
        EXPECT_EQ(f.useNumMountEdit()->validator()->validate(typed, pos), QValidator::Invalid);
        f.nameEdit()->setText("扶手弯头'90°");
        f.useNumMountEdit()->setText("3");
        f.dustingBox()->setCurrentIndex(f.dustingBox()->findText("不喷粉"));
        f.saveButton()->click();
    });
    window->editClick();
    EXPECT_EQ(prompt.last(), kProcOkText);
    const auto parts = listParts(*dm, 1);
    ASSERT_TRUE(parts);
    const auto it = std::find_if(parts->begin(), parts->end(), [&](const Part& p) { return p.partsID == row.partsID; });
    ASSERT_NE(it, parts->end());
    EXPECT_EQ(it->partsName, QStringLiteral("扶手弯头'90°"));
    EXPECT_EQ(it->usenumMount, "3");
    EXPECT_EQ(it->Dusting, QStringLiteral("不喷粉"));
    EXPECT_EQ(it->PartsModel, row.PartsModel);
}

TEST_P(PartsWindow, DeletingAPartLeavesTheBindingsThatNameIt)
{
    ASSERT_TRUE(clickNode(window->typeTree(), 1));
    const Part part = window->parts().first();
    dm->run("INSERT INTO mainMaterParts (mainmaterialID, partsID) VALUES (?, ?)", {1, part.partsID});
    prompt.answers = {false};
    window->deleteClick();
    EXPECT_EQ(count("SELECT COUNT(*) FROM PartsTab WHERE partsID = ?", {part.partsID}), 1);
    window->deleteClick();
    EXPECT_EQ(count("SELECT COUNT(*) FROM PartsTab WHERE partsID = ?", {part.partsID}), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM mainMaterParts WHERE partsID = ?", {part.partsID}), 1);
}

INSTANTIATE_DB_TEST(PartsWindow);
