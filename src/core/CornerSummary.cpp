#include "CornerSummary.h"

#include "MainMaterSummary.h"

#include <QStringList>

namespace corner {

void PrintTo(const TMainMaterSummary& r, std::ostream* os)
{
    *os << '[' << qPrintable(QStringList({r.suitNum, r.title, r.model, r.size, r.count}).join(", ")) << ']';
}

void CornerSegmentLists::setSegment(int k, double layoutLength, TSegmentHoles holes, const TMainMaterArr& rows)
{
    if (k < 1)
        return;
    segmentLengths.resize(k);
    segmentHoles.resize(k);
    cornerSummary.resize(k);
    segmentLengths[k - 1] = layoutLength;
    segmentHoles[k - 1] = holes;
    cornerSummary[k - 1] = rows;
}

void CornerSegmentLists::clear()
{
    segmentLengths.clear();
    segmentHoles.clear();
    cornerSummary.clear();
}

TMainMaterArr loadMainMaterSummary(const QString& suitNum, const LayoutInput& segment, const GuardrailLayout& g)
{
    const MainMaterSummary straight = ::loadMainMaterSummary(segment, g);
    TMainMaterArr rows;
    for (size_t r = 0; r < straight.size(); ++r)
        rows[r] = {suitNum, straight[r].title, straight[r].model, straight[r].size, straight[r].count};
    return rows;
}

double getimgwidth(const QList<double>& segmentLengths)
{
    double sum = 0;
    for (double l : segmentLengths)
        sum += l;
    return sum;
}

QList<TMainMaterSummary> listViewloadMainMater(const TMainMaterArrTwodimen& cornerSummary)
{
    const QString star = QStringLiteral("*");
    QList<TMainMaterSummary> rows;
    for (qsizetype i = 0; i < cornerSummary.size(); ++i) {
        if (i > 0)
            rows.append({star, star, star, star, star});
        for (const TMainMaterSummary& r : cornerSummary[i])
            rows.append(r);
    }
    return rows;
}

} // namespace corner
