#pragma once
// The rows of one query, kept for a read-only grid: field names as the
// database returned them and the values of every row. Fields are found
// without regard to case (PostgreSQL folds unquoted names to lower case).
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class TDM;

struct RecordSet {
    QStringList fields;
    QVector<QVector<QVariant>> rows;

    static RecordSet fromQuery(QSqlQuery& query);
    // Runs the statement (bound parameters) and keeps its rows; throws DbError.
    static RecordSet read(TDM& dm, const QString& sql, const QVariantList& params = {});

    int rowCount() const { return int(rows.size()); }
    bool isEmpty() const { return rows.isEmpty(); }
    // Column of a field, -1 when the query had no such field.
    int column(const QString& field) const;
    QVariant value(int row, const QString& field) const;
    // The value as a grid shows it (dates as yyyy-MM-dd, times with seconds).
    QString text(int row, const QString& field) const;
};

// Display text of a database value: QDate as yyyy-MM-dd, QDateTime as
// yyyy-MM-dd HH:mm:ss, NULL as empty, everything else as its text.
QString displayText(const QVariant& value);
