#include "Random.h"

#include "Lumen.h"

#include <QTime>
#include <algorithm>
#include <cmath>
#include <vector>

uint32_t tRandom::TimeOfDaySeed()
{
    QTime T = QTime::currentTime();
    return uint32_t(((T.hour() * 60 + T.minute()) * 60 + T.second()) * 1000 + T.msec());
}

uint32_t tRandom::NextInt(uint32_t N)
{
    uint64_t S = Next();
    return uint32_t((S * uint64_t(N)) >> 32);
}

long double tRandom::NextReal() { return (long double)Next() / 4294967296.0L; }

tRandom &ProgramRandom()
{
    static tRandom R;
    return R;
}

namespace {

// The number entry field allows at most 10000 lines; a damaged file may
// claim more, which must not make a refill run away with memory.
constexpr int32_t MaxRandomLines = 10000;

// Whole numbers From..To in ascending order, from which elements are drawn by
// index and removed (the rest keeping their order), in O(log n) per draw: a
// Fenwick tree of which numbers are still present.
class IntPool
{
public:
    explicit IntPool(int64_t Size) : Tree(Size + 1, 0), Count(Size)
    {
        for (int64_t I = 1; I <= Size; ++I) {
            Tree[I] += 1;
            int64_t J = I + (I & -I);
            if (J <= Size)
                Tree[J] += Tree[I];
        }
    }
    int64_t Size() const { return Count; }
    // Removes and returns the offset of the K-th remaining element (0-based).
    int64_t Take(int64_t K)
    {
        int64_t Pos = 0, N = int64_t(Tree.size()) - 1;
        int64_t Step = 1;
        while (Step * 2 <= N)
            Step *= 2;
        for (; Step > 0; Step /= 2) {
            if (Pos + Step <= N && Tree[Pos + Step] <= K) {
                Pos += Step;
                K -= Tree[Pos];
            }
        }
        // Pos + 1 is the 1-based index of the element.
        for (int64_t I = Pos + 1; I <= N; I += I & -I)
            Tree[I] -= 1;
        --Count;
        return Pos;
    }

private:
    std::vector<int32_t> Tree;
    int64_t Count;
};

QString IntText(int64_t V) { return QString::number(V); }

} // namespace

QString FillRandomColumns(tLumen &Lumen, tRandom &Gen)
{
    Lumen.ClearSingleLine();
    QString Refilled;
    for (int Col = 0; Col < ObsColumns; ++Col) {
        tDataCol &C = Lumen.Cols[Col];
        if (C.RandomCount <= 0)
            continue;
        C.Cells.clear();
        Lumen.SetModified();
        const int32_t Lines = std::min(C.RandomCount, MaxRandomLines);
        const bool Reals = C.RandomFrom == 0 && C.RandomTo == 0;
        const bool Without = C.RandomFlag != 0;
        const int64_t From = C.RandomFrom;
        const int64_t Range = int64_t(C.RandomTo) - From + 1;
        if (!Reals && Range < 1) {
            Refilled += ColLetter(Col);
            continue; // an impossible range from a damaged file: nothing to draw
        }
        if (!Without) {
            for (int32_t L = 0; L < Lines; ++L) {
                QString T = Reals ? FormatGeneral(Gen.NextReal())
                                  : IntText(From + Gen.NextInt(uint32_t(Range)));
                Lumen.SetCellText(L, Col, T);
            }
        } else if (Reals) {
            std::vector<long double> Pool;
            Pool.reserve(Lines);
            while (int32_t(Pool.size()) < Lines) {
                long double R = Gen.NextReal();
                auto It = std::lower_bound(Pool.begin(), Pool.end(), R);
                bool Near = (It != Pool.end() && std::fabs(*It - R) <= 5e-10L) ||
                            (It != Pool.begin() && std::fabs(*(It - 1) - R) <= 5e-10L);
                if (!Near)
                    Pool.insert(It, R);
            }
            for (int32_t L = 0; L < Lines; ++L) {
                size_t K = Gen.NextInt(uint32_t(Pool.size()));
                Lumen.SetCellText(L, Col, FormatGeneral(Pool[K]));
                Pool.erase(Pool.begin() + K);
            }
        } else {
            // A range beyond what a Fenwick tree should hold (only from a
            // damaged file) is clipped to the first ten million numbers.
            IntPool Pool(std::min<int64_t>(Range, 10'000'000));
            for (int32_t L = 0; L < Lines && Pool.Size() > 0; ++L) {
                int64_t K = Gen.NextInt(uint32_t(Pool.Size()));
                Lumen.SetCellText(L, Col, IntText(From + Pool.Take(K)));
            }
        }
        Refilled += ColLetter(Col);
    }
    QString Changed;
    for (QChar Letter : Refilled) {
        Changed += Letter;
        Changed += Lumen.RecalcFrom(ColIndex(Letter));
    }
    return Changed;
}
