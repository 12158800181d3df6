#include "Projects.h"

namespace {

// Adds the name search ("%" and "_" stay pattern characters) and the order.
RecordSet readProjects(TDM& dm, QString sql, QVariantList params, const QString& nameColumn, const QString& nameFilter,
                       const QString& order)
{
    if (!nameFilter.isEmpty()) {
        sql += QStringLiteral(" %1 %2 ?").arg(nameColumn, dm.likeOperator());
        params << QString(QLatin1Char('%') + nameFilter + QLatin1Char('%'));
    }
    return RecordSet::read(dm, sql + QStringLiteral(" order by ") + order, params);
}

} // namespace

RecordSet ownProjects(TDM& dm, int userID, const QString& nameFilter)
{
    const QString sql = QStringLiteral(
        "select ROW_NUMBER() OVER (ORDER BY a.projectID ASC) AS ROWNUM, a.*, b.username AS username "
        "from mainproject a, projectuser b where a.userid = b.userid and a.userID = ?");
    return readProjects(dm, sql, {userID}, QStringLiteral("and a.projectname"), nameFilter, QStringLiteral("a.projectID"));
}

RecordSet openableProjects(TDM& dm, int userID, const QString& nameFilter)
{
    const QString sql = QStringLiteral(
        "select ROW_NUMBER() OVER (ORDER BY username ASC) AS ROWNUM, v1.* from "
        "(select a.*, b.username AS username from mainproject a, projectuser b "
        " where a.userid = b.userid and a.userID = ? "
        " union all "
        " select a.*, b.username AS username from mainproject a, projectuser b "
        " where a.userid = b.userid and a.projectID in (select projectID from userDataAuth where userid = ?)) v1");
    return readProjects(dm, sql, {userID, userID}, QStringLiteral("where v1.projectname"), nameFilter,
                        QStringLiteral("username, v1.projectID"));
}

ProcResult insertProject(TDM& dm, int userID, const NewProject& project)
{
    return dm.callProc(QStringLiteral("insertProject"),
                       {{"@proJectName", project.name},
                        {"@userID", userID},
                        {"@startDate", project.startDate},
                        {"@endDate", project.endDate},
                        {"@projectDesc", project.description},
                        {"@Remark", project.remark},
                        {"@error", 0}});
}

void deleteProject(TDM& dm, int projectID)
{
    dm.run(QStringLiteral("delete from mainproject where projectID = ?"), {projectID});
}

std::optional<int> userIDOfLogname(TDM& dm, const QString& logname)
{
    const QVariant id = dm.scalar(QStringLiteral("select userID from projectuser where logname = ? order by userID"),
                                  {logname.trimmed()});
    if (!id.isValid())
        return std::nullopt;
    return id.toInt();
}
