#include "support/BillFixture.h"
#include "support/CtlRunner.h"
#include "support/TestDb.h"

#include <QRegularExpression>
#include <QSettings>

class ProjectCommandTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        alice = insertTestUser(*dm, "alice", QStringLiteral("张三"));
        iniPath = tempDir.filePath("Config.ini");
        writeConfigIni(config, iniPath);
    }

    CtlResult ctl(const QStringList& args)
    {
        CtlResult r = runGuardrailctl(QStringList{"--config", iniPath} + args);
        EXPECT_TRUE(r.finished);
        r.out = r.out.trimmed();
        r.err = r.err.trimmed();
        return r;
    }

    int projectCount() { return dm->scalar("select count(*) from mainProject").toInt(); }

    int alice = 0;
    QString iniPath;
};

TEST_P(ProjectCommandTest, AddPrintsTheNewProjectID)
{
    const CtlResult r = ctl({"project", "add", "--user", "alice", "--name", QStringLiteral(" 阳光花园 'B' "), "--start",
                          "2026-03-01", "--end", "2026-04-15", "--desc", QStringLiteral("二期"), "--remark", "R"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QRegularExpressionMatch m = QRegularExpression(R"(^\{"projectID": (\d+)\}$)").match(r.out);
    ASSERT_TRUE(m.hasMatch()) << r.out.toStdString();
    const int id = m.captured(1).toInt();
    auto q = dm->run("select proJectName, userID, startDate, endDate, projectDesc, remark from mainProject "
                     "where projectID = ?",
                     {id});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("阳光花园 'B'"));
    EXPECT_EQ(q.value(1).toInt(), alice);
    EXPECT_EQ(q.value(2).toDate(), QDate(2026, 3, 1));
    EXPECT_EQ(q.value(3).toDate(), QDate(2026, 4, 15));
    EXPECT_EQ(q.value(4).toString(), QStringLiteral("二期"));
    EXPECT_EQ(q.value(5).toString(), "R");
    q.finish();   // an open SQLite statement would keep its read snapshot

    // Dates left out are today.
    const CtlResult today = ctl({"project", "add", "--user", "alice", "--name", "P2"});
    ASSERT_EQ(today.exitCode, 0) << today.err.toStdString();
    EXPECT_EQ(dm->scalar("select startDate from mainProject where proJectName = ?", {"P2"}).toDate(),
              QDate::currentDate());
}

TEST_P(ProjectCommandTest, RefusedInputsWriteNothing)
{
    const struct {
        QStringList args;
        QString error;
    } cases[] = {
        {{"--user", "nobody", "--name", "X"}, "unknown user: nobody"},
        {{"--user", "alice", "--name", "  "}, QStringLiteral("工程名称不能为空")},
        {{"--user", "alice"}, "--name is required"},
        {{"--user", "alice", "--name", "X", "--start", "2026-13-01"}, "--start must be a date YYYY-MM-DD"},
        {{"--user", "alice", "--name", "X", "--colour", "red"}, "unknown option: --colour"},
    };
    for (const auto& c : cases) {
        const CtlResult r = ctl(QStringList{"project", "add"} + c.args);
        EXPECT_EQ(r.exitCode, 1) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.err, c.error);
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(projectCount(), 0);
}

INSTANTIATE_DB_TEST(ProjectCommandTest);
