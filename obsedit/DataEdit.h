// TDataEdit: the observation editor. Columns A..Z of cells with names, the
// three linked grids (twice: on the edit page and on the mixed page), the
// marks for description, typing with the edit direction, and the tool bar.
#pragma once

#include "EditorFrame.h"
#include "ObsCommandState.h"
#include "ObsGridBlock.h"
#include "ObsGridModels.h"

class QMenu;
class QMenuBar;
class QAction;
class TCalcDlg;
class TDataStilDlg;
class TTerningDlg;
struct tSheet;

class TDataEdit : public TEditorFrame, public TObsGridOwner, public TGridEvents
{
    Q_OBJECT
  public:
    static constexpr int InitialRows = 500;

    explicit TDataEdit(TEditorHost *Host, QWidget *Parent = nullptr);
    TDataEdit(TEditorHost &Host, QWidget *Parent = nullptr) : TDataEdit(&Host, Parent) {}
    ~TDataEdit() override;

    // TEditorBase.
    TDataType EditorType() const override { return dtObs; }
    void ShowEditor() override;
    void HideEditor() override;
    QMenuBar *EditorMenuBar() override { return MenuBar; }
    void DataReplaced(bool FromFile) override;
    bool CommitEdit() override;

    // The grids: index 0 the edit page's, 1 the mixed page's copy.
    TObsGridBlock *Block(int I) const { return Blocks[I]; }
    TGridView *SojleDG(int I = 0) const { return Blocks[I]->SojleDG; }
    TGridView *LinieDG(int I = 0) const { return Blocks[I]->LinieDG; }
    TGridView *DataDG(int I = 0) const { return Blocks[I]->DataDG; }
    // The block of the page showing (the edit page's outside the mixed view).
    TObsGridBlock *ShowingBlock() const;
    TObsDataModel *DataModel() const { return DataGridModel; }

    int RowCount() const { return Rows; }
    // Grows (never shrinks) the data and line header grids to N rows.
    void RaiseRowCount(int N);
    void SetRowCount(int N);

    void UpdateButtons() override;
    void ShowColumnStatus(int Col);

    // Marking as a click on a column letter or a line number does it.
    void MarkColumn(int Col, Qt::KeyboardModifiers Mods);
    void MarkLine(int Line, Qt::KeyboardModifiers Mods);
    // Ends editing in whichever grid of the showing page is editing.
    void EndEditing() override;
    // Repaints every grid of both blocks.
    void RepaintGrids();
    // The edit direction button.
    void NextDirection();
    void UpdateDirectionGlyph();

    // TObsGridOwner.
    tLumen &GridLumen() override { return Host.Lumen(); }
    int GridRowCount() const override { return Rows; }
    void CellTyped(int Line, int Col, const QString &Text) override;
    void ColNameTyped(int Col, const QString &Text) override;
    void LineNameTyped(int Line, const QString &Text) override;
    void CellEditStarted(int Line, int Col) override;
    void CellEditCancelled(int Line, int Col) override;

    // TGridEvents.
    bool GridKey(TGridView *View, int Key, Qt::KeyboardModifiers Mods) override;
    bool GridMousePress(TGridView *View, QMouseEvent *Event) override;
    bool GridMouseRelease(TGridView *View, QMouseEvent *Event) override;
    void GridCurrentChanged(TGridView *View, const QModelIndex &Current,
                            const QModelIndex &Previous) override;
    void GridFocusIn(TGridView *View) override;
    void GridFocusOut(TGridView *View) override;
    void GridEditingChanged(TGridView *View) override;

    const TPressedCell &PressedCell() const { return Pressed; }
    // After a data cell changed: dependants of its line, descriptions, buttons.
    void AfterCellChange(int Line, int Col);
    // A data grid's in-place editor is open.
    bool DataGridEditing() const;
    // The cell and decimals as they were when the current edit started.
    struct TEditSnapshot {
        int Line = -1, Col = -1;
        bool Existed = false;
        tCell Cell;
        int32_t Decimals = 0;
    } EditSnapshot;

    // The menus, each found by its object name.
    QMenu *Menu(const QString &Name) const;
    QAction *MenuItem(const QString &Name) const;
    TCommandState CommandState(int Id) override;
    TObsCommandContext CommandContext() const;
    // An enabled menu command's shortcut wins over a cell editor's own use
    // of the key (Ctrl+C with a column marked copies the column); a disabled
    // one leaves the key to the editor.
    bool eventFilter(QObject *Watched, QEvent *Event) override;

    // Column and line commands (ColumnCommands.cpp): the column form when a
    // column is marked, else the line form.
    void CutCommand();
    void CopyCommand();
    void PasteCommand();
    void ClearCommand();
    void InsertEmptyCommand();
    void RemoveCommand();
    void SwapCommand();
    void SortCommand(bool Ascending);
    void SortByNamesCommand(bool Ascending);
    void DecimalsCommand(int Delta);
    void ScaleCommand(bool Divide);
    // Sheet commands (SheetCommands.cpp).
    void ClearAllCommand();
    void CopyAllCommand(bool WithNames);
    void ReplaceAllCommand();
    // Import and append (ImportCommands.cpp).
    void ImportAsCommand();
    void ImportAsDataCommand();
    void AppendBelowCommand();
    void AppendRightCommand();
    // The computed-column dialog for the marked column (CalcCommand.cpp).
    void CalcCommand();
    // The dialog CalcCommand opens (made on first use, kept for the run).
    TCalcDlg *CalcDialog();
    // Random numbers: "Talområde..." and "Nye tal" (RandomCommands.cpp).
    void RandomRangeCommand();
    void NewRandomNumbers();
    // The column settings dialog for Col and the refresh after OK
    // (ColumnSettingsCommand.cpp).
    void ColumnSettingsCommand(int Col);
    TDataStilDlg *ColumnSettingsDialog() const { return DataStilDlg; }
    TTerningDlg *RandomDialog() const { return TerningDlg; }

  signals:
    // The drop button of a column letter, or "Indstillinger...": the column
    // settings dialog (built with the column commands).
    void ColumnSettingsRequested(int Col);

  protected:
    void ViewShown(TView V) override;
    void ZoomGrids(double Factor) override
    {
        for (auto *B : Blocks)
            if (B != nullptr)
                B->SetZoom(Factor);
    }
    bool DescribesGrouped() override;
    bool SomethingMarked() override;
    bool LinesMarkable() const override { return true; }
    int LineNameWidth() const override { return TObsGridBlock::NameWidth; }
    void DrawKind(QPainter &P, const tDrawContext &C, int Kind, int PaneN) override;
    // The cross table, data sticks and data curve go page by page; the
    // cross table and the key figures of two columns are copied as text
    // (DataEditOutput.cpp).
    int PrintKindPages(QPainter &P, const tDrawContext &C, int Kind, int PageLimit) override;
    QString KindText(int Kind) override;
    void PickedLinesChanged() override;
    // The command frame.
    void SaveUndoStep(uint8_t Op) override { Host.Lumen().SaveUndo(Op); }
    void UndoStep() override { Host.Lumen().Undo(); }
    uint8_t UndoStepOp() const override { return Host.Lumen().GetUndoOp(); }
    void ClearMarks() override;
    void AfterCommand() override;

  private:
    void BuildToolBar();
    void BuildMenus();
    int BlockOf(const TGridView *View) const;
    bool CanEnter(int Col);
    // The column from Col on (wrapping) that the cursor may enter; Col itself
    // when none.
    int SkipFrom(int Col);
    void MoveDataCursor(TObsGridBlock *B, int Line, int Col);
    void ResumeEditing(TGridView *G);
    bool DataKey(TObsGridBlock *B, int Key, Qt::KeyboardModifiers Mods);
    bool ColHeaderKey(TObsGridBlock *B, int Key);
    bool LineHeaderKey(TObsGridBlock *B, int Key);
    void RepaintHeaders(TObsGridBlock *B);
    void SetColumnButtonsVisible(bool Visible);
    // Creates the column settings and random number dialogs and connects
    // their commands.
    void BuildDataTools();
    void BindToolButtons();
    void AddEditMenus();
    void AddFileEntries(QMenu *Filer);
    // A new column would push out Z while a formula reads it: the message
    // of a refused removal under Caption; true when refused.
    bool InsertRefusedForFormula(const QString &Caption);
    // Repaints the columns changed by a command that took no full refresh.
    void ColumnsChanged(const QVector<int32_t> &Cols);
    // "Erstat alt?" when there is data to lose; true to go on.
    bool ReplaceAllAsked();
    // The whole sheet replaced by a sheet text; false when it is none.
    bool ReplaceAllBy(const QString &Text, bool FromFile);
    bool AskImportFile(bool DropEmptyLines, QString &Text, tSheet &Sheet, bool &IsSheet);
    // Ctrl+V in the data grid with nothing marked: the clipboard's text into
    // the cells from (Line, Col) on, with the undo step "Indsæt".
    bool PasteIntoCell(int Line, int Col);
    // The cursor to A1 and both grids scrolled to the top left corner.
    void ShowTopLeft();
    // Repaints a changed cell and recomputes its line's dependants; returns
    // the letters of the columns recomputed.
    QString CellChanged(int Line, int Col);

    TObsDataModel *DataGridModel;
    TObsColHeaderModel *ColModel;
    TObsLineHeaderModel *LineModel;
    TObsGridBlock *Blocks[2] = {};
    TPressedCell Pressed;
    int Rows = InitialRows;
    // Keystrokes are stored while the descriptions wait for the commit.
    bool TypedUncommitted = false;
    TCalcDlg *CalcDlg = nullptr;
    QMenuBar *MenuBar = nullptr;
    QList<QWidget *> ColumnSeparators;
    TDataStilDlg *DataStilDlg = nullptr;
    TTerningDlg *TerningDlg = nullptr;
};
