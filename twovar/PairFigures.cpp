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

tPairSums PairSumsOf(const tLumen &L, int ColX, int ColY)
{
    tPairSums S;
    Extended Kx = 0, Ky = 0, Dx = 0, Dy = 0;
    ForEachPair(L, ColX, ColY, [&](int, Extended X, Extended Y) {
        if (S.n == 0) {
            Kx = X;
            Ky = Y;
        }
        ++S.n;
        S.Sx += X;
        S.Sy += Y;
        Dx += X - Kx;
        Dy += Y - Ky;
    });
    if (S.n == 0)
        return S;
    const Extended N = Extended(S.n);
    const Extended Mx = Dx / N, My = Dy / N; // means of the shifted values
    S.MeanX = Kx + Mx;
    S.MeanY = Ky + My;
    ForEachPair(L, ColX, ColY, [&](int, Extended X, Extended Y) {
        const Extended U = (X - Kx) - Mx, V = (Y - Ky) - My;
        S.Cxx += U * U;
        S.Cyy += V * V;
        S.Cxy += U * V;
    });
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
