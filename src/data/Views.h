#pragma once
// The read-only views the sheets and summaries read, and the dialect pieces
// that let statements turn stored texts into numbers the same way on both
// databases (an empty or non-numeric text counts as 0 and never raises).
#include <QString>

class TDM;

// SQL expression: the text column or expression `expr` as a number.
QString numberExpr(const TDM& dm, const QString& expr);
// The same, rounded to a whole number.
QString integerExpr(const TDM& dm, const QString& expr);
// SQL expression: position (1-based, 0 when absent) of `needle` (an SQL
// expression) in `expr`.
QString positionExpr(const TDM& dm, const QString& expr, const QString& needle);

// Drops and creates the views (mainMaterFeed11_view ... 17, subfieldMaterResult_view,
// handBindParts_view).
void createViews(TDM& dm);
