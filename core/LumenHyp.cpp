// The frequency and grouped sides of the data set. Both follow the rules of
// the observation side; a side is written once, over its columns, its undo
// copies and its marks, and a cell part once, over its three fields.
#include "Lumen.h"
#include "SortedIndexList.h"

#include <algorithm>
#include <type_traits>

namespace {

template <typename Col, size_t N> bool Valid(const std::array<Col, N> &, int C)
{
    return C >= 0 && C < int(N);
}

template <typename Cell> void TrimEmpty(QVector<Cell> &Cells)
{
    int K = Cells.size();
    while (K > 0 && Cells[K - 1].IsEmpty())
        --K;
    if (K != Cells.size())
        Cells.resize(K);
}

// Sets one part of a table cell from typed text. Part is given the cell and
// whether the text read as a number, and stores state, text and value.
template <typename Cell, typename ParseFn, typename StoreFn, typename ClearFn>
void SetPart(QVector<Cell> &Cells, int Line, const QString &Text, ParseFn Parse, StoreFn Store,
             ClearFn Clear)
{
    if (Line < 0)
        return;
    if (Text.isEmpty() || Text == QLatin1String("-")) {
        if (Line < Cells.size()) {
            Clear(Cells[Line], Text);
            TrimEmpty(Cells);
        }
        return;
    }
    auto Parsed = Parse(Text);
    if (Cells.size() <= Line)
        Cells.resize(Line + 1);
    Store(Cells[Line], Parsed, Text);
}

template <typename T> struct Parsed {
    bool Ok = false;
    T Value{};
};

Parsed<Extended> ParseExt(const QString &Text)
{
    Parsed<Extended> P;
    P.Ok = ParseNumber(Text, P.Value);
    return P;
}

// A frequency is a count: a negative whole number is kept as text, like a
// number with decimals, so the cell shows red and the descriptions leave the
// row out visibly instead of silently.
Parsed<int32_t> ParseCount(const QString &Text)
{
    Parsed<int32_t> P;
    P.Ok = ParseInteger(Text, P.Value) && P.Value >= 0;
    if (!P.Ok)
        P.Value = 0;
    return P;
}

// Stores a parsed part into (State, Text, Value) fields.
template <typename V>
void StorePart(uint8_t &State, QString &Txt, V &Value, const Parsed<V> &P, const QString &Text)
{
    if (P.Ok) {
        State = csNumber;
        Txt.clear();
        Value = P.Value;
    } else {
        State = csText;
        Txt = Text;
        Value = 0;
    }
}

template <typename V> void ClearPart(uint8_t &State, QString &Txt, V &Value, const QString &Text)
{
    State = csEmpty;
    Value = 0;
    Txt = Text;
}

void GetExtPart(uint8_t State, const QString &Txt, Extended Value, int32_t Decimals, QString &Text,
                TCellState &Out)
{
    Out = TCellState(State);
    Text = State == csNumber ? FormatNumber(Value, Decimals) : State == csText ? Txt : QString();
}

void GetIntPart(uint8_t State, const QString &Txt, int32_t Value, QString &Text, TCellState &Out)
{
    Out = TCellState(State);
    Text = State == csNumber ? QString::number(Value) : State == csText ? Txt : QString();
}

template <typename ColT> void CopyForUndo(ColT &Undo, const ColT &Cur)
{
    Undo.Reserved = Cur.Reserved;
    Undo.Comment = Cur.Comment;
    Undo.Name = Cur.Name;
    Undo.Decimals = Cur.Decimals;
    Undo.Cells = Cur.Cells;
}

// Exchanges everything but the two reserved bytes, which stay with the
// current column.
template <typename ColT> void SwapForUndo(ColT &A, ColT &B)
{
    std::swap(A.Reserved, B.Reserved);
    std::swap(A.Comment, B.Comment);
    std::swap(A.Name, B.Name);
    std::swap(A.Decimals, B.Decimals);
    std::swap(A.Cells, B.Cells);
}

template <typename ColT> void ClearTableCol(ColT &C)
{
    C.Cells.clear();
    C.Reserved = 0;
    C.Comment.clear();
    C.Name.clear();
    C.Decimals = 0;
}

template <typename Arr> int UsedOf(const Arr &Cols)
{
    for (int C = int(Cols.size()) - 1; C >= 0; --C)
        if (!Cols[C].Cells.isEmpty())
            return C + 1;
    return 0;
}

template <typename Arr> int MaxOf(const Arr &Cols)
{
    int M = 0;
    for (const auto &C : Cols)
        M = std::max(M, int(C.Cells.size()));
    return M;
}

template <typename Arr> void InsertCol(Arr &Cols, int Col)
{
    ClearTableCol(Cols.back());
    std::rotate(Cols.begin() + Col, Cols.end() - 1, Cols.end());
}

template <typename Arr> void DeleteCol(Arr &Cols, int Col)
{
    ClearTableCol(Cols[Col]);
    std::rotate(Cols.begin() + Col, Cols.begin() + Col + 1, Cols.end());
}

// One part of a table cell: its state, its text (kept when it is no number)
// and its value. A value of int32_t is a frequency, one of Extended a number
// shown with the column's decimals.
template <typename Cell, typename V> struct tPart {
    uint8_t Cell::*State;
    QString Cell::*Text;
    V Cell::*Value;
};

constexpr tPart<tHypCell, Extended> HypObs{&tHypCell::ObsState, &tHypCell::ObsText,
                                           &tHypCell::ObsValue};
constexpr tPart<tHypCell, int32_t> HypFreq{&tHypCell::FreqState, &tHypCell::FreqText,
                                           &tHypCell::Freq};
constexpr tPart<tGrupCell, Extended> GrupLow{&tGrupCell::LowState, &tGrupCell::LowText,
                                             &tGrupCell::LowValue};
constexpr tPart<tGrupCell, Extended> GrupHigh{&tGrupCell::HighState, &tGrupCell::HighText,
                                              &tGrupCell::HighValue};
constexpr tPart<tGrupCell, int32_t> GrupFreq{&tGrupCell::FreqState, &tGrupCell::FreqText,
                                             &tGrupCell::Freq};

template <typename V> Parsed<V> ParsePart(const QString &Text)
{
    if constexpr (std::is_same_v<V, int32_t>)
        return ParseCount(Text);
    else
        return ParseExt(Text);
}

// Sets a part from typed text; false when Col is no column of the side.
template <typename Cell, typename V, size_t N>
bool SetPartText(std::array<tTableCol<Cell>, N> &Cols, int Line, int Col, tPart<Cell, V> Part,
                 const QString &Text)
{
    if (!Valid(Cols, Col))
        return false;
    SetPart(
        Cols[Col].Cells, Line, Text, ParsePart<V>,
        [Part](Cell &C, const Parsed<V> &P, const QString &T) {
            StorePart(C.*Part.State, C.*Part.Text, C.*Part.Value, P, T);
        },
        [Part](Cell &C, const QString &T) {
            ClearPart(C.*Part.State, C.*Part.Text, C.*Part.Value, T);
        });
    return true;
}

template <typename Cell, typename V, size_t N>
void GetPartText(const std::array<tTableCol<Cell>, N> &Cols, int Line, int Col,
                 tPart<Cell, V> Part, QString &Text, TCellState &State)
{
    Text.clear();
    State = csEmpty;
    if (!Valid(Cols, Col) || Line < 0 || Line >= Cols[Col].Cells.size())
        return;
    const Cell &C = Cols[Col].Cells[Line];
    if constexpr (std::is_same_v<V, int32_t>)
        GetIntPart(C.*Part.State, C.*Part.Text, C.*Part.Value, Text, State);
    else
        GetExtPart(C.*Part.State, C.*Part.Text, C.*Part.Value, Cols[Col].Decimals, Text, State);
}

// Sets a text field of a column (name or comment); false when Col is no
// column of the side.
template <typename Arr, typename ColT, typename T>
bool SetColField(Arr &Cols, int Col, T ColT::*Field, const T &Value)
{
    if (!Valid(Cols, Col))
        return false;
    Cols[Col].*Field = Value;
    return true;
}

template <typename Arr, typename ColT, typename T>
T GetColField(const Arr &Cols, int Col, T ColT::*Field)
{
    return Valid(Cols, Col) ? Cols[Col].*Field : T();
}

} // namespace

// Every operation of a side that does not depend on the parts of its cells,
// written once: S is "Hyp" or "Grup", and names the side's members.
#define LUMEN_TABLE_SIDE(S)                                                                        \
    void tLumen::SaveUndo##S(uint8_t Op)                                                           \
    {                                                                                              \
        UndoOp = Op;                                                                               \
        RedoOp = 1;                                                                                \
        for (size_t C = 0; C < S##Cols.size(); ++C)                                                \
            CopyForUndo(Undo##S##Cols[C], S##Cols[C]);                                             \
    }                                                                                              \
    void tLumen::Undo##S()                                                                         \
    {                                                                                              \
        std::swap(UndoOp, RedoOp);                                                                 \
        for (size_t C = 0; C < S##Cols.size(); ++C)                                                \
            SwapForUndo(S##Cols[C], Undo##S##Cols[C]);                                             \
    }                                                                                              \
    void tLumen::Toggle##S##ColSelected(int Col)                                                   \
    {                                                                                              \
        if (Valid(S##Cols, Col))                                                                   \
            sortedlist::Toggle(Sel##S##Cols, Col);                                                 \
    }                                                                                              \
    bool tLumen::Is##S##ColSelected(int Col) const                                                 \
    {                                                                                              \
        return sortedlist::Contains(Sel##S##Cols, Col);                                            \
    }                                                                                              \
    int tLumen::Sel##S##Col(int I) const { return sortedlist::Nth(Sel##S##Cols, I); }              \
    int tLumen::Used##S##Columns() const { return UsedOf(S##Cols); }                               \
    int tLumen::Max##S##Lines() const { return MaxOf(S##Cols); }                                   \
    int tLumen::S##CellCount(int Col) const                                                        \
    {                                                                                              \
        return Valid(S##Cols, Col) ? S##Cols[Col].Cells.size() : 0;                                \
    }                                                                                              \
    void tLumen::Insert##S##Column(int Col)                                                        \
    {                                                                                              \
        if (Valid(S##Cols, Col))                                                                   \
            InsertCol(S##Cols, Col);                                                               \
    }                                                                                              \
    void tLumen::Delete##S##Column(int Col)                                                        \
    {                                                                                              \
        if (Valid(S##Cols, Col))                                                                   \
            DeleteCol(S##Cols, Col);                                                               \
    }                                                                                              \
    void tLumen::Clear##S##Column(int Col)                                                         \
    {                                                                                              \
        if (Valid(S##Cols, Col))                                                                   \
            ClearTableCol(S##Cols[Col]);                                                           \
    }                                                                                              \
    void tLumen::Swap##S##Columns(int A, int B)                                                    \
    {                                                                                              \
        if (Valid(S##Cols, A) && Valid(S##Cols, B))                                                \
            std::swap(S##Cols[A], S##Cols[B]);                                                     \
    }                                                                                              \
    void tLumen::Set##S##Name(int Col, const QString &Name)                                        \
    {                                                                                              \
        Modified |= SetColField(S##Cols, Col, &t##S##Col::Name, Name.left(20));                    \
    }                                                                                              \
    QString tLumen::Get##S##Name(int Col) const                                                    \
    {                                                                                              \
        return GetColField(S##Cols, Col, &t##S##Col::Name);                                        \
    }                                                                                              \
    QString tLumen::Get##S##Comment(int Col) const                                                 \
    {                                                                                              \
        return GetColField(S##Cols, Col, &t##S##Col::Comment);                                     \
    }                                                                                              \
    void tLumen::Set##S##Comment(int Col, const QString &Comment)                                  \
    {                                                                                              \
        Modified |= SetColField(S##Cols, Col, &t##S##Col::Comment, Comment);                       \
    }                                                                                              \
    int32_t tLumen::Get##S##Decimals(int Col) const                                                \
    {                                                                                              \
        return GetColField(S##Cols, Col, &t##S##Col::Decimals);                                    \
    }                                                                                              \
    void tLumen::Set##S##Decimals(int Col, int32_t N)                                              \
    {                                                                                              \
        Modified |= SetColField(S##Cols, Col, &t##S##Col::Decimals, N);                            \
    }

LUMEN_TABLE_SIDE(Hyp)
LUMEN_TABLE_SIDE(Grup)

#undef LUMEN_TABLE_SIDE

// The parts of the cells, each written once: S the side, P the part as the
// accessors name it, Fields its three fields.
#define LUMEN_TABLE_PART(S, P, Fields)                                                             \
    void tLumen::Set##S##P##Text(int Line, int Col, const QString &Text)                           \
    {                                                                                              \
        Modified |= SetPartText(S##Cols, Line, Col, Fields, Text);                                 \
    }                                                                                              \
    void tLumen::Get##S##P##Text(int Line, int Col, QString &Text, TCellState &State) const        \
    {                                                                                              \
        GetPartText(S##Cols, Line, Col, Fields, Text, State);                                      \
    }

// Observation and frequency on the frequency side; lower bound, upper bound
// and frequency on the grouped side.
LUMEN_TABLE_PART(Hyp, Obs, HypObs)
LUMEN_TABLE_PART(Hyp, Freq, HypFreq)
LUMEN_TABLE_PART(Grup, Low, GrupLow)
LUMEN_TABLE_PART(Grup, High, GrupHigh)
LUMEN_TABLE_PART(Grup, Freq, GrupFreq)

#undef LUMEN_TABLE_PART
