// The text window: its buttons, its link to the data set's text and
// TextShown, and the printing of the text.
#include "support_app.h"

#include "InfoForm.h"
#include "TextPrint.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

static TInfoForm *Info(TLumenForm &F)
{
    return F.InfoForm();
}

// An image standing in for a page: 100 pixels per inch.
static QImage Page(int Width, int Height)
{
    QImage Image(Width, Height, QImage::Format_RGB32);
    Image.setDotsPerMeterX(3937);
    Image.setDotsPerMeterY(3937);
    Image.fill(Qt::white);
    return Image;
}

static QString NumberedLines(int N)
{
    QStringList L;
    for (int I = 1; I <= N; ++I)
        L << QString::number(I);
    return L.join(QLatin1Char('\n'));
}

static int PdfPageCount(const QString &File)
{
    QFile In(File);
    if (!In.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray Pdf = In.readAll();
    // Page objects, not the page tree ("/Type /Pages").
    return Pdf.count("/Type /Page\n") + Pdf.count("/Type /Page\r") + Pdf.count("/Type /Page ") +
           Pdf.count("/Type /Page/") + Pdf.count("/Type /Page>");
}

class TestInfoForm : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { InitAppTest(); }

  private:
    QTemporaryDir Dir;

  private slots:
    void typingSetsTextAndModifies()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->ShowTextWindow(true);
        QVERIFY(!F->Lumen().IsModified());
        QTest::keyClicks(Info(*F)->InfoMemo, QStringLiteral("Højder i 7b"));
        QCOMPARE(F->Lumen().GetText(), QStringLiteral("Højder i 7b"));
        QVERIFY(F->Lumen().IsModified());
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("Button");
        QTest::addColumn<int>("SelStart");
        QTest::addColumn<int>("SelEnd");
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QString>("Clipboard"); // what the clipboard holds afterwards
        QTest::newRow("cut") << "CutSpeed" << 0 << 4 << " er høje"
                             << "Alle";
        QTest::newRow("copy") << "CopySpeed" << 5 << 7 << "Alle er høje"
                              << "er";
        QTest::newRow("paste over selection") << "PasteSpeed" << 0 << 4 << "før er høje"
                                              << "før";
        QTest::newRow("paste at cursor") << "PasteSpeed" << 12 << 12 << "Alle er højefør"
                                         << "før";
        QTest::newRow("clear selection") << "DelSpeed" << 4 << 7 << "Alle høje"
                                         << "før";
        QTest::newRow("clear all") << "DelSpeed" << 3 << 3 << ""
                                   << "før";
    }

    void buttons()
    {
        QFETCH(QString, Button);
        QFETCH(int, SelStart);
        QFETCH(int, SelEnd);
        QFETCH(QString, Text);
        QFETCH(QString, Clipboard);
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->Lumen().SetText(QStringLiteral("Alle er høje"));
        F->Lumen().SetTextShown(true);
        F->Lumen().ClearModified();
        Info(*F)->LoadText();
        QVERIFY(!F->Lumen().IsModified());
        QApplication::clipboard()->setText(QStringLiteral("før"));

        QPlainTextEdit *Memo = Info(*F)->InfoMemo;
        QTextCursor C = Memo->textCursor();
        C.setPosition(SelStart);
        C.setPosition(SelEnd, QTextCursor::KeepAnchor);
        Memo->setTextCursor(C);
        auto *B = Info(*F)->findChild<QToolButton *>(Button);
        QVERIFY(B);
        QVERIFY(B->isEnabled());
        QTest::mouseClick(B, Qt::LeftButton);
        QCOMPARE(Memo->toPlainText(), Text);
        QCOMPARE(F->Lumen().GetText(), Text);
        QCOMPARE(QApplication::clipboard()->text(), Clipboard);
        // Copying alone changes nothing of the data.
        QCOMPARE(F->Lumen().IsModified(), Button != QLatin1String("CopySpeed"));
    }

    void shownFlagAndEditorButtons()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QVERIFY(!F->Lumen().GetTextShown());
        F->ShowTextWindow(true);
        QVERIFY(Info(*F)->isVisible());
        QVERIFY(F->TextWindowShown());
        QVERIFY(F->Lumen().GetTextShown());
        QCOMPARE(Info(*F)->windowTitle(), QStringLiteral("Lumentor - Tekst til data"));
        // The text buttons of the other editors follow.
        for (TDataType T : {dtObs, dtHyp, dtGrup}) {
            auto *B = F->Editor(T)->findChild<QToolButton *>(QStringLiteral("InfoSpeed"));
            QVERIFY(B);
            QVERIFY(B->isChecked());
        }
        // Closing the window is hiding it.
        QVERIFY(Info(*F)->close());
        QVERIFY(!F->Lumen().GetTextShown());
        QVERIFY(!F->TextWindowShown());
        for (TDataType T : {dtObs, dtHyp, dtGrup})
            QVERIFY(
                !F->Editor(T)->findChild<QToolButton *>(QStringLiteral("InfoSpeed"))->isChecked());
    }

    void closedWindowIsSavedClosed()
    {
        const QString File = Dir.filePath(QStringLiteral("lukket.lmt"));
        TScriptedDialogs D;
        {
            auto F = StartedForm(D);
            F->ShowTextWindow(true);
            QTest::keyClicks(Info(*F)->InfoMemo, QStringLiteral("noter"));
            Info(*F)->close();
            D.FileNames.enqueue(File);
            F->SaveDocumentAs();
        }
        std::unique_ptr<tLumen> Back = tLumen::CreateFromFile(File);
        QVERIFY(!Back->ReadFailed());
        QVERIFY(!Back->GetTextShown());
        QCOMPARE(Back->GetText(), QStringLiteral("noter"));

        auto F = StartedForm(D);
        F->ShowTextWindow(true); // open beforehand: the file closes it
        F->OpenFile(File);
        QVERIFY(!Info(*F)->isVisible());
        QCOMPARE(Info(*F)->InfoMemo->toPlainText(), QStringLiteral("noter"));
    }

    void openedFileShowsItsText()
    {
        const QString File =
            WriteLumenFile(Dir.filePath(QStringLiteral("åben.lmt")), dtObs, [](tLumen &L) {
                L.SetText(QStringLiteral("Målt i cm.\nKlasse 7b"));
                L.SetTextShown(true);
            });
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QVERIFY(!Info(*F)->isVisible());
        F->OpenFile(File);
        QVERIFY(Info(*F)->isVisible());
        QCOMPARE(Info(*F)->InfoMemo->toPlainText(), QStringLiteral("Målt i cm.\nKlasse 7b"));
        QVERIFY(!F->Lumen().IsModified());
        auto *B = F->Editor(dtHyp)->findChild<QToolButton *>(QStringLiteral("InfoSpeed"));
        QVERIFY(B && B->isChecked());
    }

    void newDocumentEmptiesAndHides()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->ShowTextWindow(true);
        QTest::keyClicks(Info(*F)->InfoMemo, QStringLiteral("gammel"));
        D.Answers.enqueue(QMessageBox::No);
        F->NewDocument(dtObs);
        QVERIFY(!Info(*F)->isVisible());
        QVERIFY(Info(*F)->InfoMemo->toPlainText().isEmpty());
        QVERIFY(!F->Lumen().IsModified());
        QVERIFY(!F->Lumen().GetTextShown());
    }

    void pageLayout_data()
    {
        QTest::addColumn<int>("Lines");
        QTest::addColumn<int>("PageHeight");
        QTest::newRow("empty") << 0 << 1100;
        QTest::newRow("some pages") << 150 << 1100;
        QTest::newRow("exactly full") << -1 << 1100; // as many lines as one page holds
    }

    void pageLayout()
    {
        QFETCH(int, Lines);
        QFETCH(int, PageHeight);
        const QImage Image = Page(850, PageHeight);
        const QFont Font(QStringLiteral("Liberation Sans"), 12);
        const int R = Image.logicalDpiY();
        QCOMPARE(R, 100);
        const int H = QFontMetrics(Font, &Image).height();
        const int PerPage = std::max(1, (PageHeight - R / 2 - R) / H);
        if (Lines < 0)
            Lines = PerPage;
        const tTextPageLayout L =
            MeasureTextPages(Lines ? NumberedLines(Lines) : QString(), Font, Image);
        QCOMPARE(L.Resolution, 100);
        QCOMPARE(L.LineHeight, H);
        QCOMPARE(L.LinesPerPage, PerPage);
        QCOMPARE(L.Area, QRect(50, 50, 850 - 150, H * PerPage));
        // Short numbered lines never wrap: one text line each.
        QCOMPARE(L.TextHeight, Lines * H);
        QCOMPARE(L.PageCount, std::max(1, (Lines + PerPage - 1) / PerPage));
    }

    void printedPages_data()
    {
        QTest::addColumn<int>("Lines");
        QTest::addColumn<int>("From"); // 0 for all pages
        QTest::addColumn<int>("To");
        QTest::addColumn<int>("Expected"); // pages printed; -1: all
        QTest::newRow("empty text") << 0 << 0 << 0 << 1;
        QTest::newRow("long text") << 400 << 0 << 0 << -1;
        QTest::newRow("range") << 400 << 2 << 3 << 2;
        QTest::newRow("range past the end") << 400 << 2 << 99 << -2;
    }

    void printedPages()
    {
        QFETCH(int, Lines);
        QFETCH(int, From);
        QFETCH(int, To);
        QFETCH(int, Expected);
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->ShowTextWindow(true);
        Info(*F)->InfoMemo->setPlainText(NumberedLines(Lines));
        const QString Out =
            Dir.filePath(QStringLiteral("tekst%1.pdf").arg(QTest::currentDataTag()));
        QFile::remove(Out);
        QPrinter &P = F->Printer();
        P.setOutputFormat(QPrinter::PdfFormat);
        P.setOutputFileName(Out);
        const int Pages = MeasureTextPages(Info(*F)->InfoMemo->toPlainText(),
                                           TextPrintFont(Info(*F)->InfoMemo->font()), P)
                              .PageCount;
        if (Lines > 0)
            QVERIFY(Pages >= 4);
        D.PrintAnswers.enqueue(true);
        D.PrintFromPages.enqueue(From);
        D.PrintToPages.enqueue(To);
        D.PrintNames.enqueue(QStringLiteral("Klasse 7b"));
        Info(*F)->Print();
        QCOMPARE(D.PrintMaxPages, QList<int>{Pages});
        QCOMPARE(D.NamesAsked, 1);
        if (Expected == -1)
            Expected = Pages;
        else if (Expected == -2)
            Expected = Pages - 1;
        QCOMPARE(PdfPageCount(Out), Expected);
        QCOMPARE(P.docName(), QStringLiteral("Lumentor Tekst"));
    }

    void printCancelled_data()
    {
        QTest::addColumn<bool>("PrintOk");
        QTest::addColumn<int>("NamesAsked");
        QTest::newRow("print dialog cancelled") << false << 0;
        QTest::newRow("name dialog cancelled") << true << 1;
    }

    void printCancelled()
    {
        QFETCH(bool, PrintOk);
        QFETCH(int, NamesAsked);
        TScriptedDialogs D;
        auto F = StartedForm(D);
        const QString Out = Dir.filePath(QStringLiteral("aflyst.pdf"));
        QFile::remove(Out);
        F->Printer().setOutputFormat(QPrinter::PdfFormat);
        F->Printer().setOutputFileName(Out);
        D.PrintAnswers.enqueue(PrintOk);
        Info(*F)->Print();
        QCOMPARE(D.NamesAsked, NamesAsked);
        QVERIFY(!QFile::exists(Out));
    }

    // Page 2 of a three-page text: heading right, name left, "- 2 -" centred on
    // the bottom line, and text only inside the text area.
    void pageDrawing()
    {
        QImage Image = Page(850, 400);
        const QFont Font(QStringLiteral("Liberation Sans"), 12);
        const QString Text = NumberedLines(40);
        const tTextPageLayout L = MeasureTextPages(Text, Font, Image);
        QVERIFY(L.PageCount >= 3);
        {
            QPainter P(&Image);
            P.setFont(Font);
            DrawTextPage(P, L, Text, QStringLiteral("Navn"), 2, Image.size());
        }
        auto Inked = [&Image](const QRect &R) {
            for (int Y = std::max(0, R.top()); Y <= std::min(Image.height() - 1, R.bottom()); ++Y)
                for (int X = std::max(0, R.left()); X <= std::min(Image.width() - 1, R.right());
                     ++X)
                    if (qGray(Image.pixel(X, Y)) < 128)
                        return true;
            return false;
        };
        const int H = L.LineHeight;
        QVERIFY(Inked(QRect(600, 0, 250, H)));      // "Lumentor - Tekst", top right
        QVERIFY(Inked(QRect(0, 0, 100, H)));        // the name, top left
        QVERIFY(Inked(QRect(380, 400 - H, 90, H))); // "- 2 -"
        QVERIFY(!Inked(QRect(0, 400 - H, 300, H))); // nothing else on the bottom line
        QVERIFY(Inked(QRect(L.Area.left(), L.Area.top(), 60, H))); // first line of page 2
        // Between the text area and the bottom line stays blank.
        QVERIFY(!Inked(QRect(0, L.Area.bottom() + 1, 850, 400 - H - L.Area.bottom() - 1)));
    }

    // Page 2 goes on with the line after the last one of page 1: drawn one
    // above the other, the two text areas look like one run of the text.
    void pagesContinue()
    {
        const QFont Font(QStringLiteral("Liberation Sans"), 12);
        const QString Text = NumberedLines(40);
        QImage Paged = Page(850, 400);
        const tTextPageLayout L = MeasureTextPages(Text, Font, Paged);
        QImage Two = Page(850, L.Area.top() + 2 * L.Area.height());
        for (int PageNo : {1, 2}) {
            Paged.fill(Qt::white);
            {
                QPainter P(&Paged);
                P.setFont(Font);
                DrawTextPage(P, L, Text, QString(), PageNo, Paged.size());
            }
            QPainter P(&Two);
            P.drawImage(QPoint(L.Area.left(), L.Area.top() + (PageNo - 1) * L.Area.height()),
                        Paged.copy(L.Area));
        }
        // The same text laid out in one go, one line height apart.
        QImage Whole = Page(850, L.Area.top() + 2 * L.Area.height());
        {
            QPainter P(&Whole);
            P.setFont(Font);
            const QStringList Lines = Text.split(QLatin1Char('\n'));
            for (int I = 0; I < 2 * L.LinesPerPage; ++I)
                P.drawText(QRect(L.Area.left(), L.Area.top() + I * L.LineHeight, L.Area.width(),
                                 L.LineHeight),
                           Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Lines[I]);
        }
        QCOMPARE(Two, Whole);
    }
};

QTEST_MAIN(TestInfoForm)
#include "tst_infoform.moc"
