#include "support/TestDb.h"

#include "data/Procedures.h"

class DMTest : public DbTest {};

TEST_P(DMTest, QuoteAndChineseRoundTripThroughBoundParameters)
{
    ASSERT_TRUE(dm->execQuery("CREATE TABLE probeText (id INTEGER, t TEXT)"));
    const QString text = QStringLiteral("A'B 阳台护栏 %_");
    ASSERT_TRUE(dm->execQuery("INSERT INTO probeText (id, t) VALUES (?, ?)", {1, text}));
    auto q = dm->openQuery("SELECT t FROM PROBETEXT WHERE t = ?", {text});
    ASSERT_TRUE(q.has_value());
    ASSERT_TRUE(q->next());
    EXPECT_EQ(q->value("T").toString(), text);
}

TEST_P(DMTest, FailedStatementIsReportedWithTheFixedTextAndCounted)
{
    const auto before = dm->statementCount();
    EXPECT_FALSE(dm->openQuery("SELECT * FROM noSuchTable").has_value());
    EXPECT_EQ(prompt.last(), kDbErrorText);
    EXPECT_EQ(dm->statementCount(), before + 1);
}

TEST_P(DMTest, TransactionRollsBackUnlessCommitted)
{
    ASSERT_TRUE(dm->execQuery("CREATE TABLE probeTx (id INTEGER)"));
    {
        Transaction tx(*dm);
        dm->run("INSERT INTO probeTx (id) VALUES (?)", {1});
    }
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM probeTx").toInt(), 0);
    {
        Transaction tx(*dm);
        dm->run("INSERT INTO probeTx (id) VALUES (?)", {2});
        tx.commit();
    }
    EXPECT_EQ(dm->scalar("SELECT COUNT(*) FROM probeTx").toInt(), 1);
}

TEST_P(DMTest, UnknownProcedureFails)
{
    EXPECT_NE(dm->callProc("noSuchProcedure").error, 0);
}

INSTANTIATE_DB_TEST(DMTest);

TEST(DMConnection, UnreachableServerFailsQuicklyWithoutCrash)
{
    ScriptedPrompt prompt;
    TDM dm(&prompt);
    AppConfig c = AppConfig::load(QString());
    c.db.driver = "QPSQL";
    c.db.dataSource = "127.0.0.1:1";
    c.db.database = "GuardrailProject";
    EXPECT_FALSE(dm.open(c));
    EXPECT_FALSE(dm.openQuery("SELECT 1").has_value());
    EXPECT_EQ(prompt.last(), kDbErrorText);
    prompt.clear();
    EXPECT_NE(dm.callProc("insertProject", {{"@proJectName", "x"}, {"@userID", 1}}).error, 0);
    EXPECT_EQ(prompt.last(), kDbErrorText);
}
