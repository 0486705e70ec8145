#include "GridView.h"

#include "Zoom.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

TGridView::TGridView(const QString &Name, TGridEvents *Events, QWidget *Parent)
    : QTableView(Parent), GridEvents(Events)
{
    setObjectName(Name);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Fixed section sizes: the views never measure contents, so a grid of a
    // hundred thousand rows costs no more than one of five hundred.
    for (QHeaderView *H : {horizontalHeader(), verticalHeader()}) {
        H->setMinimumSectionSize(1);
        H->setSectionResizeMode(QHeaderView::Fixed);
    }
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setFrameShape(QFrame::NoFrame);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTextElideMode(Qt::ElideNone);
    setAutoScroll(false);
    setGridStyle(Qt::SolidLine);

    FocusWatch =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *Old, QWidget *Now) {
            auto Within = [this](QWidget *W) { return W && (W == this || isAncestorOf(W)); };
            const bool WasIn = Within(Old), IsIn = Within(Now);
            if (GridEvents == nullptr || WasIn == IsIn)
                return;
            if (IsIn)
                GridEvents->GridFocusIn(this);
            else
                GridEvents->GridFocusOut(this);
        });
}

TGridView::~TGridView()
{
    // Closing the window moves the focus while the base classes go; this
    // view must not hear of it any more.
    disconnect(FocusWatch);
    GridEvents = nullptr;
}

void TGridView::SetColumnWidth(int Width)
{
    horizontalHeader()->setDefaultSectionSize(Width);
}

void TGridView::SetRowHeight(int Height)
{
    verticalHeader()->setDefaultSectionSize(Height);
}

int TGridView::ColumnWidth() const
{
    return horizontalHeader()->defaultSectionSize();
}

int TGridView::RowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

int TGridView::Zoomed(int Size) const
{
    return zoom::Scaled(Size, ZoomFactor);
}

void TGridView::SetZoom(double Factor)
{
    if (!Base.Known) {
        Base.Known = true;
        Base.Font = font();
        Base.ColumnWidth = ColumnWidth();
        Base.RowHeight = RowHeight();
        // Only the header grids size sections one by one; the data grid's
        // hundred thousand rows all have the default height.
        for (QHeaderView *H : {horizontalHeader(), verticalHeader()})
            for (int I = 0; I < H->count(); ++I)
                if (H->sectionSize(I) != H->defaultSectionSize())
                    Base.Sections.append({H->orientation(), I, H->sectionSize(I)});
        if (minimumWidth() == maximumWidth())
            Base.FixedWidth = minimumWidth();
        if (minimumHeight() == maximumHeight())
            Base.FixedHeight = minimumHeight();
    }
    if (Factor <= 0 || Factor == ZoomFactor)
        return;
    ZoomFactor = Factor;
    setFont(zoom::ScaledFont(Base.Font, Factor));
    // A new default size resizes every section, so the individual sizes
    // follow it.
    horizontalHeader()->setDefaultSectionSize(Zoomed(Base.ColumnWidth));
    verticalHeader()->setDefaultSectionSize(Zoomed(Base.RowHeight));
    for (const tSection &S : Base.Sections) {
        QHeaderView *H = S.Orientation == Qt::Horizontal ? horizontalHeader() : verticalHeader();
        H->resizeSection(S.Index, Zoomed(S.Size));
    }
    if (Base.FixedWidth >= 0)
        setFixedWidth(Zoomed(Base.FixedWidth));
    if (Base.FixedHeight >= 0)
        setFixedHeight(Zoomed(Base.FixedHeight));
    if (currentIndex().isValid() && isVisible())
        scrollTo(currentIndex());
}

void TGridView::wheelEvent(QWheelEvent *Event)
{
    if (Event->modifiers() & Qt::ControlModifier) {
        const int Steps = zoom::WheelSteps(WheelRest, Event->angleDelta().y());
        if (Steps != 0)
            emit ZoomWheel(Steps);
        Event->accept();
        return;
    }
    QTableView::wheelEvent(Event);
}

void TGridView::EndEdit()
{
    if (!IsEditing())
        return;
    QWidget *Editor = indexWidget(currentIndex());
    if (Editor == nullptr) {
        // The editor belongs to another index than the current one.
        const auto Editors = findChildren<QLineEdit *>();
        for (QLineEdit *E : Editors)
            if (E->parentWidget() == viewport()) {
                Editor = E;
                break;
            }
    }
    if (Editor != nullptr) {
        commitData(Editor);
        closeEditor(Editor, QAbstractItemDelegate::NoHint);
    }
}

void TGridView::CancelEdit()
{
    if (!IsEditing())
        return;
    if (QWidget *Editor = indexWidget(currentIndex()))
        closeEditor(Editor, QAbstractItemDelegate::RevertModelCache);
}

void TGridView::StartEdit()
{
    if (currentIndex().isValid() && !IsEditing())
        edit(currentIndex());
}

void TGridView::SetCell(int Row, int Col)
{
    const QModelIndex I = model() ? model()->index(Row, Col) : QModelIndex();
    if (I.isValid())
        setCurrentIndex(I);
}

bool TGridView::EditorKey(QWidget *Editor, QKeyEvent *Event)
{
    const int Key = Event->key();
    const Qt::KeyboardModifiers Mods = Event->modifiers();
    bool GridKey = false;
    switch (Key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        GridKey = true;
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // The caret moves inside the text; only at its edge (or with the whole
        // text selected) does the key move the cursor of the grid.
        if (auto *Line = qobject_cast<QLineEdit *>(Editor)) {
            const bool All = Line->hasSelectedText() && Line->selectedText() == Line->text();
            const bool None = !Line->hasSelectedText();
            if (Key == Qt::Key_Left)
                GridKey = All || (None && Line->cursorPosition() == 0);
            else
                GridKey = All || (None && Line->cursorPosition() == Line->text().length());
        }
        break;
    default:
        break;
    }
    if (!GridKey)
        return false;
    commitData(Editor);
    closeEditor(Editor, QAbstractItemDelegate::NoHint);
    if (GridEvents == nullptr || !GridEvents->GridKey(this, Key, Mods))
        DefaultKey(Key, Mods);
    return true;
}

void TGridView::DefaultKey(int Key, Qt::KeyboardModifiers Mods)
{
    if (Key == Qt::Key_Tab || Key == Qt::Key_Backtab) {
        const QModelIndex I = moveCursor(Key == Qt::Key_Tab ? MoveNext : MovePrevious, Mods);
        if (I.isValid())
            setCurrentIndex(I);
        return;
    }
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter)
        return;
    QKeyEvent Ev(QEvent::KeyPress, Key, Mods);
    QTableView::keyPressEvent(&Ev);
}

void TGridView::keyPressEvent(QKeyEvent *Event)
{
    if (GridEvents != nullptr && GridEvents->GridKey(this, Event->key(), Event->modifiers())) {
        Event->accept();
        return;
    }
    QTableView::keyPressEvent(Event);
}

void TGridView::mousePressEvent(QMouseEvent *Event)
{
    OwnMousePress = GridEvents != nullptr && GridEvents->GridMousePress(this, Event);
    if (OwnMousePress)
        return;
    const QModelIndex I = indexAt(Event->position().toPoint());
    if (I.isValid() && !(I.flags() & Qt::ItemIsSelectable))
        return; // cells the cursor may not enter take no clicks
    QTableView::mousePressEvent(Event);
}

void TGridView::mouseReleaseEvent(QMouseEvent *Event)
{
    const bool Own = OwnMousePress;
    OwnMousePress = false;
    if (GridEvents != nullptr && GridEvents->GridMouseRelease(this, Event))
        return;
    if (!Own)
        QTableView::mouseReleaseEvent(Event);
}

void TGridView::mouseMoveEvent(QMouseEvent *Event)
{
    if (OwnMousePress)
        return;
    QTableView::mouseMoveEvent(Event);
}

void TGridView::focusInEvent(QFocusEvent *Event)
{
    QTableView::focusInEvent(Event);
}

void TGridView::focusOutEvent(QFocusEvent *Event)
{
    QTableView::focusOutEvent(Event);
}

void TGridView::currentChanged(const QModelIndex &Current, const QModelIndex &Previous)
{
    QTableView::currentChanged(Current, Previous);
    // The cursor stays in sight as it moves (auto-scrolling is off, so that
    // dragging over the grid does not run away with it).
    if (Current.isValid() && isVisible())
        scrollTo(Current);
    if (GridEvents != nullptr)
        GridEvents->GridCurrentChanged(this, Current, Previous);
}

void TGridView::closeEditor(QWidget *Editor, QAbstractItemDelegate::EndEditHint Hint)
{
    QTableView::closeEditor(Editor, Hint);
    if (GridEvents != nullptr)
        GridEvents->GridEditingChanged(this);
}

bool TGridView::edit(const QModelIndex &Index, EditTrigger Trigger, QEvent *Event)
{
    const bool Started = QTableView::edit(Index, Trigger, Event);
    if (Started && GridEvents != nullptr)
        GridEvents->GridEditingChanged(this);
    return Started;
}

QModelIndex TGridView::moveCursor(CursorAction Action, Qt::KeyboardModifiers Mods)
{
    const QModelIndex Cur = currentIndex();
    if (!Cur.isValid() || model() == nullptr)
        return QTableView::moveCursor(Action, Mods);
    int Row = Cur.row(), Col = Cur.column();
    switch (Action) {
    case MoveLeft:
        --Col;
        break;
    case MoveRight:
        ++Col;
        break;
    case MoveUp:
        --Row;
        break;
    case MoveDown:
        ++Row;
        break;
    default:
        return QTableView::moveCursor(Action, Mods);
    }
    // A cell the cursor may not enter stops it where it is.
    const QModelIndex Next = model()->index(Row, Col);
    if (!Next.isValid() || !(Next.flags() & Qt::ItemIsSelectable))
        return Cur;
    return Next;
}

// Delegate base.

TGridDelegate::TGridDelegate(TGridView *View) : QStyledItemDelegate(View), View(View) {}

QWidget *TGridDelegate::createEditor(QWidget *Parent, const QStyleOptionViewItem &Option,
                                     const QModelIndex &Index) const
{
    Q_UNUSED(Option);
    Q_UNUSED(Index);
    auto *E = new QLineEdit(Parent);
    E->setFrame(false);
    // Every keystroke is stored at once, so the descriptions follow the
    // typing; from the first keystroke on, the editor keeps its own text
    // (the stored cell shows the parsed value, not what is being typed).
    auto *Self = const_cast<TGridDelegate *>(this);
    connect(E, &QLineEdit::textEdited, Self, [Self, E](const QString &Text) {
        E->setProperty("lumenTyping", true);
        emit Self->commitData(E);
        E->setProperty("lumenCommitted", Text);
    });
    return E;
}

void TGridDelegate::setEditorData(QWidget *Editor, const QModelIndex &Index) const
{
    if (Editor->property("lumenTyping").toBool())
        return;
    QStyledItemDelegate::setEditorData(Editor, Index);
    if (!Editor->property("lumenIndex").isValid()) {
        // The edit starts: remember where and what, so Escape can undo the
        // keystrokes already stored.
        Editor->setProperty("lumenIndex", QVariant::fromValue(QPersistentModelIndex(Index)));
        Editor->setProperty("lumenOriginal", Index.data(Qt::EditRole));
        const_cast<QAbstractItemModel *>(Index.model())
            ->setData(Index, QVariant(), int(TGridRole::BeginEdit));
    }
}

void TGridDelegate::setModelData(QWidget *Editor, QAbstractItemModel *Model,
                                 const QModelIndex &Index) const
{
    // Nothing typed: nothing to store (storing the shown text would round
    // the value to the shown decimals). Already stored: nothing new.
    auto *E = qobject_cast<QLineEdit *>(Editor);
    const QVariant Committed = E != nullptr ? E->property("lumenCommitted") : QVariant();
    if (E == nullptr || !E->property("lumenTyping").toBool() ||
        (Committed.isValid() && E->text() == Committed.toString()))
        return;
    QStyledItemDelegate::setModelData(Editor, Model, Index);
    E->setProperty("lumenCommitted", E->text());
}

void TGridDelegate::updateEditorGeometry(QWidget *Editor, const QStyleOptionViewItem &Option,
                                         const QModelIndex &Index) const
{
    Q_UNUSED(Index);
    Editor->setGeometry(Option.rect.adjusted(1, 1, -1, -1));
}

bool TGridDelegate::eventFilter(QObject *Object, QEvent *Event)
{
    if (Event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(Event)->key() == Qt::Key_Escape) {
        auto *E = qobject_cast<QLineEdit *>(Object);
        if (E != nullptr && E->property("lumenTyping").toBool()) {
            const auto Index = E->property("lumenIndex").value<QPersistentModelIndex>();
            E->setProperty("lumenTyping", false);
            if (Index.isValid())
                const_cast<QAbstractItemModel *>(Index.model())
                    ->setData(Index, E->property("lumenOriginal"), int(TGridRole::CancelEdit));
        }
    }
    if (Event->type() == QEvent::KeyPress) {
        auto *Editor = qobject_cast<QWidget *>(Object);
        if (Editor != nullptr && View->EditorKey(Editor, static_cast<QKeyEvent *>(Event)))
            return true;
    }
    return QStyledItemDelegate::eventFilter(Object, Event);
}

void SyncScrollBars(QScrollBar *A, QScrollBar *B)
{
    QObject::connect(A, &QScrollBar::valueChanged, B, [B](int V) {
        if (B->value() != V)
            B->setValue(V);
    });
    QObject::connect(B, &QScrollBar::valueChanged, A, [A](int V) {
        if (A->value() != V)
            A->setValue(V);
    });
    // The header grid is as wide (high) as the data grid's viewport, so its
    // range follows; copy it anyway in case the layout settles late.
    QObject::connect(A, &QScrollBar::rangeChanged, B, [B](int Min, int Max) {
        if (B->maximum() < Max)
            B->setRange(Min, Max);
    });
}

namespace gridpaint
{

QRect DropButton(const QRect &Cell)
{
    const int S = Cell.height();
    return QRect(Cell.right() + 1 - S, Cell.top(), S, S);
}

void HeaderButtonCell(QPainter &P, const QRect &R, const QFont &Font, const QString &Text,
                      bool Down, bool Current, bool DoubleFrame, bool DropDown)
{
    const QRect Drop = DropButton(R);
    const QRect Letter(R.left(), R.top(), Drop.left() - R.left(), R.height());
    QFont F = Font;
    F.setBold(Current);
    P.setFont(F);
    if (Down) {
        P.fillRect(Letter, QColor(160, 160, 164));
        Frame3D(P, Letter, true);
        P.setPen(Qt::black);
        P.drawText(Letter.translated(2, 2), Qt::AlignCenter | Qt::TextSingleLine, Text);
    } else {
        P.fillRect(Letter, ButtonFace());
        Frame3D(P, Letter, false, DoubleFrame);
        P.setPen(Qt::black);
        P.drawText(Letter, Qt::AlignCenter | Qt::TextSingleLine, Text);
    }
    P.fillRect(Drop, DropDown ? QColor(160, 160, 164) : ButtonFace());
    Frame3D(P, Drop, DropDown);
    const int Shift = DropDown ? 1 : 0;
    const int Cx = Drop.left() + Drop.width() / 2 + Shift;
    const int Cy = Drop.top() + Drop.height() / 2 + Shift;
    // The arrow grows with the zoomed cell: 3 pixels either side at 100 %.
    const int T = std::max(3, Drop.height() / 8);
    const QPoint Tri[3] = {QPoint(Cx - T, Cy - T / 3), QPoint(Cx + T, Cy - T / 3),
                           QPoint(Cx, Cy + 2 * T / 3)};
    P.setPen(Qt::black);
    P.setBrush(Qt::black);
    P.drawPolygon(Tri, 3);
}

void FittedText(QPainter &P, const QRect &R, int Align, const QString &Text)
{
    const int Flags = Align | Qt::TextSingleLine;
    if (P.fontMetrics().horizontalAdvance(Text) <= R.width()) {
        P.drawText(R, Flags, Text);
        return;
    }
    const QFont Saved = P.font();
    QFont F = Saved;
    const bool Points = Saved.pointSizeF() > 0;
    const qreal Full = Points ? Saved.pointSizeF() : qreal(Saved.pixelSize());
    const qreal Step = Points ? 0.5 : 1;
    for (qreal Size = Full - Step; Full > 0 && Size >= Full * 0.7; Size -= Step) {
        if (Points)
            F.setPointSizeF(Size);
        else
            F.setPixelSize(int(Size));
        P.setFont(F);
        if (P.fontMetrics().horizontalAdvance(Text) <= R.width()) {
            P.drawText(R, Flags, Text);
            P.setFont(Saved);
            return;
        }
    }
    P.drawText(R, Flags, P.fontMetrics().elidedText(Text, Qt::ElideRight, R.width()));
    P.setFont(Saved);
}

QColor ButtonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

void Frame3D(QPainter &P, const QRect &R, bool Sunken, bool Double)
{
    const QColor Light = Sunken ? QColor(128, 128, 128) : QColor(255, 255, 255);
    const QColor Dark = Sunken ? QColor(255, 255, 255) : QColor(128, 128, 128);
    QRect F = R.adjusted(0, 0, -1, -1);
    const int Rounds = Double ? 2 : 1;
    for (int I = 0; I < Rounds; ++I) {
        P.setPen(Light);
        P.drawLine(F.topLeft(), F.topRight());
        P.drawLine(F.topLeft(), F.bottomLeft());
        P.setPen(Dark);
        P.drawLine(F.bottomLeft(), F.bottomRight());
        P.drawLine(F.topRight(), F.bottomRight());
        F.adjust(1, 1, -1, -1);
    }
}

} // namespace gridpaint
