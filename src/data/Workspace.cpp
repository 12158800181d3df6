#include "Workspace.h"

RecordSet openedProjects(TDM& dm, const QList<int>& projectIDs)
{
    if (projectIDs.isEmpty())
        return RecordSet{};
    QStringList marks;
    QVariantList params;
    for (int id : projectIDs) {
        marks << QStringLiteral("?");
        params << id;
    }
    const QString sql = QStringLiteral(
        "select a.*, b.username AS username from mainproject a, projectuser b "
        "where a.userid = b.userid and a.projectid in (%1) order by a.projectID").arg(marks.join(','));
    return RecordSet::read(dm, sql, params);
}

RecordSet detailBills(TDM& dm, int projectID)
{
    // Only the columns the grid shows or the buttons use: a project may have
    // thousands of bills of some seventy columns each.
    return RecordSet::read(dm, QStringLiteral(
        "select a.Guardraillen || 'X' || a.GuardrailHeight AS Guardrailsize, a.DetailBillID, a.projectID, "
        "a.SuitOrderNum, a.Guardraillen, a.GuardrailHeight, a.inputLen, a.GuardrailPin, a.GuardrailColor, "
        "a.subfield, a.handrailname, a.ColumnName, a.CrosspieceName, a.standpipeName, a.glassName, "
        "a.conerSetNum, a.cornerMode "
        "from DetailBill a where a.projectID = ? order by a.DetailBillID"),
        {projectID});
}

RecordSet materialResults(TDM& dm, int detailBillID)
{
    return RecordSet::read(dm, QStringLiteral(
        "select * from subfieldMaterResult_view a where a.detailbillID = ? order by a.MainMaterialTypeID, a.ResultID"),
        {detailBillID});
}

RecordSet projectBindings(TDM& dm, int projectID)
{
    return RecordSet::read(dm, QStringLiteral(
        "select ROW_NUMBER() OVER (ORDER BY c.MainmaterialTypeID, a.mountBindPartsID) AS rownum, a.*, b.partsName, "
        "b.PartsQuality, b.PartsUsed, b.Dusting, c.MainmaterialTypeID "
        "from mountBindParts a, PartsTab b, mainMaterCategory c "
        "where a.projectID = ? and a.partsID = b.partsID and a.bindmode = c.MainmaterialTypeName "
        "order by c.MainmaterialTypeID, a.mountBindPartsID"),
        {projectID});
}

void deleteDetailBill(TDM& dm, int detailBillID)
{
    Transaction tx(dm);
    dm.run(QStringLiteral("delete from DetailBill where DetailBillID = ?"), {detailBillID});
    dm.run(QStringLiteral("delete from subfieldMaterResult where DetailBillID = ?"), {detailBillID});
    dm.run(QStringLiteral("delete from billBindingParts where DetailBillID = ?"), {detailBillID});
    tx.commit();
}

bool isCornerBill(const QVariant& conerSetNum)
{
    return !conerSetNum.isNull() && !conerSetNum.toString().isEmpty();
}

QString billDiagramName(int detailBillID)
{
    return QStringLiteral("BillID_%1.bmp").arg(detailBillID);
}
