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

int TObsRowModel::rowCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : Owner.GridRowCount();
}

void TObsRowModel::RowCountChanged(int OldCount, int NewCount)
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

int TObsDataModel::columnCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : ObsColumns;
}

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

bool TObsDataModel::setData(const QModelIndex &Index, const QVariant &Value, int R)
{
    if (!Index.isValid())
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

Qt::ItemFlags TObsDataModel::flags(const QModelIndex &Index) const
{
    if (!Index.isValid())
        return Qt::NoItemFlags;
    // Computed and random columns are filled by the program: the cursor may
    // not enter them.
    if (ColumnKindOf(Owner.GridLumen(), Index.column()) != ckPlain)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void TObsDataModel::ColumnChanged(int Col)
{
    if (Col < 0 || Col >= ObsColumns || rowCount() == 0)
        return;
    emit dataChanged(index(0, Col), index(rowCount() - 1, Col));
}

void TObsDataModel::LineChanged(int Line)
{
    if (Line < 0 || Line >= rowCount())
        return;
    emit dataChanged(index(Line, 0), index(Line, ObsColumns - 1));
}

void TObsDataModel::AllChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ObsColumns - 1));
}

// Line header grid.

int TObsLineHeaderModel::columnCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : 2;
}

QVariant TObsLineHeaderModel::data(const QModelIndex &Index, int R) const
{
    if (!Index.isValid())
        return {};
    const tLumen &L = Owner.GridLumen();
    const int Line = Index.row();
    if (R == Qt::DisplayRole || R == Qt::EditRole)
        return Index.column() == 0 ? QString::number(Line + 1) : L.GetLineName(Line);
    if (R == Role(TGridRole::Marked))
        return L.IsLineSelected(Line);
    if (R == Role(TGridRole::Picked)) {
        const tDescriptor *D = FindDescriptor(L);
        return D != nullptr && D->IsPicked(Line);
    }
    return {};
}

bool TObsLineHeaderModel::setData(const QModelIndex &Index, const QVariant &Value, int R)
{
    // A name is plain text: giving up an edit stores the original again.
    if (!Index.isValid() || Index.column() != 1 ||
        (R != Qt::EditRole && R != Role(TGridRole::CancelEdit)))
        return false;
    Owner.LineNameTyped(Index.row(), Value.toString());
    return true;
}

Qt::ItemFlags TObsLineHeaderModel::flags(const QModelIndex &Index) const
{
    if (!Index.isValid())
        return Qt::NoItemFlags;
    if (Index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void TObsLineHeaderModel::AllChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 1));
}

// Column header grid.

int TObsColHeaderModel::rowCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : 2;
}

int TObsColHeaderModel::columnCount(const QModelIndex &Parent) const
{
    return Parent.isValid() ? 0 : ObsColumns;
}

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

bool TObsColHeaderModel::setData(const QModelIndex &Index, const QVariant &Value, int R)
{
    if (!Index.isValid() || Index.row() != 1 ||
        (R != Qt::EditRole && R != Role(TGridRole::CancelEdit)))
        return false;
    Owner.ColNameTyped(Index.column(), Value.toString());
    return true;
}

Qt::ItemFlags TObsColHeaderModel::flags(const QModelIndex &Index) const
{
    if (!Index.isValid())
        return Qt::NoItemFlags;
    if (Index.row() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void TObsColHeaderModel::ColumnChanged(int Col)
{
    if (Col >= 0 && Col < ObsColumns)
        emit dataChanged(index(0, Col), index(1, Col));
}

void TObsColHeaderModel::AllChanged()
{
    emit dataChanged(index(0, 0), index(1, ObsColumns - 1));
}
