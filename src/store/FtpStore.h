#pragma once
// The file store on an FTP server, through libcurl. Passive mode. Paths
// follow the server's own rule: the directory of the PWD reply after login,
// then the folder exactly as configured (nothing inserted), then "/" and the
// file name. Document paths travel in GBK, diagram paths in UTF-8; the
// directory of the PWD reply is passed on as the server sent it.
#include "FileStore.h"
#include "data/Config.h"

#include <chrono>

class FtpStore : public FileStore {
public:
    // Connect and log in: set-up and the connection of a transfer.
    static constexpr std::chrono::milliseconds kConnectTimeout{2000};
    // The reconnect of a diagram download, which must not hold up a click.
    static constexpr std::chrono::milliseconds kDisplayConnectTimeout{500};
    // Longest wait for any one reply of the server once connected.
    static constexpr std::chrono::seconds kResponseTimeout{15};

    explicit FtpStore(FtpConfig config);
    ~FtpStore() override;
    FtpStore(const FtpStore&) = delete;
    FtpStore& operator=(const FtpStore&) = delete;

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
    struct Transfer;

    // Checks serverIP and serverPort; false is a set-up failure.
    bool readSettings();
    bool connect(std::chrono::milliseconds timeout);
    void release();
    bool fail(const QString& error);
    // The path of a stored file as bytes for the server, or nullopt (and
    // lastError set) when the name, folder or encoding is refused.
    std::optional<QByteArray> serverPath(const QString& remoteName, Folder folder);
    bool deleteServerFile(const QByteArray& path);
    // Runs the prepared transfer; on failure records a reason naming `what`.
    bool run(Transfer& transfer, const QString& what);

    FtpConfig m_config;
    QString m_host;            // as used in the URL ("[...]" for IPv6)
    long m_port = 0;
    void* m_curl = nullptr;    // CURL*, owns the control connection
    bool m_connected = false;
    QByteArray m_entryPath;    // the PWD reply after login
    QString m_error;
};
