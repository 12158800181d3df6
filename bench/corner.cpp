// A full 8-segment corner pass with drawing: what each change in a corner
// window costs. Budget: median under 8 ms.
#include "core/CornerWorkedExample.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// Eight segments of 2500 mm (20 m in all), turning at every joint.
CornerPieceInput eightSegments(int spaceCalmethod, int glass)
{
    CornerPieceInput in = workedCornerPiece();
    in.shared.spaceCalmethod = spaceCalmethod;
    in.shared.Standpipetype = glass;
    in.shared.standpipeLeft = in.shared.StandpipeRight = 10;
    for (int k = 0; k < kCornerSegmentCount; ++k)
        in.segments[size_t(k)] = cornerSegment(QStringLiteral("1*%1").arg(k + 1), "2500", k == 0 ? kOneEnd : kBothEnds,
                                               k == 0 ? "100" : "0", "0");
    return in;
}

void BM_CornerPass(benchmark::State& state)
{
    const CornerPieceInput in = eightSegments(int(state.range(0)), int(state.range(1)));
    CornerBatch batch; // one per window, as in the corner windows
    for (auto _ : state) {
        const CornerPassResult r = batch.BatchCornerFeed(in);
        if (!r.ok() || r.segments.size() != kCornerSegmentCount)
            state.SkipWithError("pass failed");
        benchmark::DoNotOptimize(batch.diagram().picture().constBits());
    }
}
// (spacing rule, infill): equal division, fixed spacing, glass.
BENCHMARK(BM_CornerPass)->Args({0, 0})->Args({1, 0})->Args({0, 1})->Unit(benchmark::kMillisecond)
    ->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
