// Recalculation of computed columns over many lines.
#include "Lumen.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

namespace {

void FillNumbers(tLumen &L, int Col, int Lines)
{
    QRandomGenerator R(11);
    auto &Cells = L.Cols[Col].Cells;
    Cells.resize(Lines);
    for (int I = 0; I < Lines; ++I) {
        Cells[I].State = csNumber;
        Cells[I].Value = (R.bounded(100000) + 1) / 100.0L;
    }
}

void MakeComputed(tLumen &L, int Col, const QString &Formula)
{
    L.SetFormula(Col, Formula);
    L.SetComputed(Col, true);
    L.Compile(Formula);
    L.BuildFormulaRefs(Col);
}

// A typical classroom formula over two columns: C = A*B+KVR(A)/2.
void BM_RecalcOneColumn(benchmark::State &State)
{
    tLumen L;
    const int Lines = int(State.range(0));
    FillNumbers(L, 0, Lines);
    FillNumbers(L, 1, Lines);
    MakeComputed(L, 2, "A*B+KVR(A)/2");
    for (auto _ : State) {
        const QString Done = L.RecalcFrom(0);
        benchmark::DoNotOptimize(Done.data());
    }
    State.SetItemsProcessed(State.iterations() * Lines);
}
BENCHMARK(BM_RecalcOneColumn)->Arg(100000)->Unit(benchmark::kMillisecond);

// A chain: C from A and B, D from C.
void BM_RecalcChain(benchmark::State &State)
{
    tLumen L;
    const int Lines = int(State.range(0));
    FillNumbers(L, 0, Lines);
    FillNumbers(L, 1, Lines);
    MakeComputed(L, 2, "(A+B)/2");
    MakeComputed(L, 3, "RUND(C*10)/10>=50");
    for (auto _ : State) {
        const QString Done = L.RecalcFrom(0);
        benchmark::DoNotOptimize(Done.data());
    }
    State.SetItemsProcessed(State.iterations() * Lines);
}
BENCHMARK(BM_RecalcChain)->Arg(100000)->Unit(benchmark::kMillisecond);

// One typed cell: single-line recalculation.
void BM_RecalcSingleLine(benchmark::State &State)
{
    tLumen L;
    FillNumbers(L, 0, 100000);
    FillNumbers(L, 1, 100000);
    MakeComputed(L, 2, "A*B+KVR(A)/2");
    L.RecalcFrom(0);
    L.SetSingleLine(50000);
    for (auto _ : State) {
        const QString Done = L.RecalcFrom(0);
        benchmark::DoNotOptimize(Done.data());
    }
}
BENCHMARK(BM_RecalcSingleLine)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
