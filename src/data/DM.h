#pragma once
// The data module: one database connection and the three ways every window
// reads and writes it (openQuery, execQuery, callProc). Statements always take
// bound parameters. The module never opens a window: errors go through the
// Prompt it was given, with the fixed texts users know.
#include "Config.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <optional>
#include <stdexcept>

class Prompt;

inline const QString kDbErrorText = QStringLiteral("数据库连接失败,请检查连接");
inline const QString kProcOkText = QStringLiteral("操作成功");
inline const QString kProcFailedText = QStringLiteral("操作失败");

// A failed statement. Thrown by the low-level run(); the three public
// operations turn it into the user's message.
class DbError : public std::runtime_error {
public:
    DbError(const QString& message, const QString& nativeCode = {})
        : std::runtime_error(message.toStdString()), native(nativeCode), text(message) {}
    bool isUniqueViolation() const;
    QString native;
    QString text;
};

// Result of a stored procedure: @error (0 = success) and its output keys
// (for example "@returnBillID").
struct ProcResult {
    int error = 0;
    QVariantMap out;
    QString message;   // database text of a failure, for logs and tests
    bool ok() const { return error == 0; }
};

class TDM {
public:
    explicit TDM(Prompt* prompt = nullptr);
    ~TDM();
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    // Connects and creates or upgrades the schema. False on failure
    // (lastError() says why); nothing is shown.
    bool open(const AppConfig& config);
    void close();
    bool isOpen() const;
    bool isPostgres() const { return m_postgres; }
    const AppConfig& config() const { return m_config; }
    QSqlDatabase database() const;

    Prompt* prompt() const { return m_prompt; }
    void setPrompt(Prompt* p) { m_prompt = p; }

    // Read: the query positioned before its first row, or nothing after a
    // database error (reported as "数据库连接失败,请检查连接").
    std::optional<QSqlQuery> openQuery(const QString& sql, const QVariantList& params = {});
    // Direct write; false after a database error (reported as above).
    bool execQuery(const QString& sql, const QVariantList& params = {});
    // Runs one stored procedure in its own transaction. A database error inside
    // rolls back and gives a non-zero @error. Messages are the caller's.
    ProcResult callProc(const QString& name, const QVariantMap& params = {});

    // Low level, for procedures, lookups and the schema: throws DbError.
    QSqlQuery run(const QString& sql, const QVariantList& params = {});
    // First column of the first row, or an invalid QVariant without rows.
    QVariant scalar(const QString& sql, const QVariantList& params = {});

    // Transactions nest: only the outermost begins and commits.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_txDepth > 0; }

    // Statements run since the connection was opened (or since reset).
    long long statementCount() const { return m_statements; }
    void resetStatementCount() { m_statements = 0; }
    QString lastError() const { return m_lastError; }

    // Dialect helpers for the few places where SQL differs.
    QString likeOperator() const { return m_postgres ? QStringLiteral("ILIKE") : QStringLiteral("LIKE"); }

private:
    void reportDbError(const DbError& e);

    Prompt* m_prompt = nullptr;
    AppConfig m_config;
    QString m_connectionName;
    bool m_postgres = false;
    int m_txDepth = 0;
    bool m_txFailed = false;
    long long m_statements = 0;
    QString m_lastError;
};

// Rolls back unless commit() was called: a failure never leaves half a write.
class Transaction {
public:
    explicit Transaction(TDM& dm) : m_dm(dm) { m_dm.begin(); }
    ~Transaction()
    {
        if (!m_done)
            m_dm.rollback();
    }
    void commit()
    {
        m_dm.commit();
        m_done = true;
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    TDM& m_dm;
    bool m_done = false;
};
