#pragma once
// The user's default feeding parameters (one paramsDefault row per user):
// reading, saving through updateParams, and the two codings of the spacing
// method that meet here.
#include "DM.h"

#include <QString>
#include <optional>

// Texts of one paramsDefault row, as the windows show them.
struct FeedingParams {
    QString totalHeight;
    QString ColumnMaxSpace;
    QString StandPipeSpace;
    QString fixPipeSpace;
    QString doubleColumnSpace;
    QString spaceCalmethod;     // paramsDefault coding: "0" fixed spacing, "1" equal division
    QString SpacingDefaultLeft;
    QString SpacingDefaultRight;
    QString SpacingDefaultTop;
    QString SpacingDefaultLow;
    QString ColumnMargin;
    QString CrosspieceMargin;
    QString standpipeLeft;
    QString StandpipeRight;
    QString StandpipeTop;
    QString StandpipeLow;
    QString bmpPath;
    QString setpowder;

    // What the parameters window shows for a user without a row.
    static FeedingParams designDefaults();
};

inline const QString kDefaultHeaderPicture = QStringLiteral("\\images\\123.bmp");

// The radio items of 立管间距计算方式, in paramsDefault's coding.
enum class ParamsSpacingItem { FixedSpacing = 0, EqualDivision = 1 };

// paramsDefault.spaceCalmethod text -> radio item: "0" is 固定间距计算, every
// other text (also an empty one) 平分间距计算.
ParamsSpacingItem paramsSpacingItemOf(const QString& spaceCalmethodText);
// The @spaceCalMethod value updateParams stores for a radio item.
int paramsSpaceCalMethodValue(ParamsSpacingItem item);
// A new bill copies the default with the layout engine's
// spaceCalmethodFromDefault: "0" gives 间距固定, anything else 间距平分.

// The user's row; the last row wins when there are several. Nothing when the
// user has no row. A database error propagates as DbError.
std::optional<FeedingParams> readFeedingParams(TDM& dm, const QString& userID);

// The message for a parameter box that is empty or holds text that is not a
// number (naming the box, its column in *column); empty when all are numbers.
QString feedingParamsProblem(const FeedingParams& p, QString* column = nullptr);

// The parameters of updateParams for the texts of the window (trimmed here).
QVariantMap updateParamsArgs(const QString& userID, const FeedingParams& p, ParamsSpacingItem item);
