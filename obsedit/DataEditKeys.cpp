// The observation editor's cursor: which cells it may enter, and the keys
// of the data grid and the two header grids.
#include "DataEdit.h"

#include "ClickMarks.h"
#include "Clipboard.h"
#include "Describe.h"
#include "ObsCommands.h"
#include "TextTransfer.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <algorithm>

// Cursor movement.

int TDataEdit::BlockOf(const TGridView *View) const
{
    for (int I = 0; I < 2; ++I)
        if (Blocks[I] != nullptr &&
            (View == Blocks[I]->DataDG || View == Blocks[I]->SojleDG || View == Blocks[I]->LinieDG))
            return I;
    return -1;
}

bool TDataEdit::CanEnter(int Col)
{
    return Col >= 0 && Col < ObsColumns && ColumnKindOf(Host.Lumen(), Col) == ckPlain;
}

int TDataEdit::SkipFrom(int Col)
{
    for (int Step = 0; Step < ObsColumns; ++Step) {
        const int C = (Col + Step) % ObsColumns;
        if (CanEnter(C))
            return C;
    }
    return Col;
}

void TDataEdit::MoveDataCursor(TObsGridBlock *B, int Line, int Col)
{
    if (Line >= Rows)
        SetRowCount(Line + 1);
    B->DataDG->SetCell(Line, Col);
    B->ShowCell(Line, Col);
}

void TDataEdit::ResumeEditing(TGridView *G)
{
    // The data grid always shows its editor while it has the focus.
    if (G->hasFocus() && (G->currentIndex().flags() & Qt::ItemIsEditable))
        G->StartEdit();
}

bool TDataEdit::DataKey(TObsGridBlock *B, int Key, Qt::KeyboardModifiers Mods)
{
    TGridView *G = B->DataDG;
    const int C = G->Col(), R = G->Row();
    // Ctrl+V with nothing marked (the menu's paste needs a mark) pastes into
    // the cell under the cursor.
    if (Key == Qt::Key_V && Mods == Qt::ControlModifier && C >= 0 && R >= 0 && !G->IsEditing())
        return PasteIntoCell(R, C);
    if (Mods & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (C < 0 || R < 0)
        return false;
    tLumen &L = Host.Lumen();
    switch (Key) {
    case Qt::Key_Right:
        if (C != ObsColumns - 1)
            return false;
        G->EndEdit();
        G->SetCell(R, SkipFrom(0));
        B->ScrollToColumn(0);
        ResumeEditing(G);
        return true;
    case Qt::Key_Left:
        if (C != 0)
            return false;
        G->EndEdit();
        B->LinieDG->setFocus();
        B->LinieDG->SetCell(R, 1);
        B->LinieDG->StartEdit();
        return true;
    case Qt::Key_Up:
        if (R != 0)
            return false;
        G->EndEdit();
        B->SojleDG->setFocus();
        B->SojleDG->SetCell(1, C);
        B->SojleDG->StartEdit();
        return true;
    case Qt::Key_Down:
        if (R == Rows - 1)
            SetRowCount(Rows + 1);
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        G->EndEdit();
        switch (L.GetEditDirection()) {
        case edRight:
            if (C + 1 < ObsColumns && L.IsComputed(C + 1))
                break; // the cursor stays
            {
                const int Next = SkipFrom(C + 1 < ObsColumns ? C + 1 : 0);
                MoveDataCursor(B, R, Next);
                if (Next < C)
                    B->ScrollToColumn(Next);
            }
            break;
        case edDown:
            MoveDataCursor(B, R + 1, C);
            break;
        default:
            break;
        }
        ResumeEditing(G);
        ShowColumnStatus(C);
        return true;
    default:
        return false;
    }
}

bool TDataEdit::ColHeaderKey(TObsGridBlock *B, int Key)
{
    TGridView *G = B->SojleDG;
    const int C = G->Col();
    if (G->Row() != 1 || C < 0)
        return false;
    tLumen &L = Host.Lumen();
    auto ToData = [&](int Col) {
        if (!CanEnter(Col))
            return;
        G->EndEdit();
        B->DataDG->setFocus();
        MoveDataCursor(B, 0, Col);
    };
    switch (Key) {
    case Qt::Key_Right:
        if (C != ObsColumns - 1)
            return false;
        G->EndEdit();
        G->SetCell(1, 0);
        B->ScrollToColumn(0);
        return true;
    case Qt::Key_Down:
        ToData(C);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        G->EndEdit();
        switch (L.GetEditDirection()) {
        case edRight: {
            const int Next = (C + 1) % ObsColumns;
            G->SetCell(1, Next);
            if (Next == 0)
                B->ScrollToColumn(0);
            else
                B->ShowCell(B->TopRow(), Next);
            break;
        }
        case edDown:
            ToData(C);
            break;
        default:
            break;
        }
        return true;
    default:
        return false;
    }
}

bool TDataEdit::LineHeaderKey(TObsGridBlock *B, int Key)
{
    TGridView *G = B->LinieDG;
    const int R = G->Row();
    if (G->Col() != 1 || R < 0)
        return false;
    tLumen &L = Host.Lumen();
    auto ToData = [&] {
        if (!CanEnter(0))
            return;
        G->EndEdit();
        B->DataDG->setFocus();
        MoveDataCursor(B, R, 0);
        B->ScrollToColumn(0);
    };
    switch (Key) {
    case Qt::Key_Right:
        ToData();
        return true;
    case Qt::Key_Down:
        if (R == Rows - 1)
            SetRowCount(Rows + 1);
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        G->EndEdit();
        switch (L.GetEditDirection()) {
        case edRight:
            ToData();
            break;
        case edDown:
            if (R + 1 >= Rows)
                SetRowCount(R + 2);
            G->SetCell(R + 1, 1);
            B->ShowCell(R + 1, B->LeftColumn());
            break;
        default:
            break;
        }
        return true;
    default:
        return false;
    }
}

bool TDataEdit::GridKey(TGridView *View, int Key, Qt::KeyboardModifiers Mods)
{
    const int I = BlockOf(View);
    if (I < 0)
        return false;
    TObsGridBlock *B = Blocks[I];
    if (View == B->DataDG)
        return DataKey(B, Key, Mods);
    if (Mods & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (View == B->SojleDG)
        return ColHeaderKey(B, Key);
    return LineHeaderKey(B, Key);
}
