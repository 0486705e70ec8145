#include "TableGridBlock.h"

#include "CellText.h"
#include "Zoom.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

namespace
{
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
                                 TTableLineHeaderModel *LineHeader, TGridEvents *Events,
                                 const TPressedCell *Pressed, QWidget *Parent)
    : QWidget(Parent), Parts(Parts)
{
    const int Bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);

    DataDG = new TGridView(DataName + Suffix, Events, this);
    SojleDG = new TGridView(QStringLiteral("SojleDG") + Suffix, Events, this);
    LinieDG = new TGridView(QStringLiteral("LinieDG") + Suffix, Events, this);

    DataDG->setModel(Data);
    DataDG->SetColumnWidth(CellWidth);
    DataDG->SetRowHeight(RowHeight);
    DataDG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DataDG->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DataDG->setItemDelegate(new TTableDataDelegate(DataDG, Parts));

    // A header column spans the grid columns of one table, grid lines included.
    SojleDG->setModel(ColHeader);
    SojleDG->SetColumnWidth(Parts * CellWidth);
    SojleDG->verticalHeader()->resizeSection(0, NumberRowHeight);
    SojleDG->verticalHeader()->resizeSection(1, RowHeight);
    SojleDG->verticalHeader()->resizeSection(2, RowHeight);
    SojleDG->setFixedHeight(HeaderHeight);
    SojleDG->setShowGrid(false);
    SojleDG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SojleDG->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SojleDG->setTabKeyNavigation(false);
    SojleDG->setItemDelegate(new TTableColHeaderDelegate(SojleDG, DataDG, Pressed, Parts));

    LinieDG->setModel(LineHeader);
    LinieDG->SetRowHeight(RowHeight);
    LinieDG->horizontalHeader()->resizeSection(0, NumberWidth);
    LinieDG->setFixedWidth(NumberWidth);
    LinieDG->setShowGrid(false);
    LinieDG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LinieDG->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LinieDG->setTabKeyNavigation(false);
    LinieDG->setFocusPolicy(Qt::NoFocus);
    LinieDG->setItemDelegate(new TTableLineHeaderDelegate(LinieDG, DataDG));

    Corner = new QWidget(this);
    Corner->setFixedSize(NumberWidth, HeaderHeight);
    DirectionSpeed = new QToolButton(Corner);
    DirectionSpeed->setObjectName(QStringLiteral("DirectionSpeed") + Suffix);
    DirectionSpeed->setToolTip(QStringLiteral("Skift redigeringsretning"));
    DirectionSpeed->setAutoRaise(true);
    DirectionSpeed->setFocusPolicy(Qt::NoFocus);
    DirectionSpeed->setGeometry(9, 3, 29, 24);
    DirectionSpeed->setIconSize(QSize(20, 16));

    TopSpacer = new QWidget(this);
    TopSpacer->setFixedSize(Bar, HeaderHeight);
    LeftSpacer = new QWidget(this);
    LeftSpacer->setFixedSize(NumberWidth, Bar);

    auto *G = new QGridLayout(this);
    G->setContentsMargins(0, 0, 0, 0);
    G->setSpacing(0);
    G->addWidget(Corner, 0, 0);
    G->addWidget(SojleDG, 0, 1);
    G->addWidget(TopSpacer, 0, 2);
    G->addWidget(LinieDG, 1, 0);
    G->addWidget(DataDG, 1, 1, 2, 2);
    G->addWidget(LeftSpacer, 2, 0);
    G->setRowStretch(1, 1);
    G->setColumnStretch(1, 1);

    SyncScrollBars(DataDG->horizontalScrollBar(), SojleDG->horizontalScrollBar());
    SyncScrollBars(DataDG->verticalScrollBar(), LinieDG->verticalScrollBar());
}

void TTableGridBlock::ScrollToGridColumn(int GridCol)
{
    DataDG->horizontalScrollBar()->setValue(qMax(0, GridCol) * DataDG->ColumnWidth());
}

void TTableGridBlock::ScrollTopLeft()
{
    DataDG->horizontalScrollBar()->setValue(0);
    DataDG->verticalScrollBar()->setValue(0);
}

void TTableGridBlock::ShowCell(int Row, int GridCol)
{
    const QModelIndex I = DataDG->model()->index(Row, GridCol);
    if (I.isValid())
        DataDG->scrollTo(I, QAbstractItemView::EnsureVisible);
}

void TTableGridBlock::EndEditing()
{
    DataDG->EndEdit();
    SojleDG->EndEdit();
}

void TTableGridBlock::SetZoom(double Factor)
{
    for (TGridView *V : {DataDG, SojleDG, LinieDG})
        V->SetZoom(Factor);
    const int Bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    Corner->setFixedSize(zoom::Scaled(NumberWidth, Factor), zoom::Scaled(HeaderHeight, Factor));
    TopSpacer->setFixedSize(Bar, zoom::Scaled(HeaderHeight, Factor));
    LeftSpacer->setFixedSize(zoom::Scaled(NumberWidth, Factor), Bar);
}

// Cell drawing.

void TTableDataDelegate::paint(QPainter *P, const QStyleOptionViewItem &Option,
                               const QModelIndex &Index) const
{
    const QRect R = Option.rect;
    const int Col = Index.column();
    P->save();
    if (Col >= TTableSide::Columns * Parts) {
        P->fillRect(R, gridpaint::ButtonFace());
        P->restore();
        return;
    }
    const bool Freq = Col % Parts == Parts - 1;
    const bool Marked = Index.data(int(TGridRole::Marked)).toBool();
    QColor Back;
    if (Freq)
        Back = Marked ? gridcolor::MarkedCell() : QApplication::palette().color(QPalette::Base);
    else
        Back = Marked ? QColor(Qt::black) : gridcolor::Cream();
    P->fillRect(R, Back);
    const QString Text = Index.data(Qt::DisplayRole).toString();
    if (!Text.isEmpty()) {
        const bool IsText = Index.data(int(TGridRole::CellState)).toInt() == csText;
        P->setFont(Option.font);
        P->setPen(IsText ? QColor(Qt::red) : Marked ? QColor(Qt::white) : QColor(Qt::black));
        // A number too wide for its cell shows "###", never a cut-off number.
        if (IsText)
            P->drawText(R.adjusted(2, 2, -2, -2),
                        Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, Text);
        else
            DrawCellText(*P, Text, R.adjusted(2, 2, -2, -2), Qt::AlignRight | Qt::AlignVCenter);
    }
    if (View->currentIndex() == Index) {
        const bool Focus = View->hasFocus() || View->IsEditing();
        QPen Pen(Marked ? Qt::white : Qt::black);
        Pen.setWidth(Focus ? 2 : 1);
        P->setPen(Pen);
        P->setBrush(Qt::NoBrush);
        P->drawRect(Focus ? R.adjusted(1, 1, -1, -1) : R.adjusted(0, 0, -1, -1));
    }
    P->restore();
}

void TTableColHeaderDelegate::paint(QPainter *P, const QStyleOptionViewItem &Option,
                                    const QModelIndex &Index) const
{
    const QRect R = Option.rect;
    const int Col = Index.column();
    P->save();
    if (Col >= TTableSide::Columns) {
        P->fillRect(R, gridpaint::ButtonFace());
        P->restore();
        return;
    }
    const QString Text = Index.data(Qt::DisplayRole).toString();
    switch (Index.row()) {
    case 0: {
        const bool IsPressed = Pressed != nullptr && Pressed->Is(View, 0, Col);
        const bool Marked = Index.data(int(TGridRole::Marked)).toBool();
        const QModelIndex Cur = DataView->currentIndex();
        const bool Current = Cur.isValid() && Cur.column() / Parts == Col;
        gridpaint::HeaderButtonCell(
            *P, R, Option.font, Text, (IsPressed && Pressed->Part == 1) || Marked, Current,
            Current && DataView->IsEditing(), IsPressed && Pressed->Part == 2);
        break;
    }
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
    default: {
        const QStringList Captions = Text.split(QLatin1Char('\t'));
        P->setFont(Option.font);
        for (int I = 0; I < Captions.size(); ++I) {
            const int Left = R.left() + I * DataView->ColumnWidth();
            const int Right =
                I + 1 == Captions.size() ? R.right() + 1 : Left + DataView->ColumnWidth();
            const QRect Cell(Left, R.top(), Right - Left, R.height());
            P->fillRect(Cell, gridpaint::ButtonFace());
            gridpaint::Frame3D(*P, Cell, false);
            P->setPen(Qt::black);
            P->setFont(FittingFont(Option.font, Captions[I], Cell.width() - 4));
            P->drawText(Cell.adjusted(1, 0, -1, 0), Qt::AlignCenter | Qt::TextSingleLine,
                        Captions[I]);
        }
        break;
    }
    }
    P->restore();
}

void TTableLineHeaderDelegate::paint(QPainter *P, const QStyleOptionViewItem &Option,
                                     const QModelIndex &Index) const
{
    const QRect R = Option.rect;
    const QModelIndex Cur = DataView->currentIndex();
    const bool Current = Cur.isValid() && Cur.row() == Index.row();
    P->save();
    QFont F = Option.font;
    F.setBold(Current);
    P->setFont(F);
    P->fillRect(R, gridpaint::ButtonFace());
    gridpaint::Frame3D(*P, R, false, Current);
    P->setPen(Qt::black);
    P->drawText(R, Qt::AlignCenter | Qt::TextSingleLine, Index.data(Qt::DisplayRole).toString());
    P->restore();
}
