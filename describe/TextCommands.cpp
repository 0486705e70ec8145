#include "TextCommands.h"

#include "ObsCommands.h"
#include "TextTransfer.h"

bool InsertColumnText(tLumen &L, int Col, const QString &Text, bool FromFile)
{
    if (Col < 0 || Col >= ObsColumns || ColumnPushedOutOfFormula(L) >= 0)
        return false;
    // The formulas follow the columns that move right, as for an inserted
    // empty column.
    L.ShiftFormulaLetters(ColLetter(Col), 1);
    PasteColumn(L, Col, Text, FromFile);
    RecalcAll(L);
    return true;
}

void InsertLineText(tLumen &L, int Line, const QString &Text, bool FromFile)
{
    PasteLine(L, Line, Text, FromFile);
    RecalcLine(L, Line);
}
