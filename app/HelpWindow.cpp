#include "HelpWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

static void InitHelpResources()
{
    // The pages live in a static library: make sure they are linked in.
    Q_INIT_RESOURCE(help);
}

THelpWindow::THelpWindow(QWidget *Parent) : QWidget(Parent, Qt::Window)
{
    InitHelpResources();
    setWindowTitle(QStringLiteral("Lumentor - Vejledning"));
    resize(640, 560);

    View = new QTextBrowser(this);
    View->setOpenExternalLinks(false);

    auto MakeButton = [this](const QString &Text) {
        auto *B = new QToolButton(this);
        B->setText(Text);
        B->setAutoRaise(true);
        return B;
    };
    QToolButton *ContentsBtn = MakeButton(QStringLiteral("Indhold"));
    QToolButton *SearchBtn = MakeButton(QStringLiteral("Søg"));
    QToolButton *BackBtn = MakeButton(QStringLiteral("Tilbage"));
    QToolButton *ForwardBtn = MakeButton(QStringLiteral("Frem"));
    BackBtn->setEnabled(false);
    ForwardBtn->setEnabled(false);
    SearchEdit = new QLineEdit(this);
    SearchEdit->setClearButtonEnabled(true);

    connect(ContentsBtn, &QToolButton::clicked, this, &THelpWindow::ShowContents);
    connect(SearchBtn, &QToolButton::clicked, this, &THelpWindow::ShowSearch);
    connect(BackBtn, &QToolButton::clicked, View, &QTextBrowser::backward);
    connect(ForwardBtn, &QToolButton::clicked, View, &QTextBrowser::forward);
    connect(View, &QTextBrowser::backwardAvailable, BackBtn, &QToolButton::setEnabled);
    connect(View, &QTextBrowser::forwardAvailable, ForwardBtn, &QToolButton::setEnabled);
    connect(SearchEdit, &QLineEdit::textEdited, this, &THelpWindow::FindText);
    connect(SearchEdit, &QLineEdit::returnPressed, this, [this] { FindText(SearchEdit->text()); });

    auto *Bar = new QHBoxLayout;
    Bar->addWidget(ContentsBtn);
    Bar->addWidget(SearchBtn);
    Bar->addWidget(BackBtn);
    Bar->addWidget(ForwardBtn);
    Bar->addSpacing(12);
    Bar->addWidget(new QLabel(QStringLiteral("Søg efter:"), this));
    Bar->addWidget(SearchEdit, 1);
    auto *Layout = new QVBoxLayout(this);
    Layout->addLayout(Bar);
    Layout->addWidget(View, 1);
}

QUrl THelpWindow::TopicUrl(int Topic)
{
    if (Topic <= 0)
        return QUrl(QStringLiteral("qrc:/help/index.html"));
    return QUrl(QStringLiteral("qrc:/help/emner.html#emne%1").arg(Topic));
}

void THelpWindow::Present()
{
    show();
    raise();
    activateWindow();
}

void THelpWindow::ShowContents()
{
    ShowTopic(0);
}

void THelpWindow::ShowTopic(int Topic)
{
    View->setSource(TopicUrl(Topic));
    Present();
}

void THelpWindow::ShowSearch()
{
    View->setSource(QUrl(QStringLiteral("qrc:/help/soeg.html")));
    SearchEdit->clear();
    Present();
    SearchEdit->setFocus();
}

// Searches the whole help, page by page, from the keyword page on.
void THelpWindow::FindText(const QString &Text)
{
    if (Text.trimmed().isEmpty())
        return;
    QTextCursor From = View->textCursor();
    From.setPosition(From.selectionStart());
    View->setTextCursor(From);
    if (View->find(Text))
        return;
    static const char *Pages[] = {"qrc:/help/soeg.html", "qrc:/help/emner.html",
                                  "qrc:/help/index.html"};
    for (const char *Page : Pages) {
        View->setSource(QUrl(QString::fromLatin1(Page)));
        View->moveCursor(QTextCursor::Start);
        if (View->find(Text))
            return;
    }
}
