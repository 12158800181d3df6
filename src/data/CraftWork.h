#pragma once
// Craft processes (工艺) attached to a suit order of a project, as the bill
// editor's tab lists them and the two craft dialogs write them.
#include "DM.h"
#include "RecordSet.h"

#include <QList>
#include <QString>
#include <QStringList>

struct CraftWorkRow {
    QString mainmaterialcraftworkID;
    QString projectID;
    QString SuitOrderNum;
    QString craftworkName;
    QString mainmaterialType;
    QString craftworkCount;
    QString craftworkSize;
    QString GuardrailPin;
    QString remark;
};

// The material categories a process applies to, in the picker's order.
QStringList craftMaterialTypes();

// Trimmed craftworkValue texts of the craft dictionary, in table order. Throws DbError.
QStringList loadCraftNames(TDM& dm);

// Rows of (project, suit order number), in key order, for the editor's
// grid. Throws DbError.
RecordSet loadCraftRows(TDM& dm, int projectID, const QString& suitOrderNum);
// One row of that list.
CraftWorkRow craftRowOf(const RecordSet& rows, int row);

// Removes one row. Throws DbError.
void deleteCraftRow(TDM& dm, const QString& mainmaterialcraftworkID);

// The message for a craft row that cannot be saved, empty when it can:
// the required fields in the dialog's order, then 加工数量 as a whole number
// (the sheets sum it).
QString craftRowProblem(const CraftWorkRow& row);
enum class CraftField { None, Name, MaterialType, Count };
CraftField craftRowProblemField(const CraftWorkRow& row);

// Parameters of insertmainmaterialcraftwork (add) or
// updateMainmaterialcraftwork (edit, when the row has a key).
QVariantMap craftWorkArgs(const CraftWorkRow& row);
QString craftWorkProcedure(const CraftWorkRow& row);
