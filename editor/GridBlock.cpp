#include "GridBlock.h"

#include "CellText.h"
#include "Lumen.h"
#include "Zoom.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

namespace
{
int Sum(const QVector<int> &Sizes)
{
    int S = 0;
    for (int N : Sizes)
        S += N;
    return S;
}

// A header grid: no scroll bars of its own, no tabbing through its cells.
void SetUpHeader(TGridView *G, bool GridLines)
{
    G->setShowGrid(GridLines);
    G->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G->setTabKeyNavigation(false);
}
} // namespace

TGridBlock::TGridBlock(const TGridBlockLook &Look, const QString &Suffix,
                       QAbstractItemModel *Data, QAbstractItemModel *ColHeader,
                       QAbstractItemModel *LineHeader, TGridEvents *Events, QWidget *Parent)
    : QWidget(Parent), Look(Look)
{
    const int Bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);

    DataDG = new TGridView(Look.DataName + Suffix, Events, this);
    SojleDG = new TGridView(QStringLiteral("SojleDG") + Suffix, Events, this);
    LinieDG = new TGridView(QStringLiteral("LinieDG") + Suffix, Events, this);

    DataDG->setModel(Data);
    DataDG->SetColumnWidth(CellWidth());
    DataDG->SetRowHeight(RowHeight());
    DataDG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DataDG->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // A header column spans the grid columns of one data column.
    SojleDG->setModel(ColHeader);
    SojleDG->SetColumnWidth(Look.Parts * CellWidth());
    for (int R = 0; R < Look.HeaderRowHeights.size(); ++R)
        SojleDG->verticalHeader()->resizeSection(R, Look.HeaderRowHeights[R]);
    SojleDG->setFixedHeight(HeaderHeight());
    SetUpHeader(SojleDG, Look.HeaderGridLines);

    LinieDG->setModel(LineHeader);
    LinieDG->SetRowHeight(RowHeight());
    for (int C = 0; C < Look.LineHeaderWidths.size(); ++C)
        LinieDG->horizontalHeader()->resizeSection(C, Look.LineHeaderWidths[C]);
    LinieDG->setFixedWidth(LineHeaderWidth());
    SetUpHeader(LinieDG, Look.HeaderGridLines);
    if (!Look.LineHeaderFocus)
        LinieDG->setFocusPolicy(Qt::NoFocus);

    Corner = new QWidget(this);
    Corner->setFixedSize(LineHeaderWidth(), HeaderHeight());
    DirectionSpeed = new QToolButton(Corner);
    DirectionSpeed->setObjectName(QStringLiteral("DirectionSpeed") + Suffix);
    DirectionSpeed->setToolTip(QStringLiteral("Skift redigeringsretning"));
    DirectionSpeed->setAutoRaise(true);
    DirectionSpeed->setFocusPolicy(Qt::NoFocus);
    DirectionSpeed->setGeometry(Look.DirectionLeft, 3, 29, 24);
    DirectionSpeed->setIconSize(QSize(20, 16));

    TopSpacer = new QWidget(this);
    TopSpacer->setFixedSize(Bar, HeaderHeight());
    LeftSpacer = new QWidget(this);
    LeftSpacer->setFixedSize(LineHeaderWidth(), Bar);

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

int TGridBlock::HeaderHeight() const
{
    return Sum(Look.HeaderRowHeights);
}

int TGridBlock::LineHeaderWidth() const
{
    return Sum(Look.LineHeaderWidths) + Look.LineHeaderMargin;
}

void TGridBlock::ScrollToGridColumn(int GridCol)
{
    DataDG->horizontalScrollBar()->setValue(qMax(0, GridCol) * DataDG->ColumnWidth());
}

void TGridBlock::ScrollToRow(int Row)
{
    DataDG->verticalScrollBar()->setValue(qMax(0, Row) * DataDG->RowHeight());
}

void TGridBlock::ScrollTopLeft()
{
    ScrollToGridColumn(0);
    ScrollToRow(0);
}

void TGridBlock::ShowCell(int Row, int GridCol)
{
    const QModelIndex I = DataDG->model()->index(Row, GridCol);
    if (I.isValid())
        DataDG->scrollTo(I, QAbstractItemView::EnsureVisible);
}

int TGridBlock::LeftGridColumn() const
{
    return DataDG->horizontalScrollBar()->value() / DataDG->ColumnWidth();
}

int TGridBlock::TopRow() const
{
    return DataDG->verticalScrollBar()->value() / DataDG->RowHeight();
}

void TGridBlock::EndEditing()
{
    DataDG->EndEdit();
    SojleDG->EndEdit();
    LinieDG->EndEdit();
}

void TGridBlock::SetZoom(double Factor)
{
    for (TGridView *V : {DataDG, SojleDG, LinieDG})
        V->SetZoom(Factor);
    const int Bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int Width = zoom::Scaled(LineHeaderWidth(), Factor);
    const int Height = zoom::Scaled(HeaderHeight(), Factor);
    Corner->setFixedSize(Width, Height);
    TopSpacer->setFixedSize(Bar, Height);
    LeftSpacer->setFixedSize(Width, Bar);
}

// Cell drawing.

void TGridCellDelegate::paint(QPainter *P, const QStyleOptionViewItem &Option,
                              const QModelIndex &Index) const
{
    const QRect R = Option.rect;
    const bool Marked = Index.data(int(TGridRole::Marked)).toBool();
    const int State = Index.data(int(TGridRole::CellState)).toInt();
    const TCellLook L = Look(Index, Marked, State);
    P->save();
    P->fillRect(R, L.Back);
    const QString Text = Index.data(Qt::DisplayRole).toString();
    if (!Text.isEmpty()) {
        QFont F = Option.font;
        if (L.Bold)
            F.setBold(true);
        P->setFont(F);
        P->setPen(L.Pen);
        const QRect Inner = R.adjusted(2, 2, -2, -2);
        if (State == csNumber)
            DrawCellText(*P, Text, Inner, Qt::AlignRight | Qt::AlignVCenter);
        else
            P->drawText(Inner, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, Text);
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

bool TGridHeaderDelegate::CurrentColumn(int Col) const
{
    const QModelIndex Cur = DataView->currentIndex();
    return Cur.isValid() && Cur.column() / Parts == Col;
}

bool TGridHeaderDelegate::CurrentLine(int Row) const
{
    const QModelIndex Cur = DataView->currentIndex();
    return Cur.isValid() && Cur.row() == Row;
}

void TGridHeaderDelegate::PaintColumnButton(QPainter *P, const QStyleOptionViewItem &Option,
                                            const QModelIndex &Index) const
{
    const int Col = Index.column();
    const bool IsPressed = Pressed != nullptr && Pressed->Is(View, 0, Col);
    const bool Marked = Index.data(int(TGridRole::Marked)).toBool();
    const bool Current = CurrentColumn(Col);
    gridpaint::HeaderButtonCell(*P, Option.rect, Option.font,
                                Index.data(Qt::DisplayRole).toString(),
                                (IsPressed && Pressed->Part == 1) || Marked, Current,
                                Current && DataView->IsEditing(), IsPressed && Pressed->Part == 2);
}

void TGridHeaderDelegate::PaintLineButton(QPainter *P, const QStyleOptionViewItem &Option,
                                          const QModelIndex &Index) const
{
    const QRect R = Option.rect;
    const bool Current = CurrentLine(Index.row());
    QFont F = Option.font;
    F.setBold(Current);
    P->setFont(F);
    P->fillRect(R, gridpaint::ButtonFace());
    gridpaint::Frame3D(*P, R, false, Current);
    P->setPen(Qt::black);
    gridpaint::FittedText(*P, R.adjusted(1, 0, -1, 0), Qt::AlignCenter,
                          Index.data(Qt::DisplayRole).toString());
}
