// The key figures of two columns read line by line as pairs (x from the
// first marked column, y from the second): sums, covariance, correlation
// and the least-squares regression line. Plain computation, no drawing.
#pragma once

#include "Lumen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

// Two columns whose cells do not pair up as numbers on every line up to the
// longer column's end.
bool PairColumnsFaulty(const tLumen &L, int ColX, int ColY);

// Calls Fn(Line, X, Y) for every line whose two cells both hold numbers, in
// line order.
template <typename tFn> void ForEachPair(const tLumen &L, int ColX, int ColY, tFn &&Fn);

// Sums over the pairs. The squares and products are taken about the means,
// each value first shifted by the first pair's value so that large values
// with a small spread (years, say) keep their digits; a constant column gives
// exactly zero. They are summed over the values divided by 2^ScaleX and
// 2^ScaleY, powers of two that bring the largest magnitude of each column
// below 1: exact for ordinary values, and no square overflows however huge
// the values are (the figures but the covariance do not depend on the scale).
struct tPairSums {
    int64_t n = 0;
    Extended Sx = 0, Sy = 0;            // plain sums
    Extended MeanX = 0, MeanY = 0;      // means
    Extended Cxx = 0, Cyy = 0, Cxy = 0; // the centred sums themselves (may be infinite)
    int ScaleX = 0, ScaleY = 0;         // the exponents of the scales
    Extended Uxx = 0, Uyy = 0, Uxy = 0; // the centred sums of the scaled values
};

// The sums of the pairs, from one pass over them (see PairPass.h).
tPairSums PairSumsOf(const tLumen &L, int ColX, int ColY);
// The same in three passes, each value divided by its column's scale
// first: for values so large or small that their squares leave the range
// of a number.
tPairSums ScaledPairSumsOf(const tLumen &L, int ColX, int ColY);

// What the key figures show. The slope is undefined when all x are equal:
// the regression line is then the vertical line X = mean of x and the
// covariance reads 0. r is undefined when either spread is not positive.
// A figure too large for a number (the covariance of huge values, say) is
// not defined either; its flag says so and the texts write "(udefineret)".
struct tPairFigures {
    int64_t n = 0;
    Extended MeanX = 0, MeanY = 0;
    Extended Covariance = 0;
    bool CovarianceDefined = true;
    bool Vertical = false;
    Extended Slope = 0, Intercept = 0; // y = Slope * x + Intercept
    bool SlopeDefined = true, InterceptDefined = true;
    bool rDefined = false;
    Extended r = 0;
};

tPairFigures PairFiguresOf(const tPairSums &S);

// Implementation of the template.
template <typename tFn> void ForEachPair(const tLumen &L, int ColX, int ColY, tFn &&Fn)
{
    if (ColX < 0 || ColX >= ObsColumns || ColY < 0 || ColY >= ObsColumns)
        return;
    const QVector<tCell> &A = L.Cols[size_t(ColX)].Cells;
    const QVector<tCell> &B = L.Cols[size_t(ColY)].Cells;
    const int Lines = std::min(A.size(), B.size()); // a missing cell is no pair
    for (int Line = 0; Line < Lines; ++Line) {
        const tCell &X = A[Line];
        const tCell &Y = B[Line];
        if (X.State == csNumber && Y.State == csNumber && std::isfinite(X.Value) &&
            std::isfinite(Y.Value))
            Fn(Line, X.Value, Y.Value);
    }
}
