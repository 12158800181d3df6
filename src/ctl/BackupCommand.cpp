#include "Ctl.h"

#include "data/Backup.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {
int report(const BackupOutcome& r, const QString& file)
{
    if (!r.ok)
        throw CtlError(r.reason);
    printLine(QJsonDocument(QJsonObject{{"ok", true}, {"file", file}}).toJson(QJsonDocument::Compact));
    return 0;
}
} // namespace

// backup --out FILE
int cmdBackup(CtlContext& ctx, const QStringList& args)
{
    const CtlArgs a(args, {"out"});
    const QString file = a.required("out");
    return report(backupDatabase(ctx.dm(), file), file);
}

// restore --from FILE
int cmdRestore(CtlContext& ctx, const QStringList& args)
{
    const CtlArgs a(args, {"from"});
    const QString file = a.required("from");
    return report(restoreDatabase(ctx.dm(), file), file);
}
