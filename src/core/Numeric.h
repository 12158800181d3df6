#pragma once
// The numeric rules every size and count of the layout goes through. They
// decide the exact numbers printed on the shop-floor sheets, so they are
// spelled out here instead of relying on the platform's defaults.
#include <QString>
#include <QtGlobal>
#include <optional>

// Millimetres per pixel of every division diagram.
inline constexpr int DrawScale = 10;

// Integer part (towards zero) plus 1 when the fraction is positive;
// Ceil(-0.4) == 0, Ceil(2.0001) == 3.
qint64 Ceil(double x);

// Nearest integer, halves to the even neighbour: Round(1130.5) == 1130,
// Round(1131.5) == 1132.
double Round(double x);

// One decimal place from the exact binary value, an exact half away from
// zero: 96.111 -> 96.1, 1130.25 -> 1130.3, 1130.75 -> 1130.8.
double oneDecimal(double x);

// Shortest decimal text, up to 15 significant digits, no trailing zeros:
// 1025, 96.1, 577.5.
QString numberText(double x);

// A number typed into a box: the trimmed text read as a finite decimal
// number; nothing when it is empty or not a number.
std::optional<double> parseNumber(const QString& text);

// A whole number typed into a box (digits with an optional sign).
std::optional<qint64> parseWholeNumber(const QString& text);

// The message shown when a box's text cannot be read as a number.
QString notANumberMessage(const QString& text);
