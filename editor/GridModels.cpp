#include "GridModels.h"

namespace
{
int Role(TGridRole R)
{
    return int(R);
}

constexpr Qt::ItemFlags Editable = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
} // namespace

int TGridRowModel::rowCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : Owner.GridRowCount();
}

void TGridRowModel::RowCountChanged(int OldCount, int NewCount)
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

int TGridDataModel::columnCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : (GridShape.Columns + (GridShape.Filler ? 1 : 0)) * GridShape.Parts;
}

int TGridDataModel::DataCol(int GridCol) const
{
    const int Col = GridCol / GridShape.Parts;
    return GridCol >= 0 && Col < GridShape.Columns ? Col : -1;
}

bool TGridDataModel::setData(const QModelIndex &Index, const QVariant &Value, int R)
{
    if (!Index.isValid() || DataCol(Index.column()) < 0)
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

Qt::ItemFlags TGridDataModel::flags(const QModelIndex &Index) const
{
    // The fillers hold nothing; columns the program fills keep the cursor out.
    if (!Index.isValid())
        return Qt::NoItemFlags;
    const int Col = DataCol(Index.column());
    if (Col < 0 || !Enterable(Col))
        return Qt::NoItemFlags;
    return Editable;
}

void TGridDataModel::GridColumnChanged(int GridCol)
{
    if (DataCol(GridCol) < 0 || rowCount() == 0)
        return;
    emit dataChanged(index(0, GridCol), index(rowCount() - 1, GridCol));
}

void TGridDataModel::ColumnChanged(int Col)
{
    if (Col < 0 || Col >= GridShape.Columns || rowCount() == 0)
        return;
    emit dataChanged(index(0, GridCol(Col, 0)), index(rowCount() - 1, GridCol(Col, GridShape.Parts - 1)));
}

void TGridDataModel::LineChanged(int Line)
{
    if (Line < 0 || Line >= rowCount())
        return;
    emit dataChanged(index(Line, 0), index(Line, GridShape.Columns * GridShape.Parts - 1));
}

void TGridDataModel::AllChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

// Line header grid.

int TGridLineHeaderModel::columnCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : (GridShape.LineNames ? 2 : 1);
}

QVariant TGridLineHeaderModel::data(const QModelIndex &Index, int R) const
{
    if (!Index.isValid() || (R != Qt::DisplayRole && R != Qt::EditRole))
        return {};
    if (Index.column() == 0)
        return QString::number(Index.row() + 1);
    return Owner.GridLumen().GetLineName(Index.row());
}

bool TGridLineHeaderModel::setData(const QModelIndex &Index, const QVariant &Value, int R)
{
    // A name is plain text: giving up an edit stores the original again.
    if (!Index.isValid() || Index.column() != 1 ||
        (R != Qt::EditRole && R != Role(TGridRole::CancelEdit)))
        return false;
    Owner.LineNameTyped(Index.row(), Value.toString());
    return true;
}

Qt::ItemFlags TGridLineHeaderModel::flags(const QModelIndex &Index) const
{
    // The numbers are buttons at most: no editing.
    if (!Index.isValid())
        return Qt::NoItemFlags;
    return Index.column() == 0 ? Qt::ItemIsEnabled : Editable;
}

void TGridLineHeaderModel::AllChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

// Column header grid.

int TGridColHeaderModel::rowCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : GridShape.HeaderRows;
}

int TGridColHeaderModel::columnCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : GridShape.Columns + (GridShape.Filler ? 1 : 0);
}

bool TGridColHeaderModel::setData(const QModelIndex &Index, const QVariant &Value, int R)
{
    if (!Index.isValid() || Index.row() != 1 || Index.column() >= GridShape.Columns ||
        (R != Qt::EditRole && R != Role(TGridRole::CancelEdit)))
        return false;
    Owner.ColNameTyped(Index.column(), Value.toString());
    return true;
}

Qt::ItemFlags TGridColHeaderModel::flags(const QModelIndex &Index) const
{
    if (!Index.isValid() || Index.column() >= GridShape.Columns)
        return Qt::NoItemFlags;
    return Index.row() == 1 ? Editable : Qt::ItemIsEnabled;
}

void TGridColHeaderModel::ColumnChanged(int Col)
{
    if (Col >= 0 && Col < GridShape.Columns)
        emit dataChanged(index(0, Col), index(GridShape.HeaderRows - 1, Col));
}

void TGridColHeaderModel::AllChanged()
{
    emit dataChanged(index(0, 0), index(GridShape.HeaderRows - 1, GridShape.Columns - 1));
}
