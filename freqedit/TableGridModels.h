// The grids of the table editors over one side of the data set: two or three
// grid columns per table column, then one table column's worth of fillers;
// a column header of number, name and part captions; a line header of
// numbers only (the base's). What the cells show is here; the rest is the
// editors' shared models.
#pragma once

#include "GridModels.h"
#include "TableSide.h"

// The owner of the models must be one of these.
class TTableGridOwner : public TGridOwner
{
  public:
    virtual const TTableSide &GridSide() const = 0;
};

// The shape of a table editor's grids on Side, given to each model.
TGridShape TableGridShape(const TTableSide &Side);

class TTableDataModel : public TGridDataModel
{
    Q_OBJECT
  public:
    using TGridDataModel::TGridDataModel;
    QVariant data(const QModelIndex &Index, int Role) const override;
    // The table column of a grid column (-1 for the fillers).
    int TableCol(int GridCol) const { return DataCol(GridCol); }
};

// Rows: 0 the column number with the drop button, 1 the name, 2 the part
// captions, tab-separated.
class TTableColHeaderModel : public TGridColHeaderModel
{
    Q_OBJECT
  public:
    using TGridColHeaderModel::TGridColHeaderModel;
    QVariant data(const QModelIndex &Index, int Role) const override;
};
