// The three grids of the observation editor as thin models over the data set:
// the data cells, the column header (letters and names) and the line header
// (numbers and names). Nothing is copied; every call reads the data set.
#pragma once

#include "GridView.h"
#include "Lumen.h"

#include <QAbstractTableModel>
#include <functional>

// What the grids need from the editor that owns them.
class TObsGridOwner
{
  public:
    virtual ~TObsGridOwner() = default;
    virtual tLumen &GridLumen() = 0;
    virtual int GridRowCount() const = 0;
    // A text typed into a data cell, a column name or a line name.
    virtual void CellTyped(int Line, int Col, const QString &Text) = 0;
    virtual void ColNameTyped(int Col, const QString &Text) = 0;
    virtual void LineNameTyped(int Line, const QString &Text) = 0;
    // An in-place edit of a data cell starts, or is given up with Escape:
    // the cell (already stored keystroke by keystroke) returns to what it was.
    virtual void CellEditStarted(int Line, int Col) = 0;
    virtual void CellEditCancelled(int Line, int Col) = 0;
};

enum TColumnKind { ckPlain = 0, ckComputed = 1, ckRandom = 2 };

TColumnKind ColumnKindOf(const tLumen &Lumen, int Col);

// The row count shared by the data grid and the line header grid.
class TObsRowModel : public QAbstractTableModel
{
    Q_OBJECT
  public:
    explicit TObsRowModel(TObsGridOwner &Owner, QObject *Parent = nullptr)
        : QAbstractTableModel(Parent), Owner(Owner)
    {
    }
    int rowCount(const QModelIndex &Parent = {}) const override;
    // The owner changed its row count: tell the views.
    void RowCountChanged(int OldCount, int NewCount);
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }

  protected:
    TObsGridOwner &Owner;
};

class TObsDataModel : public TObsRowModel
{
    Q_OBJECT
  public:
    using TObsRowModel::TObsRowModel;
    int columnCount(const QModelIndex &Parent = {}) const override;
    QVariant data(const QModelIndex &Index, int Role) const override;
    bool setData(const QModelIndex &Index, const QVariant &Value, int Role) override;
    Qt::ItemFlags flags(const QModelIndex &Index) const override;
    // One column's cells changed (values, decimals, kind).
    void ColumnChanged(int Col);
    void LineChanged(int Line);
    void AllChanged();
};

class TObsLineHeaderModel : public TObsRowModel
{
    Q_OBJECT
  public:
    using TObsRowModel::TObsRowModel;
    int columnCount(const QModelIndex &Parent = {}) const override;
    QVariant data(const QModelIndex &Index, int Role) const override;
    bool setData(const QModelIndex &Index, const QVariant &Value, int Role) override;
    Qt::ItemFlags flags(const QModelIndex &Index) const override;
    void AllChanged();
};

class TObsColHeaderModel : public QAbstractTableModel
{
    Q_OBJECT
  public:
    explicit TObsColHeaderModel(TObsGridOwner &Owner, QObject *Parent = nullptr)
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
    TObsGridOwner &Owner;
};
