#include "FeedingParams.h"

#include "RecordSet.h"

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

std::optional<FeedingParams> readFeedingParams(TDM& dm, const QString& userID)
{
    QSqlQuery q = dm.run(QStringLiteral("select * from paramsDefault where userID=?"), {userID});
    std::optional<FeedingParams> result;
    while (q.next()) {
        FeedingParams p;
        p.totalHeight = displayText(q.value("totalHeight"));
        p.ColumnMaxSpace = displayText(q.value("ColumnMaxSpace"));
        p.StandPipeSpace = displayText(q.value("StandPipeSpace"));
        p.fixPipeSpace = displayText(q.value("fixPipeSpace"));
        p.doubleColumnSpace = displayText(q.value("doubleColumnSpace"));
        p.spaceCalmethod = displayText(q.value("spaceCalmethod"));
        p.SpacingDefaultLeft = displayText(q.value("SpacingDefaultLeft"));
        p.SpacingDefaultRight = displayText(q.value("SpacingDefaultRight"));
        p.SpacingDefaultTop = displayText(q.value("SpacingDefaultTop"));
        p.SpacingDefaultLow = displayText(q.value("SpacingDefaultLow"));
        p.ColumnMargin = displayText(q.value("ColumnMargin"));
        p.CrosspieceMargin = displayText(q.value("CrosspieceMargin"));
        p.standpipeLeft = displayText(q.value("standpipeLeft"));
        p.StandpipeRight = displayText(q.value("StandpipeRight"));
        p.StandpipeTop = displayText(q.value("StandpipeTop"));
        p.StandpipeLow = displayText(q.value("StandpipeLow"));
        p.bmpPath = displayText(q.value("bmpPath"));
        p.setpowder = displayText(q.value("setpowder"));
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
