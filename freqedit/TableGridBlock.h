// The grid block of the table editors: the corner with the edit direction
// button, the column header grid SojleDG, the line header grid LinieDG and the
// data grid (HypDG or GrupDG). The edit page and the mixed page each hold one
// block; both show the same three models.
#pragma once

#include "GridView.h"
#include "TableGridModels.h"

#include <QWidget>

class QToolButton;

class TTableGridBlock : public QWidget
{
    Q_OBJECT
  public:
    static constexpr int CellWidth = 72;
    static constexpr int RowHeight = 24;
    static constexpr int NumberWidth = 48;
    static constexpr int NumberRowHeight = 26;
    static constexpr int HeaderHeight = NumberRowHeight + 2 * RowHeight;

    // DataName "HypDG" or "GrupDG"; Suffix "" for the edit page, "1" for the
    // mixed page's copy.
    TTableGridBlock(const QString &DataName, const QString &Suffix, int Parts,
                    TTableDataModel *Data, TTableColHeaderModel *ColHeader,
                    TTableLineHeaderModel *LineHeader, TGridEvents *Events,
                    const TPressedCell *Pressed, QWidget *Parent = nullptr);

    TGridView *SojleDG;
    TGridView *LinieDG;
    TGridView *DataDG;
    QToolButton *DirectionSpeed;

    // Scrolling in whole grid columns and rows.
    void ScrollToGridColumn(int GridCol);
    void ScrollTopLeft();
    void ShowCell(int Row, int GridCol);
    void EndEditing();

    // Zooms the grids, the corner and the spacers by Factor (1 = 100 %).
    void SetZoom(double Factor);

  private:
    int Parts;
    QWidget *Corner;
    QWidget *TopSpacer;
    QWidget *LeftSpacer;
};

class TTableDataDelegate : public TGridDelegate
{
    Q_OBJECT
  public:
    TTableDataDelegate(TGridView *View, int Parts) : TGridDelegate(View), Parts(Parts) {}
    void paint(QPainter *P, const QStyleOptionViewItem &Option,
               const QModelIndex &Index) const override;

  private:
    int Parts;
};

class TTableColHeaderDelegate : public TGridDelegate
{
    Q_OBJECT
  public:
    TTableColHeaderDelegate(TGridView *View, TGridView *DataView, const TPressedCell *Pressed,
                            int Parts)
        : TGridDelegate(View), DataView(DataView), Pressed(Pressed), Parts(Parts)
    {
    }
    void paint(QPainter *P, const QStyleOptionViewItem &Option,
               const QModelIndex &Index) const override;

  private:
    TGridView *DataView;
    const TPressedCell *Pressed;
    int Parts;
};

class TTableLineHeaderDelegate : public TGridDelegate
{
    Q_OBJECT
  public:
    TTableLineHeaderDelegate(TGridView *View, TGridView *DataView)
        : TGridDelegate(View), DataView(DataView)
    {
    }
    void paint(QPainter *P, const QStyleOptionViewItem &Option,
               const QModelIndex &Index) const override;

  private:
    TGridView *DataView;
};
