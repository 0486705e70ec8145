// A description pane: the strip with the owner-drawn list of description
// kinds, the calculator button and the regression toggle, and below it a
// white scroll box with the paint box the description is drawn on. The
// editor frame decides what is drawn and what a choice does.
#pragma once

#include <QComboBox>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QVector>
#include <QWidget>

class QActionGroup;
class QMenu;
class QScrollArea;
class QToolButton;
class TDescriptionPane;

class TPaneOwner
{
  public:
    virtual ~TPaneOwner() = default;
    // Draws the pane's description; the painter has the paint box's font and
    // a clip rectangle, Size is the paint box's size.
    virtual void PaintPane(TDescriptionPane *Pane, QPainter &P, const QSize &Size) = 0;
    // The user chose item Index of the kind list.
    virtual void PaneKindChosen(TDescriptionPane *Pane, int Index) = 0;
    // The list is about to drop down.
    virtual void PaneDropDown(TDescriptionPane *Pane) = 0;
    // Whether the kind of item Index may be chosen now (drawn normally).
    virtual bool PaneItemAllowed(TDescriptionPane *Pane, int Index) = 0;
    virtual void PaneMousePress(TDescriptionPane *Pane, QPoint Pos) = 0;
    virtual void PaneMouseRelease(TDescriptionPane *Pane, QPoint Pos) = 0;
    virtual void PaneCalcClicked(TDescriptionPane *Pane) = 0;
    virtual void PaneRegresClicked(TDescriptionPane *Pane) = 0;
    // A regression model was chosen in the pane's model menu.
    virtual void PaneModelChosen(TDescriptionPane *Pane, int Model) = 0;
};

// Draws the items of a kind list: icon, text, and the part from "(" on at a
// fixed tab so the limits line up.
class TKindItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
  public:
    TKindItemDelegate(TDescriptionPane *Pane, QObject *Parent);
    void paint(QPainter *P, const QStyleOptionViewItem &Option,
               const QModelIndex &Index) const override;
    QSize sizeHint(const QStyleOptionViewItem &Option, const QModelIndex &Index) const override;

  private:
    TDescriptionPane *Pane;
};

class TKindComboBox : public QComboBox
{
    Q_OBJECT
  public:
    TKindComboBox(TDescriptionPane *Pane, QWidget *Parent);
    void showPopup() override;

  protected:
    void paintEvent(QPaintEvent *Event) override;

  private:
    TDescriptionPane *Pane;
};

class TPanePaintBox : public QWidget
{
    Q_OBJECT
  public:
    TPanePaintBox(TDescriptionPane *Pane, bool Buffered, QWidget *Parent);

  protected:
    void paintEvent(QPaintEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;

  private:
    TDescriptionPane *Pane;
    bool Buffered;
};

class TDescriptionPane : public QWidget
{
    Q_OBJECT
  public:
    // Number 1..4; Buffered draws through an off-screen bitmap (pane 1).
    // Items are the list's texts; the icon row of item i is IconBase + i.
    TDescriptionPane(int Number, TPaneOwner *Owner, const QStringList &Items, int IconBase,
                     bool TabColumn, bool Buffered, QWidget *Parent = nullptr);

    int Number() const { return PaneNumber; }
    TPaneOwner *Owner() const { return PaneOwner; }

    TKindComboBox *ComboBox;
    QToolButton *CalcButton;
    // The regression toggle; its menu part chooses the model.
    QToolButton *RegresButton;
    // The model menu alone, for the residual plot.
    QToolButton *ModelButton;
    QMenu *ModelMenu;
    QScrollArea *ScrollBox;
    TPanePaintBox *PaintBox;

    // The scroll range of the paint box (its smallest size) at 100 %; the
    // paint box is that much larger at a zoom.
    void SetRange(const QSize &Range);
    QSize Range() const { return ScrollRange; }
    void Repaint();

    // The zoom factor of the paint box (1 = 100 %). The description is drawn
    // at 100 % into a painter enlarged by the factor, so that its font and
    // everything the layout derives from the font (line widths, markers, the
    // pie chart) grow together; the owner sees sizes and points at 100 %.
    void SetZoom(double Factor);
    double Zoom() const { return ZoomFactor; }
    // A point of the paint box at 100 %, and the paint box's size at 100 %.
    QPoint Unzoomed(QPoint Pos) const;
    QSize UnzoomedSize() const;

  signals:
    // Ctrl and the mouse wheel over the pane: Steps notches away from the
    // user (+) or towards (-).
    void ZoomWheel(int Steps);

  public:
    // The regression model of the pane (a tRegressionModel), ticked in the
    // model menu.
    int Model() const { return RegresModel; }
    void SetModel(int Model);

    // Item Index shows kind IconRow(Index) + 1.
    int IconRow(int Index) const
    {
        return Index >= 0 && Index < ItemKinds.size() ? ItemKinds[Index] - 1 : IconBase + Index;
    }
    // Adds an item for Kind at the end of the list.
    void AppendKindItem(int Kind, const QString &Text);
    bool HasTabColumn() const { return TabColumn; }
    // The width the open list needs to show its longest text in full.
    int ListWidth() const;
    // Draws one list item (also the closed combo's face).
    void DrawItem(QPainter &P, const QRect &R, int Index, bool Selected) const;

    // The fonts of the list and of the paint box.
    static QFont ListFont();
    static QFont PaintFont();

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

  private:
    int PaneNumber;
    TPaneOwner *PaneOwner;
    int IconBase;
    QVector<int> ItemKinds; // the kind of each item
    bool TabColumn;
    QSize ScrollRange;
    int RegresModel = 0;
    QActionGroup *ModelGroup;
    double ZoomFactor = 1;
    int WheelRest = 0;
};
