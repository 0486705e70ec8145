#include "GridEditor.h"

#include "EditorGlyphs.h"

#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <algorithm>

namespace
{
bool CtrlOrAlt(Qt::KeyboardModifiers Mods)
{
    return Mods & (Qt::ControlModifier | Qt::AltModifier);
}
} // namespace

int TypedDecimals(const QString &Text)
{
    int Sep = -1;
    for (QChar Mark : {QChar('.'), QChar(',')})
        Sep = std::max(Sep, int(Text.lastIndexOf(Mark)));
    return Sep < 0 ? -1 : std::min<int>(9, Text.length() - Sep - 1);
}

// The blocks and their models.

void TGridEditor::SetGrids(TGridDataModel *Data, TGridColHeaderModel *ColHeader,
                           TGridLineHeaderModel *LineHeader, TGridBlock *EditBlock,
                           TGridBlock *MixedBlock)
{
    GridData = Data;
    GridCols = ColHeader;
    GridLines = LineHeader;
    GridShape = Data->Shape();
    Blocks[0] = EditBlock;
    Blocks[1] = MixedBlock;
    for (TGridBlock *B : Blocks)
        connect(B->DirectionSpeed, &QToolButton::clicked, this, [this] { NextDirection(); });
    ShowTopLeft();
    UpdateDirectionGlyph();
}

void TGridEditor::DeleteGrids()
{
    CommitEdit();
    for (TGridBlock *&B : Blocks) {
        delete B;
        B = nullptr;
    }
}

void TGridEditor::ResetGrids(int LongestColumn)
{
    Pressed.Clear();
    Rows = std::max(int(InitialRows), LongestColumn);
    GridData->Reset();
    GridLines->Reset();
    GridCols->Reset();
    ShowTopLeft();
}

void TGridEditor::ShowTopLeft()
{
    for (TGridBlock *B : Blocks) {
        B->DataDG->setCurrentIndex(GridData->index(0, 0));
        B->SojleDG->setCurrentIndex(GridCols->index(1, 0));
        if (GridShape.LineNames)
            B->LinieDG->setCurrentIndex(GridLines->index(0, 1));
        B->ScrollTopLeft();
    }
}

TGridBlock *TGridEditor::ShowingGridBlock() const
{
    return View() == vwMixed ? Blocks[1] : Blocks[0];
}

int TGridEditor::BlockOf(const TGridView *View) const
{
    for (int I = 0; I < 2; ++I)
        if (Blocks[I] != nullptr &&
            (View == Blocks[I]->DataDG || View == Blocks[I]->SojleDG || View == Blocks[I]->LinieDG))
            return I;
    return -1;
}

// Showing, editing, rows.

void TGridEditor::ShowEditor()
{
    UpdateDirectionGlyph();
    for (TGridBlock *B : Blocks)
        B->EndEditing();
    Pressed.Clear();
    SetTextButtonDown(Host.TextWindowShown());
    ShowFrame();
    RepaintGrids();
}

bool TGridEditor::CommitEdit()
{
    for (TGridBlock *B : Blocks)
        if (B != nullptr)
            B->EndEditing();
    return true;
}

void TGridEditor::EndEditing()
{
    ShowingGridBlock()->EndEditing();
}

void TGridEditor::SetRowCount(int N)
{
    N = std::max(1, N);
    const int Old = Rows;
    if (N == Old)
        return;
    Rows = N;
    GridData->RowCountChanged(Old, N);
    GridLines->RowCountChanged(Old, N);
}

// Painting and the direction button.

void TGridEditor::RepaintGrids()
{
    for (TGridBlock *B : Blocks)
        if (B != nullptr)
            for (TGridView *V : {B->SojleDG, B->LinieDG, B->DataDG})
                V->viewport()->update();
}

void TGridEditor::RepaintHeaders(TGridBlock *B)
{
    B->SojleDG->viewport()->update();
    B->LinieDG->viewport()->update();
}

void TGridEditor::UpdateDirectionGlyph()
{
    const QString Res = DirectionResource(Host.Lumen().GetEditDirection());
    for (TGridBlock *B : Blocks) {
        if (B == nullptr)
            continue;
        B->DirectionSpeed->setIcon(QIcon(DirectionGlyph(Res)));
        B->DirectionSpeed->setProperty("glyph", Res);
    }
}

void TGridEditor::NextDirection()
{
    Host.Lumen().NextEditDirection();
    UpdateDirectionGlyph();
}

// Cursor movement.

bool TGridEditor::CanEnter(int Col)
{
    return Col >= 0 && Col < DataColumns();
}

int TGridEditor::SkipFrom(int Col)
{
    for (int Step = 0; Step < DataColumns(); ++Step) {
        const int C = (Col + Step) % DataColumns();
        if (CanEnter(C))
            return C;
    }
    return Col;
}

void TGridEditor::GrowBelow(int Line)
{
    if (Line == Rows - 1)
        SetRowCount(Rows + 1);
}

void TGridEditor::MoveDataCursor(TGridBlock *B, int Line, int GridCol)
{
    if (Line >= Rows)
        SetRowCount(Line + 1);
    B->DataDG->SetCell(Line, GridCol);
    B->ShowCell(Line, GridCol);
}

bool TGridEditor::EnterData(TGridBlock *B, TGridView *From, int Line, int Col)
{
    if (!CanEnter(Col))
        return false;
    From->EndEdit();
    B->DataDG->setFocus();
    MoveDataCursor(B, Line, Col * Parts());
    return true;
}

void TGridEditor::ResumeEditing(TGridView *G)
{
    if (G->hasFocus() && (G->currentIndex().flags() & Qt::ItemIsEditable))
        G->StartEdit();
}

void TGridEditor::EnterRight(TGridBlock *B, int Line, int GridCol)
{
    // Through the parts of a line, then to the first part of the next.
    if (GridCol % Parts() < Parts() - 1)
        MoveDataCursor(B, Line, GridCol + 1);
    else
        MoveDataCursor(B, Line + 1, GridCol - (Parts() - 1));
}

bool TGridEditor::DataKey(TGridBlock *B, int Key, Qt::KeyboardModifiers Mods)
{
    if (CtrlOrAlt(Mods))
        return false;
    TGridView *G = B->DataDG;
    const int C = G->Col(), R = G->Row();
    if (C < 0 || R < 0)
        return false;
    switch (Key) {
    case Qt::Key_Right:
        if (C != DataColumns() * Parts() - 1)
            return false;
        G->EndEdit();
        G->SetCell(R, SkipFrom(0) * Parts());
        B->ScrollToGridColumn(0);
        ResumeEditing(G);
        return true;
    case Qt::Key_Left:
        if (C != 0 || !GridShape.LineNames)
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
        B->SojleDG->SetCell(1, C / Parts());
        B->SojleDG->StartEdit();
        return true;
    case Qt::Key_Down:
        GrowBelow(R);
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        FollowDirection(
            G, [&] { EnterRight(B, R, C); }, [&] { MoveDataCursor(B, R + 1, C); });
        ResumeEditing(G);
        ShowEnterStatus(G, C);
        return true;
    default:
        return false;
    }
}

bool TGridEditor::ColHeaderKey(TGridBlock *B, int Key)
{
    TGridView *G = B->SojleDG;
    const int C = G->Col();
    if (G->Row() != 1 || C < 0 || C >= DataColumns())
        return false;
    auto ToData = [&] { EnterData(B, G, 0, C); };
    switch (Key) {
    case Qt::Key_Down:
        ToData();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        FollowDirection(
            G,
            [&] {
                const int Next = (C + 1) % DataColumns();
                G->SetCell(1, Next);
                if (Next == 0)
                    B->ScrollToGridColumn(0);
                else
                    B->ShowCell(B->TopRow(), Next * Parts());
            },
            ToData);
        return true;
    default:
        return false;
    }
}

void TGridEditor::FollowDirection(TGridView *G, const std::function<void()> &Right,
                                  const std::function<void()> &Down)
{
    G->EndEdit();
    switch (Host.Lumen().GetEditDirection()) {
    case edRight:
        Right();
        break;
    case edDown:
        Down();
        break;
    default:
        break;
    }
}

bool TGridEditor::GridKey(TGridView *View, int Key, Qt::KeyboardModifiers Mods)
{
    const int I = BlockOf(View);
    if (I < 0)
        return false;
    TGridBlock *B = Blocks[I];
    if (View == B->DataDG)
        return DataKey(B, Key, Mods);
    if (CtrlOrAlt(Mods))
        return false;
    if (View == B->SojleDG)
        return ColHeaderKey(B, Key);
    return LineHeaderKey(B, Key);
}

// The mouse on the header grids: a number or letter cell is a button that
// marks on release, its drop button opens the column settings.

bool TGridEditor::GridMousePress(TGridView *View, QMouseEvent *Event)
{
    const int I = BlockOf(View);
    if (I < 0 || Event->button() != Qt::LeftButton)
        return false;
    TGridBlock *B = Blocks[I];
    const QPoint Pos = Event->position().toPoint();
    const QModelIndex Index = View->indexAt(Pos);
    if (!Index.isValid())
        return false;
    if (View == B->SojleDG && Index.row() == 0 && Index.column() < DataColumns()) {
        View->EndEdit();
        Pressed.View = View;
        Pressed.Row = 0;
        Pressed.Col = Index.column();
        Pressed.Part = gridpaint::DropButton(View->visualRect(Index)).contains(Pos) ? 2 : 1;
        View->viewport()->update();
        return true;
    }
    if (View == B->LinieDG && Index.column() == 0 && LinesMarkable()) {
        View->EndEdit();
        Pressed.View = View;
        Pressed.Row = Index.row();
        Pressed.Col = 0;
        Pressed.Part = 1;
        View->viewport()->update();
        return true;
    }
    return false;
}

bool TGridEditor::GridMouseRelease(TGridView *View, QMouseEvent *Event)
{
    const int I = BlockOf(View);
    if (I < 0)
        return false;
    TGridBlock *B = Blocks[I];
    if (Pressed.View != View) {
        // A click on a name cell starts editing it.
        const QModelIndex Index = View->indexAt(Event->position().toPoint());
        const bool Name =
            (View == B->SojleDG && Index.row() == 1) || (View == B->LinieDG && Index.column() == 1);
        if (Name && Index == View->currentIndex() && !View->IsEditing())
            View->StartEdit();
        return false;
    }
    const TPressedCell Was = Pressed;
    Pressed.Clear();
    View->viewport()->update();
    const QPoint Pos = Event->position().toPoint();
    const QModelIndex Index = View->indexAt(Pos);
    if (!Index.isValid() || Index.row() != Was.Row || Index.column() != Was.Col)
        return true;
    if (View == B->SojleDG) {
        const bool InDrop = gridpaint::DropButton(View->visualRect(Index)).contains(Pos);
        if ((Was.Part == 2) != InDrop)
            return true;
        if (Was.Part == 2)
            ColumnSettingsClicked(Was.Col);
        else
            MarkColumn(Was.Col, Event->modifiers());
        return true;
    }
    MarkLine(Was.Row, Event->modifiers());
    return true;
}

// Current cell, focus, editing.

void TGridEditor::GridCurrentChanged(TGridView *View, const QModelIndex &Current,
                                     const QModelIndex &Previous)
{
    Q_UNUSED(Previous);
    const int I = BlockOf(View);
    if (I < 0 || View != Blocks[I]->DataDG)
        return;
    RepaintHeaders(Blocks[I]);
    if (Current.isValid() && View->hasFocus())
        ShowCursorStatus(Current.row(), Current.column());
}

void TGridEditor::GridFocusIn(TGridView *View)
{
    const int I = BlockOf(View);
    if (I < 0 || View != Blocks[I]->DataDG)
        return;
    RepaintHeaders(Blocks[I]);
    if (View->Col() >= 0)
        ShowCursorStatus(View->Row(), View->Col());
}

void TGridEditor::GridFocusOut(TGridView *View)
{
    const int I = BlockOf(View);
    if (I < 0)
        return;
    View->EndEdit();
    if (View == Blocks[I]->DataDG) {
        RepaintHeaders(Blocks[I]);
        View->viewport()->update();
        StatusPanel->clear();
    }
}

void TGridEditor::GridEditingChanged(TGridView *View)
{
    const int I = BlockOf(View);
    if (I < 0 || View != Blocks[I]->DataDG)
        return;
    Blocks[I]->SojleDG->viewport()->update();
    DataEditingChanged();
}
