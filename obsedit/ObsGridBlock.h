// The grid block of the observation editor: the corner with the edit
// direction button, the column header grid SojleDG, the line header grid
// LinieDG and the data grid DataDG. The edit page and the mixed page each hold
// one block; both blocks show the same three models.
#pragma once

#include "GridView.h"
#include "ObsGridModels.h"

#include <QWidget>

class QLabel;
class QToolButton;

class TObsGridBlock : public QWidget
{
    Q_OBJECT
  public:
    static constexpr int ColWidth = 96;
    static constexpr int RowHeight = 24;
    static constexpr int NumberWidth = 34;
    static constexpr int NameWidth = 74;
    static constexpr int HeaderHeight = 53;

    // Suffix "" for the edit page, "1" for the mixed page's copy.
    TObsGridBlock(const QString &Suffix, TObsDataModel *Data, TObsColHeaderModel *ColHeader,
                  TObsLineHeaderModel *LineHeader, TGridEvents *Events, const TPressedCell *Pressed,
                  QWidget *Parent = nullptr);

    TGridView *SojleDG;
    TGridView *LinieDG;
    TGridView *DataDG;
    QToolButton *DirectionSpeed;
    QLabel *NavneLabel;

    // Scrolling in whole cells.
    void ScrollToColumn(int Col);
    void ScrollToRow(int Row);
    void ScrollTopLeft();
    // Scrolls just enough to show the cell.
    void ShowCell(int Row, int Col);
    int LeftColumn() const;
    int TopRow() const;

    // Ends editing in the three grids (data grid first).
    void EndEditing();

    // Zooms the grids, the corner and the spacers by Factor (1 = 100 %).
    void SetZoom(double Factor);

  private:
    QWidget *Corner;
    QWidget *TopSpacer;
    QWidget *LeftSpacer;
};

// Delegates drawing the cells as the editor wants them.
class TObsDataDelegate : public TGridDelegate
{
    Q_OBJECT
  public:
    using TGridDelegate::TGridDelegate;
    void paint(QPainter *P, const QStyleOptionViewItem &Option,
               const QModelIndex &Index) const override;
};

class TObsColHeaderDelegate : public TGridDelegate
{
    Q_OBJECT
  public:
    TObsColHeaderDelegate(TGridView *View, TGridView *DataView, const TPressedCell *Pressed)
        : TGridDelegate(View), DataView(DataView), Pressed(Pressed)
    {
    }
    void paint(QPainter *P, const QStyleOptionViewItem &Option,
               const QModelIndex &Index) const override;
    // The drop button of a letter cell: a square as wide as the cell is high
    // at its right end.
    static QRect DropButton(const QRect &Cell);

  private:
    TGridView *DataView;
    const TPressedCell *Pressed;
};

class TObsLineHeaderDelegate : public TGridDelegate
{
    Q_OBJECT
  public:
    TObsLineHeaderDelegate(TGridView *View, TGridView *DataView, const TPressedCell *Pressed)
        : TGridDelegate(View), DataView(DataView), Pressed(Pressed)
    {
    }
    void paint(QPainter *P, const QStyleOptionViewItem &Option,
               const QModelIndex &Index) const override;

  private:
    TGridView *DataView;
    const TPressedCell *Pressed;
};

