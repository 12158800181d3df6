#include "support/TestDb.h"

#include "data/Schema.h"

#include <QSqlRecord>

class SchemaTest : public DbTest {
protected:
    QStringList columnsOf(const QString& table)
    {
        auto q = dm->run(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table));
        QStringList out;
        const QSqlRecord rec = q.record();
        for (int i = 0; i < rec.count(); ++i)
            out << rec.fieldName(i).toLower();
        return out;
    }
    static QStringList lower(QStringList l)
    {
        for (auto& s : l)
            s = s.toLower();
        return l;
    }
};

TEST_P(SchemaTest, EveryTableHasItsColumnsInOrder)
{
    for (const auto& t : schemaTables()) {
        QStringList expected;
        for (const auto& c : t.columns)
            expected << c.name.toLower();
        EXPECT_EQ(columnsOf(t.name), expected) << t.name.toStdString();
    }
    ASSERT_EQ(detailBillColumns().size(), 66);
    EXPECT_EQ(detailBillColumns().first(), "projectID");
    EXPECT_EQ(detailBillColumns().at(45), "galssID");
    EXPECT_EQ(detailBillColumns().last(), "remark");
    EXPECT_EQ(subfieldMaterResultColumns(),
              QStringList({"projectID", "DetailBillID", "SuitOrderNum", "mainmaterialID", "mainmaterialName", "Size",
                           "count"}));
}

TEST_P(SchemaTest, ViewsHaveTheColumnsTheSheetsRead)
{
    struct Case {
        const char* view;
        QStringList columns;
    };
    const QStringList feed = {"projectid", "detailbillid", "guardrailcolor", "modename", "shapetype",
                              "size",      "totalfield",   "totalcount",     "mainmater"};
    const Case cases[] = {
        {"mainMaterFeed11_view", feed + QStringList{"inputlen"}},
        {"mainMaterFeed12_view", feed + QStringList{"publiccolumns"}},
        {"mainMaterFeed13_view", feed + QStringList{"crosspieceholenum", "crosspieceholeposition"}},
        {"mainMaterFeed15_view", feed + QStringList{"standpipespace"}},
        {"mainMaterFeed17_view", feed + QStringList{"standpipespace"}},
        {"subfieldMaterResult_view",
         {"resultid", "projectid", "detailbillid", "suitordernum", "mainmaterialid", "mainmaterialname",
          "mainmaterialtypeid", "mainmaterialtypename", "size", "count"}},
        {"handBindParts_view",
         {"projectid", "partsid", "partsname", "bindpartsmodel", "partsquality", "partsused", "partstypename",
          "dusting", "usenum"}},
    };
    for (const auto& c : cases) {
        const QStringList actual = columnsOf(c.view);
        for (const auto& col : c.columns)
            EXPECT_TRUE(actual.contains(col)) << c.view << " lacks " << col.toStdString();
    }
}

TEST_P(SchemaTest, InstallationDataAndStarterCatalogue)
{
    EXPECT_EQ(schemaVersion(*dm), kSchemaVersion);
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM funTab WHERE FunID BETWEEN 1 AND 6").toInt(), 6);
    EXPECT_EQ(dm->scalar("SELECT funName FROM funTab WHERE FunID = ?", {6}).toString(), "系统管理维护");
    for (int id : {11, 12, 13, 15, 17, 18})
        EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM mainMaterCategory WHERE MainmaterialTypeID = ?", {id}).toInt(), 1);
    EXPECT_EQ(dm->scalar("SELECT MainmaterialTypeName FROM mainMaterCategory WHERE MainmaterialTypeID = ?", {18})
                  .toString(),
              "其他");
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM PartsType WHERE PartsTypeID IN (1, 2, 3, 7)").toInt(), 4);
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM craftworkTab WHERE craftworkID < 10 AND craftworkCate = ?",
                         {QStringLiteral("主材下料工艺")})
                  .toInt(),
              9);
    EXPECT_EQ(dm->scalar("SELECT name FROM mapDocumentCate WHERE parent_ID IS NULL").toString(), "图文档分类");
    for (int cat : {11, 12, 13, 15, 17})
        EXPECT_GE(dm->scalar("SELECT COUNT(*) FROM mainmaterial WHERE MainMaterialTypeID = ? AND Remark = ? "
                             "AND Iscommon = 1",
                             {cat, kSampleDataRemark})
                      .toInt(),
                  1)
            << cat;
    EXPECT_GT(dm->scalar("SELECT COUNT(*) FROM colorTab WHERE Remark = ?", {kSampleDataRemark}).toInt(), 0);
    EXPECT_GT(dm->scalar("SELECT COUNT(*) FROM PartsTab WHERE Remark = ?", {kSampleDataRemark}).toInt(), 0);
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM projectuser").toInt(), 0);
}

TEST_P(SchemaTest, ReopeningKeepsDataAndAddsNothing)
{
    dm->run("INSERT INTO colorTab (ColorValue, Remark) VALUES (?, ?)", {"红色", ""});
    const int colours = dm->scalar("SELECT COUNT(*) FROM colorTab").toInt();
    const int crafts = dm->scalar("SELECT COUNT(*) FROM craftworkTab").toInt();
    auto second = openSecondClient();
    EXPECT_EQ(second->scalar("SELECT COUNT(*) FROM colorTab").toInt(), colours);
    EXPECT_EQ(second->scalar("SELECT COUNT(*) FROM craftworkTab").toInt(), crafts);
    EXPECT_EQ(second->scalar("SELECT COUNT(*) FROM schemaVersion").toInt(), 1);
}

TEST_P(SchemaTest, NewRowsGetKeysAboveTheFixedOnes)
{
    struct Case {
        const char* insert;
        int above;
    };
    const Case cases[] = {
        {"INSERT INTO mainMaterCategory (MainmaterialTypeName) VALUES ('x') RETURNING MainmaterialTypeID", 18},
        {"INSERT INTO PartsType (PartsTypeName) VALUES ('x') RETURNING PartsTypeID", 7},
        {"INSERT INTO craftworkTab (craftworkValue) VALUES ('x') RETURNING craftworkID", 9},
        {"INSERT INTO mapDocumentCate (parent_ID, name) VALUES (1, 'x') RETURNING mapDocumentTypeID", 1},
    };
    for (const auto& c : cases)
        EXPECT_GT(dm->scalar(c.insert).toInt(), c.above) << c.insert;
}

TEST_P(SchemaTest, TableNamesAreCaseInsensitive)
{
    dm->run("INSERT INTO mainProject (proJectName, userID) VALUES (?, ?)", {"A'B 阳台", 1});
    EXPECT_EQ(dm->scalar("SELECT PROJECTNAME FROM MAINPROJECT WHERE projectname = ?", {"A'B 阳台"}).toString(),
              "A'B 阳台");
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM mainproject WHERE ProjectID = ?", {"1"}).toInt(), 1);
}

TEST_P(SchemaTest, SuitOrderNumberIsUniqueWithinAProject)
{
    const QString sql = "INSERT INTO DetailBill (projectID, SuitOrderNum) VALUES (?, ?)";
    dm->run(sql, {1, "1"});
    dm->run(sql, {2, "1"});
    try {
        dm->run(sql, {1, "1"});
        FAIL() << "duplicate accepted";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.isUniqueViolation()) << e.what();
    }
}

TEST_P(SchemaTest, AnOlderDatabaseIsUpgradedOnOpen)
{
    dm->run("DROP VIEW mainMaterFeed11_view");
    dm->run("UPDATE schemaVersion SET version = ?", {1});
    dm->run("INSERT INTO colorTab (ColorValue, Remark) VALUES (?, ?)", {"红色", ""});
    auto second = openSecondClient();
    EXPECT_EQ(schemaVersion(*second), kSchemaVersion);
    EXPECT_EQ(second->scalar("SELECT COUNT(*) FROM mainMaterFeed11_view").toInt(), 0);
    EXPECT_EQ(second->scalar("SELECT COUNT(*) FROM colorTab WHERE ColorValue = ?", {"红色"}).toInt(), 1);
}

INSTANTIATE_DB_TEST(SchemaTest);
