// A draw grid: a table view with fixed cell sizes, no headers and keys that
// the owning editor may take before the view moves the cursor. Used for the
// data grids and the header grids of all three editors.
#pragma once

#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVector>

class TGridView;
class QScrollBar;

// Roles the delegates draw from.
enum class TGridRole : int {
    CellState = Qt::UserRole + 1, // TCellState of a data cell
    ColumnKind,                   // TColumnKind of the cell's column
    Marked,                       // the cell's column or line is marked
    Grouped,                      // the column is grouped (column header)
    Picked,                       // the line is picked in a scatter diagram
    BeginEdit,                    // setData: an in-place edit starts
    CancelEdit,                   // setData: the edit is given up; value = original text
};

// The header cell held down by the mouse.
struct TPressedCell {
    TGridView *View = nullptr;
    int Row = -1;
    int Col = -1;
    int Part = 0; // 1 the letter part, 2 the drop button
    void Clear() { *this = TPressedCell(); }
    bool Is(const TGridView *V, int R, int C) const { return V == View && R == Row && C == Col; }
};

// Colours shared by the grids of all editors.
namespace gridcolor
{
inline QColor Cream()
{
    return QColor(255, 251, 240);
}
inline QColor MarkedCell()
{
    return QColor(128, 128, 128);
}
inline QColor PressedFace()
{
    return QColor(160, 160, 164);
}
inline QColor Random()
{
    return QColor(255, 0, 255);
}
} // namespace gridcolor

// The owning editor's handlers. A handler returning true has consumed the
// event; otherwise the view does its normal thing.
class TGridEvents
{
  public:
    virtual ~TGridEvents() = default;
    virtual bool GridKey(TGridView *View, int Key, Qt::KeyboardModifiers Mods)
    {
        Q_UNUSED(View);
        Q_UNUSED(Key);
        Q_UNUSED(Mods);
        return false;
    }
    virtual bool GridMousePress(TGridView *View, QMouseEvent *Event)
    {
        Q_UNUSED(View);
        Q_UNUSED(Event);
        return false;
    }
    virtual bool GridMouseRelease(TGridView *View, QMouseEvent *Event)
    {
        Q_UNUSED(View);
        Q_UNUSED(Event);
        return false;
    }
    virtual void GridCurrentChanged(TGridView *View, const QModelIndex &Current,
                                    const QModelIndex &Previous)
    {
        Q_UNUSED(View);
        Q_UNUSED(Current);
        Q_UNUSED(Previous);
    }
    virtual void GridFocusIn(TGridView *View) { Q_UNUSED(View); }
    virtual void GridFocusOut(TGridView *View) { Q_UNUSED(View); }
    virtual void GridEditingChanged(TGridView *View) { Q_UNUSED(View); }
};

class TGridView : public QTableView
{
    Q_OBJECT
  public:
    TGridView(const QString &Name, TGridEvents *Events, QWidget *Parent = nullptr);
    ~TGridView() override;

    void SetColumnWidth(int Width);
    void SetRowHeight(int Height);
    // The width of a column and the height of a row as shown (zoomed).
    int ColumnWidth() const;
    int RowHeight() const;

    // The zoom factor (1 = 100 %). The sizes set before the first call are
    // the 100 % sizes: the font, the column widths and row heights (default
    // and individual) and a fixed width or height. Every zoom is derived
    // from them, so zooming back gives exactly the sizes of the start.
    void SetZoom(double Factor);
    double Zoom() const { return ZoomFactor; }
    // A 100 % size in pixels at the present zoom.
    int Zoomed(int Size) const;

  signals:
    // Ctrl and the mouse wheel: Steps notches away from the user (+) or
    // towards (-).
    void ZoomWheel(int Steps);

  public:
    bool IsEditing() const { return state() == QAbstractItemView::EditingState; }
    // Stores the typed text and closes the in-place editor.
    void EndEdit();
    // Closes the in-place editor without storing.
    void CancelEdit();
    // Opens the in-place editor on the current cell.
    void StartEdit();
    void SetCell(int Row, int Col);
    int Row() const { return currentIndex().isValid() ? currentIndex().row() : -1; }
    int Col() const { return currentIndex().isValid() ? currentIndex().column() : -1; }

    // Called by the delegate for keys typed into the in-place editor; true
    // when the grid took the key.
    bool EditorKey(QWidget *Editor, QKeyEvent *Event);
    // The normal cursor movement for a key (arrows, Tab, Home, End, pages).
    void DefaultKey(int Key, Qt::KeyboardModifiers Mods);

    TGridEvents *Events() const { return GridEvents; }
    using QTableView::edit;

  protected:
    void keyPressEvent(QKeyEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;
    void mouseMoveEvent(QMouseEvent *Event) override;
    void focusInEvent(QFocusEvent *Event) override;
    void focusOutEvent(QFocusEvent *Event) override;
    void wheelEvent(QWheelEvent *Event) override;
    void currentChanged(const QModelIndex &Current, const QModelIndex &Previous) override;
    void closeEditor(QWidget *Editor, QAbstractItemDelegate::EndEditHint Hint) override;
    QModelIndex moveCursor(CursorAction Action, Qt::KeyboardModifiers Mods) override;
    bool edit(const QModelIndex &Index, EditTrigger Trigger, QEvent *Event) override;

  private:
    TGridEvents *GridEvents;
    bool OwnMousePress = false;
    QMetaObject::Connection FocusWatch;

    // The 100 % sizes, taken at the first SetZoom.
    struct tSection {
        Qt::Orientation Orientation;
        int Index;
        int Size;
    };
    struct tBaseSizes {
        bool Known = false;
        QFont Font;
        int ColumnWidth = 0;
        int RowHeight = 0;
        QVector<tSection> Sections; // sized apart from the default
        int FixedWidth = -1;
        int FixedHeight = -1;
    } Base;
    double ZoomFactor = 1;
    int WheelRest = 0;
};

// Base of the grid delegates: hands the editor's keys to the grid and opens a
// plain line editor without a frame.
class TGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
  public:
    explicit TGridDelegate(TGridView *View);
    QWidget *createEditor(QWidget *Parent, const QStyleOptionViewItem &Option,
                          const QModelIndex &Index) const override;
    void updateEditorGeometry(QWidget *Editor, const QStyleOptionViewItem &Option,
                              const QModelIndex &Index) const override;
    void setEditorData(QWidget *Editor, const QModelIndex &Index) const override;
    void setModelData(QWidget *Editor, QAbstractItemModel *Model,
                      const QModelIndex &Index) const override;

  protected:
    bool eventFilter(QObject *Object, QEvent *Event) override;
    TGridView *View;
};

// Keeps two scroll bars at the same value (a header grid with its data grid).
void SyncScrollBars(QScrollBar *A, QScrollBar *B);

namespace gridpaint
{
// The drop button of a header cell: a square as wide as the cell is high at
// its right end.
QRect DropButton(const QRect &Cell);
// A column header's number or letter cell with its drop button: raised, or
// grey and sunken (text moved by 2) when Down; bold text for the data grid's
// current column, a doubled raised frame while DoubleFrame.
void HeaderButtonCell(QPainter &P, const QRect &R, const QFont &Font, const QString &Text,
                      bool Down, bool Current, bool DoubleFrame, bool DropDown);
// The raised or sunken frame of a button-like cell, one pixel, or two when
// Double.
void Frame3D(QPainter &P, const QRect &R, bool Sunken, bool Double = false);
QColor ButtonFace();
// Draws Text in R with the painter's font, made smaller (to 70 %) when the
// text is wider than R, and ended by "…" when even that is too wide, so that
// a text is never cut at its ends.
void FittedText(QPainter &P, const QRect &R, int Align, const QString &Text);
} // namespace gridpaint
