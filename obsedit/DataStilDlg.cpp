#include "DataStilDlg.h"
#include "TitleFit.h"

#include "NumberText.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

// The manual grid: Enter in a lower bound goes on to the upper bound, Enter
// elsewhere to the next row's lower bound (from the last row back to the
// first), editing again there.
class TGrupGrid : public QTableWidget
{
  public:
    TGrupGrid(int Rows, QWidget *Parent) : QTableWidget(Rows, 3, Parent) {}

    bool EnterPending = false;

    void MoveOnEnter()
    {
        const QModelIndex Cur = currentIndex();
        int Row = Cur.isValid() ? Cur.row() : 0;
        int Col = 1;
        if (Cur.isValid() && Cur.column() == 1)
            Col = 2;
        else if (Cur.isValid())
            Row = Row + 1 < rowCount() ? Row + 1 : 0;
        const QModelIndex Next = model()->index(Row, Col);
        setCurrentIndex(Next);
        scrollTo(Next);
        edit(Next);
    }

    // Stores the text being typed and leaves edit mode.
    void EndEdit()
    {
        for (QLineEdit *E : viewport()->findChildren<QLineEdit *>()) {
            if (E->isHidden())
                continue;
            commitData(E);
            closeEditor(E, QAbstractItemDelegate::NoHint);
        }
    }

  protected:
    void keyPressEvent(QKeyEvent *Event) override
    {
        if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) {
            // An Enter the cell editor passed on is handled when the editor
            // closes.
            if (!EnterPending) {
                EndEdit();
                MoveOnEnter();
            }
            return;
        }
        QTableWidget::keyPressEvent(Event);
    }
    void closeEditor(QWidget *Editor, QAbstractItemDelegate::EndEditHint Hint) override
    {
        QTableWidget::closeEditor(Editor, Hint);
        if (EnterPending) {
            EnterPending = false;
            MoveOnEnter();
        }
    }
};

// Cells drawn and edited centred; notes an Enter so that the grid moves on
// once the typed text is stored.
class TCentredDelegate : public QStyledItemDelegate
{
  public:
    TCentredDelegate(TGrupGrid *Grid) : QStyledItemDelegate(Grid), Grid(Grid) {}

  protected:
    void initStyleOption(QStyleOptionViewItem *Option, const QModelIndex &Index) const override
    {
        QStyledItemDelegate::initStyleOption(Option, Index);
        Option->displayAlignment = Qt::AlignCenter;
    }
    QWidget *createEditor(QWidget *Parent, const QStyleOptionViewItem &Option,
                          const QModelIndex &Index) const override
    {
        QWidget *W = QStyledItemDelegate::createEditor(Parent, Option, Index);
        if (auto *E = qobject_cast<QLineEdit *>(W))
            E->setAlignment(Qt::AlignCenter);
        return W;
    }
    bool eventFilter(QObject *Object, QEvent *Event) override
    {
        if (Event->type() == QEvent::KeyPress) {
            const int Key = static_cast<QKeyEvent *>(Event)->key();
            if (Key == Qt::Key_Return || Key == Qt::Key_Enter)
                Grid->EnterPending = true;
        }
        return QStyledItemDelegate::eventFilter(Object, Event);
    }

  private:
    TGrupGrid *Grid;
};

QLineEdit *InfoBox(QWidget *Parent, const char *Name)
{
    auto *E = new QLineEdit(Parent);
    E->setObjectName(QLatin1String(Name));
    E->setReadOnly(true);
    E->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    E->setFocusPolicy(Qt::NoFocus);
    return E;
}

// The manual grouping grid's columns at their least: group, lower and upper
// bound.
constexpr int ManualWidths[] = {48, 91, 87};

} // namespace

TDataStilDlg::TDataStilDlg(TEditorHost &Host, QWidget *Parent) : QDialog(Parent), Host(Host)
{
    setObjectName(QStringLiteral("DataStilDlg"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(273, 384);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    ObsTabSheet = BuildObsPage();
    BeskrivTabSheet = BuildGroupPage();
    // Wider headings widen the dialog as much.
    setFixedWidth(width() + std::max(0, GrupSG->horizontalHeader()->length() -
                                            (ManualWidths[0] + ManualWidths[1] + ManualWidths[2])));
    PageControl->addTab(ObsTabSheet, QStringLiteral("Observationer"));
    PageControl->addTab(BeskrivTabSheet, QStringLiteral("Gruppering"));

    auto Button = [this](const char *Name, const QString &Text) {
        auto *B = new QPushButton(Text, this);
        B->setObjectName(QLatin1String(Name));
        B->setAutoDefault(false);
        return B;
    };
    OKBtn = Button("OKBtn", QStringLiteral("OK"));
    CancelBtn = Button("CancelBtn", QStringLiteral("Annuller"));
    HelpBtn = Button("HelpBtn", QStringLiteral("Hjælp"));
    auto *Strip = new QHBoxLayout;
    Strip->addWidget(OKBtn);
    Strip->addWidget(CancelBtn);
    Strip->addWidget(HelpBtn);
    auto *Top = new QVBoxLayout(this);
    Top->setContentsMargins(6, 6, 6, 6);
    Top->addWidget(PageControl, 1);
    Top->addLayout(Strip);

    connect(OKBtn, &QPushButton::clicked, this, &TDataStilDlg::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this,
            [this] { this->Host.ShowHelp(htColumnSettings); });
}

QWidget *TDataStilDlg::BuildObsPage()
{
    auto *Page = new QWidget;
    Page->setObjectName(QStringLiteral("ObsTabSheet"));
    auto *Dec = new QGroupBox(QStringLiteral(" Antal viste decimaler "), Page);
    UpDown = new QSpinBox(Dec);
    UpDown->setObjectName(QStringLiteral("UpDown"));
    UpDown->setRange(0, 10);
    UpDown->setWrapping(false);
    UpDown->setFixedWidth(70);
    // The number is only changed with the arrows.
    UpDownPanel = UpDown->findChild<QLineEdit *>();
    UpDownPanel->setObjectName(QStringLiteral("UpDownPanel"));
    UpDownPanel->setReadOnly(true);
    auto *DL = new QHBoxLayout(Dec);
    DL->addWidget(UpDown);
    DL->addStretch();

    auto *Com = new QGroupBox(QStringLiteral(" Kommentar "), Page);
    KommentarEdit = new QLineEdit(Com);
    KommentarEdit->setObjectName(QStringLiteral("KommentarEdit"));
    auto *CL = new QVBoxLayout(Com);
    CL->addWidget(new QLabel(QStringLiteral("Kommentar til statuslinjen:"), Com));
    CL->addWidget(KommentarEdit);

    auto *L = new QVBoxLayout(Page);
    L->addWidget(Dec);
    L->addWidget(Com);
    L->addStretch();
    return Page;
}

QWidget *TDataStilDlg::BuildGroupPage()
{
    auto *Page = new QWidget;
    Page->setObjectName(QStringLiteral("BeskrivTabSheet"));
    auto *Choice = new QGroupBox(QStringLiteral(" Ved beskrivelse "), Page);
    ObsRB = new QRadioButton(QStringLiteral("Ingen gruppering"), Choice);
    ObsRB->setObjectName(QStringLiteral("ObsRB"));
    GrupRB = new QRadioButton(QStringLiteral("Lav automatisk gruppering"), Choice);
    GrupRB->setObjectName(QStringLiteral("GrupRB"));
    ManuRB = new QRadioButton(QStringLiteral("Inddel grupper manuelt"), Choice);
    ManuRB->setObjectName(QStringLiteral("ManuRB"));
    auto *RL = new QVBoxLayout(Choice);
    RL->setSpacing(2);
    RL->addWidget(ObsRB);
    RL->addWidget(GrupRB);
    RL->addWidget(ManuRB);
    auto *Group = new QButtonGroup(Page);
    Group->addButton(ObsRB, gkNone);
    Group->addButton(GrupRB, gkAuto);
    Group->addButton(ManuRB, gkManual);

    GrupperingNB = new QStackedWidget(Page);
    GrupperingNB->setObjectName(QStringLiteral("GrupperingNB"));
    auto *NoGrup = new QFrame;
    NoGrup->setObjectName(QStringLiteral("NoGrup"));
    NoGrup->setFrameShape(QFrame::StyledPanel);
    GrupperingNB->addWidget(NoGrup);
    GrupperingNB->addWidget(BuildAutoPage());
    GrupperingNB->addWidget(BuildManualPage());
    // Choosing a grouping shows its page.
    connect(Group, &QButtonGroup::idToggled, this, [this](int Id, bool On) {
        if (On)
            GrupperingNB->setCurrentIndex(Id);
    });

    auto *L = new QVBoxLayout(Page);
    L->setContentsMargins(4, 4, 4, 4);
    L->addWidget(Choice);
    L->addWidget(GrupperingNB, 1);
    return Page;
}

QWidget *TDataStilDlg::BuildAutoPage()
{
    auto *Page = new QWidget;
    Page->setObjectName(QStringLiteral("AutoGrup"));
    auto *Bounds = new QGroupBox(QStringLiteral(" Gruppering "), Page);
    auto Edit = [this, Bounds](const char *Name) {
        auto *E = new QLineEdit(Bounds);
        E->setObjectName(QLatin1String(Name));
        connect(E, &QLineEdit::textEdited, this, [this, E](const QString &T) { AutoEdited(E, T); });
        return E;
    };
    ForsteMinEdit = Edit("ForsteMinEdit");
    ForsteMaxEdit = Edit("ForsteMaxEdit");
    AndenMinEdit = Edit("AndenMinEdit");
    AndenMaxPanel = InfoBox(Bounds, "AndenMaxPanel");
    AndenMaxPanel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *BL = new QGridLayout(Bounds);
    BL->setHorizontalSpacing(4);
    BL->addWidget(new QLabel(QStringLiteral("Første interval"), Bounds), 0, 0);
    BL->addWidget(ForsteMinEdit, 0, 1);
    BL->addWidget(new QLabel(QStringLiteral("-"), Bounds), 0, 2);
    BL->addWidget(ForsteMaxEdit, 0, 3);
    BL->addWidget(new QLabel(QStringLiteral("Andet interval"), Bounds), 1, 0);
    BL->addWidget(AndenMinEdit, 1, 1);
    BL->addWidget(new QLabel(QStringLiteral("-"), Bounds), 1, 2);
    BL->addWidget(AndenMaxPanel, 1, 3);

    auto *Info = new QGroupBox(QStringLiteral(" Information "), Page);
    MinValuePanel = InfoBox(Info, "MinValuePanel");
    MaxValuePanel = InfoBox(Info, "MaxValuePanel");
    AntalGrupPanel = InfoBox(Info, "AntalGrupPanel");
    auto *IL = new QGridLayout(Info);
    IL->setVerticalSpacing(2);
    IL->addWidget(new QLabel(QStringLiteral("Mindsteværdi"), Info), 0, 0);
    IL->addWidget(MinValuePanel, 0, 1);
    IL->addWidget(new QLabel(QStringLiteral("Størsteværdi"), Info), 1, 0);
    IL->addWidget(MaxValuePanel, 1, 1);
    IL->addWidget(new QLabel(QStringLiteral("Antal grupper"), Info), 2, 0);
    IL->addWidget(AntalGrupPanel, 2, 1);

    auto *L = new QVBoxLayout(Page);
    L->setContentsMargins(0, 0, 0, 0);
    L->addWidget(Bounds);
    L->addWidget(Info);
    L->addStretch();
    return Page;
}

QWidget *TDataStilDlg::BuildManualPage()
{
    auto *Page = new QWidget;
    Page->setObjectName(QStringLiteral("ManuGrup"));
    auto *Grid = new TGrupGrid(GridRows, Page);
    GrupSG = Grid;
    GrupSG->setObjectName(QStringLiteral("GrupSG"));
    GrupSG->setItemDelegate(new TCentredDelegate(Grid));
    GrupSG->setHorizontalHeaderLabels(
        {QStringLiteral("Gruppe"), QStringLiteral("Nedre grænse"), QStringLiteral("Øvre grænse")});
    GrupSG->verticalHeader()->hide();
    GrupSG->verticalHeader()->setDefaultSectionSize(20);
    GrupSG->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GrupSG->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The bound headings are read whole, also in bold as the heading of a
    // column with the current cell is, whatever the font (the group numbers
    // cannot be selected).
    QHeaderView *Head = GrupSG->horizontalHeader();
    QFont Bold = Head->font();
    Bold.setBold(true);
    const QFontMetrics Fm(Bold);
    const int Margin = 2 * std::max(4, style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, Head)) + 2;
    for (int C = 0; C < 3; ++C)
        GrupSG->setColumnWidth(
            C, C == 0 ? ManualWidths[C]
                      : std::max(ManualWidths[C],
                                 Fm.horizontalAdvance(GrupSG->horizontalHeaderItem(C)->text()) +
                                     Margin));
    GrupSG->setWordWrap(false);
    GrupSG->setSelectionMode(QAbstractItemView::SingleSelection);
    GrupSG->setEditTriggers(QAbstractItemView::AllEditTriggers);
    GrupSG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GrupSG->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (int R = 0; R < GridRows; ++R) {
        auto *Num = new QTableWidgetItem(QString::number(R + 1));
        Num->setFlags(Qt::ItemIsEnabled);
        Num->setBackground(palette().button());
        GrupSG->setItem(R, 0, Num);
    }
    auto *L = new QVBoxLayout(Page);
    L->setContentsMargins(0, 0, 0, 0);
    L->addWidget(GrupSG);
    return Page;
}

void TDataStilDlg::Prepare(int Col)
{
    Column = std::clamp(Col, 0, ObsColumns - 1);
    setWindowTitle(QStringLiteral("Indstillinger for kolonne ") + ColLetter(Column));
    FitTitle(this);
    const tLumen &L = Host.Lumen();
    IntervalsReplaced = false;

    InitialDecimals = std::clamp(L.GetDecimals(Column), 0, 10);
    UpDown->setValue(InitialDecimals);
    KommentarEdit->setText(L.GetComment(Column));

    InitialKind = L.GetGroupKind(Column);
    QRadioButton *Chosen = InitialKind == gkAuto     ? GrupRB
                           : InitialKind == gkManual ? ManuRB
                                                     : ObsRB;
    Chosen->setChecked(true);
    GrupperingNB->setCurrentIndex(ChosenKind());
    if (PageControl->currentWidget() == BeskrivTabSheet)
        Chosen->setFocus();

    ForsteMinEdit->setText(FormatGeneral(L.GetFirstLower(Column)));
    ForsteMaxEdit->setText(FormatGeneral(L.GetFirstUpper(Column)));
    AndenMinEdit->setText(FormatGeneral(L.GetFirstUpper(Column) + L.GetGap(Column)));
    AntalGrupPanel->setText(QString::number(L.GetGroupCount(Column)));

    HaveValues = false;
    for (int Line = 0; Line < L.CellCount(Column); ++Line) {
        TCellState S;
        const Extended V = L.GetCellValue(Line, Column, S);
        if (S != csNumber)
            continue;
        MinValue = HaveValues ? std::min(MinValue, V) : V;
        MaxValue = HaveValues ? std::max(MaxValue, V) : V;
        HaveValues = true;
    }
    MinValuePanel->setText(HaveValues ? FormatGeneral(MinValue) : QString());
    MaxValuePanel->setText(HaveValues ? FormatGeneral(MaxValue) : QString());
    RecomputeAuto();

    const QVector<tInterval> Stored = L.Cols[size_t(Column)].Intervals;
    for (int R = 0; R < GridRows; ++R) {
        const bool Used = R < Stored.size();
        for (int C = 1; C <= 2; ++C) {
            const QString T =
                Used ? FormatGeneral(C == 1 ? Stored[R].Lower : Stored[R].Upper) : QString();
            if (QTableWidgetItem *I = GrupSG->item(R, C))
                I->setText(T);
            else if (!T.isEmpty())
                GrupSG->setItem(R, C, new QTableWidgetItem(T));
        }
    }
    GrupSG->setCurrentCell(0, 1);
    GrupSG->clearSelection();
    GrupSG->scrollToTop();

    InitialTexts = {ForsteMinEdit->text(), ForsteMaxEdit->text(), AndenMinEdit->text(),
                    AntalGrupPanel->text()};
    AutoValid = ManualValid = false;
}

int TDataStilDlg::Execute(int Col)
{
    Prepare(Col);
    return exec();
}

int TDataStilDlg::ChosenKind() const
{
    return GrupRB->isChecked() ? gkAuto : ManuRB->isChecked() ? gkManual : gkNone;
}

bool TDataStilDlg::DecimalsChanged() const
{
    return UpDown->value() != InitialDecimals;
}

bool TDataStilDlg::GroupKindChanged() const
{
    return ChosenKind() != InitialKind;
}

bool TDataStilDlg::AutoTextsChanged() const
{
    return QStringList{ForsteMinEdit->text(), ForsteMaxEdit->text(), AndenMinEdit->text(),
                       AntalGrupPanel->text()} != InitialTexts;
}

void TDataStilDlg::AutoEdited(QLineEdit *Edit, const QString &Text)
{
    // A point typed becomes the program's decimal comma at once.
    if (Text.contains(QLatin1Char('.'))) {
        const int Caret = Edit->cursorPosition();
        QString T = Text;
        T.replace(QLatin1Char('.'), QLatin1Char(','));
        Edit->setText(T);
        Edit->setCursorPosition(Caret);
    }
    GrupRB->setChecked(true);
    RecomputeAuto();
}

void TDataStilDlg::RecomputeAuto()
{
    AutoG = ComputeAutoGrouping(ForsteMinEdit->text(), ForsteMaxEdit->text(), AndenMinEdit->text(),
                                HaveValues, MaxValue);
    const bool Readable = AutoG.Valid || AutoG.TooMany;
    AndenMaxPanel->setText(Readable ? FormatGeneral(AutoG.c + AutoG.Width) : QString());
    AntalGrupPanel->setText(AutoG.Valid ? QString::number(AutoG.Count) : QString());
}

QVector<QStringList> TDataStilDlg::GridRowsText() const
{
    QVector<QStringList> Rows;
    for (int R = 0; R < GridRows; ++R) {
        QStringList Row;
        for (int C = 1; C <= 2; ++C)
            Row << (GrupSG->item(R, C) ? GrupSG->item(R, C)->text() : QString());
        Rows << Row;
    }
    return Rows;
}

void TDataStilDlg::EndGridEdit()
{
    static_cast<TGrupGrid *>(GrupSG)->EndEdit();
}

bool TDataStilDlg::ValuesInside(int Kind)
{
    const tLumen &L = Host.Lumen();
    const QStringList Found =
        Kind == gkAuto
            ? ValuesOutside(L, Column, [this](Extended V) { return InsideAuto(AutoG, V); })
            : ValuesOutside(L, Column,
                            [this](Extended V) { return InsideManual(ManualIntervals, V); });
    if (Found.isEmpty())
        return true;
    Host.Message(QMessageBox::Critical, QStringLiteral("Tal udenfor intervaller"),
                 QStringLiteral("Fundet: ") + Found.join(QStringLiteral("  ")));
    return false;
}

void TDataStilDlg::OkBtnClick()
{
    // A cell still being typed counts.
    EndGridEdit();
    const int Kind = ChosenKind();
    ManualValid = Kind == gkManual && ReadManualGrid(GridRowsText(), ManualIntervals) &&
                  ValuesInside(gkManual);
    AutoValid = Kind == gkAuto && AutoG.Valid && ValuesInside(gkAuto);
    if ((Kind == gkAuto && !AutoValid) || (Kind == gkManual && !ManualValid)) {
        if (GrupperingNB->currentIndex() == gkManual) {
            EndGridEdit();
            GrupSG->clearSelection();
        }
        Host.Message(QMessageBox::Critical, QString(),
                     QStringLiteral("Denne gruppe-inddeling kan ikke bruges"));
        return;
    }
    accept();
}

void TDataStilDlg::Apply()
{
    tLumen &L = Host.Lumen();
    L.SetDecimals(Column, UpDown->value());
    L.SetComment(Column, KommentarEdit->text());
    L.SetGroupKind(Column, uint8_t(ChosenKind()));
    if (AutoValid) {
        L.SetFirstLower(Column, AutoG.a);
        L.SetFirstUpper(Column, AutoG.b);
        L.SetGap(Column, AutoG.c - AutoG.b);
        L.SetGroupCount(Column, AutoG.Count);
    }
    IntervalsReplaced = false;
    if (ManualValid) {
        const QVector<tInterval> &Stored = L.Cols[size_t(Column)].Intervals;
        bool Same = Stored.size() == ManualIntervals.size();
        for (int I = 0; Same && I < Stored.size(); ++I)
            Same = Stored[I].Lower == ManualIntervals[I].Lower &&
                   Stored[I].Upper == ManualIntervals[I].Upper;
        if (!Same) {
            L.ClearIntervals(Column);
            for (const tInterval &I : ManualIntervals)
                L.AddInterval(Column, I.Lower, I.Upper);
            IntervalsReplaced = true;
        }
    }
}
