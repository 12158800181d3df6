#include "support/TestDb.h"

#include "DetailBillParams.h"
#include "core/SuitOrder.h"
#include "data/Lookups.h"

// A project with a straight bill of two sets (fixed spacing, 20 holes per
// crosspiece), a corner piece of two segments sharing one column, and a glass
// bill; a second, empty project.
class LookupsTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        project = addProject(*dm, "阳台'一期");
        emptyProject = addProject(*dm, "空工程");

        BillSpec straight;
        straight.suit = "1";
        straight.pin = "2";
        straight.holeNum = "20";
        bill1 = addBill(*dm, project, straight);

        BillSpec seg1;
        seg1.suit = "3*1";
        seg1.subfield = "2";
        seg1.handrailSize = "1480";
        seg1.columnCount = "3";
        seg1.crossCount = "4";
        seg1.standCount = "18";
        seg1.conerSetNum = "1";
        seg1.inputLen = "1500";
        seg1.cornerMode = "L转角一端公用立柱";
        seg1.publicColumns = "1";
        seg1.color = "黑色";
        addBill(*dm, project, seg1);
        BillSpec seg2 = seg1;
        seg2.suit = "3*2";
        seg2.subfield = "1";
        seg2.handrailSize = "1180";
        seg2.columnCount = "2";
        seg2.crossCount = "2";
        seg2.standCount = "9";
        seg2.inputLen = "1200";
        seg2.publicColumns = "0";
        addBill(*dm, project, seg2);

        BillSpec glass;
        glass.suit = "4";
        glass.subfield = "2";
        glass.handrailSize = "1800";
        glass.columnCount = "3";
        glass.crossCount = "2";
        glass.glass = true;
        glass.glassSize = "700x900";
        glass.glassCount = "2";
        lastBill = addBill(*dm, project, glass);
        ASSERT_GT(lastBill, 0);
    }

    int project = 0, emptyProject = 0, bill1 = 0, lastBill = 0;
};

TEST_P(LookupsTest, ProjectTotals)
{
    // Handrails: 2400 × 2 sets + 1480 + 1180 + 1800.
    EXPECT_DOUBLE_EQ(getTotalMeters(*dm, project), 9.26);
    // The corner segments count with their input lengths 1500 and 1200.
    EXPECT_DOUBLE_EQ(getTotalInputLength(*dm, project), 9.3);
    EXPECT_EQ(getGuardrailSets(*dm, project), "4");
    EXPECT_EQ(getHandrailPieces(*dm, project), "5");
    // 4 × 2 + 3 + 2 + 3 columns, less the one shared by the corner segments.
    EXPECT_EQ(getColumnTotal(*dm, project), "15");
    EXPECT_EQ(getBayTotal(*dm, project), "11");
    EXPECT_EQ(getCrosspiecePieces(*dm, project), "20");
    EXPECT_EQ(getHoleTotal(*dm, project), "120");
    // The glass bill has no standpipes.
    EXPECT_EQ(getStandpipeTotal(*dm, project), "81");
    // girth × length × pieces: 200·9260 + 200·1050·15 + 120·780·20 + 80·1000·81 mm².
    EXPECT_NEAR(get_totalGirthSurface(*dm, project), 13354000.0, 1e-6);
    EXPECT_NEAR(getTotalSurface(*dm, project), 13.354, 1e-9);
    // kg/m × m × pieces: 2.13·9.26 + 2.72·1.05·15 + 1.09·0.78·20 + 0.6·1.0·81.
    EXPECT_NEAR(getTotalWeight(*dm, project), 128.1678, 1e-9);
}

TEST_P(LookupsTest, EmptyProjectTotalsAreEmptyTextsAndZero)
{
    for (auto fn : {getGuardrailSets, getHandrailPieces, getColumnTotal, getBayTotal, getCrosspiecePieces,
                    getHoleTotal, getStandpipeTotal})
        EXPECT_EQ(fn(*dm, emptyProject), "");
    for (auto fn : {getTotalMeters, getTotalInputLength, getTotalSurface, getTotalWeight})
        EXPECT_EQ(fn(*dm, emptyProject), 0.0);
    EXPECT_FALSE(projectHasBills(*dm, emptyProject));
    EXPECT_EQ(nextConerSetNum(*dm, emptyProject), "1");
    EXPECT_EQ(getProjectColor(*dm, emptyProject), "");
}

TEST_P(LookupsTest, GuardrailSetsCountACornerPieceOnce)
{
    const int p = addProject(*dm);
    BillSpec b;
    b.suit = "1";
    b.pin = "2";
    addBill(*dm, p, b);
    b.pin = "1";
    b.suit = "3*1";
    addBill(*dm, p, b);
    b.suit = "3*2";
    addBill(*dm, p, b);
    EXPECT_EQ(getGuardrailSets(*dm, p), "3");
}

TEST_P(LookupsTest, ViewsCountAllSetsAndLeaveOutAbsentMaterials)
{
    auto q = dm->run("SELECT totalfield, totalcount, Size, modename, mainmater FROM mainMaterFeed13_view "
                     "WHERE DetailBillID = ?",
                     {bill1});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 6);
    EXPECT_EQ(q.value(1).toInt(), 12);
    EXPECT_EQ(q.value(2).toDouble(), 780.0);
    EXPECT_EQ(q.value(3).toString(), "40x20");
    EXPECT_EQ(q.value(4).toString(), "横杆");
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM mainMaterFeed15_view WHERE DetailBillID = ?", {lastBill}).toInt(), 0);
    auto g = dm->run("SELECT Size, totalcount FROM mainMaterFeed17_view WHERE projectID = ?", {project});
    ASSERT_TRUE(g.next());
    EXPECT_EQ(g.value(0).toString(), "700x900");
    EXPECT_EQ(g.value(1).toInt(), 2);
    EXPECT_FALSE(g.next());
    EXPECT_EQ(dm->scalar("SELECT SUM(publicColumns) FROM mainMaterFeed12_view WHERE projectID = ?", {project}).toInt(), 1);
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM mainMaterFeed11_view WHERE projectID = ? AND inputlen = ''", {project})
                  .toInt(),
              2);
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM subfieldMaterResult_view WHERE projectID = ? AND MainMaterialTypeID = ?",
                         {project, 17})
                  .toInt(),
              1);
}

TEST_P(LookupsTest, SuitOrderListsBySize)
{
    EXPECT_EQ(get_SuitOrderNum_feed13view(*dm, project, 780), "1,3*1,3*2,4");
    EXPECT_EQ(get_SuitOrderNum_feed11view(*dm, project, 2400), "1");
    EXPECT_EQ(get_SuitOrderNum_feed11view(*dm, project, 1), "");
    const auto bySize = suitOrderNumsBySize(*dm, project, 11);
    ASSERT_EQ(bySize.size(), 4);
    EXPECT_EQ(bySize.first(), qMakePair(1180.0, QString("3*2")));
    EXPECT_EQ(bySize.last(), qMakePair(2400.0, QString("1")));
}

TEST_P(LookupsTest, BillLookups)
{
    EXPECT_TRUE(suitOrderExists(*dm, project, "3*1"));
    EXPECT_FALSE(suitOrderExists(*dm, project, "3*3"));
    EXPECT_FALSE(suitOrderExists(*dm, emptyProject, "1"));
    EXPECT_TRUE(projectHasBills(*dm, project));
    EXPECT_EQ(getResultSize(*dm, bill1, "60x40"), "2400");
    EXPECT_EQ(getLastBillID(*dm), QString::number(lastBill));
    EXPECT_EQ(nextConerSetNum(*dm, project), "2");
    EXPECT_EQ(getProjectColor(*dm, project), "白色");
    EXPECT_TRUE(projectHasGlass(*dm, project));
    EXPECT_FALSE(projectHasGlass(*dm, emptyProject));
    EXPECT_EQ(suitPrefix("3*2"), "3");
}

TEST_P(LookupsTest, CornerPieceNumbersCountAsNumbers)
{
    dm->run("UPDATE DetailBill SET conerSetNum = ? WHERE SuitOrderNum = ?", {"9", "3*1"});
    dm->run("UPDATE DetailBill SET conerSetNum = ? WHERE SuitOrderNum = ?", {"10", "3*2"});
    EXPECT_EQ(nextConerSetNum(*dm, project), "11");
}

TEST_P(LookupsTest, MaterialLookups)
{
    const QString id = findMaterialID(*dm, "60x40", "矩形管", 11);
    ASSERT_FALSE(id.isEmpty());
    EXPECT_EQ(getMaterialWidth(*dm, id), "60");
    EXPECT_EQ(getMaterialLength(*dm, id), "40");
    EXPECT_EQ(getShapeType(*dm, id), "矩形管");
    EXPECT_EQ(getShapeType(*dm, ""), "");
    EXPECT_EQ(getMaterialType(*dm, "60x40", 11), "60x40x1.4");
    EXPECT_EQ(findMaterialID(*dm, "60x40", "方管", 11), "");
    EXPECT_TRUE(existsMainMaterial(*dm, "60x40", 11, "矩形管"));
    EXPECT_FALSE(existsMainMaterial(*dm, "60x40", 12, "矩形管"));
    EXPECT_TRUE(isModelReferenced(*dm, "60x40", 11));
    EXPECT_TRUE(isModelReferenced(*dm, "8", 17));
    EXPECT_FALSE(isModelReferenced(*dm, "50x50", 11));
    EXPECT_FALSE(isModelReferenced(*dm, "60x40", 18));
}

TEST_P(LookupsTest, ProjectAndUserLookups)
{
    EXPECT_EQ(getProjectName(*dm, project), "阳台'一期");
    EXPECT_EQ(getStartDate(*dm, project), "2026-12-01");
    EXPECT_EQ(getEndDate(*dm, project), "2026-12-20");
    EXPECT_EQ(getBmpPath(*dm, 1), "");
    EXPECT_EQ(getSetPowder(*dm, 1), 0.0);
    ASSERT_TRUE(dm->callProc("updateParams", {{"@userID", 1}, {"@setpowder", "0.35"}, {"@bmpPath", "\\images\\123.bmp"}})
                    .ok());
    EXPECT_EQ(getBmpPath(*dm, 1), "\\images\\123.bmp");
    EXPECT_DOUBLE_EQ(getSetPowder(*dm, 1), 0.35);

    EXPECT_FALSE(projectHasDrilling(*dm, project));
    ASSERT_TRUE(dm->callProc("insertmountBindParts", {{"@partsID", "1"}, {"@projectID", project}, {"@bindmode", "扶手"},
                                                      {"@craftwork", "钻孔"}, {"@UseCount", "24"},
                                                      {"@BindPartsModel", "60x40"}, {"@remark", ""}})
                    .ok());
    EXPECT_TRUE(projectHasDrilling(*dm, project));
    ASSERT_TRUE(dm->callProc("insertbillBindingParts", {{"@DetailBillID", QString::number(bill1)}, {"@partsID", 2}}).ok());
    // Project-wide binding: its total; bill binding: one per set of the bill.
    auto q = dm->run("SELECT partsID, usenum, partsName FROM handBindParts_view WHERE projectID = ? ORDER BY partsID",
                     {project});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(1).toDouble(), 24.0);
    EXPECT_EQ(q.value(2).toString(), "扶手堵头");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(1).toDouble(), 2.0);
}

TEST_P(LookupsTest, NonNumericTextsCountAsZeroInTheViews)
{
    dm->run("UPDATE DetailBill SET GuardrailPin = ? WHERE DetailBillID = ?", {"两", bill1});
    dm->run("UPDATE subfieldMaterResult SET Size = ? WHERE DetailBillID = ? AND mainmaterialName = ?",
            {"", lastBill, "60x40"});
    EXPECT_EQ(getHandrailPieces(*dm, project), "3");
    EXPECT_DOUBLE_EQ(getTotalMeters(*dm, project), 2.66);
}

TEST_P(LookupsTest, DeletingAModelLeavesTheBillsButTheViewsStopShowingIt)
{
    const QString handrail = findMaterialID(*dm, "60x40", "矩形管", 11);
    dm->run("DELETE FROM mainmaterial WHERE mainmaterialID = ?", {handrail.toInt()});
    EXPECT_EQ(getHandrailPieces(*dm, project), "");
    EXPECT_EQ(getColumnTotal(*dm, project), "15");
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM subfieldMaterResult WHERE mainmaterialID = ?", {handrail}).toInt(), 4);
}

INSTANTIATE_DB_TEST(LookupsTest);
