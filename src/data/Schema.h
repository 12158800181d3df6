#pragma once
// The database schema, described once and turned into DDL for SQLite or
// PostgreSQL. The descriptions also let the row writers (Rows.h) bind each
// value with the column's type, so an empty text never reaches a number
// column.
#include <QString>
#include <QStringList>
#include <vector>

class TDM;

// Highest version ensureSchema brings a database to.
inline constexpr int kSchemaVersion = 2;

// Remark of the starter catalogue rows, so users can tell them from their own.
inline const QString kSampleDataRemark = QStringLiteral("示例数据");

enum class ColumnKind {
    Key,        // identity integer assigned by the database
    Integer,
    Real,       // decimal: REAL / double precision
    Text,
    Date,       // date only (yyyy-MM-dd)
    Timestamp,  // date and time, set by the database on insert
};

struct ColumnDef {
    QString name;
    ColumnKind kind;
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;

    // The identity column, or an empty name when the table has none.
    QString keyColumn() const;
    // Case-insensitive lookup; nullptr when the table has no such column.
    const ColumnDef* column(const QString& name) const;
    // Column names after the identity, in their defined order.
    QStringList valueColumns() const;
};

const std::vector<TableDef>& schemaTables();
// Case-insensitive; throws std::out_of_range for an unknown table.
const TableDef& tableDef(const QString& name);

// DetailBill's 66 columns after DetailBillID, in the order rows are written.
QStringList detailBillColumns();
// subfieldMaterResult's 7 columns after ResultID.
QStringList subfieldMaterResultColumns();

// Creates or upgrades the schema, with the installation data, on either
// database. Idempotent and safe against a second client doing the same;
// throws DbError on failure.
void ensureSchema(TDM& dm);
// The version stored in the database (0 before the first creation).
int schemaVersion(TDM& dm);
