// Speed of the two-variable descriptions on large data: the cross table of
// 1 000 000 lines counted as a pane paint counts it, the scatter diagram of
// 100 000 points drawn into a pane with its marker list, the pair key
// figures of 1 000 000 lines, and the three regression models of 1 000 000
// pairs as one repaint computes them.
#include "TwoVar.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

namespace
{

// Columns A and B of Lines lines, A cycling through Categories values and B
// through Categories values in another order, both marked and described.
struct tPairFixture {
    std::unique_ptr<tLumen> Lumen;
    tDescriptor *D = nullptr;

    tPairFixture(int Lines, int Categories, bool Spread = false)
    {
        Lumen = std::make_unique<tLumen>();
        for (int C = 0; C < 2; ++C)
            Lumen->Cols[size_t(C)].Cells.resize(Lines);
        uint32_t Seed = 12345;
        for (int I = 0; I < Lines; ++I) {
            Seed = Seed * 1103515245u + 12345u;
            const Extended X = Spread ? Extended(Seed % 100000) / 100 : Extended(I % Categories);
            const Extended Y = Spread ? X * 0.8 + Extended((Seed >> 8) % 2000) / 100
                                      : Extended((Seed >> 8) % uint32_t(Categories)) + 2020;
            Lumen->Cols[0].Cells[I] = tCell{csNumber, QString(), X};
            Lumen->Cols[1].Cells[I] = tCell{csNumber, QString(), Y};
        }
        Lumen->ToggleColSelected(0);
        Lumen->ToggleColSelected(1);
        DataType = dtObs;
        D = &DescriptorOf(*Lumen);
        D->SetOwner(dtObs);
        D->MarkStale();
        D->Recompute(*Lumen);
    }
};

QFont PaneFont()
{
    QFont F(QStringLiteral("Arial"));
    F.setPixelSize(11);
    return F;
}

void BM_CrossTable(benchmark::State &State)
{
    const int Categories = int(State.range(1));
    tPairFixture F(int(State.range(0)), Categories);
    if (F.D->ListCount(0) != Categories || F.D->ListCount(1) != Categories)
        State.SkipWithError("unexpected category count");
    for (auto _ : State) {
        const tCrossTable T = CountCrossTable(*F.Lumen, *F.D);
        benchmark::DoNotOptimize(T.Cells.data());
    }
}
BENCHMARK(BM_CrossTable)->Args({1000000, 100})->Unit(benchmark::kMillisecond);

// A pane of 600 x 450 as a paint does it: markers found by pixel, the
// regression line on.
void BM_ScatterPane(benchmark::State &State)
{
    tPairFixture F(int(State.range(0)), 0, true);
    QImage Img(600, 450, QImage::Format_RGB32);
    tPointHitList Hits;
    for (auto _ : State) {
        Img.fill(Qt::white);
        QPainter P(&Img);
        P.setFont(PaneFont());
        P.setPen(QPen(Qt::black, 1));
        P.setBrush(Qt::white);
        DrawScatter(P, tDrawContext(600, 450), *F.Lumen, *F.D, true, &Hits, true);
    }
    if (Hits.size() != State.range(0))
        State.SkipWithError("a marker per line expected");
}
BENCHMARK(BM_ScatterPane)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_PairKeyFigures(benchmark::State &State)
{
    tPairFixture F(int(State.range(0)), 1000);
    for (auto _ : State) {
        const tPairFigures Figures = PairFiguresOf(PairSumsOf(*F.Lumen, 0, 1));
        benchmark::DoNotOptimize(Figures.r);
    }
}
BENCHMARK(BM_PairKeyFigures)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The linear, exponential and power models together (one pass over the
// pairs); nearly every x and y is positive, so that each model takes
// nearly every pair and its logarithms.
void BM_RegressionModels(benchmark::State &State)
{
    tPairFixture F(int(State.range(0)), 0, true);
    for (auto _ : State) {
        const tRegressionModels R = RegressionModelsOf(*F.Lumen, 0, 1);
        benchmark::DoNotOptimize(R.Fit[2].r2);
    }
    const tRegressionModels R = RegressionModelsOf(*F.Lumen, 0, 1);
    if (R.Fit[rmPotens].n < State.range(0) * 99 / 100 || !R.Fit[rmPotens].Defined)
        State.SkipWithError("nearly every pair in every model expected");
}
BENCHMARK(BM_RegressionModels)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The copy text as a whole, chi-square included (1000 x 1000 categories).
void BM_PairKeyFiguresText(benchmark::State &State)
{
    tPairFixture F(int(State.range(0)), 1000);
    for (auto _ : State)
        benchmark::DoNotOptimize(PairKeyFiguresText(*F.Lumen, *F.D));
}
BENCHMARK(BM_PairKeyFiguresText)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
