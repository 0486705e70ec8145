#include "PaneKinds.h"

#include "TwoVarKind.h"

#include <algorithm>

namespace
{

const char *const ObsKindTexts[KindCount] = {
    "Datapinde (max. 1000)",
    "Datakurve (max. 1000)",
    "Tabel (max. 1000 forskellige værdier)",
    "Mærketal",
    "Hyppighedsgraf",
    "Frekvensgraf",
    "Sumfrekvensgraf",
    "Cirkeldiagram (max. 16 forskellige værdier)",
    "Krydstabel (max. 100 x 100)",
    "Krydsdiagram",
    "Boksplot",
    "Histogram",
    "Regression",
    "Residualplot",
};

// Entries of series I as last computed (0 when nothing was computed).
int SeriesCount(const tLumen &Lumen, int I)
{
    const tDescriptor *D = FindDescriptor(Lumen);
    return D != nullptr ? D->ListCount(I) : 0;
}

int64_t TotalFrequency(const tLumen &Lumen)
{
    const tDescriptor *D = FindDescriptor(Lumen);
    return D != nullptr ? D->N(0) : 0;
}

// Numbers counted in series I as last computed.
int64_t SeriesNumbers(const tLumen &Lumen, int I)
{
    const tDescriptor *D = FindDescriptor(Lumen);
    return D != nullptr && I < D->SeriesCount() ? D->N(I) : 0;
}

bool ObsAvailable(const tLumen &L, int Kind)
{
    const int C = L.SelColCount(), Ln = L.SelLineCount();
    const bool OneSeries = C == 1 || (C == 0 && Ln == 1);
    const int N0 = SeriesCount(L, 0), N1 = SeriesCount(L, 1);
    const bool TwoCols = C == 2;
    const bool SameGrouping = TwoCols && L.IsGrouped(L.SelCol(0)) == L.IsGrouped(L.SelCol(1));
    switch (Kind) {
    case bkDatapinde:
    case bkDatakurve: {
        const bool Ok = (C > 0 || Ln > 0) && L.SelectionHasData() && L.PastSelectionEnd(1000) &&
                        C <= 6 && Ln <= 6 && !FirstMarkedGrouped(L);
        return Kind == bkDatapinde ? Ok : Ok && N0 >= 2;
    }
    case bkTabel:
        return OneSeries && N0 >= 1 && N0 <= 1000;
    case bkMaerketal:
        if (OneSeries)
            return N0 >= 1;
        return TwoCols && N0 >= 1 && N1 >= 1 && SameGrouping;
    case bkHyppighedsgraf:
    case bkFrekvensgraf:
    case bkSumfrekvensgraf:
        return OneSeries && N0 >= 1;
    case bkCirkeldiagram:
        return OneSeries && N0 >= 1 && N0 <= 16;
    case bkKrydstabel:
        return TwoCols && N0 >= 1 && N1 >= 1 && SameGrouping && N0 <= 100 && N1 <= 100;
    case bkKrydsdiagram:
    case bkRegression:
    case bkResidualplot:
        return TwoCols && N0 >= 1 && N1 >= 1 && !L.IsGrouped(L.SelCol(0)) &&
               !L.IsGrouped(L.SelCol(1));
    case bkBoksplot:
        // One to six columns, or one line, each with a number.
        if (!(C >= 1 && C <= MaxSeries) && !(C == 0 && Ln == 1))
            return false;
        for (int I = 0; I < std::max(C, 1); ++I)
            if (SeriesNumbers(L, I) < 1)
                return false;
        return true;
    case bkHistogram:
        return C == 1 && L.IsGrouped(L.SelCol(0)) && N0 >= 1 && SeriesNumbers(L, 0) >= 1;
    // The test of independence goes with the cross table.
    case bkChiTest:
        return TwoCols && N0 >= 1 && N1 >= 1 && SameGrouping && N0 <= 100 && N1 <= 100;
    case bkNormalplot:
        return OneSeries && N0 >= 1;
    default:
        return false;
    }
}

bool TableAvailable(const tLumen &L, TDataType Type, int Kind)
{
    const int Marked = Type == dtHyp ? L.SelHypColCount() : L.SelGrupColCount();
    // Goodness of fit: the marked frequency column, against equal
    // probabilities or a second marked column's proportions.
    if (Kind == bkChiTest)
        return Type == dtHyp && (Marked == 1 || Marked == 2) && SeriesCount(L, 0) >= 1 &&
               TotalFrequency(L) > 0;
    if (Marked != 1)
        return false;
    if (Kind == bkNormalplot)
        return SeriesCount(L, 0) >= 1 && TotalFrequency(L) > 0;
    // The box plot of the marked column; the histogram of grouped data only.
    if (Kind == bkBoksplot)
        return TotalFrequency(L) > 0;
    if (Kind == bkHistogram)
        return Type == dtGrup && TotalFrequency(L) > 0;
    if (Kind < bkTabel || Kind > bkCirkeldiagram)
        return false;
    if (Kind == bkTabel)
        return true;
    if (Type == dtGrup)
        return TotalFrequency(L) > 0;
    const int N0 = SeriesCount(L, 0);
    switch (Kind) {
    case bkMaerketal:
        return TotalFrequency(L) > 0;
    case bkCirkeldiagram:
        return N0 >= 1 && N0 <= 16;
    default:
        return N0 >= 1;
    }
}

} // namespace

QString KindItemText(int Kind)
{
    switch (Kind) {
    case bkChiTest:
        return QStringLiteral("χ²-test");
    case bkNormalplot:
        return QStringLiteral("Normalfordelingsplot");
    default:
        break;
    }
    if (Kind < 1 || Kind > KindCount)
        return QString();
    return QString::fromUtf8(ObsKindTexts[Kind - 1]);
}

bool KindAvailable(const tLumen &Lumen, TDataType Type, int Kind)
{
    if (Kind == bkIngen)
        return true;
    if (Kind < 0 || Kind > LastKind)
        return false;
    switch (Type) {
    case dtObs:
        return ObsAvailable(Lumen, Kind);
    case dtHyp:
    case dtGrup:
        return TableAvailable(Lumen, Type, Kind);
    default:
        return false;
    }
}

bool PairsFaulty(const tLumen &Lumen)
{
    return MarkedPairFaulty(Lumen);
}

bool FirstMarkedGrouped(const tLumen &Lumen)
{
    return Lumen.AnyColSelected() && Lumen.IsGrouped(Lumen.SelCol(0));
}
