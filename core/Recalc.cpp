// Recalculation of computed columns.
#include "Lumen.h"

#include <algorithm>
#include <cmath>

void tLumen::ComputeColumn(int Col)
{
    if (!ValidCol(Col))
        return;
    tDataCol &Target = Cols[Col];
    if (!SingleLine && !Target.Cells.isEmpty()) {
        Target.Cells.clear();
        Modified = true;
    }
    if (!Target.Computed)
        return;
    // A formula that cannot be read, or names no column, produces nothing,
    // on every line alike: one line computed alone is emptied too, so a
    // cell pasted into the column does not stay.
    if (!Compile(Target.Formula) || VarCount == 0) {
        if (SingleLine && SingleLineIndex >= 0 && SingleLineIndex < Target.Cells.size() &&
            Target.Cells[SingleLineIndex].State != csEmpty)
            SetCellText(SingleLineIndex, Col, QString());
        return;
    }

    const int NVars = VarCount;
    std::array<int, 26> VarCols{};
    for (int I = 0; I < NVars; ++I)
        VarCols[I] = ColIndex(Vars[I + 1].Name[0]);

    int FirstLine = 0;
    int LastLine = -1;
    if (SingleLine) {
        if (SingleLineIndex < 0)
            return;
        FirstLine = LastLine = SingleLineIndex;
    } else {
        int Lines = Cols[VarCols[0]].Cells.size();
        for (int I = 1; I < NVars; ++I)
            Lines = std::min<int>(Lines, Cols[VarCols[I]].Cells.size());
        LastLine = Lines - 1;
        Target.Cells.reserve(Lines);
    }

    for (int Line = FirstLine; Line <= LastLine; ++Line) {
        bool AllNumbers = true;
        for (int I = 0; I < NVars; ++I) {
            TCellState State = csEmpty;
            const Extended V = GetCellValue(Line, VarCols[I], State);
            if (State != csNumber) {
                AllNumbers = false;
                break;
            }
            Vars[I + 1].Value = V;
        }
        if (AllNumbers) {
            const Extended R = Evaluate();
            if (CalcError == 0) {
                Extended Rounded = 0;
                if (!RoundTo15Digits(R, Rounded)) {
                    SetCellText(Line, Col, FormatGeneral(R));
                    continue;
                }
                // What SetCellText does with the general text of R.
                Modified = true;
                if (Target.Cells.size() <= Line)
                    Target.Cells.resize(Line + 1);
                tCell &Cell = Target.Cells[Line];
                Cell.State = csNumber;
                Cell.Text.clear();
                Cell.Value = Rounded;
                continue;
            }
        }
        SetCellText(Line, Col, QString());
    }
}

QString tLumen::RecalcFrom(int Col)
{
    QString Done;
    if (!ValidCol(Col))
        return Done;

    // The columns to compute: Col itself when computed, then every column
    // that depends on it, in circular letter order from Col.
    std::array<int, 26> Order{};
    int N = 0;
    uint32_t InSet = 0;
    if (Cols[Col].Computed) {
        Order[N++] = Col;
        InSet |= 1u << Col;
    }
    for (int K = 1; K < ObsColumns; ++K) {
        const int C = (Col + K) % ObsColumns;
        if (DependsOn(C, Col)) {
            Order[N++] = C;
            InSet |= 1u << C;
        }
    }

    // Each column is computed after the columns of the set that it reads, so
    // a chain whose letters run backwards (B from D, D from A) is not left
    // with old values. Ties keep the letter order; a circle read from a file
    // is broken at its first column.
    uint32_t Pending = InSet;
    while (Pending != 0) {
        int Pick = -1;
        for (int I = 0; I < N && Pick < 0; ++I) {
            const int C = Order[I];
            if (!(Pending & (1u << C)))
                continue;
            bool Ready = true;
            for (QChar R : Cols[C].FormulaRefs) {
                const int D = ColIndex(R);
                if (D >= 0 && D < ObsColumns && D != C && (Pending & (1u << D))) {
                    Ready = false;
                    break;
                }
            }
            if (Ready)
                Pick = C;
        }
        if (Pick < 0)
            for (int I = 0; I < N && Pick < 0; ++I)
                if (Pending & (1u << Order[I]))
                    Pick = Order[I];
        Pending &= ~(1u << Pick);
        ComputeColumn(Pick);
        Done += ColLetter(Pick);
    }
    return Done;
}

void tLumen::SetSingleLine(int Line)
{
    SingleLine = true;
    SingleLineIndex = Line;
}

void tLumen::ClearSingleLine()
{
    SingleLine = false;
}

void tLumen::BuildFormulaRefs(int Col)
{
    if (!ValidCol(Col))
        return;
    QString Refs;
    for (int I = 1; I <= VarCount; ++I)
        Refs += Vars[I].Name;
    Cols[Col].FormulaRefs = Refs;
}

void tLumen::ClearFormulaRefs(int Col)
{
    if (!ValidCol(Col))
        return;
    Cols[Col].FormulaRefs.clear();
}
