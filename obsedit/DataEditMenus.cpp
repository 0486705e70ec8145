// The observation editor's menus and the tool buttons behind them. Captions
// and enabling come from ObsCommandState, applied as a menu opens and, for
// the buttons, after every change.
#include "DataEdit.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace
{

QAction *AddItem(QMenu *M, const char *Name, const QString &Caption,
                 const QKeySequence &Key = QKeySequence())
{
    QAction *A = M->addAction(Caption);
    A->setObjectName(QString::fromLatin1(Name));
    if (!Key.isEmpty())
        A->setShortcut(Key);
    return A;
}

QMenu *AddSubMenu(QMenu *M, const char *Name, const QString &Caption)
{
    QMenu *Sub = M->addMenu(Caption);
    Sub->setObjectName(QString::fromLatin1(Name));
    Sub->menuAction()->setObjectName(QString::fromLatin1(Name));
    return Sub;
}

} // namespace

TObsCommandContext TDataEdit::CommandContext() const
{
    TObsCommandContext C;
    C.ClipboardHasText = ClipboardHasText;
    C.ColumnsShown = View() == vwEdit || View() == vwMixed;
    return C;
}

TCommandState TDataEdit::CommandState(int Id)
{
    return ObsCommandState(Id, Host.Lumen(), CommandContext());
}

bool TDataEdit::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Event->type() == QEvent::ShortcutOverride && Watched->isWidgetType() &&
        isAncestorOf(static_cast<QWidget *>(Watched))) {
        const QKeySequence Key(static_cast<QKeyEvent *>(Event)->keyCombination());
        for (QMenu *M : MenuBar->findChildren<QMenu *>())
            for (QAction *A : M->actions())
                if (A->isEnabled() && !A->shortcut().isEmpty() && A->shortcut() == Key) {
                    Event->ignore();
                    return true;
                }
    }
    return TEditorFrame::eventFilter(Watched, Event);
}

QMenu *TDataEdit::Menu(const QString &Name) const
{
    return MenuBar->findChild<QMenu *>(Name);
}

QAction *TDataEdit::MenuItem(const QString &Name) const
{
    for (QMenu *M : MenuBar->findChildren<QMenu *>())
        for (QAction *A : M->actions())
            if (A->objectName() == Name)
                return A;
    return nullptr;
}

void TDataEdit::BindToolButtons()
{
    const struct {
        const char *Name;
        int Id;
        void (TDataEdit::*Run)();
    } Defs[] = {
        {"CutSpeed", ocCut, &TDataEdit::CutCommand},
        {"CopySpeed", ocCopy, &TDataEdit::CopyCommand},
        {"PasteSpeed", ocPaste, &TDataEdit::PasteCommand},
        {"DelSpeed", ocClear, &TDataEdit::ClearCommand},
        {"UndoSpeed", ocUndo, &TDataEdit::UndoCommand},
        {"TerningSpeed", ocRandomRange, &TDataEdit::RandomRangeCommand},
        {"CupSpeed", ocNewRandom, &TDataEdit::NewRandomNumbers},
        {"CalcSpeed", ocCalc, &TDataEdit::CalcCommand},
    };
    for (const auto &D : Defs) {
        QToolButton *B = ToolButton(QString::fromLatin1(D.Name));
        BindCommand(D.Id, B);
        connect(B, &QToolButton::clicked, this, D.Run);
    }
    const struct {
        const char *Name;
        int Id;
        std::function<void()> Run;
    } WithArgs[] = {
        {"SortUpSpeed", ocSortUp, [this] { SortCommand(true); }},
        {"SortDownSpeed", ocSortUp, [this] { SortCommand(false); }},
        {"DeciPlusSpeed", ocDeciButtons, [this] { DecimalsCommand(+1); }},
        {"DeciMinusSpeed", ocDeciButtons, [this] { DecimalsCommand(-1); }},
        {"Mul10Speed", ocMul10, [this] { ScaleCommand(false); }},
        {"Div10Speed", ocMul10, [this] { ScaleCommand(true); }},
    };
    for (const auto &D : WithArgs) {
        QToolButton *B = ToolButton(QString::fromLatin1(D.Name));
        BindCommand(D.Id, B);
        connect(B, &QToolButton::clicked, this, D.Run);
    }
}

void TDataEdit::BuildMenus()
{
    // The bar is never shown itself: the main window shows its menus.
    MenuBar = new QMenuBar(nullptr);
    auto Add = [this](QMenu *M, const char *Name, const QString &Caption, auto Fn,
                      const QKeySequence &Key = QKeySequence()) {
        QAction *A = AddItem(M, Name, Caption, Key);
        connect(A, &QAction::triggered, this, Fn);
        return A;
    };

    QMenu *Filer = MenuBar->addMenu(QStringLiteral("&Filer"));
    Filer->setObjectName(QStringLiteral("DataEditFiler"));
    Add(
        Filer, "DataEditNy", QStringLiteral("Ny"),
        [this] {
            CommitEdit();
            Host.NewDocument(dtObs);
        },
        QKeySequence(Qt::CTRL | Qt::Key_N));
    Add(
        Filer, "DataEditAabn", QStringLiteral("Åbn..."),
        [this] {
            CommitEdit();
            Host.OpenDocument();
        },
        QKeySequence(Qt::CTRL | Qt::Key_O));
    Add(
        Filer, "DataEditGem", QStringLiteral("Gem"),
        [this] {
            CommitEdit();
            Host.SaveDocument();
        },
        QKeySequence(Qt::CTRL | Qt::Key_S));
    Add(
        Filer, "DataEditGemsom", QStringLiteral("Gem som..."),
        [this] {
            CommitEdit();
            Host.SaveDocumentAs();
        },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Filer->addSeparator();
    AddFileEntries(Filer);
    Filer->addSeparator();
    Add(Filer, "DataEditIndstilPrinter", QStringLiteral("Indstil printer..."),
        [this] { Host.PrinterSetup(); });
    AddPrintMenu(Filer, QStringLiteral("DataEditUdskriv"), ObsOutputItems());
    Filer->addSeparator();
    Host.AddRecentFilesMenu(Filer);
    Filer->addSeparator();
    Add(
        Filer, "DataEditAfslut", QStringLiteral("Afslut"), [this] { Host.Exit(); },
        QKeySequence(Qt::CTRL | Qt::Key_Q));

    AddEditMenus();

    AddViewMenu(MenuBar, QStringLiteral("DataEdit"));

    DatatypeMenu = MenuBar->addMenu(QStringLiteral("&Datatype"));
    DatatypeMenu->setObjectName(QStringLiteral("DataEditVindue"));
    auto *Group = new QActionGroup(this);
    const struct {
        const char *Name;
        const char *Caption;
        TDataType Type;
    } Types[] = {{"FunktionObs", "Observationer", dtObs},
                 {"FunktionHyp", "&Hyppigheder", dtHyp},
                 {"FunktionGrup", "&Grupperinger", dtGrup}};
    for (const auto &T : Types) {
        const TDataType Target = T.Type;
        QAction *A = Add(DatatypeMenu, T.Name, QString::fromUtf8(T.Caption), [this, Target] {
            if (Target != dtObs) {
                CommitEdit();
                Host.SetDataType(Target);
            }
        });
        A->setCheckable(true);
        A->setChecked(T.Type == dtObs);
        Group->addAction(A);
    }
    connect(DatatypeMenu, &QMenu::aboutToShow, this, [this] { SetDataEdited(Edited); });

    qApp->installEventFilter(this);
    // Captions and enabling are computed as each menu opens.
    for (QMenu *M : MenuBar->findChildren<QMenu *>())
        if (M != DatatypeMenu)
            connect(M, &QMenu::aboutToShow, this, [this, M] { ApplyCommandStates(M->actions()); });

    QMenu *Help = MenuBar->addMenu(QStringLiteral("Hjælp"));
    Help->setObjectName(QStringLiteral("DataEditHjaelp"));
    Add(
        Help, "HelpIndhold", QStringLiteral("Vejledning..."), [this] { Host.HelpContents(); },
        QKeySequence(Qt::Key_F1));
    Add(Help, "HelpSogefter", QStringLiteral("Søg efter..."), [this] { Host.HelpSearch(); });
    Help->addSeparator();
    Add(Help, "HelpOm", QStringLiteral("Om Lumentor..."), [this] { Host.ShowAbout(); });
}

void TDataEdit::AddFileEntries(QMenu *Filer)
{
    QMenu *Tilfoej = AddSubMenu(Filer, "DataEditTilfoej", QStringLiteral("Tilføj Lumentor-fil"));
    connect(AddItem(Tilfoej, "TilfojNedenfor", QStringLiteral("Nedenfor...")), &QAction::triggered,
            this, [this] { AppendBelowCommand(); });
    connect(AddItem(Tilfoej, "TilfojTilhojre", QStringLiteral("Til højre...")), &QAction::triggered,
            this, [this] { AppendRightCommand(); });

    QMenu *Import = AddSubMenu(Filer, "DataEditImport", QStringLiteral("Importér tekstfil"));
    QAction *As = AddItem(Import, "ImportSom", QStringLiteral("Som ny kolonne/linje..."));
    BindCommand(ocImportAs, As);
    connect(As, &QAction::triggered, this, [this] { ImportAsCommand(); });
    connect(AddItem(Import, "ImportSomData", QStringLiteral("Som nyt datasæt...")),
            &QAction::triggered, this, [this] { ImportAsDataCommand(); });
}

void TDataEdit::AddEditMenus()
{
    // Each item: its command id (-1: always enabled), shortcut and action.
    struct TItem {
        const char *Name;
        const char *Caption;
        int Id;
        QKeySequence Key;
        std::function<void()> Run;
    };
    auto Fill = [this](QMenu *M, std::initializer_list<TItem> Items) {
        for (const TItem &I : Items) {
            if (I.Name == nullptr) {
                M->addSeparator();
                continue;
            }
            QAction *A = AddItem(M, I.Name, QString::fromUtf8(I.Caption), I.Key);
            if (I.Id >= 0)
                BindCommand(I.Id, A);
            connect(A, &QAction::triggered, this, I.Run);
        }
    };
    const TItem Separator{nullptr, nullptr, -1, {}, {}};

    QMenu *Rediger = MenuBar->addMenu(QStringLiteral("&Rediger"));
    Rediger->setObjectName(QStringLiteral("DataEditRediger"));
    Fill(Rediger,
         {
             {"RedigerFortryd", "Fortryd", ocUndo, QKeySequence(Qt::CTRL | Qt::Key_Z),
              [this] { UndoCommand(); }},
             Separator,
             {"RedigerKlip", "Klip", ocCut, QKeySequence(Qt::CTRL | Qt::Key_X),
              [this] { CutCommand(); }},
             {"RedigerKopier", "Kopiér", ocCopy, QKeySequence(Qt::CTRL | Qt::Key_C),
              [this] { CopyCommand(); }},
             {"RedigerIndsaet", "Indsæt", ocPaste, QKeySequence(Qt::CTRL | Qt::Key_V),
              [this] { PasteCommand(); }},
             {"RedigerSlet", "Rens", ocClear, {}, [this] { ClearCommand(); }},
             {"RedigerSletCeller",
              "Rens &alle talceller",
              ocClearAll,
              {},
              [this] { ClearAllCommand(); }},
             Separator,
             {"RedigerTilfoej", "Indsæt tom", ocInsertEmpty, QKeySequence(Qt::CTRL | Qt::Key_T),
              [this] { InsertEmptyCommand(); }},
             {"RedigerFjern", "Fjern", ocRemove, QKeySequence(Qt::CTRL | Qt::Key_F),
              [this] { RemoveCommand(); }},
             {"RedigerOmbyt", "Ombyt to", ocSwap, QKeySequence(Qt::CTRL | Qt::Key_B),
              [this] { SwapCommand(); }},
             Separator,
             {"RedigerSorterStig", "Sortér stigende", ocSortUp, {}, [this] { SortCommand(true); }},
             {"RedigerSorterFald", "Sortér faldende", ocSortUp, {}, [this] { SortCommand(false); }},
         });
    QMenu *ByNames =
        AddSubMenu(Rediger, "SorterLinjeNavne", QStringLiteral("Sortér efter linjenavne"));
    BindCommand(ocSortNames, ByNames->menuAction());
    Fill(ByNames,
         {{"LinjeNavneStigende", "Stigende", -1, {}, [this] { SortByNamesCommand(true); }},
          {"LinjeNavneFaldende", "Faldende", -1, {}, [this] { SortByNamesCommand(false); }}});
    Rediger->addSeparator();
    // The copies of the descriptions join these two sheet copies.
    QMenu *Copy = AddSubMenu(Rediger, "RedigerBeskriv", QStringLiteral("Ko&piér til klippebord"));
    AddCopyItems(Copy, ObsOutputItems());
    Fill(Copy, {{"Kopirtal1", "Alle talsæt", ocCopyAll, {}, [this] { CopyAllCommand(false); }},
                {"Kopirmednavne1", "Alle talsæt og navne", ocCopyAll, {}, [this] {
                     CopyAllCommand(true);
                 }}});
    Fill(Rediger, {{"ObsErstat", "Indsæt nyt datasæt fra klippebord", ocReplaceAll, {}, [this] {
                        ReplaceAllCommand();
                    }}});

    QMenu *Kolonne = MenuBar->addMenu(QStringLiteral("Kolonne"));
    Kolonne->setObjectName(QStringLiteral("DataEditKolonne"));
    Fill(Kolonne, {{"SojleEgenskaber", "Indstillinger...", ocSettings, {}, [this] {
                        if (Host.Lumen().SelColCount() == 1)
                            emit ColumnSettingsRequested(Host.Lumen().SelCol(0));
                    }}});
    Kolonne->addSeparator();
    QMenu *Decimals = AddSubMenu(Kolonne, "SojleDecimaler", QStringLiteral("Decimaler"));
    BindCommand(ocDecimals, Decimals->menuAction());
    Fill(Decimals, {{"DecimalerFlere", "Flere", ocDecimals, {}, [this] { DecimalsCommand(+1); }},
                    {"DecimalerFaerre", "Færre", ocDecimals, {}, [this] { DecimalsCommand(-1); }}});
    Fill(Kolonne, {{"SojleGang", "Gang med 10", ocMul10, {}, [this] { ScaleCommand(false); }},
                   {"SojleDivider", "Del med 10", ocMul10, {}, [this] { ScaleCommand(true); }},
                   Separator});
    QMenu *Random = AddSubMenu(Kolonne, "SojleTilfaeldigetal", QStringLiteral("Tilfældige tal"));
    BindCommand(ocRandomMenu, Random->menuAction());
    Fill(Random, {{"TilfaeldigeOmraade",
                   "Talområde...",
                   ocRandomRange,
                   {},
                   [this] { RandomRangeCommand(); }},
                  {"TilfaeldigeUdfyld", "Nye tal", ocNewRandom, QKeySequence(Qt::Key_F9),
                   [this] { NewRandomNumbers(); }}});
    Fill(Kolonne, {{"SojleBeregnede", "Beregnede tal...", ocCalc, {}, [this] { CalcCommand(); }}});
}
