// TGridEditor: what the observation editor and the table editors share about
// their grids: the two grid blocks (the edit page's and the mixed page's
// copy), the row count, the edit direction, the cursor keys of the data grid
// and the column header, the mouse on the column numbers or letters, and the
// focus. The editors add what their cells and lines hold.
#pragma once

#include "EditorFrame.h"
#include "GridBlock.h"
#include "GridModels.h"

#include <functional>

class TGridEditor : public TEditorFrame, public TGridEvents
{
    Q_OBJECT
  public:
    static constexpr int InitialRows = 500;

    using TEditorFrame::TEditorFrame;

    // The grids: index 0 the edit page's, 1 the mixed page's copy.
    TGridView *SojleDG(int I = 0) const { return Blocks[I]->SojleDG; }
    TGridView *LinieDG(int I = 0) const { return Blocks[I]->LinieDG; }
    TGridView *DataDG(int I = 0) const { return Blocks[I]->DataDG; }
    const TPressedCell &PressedCell() const { return Pressed; }

    int RowCount() const { return Rows; }
    void SetRowCount(int N);

    void ShowEditor() override;
    bool CommitEdit() override;
    // Ends editing in whichever grid of the showing page is editing.
    void EndEditing() override;
    // Repaints every grid of both blocks.
    void RepaintGrids();
    // The edit direction button.
    void NextDirection();
    void UpdateDirectionGlyph();

    // Marking as a click on a column's number or letter, or on a line number
    // (editors with line marks) does it.
    virtual void MarkColumn(int Col, Qt::KeyboardModifiers Mods) = 0;
    virtual void MarkLine(int Line, Qt::KeyboardModifiers Mods)
    {
        Q_UNUSED(Line);
        Q_UNUSED(Mods);
    }

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
    // Both blocks.
    void ZoomGrids(double Factor) override
    {
        for (TGridBlock *B : Blocks)
            if (B != nullptr)
                B->SetZoom(Factor);
    }

    // The editor's models and its two blocks, made by the editor.
    void SetGrids(TGridDataModel *Data, TGridColHeaderModel *ColHeader,
                  TGridLineHeaderModel *LineHeader, TGridBlock *EditBlock,
                  TGridBlock *MixedBlock);
    // The grids go first, while the editor they call back is still whole.
    void DeleteGrids();
    // After the data set was replaced: no pressed cell, as many rows as the
    // longest column needs, the cursors in the top left corners.
    void ResetGrids(int LongestColumn);
    void ShowTopLeft();
    // The block of the page showing (the edit page's outside the mixed view).
    TGridBlock *ShowingGridBlock() const;
    int BlockOf(const TGridView *View) const;
    void RepaintHeaders(TGridBlock *B);
    // Down from the last line adds a line.
    void GrowBelow(int Line);
    void MoveDataCursor(TGridBlock *B, int Line, int GridCol);
    // From a header grid into data column Col of block B at Line, when the
    // cursor may enter it; true when it went.
    bool EnterData(TGridBlock *B, TGridView *From, int Line, int Col);
    // The data grid always shows its editor while it has the focus.
    void ResumeEditing(TGridView *G);

    // The status line for the data grid's cursor, and after Enter moved it
    // away from grid column From.
    virtual void ShowCursorStatus(int Line, int GridCol) = 0;
    virtual void ShowEnterStatus(TGridView *G, int From)
    {
        Q_UNUSED(From);
        ShowCursorStatus(G->Row(), G->Col());
    }
    // The drop button of a column header was clicked.
    virtual void ColumnSettingsClicked(int Col) = 0;
    // Whether the cursor may enter data column Col; the first column from
    // Col on (wrapping) that it may enter, Col itself when none.
    virtual bool CanEnter(int Col);
    int SkipFrom(int Col);
    // Return in the data grid with the edit direction to the right.
    virtual void EnterRight(TGridBlock *B, int Line, int GridCol);
    // The data grid's in-place editor opened or closed.
    virtual void DataEditingChanged() {}
    // Keys of the line header (editors with line names).
    virtual bool LineHeaderKey(TGridBlock *B, int Key)
    {
        Q_UNUSED(B);
        Q_UNUSED(Key);
        return false;
    }
    virtual bool DataKey(TGridBlock *B, int Key, Qt::KeyboardModifiers Mods);
    // Return or Enter in grid G: the edit ends, then the cursor moves as the
    // edit direction says (Right or Down; it stays with the third).
    void FollowDirection(TGridView *G, const std::function<void()> &Right,
                         const std::function<void()> &Down);
    virtual bool ColHeaderKey(TGridBlock *B, int Key);

    // The shape of the grids.
    int Parts() const { return GridShape.Parts; }
    int DataColumns() const { return GridShape.Columns; }

    TGridBlock *Blocks[2] = {};
    TPressedCell Pressed;
    int Rows = InitialRows;

  private:
    TGridDataModel *GridData = nullptr;
    TGridColHeaderModel *GridCols = nullptr;
    TGridLineHeaderModel *GridLines = nullptr;
    TGridShape GridShape;
};

// The decimals a typed number shows: the digits after its last decimal mark
// (at most 9), -1 without a mark. The decimals shown rise to it, never fall.
int TypedDecimals(const QString &Text);
