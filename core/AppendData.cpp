#include "AppendData.h"

#include <algorithm>

namespace
{

// Copies the cells of Other's column From to Current's column To, from line
// Base on; Current holds no cells there yet.
void CopyCells(tLumen &Current, int To, int Base, const tLumen &Other, int From)
{
    const QVector<tCell> &Source = Other.Cols[From].Cells;
    if (Source.isEmpty())
        return;
    QVector<tCell> &Target = Current.Cols[To].Cells;
    Target.resize(Base);
    Target.append(Source);
    while (!Target.isEmpty() && Target.last().State == csEmpty)
        Target.removeLast();
}

} // namespace

bool LinesFit(const tLumen &Current, const tLumen &Other)
{
    const int Columns = Current.UsedColumns();
    if (Other.UsedColumns() != Columns)
        return false;
    for (int C = 0; C < Columns; ++C)
        if (Other.GetColName(C) != Current.GetColName(C))
            return false;
    return true;
}

bool ColumnsFit(const tLumen &Current, const tLumen &Other)
{
    const int Lines = Current.MaxLines();
    if (Other.MaxLines() != Lines)
        return false;
    for (int L = 0; L < Lines; ++L)
        if (Other.GetLineName(L) != Current.GetLineName(L))
            return false;
    return true;
}

void AppendLinesOf(tLumen &Current, const tLumen &Other)
{
    Current.SaveUndo(uoAdd);
    const int Base = Current.MaxLines();
    const int Lines = Other.MaxLines();
    for (int C = 0; C < Other.UsedColumns(); ++C) {
        CopyCells(Current, C, Base, Other, C);
        Current.SetDecimals(C, std::max(Current.GetDecimals(C), Other.GetDecimals(C)));
    }
    for (int L = 0; L < Lines; ++L)
        Current.SetLineName(Base + L, Other.GetLineName(L));
    Current.SetModified();
}

void AppendColumnsOf(tLumen &Current, const tLumen &Other)
{
    Current.SaveUndo(uoAdd);
    const int Base = Current.UsedColumns();
    for (int C = 0; C < Other.UsedColumns() && Base + C < ObsColumns; ++C) {
        tDataCol Column = Other.Cols[C];
        Column.Computed = false;
        Column.Formula.clear();
        Column.FormulaRefs.clear();
        Column.RandomFrom = Column.RandomTo = Column.RandomCount = 0;
        Column.RandomFlag = 0;
        Column.Cells.clear();
        Current.Cols[Base + C] = std::move(Column);
        CopyCells(Current, Base + C, 0, Other, C);
    }
    Current.SetModified();
}
