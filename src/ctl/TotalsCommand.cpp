#include "Ctl.h"

#include "data/Lookups.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {
// The text totals as numbers; an empty sum is 0.
double number(const QString& text)
{
    return text.isEmpty() ? 0.0 : text.toDouble();
}
} // namespace

// totals --project ID: the project totals of the packing sheet as one JSON object.
int cmdTotals(CtlContext& ctx, const QStringList& args)
{
    const CtlArgs a(args, {"project"});
    const int project = a.intValue("project");
    TDM& dm = ctx.dm();
    if (dm.scalar(QStringLiteral("SELECT COUNT(*) FROM mainProject WHERE projectID = ?"), {project}).toInt() == 0)
        throw CtlError(QStringLiteral("no project with ID %1").arg(project));
    const QJsonObject totals{
        {"getTotalMeters", getTotalMeters(dm, project)},
        {"getTotalInputLength", getTotalInputLength(dm, project)},
        {"getTotalSurface", getTotalSurface(dm, project)},
        {"getTotalWeight", getTotalWeight(dm, project)},
        {"getGuardrailSets", number(getGuardrailSets(dm, project))},
        {"getHandrailPieces", number(getHandrailPieces(dm, project))},
        {"getColumnTotal", number(getColumnTotal(dm, project))},
        {"getBayTotal", number(getBayTotal(dm, project))},
        {"getCrosspiecePieces", number(getCrosspiecePieces(dm, project))},
        {"getHoleTotal", number(getHoleTotal(dm, project))},
        {"getStandpipeTotal", number(getStandpipeTotal(dm, project))},
    };
    printLine(QJsonDocument(totals).toJson(QJsonDocument::Compact));
    return 0;
}
