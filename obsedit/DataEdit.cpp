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
    : TGridEditor(*HostPtr, ObsKindItems(), 1, true, Parent)
{
    // The kinds after the first run, in their own order.
    AppendKind(bkChiTest, KindItemText(bkChiTest));
    AppendKind(bkNormalplot, KindItemText(bkNormalplot));
    setObjectName(QStringLiteral("DataEdit"));
    const TGridShape Shape = ObsGridShape();
    DataGridModel = new TObsDataModel(*this, Shape, this);
    ColModel = new TObsColHeaderModel(*this, Shape, this);
    LineModel = new TObsLineHeaderModel(*this, Shape, this);

    BuildToolBar();
    BuildMenus();
    BuildDataTools();

    auto *EditBlock =
        new TObsGridBlock(QString(), DataGridModel, ColModel, LineModel, this, &Pressed, EditPage);
    EditPage->layout()->addWidget(EditBlock);
    auto *MixedBlock = new TObsGridBlock(QStringLiteral("1"), DataGridModel, ColModel, LineModel,
                                         this, &Pressed, MixedGridHolder);
    MixedGridHolder->layout()->addWidget(MixedBlock);
    SetGrids(DataGridModel, ColModel, LineModel, EditBlock, MixedBlock);
    TrackClipboard();
    UpdateButtons();
}

TDataEdit::~TDataEdit()
{
    // The grids go first, while the editor they call back is still whole: an
    // open in-place editor commits on the way out, and closing the window
    // later moves the focus.
    DeleteGrids();
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

// Hiding, replacing.

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
    ResetGrids(Host.Lumen().MaxLines());
    SetDataEdited(FromFile);
    if (!FromFile)
        RandomDialog()->Reset();
    StatusPanel->clear();
    SetView(vwEdit);
    UpdateDirectionGlyph();
    UpdateButtons();
}

// Rows.

void TDataEdit::RaiseRowCount(int N)
{
    if (N > Rows)
        SetRowCount(N);
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
            Blocks[1]->ScrollToGridColumn(L.SelCol(0));
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
    for (TGridBlock *B : Blocks)
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
        const int Count = TypedDecimals(Text);
        if (L.GetDecimals(Col) < Count) {
            L.SetDecimals(Col, Count);
            DataGridModel->ColumnChanged(Col);
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
    for (const TGridBlock *B : Blocks)
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
    if (L.SelColCount() == 1 && !ShowingGridBlock()->DataDG->IsEditing())
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

// Editing.

void TDataEdit::DataEditingChanged()
{
    if (TypedUncommitted && !DataGridEditing()) {
        // The typed text is committed: now a kind the data no longer allow
        // gives way to the hint.
        TypedUncommitted = false;
        RefreshDescriptions();
        UpdateButtons();
    }
}
