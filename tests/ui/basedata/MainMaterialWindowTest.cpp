#include "BaseDataFixture.h"

#include "data/BaseData.h"
#include "data/Lookups.h"
#include "ui/basedata/BindingPartsDialogs.h"
#include "ui/basedata/MainMaterialForm.h"
#include "ui/basedata/NameForm.h"
#include "ui/basedata/Tfrm_Parts.h"
#include "ui/basedata/Tfrm_color.h"
#include "ui/basedata/Tfrm_craftwork.h"
#include "ui/basedata/Tfrm_mainmaterial.h"
#include "ui/shell/ChildWindows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QValidator>

namespace {

constexpr int kSpecColumn = 1;
constexpr int kLengthColumn = 3;
constexpr int kShapeColumn = 7;

struct NewModel {
    QString name, type, width, shape;
};

void fill(MainMaterialForm& f, const NewModel& m)
{
    f.modelNameEdit()->setText(m.name);
    f.materialTypeEdit()->setText(m.type);
    f.widthEdit()->setText(m.width);
    f.shapeTypeBox()->setCurrentIndex(f.shapeTypeBox()->findText(m.shape));
}

} // namespace

class MainMaterialWindow : public BaseDataWindowTest {
protected:
    void SetUp() override
    {
        BaseDataWindowTest::SetUp();
        window = std::make_unique<Tfrm_mainmaterial>(*ctx);
    }
    void TearDown() override
    {
        window.reset();
        BaseDataWindowTest::TearDown();
    }

    // Adds a model through the add dialog of the category.
    void addModel(int category, const NewModel& m)
    {
        ASSERT_TRUE(clickNode(window->categoryTree(), category));
        script<Tfrm_addMainMaTerial>(window->modal, [&](Tfrm_addMainMaTerial& f) {
            fill(f, m);
            f.saveButton()->click();
        });
        window->addClick();
    }

    int modelCount(int category, const QString& name)
    {
        return count("SELECT COUNT(*) FROM mainmaterial WHERE MainMaterialTypeID = ? AND ModelName = ?", {category, name});
    }

    void referenceInBill(const QString& column, const QString& name)
    {
        dm->run(QStringLiteral("INSERT INTO DetailBill (projectID, SuitOrderNum, %1) VALUES (?, ?, ?)").arg(column),
                {1, QString::number(++bills), name});
    }

    std::unique_ptr<Tfrm_mainmaterial> window;
    int bills = 0;
};

TEST_P(MainMaterialWindow, TreeListsTheCategoriesWithoutTheHiddenOne)
{
    EXPECT_EQ(window->categoryTree()->topLevelItem(0)->text(0), QStringLiteral("主材类别"));
    EXPECT_EQ(nodeIds(window->categoryTree()), (QList<int>{11, 12, 13, 15, 17}));
    // Whatever its name: a category 18 renamed like another stays hidden.
    dm->run("UPDATE mainMaterCategory SET MainmaterialTypeName = ? WHERE MainmaterialTypeID = 18", {"扶手"});
    Tfrm_mainmaterial reopened(*ctx);
    EXPECT_FALSE(nodeIds(reopened.categoryTree()).contains(18));
    for (QAction* a : window->categoryActions())
        EXPECT_FALSE(a->isEnabled());
}

TEST_P(MainMaterialWindow, ClickingACategoryListsItsModelsAndCaptionsTheTab)
{
    ASSERT_TRUE(clickNode(window->categoryTree(), 11));
    EXPECT_EQ(window->currentCategoryID(), 11);
    EXPECT_EQ(window->infoTabs()->tabText(0), QStringLiteral("扶手信息"));
    ASSERT_FALSE(window->materials().isEmpty());
    for (const MainMaterial& m : window->materials())
        EXPECT_EQ(m.MainMaterialTypeID, 11);
    EXPECT_EQ(window->materialGrid()->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("长度（扶手高度）"));
    // Decimals read back as typed numbers, not "40.0".
    EXPECT_EQ(window->materials().first().length, "40");
}

TEST_P(MainMaterialWindow, SearchBeforeAnyCategoryIsEmptyAndWithinACategoryMatchesPartOfTheName)
{
    window->searchEdit()->setText("0");
    window->searchClick();
    EXPECT_TRUE(window->materials().isEmpty());

    ASSERT_TRUE(clickNode(window->categoryTree(), 11));
    const int all = int(window->materials().size());
    window->searchEdit()->setText("60X");   // case is ignored
    window->searchClick();
    ASSERT_FALSE(window->materials().isEmpty());
    EXPECT_LT(window->materials().size(), all);
    for (const MainMaterial& m : window->materials())
        EXPECT_TRUE(m.ModelName.contains("60x"));
    window->searchEdit()->clear();
    window->searchClick();
    EXPECT_EQ(window->materials().size(), all);
}

TEST_P(MainMaterialWindow, ActionsNeedACategoryNode)
{
    int opened = 0;
    script<QDialog>(window->modal, [](QDialog&) {}, &opened);
    window->addClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("请选取节点！"));
    window->categoryTree()->setCurrentItem(window->categoryTree()->topLevelItem(0));
    window->editClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("请选取节点！"));
    window->deleteClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("请选取节点！"));
    EXPECT_EQ(opened, 0);

    // A category without models.
    dm->run("DELETE FROM mainmaterial WHERE MainMaterialTypeID = 17");
    ASSERT_TRUE(clickNode(window->categoryTree(), 17));
    window->editClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("当前没有记录！"));
    window->deleteClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("当前没有记录"));
    EXPECT_EQ(opened, 0);
}

TEST_P(MainMaterialWindow, AddDialogChecksRequiredFieldsInOrder)
{
    struct Case {
        NewModel model;
        QString message;
    };
    const Case cases[] = {
        {{"", "", "", ""}, "规格名称不能为空"},
        {{"70x30", " ", "", ""}, "型号不能为空"},
        {{"70x30", "70x30x1.2", "", "方管"}, "宽度不能为空"},
        {{"70x30", "70x30x1.2", "70", ""}, "外形类别不能为空"},
    };
    ASSERT_TRUE(clickNode(window->categoryTree(), 11));
    for (const Case& c : cases) {
        bool stayedOpen = false;
        script<Tfrm_addMainMaTerial>(window->modal, [&](Tfrm_addMainMaTerial& f) {
            EXPECT_EQ(f.windowTitle(), QStringLiteral("新增扶手"));
            fill(f, c.model);
            f.saveButton()->click();
            stayedOpen = f.result() != QDialog::Accepted;
        });
        window->addClick();
        EXPECT_EQ(prompt.last(), c.message);
        EXPECT_TRUE(stayedOpen);
    }
    EXPECT_EQ(modelCount(11, "70x30"), 0);
}

TEST_P(MainMaterialWindow, KeyFiltersAndNumbers)
{
    ASSERT_TRUE(clickNode(window->categoryTree(), 11));
    script<Tfrm_addMainMaTerial>(window->modal, [&](Tfrm_addMainMaTerial& f) {
        int pos = 0;
        QString name = "50x50a";
        EXPECT_EQ(f.modelNameEdit()->validator()->validate(name, pos), QValidator::Invalid);
        QString decimal = "1,5";
        EXPECT_EQ(f.lengthEdit()->validator()->validate(decimal, pos), QValidator::Invalid);
        QString designation = "50x50x1.4";
        EXPECT_EQ(f.materialTypeEdit()->validator()->validate(designation, pos), QValidator::Acceptable);
        // The key filter lets this through; saving refuses it.
        fill(f, {"71x31", "71x31", "71", "方管"});
        f.lengthEdit()->setText("1.2.3");
        f.saveButton()->click();
        EXPECT_NE(f.result(), QDialog::Accepted);
    });
    window->addClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("长度必须是数字"));
    EXPECT_EQ(modelCount(11, "71x31"), 0);
}

TEST_P(MainMaterialWindow, DuplicateIsRefusedBySpecNameAndShapeWithinTheCategory)
{
    addModel(11, {"70x30", "70x30x1.2", "70", "矩形管"});
    EXPECT_EQ(prompt.last(), kProcOkText);
    ASSERT_EQ(modelCount(11, "70x30"), 1);
    EXPECT_TRUE(selectRow(window->materialGrid(), kSpecColumn, "70x30"));

    addModel(11, {"70x30", "70x30x2", "70", "矩形管"});
    EXPECT_EQ(prompt.last(), QStringLiteral("已有同样（规格与外形类别一样）的记录,请修改规格名称或者外形类别！"));
    EXPECT_EQ(modelCount(11, "70x30"), 1);

    addModel(11, {"70x30", "70x30x1.2", "70", "腰圆管"});
    EXPECT_EQ(prompt.last(), kProcOkText);
    EXPECT_EQ(modelCount(11, "70x30"), 2);

    addModel(12, {"70x30", "70x30x1.2", "70", "矩形管"});
    EXPECT_EQ(prompt.last(), kProcOkText);
    EXPECT_EQ(modelCount(12, "70x30"), 1);
}

TEST_P(MainMaterialWindow, AddedModelKeepsEveryField)
{
    ASSERT_TRUE(clickNode(window->categoryTree(), 13));
    script<Tfrm_addMainMaTerial>(window->modal, [&](Tfrm_addMainMaTerial& f) {
        fill(f, {"41x21", "41x21x1.1", "40", "矩形管"});
        f.lengthEdit()->setText("20");
        f.thickEdit()->setText("1.1");
        f.weightEdit()->setText("0.5");
        f.surfaceAreaEdit()->setText("0.12");
        f.mHeavyEdit()->setText("0.98");
        f.girthEdit()->setText("120");
        f.isCommonBox()->setChecked(true);
        f.remarkEdit()->setText("O'Neil 的\"样品\"");
        f.saveButton()->click();
    });
    window->addClick();
    ASSERT_TRUE(selectRow(window->materialGrid(), kSpecColumn, "41x21"));
    const auto rows = listMaterials(*dm, 13, QString("41x21"));
    ASSERT_TRUE(rows && rows->size() == 1);
    const MainMaterial& m = rows->first();
    EXPECT_EQ(m.materialType, "41x21x1.1");
    EXPECT_EQ(m.length, "20");
    EXPECT_EQ(m.Thick, "1.1");
    EXPECT_EQ(m.Weight, "0.5");
    EXPECT_EQ(m.SurfaceArea, "0.12");
    EXPECT_EQ(m.MHeavy, "0.98");
    EXPECT_EQ(m.girth, "120");
    EXPECT_TRUE(m.Iscommon);
    EXPECT_EQ(m.Remark, QStringLiteral("O'Neil 的\"样品\""));
}

TEST_P(MainMaterialWindow, ReferencedModelCanNeitherBeDeletedNorRenamedButOtherFieldsChange)
{
    addModel(11, {"80x40", "80x40x1.5", "80", "矩形管"});
    referenceInBill("handrailname", "80x40");
    ASSERT_TRUE(selectRow(window->materialGrid(), kSpecColumn, "80x40"));

    window->deleteClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("当前型号已经引用，不能删除！"));
    EXPECT_EQ(modelCount(11, "80x40"), 1);

    ASSERT_TRUE(selectRow(window->materialGrid(), kSpecColumn, "80x40"));
    script<Tfrm_editMainMaterial>(window->modal, [&](Tfrm_editMainMaterial& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("修改扶手"));
        EXPECT_TRUE(f.modelNameEdit()->isReadOnly());
        EXPECT_EQ(f.widthEdit()->text(), "80");
        EXPECT_EQ(f.shapeTypeBox()->currentText(), QStringLiteral("矩形管"));
        f.widthEdit()->setText("81");
        f.isCommonBox()->setChecked(true);
        f.saveButton()->click();
    });
    window->editClick();
    EXPECT_EQ(prompt.last(), kProcOkText);
    const auto rows = listMaterials(*dm, 11, QString("80x40"));
    ASSERT_TRUE(rows && rows->size() == 1);
    EXPECT_EQ(rows->first().ModelName, "80x40");
    EXPECT_EQ(rows->first().Width, "81");
    EXPECT_TRUE(rows->first().Iscommon);

    // The same spec name in another category's bill column does not count.
    addModel(12, {"90x90", "90x90x2", "90", "方管"});
    referenceInBill("handrailname", "90x90");
    ASSERT_TRUE(selectRow(window->materialGrid(), kSpecColumn, "90x90"));
    script<Tfrm_editMainMaterial>(window->modal, [&](Tfrm_editMainMaterial& f) {
        EXPECT_FALSE(f.modelNameEdit()->isReadOnly());
        f.modelNameEdit()->setText("91x91");
        f.saveButton()->click();
    });
    window->editClick();
    EXPECT_EQ(modelCount(12, "91x91"), 1);
}

TEST_P(MainMaterialWindow, ReferenceCheckFollowsTheBillColumnOfEachCategory)
{
    struct Case {
        int category;
        const char* column;
    };
    const Case cases[] = {{11, "handrailname"}, {12, "ColumnName"}, {13, "CrosspieceName"}, {15, "standpipeName"},
                          {17, "glassName"}};
    for (const Case& c : cases) {
        const QString name = QStringLiteral("%1x1").arg(c.category);
        EXPECT_EQ(isModelReferenced(*dm, name, c.category), false);
        referenceInBill(c.column, name);
        EXPECT_EQ(isModelReferenced(*dm, name, c.category), true) << c.column;
    }
    // Bills name no model of another category.
    referenceInBill("handrailname", "18x1");
    EXPECT_EQ(isModelReferenced(*dm, "18x1", 18), false);
    EXPECT_EQ(isModelReferenced(*dm, "11x1", 19), false);
}

TEST_P(MainMaterialWindow, EditRefusesToMakeACopyOfAnotherModel)
{
    addModel(11, {"70x30", "70x30x1.2", "70", "矩形管"});
    addModel(11, {"70x31", "70x31x1.2", "70", "矩形管"});
    ASSERT_TRUE(selectRow(window->materialGrid(), kSpecColumn, "70x31"));
    script<Tfrm_editMainMaterial>(window->modal, [&](Tfrm_editMainMaterial& f) {
        QString designation = "70x31x1.2";
        int pos = 0;
        EXPECT_EQ(f.materialTypeEdit()->validator()->validate(designation, pos), QValidator::Invalid);
        f.modelNameEdit()->setText("70x30");
        f.saveButton()->click();
        EXPECT_NE(f.result(), QDialog::Accepted);
    });
    window->editClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("已有同样（规格与外形类别一样）的记录,请修改规格名称或者外形类别！"));
    EXPECT_EQ(modelCount(11, "70x30"), 1);
    EXPECT_EQ(modelCount(11, "70x31"), 1);
}

TEST_P(MainMaterialWindow, InPlaceEditsAreWrittenStraightToTheRow)
{
    ASSERT_TRUE(clickNode(window->categoryTree(), 11));
    ASSERT_TRUE(selectRow(window->materialGrid(), kSpecColumn, "60x40"));
    QAbstractItemModel* model = window->materialGrid()->model();
    const int row = window->materialGrid()->currentIndex().row();
    const int id = window->materials().at(row).mainmaterialID;

    EXPECT_FALSE(model->flags(model->index(row, kSpecColumn)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model->setData(model->index(row, kLengthColumn), "45.5"));
    EXPECT_DOUBLE_EQ(dm->scalar("SELECT length FROM mainmaterial WHERE mainmaterialID = ?", {id}).toDouble(), 45.5);
    EXPECT_TRUE(model->setData(model->index(row, kShapeColumn), QStringLiteral("圆管")));
    EXPECT_EQ(dm->scalar("SELECT ShapeType FROM mainmaterial WHERE mainmaterialID = ?", {id}).toString(), QStringLiteral("圆管"));

    EXPECT_FALSE(model->setData(model->index(row, kLengthColumn), "4..5"));
    EXPECT_EQ(prompt.last(), QStringLiteral("长度（扶手高度）必须是数字"));
    EXPECT_EQ(model->index(row, kLengthColumn).data().toString(), "45.5");

    EXPECT_TRUE(model->setData(model->index(row, kLengthColumn), ""));
    EXPECT_TRUE(dm->scalar("SELECT length FROM mainmaterial WHERE mainmaterialID = ?", {id}).isNull());
}

TEST_P(MainMaterialWindow, BindingPartsListsOnlyUnboundPartsAndEditsTheBinding)
{
    ASSERT_TRUE(clickNode(window->categoryTree(), 11));
    ASSERT_TRUE(selectRow(window->materialGrid(), kSpecColumn, "60x40"));
    const int modelId = window->materials().at(window->materialGrid()->currentIndex().row()).mainmaterialID;
    const int allParts = count("SELECT COUNT(*) FROM PartsTab");
    const int typeOneParts = count("SELECT COUNT(*) FROM PartsTab WHERE PartsTypeID = 1");
    const int firstPart = count("SELECT MIN(partsID) FROM PartsTab WHERE PartsTypeID = 1");
    const int secondPart = count("SELECT MAX(partsID) FROM PartsTab WHERE PartsTypeID = 2");

    script<Tfrm_bindingParts>(window->modal, [&](Tfrm_bindingParts& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("60x40绑定配件信息"));
        EXPECT_EQ(f.partsList()->topLevelItemCount(), allParts);
        ASSERT_TRUE(clickNode(f.typeTree(), 1));
        EXPECT_EQ(f.partsList()->topLevelItemCount(), typeOneParts);
        f.nameEdit()->setText(QStringLiteral("扶手"));
        EXPECT_EQ(f.partsList()->topLevelItemCount(), 2);
        f.nameEdit()->clear();
        EXPECT_EQ(f.partsList()->topLevelItemCount(), allParts);
        EXPECT_TRUE(f.tickPart(firstPart));
        EXPECT_TRUE(f.tickPart(secondPart));
        f.bindButton()->click();
    });
    window->bindPartsClick();
    EXPECT_EQ(prompt.last(), kProcOkText);
    ASSERT_EQ(window->bindings().size(), 2);

    script<Tfrm_bindingParts>(window->modal, [&](Tfrm_bindingParts& f) {
        EXPECT_EQ(f.partsList()->topLevelItemCount(), allParts - 2);
        EXPECT_FALSE(f.tickPart(firstPart));
    });
    window->bindPartsClick();

    window->bindingGrid()->setCurrentIndex(window->bindingGrid()->model()->index(0, 0));
    script<Tfrm_editBindingParts>(window->modal, [&](Tfrm_editBindingParts& f) {
        f.useNumEdit()->clear();
        f.saveButton()->click();
        EXPECT_EQ(prompt.last(), QStringLiteral("用量不能为空"));
        f.useNumEdit()->setText("2");
        f.useNumMountEdit()->setText("0.5");
        f.craftworkBox()->setCurrentIndex(f.craftworkBox()->findText(QStringLiteral("钻孔")));
        f.remarkEdit()->setText("左'右");
        f.saveButton()->click();
    });
    window->editBindingClick();
    EXPECT_EQ(prompt.last(), kProcOkText);
    const MaterialPartBinding b = window->bindings().at(0);
    EXPECT_EQ(b.useNum, "2");
    EXPECT_EQ(b.UseNumMount, "0.5");
    EXPECT_EQ(b.craftwork, QStringLiteral("钻孔"));
    EXPECT_EQ(b.remark, QStringLiteral("左'右"));

    // Reopening keeps the chosen process, so saving other fields keeps it too.
    script<Tfrm_editBindingParts>(window->modal, [&](Tfrm_editBindingParts& f) {
        EXPECT_EQ(f.craftworkBox()->currentText(), QStringLiteral("钻孔"));
        f.useNumEdit()->setText("3");
        f.saveButton()->click();
    });
    window->editBindingClick();
    EXPECT_EQ(window->bindings().at(0).craftwork, QStringLiteral("钻孔"));

    prompt.answers = {false, true};
    window->deleteBindingClick();
    EXPECT_EQ(window->bindings().size(), 2);
    window->deleteBindingClick();
    EXPECT_EQ(window->bindings().size(), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM mainMaterParts WHERE mainmaterialID = ?", {modelId}), 1);
}

TEST_P(MainMaterialWindow, DeletingAModelRemovesItsBindings)
{
    addModel(11, {"66x33", "66x33x1", "66", "矩形管"});
    addModel(11, {"67x33", "67x33x1", "67", "矩形管"});
    ASSERT_TRUE(selectRow(window->materialGrid(), kSpecColumn, "66x33"));
    const int modelId = window->materials().at(window->materialGrid()->currentIndex().row()).mainmaterialID;
    ASSERT_TRUE(bindParts(*dm, modelId, {1, 2, 3}).ok());
    window->searchClick();
    ASSERT_TRUE(selectRow(window->materialGrid(), kSpecColumn, "66x33"));
    EXPECT_EQ(window->bindings().size(), 3);

    prompt.answers = {false};
    window->deleteClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("删除操作是不可逆的、确定要删除选择的记录吗?"));
    EXPECT_EQ(modelCount(11, "66x33"), 1);

    ASSERT_TRUE(selectRow(window->materialGrid(), kSpecColumn, "66x33"));
    window->deleteClick();
    EXPECT_EQ(modelCount(11, "66x33"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM mainMaterParts WHERE mainmaterialID = ?", {modelId}), 0);

    // A model without bindings goes the same way.
    ASSERT_TRUE(selectRow(window->materialGrid(), kSpecColumn, "67x33"));
    window->deleteClick();
    EXPECT_EQ(modelCount(11, "67x33"), 0);
}

TEST_P(MainMaterialWindow, ModelDeletionIsAllOrNothing)
{
    addModel(11, {"68x33", "68x33x1", "68", "矩形管"});
    const int modelId = count("SELECT mainmaterialID FROM mainmaterial WHERE ModelName = ?", {"68x33"});
    ASSERT_TRUE(bindParts(*dm, modelId, {1}).ok());
    // The second statement fails: the first must not stay done.
    dm->run("ALTER TABLE mainMaterParts RENAME TO mainMaterPartsAway");
    EXPECT_FALSE(deleteMainMaterial(*dm, modelId).isEmpty());
    dm->run("ALTER TABLE mainMaterPartsAway RENAME TO mainMaterParts");
    EXPECT_EQ(modelCount(11, "68x33"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM mainMaterParts WHERE mainmaterialID = ?", {modelId}), 1);
}

TEST_P(MainMaterialWindow, CategoryDialogsAddAndRenameAndDeleteRebuildsTheTree)
{
    script<Tfrm_addMainMaterCate>(window->modal, [&](Tfrm_addMainMaterCate& f) {
        f.saveButton()->click();
        EXPECT_EQ(prompt.last(), QStringLiteral("主材类别不能为空"));
        f.nameEdit()->setText("加强杆");
        f.saveButton()->click();
    });
    window->addCategoryClick();
    EXPECT_EQ(prompt.last(), kProcOkText);
    const int id = count("SELECT MainmaterialTypeID FROM mainMaterCategory WHERE MainmaterialTypeName = ?", {"加强杆"});
    ASSERT_TRUE(clickNode(window->categoryTree(), id));
    EXPECT_EQ(isModelReferenced(*dm, "1", id), false);

    script<Tfrm_modiMainMaterCate>(window->modal, [&](Tfrm_modiMainMaterCate& f) {
        EXPECT_EQ(f.nameEdit()->text(), QStringLiteral("加强杆"));
        f.nameEdit()->setText("加强横杆");
        f.saveButton()->click();
    });
    window->editCategoryClick();
    EXPECT_EQ(dm->scalar("SELECT MainmaterialTypeName FROM mainMaterCategory WHERE MainmaterialTypeID = ?", {id}).toString(),
              QStringLiteral("加强横杆"));

    ASSERT_TRUE(clickNode(window->categoryTree(), id));
    window->deleteCategoryClick();
    EXPECT_FALSE(nodeIds(window->categoryTree()).contains(id));
    EXPECT_EQ(count("SELECT COUNT(*) FROM mainMaterCategory WHERE MainmaterialTypeID = ?", {id}), 0);
}

INSTANTIATE_DB_TEST(MainMaterialWindow);

TEST(BaseDataWindows, NavigationOpensTheFourWindows)
{
    ScriptedPrompt prompt;
    TDM dm(&prompt);
    QTemporaryDir dir;
    ASSERT_TRUE(dm.open(freshDatabaseConfig(Backend::Sqlite, dir)));
    Session session;
    AppContext ctx{dm, prompt, session, dm.config(), {}};
    const std::pair<const char*, std::function<bool(QWidget*)>> windows[] = {
        {"frm_mainmaterial1", [](QWidget* w) { return dynamic_cast<Tfrm_mainmaterial*>(w) != nullptr; }},
        {"frm_Parts1", [](QWidget* w) { return dynamic_cast<Tfrm_Parts*>(w) != nullptr; }},
        {"frm_color1", [](QWidget* w) { return dynamic_cast<Tfrm_color*>(w) != nullptr; }},
        {"frm_craftwork1", [](QWidget* w) { return dynamic_cast<Tfrm_craftwork*>(w) != nullptr; }},
    };
    for (const auto& [instance, isExpected] : windows) {
        std::unique_ptr<QWidget> widget(createChildWindow(instance, ctx, nullptr));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName(), instance);
        EXPECT_TRUE(isExpected(widget.get())) << instance;
    }
}
