#include "Config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

bool AppConfig::usesPostgres() const
{
    return db.driver.trimmed().compare("QPSQL", Qt::CaseInsensitive) == 0;
}

QString DatabaseConfig::host() const
{
    QString h = dataSource.trimmed();
    const int colon = h.lastIndexOf(':');
    if (colon > 0)
        h = h.left(colon);
    return h.isEmpty() ? QStringLiteral("127.0.0.1") : h;
}

int DatabaseConfig::port() const
{
    const QString ds = dataSource.trimmed();
    const int colon = ds.lastIndexOf(':');
    bool ok = false;
    const int p = colon > 0 ? ds.mid(colon + 1).toInt(&ok) : 0;
    return ok && p > 0 ? p : 5432;
}

AppConfig AppConfig::load(const QString& path)
{
    AppConfig c;
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        c.path = path;
        QSettings ini(path, QSettings::IniFormat);
        auto text = [&ini](const char* key) { return ini.value(QLatin1String(key)).toString(); };
        c.db.driver = text("Database/Driver");
        c.db.database = text("Database/Database");
        c.db.userID = text("Database/UserID");
        c.db.password = text("Database/DatabasePassword");
        c.db.dataSource = text("Database/DataSource");
        c.companyName = text("TitleCompanyName/CompanyName");
        c.ftp.serverIP = text("FtpTransfer/serverIP");
        c.ftp.serverPort = text("FtpTransfer/serverPort");
        c.ftp.serverUser = text("FtpTransfer/serverUser");
        c.ftp.serverPassword = text("FtpTransfer/serverPassword");
        c.ftp.billIDbmpPath = text("FtpTransfer/billIDbmpPath");
        c.ftp.projectMapDocumentPath = text("FtpTransfer/projectMapDocumentPath");
    }
    if (c.db.driver.trimmed().isEmpty())
        c.db.driver = "SQLITE";
    if (!c.usesPostgres() && c.db.database.trimmed().isEmpty())
        c.db.database = defaultSqlitePath();
    return c;
}

AppConfig AppConfig::loadFromProgramFolder()
{
    const QDir dir(QCoreApplication::applicationDirPath());
    for (const char* name : {"Config.ini", "config.ini"}) {
        const QString p = dir.filePath(QLatin1String(name));
        if (QFileInfo::exists(p))
            return load(p);
    }
    return load(QString());
}

QString AppConfig::defaultSqlitePath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return QDir(dir).filePath("GuardrailProject.sqlite");
}

QString AppConfig::tempFolder()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/temp/";
    QDir().mkpath(dir);
    return dir;
}
