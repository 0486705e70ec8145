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
    S.Cxx = Cuu;
    S.Cyy = Cvv;
    S.Cxy = Cuv;
    return S;
}

tPairSums PairSumsOf(const tLumen &L, int ColX, int ColY)
{
    tPairAccumulator A;
    ForEachPair(L, ColX, ColY, [&A](int, Extended X, Extended Y) { A.Add(X, Y); });
    return A.Sums();
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
    const Extended VarX = S.Cxx / N, VarY = S.Cyy / N;
    F.Vertical = !(S.Cxx > 0);
    if (F.Vertical) {
        F.Covariance = 0;
    } else {
        F.Covariance = S.Cxy / N;
        F.Slope = S.Cxy / S.Cxx;
        F.Intercept = F.MeanY - F.Slope * F.MeanX;
    }
    F.rDefined = VarX > 0 && VarY > 0;
    if (F.rDefined)
        F.r = F.Covariance / (std::sqrt(VarX) * std::sqrt(VarY));
    return F;
}
