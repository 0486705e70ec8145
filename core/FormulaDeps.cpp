// Which computed columns read which columns, directly or through other
// computed columns, and the re-lettering of formulas after column moves.
#include "FormulaText.h"
#include "Lumen.h"

// Every column reached from Col's references, following the references of
// computed columns (Start too when TreatStartComputed), in letter order.
// Each column is followed once, so references that form a circle end.
// Cycle tells whether Col's own letter is reached.
QString tLumen::ExpandRefs(int Col, int Start, bool TreatStartComputed, bool &Cycle) const
{
    Cycle = false;
    QString Reached;
    if (!ValidCol(Col))
        return Reached;
    uint32_t Seen = 0;
    QString Work = Cols[Col].FormulaRefs;
    for (int I = 0; I < Work.size(); ++I) {
        const int C = ColIndex(Work[I]);
        if (C < 0 || C >= ObsColumns || (Seen & (1u << C)))
            continue;
        Seen |= 1u << C;
        if (C == Col)
            Cycle = true;
        const bool Computed = Cols[C].Computed || (TreatStartComputed && C == Start);
        if (Computed && !Cols[C].FormulaRefs.isEmpty())
            Work += Cols[C].FormulaRefs;
    }
    for (int C = 0; C < ObsColumns; ++C)
        if (Seen & (1u << C))
            Reached += ColLetter(C);
    return Reached;
}

// Also true when Other is itself a computed column in the chain (D = C*2 with
// C = A+B depends on C as well as on A and B), so that a change of C's
// formula reaches D and C cannot be removed while D reads it.
bool tLumen::DependsOn(int Col, int Other) const
{
    if (!ValidCol(Col) || !ValidCol(Other) || !Cols[Col].Computed)
        return false;
    bool Cycle = false;
    return ExpandRefs(Col, -1, false, Cycle).contains(ColLetter(Other));
}

bool tLumen::IsUsedInFormula(int Col) const
{
    if (!ValidCol(Col))
        return false;
    for (int C = 0; C < ObsColumns; ++C)
        if (C != Col && DependsOn(C, Col))
            return true;
    return false;
}

bool tLumen::HasFormulaCycle(int Col) const
{
    for (int C = 0; C < ObsColumns; ++C) {
        if (!Cols[C].Computed && C != Col)
            continue;
        bool Cycle = false;
        ExpandRefs(C, Col, true, Cycle);
        if (Cycle)
            return true;
    }
    return false;
}

void tLumen::ShiftFormulaLetters(QChar From, int Delta)
{
    const int First = From.toUpper().unicode();
    // A letter moved past A or Z names no column; "?" makes the formula
    // invalid rather than silently naming a neighbour.
    auto Move = [&](QChar &Ch, bool &Lost) {
        const int U = Ch.unicode();
        if (U < 'A' || U > 'Z' || U < First)
            return;
        const int Moved = U + Delta;
        if (Moved < 'A' || Moved > 'Z') {
            Ch = QChar('?');
            Lost = true;
        } else {
            Ch = QChar(char16_t(Moved));
        }
    };

    for (int Col = 0; Col < ObsColumns; ++Col) {
        if (!Cols[Col].Computed)
            continue;
        bool Lost = false;
        QString F = PrepareFormula(Cols[Col].Formula);
        int P = 0;
        while (P < F.size()) {
            if (!IsFormulaIdentChar(F[P])) {
                ++P;
                continue;
            }
            int End = P;
            while (End < F.size() && IsFormulaIdentChar(F[End]))
                ++End;
            // Numbers (1E5) and function names before "(" keep their letters.
            const bool Function = End < F.size() && F[End] == QChar('(') &&
                                  FormulaFunctionCode(F.mid(P, End - P)) != 0;
            if (IsFormulaLetter(F[P]) && !Function)
                Move(F[P], Lost);
            P = End;
        }
        QString Refs = Cols[Col].FormulaRefs;
        for (QChar &Ch : Refs)
            Move(Ch, Lost);
        SetFormula(Col, F);
        // An invalid formula names no columns.
        Cols[Col].FormulaRefs = Lost ? QString() : Refs;
    }
}
