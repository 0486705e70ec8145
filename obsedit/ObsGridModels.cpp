#include "ObsGridModels.h"

#include "Descriptor.h"

namespace
{
int Role(TGridRole R)
{
    return int(R);
}
} // namespace

TColumnKind ColumnKindOf(const tLumen &Lumen, int Col)
{
    if (Lumen.IsComputed(Col))
        return ckComputed;
    if (Lumen.GetRandomCount(Col) > 0)
        return ckRandom;
    return ckPlain;
}

TGridShape ObsGridShape()
{
    TGridShape S;
    S.Columns = ObsColumns; // and the usual two header rows
    S.LineNames = true;
    return S;
}

// Data grid.

QVariant TObsDataModel::data(const QModelIndex &Index, int R) const
{
    if (!Index.isValid())
        return {};
    const tLumen &L = Owner.GridLumen();
    const int Line = Index.row(), Col = Index.column();
    switch (R) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return L.GetCellText(Line, Col);
    default:
        break;
    }
    if (R == Role(TGridRole::CellState))
        return int(L.GetCellState(Line, Col));
    if (R == Role(TGridRole::ColumnKind))
        return int(ColumnKindOf(L, Col));
    if (R == Role(TGridRole::Marked))
        return L.IsColSelected(Col) || L.IsLineSelected(Line);
    return {};
}

bool TObsDataModel::Enterable(int Col) const
{
    return ColumnKindOf(Owner.GridLumen(), Col) == ckPlain;
}

// Line header grid: the numbers are marked and picked.

QVariant TObsLineHeaderModel::data(const QModelIndex &Index, int R) const
{
    if (!Index.isValid())
        return {};
    const tLumen &L = Owner.GridLumen();
    const int Line = Index.row();
    if (R == Role(TGridRole::Marked))
        return L.IsLineSelected(Line);
    if (R == Role(TGridRole::Picked)) {
        const tDescriptor *D = FindDescriptor(L);
        return D != nullptr && D->IsPicked(Line);
    }
    return TGridLineHeaderModel::data(Index, R);
}

// Column header grid: the letter, in brackets for a grouped column, and the
// name.

QVariant TObsColHeaderModel::data(const QModelIndex &Index, int R) const
{
    if (!Index.isValid())
        return {};
    const tLumen &L = Owner.GridLumen();
    const int Col = Index.column();
    if (R == Qt::DisplayRole || R == Qt::EditRole) {
        if (Index.row() == 1)
            return L.GetColName(Col);
        const QString Letter(ColLetter(Col));
        return L.IsGrouped(Col) ? QStringLiteral("[ ") + Letter + QStringLiteral(" ]") : Letter;
    }
    if (R == Role(TGridRole::Marked))
        return L.IsColSelected(Col);
    if (R == Role(TGridRole::Grouped))
        return L.IsGrouped(Col);
    if (R == Role(TGridRole::ColumnKind))
        return int(ColumnKindOf(L, Col));
    return {};
}
