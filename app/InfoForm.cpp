#include "InfoForm.h"

#include "EditorHost.h"
#include "Glyphs.h"
#include "TextPrint.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

TInfoForm::TInfoForm(TEditorHost &Host, QWidget *Parent)
    : QWidget(Parent, Qt::Tool | Qt::WindowStaysOnTopHint), Host(Host)
{
    setWindowTitle(QStringLiteral("Lumentor - Tekst til data"));
    resize(420, 320);

    auto MakeButton = [this](TGlyph Glyph, const QString &Hint, const QString &ObjectName) {
        auto *B = new QToolButton(this);
        B->setIcon(GlyphIcon(Glyph));
        B->setIconSize(QSize(16, 16));
        B->setAutoRaise(true);
        B->setToolTip(Hint);
        B->setObjectName(ObjectName);
        B->setFocusPolicy(Qt::NoFocus);
        return B;
    };
    CutSpeed = MakeButton(TGlyph::Cut, QStringLiteral("Klip"), QStringLiteral("CutSpeed"));
    CopySpeed = MakeButton(TGlyph::Copy, QStringLiteral("Kopiér"), QStringLiteral("CopySpeed"));
    PasteSpeed = MakeButton(TGlyph::Paste, QStringLiteral("Indsæt"), QStringLiteral("PasteSpeed"));
    DelSpeed = MakeButton(TGlyph::Clear, QStringLiteral("Rens"), QStringLiteral("DelSpeed"));
    PrintSpeed = MakeButton(TGlyph::Print, QStringLiteral("Udskriv"), QStringLiteral("PrintSpeed"));

    InfoMemo = new QPlainTextEdit(this);
    InfoMemo->setObjectName(QStringLiteral("InfoMemo"));
    InfoMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    InfoMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette Pal = InfoMemo->palette();
    Pal.setColor(QPalette::Base, QColor(255, 251, 240));
    Pal.setColor(QPalette::Text, Qt::black);
    InfoMemo->setPalette(Pal);
    InfoMemo->installEventFilter(this);
    InfoMemo->viewport()->installEventFilter(this);

    StatusBar = new QStatusBar(this);
    StatusBar->setSizeGripEnabled(false);

    auto *Bar = new QHBoxLayout;
    Bar->setContentsMargins(2, 2, 2, 2);
    Bar->setSpacing(0);
    for (QToolButton *B : {CutSpeed, CopySpeed, PasteSpeed, DelSpeed, PrintSpeed})
        Bar->addWidget(B);
    Bar->addStretch(1);
    auto *Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);
    Layout->addLayout(Bar);
    Layout->addWidget(InfoMemo, 1);
    Layout->addWidget(StatusBar);

    connect(InfoMemo, &QPlainTextEdit::textChanged, this, &TInfoForm::MemoChanged);
    connect(InfoMemo, &QPlainTextEdit::copyAvailable, this, &TInfoForm::UpdateSelectionButtons);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &TInfoForm::UpdatePasteButton);
    connect(CutSpeed, &QToolButton::clicked, this, [this] {
        InfoMemo->cut();
        UpdateSelectionButtons();
    });
    connect(CopySpeed, &QToolButton::clicked, this, [this] {
        InfoMemo->copy();
        UpdateSelectionButtons();
    });
    connect(PasteSpeed, &QToolButton::clicked, this, [this] {
        InfoMemo->paste();
        UpdateSelectionButtons();
    });
    connect(DelSpeed, &QToolButton::clicked, this, &TInfoForm::Clear);
    connect(PrintSpeed, &QToolButton::clicked, this, &TInfoForm::Print);

    UpdateSelectionButtons();
    UpdatePasteButton();
}

void TInfoForm::ShowText()
{
    Host.Lumen().SetTextShown(true);
    UpdateSelectionButtons();
    UpdatePasteButton();
    const bool WasVisible = isVisible();
    if (!Placed && parentWidget()) {
        // The first time beside the grids, at the right of the main window.
        const QRect Main = parentWidget()->geometry();
        move(std::max(Main.left(), Main.right() - width() - 40), Main.top() + 110);
        Placed = true;
    }
    show();
    raise();
    if (!WasVisible)
        emit ShownChanged(true);
}

void TInfoForm::HideText()
{
    Host.Lumen().SetTextShown(false);
    const bool WasVisible = isVisible();
    hide();
    if (WasVisible)
        emit ShownChanged(false);
}

void TInfoForm::closeEvent(QCloseEvent *Event)
{
    Event->accept();
    HideText();
}

void TInfoForm::ResetText()
{
    Loading = true;
    InfoMemo->clear();
    Loading = false;
    HideText();
}

void TInfoForm::LoadText()
{
    tLumen &L = Host.Lumen();
    const bool Shown = L.GetTextShown();
    if (Shown && !isVisible())
        ShowText();
    else if (!Shown && isVisible())
        HideText();
    Loading = true;
    InfoMemo->setPlainText(L.GetText());
    Loading = false;
    UpdateSelectionButtons();
}

void TInfoForm::MemoChanged()
{
    if (Loading)
        return;
    Host.Lumen().SetText(InfoMemo->toPlainText());
}

// "Rens": the selection, or with nothing selected the whole text.
void TInfoForm::Clear()
{
    QTextCursor C = InfoMemo->textCursor();
    if (!C.hasSelection())
        C.select(QTextCursor::Document);
    C.removeSelectedText();
    InfoMemo->setTextCursor(C);
    UpdateSelectionButtons();
}

void TInfoForm::UpdateSelectionButtons()
{
    const bool Selected = InfoMemo->textCursor().hasSelection();
    CutSpeed->setEnabled(Selected);
    CopySpeed->setEnabled(Selected);
}

void TInfoForm::UpdatePasteButton()
{
    const QMimeData *Data = QApplication::clipboard()->mimeData();
    PasteSpeed->setEnabled(Data && Data->hasText());
}

bool TInfoForm::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Watched == InfoMemo && Event->type() == QEvent::FocusIn)
        UpdatePasteButton();
    else if (Watched == InfoMemo->viewport() && Event->type() == QEvent::MouseButtonRelease)
        UpdateSelectionButtons();
    return QWidget::eventFilter(Watched, Event);
}

void TInfoForm::Print()
{
    const QString Text = InfoMemo->toPlainText();
    const QFont Font = TextPrintFont(InfoMemo->font());
    QPrinter &Printer = Host.Printer();
    const int Pages = MeasureTextPages(Text, Font, Printer).PageCount;
    if (!Host.Dialogs().PrintDialog(Printer, Pages))
        return;
    QString Name;
    if (!Host.Dialogs().PrintName(Name))
        return;
    // The printer may have changed in the dialog.
    const int Now = MeasureTextPages(Text, Font, Printer).PageCount;
    int First = 1, Last = Now;
    if (Printer.printRange() == QPrinter::PageRange && Printer.fromPage() > 0) {
        First = Printer.fromPage();
        Last = std::min(Printer.toPage(), Now);
    }
    if (First > Last)
        return;
    PrintTextPages(Printer, Text, Font, Name, First, Last);
}
