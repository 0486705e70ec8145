// A short text form of the observation columns for table-driven tests.
//
// Setup entries: "A=1,2,x" (cells; "" empty, a non-number a text cell),
// "A'Navn=1,2" (with a name), "C:A*2" (computed from a formula). Sheet()
// writes every column with a name, a formula or cells the same way, numbers
// in the general 15-digit form, columns separated by "|". "#a,b" gives the
// line names.
#pragma once

#include "Lumen.h"
#include "ObsCommands.h"

#include <QStringList>

inline void SetupSheet(tLumen &L, const QStringList &Entries)
{
    for (const QString &E : Entries) {
        if (E.startsWith('#')) {
            const QStringList Names = E.mid(1).split(',');
            for (int Line = 0; Line < Names.size(); ++Line)
                L.SetLineName(Line, Names[Line]);
            continue;
        }
        const int Col = ColIndex(E[0]);
        const qsizetype Eq = E.indexOf('=');
        const QString Head = E.left(Eq < 0 ? E.size() : Eq);
        const qsizetype Colon = Head.indexOf(':');
        if (Head.size() > 1 && Head[1] == QChar('\''))
            L.SetColName(Col, Head.mid(2, Colon < 0 ? -1 : Colon - 2));
        if (Colon > 0) {
            const QString Formula = Head.mid(Colon + 1);
            L.SetFormula(Col, Formula);
            L.SetComputed(Col, true);
            if (L.Compile(Formula))
                L.BuildFormulaRefs(Col);
        }
        if (Eq >= 0) {
            const QStringList Cells = E.mid(Eq + 1).split(',');
            for (int Line = 0; Line < Cells.size(); ++Line)
                L.SetCellText(Line, Col, Cells[Line]);
        }
    }
    RecalcAll(L);
}

inline QString SheetColumn(const tLumen &L, int Col)
{
    QString S = ColLetter(Col);
    if (!L.GetColName(Col).isEmpty())
        S += '\'' + L.GetColName(Col);
    if (L.IsComputed(Col))
        S += ':' + L.GetFormula(Col);
    QStringList Cells;
    for (int Line = 0; Line < L.CellCount(Col); ++Line) {
        TCellState State;
        const Extended V = L.GetCellValue(Line, Col, State);
        Cells << (State == csNumber ? FormatGeneral(V).replace(',', '.')
                                    : L.GetCellText(Line, Col));
    }
    if (!Cells.isEmpty())
        S += '=' + Cells.join(',');
    return S;
}

inline QString Sheet(const tLumen &L)
{
    QStringList Out;
    for (int Col = 0; Col < ObsColumns; ++Col)
        if (L.CellCount(Col) > 0 || L.IsComputed(Col) || !L.GetColName(Col).isEmpty())
            Out << SheetColumn(L, Col);
    QStringList Names;
    for (int Line = 0; Line < L.LineNames.size(); ++Line)
        Names << L.GetLineName(Line);
    while (!Names.isEmpty() && Names.last().isEmpty())
        Names.removeLast();
    if (!Names.isEmpty())
        Out << '#' + Names.join(',');
    return Out.join('|');
}
