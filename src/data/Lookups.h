#pragma once
// The small shared lookups of the editors, the workspace and the sheets, and
// the project totals of the production documents. Each runs one statement;
// none catches errors: a database error reaches the caller as DbError.
// Text results are empty when there is no row (or the sum is over no rows);
// number results are 0 then. The text routines on suit order numbers
// (suitPrefix, containsStar) live in core/SuitOrder.h.
#include <QList>
#include <QPair>
#include <QString>

class TDM;

// --- materials ---
bool existsMainMaterial(TDM& dm, const QString& modelName, int category, const QString& shapeType);
// Whether a bill names the model in the column of its category (11, 12, 13,
// 15, 17); false for any other category.
bool isModelReferenced(TDM& dm, const QString& modelName, int category);
QString getMaterialType(TDM& dm, const QString& modelName, int category);
QString findMaterialID(TDM& dm, const QString& modelName, const QString& shapeType, int category);
QString getShapeType(TDM& dm, const QString& modelID);
QString getMaterialWidth(TDM& dm, const QString& modelID);
QString getMaterialLength(TDM& dm, const QString& modelID);

// --- bills ---
bool suitOrderExists(TDM& dm, int projectID, const QString& suitOrderNum);
bool projectHasBills(TDM& dm, int projectID);
// Size of the bill's first result row of that model name.
QString getResultSize(TDM& dm, int billID, const QString& modelName);
// The last key issued for DetailBill (empty before the first bill).
QString getLastBillID(TDM& dm);
// 1 + the largest corner piece number of the project (numerically).
QString nextConerSetNum(TDM& dm, int projectID);
QString getProjectColor(TDM& dm, int projectID);

// --- projects and users ---
QString getProjectName(TDM& dm, int projectID);
QString getStartDate(TDM& dm, int projectID);   // yyyy-MM-dd
QString getEndDate(TDM& dm, int projectID);
QString getBmpPath(TDM& dm, int userID);
double getSetPowder(TDM& dm, int userID);
bool projectHasDrilling(TDM& dm, int projectID);
bool projectHasGlass(TDM& dm, int projectID);

// --- the database's scalar functions ---
// Suit order numbers of the project's handrail (feed11) / crosspiece (feed13)
// rows of that size, distinct, in bill order, joined by ",".
QString get_SuitOrderNum_feed11view(TDM& dm, int projectID, double size);
QString get_SuitOrderNum_feed13view(TDM& dm, int projectID, double size);
// The same lists for every size of the category (11 or 13) in one statement,
// ordered by size: for sheets that print many groups.
QList<QPair<double, QString>> suitOrderNumsBySize(TDM& dm, int projectID, int category);
// mm²: girth × cut length × pieces over the project's profiles (handrails,
// columns less the shared ones, crosspieces, standpipes); glass not counted.
double get_totalGirthSurface(TDM& dm, int projectID);
// kg: MHeavy × cut length / 1000 × pieces over the same rows.
double get_totalHeavy(TDM& dm, int projectID);

// --- project totals ---
double getTotalMeters(TDM& dm, int projectID);        // m of handrail cut lengths
double getTotalInputLength(TDM& dm, int projectID);   // m, input lengths of corner segments
double getTotalSurface(TDM& dm, int projectID);       // m²
double getTotalWeight(TDM& dm, int projectID);        // kg
QString getGuardrailSets(TDM& dm, int projectID);
QString getHandrailPieces(TDM& dm, int projectID);
QString getColumnTotal(TDM& dm, int projectID);
QString getBayTotal(TDM& dm, int projectID);
QString getCrosspiecePieces(TDM& dm, int projectID);
QString getHoleTotal(TDM& dm, int projectID);
QString getStandpipeTotal(TDM& dm, int projectID);
