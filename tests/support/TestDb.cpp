#include "TestDb.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSettings>

namespace {

QString pgDataSource()
{
    return qEnvironmentVariable("GUARDRAIL_TEST_PG", QStringLiteral("127.0.0.1:55432"));
}

QString pgTestDatabase()
{
    return QStringLiteral("gt_%1").arg(QCoreApplication::applicationPid());
}

// Runs one statement on a short-lived connection to the given database.
QString runAdmin(const QString& database, const QString& sql)
{
    const QString name = QStringLiteral("test_admin");
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", name);
        const QString ds = pgDataSource();
        db.setHostName(ds.section(':', 0, 0));
        db.setPort(ds.section(':', 1, 1).toInt());
        db.setUserName("postgres");
        db.setDatabaseName(database);
        db.setConnectOptions("connect_timeout=5");
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (!q.exec("SET client_min_messages = warning") || !q.exec(sql))
                error = q.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

} // namespace

std::string backendName(const ::testing::TestParamInfo<Backend>& info)
{
    return info.param == Backend::Sqlite ? "SQLite" : "PostgreSQL";
}

AppConfig freshDatabaseConfig(Backend backend, const QTemporaryDir& dir)
{
    AppConfig c = AppConfig::load(QString());
    if (backend == Backend::Sqlite) {
        c.db.driver = "SQLITE";
        c.db.database = dir.filePath("test.sqlite");
        return c;
    }
    static bool created = false;
    if (!created) {
        const QString err = runAdmin("postgres", QStringLiteral("CREATE DATABASE %1").arg(pgTestDatabase()));
        if (!err.isEmpty() && !err.contains("already exists"))
            ADD_FAILURE() << "PostgreSQL test server not reachable: " << err.toStdString();
        created = true;
    }
    const QString err = runAdmin(pgTestDatabase(), "DROP SCHEMA IF EXISTS public CASCADE; CREATE SCHEMA public");
    if (!err.isEmpty())
        ADD_FAILURE() << "cannot reset the PostgreSQL test database: " << err.toStdString();
    c.db.driver = "QPSQL";
    c.db.dataSource = pgDataSource();
    c.db.database = pgTestDatabase();
    c.db.userID = "postgres";
    return c;
}

void writeConfigIni(const AppConfig& config, const QString& path)
{
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue("Database/Driver", config.db.driver);
    ini.setValue("Database/Database", config.db.database);
    ini.setValue("Database/DataSource", config.db.dataSource);
    ini.setValue("Database/UserID", config.db.userID);
    ini.setValue("Database/DatabasePassword", config.db.password);
    ini.sync();
}

void DbTest::SetUp()
{
    ASSERT_TRUE(tempDir.isValid());
    config = freshDatabaseConfig(GetParam(), tempDir);
    dm = std::make_unique<TDM>(&prompt);
    ASSERT_TRUE(dm->open(config)) << dm->lastError().toStdString();
}

void DbTest::TearDown()
{
    dm.reset();
}

std::unique_ptr<TDM> DbTest::openSecondClient(Prompt* p)
{
    auto second = std::make_unique<TDM>(p ? p : &prompt);
    EXPECT_TRUE(second->open(config)) << second->lastError().toStdString();
    return second;
}
