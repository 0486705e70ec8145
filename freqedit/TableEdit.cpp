#include "TableEdit.h"

#include "CellText.h"
#include "ClickMarks.h"
#include "Clipboard.h"
#include "Describe.h"
#include "EditorGlyphs.h"
#include "PaneKinds.h"
#include "TwoVar.h"
#include "HGStilDlg.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

QStringList TableKindItems(TDataType Type)
{
    return {QStringLiteral("Tabel"),
            QStringLiteral("Mærketal"),
            QStringLiteral("Hyppighedsgraf"),
            QStringLiteral("Frekvensgraf"),
            QStringLiteral("Kumulerede frekvenser"),
            Type == dtGrup ? QStringLiteral("Cirkeldiagram (max. 16 forskellige værdier)")
                           : QStringLiteral("Cirkeldiagram")};
}

} // namespace

TTableEdit::TTableEdit(TEditorHost &Host, TDataType Type, QWidget *Parent)
    : TEditorFrame(Host, TableKindItems(Type), bkTabel, false, Parent), Side(Type)
{
    setObjectName(Type == dtGrup ? QStringLiteral("GrupEdit") : QStringLiteral("HypEdit"));
    // Kinds beyond the six above, in their own order.
    AppendKind(bkBoksplot, QStringLiteral("Boksplot"));
    if (Type == dtGrup)
        AppendKind(bkHistogram, QStringLiteral("Histogram"));
    if (Type == dtHyp)
        AppendKind(bkChiTest, KindItemText(bkChiTest));
    AppendKind(bkNormalplot, KindItemText(bkNormalplot));
    Notebook->setObjectName(Type == dtGrup ? QStringLiteral("GrupEditNB")
                                           : QStringLiteral("HypEditNB"));
    DataGridModel = new TTableDataModel(*this, this);
    ColModel = new TTableColHeaderModel(*this, this);
    LineModel = new TTableLineHeaderModel(*this, this);

    BuildToolBar();
    BuildMenus();

    const QString DataName = Type == dtGrup ? QStringLiteral("GrupDG") : QStringLiteral("HypDG");
    const int Parts = Side.Parts();
    Blocks[0] = new TTableGridBlock(DataName, QString(), Parts, DataGridModel, ColModel, LineModel,
                                    this, &Pressed, EditPage);
    EditPage->layout()->addWidget(Blocks[0]);
    Blocks[1] = new TTableGridBlock(DataName, QStringLiteral("1"), Parts, DataGridModel, ColModel,
                                    LineModel, this, &Pressed, MixedGridHolder);
    MixedGridHolder->layout()->addWidget(Blocks[1]);
    for (TTableGridBlock *B : Blocks) {
        connect(B->DirectionSpeed, &QToolButton::clicked, this, [this] { NextDirection(); });
        B->DataDG->setCurrentIndex(DataGridModel->index(0, 0));
        B->SojleDG->setCurrentIndex(ColModel->index(1, 0));
    }
    UpdateDirectionGlyph();
    TrackClipboard();
    UpdateButtons();
}

TTableEdit::~TTableEdit()
{
    // The grids go first, while the editor they call back is still whole.
    CommitEdit();
    for (TTableGridBlock *&B : Blocks) {
        delete B;
        B = nullptr;
    }
    delete MenuBar;
}

void TTableEdit::BuildToolBar()
{
    AddFileAndViewButtons(Side.DataType());
    AddToolButton(QStringLiteral("DeciPlusSpeed"), Side.IsGrouped()
                                                       ? QStringLiteral("Flere decimaler")
                                                       : QStringLiteral("Vis flere decimaler"));
    AddToolButton(QStringLiteral("DeciMinusSpeed"), QStringLiteral("Vis færre decimaler"));
    AddToolSeparator();
    AddToolButton(QStringLiteral("CutSpeed"), QStringLiteral("Klip"));
    AddToolButton(QStringLiteral("CopySpeed"), QStringLiteral("Kopiér"));
    AddToolButton(QStringLiteral("PasteSpeed"), QStringLiteral("Indsæt"));
    AddToolButton(QStringLiteral("DelSpeed"), QStringLiteral("Rens"));
    AddToolButton(QStringLiteral("UndoSpeed"), QStringLiteral("Fortryd"));

    auto On = [this](const char *Name, auto Fn) {
        connect(ToolButton(QString::fromLatin1(Name)), &QToolButton::clicked, this, Fn);
    };
    On("DeciPlusSpeed", [this] { DecimalsCommand(+1); });
    On("DeciMinusSpeed", [this] { DecimalsCommand(-1); });
    On("CutSpeed", [this] { CutColumn(); });
    On("CopySpeed", [this] { CopyColumn(); });
    On("PasteSpeed", [this] { PasteColumn(); });
    On("DelSpeed", [this] { ClearColumns(); });
    On("UndoSpeed", [this] { UndoCommand(); });
    const struct {
        const char *Name;
        int Id;
    } Bound[] = {{"CutSpeed", tcCut},           {"CopySpeed", tcCopy},
                 {"PasteSpeed", tcPaste},       {"DelSpeed", tcClear},
                 {"DeciPlusSpeed", tcDecimals}, {"DeciMinusSpeed", tcDecimals},
                 {"UndoSpeed", tcUndo}};
    for (const auto &B : Bound)
        BindCommand(B.Id, ToolButton(QString::fromLatin1(B.Name)));
}

// Showing, hiding, replacing.

TTableGridBlock *TTableEdit::ShowingBlock() const
{
    return View() == vwMixed ? Blocks[1] : Blocks[0];
}

void TTableEdit::ShowEditor()
{
    UpdateDirectionGlyph();
    for (TTableGridBlock *B : Blocks)
        B->EndEditing();
    Pressed.Clear();
    SetTextButtonDown(Host.TextWindowShown());
    ShowFrame();
    RepaintGrids();
}

void TTableEdit::HideEditor()
{
    CommitEdit();
    Side.ClearMarks(Host.Lumen());
    RepaintGrids();
}

void TTableEdit::DataReplaced(bool FromFile)
{
    Pressed.Clear();
    EditSnapshot = TEditSnapshot{};
    Rows = std::max(InitialRows, Side.MaxLines(Host.Lumen()));
    DataGridModel->Reset();
    LineModel->Reset();
    ColModel->Reset();
    for (TTableGridBlock *B : Blocks) {
        B->DataDG->setCurrentIndex(DataGridModel->index(0, 0));
        B->SojleDG->setCurrentIndex(ColModel->index(1, 0));
        B->ScrollTopLeft();
    }
    SetDataEdited(FromFile);
    StatusPanel->clear();
    SetView(vwEdit);
    UpdateDirectionGlyph();
    UpdateButtons();
}

bool TTableEdit::CommitEdit()
{
    for (TTableGridBlock *B : Blocks)
        if (B != nullptr)
            B->EndEditing();
    return true;
}

void TTableEdit::EndEditing()
{
    ShowingBlock()->EndEditing();
}

void TTableEdit::SetRowCount(int N)
{
    N = std::max(1, N);
    const int Old = Rows;
    if (N == Old)
        return;
    Rows = N;
    DataGridModel->RowCountChanged(Old, N);
    LineModel->RowCountChanged(Old, N);
}

// Painting helpers.

void TTableEdit::RepaintGrids()
{
    for (TTableGridBlock *B : Blocks)
        if (B != nullptr)
            for (TGridView *V : {B->SojleDG, B->LinieDG, B->DataDG})
                V->viewport()->update();
}

void TTableEdit::RepaintHeaders(TTableGridBlock *B)
{
    B->SojleDG->viewport()->update();
    B->LinieDG->viewport()->update();
}

void TTableEdit::RepaintValueColumns(int Col)
{
    for (int Part = 0; Part + 1 < Side.Parts(); ++Part)
        DataGridModel->GridColumnChanged(DataGridModel->GridCol(Col, Part));
}

void TTableEdit::UpdateDirectionGlyph()
{
    const QString Res = DirectionResource(Host.Lumen().GetEditDirection());
    for (TTableGridBlock *B : Blocks) {
        if (B == nullptr)
            continue;
        B->DirectionSpeed->setIcon(QIcon(DirectionGlyph(Res)));
        B->DirectionSpeed->setProperty("glyph", Res);
    }
}

void TTableEdit::NextDirection()
{
    Host.Lumen().NextEditDirection();
    UpdateDirectionGlyph();
}

// Status.

void TTableEdit::ShowColumnStatus(int Col)
{
    const tLumen &L = Host.Lumen();
    if (Col < 0 || Col >= TTableSide::Columns) {
        StatusPanel->clear();
        return;
    }
    const QString Comment = Side.Comment(L, Col);
    StatusPanel->setText(Comment.isEmpty() ? QStringLiteral("Kolonne ") + QString::number(Col + 1)
                                           : Comment);
}

QString TTableEdit::CellFault(int Line, int GridCol) const
{
    const int Col = DataGridModel->TableCol(GridCol), Part = DataGridModel->Part(GridCol);
    if (Line < 0 || Col < 0)
        return QString();
    QString Text;
    TCellState State = csEmpty;
    Side.GetPart(Host.Lumen(), Line, Col, Part, Text, State);
    // What cannot be read as the part's number is kept as red text.
    if (State != csText)
        return QString();
    if (Side.IsFreqPart(Part))
        return QStringLiteral("Hyppigheden skal være et helt tal, 0 eller større");
    return Side.IsGrouped() ? QStringLiteral("Grænsen skal være et tal")
                            : QStringLiteral("Observationen skal være et tal");
}

void TTableEdit::ShowCellStatus(int Line, int GridCol)
{
    const QString Fault = CellFault(Line, GridCol);
    if (Fault.isEmpty())
        ShowColumnStatus(DataGridModel->TableCol(GridCol));
    else
        StatusPanel->setText(Fault);
}

void TTableEdit::ViewShown(TView V)
{
    const tLumen &L = Host.Lumen();
    const bool Columns = V == vwEdit || V == vwMixed;
    ToolButton(QStringLiteral("DeciPlusSpeed"))->setVisible(Columns);
    ToolButton(QStringLiteral("DeciMinusSpeed"))->setVisible(Columns);
    if (V == vwMixed && Side.MarkedCount(L) > 0)
        Blocks[1]->ScrollToGridColumn(DataGridModel->GridCol(Side.MarkedCol(L, 0), 0));
    if (Columns && Side.MarkedCount(L) == 1)
        ShowColumnStatus(Side.MarkedCol(L, 0));
    RepaintGrids();
}

// Descriptions.

bool TTableEdit::SomethingMarked()
{
    return Side.MarkedCount(Host.Lumen()) > 0;
}

void TTableEdit::DrawKind(QPainter &P, const tDrawContext &C, int Kind, int PaneN)
{
    // Faulty classes leave nothing to draw: even the table would stop at
    // the fault with every cumulative frequency 0.
    if (Side.IsGrouped() && Descriptor().HasClassFault()) {
        DrawErrorNotice(P, QStringLiteral("Fejl i intervaller"));
        return;
    }
    TEditorFrame::DrawKind(P, C, Kind, PaneN);
}

// Typing.

void TTableEdit::CellTyped(int Line, int GridCol, const QString &Text)
{
    tLumen &L = Host.Lumen();
    const int Col = DataGridModel->TableCol(GridCol), Part = DataGridModel->Part(GridCol);
    if (Col < 0)
        return;
    SetDataEdited(true);
    Side.SetPart(L, Line, Col, Part, Text);
    TCellState State;
    QString Shown;
    Side.GetPart(L, Line, Col, Part, Shown, State);
    if (!Side.IsFreqPart(Part) && State == csNumber) {
        // The decimals shown rise to what was typed (at most 9), never fall.
        int Sep = -1;
        for (QChar Mark : {QChar('.'), QChar(',')})
            Sep = std::max(Sep, int(Text.lastIndexOf(Mark)));
        if (Sep >= 0) {
            const int Count = std::min<int>(9, Text.length() - Sep - 1);
            if (Side.Decimals(L, Col) < Count) {
                Side.SetDecimals(L, Col, Count);
                RepaintValueColumns(Col);
            }
        }
    }
    const QModelIndex I = DataGridModel->index(Line, GridCol);
    emit DataGridModel->dataChanged(I, I);
    RefreshDescriptions();
    UpdateButtons();
}

void TTableEdit::CellEditStarted(int Line, int GridCol)
{
    EditSnapshot = TEditSnapshot{};
    EditSnapshot.Line = Line;
    EditSnapshot.GridCol = GridCol;
    EditSnapshot.Column = Side.CopyColumn(Host.Lumen(), DataGridModel->TableCol(GridCol));
}

void TTableEdit::CellEditCancelled(int Line, int GridCol)
{
    if (EditSnapshot.Line != Line || EditSnapshot.GridCol != GridCol)
        return;
    const int Col = DataGridModel->TableCol(GridCol);
    Side.RestoreColumn(Host.Lumen(), Col, EditSnapshot.Column);
    EditSnapshot = TEditSnapshot{};
    DataGridModel->TableColumnChanged(Col);
    RefreshDescriptions();
    UpdateButtons();
}

void TTableEdit::NameTyped(int Col, const QString &Text)
{
    tLumen &L = Host.Lumen();
    if (Text == Side.Name(L, Col))
        return;
    SetDataEdited(true);
    Side.SetName(L, Col, Text);
    ColModel->ColumnChanged(Col);
    // The name is the description's title.
    if (Side.IsMarked(L, Col))
        RefreshDescriptions();
}

// Cursor movement.

int TTableEdit::BlockOf(const TGridView *View) const
{
    for (int I = 0; I < 2; ++I)
        if (Blocks[I] != nullptr &&
            (View == Blocks[I]->DataDG || View == Blocks[I]->SojleDG || View == Blocks[I]->LinieDG))
            return I;
    return -1;
}

void TTableEdit::MoveDataCursor(TTableGridBlock *B, int Line, int GridCol)
{
    if (Line >= Rows)
        SetRowCount(Line + 1);
    B->DataDG->SetCell(Line, GridCol);
    B->ShowCell(Line, GridCol);
}

void TTableEdit::ResumeEditing(TGridView *G)
{
    if (G->hasFocus() && (G->currentIndex().flags() & Qt::ItemIsEditable))
        G->StartEdit();
}

bool TTableEdit::DataKey(TTableGridBlock *B, int Key, Qt::KeyboardModifiers Mods)
{
    if (Mods & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    TGridView *G = B->DataDG;
    const int C = G->Col(), R = G->Row();
    if (C < 0 || R < 0)
        return false;
    const int Parts = Side.Parts();
    const int LastGridCol = TTableSide::Columns * Parts - 1;
    switch (Key) {
    case Qt::Key_Right:
        if (C != LastGridCol)
            return false;
        G->EndEdit();
        G->SetCell(R, 0);
        B->ScrollToGridColumn(0);
        ResumeEditing(G);
        return true;
    case Qt::Key_Up:
        if (R != 0)
            return false;
        G->EndEdit();
        B->SojleDG->setFocus();
        B->SojleDG->SetCell(1, C / Parts);
        B->SojleDG->StartEdit();
        return true;
    case Qt::Key_Down:
        if (R == Rows - 1)
            SetRowCount(Rows + 1);
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        G->EndEdit();
        switch (Host.Lumen().GetEditDirection()) {
        case edRight:
            // Through the parts of a line, then to the first part of the next.
            if (C % Parts < Parts - 1)
                MoveDataCursor(B, R, C + 1);
            else
                MoveDataCursor(B, R + 1, C - (Parts - 1));
            break;
        case edDown:
            MoveDataCursor(B, R + 1, C);
            break;
        default:
            break;
        }
        ResumeEditing(G);
        ShowCellStatus(G->Row(), G->Col());
        return true;
    default:
        return false;
    }
}

bool TTableEdit::ColHeaderKey(TTableGridBlock *B, int Key)
{
    TGridView *G = B->SojleDG;
    const int C = G->Col();
    if (G->Row() != 1 || C < 0 || C >= TTableSide::Columns)
        return false;
    auto ToData = [&] {
        G->EndEdit();
        B->DataDG->setFocus();
        MoveDataCursor(B, 0, DataGridModel->GridCol(C, 0));
    };
    switch (Key) {
    case Qt::Key_Down:
        ToData();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        G->EndEdit();
        switch (Host.Lumen().GetEditDirection()) {
        case edRight: {
            const int Next = (C + 1) % TTableSide::Columns;
            G->SetCell(1, Next);
            if (Next == 0)
                B->ScrollToGridColumn(0);
            else
                B->ShowCell(0, DataGridModel->GridCol(Next, 0));
            break;
        }
        case edDown:
            ToData();
            break;
        default:
            break;
        }
        return true;
    default:
        return false;
    }
}

bool TTableEdit::GridKey(TGridView *View, int Key, Qt::KeyboardModifiers Mods)
{
    const int I = BlockOf(View);
    if (I < 0)
        return false;
    TTableGridBlock *B = Blocks[I];
    if (View == B->DataDG)
        return DataKey(B, Key, Mods);
    if (View == B->SojleDG && !(Mods & (Qt::ControlModifier | Qt::AltModifier)))
        return ColHeaderKey(B, Key);
    return false;
}

// Marking.

void TTableEdit::MarkColumn(int Col, Qt::KeyboardModifiers Mods)
{
    tLumen &L = Host.Lumen();
    if (Col < 0 || Col >= TTableSide::Columns)
        return;
    ClickMarks(Side.Marked(L), Col, Mods, [this, &L](int C) { Side.ToggleMark(L, C); });
    RepaintGrids();
    UpdateButtons();
    if (Side.MarkedCount(L) == 1 && !ShowingBlock()->DataDG->IsEditing())
        ShowColumnStatus(Side.MarkedCol(L, 0));
    else
        StatusPanel->clear();
    RefreshDescriptions();
}

// Mouse on the column header.

bool TTableEdit::GridMousePress(TGridView *View, QMouseEvent *Event)
{
    const int I = BlockOf(View);
    if (I < 0 || Event->button() != Qt::LeftButton || View != Blocks[I]->SojleDG)
        return false;
    const QPoint Pos = Event->position().toPoint();
    const QModelIndex Index = View->indexAt(Pos);
    if (!Index.isValid() || Index.row() != 0 || Index.column() >= TTableSide::Columns)
        return false;
    View->EndEdit();
    Pressed.View = View;
    Pressed.Row = 0;
    Pressed.Col = Index.column();
    Pressed.Part = gridpaint::DropButton(View->visualRect(Index)).contains(Pos) ? 2 : 1;
    View->viewport()->update();
    return true;
}

bool TTableEdit::GridMouseRelease(TGridView *View, QMouseEvent *Event)
{
    const int I = BlockOf(View);
    if (I < 0)
        return false;
    TTableGridBlock *B = Blocks[I];
    if (Pressed.View != View) {
        // A click on a name cell starts editing it.
        const QModelIndex Index = View->indexAt(Event->position().toPoint());
        if (View == B->SojleDG && Index.row() == 1 && Index == View->currentIndex() &&
            !View->IsEditing())
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
    const bool InDrop = gridpaint::DropButton(View->visualRect(Index)).contains(Pos);
    if ((Was.Part == 2) != InDrop)
        return true;
    if (Was.Part == 2)
        OpenColumnSettings(Was.Col);
    else
        MarkColumn(Was.Col, Event->modifiers());
    return true;
}

// Current cell, focus, editing.

void TTableEdit::GridCurrentChanged(TGridView *View, const QModelIndex &Current,
                                    const QModelIndex &Previous)
{
    Q_UNUSED(Previous);
    const int I = BlockOf(View);
    if (I < 0 || Blocks[I] == nullptr || View != Blocks[I]->DataDG)
        return;
    RepaintHeaders(Blocks[I]);
    if (Current.isValid() && View->hasFocus())
        ShowCellStatus(Current.row(), Current.column());
}

void TTableEdit::GridFocusIn(TGridView *View)
{
    const int I = BlockOf(View);
    if (I < 0 || View != Blocks[I]->DataDG)
        return;
    RepaintHeaders(Blocks[I]);
    if (View->Col() >= 0)
        ShowCellStatus(View->Row(), View->Col());
}

void TTableEdit::GridFocusOut(TGridView *View)
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

void TTableEdit::GridEditingChanged(TGridView *View)
{
    const int I = BlockOf(View);
    if (I >= 0 && Blocks[I] != nullptr && View == Blocks[I]->DataDG)
        Blocks[I]->SojleDG->viewport()->update();
}

// Column settings.

THGStilDlg *TTableEdit::SettingsDialog()
{
    if (Settings == nullptr) {
        Settings = new THGStilDlg(this);
        connect(Settings, &THGStilDlg::HelpRequested, this,
                [this] { Host.ShowHelp(htTableSettings); });
    }
    return Settings;
}

void TTableEdit::OpenColumnSettings(int Col)
{
    if (Col < 0 || Col >= TTableSide::Columns)
        return;
    CommitEdit();
    THGStilDlg *D = SettingsDialog();
    D->Load(Host.Lumen(), Side, Col);
    if (D->exec() != QDialog::Accepted)
        return;
    SetDataEdited(true);
    D->Apply(Host.Lumen(), Side, Col);
    RepaintValueColumns(Col);
    if (View() == vwEdit || View() == vwMixed)
        ShowColumnStatus(Col);
    RefreshDescriptions();
}
