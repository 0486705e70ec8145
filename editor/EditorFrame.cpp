#include "EditorFrame.h"

#include "Clipboard.h"
#include "Describe.h"
#include "EditorGlyphs.h"
#include "PaneKinds.h"
#include "RegressionDraw.h"
#include "TwoVar.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

TEditorFrame::TEditorFrame(TEditorHost &Host, const QStringList &KindItems, int KindBase,
                           bool TabColumn, QWidget *Parent)
    : TEditorBase(Host, Parent), KindBase(KindBase)
{
    auto *Root = new QVBoxLayout(this);
    Root->setContentsMargins(0, 0, 0, 0);
    Root->setSpacing(0);

    auto *ToolBar = new QWidget(this);
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setFixedHeight(37);
    ToolLayout = new QHBoxLayout(ToolBar);
    ToolLayout->setContentsMargins(4, 4, 4, 4);
    ToolLayout->setSpacing(1);
    ToolLayout->addStretch(1);
    Root->addWidget(ToolBar);

    Notebook = new QStackedWidget(this);
    Root->addWidget(Notebook, 1);

    EditPage = new QWidget;
    EditPage->setObjectName(QStringLiteral("EditPage"));
    auto *EL = new QVBoxLayout(EditPage);
    EL->setContentsMargins(0, 0, 0, 0);
    Notebook->addWidget(EditPage);

    for (int N = 1; N <= 4; ++N)
        Panes[N] = new TDescriptionPane(N, this, KindItems, KindBase - 1, TabColumn, N == 1);
    for (int I = 0; I < KindItems.size(); ++I)
        ItemKinds.append(KindBase + I);

    auto *MixedPage = new QWidget;
    MixedPage->setObjectName(QStringLiteral("MixedPage"));
    MixedSplitter = new QSplitter(Qt::Horizontal, MixedPage);
    MixedGridHolder = new QWidget;
    auto *HL = new QVBoxLayout(MixedGridHolder);
    HL->setContentsMargins(0, 0, 0, 0);
    MixedSplitter->addWidget(MixedGridHolder);
    MixedSplitter->addWidget(Panes[1]);
    MixedSplitter->setStretchFactor(1, 1);
    MixedSplitter->setSizes({337, 600});
    auto *ML = new QVBoxLayout(MixedPage);
    ML->setContentsMargins(0, 0, 0, 0);
    ML->addWidget(MixedSplitter);
    Notebook->addWidget(MixedPage);

    auto *DualPage = new QWidget;
    DualPage->setObjectName(QStringLiteral("DualPage"));
    DualSplitter = new QSplitter(Qt::Horizontal, DualPage);
    DualSplitter->addWidget(Panes[2]);
    DualSplitter->addWidget(Panes[3]);
    DualSplitter->setStretchFactor(1, 1);
    DualSplitter->setSizes({313, 600});
    auto *DL = new QVBoxLayout(DualPage);
    DL->setContentsMargins(0, 0, 0, 0);
    DL->addWidget(DualSplitter);
    Notebook->addWidget(DualPage);

    auto *SinglePage = new QWidget;
    SinglePage->setObjectName(QStringLiteral("SinglePage"));
    auto *SL = new QVBoxLayout(SinglePage);
    SL->setContentsMargins(0, 0, 0, 0);
    SL->addWidget(Panes[4]);
    Notebook->addWidget(SinglePage);

    StatusPanel = new QLabel(this);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setFixedHeight(25);
    StatusPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusPanel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StatusPanel->setIndent(4);
    Root->addWidget(StatusPanel);
}

void TEditorFrame::AppendKind(int Kind, const QString &Text)
{
    if (ItemKinds.contains(Kind))
        return;
    ItemKinds.append(Kind);
    for (int N = 1; N <= 4; ++N)
        Panes[N]->AppendKindItem(Kind, Text);
}

tDescriptor &TEditorFrame::Descriptor()
{
    return DescriptorOf(Host.Lumen());
}

TDescriptionPane *TEditorFrame::Pane(int N) const
{
    return N >= 1 && N <= 4 ? Panes[N] : nullptr;
}

QToolButton *TEditorFrame::AddToolButton(const QString &Name, const QString &Hint, int Width)
{
    auto *B = new QToolButton(this);
    B->setObjectName(Name);
    B->setToolTip(Hint);
    B->setAutoRaise(true);
    B->setFocusPolicy(Qt::NoFocus);
    B->setFixedSize(Width, 29);
    B->setIcon(ToolGlyph(Name));
    B->setIconSize(QSize(Width >= 29 ? 22 : 11, 22));
    ToolLayout->insertWidget(ToolLayout->count() - 1, B);
    Buttons.insert(Name, B);
    return B;
}

QFrame *TEditorFrame::AddToolSeparator()
{
    auto *Line = new QFrame(this);
    Line->setFrameShape(QFrame::VLine);
    Line->setFrameShadow(QFrame::Sunken);
    Line->setFixedWidth(8);
    ToolLayout->insertWidget(ToolLayout->count() - 1, Line);
    return Line;
}

void TEditorFrame::AddFileAndViewButtons(TDataType Type)
{
    QToolButton *New = AddToolButton(QStringLiteral("NewSpeed"), QStringLiteral("Ny"));
    QToolButton *Open = AddToolButton(QStringLiteral("OpenSpeed"), QStringLiteral("Åbn"));
    QToolButton *Save = AddToolButton(QStringLiteral("SaveSpeed"), QStringLiteral("Gem"));
    AddToolSeparator();
    QToolButton *Info =
        AddToolButton(QStringLiteral("InfoSpeed"), QStringLiteral("Tekst til data"));
    Info->setCheckable(true);
    AddToolSeparator();
    AddViewButtons();
    AddToolSeparator();
    connect(New, &QToolButton::clicked, this, [this, Type] {
        CommitEdit();
        Host.NewDocument(Type);
    });
    connect(Open, &QToolButton::clicked, this, [this] {
        CommitEdit();
        Host.OpenDocument();
    });
    connect(Save, &QToolButton::clicked, this, [this] {
        CommitEdit();
        Host.SaveDocument();
    });
    connect(Info, &QToolButton::clicked, this, [this](bool Down) { Host.ShowTextWindow(Down); });
}

void TEditorFrame::SetDataEdited(bool Flag)
{
    Edited = Flag;
    if (DatatypeMenu == nullptr)
        return;
    // A greyed item says why it is greyed, as a tooltip in the menu and in
    // the status line.
    const QString Why =
        Flag ? QStringLiteral("Datatypen kan ikke skiftes, når der er åbnet en fil eller tastet "
                              "data. Vælg Filer > Ny for at begynde forfra med en anden datatype.")
             : QString();
    DatatypeMenu->setToolTipsVisible(true);
    for (QAction *A : DatatypeMenu->actions()) {
        A->setEnabled(!Flag);
        A->setToolTip(Flag ? Why : A->text().remove(QLatin1Char('&')));
        A->setStatusTip(Why);
    }
}

void TEditorFrame::TrackClipboard()
{
    QString Text;
    ClipboardHasText = GetClipboardText(Text);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        QString Text;
        ClipboardHasText = GetClipboardText(Text);
        UpdateButtons();
    });
}

void TEditorFrame::AddViewButtons()
{
    ViewGroup = new QButtonGroup(this);
    ViewGroup->setExclusive(true);
    const struct {
        const char *Name;
        const char *Hint;
        TView View;
    } Defs[] = {{"EditSpeed", "Vis data", vwEdit},
                {"MixetSpeed", "Vis data og beskrivelse", vwMixed},
                {"DualSpeed", "Vis to beskrivelser", vwDual},
                {"SingleSpeed", "Vis beskrivelse", vwSingle}};
    for (const auto &D : Defs) {
        QToolButton *B = AddToolButton(QString::fromLatin1(D.Name), QString::fromUtf8(D.Hint));
        B->setCheckable(true);
        ViewGroup->addButton(B, D.View);
        const TView V = D.View;
        connect(B, &QToolButton::clicked, this, [this, V] { SetView(V); });
    }
    ViewGroup->button(vwEdit)->setChecked(true);
}

void TEditorFrame::SetTextButtonDown(bool Down)
{
    if (QToolButton *B = ToolButton(QStringLiteral("InfoSpeed")))
        B->setChecked(Down);
}

bool TEditorFrame::PaneShowing(int N) const
{
    switch (N) {
    case 1:
        return CurrentView == vwMixed;
    case 2:
    case 3:
        return CurrentView == vwDual;
    case 4:
        return CurrentView == vwSingle;
    default:
        return false;
    }
}

void TEditorFrame::SyncCombos()
{
    tDescriptor &D = Descriptor();
    for (int N = 1; N <= 4; ++N) {
        const int Kind = D.GetPaneKind(N);
        Panes[N]->ComboBox->setCurrentIndex(ItemOfKind(Kind));
    }
}

void TEditorFrame::ShowFrame()
{
    StatusPanel->clear();
    ConnectZoomWheels();
    Descriptor().SetOwner(EditorType());
    SyncCombos();
    UpdatePaneButtons();
    UpdateCursors();
    UpdateButtons();
}

void TEditorFrame::SetView(TView V)
{
    tDescriptor &D = Descriptor();
    if (V != vwEdit) {
        D.ClearSelection();
        D.ClearReadings();
        D.Recompute(Lumen());
        DropUnavailableKinds();
        PickedLinesChanged();
    }
    CurrentView = V;
    switch (V) {
    case vwMixed:
        SizePane(1);
        MixedViewShown();
        break;
    case vwDual:
        SizePane(2);
        SizePane(3);
        break;
    case vwSingle:
        SizePane(4);
        break;
    default:
        break;
    }
    Notebook->setCurrentIndex(V);
    if (ViewGroup != nullptr && ViewGroup->button(V) != nullptr)
        ViewGroup->button(V)->setChecked(true);
    SyncCombos();
    for (int N = 1; N <= 4; ++N)
        Panes[N]->Repaint();
    UpdatePaneButtons();
    UpdateCursors();
    ViewShown(V);
    UpdateButtons();
}

bool TEditorFrame::KindAllowed(int Kind)
{
    return KindAvailable(Lumen(), EditorType(), Kind);
}

void TEditorFrame::SetPaneKindWithPartners(int N, int Kind)
{
    tDescriptor &D = Descriptor();
    if (N == 1 || N == 3) {
        D.SetPaneKind(N == 1 ? 3 : 1, uint8_t(Kind));
        D.SetPaneKind(4, uint8_t(Kind));
    } else if (N == 4) {
        D.SetPaneKind(1, uint8_t(Kind));
        D.SetPaneKind(3, uint8_t(Kind));
    }
    D.SetPaneKind(N, uint8_t(Kind));
}

void TEditorFrame::ChooseKind(int N, int Index)
{
    if (N < 1 || N > 4)
        return;
    tDescriptor &D = Descriptor();
    // Decide on current statistics.
    D.Recompute(Lumen());
    int Kind = Index >= 0 ? KindOfItem(Index) : 0;
    if (Index >= 0 && KindAllowed(Kind)) {
        SetPaneKindWithPartners(N, Kind);
        Panes[N]->ComboBox->setCurrentIndex(Index);
    } else {
        Panes[N]->ComboBox->setCurrentIndex(-1);
        Kind = 0;
        SetPaneKindWithPartners(N, 0);
    }
    D.Recompute(Lumen());
    SizePane(N);
    if (PaneShowing(N)) {
        if (N == 1) {
            D.ClearPicked();
            PickedLinesChanged();
            Panes[1]->Repaint();
        } else if (N == 2 || N == 3) {
            SizePane(N == 2 ? 3 : 2);
            Panes[2]->Repaint();
            Panes[3]->Repaint();
        } else {
            Panes[N]->Repaint();
        }
    }
    UpdatePaneButtons();
    UpdateCursors();
}

void TEditorFrame::DropUnavailableKinds()
{
    tDescriptor &D = Descriptor();
    for (int N = 1; N <= 4; ++N) {
        const int Kind = D.GetPaneKind(N);
        if (Kind != bkIngen && ItemOfKind(Kind) < 0)
            continue; // unknown kinds are left alone
        if (!KindAllowed(Kind)) {
            Panes[N]->ComboBox->setCurrentIndex(-1);
            D.SetPaneKind(N, bkIngen);
            SizePane(N);
            Panes[N]->Repaint();
        }
    }
}

void TEditorFrame::RefreshDescriptions()
{
    tDescriptor &D = Descriptor();
    D.MarkStale();
    // The availability of the chosen kinds is judged on current statistics,
    // also outside the mixed view, so that a kind that no longer fits never
    // reappears on a view switch.
    bool AnyKind = false;
    for (int N = 1; N <= 4; ++N)
        AnyKind = AnyKind || D.GetPaneKind(N) != bkIngen;
    if (AnyKind || CurrentView == vwMixed)
        D.Recompute(Lumen());
    if (CurrentView == vwMixed) {
        SizePane(1);
        Panes[1]->Repaint();
    }
    DropUnavailableKinds();
    UpdatePaneButtons();
    UpdateCursors();
}

void TEditorFrame::RefreshTypedPane(bool Described)
{
    tDescriptor &D = Descriptor();
    D.MarkStale();
    if (CurrentView != vwMixed || !Described || D.GetPaneKind(1) == bkIngen)
        return;
    D.Recompute(Lumen());
    SizePane(1);
    Panes[1]->Repaint();
}

void TEditorFrame::UpdatePaneButtons()
{
    tDescriptor &D = Descriptor();
    auto Down = [this](int N) { return Panes[N]->RegresButton->isChecked(); };
    bool NewDown[5] = {};
    NewDown[1] = Down(3) || Down(4);
    NewDown[3] = Down(1) || Down(4);
    NewDown[4] = Down(1) || Down(3);
    for (int N = 1; N <= 4; ++N) {
        TDescriptionPane *P = Panes[N];
        const int Kind = D.GetPaneKind(N);
        if (Kind == bkSumfrekvensgraf) {
            P->CalcButton->show();
            P->RegresButton->hide();
            P->RegresButton->setChecked(false);
        } else if (Kind == bkKrydsdiagram) {
            P->CalcButton->hide();
            P->RegresButton->show();
            P->RegresButton->setChecked(N == 2 ? false : (Down(N) || NewDown[N]));
        } else {
            P->CalcButton->hide();
            P->RegresButton->hide();
            P->RegresButton->setChecked(false);
        }
        // The residual plot has no line to toggle, only its model to choose.
        P->ModelButton->setVisible(Kind == bkResidualplot);
    }
}

void TEditorFrame::UpdateCursors()
{
    tDescriptor &D = Descriptor();
    const bool Linked23 = D.Panes23Linked();
    for (int N = 2; N <= 3; ++N)
        Panes[N]->PaintBox->setCursor(Linked23 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    Panes[1]->PaintBox->setCursor(D.Pane1Linked() ? Qt::PointingHandCursor : Qt::ArrowCursor);
    Panes[4]->PaintBox->setCursor(Qt::ArrowCursor);
}

void TEditorFrame::SizePane(int N)
{
    if (N < 1 || N > 4)
        return;
    Panes[N]->SetRange(PaneRange(Descriptor().GetPaneKind(N)));
}

QSize TEditorFrame::PaneRange(int Kind)
{
    tDescriptor &D = Descriptor();
    QImage Probe(1, 1, QImage::Format_RGB32);
    QPainter P(&Probe);
    P.setFont(Panes[1]->PaintBox->font());
    const int h = draw::TextHeight(P);
    const int cw = LineNameWidth();
    const bool Grouped = DescribesGrouped();
    QSize R(0, 0);
    switch (Kind) {
    case bkDatapinde:
    case bkDatakurve:
        R = DataSticksPaneSize(P, D, cw);
        break;
    case bkTabel:
        R = FreqTablePaneSize(P, D, Grouped);
        D.TableTop = FreqTableTop(P);
        D.TableLineHeight = FreqTableLineHeight(P);
        break;
    // The key figures and the pie chart's legend reach further than their
    // ranges say: the pane scrolls to the whole drawing rather than cut it.
    case bkMaerketal:
        R = IsTwoVariableKind(Lumen(), Kind)
                ? PairKeyFiguresPaneSize(P)
                : KeyFiguresPaneSize(P, Grouped).expandedTo(KeyFiguresExtent(P, Grouped));
        break;
    case bkHyppighedsgraf:
    case bkFrekvensgraf:
    case bkSumfrekvensgraf:
    case bkKrydsdiagram:
    case bkResidualplot:
        R = QSize(200, 150);
        break;
    case bkRegression:
        R = RegressionPaneSize(P, Lumen(), D);
        break;
    case bkNormalplot:
        R = QSize(200, 150);
        break;
    case bkChiTest:
        R = ChiTestPaneSize(P, Lumen(), D, ChiTestFor(Lumen(), D, EditorType()), cw);
        break;
    case bkCirkeldiagram:
        R = PieChartPaneSize(P, tDrawContext(), Grouped)
                .expandedTo(PieChartExtent(P, tDrawContext(), Grouped));
        break;
    case bkBoksplot:
        R = BoxPlotPaneSize(D.SeriesCount());
        break;
    case bkHistogram:
        R = QSize(200, 150);
        break;
    case bkKrydstabel: {
        const int K = Grouped ? 2 * cw : cw;
        R = CrossTablePaneSize(P, D, cw, Grouped);
        D.CrossLeft = 2 * h;
        D.CrossTop = 2 * h;
        // The row height the table is drawn with, whatever the scroll range.
        D.CrossRowHeight = (h + 1) / 2 + h;
        D.CrossColWidth = K;
        break;
    }
    default:
        break;
    }
    return R;
}

void TEditorFrame::PaintPane(TDescriptionPane *Pane, QPainter &P, const QSize &Size)
{
    tDescriptor &D = Descriptor();
    const int Kind = D.GetPaneKind(Pane->Number());
    if (Kind == bkIngen || ItemOfKind(Kind) < 0) {
        DrawPanePrompt(P, QRect(QPoint(0, 0), Size), SomethingMarked(), LinesMarkable());
        return;
    }
    if (!KindAllowed(Kind)) {
        // Only while a cell is being typed: the kind stays, and its limit
        // tells why it cannot be drawn from the data of this moment.
        DrawErrorNotice(P, Pane->ComboBox->itemText(ItemOfKind(Kind)));
        return;
    }
    tDrawContext C(Size.width(), Size.height());
    C.ScrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    C.ButtonFace = palette().color(QPalette::Button);
    P.setPen(QPen(Qt::black, 1));
    P.setBrush(Qt::white);
    DrawKind(P, C, Kind, Pane->Number());
}

void TEditorFrame::DrawKind(QPainter &P, const tDrawContext &C, int Kind, int PaneN)
{
    Q_UNUSED(PaneN);
    if (Kind == bkChiTest) {
        tDescriptor &D = Descriptor();
        DrawChiTest(P, C, Lumen(), D, ChiTestFor(Lumen(), D, EditorType()), LineNameWidth());
        return;
    }
    DrawOneVariable(P, C, Kind, DescribesGrouped());
}

void TEditorFrame::DrawOneVariable(QPainter &P, const tDrawContext &C, int Kind, bool Grouped)
{
    DrawOneVariableKind(P, C, Descriptor(), Kind, Grouped);
}

void TEditorFrame::PaneKindChosen(TDescriptionPane *Pane, int Index)
{
    ChooseKind(Pane->Number(), Index);
}

void TEditorFrame::PaneDropDown(TDescriptionPane *Pane)
{
    Q_UNUSED(Pane);
    Descriptor().Recompute(Lumen());
}

bool TEditorFrame::PaneItemAllowed(TDescriptionPane *Pane, int Index)
{
    Q_UNUSED(Pane);
    return KindAllowed(KindOfItem(Index));
}

void TEditorFrame::PaneMousePress(TDescriptionPane *Pane, QPoint Pos)
{
    if (Pane->Number() == 1) {
        Pane1Pressed = Pos;
        Pane1PressValid = true;
    }
}

void TEditorFrame::PaneMouseRelease(TDescriptionPane *Pane, QPoint Pos)
{
    const int N = Pane->Number();
    if (N == 1) {
        if (!Pane1PressValid || CurrentView != vwMixed)
            return;
        Pane1PressValid = false;
        PickInPane(1, Pane1Pressed, Pos);
    } else if (N == 2 || N == 3) {
        PickInPane(N, Pos, Pos);
    }
}

bool TEditorFrame::RegressionLineFor(int N) const
{
    if (N >= 1 && N <= 4)
        return Panes[N]->RegresButton->isChecked();
    return OutputRegression();
}

int TEditorFrame::RegressionModelFor(int N, int Kind) const
{
    if (N >= 1 && N <= 4)
        return Panes[N]->Model();
    const tDescriptor *D = FindDescriptor(Host.Lumen());
    const auto Shows = [D, Kind](int M) { return D != nullptr && D->GetPaneKind(M) == Kind; };
    if (CurrentView == vwDual) {
        // Of the two panes, the one showing Kind with its line on, else the
        // one showing Kind.
        for (int M : {2, 3})
            if (Shows(M) && (Kind != bkKrydsdiagram || Panes[M]->RegresButton->isChecked()))
                return Panes[M]->Model();
        for (int M : {2, 3})
            if (Shows(M))
                return Panes[M]->Model();
    }
    if (CurrentView == vwSingle)
        return Panes[4]->Model();
    // The mixed and the data-only view: the main description's (panes 1,
    // 3 and 4 share it).
    return Panes[1]->Model();
}

bool TEditorFrame::PickCrossCell(QPoint At, bool PickLines)
{
    tDescriptor &D = Descriptor();
    if (D.CrossColWidth <= 0 || D.CrossRowHeight <= 0)
        return false;
    const int Dx = At.x() - D.CrossLeft - D.CrossColWidth;
    const int Dy = At.y() - D.CrossTop - D.CrossRowHeight;
    // Floor division: the headers select nothing.
    const int I = Dx >= 0 ? Dx / D.CrossColWidth : -1;
    const int J = Dy >= 0 ? Dy / D.CrossRowHeight : -1;
    if (I < 0 || J < 0 || I >= D.ListCount(0) || J >= D.ListCount(1))
        return false;
    const tCrossTable T = CountCrossTable(Lumen(), D);
    if (T.At(I, J) < 1)
        return false;
    D.SelectEntry(I);
    D.SelectSecond(J);
    if (PickLines)
        for (int Line : CrossCellLines(Lumen(), D, I, J))
            D.SetPicked(Line);
    return true;
}

void TEditorFrame::PickScatterValues(QPoint At)
{
    tDescriptor &D = Descriptor();
    const int I = NearestEntry(D, 0, ScatterXValueAt(D, At.x()));
    const int J = NearestEntry(D, 1, ScatterYValueAt(D, At.y()));
    if (I >= 0 && J >= 0) {
        D.SelectEntry(I);
        D.SelectSecond(J);
    }
}

void TEditorFrame::PickInPane(int N, QPoint Pressed, QPoint Released)
{
    tDescriptor &D = Descriptor();
    if (N == 1) {
        D.ClearPicked();
        if (D.Pane1Linked()) {
            if (D.GetPaneKind(1) == bkKrydsdiagram) {
                PickScatterValues(Pressed);
                for (int Line : PickedPointLines(PointHitList, Pressed))
                    D.SetPicked(Line);
            } else {
                PickCrossCell(Released, true);
            }
        }
        PickedLinesChanged();
        Panes[1]->Repaint();
        return;
    }
    if ((N != 2 && N != 3) || !D.Panes23Linked())
        return;
    const int Kind = D.GetPaneKind(N);
    if (Kind == bkTabel) {
        if (D.TableLineHeight <= 0)
            return;
        const int Dy = Released.y() - D.TableTop;
        // Floor division: a click on the heading selects nothing.
        const int Line = Dy >= 0 ? Dy / D.TableLineHeight : -1;
        D.SelectEntry(Line);
    } else if (Kind == bkHyppighedsgraf || Kind == bkFrekvensgraf || Kind == bkSumfrekvensgraf) {
        const int Best = NearestEntry(D, 0, D.XValueAt(Released.x()));
        if (Best >= 0)
            D.SelectEntry(Best);
    } else if (Kind == bkHistogram) {
        const int Class = HistogramClassAt(D, D.XValueAt(Released.x()));
        if (Class < 0)
            return;
        D.SelectEntry(Class);
    } else if (Kind == bkKrydstabel) {
        if (!PickCrossCell(Released, false))
            return;
    } else if (Kind == bkKrydsdiagram) {
        PickScatterValues(Released);
    } else {
        return;
    }
    Panes[2]->Repaint();
    Panes[3]->Repaint();
}

void TEditorFrame::PaneCalcClicked(TDescriptionPane *Pane)
{
    const int N = Pane->Number();
    tDescriptor &D = Descriptor();
    if (D.GetPaneKind(N) != bkSumfrekvensgraf)
        return;
    if (N == 2 || N == 3) {
        D.ClearSelection();
        Panes[2]->Repaint();
        Panes[3]->Repaint();
    }
    OpenCalculator(N, DescribesGrouped());
}

void TEditorFrame::PaneModelChosen(TDescriptionPane *Pane, int Model)
{
    const int N = Pane->Number();
    const bool Scatter = Descriptor().GetPaneKind(N) == bkKrydsdiagram;
    // Choosing a model on the scatter diagram shows it.
    if (Scatter)
        Pane->RegresButton->setChecked(true);
    Pane->SetModel(Model);
    if (N != 2)
        for (int M : {1, 3, 4})
            if (M != N) {
                Panes[M]->SetModel(Model);
                if (Scatter)
                    Panes[M]->RegresButton->setChecked(true);
            }
    Pane->Repaint();
}

void TEditorFrame::PaneRegresClicked(TDescriptionPane *Pane)
{
    const int N = Pane->Number();
    Pane->Repaint();
    if (N == 2)
        return;
    const bool Down = Pane->RegresButton->isChecked();
    for (int M : {1, 3, 4})
        if (M != N)
            Panes[M]->RegresButton->setChecked(Down);
}
