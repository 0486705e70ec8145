// Which class of a grouped column a value belongs to, by the same rule for
// the frequency summary and the cross table, and which cell values count as
// numbers in the descriptions.
#pragma once

#include "Descriptor.h"

#include <QVector>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// A cell value counts only when it is a finite number; a damaged file could
// carry NaN, infinity or encodings the processor does not accept, which
// compare unordered and would break sorting.
inline bool UsableNumber(uint8_t State, Extended V)
{
    return State == csNumber && V == V && std::isfinite(V);
}

// The classes of a grouped observation column, with the rule that decides
// whether each is closed below. A value goes to the first class in list order
// that holds it. Classes in ascending order (the normal case) are found by
// binary search; anything else only comes from a damaged file and is scanned
// in list order while that stays cheap, otherwise searched through an index
// sorted by upper bound, so no grouping can stall the program.
struct tClassifier {
    const QVector<TFreqRecord> *List = nullptr;
    std::vector<uint8_t> Closed;
    bool Ascending = true;
    bool Scan = false;
    std::vector<int> ByUpper; // indices of classes with usable bounds

    bool Holds(int K, Extended X) const
    {
        const TFreqRecord &R = (*List)[K];
        if (!(X <= R.Upper))
            return false;
        return Closed[size_t(K)] ? X >= R.Lower : X > R.Lower;
    }

    void Prepare(int64_t Values)
    {
        const QVector<TFreqRecord> &L = *List;
        for (int K = 0; K < L.size(); ++K)
            if (std::isnan(L[K].Lower) || std::isnan(L[K].Upper) ||
                (K > 0 && (L[K].Lower < L[K - 1].Lower || L[K].Upper < L[K - 1].Upper))) {
                Ascending = false;
                break;
            }
        if (Ascending)
            return;
        Scan = int64_t(L.size()) * Values <= 50'000'000;
        if (Scan)
            return;
        for (int K = 0; K < L.size(); ++K)
            if (!std::isnan(L[K].Lower) && !std::isnan(L[K].Upper))
                ByUpper.push_back(K);
        std::stable_sort(ByUpper.begin(), ByUpper.end(),
                         [&L](int A, int B) { return L[A].Upper < L[B].Upper; });
    }

    int Find(Extended X) const
    {
        const QVector<TFreqRecord> &L = *List;
        const int M = L.size();
        if (Ascending) {
            // First class whose upper bound reaches X; every later one does
            // too, so only the lower bound remains to be checked, and once a
            // lower bound lies above X no later class can hold it.
            auto It =
                std::lower_bound(L.cbegin(), L.cend(), X,
                                 [](const TFreqRecord &R, Extended V) { return R.Upper < V; });
            for (int K = int(It - L.cbegin()); K < M; ++K) {
                if (L[K].Lower > X)
                    break;
                if (Holds(K, X))
                    return K;
            }
            return -1;
        }
        if (Scan) {
            for (int K = 0; K < M; ++K)
                if (Holds(K, X))
                    return K;
            return -1;
        }
        auto It = std::lower_bound(ByUpper.cbegin(), ByUpper.cend(), X,
                                   [&L](int K, Extended V) { return L[K].Upper < V; });
        int Best = -1;
        for (int Steps = 0; It != ByUpper.cend() && Steps < 64; ++It, ++Steps)
            if ((Best < 0 || *It < Best) && Holds(*It, X))
                Best = *It;
        return Best;
    }
};

// The category of X in a described series: the index of its distinct value
// (exact comparison), or of its class when the series is grouped; -1 when it
// has none. Build once per series, then look up values.
class tCategoryFinder
{
  public:
    tCategoryFinder(const tSeries &S, int64_t Values) : Grouped(S.Grouped)
    {
        if (!S.Grouped) {
            // The values alone, packed, keep the search in the cache; their
            // nearest doubles (in the same order) make it quick.
            Values_.reserve(size_t(S.List.size()));
            for (const TFreqRecord &R : S.List) {
                Values_.push_back(R.Value);
                Approx.push_back(double(R.Value));
            }
            return;
        }
        Classes.List = &S.List;
        Classes.Closed.assign(S.ClosedBelow.cbegin(), S.ClosedBelow.cend());
        Classes.Closed.resize(size_t(S.List.size()), 0);
        Classes.Prepare(Values);
    }

    int Find(Extended X) const
    {
        if (Grouped)
            return Classes.List->isEmpty() ? -1 : Classes.Find(X);
        if (Approx.empty())
            return -1;
        // Lower bound among the doubles without branches, then the exact
        // comparison among the values that round to the same double.
        const double D = double(X);
        const double *Base = Approx.data();
        size_t N = Approx.size();
        while (N > 1) {
            const size_t Half = N / 2;
            Base = Base[Half] < D ? Base + Half : Base;
            N -= Half;
        }
        size_t I = size_t(Base - Approx.data()) + (*Base < D ? 1 : 0);
        for (; I < Approx.size() && Approx[I] == D; ++I)
            if (Values_[I] == X)
                return int(I);
        return -1;
    }

  private:
    bool Grouped;
    std::vector<Extended> Values_;
    std::vector<double> Approx;
    tClassifier Classes;
};
