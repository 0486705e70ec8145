// The menus of the table editors and the enabling of their items and tool
// buttons.
#include "HGStilDlg.h"
#include "PrintCopy.h"
#include "TableEdit.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

void TTableEdit::BuildMenus()
{
    const bool Grup = Side.IsGrouped();
    const QString Prefix = Grup ? QStringLiteral("GrupEdit") : QStringLiteral("HypEdit");
    // The bar is never shown itself: the main window shows its menus.
    MenuBar = new QMenuBar(nullptr);
    auto Add = [this](QMenu *M, const QString &Name, const QString &Caption, auto Fn) {
        QAction *A = M->addAction(Caption, this, Fn);
        A->setObjectName(Name);
        return A;
    };

    QMenu *Filer = MenuBar->addMenu(QStringLiteral("&Filer"));
    Filer->setObjectName(QStringLiteral("DataEditFiler"));
    Add(Filer, Prefix + QStringLiteral("Ny"), QStringLiteral("Ny"), [this] {
        CommitEdit();
        Host.NewDocument(Side.DataType());
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Add(Filer, Prefix + QStringLiteral("Aabn"), QStringLiteral("Åbn..."), [this] {
        CommitEdit();
        Host.OpenDocument();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Add(Filer, Prefix + QStringLiteral("Gem"), QStringLiteral("Gem"), [this] {
        CommitEdit();
        Host.SaveDocument();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Add(Filer, Prefix + QStringLiteral("Gemsom"), QStringLiteral("Gem som..."), [this] {
        CommitEdit();
        Host.SaveDocumentAs();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Filer->addSeparator();
    BindCommand(tcImport, Add(Filer, QStringLiteral("ImportText"),
                              QStringLiteral("Importér tekstfil..."), [this] { ImportText(); }));
    Filer->addSeparator();
    Add(Filer, Prefix + QStringLiteral("IndstilPrinter"), QStringLiteral("Indstil printer..."),
        [this] { Host.PrinterSetup(); });
    AddPrintMenu(Filer, Prefix + QStringLiteral("Udskriv"), TableOutputItems(Side.DataType()));
    Filer->addSeparator();
    Host.AddRecentFilesMenu(Filer);
    Filer->addSeparator();
    Add(Filer, Prefix + QStringLiteral("Afslut"), QStringLiteral("Afslut"), [this] {
        Host.Exit();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    EditMenu = MenuBar->addMenu(QStringLiteral("Rediger"));
    EditMenu->setObjectName(Prefix + QStringLiteral("Rediger"));
    const struct {
        const char *Name;
        const char *Caption;
        int Id;
        QKeySequence Key;
        void (TTableEdit::*Run)();
    } EditItems[] = {
        {"RedigerFortryd", "Fortryd", tcUndo, QKeySequence(Qt::CTRL | Qt::Key_Z),
         &TTableEdit::UndoCommand},
        {nullptr, nullptr, 0, {}, nullptr},
        {"SojleKlip", "Klip kolonne", tcCut, QKeySequence(Qt::CTRL | Qt::Key_X),
         &TTableEdit::CutColumn},
        {"SojleKopier", "Kopiér kolonne", tcCopy, QKeySequence(Qt::CTRL | Qt::Key_C),
         &TTableEdit::CopyColumn},
        {"SojleIndsaet", "Indsæt kolonne", tcPaste, QKeySequence(Qt::CTRL | Qt::Key_V),
         &TTableEdit::PasteColumn},
        {"SojleSlet", "Rens kolonne", tcClear, QKeySequence(Qt::Key_Delete),
         &TTableEdit::ClearColumns},
        {nullptr, nullptr, 0, {}, nullptr},
        {"SojleTilfoej",
         "Indsæt en tom kolonne",
         tcInsertEmpty,
         {},
         &TTableEdit::InsertEmptyColumn},
        {"SojleFjern", "Fjern kolonne", tcRemove, {}, &TTableEdit::RemoveColumns},
        {"SojleOmbyt", "Ombyt to kolonner", tcSwap, {}, &TTableEdit::SwapColumns},
    };
    for (const auto &I : EditItems) {
        if (I.Name == nullptr) {
            EditMenu->addSeparator();
            continue;
        }
        const auto Run = I.Run;
        QAction *A = Add(EditMenu, QString::fromLatin1(I.Name), QString::fromUtf8(I.Caption),
                         [this, Run] { (this->*Run)(); });
        A->setShortcut(I.Key);
        BindCommand(I.Id, A);
    }
    // The shortcuts act only while the data grid is not editing a cell: the
    // in-place editor keeps Ctrl+X, Ctrl+C, Ctrl+V and Del for its text.
    for (QAction *A : EditMenu->actions())
        A->setShortcutContext(Qt::WindowShortcut);
    EditMenu->addSeparator();
    AddCopyMenu(EditMenu,
                Grup ? QStringLiteral("Redigerbeskrivelse") : QStringLiteral("RedigerBeskrivelse"),
                TableOutputItems(Side.DataType()));

    ColumnMenu = MenuBar->addMenu(QStringLiteral("Kolonne"));
    ColumnMenu->setObjectName(Grup ? QStringLiteral("GrupSojle") : QStringLiteral("HypSojle"));
    BindCommand(tcSettings,
                Add(ColumnMenu, QStringLiteral("SojleEgenskaber"),
                    QStringLiteral("Indstillinger..."), [this] { ColumnSettingsCommand(); }));
    ColumnMenu->addSeparator();
    QMenu *Decimals = ColumnMenu->addMenu(QStringLiteral("Decimaler"));
    Decimals->menuAction()->setObjectName(QStringLiteral("SojleDecimaler"));
    BindCommand(tcDecimals, Decimals->menuAction());
    BindCommand(tcDecimals, Add(Decimals, QStringLiteral("DecimalerFlere"), QStringLiteral("Flere"),
                                [this] { DecimalsCommand(+1); }));
    BindCommand(tcDecimals, Add(Decimals, QStringLiteral("DecimalerFaerre"),
                                QStringLiteral("Færre"), [this] { DecimalsCommand(-1); }));

    AddViewMenu(MenuBar, Prefix);

    DatatypeMenu = MenuBar->addMenu(QStringLiteral("&Datatype"));
    DatatypeMenu->setObjectName(Prefix + QStringLiteral("Vindue"));
    auto *Group = new QActionGroup(this);
    const struct {
        const char *Name;
        const char *Caption;
        TDataType Type;
    } Types[] = {{"FunktionObs", "&Observationer", dtObs},
                 {"FunktionHyp", "&Hyppigheder", dtHyp},
                 {"FunktionGrup", "&Grupperinger", dtGrup}};
    for (const auto &T : Types) {
        const TDataType Target = T.Type;
        // The editor's own type is shown checked, without an accelerator.
        QString Caption = QString::fromUtf8(T.Caption);
        if (Target == Side.DataType())
            Caption.remove(QLatin1Char('&'));
        QAction *A = Add(DatatypeMenu, QString::fromLatin1(T.Name), Caption, [this, Target] {
            if (Target != Side.DataType()) {
                CommitEdit();
                Host.SetDataType(Target);
            }
        });
        A->setCheckable(true);
        A->setChecked(Target == Side.DataType());
        Group->addAction(A);
    }

    QMenu *Help = MenuBar->addMenu(QStringLiteral("Hjælp"));
    Help->setObjectName(Prefix + QStringLiteral("Help"));
    Add(Help, QStringLiteral("HelpIndhold"), QStringLiteral("Vejledning..."), [this] {
        Host.HelpContents();
    })->setShortcut(QKeySequence(Qt::Key_F1));
    Add(Help, QStringLiteral("HelpSog"), QStringLiteral("Søg efter..."),
        [this] { Host.HelpSearch(); });
    Help->addSeparator();
    Add(Help, QStringLiteral("HelpOm"), QStringLiteral("Om Lumentor..."),
        [this] { Host.ShowAbout(); });

    for (QMenu *M : {Filer, EditMenu, ColumnMenu})
        connect(M, &QMenu::aboutToShow, this, [this, M] { ApplyCommandStates(M->actions()); });
    connect(DatatypeMenu, &QMenu::aboutToShow, this, [this] { SetDataEdited(Edited); });
}

QAction *TTableEdit::MenuAction(const QString &Name) const
{
    return MenuBar != nullptr ? MenuBar->findChild<QAction *>(Name) : nullptr;
}

TCommandState TTableEdit::CommandState(int Id)
{
    const tLumen &L = Host.Lumen();
    const int C = Side.MarkedCount(L);
    switch (Id) {
    case tcUndo:
        return {UndoCaption(L.GetUndoOp()), L.GetUndoOp() != uoNone};
    case tcCut:
    case tcCopy:
    case tcInsertEmpty:
    case tcSettings:
    case tcImport:
        return {QString(), C == 1};
    case tcPaste:
        return {QString(), C == 1 && ClipboardHasText};
    case tcClear:
    case tcRemove:
    case tcDecimals:
        return {QString(), C >= 1};
    case tcSwap:
        return {QString(), C == 2};
    default:
        return {QString(), false};
    }
}

void TTableEdit::UpdateButtons()
{
    ApplyCommandStates();
}
