#pragma once
// Per-segment results of a corner pass: the material rows of each segment,
// its layout length and its hole values. The corner windows have their own
// summary record, with the segment's order number as a fifth field; it lives
// in namespace corner so it never mixes with the straight editor's record.
#include "core/GuardrailLayout.h"

#include <QList>
#include <QString>
#include <array>
#include <ostream>

namespace corner {

struct TMainMaterSummary {
    QString suitNum;
    QString title;
    QString model;
    QString size;
    QString count;

    bool operator==(const TMainMaterSummary&) const = default;
};

// Readable test failures.
void PrintTo(const TMainMaterSummary& r, std::ostream* os);

// One segment: rows 0..4 扶手, 立柱, 横杆, 竖杆, 玻璃; row 5 stays empty.
using TMainMaterArr = std::array<TMainMaterSummary, 6>;
// One element per segment, index = segment − 1.
using TMainMaterArrTwodimen = QList<TMainMaterArr>;

// The hole values of a segment as they stood after its computation.
struct TSegmentHoles {
    qint64 holeNum = 0;
    double holePosition = 0;

    bool operator==(const TSegmentHoles&) const = default;
};

// The three lists a pass leaves for the save (index = segment − 1).
struct CornerSegmentLists {
    QList<double> segmentLengths;
    QList<TSegmentHoles> segmentHoles;
    TMainMaterArrTwodimen cornerSummary;

    // Summary step 1 for segment k: exactly k elements, then element k − 1 set.
    void setSegment(int k, double layoutLength, TSegmentHoles holes, const TMainMaterArr& rows);
    void clear();
    int size() const { return int(segmentLengths.size()); }
};

// The summary step of one segment: the straight summary rows of its layout
// (handrail present, its size the segment's 扶手 value, set as the layout's
// handrail length), each marked with the segment's order number.
TMainMaterArr loadMainMaterSummary(const QString& suitNum, const LayoutInput& segment, const GuardrailLayout& g);

// The sum of the layout lengths: the length the diagram export is cut to.
double getimgwidth(const QList<double>& segmentLengths);

// The rows of the list "主材汇总表" (columns 序号, 主材名称, 型号, 尺寸, 数量):
// the six rows of each segment, a row of five "*" between two segments.
QList<TMainMaterSummary> listViewloadMainMater(const TMainMaterArrTwodimen& cornerSummary);

} // namespace corner
