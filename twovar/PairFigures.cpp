#include "PairFigures.h"

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

void tPairAccumulator::Flush()
{
    if (Used == 0)
        return;
    const Extended M = Extended(Used);
    Extended Su = 0, Sv = 0;
    for (int I = 0; I < Used; ++I) {
        Su += U[I];
        Sv += V[I];
    }
    const Extended Bu = Su / M, Bv = Sv / M;
    Extended Buu = 0, Bvv = 0, Buv = 0;
    for (int I = 0; I < Used; ++I) {
        const Extended A = U[I] - Bu, B = V[I] - Bv;
        Buu += A * A;
        Bvv += B * B;
        Buv += A * B;
    }
    if (n == 0) {
        Mu = Bu;
        Mv = Bv;
        Cuu = Buu;
        Cvv = Bvv;
        Cuv = Buv;
    } else {
        const Extended N = Extended(n) + M;
        const Extended Du = Bu - Mu, Dv = Bv - Mv;
        const Extended W = Extended(n) * M / N;
        Cuu += Buu + Du * Du * W;
        Cvv += Bvv + Dv * Dv * W;
        Cuv += Buv + Du * Dv * W;
        Mu += Du * M / N;
        Mv += Dv * M / N;
    }
    SumU += Su;
    SumV += Sv;
    n += Used;
    Used = 0;
}

tPairSums tPairAccumulator::Sums()
{
    Flush();
    tPairSums S;
    S.n = n;
    if (n == 0)
        return S;
    const Extended N = Extended(n);
    S.Sx = SumU + N * Kx;
    S.Sy = SumV + N * Ky;
    S.MeanX = Kx + Mu;
    S.MeanY = Ky + Mv;
    S.Cxx = S.Uxx = Cuu;
    S.Cyy = S.Uyy = Cvv;
    S.Cxy = S.Uxy = Cuv;
    return S;
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
