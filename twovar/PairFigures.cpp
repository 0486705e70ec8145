#include "PairFigures.h"
#include "PairPass.h"

#include <algorithm>
#include <cmath>

bool PairColumnsFaulty(const tLumen &L, int ColX, int ColY)
{
    const int Lines = std::max(L.CellCount(ColX), L.CellCount(ColY));
    for (int Line = 0; Line < Lines; ++Line)
        if (L.GetCellState(Line, ColX) != csNumber || L.GetCellState(Line, ColY) != csNumber)
            return true;
    return false;
}

namespace
{

// The exponent of the power of two that brings Largest below 1 (0 for 0).
int ScaleOf(Extended Largest)
{
    int Exp = 0;
    if (Largest > 0)
        std::frexp(Largest, &Exp);
    return Exp;
}

} // namespace

tPairSums PairSumsOf(const tLumen &L, int ColX, int ColY)
{
    return PairPassOf(L, ColX, ColY, ppLine).Line;
}

tPairSums ScaledPairSumsOf(const tLumen &L, int ColX, int ColY)
{
    tPairSums S;
    Extended MaxX = 0, MaxY = 0;
    ForEachPair(L, ColX, ColY, [&](int, Extended X, Extended Y) {
        ++S.n;
        S.Sx += X;
        S.Sy += Y;
        MaxX = std::max(MaxX, std::fabs(X));
        MaxY = std::max(MaxY, std::fabs(Y));
    });
    if (S.n == 0)
        return S;
    S.ScaleX = ScaleOf(MaxX);
    S.ScaleY = ScaleOf(MaxY);
    // From here on every value is divided by its scale, which is exact.
    const int Ex = S.ScaleX, Ey = S.ScaleY;
    // Multiplying by a power of two is as exact as ldexp, and much faster.
    const Extended Fx = std::ldexp(1.0L, -Ex), Fy = std::ldexp(1.0L, -Ey);
    Extended Kx = 0, Ky = 0, Dx = 0, Dy = 0;
    bool First = true;
    ForEachPair(L, ColX, ColY, [&](int, Extended X, Extended Y) {
        X *= Fx;
        Y *= Fy;
        if (First) {
            Kx = X;
            Ky = Y;
            First = false;
        }
        Dx += X - Kx;
        Dy += Y - Ky;
    });
    const Extended N = Extended(S.n);
    const Extended Mx = Dx / N, My = Dy / N; // means of the shifted values
    S.MeanX = std::ldexp(Kx + Mx, Ex);
    S.MeanY = std::ldexp(Ky + My, Ey);
    ForEachPair(L, ColX, ColY, [&](int, Extended X, Extended Y) {
        const Extended U = (X * Fx - Kx) - Mx, V = (Y * Fy - Ky) - My;
        S.Uxx += U * U;
        S.Uyy += V * V;
        S.Uxy += U * V;
    });
    S.Cxx = std::ldexp(S.Uxx, 2 * Ex);
    S.Cyy = std::ldexp(S.Uyy, 2 * Ey);
    S.Cxy = std::ldexp(S.Uxy, Ex + Ey);
    return S;
}

tPairFigures PairFiguresOf(const tPairSums &S)
{
    tPairFigures F;
    F.n = S.n;
    if (S.n <= 0)
        return F;
    const Extended N = Extended(S.n);
    F.MeanX = S.MeanX;
    F.MeanY = S.MeanY;
    // Variances and the covariance of the scaled values: r and the slope
    // come out the same from them as from the values themselves.
    const Extended VarX = S.Uxx / N, VarY = S.Uyy / N, Cov = S.Uxy / N;
    F.Vertical = !(S.Uxx > 0);
    if (F.Vertical) {
        F.Covariance = 0;
    } else {
        F.Covariance = std::ldexp(Cov, S.ScaleX + S.ScaleY);
        F.CovarianceDefined = std::isfinite(F.Covariance);
        F.Slope = std::ldexp(S.Uxy / S.Uxx, S.ScaleY - S.ScaleX);
        F.SlopeDefined = std::isfinite(F.Slope);
        F.Intercept = F.MeanY - F.Slope * F.MeanX;
        F.InterceptDefined = F.SlopeDefined && std::isfinite(F.Intercept);
    }
    F.rDefined = VarX > 0 && VarY > 0;
    if (F.rDefined)
        F.r = Cov / (std::sqrt(VarX) * std::sqrt(VarY));
    return F;
}
