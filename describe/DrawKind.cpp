#include "DrawKind.h"

#include "BoxPlot.h"
#include "FreqGraph.h"
#include "FreqTableDraw.h"
#include "Histogram.h"
#include "KeyFigureDraw.h"
#include "NormalPlotDraw.h"
#include "PieChart.h"

bool DrawOneVariableKind(QPainter &P, const tDrawContext &C, tDescriptor &D, int Kind,
                         bool Grouped)
{
    switch (Kind) {
    case bkTabel:
        Grouped ? DrawGroupedFreqTable(P, C, D) : DrawFreqTable(P, C, D);
        return true;
    case bkMaerketal:
        Grouped ? DrawGroupedKeyFigures(P, C, D) : DrawKeyFigures(P, C, D);
        return true;
    case bkHyppighedsgraf:
        DrawFrequencyGraph(P, C, D, tGraphKind::Frequency, Grouped);
        return true;
    case bkFrekvensgraf:
        DrawFrequencyGraph(P, C, D, tGraphKind::Relative, Grouped);
        return true;
    case bkSumfrekvensgraf:
        DrawFrequencyGraph(P, C, D, tGraphKind::Cumulative, Grouped);
        return true;
    case bkCirkeldiagram:
        Grouped ? DrawGroupedPieChart(P, C, D) : DrawPieChart(P, C, D);
        return true;
    case bkBoksplot:
        DrawBoxPlot(P, C, D);
        return true;
    case bkHistogram:
        DrawHistogram(P, C, D);
        return true;
    case bkNormalplot:
        DrawNormalPlot(P, C, D);
        return true;
    default:
        return false;
    }
}
