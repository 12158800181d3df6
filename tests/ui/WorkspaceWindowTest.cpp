#include "UiFixture.h"
#include "Screenshot.h"

#include "data/Workspace.h"
#include "store/StoreMessages.h"
#include "ui/feeding/Tfrm_HandRailSplit.h"
#include "ui/grid/DataGrid.h"
#include "ui/shell/ChildWindows.h"
#include "ui/workspace/Tfrm_Feeding.h"

#include <QLineEdit>
#include <QTreeWidget>

namespace {
const QString kNoRecord = QStringLiteral("当前没有记录");

// The file a user would have chosen; empty: cancelled.
struct ChosenFile : FileDialogs {
    QString saveFileName(QWidget*, const QString& filter, const QString& suffix) override
    {
        EXPECT_EQ(filter, QStringLiteral("BMP文件(*.BMP)"));
        EXPECT_EQ(suffix, "BMP");
        return path;
    }
    QString openFileName(QWidget*, const QString&) override { return {}; }
    QString path;
};
} // namespace

class WorkspaceWindowTest : public UiTest {
protected:
    // A project with a straight bill and a corner segment, opened in the
    // workspace and clicked in the tree.
    void openProject(Tfrm_Feeding& w)
    {
        projectID = insertTestProject(*dm, userID, QStringLiteral("阳光花园"));
        straight = insertTestBill(*dm, projectID, {"1", "2400", "1100"});
        corner = insertTestBill(*dm, projectID, {"2*1", "3000", "1200", "1"});
        insertTestBinding(*dm, projectID, QStringLiteral("立柱"), 8);
        session.OpenedProjectIDs = {projectID};
        w.CreateProjectTree();
        clickProject(w);
    }
    void clickProject(Tfrm_Feeding& w)
    {
        QTreeWidgetItem* node = w.projectTree()->topLevelItem(0)->child(0);
        w.projectTree()->setCurrentItem(node);
        w.TreeView1Click(node);
    }

    int projectID = 0;
    int straight = 0;
    int corner = 0;
};

TEST_P(WorkspaceWindowTest, ProjectClickLoadsItsBillsWithCornerBillsInRed)
{
    Tfrm_Feeding w(*ctx);
    openProject(w);
    EXPECT_EQ(session.CurrentProjectID, projectID);
    EXPECT_EQ(session.CurrentProjectName, QStringLiteral("阳光花园"));
    EXPECT_EQ(w.billsCaption(), QStringLiteral("阳光花园下料单"));
    DataGrid* bills = w.billsGrid();
    ASSERT_EQ(bills->rowCount(), 2);
    EXPECT_EQ(bills->currentRecord(), 1);   // the last bill is current
    const QAbstractItemModel* m = bills->model();
    EXPECT_EQ(m->headerData(10, Qt::Horizontal).toString(), QStringLiteral(" 玻璃名称"));
    EXPECT_EQ(m->index(0, 1).data().toString(), "2400X1100");
    EXPECT_EQ(m->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    EXPECT_EQ(m->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));

    // Detail and root nodes change nothing.
    QTreeWidgetItem* detail = w.projectTree()->topLevelItem(0)->child(0)->child(1);
    session.CurrentProjectID = 0;
    w.TreeView1Click(detail);
    w.TreeView1Click(w.projectTree()->topLevelItem(0));
    EXPECT_EQ(session.CurrentProjectID, 0);
    EXPECT_TRUE(prompt.log.empty());
}

TEST_P(WorkspaceWindowTest, BillClickShowsResultsBindingsAndTheDiagramFromTheStore)
{
    Tfrm_Feeding w(*ctx);
    openProject(w);
    const QImage stored = putDiagram(straight, 2400);
    w.billsGrid()->setCurrentRecord(0);
    w.DBGrid3CellClick();

    EXPECT_TRUE(prompt.log.empty()) << prompt.last().toStdString();
    EXPECT_EQ(w.resultsCaption(), QStringLiteral("护栏:2400X1100主材尺寸数量"));
    EXPECT_EQ(w.diagramCaption(), QStringLiteral("护栏:2400X1100分栏图"));
    ASSERT_EQ(w.resultsGrid()->rowCount(), 4);
    EXPECT_EQ(w.resultsGrid()->model()->index(0, 1).data().toString(), QStringLiteral("扶手"));
    EXPECT_EQ(w.resultsGrid()->model()->index(3, 4).data().toString(), "24");
    ASSERT_EQ(w.bindingsGrid()->rowCount(), 1);
    EXPECT_EQ(w.bindingsGrid()->model()->index(0, 1).data().toString(), QStringLiteral("立柱"));
    ASSERT_FALSE(w.diagram().isNull());
    EXPECT_EQ(w.diagram().size(), stored.size());
    EXPECT_EQ(w.diagram().convertToFormat(QImage::Format_RGB32), stored.convertToFormat(QImage::Format_RGB32));
}

TEST_P(WorkspaceWindowTest, MissingDiagramIsReportedAndTheRestOfTheClickStillHappens)
{
    Tfrm_Feeding w(*ctx);
    openProject(w);
    putDiagram(straight);
    w.billsGrid()->setCurrentRecord(0);
    w.DBGrid3CellClick();
    const QImage before = w.diagram();

    removeDiagram(corner);
    w.billsGrid()->setCurrentRecord(1);
    w.DBGrid3CellClick();
    EXPECT_EQ(prompt.texts(), QStringList{StoreMessages::kDiagramNotFound});
    EXPECT_EQ(w.resultsCaption(), QStringLiteral("护栏:3000X1200主材尺寸数量"));
    EXPECT_EQ(w.resultsGrid()->records().value(0, "DetailBillID").toInt(), corner);
    EXPECT_EQ(w.diagram(), before);   // the previous picture stays
}

TEST_P(WorkspaceWindowTest, UnreachableStoreIsReportedAfterResultsAndBindings)
{
    Tfrm_Feeding w(*ctx);
    openProject(w);
    storeConfig.ftp.serverIP = "127.0.0.1";
    storeConfig.ftp.serverPort = "1";   // nothing listens there
    storeConfig.ftp.serverUser = "nobody";
    w.DBGrid3CellClick();
    EXPECT_EQ(prompt.texts(), QStringList{StoreMessages::kDownloadConnectFailed});
    EXPECT_EQ(w.resultsGrid()->rowCount(), 4);
    EXPECT_EQ(w.bindingsGrid()->rowCount(), 1);
    EXPECT_TRUE(w.diagram().isNull());
}

TEST_P(WorkspaceWindowTest, DeleteRemovesTheCurrentBillOnlyAfterYes)
{
    Tfrm_Feeding w(*ctx);
    openProject(w);
    prompt.answers = {false};
    w.deleteFeedingClick();
    EXPECT_EQ(w.billsGrid()->rowCount(), 2);
    EXPECT_EQ(prompt.texts(), QStringList{QStringLiteral("删除操作是不可逆的、确定要删除选择的记录吗?")});

    // Only the current segment of the corner piece goes, with its rows.
    prompt.answers = {true};
    w.deleteFeedingClick();
    ASSERT_EQ(w.billsGrid()->rowCount(), 1);
    EXPECT_EQ(w.billsGrid()->currentValue("DetailBillID").toInt(), straight);
    EXPECT_EQ(countRows(*dm, "DetailBill", "DetailBillID", corner), 0);
    EXPECT_EQ(countRows(*dm, "subfieldMaterResult", "DetailBillID", corner), 0);
    EXPECT_EQ(countRows(*dm, "subfieldMaterResult", "DetailBillID", straight), 4);

    // A failing statement rolls the whole deletion back and shows its own text.
    dm->run("alter table billBindingParts rename to billBindingPartsAway");
    prompt.clear();
    prompt.answers = {true};
    w.deleteFeedingClick();
    ASSERT_EQ(prompt.log.size(), 2u);
    EXPECT_EQ(prompt.log.back().kind, ScriptedPrompt::Entry::Error);
    EXPECT_NE(prompt.last(), kDbErrorText);
    EXPECT_EQ(w.billsGrid()->rowCount(), 1);
    EXPECT_EQ(countRows(*dm, "subfieldMaterResult", "DetailBillID", straight), 4);
    dm->run("alter table billBindingPartsAway rename to billBindingParts");

    // The only bill deleted: an empty grid, and the buttons say so.
    prompt.clear();
    prompt.answers = {true};
    w.deleteFeedingClick();
    EXPECT_EQ(w.billsGrid()->rowCount(), 0);
    prompt.clear();
    w.editFeedingClick();
    w.exportDiagramClick();
    w.deleteFeedingClick();
    w.DBGrid3CellClick();
    w.summaryBindClick();
    EXPECT_EQ(prompt.texts(), (QStringList{QStringLiteral("当前没有记录！"), kNoRecord, kNoRecord, kNoRecord, kNoRecord}));
}

TEST_P(WorkspaceWindowTest, ALostConnectionIsReportedAndTheGridsKeepTheirRows)
{
    Tfrm_Feeding w(*ctx);
    openProject(w);
    putDiagram(corner);
    w.DBGrid3CellClick();
    prompt.clear();
    dm->close();
    w.loadDetailBill(projectID);
    w.DBGrid3CellClick();
    EXPECT_EQ(prompt.texts(), (QStringList{kDbErrorText, kDbErrorText, kDbErrorText}));
    EXPECT_EQ(w.billsGrid()->rowCount(), 2);
    EXPECT_EQ(w.resultsGrid()->rowCount(), 4);
    EXPECT_EQ(w.bindingsGrid()->rowCount(), 1);
}

TEST_P(WorkspaceWindowTest, ButtonsBeforeAnyProjectOrBillDoNothingOrAskForAProject)
{
    Tfrm_Feeding w(*ctx);
    // Grids not loaded yet: the grid actions do nothing.
    w.editFeedingClick();
    w.deleteFeedingClick();
    w.exportDiagramClick();
    w.DBGrid3CellClick();
    w.handrailSplitClick();
    w.summaryBindClick();
    EXPECT_TRUE(prompt.log.empty());

    // No project node selected (empty tree, root only, or nothing clicked yet).
    w.addFeedingClick();
    w.CreateProjectTree();
    w.projectTree()->setCurrentItem(w.projectTree()->topLevelItem(0));
    w.addCornerFeedingClick();
    EXPECT_EQ(prompt.texts(), (QStringList{QStringLiteral("请选取工程项目！"), QStringLiteral("请选取工程项目！")}));
}

TEST_P(WorkspaceWindowTest, ExportWritesTheShownDiagramAsBitmap)
{
    Tfrm_Feeding w(*ctx);
    openProject(w);
    const QImage stored = putDiagram(corner, 3000);
    w.DBGrid3CellClick();
    const QString target = tempDir.filePath("export.BMP");
    ChosenFile chosen;
    chosen.path = target;
    w.setFileDialogs(&chosen);
    w.exportDiagramClick();
    EXPECT_TRUE(prompt.log.empty()) << prompt.last().toStdString();
    QImage written(target);
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.size(), stored.size());

    // Cancelled: nothing written.
    QFile::remove(target);
    chosen.path.clear();
    w.exportDiagramClick();
    EXPECT_FALSE(QFile::exists(target));
}

TEST_P(WorkspaceWindowTest, HandrailSplitOpensForTheCurrentResultRow)
{
    Tfrm_Feeding w(*ctx);
    openProject(w);
    w.billsGrid()->setCurrentRecord(0);
    w.DBGrid3CellClick();
    prompt.clear();
    whenModal<Tfrm_HandRailSplit>([](Tfrm_HandRailSplit* d) {
        EXPECT_EQ(d->originalNumberEdit()->text(), "1");
        EXPECT_EQ(d->numberEdit()->text(), "1#1");
    });
    w.handrailSplitClick();
}

TEST_P(WorkspaceWindowTest, ChildWindowTableOpensTheProjectAndWorkspaceWindows)
{
    for (const QString& name : {QStringLiteral("frm_Quellar1"), QStringLiteral("frm_Feeding1")}) {
        std::unique_ptr<QWidget> w(createChildWindow(name, *ctx, nullptr));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName(), name);
    }
    std::unique_ptr<QWidget> f(createChildWindow("frm_Feeding1", *ctx, nullptr));
    EXPECT_NE(qobject_cast<Tfrm_Feeding*>(f.get()), nullptr);
}

TEST_P(WorkspaceWindowTest, WorkspaceScreenshot)
{
    if (GetParam() != Backend::Sqlite)
        GTEST_SKIP() << "one picture is enough";
    Tfrm_Feeding w(*ctx);
    openProject(w);
    const int other = insertTestProject(*dm, userID, QStringLiteral("滨江一号"));
    for (int i = 3; i <= 8; ++i)
        insertTestBill(*dm, projectID, {QString::number(i), QString::number(2000 + 150 * i), "1100"});
    session.OpenedProjectIDs = {projectID, other};
    w.CreateProjectTree();
    clickProject(w);
    putDiagram(straight, 2400);
    w.billsGrid()->setCurrentRecord(0);
    w.DBGrid3CellClick();
    saveScreenshot(&w, "workspace");
}

INSTANTIATE_DB_TEST(WorkspaceWindowTest);
