// guardrailctl store check against the test FTP server and a local store.
#include "support/CtlRunner.h"
#include "support/TestStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StoreCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        env.insert("XDG_DATA_HOME", work.filePath("data"));
    }

    QString writeConfig(const FtpConfig& ftp)
    {
        const QString path = work.filePath("Config.ini");
        QSettings ini(path, QSettings::IniFormat);
        ini.setValue("FtpTransfer/serverIP", ftp.serverIP);
        ini.setValue("FtpTransfer/serverPort", ftp.serverPort);
        ini.setValue("FtpTransfer/serverUser", ftp.serverUser);
        ini.setValue("FtpTransfer/serverPassword", ftp.serverPassword);
        ini.setValue("FtpTransfer/billIDbmpPath", ftp.billIDbmpPath);
        ini.setValue("FtpTransfer/projectMapDocumentPath", ftp.projectMapDocumentPath);
        ini.sync();
        return path;
    }

    CtlResult check(const FtpConfig& ftp)
    {
        return runGuardrailctl({"--config", writeConfig(ftp), "store", "check"}, env);
    }

    static void expectOneFailureLine(const CtlResult& r, const QString& mentions)
    {
        ASSERT_TRUE(r.finished);
        EXPECT_NE(r.exitCode, 0);
        const QStringList lines = r.err.trimmed().split('\n');
        EXPECT_EQ(lines.size(), 1) << r.err.toStdString();
        EXPECT_TRUE(lines.last().startsWith("store check failed")) << r.err.toStdString();
        EXPECT_TRUE(lines.last().contains(mentions)) << r.err.toStdString();
        EXPECT_FALSE(r.out.contains("store check passed"));
    }

    QTemporaryDir work;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

} // namespace

TEST_F(StoreCheckTest, PassesOnTheFtpServerAndLeavesNothingBehind)
{
    struct Case {
        QString user;
        QString workingDirectory;
    };
    for (const Case& c : {Case{"guardrail", "/"}, Case{"homeuser", "/home/u"}}) {
        SCOPED_TRACE(c.user.toStdString());
        const QString bills = uniqueFolder("bills"), docs = uniqueFolder("docs");
        const CtlResult r = check(testFtpConfig(bills, docs, c.user));
        ASSERT_TRUE(r.finished);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains("working directory: " + c.workingDirectory + '\n')) << r.out.toStdString();
        const QString base = c.workingDirectory == "/" ? QString("/") : c.workingDirectory;
        EXPECT_TRUE(r.out.contains("-> " + base + bills + "/\n")) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains("-> " + base + docs + "/\n")) << r.out.toStdString();
        EXPECT_EQ(r.out.count(": ok\n"), 6) << r.out.toStdString();
        EXPECT_TRUE(r.out.endsWith("store check passed\n"));

        const QString root = testFtpServer().root;
        EXPECT_TRUE(QDir(root + base + bills).isEmpty(QDir::Files | QDir::NoDotAndDotDot));
        EXPECT_TRUE(QDir(root + base + docs).isEmpty(QDir::Files | QDir::NoDotAndDotDot));
    }
}

TEST_F(StoreCheckTest, FailsWithOneLine)
{
    // A folder name taken by a file: connecting works, the upload cannot.
    const QString blocked = uniqueFolder("file");
    QFile blocker(testFtpServer().root + '/' + blocked);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    struct Case {
        const char* what;
        QString port;
        QString billFolder;
        QString mentions;
    };
    const Case cases[] = {
        {"server down", QString::number(closedPort()), "bills", "cannot connect"},
        {"port not a number", "ftp", "bills", "serverPort"},
        {"folder cannot be made", testFtpServer().port, blocked, "upload of /" + blocked},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FtpConfig ftp = testFtpConfig(c.billFolder, "docs");
        ftp.serverPort = c.port;
        expectOneFailureLine(check(ftp), c.mentions);
    }
}

TEST_F(StoreCheckTest, LocalStoreInTheUsersDataFolder)
{
    const CtlResult r = check(FtpConfig{{}, {}, {}, {}, "billbmp", "docs"});
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString root = work.filePath("data") + "/Talvik/guardrail/store";
    EXPECT_TRUE(r.out.contains("store: local folder " + root + '\n')) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("-> " + root + "/billbmp\n")) << r.out.toStdString();
    EXPECT_TRUE(r.out.endsWith("store check passed\n"));
    EXPECT_TRUE(QDir(root + "/billbmp").isEmpty());
    EXPECT_TRUE(QDir(root + "/docs").isEmpty());
}

TEST_F(StoreCheckTest, LocalStoreThatCannotBeCreatedFails)
{
    const QString parent = work.filePath("data") + "/Talvik/guardrail";
    ASSERT_TRUE(QDir().mkpath(parent));
    QFile blocker(parent + "/store");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    expectOneFailureLine(check(FtpConfig{}), "cannot connect");
}
