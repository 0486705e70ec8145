#include "TableSide.h"

#include "TextTransfer.h"

namespace
{
bool Valid(int Col)
{
    return Col >= 0 && Col < TTableSide::Columns;
}
} // namespace

QStringList TTableSide::PartCaptions() const
{
    if (IsGrouped())
        return {QStringLiteral("Nedre grænse"), QStringLiteral("Øvre grænse"),
                QStringLiteral("Hyppighed")};
    return {QStringLiteral("Observation"), QStringLiteral("Hyppighed")};
}

void TTableSide::GetPart(const tLumen &L, int Line, int Col, int Part, QString &Text,
                         TCellState &State) const
{
    if (!IsGrouped()) {
        if (Part == 0)
            L.GetHypObsText(Line, Col, Text, State);
        else
            L.GetHypFreqText(Line, Col, Text, State);
        return;
    }
    switch (Part) {
    case 0:
        L.GetGrupLowText(Line, Col, Text, State);
        break;
    case 1:
        L.GetGrupHighText(Line, Col, Text, State);
        break;
    default:
        L.GetGrupFreqText(Line, Col, Text, State);
        break;
    }
}

void TTableSide::SetPart(tLumen &L, int Line, int Col, int Part, const QString &Text) const
{
    if (!IsGrouped()) {
        if (Part == 0)
            L.SetHypObsText(Line, Col, Text);
        else
            L.SetHypFreqText(Line, Col, Text);
        return;
    }
    switch (Part) {
    case 0:
        L.SetGrupLowText(Line, Col, Text);
        break;
    case 1:
        L.SetGrupHighText(Line, Col, Text);
        break;
    default:
        L.SetGrupFreqText(Line, Col, Text);
        break;
    }
}

int TTableSide::CellCount(const tLumen &L, int Col) const
{
    return IsGrouped() ? L.GrupCellCount(Col) : L.HypCellCount(Col);
}

int TTableSide::MaxLines(const tLumen &L) const
{
    return IsGrouped() ? L.MaxGrupLines() : L.MaxHypLines();
}

QString TTableSide::Name(const tLumen &L, int Col) const
{
    return IsGrouped() ? L.GetGrupName(Col) : L.GetHypName(Col);
}

void TTableSide::SetName(tLumen &L, int Col, const QString &S) const
{
    IsGrouped() ? L.SetGrupName(Col, S) : L.SetHypName(Col, S);
}

QString TTableSide::Comment(const tLumen &L, int Col) const
{
    return IsGrouped() ? L.GetGrupComment(Col) : L.GetHypComment(Col);
}

void TTableSide::SetComment(tLumen &L, int Col, const QString &S) const
{
    IsGrouped() ? L.SetGrupComment(Col, S) : L.SetHypComment(Col, S);
}

int TTableSide::Decimals(const tLumen &L, int Col) const
{
    return IsGrouped() ? L.GetGrupDecimals(Col) : L.GetHypDecimals(Col);
}

void TTableSide::SetDecimals(tLumen &L, int Col, int N) const
{
    IsGrouped() ? L.SetGrupDecimals(Col, N) : L.SetHypDecimals(Col, N);
}

const QVector<int32_t> &TTableSide::Marked(const tLumen &L) const
{
    return IsGrouped() ? L.SelGrupCols : L.SelHypCols;
}

bool TTableSide::IsMarked(const tLumen &L, int Col) const
{
    return IsGrouped() ? L.IsGrupColSelected(Col) : L.IsHypColSelected(Col);
}

void TTableSide::ToggleMark(tLumen &L, int Col) const
{
    IsGrouped() ? L.ToggleGrupColSelected(Col) : L.ToggleHypColSelected(Col);
}

void TTableSide::ClearMarks(tLumen &L) const
{
    IsGrouped() ? L.ClearGrupColSelection() : L.ClearHypColSelection();
}

int TTableSide::MarkedCol(const tLumen &L, int I) const
{
    return IsGrouped() ? L.SelGrupCol(I) : L.SelHypCol(I);
}

void TTableSide::SaveUndo(tLumen &L, uint8_t Op) const
{
    IsGrouped() ? L.SaveUndoGrup(Op) : L.SaveUndoHyp(Op);
}

void TTableSide::Undo(tLumen &L) const
{
    IsGrouped() ? L.UndoGrup() : L.UndoHyp();
}

void TTableSide::InsertColumn(tLumen &L, int Col) const
{
    IsGrouped() ? L.InsertGrupColumn(Col) : L.InsertHypColumn(Col);
}

void TTableSide::DeleteColumn(tLumen &L, int Col) const
{
    IsGrouped() ? L.DeleteGrupColumn(Col) : L.DeleteHypColumn(Col);
}

void TTableSide::ClearColumn(tLumen &L, int Col) const
{
    IsGrouped() ? L.ClearGrupColumn(Col) : L.ClearHypColumn(Col);
}

void TTableSide::SwapColumns(tLumen &L, int A, int B) const
{
    IsGrouped() ? L.SwapGrupColumns(A, B) : L.SwapHypColumns(A, B);
}

QString TTableSide::ColumnText(const tLumen &L, int Col) const
{
    return IsGrouped() ? GrupColumnText(L, Col) : HypColumnText(L, Col);
}

void TTableSide::PasteColumn(tLumen &L, int Col, const QString &Text, bool FromFile) const
{
    IsGrouped() ? PasteGrupColumn(L, Col, Text, FromFile) : PasteHypColumn(L, Col, Text, FromFile);
}

TTableSide::TColumnCopy TTableSide::CopyColumn(const tLumen &L, int Col) const
{
    TColumnCopy C;
    if (!Valid(Col))
        return C;
    if (IsGrouped())
        C.Grup = L.GrupCols[size_t(Col)];
    else
        C.Hyp = L.HypCols[size_t(Col)];
    return C;
}

void TTableSide::RestoreColumn(tLumen &L, int Col, const TColumnCopy &Copy) const
{
    if (!Valid(Col))
        return;
    if (IsGrouped())
        L.GrupCols[size_t(Col)] = Copy.Grup;
    else
        L.HypCols[size_t(Col)] = Copy.Hyp;
    L.Modified = true;
}
