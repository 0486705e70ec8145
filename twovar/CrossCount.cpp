#include "CrossCount.h"

#include "ClassFinder.h"
#include "PairFigures.h"

#include <unordered_map>

int64_t tCrossTable::RowCellSum(int J) const
{
    int64_t Sum = 0;
    for (int I = 0; I < k0; ++I)
        Sum += At(I, J);
    return Sum;
}

tCrossTable CountCrossTable(const tLumen &L, const tDescriptor &D)
{
    tCrossTable T;
    if (D.SeriesCount() < 2)
        return T;
    const tSeries &S0 = D.GetSeries(0);
    const tSeries &S1 = D.GetSeries(1);
    T.k0 = S0.List.size();
    T.k1 = S1.List.size();
    T.Cells.assign(size_t(T.k0) * size_t(T.k1), 0);
    for (const TFreqRecord &R : S0.List)
        T.ColH.push_back(R.h);
    for (const TFreqRecord &R : S1.List)
        T.RowH.push_back(R.h);
    T.ColTotal = S0.List.isEmpty() ? 0 : S0.List.last().H;
    T.RowTotal = S1.List.isEmpty() ? 0 : S1.List.last().H;
    if (T.Cells.empty())
        return T;
    const tCategoryFinder Fx(S0, S0.n), Fy(S1, S1.n);
    ForEachPair(L, S0.Source, S1.Source, [&](int, Extended X, Extended Y) {
        const int I = Fx.Find(X);
        if (I < 0)
            return;
        const int J = Fy.Find(Y);
        if (J >= 0)
            ++T.Cells[size_t(J) * size_t(T.k0) + size_t(I)];
    });
    return T;
}

namespace
{

// Sum of (O - E)^2 / E over all cells, written as the sum of O^2 / E over
// the filled cells, minus twice the filled cells' total, plus the total of
// E (the row counts), so that only filled cells need visiting. A cell with
// E = 0 can hold nothing, as its category holds no value.
template <typename tVisit>
Extended ChiFromFilled(const std::vector<int64_t> &ColH, const std::vector<int64_t> &RowH,
                       int64_t Total, tVisit &&VisitFilled)
{
    if (Total <= 0)
        return 0;
    const Extended N = Extended(Total);
    Extended Ratio = 0, Observed = 0;
    VisitFilled([&](int I, int J, int64_t O) {
        const Extended E = Extended(ColH[size_t(I)] * RowH[size_t(J)]) / N;
        if (E > 0) {
            Ratio += Extended(O) * Extended(O) / E;
            Observed += Extended(O);
        }
    });
    Extended Expected = 0;
    for (int64_t H : RowH)
        Expected += Extended(H);
    int64_t ColSum = 0;
    for (int64_t H : ColH)
        ColSum += H;
    Expected = Expected * Extended(ColSum) / N;
    return Ratio - 2 * Observed + Expected;
}

} // namespace

Extended ChiSquare(const tCrossTable &T)
{
    return ChiFromFilled(T.ColH, T.RowH, T.ColTotal, [&T](auto &&Fn) {
        for (int J = 0; J < T.k1; ++J)
            for (int I = 0; I < T.k0; ++I)
                if (T.At(I, J) > 0)
                    Fn(I, J, T.At(I, J));
    });
}

Extended PairChiSquare(const tLumen &L, const tDescriptor &D)
{
    if (D.SeriesCount() < 2)
        return 0;
    const tSeries &S0 = D.GetSeries(0), &S1 = D.GetSeries(1);
    if (int64_t(S0.List.size()) * int64_t(S1.List.size()) <= (int64_t(1) << 22))
        return ChiSquare(CountCrossTable(L, D));
    // Many categories: count the filled cells by key.
    std::unordered_map<uint64_t, int64_t> Filled;
    const tCategoryFinder Fx(S0, S0.n), Fy(S1, S1.n);
    ForEachPair(L, S0.Source, S1.Source, [&](int, Extended X, Extended Y) {
        const int I = Fx.Find(X), J = Fy.Find(Y);
        if (I >= 0 && J >= 0)
            ++Filled[(uint64_t(uint32_t(J)) << 32) | uint32_t(I)];
    });
    std::vector<int64_t> ColH, RowH;
    for (const TFreqRecord &R : S0.List)
        ColH.push_back(R.h);
    for (const TFreqRecord &R : S1.List)
        RowH.push_back(R.h);
    return ChiFromFilled(ColH, RowH, S0.List.last().H, [&Filled](auto &&Fn) {
        for (const auto &[Key, O] : Filled)
            Fn(int(Key & 0xFFFFFFFFu), int(Key >> 32), O);
    });
}

std::vector<int> CrossCellLines(const tLumen &L, const tDescriptor &D, int I, int J)
{
    std::vector<int> Lines;
    if (D.SeriesCount() < 2)
        return Lines;
    const tSeries &S0 = D.GetSeries(0), &S1 = D.GetSeries(1);
    const tCategoryFinder Fx(S0, S0.n), Fy(S1, S1.n);
    ForEachPair(L, S0.Source, S1.Source, [&](int Line, Extended X, Extended Y) {
        if (Fx.Find(X) == I && Fy.Find(Y) == J)
            Lines.push_back(Line);
    });
    return Lines;
}
