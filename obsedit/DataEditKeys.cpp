// The observation editor's cursor: which cells it may enter, and the keys
// it adds to the shared grid keys: pasting into a cell, wrapping along the
// letters, and the line names.
#include "DataEdit.h"

#include "ObsCommands.h"

// Cursor movement.

bool TDataEdit::CanEnter(int Col)
{
    return Col >= 0 && Col < ObsColumns && ColumnKindOf(Host.Lumen(), Col) == ckPlain;
}

void TDataEdit::EnterRight(TGridBlock *B, int Line, int Col)
{
    if (Col + 1 < ObsColumns && Host.Lumen().IsComputed(Col + 1))
        return; // the cursor stays
    const int Next = SkipFrom(Col + 1 < ObsColumns ? Col + 1 : 0);
    MoveDataCursor(B, Line, Next);
    if (Next < Col)
        B->ScrollToGridColumn(Next);
}

bool TDataEdit::DataKey(TGridBlock *B, int Key, Qt::KeyboardModifiers Mods)
{
    TGridView *G = B->DataDG;
    const int C = G->Col(), R = G->Row();
    // Ctrl+V with nothing marked (the menu's paste needs a mark) pastes into
    // the cell under the cursor.
    if (Key == Qt::Key_V && Mods == Qt::ControlModifier && C >= 0 && R >= 0 && !G->IsEditing())
        return PasteIntoCell(R, C);
    return TGridEditor::DataKey(B, Key, Mods);
}

bool TDataEdit::ColHeaderKey(TGridBlock *B, int Key)
{
    // Right from the name of Z goes round to the name of A.
    TGridView *G = B->SojleDG;
    if (Key == Qt::Key_Right && G->Row() == 1 && G->Col() == ObsColumns - 1) {
        G->EndEdit();
        G->SetCell(1, 0);
        B->ScrollToGridColumn(0);
        return true;
    }
    return TGridEditor::ColHeaderKey(B, Key);
}

bool TDataEdit::LineHeaderKey(TGridBlock *B, int Key)
{
    TGridView *G = B->LinieDG;
    const int R = G->Row();
    if (G->Col() != 1 || R < 0)
        return false;
    auto ToData = [&] {
        if (EnterData(B, G, R, 0))
            B->ScrollToGridColumn(0);
    };
    // Down from the last name adds a line, as in the data grid.
    if (Key == Qt::Key_Down)
        GrowBelow(R);
    switch (Key) {
    case Qt::Key_Right:
        ToData();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        FollowDirection(G, ToData, [&] {
            if (R + 1 >= Rows)
                SetRowCount(R + 2);
            G->SetCell(R + 1, 1);
            B->ShowCell(R + 1, B->LeftGridColumn());
        });
        return true;
    default:
        return false;
    }
}
