#include "DescriptionPane.h"

#include "EditorGlyphs.h"
#include "GridView.h"
#include "Zoom.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace
{
constexpr int StripHeight = 33;
constexpr int ItemHeight = 21;
} // namespace

// Kind list items.

TKindItemDelegate::TKindItemDelegate(TDescriptionPane *Pane, QObject *Parent)
    : QStyledItemDelegate(Parent), Pane(Pane)
{
}

void TKindItemDelegate::paint(QPainter *P, const QStyleOptionViewItem &Option,
                              const QModelIndex &Index) const
{
    Pane->DrawItem(*P, Option.rect, Index.row(), Option.state & QStyle::State_Selected);
}

QSize TKindItemDelegate::sizeHint(const QStyleOptionViewItem &Option,
                                  const QModelIndex &Index) const
{
    Q_UNUSED(Index);
    return QSize(Option.rect.width(), ItemHeight);
}

TKindComboBox::TKindComboBox(TDescriptionPane *Pane, QWidget *Parent)
    : QComboBox(Parent), Pane(Pane)
{
}

void TKindComboBox::showPopup()
{
    // Availability must be current before the list shows it.
    Pane->Owner()->PaneDropDown(Pane);
    view()->setMinimumWidth(qMax(width(), 440));
    QComboBox::showPopup();
}

void TKindComboBox::paintEvent(QPaintEvent *Event)
{
    Q_UNUSED(Event);
    QStylePainter P(this);
    QStyleOptionComboBox Opt;
    initStyleOption(&Opt);
    Opt.currentText.clear();
    Opt.currentIcon = QIcon();
    P.drawComplexControl(QStyle::CC_ComboBox, Opt);
    const QRect Edit =
        style()->subControlRect(QStyle::CC_ComboBox, &Opt, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() >= 0)
        Pane->DrawItem(P, Edit, currentIndex(), false);
}

// Paint box.

TPanePaintBox::TPanePaintBox(TDescriptionPane *Pane, bool Buffered, QWidget *Parent)
    : QWidget(Parent), Pane(Pane), Buffered(Buffered)
{
    setFont(TDescriptionPane::PaintFont());
    setAutoFillBackground(false);
    if (Buffered)
        setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanePaintBox::paintEvent(QPaintEvent *Event)
{
    const QRect Clip = Event->rect();
    if (Clip.isEmpty())
        return;
    const double Zoom = Pane->Zoom();
    // The clip at 100 %, widened to whole pixels there.
    const QRect Logical = Zoom == 1 ? Clip
                                    : QRectF(Clip.x() / Zoom, Clip.y() / Zoom, Clip.width() / Zoom,
                                             Clip.height() / Zoom)
                                          .toAlignedRect();
    QPainter P(this);
    if (Buffered) {
        // Through a bitmap of the clipped area only: the pane shares the screen
        // with live editing and must not flicker.
        QPixmap Bitmap(Clip.size() * devicePixelRatioF());
        Bitmap.setDevicePixelRatio(devicePixelRatioF());
        Bitmap.fill(Qt::white);
        {
            QPainter B(&Bitmap);
            B.setFont(font());
            B.setPen(Qt::black);
            B.setBrush(Qt::white);
            B.translate(-Clip.topLeft());
            if (Zoom != 1)
                B.scale(Zoom, Zoom);
            B.setClipRect(Logical);
            Pane->Owner()->PaintPane(Pane, B, Pane->UnzoomedSize());
        }
        P.drawPixmap(Clip.topLeft(), Bitmap);
        return;
    }
    P.fillRect(Clip, Qt::white);
    P.setFont(font());
    P.setPen(Qt::black);
    P.setBrush(Qt::white);
    if (Zoom != 1)
        P.scale(Zoom, Zoom);
    P.setClipRect(Logical);
    Pane->Owner()->PaintPane(Pane, P, Pane->UnzoomedSize());
}

void TPanePaintBox::mousePressEvent(QMouseEvent *Event)
{
    if (Event->button() == Qt::LeftButton)
        Pane->Owner()->PaneMousePress(Pane, Pane->Unzoomed(Event->position().toPoint()));
}

void TPanePaintBox::mouseReleaseEvent(QMouseEvent *Event)
{
    if (Event->button() == Qt::LeftButton)
        Pane->Owner()->PaneMouseRelease(Pane, Pane->Unzoomed(Event->position().toPoint()));
}

// The pane.

QFont TDescriptionPane::ListFont()
{
    QFont F(QStringLiteral("Arial"));
    F.setPixelSize(16);
    return F;
}

QFont TDescriptionPane::PaintFont()
{
    QFont F(QStringLiteral("Arial"));
    F.setPixelSize(11);
    return F;
}

TDescriptionPane::TDescriptionPane(int Number, TPaneOwner *Owner, const QStringList &Items,
                                   int IconBase, bool TabColumn, bool Buffered, QWidget *Parent)
    : QWidget(Parent), PaneNumber(Number), PaneOwner(Owner), IconBase(IconBase),
      TabColumn(TabColumn)
{
    const QString N = QString::number(Number);
    setObjectName(QStringLiteral("Beskriv") + N + QStringLiteral("Pane"));

    auto *Strip = new QWidget(this);
    Strip->setFixedHeight(StripHeight);
    ComboBox = new TKindComboBox(this, Strip);
    ComboBox->setObjectName(QStringLiteral("Beskriv") + N + QStringLiteral("ComboBox"));
    ComboBox->setToolTip(QStringLiteral("Klik her for at vælge beskrivelse"));
    ComboBox->setFont(ListFont());
    ComboBox->setMaxVisibleItems(Number == 4 ? 9 : 10);
    ComboBox->setItemDelegate(new TKindItemDelegate(this, ComboBox));
    ComboBox->addItems(Items);
    for (int I = 0; I < Items.size(); ++I)
        ItemKinds.append(IconBase + 1 + I);
    ComboBox->setCurrentIndex(-1);
    // The open list shows every text in full, however narrow the pane.
    ComboBox->view()->setMinimumWidth(ListWidth());
    ComboBox->setFixedHeight(27);
    ComboBox->setMinimumWidth(120);
    ComboBox->setFocusPolicy(Qt::StrongFocus);

    CalcButton = new QToolButton(Strip);
    CalcButton->setObjectName(QStringLiteral("Beskriv") + N + QStringLiteral("Speed"));
    CalcButton->setFixedSize(27, 27);
    CalcButton->setIcon(ToolGlyph(QStringLiteral("PaneCalcSpeed")));
    CalcButton->setIconSize(QSize(22, 22));
    CalcButton->setAutoRaise(true);
    CalcButton->setToolTip(QStringLiteral("(x,y)-lommeregner"));
    CalcButton->hide();
    RegresButton = new QToolButton(Strip);
    RegresButton->setObjectName(QStringLiteral("Regres") + N + QStringLiteral("Speed"));
    RegresButton->setFixedSize(27, 27);
    RegresButton->setIcon(ToolGlyph(QStringLiteral("RegresSpeed")));
    RegresButton->setIconSize(QSize(22, 22));
    RegresButton->setCheckable(true);
    RegresButton->setAutoRaise(true);
    RegresButton->setToolTip(QStringLiteral("Regressionslinje"));
    RegresButton->hide();

    // The model menu: the arrow beside the regression toggle, and the
    // button of its own that the residual plot shows.
    ModelMenu = new QMenu(this);
    ModelMenu->setObjectName(QStringLiteral("Model") + N + QStringLiteral("Menu"));
    ModelGroup = new QActionGroup(ModelMenu);
    ModelGroup->setExclusive(true);
    const char *const ModelNames[] = {"Lineær", "Eksponentiel", "Potens"};
    for (int M = 0; M < 3; ++M) {
        QAction *A = ModelMenu->addAction(QString::fromUtf8(ModelNames[M]));
        A->setCheckable(true);
        A->setChecked(M == 0);
        A->setData(M);
        ModelGroup->addAction(A);
        connect(A, &QAction::triggered, this, [this, M] { PaneOwner->PaneModelChosen(this, M); });
    }
    RegresButton->setMenu(ModelMenu);
    RegresButton->setPopupMode(QToolButton::MenuButtonPopup);
    RegresButton->setFixedSize(39, 27);
    ModelButton = new QToolButton(Strip);
    ModelButton->setObjectName(QStringLiteral("Model") + N + QStringLiteral("Speed"));
    ModelButton->setFixedSize(39, 27);
    ModelButton->setIcon(ToolGlyph(QStringLiteral("RegresSpeed")));
    ModelButton->setIconSize(QSize(22, 22));
    ModelButton->setAutoRaise(true);
    ModelButton->setToolTip(QStringLiteral("Regressionsmodel"));
    ModelButton->setMenu(ModelMenu);
    ModelButton->setPopupMode(QToolButton::InstantPopup);
    ModelButton->hide();

    auto *SL = new QHBoxLayout(Strip);
    SL->setContentsMargins(3, 3, 3, 3);
    SL->setSpacing(4);
    SL->addWidget(ComboBox, 1);
    SL->addWidget(CalcButton);
    SL->addWidget(RegresButton);
    SL->addWidget(ModelButton);

    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("Beskriv") + N + QStringLiteral("ScrollBox"));
    ScrollBox->setWidgetResizable(true);
    ScrollBox->setBackgroundRole(QPalette::Base);
    QPalette Pal = ScrollBox->palette();
    Pal.setColor(QPalette::Base, Qt::white);
    Pal.setColor(QPalette::Window, Qt::white);
    ScrollBox->setPalette(Pal);
    PaintBox = new TPanePaintBox(this, Buffered, nullptr);
    PaintBox->setObjectName(QStringLiteral("Beskriv") + N + QStringLiteral("PaintBox"));
    ScrollBox->setWidget(PaintBox);
    ScrollBox->viewport()->installEventFilter(this);

    auto *L = new QVBoxLayout(this);
    L->setContentsMargins(0, 0, 0, 0);
    L->setSpacing(0);
    L->addWidget(Strip);
    L->addWidget(ScrollBox, 1);

    connect(ComboBox, &QComboBox::activated, this,
            [this](int Index) { PaneOwner->PaneKindChosen(this, Index); });
    connect(CalcButton, &QToolButton::clicked, this, [this] { PaneOwner->PaneCalcClicked(this); });
    connect(RegresButton, &QToolButton::clicked, this,
            [this] { PaneOwner->PaneRegresClicked(this); });
}

void TDescriptionPane::SetModel(int Model)
{
    RegresModel = std::clamp(Model, 0, 2);
    const QList<QAction *> Actions = ModelGroup->actions();
    for (QAction *A : Actions)
        A->setChecked(A->data().toInt() == RegresModel);
}

void TDescriptionPane::AppendKindItem(int Kind, const QString &Text)
{
    ItemKinds.append(Kind);
    ComboBox->addItem(Text);
}

void TDescriptionPane::SetRange(const QSize &Range)
{
    ScrollRange = Range.expandedTo(QSize(0, 0));
    PaintBox->setMinimumSize(zoom::Scaled(ScrollRange.width(), ZoomFactor),
                             zoom::Scaled(ScrollRange.height(), ZoomFactor));
}

void TDescriptionPane::SetZoom(double Factor)
{
    if (Factor <= 0 || Factor == ZoomFactor)
        return;
    // The part of the description in the pane's top left corner stays there.
    QScrollBar *Bars[2] = {ScrollBox->horizontalScrollBar(), ScrollBox->verticalScrollBar()};
    const double Ratio = Factor / ZoomFactor;
    const int Kept[2] = {Bars[0]->value(), Bars[1]->value()};
    ZoomFactor = Factor;
    SetRange(ScrollRange);
    PaintBox->update();
    // The scroll range follows once the scroll box has laid out the new size.
    QTimer::singleShot(0, this, [Bars, Ratio, Kept] {
        for (int I = 0; I < 2; ++I)
            Bars[I]->setValue(int(std::lround(Kept[I] * Ratio)));
    });
}

QPoint TDescriptionPane::Unzoomed(QPoint Pos) const
{
    if (ZoomFactor == 1)
        return Pos;
    return QPoint(int(std::floor(Pos.x() / ZoomFactor)), int(std::floor(Pos.y() / ZoomFactor)));
}

QSize TDescriptionPane::UnzoomedSize() const
{
    const QSize S = PaintBox->size();
    if (ZoomFactor == 1)
        return S;
    return QSize(int(std::ceil(S.width() / ZoomFactor)), int(std::ceil(S.height() / ZoomFactor)));
}

bool TDescriptionPane::eventFilter(QObject *Watched, QEvent *Event)
{
    // Ctrl and the wheel zoom; the paint box passes its wheel to the view.
    if (Watched == ScrollBox->viewport() && Event->type() == QEvent::Wheel) {
        auto *W = static_cast<QWheelEvent *>(Event);
        if (W->modifiers() & Qt::ControlModifier) {
            const int Steps = zoom::WheelSteps(WheelRest, W->angleDelta().y());
            if (Steps != 0)
                emit ZoomWheel(Steps);
            return true;
        }
    }
    return QWidget::eventFilter(Watched, Event);
}

void TDescriptionPane::Repaint()
{
    PaintBox->update();
    // The closed list greys its kind when the data of the moment refuse it.
    ComboBox->update();
}

void TDescriptionPane::DrawItem(QPainter &P, const QRect &R, int Index, bool Selected) const
{
    const bool Allowed = PaneOwner->PaneItemAllowed(const_cast<TDescriptionPane *>(this), Index);
    P.save();
    P.fillRect(R,
               Selected ? palette().color(QPalette::Highlight) : palette().color(QPalette::Base));
    const int State = (Allowed ? 0 : 2) + (Selected ? 1 : 0);
    const QPixmap Icon = KindIcon(IconRow(Index), State);
    if (!Icon.isNull())
        P.drawPixmap(R.left() + 2, R.top() + (R.height() - 18) / 2, Icon);
    P.setFont(ListFont());
    QColor C;
    if (!Allowed)
        C = QColor(192, 192, 192);
    else
        C = palette().color(Selected ? QPalette::HighlightedText : QPalette::Text);
    P.setPen(C);
    const QString Text = ComboBox->itemText(Index);
    QRect T = R.adjusted(24, 0, 0, 0);
    const int Paren = TabColumn ? Text.indexOf(QLatin1Char('(')) : -1;
    const int Tab = P.fontMetrics().horizontalAdvance(QStringLiteral("Sumfrekvensgraf  "));
    if (Paren > 0 && Tab + P.fontMetrics().horizontalAdvance(Text.mid(Paren)) <= T.width()) {
        P.drawText(T, Qt::AlignLeft | Qt::AlignVCenter, Text.left(Paren));
        P.drawText(T.adjusted(Tab, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, Text.mid(Paren));
    } else {
        // A narrow pane's closed list: smaller, or ended by "…", never cut.
        gridpaint::FittedText(P, T, Qt::AlignLeft | Qt::AlignVCenter, Text);
    }
    P.restore();
}

int TDescriptionPane::ListWidth() const
{
    const QFontMetrics M(ListFont());
    const int Tab = M.horizontalAdvance(QStringLiteral("Sumfrekvensgraf  "));
    int Widest = 0;
    for (int I = 0; I < ComboBox->count(); ++I) {
        const QString Text = ComboBox->itemText(I);
        const int Paren = TabColumn ? Text.indexOf(QLatin1Char('(')) : -1;
        Widest = std::max(Widest, Paren > 0 ? Tab + M.horizontalAdvance(Text.mid(Paren))
                                            : M.horizontalAdvance(Text));
    }
    // The icon before, a margin and the list's scroll bar after.
    return 24 + Widest + 8 + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}
