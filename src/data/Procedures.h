#pragma once
// The stored procedures, as C++ with their original names and parameters
// ("@proJectName", ...; names match in any case). Each runs inside the
// transaction that TDM::callProc opens; it throws DbError on failure and
// returns its output keys: "@error" (0 = success), keys such as
// "@returnBillID", and "@message" saying why it refused.
#include <QString>
#include <QVariantMap>
#include <map>

class TDM;

using ProcFn = QVariantMap (*)(TDM&, const QVariantMap&);

// @error of a procedure refused by a unique rule (a duplicate suit order
// number, a second user with the same login name, ...).
inline constexpr int kUniqueViolationError = 2627;
// @error when the row to update does not exist.
inline constexpr int kRowMissingError = 1;

// Procedure name in lower case -> body.
const std::map<QString, ProcFn>& procedureTable();

// Runs a procedure's body in the caller's transaction (for callers that group
// several procedures into one unit). Throws DbError for an unknown name.
QVariantMap runProcedure(TDM& dm, const QString& name, const QVariantMap& params);
