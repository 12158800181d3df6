#pragma once
// The corner worked example: the sizes of the straight examples, segment 1
// one-end shared 1500 (left 100), segment 2 one-end shared 2000 (right 100).
#include "WorkedExample.h"
#include "core/CornerFeed.h"

inline const QString kOneEnd = QStringLiteral("L转角一端公用立柱");
inline const QString kBothEnds = QStringLiteral("L转角两端公用立柱");
inline const QString kNoCorner = QStringLiteral("不转角间距分隔");

// A segment row with top and bottom 100 and the 扶手 box = the length.
inline CornerSegmentInput cornerSegment(const QString& order, const QString& len, const QString& mode,
                                        const QString& left, const QString& right)
{
    CornerSegmentInput s;
    s.SuitOrderNum = order;
    s.inputLen = len;
    s.cornerMode = mode;
    s.LeftValue = left;
    s.Rightvalue = right;
    s.TopValue = "100";
    s.lowerValue = "100";
    s.handrailSize = len;
    return s;
}

inline CornerPieceInput workedCornerPiece(double columnWidth = 50, LayoutInput::Mode mode = LayoutInput::Mode::Add)
{
    CornerPieceInput in;
    in.shared = workedInput();
    in.shared.ColumnWidth = columnWidth;
    in.shared.mode = mode;
    in.segments[0] = cornerSegment("1*1", "1500", kOneEnd, "100", "0");
    in.segments[1] = cornerSegment("1*2", "2000", kOneEnd, "0", "100");
    return in;
}
