// The grid block of an editor: the corner with the edit direction button,
// the column header grid SojleDG, the line header grid LinieDG and the data
// grid. The edit page and the mixed page each hold one block; both show the
// same three models. The editors give the block its sizes and the delegates
// that draw their cells.
#pragma once

#include "GridView.h"

#include <QVector>
#include <QWidget>

class QToolButton;

// The sizes and names of a block.
struct TGridBlockLook {
    QString DataName;               // "DataDG", "HypDG" or "GrupDG"
    int Parts = 1;                  // grid columns per data column
    int CellWidth = 0;              // width of one grid column
    int RowHeight = 24;             // height of a data line
    QVector<int> HeaderRowHeights;  // the column header's rows
    QVector<int> LineHeaderWidths;  // the line header's columns
    int LineHeaderMargin = 0;       // what the line header's frame adds to them
    bool HeaderGridLines = true;    // the header grids draw the view's grid lines
    bool LineHeaderFocus = true;    // the line header takes the focus (its names)
    int DirectionLeft = 3;          // where the direction button sits in the corner
};

class TGridBlock : public QWidget
{
    Q_OBJECT
  public:
    // Suffix "" for the edit page, "1" for the mixed page's copy.
    TGridBlock(const TGridBlockLook &Look, const QString &Suffix, QAbstractItemModel *Data,
               QAbstractItemModel *ColHeader, QAbstractItemModel *LineHeader,
               TGridEvents *Events, QWidget *Parent = nullptr);

    TGridView *SojleDG;
    TGridView *LinieDG;
    TGridView *DataDG;
    QToolButton *DirectionSpeed;

    // Sizes.
    int CellWidth() const { return Look.CellWidth; }
    int RowHeight() const { return Look.RowHeight; }
    int HeaderHeight() const;
    int LineHeaderWidth() const;

    // Scrolling in whole grid columns and rows.
    void ScrollToGridColumn(int GridCol);
    void ScrollToRow(int Row);
    void ScrollTopLeft();
    // Scrolls just enough to show the cell.
    void ShowCell(int Row, int GridCol);
    int LeftGridColumn() const;
    int TopRow() const;

    // Ends editing in the three grids (data grid first).
    void EndEditing();

    // Zooms the grids, the corner and the spacers by Factor (1 = 100 %).
    virtual void SetZoom(double Factor);

  protected:
    // The corner over the line header, for what an editor adds there.
    QWidget *Corner;

  private:
    const TGridBlockLook Look;
    QWidget *TopSpacer;
    QWidget *LeftSpacer;
};

// Draws a data cell: the background, the text right-aligned (a number too
// wide for its cell shows "###", never a cut-off number that reads as another
// one; a text is cut at its left) and the cursor frame, heavier while the
// grid has the focus. The editors choose the colours.
class TGridCellDelegate : public TGridDelegate
{
    Q_OBJECT
  public:
    using TGridDelegate::TGridDelegate;
    void paint(QPainter *P, const QStyleOptionViewItem &Option,
               const QModelIndex &Index) const override;

  protected:
    struct TCellLook {
        QColor Back;
        QColor Pen = Qt::black;
        bool Bold = false;
    };
    virtual TCellLook Look(const QModelIndex &Index, bool Marked, int State) const = 0;
};

// Base of the header delegates: the number or letter cells that work as
// buttons, with the data grid's cursor shown bold in them.
class TGridHeaderDelegate : public TGridDelegate
{
    Q_OBJECT
  public:
    TGridHeaderDelegate(TGridView *View, TGridView *DataView, const TPressedCell *Pressed,
                        int Parts = 1)
        : TGridDelegate(View), DataView(DataView), Pressed(Pressed), Parts(Parts)
    {
    }

  protected:
    // A column's number or letter cell with its drop button (row 0).
    void PaintColumnButton(QPainter *P, const QStyleOptionViewItem &Option,
                           const QModelIndex &Index) const;
    // A line's raised number cell.
    void PaintLineButton(QPainter *P, const QStyleOptionViewItem &Option,
                         const QModelIndex &Index) const;
    // Whether the data grid's cursor stands in the column or on the line.
    bool CurrentColumn(int Col) const;
    bool CurrentLine(int Row) const;

    TGridView *DataView;
    const TPressedCell *Pressed;
    int Parts;
};
