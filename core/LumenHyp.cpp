// The frequency and grouped sides of the data set. Both follow the rules of
// the observation side; the shared parts are written once as templates.
#include "Lumen.h"
#include "SortedIndexList.h"

#include <algorithm>

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

} // namespace

// ---------------------------------------------------------------- frequency side

void tLumen::SaveUndoHyp(uint8_t Op)
{
    UndoOp = Op;
    RedoOp = 1;
    for (int C = 0; C < HypColumns; ++C)
        CopyForUndo(UndoHypCols[C], HypCols[C]);
}

void tLumen::UndoHyp()
{
    std::swap(UndoOp, RedoOp);
    for (int C = 0; C < HypColumns; ++C)
        SwapForUndo(HypCols[C], UndoHypCols[C]);
}

void tLumen::ToggleHypColSelected(int Col)
{
    if (Valid(HypCols, Col))
        sortedlist::Toggle(SelHypCols, Col);
}

bool tLumen::IsHypColSelected(int Col) const
{
    return sortedlist::Contains(SelHypCols, Col);
}

int tLumen::SelHypCol(int I) const { return sortedlist::Nth(SelHypCols, I); }
int tLumen::UsedHypColumns() const { return UsedOf(HypCols); }
int tLumen::MaxHypLines() const { return MaxOf(HypCols); }
int tLumen::HypCellCount(int Col) const { return Valid(HypCols, Col) ? HypCols[Col].Cells.size() : 0; }

void tLumen::InsertHypColumn(int Col)
{
    if (Valid(HypCols, Col))
        InsertCol(HypCols, Col);
}

void tLumen::DeleteHypColumn(int Col)
{
    if (Valid(HypCols, Col))
        DeleteCol(HypCols, Col);
}

void tLumen::ClearHypColumn(int Col)
{
    if (Valid(HypCols, Col))
        ClearTableCol(HypCols[Col]);
}

void tLumen::SwapHypColumns(int A, int B)
{
    if (Valid(HypCols, A) && Valid(HypCols, B))
        std::swap(HypCols[A], HypCols[B]);
}

void tLumen::SetHypName(int Col, const QString &S)
{
    if (!Valid(HypCols, Col))
        return;
    Modified = true;
    HypCols[Col].Name = S.left(20);
}

QString tLumen::GetHypName(int Col) const { return Valid(HypCols, Col) ? HypCols[Col].Name : QString(); }
QString tLumen::GetHypComment(int Col) const
{
    return Valid(HypCols, Col) ? HypCols[Col].Comment : QString();
}

void tLumen::SetHypComment(int Col, const QString &S)
{
    if (!Valid(HypCols, Col))
        return;
    Modified = true;
    HypCols[Col].Comment = S;
}

int32_t tLumen::GetHypDecimals(int Col) const { return Valid(HypCols, Col) ? HypCols[Col].Decimals : 0; }

void tLumen::SetHypDecimals(int Col, int32_t N)
{
    if (!Valid(HypCols, Col))
        return;
    Modified = true;
    HypCols[Col].Decimals = N;
}

void tLumen::SetHypObsText(int Line, int Col, const QString &Text)
{
    if (!Valid(HypCols, Col))
        return;
    Modified = true;
    SetPart(
        HypCols[Col].Cells, Line, Text, ParseExt,
        [](tHypCell &C, const Parsed<Extended> &P, const QString &T) {
            StorePart(C.ObsState, C.ObsText, C.ObsValue, P, T);
        },
        [](tHypCell &C, const QString &T) { ClearPart(C.ObsState, C.ObsText, C.ObsValue, T); });
}

void tLumen::SetHypFreqText(int Line, int Col, const QString &Text)
{
    if (!Valid(HypCols, Col))
        return;
    Modified = true;
    SetPart(
        HypCols[Col].Cells, Line, Text, ParseCount,
        [](tHypCell &C, const Parsed<int32_t> &P, const QString &T) {
            StorePart(C.FreqState, C.FreqText, C.Freq, P, T);
        },
        [](tHypCell &C, const QString &T) { ClearPart(C.FreqState, C.FreqText, C.Freq, T); });
}

void tLumen::GetHypObsText(int Line, int Col, QString &Text, TCellState &State) const
{
    Text.clear();
    State = csEmpty;
    if (!Valid(HypCols, Col) || Line < 0 || Line >= HypCols[Col].Cells.size())
        return;
    const tHypCell &C = HypCols[Col].Cells[Line];
    GetExtPart(C.ObsState, C.ObsText, C.ObsValue, HypCols[Col].Decimals, Text, State);
}

void tLumen::GetHypFreqText(int Line, int Col, QString &Text, TCellState &State) const
{
    Text.clear();
    State = csEmpty;
    if (!Valid(HypCols, Col) || Line < 0 || Line >= HypCols[Col].Cells.size())
        return;
    const tHypCell &C = HypCols[Col].Cells[Line];
    GetIntPart(C.FreqState, C.FreqText, C.Freq, Text, State);
}

// ---------------------------------------------------------------- grouped side

void tLumen::SaveUndoGrup(uint8_t Op)
{
    UndoOp = Op;
    RedoOp = 1;
    for (int C = 0; C < GrupColumns; ++C)
        CopyForUndo(UndoGrupCols[C], GrupCols[C]);
}

void tLumen::UndoGrup()
{
    std::swap(UndoOp, RedoOp);
    for (int C = 0; C < GrupColumns; ++C)
        SwapForUndo(GrupCols[C], UndoGrupCols[C]);
}

void tLumen::ToggleGrupColSelected(int Col)
{
    if (Valid(GrupCols, Col))
        sortedlist::Toggle(SelGrupCols, Col);
}

bool tLumen::IsGrupColSelected(int Col) const
{
    return sortedlist::Contains(SelGrupCols, Col);
}

int tLumen::SelGrupCol(int I) const { return sortedlist::Nth(SelGrupCols, I); }
int tLumen::UsedGrupColumns() const { return UsedOf(GrupCols); }
int tLumen::MaxGrupLines() const { return MaxOf(GrupCols); }
int tLumen::GrupCellCount(int Col) const
{
    return Valid(GrupCols, Col) ? GrupCols[Col].Cells.size() : 0;
}

void tLumen::InsertGrupColumn(int Col)
{
    if (Valid(GrupCols, Col))
        InsertCol(GrupCols, Col);
}

void tLumen::DeleteGrupColumn(int Col)
{
    if (Valid(GrupCols, Col))
        DeleteCol(GrupCols, Col);
}

void tLumen::ClearGrupColumn(int Col)
{
    if (Valid(GrupCols, Col))
        ClearTableCol(GrupCols[Col]);
}

void tLumen::SwapGrupColumns(int A, int B)
{
    if (Valid(GrupCols, A) && Valid(GrupCols, B))
        std::swap(GrupCols[A], GrupCols[B]);
}

void tLumen::SetGrupName(int Col, const QString &S)
{
    if (!Valid(GrupCols, Col))
        return;
    Modified = true;
    GrupCols[Col].Name = S.left(20);
}

QString tLumen::GetGrupName(int Col) const
{
    return Valid(GrupCols, Col) ? GrupCols[Col].Name : QString();
}
QString tLumen::GetGrupComment(int Col) const
{
    return Valid(GrupCols, Col) ? GrupCols[Col].Comment : QString();
}

void tLumen::SetGrupComment(int Col, const QString &S)
{
    if (!Valid(GrupCols, Col))
        return;
    Modified = true;
    GrupCols[Col].Comment = S;
}

int32_t tLumen::GetGrupDecimals(int Col) const
{
    return Valid(GrupCols, Col) ? GrupCols[Col].Decimals : 0;
}

void tLumen::SetGrupDecimals(int Col, int32_t N)
{
    if (!Valid(GrupCols, Col))
        return;
    Modified = true;
    GrupCols[Col].Decimals = N;
}

void tLumen::SetGrupLowText(int Line, int Col, const QString &Text)
{
    if (!Valid(GrupCols, Col))
        return;
    Modified = true;
    SetPart(
        GrupCols[Col].Cells, Line, Text, ParseExt,
        [](tGrupCell &C, const Parsed<Extended> &P, const QString &T) {
            StorePart(C.LowState, C.LowText, C.LowValue, P, T);
        },
        [](tGrupCell &C, const QString &T) { ClearPart(C.LowState, C.LowText, C.LowValue, T); });
}

void tLumen::SetGrupHighText(int Line, int Col, const QString &Text)
{
    if (!Valid(GrupCols, Col))
        return;
    Modified = true;
    SetPart(
        GrupCols[Col].Cells, Line, Text, ParseExt,
        [](tGrupCell &C, const Parsed<Extended> &P, const QString &T) {
            StorePart(C.HighState, C.HighText, C.HighValue, P, T);
        },
        [](tGrupCell &C, const QString &T) { ClearPart(C.HighState, C.HighText, C.HighValue, T); });
}

void tLumen::SetGrupFreqText(int Line, int Col, const QString &Text)
{
    if (!Valid(GrupCols, Col))
        return;
    Modified = true;
    SetPart(
        GrupCols[Col].Cells, Line, Text, ParseCount,
        [](tGrupCell &C, const Parsed<int32_t> &P, const QString &T) {
            StorePart(C.FreqState, C.FreqText, C.Freq, P, T);
        },
        [](tGrupCell &C, const QString &T) { ClearPart(C.FreqState, C.FreqText, C.Freq, T); });
}

namespace {
const tGrupCell *GrupCell(const std::array<tGrupCol, GrupColumns> &Cols, int Line, int Col)
{
    if (Col < 0 || Col >= GrupColumns || Line < 0 || Line >= Cols[Col].Cells.size())
        return nullptr;
    return &Cols[Col].Cells[Line];
}
} // namespace

void tLumen::GetGrupLowText(int Line, int Col, QString &Text, TCellState &State) const
{
    Text.clear();
    State = csEmpty;
    if (const tGrupCell *C = GrupCell(GrupCols, Line, Col))
        GetExtPart(C->LowState, C->LowText, C->LowValue, GrupCols[Col].Decimals, Text, State);
}

void tLumen::GetGrupHighText(int Line, int Col, QString &Text, TCellState &State) const
{
    Text.clear();
    State = csEmpty;
    if (const tGrupCell *C = GrupCell(GrupCols, Line, Col))
        GetExtPart(C->HighState, C->HighText, C->HighValue, GrupCols[Col].Decimals, Text, State);
}

void tLumen::GetGrupFreqText(int Line, int Col, QString &Text, TCellState &State) const
{
    Text.clear();
    State = csEmpty;
    if (const tGrupCell *C = GrupCell(GrupCols, Line, Col))
        GetIntPart(C->FreqState, C->FreqText, C->Freq, Text, State);
}
