#include "TwoVarKind.h"

#include "CellText.h"
#include "ChiTestDraw.h"
#include "CrossTable.h"
#include "DataSticks.h"
#include "PairFigures.h"
#include "PairKeyFigures.h"
#include "RegressionDraw.h"

bool MarkedPairFaulty(const tLumen &L)
{
    return L.SelColCount() == 2 && PairColumnsFaulty(L, L.SelCol(0), L.SelCol(1));
}

bool IsTwoVariableKind(const tLumen &L, int Kind)
{
    switch (Kind) {
    case bkDatapinde:
    case bkDatakurve:
    case bkKrydstabel:
    case bkKrydsdiagram:
    case bkRegression:
    case bkResidualplot:
        return true;
    case bkMaerketal:
    case bkChiTest:
        return L.SelColCount() == 2;
    default:
        return false;
    }
}

bool DrawTwoVariableKind(QPainter &P, const tDrawContext &C, const tLumen &L, tDescriptor &D,
                         int Kind, const tTwoVarOptions &O)
{
    if (!IsTwoVariableKind(L, Kind))
        return false;
    if (Kind == bkDatapinde) {
        DrawDataSticks(P, C, L, D, O.LineNameWidth);
        return true;
    }
    if (Kind == bkDatakurve) {
        DrawDataCurve(P, C, L, D, O.LineNameWidth);
        return true;
    }
    if (O.Hits)
        O.Hits->clear();
    if (MarkedPairFaulty(L) || D.SeriesCount() < 2) {
        DrawErrorNotice(P, QStringLiteral("Fejl i data-par"));
        return true;
    }
    switch (Kind) {
    case bkMaerketal:
        DrawPairKeyFigures(P, C, L, D);
        break;
    case bkChiTest:
        DrawChiTest(P, C, L, D, IndependenceTestOf(L, D), O.LineNameWidth);
        break;
    case bkKrydstabel:
        if (D.IsGrouped())
            DrawGroupedCrossTable(P, C, L, D, O.LineNameWidth);
        else
            DrawCrossTable(P, C, L, D, O.LineNameWidth);
        break;
    case bkRegression:
        DrawRegression(P, C, L, D);
        break;
    case bkResidualplot:
        DrawResidualPlot(P, C, L, D, O.Model);
        break;
    default:
        DrawScatter(P, C, L, D, O.Regression, O.Hits, O.RecordScale, O.Model);
        break;
    }
    return true;
}
