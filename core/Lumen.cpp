#include "Lumen.h"
#include "SortedIndexList.h"
#include "TypedCell.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <utility>

TDataType DataType = dtObs;

QString UndoCaption(uint8_t Op)
{
    static const char *const Words[] = {
        "",           "Fortryd",    "Klip",        "Indsæt", "Slet",      "Tilføj",
        "Fjern",      "Ombyt",      "Sortér",      "Gang med 10", "Del med 10", "Indsæt ark",
    };
    if (Op == 0 || Op >= std::size(Words))
        return QStringLiteral("Fortryd");
    return QStringLiteral("Fortryd \"%1\"").arg(QString::fromUtf8(Words[Op]));
}

tLumen::tLumen() = default;
tLumen::~tLumen() = default;

void tLumen::TrimTrailingEmpty(QVector<tCell> &Cells)
{
    int N = Cells.size();
    while (N > 0 && Cells[N - 1].State == csEmpty)
        --N;
    if (N != Cells.size())
        Cells.resize(N);
}

// ---------------------------------------------------------------- cells

tCell CellOfText(const QString &Text)
{
    tCell C;
    if (Text.isEmpty() || Text == QLatin1String("-"))
        return C;
    Extended V = 0;
    if (ParseNumber(Text, V)) {
        C.State = csNumber;
        C.Value = V;
    } else {
        C.State = csText;
        C.Text = Text;
    }
    return C;
}

void tLumen::SetCellText(int Line, int Col, const QString &Text)
{
    if (!ValidCol(Col) || Line < 0)
        return;
    Modified = true;
    QVector<tCell> &Cells = Cols[Col].Cells;
    tCell C = CellOfText(Text);
    if (C.State == csEmpty) {
        if (Line < Cells.size()) {
            Cells[Line] = tCell{};
            TrimTrailingEmpty(Cells);
        }
        return;
    }
    if (Cells.size() <= Line)
        Cells.resize(Line + 1);
    Cells[Line] = std::move(C);
}

void tLumen::GetCellText(int Line, int Col, QString &Text, TCellState &State) const
{
    Text.clear();
    State = csEmpty;
    if (!ValidCol(Col) || Line < 0 || Line >= Cols[Col].Cells.size())
        return;
    const tCell &C = Cols[Col].Cells[Line];
    State = TCellState(C.State);
    if (C.State == csNumber)
        Text = FormatNumber(C.Value, Cols[Col].Decimals);
    else if (C.State == csText)
        Text = C.Text;
}

QString tLumen::GetCellText(int Line, int Col) const
{
    QString T;
    TCellState S;
    GetCellText(Line, Col, T, S);
    return T;
}

Extended tLumen::GetCellValue(int Line, int Col, TCellState &State) const
{
    State = csEmpty;
    if (!ValidCol(Col) || Line < 0 || Line >= Cols[Col].Cells.size())
        return 0;
    const tCell &C = Cols[Col].Cells[Line];
    State = TCellState(C.State);
    return C.State == csNumber ? C.Value : 0;
}

TCellState tLumen::GetCellState(int Line, int Col) const
{
    if (!ValidCol(Col) || Line < 0 || Line >= Cols[Col].Cells.size())
        return csEmpty;
    return TCellState(Cols[Col].Cells[Line].State);
}

int tLumen::CellCount(int Col) const { return ValidCol(Col) ? Cols[Col].Cells.size() : 0; }

int tLumen::UsedColumns() const
{
    for (int C = ObsColumns - 1; C >= 0; --C)
        if (!Cols[C].Cells.isEmpty())
            return C + 1;
    return 0;
}

int tLumen::MaxLines() const
{
    int M = 0;
    for (const tDataCol &C : Cols)
        M = std::max(M, int(C.Cells.size()));
    return M;
}

int tLumen::NumbersInLine(int Line) const
{
    int N = 0;
    int Used = UsedColumns();
    for (int C = 0; C < Used; ++C)
        if (GetCellState(Line, C) == csNumber)
            ++N;
    return N;
}

void tLumen::SetLineName(int Line, const QString &Name)
{
    if (Line < 0)
        return;
    Modified = true;
    if (!Name.isEmpty()) {
        while (LineNames.size() <= Line)
            LineNames.append(QString());
        LineNames[Line] = Name;
    } else if (Line < LineNames.size()) {
        LineNames[Line].clear();
        while (!LineNames.isEmpty() && LineNames.last().isEmpty())
            LineNames.removeLast();
    }
}

QString tLumen::GetLineName(int Line) const
{
    return Line >= 0 && Line < LineNames.size() ? LineNames[Line] : QString();
}

void tLumen::SetColName(int Col, const QString &Name)
{
    if (!ValidCol(Col))
        return;
    Modified = true;
    Cols[Col].Name = Name.left(20);
}

QString tLumen::GetColName(int Col) const { return ValidCol(Col) ? Cols[Col].Name : QString(); }
QString tLumen::GetComment(int Col) const { return ValidCol(Col) ? Cols[Col].Comment : QString(); }

void tLumen::SetComment(int Col, const QString &Text)
{
    if (!ValidCol(Col))
        return;
    Modified = true;
    Cols[Col].Comment = Text;
}

int32_t tLumen::GetDecimals(int Col) const { return ValidCol(Col) ? Cols[Col].Decimals : 0; }

void tLumen::SetDecimals(int Col, int32_t N)
{
    if (!ValidCol(Col))
        return;
    Modified = true;
    Cols[Col].Decimals = N;
}

// ---------------------------------------------------------------- settings

QString tLumen::GetFormula(int Col) const { return ValidCol(Col) ? Cols[Col].Formula : QString(); }

void tLumen::SetFormula(int Col, const QString &Text)
{
    if (!ValidCol(Col))
        return;
    Modified = true;
    Cols[Col].Formula = Text.toUpper();
}

QString tLumen::GetFormulaRefs(int Col) const
{
    return ValidCol(Col) ? Cols[Col].FormulaRefs : QString();
}

bool tLumen::IsComputed(int Col) const { return ValidCol(Col) && Cols[Col].Computed; }

void tLumen::SetComputed(int Col, bool Flag)
{
    if (ValidCol(Col))
        Cols[Col].Computed = Flag;
}

void tLumen::SetRandomFrom(int Col, int32_t Value)
{
    if (!ValidCol(Col))
        return;
    Modified = true;
    Cols[Col].RandomFrom = Value;
}

void tLumen::SetRandomTo(int Col, int32_t Value)
{
    if (!ValidCol(Col))
        return;
    Modified = true;
    Cols[Col].RandomTo = Value;
}

void tLumen::SetRandomFlag(int Col, uint8_t Value)
{
    if (!ValidCol(Col))
        return;
    Modified = true;
    Cols[Col].RandomFlag = Value;
}

void tLumen::SetRandomCount(int Col, int32_t N)
{
    if (!ValidCol(Col))
        return;
    Modified = true;
    Cols[Col].RandomCount = N;
    if (N > 0)
        Cols[Col].Computed = false;
}

int32_t tLumen::GetRandomFrom(int Col) const { return ValidCol(Col) ? Cols[Col].RandomFrom : 0; }
int32_t tLumen::GetRandomTo(int Col) const { return ValidCol(Col) ? Cols[Col].RandomTo : 0; }
int32_t tLumen::GetRandomCount(int Col) const { return ValidCol(Col) ? Cols[Col].RandomCount : 0; }
uint8_t tLumen::GetRandomFlag(int Col) const { return ValidCol(Col) ? Cols[Col].RandomFlag : 0; }

void tLumen::ClearRandom(int Col)
{
    if (!ValidCol(Col))
        return;
    Modified = true;
    tDataCol &C = Cols[Col];
    C.RandomFrom = C.RandomTo = C.RandomCount = 0;
    C.RandomFlag = 0;
}

bool tLumen::HasRandomColumns() const
{
    return std::any_of(Cols.begin(), Cols.end(), [](const tDataCol &C) { return C.RandomCount > 0; });
}

uint8_t tLumen::GetGroupKind(int Col) const { return ValidCol(Col) ? Cols[Col].GroupKind : 0; }

void tLumen::SetGroupKind(int Col, uint8_t Kind)
{
    if (ValidCol(Col))
        Cols[Col].GroupKind = Kind;
}

Extended tLumen::GetFirstLower(int Col) const { return ValidCol(Col) ? Cols[Col].FirstLower : 0; }
Extended tLumen::GetFirstUpper(int Col) const { return ValidCol(Col) ? Cols[Col].FirstUpper : 0; }

void tLumen::SetFirstLower(int Col, Extended V)
{
    if (ValidCol(Col))
        Cols[Col].FirstLower = V;
}

void tLumen::SetFirstUpper(int Col, Extended V)
{
    if (ValidCol(Col))
        Cols[Col].FirstUpper = V;
}

Extended tLumen::GetGap(int Col) const
{
    if (!ValidCol(Col))
        return 0;
    // Grouped tables have adjoining classes: no gap while that editor owns
    // the descriptions.
    if (DescriptorOwner() == dtGrup)
        return 0;
    return Cols[Col].Gap;
}

void tLumen::SetGap(int Col, Extended V)
{
    if (ValidCol(Col))
        Cols[Col].Gap = V;
}

int32_t tLumen::GetGroupCount(int Col) const { return ValidCol(Col) ? Cols[Col].GroupCount : 0; }

void tLumen::SetGroupCount(int Col, int32_t N)
{
    if (ValidCol(Col))
        Cols[Col].GroupCount = N;
}

void tLumen::ClearIntervals(int Col)
{
    if (ValidCol(Col))
        Cols[Col].Intervals.clear();
}

void tLumen::AddInterval(int Col, Extended Lower, Extended Upper)
{
    if (ValidCol(Col))
        Cols[Col].Intervals.append(tInterval{Lower, Upper});
}

int32_t tLumen::IntervalCount(int Col, int32_t Default) const
{
    if (!ValidCol(Col))
        return 0;
    switch (Cols[Col].GroupKind) {
    case gkNone:
        return 0;
    case gkAuto:
        return Cols[Col].GroupCount;
    case gkManual:
        return Cols[Col].Intervals.size();
    default:
        return Default;
    }
}

void tLumen::GetInterval(int Col, int Index, Extended &Lower, Extended &Upper) const
{
    if (!ValidCol(Col) || Index < 0)
        return;
    const tDataCol &C = Cols[Col];
    if (C.GroupKind == gkManual) {
        if (Index < C.Intervals.size()) {
            Lower = C.Intervals[Index].Lower;
            Upper = C.Intervals[Index].Upper;
        }
    } else if (C.GroupKind == gkAuto) {
        // Step added Index times in turn, so the bounds match those of
        // GetIntervals exactly.
        Extended Step = (C.FirstUpper - C.FirstLower) + GetGap(Col);
        Extended L = C.FirstLower, U = C.FirstUpper;
        for (int I = 0; I < Index; ++I) {
            L += Step;
            U += Step;
        }
        Lower = L;
        Upper = U;
    }
}

QVector<tInterval> tLumen::GetIntervals(int Col, int Count) const
{
    QVector<tInterval> R;
    if (!ValidCol(Col) || Count <= 0)
        return R;
    const tDataCol &C = Cols[Col];
    if (C.GroupKind == gkManual) {
        R = C.Intervals.mid(0, Count);
    } else if (C.GroupKind == gkAuto) {
        R.reserve(Count);
        Extended Step = (C.FirstUpper - C.FirstLower) + GetGap(Col);
        Extended L = C.FirstLower, U = C.FirstUpper;
        for (int I = 0; I < Count; ++I) {
            R.append(tInterval{L, U});
            L += Step;
            U += Step;
        }
    }
    return R;
}

// ---------------------------------------------------------------- lines and columns

void tLumen::InsertLine(int Line)
{
    if (Line < 0)
        return;
    if (Line < LineNames.size())
        LineNames.insert(Line, QString());
    for (tDataCol &C : Cols)
        if (C.Cells.size() > Line)
            C.Cells.insert(Line, tCell{});
}

void tLumen::DeleteLine(int Line)
{
    if (Line < 0)
        return;
    if (Line < LineNames.size())
        LineNames.removeAt(Line);
    for (tDataCol &C : Cols) {
        if (C.Cells.size() > Line) {
            bool WasLast = Line == C.Cells.size() - 1;
            C.Cells.removeAt(Line);
            if (WasLast)
                TrimTrailingEmpty(C.Cells);
        }
    }
}

void tLumen::ClearLine(int Line)
{
    if (Line < 0)
        return;
    if (Line < LineNames.size())
        LineNames[Line].clear();
    for (int C = 0; C < ObsColumns; ++C)
        SetCellText(Line, C, QString());
}

void tLumen::SwapLines(int A, int B)
{
    if (A < 0 || B < 0 || A == B)
        return;
    const int Hi = std::max(A, B);
    while (LineNames.size() <= Hi)
        LineNames.append(QString());
    LineNames.swapItemsAt(A, B);
    while (!LineNames.isEmpty() && LineNames.last().isEmpty())
        LineNames.removeLast();
    // Every column exchanges the two lines, so a line keeps its cells
    // together: a column that ends between them gets the empty cell it
    // lacks, and afterwards no column ends in an empty cell.
    for (tDataCol &C : Cols) {
        if (C.Cells.size() <= std::min(A, B))
            continue; // both cells empty already
        if (C.Cells.size() <= Hi)
            C.Cells.resize(Hi + 1);
        std::swap(C.Cells[A], C.Cells[B]);
        TrimTrailingEmpty(C.Cells);
        Modified = true;
    }
}

void tLumen::InsertColumn(int Col)
{
    if (!ValidCol(Col))
        return;
    ClearColumn(ObsColumns - 1);
    std::rotate(Cols.begin() + Col, Cols.end() - 1, Cols.end());
}

void tLumen::DeleteColumn(int Col)
{
    if (!ValidCol(Col))
        return;
    ClearColumn(Col);
    std::rotate(Cols.begin() + Col, Cols.begin() + Col + 1, Cols.end());
}

void tLumen::ClearColumn(int Col)
{
    if (ValidCol(Col))
        Cols[Col] = tDataCol{};
}

void tLumen::SwapColumns(int A, int B)
{
    if (ValidCol(A) && ValidCol(B))
        std::swap(Cols[A], Cols[B]);
}

namespace {

// Orders lines 0..Count-1 by Less, stably: the result of repeatedly swapping
// neighbours i, i+1 while Less(i+1, i), without the quadratic passes.
template <typename LessFn> std::vector<int> StableOrder(int Count, LessFn Less)
{
    std::vector<int> Perm(Count);
    std::iota(Perm.begin(), Perm.end(), 0);
    std::stable_sort(Perm.begin(), Perm.end(), Less);
    return Perm;
}

// Puts element Perm[J] at J, in place along the permutation's cycles, so a
// sort needs no second copy of a long column.
template <typename T> void ApplyOrder(QVector<T> &List, const std::vector<int> &Perm)
{
    int N = int(Perm.size());
    if (List.size() < N)
        List.resize(N);
    T *Data = List.data();
    std::vector<bool> Done(N, false);
    for (int Start = 0; Start < N; ++Start) {
        if (Done[Start] || Perm[Start] == Start)
            continue;
        T Held = std::move(Data[Start]);
        int J = Start;
        while (Perm[J] != Start) {
            Data[J] = std::move(Data[Perm[J]]);
            Done[J] = true;
            J = Perm[J];
        }
        Data[J] = std::move(Held);
        Done[J] = true;
    }
}

// Numbers first, in order; then the text cells and last the empty ones,
// both in their old order.
struct CellLess {
    const QVector<tCell> *Cells;
    bool Ascending;
    static int Rank(const tCell &C) { return C.State == csNumber ? 0 : C.State == csEmpty ? 2 : 1; }
    bool operator()(int A, int B) const
    {
        const tCell &X = (*Cells)[A];
        const tCell &Y = (*Cells)[B];
        const int RX = Rank(X), RY = Rank(Y);
        if (RX != RY)
            return RX < RY;
        if (RX != 0)
            return false;
        // A NaN from a damaged file sorts after every other number so the
        // ordering stays strict.
        bool XNan = X.Value != X.Value, YNan = Y.Value != Y.Value;
        if (XNan || YNan)
            return !XNan && YNan;
        return Ascending ? X.Value < Y.Value : X.Value > Y.Value;
    }
};

} // namespace

void tLumen::ApplyLineOrder(const std::vector<int> &Perm)
{
    int N = int(Perm.size());
    if (N > 1) {
        if (LineNames.size() < N) {
            while (LineNames.size() < N)
                LineNames.append(QString());
        }
        ApplyOrder(LineNames, Perm);
        for (tDataCol &C : Cols)
            if (!C.Cells.isEmpty())
                ApplyOrder(C.Cells, Perm);
    }
    // After a sort no empty names or empty cells remain at the ends; text
    // cells stay where the sort put them.
    while (!LineNames.isEmpty() && LineNames.last().isEmpty())
        LineNames.removeLast();
    for (tDataCol &C : Cols)
        TrimTrailingEmpty(C.Cells);
}

void tLumen::SortLinesByColumn(int Col, bool Ascending)
{
    if (!ValidCol(Col))
        return;
    const QVector<tCell> &Cells = Cols[Col].Cells;
    std::vector<int> Perm = StableOrder(Cells.size(), CellLess{&Cells, Ascending});
    ApplyLineOrder(Perm);
}

void tLumen::SortLinesByName(bool Ascending)
{
    // Danish order (... Z, Æ, Ø, Å), letter case only deciding between names
    // that are otherwise equal (upper case first, as Danish sorts); lines
    // without a name go last either way.
    const int N = MaxLines();
    QCollator Loose(QLocale(QLocale::Danish, QLocale::Denmark));
    Loose.setCaseSensitivity(Qt::CaseInsensitive);
    QCollator Strict(QLocale(QLocale::Danish, QLocale::Denmark));
    Strict.setCaseSensitivity(Qt::CaseSensitive);
    std::vector<QCollatorSortKey> LooseKeys, StrictKeys;
    LooseKeys.reserve(N);
    StrictKeys.reserve(N);
    for (int I = 0; I < N; ++I) {
        const QString Name = I < LineNames.size() ? LineNames[I] : QString();
        LooseKeys.push_back(Loose.sortKey(Name));
        StrictKeys.push_back(Strict.sortKey(Name));
    }
    auto Empty = [this](int I) { return I >= LineNames.size() || LineNames[I].isEmpty(); };
    std::vector<int> Perm = StableOrder(N, [&](int A, int B) {
        const bool EA = Empty(A), EB = Empty(B);
        if (EA || EB)
            return !EA && EB;
        int Cmp = LooseKeys[A].compare(LooseKeys[B]);
        if (Cmp == 0)
            Cmp = StrictKeys[A].compare(StrictKeys[B]);
        return Ascending ? Cmp < 0 : Cmp > 0;
    });
    ApplyLineOrder(Perm);
}

void tLumen::SortColumnsByLine(int Line, bool Ascending)
{
    if (Line < 0)
        return;
    // 26 columns: the plain bubble sort is cheap and swaps whole records.
    bool Swapped = true;
    while (Swapped) {
        Swapped = false;
        for (int J = 0; J < ObsColumns - 1; ++J) {
            TCellState SA = GetCellState(Line, J), SB = GetCellState(Line, J + 1);
            bool Swap;
            if (SA == csNumber && SB == csNumber) {
                Extended A = Cols[J].Cells[Line].Value, B = Cols[J + 1].Cells[Line].Value;
                Swap = Ascending ? B < A : B > A;
            } else {
                Swap = SB == csNumber && SA != csNumber;
            }
            if (Swap) {
                SwapColumns(J, J + 1);
                Swapped = true;
            }
        }
    }
}

// ---------------------------------------------------------------- marks

using namespace sortedlist;

void tLumen::ToggleColSelected(int Col)
{
    if (ValidCol(Col))
        Toggle(SelCols, Col);
}

void tLumen::ToggleLineSelected(int Line) { Toggle(SelLines, Line); }
bool tLumen::IsColSelected(int Col) const { return Contains(SelCols, Col); }
bool tLumen::IsLineSelected(int Line) const { return Contains(SelLines, Line); }
int tLumen::SelCol(int I) const { return Nth(SelCols, I); }
int tLumen::SelLine(int I) const { return Nth(SelLines, I); }

bool tLumen::SelectionHasData() const
{
    if (!SelCols.isEmpty())
        return std::all_of(SelCols.begin(), SelCols.end(), [this](int C) { return CellCount(C) > 0; });
    if (!SelLines.isEmpty())
        return std::all_of(SelLines.begin(), SelLines.end(),
                           [this](int L) { return NumbersInLine(L) > 0; });
    return false;
}

bool tLumen::PastSelectionEnd(int Line) const
{
    if (!SelCols.isEmpty())
        return std::none_of(SelCols.begin(), SelCols.end(),
                            [&](int C) { return CellCount(C) > Line; });
    if (!SelLines.isEmpty())
        return std::all_of(SelLines.begin(), SelLines.end(),
                           [&](int L) { return Line >= NumbersInLine(L); });
    return false;
}

// ---------------------------------------------------------------- undo and flags

void tLumen::SaveUndo(uint8_t Op)
{
    UndoOp = Op;
    RedoOp = 1;
    UndoCols = Cols;
    UndoLineNames = LineNames;
}

void tLumen::Undo()
{
    std::swap(UndoOp, RedoOp);
    std::swap(Cols, UndoCols);
    std::swap(LineNames, UndoLineNames);
}

void tLumen::NextEditDirection()
{
    switch (EditDirection) {
    case edDown:
        EditDirection = edRight;
        break;
    case edRight:
        EditDirection = edStay;
        break;
    default:
        EditDirection = edDown;
        break;
    }
}

void tLumen::SetText(const QString &S)
{
    Modified = true;
    Text = S;
}
