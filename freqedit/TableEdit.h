// TTableEdit: the editor of frequency tables (THypEdit) and of grouped tables
// (TGrupEdit). Both are this one class over one side of the data set; they
// differ only in the parts of a line (observation and frequency, or lower
// bound, upper bound and frequency).
#pragma once

#include "EditorFrame.h"
#include "TableGridBlock.h"
#include "TableGridModels.h"
#include "TableSide.h"

class QAction;
class QMenu;
class QMenuBar;
class THGStilDlg;

class TTableEdit : public TEditorFrame, public TTableGridOwner, public TGridEvents
{
    Q_OBJECT
  public:
    static constexpr int InitialRows = 500;

    TTableEdit(TEditorHost &Host, TDataType Type, QWidget *Parent = nullptr);
    ~TTableEdit() override;

    // TEditorBase.
    TDataType EditorType() const override { return Side.DataType(); }
    void ShowEditor() override;
    void HideEditor() override;
    QMenuBar *EditorMenuBar() override { return MenuBar; }
    void DataReplaced(bool FromFile) override;
    bool CommitEdit() override;

    const TTableSide &TableSide() const { return Side; }
    // The grids: index 0 the edit page's, 1 the mixed page's copy.
    TTableGridBlock *Block(int I) const { return Blocks[I]; }
    TGridView *SojleDG(int I = 0) const { return Blocks[I]->SojleDG; }
    TGridView *LinieDG(int I = 0) const { return Blocks[I]->LinieDG; }
    TGridView *DataDG(int I = 0) const { return Blocks[I]->DataDG; }
    TTableGridBlock *ShowingBlock() const;
    TTableDataModel *DataModel() const { return DataGridModel; }

    int RowCount() const { return Rows; }
    void SetRowCount(int N);

    void UpdateButtons() override;
    void ShowColumnStatus(int Col);
    // Why the cell of the data grid is left out of the descriptions (a red
    // cell), "" for any other cell; ShowCellStatus shows that reason, or the
    // column's status when there is none.
    QString CellFault(int Line, int GridCol) const;
    void ShowCellStatus(int Line, int GridCol);
    // A menu item or tool button by its name.
    QAction *MenuAction(const QString &Name) const;

    // Marking as a click on a column number does it.
    void MarkColumn(int Col, Qt::KeyboardModifiers Mods);
    void EndEditing() override;
    void RepaintGrids();
    void NextDirection();
    void UpdateDirectionGlyph();

    // The column settings dialog for column Col, applied after OK. The
    // dialog is modal; tests answer it while it runs.
    void OpenColumnSettings(int Col);
    THGStilDlg *SettingsDialog();

    // Commands on the marked columns ("Fortryd" is the frame's UndoCommand).
    enum TTableCommand : int {
        tcUndo,
        tcCut,
        tcCopy,
        tcPaste,
        tcClear,
        tcInsertEmpty,
        tcRemove,
        tcSwap,
        tcSettings,
        tcDecimals,
        tcImport,
    };
    void CutColumn();
    void CopyColumn();
    void PasteColumn();
    void ClearColumns();
    void InsertEmptyColumn();
    void RemoveColumns();
    void SwapColumns();
    void DecimalsCommand(int Delta);
    void ImportText();
    void ColumnSettingsCommand();
    TCommandState CommandState(int Id) override;

    // TTableGridOwner.
    tLumen &GridLumen() override { return Host.Lumen(); }
    const TTableSide &GridSide() const override { return Side; }
    int GridRowCount() const override { return Rows; }
    void CellTyped(int Line, int GridCol, const QString &Text) override;
    void NameTyped(int Col, const QString &Text) override;
    void CellEditStarted(int Line, int GridCol) override;
    void CellEditCancelled(int Line, int GridCol) override;

    // TGridEvents.
    bool GridKey(TGridView *View, int Key, Qt::KeyboardModifiers Mods) override;
    bool GridMousePress(TGridView *View, QMouseEvent *Event) override;
    bool GridMouseRelease(TGridView *View, QMouseEvent *Event) override;
    void GridCurrentChanged(TGridView *View, const QModelIndex &Current,
                            const QModelIndex &Previous) override;
    void GridFocusIn(TGridView *View) override;
    void GridFocusOut(TGridView *View) override;
    void GridEditingChanged(TGridView *View) override;

  protected:
    void ViewShown(TView V) override;
    void ZoomGrids(double Factor) override
    {
        for (auto *B : Blocks)
            if (B != nullptr)
                B->SetZoom(Factor);
    }
    bool DescribesGrouped() override { return Side.IsGrouped(); }
    bool SomethingMarked() override;
    void DrawKind(QPainter &P, const tDrawContext &C, int Kind, int PaneN) override;
    // The command frame's steps on this editor's side of the data set.
    void SaveUndoStep(uint8_t Op) override { Side.SaveUndo(Host.Lumen(), Op); }
    void UndoStep() override { Side.Undo(Host.Lumen()); }
    uint8_t UndoStepOp() const override { return Host.Lumen().GetUndoOp(); }
    void ClearMarks() override;
    void AfterCommand() override;

  private:
    void BuildToolBar();
    void BuildMenus();
    int BlockOf(const TGridView *View) const;
    void MoveDataCursor(TTableGridBlock *B, int Line, int GridCol);
    void ResumeEditing(TGridView *G);
    bool DataKey(TTableGridBlock *B, int Key, Qt::KeyboardModifiers Mods);
    bool ColHeaderKey(TTableGridBlock *B, int Key);
    void RepaintHeaders(TTableGridBlock *B);
    // Runs a command that inserts a column read from Text at the marked one.
    void InsertColumnFromText(const QString &Text, bool FromFile);
    // The grid columns showing the values (not the frequency) of column Col.
    void RepaintValueColumns(int Col);

    TTableSide Side;
    TTableDataModel *DataGridModel;
    TTableColHeaderModel *ColModel;
    TTableLineHeaderModel *LineModel;
    TTableGridBlock *Blocks[2] = {};
    TPressedCell Pressed;
    int Rows = InitialRows;
    QMenuBar *MenuBar = nullptr;
    QMenu *ColumnMenu = nullptr;
    QMenu *EditMenu = nullptr;
    THGStilDlg *Settings = nullptr;
    // The column as it was when the current in-place edit began.
    struct TEditSnapshot {
        int Line = -1, GridCol = -1;
        TTableSide::TColumnCopy Column;
    } EditSnapshot;
};

// The frequency editor and the grouped editor.
class THypEdit : public TTableEdit
{
    Q_OBJECT
  public:
    explicit THypEdit(TEditorHost &Host, QWidget *Parent = nullptr)
        : TTableEdit(Host, dtHyp, Parent)
    {
    }
};

class TGrupEdit : public TTableEdit
{
    Q_OBJECT
  public:
    explicit TGrupEdit(TEditorHost &Host, QWidget *Parent = nullptr)
        : TTableEdit(Host, dtGrup, Parent)
    {
    }
};
