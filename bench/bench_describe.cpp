// Recomputing the statistics of one observation column: 1 000 000 numbers
// with 1 000 distinct values, as after an edit in a large marked column.
#include "Descriptor.h"

#include <benchmark/benchmark.h>

namespace
{

void FillLargeColumn(tLumen &L, int Rows, int Distinct)
{
    QVector<tCell> &Cells = L.Cols[0].Cells;
    Cells.resize(Rows);
    // A fixed scramble, so that the values do not arrive sorted.
    uint32_t X = 12345;
    for (tCell &C : Cells) {
        X = X * 1664525u + 1013904223u;
        C.State = csNumber;
        C.Value = Extended((X >> 8) % uint32_t(Distinct)) / 4;
    }
    L.ToggleColSelected(0);
}

void BM_RecomputeColumn(benchmark::State &State)
{
    tLumen L;
    FillLargeColumn(L, int(State.range(0)), int(State.range(1)));
    tDescriptor &D = DescriptorOf(L);
    D.SetOwner(dtObs);
    for (auto _ : State) {
        D.MarkStale();
        D.Recompute(L);
        benchmark::DoNotOptimize(D.ListCount(0));
    }
    State.counters["entries"] = D.ListCount(0);
}
BENCHMARK(BM_RecomputeColumn)->Args({1000000, 1000})->Unit(benchmark::kMillisecond);

void BM_RecomputeGroupedColumn(benchmark::State &State)
{
    tLumen L;
    FillLargeColumn(L, 1000000, 1000);
    L.SetGroupKind(0, gkAuto);
    L.SetFirstLower(0, 0);
    L.SetFirstUpper(0, 1);
    L.SetGap(0, 0);
    L.SetGroupCount(0, int32_t(State.range(0)));
    tDescriptor &D = DescriptorOf(L);
    D.SetOwner(dtObs);
    for (auto _ : State) {
        D.MarkStale();
        D.Recompute(L);
        benchmark::DoNotOptimize(D.ListCount(0));
    }
}
BENCHMARK(BM_RecomputeGroupedColumn)->Arg(10)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
