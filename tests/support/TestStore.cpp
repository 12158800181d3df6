#include "TestStore.h"

#include <QUuid>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <gtest/gtest.h>

TestFtpServer testFtpServer()
{
    const QString address = qEnvironmentVariable("GUARDRAIL_TEST_FTP");
    const QString root = qEnvironmentVariable("GUARDRAIL_TEST_FTP_ROOT");
    EXPECT_FALSE(address.isEmpty() || root.isEmpty())
        << "GUARDRAIL_TEST_FTP and GUARDRAIL_TEST_FTP_ROOT must name the test FTP server (run through ctest)";
    const qsizetype colon = address.lastIndexOf(u':');
    return {address.left(colon), address.mid(colon + 1), root};
}

FtpConfig testFtpConfig(const QString& billFolder, const QString& docFolder, const QString& user)
{
    const TestFtpServer server = testFtpServer();
    FtpConfig c;
    c.serverIP = server.host;
    c.serverPort = server.port;
    c.serverUser = user;
    c.serverPassword = QStringLiteral("secret");
    c.billIDbmpPath = billFolder;
    c.projectMapDocumentPath = docFolder;
    return c;
}

QString uniqueFolder(const QString& prefix)
{
    return prefix + QUuid::createUuid().toString(QUuid::Id128).left(10);
}

namespace {

// A listening socket on 127.0.0.1 with a port of the system's choice.
int listenOnLoopback(int* port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(fd, 8) != 0 || ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ADD_FAILURE() << "cannot listen on 127.0.0.1";
        return fd;
    }
    *port = ntohs(address.sin_port);
    return fd;
}

} // namespace

SilentServer::SilentServer()
{
    m_fd = listenOnLoopback(&m_port);
}

SilentServer::~SilentServer()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

int closedPort()
{
    int port = 0;
    const int fd = listenOnLoopback(&port);
    if (fd >= 0)
        ::close(fd);
    return port;
}
