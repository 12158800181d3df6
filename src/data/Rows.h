#pragma once
// Row writers over the schema description: every value is bound with its
// column's type (an empty text in a number or date column becomes NULL; a
// text that is not a number is refused with DbError). Column and table
// names come from the schema, never from values.
#include "Schema.h"

#include <QStringList>
#include <QVariant>
#include <QVariantMap>

class TDM;

// The value as it is bound for column `c`. Throws DbError when a text does
// not fit a number or date column.
QVariant columnValue(const ColumnDef& c, const QVariant& v);

// Inserts one row (values by column name, any case) and returns the new key,
// taken with INSERT ... RETURNING (0 for a table without an identity).
int insertRow(TDM& dm, const QString& table, const QVariantMap& values);

// Updates the rows whose columns equal `where`; the `touch` columns are set to
// the database's current time. Returns the number of rows changed.
int updateRows(TDM& dm, const QString& table, const QVariantMap& values, const QVariantMap& where,
               const QStringList& touch = {});
