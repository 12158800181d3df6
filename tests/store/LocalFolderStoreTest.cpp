// What only the local folder store has: its folder must stay inside the
// store, and the store folder must be usable.
#include "store/LocalFolderStore.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Folder = FileStore::Folder;

TEST(LocalFolderStore, FolderCannotLeaveTheStore)
{
    QTemporaryDir dir;
    const QString local = dir.filePath("f.txt");
    QFile f(local);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    for (const QString& folder : {QString("../outside"), QString("a/../../outside"), QString("..\\outside")}) {
        SCOPED_TRACE(folder.toStdString());
        LocalFolderStore store(dir.filePath("store"), "billbmp", folder);
        ASSERT_TRUE(store.InitFtpClient());
        EXPECT_FALSE(store.SendFtpFile(local, "f.txt", Folder::ProjectDoc));
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("outside/f.txt")));
    }
}

TEST(LocalFolderStore, SetUpFailsWhenTheStoreFolderIsAFile)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("store"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    LocalFolderStore store(dir.filePath("store"), "billbmp", "docs");
    EXPECT_FALSE(store.InitFtpClient());
    EXPECT_FALSE(store.lastError().isEmpty());
    EXPECT_FALSE(store.downloadftpfile("BillID_1.bmp").has_value());
    EXPECT_FALSE(store.isConnected());
}
