#include "ObsCommands.h"

#include <algorithm>
#include <cmath>

namespace
{

// Computes the computed columns of Pending, each once and after the pending
// columns it reads; ties keep the letter order.
QString ComputeInOrder(tLumen &L, uint32_t Pending)
{
    QString Done;
    while (Pending != 0) {
        int Pick = -1;
        for (int C = 0; C < ObsColumns && Pick < 0; ++C) {
            if (!(Pending & (1u << C)))
                continue;
            bool Ready = true;
            for (QChar R : L.Cols[C].FormulaRefs) {
                const int D = ColIndex(R);
                if (D >= 0 && D < ObsColumns && D != C && (Pending & (1u << D))) {
                    Ready = false;
                    break;
                }
            }
            if (Ready)
                Pick = C;
        }
        if (Pick < 0) // a circle: break it at its first column
            for (int C = 0; C < ObsColumns && Pick < 0; ++C)
                if (Pending & (1u << C))
                    Pick = C;
        Pending &= ~(1u << Pick);
        L.ComputeColumn(Pick);
        Done += ColLetter(Pick);
    }
    return Done;
}

uint32_t ComputedSet(const tLumen &L)
{
    uint32_t Set = 0;
    for (int C = 0; C < ObsColumns; ++C)
        if (L.IsComputed(C))
            Set |= 1u << C;
    return Set;
}

} // namespace

QString RecalcAll(tLumen &L)
{
    L.ClearSingleLine();
    return ComputeInOrder(L, ComputedSet(L));
}

QString RecalcLine(tLumen &L, int Line)
{
    if (Line < 0)
        return QString();
    L.SetSingleLine(Line);
    const QString Done = ComputeInOrder(L, ComputedSet(L));
    L.ClearSingleLine();
    return Done;
}

int ColumnUsedInFormula(const tLumen &L, const QVector<int32_t> &Cols)
{
    for (int I = Cols.size() - 1; I >= 0; --I)
        if (L.IsUsedInFormula(Cols[I]))
            return Cols[I];
    return -1;
}

bool ColumnsAdjacent(const QVector<int32_t> &Cols)
{
    return !Cols.isEmpty() && Cols.last() - Cols.first() + 1 == Cols.size();
}

void RemoveColumns(tLumen &L, const QVector<int32_t> &Cols)
{
    if (Cols.isEmpty())
        return;
    L.ShiftFormulaLetters(ColLetter(Cols.first()), -int(Cols.size()));
    for (int I = Cols.size() - 1; I >= 0; --I)
        L.DeleteColumn(Cols[I]);
    RecalcAll(L);
}

int ColumnPushedOutOfFormula(const tLumen &L)
{
    return L.IsUsedInFormula(ObsColumns - 1) ? ObsColumns - 1 : -1;
}

bool InsertEmptyColumn(tLumen &L, int Col)
{
    if (Col < 0 || Col >= ObsColumns || ColumnPushedOutOfFormula(L) >= 0)
        return false;
    L.ShiftFormulaLetters(ColLetter(Col), 1);
    L.InsertColumn(Col);
    RecalcAll(L);
    return true;
}

void SwapTwoColumns(tLumen &L, int A, int B)
{
    L.SwapColumns(A, B);
    RecalcAll(L);
}

void ClearColumns(tLumen &L, const QVector<int32_t> &Cols)
{
    for (int C : Cols)
        L.ClearColumn(C);
    RecalcAll(L);
}

void ClearNumberCells(tLumen &L)
{
    const int Used = L.UsedColumns();
    for (int C = 0; C < Used; ++C) {
        const QString Name = L.GetColName(C);
        L.ClearColumn(C);
        L.SetColName(C, Name);
    }
}

QVector<int32_t> ScaleColumns(tLumen &L, const QVector<int32_t> &Cols, bool Divide)
{
    QVector<int32_t> Changed;
    uint32_t Dependants = 0;
    for (int Col : Cols) {
        if (Col < 0 || Col >= ObsColumns || L.IsComputed(Col))
            continue;
        // Each number becomes what its general text reads back as; the text
        // itself is only made where the shortcut cannot be sure.
        QVector<tCell> &Cells = L.Cols[Col].Cells;
        for (int Line = 0; Line < Cells.size(); ++Line) {
            if (Cells[Line].State != csNumber)
                continue;
            const Extended V = Divide ? Cells[Line].Value / 10 : Cells[Line].Value * 10;
            // A number whose tenfold is out of range stays as it was.
            if (!std::isfinite(V))
                continue;
            Extended Rounded = 0;
            if (RoundTo15Digits(V, Rounded))
                Cells[Line].Value = Rounded;
            else
                L.SetCellText(Line, Col, FormatGeneral(V));
        }
        L.SetModified();
        Changed << Col;
        for (int D = 0; D < ObsColumns; ++D)
            if (L.DependsOn(D, Col))
                Dependants |= 1u << D;
    }
    ComputeInOrder(L, Dependants);
    return Changed;
}

QVector<int32_t> StepDecimals(tLumen &L, const QVector<int32_t> &Cols, int Delta)
{
    QVector<int32_t> Changed;
    for (int Col : Cols) {
        const int D = L.GetDecimals(Col);
        if ((Delta > 0 && D < 9) || (Delta < 0 && D > 0)) {
            L.SetDecimals(Col, D + Delta);
            Changed << Col;
        }
    }
    return Changed;
}

void ClearLines(tLumen &L, const QVector<int32_t> &Lines)
{
    for (int Line : Lines) {
        L.ClearLine(Line);
        RecalcLine(L, Line);
    }
}

void RemoveLines(tLumen &L, const QVector<int32_t> &Lines)
{
    for (int I = Lines.size() - 1; I >= 0; --I)
        L.DeleteLine(Lines[I]);
}

void InsertEmptyLine(tLumen &L, int Line)
{
    L.InsertLine(Line);
    RecalcLine(L, Line);
}

void SwapTwoLines(tLumen &L, int A, int B)
{
    L.SwapLines(A, B);
    RecalcLine(L, A);
    if (B != A)
        RecalcLine(L, B);
}
