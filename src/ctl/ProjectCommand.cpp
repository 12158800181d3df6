// project add --user LOGIN --name N [--start YYYY-MM-DD] [--end YYYY-MM-DD]
//             [--desc D] [--remark R]
#include "Ctl.h"

#include "data/Projects.h"

namespace {

QDate dateOption(const CtlArgs& args, const QString& name)
{
    if (!args.has(name))
        return QDate::currentDate();   // as the dialog's pickers start on today
    const QDate d = QDate::fromString(args.value(name).trimmed(), Qt::ISODate);
    if (!d.isValid())
        throw CtlError(QStringLiteral("--%1 must be a date YYYY-MM-DD").arg(name));
    return d;
}

int projectAdd(CtlContext& ctx, const QStringList& rest)
{
    const CtlArgs args(rest, {"user", "name", "start", "end", "desc", "remark"});
    const QString login = args.required("user");
    NewProject p;
    p.name = args.required("name").trimmed();
    if (p.name.isEmpty())
        throw CtlError(QStringLiteral("工程名称不能为空"));
    p.startDate = dateOption(args, "start");
    p.endDate = dateOption(args, "end");
    p.description = args.value("desc").trimmed();
    p.remark = args.value("remark").trimmed();

    TDM& dm = ctx.dm();
    const std::optional<int> userID = userIDOfLogname(dm, login);
    if (!userID)
        throw CtlError(QStringLiteral("unknown user: %1").arg(login));
    const ProcResult r = insertProject(dm, *userID, p);
    if (!r.ok())
        throw CtlError(kProcFailedText + (r.message.isEmpty() ? QString() : ": " + r.message));
    printLine("{\"projectID\": " + QByteArray::number(r.out.value("@returnProjectID").toInt()) + "}");
    return 0;
}

} // namespace

int cmdProject(CtlContext& ctx, const QStringList& args)
{
    if (args.value(0) == "add")
        return projectAdd(ctx, args.mid(1));
    throw CtlError(QStringLiteral("usage: project add --user LOGIN --name N [--start YYYY-MM-DD] [--end YYYY-MM-DD] "
                                  "[--desc D] [--remark R]"));
}
