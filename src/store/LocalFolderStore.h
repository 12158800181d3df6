#pragma once
// The file store of a single-workstation installation: a folder on this
// computer plays the FTP server. Its root stands for the server directory
// "/", so a file lives at root + "/" + folder + "/" + name, with the folder
// exactly as configured. Every write goes through a temporary file, so a
// reader never sees half a file.
#include "FileStore.h"

class LocalFolderStore : public FileStore {
public:
    LocalFolderStore(QString root, QString billBmpFolder, QString projectDocFolder);

    // <AppDataLocation>/store
    static QString defaultRoot();

    bool InitFtpClient() override;
    bool SendFtpFile(const QString& localPath, const QString& remoteName, Folder folder) override;
    std::optional<QByteArray> downloadftpfile(const QString& remoteName) override;
    bool getFtpFile(const QString& remoteName, const QString& localPath) override;
    bool DeleteFtpFile(const QString& remoteName, Folder folder) override;

    QString remotePath(const QString& remoteName, Folder folder) override;
    QString workingDirectory() const override;
    bool isConnected() const override { return m_connected; }
    QString lastError() const override { return m_error; }

private:
    // The stored file's path, or empty (and lastError set) when the name or
    // folder is refused or the store is not set up.
    QString storedPath(const QString& remoteName, Folder folder);
    bool fail(const QString& error);

    QString m_root;
    QString m_billBmpFolder;
    QString m_projectDocFolder;
    bool m_connected = false;
    QString m_error;
};
