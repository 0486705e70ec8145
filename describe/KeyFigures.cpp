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

} // namespace

void ComputeUngroupedKeyFigures(const tSeries &S, tKeyFigures &K)
{
    if (S.List.isEmpty())
        return;
    const Extended First = S.List.first().Value;
    K.LowerQuartile = K.Median = K.UpperQuartile = First;
    bool Lq = false, Md = false, Uq = false;
    for (const TFreqRecord &R : S.List) {
        if (!Lq && R.F >= 0.25L) {
            K.LowerQuartile = R.Value;
            Lq = true;
        }
        if (!Md && R.F >= 0.5L) {
            K.Median = R.Value;
            Md = true;
        }
        if (!Uq && R.F >= 0.75L) {
            K.UpperQuartile = R.Value;
            Uq = true;
        }
    }

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
    const Extended Levels[3] = {0.25L, 0.5L, 0.75L};
    Extended *Out[3] = {&K.LowerQuartile, &K.Median, &K.UpperQuartile};
    for (int Q = 0; Q < 3; ++Q) {
        const Extended P = Levels[Q];
        *Out[Q] = S.List.first().Value;
        Extended Prev = 0;
        for (const TFreqRecord &R : S.List) {
            if (R.F >= P && Prev < P && R.f > 0) {
                *Out[Q] = R.Lower + (R.Upper - R.Lower) * (P - Prev) / R.f;
                break;
            }
            Prev = R.F;
        }
    }

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
