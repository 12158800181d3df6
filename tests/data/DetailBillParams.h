#pragma once
// Builds the parameters of insertDetailBill for the tests, on the models of
// the starter catalogue.
#include "data/DM.h"

#include <QString>
#include <QVariantMap>

struct BillSpec {
    QString suit;
    QString pin = "1";          // GuardrailPin: sets
    QString subfield = "3";     // bays
    QString length = "2400";
    QString height = "1100";
    QString handrailSize = "2400", handrailCount = "1";
    QString columnSize = "1050", columnCount = "4";
    QString crossSize = "780", crossCount = "6";
    QString standSize = "1000", standCount = "27";
    QString glassSize = "0", glassCount = "0";
    bool glass = false;
    QString holeNum;            // CrosspieceHoleNum (fixed spacing only)
    QString color = "白色";
    // corner segment
    QString conerSetNum, inputLen, cornerMode, publicColumns = "0";
};

// mainmaterialID of a starter-catalogue model.
inline int modelID(TDM& dm, int category, const QString& name)
{
    return dm.scalar("SELECT mainmaterialID FROM mainmaterial WHERE MainMaterialTypeID = ? AND ModelName = ?",
                     {category, name})
        .toInt();
}

inline QVariantMap billParams(TDM& dm, int projectID, const BillSpec& b)
{
    const QString handrail = QString::number(modelID(dm, 11, "60x40"));
    const QString column = QString::number(modelID(dm, 12, "50x50"));
    const QString cross = QString::number(modelID(dm, 13, "40x20"));
    const QString stand = QString::number(modelID(dm, 15, "20x20"));
    const QString glass = QString::number(modelID(dm, 17, "8"));
    QVariantMap p = {
        {"@projectID", projectID}, {"@SuitOrderNum", b.suit}, {"@Guardraillen", b.length},
        {"@ColumnMaxSpace", "1000"}, {"@GuardrailHeight", b.height}, {"@GuardrailPin", b.pin},
        {"@GuardrailColor", b.color}, {"@subfield", b.subfield}, {"@LeftValue", "0"}, {"@Rightvalue", "0"},
        {"@TopValue", "0"}, {"@lowerValue", "0"}, {"@remark", ""},
        {"@handrailID", handrail}, {"@handrailname", "60x40"}, {"@HandrailWidth", 40.0}, {"@HandrailHas", 1},
        {"@ColumnID", column}, {"@ColumnName", "50x50"}, {"@ColumnWidth", 50.0}, {"@ColumnIsTwo", 0},
        {"@TwoSpace", ""}, {"@ColumnMargin", "0"}, {"@publicColumns", b.publicColumns},
        {"@CrosspieceID", cross}, {"@CrosspieceName", "40x20"}, {"@CrosspieceWidth", 40.0},
        {"@CrosspieceTopHas", 1}, {"@CrosspieceLowHas", 1}, {"@CrosspieceMargin", "0"},
        {"@reinforcePieceIDA", ""}, {"@reinforcePiecenameA", ""}, {"@reinforcePieceWidthA", 0.0},
        {"@reinforcePieceHeightA", ""}, {"@reinforcePieceAHas", 0},
        {"@reinforcePieceIDB", ""}, {"@reinforcePiecenameB", ""}, {"@reinforcePieceWidthB", 0.0},
        {"@reinforcePieceHeightB", ""}, {"@reinforcePieceBHas", 0},
        {"@Standpipetype", b.glass ? 1 : 0},
        {"@standpipeID", b.glass ? "" : stand}, {"@standpipeName", b.glass ? "" : "20x20"},
        {"@standpipeWidth", b.glass ? QVariant("") : QVariant(20.0)},
        {"@CrosspieceHoleNum", b.holeNum}, {"@CrosspieceHolePosition", b.holeNum.isEmpty() ? "" : "50"},
        {"@glassID", b.glass ? glass : ""}, {"@glassName", b.glass ? "8" : ""}, {"@glassthick", b.glass ? "8" : ""},
        {"@spaceCalmethod", b.holeNum.isEmpty() ? 0 : 1},
        {"@StandPipeSpace", "110"}, {"@FixedValue", "0"}, {"@standpipeLeft", "0"}, {"@StandpipeRight", "0"},
        {"@StandpipeTop", "0"}, {"@StandpipeLow", "0"}, {"@feedSubFieldstr", ""},
        {"@standpipeTomodelFields", ""}, {"@replaceedStandpipes", ""}, {"@replaceedStandpipesCount", ""},
        {"@replaceRemark", ""}, {"@conerSetNum", b.conerSetNum}, {"@inputLen", b.inputLen},
        {"@cornerMode", b.cornerMode}, {"@UserID", "1"},
        {"@handrailSize", b.handrailSize}, {"@handrailCount", b.handrailCount},
        {"@ColumnSize", b.columnSize}, {"@ColumnCount", b.columnCount},
        {"@CrosspieceSize", b.crossSize}, {"@CrosspieceCount", b.crossCount},
        {"@standpipeSize", b.glass ? "0" : b.standSize}, {"@standpipeCount", b.glass ? "0" : b.standCount},
        {"@glassSize", b.glassSize}, {"@glassCount", b.glassCount},
        {"@returnBillID", 0}, {"@error", 0},
    };
    return p;
}

// Inserts the bill through insertDetailBill; returns its key (0 on failure).
inline int addBill(TDM& dm, int projectID, const BillSpec& b)
{
    const ProcResult r = dm.callProc("insertDetailBill", billParams(dm, projectID, b));
    return r.ok() ? r.out.value("@returnBillID").toInt() : 0;
}

inline int addProject(TDM& dm, const QString& name = "阳台工程", int userID = 1)
{
    const ProcResult r = dm.callProc("insertProject", {{"@proJectName", name}, {"@userID", userID},
                                                       {"@startDate", QDate(2026, 12, 1)},
                                                       {"@endDate", QDate(2026, 12, 20)},
                                                       {"@projectDesc", ""}, {"@Remark", ""}, {"@error", 0}});
    return r.out.value("@returnProjectID").toInt();
}
