#include "GuardrailLayout.h"

#include "Numeric.h"

#include <cmath>

namespace {

LayoutStatus zeroDivisor(const QString& what)
{
    return LayoutStatus::fail(QStringLiteral("%1之和为0，无法计算，请检查输入数据或者参数设置！").arg(what));
}

// L' = L − Ml − Mr: the part of the piece between the margins.
double innerLength(const LayoutInput& in, const GuardrailLayout& g)
{
    return g.length - in.LeftValue - in.Rightvalue;
}

// Height left for standpipes or glass before insertion or clearance.
double infillHeight(const LayoutInput& in)
{
    return in.GuardrailHeight - in.handrailFactor() * in.HandrailWidth
        - in.topRailFactor() * (in.TopValue + in.CrosspieceWidth)
        - in.lowRailFactor() * (in.CrosspieceWidth + in.lowerValue);
}

void setColumnHeight(const LayoutInput& in, GuardrailLayout& g)
{
    g.columnHeight = in.GuardrailHeight - in.handrailFactor() * in.HandrailWidth + in.ColumnMargin;
}

void setCrosspieceCount(GuardrailLayout& g) { g.crosspieceCount = 2 * g.bayCount; }

void setCrosspieceLen(const LayoutInput& in, GuardrailLayout& g)
{
    g.crosspieceLength = g.columnSpacing + in.CrosspieceMargin;
}

void setStandpipeHeight(const LayoutInput& in, GuardrailLayout& g)
{
    g.standpipeHeight = infillHeight(in) + in.StandpipeTop + in.StandpipeLow;
}

void setGlassHeight(const LayoutInput& in, GuardrailLayout& g)
{
    g.glassHeight = infillHeight(in) - in.StandpipeTop - in.StandpipeLow;
}

void setGlassWidth(const LayoutInput& in, GuardrailLayout& g)
{
    g.glassWidth = g.columnSpacing - in.standpipeLeft - in.StandpipeRight;
    g.glassCount = g.bayCount;
}

// Equal division: the least count whose gaps do not exceed S.
LayoutStatus setStandpipeDivideCount(const LayoutInput& in, GuardrailLayout& g)
{
    const double D = g.columnSpacing, S = in.StandPipeSpace, Ws = in.standpipeWidth;
    if (Ws + S == 0)
        return zeroDivisor(QStringLiteral("竖杆宽度与竖杆最大间距"));
    const qint64 n = Ceil((D - S) / (Ws + S));
    if (n + 1 == 0)
        return LayoutStatus::fail(kUnreasonableDataText);
    g.standpipeGap = oneDecimal((D - n * Ws) / (n + 1));
    g.standpipesPerBay = n;
    return LayoutStatus::ok();
}

// Fixed spacing: the least count whose end gaps do not exceed S. The first
// hole of an even count sits half a gap S and half a standpipe off the middle.
LayoutStatus setStandpipeFixCount(const LayoutInput& in, GuardrailLayout& g)
{
    const double D = g.columnSpacing, S = in.StandPipeSpace, F = in.FixedValue, Ws = in.standpipeWidth;
    if (Ws + F == 0)
        return zeroDivisor(QStringLiteral("竖杆宽度与固定间距值"));
    const qint64 f = Ceil((D + F - 2 * S) / (Ws + F));
    g.endGap = oneDecimal((D - (f - 1) * F - f * Ws) / 2);
    g.standpipesPerBay = f;
    g.CrosspieceHoleNum = f;
    const double half = Round(g.crosspieceLength) / 2;
    g.CrosspieceHolePosition = (f % 2 != 0) ? oneDecimal(half) : oneDecimal(half + S / 2 + Ws / 2);
    return LayoutStatus::ok();
}

LayoutStatus infill(const LayoutInput& in, GuardrailLayout& g, bool doubleColumns)
{
    if (in.isGlass()) {
        setGlassHeight(in, g);
        setGlassWidth(in, g);
        return LayoutStatus::ok();
    }
    if (in.isFixedSpacing())
        return doubleColumns ? setDouColStandpipeFixCount(in, g) : setSigleColStandpipeFixCount(in, g);
    return doubleColumns ? setDouColStandpipeDivideCount(in, g) : setSigleColStandpipeDivideCount(in, g);
}

// Anything not finite or a negative count means the inputs describe no
// buildable piece; such numbers must never reach a bill.
LayoutStatus checkResults(const GuardrailLayout& g)
{
    const double values[] = {g.length, g.columnSpacing, g.columnHeight, g.handrailLength, g.crosspieceLength,
                             g.standpipeHeight, g.standpipeGap, g.endGap, g.CrosspieceHolePosition,
                             g.glassWidth, g.glassHeight};
    for (double v : values) {
        if (!std::isfinite(v))
            return LayoutStatus::fail(kUnreasonableDataText);
    }
    const qint64 counts[] = {g.bayCount, g.columnCount, g.crosspieceCount, g.standpipesPerBay, g.glassCount};
    for (qint64 c : counts) {
        if (c < 0)
            return LayoutStatus::fail(kUnreasonableDataText);
    }
    return LayoutStatus::ok();
}

} // namespace

void resetResultSlots(GuardrailLayout& g)
{
    GuardrailLayout cleared;
    cleared.CrosspieceHoleNum = g.CrosspieceHoleNum;
    cleared.CrosspieceHolePosition = g.CrosspieceHolePosition;
    g = cleared;
}

void SetHandrailCount(const LayoutInput& in, GuardrailLayout& g)
{
    g.handrailCount = in.handrailFactor();
}

void SetHandraillen(const LayoutInput& in, GuardrailLayout& g)
{
    if (in.mode == LayoutInput::Mode::Add) {
        g.length = Round(in.Guardraillen);
        g.handrailLength = in.handrailLength ? Round(*in.handrailLength) : g.length;
    } else {
        g.length = in.Guardraillen;
        g.handrailLength = in.handrailLength.value_or(in.Guardraillen);
    }
}

LayoutStatus SetSigleColumnField(const LayoutInput& in, GuardrailLayout& g)
{
    const double Wc = in.ColumnWidth, Cmax = in.ColumnMaxSpace;
    if (Wc + Cmax == 0)
        return zeroDivisor(QStringLiteral("立柱宽度与每档最大间距"));
    g.bayCount = Ceil((innerLength(in, g) - Wc) / (Wc + Cmax));
    return LayoutStatus::ok();
}

void SetSigleColumnDistance(const LayoutInput& in, GuardrailLayout& g)
{
    const qint64 N = g.bayCount;
    if (N != 0)
        g.columnSpacing = oneDecimal((innerLength(in, g) - (N + 1) * in.ColumnWidth) / N);
}

void SetSigleColumnCount(const LayoutInput&, GuardrailLayout& g) { g.columnCount = g.bayCount + 1; }
void SetSigleColumnHeight(const LayoutInput& in, GuardrailLayout& g) { setColumnHeight(in, g); }
void SetSigleColumnCrosspieceCount(const LayoutInput&, GuardrailLayout& g) { setCrosspieceCount(g); }
void SetSigleColumnCrosspieceLen(const LayoutInput& in, GuardrailLayout& g) { setCrosspieceLen(in, g); }
void setSigleColStandpipeHeight(const LayoutInput& in, GuardrailLayout& g) { setStandpipeHeight(in, g); }
void setSigleColumnGlassHeight(const LayoutInput& in, GuardrailLayout& g) { setGlassHeight(in, g); }
void setSigleColumnGlassWidth(const LayoutInput& in, GuardrailLayout& g) { setGlassWidth(in, g); }
LayoutStatus setSigleColStandpipeDivideCount(const LayoutInput& in, GuardrailLayout& g)
{
    return setStandpipeDivideCount(in, g);
}
LayoutStatus setSigleColStandpipeFixCount(const LayoutInput& in, GuardrailLayout& g)
{
    return setStandpipeFixCount(in, g);
}

LayoutStatus SetDoubleColumnField(const LayoutInput& in, GuardrailLayout& g)
{
    const double T = in.TwoSpace, Cmax = in.ColumnMaxSpace, Wc = in.ColumnWidth;
    if (T + Cmax + 2 * Wc == 0)
        return zeroDivisor(QStringLiteral("双立柱间距、每档最大间距与两倍立柱宽度"));
    g.bayCount = Ceil((innerLength(in, g) + T) / (T + Cmax + 2 * Wc));
    return LayoutStatus::ok();
}

void SetDoubleColumnDistance(const LayoutInput& in, GuardrailLayout& g)
{
    const qint64 N = g.bayCount;
    if (N != 0)
        g.columnSpacing = oneDecimal((innerLength(in, g) - 2 * N * in.ColumnWidth - (N - 1) * in.TwoSpace) / N);
}

void SetDoubleColumnCount(const LayoutInput&, GuardrailLayout& g) { g.columnCount = 2 * g.bayCount; }
void setdoubleColumnHeight(const LayoutInput& in, GuardrailLayout& g) { setColumnHeight(in, g); }
void SetdoubleColumnCrosspieceCount(const LayoutInput&, GuardrailLayout& g) { setCrosspieceCount(g); }
void SetdoubleColumnCrosspieceLen(const LayoutInput& in, GuardrailLayout& g) { setCrosspieceLen(in, g); }
void setDouColStandpipeHeight(const LayoutInput& in, GuardrailLayout& g) { setStandpipeHeight(in, g); }
void setdoubleColumnGlassHeight(const LayoutInput& in, GuardrailLayout& g) { setGlassHeight(in, g); }
void setdoubleColumnGlassWidth(const LayoutInput& in, GuardrailLayout& g) { setGlassWidth(in, g); }
LayoutStatus setDouColStandpipeDivideCount(const LayoutInput& in, GuardrailLayout& g)
{
    return setStandpipeDivideCount(in, g);
}
LayoutStatus setDouColStandpipeFixCount(const LayoutInput& in, GuardrailLayout& g)
{
    return setStandpipeFixCount(in, g);
}

LayoutStatus computeSingleColumnLayout(const LayoutInput& in, GuardrailLayout& g)
{
    if (auto s = SetSigleColumnField(in, g); !s)
        return s;
    SetSigleColumnDistance(in, g);
    SetSigleColumnCount(in, g);
    SetSigleColumnHeight(in, g);
    SetSigleColumnCrosspieceCount(in, g);
    SetSigleColumnCrosspieceLen(in, g);
    setSigleColStandpipeHeight(in, g);
    if (auto s = infill(in, g, false); !s)
        return s;
    return checkResults(g);
}

LayoutStatus computeDoubleColumnLayout(const LayoutInput& in, GuardrailLayout& g)
{
    if (auto s = SetDoubleColumnField(in, g); !s)
        return s;
    SetDoubleColumnDistance(in, g);
    SetDoubleColumnCount(in, g);
    setdoubleColumnHeight(in, g);
    SetdoubleColumnCrosspieceCount(in, g);
    SetdoubleColumnCrosspieceLen(in, g);
    setDouColStandpipeHeight(in, g);
    if (auto s = infill(in, g, true); !s)
        return s;
    return checkResults(g);
}

LayoutStatus AccountingGuardrail(const LayoutInput& in, GuardrailLayout& g)
{
    resetResultSlots(g);
    SetHandrailCount(in, g);
    SetHandraillen(in, g);
    return in.ColumnIsTwo ? computeDoubleColumnLayout(in, g) : computeSingleColumnLayout(in, g);
}

LayoutInput withStoredBranches(LayoutInput in, const StoredBranchTexts& stored)
{
    in.HandrailHas = stored.HandrailHas.trimmed() == QLatin1String("1");
    in.ColumnIsTwo = stored.ColumnIsTwo.trimmed() == QLatin1String("1");
    in.Standpipetype = stored.Standpipetype.trimmed() == QLatin1String("0") ? 0 : 1;
    in.spaceCalmethod = stored.spaceCalmethod.trimmed() == QLatin1String("1") ? 1 : 0;
    return in;
}

LayoutStatus AccountingGuardrailByParams(const LayoutInput& in, const StoredBranchTexts& stored, GuardrailLayout& g)
{
    return AccountingGuardrail(withStoredBranches(in, stored), g);
}

int spaceCalmethodFromDefault(const QString& paramsDefaultText)
{
    return paramsDefaultText.trimmed() == QLatin1String("0") ? 1 : 0;
}

LayoutStatus checkLayoutLength(double left, double right, double columnWidth, double length)
{
    if (left + right + 2 * columnWidth > length)
        return LayoutStatus::fail(kUnreasonableDataText);
    return LayoutStatus::ok();
}

bool enteredValueValid(LayoutField field, const LayoutInput& in)
{
    const double L = in.Guardraillen, H = in.GuardrailHeight;
    auto below = [](double v, double limit) { return 0 <= v && v < limit; };
    auto positiveBelow = [](double v, double limit) { return 0 < v && v < limit; };
    switch (field) {
    case LayoutField::Length: return checkLayoutLength(in.LeftValue, in.Rightvalue, in.ColumnWidth, L).isOk();
    case LayoutField::ColumnMaxSpace: return in.ColumnMaxSpace <= L;
    case LayoutField::Height: return H > 0;
    case LayoutField::Left: return below(in.LeftValue, L);
    case LayoutField::Right: return below(in.Rightvalue, L);
    case LayoutField::Top: return below(in.TopValue, H);
    case LayoutField::Low: return below(in.lowerValue, H);
    case LayoutField::StandPipeSpace: return positiveBelow(in.StandPipeSpace, L);
    case LayoutField::FixedValue: return positiveBelow(in.FixedValue, L);
    case LayoutField::GapLeft: return below(in.standpipeLeft, L);
    case LayoutField::GapRight: return below(in.StandpipeRight, L);
    case LayoutField::GapTop: return below(in.StandpipeTop, H);
    case LayoutField::GapLow: return below(in.StandpipeLow, H);
    }
    return false;
}

QString DivisionCaption(const LayoutInput& in, const GuardrailLayout& g)
{
    const QString length = in.lengthText.trimmed().isEmpty() ? numberText(in.Guardraillen) : in.lengthText.trimmed();
    const QString height = in.heightText.trimmed().isEmpty() ? numberText(in.GuardrailHeight) : in.heightText.trimmed();
    QString caption = QStringLiteral("尺寸:") + length + QLatin1Char('x') + height
        + QStringLiteral("    档数:") + QString::number(g.bayCount)
        + QStringLiteral("    立柱间距:") + numberText(g.columnSpacing);
    if (in.isGlass())
        return caption;
    caption += QStringLiteral("   竖杆数量:") + QString::number(g.standpipesPerBay);
    if (in.isFixedSpacing())
        return caption + QStringLiteral("    竖杆间距:") + numberText(in.FixedValue)
            + QStringLiteral("     第一孔距:") + numberText(g.endGap);
    return caption + QStringLiteral("    竖杆间距:") + numberText(g.standpipeGap);
}
