// Refilling random columns at the dialog's limit of 10000 lines: the slowest
// cases are the draws without replacement (a pool of distinct reals, a large
// range of whole numbers).
#include "Lumen.h"
#include "Random.h"

#include <benchmark/benchmark.h>

// One random column A of 10000 lines: Kind 0 reals with replacement, 1 reals
// without, 2 whole numbers 0..99999 without, 3 dice with replacement.
static void BM_FillRandom(benchmark::State &State)
{
    const int Kind = int(State.range(0));
    tLumen L;
    L.SetRandomCount(0, 10000);
    L.SetRandomFlag(0, Kind == 1 || Kind == 2 ? 1 : 0);
    L.SetRandomFrom(0, Kind == 3 ? 1 : 0);
    L.SetRandomTo(0, Kind == 2 ? 99999 : Kind == 3 ? 6 : 0);
    tRandom Gen(12345);
    for (auto _ : State) {
        FillRandomColumns(L, Gen);
        benchmark::DoNotOptimize(L.Cols[0].Cells.size());
    }
}
BENCHMARK(BM_FillRandom)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
