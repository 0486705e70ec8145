#include "DataEdit.h"

#include "ClickMarks.h"
#include "TwoVar.h"

#include "Clipboard.h"
#include "Describe.h"
#include "EditorGlyphs.h"
#include "PaneKinds.h"
#include "TerningDlg.h"
#include "TextTransfer.h"
#include "ObsCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

QStringList ObsKindItems()
{
    QStringList L;
    for (int K = 1; K <= KindCount; ++K)
        L << KindItemText(K);
    return L;
}

const char *const ColumnButtons[] = {"DeciPlusSpeed", "DeciMinusSpeed", "TerningSpeed", "CupSpeed",
                                     "CalcSpeed",     "Mul10Speed",     "Div10Speed"};

} // namespace

TDataEdit::TDataEdit(TEditorHost *HostPtr, QWidget *Parent)
    : TEditorFrame(*HostPtr, ObsKindItems(), 1, true, Parent)
{
    // The kinds after the first run, in their own order.
    AppendKind(bkChiTest, KindItemText(bkChiTest));
    AppendKind(bkNormalplot, KindItemText(bkNormalplot));
    setObjectName(QStringLiteral("DataEdit"));
    DataGridModel = new TObsDataModel(*this, this);
    ColModel = new TObsColHeaderModel(*this, this);
    LineModel = new TObsLineHeaderModel(*this, this);

    BuildToolBar();
    BuildMenus();
    BuildDataTools();

    Blocks[0] =
        new TObsGridBlock(QString(), DataGridModel, ColModel, LineModel, this, &Pressed, EditPage);
    EditPage->layout()->addWidget(Blocks[0]);
    Blocks[1] = new TObsGridBlock(QStringLiteral("1"), DataGridModel, ColModel, LineModel, this,
                                  &Pressed, MixedGridHolder);
    MixedGridHolder->layout()->addWidget(Blocks[1]);
    for (TObsGridBlock *B : Blocks) {
        connect(B->DirectionSpeed, &QToolButton::clicked, this, [this] { NextDirection(); });
        B->DataDG->setCurrentIndex(DataGridModel->index(0, 0));
        B->SojleDG->setCurrentIndex(ColModel->index(1, 0));
        B->LinieDG->setCurrentIndex(LineModel->index(0, 1));
    }
    UpdateDirectionGlyph();
    TrackClipboard();
    UpdateButtons();
}

TDataEdit::~TDataEdit()
{
    // The grids go first, while the editor they call back is still whole: an
    // open in-place editor commits on the way out, and closing the window
    // later moves the focus.
    CommitEdit();
    for (TObsGridBlock *&B : Blocks) {
        delete B;
        B = nullptr;
    }
    delete MenuBar;
}

void TDataEdit::BuildToolBar()
{
    AddFileAndViewButtons(dtObs);
    AddToolButton(QStringLiteral("CutSpeed"), QStringLiteral("Klip"));
    AddToolButton(QStringLiteral("CopySpeed"), QStringLiteral("Kopiér"));
    AddToolButton(QStringLiteral("PasteSpeed"), QStringLiteral("Indsæt"));
    AddToolButton(QStringLiteral("DelSpeed"), QStringLiteral("Rens"));
    AddToolButton(QStringLiteral("UndoSpeed"), QStringLiteral("Fortryd"));
    AddToolSeparator();
    AddToolButton(QStringLiteral("SortUpSpeed"), QStringLiteral("Sortér stigende"), 15);
    AddToolButton(QStringLiteral("SortDownSpeed"), QStringLiteral("Sortér faldende"), 15);
    ColumnSeparators << AddToolSeparator();
    AddToolButton(QStringLiteral("DeciPlusSpeed"), QStringLiteral("Vis flere decimaler"));
    AddToolButton(QStringLiteral("DeciMinusSpeed"), QStringLiteral("Vis færre decimaler"));
    AddToolButton(QStringLiteral("Mul10Speed"), QStringLiteral("Gang med 10"));
    AddToolButton(QStringLiteral("Div10Speed"), QStringLiteral("Del med 10"));
    ColumnSeparators << AddToolSeparator();
    AddToolButton(QStringLiteral("TerningSpeed"), QStringLiteral("Indsæt tilfældige tal"));
    AddToolButton(QStringLiteral("CupSpeed"), QStringLiteral("Forny tilfældige tal"));
    ColumnSeparators << AddToolSeparator();
    AddToolButton(QStringLiteral("CalcSpeed"), QStringLiteral("Beregnede tal"));

    BindToolButtons();
}

// Showing, hiding, replacing.

TObsGridBlock *TDataEdit::ShowingBlock() const
{
    return View() == vwMixed ? Blocks[1] : Blocks[0];
}

void TDataEdit::ShowEditor()
{
    UpdateDirectionGlyph();
    for (TObsGridBlock *B : Blocks)
        B->EndEditing();
    Pressed.Clear();
    SetTextButtonDown(Host.TextWindowShown());
    ShowFrame();
    RepaintGrids();
}

void TDataEdit::HideEditor()
{
    CommitEdit();
    tLumen &L = Host.Lumen();
    L.ClearColSelection();
    L.ClearLineSelection();
    RepaintGrids();
}

void TDataEdit::DataReplaced(bool FromFile)
{
    Pressed.Clear();
    const int Longest = Host.Lumen().MaxLines();
    Rows = std::max(InitialRows, Longest);
    DataGridModel->Reset();
    LineModel->Reset();
    ColModel->Reset();
    ShowTopLeft();
    SetDataEdited(FromFile);
    if (!FromFile)
        RandomDialog()->Reset();
    StatusPanel->clear();
    SetView(vwEdit);
    UpdateDirectionGlyph();
    UpdateButtons();
}

void TDataEdit::ShowTopLeft()
{
    for (TObsGridBlock *B : Blocks) {
        B->DataDG->setCurrentIndex(DataGridModel->index(0, 0));
        B->SojleDG->setCurrentIndex(ColModel->index(1, 0));
        B->LinieDG->setCurrentIndex(LineModel->index(0, 1));
        B->ScrollTopLeft();
    }
}

bool TDataEdit::CommitEdit()
{
    for (TObsGridBlock *B : Blocks)
        if (B != nullptr)
            B->EndEditing();
    return true;
}

void TDataEdit::EndEditing()
{
    ShowingBlock()->EndEditing();
}

// Rows.

void TDataEdit::SetRowCount(int N)
{
    N = std::max(1, N);
    const int Old = Rows;
    if (N == Old)
        return;
    Rows = N;
    DataGridModel->RowCountChanged(Old, N);
    LineModel->RowCountChanged(Old, N);
}

void TDataEdit::RaiseRowCount(int N)
{
    if (N > Rows)
        SetRowCount(N);
}

// Painting helpers.

void TDataEdit::RepaintGrids()
{
    for (TObsGridBlock *B : Blocks)
        if (B != nullptr)
            for (TGridView *V : {B->SojleDG, B->LinieDG, B->DataDG})
                V->viewport()->update();
}

void TDataEdit::RepaintHeaders(TObsGridBlock *B)
{
    B->SojleDG->viewport()->update();
    B->LinieDG->viewport()->update();
}

void TDataEdit::UpdateDirectionGlyph()
{
    const QString Res = DirectionResource(Host.Lumen().GetEditDirection());
    for (TObsGridBlock *B : Blocks) {
        if (B == nullptr)
            continue;
        B->DirectionSpeed->setIcon(QIcon(DirectionGlyph(Res)));
        B->DirectionSpeed->setProperty("glyph", Res);
    }
}

void TDataEdit::NextDirection()
{
    Host.Lumen().NextEditDirection();
    UpdateDirectionGlyph();
}

// Buttons and status.

void TDataEdit::SetColumnButtonsVisible(bool Visible)
{
    for (const char *Name : ColumnButtons)
        ToolButton(QString::fromLatin1(Name))->setVisible(Visible);
    for (QWidget *W : ColumnSeparators)
        W->setVisible(Visible);
}

void TDataEdit::UpdateButtons()
{
    ApplyCommandStates();
}

void TDataEdit::ShowColumnStatus(int Col)
{
    const tLumen &L = Host.Lumen();
    if (Col < 0 || Col >= ObsColumns) {
        StatusPanel->clear();
        return;
    }
    QString Base = L.GetComment(Col);
    if (Base.isEmpty())
        Base = QStringLiteral("Kolonne ") + ColLetter(Col);
    QString S = Base;
    if (L.IsComputed(Col)) {
        S = Base + QStringLiteral("; udtryk = ") + L.GetFormula(Col);
    } else if (L.GetRandomCount(Col) > 0) {
        const QString Suffix = L.GetRandomFlag(Col) != 0 ? QStringLiteral(" uden tilbagelægning)")
                                                         : QStringLiteral(" med tilbagelægning)");
        const QString Count = QString::number(L.GetRandomCount(Col));
        if (L.GetRandomFrom(Col) == 0 && L.GetRandomTo(Col) == 0)
            S = Base + QStringLiteral("; tilfældige reelle tal (") + Count + Suffix;
        else
            S = Base + QStringLiteral("; tilfældige tal (") +
                QString::number(L.GetRandomFrom(Col)) + QStringLiteral("; ") +
                QString::number(L.GetRandomTo(Col)) + QStringLiteral("; ") + Count + Suffix;
    }
    if (L.IsGrouped(Col))
        S += QStringLiteral(" (grupperet)");
    StatusPanel->setText(S);
}

void TDataEdit::ViewShown(TView V)
{
    const tLumen &L = Host.Lumen();
    SetColumnButtonsVisible(V == vwEdit || V == vwMixed);
    if (V == vwMixed) {
        if (L.AnyColSelected())
            Blocks[1]->ScrollToColumn(L.SelCol(0));
        else if (L.AnyLineSelected())
            Blocks[1]->ScrollToRow(L.SelLine(0));
    }
    if ((V == vwEdit || V == vwMixed) && L.SelColCount() == 1)
        ShowColumnStatus(L.SelCol(0));
    RepaintGrids();
}

// Descriptions.

bool TDataEdit::DescribesGrouped()
{
    return FirstMarkedGrouped(Host.Lumen());
}

bool TDataEdit::SomethingMarked()
{
    const tLumen &L = Host.Lumen();
    return L.AnyColSelected() || L.AnyLineSelected();
}

void TDataEdit::DrawKind(QPainter &P, const tDrawContext &C, int Kind, int PaneN)
{
    tTwoVarOptions O;
    O.LineNameWidth = LineNameWidth();
    // Pages and pictures (pane 0) follow the regression button of the view
    // showing.
    O.Regression = PaneN == 0 ? OutputRegression() : RegressionLineFor(PaneN);
    O.Model = RegressionModelFor(PaneN, Kind);
    // Only the panes' own drawings are remembered for picking; a page or a
    // picture leaves pane 1's markers and the scales alone.
    const bool Pane = PaneN >= 1 && PaneN <= 4 && !C.ForPrinter;
    O.Hits = Pane && PaneN == 1 ? &PointHitList : nullptr;
    O.RecordScale = Pane;
    if (DrawTwoVariableKind(P, C, Host.Lumen(), Descriptor(), Kind, O))
        return;
    TEditorFrame::DrawKind(P, C, Kind, PaneN);
}

void TDataEdit::PickedLinesChanged()
{
    for (TObsGridBlock *B : Blocks)
        if (B != nullptr)
            B->LinieDG->viewport()->update();
}

// Typing.

void TDataEdit::CellTyped(int Line, int Col, const QString &Text)
{
    tLumen &L = Host.Lumen();
    SetDataEdited(true);
    L.SetCellText(Line, Col, Text);
    Descriptor().MarkStale();
    if (L.GetCellState(Line, Col) == csNumber) {
        // The decimals shown rise to what was typed (at most 9), never fall.
        int Sep = -1;
        for (QChar Mark : {QChar('.'), QChar(',')})
            Sep = std::max(Sep, int(Text.lastIndexOf(Mark)));
        if (Sep >= 0) {
            const int Count = std::min<int>(9, Text.length() - Sep - 1);
            if (L.GetDecimals(Col) < Count) {
                L.SetDecimals(Col, Count);
                DataGridModel->ColumnChanged(Col);
            }
        }
    }
    if (!DataGridEditing()) {
        AfterCellChange(Line, Col);
        return;
    }
    // A keystroke: the text in between may break the rule of a pane's kind
    // for a moment (typing 13 passes through 1), so the panes keep their
    // kinds until the edit is committed.
    TypedUncommitted = true;
    const QString Letters = CellChanged(Line, Col);
    bool Described = L.IsColSelected(Col) || L.IsLineSelected(Line);
    for (QChar Letter : Letters)
        Described = Described || L.IsColSelected(ColIndex(Letter));
    RefreshTypedPane(Described);
    UpdateButtons();
}

bool TDataEdit::DataGridEditing() const
{
    for (const TObsGridBlock *B : Blocks)
        if (B != nullptr && B->DataDG->IsEditing())
            return true;
    return false;
}

void TDataEdit::CellEditStarted(int Line, int Col)
{
    const tLumen &L = Host.Lumen();
    EditSnapshot = TEditSnapshot{};
    EditSnapshot.Line = Line;
    EditSnapshot.Col = Col;
    EditSnapshot.Existed = Col >= 0 && Col < ObsColumns && Line < L.CellCount(Col);
    if (EditSnapshot.Existed)
        EditSnapshot.Cell = L.Cols[Col].Cells[Line];
    EditSnapshot.Decimals = L.GetDecimals(Col);
}

void TDataEdit::CellEditCancelled(int Line, int Col)
{
    if (EditSnapshot.Line != Line || EditSnapshot.Col != Col)
        return;
    tLumen &L = Host.Lumen();
    if (EditSnapshot.Existed && EditSnapshot.Cell.State != csEmpty) {
        QVector<tCell> &Cells = L.Cols[Col].Cells;
        if (Cells.size() <= Line)
            Cells.resize(Line + 1);
        Cells[Line] = EditSnapshot.Cell;
        L.SetModified();
    } else {
        L.SetCellText(Line, Col, QString());
    }
    if (L.GetDecimals(Col) != EditSnapshot.Decimals) {
        L.SetDecimals(Col, EditSnapshot.Decimals);
        DataGridModel->ColumnChanged(Col);
    }
    EditSnapshot = TEditSnapshot{};
    TypedUncommitted = false;
    Descriptor().MarkStale();
    AfterCellChange(Line, Col);
}

QString TDataEdit::CellChanged(int Line, int Col)
{
    tLumen &L = Host.Lumen();
    const QModelIndex I = DataGridModel->index(Line, Col);
    emit DataGridModel->dataChanged(I, I);

    L.SetSingleLine(Line);
    const QString Letters = L.RecalcFrom(Col);
    L.ClearSingleLine();
    for (QChar Letter : Letters) {
        const QModelIndex C = DataGridModel->index(Line, ColIndex(Letter));
        emit DataGridModel->dataChanged(C, C);
    }
    return Letters;
}

void TDataEdit::AfterCellChange(int Line, int Col)
{
    CellChanged(Line, Col);
    // Also brings pane 1 up to date in the mixed view.
    RefreshDescriptions();
    UpdateButtons();
}

void TDataEdit::ColNameTyped(int Col, const QString &Text)
{
    tLumen &L = Host.Lumen();
    if (Text == L.GetColName(Col))
        return;
    SetDataEdited(true);
    L.SetColName(Col, Text);
    ColModel->ColumnChanged(Col);
    // The name is the description's title.
    if (L.IsColSelected(Col))
        RefreshDescriptions();
}

void TDataEdit::LineNameTyped(int Line, const QString &Text)
{
    tLumen &L = Host.Lumen();
    if (Text == L.GetLineName(Line))
        return;
    SetDataEdited(true);
    L.SetLineName(Line, Text);
    const QModelIndex I = LineModel->index(Line, 1);
    emit LineModel->dataChanged(I, I);
    if (L.AnyLineSelected())
        RefreshDescriptions();
}

bool TDataEdit::PasteIntoCell(int Line, int Col)
{
    tLumen &L = Host.Lumen();
    QString Text;
    if (L.AnyColSelected() || L.AnyLineSelected() || !CanEnter(Col) || !GetClipboardText(Text))
        return false;
    SetDataEdited(true);
    RunCommand(uoInsert, [&] {
        if (PasteCells(L, Line, Col, Text) == 0)
            return false;
        RecalcAll(L);
        return true;
    });
    return true;
}

// Marking.

void TDataEdit::MarkColumn(int Col, Qt::KeyboardModifiers Mods)
{
    tLumen &L = Host.Lumen();
    if (Col < 0 || Col >= ObsColumns)
        return;
    ClickMarks(L.SelCols, Col, Mods, [&L](int C) { L.ToggleColSelected(C); });
    if (L.IsColSelected(Col) && L.AnyLineSelected())
        L.ClearLineSelection();
    RepaintGrids();
    UpdateButtons();
    if (L.SelColCount() == 1 && !ShowingBlock()->DataDG->IsEditing())
        ShowColumnStatus(L.SelCol(0));
    else
        StatusPanel->clear();
    RefreshDescriptions();
}

void TDataEdit::MarkLine(int Line, Qt::KeyboardModifiers Mods)
{
    tLumen &L = Host.Lumen();
    if (Line < 0)
        return;
    if (Mods & Qt::ControlModifier) {
        L.ToggleLineSelected(Line);
    } else if ((Mods & Qt::ShiftModifier) && L.AnyLineSelected()) {
        // The same marks as toggling every unmarked line of the range, built
        // in one pass so that a range of many thousand lines costs no time.
        const int Lo = std::min(L.SelLine(0), Line);
        const int Hi = std::max(L.SelLine(L.SelLineCount() - 1), Line);
        QVector<int32_t> Marks;
        Marks.reserve(L.SelLines.size() + (Hi - Lo + 1));
        for (int32_t M : L.SelLines)
            if (M < Lo)
                Marks.append(M);
        for (int32_t M = Lo; M <= Hi; ++M)
            Marks.append(M);
        for (int32_t M : L.SelLines)
            if (M > Hi)
                Marks.append(M);
        L.SelLines = Marks;
    } else {
        const bool WasMarked = L.IsLineSelected(Line);
        L.ClearLineSelection();
        if (!WasMarked)
            L.ToggleLineSelected(Line);
    }
    if (L.IsLineSelected(Line) && L.AnyColSelected())
        L.ClearColSelection();
    RepaintGrids();
    UpdateButtons();
    StatusPanel->clear();
    RefreshDescriptions();
}

// Mouse on the header grids.

bool TDataEdit::GridMousePress(TGridView *View, QMouseEvent *Event)
{
    const int I = BlockOf(View);
    if (I < 0 || Event->button() != Qt::LeftButton)
        return false;
    TObsGridBlock *B = Blocks[I];
    const QPoint Pos = Event->position().toPoint();
    const QModelIndex Index = View->indexAt(Pos);
    if (!Index.isValid())
        return false;
    if (View == B->SojleDG && Index.row() == 0) {
        View->EndEdit();
        Pressed.View = View;
        Pressed.Row = 0;
        Pressed.Col = Index.column();
        const QRect Cell = View->visualRect(Index);
        Pressed.Part = TObsColHeaderDelegate::DropButton(Cell).contains(Pos) ? 2 : 1;
        View->viewport()->update();
        return true;
    }
    if (View == B->LinieDG && Index.column() == 0) {
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

bool TDataEdit::GridMouseRelease(TGridView *View, QMouseEvent *Event)
{
    const int I = BlockOf(View);
    if (I < 0)
        return false;
    TObsGridBlock *B = Blocks[I];
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
        const QRect Drop = TObsColHeaderDelegate::DropButton(View->visualRect(Index));
        const bool InDrop = Drop.contains(Pos);
        if ((Was.Part == 2) != InDrop)
            return true;
        if (Was.Part == 2)
            emit ColumnSettingsRequested(Was.Col);
        else
            MarkColumn(Was.Col, Event->modifiers());
        return true;
    }
    MarkLine(Was.Row, Event->modifiers());
    return true;
}

// Current cell, focus, editing.

void TDataEdit::GridCurrentChanged(TGridView *View, const QModelIndex &Current,
                                   const QModelIndex &Previous)
{
    Q_UNUSED(Previous);
    const int I = BlockOf(View);
    if (I < 0 || Blocks[I] == nullptr || View != Blocks[I]->DataDG)
        return;
    RepaintHeaders(Blocks[I]);
    if (!Current.isValid())
        return;
    if (View->hasFocus())
        ShowColumnStatus(Current.column());
}

void TDataEdit::GridFocusIn(TGridView *View)
{
    const int I = BlockOf(View);
    if (I < 0 || View != Blocks[I]->DataDG)
        return;
    RepaintHeaders(Blocks[I]);
    if (View->Col() >= 0)
        ShowColumnStatus(View->Col());
}

void TDataEdit::GridFocusOut(TGridView *View)
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

void TDataEdit::GridEditingChanged(TGridView *View)
{
    const int I = BlockOf(View);
    if (I < 0 || Blocks[I] == nullptr || View != Blocks[I]->DataDG)
        return;
    Blocks[I]->SojleDG->viewport()->update();
    if (TypedUncommitted && !DataGridEditing()) {
        // The typed text is committed: now a kind the data no longer allow
        // gives way to the hint.
        TypedUncommitted = false;
        RefreshDescriptions();
        UpdateButtons();
    }
}
