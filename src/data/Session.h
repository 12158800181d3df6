#pragma once
// Process-wide values of one running client. Owned by main() (or the
// command-line tool) and handed to the windows that need them.
#include <QList>
#include <QString>

struct TCurrentUser {
    QString passwd;   // never the password itself: kept empty after login
    QString logname;
    QString userID;
};

struct Session {
    TCurrentUser CurrentUser;
    bool LoginAccepted = false;
    int DrawScale = 10;
    QString CompanyTitle;
    QList<int> OpenedProjectIDs;   // projects shown in the feeding workspace
    int CurrentProjectID = 0;
    QString CurrentProjectName;
};
