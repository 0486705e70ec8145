#include "PlaceholderEditor.h"

#include "Glyphs.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

TPlaceholderEditor::TPlaceholderEditor(TEditorHost &Host, TDataType Type, QWidget *Parent)
    : TEditorBase(Host, Parent), Type(Type)
{
    // The bar is never shown itself: its menus go into the main window's bar.
    MenuBar = new QMenuBar(nullptr);
    QMenu *Filer = MenuBar->addMenu(QStringLiteral("&Filer"));
    Filer->addAction(QStringLiteral("Ny"), this, [this] { this->Host.NewDocument(this->Type); });
    Filer->addAction(QStringLiteral("Åbn..."), this, [this] { this->Host.OpenDocument(); });
    Filer->addAction(QStringLiteral("Gem"), this, [this] { this->Host.SaveDocument(); });
    Filer->addAction(QStringLiteral("Gem som..."), this, [this] { this->Host.SaveDocumentAs(); });
    Filer->addSeparator();
    Filer->addAction(QStringLiteral("Indstil printer..."), this,
                     [this] { this->Host.PrinterSetup(); });
    Filer->addSeparator();
    Filer->addAction(QStringLiteral("Afslut"), this, [this] { this->Host.Exit(); });

    QMenu *Datatype = MenuBar->addMenu(QStringLiteral("&Datatype"));
    auto *Group = new QActionGroup(this);
    const struct {
        const char *Caption;
        TDataType Type;
    } Types[] = {{"&Observationer", dtObs}, {"&Hyppigheder", dtHyp}, {"&Grupperinger", dtGrup}};
    for (const auto &T : Types) {
        QAction *A = Datatype->addAction(QString::fromUtf8(T.Caption));
        A->setCheckable(true);
        A->setChecked(T.Type == Type);
        Group->addAction(A);
        const TDataType Target = T.Type;
        connect(A, &QAction::triggered, this, [this, Target] { this->Host.SetDataType(Target); });
    }

    QMenu *Hjaelp = MenuBar->addMenu(QStringLiteral("Hjælp"));
    QAction *Contents = Hjaelp->addAction(QStringLiteral("Vejledning..."), this,
                                          [this] { this->Host.HelpContents(); });
    Contents->setShortcut(QKeySequence(Qt::Key_F1));
    Hjaelp->addAction(QStringLiteral("Søg efter..."), this, [this] { this->Host.HelpSearch(); });
    Hjaelp->addSeparator();
    Hjaelp->addAction(QStringLiteral("Om Lumentor..."), this, [this] { this->Host.ShowAbout(); });

    InfoSpeed = new QToolButton(this);
    InfoSpeed->setObjectName(QStringLiteral("InfoSpeed"));
    InfoSpeed->setIcon(GlyphIcon(TGlyph::Text));
    InfoSpeed->setToolTip(QStringLiteral("Tekst til data"));
    InfoSpeed->setAutoRaise(true);
    InfoSpeed->setCheckable(true);
    connect(InfoSpeed, &QToolButton::clicked, this,
            [this](bool Down) { this->Host.ShowTextWindow(Down); });

    Summary = new QLabel(this);
    Summary->setAlignment(Qt::AlignCenter);
    Summary->setWordWrap(true);
    auto *Layout = new QVBoxLayout(this);
    Layout->addWidget(InfoSpeed, 0, Qt::AlignLeft);
    Layout->addWidget(Summary, 1);
}

TPlaceholderEditor::~TPlaceholderEditor()
{
    delete MenuBar;
}

void TPlaceholderEditor::ShowEditor()
{
    InfoSpeed->setChecked(Host.TextWindowShown());
    ShowSummary();
}

void TPlaceholderEditor::SetTextButtonDown(bool Down)
{
    InfoSpeed->setChecked(Down);
}

void TPlaceholderEditor::ShowSummary()
{
    const tLumen &L = Host.Lumen();
    QString Text;
    switch (Type) {
    case dtHyp:
        Text = QStringLiteral("Hyppighederne kan ikke redigeres i denne udgave.\n"
                              "Datasættet har %1 kolonner med hyppigheder.")
                   .arg(L.UsedHypColumns());
        break;
    case dtGrup:
        Text = QStringLiteral("Grupperingerne kan ikke redigeres i denne udgave.\n"
                              "Datasættet har %1 kolonner med grupperinger.")
                   .arg(L.UsedGrupColumns());
        break;
    default:
        Text = QStringLiteral("Observationerne kan ikke redigeres i denne udgave.\n"
                              "Datasættet har %1 kolonner med observationer.")
                   .arg(L.UsedColumns());
        break;
    }
    Summary->setText(Text);
}
