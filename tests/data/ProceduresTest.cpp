#include "support/TestDb.h"

#include "DetailBillParams.h"
#include "data/Procedures.h"
#include "data/Users.h"

#include <QDate>

class ProceduresTest : public DbTest {
protected:
    int count(const QString& sql, const QVariantList& params = {}) { return dm->scalar(sql, params).toInt(); }
    QString text(const QString& sql, const QVariantList& params = {}) { return dm->scalar(sql, params).toString(); }

    int addUserRow(const QString& login, const QString& password)
    {
        const ProcResult r = dm->callProc("insertProjectUser", {{"@logname", login}, {"@passwd", password},
                                                                {"@username", "张三"}, {"@email", ""},
                                                                {"@telphone", ""}, {"@error", 0}});
        EXPECT_TRUE(r.ok()) << r.message.toStdString();
        return r.out.value("@returnUserID").toInt();
    }
};

TEST_P(ProceduresTest, UserPasswordIsStoredAsHashAndChecked)
{
    const int id = addUserRow("admin", "pa'ss 密码");
    ASSERT_GT(id, 0);
    const QString stored = text("SELECT passwd FROM projectuser WHERE userID = ?", {id});
    EXPECT_TRUE(stored.startsWith("$argon2id$")) << stored.toStdString();
    EXPECT_EQ(verifyLogin(*dm, "  admin ", " pa'ss 密码  "), id);
    EXPECT_EQ(verifyLogin(*dm, "admin", "pa'ss"), std::nullopt);
    EXPECT_EQ(verifyLogin(*dm, "nobody", "pa'ss 密码"), std::nullopt);
    EXPECT_EQ(projectUserCount(*dm), 1);
}

TEST_P(ProceduresTest, DuplicateLoginNameIsRefusedAndNothingWritten)
{
    addUserRow("admin", "a");
    const ProcResult r = dm->callProc("insertProjectUser", {{"@logname", "admin"}, {"@passwd", "b"},
                                                            {"@username", "x"}, {"@error", 0}});
    EXPECT_EQ(r.error, kUniqueViolationError);
    EXPECT_EQ(r.message, "已有同名的登录名，请更换登录名！");
    EXPECT_EQ(count("SELECT COUNT(*) FROM projectuser"), 1);
}

TEST_P(ProceduresTest, LoginChecksEveryRowWithThatName)
{
    // Rows left from before the duplicate check: each logs in as itself.
    dm->run("INSERT INTO projectuser (logname, passwd, username) VALUES (?, ?, ?)", {"wang", hashPassword("one"), "A"});
    dm->run("INSERT INTO projectuser (logname, passwd, username) VALUES (?, ?, ?)", {"wang", hashPassword("two"), "B"});
    const int second = dm->scalar("SELECT MAX(userID) FROM projectuser").toInt();
    EXPECT_EQ(verifyLogin(*dm, "wang", "two"), second);
    EXPECT_EQ(verifyLogin(*dm, "wang", "one"), second - 1);
}

TEST_P(ProceduresTest, EditingAUserWithAnEmptyPasswordKeepsIt)
{
    const int id = addUserRow("li", "old");
    QVariantMap edit = {{"@userID", id}, {"@logname", "li"}, {"@passwd", ""}, {"@username", "李四"},
                        {"@email", "li@example.com"}, {"@telphone", "123"}, {"@error", 0}};
    ASSERT_TRUE(dm->callProc("updateprojectuser", edit).ok());
    EXPECT_EQ(verifyLogin(*dm, "li", "old"), id);
    EXPECT_EQ(text("SELECT username FROM projectuser WHERE userID = ?", {id}), "李四");
    edit["@passwd"] = "new";
    ASSERT_TRUE(dm->callProc("updateprojectuser", edit).ok());
    EXPECT_EQ(verifyLogin(*dm, "li", "old"), std::nullopt);
    EXPECT_EQ(verifyLogin(*dm, "li", "new"), id);
    edit["@userID"] = id + 100;
    EXPECT_EQ(dm->callProc("updateprojectuser", edit).error, kRowMissingError);
}

TEST_P(ProceduresTest, FunctionAndDataRights)
{
    const AddUserResult admin = addUser(*dm, {"admin", "pw", "管理员", "", ""}, true);
    ASSERT_TRUE(admin.userID) << admin.reason.toStdString();
    EXPECT_EQ(userFunctions(*dm, *admin.userID), QList<int>({1, 2, 3, 4, 5, 6}));
    const AddUserResult clerk = addUser(*dm, {"clerk", "pw", "文员", "", ""}, false);
    ASSERT_TRUE(clerk.userID);
    EXPECT_FALSE(hasFunction(*dm, *clerk.userID, kFunFeeding));
    for (int i = 0; i < 2; ++i)   // granting twice keeps one row
        ASSERT_TRUE(dm->callProc("insertUserFunAuth", {{"@userID", *clerk.userID}, {"@funID", "1"}}).ok());
    EXPECT_TRUE(hasFunction(*dm, *clerk.userID, kFunFeeding));
    EXPECT_EQ(count("SELECT COUNT(*) FROM userFunAuth WHERE userID = ?", {*clerk.userID}), 1);
    // Granting with no selected user is refused.
    EXPECT_NE(dm->callProc("insertUserFunAuth", {{"@userID", ""}, {"@funID", "1"}}).error, 0);

    ASSERT_TRUE(dm->callProc("insertUserDataAuth", {{"@userID", *clerk.userID}, {"@projectID", "12"}}).ok());
    EXPECT_EQ(count("SELECT COUNT(*) FROM userDataAuth WHERE userID = ? AND projectID = ?", {*clerk.userID, 12}), 1);

    const AddUserResult again = addUser(*dm, {"admin", "x", "y", "", ""}, true);
    EXPECT_FALSE(again.userID);
    EXPECT_EQ(again.reason, "已有同名的登录名，请更换登录名！");
}

TEST_P(ProceduresTest, ProjectKeepsQuoteChineseAndDates)
{
    const int id = addProject(*dm, "O'Brien 阳台 %_", 3);
    ASSERT_GT(id, 0);
    auto q = dm->run("SELECT * FROM mainproject WHERE projectid = ?", {QString::number(id)});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value("proJectName").toString(), "O'Brien 阳台 %_");
    EXPECT_EQ(q.value("userID").toInt(), 3);
    EXPECT_EQ(q.value("startDate").toDate(), QDate(2026, 12, 1));
    EXPECT_EQ(q.value("endDate").toDate(), QDate(2026, 12, 20));
    EXPECT_TRUE(q.value("CreateDate").toDateTime().isValid());
}

TEST_P(ProceduresTest, UpdateParamsCreatesTheRowOnFirstSave)
{
    QVariantMap p = {{"@userID", "7"},         {"@totalHeight", "1100"},    {"@columnMaxSpace", "1000"},
                     {"@standPipeSpace", "110"}, {"@fixPipeSpace", "100"},    {"@doubleColumnSpace", "0"},
                     {"@spaceCalMethod", "1"},  {"@spacingDefaultLeft", "0"}, {"@spacingDefaultRight", "0"},
                     {"@spacingDefaulttop", "0"}, {"@spacingDefaultlow", "0"}, {"@ColumnMargin", "0"},
                     {"@CrosspieceMargin", "2"}, {"@standpipeLeft", "0"},  {"@StandpipeRight", "0"},
                     {"@StandpipeTop", "0"},    {"@StandpipeLow", "0"},     {"@setpowder", "0.35"},
                     {"@bmpPath", "\\images\\123.bmp"}, {"@error", 0}};
    ASSERT_TRUE(dm->callProc("updateParams", p).ok());
    p["@totalHeight"] = "1200";
    ASSERT_TRUE(dm->callProc("updateParams", p).ok());
    EXPECT_EQ(count("SELECT COUNT(*) FROM paramsDefault WHERE userID = ?", {7}), 1);
    auto q = dm->run("SELECT * FROM paramsDefault WHERE userID = ?", {7});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value("totalHeight").toString(), "1200");
    EXPECT_EQ(q.value("SpacingDefaultTop").toString(), "0");
    EXPECT_DOUBLE_EQ(q.value("setpowder").toDouble(), 0.35);
    EXPECT_EQ(q.value("spaceCalmethod").toInt(), 1);
    EXPECT_EQ(q.value("bmpPath").toString(), "\\images\\123.bmp");
}

TEST_P(ProceduresTest, DecimalThatIsNotANumberFailsAndWritesNothing)
{
    const int before = count("SELECT COUNT(*) FROM mainmaterial");
    const ProcResult r = dm->callProc("insertmainmaterial", {{"@MainMaterialTypeID", "11"}, {"@ModelName", "70x40"},
                                                             {"@Width", "7O"}, {"@error", 0}});
    EXPECT_NE(r.error, 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM mainmaterial"), before);
}

// Base data: each procedure writes what a window reads back.
TEST_P(ProceduresTest, BaseDataProceduresWriteTheirRows)
{
    auto call = [this](const char* name, const QVariantMap& p) {
        const ProcResult r = dm->callProc(name, p);
        EXPECT_TRUE(r.ok()) << name << ": " << r.message.toStdString();
        return r.out;
    };
    const int cate = call("insertMainMaterCate", {{"@MainmaterialTypeName", "装饰件"}})
                         .value("@returnMainmaterialTypeID").toInt();
    call("updateMainMaterCate", {{"@MainmaterialTypeName", "装饰件'2"}, {"@MainmaterialTypeID", QString::number(cate)}});
    EXPECT_EQ(text("SELECT MainmaterialTypeName FROM mainMaterCategory WHERE MainmaterialTypeID = ?", {cate}),
              "装饰件'2");

    const int model = call("insertmainmaterial",
                           {{"@MainMaterialTypeID", 12}, {"@ModelName", "60x60"}, {"@materialType", "60x60x2"},
                            {"@length", "60"}, {"@Width", "60"}, {"@Thick", "2"}, {"@Weight", ""},
                            {"@ShapeType", "方管"}, {"@SurfaceArea", ""}, {"@MHeavy", "3.5"}, {"@girth", "240"},
                            {"@Remark", ""}, {"@Iscommon", "1"}})
                          .value("@returnMainmaterialID").toInt();
    call("updateMainMaterial", {{"@MainmaterialID", model}, {"@ModelName", "60x60"}, {"@materialType", "60x60x2.5"},
                                {"@length", "60"}, {"@Width", "60"}, {"@Thick", "2.5"}, {"@Weight", "0"},
                                {"@ShapeType", "方管"}, {"@SurfaceArea", "0"}, {"@MHeavy", "4"}, {"@girth", "240"},
                                {"@Remark", "r"}, {"@Iscommon", "0"}});
    auto m = dm->run("SELECT * FROM mainmaterial WHERE mainmaterialID = ?", {model});
    ASSERT_TRUE(m.next());
    EXPECT_EQ(m.value("MainMaterialTypeID").toInt(), 12);
    EXPECT_EQ(m.value("Width").toString(), "60");
    EXPECT_EQ(m.value("Thick").toString(), "2.5");
    EXPECT_EQ(m.value("Iscommon").toString(), "0");

    const int type = call("insertpartsType", {{"@PartsTypeName", "玻璃配件"}}).value("@returnPartsTypeID").toInt();
    EXPECT_GT(type, 7);
    call("updatepartsType", {{"@PartsTypeID", type}, {"@PartsTypeName", "玻璃夹"}});
    const int part = call("insertpartsTab", {{"@PartsTypeID", type}, {"@partsName", "玻璃夹"}, {"@PartsQuality", "不锈钢"},
                                             {"@Partsused", "固定玻璃"}, {"@usenumMount", "2"}, {"@Dusting", "不喷粉"},
                                             {"@Remark", ""}})
                         .value("@returnPartsID").toInt();
    call("updatepartsTab", {{"@partsID", part}, {"@partsName", "玻璃夹"}, {"@PartsQuality", "不锈钢"},
                            {"@Partsused", "夹玻璃"}, {"@usenumMount", "4"}, {"@Dusting", "不喷粉"}, {"@Remark", ""}});
    EXPECT_EQ(text("SELECT PartsUsed FROM PartsTab WHERE partsID = ?", {part}), "夹玻璃");
    EXPECT_EQ(text("SELECT usenumMount FROM PartsTab WHERE partsID = ?", {part}), "4");

    for (int i = 0; i < 2; ++i)
        call("insertMainMaterParts", {{"@mainMaterialID", model}, {"@partsID", part}});
    call("updateMainMaterParts", {{"@mainmaterialID", model}, {"@partsID", part}, {"@craftwork", "钻孔"},
                                  {"@UseNum", "2"}, {"@UseNumMount", "1"}, {"@remark", ""}});
    EXPECT_EQ(count("SELECT COUNT(*) FROM mainMaterParts WHERE mainmaterialID = ?", {model}), 1);
    EXPECT_EQ(text("SELECT craftwork FROM mainMaterParts WHERE mainmaterialID = ?", {model}), "钻孔");

    call("insertcolorTab", {{"@ColorValue", "香槟金"}, {"@Remark", ""}});
    EXPECT_EQ(count("SELECT COUNT(*) FROM colorTab WHERE ColorValue = ?", {"香槟金"}), 1);

    const int doc = call("insertMapDocumentCate", {{"@parent_ID", "1"}, {"@name", "施工图"}})
                        .value("@returnMapDocumentTypeID").toInt();
    call("updateMapDocumentCate", {{"@mapDocumentTypeID", doc}, {"@name", "施工图纸"}});
    EXPECT_EQ(text("SELECT name FROM mapDocumentCate WHERE mapDocumentTypeID = ?", {doc}), "施工图纸");
    const QVariantMap out = call("insertprojectMapDocument",
                                 {{"@mapDocumentTypeID", doc}, {"@ProjectID", 5}, {"@mapDocumentTypeName", "施工图纸"},
                                  {"@PojectName", "P"}, {"@mapDocumentName", "a.dwg"}, {"@description", ""},
                                  {"@Remark", ""}, {"@VerNo", "1"}, {"@DocumentPathFileName", "/tmp/a.dwg"},
                                  {"@returnMapDocumentID", 0}});
    EXPECT_GT(out.value("@returnMapDocumentID").toInt(), 0);
    EXPECT_EQ(out.value("@error").toInt(), 0);
}

TEST_P(ProceduresTest, BindingsRefuseASecondBindingOfAPartInOneGroup)
{
    const QVariantMap bind = {{"@partsID", "1"}, {"@projectID", 3}, {"@bindmode", "扶手"}, {"@craftwork", "钻孔"},
                              {"@UseCount", "24"}, {"@BindPartsModel", "60x40"}, {"@remark", ""}};
    ASSERT_TRUE(dm->callProc("insertmountBindParts", bind).ok());
    EXPECT_EQ(dm->callProc("insertmountBindParts", bind).error, kUniqueViolationError);
    QVariantMap other = bind;
    other["@bindmode"] = "立柱";
    EXPECT_TRUE(dm->callProc("insertmountBindParts", other).ok());
    other["@partsID"] = "";   // no part selected
    EXPECT_NE(dm->callProc("insertmountBindParts", other).error, 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM mountBindParts"), 2);

    ASSERT_TRUE(dm->callProc("insertbillBindingParts", {{"@DetailBillID", "9"}, {"@partsID", 2}}).ok());
    EXPECT_EQ(count("SELECT COUNT(*) FROM billBindingParts WHERE DetailBillID = ?", {9}), 1);
}

TEST_P(ProceduresTest, InsertDetailBillWritesTheBillAndFiveResultRows)
{
    const int project = addProject(*dm);
    BillSpec spec;
    spec.suit = "1";
    spec.pin = "2";
    const int bill = addBill(*dm, project, spec);
    ASSERT_GT(bill, 0);
    auto b = dm->run("SELECT Guardraillen || 'X' || GuardrailHeight AS Guardrailsize, a.* FROM DetailBill a "
                     "WHERE DetailBillID = ?",
                     {bill});
    ASSERT_TRUE(b.next());
    EXPECT_EQ(b.value("Guardrailsize").toString(), "2400X1100");
    EXPECT_EQ(b.value("GuardrailPin").toString(), "2");
    EXPECT_EQ(b.value("Standpipetype").toInt(), 0);
    EXPECT_EQ(b.value("galssID").toString(), "");
    EXPECT_EQ(b.value("standpipeWidth").toString(), "20");
    EXPECT_EQ(b.value("CrosspieceHoleNum").toString(), "");
    EXPECT_EQ(b.value("conerSetNum").toString(), "");
    EXPECT_TRUE(b.value("billdate").toDateTime().isValid());

    auto r = dm->run("SELECT mainmaterialName, Size, count, SuitOrderNum, projectID FROM subfieldMaterResult "
                     "WHERE DetailBillID = ? ORDER BY ResultID",
                     {bill});
    QStringList rows;
    while (r.next()) {
        rows << r.value(0).toString() + ':' + r.value(1).toString() + ':' + r.value(2).toString();
        EXPECT_EQ(r.value(3).toString(), "1");
        EXPECT_EQ(r.value(4).toInt(), project);
    }
    EXPECT_EQ(rows, QStringList({"60x40:2400:1", "50x50:1050:4", "40x20:780:6", "20x20:1000:27", ":0:0"}));
}

TEST_P(ProceduresTest, GlassBillStoresEmptyStandpipeColumns)
{
    BillSpec spec;
    spec.suit = "2";
    spec.glass = true;
    spec.glassSize = "700x900";
    spec.glassCount = "3";
    const int bill = addBill(*dm, addProject(*dm), spec);
    ASSERT_GT(bill, 0);
    auto b = dm->run("SELECT * FROM DetailBill WHERE DetailBillID = ?", {bill});
    ASSERT_TRUE(b.next());
    EXPECT_EQ(b.value("Standpipetype").toInt(), 1);
    EXPECT_EQ(b.value("standpipeID").toString(), "");
    EXPECT_EQ(b.value("standpipeWidth").toString(), "");
    EXPECT_EQ(b.value("glassName").toString(), "8");
    EXPECT_EQ(text("SELECT Size FROM subfieldMaterResult WHERE DetailBillID = ? AND mainmaterialName = ?", {bill, "8"}),
              "700x900");
}

TEST_P(ProceduresTest, UpdateDetailBillReplacesTheResultRows)
{
    const int project = addProject(*dm);
    BillSpec spec;
    spec.suit = "1";
    spec.conerSetNum = "";
    const int bill = addBill(*dm, project, spec);
    QVariantMap p = billParams(*dm, project, spec);
    p.remove("@conerSetNum");
    p.remove("@inputLen");
    p.remove("@cornerMode");
    p["@DetailBillID"] = bill;
    p["@SuitOrderNum"] = "5";
    p["@handrailSize"] = "2450";
    const ProcResult r = dm->callProc("updateDetailBill", p);
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.out.value("@returnBillID").toInt(), bill);
    EXPECT_EQ(count("SELECT COUNT(*) FROM subfieldMaterResult WHERE DetailBillID = ?", {bill}), 5);
    EXPECT_EQ(count("SELECT COUNT(*) FROM subfieldMaterResult WHERE DetailBillID = ? AND SuitOrderNum = ?", {bill, "5"}),
              5);
    EXPECT_EQ(text("SELECT Size FROM subfieldMaterResult WHERE DetailBillID = ? AND mainmaterialName = ?",
                   {bill, "60x40"}),
              "2450");
    EXPECT_EQ(text("SELECT SuitOrderNum FROM DetailBill WHERE DetailBillID = ?", {bill}), "5");
}

TEST_P(ProceduresTest, DuplicateSuitOrderIsRefusedWithNothingHalfWritten)
{
    const int project = addProject(*dm);
    BillSpec spec;
    spec.suit = "3*1";
    const int first = addBill(*dm, project, spec);
    ASSERT_GT(first, 0);
    const ProcResult r = dm->callProc("insertDetailBill", billParams(*dm, project, spec));
    EXPECT_EQ(r.error, kUniqueViolationError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM DetailBill"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM subfieldMaterResult"), 5);

    // Renumbering another bill onto an existing number is refused too.
    spec.suit = "3*2";
    const int second = addBill(*dm, project, spec);
    QVariantMap p = billParams(*dm, project, spec);
    p["@DetailBillID"] = second;
    p["@SuitOrderNum"] = "3*1";
    p["@handrailSize"] = "999";
    EXPECT_EQ(dm->callProc("updateDetailBill", p).error, kUniqueViolationError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM subfieldMaterResult WHERE Size = ?", {"999"}), 0);
    // The connection stays usable after the failure.
    EXPECT_GT(addBill(*dm, project, BillSpec{"4"}), 0);
}

TEST_P(ProceduresTest, FailureAfterTheFirstWriteRollsTheWholeProcedureBack)
{
    const int project = addProject(*dm);
    dm->run("ALTER TABLE subfieldMaterResult RENAME TO subfieldMaterResultAway");
    const ProcResult r = dm->callProc("insertDetailBill", billParams(*dm, project, BillSpec{"1"}));
    dm->run("ALTER TABLE subfieldMaterResultAway RENAME TO subfieldMaterResult");
    EXPECT_NE(r.error, 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM DetailBill"), 0);
}

TEST_P(ProceduresTest, CraftRowsOfASuitOrder)
{
    QVariantMap p = {{"@projectID", 4}, {"@GuardrailPin", "2"}, {"@SuitOrderNum", "1"}, {"@craftworkName", "钻孔"},
                     {"@mainmaterialType", "立柱"}, {"@craftworkCount", "8"}, {"@craftworkSize", "50"},
                     {"@Remark", "备注"}, {"@error", 0}};
    const ProcResult r = dm->callProc("insertmainmaterialcraftwork", p);
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    const int id = r.out.value("@returnMainmaterialcraftworkID").toInt();
    p["@mainmaterialcraftworkID"] = id;
    p["@craftworkCount"] = "10";
    ASSERT_TRUE(dm->callProc("updateMainmaterialcraftwork", p).ok());
    auto q = dm->run("SELECT * FROM mainmaterialcraftwork WHERE projectID = ? AND SuitOrderNum = ?", {"4", "1"});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value("craftworkCount").toString(), "10");
    EXPECT_EQ(q.value("remark").toString(), "备注");
    EXPECT_EQ(q.value("GuardrailPin").toString(), "2");
}

TEST_P(ProceduresTest, EveryProcedureOfTheTableIsReachableInAnyCase)
{
    for (const char* name : {"insertProject", "INSERTPROJECTUSER", "updateProjectUser", "insertDetailBill",
                             "updateDetailBill", "insertmainmaterialcraftwork", "updateMainmaterialcraftwork"})
        EXPECT_TRUE(procedureTable().count(QString::fromLatin1(name).toLower())) << name;
    EXPECT_EQ(procedureTable().size(), 26u);
}

INSTANTIATE_DB_TEST(ProceduresTest);
