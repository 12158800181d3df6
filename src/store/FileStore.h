#pragma once
// Where diagrams and project documents live: an FTP server or a local folder.
// One interface with the original operation names. Every operation returns
// false (and keeps a reason in lastError()) instead of showing anything: the
// caller shows its own message (StoreMessages.h).
//
// Use: InitFtpClient() before each action, then one or more transfers. A
// store object stands for one action; destroying it closes its connection.
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
    // On nullopt, isConnected() tells "store unreachable" (show nothing)
    // from "no such diagram" (StoreMessages::kDiagramNotFound).
    virtual std::optional<QByteArray> downloadftpfile(const QString& remoteName) = 0;
    // Document download to a local file (an existing file is replaced, and
    // only once the download has succeeded). Releases the connection.
    virtual bool getFtpFile(const QString& remoteName, const QString& localPath) = 0;
    // Releases the connection.
    virtual bool DeleteFtpFile(const QString& remoteName, Folder folder = Folder::ProjectDoc) = 0;

    // The remote (or local) path a file name gets, by the path rule.
    virtual QString remotePath(const QString& remoteName, Folder folder) = 0;
    // The directory the path rule starts from (FTP: the PWD reply); empty
    // before a successful InitFtpClient.
    virtual QString workingDirectory() const = 0;
    // True between a successful InitFtpClient (or the reconnect of
    // downloadftpfile) and an operation that releases the connection.
    virtual bool isConnected() const = 0;
    virtual QString lastError() const = 0;

    // A file name the store accepts: characters that cannot be part of a
    // stored file name (path separators, : * ? " < > | and control
    // characters) become "_". For names built from user texts.
    static QString safeFileName(const QString& name);
};

// The configured store: FTP when [FtpTransfer] serverIP is set, otherwise the
// local folder store under the user's data folder.
std::unique_ptr<FileStore> makeFileStore(const AppConfig& config);
