#include "BillFixture.h"

#include <QDate>

int insertTestUser(TDM& dm, const QString& logname, const QString& username)
{
    return dm.scalar(QStringLiteral("insert into projectuser (logname, passwd, username, email, telphone) "
                                    "values (?, '', ?, '', '') returning userID"),
                     {logname, username})
        .toInt();
}

int insertTestProject(TDM& dm, int userID, const QString& name, const QString& remark)
{
    return dm.scalar(QStringLiteral("insert into mainProject (proJectName, userID, startDate, endDate, projectDesc, "
                                    "remark) values (?, ?, ?, ?, ?, ?) returning projectID"),
                     {name, userID, QDate(2026, 3, 1), QDate(2026, 4, 15), QStringLiteral("描述"), remark})
        .toInt();
}

void grantTestProject(TDM& dm, int userID, int projectID)
{
    dm.run(QStringLiteral("insert into userDataAuth (userID, projectID) values (?, ?)"), {userID, projectID});
}

int testModelID(TDM& dm, int category)
{
    return dm.scalar(QStringLiteral("select mainmaterialID from mainmaterial where MainMaterialTypeID = ? "
                                    "order by mainmaterialID limit 1"),
                     {category})
        .toInt();
}

namespace {
QString modelName(TDM& dm, int id)
{
    return dm.scalar(QStringLiteral("select ModelName from mainmaterial where mainmaterialID = ?"), {id}).toString();
}
} // namespace

int insertTestBill(TDM& dm, int projectID, const TestBill& bill)
{
    const int handrail = testModelID(dm, 11), column = testModelID(dm, 12), cross = testModelID(dm, 13),
              standpipe = testModelID(dm, 15);
    const bool corner = !bill.conerSetNum.isEmpty();
    const int id =
        dm.scalar(QStringLiteral(
                      "insert into DetailBill (projectID, SuitOrderNum, Guardraillen, GuardrailHeight, GuardrailPin, "
                      "GuardrailColor, subfield, handrailID, handrailname, ColumnID, ColumnName, CrosspieceID, "
                      "CrosspieceName, standpipeID, standpipeName, glassName, conerSetNum, inputLen, cornerMode, "
                      "publicColumns, UserID, remark) values (?, ?, ?, ?, '2', '白色', '3', ?, ?, ?, ?, ?, ?, ?, ?, '', "
                      "?, ?, ?, '0', '1', '') returning DetailBillID"),
                  {projectID, bill.suitOrderNum, bill.length, bill.height, QString::number(handrail),
                   modelName(dm, handrail), QString::number(column), modelName(dm, column), QString::number(cross),
                   modelName(dm, cross), QString::number(standpipe), modelName(dm, standpipe), bill.conerSetNum,
                   corner ? bill.length : QString(), corner ? QStringLiteral("L转角一端公用立柱") : QString()})
            .toInt();
    const struct {
        int model;
        QString size, count;
    } results[] = {{handrail, bill.handrailSize, bill.handrailCount},
                   {column, QStringLiteral("1070"), QStringLiteral("4")},
                   {cross, QStringLiteral("960"), QStringLiteral("6")},
                   {standpipe, QStringLiteral("980"), QStringLiteral("24")}};
    for (const auto& r : results)
        dm.run(QStringLiteral("insert into subfieldMaterResult (projectID, DetailBillID, SuitOrderNum, mainmaterialID, "
                              "mainmaterialName, Size, count) values (?, ?, ?, ?, ?, ?, ?)"),
               {projectID, id, bill.suitOrderNum, QString::number(r.model), modelName(dm, r.model), r.size, r.count});
    return id;
}

int insertTestBinding(TDM& dm, int projectID, const QString& bindmode, double useCount)
{
    const int part = dm.scalar(QStringLiteral("select partsID from PartsTab order by partsID limit 1")).toInt();
    return dm.scalar(QStringLiteral("insert into mountBindParts (partsID, projectID, bindmode, craftwork, UseCount, "
                                    "BindPartsModel, remark) values (?, ?, ?, '钻孔', ?, 'M6', '') "
                                    "returning mountBindPartsID"),
                     {part, projectID, bindmode, useCount})
        .toInt();
}

int countRows(TDM& dm, const QString& table, const QString& keyColumn, int key)
{
    // Table and column names come from the tests themselves, never from data.
    return dm.scalar(QStringLiteral("select count(*) from %1 where %2 = ?").arg(table, keyColumn), {key}).toInt();
}
