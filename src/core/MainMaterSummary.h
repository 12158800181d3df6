#pragma once
// The five-row material summary of the straight editor (主材汇总表) and the
// small helpers around it: model names from picker texts, the count
// adjustments and the handrail length presets.
#include "GuardrailLayout.h"

#include <QString>
#include <QStringList>
#include <array>

struct TMainMaterSummary {
    QString title;
    QString model;
    QString size;
    QString count;

    bool operator==(const TMainMaterSummary&) const = default;
};

enum SummaryRow { HandrailRow = 0, ColumnRow = 1, CrosspieceRow = 2, StandpipeRow = 3, GlassRow = 4 };

// Rows 扶手, 立柱, 横杆, 竖杆, 玻璃 in this order.
using MainMaterSummary = std::array<TMainMaterSummary, 5>;

// Sizes are the rounded lengths as number text; a missing part reads "X",
// "0", "0" (the glass row of a standpipe piece reads "玻璃类型", "0", "0").
MainMaterSummary loadMainMaterSummary(const LayoutInput& in, const GuardrailLayout& g);

// The picker texts of the five models ("ModelName-ShapeType"; glass: the name).
struct ModelPickerTexts {
    QString handrail;
    QString column;
    QString crosspiece;
    QString standpipe;
    QString glass;
};

// The model name of a picker item: the trimmed text up to its first "-";
// empty when there is no "-".
QString modelNameOf(const QString& pickerText);

// Puts the model names of the picker texts into the input.
void setModename(LayoutInput& in, const ModelPickerTexts& pickers);

// Lowers the count of a summary row by k typed into 去掉的立柱数量 (row 1) or
// 造型更换的竖杆数量（根） (row 3). A k not smaller than the count changes
// nothing; a text that is not a whole number fails with a message.
[[nodiscard]] LayoutStatus adjustSummaryCount(MainMaterSummary& summary, SummaryRow row, const QString& kText);

// Handrail length presets of the picker next to 面管长度.
enum class HandrailPreset { OneEndLCorner = 0, BothEndsLCorner = 1 };
QStringList handrailPresetItems(); // "一端L转角", "两端L转角"
// L − hw or L − 2·hw.
double handrailPresetLength(HandrailPreset preset, double length, double handrailModelWidth);
