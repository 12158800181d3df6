#pragma once
// Rules of the handrail split: the next sub-order number and the size check.
#include <QList>
#include <QString>
#include <optional>

// "3#1" -> "3#2". A number without "#" counts as if its whole text followed
// the "#" ("7" -> "#8"). Nothing when the part after "#" is not a whole number.
std::optional<QString> nextSplitOrderNumber(const QString& number);

// True when the pieces add up to the original size. Sizes are typed with a
// few decimals, so sums are compared to a millionth of a millimetre: 1666.6
// + 1666.7 + 1666.7 is 5000 although its binary sum is not exactly.
bool splitSizesMatch(const QList<double>& pieces, double original);
