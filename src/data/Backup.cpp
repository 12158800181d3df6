#include "Backup.h"

#include "DM.h"
#include "Schema.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <filesystem>

namespace {

const QString kNotABackup = QStringLiteral("所选文件不是本系统的数据库备份，数据库未作改动");
const QString kNewerBackup = QStringLiteral("备份文件来自更新版本的程序，不能恢复，数据库未作改动");

BackupOutcome failed(const QString& reason)
{
    return {false, reason};
}

BackupOutcome succeeded()
{
    return {true, {}};
}

// Replaces `to` by `from` in one step (rename over an existing file).
bool replaceFile(const QString& from, const QString& to)
{
    std::error_code ec;
    std::filesystem::rename(from.toStdString(), to.toStdString(), ec);
    return !ec;
}

void removeIfExists(const QString& path)
{
    if (QFileInfo::exists(path))
        QFile::remove(path);
}

// --- SQLite -----------------------------------------------------------------

// Opens the file read-only on a connection of its own and checks that it is
// an intact database of this system, not newer than this program.
QString checkSqliteBackup(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.read(16) != QByteArray("SQLite format 3\0", 16))
        return kNotABackup;
    f.close();
    static QAtomicInt serial;
    const QString name = QStringLiteral("backup_check_%1").arg(serial.fetchAndAddRelaxed(1));
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            problem = kNotABackup;
        } else {
            QSqlQuery q(db);
            const QStringList needed = {"schemaversion", "detailbill", "subfieldmaterresult", "mainproject",
                                        "projectuser", "mainmaterial"};
            int found = 0;
            if (q.exec(QStringLiteral("SELECT LOWER(name) FROM sqlite_master WHERE type = 'table'")))
                while (q.next())
                    found += needed.contains(q.value(0).toString()) ? 1 : 0;
            if (found != needed.size())
                problem = kNotABackup;
            else if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next() || q.value(0).toString() != "ok")
                problem = kNotABackup;
            else if (!q.exec(QStringLiteral("SELECT MAX(version) FROM schemaVersion")) || !q.next())
                problem = kNotABackup;
            else if (q.value(0).toInt() > kSchemaVersion)
                problem = kNewerBackup;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return problem;
}

BackupOutcome backupSqlite(TDM& dm, const QString& path)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    if (target == QFileInfo(dm.config().db.database).absoluteFilePath())
        return failed(QStringLiteral("备份文件不能是数据库文件本身"));
    const QString tmp = target + QStringLiteral(".writing");
    removeIfExists(tmp);
    try {
        dm.run(QStringLiteral("VACUUM INTO ?"), {tmp});
    } catch (const DbError& e) {
        removeIfExists(tmp);
        return failed(QStringLiteral("备份失败：%1").arg(e.text));
    }
    if (!replaceFile(tmp, target)) {
        removeIfExists(tmp);
        return failed(QStringLiteral("备份失败：不能写入 %1").arg(target));
    }
    return succeeded();
}

BackupOutcome restoreSqlite(TDM& dm, const QString& path)
{
    const AppConfig config = dm.config();
    const QString dbPath = QFileInfo(config.db.database).absoluteFilePath();
    const QString incoming = dbPath + QStringLiteral(".restoring");
    const QString previous = dbPath + QStringLiteral(".previous");
    removeIfExists(incoming);
    if (!QFile::copy(path, incoming))
        return failed(QStringLiteral("无法读取备份文件：%1").arg(path));
    // Checked on the copy, so that the file put in place is the one checked.
    const QString problem = checkSqliteBackup(incoming);
    for (const char* suffix : {"-wal", "-shm"})
        removeIfExists(incoming + QLatin1String(suffix));
    if (!problem.isEmpty()) {
        removeIfExists(incoming);
        return failed(problem);
    }
    dm.close();
    removeIfExists(previous);
    const bool moved = replaceFile(dbPath, previous);
    for (const char* suffix : {"-wal", "-shm"})
        removeIfExists(dbPath + QLatin1String(suffix));
    if (!moved || !replaceFile(incoming, dbPath)) {
        if (moved)
            replaceFile(previous, dbPath);
        removeIfExists(incoming);
        dm.open(config);
        return failed(QStringLiteral("恢复失败：不能替换数据库文件，数据库未作改动"));
    }
    if (!dm.open(config)) {
        const QString why = dm.lastError();
        replaceFile(previous, dbPath);
        dm.open(config);
        return failed(QStringLiteral("恢复失败：%1，数据库未作改动").arg(why));
    }
    removeIfExists(previous);
    return succeeded();
}

// --- PostgreSQL ---------------------------------------------------------------

// pg_dump / pg_restore on PATH, else the newest installed server's.
QString pgTool(const QString& name)
{
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty())
        return onPath;
    QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(), [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    for (auto it = versions.rbegin(); it != versions.rend(); ++it) {
        const QString p = QStringLiteral("/usr/lib/postgresql/%1/bin/%2").arg(*it, name);
        if (QFileInfo(p).isExecutable())
            return p;
    }
    return {};
}

struct ToolRun {
    bool ok = false;
    QString output;
    QString error;
};

ToolRun runPgTool(const AppConfig& config, const QString& tool, const QStringList& args)
{
    ToolRun r;
    const QString program = pgTool(tool);
    if (program.isEmpty()) {
        r.error = QStringLiteral("找不到 %1 (postgresql-client)").arg(tool);
        return r;
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PGPASSWORD"), config.db.password);
    env.insert(QStringLiteral("PGCONNECT_TIMEOUT"), QStringLiteral("2"));
    // A client that holds a lock makes the restore fail instead of wait.
    env.insert(QStringLiteral("PGOPTIONS"), QStringLiteral("-c lock_timeout=10000"));
    p.setProcessEnvironment(env);
    QStringList all = {QStringLiteral("-h"), config.db.host(), QStringLiteral("-p"), QString::number(config.db.port())};
    if (!config.db.userID.isEmpty())
        all << QStringLiteral("-U") << config.db.userID;
    all << args;
    p.start(program, all);
    if (!p.waitForStarted() || !p.waitForFinished(30 * 60 * 1000)) {
        p.kill();
        r.error = QStringLiteral("%1 did not finish").arg(tool);
        return r;
    }
    r.output = QString::fromUtf8(p.readAllStandardOutput());
    r.error = QString::fromUtf8(p.readAllStandardError()).trimmed();
    r.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return r;
}

QString lastLine(const QString& text)
{
    const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last().trimmed();
}

BackupOutcome backupPostgres(TDM& dm, const QString& path)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const QString tmp = target + QStringLiteral(".writing");
    removeIfExists(tmp);
    const ToolRun r = runPgTool(dm.config(), QStringLiteral("pg_dump"),
                                {QStringLiteral("-Fc"), QStringLiteral("-f"), tmp, QStringLiteral("-d"),
                                 dm.config().db.database.trimmed()});
    if (!r.ok || !replaceFile(tmp, target)) {
        removeIfExists(tmp);
        return failed(QStringLiteral("备份失败：%1").arg(lastLine(r.error)));
    }
    return succeeded();
}

QString checkPostgresBackup(const AppConfig& config, const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("无法读取备份文件：%1").arg(path);
    if (f.read(5) != "PGDMP")
        return kNotABackup;
    f.close();
    const ToolRun list = runPgTool(config, QStringLiteral("pg_restore"), {QStringLiteral("-l"), path});
    if (!list.ok)
        return kNotABackup;
    for (const char* table : {"schemaversion", "detailbill", "subfieldmaterresult", "mainproject", "projectuser"})
        if (!list.output.contains(QRegularExpression(QStringLiteral(" TABLE \\S+ %1 ").arg(table))))
            return kNotABackup;
    return {};
}

BackupOutcome restorePostgres(TDM& dm, const QString& path)
{
    const AppConfig config = dm.config();
    const QString problem = checkPostgresBackup(config, path);
    if (!problem.isEmpty())
        return failed(problem);
    dm.close();
    // One transaction: a failure leaves the database as it was.
    const ToolRun r = runPgTool(config, QStringLiteral("pg_restore"),
                                {QStringLiteral("--clean"), QStringLiteral("--if-exists"), QStringLiteral("--no-owner"),
                                 QStringLiteral("--no-privileges"), QStringLiteral("--single-transaction"),
                                 QStringLiteral("-d"), config.db.database.trimmed(), path});
    const bool reopened = dm.open(config);
    if (!r.ok)
        return failed(QStringLiteral("恢复失败：%1，数据库未作改动").arg(lastLine(r.error)));
    if (!reopened)
        return failed(QStringLiteral("恢复后无法连接数据库：%1").arg(dm.lastError()));
    return succeeded();
}

} // namespace

BackupOutcome backupDatabase(TDM& dm, const QString& path)
{
    if (path.trimmed().isEmpty())
        return failed(QStringLiteral("没有选择备份文件"));
    if (!dm.isOpen())
        return failed(kDbErrorText);
    return dm.isPostgres() ? backupPostgres(dm, path) : backupSqlite(dm, path);
}

BackupOutcome restoreDatabase(TDM& dm, const QString& path)
{
    if (path.trimmed().isEmpty() || !QFileInfo(path).isFile())
        return failed(QStringLiteral("无法读取备份文件：%1").arg(path));
    if (!dm.isOpen())
        return failed(kDbErrorText);
    return dm.isPostgres() ? restorePostgres(dm, path) : restoreSqlite(dm, path);
}
