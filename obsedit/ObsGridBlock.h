// The grid block of the observation editor: one grid column per column A..Z,
// a column header of letters and names, a line header of numbers and names
// with the label "Navne" over the names, and the delegates that draw them.
#pragma once

#include "GridBlock.h"
#include "ObsGridModels.h"

class QLabel;

class TObsGridBlock : public TGridBlock
{
    Q_OBJECT
  public:
    // The width of the line names (the pages line up their names with it).
    static constexpr int NameWidth = 74;

    // Suffix "" for the edit page, "1" for the mixed page's copy.
    TObsGridBlock(const QString &Suffix, TObsDataModel *Data, TObsColHeaderModel *ColHeader,
                  TObsLineHeaderModel *LineHeader, TGridEvents *Events, const TPressedCell *Pressed,
                  QWidget *Parent = nullptr);

    QLabel *NavneLabel;

    // With the label "Navne".
    void SetZoom(double Factor) override;
};
