// The frame shared by the three editors: the tool bar, the notebook with the
// four views, the four description panes with their kind lists and buttons,
// the status panel and the pane logic (choosing a kind, refreshing, sizing,
// linked panes). The observation, frequency and grouped editors add their
// grids, their tool buttons and what differs in their descriptions.
#pragma once

#include "DescriptionPane.h"
#include "EditorHost.h"
#include "PrintCopy.h"
#include "ScatterDiagram.h"

#include <QHash>
#include <QPoint>
#include <functional>

class QAction;
class QButtonGroup;
class QFrame;
class QHBoxLayout;
class QImage;
class QLabel;
class QMenu;
class QMenuBar;
class QSplitter;
class QStackedWidget;
class QToolButton;
class TArrowDlg;
class tDescriptor;
struct tDrawContext;

// What a command's menu item shows and whether it (and its tool button) may
// be used now.
struct TCommandState {
    QString Caption; // empty: the item keeps its caption
    bool Enabled = false;
};

class TEditorFrame : public TEditorBase, public TPaneOwner
{
    Q_OBJECT
  public:
    enum TView { vwEdit = 0, vwMixed = 1, vwDual = 2, vwSingle = 3 };

    TEditorFrame(TEditorHost &Host, const QStringList &KindItems, int KindBase, bool TabColumn,
                 QWidget *Parent = nullptr);

    TEditorHost &EditorHost() { return Host; }
    tLumen &Lumen() { return Host.Lumen(); }
    tDescriptor &Descriptor();

    // Views.
    TView View() const { return CurrentView; }
    void SetView(TView V);

    // Panes 1..4.
    TDescriptionPane *Pane(int N) const;
    // The description kind shown by item Index of a kind list, and back (-1
    // for a kind the lists do not hold).
    int KindOfItem(int Index) const
    {
        return Index >= 0 && Index < ItemKinds.size() ? ItemKinds[Index] : Index + KindBase;
    }
    int ItemOfKind(int Kind) const { return Kind == 0 ? -1 : int(ItemKinds.indexOf(Kind)); }
    // Adds Kind at the end of the four panes' lists (kinds beyond the first
    // contiguous run the lists start with).
    void AppendKind(int Kind, const QString &Text);
    // Whether a pane may show Kind now (KindAvailable for this editor's type).
    bool KindAllowed(int Kind);

    // Choosing item Index of pane N's list, as the user does.
    void ChooseKind(int N, int Index);
    // After every change of data or marks.
    void RefreshDescriptions();
    // While a cell is typed: pane 1 follows the data when it describes them
    // (Described), but no pane gives up its kind until the edit ends.
    void RefreshTypedPane(bool Described);
    void UpdatePaneButtons();
    void SizePane(int N);
    // Mouse picking on linked panes (pane 1 press and release, panes 2, 3).
    void PickInPane(int N, QPoint Pressed, QPoint Released);
    // Whether a scatter diagram for pane N shows the regression line: the
    // pane's toggle; for a picture (N = 0) the toggle of the view showing,
    // always in the data-only view.
    bool RegressionLineFor(int N) const;
    // The regression model of pane N (the scatter diagram's curve, the
    // residual plot); for a picture or page of Kind (N = 0) the model of the
    // pane showing Kind in the view showing, else of the main description.
    int RegressionModelFor(int N, int Kind = 0) const;
    // The markers of the scatter diagram last drawn in pane 1.
    tPointHitList PointHitList;

    // Print and copy (PrintCopy.cpp). The "Udskriv" submenu of Filer:
    // "Datasæt" (Ctrl+P), a separator and the print items of Items, each
    // enabled when the menu opens as KindAllowed says.
    QMenu *AddPrintMenu(QMenu *Filer, const QString &MenuName, const QVector<tOutputItem> &Items);
    // The "Ko&piér til klippebord" submenu of Rediger with the copy items of
    // Items; or those items added to an existing submenu. Enabled as above.
    QMenu *AddCopyMenu(QMenu *Rediger, const QString &MenuName, const QVector<tOutputItem> &Items);
    void AddCopyItems(QMenu *Menu, const QVector<tOutputItem> &Items);
    // The commands behind the items.
    void PrintDescription(int Kind, const QString &Title);
    void PrintDataSet();
    void CopyDescription(int Kind);
    // What a copy puts on the clipboard.
    QImage DescriptionPicture(int Kind);
    QString DescriptionText(int Kind);
    QSize PictureSize(int Kind);
    // Whether a printed or copied scatter diagram gets its regression line:
    // always from the edit view, else as the showing view's toggles are.
    bool OutputRegression() const;
    // The notice printed instead of Kind ("Fejl i data-par", "Fejl i
    // intervaller"), "" when Kind can be drawn.
    QString OutputError(int Kind);
    // The scroll range SizePane gives a pane of Kind.
    QSize PaneRange(int Kind);

    // The tool buttons by name, and the status panel.
    QToolButton *ToolButton(const QString &Name) const { return Buttons.value(Name); }
    QLabel *StatusPanel;
    QStackedWidget *Notebook;

    // TEditorBase.
    void SetTextButtonDown(bool Down) override;

    // Zoom and full screen (ViewCommands.cpp). SetZoom zooms the panes and
    // the editor's grids to Percent; StepZoom goes Steps zoom steps up (+)
    // or down (-), shows the zoom in the status line and lets the host zoom
    // the other editors alike.
    void SetZoom(int Percent) override;
    int Zoom() const { return ZoomPercent; }
    void StepZoom(int Steps);
    void ZoomIn() { StepZoom(1); }
    void ZoomOut() { StepZoom(-1); }
    void NormalZoom();
    // F11: the main window to full screen and back.
    void ToggleFullScreen();
    // The "Vis" menu: "Zoom ind" (Ctrl++, Ctrl+=), "Zoom ud" (Ctrl+-),
    // "Normal størrelse" (Ctrl+0) and "Fuld skærm" (F11). Names of its items
    // start with Prefix.
    QMenu *AddViewMenu(QMenuBar *Bar, const QString &Prefix);

    // The (x,y) calculator, made on first use.
    TArrowDlg *Calculator();

    // The frame of every command that changes data: ends editing, clears the
    // status, takes the undo step Op (none for uoNone, when the change takes
    // its own), runs Change and, when Change reports a change, lets the
    // editor recalculate and repaint (AfterCommand), refreshes the
    // descriptions and the buttons. Returns what Change returned.
    bool RunCommand(uint8_t Op, const std::function<bool()> &Change);
    // "Fortryd": ends editing, clears the status and the marks and exchanges
    // the data with the undo copy; a second undo brings the change back.
    void UndoCommand();
    // Ends editing in whichever grid of the showing page is editing.
    virtual void EndEditing() = 0;

    // Menu items and tool buttons bound to a command id share one state,
    // computed by CommandState: the menus apply it as they open, the buttons
    // after every change (UpdateButtons calls ApplyCommandStates).
    void BindCommand(int Id, QAction *Item);
    void BindCommand(int Id, QToolButton *Button);
    void ApplyCommandStates();
    // Applies the states to the items of one menu only (as it opens).
    void ApplyCommandStates(const QList<QAction *> &Items);
    virtual TCommandState CommandState(int Id) = 0;
    // The text file chosen in "Import af tekst" and its lines; false when the
    // dialog was cancelled or the file could not be read (then told).
    bool AskTextFile(bool DropEmptyLines, QString &Text);

    // TPaneOwner.
    void PaintPane(TDescriptionPane *Pane, QPainter &P, const QSize &Size) override;
    void PaneKindChosen(TDescriptionPane *Pane, int Index) override;
    void PaneDropDown(TDescriptionPane *Pane) override;
    bool PaneItemAllowed(TDescriptionPane *Pane, int Index) override;
    void PaneMousePress(TDescriptionPane *Pane, QPoint Pos) override;
    void PaneMouseRelease(TDescriptionPane *Pane, QPoint Pos) override;
    void PaneCalcClicked(TDescriptionPane *Pane) override;
    void PaneRegresClicked(TDescriptionPane *Pane) override;
    void PaneModelChosen(TDescriptionPane *Pane, int Model) override;

  protected:
    // Building the tool bar, left to right.
    QToolButton *AddToolButton(const QString &Name, const QString &Hint, int Width = 29);
    QFrame *AddToolSeparator();
    // The four view buttons, EditSpeed down.
    void AddViewButtons();
    // The start of every editor's tool bar: New (of Type), Open, Save, the
    // text button and the view buttons, with their commands.
    void AddFileAndViewButtons(TDataType Type);
    // Follows the clipboard, so that the paste commands need not read it on
    // every update of the buttons; calls UpdateButtons on a change.
    void TrackClipboard();
    bool ClipboardHasText = false;

  public:
    // Whether data were typed or read from a file: such a data set keeps its
    // type, so the "Datatype" menu is disabled.
    bool DataEdited() const { return Edited; }
    void SetDataEdited(bool Flag);

  protected:
    bool Edited = false;
    QMenu *DatatypeMenu = nullptr;
    // Where the editor puts its grids: the edit page and the left side of
    // the mixed page.
    QWidget *EditPage;
    QWidget *MixedGridHolder;
    QSplitter *MixedSplitter;
    QSplitter *DualSplitter;

    // Steps shared by the editors' ShowEditor and their resets.
    void ShowFrame();
    // Puts every combo on its pane's stored kind.
    void SyncCombos();

    // What the editors decide.
    virtual void UpdateButtons() = 0;
    // The command frame's editor-specific steps: the undo step and undo of
    // the editor's side of the data set, clearing its marks, and what follows
    // a change (recalculation, grid sizes and repaint).
    virtual void SaveUndoStep(uint8_t Op) = 0;
    virtual void UndoStep() = 0;
    virtual uint8_t UndoStepOp() const = 0;
    virtual void ClearMarks() = 0;
    virtual void AfterCommand() = 0;
    // After the page of a view was made current.
    virtual void ViewShown(TView V) { Q_UNUSED(V); }
    // Zooms the editor's own grids by Factor (1 = 100 %).
    virtual void ZoomGrids(double Factor) { Q_UNUSED(Factor); }
    // Whether the descriptions are of grouped data (the first marked column
    // grouped, or grouped data).
    virtual bool DescribesGrouped() = 0;
    // Whether something is marked, and whether lines can be marked (the
    // pane prompt's wording).
    virtual bool SomethingMarked() = 0;
    virtual bool LinesMarkable() const { return false; }
    // The width of the line-name column (the data sticks' layout unit).
    virtual int LineNameWidth() const { return 74; }
    // Draws a kind other than none into a pane (or picture).
    virtual void DrawKind(QPainter &P, const tDrawContext &C, int Kind, int PaneN);
    // The picked lines changed (the line header shows them).
    virtual void PickedLinesChanged() {}
    // Opens the (x,y) calculator for a pane; its readings repaint the pane.
    virtual void OpenCalculator(int PaneN, bool Grouped);
    // Kinds printed page by page: draws Kind up to PageLimit and returns
    // where the next page starts (0 when done). The frame prints the table;
    // editors with more such kinds add theirs.
    virtual int PrintKindPages(QPainter &P, const tDrawContext &C, int Kind, int PageLimit);
    // The text a copy of Kind puts on the clipboard ("" for nothing). The
    // frame gives the table and the one-variable key figures.
    virtual QString KindText(int Kind);
    // Whether pane N is on the page showing now.
    bool PaneShowing(int N) const;
    // Draws a one-variable description (table, key figures, graphs, pie).
    void DrawOneVariable(QPainter &P, const tDrawContext &C, int Kind, bool Grouped);

  private:
    // Selects the values of the cross-table cell at a point of a pane (and
    // picks its lines); false when the point is on no filled cell.
    bool PickCrossCell(QPoint At, bool PickLines);
    // Selects the x and y values nearest to a point of a scatter diagram.
    void PickScatterValues(QPoint At);
    void SetPaneKindWithPartners(int N, int Kind);
    void UpdateCursors();
    void DropUnavailableKinds();

    int KindBase;
    QVector<int> ItemKinds; // the kind of each list item
    TView CurrentView = vwEdit;
    QHash<QString, QToolButton *> Buttons;
    QMultiHash<int, QAction *> CommandItems;
    QMultiHash<int, QToolButton *> CommandButtons;
    QHBoxLayout *ToolLayout;
    QButtonGroup *ViewGroup = nullptr;
    TDescriptionPane *Panes[5] = {};
    QPoint Pane1Pressed;
    bool Pane1PressValid = false;
    TArrowDlg *ArrowDlg = nullptr;
    int ZoomPercent = 100;
    // "Zoom ind", "Zoom ud", "Normal størrelse".
    QAction *ZoomItems[3] = {};
    // Zooms to Percent as the user chose it (shown in the status line).
    void ChooseZoom(int Percent);
    // The mixed view's grid side of the splitter, from zoom Old to Factor;
    // its width at 100 %.
    void WidenMixedGrid(double Old, double Factor);
    // A zoom chosen before the mixed view was ever laid out widens its grid
    // once the view is.
    void MixedViewShown();
    int MixedGridNormal = 0;
    // Connects the wheel of every grid and pane to StepZoom, once.
    void ConnectZoomWheels();
};
