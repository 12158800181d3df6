#include "ShellFixture.h"

#include "data/Users.h"

int ShellTest::addUser(const QString& logname, const QString& password, const QList<int>& functions)
{
    const int id = dm->scalar(QStringLiteral("INSERT INTO projectuser (logname, passwd, username) VALUES (?, ?, ?) "
                                             "RETURNING userID"),
                              {logname, hashPassword(password), logname})
                       .toInt();
    for (int f : functions)
        dm->run(QStringLiteral("INSERT INTO userFunAuth (userID, FunID) VALUES (?, ?)"), {id, f});
    return id;
}

void ShellTest::loginAs(const QString& logname, int userID)
{
    session.CurrentUser.logname = logname;
    session.CurrentUser.userID = QString::number(userID);
    session.LoginAccepted = true;
}
