#pragma once
// A corner piece: up to eight straight segments joined by L-corners. The
// windows keep every value as the text of its box; this module turns those
// texts into numbers and holds the rules that do not depend on the layout.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

inline constexpr int kCornerSegmentCount = 8;

// The "转角" list of a segment row. None: nothing chosen (the list starts empty).
enum class CornerMode { None = -1, NoCorner = 0, OneEndShared = 1, BothEndsShared = 2 };

QString cornerModeText(CornerMode mode);
// The list text back to the mode; an empty or unknown text is None.
CornerMode cornerModeFromText(const QString& text);
// Items of the "转角" list of segment `segmentIndex` (0-based): the first
// segment has no segment before it, so it cannot share both ends.
QStringList cornerModeItems(int segmentIndex);

// "第一段" … "第八段" for k = 1..8.
QString cornerSegmentName(int k);

// The boxes of one segment row exactly as typed ("" is an empty box).
struct CornerSegmentInput {
    QString SuitOrderNum;
    QString inputLen;
    QString LeftValue;
    QString Rightvalue;
    QString TopValue;
    QString lowerValue;
    QString cornerMode;       // the "转角" list text
    QString handrailSize;     // the "扶手" box
    QString columnMargin;     // box k of "各分段立柱接插量"
    QString crosspieceMargin; // box k of "各分段横杆余量"

    bool isFilled() const { return !inputLen.trimmed().isEmpty(); }
};

using CornerSegmentInputs = std::array<CornerSegmentInput, kCornerSegmentCount>;

// Length laid out in bays for a segment whose corner column(s) are entered
// to their centre: half a column more for one shared end, a whole one for two.
double GetGuardraillen(bool bothEnds, double columnWidth, double length);
// Where the next segment starts: half a column back, so the shared corner
// column is drawn once.
double GetxOffset(bool flag, double columnWidth, double length);

// The margins and allowances the pass works with; each segment replaces the
// four margins, and the two allowances only when its own box is filled.
struct CornerValuesInForce {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
    double columnMargin = 0;     // Ca
    double crosspieceMargin = 0; // Xa
};

// Reads a box that must hold a number. Empty, non-numeric, NaN and infinite
// texts are refused with a message naming the box.
struct BoxNumber {
    std::optional<double> value;
    QString error;
    bool ok() const { return value.has_value(); }
};
BoxNumber readBoxNumber(const QString& text, const QString& caption);

// Takes segment k's margins into `inForce`; on a bad box returns its message
// and leaves `inForce` unchanged.
std::optional<QString> setParamsByEdit(const CornerSegmentInput& segment, CornerValuesInForce& inForce);

// Add window: the margins preset when a corner type is chosen for segment
// `segmentIndex` (0-based); top and bottom take the values in force.
struct CornerMarginPreset {
    QString left, right, top, bottom;
};
std::optional<CornerMarginPreset> presetMarginsForCornerMode(int segmentIndex, CornerMode mode,
                                                              const CornerValuesInForce& inForce);

// Enter in a segment's 长度 box: the row must have its order number, its
// 扶手 size and a corner type before the pass runs.
enum class CornerSegmentField { SuitOrderNum, handrailSize, cornerMode };
struct CornerSegmentProblem {
    CornerSegmentField field; // the box to focus
    QString message;
};
std::optional<CornerSegmentProblem> checkSegmentBeforeFeed(const CornerSegmentInput& segment);

// 尺寸参考 of a segment: the guardrail length and its formula text for the
// reference dialog; both empty without a corner type.
struct CornerSizeReference {
    QString guardrailLength;
    QString formula;
};
CornerSizeReference cornerSizeReference(CornerMode mode, double columnWidth, double inputLen);
