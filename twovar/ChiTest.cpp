#include "ChiTest.h"

#include "Distributions.h"
#include "PairFigures.h"

#include <limits>

namespace
{

const QString PairError = QStringLiteral("Fejl i data-par");

// The statistic, the degrees of freedom and the tail of a filled-in test.
void Finish(tChiTest &T, int64_t Df)
{
    T.ChiSquare = 0;
    T.SmallExpected = false;
    for (size_t I = 0; I < T.Expected.size(); ++I) {
        const Extended E = T.Expected[I];
        if (!(E > 0))
            continue;
        const Extended D = Extended(T.Observed[I]) - E;
        T.ChiSquare += D * D / E;
        if (E < 5)
            T.SmallExpected = true;
    }
    T.Df = std::max<int64_t>(0, Df);
    T.P = T.Df > 0 ? ChiSquareUpperTail(T.ChiSquare, T.Df)
                   : std::numeric_limits<Extended>::quiet_NaN();
}

} // namespace

tChiTest IndependenceTest(const tCrossTable &Table)
{
    tChiTest T;
    T.Independence = true;
    T.Cols = Table.k0;
    T.Rows = Table.k1;
    T.Observed = Table.Cells;
    T.ColTotal.assign(size_t(T.Cols), 0);
    T.RowTotal.assign(size_t(T.Rows), 0);
    for (int J = 0; J < T.Rows; ++J)
        for (int I = 0; I < T.Cols; ++I) {
            const int64_t O = Table.At(I, J);
            T.ColTotal[size_t(I)] += O;
            T.RowTotal[size_t(J)] += O;
            T.Total += O;
        }
    T.Expected.assign(T.Observed.size(), 0);
    int64_t UsedCols = 0, UsedRows = 0;
    for (int64_t C : T.ColTotal)
        UsedCols += C > 0 ? 1 : 0;
    for (int64_t R : T.RowTotal)
        UsedRows += R > 0 ? 1 : 0;
    if (T.Total > 0) {
        const Extended N = Extended(T.Total);
        for (int J = 0; J < T.Rows; ++J)
            for (int I = 0; I < T.Cols; ++I)
                T.Expected[size_t(J) * size_t(T.Cols) + size_t(I)] =
                    Extended(T.RowTotal[size_t(J)]) * Extended(T.ColTotal[size_t(I)]) / N;
    }
    Finish(T, UsedCols > 0 && UsedRows > 0 ? (UsedCols - 1) * (UsedRows - 1) : 0);
    return T;
}

tChiTest IndependenceTestOf(const tLumen &L, const tDescriptor &D)
{
    if (D.SeriesCount() < 2 || PairColumnsFaulty(L, D.GetSeries(0).Source, D.GetSeries(1).Source)) {
        tChiTest T;
        T.Independence = true;
        T.Error = PairError;
        return T;
    }
    return IndependenceTest(CountCrossTable(L, D));
}

tChiTest GoodnessOfFit(const std::vector<int64_t> &Observed, const std::vector<Extended> &Weights)
{
    tChiTest T;
    T.Cols = 1;
    T.Rows = int(Observed.size());
    T.Observed = Observed;
    T.Expected.assign(Observed.size(), 0);
    for (int64_t O : Observed)
        T.Total += O;
    if (!Weights.empty() && Weights.size() != Observed.size()) {
        T.Error = PairError;
        return T;
    }
    Extended WeightSum = 0;
    for (Extended W : Weights) {
        if (!(W > 0)) {
            T.Error = QStringLiteral("Forventede hyppigheder skal være større end 0");
            return T;
        }
        WeightSum += W;
    }
    const Extended N = Extended(T.Total);
    for (size_t K = 0; K < Observed.size(); ++K)
        T.Expected[K] = Weights.empty() ? N / Extended(Observed.size()) : N * Weights[K] / WeightSum;
    Finish(T, T.Total > 0 ? int64_t(Observed.size()) - 1 : 0);
    return T;
}

tChiTest GoodnessOfFitOf(const tDescriptor &D)
{
    const QVector<TFreqRecord> &List = D.GetSeries(0).List;
    std::vector<int64_t> Observed;
    Observed.reserve(size_t(List.size()));
    for (const TFreqRecord &R : List)
        Observed.push_back(R.h);
    std::vector<Extended> Weights;
    if (D.SeriesCount() >= 2) {
        // Both lists are sorted and hold each observation once.
        const QVector<TFreqRecord> &Other = D.GetSeries(1).List;
        bool Same = Other.size() == List.size();
        for (int K = 0; Same && K < List.size(); ++K)
            Same = Other[K].Value == List[K].Value;
        if (!Same) {
            tChiTest T;
            T.Rows = int(List.size());
            T.Cols = 1;
            T.Error = PairError;
            return T;
        }
        for (const TFreqRecord &R : Other)
            Weights.push_back(Extended(R.h));
    }
    return GoodnessOfFit(Observed, Weights);
}
