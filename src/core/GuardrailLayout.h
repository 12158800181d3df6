#pragma once
// Layout of one straight guardrail piece: bays, column spacing, standpipes or
// glass, and the cut size of every profile. The editors fill LayoutInput from
// their boxes; the computation never looks at a widget.
#include <QString>
#include <QtGlobal>
#include <optional>

// Shown when an input makes the layout impossible.
inline const QString kUnreasonableDataText = QStringLiteral("数据不合理，请检查输入数据或者参数设置！");

// Outcome of a step or a whole computation: empty error means success.
struct LayoutStatus {
    QString error;

    static LayoutStatus ok() { return {}; }
    static LayoutStatus fail(const QString& message) { return {message}; }
    bool isOk() const { return error.isEmpty(); }
    explicit operator bool() const { return isOk(); }
};

// The inputs of one piece. Field names are those of the stored bill; all
// lengths are millimetres.
struct LayoutInput {
    enum class Mode {
        Add,  // lengths are rounded to whole millimetres before the layout
        Edit, // lengths are used as typed
    };
    Mode mode = Mode::Add;

    double Guardraillen = 0;     // L, overall length
    double GuardrailHeight = 0;  // H, overall height
    double LeftValue = 0;        // Ml, left end to the first column
    double Rightvalue = 0;       // Mr, last column to the right end
    double TopValue = 0;         // Mt, handrail to the top crosspiece
    double lowerValue = 0;       // Mb, bottom crosspiece to the foot
    double ColumnMaxSpace = 0;   // Cmax, largest column spacing
    double TwoSpace = 0;         // T, gap between paired columns
    double ColumnMargin = 0;     // Ca, added to the column length
    double CrosspieceMargin = 0; // Xa, added to the crosspiece length
    double StandPipeSpace = 0;   // S, largest standpipe gap / end gap
    double FixedValue = 0;       // F, standpipe gap in fixed spacing
    double standpipeLeft = 0;    // Il, glass clearance left
    double StandpipeRight = 0;   // Ir, glass clearance right
    double StandpipeTop = 0;     // It, standpipe insertion / glass clearance
    double StandpipeLow = 0;     // Ib, as It at the bottom
    double HandrailWidth = 0;    // hh, the handrail model's length (vertical size)
    double ColumnWidth = 0;      // Wc
    double CrosspieceWidth = 0;  // Wx
    double standpipeWidth = 0;   // Ws

    bool HandrailHas = true;
    bool ColumnIsTwo = false;
    bool CrosspieceTopHas = true;
    bool CrosspieceLowHas = true;
    int Standpipetype = 0;  // 0 standpipes, otherwise glass
    int spaceCalmethod = 0; // 0 equal division, 1 fixed spacing

    // The 面管长度 box when it holds a number.
    std::optional<double> handrailLength;

    QString handrailname;
    QString ColumnName;
    QString CrosspieceName;
    QString standpipeName;
    QString glassName;

    // Diagram-only lists of numbers counted from 0, tested as substrings.
    QString removedColumns;
    QString replacedBays;
    QString replacedStandpipes;

    // The texts of 长度 and 总高 as typed, for the caption; empty means the
    // number text of the value.
    QString lengthText;
    QString heightText;

    bool isGlass() const { return Standpipetype != 0; }
    bool isFixedSpacing() const { return spaceCalmethod == 1; }
    int handrailFactor() const { return HandrailHas ? 1 : 0; }
    int topRailFactor() const { return CrosspieceTopHas ? 1 : 0; }
    int lowRailFactor() const { return CrosspieceLowHas ? 1 : 0; }
};

// The computed layout of one piece or corner segment.
struct GuardrailLayout {
    double length = 0;          // L the bays are laid out on (rounded in add mode)
    qint64 bayCount = 0;        // N
    double columnSpacing = 0;   // D, clear distance between the columns of a bay
    qint64 columnCount = 0;
    double columnHeight = 0;
    double handrailLength = 0;
    int handrailCount = 0;
    qint64 crosspieceCount = 0; // 2·N
    double crosspieceLength = 0;
    double standpipeHeight = 0;
    qint64 standpipesPerBay = 0;
    double standpipeGap = 0;    // equal division
    double endGap = 0;          // fixed spacing
    qint64 CrosspieceHoleNum = 0;       // kept until the next fixed-spacing run
    double CrosspieceHolePosition = 0;  // kept until the next fixed-spacing run
    double glassWidth = 0;
    double glassHeight = 0;
    qint64 glassCount = 0;
};

// Zeroes the result slots after a drawing; the hole count and first hole
// distance stay, as they belong to the last fixed-spacing run.
void resetResultSlots(GuardrailLayout& g);

// The steps, in the order AccountingGuardrail runs them. Steps that divide
// refuse a zero divisor with a message instead of producing infinity.
void SetHandrailCount(const LayoutInput& in, GuardrailLayout& g);
void SetHandraillen(const LayoutInput& in, GuardrailLayout& g);

[[nodiscard]] LayoutStatus SetSigleColumnField(const LayoutInput& in, GuardrailLayout& g);
void SetSigleColumnDistance(const LayoutInput& in, GuardrailLayout& g);
void SetSigleColumnCount(const LayoutInput& in, GuardrailLayout& g);
void SetSigleColumnHeight(const LayoutInput& in, GuardrailLayout& g);
void SetSigleColumnCrosspieceCount(const LayoutInput& in, GuardrailLayout& g);
void SetSigleColumnCrosspieceLen(const LayoutInput& in, GuardrailLayout& g);
void setSigleColStandpipeHeight(const LayoutInput& in, GuardrailLayout& g);
void setSigleColumnGlassHeight(const LayoutInput& in, GuardrailLayout& g);
void setSigleColumnGlassWidth(const LayoutInput& in, GuardrailLayout& g);
[[nodiscard]] LayoutStatus setSigleColStandpipeDivideCount(const LayoutInput& in, GuardrailLayout& g);
[[nodiscard]] LayoutStatus setSigleColStandpipeFixCount(const LayoutInput& in, GuardrailLayout& g);

[[nodiscard]] LayoutStatus SetDoubleColumnField(const LayoutInput& in, GuardrailLayout& g);
void SetDoubleColumnDistance(const LayoutInput& in, GuardrailLayout& g);
void SetDoubleColumnCount(const LayoutInput& in, GuardrailLayout& g);
void setdoubleColumnHeight(const LayoutInput& in, GuardrailLayout& g);
void SetdoubleColumnCrosspieceCount(const LayoutInput& in, GuardrailLayout& g);
void SetdoubleColumnCrosspieceLen(const LayoutInput& in, GuardrailLayout& g);
void setDouColStandpipeHeight(const LayoutInput& in, GuardrailLayout& g);
void setdoubleColumnGlassHeight(const LayoutInput& in, GuardrailLayout& g);
void setdoubleColumnGlassWidth(const LayoutInput& in, GuardrailLayout& g);
[[nodiscard]] LayoutStatus setDouColStandpipeDivideCount(const LayoutInput& in, GuardrailLayout& g);
[[nodiscard]] LayoutStatus setDouColStandpipeFixCount(const LayoutInput& in, GuardrailLayout& g);

// The single-column steps from the bay count on (g.length must be set):
// what a corner segment runs after choosing its layout length.
[[nodiscard]] LayoutStatus computeSingleColumnLayout(const LayoutInput& in, GuardrailLayout& g);
[[nodiscard]] LayoutStatus computeDoubleColumnLayout(const LayoutInput& in, GuardrailLayout& g);

// The whole computation of a straight piece. Starts from zeroed result slots
// (keeping the hole values of g), so a step that does not run leaves 0. On
// failure g holds what was computed up to the failing step.
[[nodiscard]] LayoutStatus AccountingGuardrail(const LayoutInput& in, GuardrailLayout& g);

// The branch choices as a stored bill keeps them (texts of DetailBill):
// handrail and double columns when "1", glass when not "0", fixed spacing
// when "1" and equal division otherwise. The rails keep what in has.
struct StoredBranchTexts {
    QString HandrailHas;
    QString ColumnIsTwo;
    QString Standpipetype;
    QString spaceCalmethod;
};
LayoutInput withStoredBranches(LayoutInput in, const StoredBranchTexts& stored);

// The edit-mode computation right after a bill is loaded.
[[nodiscard]] LayoutStatus AccountingGuardrailByParams(const LayoutInput& in, const StoredBranchTexts& stored,
                                                       GuardrailLayout& g);

// The spacing method of a new bill from the user's default (paramsDefault
// codes 0 = fixed spacing): the DetailBill code, 1 for "0", else 0.
int spaceCalmethodFromDefault(const QString& paramsDefaultText);

// The length check of the 长度 box, also applied by the command-line tool and
// by the corner pass: Ml + Mr + 2·Wc must not exceed the layout length.
[[nodiscard]] LayoutStatus checkLayoutLength(double left, double right, double columnWidth, double length);

// The boxes checked when Enter is pressed in them.
enum class LayoutField {
    Length, ColumnMaxSpace, Height, Left, Right, Top, Low,
    StandPipeSpace, FixedValue, GapLeft, GapRight, GapTop, GapLow,
};

// True when the box's value (already taken into in) passes its check;
// otherwise the editor shows kUnreasonableDataText and skips the recomputation.
bool enteredValueValid(LayoutField field, const LayoutInput& in);

// The caption line under the diagram, also stored with the bill
// (feedSubFieldstr): size, bays, column spacing and the standpipe figures.
QString DivisionCaption(const LayoutInput& in, const GuardrailLayout& g);
