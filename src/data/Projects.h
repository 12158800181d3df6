#pragma once
// Projects: the creator's list ("工程管理"), the projects a user may open
// (his own and those granted to him), adding and deleting. Reads throw
// DbError; the windows show the message.
#include "DM.h"
#include "RecordSet.h"

#include <QDate>
#include <optional>

// The user's own projects, numbered (ROWNUM) in the order of their IDs. A
// non-empty filter keeps the names that match it as a LIKE pattern ("%" and
// "_" stay pattern characters; case is ignored).
RecordSet ownProjects(TDM& dm, int userID, const QString& nameFilter = {});

// The user's own projects and those granted to him, ordered by creator name.
RecordSet openableProjects(TDM& dm, int userID, const QString& nameFilter = {});

struct NewProject {
    QString name;
    QDate startDate;
    QDate endDate;
    QString description;
    QString remark;
};

// insertProject; out key "@returnProjectID" is the new projectID.
ProcResult insertProject(TDM& dm, int userID, const NewProject& project);

// Removes the project row only (permissions and documents stay).
void deleteProject(TDM& dm, int projectID);

// userID of the login name (trimmed); nothing when no user has it.
std::optional<int> userIDOfLogname(TDM& dm, const QString& logname);
