#pragma once
// Suit order numbers (序号): "n", "set*member", and "number#part" for a split
// handrail. Numbers are compared as texts.
#include <QString>

// True when the text contains "*".
bool containsStar(const QString& text);

// The characters before the first "*"; empty when there is no "*"
// (3*2 -> 3, 3 -> "", *5 -> "").
QString suitPrefix(const QString& suitOrderNum);

// The next member number of the same set: 3*2 -> 3*3. Empty when the text
// has no "*" or what follows the first "*" is not a whole number.
QString getSuitOrderNumStr(const QString& suitOrderNum);
