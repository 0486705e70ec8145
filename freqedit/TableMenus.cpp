// The menus of the table editors and the enabling of their items and tool
// buttons.
#include "HGStilDlg.h"
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
    });
    Add(Filer, Prefix + QStringLiteral("Aabn"), QStringLiteral("Åbn..."), [this] {
        CommitEdit();
        Host.OpenDocument();
    });
    Add(Filer, Prefix + QStringLiteral("Gem"), QStringLiteral("Gem"), [this] {
        CommitEdit();
        Host.SaveDocument();
    });
    Add(Filer, Prefix + QStringLiteral("Gemsom"), QStringLiteral("Gem som..."), [this] {
        CommitEdit();
        Host.SaveDocumentAs();
    });
    Filer->addSeparator();
    Add(Filer, QStringLiteral("ImportText"), QStringLiteral("Importér tekstfil..."),
        [this] { ImportText(); });
    Filer->addSeparator();
    Add(Filer, Prefix + QStringLiteral("IndstilPrinter"), QStringLiteral("Indstil printer..."),
        [this] { Host.PrinterSetup(); });
    Filer->addSeparator();
    Add(Filer, Prefix + QStringLiteral("Afslut"), QStringLiteral("Afslut"),
        [this] { Host.Exit(); });

    EditMenu = MenuBar->addMenu(QStringLiteral("Rediger"));
    EditMenu->setObjectName(Prefix + QStringLiteral("Rediger"));
    Add(EditMenu, QStringLiteral("RedigerFortryd"), QStringLiteral("Fortryd"), [this] {
        UndoCommand();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EditMenu->addSeparator();
    Add(EditMenu, QStringLiteral("SojleKlip"), QStringLiteral("Klip kolonne"), [this] {
        CutColumn();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    Add(EditMenu, QStringLiteral("SojleKopier"), QStringLiteral("Kopiér kolonne"), [this] {
        CopyColumn();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Add(EditMenu, QStringLiteral("SojleIndsaet"), QStringLiteral("Indsæt kolonne"), [this] {
        PasteColumn();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    Add(EditMenu, QStringLiteral("SojleSlet"), QStringLiteral("Rens kolonne"), [this] {
        ClearColumns();
    })->setShortcut(QKeySequence(Qt::Key_Delete));
    EditMenu->addSeparator();
    Add(EditMenu, QStringLiteral("SojleTilfoej"), QStringLiteral("Indsæt en tom kolonne"),
        [this] { InsertEmptyColumn(); });
    Add(EditMenu, QStringLiteral("SojleFjern"), QStringLiteral("Fjern kolonne"),
        [this] { RemoveColumns(); });
    Add(EditMenu, QStringLiteral("SojleOmbyt"), QStringLiteral("Ombyt to kolonner"),
        [this] { SwapColumns(); });
    // The shortcuts act only while the data grid is not editing a cell: the
    // in-place editor keeps Ctrl+X, Ctrl+C, Ctrl+V and Del for its text.
    for (QAction *A : EditMenu->actions())
        A->setShortcutContext(Qt::WindowShortcut);

    ColumnMenu = MenuBar->addMenu(QStringLiteral("Kolonne"));
    ColumnMenu->setObjectName(Grup ? QStringLiteral("GrupSojle") : QStringLiteral("HypSojle"));
    Add(ColumnMenu, QStringLiteral("SojleEgenskaber"), QStringLiteral("Indstillinger..."),
        [this] { ColumnSettingsCommand(); });
    ColumnMenu->addSeparator();
    QMenu *Decimals = ColumnMenu->addMenu(QStringLiteral("Decimaler"));
    Decimals->menuAction()->setObjectName(QStringLiteral("SojleDecimaler"));
    Add(Decimals, QStringLiteral("DecimalerFlere"), QStringLiteral("Flere"),
        [this] { DecimalsCommand(+1); });
    Add(Decimals, QStringLiteral("DecimalerFaerre"), QStringLiteral("Færre"),
        [this] { DecimalsCommand(-1); });

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

    for (QMenu *M : {Filer, EditMenu, ColumnMenu, DatatypeMenu})
        connect(M, &QMenu::aboutToShow, this, [this] { UpdateMenus(); });
}

QAction *TTableEdit::MenuAction(const QString &Name) const
{
    return MenuBar != nullptr ? MenuBar->findChild<QAction *>(Name) : nullptr;
}

void TTableEdit::UpdateMenus()
{
    if (MenuBar == nullptr)
        return;
    const tLumen &L = Host.Lumen();
    const int C = Side.MarkedCount(L);
    auto Enable = [this](const char *Name, bool On) {
        if (QAction *A = MenuAction(QString::fromLatin1(Name)))
            A->setEnabled(On);
    };
    Enable("ImportText", C == 1);
    Enable("RedigerFortryd", L.GetUndoOp() != 0);
    if (QAction *A = MenuAction(QStringLiteral("RedigerFortryd")))
        A->setText(UndoCaption(L.GetUndoOp()));
    Enable("SojleKlip", C == 1);
    Enable("SojleKopier", C == 1);
    Enable("SojleTilfoej", C == 1);
    Enable("SojleIndsaet", C == 1 && ClipboardHasText);
    Enable("SojleSlet", C >= 1);
    Enable("SojleFjern", C >= 1);
    Enable("SojleOmbyt", C == 2);
    Enable("SojleEgenskaber", C == 1);
    Enable("SojleDecimaler", C >= 1);
    Enable("DecimalerFlere", C >= 1);
    Enable("DecimalerFaerre", C >= 1);
    for (QAction *A : DatatypeMenu->actions())
        A->setEnabled(!Edited);
}

void TTableEdit::UpdateButtons()
{
    const tLumen &L = Host.Lumen();
    const int C = Side.MarkedCount(L);
    auto Enable = [this](const char *Name, bool On) {
        ToolButton(QString::fromLatin1(Name))->setEnabled(On);
    };
    Enable("CutSpeed", C == 1);
    Enable("CopySpeed", C == 1);
    Enable("PasteSpeed", C == 1 && ClipboardHasText);
    Enable("DelSpeed", C > 0);
    Enable("DeciPlusSpeed", C > 0);
    Enable("DeciMinusSpeed", C > 0);
    Enable("UndoSpeed", L.GetUndoOp() != 0);
    UpdateMenus();
}
