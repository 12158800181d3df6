// Both stores behave alike: the FTP store against the real server that
// CTest starts, the local folder store in a temporary folder.
#include "support/TestStore.h"
#include "store/FileStore.h"
#include "store/FtpStore.h"
#include "store/LocalFolderStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Folder = FileStore::Folder;

namespace {

enum class StoreKind { Ftp, Local };

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

class FileStoreTest : public ::testing::TestWithParam<StoreKind> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        billFolder = uniqueFolder("bill");
        docFolder = uniqueFolder("docs");
        if (GetParam() == StoreKind::Local)
            serverRoot = work.filePath("store");
        else
            serverRoot = testFtpServer().root;
        store = makeStore();
    }

    std::unique_ptr<FileStore> makeStore()
    {
        if (GetParam() == StoreKind::Ftp)
            return std::make_unique<FtpStore>(testFtpConfig(billFolder, docFolder));
        return std::make_unique<LocalFolderStore>(serverRoot, billFolder, docFolder);
    }

    // Where a stored file is on this machine (both users of the test
    // server start in "/", the served folder).
    QString storedFile(Folder folder, const QString& name) const
    {
        return serverRoot + '/' + (folder == Folder::BillBmp ? billFolder : docFolder) + '/' + name;
    }

    QString localFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = work.filePath("local/" + name);
        writeFile(path, bytes);
        return path;
    }

    QTemporaryDir work;
    QString serverRoot, billFolder, docFolder;
    std::unique_ptr<FileStore> store;
};

std::string kindName(const ::testing::TestParamInfo<StoreKind>& info)
{
    return info.param == StoreKind::Ftp ? "Ftp" : "Local";
}

} // namespace

TEST_P(FileStoreTest, PathRuleAppendsTheFolderToTheWorkingDirectory)
{
    ASSERT_TRUE(store->InitFtpClient()) << store->lastError().toStdString();
    const QString base = GetParam() == StoreKind::Ftp ? QString("/") : QDir::cleanPath(serverRoot);
    EXPECT_EQ(store->workingDirectory(), base);
    const QString prefix = GetParam() == StoreKind::Ftp ? QString("/") : base + '/';
    EXPECT_EQ(store->remotePath("BillID_57.bmp", Folder::BillBmp), prefix + billFolder + "/BillID_57.bmp");
    EXPECT_EQ(store->remotePath("a.dwg", Folder::ProjectDoc), prefix + docFolder + "/a.dwg");
}

TEST_P(FileStoreTest, UploadReplacesAndDownloadsBothWays)
{
    ASSERT_TRUE(store->InitFtpClient()) << store->lastError().toStdString();
    // One set-up serves several uploads (the corner editor stores all its
    // segments after one set-up).
    ASSERT_TRUE(store->SendFtpFile(localFile("d.bmp", "first version"), "BillID_7.bmp", Folder::BillBmp))
        << store->lastError().toStdString();
    ASSERT_TRUE(store->SendFtpFile(localFile("d.bmp", "second"), "BillID_7.bmp", Folder::BillBmp))
        << store->lastError().toStdString();
    EXPECT_TRUE(store->isConnected());
    EXPECT_EQ(readAll(storedFile(Folder::BillBmp, "BillID_7.bmp")), "second") << "a stored file is replaced, never appended to";

    const std::optional<QByteArray> diagram = store->downloadftpfile("BillID_7.bmp");
    ASSERT_TRUE(diagram.has_value()) << store->lastError().toStdString();
    EXPECT_EQ(*diagram, "second");
    EXPECT_TRUE(store->isConnected()) << "the diagram download keeps the connection";

    ASSERT_TRUE(store->SendFtpFile(localFile("plan.dwg", "drawing"), "plan.dwg", Folder::ProjectDoc));
    const QString target = localFile("existing.dwg", "an older, longer local file");
    ASSERT_TRUE(store->getFtpFile("plan.dwg", target)) << store->lastError().toStdString();
    EXPECT_EQ(readAll(target), "drawing");
    EXPECT_FALSE(store->isConnected()) << "a document download releases the connection";
}

TEST_P(FileStoreTest, EmptyFileRoundTrips)
{
    ASSERT_TRUE(store->InitFtpClient());
    ASSERT_TRUE(store->SendFtpFile(localFile("empty.bmp", ""), "BillID_0.bmp", Folder::BillBmp))
        << store->lastError().toStdString();
    const std::optional<QByteArray> bytes = store->downloadftpfile("BillID_0.bmp");
    ASSERT_TRUE(bytes.has_value()) << store->lastError().toStdString();
    EXPECT_TRUE(bytes->isEmpty());
}

TEST_P(FileStoreTest, DeleteRemovesTheFileAndFailsOnAMissingOne)
{
    ASSERT_TRUE(store->InitFtpClient());
    ASSERT_TRUE(store->SendFtpFile(localFile("x.txt", "x"), "x.txt", Folder::ProjectDoc));
    ASSERT_TRUE(QFileInfo::exists(storedFile(Folder::ProjectDoc, "x.txt")));

    ASSERT_TRUE(store->DeleteFtpFile("x.txt", Folder::ProjectDoc)) << store->lastError().toStdString();
    EXPECT_FALSE(QFileInfo::exists(storedFile(Folder::ProjectDoc, "x.txt")));
    EXPECT_FALSE(store->isConnected()) << "a delete releases the connection";

    ASSERT_TRUE(store->InitFtpClient());
    EXPECT_FALSE(store->DeleteFtpFile("x.txt", Folder::ProjectDoc));
    EXPECT_FALSE(store->lastError().isEmpty());
}

TEST_P(FileStoreTest, MissingFileLeavesLocalFileAlone)
{
    ASSERT_TRUE(store->InitFtpClient());
    const std::optional<QByteArray> diagram = store->downloadftpfile("BillID_404.bmp");
    EXPECT_FALSE(diagram.has_value());
    EXPECT_TRUE(store->isConnected()) << "a missing diagram is not a lost connection";

    const QString target = localFile("keep.dwg", "keep me");
    EXPECT_FALSE(store->getFtpFile("missing.dwg", target));
    EXPECT_FALSE(store->lastError().isEmpty());
    EXPECT_EQ(readAll(target), "keep me");
    EXPECT_EQ(QDir(QFileInfo(target).path()).entryList(QDir::Files).size(), 1) << "no temporary file left behind";
}

TEST_P(FileStoreTest, TransfersNeedASetUp)
{
    const QString local = localFile("a.txt", "a");
    EXPECT_FALSE(store->SendFtpFile(local, "a.txt", Folder::ProjectDoc));
    EXPECT_FALSE(store->getFtpFile("a.txt", work.filePath("out.txt")));
    EXPECT_FALSE(store->DeleteFtpFile("a.txt", Folder::ProjectDoc));
    EXPECT_FALSE(QFileInfo::exists(storedFile(Folder::ProjectDoc, "a.txt")));

    // The diagram display connects by itself.
    EXPECT_FALSE(store->downloadftpfile("BillID_1.bmp").has_value());
    EXPECT_TRUE(store->isConnected());
}

TEST_P(FileStoreTest, UploadOfAMissingLocalFileFails)
{
    ASSERT_TRUE(store->InitFtpClient());
    EXPECT_FALSE(store->SendFtpFile(work.filePath("nowhere.bmp"), "BillID_3.bmp", Folder::BillBmp));
    EXPECT_FALSE(store->lastError().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(storedFile(Folder::BillBmp, "BillID_3.bmp")));
}

TEST_P(FileStoreTest, RefusesNamesThatAreNotPlainFileNames)
{
    ASSERT_TRUE(store->InitFtpClient());
    const QString local = localFile("n.txt", "n");
    for (const QString& name : {QString(), QString("."), QString(".."), QString("../escape.txt"),
                               QString("sub/file.txt"), QString("sub\\file.txt"), QString("a.txt\r\nDELE b.txt")}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(store->SendFtpFile(local, name, Folder::ProjectDoc));
        EXPECT_FALSE(store->lastError().isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(serverRoot + "/escape.txt"));
    EXPECT_FALSE(QFileInfo::exists(storedFile(Folder::ProjectDoc, "sub")));
}

TEST_P(FileStoreTest, DocumentNamesKeepTheirChineseCharacters)
{
    ASSERT_TRUE(store->InitFtpClient());
    const QString name = QStringLiteral("平面图_阳台工程_12_护栏图.dwg");
    ASSERT_TRUE(store->SendFtpFile(localFile("护栏图.dwg", "cad"), name, Folder::ProjectDoc))
        << store->lastError().toStdString();
    EXPECT_EQ(readAll(storedFile(Folder::ProjectDoc, name)), "cad");
    ASSERT_TRUE(store->getFtpFile(name, work.filePath("back.dwg"))) << store->lastError().toStdString();
    EXPECT_EQ(readAll(work.filePath("back.dwg")), "cad");
    ASSERT_TRUE(store->InitFtpClient());
    EXPECT_TRUE(store->DeleteFtpFile(name, Folder::ProjectDoc)) << store->lastError().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Stores, FileStoreTest, ::testing::Values(StoreKind::Ftp, StoreKind::Local), kindName);

TEST(FileStoreNames, SafeFileNameReplacesWhatNoServerStores)
{
    EXPECT_EQ(FileStore::safeFileName(QStringLiteral("门/窗_A:B*?\"<>|\\c\td.dwg")), QStringLiteral("门_窗_A_B_______c_d.dwg"));
    EXPECT_EQ(FileStore::safeFileName(QStringLiteral("平面图 1.dwg")), QStringLiteral("平面图 1.dwg"));
}

TEST(FileStoreFactory, FtpWhenAServerIsNamedOtherwiseTheLocalFolder)
{
    AppConfig config;
    config.ftp.billIDbmpPath = "billbmp";
    config.ftp.projectMapDocumentPath = "docs";
    std::unique_ptr<FileStore> local = makeFileStore(config);
    ASSERT_NE(dynamic_cast<LocalFolderStore*>(local.get()), nullptr);
    EXPECT_TRUE(local->remotePath("BillID_1.bmp", Folder::BillBmp)
                    .endsWith(QCoreApplication::applicationName() + "/store/billbmp/BillID_1.bmp"))
        << local->remotePath("BillID_1.bmp", Folder::BillBmp).toStdString();

    config.ftp.serverIP = "  ";
    EXPECT_NE(dynamic_cast<LocalFolderStore*>(makeFileStore(config).get()), nullptr) << "a blank serverIP";
    config.ftp.serverIP = "127.0.0.1";
    EXPECT_NE(dynamic_cast<FtpStore*>(makeFileStore(config).get()), nullptr);
}
