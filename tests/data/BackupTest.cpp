#include "support/TestDb.h"

#include "DetailBillParams.h"
#include "data/Backup.h"
#include "data/Lookups.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

class BackupTest : public DbTest {
protected:
    int projects() { return dm->scalar("SELECT COUNT(*) FROM mainProject").toInt(); }
    QString backupFile() { return tempDir.filePath("guardrail.bak"); }
};

TEST_P(BackupTest, BackupChangeRestoreGivesTheDataBack)
{
    const int p = addProject(*dm, "O'Neil 阳台");
    BillSpec b;
    b.suit = "1";
    const int bill = addBill(*dm, p, b);
    ASSERT_GT(bill, 0);
    const BackupOutcome saved = backupDatabase(*dm, backupFile());
    ASSERT_TRUE(saved.ok) << saved.reason.toStdString();
    // A second backup over the first replaces it.
    ASSERT_TRUE(backupDatabase(*dm, backupFile()).ok);

    addProject(*dm, "后来的工程");
    dm->run("DELETE FROM subfieldMaterResult WHERE DetailBillID = ?", {bill});
    dm->run("DELETE FROM DetailBill WHERE DetailBillID = ?", {bill});
    ASSERT_EQ(projects(), 2);

    const BackupOutcome restored = restoreDatabase(*dm, backupFile());
    ASSERT_TRUE(restored.ok) << restored.reason.toStdString();
    ASSERT_TRUE(dm->isOpen());
    EXPECT_EQ(projects(), 1);
    EXPECT_EQ(getProjectName(*dm, p), "O'Neil 阳台");
    EXPECT_EQ(getHandrailPieces(*dm, p), "1");
    // Keys continue after the restored ones.
    EXPECT_GT(addProject(*dm, "新工程"), p);
}

TEST_P(BackupTest, ForeignOrDamagedFileIsRefusedAndTheDatabaseStaysIntact)
{
    addProject(*dm);
    ASSERT_TRUE(backupDatabase(*dm, backupFile()).ok);

    const QString text = tempDir.filePath("notes.bak");
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("这不是备份 just text\n");
    }
    const QString otherDb = tempDir.filePath("other.sqlite");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other_app");
        db.setDatabaseName(otherDb);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec("CREATE TABLE notes (id INTEGER, body TEXT)");
        db.close();
    }
    QSqlDatabase::removeDatabase("other_app");
    const QString truncated = tempDir.filePath("truncated.bak");
    {
        QFile in(backupFile());
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        QFile out(truncated);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(in.read(in.size() / 2));
    }

    for (const QString& file : {text, otherDb, truncated, tempDir.filePath("missing.bak")}) {
        const BackupOutcome r = restoreDatabase(*dm, file);
        EXPECT_FALSE(r.ok) << file.toStdString();
        EXPECT_FALSE(r.reason.isEmpty());
        ASSERT_TRUE(dm->isOpen()) << file.toStdString();
        EXPECT_EQ(projects(), 1) << file.toStdString();
    }
}

INSTANTIATE_DB_TEST(BackupTest);
