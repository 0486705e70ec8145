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

static QString NumberedLines(int N)
{
    QStringList L;
    for (int I = 1; I <= N; ++I)
        L << QString::number(I);
    return L.join(QLatin1Char('\n'));
}

class TestInfoForm : public QObject
{
    Q_OBJECT
    QTemporaryDir Dir;

  private slots:
    void initTestCase() { InitAppTest(); }

    // "Alle er høje" in the window, the clipboard holding "før".
    void buttons_data()
    {
        QTest::addColumn<QString>("Button");
        QTest::addColumn<int>("SelStart");
        QTest::addColumn<int>("SelEnd");
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QString>("Clipboard"); // what it holds afterwards
        QTest::newRow("cut") << "CutSpeed" << 0 << 4 << " er høje"
                             << "Alle";
        QTest::newRow("copy") << "CopySpeed" << 5 << 7 << "Alle er høje"
                              << "er";
        QTest::newRow("paste") << "PasteSpeed" << 0 << 4 << "før er høje"
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
        F->InfoForm()->LoadText();
        QApplication::clipboard()->setText(QStringLiteral("før"));
        QPlainTextEdit *Memo = F->InfoForm()->InfoMemo;
        QTextCursor C = Memo->textCursor();
        C.setPosition(SelStart);
        C.setPosition(SelEnd, QTextCursor::KeepAnchor);
        Memo->setTextCursor(C);
        auto *B = F->InfoForm()->findChild<QToolButton *>(Button);
        QVERIFY(B->isEnabled());
        QTest::mouseClick(B, Qt::LeftButton);
        QCOMPARE(F->Lumen().GetText(), Text);
        QCOMPARE(QApplication::clipboard()->text(), Clipboard);
        // Copying alone changes nothing of the data.
        QCOMPARE(F->Lumen().IsModified(), Button != QLatin1String("CopySpeed"));
    }

    // One window through a series of commands: the window, TextShown and the
    // text buttons of all three editors agree; the text goes with the data.
    void shownWithTheData()
    {
        const QString Closed = Dir.filePath(QStringLiteral("lukket.lmt"));
        const QString Open = WriteLumenFile(Dir.filePath("åben.lmt"), dtObs, [](tLumen &L) {
            L.SetText(QStringLiteral("Målt i cm.\nKlasse 7b"));
            L.SetTextShown(true);
        });
        TScriptedDialogs D;
        D.FileNames << Closed;
        auto F = StartedForm(D);
        const char *Script[][2] = {{"show", "shown, , saved"},
                                   {"type", "shown, noter, changed"},
                                   {"close", "hidden, noter, changed"},
                                   {"save as", "hidden, noter, saved"},
                                   {"open åben", "shown, Målt i cm.\nKlasse 7b, saved"},
                                   {"new", "hidden, , saved"},
                                   {"show", "shown, , saved"},
                                   {"open lukket", "hidden, noter, saved"}};
        QStringList Got, Expected;
        for (const auto &[Step, State] : Script) {
            const QString S = QString::fromUtf8(Step);
            if (S == "show")
                F->ShowTextWindow(true);
            else if (S == "type")
                QTest::keyClicks(F->InfoForm()->InfoMemo, QStringLiteral("noter"));
            else if (S == "close")
                F->InfoForm()->close();
            else if (S == "save as")
                F->SaveDocumentAs();
            else if (S == "new")
                F->NewDocument(dtObs);
            else
                F->OpenFile(S.startsWith("open å") ? Open : Closed);
            const bool Shown = F->TextWindowShown();
            QVERIFY2(F->InfoForm()->isVisible() == Shown && F->Lumen().GetTextShown() == Shown,
                     Step);
            for (TDataType T : {dtObs, dtHyp, dtGrup})
                QVERIFY2(F->Editor(T)->findChild<QToolButton *>("InfoSpeed")->isChecked() == Shown,
                         Step);
            QVERIFY2(F->InfoForm()->InfoMemo->toPlainText() == F->Lumen().GetText(), Step);
            Got << S + ": " + (Shown ? "shown, " : "hidden, ") + F->Lumen().GetText() +
                       (F->Lumen().IsModified() ? ", changed" : ", saved");
            Expected << S + ": " + QString::fromUtf8(State);
        }
        QCOMPARE(Got, Expected);
        QVERIFY(D.Asked.isEmpty());
        std::unique_ptr<tLumen> Back = tLumen::CreateFromFile(Closed);
        QCOMPARE(Back->GetText(), QStringLiteral("noter"));
        QVERIFY(!Back->GetTextShown());
        QCOMPARE(F->InfoForm()->windowTitle(), QStringLiteral("Lumentor - Tekst til data"));
    }

    void print_data()
    {
        QTest::addColumn<int>("Lines");
        QTest::addColumn<bool>("PrintOk");
        QTest::addColumn<int>("From"); // 0 for all pages
        QTest::addColumn<int>("To");
        QTest::addColumn<bool>("Named");   // the name dialog confirmed
        QTest::addColumn<int>("Expected"); // pages printed; -1 all, -2 all from page 2
        QTest::newRow("empty text") << 0 << true << 0 << 0 << true << 1;
        QTest::newRow("long text") << 400 << true << 0 << 0 << true << -1;
        QTest::newRow("range") << 400 << true << 2 << 3 << true << 2;
        QTest::newRow("range past the end") << 400 << true << 2 << 99 << true << -2;
        QTest::newRow("print dialog cancelled") << 400 << false << 0 << 0 << true << 0;
        QTest::newRow("name dialog cancelled") << 400 << true << 0 << 0 << false << 0;
    }

    void print()
    {
        QFETCH(int, Lines);
        QFETCH(bool, PrintOk);
        QFETCH(int, From);
        QFETCH(int, To);
        QFETCH(bool, Named);
        QFETCH(int, Expected);
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->ShowTextWindow(true);
        QPlainTextEdit *Memo = F->InfoForm()->InfoMemo;
        Memo->setPlainText(NumberedLines(Lines));
        const QString Out = Dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
        QPrinter &P = F->Printer();
        P.setOutputFormat(QPrinter::PdfFormat);
        P.setOutputFileName(Out);
        const int Pages =
            MeasureTextPages(Memo->toPlainText(), TextPrintFont(Memo->font()), P).PageCount;
        QVERIFY(Lines == 0 || Pages >= 4);
        D.PrintAnswers.enqueue(PrintOk);
        D.PrintFromPages.enqueue(From);
        D.PrintToPages.enqueue(To);
        if (Named)
            D.PrintNames.enqueue(QStringLiteral("Klasse 7b"));
        F->InfoForm()->Print();
        QCOMPARE(D.PrintMaxPages, QList<int>{Pages});
        QCOMPARE(D.NamesAsked, PrintOk ? 1 : 0);
        QFile In(Out);
        QCOMPARE(In.open(QIODevice::ReadOnly), Expected != 0);
        // Page objects, not the page tree ("/Type /Pages").
        const QByteArray Pdf = In.readAll();
        const qsizetype Printed =
            Pdf.count("/Type /Page\n") + Pdf.count("/Type /Page ") + Pdf.count("/Type /Page>");
        QCOMPARE(Printed, Expected == -1 ? Pages : Expected == -2 ? Pages - 1 : Expected);
        if (Expected != 0)
            QCOMPARE(P.docName(), QStringLiteral("Lumentor Tekst"));
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
