#include "ObsGridBlock.h"

#include "Zoom.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>

namespace
{

constexpr int NumberWidth = 34;

// Red text, white on the marks, blue for computed and magenta for random
// columns.
class TObsDataDelegate : public TGridCellDelegate
{
  public:
    using TGridCellDelegate::TGridCellDelegate;

  protected:
    TCellLook Look(const QModelIndex &Index, bool Marked, int State) const override;
};

class TObsColHeaderDelegate : public TGridHeaderDelegate
{
  public:
    using TGridHeaderDelegate::TGridHeaderDelegate;
    void paint(QPainter *P, const QStyleOptionViewItem &Option,
               const QModelIndex &Index) const override;
};

// A line number is pressed or marked (sunken), picked in a scatter diagram
// (yellow) or plain.
class TObsLineHeaderDelegate : public TGridHeaderDelegate
{
  public:
    using TGridHeaderDelegate::TGridHeaderDelegate;
    void paint(QPainter *P, const QStyleOptionViewItem &Option,
               const QModelIndex &Index) const override;
};

// The sizes of the observation editor's grids: letters over 96 pixels wide
// columns, a line header of numbers and names.
TGridBlockLook ObsLook()
{
    TGridBlockLook L;
    L.DataName = QStringLiteral("DataDG");
    L.CellWidth = 96;
    L.RowHeight = 24;
    L.HeaderRowHeights = {26, 27};
    L.LineHeaderWidths = {NumberWidth, TObsGridBlock::NameWidth};
    L.LineHeaderMargin = 2;
    L.DirectionLeft = 3;
    return L;
}

} // namespace

TObsGridBlock::TObsGridBlock(const QString &Suffix, TObsDataModel *Data,
                             TObsColHeaderModel *ColHeader, TObsLineHeaderModel *LineHeader,
                             TGridEvents *Events, const TPressedCell *Pressed, QWidget *Parent)
    : TGridBlock(ObsLook(), Suffix, Data, ColHeader, LineHeader, Events, Parent)
{
    DataDG->setItemDelegate(new TObsDataDelegate(DataDG));
    SojleDG->setItemDelegate(new TObsColHeaderDelegate(SojleDG, DataDG, Pressed));
    LinieDG->setItemDelegate(new TObsLineHeaderDelegate(LinieDG, DataDG, Pressed));

    // The framed label "Navne" over the line names.
    NavneLabel = new QLabel(QStringLiteral("Navne"), Corner);
    NavneLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    NavneLabel->setAlignment(Qt::AlignCenter);
    NavneLabel->setGeometry(NumberWidth + 1, 27, NameWidth, HeaderHeight() - 28);
}

void TObsGridBlock::SetZoom(double Factor)
{
    TGridBlock::SetZoom(Factor);
    const auto Z = [Factor](int Size) { return zoom::Scaled(Size, Factor); };
    NavneLabel->setGeometry(Z(NumberWidth) + 1, Z(27), Z(NameWidth),
                            Z(HeaderHeight()) - Z(27) - 1);
    NavneLabel->setFont(zoom::ScaledFont(font(), Factor));
}

// Cell drawing.

namespace
{

TGridCellDelegate::TCellLook TObsDataDelegate::Look(const QModelIndex &Index, bool Marked,
                                                    int State) const
{
    const int Kind = Index.data(int(TGridRole::ColumnKind)).toInt();
    TCellLook L;
    L.Back = Marked ? gridcolor::MarkedCell() : QApplication::palette().color(QPalette::Base);
    if (State == csText) {
        L.Pen = Qt::red;
    } else if (Marked) {
        L.Pen = Qt::white;
        L.Bold = Kind != ckPlain;
    } else if (Kind == ckComputed) {
        L.Pen = Qt::blue;
        L.Bold = true;
    } else if (Kind == ckRandom) {
        L.Pen = gridcolor::Random();
        L.Bold = true;
    }
    return L;
}

void TObsColHeaderDelegate::paint(QPainter *P, const QStyleOptionViewItem &Option,
                                  const QModelIndex &Index) const
{
    P->save();
    if (Index.row() == 1) {
        P->fillRect(Option.rect, gridcolor::Cream());
        P->setPen(Qt::black);
        gridpaint::FittedText(*P, Option.rect.adjusted(2, 0, -2, 0), Qt::AlignCenter,
                              Index.data(Qt::DisplayRole).toString());
    } else {
        PaintColumnButton(P, Option, Index);
    }
    P->restore();
}

void TObsLineHeaderDelegate::paint(QPainter *P, const QStyleOptionViewItem &Option,
                                   const QModelIndex &Index) const
{
    const QRect R = Option.rect;
    const QString Text = Index.data(Qt::DisplayRole).toString();
    P->save();
    if (Index.column() == 1) {
        P->fillRect(R, gridcolor::Cream());
        P->setPen(Qt::black);
        gridpaint::FittedText(*P, R.adjusted(2, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter, Text);
        P->restore();
        return;
    }
    const int Row = Index.row();
    const bool IsPressed = Pressed != nullptr && Pressed->Is(View, Row, 0);
    const bool Marked = Index.data(int(TGridRole::Marked)).toBool();
    const bool Current = CurrentLine(Row);
    if (IsPressed || Marked) {
        QFont F = Option.font;
        F.setBold(Current);
        P->setFont(F);
        P->fillRect(R, gridcolor::PressedFace());
        gridpaint::Frame3D(*P, R, true);
        P->setPen(Qt::black);
        gridpaint::FittedText(*P, R.adjusted(3, 2, 1, 2), Qt::AlignCenter, Text);
    } else if (Index.data(int(TGridRole::Picked)).toBool()) {
        QFont F = Option.font;
        F.setBold(Current);
        P->setFont(F);
        P->fillRect(R, Qt::yellow);
        // White above and left, maroon below and right.
        QRect Fr = R.adjusted(0, 0, -1, -1);
        for (int I = 0; I < (Current ? 2 : 1); ++I) {
            P->setPen(Qt::white);
            P->drawLine(Fr.topLeft(), Fr.topRight());
            P->drawLine(Fr.topLeft(), Fr.bottomLeft());
            P->setPen(QColor(128, 0, 0));
            P->drawLine(Fr.bottomLeft(), Fr.bottomRight());
            P->drawLine(Fr.topRight(), Fr.bottomRight());
            Fr.adjust(1, 1, -1, -1);
        }
        P->setPen(Qt::black);
        gridpaint::FittedText(*P, R.adjusted(1, 0, -1, 0), Qt::AlignCenter, Text);
    } else {
        PaintLineButton(P, Option, Index);
    }
    P->restore();
}

} // namespace
