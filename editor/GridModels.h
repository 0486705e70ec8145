// The grids of an editor as thin models over the data set: the data cells,
// the column header and the line header. Nothing is copied; every call reads
// the data set through the editor that owns the grids. The editors differ in
// the shape of their grids and in what their cells show; the rest is here.
#pragma once

#include "GridView.h"
#include "Lumen.h"

#include <QAbstractTableModel>

// What the grids need from the editor that owns them.
class TGridOwner
{
  public:
    virtual ~TGridOwner() = default;
    virtual tLumen &GridLumen() = 0;
    virtual int GridRowCount() const = 0;
    // A text typed into data grid column GridCol, into a column's name or
    // into a line's name (only editors with line names have them).
    virtual void CellTyped(int Line, int GridCol, const QString &Text) = 0;
    virtual void ColNameTyped(int Col, const QString &Text) = 0;
    virtual void LineNameTyped(int Line, const QString &Text)
    {
        Q_UNUSED(Line);
        Q_UNUSED(Text);
    }
    // An in-place edit of a data cell starts, or is given up with Escape:
    // the cell (already stored keystroke by keystroke) returns to what it was.
    virtual void CellEditStarted(int Line, int GridCol) = 0;
    virtual void CellEditCancelled(int Line, int GridCol) = 0;
};

// The shape of an editor's grids.
struct TGridShape {
    int Columns = 0;      // data columns (A..Z, or the eight tables)
    int Parts = 1;        // grid columns per data column
    bool Filler = false;  // one more data column's worth of empty grid columns
    int HeaderRows = 2;   // rows of the column header; row 1 is the name
    bool LineNames = false; // the line header has a name column after the numbers
};

// Base of the three models: the editor that owns them and their shape.
class TGridModel : public QAbstractTableModel
{
    Q_OBJECT
  public:
    TGridModel(TGridOwner &Owner, const TGridShape &Shape, QObject *Parent = nullptr)
        : QAbstractTableModel(Parent), Owner(Owner), GridShape(Shape)
    {
    }
    const TGridShape &Shape() const { return GridShape; }
    // Everything changed (a data set read or replaced).
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }

  protected:
    TGridOwner &Owner;
    const TGridShape GridShape;
};

// The row count shared by the data grid and the line header grid.
class TGridRowModel : public TGridModel
{
    Q_OBJECT
  public:
    using TGridModel::TGridModel;
    int rowCount(const QModelIndex &Parent = {}) const override;
    // The owner changed its row count: tell the views.
    void RowCountChanged(int OldCount, int NewCount);
};

// The data grid: Parts grid columns per data column, then the fillers.
class TGridDataModel : public TGridRowModel
{
    Q_OBJECT
  public:
    using TGridRowModel::TGridRowModel;
    int columnCount(const QModelIndex &Parent = {}) const override;
    bool setData(const QModelIndex &Index, const QVariant &Value, int Role) override;
    Qt::ItemFlags flags(const QModelIndex &Index) const override;

    // The data column of a grid column (-1 for the fillers) and its part.
    int DataCol(int GridCol) const;
    int Part(int GridCol) const { return GridCol % GridShape.Parts; }
    int GridCol(int Col, int Part) const { return Col * GridShape.Parts + Part; }

    // One grid column's cells changed (values or decimals).
    void GridColumnChanged(int GridCol);
    // Every part of data column Col changed (values, decimals, kind).
    void ColumnChanged(int Col);
    void LineChanged(int Line);
    void AllChanged();

  protected:
    // Whether the cursor may enter the cells of data column Col.
    virtual bool Enterable(int Col) const
    {
        Q_UNUSED(Col);
        return true;
    }
};

// The line header: the line numbers, and the names where the editor has them.
class TGridLineHeaderModel : public TGridRowModel
{
    Q_OBJECT
  public:
    using TGridRowModel::TGridRowModel;
    int columnCount(const QModelIndex &Parent = {}) const override;
    QVariant data(const QModelIndex &Index, int Role) const override;
    bool setData(const QModelIndex &Index, const QVariant &Value, int Role) override;
    Qt::ItemFlags flags(const QModelIndex &Index) const override;
    void AllChanged();
};

// The column header: row 0 the number or letter with the drop button, row 1
// the name, further rows the editor's own. A filler column matches the data
// grid's fillers, so that both grids scroll alike.
class TGridColHeaderModel : public TGridModel
{
    Q_OBJECT
  public:
    using TGridModel::TGridModel;
    int rowCount(const QModelIndex &Parent = {}) const override;
    int columnCount(const QModelIndex &Parent = {}) const override;
    bool setData(const QModelIndex &Index, const QVariant &Value, int Role) override;
    Qt::ItemFlags flags(const QModelIndex &Index) const override;
    void ColumnChanged(int Col);
    void AllChanged();
};
