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
    : TGridEditor(Host, TableKindItems(Type), bkTabel, false, Parent), Side(Type)
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
    const TGridShape Shape = TableGridShape(Side);
    DataGridModel = new TTableDataModel(*this, Shape, this);
    ColModel = new TTableColHeaderModel(*this, Shape, this);
    LineModel = new TGridLineHeaderModel(*this, Shape, this);

    BuildToolBar();
    BuildMenus();

    const QString DataName = Type == dtGrup ? QStringLiteral("GrupDG") : QStringLiteral("HypDG");
    const int Parts = Side.Parts();
    auto *EditBlock = new TTableGridBlock(DataName, QString(), Parts, DataGridModel, ColModel,
                                          LineModel, this, &Pressed, EditPage);
    EditPage->layout()->addWidget(EditBlock);
    auto *MixedBlock = new TTableGridBlock(DataName, QStringLiteral("1"), Parts, DataGridModel,
                                           ColModel, LineModel, this, &Pressed, MixedGridHolder);
    MixedGridHolder->layout()->addWidget(MixedBlock);
    SetGrids(DataGridModel, ColModel, LineModel, EditBlock, MixedBlock);
    TrackClipboard();
    UpdateButtons();
}

TTableEdit::~TTableEdit()
{
    // The grids go first, while the editor they call back is still whole.
    DeleteGrids();
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

// Hiding, replacing.

void TTableEdit::HideEditor()
{
    CommitEdit();
    Side.ClearMarks(Host.Lumen());
    RepaintGrids();
}

void TTableEdit::DataReplaced(bool FromFile)
{
    EditSnapshot = TEditSnapshot{};
    ResetGrids(Side.MaxLines(Host.Lumen()));
    SetDataEdited(FromFile);
    StatusPanel->clear();
    SetView(vwEdit);
    UpdateDirectionGlyph();
    UpdateButtons();
}

// Painting helpers.

void TTableEdit::RepaintValueColumns(int Col)
{
    for (int Part = 0; Part + 1 < Side.Parts(); ++Part)
        DataGridModel->GridColumnChanged(DataGridModel->GridCol(Col, Part));
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
        const int Count = TypedDecimals(Text);
        if (Side.Decimals(L, Col) < Count) {
            Side.SetDecimals(L, Col, Count);
            RepaintValueColumns(Col);
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
    DataGridModel->ColumnChanged(Col);
    RefreshDescriptions();
    UpdateButtons();
}

void TTableEdit::ColNameTyped(int Col, const QString &Text)
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

// Marking.

void TTableEdit::MarkColumn(int Col, Qt::KeyboardModifiers Mods)
{
    tLumen &L = Host.Lumen();
    if (Col < 0 || Col >= TTableSide::Columns)
        return;
    ClickMarks(Side.Marked(L), Col, Mods, [this, &L](int C) { Side.ToggleMark(L, C); });
    RepaintGrids();
    UpdateButtons();
    if (Side.MarkedCount(L) == 1 && !ShowingGridBlock()->DataDG->IsEditing())
        ShowColumnStatus(Side.MarkedCol(L, 0));
    else
        StatusPanel->clear();
    RefreshDescriptions();
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
