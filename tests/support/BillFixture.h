#pragma once
// Rows for tests of the workspace and the project windows, written with plain
// INSERTs so the tests do not depend on the editors' procedures.
#include "data/DM.h"

#include <QString>

int insertTestUser(TDM& dm, const QString& logname, const QString& username);
int insertTestProject(TDM& dm, int userID, const QString& name, const QString& remark = {});
void grantTestProject(TDM& dm, int userID, int projectID);

// First model of a material category in the starter catalogue.
int testModelID(TDM& dm, int category);

struct TestBill {
    TestBill(QString suit, QString len = QStringLiteral("3000"), QString h = QStringLiteral("1100"),
             QString coner = {}, QString hrSize = QStringLiteral("5000"), QString hrCount = QStringLiteral("1"))
        : suitOrderNum(std::move(suit)), length(std::move(len)), height(std::move(h)), conerSetNum(std::move(coner)),
          handrailSize(std::move(hrSize)), handrailCount(std::move(hrCount))
    {
    }
    QString suitOrderNum;
    QString length;
    QString height;
    QString conerSetNum;   // empty: a straight bill
    QString handrailSize;
    QString handrailCount;
};

// The DetailBill row and its result rows (handrail, column, crosspiece,
// standpipe); returns the new DetailBillID.
int insertTestBill(TDM& dm, int projectID, const TestBill& bill);

// A binding of the first part of the catalogue to the project.
int insertTestBinding(TDM& dm, int projectID, const QString& bindmode, double useCount);

int countRows(TDM& dm, const QString& table, const QString& keyColumn, int key);
