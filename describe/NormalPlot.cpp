#include "NormalPlot.h"

#include "Distributions.h"

#include <algorithm>
#include <cmath>

namespace
{

// Visits the points of S in order until Fn returns false.
template <typename tFn> void VisitPoints(const tSeries &S, tFn &&Fn)
{
    if (S.n <= 0)
        return;
    const Extended N = Extended(S.n);
    if (S.Grouped) {
        for (const TFreqRecord &R : S.List)
            if (R.F > 0 && R.F < 1 && !Fn(R.Upper, R.F))
                return;
        return;
    }
    int64_t Before = 0;
    for (const TFreqRecord &R : S.List) {
        for (int64_t J = 1; J <= R.h; ++J)
            if (!Fn(R.Value, (Extended(Before + J) - 0.5L) / N))
                return;
        Before += R.h;
    }
}

constexpr Extended Z99 = 2.32634787404084110089L;  // the 99 % quantile
constexpr Extended Z999 = 3.09023230616781386904L; // the 99,9 % quantile

} // namespace

tNormalPlot NormalPlotOf(const tDescriptor &D)
{
    tNormalPlot T;
    const tSeries &S = D.GetSeries(0);
    T.Grouped = S.Grouped;
    T.n = S.n;
    T.Mean = D.Mean(0);
    T.StdDev = D.StdDev();
    if (S.n <= 0)
        return T;
    if (!S.Grouped) {
        bool First = true;
        for (const TFreqRecord &R : S.List) {
            if (R.h <= 0)
                continue;
            if (First)
                T.XMin = R.Value;
            T.XMax = R.Value;
            First = false;
        }
        T.Points = S.n;
        // The quantile of the smallest p, mirrored for the largest, where
        // 1 - p would lose digits.
        T.ZMax = -NormalQuantile(0.5L / Extended(S.n));
        T.ZMin = -T.ZMax;
    } else {
        // The frame holds every class; the points are the upper bounds.
        T.XMin = S.Min;
        T.XMax = S.Max;
        Extended Lo = 1, Hi = 0;
        VisitPoints(S, [&](Extended, Extended P) {
            ++T.Points;
            Lo = std::min(Lo, P);
            Hi = std::max(Hi, P);
            return true;
        });
        if (T.Points > 0) {
            T.ZMin = NormalQuantile(Lo);
            T.ZMax = NormalQuantile(Hi);
        }
    }
    const Extended Reach = std::max(std::fabs(T.ZMin), std::fabs(T.ZMax));
    T.ZTop = Reach <= Z99 ? Z99 : Reach <= Z999 ? Z999 : Reach;
    return T;
}

void ForEachNormalPoint(const tSeries &S, const std::function<void(Extended, Extended)> &Fn)
{
    VisitPoints(S, [&Fn](Extended X, Extended P) {
        Fn(X, P);
        return true;
    });
}

QVector<tNormalPoint> NormalPoints(const tSeries &S, int64_t Limit)
{
    QVector<tNormalPoint> Points;
    if (Limit <= 0)
        return Points;
    VisitPoints(S, [&](Extended X, Extended P) {
        Points.append({X, P, NormalQuantile(P)});
        return Points.size() < Limit;
    });
    return Points;
}

tProbabilityRows::tProbabilityRows(int Top, int Bottom, Extended ZLo, Extended ZHi)
    : TopRow(Top), BottomRow(std::max(Top, Bottom)), ZLo(ZLo), ZHi(ZHi)
{
    const int K = BottomRow - TopRow;
    Edge.resize(size_t(K) + 2);
    const Extended Span = K > 0 ? (ZHi - ZLo) / Extended(K) : 0;
    for (int I = 0; I <= K + 1; ++I)
        Edge[size_t(I)] = NormalCdf(ZLo + (Extended(K - I) + 0.5L) * Span);
}

int tProbabilityRows::RowOfZ(Extended Z) const
{
    const int K = BottomRow - TopRow;
    if (K <= 0 || !(ZHi > ZLo))
        return BottomRow;
    const Extended Y = Extended(BottomRow) - (Z - ZLo) * Extended(K) / (ZHi - ZLo);
    return int(std::clamp<Extended>(std::nearbyint(Y), TopRow, BottomRow));
}

int tProbabilityRows::RowOfP(Extended P) const
{
    // The edges fall from the top row down: count those above P.
    const auto It = std::partition_point(Edge.begin(), Edge.end(),
                                         [P](Extended E) { return E > P; });
    const int Row = TopRow + int(It - Edge.begin()) - 1;
    return std::clamp(Row, TopRow, BottomRow);
}

Extended tProbabilityRows::UpperEdge(int Row) const
{
    return Edge[size_t(std::clamp(Row, TopRow, BottomRow) - TopRow)];
}

std::vector<QPoint> ThinnedNormalPoints(const tSeries &S, const std::function<int(Extended)> &ColumnOf,
                                        const tProbabilityRows &Rows)
{
    std::vector<QPoint> Out;
    auto Emit = [&Out](int X, int Y) {
        if (Out.empty() || Out.back() != QPoint(X, Y))
            Out.emplace_back(X, Y);
    };
    if (S.n <= 0 || S.List.isEmpty())
        return Out;
    if (S.Grouped) {
        VisitPoints(S, [&](Extended X, Extended P) {
            Emit(ColumnOf(X), Rows.RowOfP(P));
            return true;
        });
        return Out;
    }

    const QVector<TFreqRecord> &L = S.List;
    const int64_t N = S.n;
    const Extended NN = Extended(N);
    auto PAt = [NN](int64_t I) { return (Extended(I) - 0.5L) / NN; };
    // The entry holding point I (1-based), searching from entry From.
    auto EntryOf = [&L](int64_t I, int From) {
        return int(std::partition_point(L.begin() + From, L.end(),
                                        [I](const TFreqRecord &R) { return R.H < I; }) -
                   L.begin());
    };
    int64_t I = 1;
    int K = EntryOf(1, 0);
    while (I <= N && K < L.size()) {
        const int Px = ColumnOf(L[K].Value);
        const int Row = Rows.RowOfP(PAt(I));
        Emit(Px, Row);
        // The first point in a higher row.
        int64_t NextRow = N + 1;
        if (Row > Rows.Top()) {
            const Extended E = Rows.UpperEdge(Row);
            const Extended Guess = std::ceil(E * NN + 0.5L);
            int64_t J = Guess > Extended(N + 1) ? N + 1 : std::max<int64_t>(I + 1, int64_t(Guess));
            while (J > I + 1 && PAt(J - 1) >= E)
                --J;
            while (J <= N && PAt(J) < E)
                ++J;
            NextRow = J;
        }
        // The first point in a column further right.
        const int Kc = int(std::partition_point(L.begin() + K + 1, L.end(),
                                                [&](const TFreqRecord &R) {
                                                    return ColumnOf(R.Value) <= Px;
                                                }) -
                           L.begin());
        const int64_t NextCol = Kc < L.size() ? L[Kc - 1].H + 1 : N + 1;
        I = std::min(NextRow, NextCol);
        if (I > N)
            break;
        K = EntryOf(I, K);
    }
    return Out;
}
