#include "Screenshot.h"
#include "support/TestDb.h"
#include "support/TestStore.h"

#include "data/CraftWork.h"
#include "data/FeedingParams.h"
#include "store/FileStore.h"
#include "ui/feeding/FeedingBillForm.h"
#include "ui/grid/DataGrid.h"
#include "ui/shell/AppContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

class FeedingEditorTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        diagramFolder = uniqueFolder("billbmp");
        config.ftp = testFtpConfig(diagramFolder, uniqueFolder("docs"));
        dm->run("INSERT INTO mainProject (proJectName, userID) VALUES (?, ?)", {QStringLiteral("阳光花园"), 1});
        session.CurrentUser.userID = "1";
        session.CurrentProjectID = dm->scalar("SELECT MAX(projectID) FROM mainProject").toInt();
        session.CurrentProjectName = QStringLiteral("阳光花园");
        ctx = std::make_unique<AppContext>(AppContext{*dm, prompt, session, config, {}});
        ctx->makeStore = [this] { return makeFileStore(config); };
        FeedingParams p = FeedingParams::designDefaults();
        ASSERT_TRUE(dm->callProc("updateParams", updateParamsArgs("1", p, ParamsSpacingItem::EqualDivision)).ok());
    }

    std::unique_ptr<Tfrm_addFeeding> openAdd()
    {
        auto w = std::make_unique<Tfrm_addFeeding>(*ctx);
        w->show();
        return w;
    }

    static void type(FeedingBillForm& w, const char* box, const QString& text, bool enter = true)
    {
        QLineEdit* e = w.box(box);
        e->setFocus();
        e->selectAll();
        // Chinese comes through an input method, not as key presses.
        bool ascii = true;
        for (const QChar c : text)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii)
            QTest::keyClicks(e, text);
        else
            e->insert(text);
        if (enter)
            QTest::keyClick(e, Qt::Key_Return);
    }
    // Chooses a picker item with the keyboard, as a user would.
    static void pick(FeedingBillForm& w, const char* picker, const QString& text)
    {
        auto* combo = w.widget<QComboBox>(picker);
        const int target = combo->findText(text);
        ASSERT_GE(target, 0) << text.toStdString();
        combo->setFocus();
        while (combo->currentIndex() != target)
            QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
    // Check boxes and radio buttons react only on their box and label, so
    // they are clicked on the box.
    static void click(FeedingBillForm& w, const char* name)
    {
        auto* b = w.findChild<QAbstractButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        const bool indicator = qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b);
        QTest::mouseClick(b, Qt::LeftButton, {}, indicator ? QPoint(6, b->height() / 2) : b->rect().center());
    }
    static QStringList summaryRow(FeedingBillForm& w, int row)
    {
        auto* g = w.widget<QTableWidget>("summaryGrid");
        QStringList cells;
        for (int c = 0; c < g->columnCount(); ++c)
            cells << (g->item(row, c) ? g->item(row, c)->text() : QString());
        return cells;
    }
    // The worked example with the starter catalogue: 2400 x 1100, handrail
    // 50x50 (hh 50), columns 50, crosspieces 40 high, standpipes 20, equal division.
    void enterWorkedExample(FeedingBillForm& w, const QString& suitOrder)
    {
        type(w, "SuitOrderNum", suitOrder, false);
        pick(w, "handrailPicker", "50x50-方管");
        pick(w, "crosspiecePicker", "40x20-矩形管");
        type(w, "Guardraillen", "2400");
    }
    int count(const QString& sql, const QVariantList& params = {}) { return dm->scalar(sql, params).toInt(); }
    QString diagramPath(int billID) const
    {
        return QDir(testFtpServer().root).filePath(diagramFolder + QStringLiteral("/BillID_%1.bmp").arg(billID));
    }
    int lastBillID() { return count("SELECT MAX(DetailBillID) FROM DetailBill"); }

    Session session;
    QString diagramFolder;
    std::unique_ptr<AppContext> ctx;
};

TEST_P(FeedingEditorTest, AddWindowStartsFromTheDefaultsAndTheFirstModels)
{
    auto w = openAdd();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("阳光花园工程-新增下料单"));
    EXPECT_EQ(w->box("GuardrailHeight")->text(), "1100");
    EXPECT_EQ(w->box("ColumnMaxSpace")->text(), "1200");
    EXPECT_EQ(w->box("FixedValue")->text(), "110");
    EXPECT_EQ(w->box("GuardrailPin")->text(), "1");
    EXPECT_EQ(w->box("Guardraillen")->text(), "");
    EXPECT_TRUE(w->widget<QRadioButton>("spaceDivide")->isChecked());
    EXPECT_TRUE(w->widget<QCheckBox>("HandrailHas")->isChecked());
    EXPECT_EQ(w->widget<QComboBox>("handrailPicker")->currentText(), "60x40-矩形管");
    EXPECT_EQ(w->widget<QComboBox>("glassPicker")->currentText(), "8");
    EXPECT_EQ(w->widget<QComboBox>("GuardrailColor")->currentText(), QStringLiteral("白色"));
    EXPECT_EQ(w->widget<QTableWidget>("summaryGrid")->rowCount(), 0);
    EXPECT_TRUE(prompt.log.empty());
}

TEST_P(FeedingEditorTest, TypingComputesTheSummaryAndSavingStoresBillResultsAndDiagram)
{
    auto w = openAdd();
    enterWorkedExample(*w, "1");
    EXPECT_TRUE(prompt.log.empty()) << prompt.last().toStdString();
    EXPECT_EQ(w->box("subfield")->text(), "2");
    EXPECT_EQ(summaryRow(*w, 0), QStringList({"扶手", "50x50", "2400", "1"}));
    EXPECT_EQ(summaryRow(*w, 1), QStringList({"立柱", "50x50", "1050", "3"}));
    EXPECT_EQ(summaryRow(*w, 2), QStringList({"横杆", "40x20", "1025", "4"}));
    EXPECT_EQ(summaryRow(*w, 4), QStringList({"玻璃", "玻璃类型", "0", "0"}));

    click(*w, "BitBtn1");
    EXPECT_EQ(prompt.last(), QStringLiteral("操作成功"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM DetailBill"), 1);
    const int id = lastBillID();
    QSqlQuery bill = dm->run("SELECT * FROM DetailBill WHERE DetailBillID = ?", {id});
    ASSERT_TRUE(bill.next());
    EXPECT_EQ(bill.value("SuitOrderNum").toString(), "1");
    EXPECT_EQ(bill.value("Guardraillen").toString(), "2400");
    EXPECT_EQ(bill.value("GuardrailHeight").toString(), "1100");
    EXPECT_EQ(bill.value("subfield").toString(), "2");
    EXPECT_EQ(bill.value("handrailname").toString(), "50x50");
    EXPECT_EQ(bill.value("spaceCalmethod").toInt(), 0);
    EXPECT_EQ(bill.value("Standpipetype").toInt(), 0);
    EXPECT_EQ(bill.value("GuardrailColor").toString(), QStringLiteral("白色"));
    EXPECT_EQ(bill.value("CrosspieceHoleNum").toString(), "");
    EXPECT_EQ(bill.value("UserID").toString(), "1");
    EXPECT_TRUE(bill.value("feedSubFieldstr").toString().startsWith(QStringLiteral("尺寸:2400x1100")));
    QSqlQuery results = dm->run("SELECT Size, count FROM subfieldMaterResult WHERE DetailBillID = ? ORDER BY ResultID",
                                {id});
    QStringList sizes;
    while (results.next())
        sizes << results.value(0).toString() + "x" + results.value(1).toString();
    EXPECT_EQ(sizes, QStringList({"2400x1", "1050x3", "1025x4", "770x16", "0x0"}));
    const QImage diagram(diagramPath(id));
    ASSERT_FALSE(diagram.isNull()) << diagramPath(id).toStdString();
    EXPECT_EQ(diagram.size(), QSize(800, 135));

    // The window stays open for the next bill; its grid lists the saved one.
    EXPECT_TRUE(w->isVisible());
    auto* bills = w->widget<DataGrid>("billGrid");
    ASSERT_EQ(bills->rowCount(), 1);
    EXPECT_EQ(bills->records().text(0, "Guardrailsize"), "2400X1100");
    EXPECT_EQ(bills->currentRecord(), 0);
    EXPECT_EQ(w->box("handrailLength")->text(), "");
    EXPECT_EQ(w->savedBills(), 1);

    // Closing the add window refreshes the workspace.
    int refreshed = 0;
    w->setWorkspaceRefresh([&] { ++refreshed; });
    click(*w, "BitBtn2");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(refreshed, 1);
}

TEST_P(FeedingEditorTest, FixedSpacingAndGlassAreStoredWithTheirOwnColumns)
{
    auto w = openAdd();
    enterWorkedExample(*w, "1");
    click(*w, "spaceFixed");
    EXPECT_EQ(summaryRow(*w, 3), QStringList({"竖杆", "20x20", "770", "16"}));
    click(*w, "BitBtn1");
    click(*w, "typeGlass");
    EXPECT_TRUE(w->box("StandpipeRight")->isEnabled());
    EXPECT_FALSE(w->box("replaceedStandpipes")->isEnabled());
    EXPECT_EQ(summaryRow(*w, 3), QStringList({"竖杆", "X", "0", "0"}));
    EXPECT_EQ(summaryRow(*w, 4), QStringList({"玻璃", "8", "1025x770", "2"}));
    type(*w, "SuitOrderNum", "2", false);
    click(*w, "BitBtn1");
    EXPECT_EQ(prompt.texts().count(QStringLiteral("操作成功")), 2);

    QSqlQuery q = dm->run("SELECT SuitOrderNum, spaceCalmethod, CrosspieceHoleNum, CrosspieceHolePosition, "
                          "Standpipetype, standpipeName, glassName FROM DetailBill ORDER BY DetailBillID");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(1).toInt(), 1);
    EXPECT_EQ(q.value(2).toString(), "8");
    EXPECT_EQ(q.value(3).toString(), "577.5");
    EXPECT_EQ(q.value(4).toInt(), 0);
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(2).toString(), "");
    EXPECT_EQ(q.value(4).toInt(), 1);
    EXPECT_EQ(q.value(5).toString(), "");
    EXPECT_EQ(q.value(6).toString(), "8");
}

TEST_P(FeedingEditorTest, DuplicateSuitOrderIsRefusedAndNothingMoreIsWritten)
{
    auto w = openAdd();
    enterWorkedExample(*w, "3*1");
    click(*w, "BitBtn1");
    ASSERT_EQ(prompt.last(), QStringLiteral("操作成功"));
    click(*w, "BitBtn1");
    EXPECT_EQ(prompt.last(), QStringLiteral("序列号已经存在，请更改序列号，在下料"));
    EXPECT_EQ(w->focusWidget(), w->box("SuitOrderNum"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM DetailBill"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM subfieldMaterResult"), 5);
}

TEST_P(FeedingEditorTest, UnreachableFileStoreStopsTheSaveBeforeAnythingIsWritten)
{
    config.ftp.serverPort = QString::number(closedPort());
    auto w = openAdd();
    enterWorkedExample(*w, "1");
    click(*w, "BitBtn1");
    EXPECT_EQ(prompt.last(), QStringLiteral("程序上传分栏图到服务器,连接ftp服务器异常！"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM DetailBill"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM subfieldMaterResult"), 0);
    EXPECT_EQ(w->savedBills(), 0);
}

TEST_P(FeedingEditorTest, SaveChecksOrderNumberThenLength)
{
    auto w = openAdd();
    click(*w, "BitBtn1");
    EXPECT_EQ(prompt.last(), QStringLiteral("序号不能为空"));
    EXPECT_EQ(w->focusWidget(), w->box("SuitOrderNum"));
    type(*w, "SuitOrderNum", "1", false);
    click(*w, "BitBtn1");
    EXPECT_EQ(prompt.last(), QStringLiteral("长度不能为空"));
    EXPECT_EQ(w->focusWidget(), w->box("Guardraillen"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM DetailBill"), 0);
}

TEST_P(FeedingEditorTest, KeyFiltersAndTextThatIsNotANumber)
{
    auto w = openAdd();
    type(*w, "SuitOrderNum", "1a*2-", false);
    EXPECT_EQ(w->box("SuitOrderNum")->text(), "1*2");
    type(*w, "ColumnMargin", "-5x", false);
    EXPECT_EQ(w->box("ColumnMargin")->text(), "-5");
    type(*w, "LeftValue", "-5", false);
    EXPECT_EQ(w->box("LeftValue")->text(), "5");
    type(*w, "removedColumns", "1,2a;", false);
    EXPECT_EQ(w->box("removedColumns")->text(), "1,2");

    // The filters let "1..2" through; Enter reports it instead of failing.
    type(*w, "Guardraillen", "1..2");
    EXPECT_EQ(prompt.last(), QStringLiteral("长度（mm）不是有效的数字，请检查输入"));
    EXPECT_EQ(w->widget<QTableWidget>("summaryGrid")->rowCount(), 0);
    type(*w, "SuitOrderNum", "1", false);
    click(*w, "BitBtn1");
    EXPECT_EQ(prompt.last(), QStringLiteral("长度（mm）不是有效的数字，请检查输入"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM DetailBill"), 0);
}

TEST_P(FeedingEditorTest, OutOfRangeInputIsRefusedWithoutRecomputing)
{
    auto w = openAdd();
    enterWorkedExample(*w, "1");
    prompt.clear();
    type(*w, "LeftValue", "2500");
    EXPECT_EQ(prompt.last(), QStringLiteral("数据不合理，请检查输入数据或者参数设置！"));
    EXPECT_EQ(summaryRow(*w, 2), QStringList({"横杆", "40x20", "1025", "4"}));
    type(*w, "LeftValue", "150");
    EXPECT_EQ(summaryRow(*w, 2), QStringList({"横杆", "40x20", "1000", "4"}));
}

TEST_P(FeedingEditorTest, ModelFilterIgnoresASingleLatinCharacter)
{
    auto w = openAdd();
    auto* handrails = w->widget<QComboBox>("handrailPicker");
    ASSERT_EQ(handrails->count(), 2);
    type(*w, "handrailPickerFilter", "5");
    EXPECT_EQ(handrails->count(), 2);
    type(*w, "handrailPickerFilter", "50");
    ASSERT_EQ(handrails->count(), 1);
    EXPECT_EQ(handrails->currentText(), "50x50-方管");
    type(*w, "handrailPickerFilter", QStringLiteral("方"));
    EXPECT_EQ(handrails->count(), 0);
    w->box("handrailPickerFilter")->clear();
    QTest::keyClick(w->box("handrailPickerFilter"), Qt::Key_Return);
    EXPECT_EQ(handrails->count(), 2);
}

TEST_P(FeedingEditorTest, SummaryAdjustmentsLastUntilTheNextComputation)
{
    auto w = openAdd();
    enterWorkedExample(*w, "1");
    type(*w, "removedColumnCount", "1");
    EXPECT_EQ(summaryRow(*w, 1).at(3), "2");
    type(*w, "replaceedStandpipesCount", "4");
    EXPECT_EQ(summaryRow(*w, 3).at(3), "12");
    type(*w, "removedColumnCount", "3");
    EXPECT_EQ(summaryRow(*w, 1).at(3), "2");
    click(*w, "CrosspieceTopHas");
    EXPECT_EQ(summaryRow(*w, 1).at(3), "3");
    EXPECT_EQ(summaryRow(*w, 2).at(3), "2");
}

TEST_P(FeedingEditorTest, EditWindowRoundTrip)
{
    {
        auto w = openAdd();
        enterWorkedExample(*w, "7");
        type(*w, "reinforcePiecenameA", "30x15", false);
        click(*w, "reinforcePieceAHas");
        click(*w, "BitBtn1");
        ASSERT_EQ(prompt.last(), QStringLiteral("操作成功"));
    }
    const int id = lastBillID();
    int refreshed = 0;
    Tfrm_editFeeding w(*ctx, id);
    w.setWorkspaceRefresh([&] { ++refreshed; });
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("阳光花园护栏:2400X1100-修改下料单"));
    EXPECT_EQ(w.box("SuitOrderNum")->text(), "7");
    EXPECT_EQ(w.box("Guardraillen")->text(), "2400");
    EXPECT_EQ(w.box("handrailLength")->text(), "2400");
    EXPECT_EQ(w.widget<QComboBox>("handrailPicker")->currentText(), "50x50-方管");
    EXPECT_EQ(w.box("reinforcePiecenameA")->text(), "30x15");
    EXPECT_EQ(summaryRow(w, 2), QStringList({"横杆", "40x20", "1025", "4"}));
    EXPECT_EQ(w.widget<DataGrid>("billGrid"), nullptr);

    type(w, "Guardraillen", "3000.5");
    type(w, "handrailLength", "3000.5", false);
    type(w, "Guardraillen", "3000.5");
    click(w, "ColumnIsTwo");
    click(w, "BitBtn1");
    EXPECT_EQ(prompt.last(), QStringLiteral("操作成功"));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(refreshed, 1);

    QSqlQuery bill = dm->run("SELECT Guardraillen, ColumnIsTwo, reinforcePiecenameA, reinforcePieceAHas FROM "
                             "DetailBill WHERE DetailBillID = ?",
                             {id});
    ASSERT_TRUE(bill.next());
    EXPECT_EQ(bill.value(0).toString(), "3000.5");
    EXPECT_EQ(bill.value(1).toInt(), 1);
    EXPECT_EQ(bill.value(2).toString(), "30x15");
    EXPECT_EQ(bill.value(3).toInt(), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM subfieldMaterResult WHERE DetailBillID = ?", {id}), 5);
    // Edit mode computes with the length as typed.
    QSqlQuery handrail = dm->run("SELECT Size FROM subfieldMaterResult WHERE DetailBillID = ? ORDER BY ResultID", {id});
    ASSERT_TRUE(handrail.next());
    EXPECT_EQ(handrail.value(0).toString(), "3000");
    EXPECT_FALSE(QImage(diagramPath(id)).isNull());
}

TEST_P(FeedingEditorTest, EditWindowRefusesAStandpipeBillWithoutStandpipeModel)
{
    {
        auto w = openAdd();
        enterWorkedExample(*w, "1");
        click(*w, "BitBtn1");
    }
    Tfrm_editFeeding w(*ctx, lastBillID());
    w.show();
    w.widget<QComboBox>("standpipePicker")->setCurrentIndex(-1);
    click(w, "BitBtn1");
    EXPECT_EQ(prompt.last(), QStringLiteral("请选择竖杆型号！"));
    EXPECT_TRUE(w.isVisible());
}

TEST_P(FeedingEditorTest, CraftTabListsAddsAndDeletesProcessesOfTheOrderNumber)
{
    auto w = openAdd();
    click(*w, "editCraft");
    EXPECT_EQ(prompt.last(), QStringLiteral("当前没有记录！"));
    click(*w, "deleteCraft");
    EXPECT_EQ(prompt.last(), QStringLiteral("当前没有记录"));
    click(*w, "addCraft");
    EXPECT_EQ(prompt.last(), QStringLiteral("序号不能为空"));
    type(*w, "SuitOrderNum", "4", false);
    click(*w, "addCraft");
    EXPECT_EQ(prompt.last(), QStringLiteral("长度不能为空"));

    CraftWorkRow row;
    row.projectID = QString::number(session.CurrentProjectID);
    row.SuitOrderNum = "4";
    row.craftworkName = QStringLiteral("钻孔");
    row.mainmaterialType = QStringLiteral("横杆");
    row.craftworkCount = "8";
    row.GuardrailPin = "1";
    ASSERT_TRUE(dm->callProc(craftWorkProcedure(row), craftWorkArgs(row)).ok());
    w->loadCraftGrid();
    auto* crafts = w->widget<DataGrid>("craftGrid");
    ASSERT_EQ(crafts->rowCount(), 1);
    EXPECT_EQ(crafts->records().text(0, "craftworkName"), QStringLiteral("钻孔"));
    prompt.answers = {false};
    click(*w, "deleteCraft");
    EXPECT_EQ(crafts->rowCount(), 1);
    prompt.answers = {true};
    click(*w, "deleteCraft");
    EXPECT_EQ(prompt.log.back().kind, ScriptedPrompt::Entry::Question);
    EXPECT_EQ(crafts->rowCount(), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM mainmaterialcraftwork"), 0);
}

INSTANTIATE_DB_TEST(FeedingEditorTest);

class FeedingEditorScreenshot : public FeedingEditorTest {};

TEST_P(FeedingEditorScreenshot, Screenshot)
{
    auto w = openAdd();
    enterWorkedExample(*w, "1");
    type(*w, "replaceedStandpipes", "3", false);
    type(*w, "standpipeTomodelFields", "1", false);
    click(*w, "BitBtn1");
    type(*w, "SuitOrderNum", "2", false);
    saveScreenshot(w.get(), "feeding-editor-add", QSize(1400, 900));
    const int id = lastBillID();
    w.reset();
    Tfrm_editFeeding edit(*ctx, id);
    edit.show();
    saveScreenshot(&edit, "feeding-editor-edit", QSize(1400, 900));
}

INSTANTIATE_TEST_SUITE_P(Db, FeedingEditorScreenshot, ::testing::Values(Backend::Sqlite), backendName);
