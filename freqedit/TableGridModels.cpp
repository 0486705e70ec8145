#include "TableGridModels.h"

namespace
{
int Role(TGridRole R)
{
    return int(R);
}

} // namespace

int TTableRowModel::rowCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : Owner.GridRowCount();
}

void TTableRowModel::RowCountChanged(int OldCount, int NewCount)
{
    if (NewCount > OldCount) {
        beginInsertRows({}, OldCount, NewCount - 1);
        endInsertRows();
    } else if (NewCount < OldCount) {
        beginRemoveRows({}, NewCount, OldCount - 1);
        endRemoveRows();
    }
}

// Data grid.

int TTableDataModel::columnCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : (TTableSide::Columns + 1) * Owner.GridSide().Parts();
}

int TTableDataModel::TableCol(int GridCol) const
{
    const int Col = GridCol / Owner.GridSide().Parts();
    return GridCol >= 0 && Col < TTableSide::Columns ? Col : -1;
}

QVariant TTableDataModel::data(const QModelIndex &Index, int R) const
{
    if (!Index.isValid())
        return {};
    const int Col = TableCol(Index.column());
    if (Col < 0)
        return {};
    const tLumen &L = Owner.GridLumen();
    const TTableSide &S = Owner.GridSide();
    if (R == Qt::DisplayRole || R == Qt::EditRole || R == Role(TGridRole::CellState)) {
        QString Text;
        TCellState State;
        S.GetPart(L, Index.row(), Col, Part(Index.column()), Text, State);
        if (R == Role(TGridRole::CellState))
            return int(State);
        return Text;
    }
    if (R == Role(TGridRole::Marked))
        return S.IsMarked(L, Col);
    return {};
}

bool TTableDataModel::setData(const QModelIndex &Index, const QVariant &Value, int R)
{
    if (!Index.isValid() || TableCol(Index.column()) < 0)
        return false;
    if (R == Role(TGridRole::BeginEdit)) {
        Owner.CellEditStarted(Index.row(), Index.column());
        return true;
    }
    if (R == Role(TGridRole::CancelEdit)) {
        Owner.CellEditCancelled(Index.row(), Index.column());
        return true;
    }
    if (R != Qt::EditRole)
        return false;
    Owner.CellTyped(Index.row(), Index.column(), Value.toString());
    return true;
}

Qt::ItemFlags TTableDataModel::flags(const QModelIndex &Index) const
{
    if (!Index.isValid() || TableCol(Index.column()) < 0)
        return Qt::NoItemFlags; // the fillers hold nothing
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void TTableDataModel::GridColumnChanged(int GridCol)
{
    if (TableCol(GridCol) < 0 || rowCount() == 0)
        return;
    emit dataChanged(index(0, GridCol), index(rowCount() - 1, GridCol));
}

void TTableDataModel::TableColumnChanged(int Col)
{
    if (Col < 0 || Col >= TTableSide::Columns || rowCount() == 0)
        return;
    emit dataChanged(index(0, GridCol(Col, 0)),
                     index(rowCount() - 1, GridCol(Col, Owner.GridSide().Parts() - 1)));
}

void TTableDataModel::AllChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

// Line header grid.

int TTableLineHeaderModel::columnCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : 1;
}

QVariant TTableLineHeaderModel::data(const QModelIndex &Index, int R) const
{
    if (Index.isValid() && R == Qt::DisplayRole)
        return QString::number(Index.row() + 1);
    return {};
}

Qt::ItemFlags TTableLineHeaderModel::flags(const QModelIndex &Index) const
{
    // Lines are numbered only: no marking, no names, no editing.
    return Index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

// Column header grid.

int TTableColHeaderModel::rowCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : 3;
}

int TTableColHeaderModel::columnCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : TTableSide::Columns + 1;
}

QVariant TTableColHeaderModel::data(const QModelIndex &Index, int R) const
{
    if (!Index.isValid() || Index.column() >= TTableSide::Columns)
        return {};
    const tLumen &L = Owner.GridLumen();
    const TTableSide &S = Owner.GridSide();
    const int Col = Index.column();
    if (R == Qt::DisplayRole || R == Qt::EditRole) {
        switch (Index.row()) {
        case 0:
            return QString::number(Col + 1);
        case 1:
            return S.Name(L, Col);
        default:
            return S.PartCaptions().join(QLatin1Char('\t'));
        }
    }
    if (R == Role(TGridRole::Marked))
        return S.IsMarked(L, Col);
    return {};
}

bool TTableColHeaderModel::setData(const QModelIndex &Index, const QVariant &Value, int R)
{
    if (!Index.isValid() || Index.row() != 1 || Index.column() >= TTableSide::Columns ||
        (R != Qt::EditRole && R != Role(TGridRole::CancelEdit)))
        return false;
    Owner.NameTyped(Index.column(), Value.toString());
    return true;
}

Qt::ItemFlags TTableColHeaderModel::flags(const QModelIndex &Index) const
{
    if (!Index.isValid() || Index.column() >= TTableSide::Columns)
        return Qt::NoItemFlags;
    if (Index.row() == 1)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    return Qt::ItemIsEnabled;
}

void TTableColHeaderModel::ColumnChanged(int Col)
{
    if (Col >= 0 && Col < TTableSide::Columns)
        emit dataChanged(index(0, Col), index(2, Col));
}

void TTableColHeaderModel::AllChanged()
{
    emit dataChanged(index(0, 0), index(2, TTableSide::Columns - 1));
}
