// The three grids of the observation editor: one grid column per data column
// A..Z, a column header of letters and names, a line header of numbers and
// names. What the cells show is here; the rest is the editors' shared models.
#pragma once

#include "GridModels.h"

enum TColumnKind { ckPlain = 0, ckComputed = 1, ckRandom = 2 };

TColumnKind ColumnKindOf(const tLumen &Lumen, int Col);

// The shape of the observation editor's grids, given to each model.
TGridShape ObsGridShape();

class TObsDataModel : public TGridDataModel
{
    Q_OBJECT
  public:
    using TGridDataModel::TGridDataModel;
    QVariant data(const QModelIndex &Index, int Role) const override;

  protected:
    // Computed and random columns are filled by the program: the cursor may
    // not enter them.
    bool Enterable(int Col) const override;
};

// The numbers are marked and picked; the names are the base's.
class TObsLineHeaderModel : public TGridLineHeaderModel
{
    Q_OBJECT
  public:
    using TGridLineHeaderModel::TGridLineHeaderModel;
    QVariant data(const QModelIndex &Index, int Role) const override;
};

// The letter, in brackets for a grouped column, and the name.
class TObsColHeaderModel : public TGridColHeaderModel
{
    Q_OBJECT
  public:
    using TGridColHeaderModel::TGridColHeaderModel;
    QVariant data(const QModelIndex &Index, int Role) const override;
};
