#include "RecordSet.h"

#include "DM.h"

#include <QDate>
#include <QDateTime>
#include <QSqlRecord>

RecordSet RecordSet::fromQuery(QSqlQuery& query)
{
    RecordSet rs;
    const QSqlRecord rec = query.record();
    const int n = rec.count();
    rs.fields.reserve(n);
    for (int i = 0; i < n; ++i)
        rs.fields << rec.fieldName(i);
    while (query.next()) {
        QVector<QVariant> row(n);
        for (int i = 0; i < n; ++i)
            row[i] = query.value(i);
        rs.rows.push_back(std::move(row));
    }
    return rs;
}

RecordSet RecordSet::read(TDM& dm, const QString& sql, const QVariantList& params)
{
    QSqlQuery q = dm.run(sql, params);
    return fromQuery(q);
}

int RecordSet::column(const QString& field) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant RecordSet::value(int row, const QString& field) const
{
    const int c = column(field);
    if (row < 0 || row >= rows.size() || c < 0)
        return {};
    return rows.at(row).at(c);
}

QString RecordSet::text(int row, const QString& field) const
{
    return displayText(value(row, field));
}

QString displayText(const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    default:
        return value.toString();
    }
}
