#include "MainMaterSummary.h"

#include "Numeric.h"

namespace {

QString sizeText(double length) { return numberText(Round(length)); }
QString countText(qint64 n) { return QString::number(n); }

TMainMaterSummary absent(const QString& title, const QString& model = QStringLiteral("X"))
{
    return {title, model, QStringLiteral("0"), QStringLiteral("0")};
}

TMainMaterSummary crosspieceRow(const LayoutInput& in, const GuardrailLayout& g)
{
    const QString title = QStringLiteral("横杆");
    const int rails = in.topRailFactor() + in.lowRailFactor();
    if (rails == 0)
        return absent(title);
    return {title, in.CrosspieceName, sizeText(g.crosspieceLength), countText(rails * g.bayCount)};
}

} // namespace

MainMaterSummary loadMainMaterSummary(const LayoutInput& in, const GuardrailLayout& g)
{
    MainMaterSummary s;
    s[HandrailRow] = in.HandrailHas
        ? TMainMaterSummary{QStringLiteral("扶手"), in.handrailname, sizeText(g.handrailLength), countText(g.handrailCount)}
        : absent(QStringLiteral("扶手"));
    s[ColumnRow] = {QStringLiteral("立柱"), in.ColumnName, sizeText(g.columnHeight), countText(g.columnCount)};
    s[CrosspieceRow] = crosspieceRow(in, g);
    if (in.isGlass()) {
        s[StandpipeRow] = absent(QStringLiteral("竖杆"));
        s[GlassRow] = {QStringLiteral("玻璃"), in.glassName,
                       numberText(g.glassWidth) + QLatin1Char('x') + numberText(g.glassHeight), countText(g.glassCount)};
    } else {
        s[StandpipeRow] = {QStringLiteral("竖杆"), in.standpipeName, sizeText(g.standpipeHeight),
                           countText(g.standpipesPerBay * g.bayCount)};
        s[GlassRow] = absent(QStringLiteral("玻璃"), QStringLiteral("玻璃类型"));
    }
    return s;
}

QString modelNameOf(const QString& pickerText)
{
    const QString t = pickerText.trimmed();
    const int dash = t.indexOf(QLatin1Char('-'));
    return dash < 0 ? QString() : t.left(dash);
}

void setModename(LayoutInput& in, const ModelPickerTexts& pickers)
{
    in.handrailname = modelNameOf(pickers.handrail);
    in.ColumnName = modelNameOf(pickers.column);
    in.CrosspieceName = modelNameOf(pickers.crosspiece);
    in.standpipeName = modelNameOf(pickers.standpipe);
    in.glassName = pickers.glass.trimmed();
}

LayoutStatus adjustSummaryCount(MainMaterSummary& summary, SummaryRow row, const QString& kText)
{
    const auto k = parseWholeNumber(kText);
    if (!k || *k < 0)
        return LayoutStatus::fail(QStringLiteral("“%1”不是有效的整数").arg(kText.trimmed()));
    const auto count = parseWholeNumber(summary[row].count);
    if (count && *k < *count)
        summary[row].count = QString::number(*count - *k);
    return LayoutStatus::ok();
}

QStringList handrailPresetItems()
{
    return {QStringLiteral("一端L转角"), QStringLiteral("两端L转角")};
}

double handrailPresetLength(HandrailPreset preset, double length, double handrailModelWidth)
{
    return preset == HandrailPreset::OneEndLCorner ? length - handrailModelWidth : length - 2 * handrailModelWidth;
}
