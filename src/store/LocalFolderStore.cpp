#include "LocalFolderStore.h"

#include "StoreNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

LocalFolderStore::LocalFolderStore(QString root, QString billBmpFolder, QString projectDocFolder)
    : m_root(std::move(root))
    , m_billBmpFolder(std::move(billBmpFolder))
    , m_projectDocFolder(std::move(projectDocFolder))
{
}

QString LocalFolderStore::defaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/store");
}

bool LocalFolderStore::fail(const QString& error)
{
    m_error = error;
    return false;
}

bool LocalFolderStore::InitFtpClient()
{
    m_connected = false;
    m_error.clear();
    if (m_root.isEmpty())
        return fail(QStringLiteral("no store folder given"));
    if (!QDir().mkpath(m_root))
        return fail(QStringLiteral("cannot create the store folder %1").arg(m_root));
    const QFileInfo info(m_root);
    if (!info.isDir() || !info.isWritable())
        return fail(QStringLiteral("the store folder %1 is not a writable folder").arg(m_root));
    m_connected = true;
    return true;
}

QString LocalFolderStore::remotePath(const QString& remoteName, Folder folder)
{
    const QString& dir = folder == Folder::BillBmp ? m_billBmpFolder : m_projectDocFolder;
    return QDir::cleanPath(m_root + u'/' + dir + u'/' + remoteName);
}

QString LocalFolderStore::workingDirectory() const
{
    return m_connected ? QDir::cleanPath(m_root) : QString();
}

QString LocalFolderStore::storedPath(const QString& remoteName, Folder folder)
{
    m_error.clear();
    if (!m_connected) {
        fail(QStringLiteral("the store is not set up (InitFtpClient)"));
        return {};
    }
    const QString& dir = folder == Folder::BillBmp ? m_billBmpFolder : m_projectDocFolder;
    if (!StoreNames::checkFileName(remoteName, &m_error) || !StoreNames::checkFolderStaysInside(dir, &m_error))
        return {};
    return remotePath(remoteName, folder);
}

bool LocalFolderStore::SendFtpFile(const QString& localPath, const QString& remoteName, Folder folder)
{
    const QString target = storedPath(remoteName, folder);
    if (target.isEmpty())
        return false;
    if (!QFileInfo(localPath).isFile())
        return fail(QStringLiteral("no local file %1").arg(localPath));
    if (!QDir().mkpath(QFileInfo(target).path()))
        return fail(QStringLiteral("cannot create the folder of %1").arg(target));
    return StoreNames::copyAtomically(localPath, target, &m_error);
}

std::optional<QByteArray> LocalFolderStore::downloadftpfile(const QString& remoteName)
{
    if (!m_connected && !InitFtpClient())
        return std::nullopt;
    const QString source = storedPath(remoteName, Folder::BillBmp);
    if (source.isEmpty())
        return std::nullopt;
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1: %2").arg(source, file.errorString()));
        return std::nullopt;
    }
    return file.readAll();
}

bool LocalFolderStore::getFtpFile(const QString& remoteName, const QString& localPath)
{
    const QString source = storedPath(remoteName, Folder::ProjectDoc);
    m_connected = false;   // released after the transfer, as on the FTP store
    if (source.isEmpty())
        return false;
    if (!QFileInfo(source).isFile())
        return fail(QStringLiteral("no stored file %1").arg(source));
    return StoreNames::copyAtomically(source, localPath, &m_error);
}

bool LocalFolderStore::DeleteFtpFile(const QString& remoteName, Folder folder)
{
    const QString target = storedPath(remoteName, folder);
    m_connected = false;
    if (target.isEmpty())
        return false;
    QFile file(target);
    if (!file.exists())
        return fail(QStringLiteral("no stored file %1").arg(target));
    if (!file.remove())
        return fail(QStringLiteral("cannot delete %1: %2").arg(target, file.errorString()));
    return true;
}
