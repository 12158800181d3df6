#include "core/HandrailSplitRules.h"

#include <gtest/gtest.h>

TEST(HandrailSplitRules, NextSubOrderNumber)
{
    const struct {
        QString in;
        std::optional<QString> out;
    } cases[] = {
        {"3#1", QStringLiteral("3#2")},
        {"1*2#9", QStringLiteral("1*2#10")},
        {"7", QStringLiteral("#8")},          // no "#": the whole text is the part number
        {"3*1", std::nullopt},               // not a whole number after the (missing) "#"
        {"3#", std::nullopt},
        {"3#1#2", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nextSplitOrderNumber(c.in), c.out) << c.in.toStdString();
}

TEST(HandrailSplitRules, SizesMustAddUpToTheOriginal)
{
    const struct {
        QList<double> pieces;
        double original;
        bool match;
    } cases[] = {
        {{2500.5, 2499.5}, 5000, true},
        {{2500, 2499}, 5000, false},
        {{2500, 2500}, 5000, true},
        {{1666.6, 1666.7, 1666.7}, 5000, true},   // decimal sizes whose binary sum is not exact
        {{}, 5000, false},
        {{5000.01}, 5000, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitSizesMatch(c.pieces, c.original), c.match) << c.original;
}
