// The grids of the table editors as thin models over one side of the data
// set: the data cells (two or three grid columns per table column, then one
// table column's worth of fillers), the column header (number, name,
// captions) and the line header (numbers only).
#pragma once

#include "GridView.h"
#include "TableSide.h"

#include <QAbstractTableModel>

class TTableGridOwner
{
  public:
    virtual ~TTableGridOwner() = default;
    virtual tLumen &GridLumen() = 0;
    virtual const TTableSide &GridSide() const = 0;
    virtual int GridRowCount() const = 0;
    // A text typed into data grid column GridCol, or into a column's name.
    virtual void CellTyped(int Line, int GridCol, const QString &Text) = 0;
    virtual void NameTyped(int Col, const QString &Text) = 0;
    // An in-place edit starts, or is given up with Escape.
    virtual void CellEditStarted(int Line, int GridCol) = 0;
    virtual void CellEditCancelled(int Line, int GridCol) = 0;
};

// The row count shared by the data grid and the line header grid.
class TTableRowModel : public QAbstractTableModel
{
    Q_OBJECT
  public:
    TTableRowModel(TTableGridOwner &Owner, QObject *Parent = nullptr)
        : QAbstractTableModel(Parent), Owner(Owner)
    {
    }
    int rowCount(const QModelIndex &Parent = {}) const override;
    void RowCountChanged(int OldCount, int NewCount);
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }

  protected:
    TTableGridOwner &Owner;
};

class TTableDataModel : public TTableRowModel
{
    Q_OBJECT
  public:
    using TTableRowModel::TTableRowModel;
    int columnCount(const QModelIndex &Parent = {}) const override;
    QVariant data(const QModelIndex &Index, int Role) const override;
    bool setData(const QModelIndex &Index, const QVariant &Value, int Role) override;
    Qt::ItemFlags flags(const QModelIndex &Index) const override;

    // The table column of a grid column (-1 for the fillers) and its part.
    int TableCol(int GridCol) const;
    int Part(int GridCol) const { return GridCol % Owner.GridSide().Parts(); }
    int GridCol(int TableCol, int Part) const { return TableCol * Owner.GridSide().Parts() + Part; }

    // One grid column's cells changed (values or decimals).
    void GridColumnChanged(int GridCol);
    // Every part of a table column changed.
    void TableColumnChanged(int Col);
    void AllChanged();
};

class TTableLineHeaderModel : public TTableRowModel
{
    Q_OBJECT
  public:
    using TTableRowModel::TTableRowModel;
    int columnCount(const QModelIndex &Parent = {}) const override;
    QVariant data(const QModelIndex &Index, int Role) const override;
    Qt::ItemFlags flags(const QModelIndex &Index) const override;
};

// Rows: 0 the column number with the drop button, 1 the name, 2 the part
// captions. A ninth column is a filler as wide as the data grid's fillers, so
// that both grids scroll alike.
class TTableColHeaderModel : public QAbstractTableModel
{
    Q_OBJECT
  public:
    TTableColHeaderModel(TTableGridOwner &Owner, QObject *Parent = nullptr)
        : QAbstractTableModel(Parent), Owner(Owner)
    {
    }
    int rowCount(const QModelIndex &Parent = {}) const override;
    int columnCount(const QModelIndex &Parent = {}) const override;
    QVariant data(const QModelIndex &Index, int Role) const override;
    bool setData(const QModelIndex &Index, const QVariant &Value, int Role) override;
    Qt::ItemFlags flags(const QModelIndex &Index) const override;
    void ColumnChanged(int Col);
    void AllChanged();
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }

  private:
    TTableGridOwner &Owner;
};
