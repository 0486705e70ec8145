// The grid block of the table editors: two or three grid columns per table
// column (the data grid HypDG or GrupDG), a column header of number, name and
// part captions, a line header of numbers, and the delegates that draw them.
#pragma once

#include "GridBlock.h"
#include "TableGridModels.h"

class TTableGridBlock : public TGridBlock
{
    Q_OBJECT
  public:
    // DataName "HypDG" or "GrupDG"; Suffix "" for the edit page, "1" for the
    // mixed page's copy.
    TTableGridBlock(const QString &DataName, const QString &Suffix, int Parts,
                    TTableDataModel *Data, TTableColHeaderModel *ColHeader,
                    TGridLineHeaderModel *LineHeader, TGridEvents *Events,
                    const TPressedCell *Pressed, QWidget *Parent = nullptr);
};
