#pragma once
// A straight feeding bill as a value: what the bill editor and
// `guardrailctl bill add` hand to the save, the parameters of
// insertDetailBill / updateDetailBill built from it, and the save sequence
// both of them run (checks, file store, procedure, diagram upload).
#include "DM.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class FileStore;

// The five material result rows of a bill: 扶手, 立柱, 横杆, 竖杆, 玻璃.
struct BillResultRow {
    QString size;
    QString count;
};

struct StraightBill {
    int DetailBillID = 0;   // edit: the bill being changed
    int projectID = 0;
    QString UserID;

    QString SuitOrderNum;
    QString Guardraillen;
    QString ColumnMaxSpace;
    QString GuardrailHeight;
    QString GuardrailPin;
    QString GuardrailColor;
    QString subfield;
    QString LeftValue, Rightvalue, TopValue, lowerValue;
    QString remark;

    QString handrailID, handrailname;
    double HandrailWidth = 0;   // the handrail model's vertical size hh
    bool HandrailHas = true;

    QString ColumnID, ColumnName;
    double ColumnWidth = 0;
    bool ColumnIsTwo = false;
    QString TwoSpace;
    QString ColumnMargin;

    QString CrosspieceID, CrosspieceName;
    double CrosspieceWidth = 0;
    bool CrosspieceTopHas = true;
    bool CrosspieceLowHas = true;
    QString CrosspieceMargin;

    // Reinforcing rails: only the typed model text, height and presence.
    QString reinforcePiecenameA, reinforcePieceHeightA;
    bool reinforcePieceAHas = false;
    QString reinforcePiecenameB, reinforcePieceHeightB;
    bool reinforcePieceBHas = false;

    bool glass = false;          // Standpipetype 1
    bool fixedSpacing = false;   // 间距固定
    QString standpipeID, standpipeName;
    double standpipeWidth = 0;
    QString CrosspieceHoleNum;        // integer text (fixed spacing)
    QString CrosspieceHolePosition;   // number text (fixed spacing)
    QString glassID, glassName, glassThick;

    QString StandPipeSpace, FixedValue;
    QString standpipeLeft, StandpipeRight, StandpipeTop, StandpipeLow;
    QString feedSubFieldstr;
    QString standpipeTomodelFields, replaceedStandpipes, replaceedStandpipesCount, replaceRemark;

    std::array<BillResultRow, 5> results;
};

// Parameters of insertDetailBill / updateDetailBill. Standpipe fields are
// empty for glass and glass fields for standpipes; the hole count and first
// hole distance travel only with fixed-spaced standpipes.
QVariantMap insertDetailBillArgs(const StraightBill& bill);
QVariantMap updateDetailBillArgs(const StraightBill& bill);

// The stored bill, texts as stored (flags and numbers read back as the bill
// editor shows them). Nothing when there is no such bill. Throws DbError.
std::optional<StraightBill> readStraightBill(TDM& dm, int detailBillID);

enum class BillMode { Add, Edit };

// A text box of the bill whose content stops a save, by its DetailBill
// column ("SuitOrderNum", "Guardraillen", ...; "standpipeName" and
// "glassName" are the pickers).
struct BillSaveResult {
    bool written = false;     // the bill row was stored
    bool succeeded = false;   // stored with @error 0 and the diagram uploaded
    int billID = 0;
    QString message;
    bool messageIsError = true;
    QString focusField;
};

// The bill's number boxes that hold text which is not a number, as a
// message naming the first such box (with its column in *field); empty when
// every number box is empty or a number.
QString billNumberProblem(const StraightBill& bill, QString* field = nullptr);

using StoreFactory = std::function<std::unique_ptr<FileStore>()>;
// Writes the diagram of the bill as a BMP file at the given path.
using DiagramExport = std::function<bool(const QString& bmpPath)>;

// The save of the straight editor, in its order: 序号 and 长度 not empty, the
// number boxes hold numbers, (add) the suit order number is new in the
// project, the file store is reachable, (edit) the standpipe or glass model
// is chosen; then the procedure, then the diagram stored as
// "BillID_<id>.bmp". Nothing is written when a check before the procedure
// fails. The message is the one the user sees.
BillSaveResult saveStraightBill(TDM& dm, BillMode mode, const StraightBill& bill, const StoreFactory& makeStore,
                                const DiagramExport& exportDiagram);

inline const QString kSuitOrderEmptyText = QStringLiteral("序号不能为空");
inline const QString kLengthEmptyText = QStringLiteral("长度不能为空");
inline const QString kDuplicateSuitOrderText = QStringLiteral("序列号已经存在，请更改序列号，在下料");
inline const QString kChooseStandpipeText = QStringLiteral("请选择竖杆型号！");
inline const QString kChooseGlassText = QStringLiteral("请选择玻璃型号！");
