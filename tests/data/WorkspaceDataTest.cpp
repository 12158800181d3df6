#include "support/BillFixture.h"
#include "support/TestDb.h"

#include "data/HandrailSplit.h"
#include "data/Lookups.h"
#include "data/Projects.h"
#include "data/Workspace.h"

class WorkspaceDataTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        alice = insertTestUser(*dm, "alice", QStringLiteral("张三"));
        bob = insertTestUser(*dm, "bob", QStringLiteral("李四"));
    }
    int alice = 0;
    int bob = 0;
};

TEST_P(WorkspaceDataTest, OwnProjectsAreNumberedAndSearchedAsPatterns)
{
    insertTestProject(*dm, alice, QStringLiteral("阳光花园A栋"));
    insertTestProject(*dm, bob, QStringLiteral("阳光花园B栋"));
    insertTestProject(*dm, alice, QStringLiteral("Lake_view 100%"));
    insertTestProject(*dm, alice, QStringLiteral("LakeXview"));

    const RecordSet all = ownProjects(*dm, alice);
    ASSERT_EQ(all.rowCount(), 3);
    EXPECT_EQ(all.text(0, "ROWNUM"), "1");
    EXPECT_EQ(all.text(2, "ROWNUM"), "3");
    EXPECT_EQ(all.text(0, "username"), QStringLiteral("张三"));
    EXPECT_EQ(all.text(0, "startDate"), "2026-03-01");

    const struct {
        QString filter;
        QStringList names;
    } cases[] = {
        {QStringLiteral("花园"), {QStringLiteral("阳光花园A栋")}},
        {"lake_", {"Lake_view 100%", "LakeXview"}},   // "_" stays a pattern character, case ignored
        {"100%", {"Lake_view 100%"}},
        {"nothing", {}},
    };
    for (const auto& c : cases) {
        const RecordSet found = ownProjects(*dm, alice, c.filter);
        QStringList names;
        for (int r = 0; r < found.rowCount(); ++r)
            names << found.text(r, "proJectName");
        EXPECT_EQ(names, c.names) << c.filter.toStdString();
        if (!found.isEmpty()) {
            EXPECT_EQ(found.text(0, "ROWNUM"), "1");   // counts the matching rows only
        }
    }
}

TEST_P(WorkspaceDataTest, OpenableProjectsAddGrantedOnesOrderedByCreator)
{
    const int own = insertTestProject(*dm, bob, QStringLiteral("自己的"));
    const int granted = insertTestProject(*dm, alice, QStringLiteral("授权的"));
    insertTestProject(*dm, alice, QStringLiteral("别人的"));
    grantTestProject(*dm, bob, granted);

    const RecordSet rows = openableProjects(*dm, bob);
    ASSERT_EQ(rows.rowCount(), 2);
    // Ordered by creator name: 张三 (alice) before 李四 (bob) in neither
    // language's order necessarily, so compare the set and the numbering.
    QList<int> ids{rows.value(0, "projectID").toInt(), rows.value(1, "projectID").toInt()};
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (QList<int>{own, granted}));
    EXPECT_EQ(rows.text(0, "ROWNUM"), "1");

    const RecordSet found = openableProjects(*dm, bob, QStringLiteral("授权"));
    ASSERT_EQ(found.rowCount(), 1);
    EXPECT_EQ(found.value(0, "projectID").toInt(), granted);
    EXPECT_EQ(ownProjects(*dm, bob).rowCount(), 1);   // not in the creator's own list
}

TEST_P(WorkspaceDataTest, ProjectWithBillsIsDetectedAndDeleteRemovesOnlyTheProject)
{
    const int withBills = insertTestProject(*dm, alice, "P1");
    const int empty = insertTestProject(*dm, alice, "P2");
    grantTestProject(*dm, bob, empty);
    insertTestBill(*dm, withBills, {"1"});
    EXPECT_TRUE(projectHasBills(*dm, withBills));
    EXPECT_FALSE(projectHasBills(*dm, empty));

    deleteProject(*dm, empty);
    EXPECT_EQ(countRows(*dm, "mainProject", "projectID", empty), 0);
    EXPECT_EQ(countRows(*dm, "userDataAuth", "projectID", empty), 1);   // permissions stay
    EXPECT_EQ(countRows(*dm, "mainProject", "projectID", withBills), 1);
}

TEST_P(WorkspaceDataTest, OpenedProjectsComeWithTheirCreator)
{
    const int p1 = insertTestProject(*dm, alice, "P1");
    const int p2 = insertTestProject(*dm, bob, "P2");
    insertTestProject(*dm, bob, "P3");
    EXPECT_EQ(openedProjects(*dm, {}).rowCount(), 0);
    const RecordSet rows = openedProjects(*dm, {p2, p1});
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.text(0, "proJectName"), "P1");
    EXPECT_EQ(rows.text(1, "username"), QStringLiteral("李四"));
    EXPECT_FALSE(rows.text(0, "CreateDate").isEmpty());
}

TEST_P(WorkspaceDataTest, BillsResultsAndBindingsOfAProject)
{
    const int p = insertTestProject(*dm, alice, "P");
    const int other = insertTestProject(*dm, alice, "Q");
    const int b1 = insertTestBill(*dm, p, {"1", "2400", "1100"});
    const int b2 = insertTestBill(*dm, p, {"2*1", "3000", "1200", "1"});
    insertTestBill(*dm, other, {"1"});
    insertTestBinding(*dm, p, QStringLiteral("立柱"), 8);
    insertTestBinding(*dm, p, QStringLiteral("扶手"), 4);
    insertTestBinding(*dm, p, QStringLiteral("没有的类别"), 1);   // listed only while the category exists

    const RecordSet bills = detailBills(*dm, p);
    ASSERT_EQ(bills.rowCount(), 2);
    EXPECT_EQ(bills.value(0, "DetailBillID").toInt(), b1);
    EXPECT_EQ(bills.text(0, "Guardrailsize"), "2400X1100");
    EXPECT_FALSE(isCornerBill(bills.value(0, "conerSetNum")));
    EXPECT_TRUE(isCornerBill(bills.value(1, "conerSetNum")));
    EXPECT_FALSE(isCornerBill(QVariant()));

    const RecordSet results = materialResults(*dm, b2);
    ASSERT_EQ(results.rowCount(), 4);
    EXPECT_EQ(results.value(0, "MainMaterialTypeID").toInt(), 11);
    EXPECT_EQ(results.text(0, "MainmaterialTypeName"), QStringLiteral("扶手"));
    EXPECT_EQ(results.text(3, "count"), "24");

    const RecordSet bindings = projectBindings(*dm, p);
    ASSERT_EQ(bindings.rowCount(), 2);
    EXPECT_EQ(bindings.text(0, "bindmode"), QStringLiteral("扶手"));   // by category: 11 before 12
    EXPECT_EQ(bindings.text(0, "rownum"), "1");
    EXPECT_EQ(bindings.text(1, "rownum"), "2");
    EXPECT_EQ(bindings.text(1, "UseCount"), "8");
    EXPECT_FALSE(bindings.text(0, "partsName").isEmpty());
    EXPECT_EQ(billDiagramName(b1), QStringLiteral("BillID_%1.bmp").arg(b1));
}

TEST_P(WorkspaceDataTest, DeletingABillRemovesItsRowsInOneTransaction)
{
    const int p = insertTestProject(*dm, alice, "P");
    const int keep = insertTestBill(*dm, p, {"1"});
    const int gone = insertTestBill(*dm, p, {"2"});
    const int part = dm->scalar("select partsID from PartsTab order by partsID limit 1").toInt();
    for (int bill : {keep, gone})
        dm->run("insert into billBindingParts (DetailBillID, partsID) values (?, ?)", {bill, part});

    deleteDetailBill(*dm, gone);
    EXPECT_EQ(countRows(*dm, "DetailBill", "DetailBillID", gone), 0);
    EXPECT_EQ(countRows(*dm, "subfieldMaterResult", "DetailBillID", gone), 0);
    EXPECT_EQ(countRows(*dm, "billBindingParts", "DetailBillID", gone), 0);
    EXPECT_EQ(countRows(*dm, "subfieldMaterResult", "DetailBillID", keep), 4);

    // The last statement fails: the first two are rolled back with it.
    dm->run("alter table billBindingParts rename to billBindingPartsAway");
    EXPECT_THROW(deleteDetailBill(*dm, keep), DbError);
    EXPECT_FALSE(dm->inTransaction());
    EXPECT_EQ(countRows(*dm, "DetailBill", "DetailBillID", keep), 1);
    EXPECT_EQ(countRows(*dm, "subfieldMaterResult", "DetailBillID", keep), 4);
}

TEST_P(WorkspaceDataTest, HandrailSplitReplacesTheHandrailRow)
{
    const int p = insertTestProject(*dm, alice, "P");
    const int bill = insertTestBill(*dm, p, {"3", "5000", "1100", "", "5000", "2"});
    const HandrailResultRow row = handrailResultRow(*dm, p, bill);
    ASSERT_TRUE(row.found);
    EXPECT_EQ(row.SuitOrderNum, "3");
    EXPECT_EQ(row.Size, "5000");

    splitHandrail(*dm, p, bill, row, {{"3#1", 2500.5}, {"3#2", 2499.5}});
    const RecordSet results = materialResults(*dm, bill);
    ASSERT_EQ(results.rowCount(), 5);
    EXPECT_EQ(results.text(0, "SuitOrderNum"), "3#1");
    EXPECT_EQ(results.text(0, "Size"), "2500.5");
    EXPECT_EQ(results.text(1, "SuitOrderNum"), "3#2");
    EXPECT_EQ(results.text(1, "Size"), "2499.5");
    for (int r : {0, 1}) {
        EXPECT_EQ(results.text(r, "count"), "2");
        EXPECT_EQ(results.text(r, "mainmaterialName"), row.mainmaterialName);
        EXPECT_EQ(results.value(r, "MainMaterialTypeID").toInt(), 11);
    }
    EXPECT_EQ(dm->scalar("select count(*) from subfieldMaterResult where ResultID = ?", {row.resultID}).toInt(), 0);

    // The same split again (a stale row) changes nothing.
    EXPECT_THROW(splitHandrail(*dm, p, bill, row, {{"3#1", 2500.5}, {"3#2", 2499.5}}), DbError);
    EXPECT_EQ(materialResults(*dm, bill).rowCount(), 5);
    // The first split row is now the handrail row the dialog reads.
    EXPECT_EQ(handrailResultRow(*dm, p, bill).SuitOrderNum, "3#1");
}

TEST_P(WorkspaceDataTest, BillWithoutHandrailRowHasNothingToSplit)
{
    const int p = insertTestProject(*dm, alice, "P");
    const int bill = insertTestBill(*dm, p, {"1"});
    dm->run("delete from subfieldMaterResult where DetailBillID = ?", {bill});
    EXPECT_FALSE(handrailResultRow(*dm, p, bill).found);
}

INSTANTIATE_DB_TEST(WorkspaceDataTest);
