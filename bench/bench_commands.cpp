// The observation editor's column commands on a 100 000-line sheet, as
// their changes run on the data set: the undo step, the change and the
// recalculation of a computed column.
#include "ObsCommands.h"
#include "TextCommands.h"
#include "TextTransfer.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

#include <memory>

namespace
{

// Columns A..D of numbers with one decimal, E computed as A*2.
void FillSheet(tLumen &L, int Lines)
{
    QRandomGenerator R(7);
    for (int C = 0; C < 4; ++C) {
        L.Cols[C].Cells.resize(Lines);
        for (int I = 0; I < Lines; ++I) {
            L.Cols[C].Cells[I].State = csNumber;
            L.Cols[C].Cells[I].Value = R.bounded(1000) / 10.0L;
        }
        L.SetDecimals(C, 1);
    }
    L.SetFormula(4, QStringLiteral("A*2"));
    L.SetComputed(4, true);
    if (L.Compile(QStringLiteral("A*2")))
        L.BuildFormulaRefs(4);
    RecalcAll(L);
}

// Runs Command on a fresh copy of the sheet each time; making and freeing
// the copy is not timed.
template <typename Fn> void RunOnSheet(benchmark::State &State, Fn Command)
{
    tLumen Base;
    FillSheet(Base, int(State.range(0)));
    std::unique_ptr<tLumen> L;
    for (auto _ : State) {
        State.PauseTiming();
        L = std::make_unique<tLumen>();
        L->Cols = Base.Cols;
        for (tDataCol &C : L->Cols)
            C.Cells.detach();
        State.ResumeTiming();
        Command(*L);
        benchmark::DoNotOptimize(L->Cols[0].Cells.data());
        State.PauseTiming();
        L.reset();
        State.ResumeTiming();
    }
}

} // namespace

static void BM_SortCommand(benchmark::State &State)
{
    RunOnSheet(State, [](tLumen &L) {
        L.SaveUndo(uoSort);
        L.SortLinesByColumn(1, false);
        RecalcAll(L);
    });
}
BENCHMARK(BM_SortCommand)->Arg(100000)->Unit(benchmark::kMillisecond);

static void BM_RemoveColumnCommand(benchmark::State &State)
{
    RunOnSheet(State, [](tLumen &L) {
        L.SaveUndo(uoRemove);
        RemoveColumns(L, {1});
    });
}
BENCHMARK(BM_RemoveColumnCommand)->Arg(100000)->Unit(benchmark::kMillisecond);

// The remove, then its undo.
static void BM_RemoveColumnAndUndo(benchmark::State &State)
{
    RunOnSheet(State, [](tLumen &L) {
        L.SaveUndo(uoRemove);
        RemoveColumns(L, {1});
        L.Undo();
    });
}
BENCHMARK(BM_RemoveColumnAndUndo)->Arg(100000)->Unit(benchmark::kMillisecond);

static void BM_Multiply10Command(benchmark::State &State)
{
    RunOnSheet(State, [](tLumen &L) {
        L.SaveUndo(uoMul10);
        ScaleColumns(L, {0}, false);
    });
}
BENCHMARK(BM_Multiply10Command)->Arg(100000)->Unit(benchmark::kMillisecond);

// A column text as a spreadsheet puts it on the clipboard, pasted at B.
static void BM_PasteColumnCommand(benchmark::State &State)
{
    tLumen Source;
    FillSheet(Source, int(State.range(0)));
    const QString Text = ColumnText(Source, 0);
    RunOnSheet(State, [&Text](tLumen &L) {
        L.SaveUndo(uoInsert);
        InsertColumnText(L, 1, Text, false);
    });
}
BENCHMARK(BM_PasteColumnCommand)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
