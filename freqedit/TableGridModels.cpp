#include "TableGridModels.h"

namespace
{
int Role(TGridRole R)
{
    return int(R);
}

const TTableSide &SideOf(TGridOwner &Owner)
{
    return static_cast<TTableGridOwner &>(Owner).GridSide();
}
} // namespace

TGridShape TableGridShape(const TTableSide &Side)
{
    TGridShape S;
    S.Columns = TTableSide::Columns;
    S.Parts = Side.Parts();
    S.Filler = true;
    S.HeaderRows = 3;
    return S;
}

QVariant TTableDataModel::data(const QModelIndex &Index, int R) const
{
    if (!Index.isValid())
        return {};
    const int Col = TableCol(Index.column());
    if (Col < 0)
        return {};
    const tLumen &L = Owner.GridLumen();
    const TTableSide &Side = SideOf(Owner);
    if (R == Qt::DisplayRole || R == Qt::EditRole || R == Role(TGridRole::CellState)) {
        QString Text;
        TCellState State;
        Side.GetPart(L, Index.row(), Col, Part(Index.column()), Text, State);
        if (R == Role(TGridRole::CellState))
            return int(State);
        return Text;
    }
    if (R == Role(TGridRole::Marked))
        return Side.IsMarked(L, Col);
    return {};
}

QVariant TTableColHeaderModel::data(const QModelIndex &Index, int R) const
{
    if (!Index.isValid() || Index.column() >= TTableSide::Columns)
        return {};
    const tLumen &L = Owner.GridLumen();
    const TTableSide &Side = SideOf(Owner);
    const int Col = Index.column();
    if (R == Qt::DisplayRole || R == Qt::EditRole) {
        switch (Index.row()) {
        case 0:
            return QString::number(Col + 1);
        case 1:
            return Side.Name(L, Col);
        default:
            return Side.PartCaptions().join(QLatin1Char('\t'));
        }
    }
    if (R == Role(TGridRole::Marked))
        return Side.IsMarked(L, Col);
    return {};
}
