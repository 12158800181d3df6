#include "CornerModel.h"

#include "Numeric.h"

namespace {

const std::array<QString, 3> kModeTexts = {
    QStringLiteral("不转角间距分隔"),
    QStringLiteral("L转角一端公用立柱"),
    QStringLiteral("L转角两端公用立柱"),
};

} // namespace

QString cornerModeText(CornerMode mode)
{
    const int i = int(mode);
    return i >= 0 && i < int(kModeTexts.size()) ? kModeTexts[size_t(i)] : QString();
}

CornerMode cornerModeFromText(const QString& text)
{
    const QString t = text.trimmed();
    for (size_t i = 0; i < kModeTexts.size(); ++i)
        if (kModeTexts[i] == t)
            return CornerMode(int(i));
    return CornerMode::None;
}

QStringList cornerModeItems(int segmentIndex)
{
    QStringList items{kModeTexts[0], kModeTexts[1]};
    if (segmentIndex > 0)
        items << kModeTexts[2];
    return items;
}

QString cornerSegmentName(int k)
{
    static const QString digits = QStringLiteral("一二三四五六七八");
    if (k < 1 || k > digits.size())
        return QStringLiteral("第%1段").arg(k);
    return QStringLiteral("第") + digits.at(k - 1) + QStringLiteral("段");
}

double GetGuardraillen(bool bothEnds, double columnWidth, double length)
{
    return bothEnds ? length + columnWidth : length + columnWidth / 2;
}

double GetxOffset(bool flag, double columnWidth, double length)
{
    return flag ? length : length - columnWidth / 2;
}

BoxNumber readBoxNumber(const QString& text, const QString& caption)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {std::nullopt, caption + QStringLiteral("不能为空")};
    if (const auto v = parseNumber(t))
        return {v, {}};
    return {std::nullopt, caption + QStringLiteral("：") + notANumberMessage(t)};
}

std::optional<QString> setParamsByEdit(const CornerSegmentInput& segment, CornerValuesInForce& inForce)
{
    struct Box {
        const QString& text;
        const char* caption;
        double* target;
        bool optional; // an empty box keeps the value in force
    };
    CornerValuesInForce next = inForce;
    const Box boxes[] = {
        {segment.LeftValue, "左边距", &next.left, false},
        {segment.Rightvalue, "右边距", &next.right, false},
        {segment.crosspieceMargin, "横杆余量", &next.crosspieceMargin, true},
        {segment.columnMargin, "立柱接插量", &next.columnMargin, true},
        {segment.lowerValue, "下边距", &next.bottom, false},
        {segment.TopValue, "上边距", &next.top, false},
    };
    for (const Box& b : boxes) {
        if (b.optional && b.text.trimmed().isEmpty())
            continue;
        const BoxNumber n = readBoxNumber(b.text, QString::fromUtf8(b.caption));
        if (!n.ok())
            return n.error;
        *b.target = *n.value;
    }
    inForce = next;
    return std::nullopt;
}

std::optional<CornerMarginPreset> presetMarginsForCornerMode(int segmentIndex, CornerMode mode,
                                                              const CornerValuesInForce& inForce)
{
    const QString top = numberText(inForce.top);
    const QString bottom = numberText(inForce.bottom);
    switch (mode) {
    case CornerMode::NoCorner:
    case CornerMode::BothEndsShared:
        return CornerMarginPreset{"0", "0", top, bottom};
    case CornerMode::OneEndShared:
        // The free end of the first segment is its left end, of the others their right end.
        return segmentIndex == 0 ? CornerMarginPreset{"100", "0", top, bottom}
                                 : CornerMarginPreset{"0", "100", top, bottom};
    case CornerMode::None:
        break;
    }
    return std::nullopt;
}

std::optional<CornerSegmentProblem> checkSegmentBeforeFeed(const CornerSegmentInput& segment)
{
    if (segment.SuitOrderNum.trimmed().isEmpty())
        return CornerSegmentProblem{CornerSegmentField::SuitOrderNum, QStringLiteral("序号不能为空")};
    if (segment.handrailSize.trimmed().isEmpty())
        return CornerSegmentProblem{CornerSegmentField::handrailSize,
                                    QStringLiteral("扶手长度不能为空，请选择\"尺寸参考\"计算扶手尺寸")};
    if (segment.cornerMode.trimmed().isEmpty())
        return CornerSegmentProblem{CornerSegmentField::cornerMode, QStringLiteral("请选择转角类型！")};
    return std::nullopt;
}

CornerSizeReference cornerSizeReference(CornerMode mode, double columnWidth, double inputLen)
{
    switch (mode) {
    case CornerMode::NoCorner:
        return {numberText(inputLen), QStringLiteral("输入长度")};
    case CornerMode::OneEndShared:
        return {numberText(GetGuardraillen(false, columnWidth, inputLen)), QStringLiteral("输入长度+立柱宽度/2")};
    case CornerMode::BothEndsShared:
        return {numberText(GetGuardraillen(true, columnWidth, inputLen)), QStringLiteral("输入长度+立柱宽度")};
    case CornerMode::None:
        break;
    }
    return {};
}
