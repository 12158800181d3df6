#include "DM.h"

#include "Procedures.h"
#include "Schema.h"
#include "core/Prompt.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

namespace {
QAtomicInt g_connectionSerial;

DbError errorOf(const QSqlError& e)
{
    QString text = e.text().trimmed();
    if (text.isEmpty())
        text = QStringLiteral("database error");
    return DbError(text, e.nativeErrorCode());
}
} // namespace

bool DbError::isUniqueViolation() const
{
    // PostgreSQL SQLSTATE 23505; SQLite extended code 2067 (or 1555 for a key).
    return native == "23505" || native == "2067" || native == "1555"
        || text.contains("UNIQUE constraint failed", Qt::CaseInsensitive)
        || text.contains("duplicate key", Qt::CaseInsensitive);
}

TDM::TDM(Prompt* prompt)
    : m_prompt(prompt)
    , m_connectionName(QStringLiteral("guardrail_%1").arg(g_connectionSerial.fetchAndAddRelaxed(1)))
{
}

TDM::~TDM()
{
    close();
}

bool TDM::open(const AppConfig& config)
{
    close();
    m_config = config;
    m_postgres = config.usesPostgres();
    m_lastError.clear();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(m_postgres ? "QPSQL" : "QSQLITE", m_connectionName);
        if (m_postgres) {
            db.setHostName(config.db.host());
            db.setPort(config.db.port());
            db.setDatabaseName(config.db.database.trimmed());
            db.setUserName(config.db.userID);
            db.setPassword(config.db.password);
            db.setConnectOptions(QStringLiteral("connect_timeout=2"));
        } else {
            // A first start creates the folder of the database file too.
            QDir().mkpath(QFileInfo(config.db.database).absolutePath());
            db.setDatabaseName(config.db.database);
            // Another client may hold the write lock for a moment.
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        }
        if (!db.open()) {
            m_lastError = db.lastError().text();
            return false;
        }
    }
    try {
        if (m_postgres)
            run(QStringLiteral("SET client_min_messages = warning"));
        else
            run(QStringLiteral("PRAGMA journal_mode = WAL"));
        ensureSchema(*this);
    } catch (const DbError& e) {
        m_lastError = e.text;
        close();
        return false;
    }
    m_statements = 0;
    return true;
}

void TDM::close()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_txDepth = 0;
    m_txFailed = false;
}

bool TDM::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && database().isOpen();
}

QSqlDatabase TDM::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QSqlQuery TDM::run(const QString& sql, const QVariantList& params)
{
    if (!isOpen())
        throw DbError(m_lastError.isEmpty() ? QStringLiteral("database not connected") : m_lastError);
    QSqlQuery q(database());
    q.setForwardOnly(false);
    ++m_statements;
    // PostgreSQL prepares only plain DML; a statement without values (DDL,
    // SET, constant queries) runs directly.
    if (params.isEmpty()) {
        if (!q.exec(sql))
            throw errorOf(q.lastError());
        return q;
    }
    if (!q.prepare(sql))
        throw errorOf(q.lastError());
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params.at(i));
    if (!q.exec())
        throw errorOf(q.lastError());
    return q;
}

QVariant TDM::scalar(const QString& sql, const QVariantList& params)
{
    QSqlQuery q = run(sql, params);
    if (q.next())
        return q.value(0);
    return {};
}

void TDM::reportDbError(const DbError& e)
{
    m_lastError = e.text;
    if (m_prompt)
        m_prompt->error(kDbErrorText);
}

std::optional<QSqlQuery> TDM::openQuery(const QString& sql, const QVariantList& params)
{
    try {
        return run(sql, params);
    } catch (const DbError& e) {
        reportDbError(e);
        return std::nullopt;
    }
}

bool TDM::execQuery(const QString& sql, const QVariantList& params)
{
    try {
        run(sql, params);
        return true;
    } catch (const DbError& e) {
        reportDbError(e);
        return false;
    }
}

ProcResult TDM::callProc(const QString& name, const QVariantMap& params)
{
    ProcResult result;
    const auto& table = procedureTable();
    const auto it = table.find(name.toLower());
    if (it == table.end()) {
        result.error = -1;
        result.message = QStringLiteral("unknown procedure %1").arg(name);
        return result;
    }
    if (!isOpen()) {
        DbError e(m_lastError.isEmpty() ? QStringLiteral("database not connected") : m_lastError);
        reportDbError(e);
        result.error = -1;
        result.message = e.text;
        return result;
    }
    try {
        Transaction tx(*this);
        result.out = it->second(*this, params);
        result.error = result.out.value(QStringLiteral("@error"), 0).toInt();
        result.message = result.out.value(QStringLiteral("@message")).toString();
        if (result.error == 0)
            tx.commit();
    } catch (const DbError& e) {
        m_lastError = e.text;
        result.message = e.text;
        result.error = e.isUniqueViolation() ? kUniqueViolationError : -1;
    } catch (const std::exception& e) {
        m_lastError = QString::fromUtf8(e.what());
        result.message = m_lastError;
        result.error = -1;
    }
    result.out.insert(QStringLiteral("@error"), result.error);
    return result;
}

void TDM::begin()
{
    if (m_txDepth == 0) {
        m_txFailed = false;
        if (!database().transaction())
            throw errorOf(database().lastError());
        ++m_statements;
    }
    ++m_txDepth;
}

void TDM::commit()
{
    if (m_txDepth == 0)
        return;
    if (--m_txDepth > 0)
        return;
    ++m_statements;
    if (m_txFailed) {
        database().rollback();
        throw DbError(QStringLiteral("transaction rolled back by an inner failure"));
    }
    if (!database().commit()) {
        const DbError e = errorOf(database().lastError());
        database().rollback();
        throw e;
    }
}

void TDM::rollback()
{
    if (m_txDepth == 0)
        return;
    if (--m_txDepth > 0) {
        m_txFailed = true;
        return;
    }
    ++m_statements;
    database().rollback();
}
