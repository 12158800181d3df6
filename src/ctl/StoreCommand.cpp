// store check: tries the configured file store the way the windows use it,
// so that an installer can test the [FtpTransfer] settings. Each step prints
// one line; the first failing step ends the check with one line on stderr.
#include "Ctl.h"
#include "store/FileStore.h"
#include "store/LocalFolderStore.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

namespace {

using Folder = FileStore::Folder;

class StoreCheck {
public:
    explicit StoreCheck(const AppConfig& config)
        : m_config(config)
        , m_store(makeFileStore(config))
    {
        const QString stamp = QString::number(QDateTime::currentMSecsSinceEpoch());
        m_diagramName = "guardrail-store-check-" + stamp + ".bmp";
        // A Chinese name, as document names are: it must survive the GBK path.
        m_documentName = QStringLiteral("存储检查_") + stamp + ".txt";
        m_content = "guardrail store check " + stamp.toUtf8() + '\n';
    }

    int run()
    {
        if (!m_work.isValid())
            throw CtlError("store check failed: no temporary folder");
        m_localFile = m_work.filePath("check.txt");
        QFile file(m_localFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(m_content) != m_content.size())
            throw CtlError("store check failed: cannot write " + m_localFile);
        file.close();

        printDescription();
        connect();
        printLine("working directory: " + m_store->workingDirectory().toUtf8());
        printLine("billIDbmpPath: " + folderLine(Folder::BillBmp));
        printLine("projectMapDocumentPath: " + folderLine(Folder::ProjectDoc));

        checkDiagrams();
        checkDocuments();
        printLine("store check passed");
        return 0;
    }

private:
    void printDescription()
    {
        if (m_config.usesFtp()) {
            const FtpConfig& f = m_config.ftp;
            printLine(QStringLiteral("store: FTP %1 port %2, user %3")
                          .arg(f.serverIP.trimmed(), f.serverPort.trimmed(), f.serverUser)
                          .toUtf8());
        } else {
            printLine("store: local folder " + LocalFolderStore::defaultRoot().toUtf8());
        }
    }

    QByteArray folderLine(Folder folder) const
    {
        const QString& configured = folder == Folder::BillBmp ? m_config.ftp.billIDbmpPath
                                                              : m_config.ftp.projectMapDocumentPath;
        return ('"' + configured + "\" -> " + m_store->remotePath(QString(), folder)).toUtf8();
    }

    void connect()
    {
        if (!m_store->InitFtpClient())
            throw CtlError("store check failed: cannot connect: " + m_store->lastError());
    }

    // Ends the check after removing what it has stored.
    [[noreturn]] void fail(const QString& message, const QString& storedName, Folder folder)
    {
        if (!storedName.isEmpty() && m_store->InitFtpClient())
            m_store->DeleteFtpFile(storedName, folder);
        throw CtlError("store check failed: " + message);
    }

    [[noreturn]] void failStep(const QString& what, const QString& name, Folder folder, const QString& storedName)
    {
        fail(what + ' ' + m_store->remotePath(name, folder) + ": " + m_store->lastError(), storedName, folder);
    }

    void step(const QString& what, Folder folder, const QString& name)
    {
        printLine((what + ' ' + m_store->remotePath(name, folder) + ": ok").toUtf8());
    }

    // Diagrams: upload, download into memory (as the workspace shows them), delete.
    void checkDiagrams()
    {
        const Folder folder = Folder::BillBmp;
        if (!m_store->SendFtpFile(m_localFile, m_diagramName, folder))
            failStep("upload of", m_diagramName, folder, QString());
        step("upload", folder, m_diagramName);

        const std::optional<QByteArray> back = m_store->downloadftpfile(m_diagramName);
        if (!back)
            failStep("download of", m_diagramName, folder, m_diagramName);
        if (*back != m_content)
            fail("the downloaded diagram differs from the uploaded file", m_diagramName, folder);
        step("download", folder, m_diagramName);

        if (!m_store->DeleteFtpFile(m_diagramName, folder))
            failStep("delete of", m_diagramName, folder, QString());
        step("delete", folder, m_diagramName);
    }

    // Documents: upload, download to a file, delete; a set-up before each,
    // as the document window does.
    void checkDocuments()
    {
        const Folder folder = Folder::ProjectDoc;
        connect();
        if (!m_store->SendFtpFile(m_localFile, m_documentName, folder))
            failStep("upload of", m_documentName, folder, QString());
        step("upload", folder, m_documentName);

        connect();
        const QString back = m_work.filePath("back.txt");
        if (!m_store->getFtpFile(m_documentName, back))
            failStep("download of", m_documentName, folder, m_documentName);
        QFile file(back);
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != m_content)
            fail("the downloaded document differs from the uploaded file", m_documentName, folder);
        step("download", folder, m_documentName);

        connect();
        if (!m_store->DeleteFtpFile(m_documentName, folder))
            failStep("delete of", m_documentName, folder, QString());
        step("delete", folder, m_documentName);
    }

    const AppConfig& m_config;
    std::unique_ptr<FileStore> m_store;
    QTemporaryDir m_work;
    QString m_localFile;
    QString m_diagramName;
    QString m_documentName;
    QByteArray m_content;
};

} // namespace

int cmdStore(CtlContext& ctx, const QStringList& args)
{
    if (args.value(0) != "check")
        throw CtlError("usage: guardrailctl [--config FILE] store check");
    CtlArgs(args.mid(1), {});
    return StoreCheck(ctx.config()).run();
}
