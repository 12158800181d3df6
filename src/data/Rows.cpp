#include "Rows.h"

#include "DM.h"

#include <QDate>
#include <QDateTime>
#include <cmath>

namespace {

bool isBlank(const QVariant& v)
{
    return !v.isValid() || v.isNull() || (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty());
}

[[noreturn]] void refuse(const ColumnDef& c, const QVariant& v)
{
    throw DbError(QStringLiteral("%1: \"%2\" is not a valid value").arg(c.name, v.toString()));
}

QVariant numberValue(const ColumnDef& c, const QVariant& v)
{
    bool ok = false;
    const double d = v.typeId() == QMetaType::QString ? v.toString().trimmed().toDouble(&ok) : v.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        refuse(c, v);
    if (c.kind == ColumnKind::Real)
        return d;
    if (d != std::floor(d))
        refuse(c, v);
    return QVariant(qlonglong(d));
}

QVariant dateValue(const ColumnDef& c, const QVariant& v)
{
    QDate d;
    if (v.typeId() == QMetaType::QDate)
        d = v.toDate();
    else if (v.typeId() == QMetaType::QDateTime)
        d = v.toDateTime().date();
    else
        d = QDate::fromString(v.toString().trimmed().left(10), Qt::ISODate);
    if (!d.isValid())
        refuse(c, v);
    return d;
}

QVariant timestampValue(const ColumnDef& c, const QVariant& v)
{
    QDateTime t = v.typeId() == QMetaType::QDateTime ? v.toDateTime()
                                                      : QDateTime::fromString(v.toString().trimmed(), Qt::ISODate);
    if (!t.isValid())
        refuse(c, v);
    // The same text as the database's CURRENT_TIMESTAMP on both databases.
    return t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

const ColumnDef& columnOf(const TableDef& t, const QString& name)
{
    const ColumnDef* c = t.column(name);
    if (!c)
        throw DbError(QStringLiteral("%1 has no column %2").arg(t.name, name));
    return *c;
}

} // namespace

QVariant columnValue(const ColumnDef& c, const QVariant& v)
{
    switch (c.kind) {
    case ColumnKind::Text:
        // An absent text is stored as the empty text (never NULL), so that
        // comparisons with '' find it.
        return v.isValid() && !v.toString().isNull() ? v.toString() : QStringLiteral("");
    case ColumnKind::Key:
    case ColumnKind::Integer:
    case ColumnKind::Real:
        return isBlank(v) ? QVariant() : numberValue(c, v);
    case ColumnKind::Date:
        return isBlank(v) ? QVariant() : dateValue(c, v);
    case ColumnKind::Timestamp:
        return isBlank(v) ? QVariant() : timestampValue(c, v);
    }
    return v;
}

int insertRow(TDM& dm, const QString& table, const QVariantMap& values)
{
    const TableDef& t = tableDef(table);
    QStringList names, marks;
    QVariantList params;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const ColumnDef& c = columnOf(t, it.key());
        names << c.name;
        marks << QStringLiteral("?");
        params << columnValue(c, it.value());
    }
    const QString key = t.keyColumn();
    QString sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(t.name)
                                  : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                        .arg(t.name, names.join(", "), marks.join(", "));
    if (key.isEmpty()) {
        dm.run(sql, params);
        return 0;
    }
    sql += QStringLiteral(" RETURNING ") + key;
    QSqlQuery q = dm.run(sql, params);
    if (!q.next())
        throw DbError(QStringLiteral("no key returned for %1").arg(t.name));
    return q.value(0).toInt();
}

int updateRows(TDM& dm, const QString& table, const QVariantMap& values, const QVariantMap& where,
               const QStringList& touch)
{
    const TableDef& t = tableDef(table);
    QStringList sets, conditions;
    QVariantList params;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const ColumnDef& c = columnOf(t, it.key());
        sets << c.name + QStringLiteral(" = ?");
        params << columnValue(c, it.value());
    }
    for (const auto& name : touch)
        sets << columnOf(t, name).name + QStringLiteral(" = CURRENT_TIMESTAMP");
    for (auto it = where.begin(); it != where.end(); ++it) {
        const ColumnDef& c = columnOf(t, it.key());
        const QVariant v = columnValue(c, it.value());
        if (v.isNull())
            throw DbError(QStringLiteral("%1 is required").arg(c.name));
        conditions << c.name + QStringLiteral(" = ?");
        params << v;
    }
    if (conditions.isEmpty())
        throw DbError(QStringLiteral("update of %1 without a condition").arg(t.name));
    if (sets.isEmpty())
        return dm.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(t.name, conditions.join(" AND ")),
                         params)
            .toInt();
    QSqlQuery q = dm.run(QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(t.name, sets.join(", "),
                                                                         conditions.join(" AND ")),
                         params);
    return q.numRowsAffected();
}
