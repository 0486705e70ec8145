#include "LumenForm.h"

#include "AboutBox.h"
#include "EditorFactory.h"
#include "Glyphs.h"
#include "HelpWindow.h"
#include "InfoForm.h"
#include "Printing.h"
#include "Random.h"
#include "RecentFiles.h"
#include "StandardDialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QStackedWidget>
#include <QThread>

namespace
{
// The client area while no editor is shown.
class TLogoPane : public QWidget
{
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter P(this);
        P.fillRect(rect(), palette().window());
        const int Size = std::min(160, std::min(width(), height()));
        DrawLogo(P, QRectF((width() - Size) / 2.0, (height() - Size) / 2.0, Size, Size));
    }
};

QString EditorTitle(TDataType Type)
{
    switch (Type) {
    case dtObs:
        return QStringLiteral("Redigering af observationer");
    case dtHyp:
        return QStringLiteral("Redigering af hyppigheder");
    case dtGrup:
        return QStringLiteral("Redigering af grupperinger");
    default:
        return QString();
    }
}
} // namespace

TLumenForm::TLumenForm(int SplashWaitMs, const TEditorFactory &Factory)
    : QMainWindow(nullptr), DataSet(std::make_unique<tLumen>()), SplashWait(SplashWaitMs)
{
    setObjectName(QStringLiteral("LumenForm"));
    setWindowTitle(QStringLiteral("Lumentor"));
    setWindowIcon(QIcon(LogoPixmap(64)));
    resize(1000, 700);
    OwnDialogs = std::make_unique<TStandardDialogs>(this);
    ActiveDialogs = OwnDialogs.get();
    Recent = new TRecentFiles(this);
    setAcceptDrops(true);

    Stack = new QStackedWidget(this);
    setCentralWidget(Stack);
    Logo = new TLogoPane(Stack);
    Stack->addWidget(Logo);
    BuildOwnMenu();

    // The editors and windows exist once for the whole run.
    for (TDataType Type : {dtObs, dtHyp, dtGrup}) {
        Editors[Type] = Factory ? Factory(Type, *this, Stack) : CreateEditor(Type, *this, Stack);
        Stack->addWidget(Editors[Type]);
    }
    // The zoom of the last run, for all three editors.
    const int Zoom = StoredZoom();
    for (TEditorBase *E : Editors)
        if (E)
            E->SetZoom(Zoom);
    About = new TAboutBox(this);
    Info = new TInfoForm(*this, this);
    connect(Info, &TInfoForm::ShownChanged, this, [this](bool Shown) {
        for (TEditorBase *E : Editors)
            if (E)
                E->SetTextButtonDown(Shown);
    });

    Stack->setCurrentWidget(Logo);
    qApp->installEventFilter(this);
}

TLumenForm::~TLumenForm()
{
    qApp->removeEventFilter(this);
    if (Splash) {
        delete Splash;
        QApplication::restoreOverrideCursor();
    }
    // The editors go before the data set they show; the focus leaves them
    // first, so that no focus change reaches a half-destroyed grid.
    if (QWidget *Focus = QApplication::focusWidget(); Focus && isAncestorOf(Focus))
        Focus->clearFocus();
    delete Stack;
    Stack = nullptr;
    Editors = {};
}

void TLumenForm::SetSplash(QWidget *S)
{
    Splash = S;
    if (Splash)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TLumenForm::SetArguments(const QStringList &A)
{
    Arguments = A;
}

QString TLumenForm::CommandLineFileName(const QStringList &A)
{
    QString Name = A.join(QLatin1Char(' '));
    Name.remove(QLatin1Char('"'));
    return Name;
}

void TLumenForm::SetDialogs(TDialogs *D)
{
    ActiveDialogs = D ? D : OwnDialogs.get();
}

TDialogs &TLumenForm::Dialogs()
{
    return *ActiveDialogs;
}

QPrinter &TLumenForm::Printer()
{
    if (!PrinterObject)
    {
        PrinterObject = std::make_unique<QPrinter>(QPrinter::HighResolution);
        SetUpPrintPage(*PrinterObject);
    }
    return *PrinterObject;
}

void TLumenForm::ZoomChosen(int Percent)
{
    for (TEditorBase *E : Editors)
        if (E)
            E->SetZoom(Percent);
    StoreZoom(Percent);
}

TEditorBase *TLumenForm::Editor(TDataType Type) const
{
    return Type >= dtObs && Type <= dtGrup ? Editors[Type] : nullptr;
}

void TLumenForm::BuildOwnMenu()
{
    OwnFileMenu = new QMenu(QStringLiteral("&Filer"), this);
    OwnFileMenu->addAction(QStringLiteral("Ny"), this, [this] { NewDocument(dtObs); });
    for (const char *Idle : {"Åbn...", "Gem", "Gem som...", "Tilføj..."})
        OwnFileMenu->addAction(QString::fromUtf8(Idle))->setEnabled(false);
    OwnFileMenu->addAction(QStringLiteral("Indstil printer..."), this, [this] { PrinterSetup(); });
    OwnFileMenu->addAction(QStringLiteral("Udskriv..."))->setEnabled(false);
    OwnFileMenu->addSeparator();
    OwnFileMenu->addAction(QStringLiteral("Afslut"), this, [this] { Exit(); });
    OwnHelpMenu = new QMenu(QStringLiteral("&Hjælp"), this);
    OwnHelpMenu->menuAction()->setEnabled(false);
    menuBar()->addMenu(OwnFileMenu);
    menuBar()->addMenu(OwnHelpMenu);
}

void TLumenForm::UseMenusOf(QMenuBar *Bar)
{
    menuBar()->clear();
    if (Bar) {
        const QList<QAction *> Actions = Bar->actions();
        menuBar()->addActions(Actions);
    } else {
        menuBar()->addMenu(OwnFileMenu);
        menuBar()->addMenu(OwnHelpMenu);
    }
}

void TLumenForm::ShowEditor(TDataType Type)
{
    HideEditor();
    DataType = Type;
    TEditorBase *E = Editor(Type);
    if (!E)
        return;
    UseMenusOf(E->EditorMenuBar());
    Stack->setCurrentWidget(E);
    Shown = E;
    E->ShowEditor();
    UpdateCaption();
}

void TLumenForm::HideEditor()
{
    if (TEditorBase *E = Shown) {
        Shown = nullptr;
        E->HideEditor();
    }
    DataType = dtNone;
    UseMenusOf(nullptr);
    Stack->setCurrentWidget(Logo);
    setWindowTitle(QStringLiteral("Lumentor"));
}

void TLumenForm::UpdateCaption()
{
    if (!Shown) {
        setWindowTitle(QStringLiteral("Lumentor"));
        return;
    }
    QString Caption = QStringLiteral("Lumentor - ");
    if (!CurrentFileName.isEmpty())
        Caption += QFileInfo(CurrentFileName).completeBaseName() + QStringLiteral(" - ");
    else if (!SheetFileName.isEmpty())
        Caption += QFileInfo(SheetFileName).completeBaseName() + QStringLiteral(" - ");
    Caption += EditorTitle(Shown->EditorType());
    setWindowTitle(Caption);
}

void TLumenForm::showEvent(QShowEvent *Event)
{
    QMainWindow::showEvent(Event);
    if (!FirstShowDone) {
        FirstShowDone = true;
        FirstShow();
    }
}

void TLumenForm::FirstShow()
{
    // The splash stays up for its time, whatever the machine's speed.
    if (SplashWait > 0)
        QThread::msleep(static_cast<unsigned long>(SplashWait));
    if (Splash) {
        delete Splash;
        Splash = nullptr;
        QApplication::restoreOverrideCursor();
    }
    const QString Name = CommandLineFileName(Arguments);
    if (!Name.isEmpty())
        QMetaObject::invokeMethod(
            this,
            [this, Name] {
                OpenFile(Name);
                if (qEnvironmentVariableIntValue("LUMENTOR_DEMO") == 1)
                    ShowDemo();
            },
            Qt::QueuedConnection);
    ProgramRandom().SetSeed(tRandom::TimeOfDaySeed());
    ShowEditor(dtObs);
}

void TLumenForm::closeEvent(QCloseEvent *Event)
{
    CommitEditing();
    if (QuerySave() == QMessageBox::Cancel) {
        Event->ignore();
        return;
    }
    Event->accept();
    if (Help)
        Help->close();
    Info->hide();
}

void TLumenForm::Exit()
{
    close();
}

bool TLumenForm::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Event->type() == QEvent::KeyPress && Shown && Watched->isWidgetType()) {
        auto *W = static_cast<QWidget *>(Watched);
        QWidget *Focus = QApplication::focusWidget();
        // Only the first delivery: a key that travels up to the parents is
        // offered once.
        const bool First = W == Focus || !Focus || Focus->window() != this;
        if (First && W->window() == this && !QApplication::activeModalWidget()) {
            auto *Key = static_cast<QKeyEvent *>(Event);
            const QString Text = Key->text();
            if (Text.size() == 1 && Text.at(0).isLetter() &&
                !(Key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
                Shown->LetterKey(Text))
                return true;
        }
    }
    return QMainWindow::eventFilter(Watched, Event);
}

void TLumenForm::PrinterSetup()
{
    Dialogs().PrinterSetupDialog(Printer());
}

void TLumenForm::ShowHelp(int Topic)
{
    if (!Help)
        Help = new THelpWindow(this);
    Help->ShowTopic(Topic);
}

void TLumenForm::HelpContents()
{
    ShowHelp(htContents);
}

void TLumenForm::HelpSearch()
{
    if (!Help)
        Help = new THelpWindow(this);
    Help->ShowSearch();
}

void TLumenForm::ShowAbout()
{
    About->exec();
}

void TLumenForm::ShowTextWindow(bool Show)
{
    if (Show)
        Info->ShowText();
    else
        Info->HideText();
}

bool TLumenForm::TextWindowShown() const
{
    return Info->isVisible();
}
