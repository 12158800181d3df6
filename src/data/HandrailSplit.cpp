#include "HandrailSplit.h"

#include "RecordSet.h"
#include "core/Numeric.h"

HandrailResultRow handrailResultRow(TDM& dm, int projectID, int detailBillID)
{
    const RecordSet rs = RecordSet::read(dm, QStringLiteral(
        "select * from subfieldMaterResult_view where projectid = ? and DetailBillID = ? and MainMaterialTypeID = ? "
        "order by ResultID"),
        {projectID, detailBillID, 11});
    HandrailResultRow row;
    if (rs.isEmpty())
        return row;
    row.found = true;
    row.resultID = rs.value(0, "ResultID").toInt();
    row.SuitOrderNum = rs.text(0, "SuitOrderNum");
    row.mainmaterialID = rs.value(0, "mainmaterialID");
    row.mainmaterialName = rs.text(0, "mainmaterialName");
    row.Size = rs.text(0, "Size");
    row.count = rs.value(0, "count");
    return row;
}

void splitHandrail(TDM& dm, int projectID, int detailBillID, const HandrailResultRow& row,
                   const QList<SplitPiece>& pieces)
{
    Transaction tx(dm);
    QSqlQuery del = dm.run(QStringLiteral("delete from subfieldMaterResult where ResultID = ?"), {row.resultID});
    // Another client (or an earlier split) removed the row: adding the pieces
    // again would count the handrail twice.
    if (del.numRowsAffected() != 1)
        throw DbError(QStringLiteral("要拆分的扶手记录已经不存在，请重新打开拆分窗口。"));
    for (const SplitPiece& p : pieces) {
        dm.run(QStringLiteral("insert into subfieldMaterResult (projectID, DetailBillID, SuitOrderNum, mainmaterialID, "
                              "mainmaterialName, Size, count) values (?, ?, ?, ?, ?, ?, ?)"),
               {projectID, detailBillID, p.suitOrderNum, row.mainmaterialID, row.mainmaterialName, numberText(p.size),
                row.count});
    }
    tx.commit();
}
