// The text window: its buttons, its link to the data set's text and
// TextShown, and the printing of the text.
#include "support_app.h"

#include "InfoForm.h"
#include "TextPrint.h"
#include "describe/support_drawing.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
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
            QCOMPARE(F->Lumen().GetText(), QStringLiteral("noter"));
            QVERIFY(F->Lumen().IsModified());
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

    // Page 2 of a long text: the name left and the heading right on the top
    // line, the lines after those of page 1 in the text area, and "- 2 -"
    // centred on the bottom line.
    void pageTexts()
    {
        const QFont Font(QStringLiteral("Liberation Sans"), 12);
        const QString Text = NumberedLines(40);
        testdraw::tTextLog Log(850, 400);
        const tTextPageLayout L = MeasureTextPages(Text, Font, Log);
        QVERIFY(L.PageCount >= 3);
        {
            QPainter P(&Log);
            P.setFont(Font);
            DrawTextPage(P, L, Text, QStringLiteral("Navn"), 2, QSize(850, 400));
        }
        QStringList Expected{QStringLiteral("Navn|Lumentor - Tekst")};
        for (int I = L.LinesPerPage + 1; I <= 2 * L.LinesPerPage; ++I)
            Expected << QString::number(I);
        Expected << QStringLiteral("- 2 -");
        QCOMPARE(testdraw::Lines(Log.Items), Expected);
        for (const testdraw::tTextItem &I : Log.Items) {
            if (I.Text == QLatin1String("- 2 -")) {
                QVERIFY(std::abs(I.At.x() + I.Right - 850) <= 1);
                QVERIFY(I.At.y() > 400 - L.LineHeight);
            } else if (I.Text[0].isDigit()) {
                QCOMPARE(I.At.x(), L.Area.left());
                QVERIFY(L.Area.contains(I.At));
            } else if (I.Text == QLatin1String("Navn")) {
                QCOMPARE(I.At.x(), 0);
            } else {
                QCOMPARE(I.Right, 850);
            }
        }
    }
};

QTEST_MAIN(TestInfoForm)
#include "tst_infoform.moc"
