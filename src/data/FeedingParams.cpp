#include "FeedingParams.h"

#include <QSqlQuery>

FeedingParams FeedingParams::designDefaults()
{
    FeedingParams p;
    p.totalHeight = "1100";
    p.ColumnMaxSpace = "1200";
    p.StandPipeSpace = "110";
    p.fixPipeSpace = "110";
    p.doubleColumnSpace = "110";
    p.spaceCalmethod = "0";
    p.SpacingDefaultLeft = p.SpacingDefaultRight = p.SpacingDefaultTop = p.SpacingDefaultLow = "100";
    p.ColumnMargin = p.CrosspieceMargin = "0";
    p.standpipeLeft = p.StandpipeRight = p.StandpipeTop = p.StandpipeLow = "0";
    p.bmpPath = kDefaultHeaderPicture;
    p.setpowder = "0.2";
    return p;
}

ParamsSpacingItem paramsSpacingItemOf(const QString& spaceCalmethodText)
{
    return spaceCalmethodText == "0" ? ParamsSpacingItem::FixedSpacing : ParamsSpacingItem::EqualDivision;
}

int paramsSpaceCalMethodValue(ParamsSpacingItem item)
{
    return item == ParamsSpacingItem::FixedSpacing ? 0 : 1;
}

namespace {
// A stored number as the window shows it: 1100.0 reads "1100", 0.2 "0.2".
QString textOf(const QSqlQuery& q, const char* field)
{
    const QVariant v = q.value(QString::fromLatin1(field));
    if (v.isNull())
        return {};
    return v.toString();
}
} // namespace

std::optional<FeedingParams> readFeedingParams(TDM& dm, const QString& userID)
{
    QSqlQuery q = dm.run(QStringLiteral("select * from paramsDefault where userID=?"), {userID});
    std::optional<FeedingParams> result;
    while (q.next()) {
        FeedingParams p;
        p.totalHeight = textOf(q, "totalHeight");
        p.ColumnMaxSpace = textOf(q, "ColumnMaxSpace");
        p.StandPipeSpace = textOf(q, "StandPipeSpace");
        p.fixPipeSpace = textOf(q, "fixPipeSpace");
        p.doubleColumnSpace = textOf(q, "doubleColumnSpace");
        p.spaceCalmethod = textOf(q, "spaceCalmethod");
        p.SpacingDefaultLeft = textOf(q, "SpacingDefaultLeft");
        p.SpacingDefaultRight = textOf(q, "SpacingDefaultRight");
        p.SpacingDefaultTop = textOf(q, "SpacingDefaultTop");
        p.SpacingDefaultLow = textOf(q, "SpacingDefaultLow");
        p.ColumnMargin = textOf(q, "ColumnMargin");
        p.CrosspieceMargin = textOf(q, "CrosspieceMargin");
        p.standpipeLeft = textOf(q, "standpipeLeft");
        p.StandpipeRight = textOf(q, "StandpipeRight");
        p.StandpipeTop = textOf(q, "StandpipeTop");
        p.StandpipeLow = textOf(q, "StandpipeLow");
        p.bmpPath = textOf(q, "bmpPath");
        p.setpowder = textOf(q, "setpowder");
        result = p;
    }
    return result;
}

QString feedingParamsProblem(const FeedingParams& p, QString* column)
{
    struct Box {
        const QString& text;
        const char* column;
        const char* label;
    };
    const Box boxes[] = {
        {p.totalHeight, "totalHeight", "总高"},
        {p.ColumnMaxSpace, "ColumnMaxSpace", "每档最大间距"},
        {p.StandPipeSpace, "StandPipeSpace", "立管最大间距"},
        {p.fixPipeSpace, "fixPipeSpace", "立管固定间距"},
        {p.doubleColumnSpace, "doubleColumnSpace", "双立柱间距"},
        {p.SpacingDefaultLeft, "SpacingDefaultLeft", "护栏左边距"},
        {p.SpacingDefaultRight, "SpacingDefaultRight", "护栏右边距"},
        {p.SpacingDefaultTop, "SpacingDefaultTop", "护栏上边距"},
        {p.SpacingDefaultLow, "SpacingDefaultLow", "护栏下边距"},
        {p.ColumnMargin, "ColumnMargin", "立柱接插量"},
        {p.CrosspieceMargin, "CrosspieceMargin", "横档偏移余量"},
        {p.standpipeLeft, "standpipeLeft", "左间距"},
        {p.StandpipeRight, "StandpipeRight", "右间距"},
        {p.StandpipeTop, "StandpipeTop", "上间距"},
        {p.StandpipeLow, "StandpipeLow", "下间距"},
        {p.setpowder, "setpowder", "每平米塑粉量（kg）"},
    };
    for (const Box& b : boxes) {
        const QString t = b.text.trimmed();
        bool ok = false;
        t.toDouble(&ok);
        if (ok)
            continue;
        if (column)
            *column = QString::fromLatin1(b.column);
        return QString::fromUtf8(b.label)
            + (t.isEmpty() ? QStringLiteral("不能为空") : QStringLiteral("不是有效的数字，请检查输入"));
    }
    return {};
}

QVariantMap updateParamsArgs(const QString& userID, const FeedingParams& p, ParamsSpacingItem item)
{
    return {
        {"@userID", userID},
        {"@totalHeight", p.totalHeight.trimmed()},
        {"@columnMaxSpace", p.ColumnMaxSpace.trimmed()},
        {"@standPipeSpace", p.StandPipeSpace.trimmed()},
        {"@fixPipeSpace", p.fixPipeSpace.trimmed()},
        {"@doubleColumnSpace", p.doubleColumnSpace.trimmed()},
        {"@spaceCalMethod", paramsSpaceCalMethodValue(item)},
        {"@spacingDefaultLeft", p.SpacingDefaultLeft.trimmed()},
        {"@spacingDefaultRight", p.SpacingDefaultRight.trimmed()},
        {"@spacingDefaulttop", p.SpacingDefaultTop.trimmed()},
        {"@spacingDefaultlow", p.SpacingDefaultLow.trimmed()},
        {"@ColumnMargin", p.ColumnMargin.trimmed()},
        {"@CrosspieceMargin", p.CrosspieceMargin.trimmed()},
        {"@standpipeLeft", p.standpipeLeft.trimmed()},
        {"@StandpipeRight", p.StandpipeRight.trimmed()},
        {"@StandpipeTop", p.StandpipeTop.trimmed()},
        {"@StandpipeLow", p.StandpipeLow.trimmed()},
        {"@setpowder", p.setpowder.trimmed()},
        {"@bmpPath", p.bmpPath.trimmed()},
        {"@error", 0},
    };
}
