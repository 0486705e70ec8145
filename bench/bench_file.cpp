// Saving and loading a large document: 26 columns of 100 000 numbers each.
#include "Lumen.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{

constexpr int Lines = 100000;

void FillLarge(tLumen &L)
{
    for (int C = 0; C < ObsColumns; ++C) {
        auto &Cells = L.Cols[C].Cells;
        Cells.resize(Lines);
        for (int I = 0; I < Lines; ++I) {
            Cells[I].State = csNumber;
            Cells[I].Value = (I * 37 + C) / 8.0L;
        }
        L.Cols[C].Name = QStringLiteral("Søjle %1").arg(C);
    }
}

void BM_SaveLarge(benchmark::State &State)
{
    QTemporaryDir Dir;
    tLumen L;
    FillLarge(L);
    const QString Path = Dir.filePath("large.lmt");
    for (auto _ : State) {
        L.SaveToFile(Path);
        if (L.WriteFailed())
            State.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveLarge)->Unit(benchmark::kMillisecond);

void BM_LoadLarge(benchmark::State &State)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("large.lmt");
    {
        tLumen L;
        FillLarge(L);
        L.SaveToFile(Path);
    }
    for (auto _ : State) {
        auto L = tLumen::CreateFromFile(Path);
        if (L->ReadFailed() || L->Cols[25].Cells.size() != Lines)
            State.SkipWithError("load failed");
        benchmark::DoNotOptimize(L.get());
    }
}
BENCHMARK(BM_LoadLarge)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
