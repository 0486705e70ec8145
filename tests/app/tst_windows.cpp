// The windows around the editors: the text window (its buttons, its link to
// the data set's text and TextShown, its printing), help, and the start-up
// (splash, seed).
#include "support_app.h"

#include "HelpWindow.h"
#include "InfoForm.h"
#include "Random.h"
#include "TextPrint.h"
#include "describe/support_drawing.h"
#include "obsedit/support_rows.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

static QString NumberedLines(int N)
{
    QStringList L;
    for (int I = 1; I <= N; ++I)
        L << QString::number(I);
    return L.join(QLatin1Char('\n'));
}

// Confirmed: 2 the print and the name dialog, 1 only the first. From, To: the
// pages asked for (0 all). Expected: pages printed; -1 all, -2 all from page 2.
const struct {
    const char *Name;
    int Lines, Confirmed, From, To, Expected;
} PrintRows[] = {
    {"empty text", 0, 2, 0, 0, 1},
    {"long text", 400, 2, 0, 0, -1},
    {"range", 400, 2, 2, 3, 2},
    {"range past the end", 400, 2, 2, 99, -2},
    {"print dialog cancelled", 400, 0, 0, 0, 0},
    {"name dialog cancelled", 400, 1, 0, 0, 0},
};

class TestWindows : public QObject
{
    Q_OBJECT
    QTemporaryDir Dir;

  private slots:
    void initTestCase() { InitAppTest(); }

    // One window through a series of commands and clicks on its buttons (the
    // text selected from, to): the window, TextShown and the text buttons of
    // all three editors agree ("2 of 6 shown" where not); the text goes with
    // the data; the clipboard last.
    void shownWithTheData()
    {
        const QString Closed = Dir.filePath(QStringLiteral("lukket.lmt"));
        const QString Open = WriteLumenFile(Dir.filePath("åben.lmt"), dtObs, [](tLumen &L) {
            L.SetText(QStringLiteral("Målt i cm.\nKlasse 7b"));
            L.SetTextShown(true);
        });
        TScriptedDialogs D;
        D.FileNames << Closed;
        D.Answers << QMessageBox::No;
        auto F = StartedForm(D);
        QApplication::clipboard()->setText(QStringLiteral("før"));
        const char *Script[][2] = {{"show", "shown, , saved, før"},
                                   {"type", "shown, noter, changed, før"},
                                   {"close", "hidden, noter, changed, før"},
                                   {"save as", "hidden, noter, saved, før"},
                                   {"open åben", "shown, Målt i cm.\nKlasse 7b, saved, før"},
                                   {"CopySpeed 0 4", "shown, Målt i cm.\nKlasse 7b, saved, Målt"},
                                   {"CutSpeed 4 10", "shown, Målt\nKlasse 7b, changed,  i cm."},
                                   {"PasteSpeed 0 4", "shown,  i cm.\nKlasse 7b, changed,  i cm."},
                                   {"DelSpeed 6 13", "shown,  i cm. 7b, changed,  i cm."},
                                   {"DelSpeed 2 2", "shown, , changed,  i cm."},
                                   {"new", "hidden, , saved,  i cm."},
                                   {"show", "shown, , saved,  i cm."},
                                   {"open lukket", "hidden, noter, saved,  i cm."}};
        QStringList Got, Expected;
        for (const auto &[Step, State] : Script) {
            const QString S = QString::fromUtf8(Step);
            const QString Button = S.section(' ', 0, 0);
            QPlainTextEdit *Memo = F->InfoForm()->InfoMemo;
            if (S == "show")
                F->ShowTextWindow(true);
            else if (S == "type")
                QTest::keyClicks(Memo, QStringLiteral("noter"));
            else if (S == "close")
                F->InfoForm()->close();
            else if (S == "save as")
                F->SaveDocumentAs();
            else if (S == "new")
                F->NewDocument(dtObs);
            else if (Button == "open")
                F->OpenFile(S.endsWith("åben") ? Open : Closed);
            else {
                QTextCursor C = Memo->textCursor();
                C.setPosition(S.section(' ', 1, 1).toInt());
                C.setPosition(S.section(' ', 2, 2).toInt(), QTextCursor::KeepAnchor);
                Memo->setTextCursor(C);
                auto *B = F->InfoForm()->findChild<QToolButton *>(Button);
                QVERIFY2(B->isEnabled(), Step);
                QTest::mouseClick(B, Qt::LeftButton);
            }
            int Up = F->InfoForm()->isVisible() + F->TextWindowShown() + F->Lumen().GetTextShown();
            for (TDataType T : {dtObs, dtHyp, dtGrup})
                Up += F->Editor(T)->findChild<QToolButton *>("InfoSpeed")->isChecked();
            QVERIFY2(Memo->toPlainText() == F->Lumen().GetText(), Step);
            Got << S + ": " +
                       (Up == 6   ? "shown, "
                        : Up == 0 ? "hidden, "
                                  : QString("%1 of 6 shown, ").arg(Up)) +
                       F->Lumen().GetText() +
                       (F->Lumen().IsModified() ? ", changed, " : ", saved, ") +
                       QApplication::clipboard()->text();
            Expected << S + ": " + QString::fromUtf8(State);
        }
        QCOMPARE(Got, Expected);
        QCOMPARE(Messages(D), QStringList{"(?) Data er ændret: Skal ændringerne gemmes?"});
        const std::unique_ptr<tLumen> Back = tLumen::CreateFromFile(Closed); // saved closed
        QCOMPARE(Back->GetText() + (Back->GetTextShown() ? ", shown" : ""),
                 QStringLiteral("noter"));
        QCOMPARE(F->InfoForm()->windowTitle(), QStringLiteral("Lumentor - Tekst til data"));
    }

    void print_data() { AddRows(PrintRows); }
    void print()
    {
        const auto &[Name, Lines, Confirmed, From, To, Expected] = CurrentRow(PrintRows);
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
        D.PrintAnswers.enqueue(Confirmed > 0);
        D.PrintFromPages.enqueue(From);
        D.PrintToPages.enqueue(To);
        if (Confirmed == 2)
            D.PrintNames.enqueue(QStringLiteral("Klasse 7b"));
        F->InfoForm()->Print();
        QCOMPARE(D.PrintMaxPages, QList<int>{Pages});
        QCOMPARE(D.NamesAsked, Confirmed > 0 ? 1 : 0);
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

    // Page 2 of a long text: the name and the heading on the top line, the
    // lines after those of page 1, and "- 2 -" centred at the bottom.
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
        for (const testdraw::tTextItem &I : Log.Items) // the footer centred at the bottom
            if (I.Text == QLatin1String("- 2 -"))
                QVERIFY(std::abs(I.At.x() + I.Right - 850) <= 1 && I.At.y() > 400 - L.LineHeight);
    }

    // The first showing frees the splash (and the wait cursor) and seeds the
    // random numbers from the time of day; a later showing does neither.
    void splashAndSeed()
    {
        TScriptedDialogs D;
        TLumenForm F(300);
        F.SetDialogs(&D);
        QPointer<QWidget> Splash = new QWidget;
        F.SetSplash(Splash);
        ProgramRandom().SetSeed(7);
        F.show();
        QVERIFY(Splash.isNull() && !QApplication::overrideCursor());
        QCOMPARE_NE(ProgramRandom().GetSeed(), 7u);
        F.hide();
        ProgramRandom().SetSeed(7);
        F.show();
        QCOMPARE(ProgramRandom().GetSeed(), 7u);
    }

    // The help menu's contents and search, a topic, and the search field.
    void help()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->Editor(dtObs)->EditorMenuBar()->findChild<QAction *>("HelpIndhold")->trigger();
        QTextBrowser *B = F->HelpWindow()->Browser();
        QCOMPARE(B->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
        F->ShowHelp(htCalc);
        QCOMPARE(B->source().fragment(), QStringLiteral("emne2"));
        F->Editor(dtObs)->EditorMenuBar()->findChild<QAction *>("HelpSogefter")->trigger();
        QCOMPARE(B->source(), QUrl(QStringLiteral("qrc:/help/soeg.html")));
        auto *Edit = F->HelpWindow()->findChild<QLineEdit *>();
        // A word only on the topics page: the search moves there.
        QTest::keyClicks(Edit, QStringLiteral("kvadratrod"));
        QCOMPARE(B->source().path(), QStringLiteral("/help/emner.html"));
        QCOMPARE(B->textCursor().selectedText().toLower(), QStringLiteral("kvadratrod"));
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
