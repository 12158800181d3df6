#include "Projects.h"

namespace {

QString likePattern(const QString& filter)
{
    return QLatin1Char('%') + filter + QLatin1Char('%');
}

} // namespace

RecordSet ownProjects(TDM& dm, int userID, const QString& nameFilter)
{
    QString sql = QStringLiteral(
        "select ROW_NUMBER() OVER (ORDER BY a.projectID ASC) AS ROWNUM, a.*, b.username AS username "
        "from mainproject a, projectuser b where a.userid = b.userid and a.userID = ?");
    QVariantList params{userID};
    if (!nameFilter.isEmpty()) {
        sql += QStringLiteral(" and a.projectname %1 ?").arg(dm.likeOperator());
        params << likePattern(nameFilter);
    }
    sql += QStringLiteral(" order by a.projectID");
    QSqlQuery q = dm.run(sql, params);
    return RecordSet::fromQuery(q);
}

RecordSet openableProjects(TDM& dm, int userID, const QString& nameFilter)
{
    QString sql = QStringLiteral(
        "select ROW_NUMBER() OVER (ORDER BY username ASC) AS ROWNUM, v1.* from "
        "(select a.*, b.username AS username from mainproject a, projectuser b "
        " where a.userid = b.userid and a.userID = ? "
        " union all "
        " select a.*, b.username AS username from mainproject a, projectuser b "
        " where a.userid = b.userid and a.projectID in (select projectID from userDataAuth where userid = ?)) v1 ");
    QVariantList params{userID, userID};
    if (!nameFilter.isEmpty()) {
        sql += QStringLiteral("where v1.projectname %1 ? ").arg(dm.likeOperator());
        params << likePattern(nameFilter);
    }
    sql += QStringLiteral("order by username, v1.projectID");
    QSqlQuery q = dm.run(sql, params);
    return RecordSet::fromQuery(q);
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
