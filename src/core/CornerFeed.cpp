#include "CornerFeed.h"

#include "Numeric.h"

const QString kCornerGapText = QStringLiteral("上一段长度为空，请从第一段起依次输入各段");
const QString kCornerModeMissingText = QStringLiteral("请选择转角类型！");

QString CornerPassError::text() const
{
    return segment > 0 ? cornerSegmentName(segment) + QStringLiteral("：") + message : message;
}

QString cornerCaption(const QString& suitNum, const LayoutInput& segment, const GuardrailLayout& g)
{
    // The blanks before "尺寸:" differ by case; the rest is the straight caption.
    const char* blanks = segment.isGlass() ? "      " : segment.isFixedSpacing() ? "     " : "    ";
    return QStringLiteral("序号：") + suitNum + QLatin1String(blanks) + DivisionCaption(segment, g);
}

namespace {

double layoutLengthFor(CornerMode mode, double columnWidth, double inputLen)
{
    switch (mode) {
    case CornerMode::OneEndShared:
        return GetGuardraillen(false, columnWidth, inputLen);
    case CornerMode::BothEndsShared:
        return GetGuardraillen(true, columnWidth, inputLen);
    default:
        return inputLen;
    }
}

// The edit window lays out segment 2 on whole millimetres unless both of its
// ends are shared.
bool roundsLayoutLength(const LayoutInput& shared, int k, CornerMode mode)
{
    return shared.mode == LayoutInput::Mode::Edit && k == 2
        && (mode == CornerMode::NoCorner || mode == CornerMode::OneEndShared);
}

// One segment as a straight single-column piece with a handrail, laid out on
// its own length (the pass sets the layout length itself, so nothing rounds it).
LayoutInput segmentLayoutInput(const LayoutInput& shared, double layoutLength, const CornerValuesInForce& v)
{
    LayoutInput in = shared; // keeps the window's mode: the caption position depends on it
    in.Guardraillen = layoutLength;
    in.LeftValue = v.left;
    in.Rightvalue = v.right;
    in.TopValue = v.top;
    in.lowerValue = v.bottom;
    in.ColumnMargin = v.columnMargin;
    in.CrosspieceMargin = v.crosspieceMargin;
    in.HandrailHas = true;
    in.ColumnIsTwo = false;
    in.handrailLength.reset();
    in.removedColumns.clear();
    in.replacedBays.clear();
    in.replacedStandpipes.clear();
    in.lengthText = numberText(layoutLength);
    in.heightText = numberText(shared.GuardrailHeight);
    return in;
}

} // namespace

CornerBatch::CornerBatch() = default;

void CornerBatch::reset()
{
    m_layout = {};
    m_lists.clear();
    m_inForce = {};
    m_caption.clear();
    m_currentLayoutLength = 0;
}

CornerPassResult CornerBatch::BatchCornerFeed(const CornerPieceInput& in)
{
    CornerPassResult out;
    m_lists.clear();
    m_caption.clear();
    m_diagram.clear();
    // Allowances start from the common boxes each pass, so a segment with an
    // empty box never inherits a value from an earlier pass.
    m_inForce.columnMargin = in.shared.ColumnMargin;
    m_inForce.crosspieceMargin = in.shared.CrosspieceMargin;

    const double wc = in.shared.ColumnWidth;
    double startX = 0;
    double previousInputLen = 0;
    bool previousEmpty = false;
    for (int k = 1; k <= kCornerSegmentCount; ++k) {
        const CornerSegmentInput& seg = in.segments[size_t(k - 1)];
        if (!seg.isFilled()) {
            previousEmpty = true;
            continue;
        }
        if (previousEmpty) {
            out.error = CornerPassError{k, kCornerGapText};
            break;
        }
        const BoxNumber len = readBoxNumber(seg.inputLen, QStringLiteral("长度"));
        if (!len.ok()) {
            out.error = CornerPassError{k, len.error};
            break;
        }
        if (k == 2)
            startX = GetxOffset(false, wc, previousInputLen);
        else if (k > 2)
            startX += previousInputLen;
        previousInputLen = *len.value;
        if (auto err = computeSegment(in, k, *len.value, startX, out)) {
            out.error = err;
            break;
        }
    }
    resetResultSlots(m_layout);
    return out;
}

std::optional<CornerPassError> CornerBatch::computeSegment(const CornerPieceInput& in, int k, double inputLen,
                                                           double startX, CornerPassResult& out)
{
    const CornerSegmentInput& seg = in.segments[size_t(k - 1)];
    const auto fail = [k](const QString& message) { return CornerPassError{k, message}; };

    const CornerMode mode = cornerModeFromText(seg.cornerMode);
    if (mode == CornerMode::None)
        return fail(kCornerModeMissingText);
    double layoutLength = layoutLengthFor(mode, in.shared.ColumnWidth, inputLen);
    if (roundsLayoutLength(in.shared, k, mode))
        layoutLength = Round(layoutLength);
    if (k >= 2 && mode != CornerMode::NoCorner)
        m_diagram.loadCornerBmp(startX);

    if (auto err = setParamsByEdit(seg, m_inForce))
        return fail(*err);
    if (auto s = checkLayoutLength(m_inForce.left, m_inForce.right, in.shared.ColumnWidth, layoutLength); !s)
        return fail(s.error);
    const BoxNumber handrailSize = readBoxNumber(seg.handrailSize, QStringLiteral("扶手"));
    if (!handrailSize.ok())
        return fail(handrailSize.error);

    const LayoutInput segIn = segmentLayoutInput(in.shared, layoutLength, m_inForce);
    m_layout.length = layoutLength;
    SetHandrailCount(segIn, m_layout);
    m_layout.handrailLength = *handrailSize.value;
    if (auto s = computeSingleColumnLayout(segIn, m_layout); !s)
        return fail(s.error);

    const QString suitNum = seg.SuitOrderNum.trimmed();
    const corner::TMainMaterArr rows = corner::loadMainMaterSummary(suitNum, segIn, m_layout);
    m_currentLayoutLength = layoutLength;
    m_lists.setSegment(k, layoutLength, {m_layout.CrosspieceHoleNum, m_layout.CrosspieceHolePosition}, rows);
    m_caption = cornerCaption(suitNum, segIn, m_layout);

    out.segments.append({k, mode, layoutLength, startX, m_layout, rows, m_caption});
    m_diagram.drawGuardrail(segIn, m_layout, k - 1, startX, m_caption);
    resetResultSlots(m_layout);
    return std::nullopt;
}
