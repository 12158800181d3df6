#pragma once
// Where diagrams and project documents live: an FTP server or a local folder.
// One interface with the original operation names. Every operation returns
// false (and keeps a reason in lastError()) instead of showing anything: the
// caller shows its own message.
#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

struct AppConfig;

class FileStore {
public:
    enum class Folder { BillBmp, ProjectDoc };

    virtual ~FileStore() = default;

    // Connect and log in (FTP: 2000 ms). False when the store cannot be used.
    virtual bool InitFtpClient() = 0;
    // Upload a local file under the folder; replaces a file of the same name.
    virtual bool SendFtpFile(const QString& localPath, const QString& remoteName, Folder folder) = 0;
    // Diagram download into memory (reconnects with 500 ms when needed).
    virtual std::optional<QByteArray> downloadftpfile(const QString& remoteName) = 0;
    // Document download to a local file (an existing file is replaced).
    virtual bool getFtpFile(const QString& remoteName, const QString& localPath) = 0;
    virtual bool DeleteFtpFile(const QString& remoteName, Folder folder = Folder::ProjectDoc) = 0;

    // The remote (or local) path a file name gets, by the path rule.
    virtual QString remotePath(const QString& remoteName, Folder folder) = 0;
    virtual QString lastError() const = 0;
};

// The configured store: FTP when [FtpTransfer] serverIP is set, otherwise the
// local folder store under the user's data folder.
std::unique_ptr<FileStore> makeFileStore(const AppConfig& config);
