#include "Views.h"

#include "DM.h"

#include <QStringList>

QString numberExpr(const TDM& dm, const QString& expr)
{
    // No "?" in the pattern: statements with bound values treat it as a placeholder.
    if (dm.isPostgres())
        return QStringLiteral("(CASE WHEN TRIM(%1) ~ '^[-+]{0,1}([0-9]+[.]{0,1}[0-9]*|[.][0-9]+)$' "
                              "THEN CAST(TRIM(%1) AS DOUBLE PRECISION) ELSE 0 END)")
            .arg(expr);
    // SQLite's CAST reads the leading number of a text and gives 0 otherwise.
    return QStringLiteral("CAST(COALESCE(TRIM(%1), '') AS REAL)").arg(expr);
}

QString integerExpr(const TDM& dm, const QString& expr)
{
    return QStringLiteral("CAST(ROUND(%1) AS INTEGER)").arg(numberExpr(dm, expr));
}

QString positionExpr(const TDM& dm, const QString& expr, const QString& needle)
{
    return dm.isPostgres() ? QStringLiteral("STRPOS(%1, %2)").arg(expr, needle)
                           : QStringLiteral("INSTR(%1, %2)").arg(expr, needle);
}

namespace {

// The key stored as text in a result row (empty for an absent material) as an
// integer the join can look up; NULL when it is no key.
QString keyExpr(const TDM& dm, const QString& expr)
{
    if (dm.isPostgres())
        return QStringLiteral("(CASE WHEN TRIM(%1) ~ '^[0-9]{1,9}$' THEN CAST(TRIM(%1) AS INTEGER) END)").arg(expr);
    return QStringLiteral("CAST(NULLIF(TRIM(%1), '') AS INTEGER)").arg(expr);
}

// One production row per result row of the category: all sets of the bill
// (count and bays times GuardrailPin); rows of absent materials (count 0)
// are left out.
QString feedView(const TDM& dm, int category, bool numericSize, const QString& extraColumns)
{
    const QString size = numericSize ? numberExpr(dm, "r.Size") : QStringLiteral("r.Size");
    const QString pin = numberExpr(dm, "b.GuardrailPin");
    return QStringLiteral(
               "CREATE VIEW mainMaterFeed%1_view AS "
               "SELECT b.projectID, b.DetailBillID, r.SuitOrderNum, r.ResultID, m.mainmaterialID, "
               "b.GuardrailColor, r.mainmaterialName AS modename, m.ShapeType, %2 AS Size, "
               "CAST(ROUND(%3 * %4) AS INTEGER) AS totalfield, "
               "CAST(ROUND(%5 * %4) AS INTEGER) AS totalcount, "
               "c.MainmaterialTypeName AS mainmater%6 "
               "FROM subfieldMaterResult r "
               "JOIN DetailBill b ON b.DetailBillID = r.DetailBillID "
               "JOIN mainmaterial m ON m.mainmaterialID = %7 "
               "JOIN mainMaterCategory c ON c.MainmaterialTypeID = m.MainMaterialTypeID "
               "WHERE m.MainMaterialTypeID = %1 AND %5 <> 0")
        .arg(category)
        .arg(size, numberExpr(dm, "b.subfield"), pin, numberExpr(dm, "r.count"), extraColumns,
             keyExpr(dm, "r.mainmaterialID"));
}

} // namespace

void createViews(TDM& dm)
{
    const QStringList names = {"mainMaterFeed11_view", "mainMaterFeed12_view", "mainMaterFeed13_view",
                               "mainMaterFeed15_view", "mainMaterFeed17_view", "subfieldMaterResult_view",
                               "handBindParts_view"};
    for (const auto& n : names)
        dm.run(QStringLiteral("DROP VIEW IF EXISTS %1").arg(n));

    dm.run(feedView(dm, 11, true, ", COALESCE(TRIM(b.inputLen), '') AS inputlen"));
    // publicColumns is stored already multiplied by the sets (first corner
    // segment only); the sheets subtract it from the summed counts.
    dm.run(feedView(dm, 12, true, ", " + integerExpr(dm, "b.publicColumns") + " AS publicColumns"));
    dm.run(feedView(dm, 13, true,
                    ", COALESCE(b.CrosspieceHoleNum, '') AS CrosspieceHoleNum, "
                    "COALESCE(b.CrosspieceHolePosition, '') AS CrosspieceHolePosition"));
    dm.run(feedView(dm, 15, true, ", b.StandPipeSpace"));
    // Glass sizes are "width x height" texts.
    dm.run(feedView(dm, 17, false, ", b.StandPipeSpace"));

    dm.run(QStringLiteral(
               "CREATE VIEW subfieldMaterResult_view AS "
               "SELECT r.ResultID, r.projectID, r.DetailBillID, r.SuitOrderNum, r.mainmaterialID, r.mainmaterialName, "
               "m.MainMaterialTypeID, c.MainmaterialTypeName, r.Size, r.count "
               "FROM subfieldMaterResult r "
               "JOIN mainmaterial m ON m.mainmaterialID = %1 "
               "JOIN mainMaterCategory c ON c.MainmaterialTypeID = m.MainMaterialTypeID")
               .arg(keyExpr(dm, "r.mainmaterialID")));

    // Parts of a project: the project-wide bindings with their total, and the
    // parts bound to single bills, one per set of the bill.
    dm.run(QStringLiteral(
               "CREATE VIEW handBindParts_view AS "
               "SELECT mb.projectID, p.partsID, p.partsName, mb.BindPartsModel, p.PartsQuality, p.PartsUsed, "
               "t.PartsTypeName, p.Dusting, COALESCE(mb.UseCount, 0) AS usenum, mb.bindmode "
               "FROM mountBindParts mb "
               "JOIN PartsTab p ON p.partsID = mb.partsID "
               "LEFT JOIN PartsType t ON t.PartsTypeID = p.PartsTypeID "
               "UNION ALL "
               "SELECT b.projectID, p.partsID, p.partsName, p.PartsModel, p.PartsQuality, p.PartsUsed, "
               "t.PartsTypeName, p.Dusting, %1, '' "
               "FROM billBindingParts bb "
               "JOIN DetailBill b ON b.DetailBillID = bb.DetailBillID "
               "JOIN PartsTab p ON p.partsID = bb.partsID "
               "LEFT JOIN PartsType t ON t.PartsTypeID = p.PartsTypeID")
               .arg(numberExpr(dm, "b.GuardrailPin")));
}
