#include "ObsGridBlock.h"

#include "CellText.h"
#include "Zoom.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

namespace
{

int RoleValue(const QModelIndex &I, TGridRole R)
{
    return I.data(int(R)).toInt();
}

} // namespace

TObsGridBlock::TObsGridBlock(const QString &Suffix, TObsDataModel *Data,
                             TObsColHeaderModel *ColHeader, TObsLineHeaderModel *LineHeader,
                             TGridEvents *Events, const TPressedCell *Pressed, QWidget *Parent)
    : QWidget(Parent)
{
    const int Bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);

    DataDG = new TGridView(QStringLiteral("DataDG") + Suffix, Events, this);
    SojleDG = new TGridView(QStringLiteral("SojleDG") + Suffix, Events, this);
    LinieDG = new TGridView(QStringLiteral("LinieDG") + Suffix, Events, this);

    DataDG->setModel(Data);
    DataDG->SetColumnWidth(ColWidth);
    DataDG->SetRowHeight(RowHeight);
    DataDG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DataDG->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DataDG->setItemDelegate(new TObsDataDelegate(DataDG));

    SojleDG->setModel(ColHeader);
    SojleDG->SetColumnWidth(ColWidth);
    SojleDG->verticalHeader()->resizeSection(0, 26);
    SojleDG->verticalHeader()->resizeSection(1, HeaderHeight - 26);
    SojleDG->setFixedHeight(HeaderHeight);
    SojleDG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SojleDG->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SojleDG->setTabKeyNavigation(false);
    SojleDG->setItemDelegate(new TObsColHeaderDelegate(SojleDG, DataDG, Pressed));

    LinieDG->setModel(LineHeader);
    LinieDG->SetRowHeight(RowHeight);
    LinieDG->horizontalHeader()->resizeSection(0, NumberWidth);
    LinieDG->horizontalHeader()->resizeSection(1, NameWidth);
    LinieDG->setFixedWidth(NumberWidth + NameWidth + 2);
    LinieDG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LinieDG->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LinieDG->setTabKeyNavigation(false);
    LinieDG->setItemDelegate(new TObsLineHeaderDelegate(LinieDG, DataDG, Pressed));

    // The corner: the edit direction button and the framed label "Navne".
    Corner = new QWidget(this);
    Corner->setFixedSize(NumberWidth + NameWidth + 2, HeaderHeight);
    DirectionSpeed = new QToolButton(Corner);
    DirectionSpeed->setObjectName(QStringLiteral("DirectionSpeed") + Suffix);
    DirectionSpeed->setToolTip(QStringLiteral("Skift redigeringsretning"));
    DirectionSpeed->setAutoRaise(true);
    DirectionSpeed->setFocusPolicy(Qt::NoFocus);
    DirectionSpeed->setGeometry(3, 3, 29, 24);
    DirectionSpeed->setIconSize(QSize(20, 16));
    NavneLabel = new QLabel(QStringLiteral("Navne"), Corner);
    NavneLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    NavneLabel->setAlignment(Qt::AlignCenter);
    NavneLabel->setGeometry(NumberWidth + 1, 27, NameWidth, 25);

    TopSpacer = new QWidget(this);
    TopSpacer->setFixedSize(Bar, HeaderHeight);
    LeftSpacer = new QWidget(this);
    LeftSpacer->setFixedSize(NumberWidth + NameWidth + 2, Bar);

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

void TObsGridBlock::ScrollToColumn(int Col)
{
    DataDG->horizontalScrollBar()->setValue(qMax(0, Col) * DataDG->ColumnWidth());
}

void TObsGridBlock::ScrollToRow(int Row)
{
    DataDG->verticalScrollBar()->setValue(qMax(0, Row) * DataDG->RowHeight());
}

void TObsGridBlock::ScrollTopLeft()
{
    ScrollToColumn(0);
    ScrollToRow(0);
}

void TObsGridBlock::ShowCell(int Row, int Col)
{
    const QModelIndex I = DataDG->model()->index(Row, Col);
    if (I.isValid())
        DataDG->scrollTo(I, QAbstractItemView::EnsureVisible);
}

int TObsGridBlock::LeftColumn() const
{
    return DataDG->horizontalScrollBar()->value() / DataDG->ColumnWidth();
}

int TObsGridBlock::TopRow() const
{
    return DataDG->verticalScrollBar()->value() / DataDG->RowHeight();
}

void TObsGridBlock::EndEditing()
{
    DataDG->EndEdit();
    SojleDG->EndEdit();
    LinieDG->EndEdit();
}

void TObsGridBlock::SetZoom(double Factor)
{
    for (TGridView *V : {DataDG, SojleDG, LinieDG})
        V->SetZoom(Factor);
    const auto Z = [Factor](int Size) { return zoom::Scaled(Size, Factor); };
    const int Bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    Corner->setFixedSize(Z(NumberWidth + NameWidth + 2), Z(HeaderHeight));
    NavneLabel->setGeometry(Z(NumberWidth) + 1, Z(27), Z(NameWidth), Z(HeaderHeight) - Z(27) - 1);
    NavneLabel->setFont(zoom::ScaledFont(font(), Factor));
    TopSpacer->setFixedSize(Bar, Z(HeaderHeight));
    LeftSpacer->setFixedSize(Z(NumberWidth + NameWidth + 2), Bar);
}

// Cell drawing.

void TObsDataDelegate::paint(QPainter *P, const QStyleOptionViewItem &Option,
                             const QModelIndex &Index) const
{
    const QRect R = Option.rect;
    const bool Marked = Index.data(int(TGridRole::Marked)).toBool();
    const int State = RoleValue(Index, TGridRole::CellState);
    const int Kind = RoleValue(Index, TGridRole::ColumnKind);
    P->save();
    P->fillRect(R,
                Marked ? gridcolor::MarkedCell() : QApplication::palette().color(QPalette::Base));
    QFont F = Option.font;
    QColor C;
    if (State == csText) {
        C = Qt::red;
    } else if (Marked) {
        C = Qt::white;
        F.setBold(Kind != ckPlain);
    } else if (Kind == ckComputed) {
        C = Qt::blue;
        F.setBold(true);
    } else if (Kind == ckRandom) {
        C = gridcolor::Random();
        F.setBold(true);
    } else {
        C = Qt::black;
    }
    const QString Text = Index.data(Qt::DisplayRole).toString();
    if (!Text.isEmpty()) {
        P->setFont(F);
        P->setPen(C);
        const QRect Inner = R.adjusted(2, 2, -2, -2);
        // A number too wide for its cell shows "###", never a cut-off number
        // that reads as another one; a text is cut at its left.
        if (State == csNumber)
            DrawCellText(*P, Text, Inner, Qt::AlignRight | Qt::AlignVCenter);
        else
            P->drawText(Inner, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, Text);
    }
    // The cursor cell gets a frame, heavier while the grid has the focus.
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

QRect TObsColHeaderDelegate::DropButton(const QRect &Cell)
{
    return gridpaint::DropButton(Cell);
}

void TObsColHeaderDelegate::paint(QPainter *P, const QStyleOptionViewItem &Option,
                                  const QModelIndex &Index) const
{
    const QRect R = Option.rect;
    const QString Text = Index.data(Qt::DisplayRole).toString();
    P->save();
    if (Index.row() == 1) {
        P->fillRect(R, gridcolor::Cream());
        P->setPen(Qt::black);
        gridpaint::FittedText(*P, R.adjusted(2, 0, -2, 0), Qt::AlignCenter, Text);
        P->restore();
        return;
    }
    const int Col = Index.column();
    const bool IsPressed = Pressed != nullptr && Pressed->Is(View, 0, Col);
    const bool Marked = Index.data(int(TGridRole::Marked)).toBool();
    const bool Current =
        DataView->currentIndex().isValid() && DataView->currentIndex().column() == Col;
    gridpaint::HeaderButtonCell(*P, R, Option.font, Text,
                                (IsPressed && Pressed->Part == 1) || Marked, Current,
                                Current && DataView->IsEditing(), IsPressed && Pressed->Part == 2);
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
    const bool Current =
        DataView->currentIndex().isValid() && DataView->currentIndex().row() == Row;
    QFont F = Option.font;
    F.setBold(Current);
    P->setFont(F);
    P->setPen(Qt::black);
    if (IsPressed || Marked) {
        P->fillRect(R, gridcolor::PressedFace());
        gridpaint::Frame3D(*P, R, true);
        P->setPen(Qt::black);
        gridpaint::FittedText(*P, R.adjusted(3, 2, 1, 2), Qt::AlignCenter, Text);
    } else if (Index.data(int(TGridRole::Picked)).toBool()) {
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
        P->fillRect(R, gridpaint::ButtonFace());
        gridpaint::Frame3D(*P, R, false, Current);
        P->setPen(Qt::black);
        gridpaint::FittedText(*P, R.adjusted(1, 0, -1, 0), Qt::AlignCenter, Text);
    }
    P->restore();
}
