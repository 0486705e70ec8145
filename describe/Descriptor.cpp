#include "Descriptor.h"

#include "ClassFinder.h"
#include "KeyFigures.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace
{

const tSeries EmptySeries;

// Decimals shown for described values; a damaged file may hold anything.
int32_t SaneDecimals(int32_t D)
{
    return std::clamp<int32_t>(D, 0, 18);
}

bool Usable(uint8_t State, Extended V)
{
    return UsableNumber(State, V);
}

// Adds Count occurrences of Value to a list built in ascending order,
// merging equal values into one entry.
void AddSorted(tSeries &S, Extended Value, int64_t Count)
{
    S.n += Count;
    if (!S.List.isEmpty() && S.List.last().Value == Value) {
        S.List.last().h += Count;
        return;
    }
    TFreqRecord R;
    R.Value = Value;
    R.h = Count;
    S.List.append(R);
}

// Minimum and maximum of a finished list: its values, or its class bounds.
void SetRange(tSeries &S)
{
    if (S.List.isEmpty())
        return;
    S.Min = S.Grouped ? S.List.first().Lower : S.List.first().Value;
    S.Max = S.Grouped ? S.List.last().Upper : S.List.last().Value;
}

// The mean from the list (values or class midpoints weighted by h).
void SetListMean(tSeries &S)
{
    if (S.n <= 0)
        return;
    Extended Sum = 0;
    for (const TFreqRecord &R : S.List)
        Sum += R.Value * Extended(R.h);
    S.Mean = Sum / Extended(S.n);
    if (!std::isfinite(S.Mean)) {
        // The sum passed the number range: weighted by the shares h/n, each
        // partial sum stays within the largest value.
        S.Mean = 0;
        for (const TFreqRecord &R : S.List)
            S.Mean += R.Value * (Extended(R.h) / Extended(S.n));
    }
}

// Counts equal values. A column has far fewer distinct values than cells, so
// the values are counted in a hash table on their bits and only the distinct
// ones are sorted; sorting merges any equal values with different bits
// (0 and -0 are folded before hashing).
class tDistinctCounter
{
  public:
    bool Empty() const { return Entries.empty(); }
    void Reserve(qsizetype Cells) { Resize(size_t(std::clamp<qsizetype>(Cells / 4, 64, 1 << 20))); }

    void Add(Extended V)
    {
        if (V == 0)
            V = 0;
        const Key K = KeyOf(V);
        if (Entries.size() * 2 >= Slots.size())
            Resize(Slots.size() * 2);
        size_t I = Hash(K) & (Slots.size() - 1);
        for (;;) {
            const int32_t E = Slots[I];
            if (E < 0) {
                Slots[I] = int32_t(Entries.size());
                Entries.push_back({K, V, 1});
                return;
            }
            if (Entries[size_t(E)].K == K) {
                ++Entries[size_t(E)].Count;
                return;
            }
            I = (I + 1) & (Slots.size() - 1);
        }
    }

    // The sorted frequency list; n, minimum and maximum.
    void Build(tSeries &S)
    {
        std::sort(Entries.begin(), Entries.end(),
                  [](const Entry &A, const Entry &B) { return A.Value < B.Value; });
        S.List.clear();
        S.List.reserve(qsizetype(Entries.size()));
        S.n = 0;
        for (const Entry &E : Entries)
            AddSorted(S, E.Value, E.Count);
        SetRange(S);
    }

  private:
    struct Key {
        uint64_t Mantissa = 0;
        uint64_t Exponent = 0;
        bool operator==(const Key &O) const
        {
            return Mantissa == O.Mantissa && Exponent == O.Exponent;
        }
    };
    struct Entry {
        Key K;
        Extended Value;
        int64_t Count;
    };

    static Key KeyOf(Extended V)
    {
        // Only the bytes that carry the value; padding is left out.
        unsigned char Raw[sizeof(Extended)] = {};
        std::memcpy(Raw, &V, sizeof V);
        Key K;
        constexpr size_t Low = sizeof V < 8 ? sizeof V : 8;
        std::memcpy(&K.Mantissa, Raw, Low);
        constexpr size_t High =
            std::numeric_limits<Extended>::digits == 64 ? 2 : (sizeof V > 8 ? sizeof V - 8 : 0);
        if (High > 0)
            std::memcpy(&K.Exponent, Raw + 8, High);
        return K;
    }

    static size_t Hash(const Key &K)
    {
        uint64_t H = K.Mantissa * 0x9E3779B97F4A7C15ull ^ (K.Exponent + 0x632BE59BD9B4E019ull);
        H ^= H >> 29;
        H *= 0xBF58476D1CE4E5B9ull;
        H ^= H >> 32;
        return size_t(H);
    }

    void Resize(size_t Count)
    {
        size_t N = 64;
        while (N < Count)
            N *= 2;
        Slots.assign(N, -1);
        for (size_t E = 0; E < Entries.size(); ++E) {
            size_t I = Hash(Entries[E].K) & (N - 1);
            while (Slots[I] >= 0)
                I = (I + 1) & (N - 1);
            Slots[I] = int32_t(E);
        }
    }

    std::vector<int32_t> Slots;
    std::vector<Entry> Entries;
};

// H, f, F and the largest h of a finished list.
void Cumulate(tSeries &S)
{
    S.MaxH = 0;
    if (S.n <= 0) {
        for (const TFreqRecord &R : S.List)
            S.MaxH = std::max(S.MaxH, R.h);
        return;
    }
    int64_t H = 0;
    const Extended N = Extended(S.n);
    for (TFreqRecord &R : S.List) {
        H += R.h;
        R.H = H;
        R.f = Extended(R.h) / N;
        R.F = Extended(H) / N;
        S.MaxH = std::max(S.MaxH, R.h);
    }
}

QString TableColumnName(const QString &Name, int Col)
{
    return Name.isEmpty() ? QStringLiteral("Søjle ") + ColLetter(Col) : Name;
}

} // namespace

QString ObsColumnName(const tLumen &L, int Col)
{
    const QString Name = L.GetColName(Col);
    return Name.isEmpty() ? QStringLiteral("Søjle ") + ColLetter(Col) : Name;
}

QString ObsLineName(const tLumen &L, int Line)
{
    const QString Name = L.GetLineName(Line);
    return Name.isEmpty() ? QStringLiteral("Linje ") + QString::number(Line + 1) : Name;
}

tDescriptor::tDescriptor()
{
    Clear();
}

void tDescriptor::Clear()
{
    Dirty = false;
    ClassesFaulty = false;
    Owner = dtNone;
    for (tSeries &S : Series)
        S = tSeries();
    Count = 0;
    Title.clear();
    Decimals = -1;
    PaneKinds.fill(bkIngen);
    PanesLinked = false;
    ReadingCount = 0;
    PickedLines.clear();
    SelIndex = SelIndex2 = -1;
    LargestLength = 0;
}

void tDescriptor::SetOwner(TDataType NewOwner)
{
    if (Owner != dtNone && Owner != NewOwner)
        Clear();
    Owner = NewOwner;
}

void tDescriptor::Recompute(const tLumen &Lumen)
{
    if (!Dirty)
        return;
    Dirty = false;
    for (tSeries &S : Series)
        S = tSeries();
    Count = 0;
    Decimals = -1;
    Title.clear();
    LargestLength = 0;

    const TDataType Type = Owner != dtNone ? Owner : DataType;
    switch (Type) {
    case dtObs:
        RecomputeObs(Lumen);
        break;
    case dtHyp:
        RecomputeHyp(Lumen);
        break;
    case dtGrup:
        RecomputeGrup(Lumen);
        break;
    default:
        break;
    }
    if (Decimals < 0)
        Decimals = 0;

    if (!ClassesFaulty && Count > 0 && !Series[0].List.isEmpty())
        ComputeKeyFigures(Series[0], KeyFig);
}

void tDescriptor::RecomputeObs(const tLumen &Lumen)
{
    const bool Lines = Lumen.SelCols.isEmpty();
    const QVector<int32_t> &Marked = Lines ? Lumen.SelLines : Lumen.SelCols;
    Count = std::min<int>(Marked.size(), MaxSeries);

    // Rows of the data-stick table.
    if (Lines) {
        int Last = Lumen.UsedColumns();
        for (int C = 0; C < ObsColumns; ++C)
            if (!Lumen.Cols[size_t(C)].Name.isEmpty())
                Last = std::max(Last, C + 1);
        LargestLength = Last;
    } else {
        LargestLength = int32_t(Lumen.LineNames.size());
        for (int I = 0; I < Count; ++I)
            LargestLength = std::max(LargestLength, int32_t(Lumen.CellCount(Marked[I])));
    }

    for (int I = 0; I < Count; ++I) {
        const int Src = Marked[I];
        tSeries &S = Series[size_t(I)];
        S.Source = Src;
        S.IsLine = Lines;
        const QString Name = Lines ? ObsLineName(Lumen, Src) : ObsColumnName(Lumen, Src);
        Title = I == 0 ? Name : Title + QStringLiteral(" og ") + Name;
        S.Name = Name;

        if (Lines) {
            tDistinctCounter Counter;
            Extended Sum = 0;
            for (int C = 0; C < ObsColumns; ++C) {
                const tDataCol &Col = Lumen.Cols[size_t(C)];
                if (Src < 0 || Src >= Col.Cells.size())
                    continue;
                const tCell &Cell = Col.Cells[Src];
                if (!Usable(Cell.State, Cell.Value))
                    continue;
                if (I == 0 && Decimals < 0)
                    Decimals = SaneDecimals(Col.Decimals);
                if (Counter.Empty())
                    S.Decimals = SaneDecimals(Col.Decimals);
                Counter.Add(Cell.Value);
                Sum += Cell.Value;
            }
            Counter.Build(S);
            if (S.n > 0)
                S.Mean = std::isfinite(Sum) ? Sum / Extended(S.n) : Extended(0);
            if (!std::isfinite(Sum))
                SetListMean(S);
            Cumulate(S);
            continue;
        }

        if (Src < 0 || Src >= ObsColumns)
            continue;
        const tDataCol &Col = Lumen.Cols[size_t(Src)];
        S.Decimals = SaneDecimals(Col.Decimals);
        if (I == 0)
            Decimals = S.Decimals;

        if (Col.GroupKind == gkNone) {
            tDistinctCounter Counter;
            Counter.Reserve(Col.Cells.size());
            Extended Sum = 0;
            for (const tCell &Cell : Col.Cells) {
                if (!Usable(Cell.State, Cell.Value))
                    continue;
                Counter.Add(Cell.Value);
                Sum += Cell.Value;
            }
            Counter.Build(S);
            if (S.n > 0)
                S.Mean = std::isfinite(Sum) ? Sum / Extended(S.n) : Extended(0);
            if (!std::isfinite(Sum))
                SetListMean(S);
            Cumulate(S);
            continue;
        }

        // Grouped column: all classes first, then each value into the first
        // class that holds it. Any other grouping kind (a damaged file) is
        // treated as having no classes.
        S.Grouped = true;
        tClassifier Cl;
        Cl.List = &S.List;
        const bool Auto = Col.GroupKind == gkAuto;
        const int M = Auto ? std::clamp<int32_t>(Col.GroupCount, 0, MaxClasses)
                           : std::min<int>(Col.Intervals.size(), MaxClasses);
        const QVector<tInterval> Classes = Lumen.GetIntervals(Src, M);
        S.ClassGaps = Auto && Lumen.GetGap(Src) > 0;
        S.List.reserve(Classes.size());
        for (int K = 0; K < Classes.size(); ++K) {
            TFreqRecord R;
            R.Lower = Classes[K].Lower;
            R.Upper = Classes[K].Upper;
            R.Value = (R.Lower + R.Upper) / 2;
            S.List.append(R);
            S.ClosedBelow.push_back(Auto ? S.ClassGaps
                                         : K == 0 || Classes[K - 1].Upper < Classes[K].Lower);
        }
        int64_t Numbers = 0;
        for (const tCell &Cell : Col.Cells)
            Numbers += Usable(Cell.State, Cell.Value) ? 1 : 0;
        Cl.Closed.assign(S.ClosedBelow.cbegin(), S.ClosedBelow.cend());
        Cl.Prepare(Numbers);
        SetRange(S);
        for (const tCell &Cell : Col.Cells) {
            if (!Usable(Cell.State, Cell.Value))
                continue;
            ++S.n;
            const int K = S.List.isEmpty() ? -1 : Cl.Find(Cell.Value);
            if (K >= 0)
                ++S.List[K].h;
        }
        SetListMean(S);
        Cumulate(S);
    }
}

void tDescriptor::RecomputeHyp(const tLumen &Lumen)
{
    const QVector<int32_t> &Marked = Lumen.SelHypCols;
    Count = std::min<int>(Marked.size(), MaxSeries);
    struct Pair {
        Extended Value;
        int64_t Freq;
    };
    std::vector<Pair> Rows;
    for (int I = 0; I < Count; ++I) {
        const int Src = Marked[I];
        tSeries &S = Series[size_t(I)];
        S.Source = Src;
        if (Src < 0 || Src >= HypColumns)
            continue;
        const tHypCol &Col = Lumen.HypCols[size_t(Src)];
        const QString Name = TableColumnName(Col.Name, Src);
        Title = I == 0 ? Name : Title + QStringLiteral(" og ") + Name;
        S.Name = Name;
        S.Decimals = SaneDecimals(Col.Decimals);
        if (I == 0)
            Decimals = S.Decimals;

        // Only rows with a number and a count take part. A negative frequency
        // is a text cell already (shown red in the editor); the sign check
        // guards records filled by other means.
        Rows.clear();
        for (const tHypCell &Cell : Col.Cells)
            if (Usable(Cell.ObsState, Cell.ObsValue) && Cell.FreqState == csNumber &&
                Cell.Freq >= 0)
                Rows.push_back({Cell.ObsValue, Cell.Freq});
        std::stable_sort(Rows.begin(), Rows.end(),
                         [](const Pair &A, const Pair &B) { return A.Value < B.Value; });
        for (const Pair &P : Rows)
            AddSorted(S, P.Value, P.Freq);
        SetRange(S);
        SetListMean(S);
        Cumulate(S);
    }
}

void tDescriptor::RecomputeGrup(const tLumen &Lumen)
{
    const QVector<int32_t> &Marked = Lumen.SelGrupCols;
    const int Wanted = std::min<int>(Marked.size(), MaxSeries);
    Count = 0;
    for (int I = 0; I < Wanted; ++I) {
        const int Src = Marked[I];
        tSeries &S = Series[size_t(I)];
        Count = I + 1;
        S.Source = Src;
        S.Grouped = true;
        if (Src < 0 || Src >= GrupColumns)
            continue;
        const tGrupCol &Col = Lumen.GrupCols[size_t(Src)];
        const QString Name = TableColumnName(Col.Name, Src);
        Title = I == 0 ? Name : Title + QStringLiteral(" og ") + Name;
        S.Name = Name;
        S.Decimals = SaneDecimals(Col.Decimals);
        if (I == 0)
            Decimals = S.Decimals;

        // Classes are merged into a list kept in ascending order; a class
        // that is turned round or overlaps another stops everything.
        bool Faulty = false;
        for (const tGrupCell &Cell : Col.Cells) {
            if (!Usable(Cell.LowState, Cell.LowValue) || !Usable(Cell.HighState, Cell.HighValue) ||
                Cell.FreqState != csNumber || Cell.Freq < 0)
                continue;
            const Extended Lo = Cell.LowValue, Hi = Cell.HighValue;
            if (Hi < Lo) {
                Faulty = true;
                break;
            }
            QVector<TFreqRecord> &L = S.List;
            // An equal class takes the frequency.
            auto Eq =
                std::lower_bound(L.begin(), L.end(), Lo,
                                 [](const TFreqRecord &R, Extended V) { return R.Lower < V; });
            bool Merged = false;
            for (auto It = Eq; It != L.end() && It->Lower == Lo; ++It)
                if (It->Upper == Hi) {
                    It->h += Cell.Freq;
                    Merged = true;
                    break;
                }
            if (!Merged) {
                int Pos;
                if (L.isEmpty() || Hi <= L.first().Lower)
                    Pos = 0;
                else {
                    // Every class before the first whose upper bound passes Lo
                    // ends at or before Lo; the new class must end at or
                    // before the next one begins.
                    auto Q = std::upper_bound(
                        L.begin(), L.end(), Lo,
                        [](Extended V, const TFreqRecord &R) { return V < R.Upper; });
                    Pos = int(Q - L.begin());
                    if (Pos < L.size() && !(Hi <= L[Pos].Lower)) {
                        Faulty = true;
                        break;
                    }
                }
                TFreqRecord R;
                R.Lower = Lo;
                R.Upper = Hi;
                R.Value = (Lo + Hi) / 2;
                R.h = Cell.Freq;
                L.insert(Pos, R);
            }
            S.n += Cell.Freq;
        }
        SetRange(S);
        if (Faulty) {
            ClassesFaulty = true;
            for (const TFreqRecord &R : S.List)
                S.MaxH = std::max(S.MaxH, R.h);
            return;
        }
        SetListMean(S);
        Cumulate(S);
    }
}

int tDescriptor::ListCount(int I) const
{
    return I >= 0 && I < Count ? Series[size_t(I)].List.size() : 0;
}

bool tDescriptor::GetEntry(int I, int K, TFreqRecord &R) const
{
    if (I < 0 || I >= Count)
        return false;
    const QVector<TFreqRecord> &L = Series[size_t(I)].List;
    if (K < 0 || K >= L.size())
        return false;
    R = L[K];
    return true;
}

const tSeries &tDescriptor::GetSeries(int I) const
{
    return I >= 0 && I < Count ? Series[size_t(I)] : EmptySeries;
}

int64_t tDescriptor::N(int I) const
{
    return GetSeries(I).n;
}

int64_t tDescriptor::MaxH(int I) const
{
    return GetSeries(I).MaxH;
}

Extended tDescriptor::MaxF(int I) const
{
    const tSeries &S = GetSeries(I);
    return S.n > 0 ? Extended(S.MaxH) / Extended(S.n) : 0;
}

Extended tDescriptor::Min(int I) const
{
    return GetSeries(I).Min;
}

Extended tDescriptor::Max(int I) const
{
    return GetSeries(I).Max;
}

Extended tDescriptor::Mean(int I) const
{
    return GetSeries(I).Mean;
}

bool tDescriptor::Mode(Extended &Value) const
{
    Value = KeyFig.Mode;
    return KeyFig.ModeUnique;
}

bool tDescriptor::ModalClass(Extended &Lower, Extended &Upper) const
{
    Lower = KeyFig.ModalLower;
    Upper = KeyFig.ModalUpper;
    return KeyFig.ModalClassUnique;
}

uint8_t tDescriptor::GetPaneKind(int Pane) const
{
    return Pane >= 1 && Pane <= 4 ? PaneKinds[size_t(Pane)] : uint8_t(bkIngen);
}

void tDescriptor::SetPaneKind(int Pane, uint8_t Kind)
{
    if (Pane < 1 || Pane > 4)
        return;
    PaneKinds[size_t(Pane)] = Kind;
    ClearSelection();
    UpdateLinked();
}

bool tDescriptor::Pane1Linked() const
{
    const uint8_t K = PaneKinds[1];
    return K == bkKrydstabel || K == bkKrydsdiagram;
}

bool tDescriptor::Panes23Linked() const
{
    const uint8_t A = PaneKinds[2], B = PaneKinds[3];
    auto IsGraph = [](uint8_t K) {
        return K == bkHyppighedsgraf || K == bkFrekvensgraf || K == bkSumfrekvensgraf ||
               K == bkHistogram;
    };
    return (A == bkTabel && IsGraph(B)) || (B == bkTabel && IsGraph(A)) ||
           (A == bkKrydstabel && B == bkKrydsdiagram) || (A == bkKrydsdiagram && B == bkKrydstabel);
}

void tDescriptor::UpdateLinked()
{
    PanesLinked = Pane1Linked() || Panes23Linked();
}

void tDescriptor::SelectEntry(int Index)
{
    TFreqRecord R;
    if (Index >= 0 && GetEntry(0, Index, R)) {
        SelIndex = Index;
        SelX = Series[0].Grouped ? R.Upper : R.Value;
        SelH = Extended(R.h);
        SelF = R.f;
        SelCumF = R.F;
        return;
    }
    ClearSelection();
    ClearReadings();
}

void tDescriptor::SelectSecond(int Index)
{
    TFreqRecord R;
    if (Index >= 0 && GetEntry(1, Index, R)) {
        SelIndex2 = Index;
        SelX2 = Series[1].Grouped ? R.Upper : R.Value;
        return;
    }
    ClearSelection();
    ClearReadings();
}

void tDescriptor::ClearSelection()
{
    SelIndex = -1;
    SelIndex2 = -1;
    PickedLines.clear();
}

bool tDescriptor::SelectionShown() const
{
    return (PanesLinked && (SelIndex >= 0 || SelIndex2 >= 0)) || !PickedLines.isEmpty();
}

void tDescriptor::SetPicked(int Line, bool Picked)
{
    if (Picked)
        PickedLines.insert(Line);
    else
        PickedLines.remove(Line);
}

void tDescriptor::AddReading(Extended X, Extended Y, uint8_t FromX)
{
    if (ReadingCount >= MaxReadings) {
        std::move(Readings.begin() + 1, Readings.begin() + MaxReadings, Readings.begin());
        ReadingCount = MaxReadings - 1;
    }
    Readings[size_t(ReadingCount++)] = TReading{X, Y, FromX};
}

bool tDescriptor::GetReading(int I, TReading &R) const
{
    if (I < 0 || I >= ReadingCount)
        return false;
    R = Readings[size_t(I)];
    return true;
}

tDescriptor &DescriptorOf(tLumen &Lumen)
{
    if (auto *D = dynamic_cast<tDescriptor *>(Lumen.Descriptor()))
        return *D;
    auto D = std::make_unique<tDescriptor>();
    tDescriptor &Ref = *D;
    if (Lumen.Descriptor())
        Ref.Owner = Lumen.Descriptor()->Owner;
    Lumen.SetDescriptor(std::move(D));
    return Ref;
}

const tDescriptor *FindDescriptor(const tLumen &Lumen)
{
    return dynamic_cast<const tDescriptor *>(Lumen.Descriptor());
}
