// Data set operations at classroom-plus sizes.
#include "Lumen.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

static void FillColumns(tLumen &L, int Cols, int Lines)
{
    QRandomGenerator R(7);
    for (int C = 0; C < Cols; ++C) {
        L.Cols[C].Cells.resize(Lines);
        for (int I = 0; I < Lines; ++I) {
            L.Cols[C].Cells[I].State = csNumber;
            L.Cols[C].Cells[I].Value = R.bounded(1000) / 10.0L;
        }
    }
}

static void BM_SortLinesByColumn(benchmark::State &State)
{
    tLumen Base;
    FillColumns(Base, 3, int(State.range(0)));
    for (auto _ : State) {
        State.PauseTiming();
        tLumen L;
        L.Cols = Base.Cols;
        for (tDataCol &C : L.Cols)
            C.Cells.detach(); // the copy of the data, as after SaveUndo, is not what is timed
        State.ResumeTiming();
        L.SortLinesByColumn(0, true);
        benchmark::DoNotOptimize(L.Cols[0].Cells.data());
    }
}
BENCHMARK(BM_SortLinesByColumn)->Arg(100000)->Unit(benchmark::kMillisecond);

// As the editor sorts: the undo step first, so the sort also pays for
// copying the shared cells.
static void BM_SaveUndoAndSort(benchmark::State &State)
{
    tLumen Base;
    FillColumns(Base, 3, int(State.range(0)));
    for (auto _ : State) {
        State.PauseTiming();
        tLumen L;
        L.Cols = Base.Cols;
        for (tDataCol &C : L.Cols)
            C.Cells.detach();
        State.ResumeTiming();
        L.SaveUndo(uoSort);
        L.SortLinesByColumn(0, true);
        benchmark::DoNotOptimize(L.Cols[0].Cells.data());
    }
}
BENCHMARK(BM_SaveUndoAndSort)->Arg(100000)->Unit(benchmark::kMillisecond);

static void BM_SetAndGetCellText(benchmark::State &State)
{
    tLumen L;
    L.SetDecimals(0, 2);
    int Line = 0;
    QString T;
    TCellState S;
    for (auto _ : State) {
        L.SetCellText(Line, 0, QStringLiteral("12,5"));
        L.GetCellText(Line, 0, T, S);
        benchmark::DoNotOptimize(T.data());
        Line = (Line + 1) & 1023;
    }
}
BENCHMARK(BM_SetAndGetCellText)->Unit(benchmark::kNanosecond);

BENCHMARK_MAIN();
