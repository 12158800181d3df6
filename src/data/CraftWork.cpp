#include "CraftWork.h"

#include <QSqlQuery>

QStringList craftMaterialTypes()
{
    return {QStringLiteral("玻璃"), QStringLiteral("竖杆"), QStringLiteral("横杆"), QStringLiteral("立柱"),
            QStringLiteral("扶手")};
}

QStringList loadCraftNames(TDM& dm)
{
    QSqlQuery q = dm.run(QStringLiteral("SELECT * FROM craftworkTab"));
    QStringList names;
    while (q.next())
        names << displayText(q.value("craftworkValue")).trimmed();
    return names;
}

RecordSet loadCraftRows(TDM& dm, int projectID, const QString& suitOrderNum)
{
    QSqlQuery q = dm.run(QStringLiteral("select * from mainmaterialcraftwork where projectID=? and SuitOrderNum=? "
                                        "order by mainmaterialcraftworkID"),
                         {projectID, suitOrderNum});
    return RecordSet::fromQuery(q);
}

CraftWorkRow craftRowOf(const RecordSet& rows, int row)
{
    CraftWorkRow r;
    r.mainmaterialcraftworkID = rows.text(row, "mainmaterialcraftworkID");
    r.projectID = rows.text(row, "projectID");
    r.SuitOrderNum = rows.text(row, "SuitOrderNum");
    r.craftworkName = rows.text(row, "craftworkName");
    r.mainmaterialType = rows.text(row, "mainmaterialType");
    r.craftworkCount = rows.text(row, "craftworkCount");
    r.craftworkSize = rows.text(row, "craftworkSize");
    r.GuardrailPin = rows.text(row, "GuardrailPin");
    r.remark = rows.text(row, "remark");
    return r;
}

void deleteCraftRow(TDM& dm, const QString& mainmaterialcraftworkID)
{
    dm.run(QStringLiteral("delete from mainmaterialcraftwork where mainmaterialcraftworkID=?"),
           {mainmaterialcraftworkID});
}

CraftField craftRowProblemField(const CraftWorkRow& row)
{
    if (row.craftworkName.trimmed().isEmpty())
        return CraftField::Name;
    if (row.mainmaterialType.trimmed().isEmpty())
        return CraftField::MaterialType;
    bool whole = false;
    row.craftworkCount.trimmed().toInt(&whole);
    if (!whole)
        return CraftField::Count;
    return CraftField::None;
}

QString craftRowProblem(const CraftWorkRow& row)
{
    switch (craftRowProblemField(row)) {
    case CraftField::Name:
        return QStringLiteral("工艺名称不能为空");
    case CraftField::MaterialType:
        return QStringLiteral("主材类别不能为空");
    case CraftField::Count:
        return row.craftworkCount.trimmed().isEmpty() ? QStringLiteral("加工数量不能为空")
                                                      : QStringLiteral("加工数量必须是整数");
    case CraftField::None:
        break;
    }
    return {};
}

QVariantMap craftWorkArgs(const CraftWorkRow& row)
{
    QVariantMap args{
        {"@projectID", row.projectID.toInt()},
        {"@GuardrailPin", row.GuardrailPin.trimmed()},
        {"@SuitOrderNum", row.SuitOrderNum.trimmed()},
        {"@craftworkName", row.craftworkName.trimmed()},
        {"@mainmaterialType", row.mainmaterialType.trimmed()},
        {"@craftworkCount", row.craftworkCount.trimmed()},
        {"@craftworkSize", row.craftworkSize.trimmed()},
        {"@Remark", row.remark.trimmed()},
        {"@error", 0},
    };
    if (!row.mainmaterialcraftworkID.isEmpty())
        args["@mainmaterialcraftworkID"] = row.mainmaterialcraftworkID.toInt();
    return args;
}

QString craftWorkProcedure(const CraftWorkRow& row)
{
    return row.mainmaterialcraftworkID.isEmpty() ? QStringLiteral("insertmainmaterialcraftwork")
                                                 : QStringLiteral("updateMainmaterialcraftwork");
}
