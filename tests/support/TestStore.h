#pragma once
// Stores for the tests: the FTP store against the server CTest starts
// (GUARDRAIL_TEST_FTP, served folder GUARDRAIL_TEST_FTP_ROOT) and the local
// folder store in a temporary folder. Each store gets folders of its own, so
// tests never see each other's files.
#include "data/Config.h"
#include "store/FileStore.h"

#include <QString>
#include <memory>

struct TestFtpServer {
    QString host;
    QString port;
    QString root;   // the served folder on this machine
};

// Fails the current test when the environment does not name the server.
TestFtpServer testFtpServer();

// An [FtpTransfer] section for the test server and the given user.
FtpConfig testFtpConfig(const QString& billFolder, const QString& docFolder,
                        const QString& user = QStringLiteral("guardrail"));

// A folder name not used before (per process and run).
QString uniqueFolder(const QString& prefix);

// A TCP port on 127.0.0.1 that accepts connections (the kernel does) but
// never says a word: a server that hangs before its greeting.
class SilentServer {
public:
    SilentServer();
    ~SilentServer();
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;
    int port() const { return m_port; }

private:
    int m_fd = -1;
    int m_port = 0;
};

// A port on 127.0.0.1 with nothing listening.
int closedPort();
