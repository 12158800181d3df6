#include "support/CtlRunner.h"
#include "support/TestDb.h"

#include "data/Users.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

// guardrailctl against the test database, through a Config.ini of its own.
class CtlTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        iniPath = tempDir.filePath("Config.ini");
        writeConfigIni(config, iniPath);
    }

    CtlResult ctl(const QStringList& args, const QString& ini = {})
    {
        return runGuardrailctl(QStringList{"--config", ini.isEmpty() ? iniPath : ini} + args);
    }

    QString iniPath;
};

TEST_P(CtlTest, InitIsIdempotent)
{
    for (int i = 0; i < 2; ++i) {
        const CtlResult r = ctl({"init"});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM funTab").toInt(), 6);
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM schemaVersion").toInt(), 1);
}

TEST_P(CtlTest, UserAddWithAllFunctions)
{
    const CtlResult r = ctl({"user", "add", "--login", "admin", "--password", "s3cret'密", "--name", "管理员",
                       "--all-functions"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const int id = QJsonDocument::fromJson(r.out.toUtf8()).object().value("userID").toInt();
    ASSERT_GT(id, 0);
    EXPECT_EQ(verifyLogin(*dm, "admin", "s3cret'密"), id);
    EXPECT_EQ(userFunctions(*dm, id).size(), kFunctionCount);

    const CtlResult again = ctl({"user", "add", "--login", "admin", "--password", "x", "--name", "y"});
    EXPECT_NE(again.exitCode, 0);
    EXPECT_EQ(again.err.trimmed(), "已有同名的登录名，请更换登录名！");
    EXPECT_NE(ctl({"user", "add", "--login", "x"}).exitCode, 0);
}

TEST_P(CtlTest, TotalsOfAnEmptyProjectAreZero)
{
    const int project =
        dm->callProc("insertProject", {{"@proJectName", "空"}, {"@userID", 1}}).out.value("@returnProjectID").toInt();
    const CtlResult r = ctl({"totals", "--project", QString::number(project)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    const QStringList keys = {"getTotalMeters",    "getTotalInputLength", "getTotalSurface", "getTotalWeight",
                              "getGuardrailSets",  "getHandrailPieces",   "getColumnTotal",  "getBayTotal",
                              "getCrosspiecePieces", "getHoleTotal",      "getStandpipeTotal"};
    EXPECT_EQ(o.keys().size(), keys.size());
    for (const auto& k : keys) {
        ASSERT_TRUE(o.value(k).isDouble()) << k.toStdString();
        EXPECT_EQ(o.value(k).toDouble(), 0.0) << k.toStdString();
    }
    EXPECT_NE(ctl({"totals", "--project", "99999"}).exitCode, 0);
}

TEST_P(CtlTest, BackupAndRestore)
{
    const QString file = tempDir.filePath("ctl.bak");
    const CtlResult b = ctl({"backup", "--out", file});
    ASSERT_EQ(b.exitCode, 0) << b.err.toStdString();
    const CtlResult r = ctl({"restore", "--from", file});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const CtlResult bad = ctl({"restore", "--from", iniPath});
    EXPECT_NE(bad.exitCode, 0);
    EXPECT_EQ(bad.err.trimmed().count('\n'), 0);
}

TEST_P(CtlTest, UnreachableDatabaseIsOneLineAndNonZero)
{
    const QString ini = tempDir.filePath("down.ini");
    {
        QSettings s(ini, QSettings::IniFormat);
        s.setValue("Database/Driver", "QPSQL");
        s.setValue("Database/DataSource", "127.0.0.1:1");
        s.setValue("Database/Database", "GuardrailProject");
    }
    const CtlResult r = ctl({"init"}, ini);
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.trimmed().startsWith("数据库连接失败,请检查连接")) << r.err.toStdString();
}

INSTANTIATE_DB_TEST(CtlTest);
