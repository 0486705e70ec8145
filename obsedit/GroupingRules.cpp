#include "GroupingRules.h"

#include "Descriptor.h"
#include "NumberText.h"

#include <cmath>

tAutoGrouping ComputeAutoGrouping(const QString &A, const QString &B, const QString &C,
                                  bool HaveValues, Extended Max)
{
    tAutoGrouping G;
    if (!ParseNumber(A, G.a) || !ParseNumber(B, G.b) || !ParseNumber(C, G.c) || !(G.a < G.b) ||
        !(G.b <= G.c))
        return G;
    G.Width = G.b - G.a;
    G.Gap = G.c - G.b;
    if (!std::isfinite(G.Width) || !std::isfinite(G.Gap + G.Width))
        return G; // bounds at the ends of the number range
    const Extended Step = G.Width + G.Gap;
    if (!HaveValues || !(G.b < Max)) {
        G.Count = 1;
        G.Valid = true;
        return G;
    }
    // Counted arithmetically: a tiny width over a wide range must not loop
    // for every class.
    const Extended Steps = std::ceil((Max - G.b) / Step);
    if (!std::isfinite(Steps) || Steps >= Extended(MaxClasses)) {
        G.TooMany = true;
        return G;
    }
    int32_t K = int32_t(Steps);
    // Rounding may leave the last upper bound a hair off; settle it on the
    // same products the value check uses.
    while (K < MaxClasses && G.b + Step * K < Max)
        ++K;
    while (K > 0 && G.b + Step * (K - 1) >= Max)
        --K;
    if (K + 1 > MaxClasses) {
        G.TooMany = true;
        return G;
    }
    G.Count = K + 1;
    G.Valid = true;
    return G;
}

bool ReadManualGrid(const QVector<QStringList> &Rows, QVector<tInterval> &Intervals)
{
    Intervals.clear();
    int M = 0;
    for (int R = 0; R < Rows.size(); ++R)
        for (const QString &T : Rows[R])
            if (!T.trimmed().isEmpty())
                M = R + 1;
    if (M == 0)
        return false;
    for (int R = 0; R < M; ++R) {
        tInterval I;
        if (Rows[R].size() < 2 || !ParseNumber(Rows[R][0], I.Lower) ||
            !ParseNumber(Rows[R][1], I.Upper))
            return false;
        if (R > 0) {
            const Extended PrevUpper = Intervals.last().Upper;
            if (I.Lower < PrevUpper)
                return false;
            // A single point must stand apart from the interval before.
            if (!(I.Lower < I.Upper) && !(I.Lower == I.Upper && I.Lower > PrevUpper))
                return false;
        } else if (I.Upper < I.Lower) {
            return false;
        }
        Intervals.append(I);
    }
    return true;
}

bool InsideAuto(const tAutoGrouping &G, Extended V)
{
    if (!G.Valid)
        return false;
    if (G.Gap <= 0)
        return G.a < V && V <= G.b + G.Width * (G.Count - 1);
    const Extended Step = G.Width + G.Gap;
    const Extended K = std::floor((V - G.a) / Step);
    // Neighbours too: the quotient may round across a bound.
    for (Extended D = -1; D <= 1; ++D) {
        const Extended J = K + D;
        if (J < 0 || J > G.Count - 1)
            continue;
        if (V >= G.a + J * Step && V <= G.b + J * Step)
            return true;
    }
    return false;
}

bool InsideManual(const QVector<tInterval> &Intervals, Extended V)
{
    for (int I = 0; I < Intervals.size(); ++I) {
        const tInterval &R = Intervals[I];
        const bool Closed = I == 0 || R.Lower > Intervals[I - 1].Upper;
        if ((Closed ? V >= R.Lower : V > R.Lower) && V <= R.Upper)
            return true;
    }
    return false;
}
