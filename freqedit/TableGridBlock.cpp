#include "TableGridBlock.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

namespace
{
// The values on cream, the frequencies on white; the fillers grey.
class TTableDataDelegate : public TGridCellDelegate
{
  public:
    TTableDataDelegate(TGridView *View, int Parts) : TGridCellDelegate(View), Parts(Parts) {}

  protected:
    TCellLook Look(const QModelIndex &Index, bool Marked, int State) const override;

  private:
    int Parts;
};

class TTableColHeaderDelegate : public TGridHeaderDelegate
{
  public:
    using TGridHeaderDelegate::TGridHeaderDelegate;
    void paint(QPainter *P, const QStyleOptionViewItem &Option,
               const QModelIndex &Index) const override;

  private:
    // The captions over the parts, one raised cell each.
    void PaintCaptions(QPainter *P, const QStyleOptionViewItem &Option, const QString &Text) const;
};

class TTableLineHeaderDelegate : public TGridHeaderDelegate
{
  public:
    TTableLineHeaderDelegate(TGridView *View, TGridView *DataView)
        : TGridHeaderDelegate(View, DataView, nullptr)
    {
    }
    void paint(QPainter *P, const QStyleOptionViewItem &Option,
               const QModelIndex &Index) const override;
};

// The sizes of a table editor's grids: 72 pixels a part, a column header of
// number, name and captions, a line header of numbers.
TGridBlockLook TableLook(const QString &DataName, int Parts)
{
    TGridBlockLook L;
    L.DataName = DataName;
    L.Parts = Parts;
    L.CellWidth = 72;
    L.RowHeight = 24;
    L.HeaderRowHeights = {26, L.RowHeight, L.RowHeight};
    L.LineHeaderWidths = {48};
    // The header cells draw their own lines; the line numbers take no focus.
    L.HeaderGridLines = false;
    L.LineHeaderFocus = false;
    L.DirectionLeft = 9;
    return L;
}

// The font, made smaller when needed, in which Text fits into Width pixels
// (the captions "Nedre grænse" and "Øvre grænse" in a cell of one number).
QFont FittingFont(const QFont &Font, const QString &Text, int Width)
{
    QFont F = Font;
    for (int Step = 0; Step < 8 && QFontMetrics(F).horizontalAdvance(Text) > Width; ++Step) {
        if (F.pixelSize() > 0)
            F.setPixelSize(F.pixelSize() - 1);
        else
            F.setPointSizeF(F.pointSizeF() - 0.5);
    }
    return F;
}
} // namespace

TTableGridBlock::TTableGridBlock(const QString &DataName, const QString &Suffix, int Parts,
                                 TTableDataModel *Data, TTableColHeaderModel *ColHeader,
                                 TGridLineHeaderModel *LineHeader, TGridEvents *Events,
                                 const TPressedCell *Pressed, QWidget *Parent)
    : TGridBlock(TableLook(DataName, Parts), Suffix, Data, ColHeader, LineHeader, Events, Parent)
{
    DataDG->setItemDelegate(new TTableDataDelegate(DataDG, Parts));
    SojleDG->setItemDelegate(new TTableColHeaderDelegate(SojleDG, DataDG, Pressed, Parts));
    LinieDG->setItemDelegate(new TTableLineHeaderDelegate(LinieDG, DataDG));
}

// Cell drawing.

namespace
{

TGridCellDelegate::TCellLook TTableDataDelegate::Look(const QModelIndex &Index, bool Marked,
                                                      int State) const
{
    const int Col = Index.column();
    TCellLook L;
    if (Col >= TTableSide::Columns * Parts)
        L.Back = gridpaint::ButtonFace();
    else if (Col % Parts == Parts - 1)
        L.Back = Marked ? gridcolor::MarkedCell() : QApplication::palette().color(QPalette::Base);
    else
        L.Back = Marked ? QColor(Qt::black) : gridcolor::Cream();
    L.Pen = State == csText ? QColor(Qt::red) : Marked ? QColor(Qt::white) : QColor(Qt::black);
    return L;
}

void TTableColHeaderDelegate::paint(QPainter *P, const QStyleOptionViewItem &Option,
                                    const QModelIndex &Index) const
{
    const QRect R = Option.rect;
    P->save();
    if (Index.column() >= TTableSide::Columns) {
        P->fillRect(R, gridpaint::ButtonFace());
        P->restore();
        return;
    }
    const QString Text = Index.data(Qt::DisplayRole).toString();
    switch (Index.row()) {
    case 0:
        PaintColumnButton(P, Option, Index);
        break;
    case 1:
        P->fillRect(R, gridcolor::Cream());
        // The grid lines are the header's own: a line below and at the right.
        P->setPen(QColor(160, 160, 160));
        P->drawLine(R.bottomLeft(), R.bottomRight());
        P->drawLine(R.topRight(), R.bottomRight());
        P->setPen(Qt::black);
        P->setFont(Option.font);
        P->drawText(R.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextSingleLine, Text);
        break;
    default:
        PaintCaptions(P, Option, Text);
        break;
    }
    P->restore();
}

void TTableColHeaderDelegate::PaintCaptions(QPainter *P, const QStyleOptionViewItem &Option,
                                            const QString &Text) const
{
    // The header cell spans the grid columns of its table column.
    const QRect R = Option.rect;
    const int CellWidth = R.width() / Parts;
    const QStringList Captions = Text.split(QLatin1Char('\t'));
    for (int I = 0; I < Captions.size(); ++I) {
        const int Left = R.left() + I * CellWidth;
        const int Right = I + 1 == Captions.size() ? R.right() + 1 : Left + CellWidth;
        const QRect Cell(Left, R.top(), Right - Left, R.height());
        P->fillRect(Cell, gridpaint::ButtonFace());
        gridpaint::Frame3D(*P, Cell, false);
        P->setPen(Qt::black);
        P->setFont(FittingFont(Option.font, Captions[I], Cell.width() - 4));
        P->drawText(Cell.adjusted(1, 0, -1, 0), Qt::AlignCenter | Qt::TextSingleLine,
                    Captions[I]);
    }
}

void TTableLineHeaderDelegate::paint(QPainter *P, const QStyleOptionViewItem &Option,
                                     const QModelIndex &Index) const
{
    P->save();
    PaintLineButton(P, Option, Index);
    P->restore();
}

} // namespace
