// What only the FTP store has: the PWD path rule for a user who does not
// start in "/", GBK document paths, set-up failures and time-outs.
#include "support/TestStore.h"
#include "store/FtpStore.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Folder = FileStore::Folder;
using namespace std::chrono_literals;

namespace {

QString writeTemp(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

} // namespace

TEST(FtpStore, NoSeparatorIsInsertedAfterTheWorkingDirectory)
{
    QTemporaryDir dir;
    const QString docs = uniqueFolder("docs");
    FtpStore store(testFtpConfig("billbmp", docs, "homeuser"));
    ASSERT_TRUE(store.InitFtpClient()) << store.lastError().toStdString();
    EXPECT_EQ(store.workingDirectory(), "/home/u");
    EXPECT_EQ(store.remotePath("a.txt", Folder::ProjectDoc), "/home/u" + docs + "/a.txt");

    ASSERT_TRUE(store.SendFtpFile(writeTemp(dir, "a.txt", "A"), "a.txt", Folder::ProjectDoc))
        << store.lastError().toStdString();
    EXPECT_TRUE(QFileInfo::exists(testFtpServer().root + "/home/u" + docs + "/a.txt"));
    EXPECT_FALSE(QFileInfo::exists(testFtpServer().root + "/home/u/" + docs + "/a.txt"));
}

TEST(FtpStore, DocumentPathsTravelInGbk)
{
    // The test server decodes paths as GBK: a name sent in UTF-8 would be
    // stored under other characters.
    QTemporaryDir dir;
    const QString docs = uniqueFolder("文档");
    FtpStore store(testFtpConfig("billbmp", docs));
    ASSERT_TRUE(store.InitFtpClient());
    ASSERT_TRUE(store.SendFtpFile(writeTemp(dir, "f", "gbk"), QStringLiteral("图纸.dwg"), Folder::ProjectDoc))
        << store.lastError().toStdString();
    EXPECT_TRUE(QFileInfo::exists(testFtpServer().root + '/' + docs + QStringLiteral("/图纸.dwg")));

    // Characters without a GBK form are refused rather than sent mangled.
    EXPECT_FALSE(store.SendFtpFile(dir.filePath("f"), QStringLiteral("plan\U0001F600.dwg"), Folder::ProjectDoc));
    EXPECT_TRUE(store.lastError().contains("GBK")) << store.lastError().toStdString();
}

TEST(FtpStore, PortMustBeANumber)
{
    for (const QString& port : {QString(), QString("  "), QString("21a"), QString("ftp"), QString("0"), QString("70000")}) {
        SCOPED_TRACE(port.toStdString());
        FtpConfig config = testFtpConfig("billbmp", "docs");
        config.serverPort = port;
        FtpStore store(config);
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(store.InitFtpClient());
        EXPECT_LT(clock.elapsed(), 200) << "refused before any network traffic";
        EXPECT_TRUE(store.lastError().contains("serverPort")) << store.lastError().toStdString();
        EXPECT_FALSE(store.isConnected());
    }
}

TEST(FtpStore, SetUpFailsOnBadAddressesAndLogins)
{
    struct Case {
        const char* what;
        QString host;
        QString user;
        QString password;
    };
    const Case cases[] = {
        {"host with a path", "127.0.0.1/x", "guardrail", "secret"},
        {"wrong password", QString(), "guardrail", "wrong"},
        {"unknown user", QString(), "nobody", "secret"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FtpConfig config = testFtpConfig("billbmp", "docs", c.user);
        if (!c.host.isEmpty())
            config.serverIP = c.host;
        config.serverPassword = c.password;
        FtpStore store(config);
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(store.InitFtpClient());
        EXPECT_LT(clock.elapsed(), 3000) << "a refused login ends within the set-up time-out";
        EXPECT_FALSE(store.lastError().isEmpty());
        EXPECT_FALSE(store.isConnected());
    }
}

TEST(FtpStore, ServerDownIsRefusedAtOnce)
{
    FtpConfig config = testFtpConfig("billbmp", "docs");
    config.serverPort = QString::number(closedPort());
    FtpStore store(config);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(store.InitFtpClient());
    EXPECT_LT(clock.elapsed(), FtpStore::kConnectTimeout.count());
    EXPECT_TRUE(store.lastError().contains(config.serverPort)) << store.lastError().toStdString();
}

TEST(FtpStore, SilentServerHitsTheTimeOuts)
{
    SilentServer silent;
    FtpConfig config = testFtpConfig("billbmp", "docs");
    config.serverPort = QString::number(silent.port());

    FtpStore store(config);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(store.InitFtpClient());
    EXPECT_GE(clock.elapsed(), FtpStore::kConnectTimeout.count() - 100);
    EXPECT_LT(clock.elapsed(), FtpStore::kConnectTimeout.count() + 1000);

    // The diagram display tries once more, with its shorter time-out, and
    // reports "not connected" rather than "no such diagram".
    clock.restart();
    EXPECT_FALSE(store.downloadftpfile("BillID_1.bmp").has_value());
    EXPECT_LT(clock.elapsed(), FtpStore::kDisplayConnectTimeout.count() + 700);
    EXPECT_FALSE(store.isConnected());
}

TEST(FtpStore, FolderMayBeNestedAndIsCreatedOnUpload)
{
    QTemporaryDir dir;
    const QString nested = uniqueFolder("a") + "/b/c";
    FtpStore store(testFtpConfig(nested, "docs"));
    ASSERT_TRUE(store.InitFtpClient());
    ASSERT_TRUE(store.SendFtpFile(writeTemp(dir, "d", "deep"), "BillID_9.bmp", Folder::BillBmp))
        << store.lastError().toStdString();
    EXPECT_TRUE(QFileInfo::exists(testFtpServer().root + '/' + nested + "/BillID_9.bmp"));
    const std::optional<QByteArray> back = store.downloadftpfile("BillID_9.bmp");
    ASSERT_TRUE(back.has_value()) << store.lastError().toStdString();
    EXPECT_EQ(*back, "deep");
}
