// TTableEdit: the editor of frequency tables (THypEdit) and of grouped tables
// (TGrupEdit). Both are this one class over one side of the data set; they
// differ only in the parts of a line (observation and frequency, or lower
// bound, upper bound and frequency).
#pragma once

#include "GridEditor.h"
#include "TableGridBlock.h"
#include "TableGridModels.h"
#include "TableSide.h"

class QAction;
class QMenu;
class QMenuBar;
class THGStilDlg;

class TTableEdit : public TGridEditor, public TTableGridOwner
{
    Q_OBJECT
  public:
    TTableEdit(TEditorHost &Host, TDataType Type, QWidget *Parent = nullptr);
    ~TTableEdit() override;

    // TEditorBase.
    TDataType EditorType() const override { return Side.DataType(); }
    void HideEditor() override;
    QMenuBar *EditorMenuBar() override { return MenuBar; }
    void DataReplaced(bool FromFile) override;

    const TTableSide &TableSide() const { return Side; }
    // The grids: index 0 the edit page's, 1 the mixed page's copy.
    TTableGridBlock *Block(int I) const { return static_cast<TTableGridBlock *>(Blocks[I]); }
    TTableDataModel *DataModel() const { return DataGridModel; }

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
    void MarkColumn(int Col, Qt::KeyboardModifiers Mods) override;

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
    void ColNameTyped(int Col, const QString &Text) override;
    void CellEditStarted(int Line, int GridCol) override;
    void CellEditCancelled(int Line, int GridCol) override;

  protected:
    void ViewShown(TView V) override;
    bool DescribesGrouped() override { return Side.IsGrouped(); }
    bool SomethingMarked() override;
    void DrawKind(QPainter &P, const tDrawContext &C, int Kind, int PaneN) override;
    // The command frame's steps on this editor's side of the data set.
    void SaveUndoStep(uint8_t Op) override { Side.SaveUndo(Host.Lumen(), Op); }
    void UndoStep() override { Side.Undo(Host.Lumen()); }
    uint8_t UndoStepOp() const override { return Host.Lumen().GetUndoOp(); }
    void ClearMarks() override;
    void AfterCommand() override;
    // The grids.
    void ShowCursorStatus(int Line, int GridCol) override { ShowCellStatus(Line, GridCol); }
    void ColumnSettingsClicked(int Col) override { OpenColumnSettings(Col); }

  private:
    void BuildToolBar();
    void BuildMenus();
    // Runs a command that inserts a column read from Text at the marked one.
    void InsertColumnFromText(const QString &Text, bool FromFile);
    // The grid columns showing the values (not the frequency) of column Col.
    void RepaintValueColumns(int Col);

    TTableSide Side;
    TTableDataModel *DataGridModel;
    TTableColHeaderModel *ColModel;
    TGridLineHeaderModel *LineModel;
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
