#pragma once
// The stored procedures, as C++ with their original names and parameters
// ("@proJectName", ...). Each runs inside the transaction that TDM::callProc
// opens; it throws DbError on failure and returns its output keys, "@error"
// included when it reports its own failure.
#include <QString>
#include <QVariantMap>
#include <map>

class TDM;

using ProcFn = QVariantMap (*)(TDM&, const QVariantMap&);

// @error of a procedure refused by a unique constraint (a duplicate suit
// order number, for instance).
inline constexpr int kUniqueViolationError = 2627;

// Procedure name in lower case -> body.
const std::map<QString, ProcFn>& procedureTable();
