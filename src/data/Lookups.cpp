#include "Lookups.h"

#include "DM.h"
#include "Views.h"

#include <QDate>
#include <QMetaType>
#include <cmath>
#include <optional>

namespace {

bool exists(TDM& dm, const QString& sql, const QVariantList& params)
{
    QSqlQuery q = dm.run(sql, params);
    return q.next();
}

// A value as the windows show it: empty for NULL, whole numbers without ".0".
QString textOf(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        if (d == std::floor(d) && std::fabs(d) < 1e15)
            return QString::number(qlonglong(d));
    }
    return v.toString();
}

QString firstText(TDM& dm, const QString& sql, const QVariantList& params)
{
    return textOf(dm.scalar(sql, params));
}

double firstNumber(TDM& dm, const QString& sql, const QVariantList& params)
{
    return dm.scalar(sql, params).toDouble();   // NULL reads as 0
}

QString dateText(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return {};
    const QDate d = v.typeId() == QMetaType::QString ? QDate::fromString(v.toString().left(10), Qt::ISODate)
                                                      : v.toDate();
    return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : v.toString();
}

// Model keys arrive as the texts stored in bills; a text that is no key
// finds nothing (and is never compared with an integer column).
std::optional<int> keyOf(const QString& text)
{
    bool ok = false;
    const int id = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(id) : std::nullopt;
}

QString materialField(TDM& dm, const QString& modelID, const char* column)
{
    const auto id = keyOf(modelID);
    if (!id)
        return {};
    return firstText(dm, QStringLiteral("SELECT %1 FROM mainmaterial WHERE mainmaterialID = ?").arg(column), {*id});
}

QString suitOrderList(TDM& dm, const char* view, int projectID, double size)
{
    QSqlQuery q = dm.run(QStringLiteral("SELECT SuitOrderNum, MIN(DetailBillID) AS firstBill FROM %1 "
                                        "WHERE projectID = ? AND Size = ? GROUP BY SuitOrderNum ORDER BY firstBill")
                             .arg(view),
                         {projectID, size});
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out.join(',');
}

// Profile rows of the project with their production quantity: the column
// view's count less the columns shared between corner segments.
QString profileQuantities()
{
    return QStringLiteral(
        "SELECT mainmaterialID, Size, totalcount AS qty FROM mainMaterFeed11_view WHERE projectID = ? "
        "UNION ALL SELECT mainmaterialID, Size, totalcount - publicColumns FROM mainMaterFeed12_view WHERE projectID = ? "
        "UNION ALL SELECT mainmaterialID, Size, totalcount FROM mainMaterFeed13_view WHERE projectID = ? "
        "UNION ALL SELECT mainmaterialID, Size, totalcount FROM mainMaterFeed15_view WHERE projectID = ?");
}

double profileSum(TDM& dm, int projectID, const QString& perMetreExpr)
{
    return firstNumber(dm,
                       QStringLiteral("SELECT SUM(%1 * u.Size * u.qty) FROM (%2) u "
                                      "JOIN mainmaterial m ON m.mainmaterialID = u.mainmaterialID")
                           .arg(perMetreExpr, profileQuantities()),
                       {projectID, projectID, projectID, projectID});
}

} // namespace

// --- materials ---

bool existsMainMaterial(TDM& dm, const QString& modelName, int category, const QString& shapeType)
{
    return exists(dm, "SELECT 1 FROM mainmaterial WHERE ModelName = ? AND MainMaterialTypeID = ? AND ShapeType = ?",
                  {modelName, category, shapeType});
}

bool isModelReferenced(TDM& dm, const QString& modelName, int category)
{
    const char* column = nullptr;
    switch (category) {
    case 11: column = "handrailname"; break;
    case 12: column = "ColumnName"; break;
    case 13: column = "CrosspieceName"; break;
    case 15: column = "standpipeName"; break;
    case 17: column = "glassName"; break;
    default: return false;
    }
    return exists(dm, QStringLiteral("SELECT 1 FROM DetailBill WHERE %1 = ?").arg(column), {modelName});
}

QString getMaterialType(TDM& dm, const QString& modelName, int category)
{
    return firstText(dm, "SELECT materialType FROM mainmaterial WHERE ModelName = ? AND MainMaterialTypeID = ? "
                         "ORDER BY mainmaterialID",
                     {modelName, category});
}

QString findMaterialID(TDM& dm, const QString& modelName, const QString& shapeType, int category)
{
    return firstText(dm, "SELECT mainmaterialID FROM mainmaterial WHERE ModelName = ? AND ShapeType = ? "
                         "AND MainMaterialTypeID = ? ORDER BY mainmaterialID",
                     {modelName, shapeType, category});
}

QString getShapeType(TDM& dm, const QString& modelID)
{
    return materialField(dm, modelID, "ShapeType");
}

QString getMaterialWidth(TDM& dm, const QString& modelID)
{
    return materialField(dm, modelID, "Width");
}

QString getMaterialLength(TDM& dm, const QString& modelID)
{
    return materialField(dm, modelID, "length");
}

// --- bills ---

bool suitOrderExists(TDM& dm, int projectID, const QString& suitOrderNum)
{
    return exists(dm, "SELECT 1 FROM DetailBill WHERE SuitOrderNum = ? AND projectID = ?", {suitOrderNum, projectID});
}

bool projectHasBills(TDM& dm, int projectID)
{
    return exists(dm, "SELECT 1 FROM DetailBill WHERE projectID = ?", {projectID});
}

QString getResultSize(TDM& dm, int billID, const QString& modelName)
{
    return firstText(dm, "SELECT Size FROM subfieldMaterResult WHERE DetailBillID = ? AND mainmaterialName = ? "
                         "ORDER BY ResultID",
                     {billID, modelName});
}

QString getLastBillID(TDM& dm)
{
    if (dm.isPostgres())
        return firstText(dm, "SELECT pg_sequence_last_value(CAST(pg_get_serial_sequence(?, ?) AS regclass))",
                         {"detailbill", "detailbillid"});
    return firstText(dm, "SELECT seq FROM sqlite_sequence WHERE LOWER(name) = ?", {"detailbill"});
}

QString nextConerSetNum(TDM& dm, int projectID)
{
    return firstText(dm,
                     QStringLiteral("SELECT COALESCE(MAX(%1), 0) + 1 FROM DetailBill WHERE projectID = ? "
                                    "AND TRIM(COALESCE(conerSetNum, '')) <> ''")
                         .arg(integerExpr(dm, "conerSetNum")),
                     {projectID});
}

QString getProjectColor(TDM& dm, int projectID)
{
    return firstText(dm, "SELECT GuardrailColor FROM DetailBill WHERE projectID = ? ORDER BY DetailBillID LIMIT 1",
                     {projectID});
}

// --- projects and users ---

QString getProjectName(TDM& dm, int projectID)
{
    return firstText(dm, "SELECT proJectName FROM mainProject WHERE projectID = ?", {projectID});
}

QString getStartDate(TDM& dm, int projectID)
{
    return dateText(dm.scalar("SELECT startDate FROM mainProject WHERE projectID = ?", {projectID}));
}

QString getEndDate(TDM& dm, int projectID)
{
    return dateText(dm.scalar("SELECT endDate FROM mainProject WHERE projectID = ?", {projectID}));
}

QString getBmpPath(TDM& dm, int userID)
{
    return firstText(dm, "SELECT bmpPath FROM paramsDefault WHERE userID = ?", {userID});
}

double getSetPowder(TDM& dm, int userID)
{
    return firstNumber(dm, "SELECT setpowder FROM paramsDefault WHERE userID = ?", {userID});
}

bool projectHasDrilling(TDM& dm, int projectID)
{
    return exists(dm, "SELECT 1 FROM mountBindParts WHERE craftwork = ? AND projectID = ?",
                  {QStringLiteral("钻孔"), projectID});
}

bool projectHasGlass(TDM& dm, int projectID)
{
    return exists(dm, "SELECT 1 FROM mainMaterFeed17_view WHERE projectID = ?", {projectID});
}

// --- scalar functions ---

QString get_SuitOrderNum_feed11view(TDM& dm, int projectID, double size)
{
    return suitOrderList(dm, "mainMaterFeed11_view", projectID, size);
}

QString get_SuitOrderNum_feed13view(TDM& dm, int projectID, double size)
{
    return suitOrderList(dm, "mainMaterFeed13_view", projectID, size);
}

QList<QPair<double, QString>> suitOrderNumsBySize(TDM& dm, int projectID, int category)
{
    const QString view = category == 13 ? QStringLiteral("mainMaterFeed13_view") : QStringLiteral("mainMaterFeed11_view");
    QSqlQuery q = dm.run(QStringLiteral("SELECT Size, SuitOrderNum, MIN(DetailBillID) AS firstBill FROM %1 "
                                        "WHERE projectID = ? GROUP BY Size, SuitOrderNum ORDER BY Size, firstBill")
                             .arg(view),
                         {projectID});
    QList<QPair<double, QString>> out;
    while (q.next()) {
        const double size = q.value(0).toDouble();
        if (out.isEmpty() || out.last().first != size)
            out.append({size, q.value(1).toString()});
        else
            out.last().second += ',' + q.value(1).toString();
    }
    return out;
}

double get_totalGirthSurface(TDM& dm, int projectID)
{
    return profileSum(dm, projectID, QStringLiteral("m.girth"));
}

double get_totalHeavy(TDM& dm, int projectID)
{
    return profileSum(dm, projectID, QStringLiteral("m.MHeavy / 1000.0"));
}

// --- totals ---

double getTotalMeters(TDM& dm, int projectID)
{
    return firstNumber(dm, "SELECT SUM(totalcount * Size) FROM mainMaterFeed11_view WHERE projectID = ?",
                       {projectID})
        / 1000.0;
}

double getTotalInputLength(TDM& dm, int projectID)
{
    return firstNumber(dm,
                       QStringLiteral("SELECT SUM(totalcount * CASE WHEN inputlen <> '' THEN %1 ELSE Size END) "
                                      "FROM mainMaterFeed11_view WHERE projectID = ?")
                           .arg(numberExpr(dm, "inputlen")),
                       {projectID})
        / 1000.0;
}

double getTotalSurface(TDM& dm, int projectID)
{
    return get_totalGirthSurface(dm, projectID) / 1000000.0;
}

double getTotalWeight(TDM& dm, int projectID)
{
    return get_totalHeavy(dm, projectID);
}

// A corner piece (orders sharing the prefix before "*") counts once, every
// piece with its largest set count.
QString getGuardrailSets(TDM& dm, int projectID)
{
    const QString star = positionExpr(dm, "SuitOrderNum", "'*'");
    return firstText(dm,
                     QStringLiteral("SELECT SUM(sets) FROM (SELECT MAX(%1) AS sets FROM DetailBill WHERE projectID = ? "
                                    "GROUP BY CASE WHEN %2 > 0 THEN SUBSTR(SuitOrderNum, 1, %2 - 1) "
                                    "ELSE SuitOrderNum END) t")
                         .arg(integerExpr(dm, "GuardrailPin"), star),
                     {projectID});
}

QString getHandrailPieces(TDM& dm, int projectID)
{
    return firstText(dm, "SELECT SUM(totalcount) FROM mainMaterFeed11_view WHERE projectID = ?", {projectID});
}

QString getColumnTotal(TDM& dm, int projectID)
{
    return firstText(dm, "SELECT SUM(totalcount) - SUM(publicColumns) FROM mainMaterFeed12_view WHERE projectID = ?",
                     {projectID});
}

// Bays come from the crosspiece rows, as on the packing sheet.
QString getBayTotal(TDM& dm, int projectID)
{
    return firstText(dm, "SELECT SUM(totalfield) FROM mainMaterFeed13_view WHERE projectID = ?", {projectID});
}

QString getCrosspiecePieces(TDM& dm, int projectID)
{
    return firstText(dm, "SELECT SUM(totalcount) FROM mainMaterFeed13_view WHERE projectID = ?", {projectID});
}

QString getHoleTotal(TDM& dm, int projectID)
{
    return firstText(dm,
                     QStringLiteral("SELECT SUM(totalfield * %1) FROM mainMaterFeed13_view WHERE projectID = ?")
                         .arg(integerExpr(dm, "CrosspieceHoleNum")),
                     {projectID});
}

QString getStandpipeTotal(TDM& dm, int projectID)
{
    return firstText(dm, "SELECT SUM(totalcount) FROM mainMaterFeed15_view WHERE projectID = ?", {projectID});
}
