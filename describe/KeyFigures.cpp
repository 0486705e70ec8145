#include "KeyFigures.h"

#include <algorithm>
#include <cmath>

namespace
{

// Population variance from the list's (value, h) pairs. Rounding can leave a
// tiny negative result for constant data; the standard deviation is then 0.
void VarianceOf(const tSeries &S, tKeyFigures &K)
{
    if (S.n < 1) {
        K.Variance = 0;
        K.StdDev = 0;
        return;
    }
    Extended SumSq = 0;
    for (const TFreqRecord &R : S.List)
        SumSq += R.Value * R.Value * Extended(R.h);
    K.Variance = SumSq / Extended(S.n) - S.Mean * S.Mean;
    K.StdDev = K.Variance > 0 ? std::sqrt(K.Variance) : 0;
    if (std::isfinite(K.Variance) || !std::isfinite(S.Mean))
        return;
    // The squares passed the number range: the deviations from the mean,
    // scaled by the largest one, give the standard deviation without
    // overflow; the variance is then infinite only when it truly is.
    Extended Largest = 0;
    for (const TFreqRecord &R : S.List)
        Largest = std::max(Largest, std::fabs(R.Value - S.Mean));
    if (!std::isfinite(Largest))
        return;
    if (Largest == 0) { // every value equals the mean
        K.Variance = K.StdDev = 0;
        return;
    }
    Extended Scaled = 0;
    for (const TFreqRecord &R : S.List) {
        const Extended Dev = (R.Value - S.Mean) / Largest;
        Scaled += Dev * Dev * (Extended(R.h) / Extended(S.n));
    }
    K.StdDev = Largest * std::sqrt(Scaled);
    K.Variance = K.StdDev * K.StdDev;
}

// The value with the largest h; unique only when no other entry ties it.
// Returns the index of the first entry with the largest h (or -1).
int ModeIndex(const tSeries &S, bool &Unique)
{
    int64_t Best = 0;
    int Index = -1;
    Unique = false;
    for (int K = 0; K < S.List.size(); ++K) {
        const int64_t H = S.List[K].h;
        if (H > Best) {
            Best = H;
            Index = K;
            Unique = true;
        } else if (H == Best) {
            Unique = false;
        }
    }
    return Index;
}

// The first entry whose F reaches the level P. F never falls along the
// list, so a binary search finds it; the quartiles of a million distinct
// values cost a few steps, not a walk.
const TFreqRecord *FirstReaching(const tSeries &S, Extended P)
{
    const auto It = std::partition_point(S.List.cbegin(), S.List.cend(),
                                         [P](const TFreqRecord &R) { return R.F < P; });
    return It == S.List.cend() ? nullptr : &*It;
}

} // namespace

void ComputeQuartiles(const tSeries &S, tKeyFigures &K)
{
    if (S.List.isEmpty())
        return;
    const Extended Levels[3] = {0.25L, 0.5L, 0.75L};
    Extended *Out[3] = {&K.LowerQuartile, &K.Median, &K.UpperQuartile};
    for (int Q = 0; Q < 3; ++Q) {
        const Extended P = Levels[Q];
        // A level no entry reaches (no frequencies at all) leaves the
        // first value, or the first class's midpoint.
        *Out[Q] = S.List.first().Value;
        const TFreqRecord *R = FirstReaching(S, P);
        if (R == nullptr)
            continue;
        if (!S.Grouped) {
            // Distinct values: the first value whose F reaches the level.
            *Out[Q] = R->Value;
        } else if (R->f > 0) {
            // Classes: interpolated inside the class where F passes the
            // level; the F before it is below the level.
            const Extended Prev = R == S.List.constData() ? 0 : (R - 1)->F;
            *Out[Q] = R->Lower + (R->Upper - R->Lower) * (P - Prev) / R->f;
        }
    }
}

void ComputeUngroupedKeyFigures(const tSeries &S, tKeyFigures &K)
{
    if (S.List.isEmpty())
        return;
    ComputeQuartiles(S, K);

    bool Unique = false;
    const int M = ModeIndex(S, Unique);
    K.Mode = M >= 0 ? S.List[M].Value : 0;
    K.ModeUnique = Unique;

    VarianceOf(S, K);
    K.Range = S.Max - S.Min;
}

void ComputeGroupedKeyFigures(const tSeries &S, tKeyFigures &K)
{
    if (S.List.isEmpty())
        return;
    ComputeQuartiles(S, K);

    bool Unique = false;
    const int M = ModeIndex(S, Unique);
    if (M >= 0) {
        K.ModalLower = S.List[M].Lower;
        K.ModalUpper = S.List[M].Upper;
    } else {
        K.ModalLower = K.ModalUpper = 0;
    }
    K.ModalClassUnique = Unique;

    VarianceOf(S, K);
    K.Range = S.Max - S.Min;
}

void ComputeKeyFigures(const tSeries &S, tKeyFigures &K)
{
    if (S.Grouped)
        ComputeGroupedKeyFigures(S, K);
    else
        ComputeUngroupedKeyFigures(S, K);
}

QString FigureText(Extended Value, int Decimals)
{
    return std::isfinite(Value) ? FormatNumber(Value, Decimals) : QStringLiteral("(udefineret)");
}
