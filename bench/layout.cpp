// Recompute + redraw of a 20 m straight piece, as the editor does on every
// Enter: layout, summary, caption, drawing on the editor's one canvas.
#include "core/DivisionDiagram.h"
#include "core/MainMaterSummary.h"
#include "core/WorkedExample.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

LayoutInput twentyMetres(bool glass, bool doubleColumns)
{
    LayoutInput in = workedInput();
    in.Guardraillen = 20000;
    in.Standpipetype = glass ? 1 : 0;
    in.ColumnIsTwo = doubleColumns;
    in.removedColumns = "3";
    return in;
}

void recomputeAndRedraw(benchmark::State& state)
{
    const LayoutInput in = twentyMetres(state.range(0) != 0, state.range(1) != 0);
    DiagramCanvas canvas; // allocated once, as in the editor
    GuardrailLayout g;
    for (auto _ : state) {
        if (!AccountingGuardrail(in, g))
            state.SkipWithError("layout failed");
        const MainMaterSummary summary = loadMainMaterSummary(in, g);
        drawGuardrail(canvas, in, g);
        benchmark::DoNotOptimize(summary);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}

} // namespace

BENCHMARK(recomputeAndRedraw)
    ->ArgNames({"glass", "double"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
