#include "FtpStore.h"

#include "StoreNames.h"

#include <QFile>
#include <QSaveFile>
#include <QStringEncoder>
#include <curl/curl.h>
#include <mutex>

namespace {

// A diagram is about 20 MB; anything far beyond that is not ours to hold.
constexpr qint64 kMemoryDownloadLimit = 256ll * 1024 * 1024;

void initCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::optional<QByteArray> toGbk(const QString& text)
{
    QStringEncoder gbk("GBK", QStringConverter::Flag::Stateless);
    if (!gbk.isValid()) {
        // A Qt without ICU has no GBK; ASCII is the same in GBK.
        for (QChar c : text)
            if (c.unicode() >= 0x80)
                return std::nullopt;
        return text.toLatin1();
    }
    QByteArray bytes = gbk.encode(text);
    if (gbk.hasError())
        return std::nullopt;
    return bytes;
}

// "a//b" and "a/b" name the same file; servers differ on the first form.
QByteArray collapseSlashes(QByteArray path)
{
    while (path.contains("//"))
        path.replace("//", "/");
    return path;
}

} // namespace

// One request on the control connection: what to send or receive and the
// flags the callbacks leave behind.
struct FtpStore::Transfer {
    QByteArray url;
    std::chrono::milliseconds connectTimeout = kConnectTimeout;
    std::chrono::milliseconds totalTimeout{0};   // 0: no limit beyond the stall checks
    bool noBody = false;
    bool createDirs = false;
    QList<QByteArray> quote;
    QByteArray* memory = nullptr;
    QSaveFile* file = nullptr;
    QFile* upload = nullptr;

    bool loggedIn = false;      // the server accepted the login (prereq reached)
    bool uploadStarted = false; // the server accepted STOR and asked for data

    static int onPrereq(void* self, char*, char*, int, int)
    {
        static_cast<Transfer*>(self)->loggedIn = true;
        return CURL_PREREQFUNC_OK;
    }
    static size_t onWrite(char* data, size_t size, size_t count, void* self)
    {
        auto* t = static_cast<Transfer*>(self);
        const qint64 n = qint64(size * count);
        if (t->memory) {
            if (t->memory->size() + n > kMemoryDownloadLimit)
                return 0;
            t->memory->append(data, n);
            return size_t(n);
        }
        if (t->file)
            return t->file->write(data, n) == n ? size_t(n) : 0;
        return size_t(n);
    }
    static size_t onRead(char* buffer, size_t size, size_t count, void* self)
    {
        auto* t = static_cast<Transfer*>(self);
        t->uploadStarted = true;
        const qint64 n = t->upload->read(buffer, qint64(size * count));
        return n < 0 ? CURL_READFUNC_ABORT : size_t(n);
    }
};

FtpStore::FtpStore(FtpConfig config)
    : m_config(std::move(config))
{
    initCurlOnce();
}

FtpStore::~FtpStore()
{
    release();
}

bool FtpStore::fail(const QString& error)
{
    m_error = error;
    return false;
}

void FtpStore::release()
{
    if (m_curl) {
        // Closing sends QUIT; do not wait long for a server that hangs.
        curl_easy_setopt(m_curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, 2L);
        curl_easy_cleanup(m_curl);
        m_curl = nullptr;
    }
    m_connected = false;
}

bool FtpStore::InitFtpClient()
{
    release();
    m_entryPath.clear();
    return readSettings() && connect(kConnectTimeout);
}

bool FtpStore::readSettings()
{
    m_error.clear();
    m_host.clear();
    m_port = 0;
    const QString host = m_config.serverIP.trimmed();
    static const QString forbidden = QStringLiteral(" /\\@?#[]");
    for (QChar c : host)
        if (forbidden.contains(c) || c.unicode() < 0x20)
            return fail(QStringLiteral("serverIP \"%1\" is not a host name or address").arg(host));
    if (host.isEmpty())
        return fail(QStringLiteral("serverIP is empty"));
    m_host = host.contains(u':') ? u'[' + host + u']' : host;

    bool ok = false;
    const int port = m_config.serverPort.trimmed().toInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return fail(QStringLiteral("serverPort \"%1\" is not a port number").arg(m_config.serverPort));
    m_port = port;
    return true;
}

bool FtpStore::connect(std::chrono::milliseconds timeout)
{
    release();
    m_curl = curl_easy_init();
    if (!m_curl)
        return fail(QStringLiteral("cannot create an FTP client"));

    // Logging in is all this request does; libcurl sends PWD after login.
    Transfer login;
    login.url = "ftp://" + m_host.toUtf8() + '/';
    login.noBody = true;
    login.connectTimeout = timeout;
    login.totalTimeout = timeout;
    if (!run(login, QStringLiteral("log in"))) {
        release();
        return false;
    }
    char* entry = nullptr;
    curl_easy_getinfo(m_curl, CURLINFO_FTP_ENTRY_PATH, &entry);
    if (!entry) {
        release();
        return fail(QStringLiteral("FTP %1:%2: the server did not name its working directory (PWD)")
                        .arg(m_host).arg(m_port));
    }
    m_entryPath = entry;
    m_connected = true;
    return true;
}

bool FtpStore::run(Transfer& t, const QString& what)
{
    CURL* curl = m_curl;
    curl_easy_reset(curl);   // keeps the connection, forgets the last request's options
    char errorText[CURL_ERROR_SIZE] = {};
    const QByteArray user = toGbk(m_config.serverUser).value_or(m_config.serverUser.toUtf8());
    const QByteArray password = toGbk(m_config.serverPassword).value_or(m_config.serverPassword.toUtf8());

    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(curl, CURLOPT_URL, t.url.constData());
    curl_easy_setopt(curl, CURLOPT_PORT, m_port);
    curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(t.connectTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(t.totalTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(kResponseTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, long(kResponseTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_PREREQFUNCTION, &Transfer::onPrereq);
    curl_easy_setopt(curl, CURLOPT_PREREQDATA, &t);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Transfer::onWrite);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    // Folders are created on upload (several CWDs); everything else names
    // the whole path in one command.
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, long(t.createDirs ? CURLFTPMETHOD_MULTICWD : CURLFTPMETHOD_NOCWD));
    curl_easy_setopt(curl, CURLOPT_FTP_CREATE_MISSING_DIRS, long(t.createDirs ? CURLFTP_CREATE_DIR : CURLFTP_CREATE_DIR_NONE));
    if (t.noBody)
        curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    if (t.upload) {
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, &Transfer::onRead);
        curl_easy_setopt(curl, CURLOPT_READDATA, &t);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(t.upload->size()));
    }
    curl_slist* quote = nullptr;
    for (const QByteArray& command : t.quote)
        quote = curl_slist_append(quote, command.constData());
    if (quote)
        curl_easy_setopt(curl, CURLOPT_QUOTE, quote);

    const CURLcode code = curl_easy_perform(curl);
    curl_slist_free_all(quote);
    if (code == CURLE_OK)
        return true;
    QString detail = QString::fromUtf8(errorText).trimmed();
    if (detail.isEmpty())
        detail = QString::fromUtf8(curl_easy_strerror(code));
    return fail(QStringLiteral("FTP %1:%2: %3 failed: %4").arg(m_host).arg(m_port).arg(what, detail));
}

std::optional<QByteArray> FtpStore::serverPath(const QString& remoteName, Folder folder)
{
    m_error.clear();
    const QString& dir = folder == Folder::BillBmp ? m_config.billIDbmpPath : m_config.projectMapDocumentPath;
    if (!StoreNames::checkFileName(remoteName, &m_error) || !StoreNames::checkFolder(dir, &m_error))
        return std::nullopt;
    const QString tail = dir + u'/' + remoteName;
    std::optional<QByteArray> encoded = folder == Folder::BillBmp ? tail.toUtf8() : toGbk(tail);
    if (!encoded) {
        fail(QStringLiteral("\"%1\" has characters that GBK cannot write (or this Qt has no GBK)").arg(tail));
        return std::nullopt;
    }
    return m_entryPath + *encoded;
}

namespace {

// ftp://host/%2F<segments>: the leading %2F makes the path absolute, each
// segment is percent-encoded on its own.
QByteArray urlFor(const QString& host, const QByteArray& serverPath)
{
    QByteArray path = collapseSlashes(serverPath);
    QByteArray url = "ftp://" + host.toUtf8() + '/';
    if (path.startsWith('/')) {
        url += "%2F";
        path.remove(0, 1);
    }
    const QList<QByteArray> segments = path.split('/');
    for (qsizetype i = 0; i < segments.size(); ++i) {
        if (i)
            url += '/';
        url += segments[i].toPercentEncoding();
    }
    return url;
}

} // namespace

bool FtpStore::deleteServerFile(const QByteArray& path)
{
    Transfer t;
    t.url = "ftp://" + m_host.toUtf8() + '/';
    t.noBody = true;
    t.quote = {"DELE " + collapseSlashes(path)};
    return run(t, QStringLiteral("delete"));
}

bool FtpStore::SendFtpFile(const QString& localPath, const QString& remoteName, Folder folder)
{
    if (!m_connected)
        return fail(QStringLiteral("not connected to the FTP server (InitFtpClient)"));
    const std::optional<QByteArray> path = serverPath(remoteName, folder);
    if (!path)
        return false;
    QFile in(localPath);
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(localPath, in.errorString()));

    Transfer t;
    t.url = urlFor(m_host, *path);
    t.createDirs = true;
    t.upload = &in;
    if (run(t, QStringLiteral("upload of %1").arg(remotePath(remoteName, folder))))
        return true;
    // STOR had already emptied the old file: leave no torn copy behind.
    if (t.uploadStarted) {
        const QString reason = m_error;
        deleteServerFile(*path);
        m_error = reason;
    }
    return false;
}

std::optional<QByteArray> FtpStore::downloadftpfile(const QString& remoteName)
{
    // Only a new connection gets the short time-out; the transfer itself
    // (data connection included) has the usual limits.
    if (!m_connected && !(readSettings() && connect(kDisplayConnectTimeout)))
        return std::nullopt;
    const std::optional<QByteArray> path = serverPath(remoteName, Folder::BillBmp);
    if (!path)
        return std::nullopt;
    QByteArray data;
    Transfer t;
    t.url = urlFor(m_host, *path);
    t.memory = &data;
    if (run(t, QStringLiteral("download of %1").arg(remotePath(remoteName, Folder::BillBmp))))
        return data;
    if (!t.loggedIn)
        m_connected = false;   // the connection was lost and could not be regained
    return std::nullopt;
}

bool FtpStore::getFtpFile(const QString& remoteName, const QString& localPath)
{
    if (!m_connected)
        return fail(QStringLiteral("not connected to the FTP server (InitFtpClient)"));
    bool ok = false;
    if (const std::optional<QByteArray> path = serverPath(remoteName, Folder::ProjectDoc)) {
        // The local file is replaced only by a complete download.
        QSaveFile out(localPath);
        if (!out.open(QIODevice::WriteOnly)) {
            fail(QStringLiteral("cannot write %1: %2").arg(localPath, out.errorString()));
        } else {
            Transfer t;
            t.url = urlFor(m_host, *path);
            t.file = &out;
            ok = run(t, QStringLiteral("download of %1").arg(remotePath(remoteName, Folder::ProjectDoc)));
            if (ok && !out.commit())
                ok = fail(QStringLiteral("cannot write %1: %2").arg(localPath, out.errorString()));
            if (!ok)
                out.cancelWriting();
        }
    }
    release();
    return ok;
}

bool FtpStore::DeleteFtpFile(const QString& remoteName, Folder folder)
{
    if (!m_connected)
        return fail(QStringLiteral("not connected to the FTP server (InitFtpClient)"));
    const std::optional<QByteArray> path = serverPath(remoteName, folder);
    const bool ok = path && deleteServerFile(*path);
    release();
    return ok;
}

QString FtpStore::remotePath(const QString& remoteName, Folder folder)
{
    const QString& dir = folder == Folder::BillBmp ? m_config.billIDbmpPath : m_config.projectMapDocumentPath;
    return workingDirectory() + dir + u'/' + remoteName;
}

QString FtpStore::workingDirectory() const
{
    return QString::fromUtf8(m_entryPath);
}
