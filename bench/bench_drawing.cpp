// Drawing speed of the descriptions: a 1000-row table repainted through a
// pane-sized clip, and each frequency graph and the pie chart over a list of
// 1000 entries, into a 400 x 400 picture as a pane or a copy would; the
// normal probability plot of a million values.
#include "Describe.h"

#include <QFont>
#include <cmath>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A data set whose column A holds Count distinct values (grouped in Count
// classes when asked) and the recomputed summary.
struct tFixture {
    std::unique_ptr<tLumen> Lumen;
    tDescriptor *D = nullptr;

    tFixture(int Count, bool Grouped)
    {
        Lumen = std::make_unique<tLumen>();
        for (int I = 0; I < Count; ++I)
            for (int R = 0; R <= I % 3; ++R)
                Lumen->SetCellText(Lumen->CellCount(0), 0, QString::number(I * 0.37 + 12, 'f', 2));
        Lumen->SetDecimals(0, 2);
        Lumen->SetColName(0, QStringLiteral("Målinger"));
        if (Grouped) {
            Lumen->SetGroupKind(0, gkAuto);
            Lumen->SetFirstLower(0, 11.9);
            Lumen->SetFirstUpper(0, 12.27);
            Lumen->SetGap(0, 0);
            Lumen->SetGroupCount(0, Count);
        }
        Lumen->ToggleColSelected(0);
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

void Prepare(QPainter &P)
{
    P.setFont(PaneFont());
    P.setBrush(Qt::white);
    P.setPen(QPen(Qt::black, 1));
}

// A pane of 400 x 400 scrolled to the middle of the table: the paint event
// draws with the origin moved and the clip set to the visible part.
void BM_Table1000(benchmark::State &State)
{
    tFixture F(1000, State.range(0) != 0);
    if (F.D->ListCount(0) != 1000)
        State.SkipWithError("expected 1000 entries");
    QImage Img(400, 400, QImage::Format_RGB32);
    const tDrawContext C(400, 400);
    const int ScrollY = 6000;
    for (auto _ : State) {
        Img.fill(Qt::white);
        QPainter P(&Img);
        Prepare(P);
        P.translate(0, -ScrollY);
        P.setClipRect(QRect(0, ScrollY, 400, 400));
        if (F.D->IsGrouped())
            DrawGroupedFreqTable(P, C, *F.D);
        else
            DrawFreqTable(P, C, *F.D);
    }
}
BENCHMARK(BM_Table1000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Graph1000(benchmark::State &State)
{
    const auto Kind = tGraphKind(State.range(0));
    const bool Grouped = State.range(1) != 0;
    tFixture F(1000, Grouped);
    QImage Img(400, 400, QImage::Format_RGB32);
    const tDrawContext C(400, 400);
    for (auto _ : State) {
        Img.fill(Qt::white);
        QPainter P(&Img);
        Prepare(P);
        const tChartLayout L = DrawFrequencyGraph(P, C, *F.D, Kind, Grouped);
        benchmark::DoNotOptimize(L.x0);
    }
}
BENCHMARK(BM_Graph1000)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->ArgNames({"kind", "grouped"})
    ->Unit(benchmark::kMillisecond);

void BM_Pie16(benchmark::State &State)
{
    tFixture F(16, false);
    QImage Img(480, 400, QImage::Format_RGB32);
    const tDrawContext C(480, 400);
    for (auto _ : State) {
        Img.fill(Qt::white);
        QPainter P(&Img);
        Prepare(P);
        DrawPieChart(P, C, *F.D);
    }
}
BENCHMARK(BM_Pie16)->Unit(benchmark::kMillisecond);

// The normal probability plot of N values (heights to two decimals, so with
// ties) into a 400 x 400 picture, as a pane repaints it: the summary is
// computed once, as the pane finds it.
void BM_NormalPlot(benchmark::State &State)
{
    const int N = int(State.range(0));
    tLumen L;
    QVector<tCell> &Cells = L.Cols[0].Cells;
    Cells.resize(N);
    uint64_t Seed = 12345;
    for (tCell &C : Cells) {
        // Sum of uniform draws: close to normal, centred on 170.
        Extended V = 0;
        for (int K = 0; K < 12; ++K) {
            Seed = Seed * 6364136223846793005ull + 1442695040888963407ull;
            V += Extended(Seed >> 11) / Extended(1ull << 53);
        }
        C.State = csNumber;
        C.Value = std::round((170 + (V - 6) * 9) * 100) / 100;
    }
    L.SetColName(0, QStringLiteral("Højde"));
    L.ToggleColSelected(0);
    DataType = dtObs;
    tDescriptor &D = DescriptorOf(L);
    D.SetOwner(dtObs);
    D.MarkStale();
    D.Recompute(L);
    if (D.N(0) != N)
        State.SkipWithError("expected every value counted");
    QImage Img(400, 400, QImage::Format_RGB32);
    const tDrawContext C(400, 400);
    for (auto _ : State) {
        Img.fill(Qt::white);
        QPainter P(&Img);
        Prepare(P);
        DrawNormalPlot(P, C, D);
    }
    State.counters["values"] = N;
}
BENCHMARK(BM_NormalPlot)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

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
