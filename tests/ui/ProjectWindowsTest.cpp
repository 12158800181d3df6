#include "UiFixture.h"
#include "Screenshot.h"

#include "data/Lookups.h"
#include "data/Projects.h"
#include "ui/grid/DataGrid.h"
#include "ui/projects/Tfrm_Quellar.h"
#include "ui/projects/Tfrm_addProject.h"
#include "ui/projects/Tfrm_openProject.h"
#include "ui/workspace/Tfrm_Feeding.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QTreeWidget>

namespace {
const QString kHasBills = QStringLiteral("该工程已经下单，不能删除！请先删除该工程的下单数据。");

int rowOfProject(const DataGrid* grid, int projectID)
{
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->records().value(r, "projectID").toInt() == projectID)
            return r;
    return -1;
}
} // namespace

class ProjectWindowsTest : public UiTest {};

TEST_P(ProjectWindowsTest, AProjectWithBillsCannotBeDeleted)
{
    const int withBills = insertTestProject(*dm, userID, QStringLiteral("有下料单"));
    const int empty = insertTestProject(*dm, userID, QStringLiteral("空工程"));
    insertTestProject(*dm, insertTestUser(*dm, "bob", "Bob"), QStringLiteral("别人的"));
    insertTestBill(*dm, withBills, {"1"});

    Tfrm_Quellar w(*ctx);
    ASSERT_EQ(w.grid()->rowCount(), 2);   // only the user's own projects

    w.grid()->setCurrentRecord(rowOfProject(w.grid(), withBills));
    w.deleteClick();
    EXPECT_EQ(prompt.texts(), QStringList{kHasBills});   // refused before any question
    EXPECT_TRUE(projectHasBills(*dm, withBills));
    EXPECT_EQ(w.grid()->rowCount(), 2);

    // No: nothing happens; Yes: the project goes.
    prompt.clear();
    prompt.answers = {false, true};
    w.grid()->setCurrentRecord(rowOfProject(w.grid(), empty));
    w.deleteClick();
    EXPECT_EQ(w.grid()->rowCount(), 2);
    w.grid()->setCurrentRecord(rowOfProject(w.grid(), empty));
    w.deleteClick();
    ASSERT_EQ(w.grid()->rowCount(), 1);
    EXPECT_EQ(rowOfProject(w.grid(), empty), -1);
    EXPECT_EQ(countRows(*dm, "mainProject", "projectID", withBills), 1);
}

TEST_P(ProjectWindowsTest, DeletingFromAnEmptyListSaysThereIsNoRecord)
{
    Tfrm_Quellar w(*ctx);
    EXPECT_EQ(w.grid()->rowCount(), 0);
    w.deleteClick();
    EXPECT_EQ(prompt.texts(), QStringList{QStringLiteral("当前没有记录")});
}

TEST_P(ProjectWindowsTest, SearchShowsMatchingProjectsAndAnEmptyGridForNoMatch)
{
    insertTestProject(*dm, userID, QStringLiteral("阳光花园"));
    insertTestProject(*dm, userID, QStringLiteral("滨江一号"));
    Tfrm_Quellar w(*ctx);
    w.searchEdit()->setText(QStringLiteral(" 花园 "));
    w.queryByName();
    ASSERT_EQ(w.grid()->rowCount(), 1);
    EXPECT_EQ(w.grid()->records().text(0, "proJectName"), QStringLiteral("阳光花园"));
    w.searchEdit()->setText("zzz");
    w.queryByName();
    EXPECT_EQ(w.grid()->rowCount(), 0);
}

TEST_P(ProjectWindowsTest, ALostConnectionEmptiesTheListWithTheConnectionMessage)
{
    insertTestProject(*dm, userID, "P");
    Tfrm_Quellar w(*ctx);
    ASSERT_EQ(w.grid()->rowCount(), 1);
    dm->close();
    w.queryByName();
    EXPECT_EQ(prompt.texts(), QStringList{kDbErrorText});
    EXPECT_EQ(w.grid()->rowCount(), 0);
}

TEST_P(ProjectWindowsTest, AddProjectRequiresANameAndStoresTheDialogsValues)
{
    Tfrm_Quellar w(*ctx);
    whenModal<Tfrm_addProject>([this](Tfrm_addProject* d) {
        EXPECT_EQ(d->startDateEdit()->date(), QDate::currentDate());
        d->nameEdit()->setText("   ");
        d->saveClick();
        EXPECT_EQ(prompt.texts(), QStringList{QStringLiteral("工程名称不能为空")});
        EXPECT_TRUE(d->isVisible());
        d->nameEdit()->setText(QStringLiteral(" 御景湾 "));
        d->startDateEdit()->setDate(QDate(2026, 5, 1));
        d->endDateEdit()->setDate(QDate(2026, 4, 1));   // before the order date: accepted
        d->descEdit()->setText(QStringLiteral("三期"));
        d->remarkEdit()->setText(QStringLiteral("加急 'A'"));
        d->saveClick();
        EXPECT_FALSE(d->isVisible());
    });
    w.addClick();
    EXPECT_EQ(prompt.last(), QStringLiteral("操作成功"));
    ASSERT_EQ(w.grid()->rowCount(), 1);
    const RecordSet& rs = w.grid()->records();
    EXPECT_EQ(rs.text(0, "proJectName"), QStringLiteral("御景湾"));
    EXPECT_EQ(rs.text(0, "startDate"), "2026-05-01");
    EXPECT_EQ(rs.text(0, "endDate"), "2026-04-01");
    EXPECT_EQ(rs.text(0, "projectDesc"), QStringLiteral("三期"));
    EXPECT_EQ(rs.text(0, "remark"), QStringLiteral("加急 'A'"));
    EXPECT_EQ(rs.text(0, "username"), QStringLiteral("张三"));
}

TEST_P(ProjectWindowsTest, OpenProjectDialogFillsTheWorkspaceTree)
{
    const int bob = insertTestUser(*dm, "bob", QStringLiteral("李四"));
    const int own = insertTestProject(*dm, userID, QStringLiteral("自己的工程"));
    const int granted = insertTestProject(*dm, bob, QStringLiteral("授权的工程"));
    insertTestProject(*dm, bob, QStringLiteral("看不到的工程"));
    grantTestProject(*dm, userID, granted);

    Tfrm_Feeding w(*ctx);
    EXPECT_EQ(w.projectTree()->topLevelItemCount(), 0);
    whenModal<Tfrm_openProject>([&](Tfrm_openProject* d) {
        ASSERT_EQ(d->list()->topLevelItemCount(), 2);
        // A search without a match keeps the list; one with a match refills it.
        d->searchEdit()->setText("zzz");
        d->queryByName();
        EXPECT_EQ(d->list()->topLevelItemCount(), 2);
        d->searchEdit()->setText(QStringLiteral("授权"));
        d->queryByName();
        ASSERT_EQ(d->list()->topLevelItemCount(), 1);
        EXPECT_EQ(d->list()->topLevelItem(0)->text(6), QStringLiteral("李四"));
        d->searchEdit()->clear();
        d->queryByName();
        EXPECT_TRUE(d->tickProject(own));
        EXPECT_TRUE(d->tickProject(granted));
        d->openClick();
    });
    w.openProjectClick();

    EXPECT_EQ(session.OpenedProjectIDs.size(), 2);
    EXPECT_TRUE(session.OpenedProjectIDs.contains(own));
    EXPECT_TRUE(session.OpenedProjectIDs.contains(granted));
    ASSERT_EQ(w.projectTree()->topLevelItemCount(), 1);
    const QTreeWidgetItem* root = w.projectTree()->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("工程项目"));
    ASSERT_EQ(root->childCount(), 2);
    const QTreeWidgetItem* first = root->child(0);
    EXPECT_EQ(first->text(0), QStringLiteral("自己的工程"));
    ASSERT_EQ(first->childCount(), 4);
    EXPECT_TRUE(first->child(0)->text(0).startsWith(QStringLiteral("创建日期:20")));
    EXPECT_EQ(first->child(1)->text(0), QStringLiteral("下单日期:2026-03-01"));
    EXPECT_EQ(first->child(2)->text(0), QStringLiteral("发货日期:2026-04-15"));
    EXPECT_EQ(first->child(3)->text(0), QStringLiteral("创建人:张三"));
    EXPECT_EQ(root->child(1)->child(3)->text(0), QStringLiteral("创建人:李四"));
    EXPECT_TRUE(first->isExpanded());

    // Closing the dialog without opening leaves the tree empty and the list as it was.
    whenModal<Tfrm_openProject>([](Tfrm_openProject* d) { d->reject(); });
    w.openProjectClick();
    EXPECT_EQ(w.projectTree()->topLevelItemCount(), 0);
    EXPECT_EQ(session.OpenedProjectIDs.size(), 2);

    // Nothing ticked: the tree holds the root only.
    whenModal<Tfrm_openProject>([](Tfrm_openProject* d) { d->openClick(); });
    w.openProjectClick();
    EXPECT_TRUE(session.OpenedProjectIDs.isEmpty());
    ASSERT_EQ(w.projectTree()->topLevelItemCount(), 1);
    EXPECT_EQ(w.projectTree()->topLevelItem(0)->childCount(), 0);
}

TEST_P(ProjectWindowsTest, ProjectWindowsScreenshot)
{
    if (GetParam() != Backend::Sqlite)
        GTEST_SKIP() << "one picture is enough";
    const int bob = insertTestUser(*dm, "bob", QStringLiteral("李四"));
    const QStringList names = {QStringLiteral("阳光花园三期"), QStringLiteral("滨江一号楼"),
                               QStringLiteral("御景湾A区"), QStringLiteral("金色家园")};
    for (const QString& n : names)
        insertTestProject(*dm, userID, n, QStringLiteral("阳台护栏"));
    grantTestProject(*dm, userID, insertTestProject(*dm, bob, QStringLiteral("城南小区(授权)")));

    Tfrm_Quellar w(*ctx);
    w.grid()->FitGridColumns(5);
    saveScreenshot(&w, "projects-list", QSize(1000, 420));

    Tfrm_addProject add(*ctx);
    add.show();
    add.nameEdit()->setText(QStringLiteral("翠湖天地"));
    add.descEdit()->setText(QStringLiteral("阳台护栏 120 套"));
    saveScreenshot(&add, "projects-add", QSize());

    Tfrm_openProject open(*ctx);
    open.tickProject(w.grid()->records().value(0, "projectID").toInt());
    saveScreenshot(&open, "projects-open", QSize(900, 360));
}

INSTANTIATE_DB_TEST(ProjectWindowsTest);
