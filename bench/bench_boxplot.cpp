// The box plot of six marked observation columns of N numbers each, all
// distinct (the worst case for the frequency lists): one repaint of the
// pane (the five numbers per column and the drawing), and the recomputation
// of the statistics that follows an edit.
#include "BoxPlot.h"
#include "Descriptor.h"
#include "ShapeFigures.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace
{

constexpr int Columns = 6;

void FillColumns(tLumen &L, int Rows)
{
    uint64_t X = 88172645463325252ull;
    for (int Col = 0; Col < Columns; ++Col) {
        QVector<tCell> &Cells = L.Cols[size_t(Col)].Cells;
        Cells.resize(Rows);
        for (tCell &C : Cells) {
            X ^= X << 13;
            X ^= X >> 7;
            X ^= X << 17;
            C.State = csNumber;
            C.Value = 100 + Extended(X >> 11) / Extended(1ull << 53) * (50 + 10 * Col);
        }
        L.ToggleColSelected(Col);
    }
}

struct tFixture {
    tLumen L;
    explicit tFixture(int Rows)
    {
        FillColumns(L, Rows);
        tDescriptor &D = DescriptorOf(L);
        D.SetOwner(dtObs);
        D.MarkStale();
        D.Recompute(L);
    }
};

void BM_BoxPlot(benchmark::State &State)
{
    tFixture F(int(State.range(0)));
    tDescriptor &D = DescriptorOf(F.L);
    QImage Image(BoxPlotPictureSize(Columns), QImage::Format_RGB32);
    QFont Font(QStringLiteral("Arial"));
    Font.setPixelSize(11);
    for (auto _ : State) {
        Image.fill(Qt::white);
        QPainter P(&Image);
        P.setFont(Font);
        P.setBrush(Qt::white);
        P.setPen(QPen(Qt::black, 1));
        const tChartLayout L = DrawBoxPlot(P, tDrawContext(Image.width(), Image.height()), D);
        benchmark::DoNotOptimize(L.Ok);
    }
    State.counters["columns"] = Columns;
    State.counters["entries"] = D.ListCount(0);
}
BENCHMARK(BM_BoxPlot)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The five numbers alone.
void BM_BoxPlotFigures(benchmark::State &State)
{
    tFixture F(int(State.range(0)));
    const tDescriptor &D = DescriptorOf(F.L);
    for (auto _ : State)
        benchmark::DoNotOptimize(BoxPlotFigures(D).size());
}
BENCHMARK(BM_BoxPlotFigures)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// The statistics of the six columns after an edit (once, not per repaint).
void BM_BoxPlotRecompute(benchmark::State &State)
{
    tFixture F(int(State.range(0)));
    tDescriptor &D = DescriptorOf(F.L);
    for (auto _ : State) {
        D.MarkStale();
        D.Recompute(F.L);
        benchmark::DoNotOptimize(D.ListCount(0));
    }
}
BENCHMARK(BM_BoxPlotRecompute)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    // The drawing measures its texts with real fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
