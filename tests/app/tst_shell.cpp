// Start-up details, the name dialog, help and Qt's Danish texts.
#include "support_app.h"

#include "DataEdit.h"
#include "Descriptor.h"

#include "HelpWindow.h"
#include "Random.h"
#include "StandardDialogs.h"
#include "Startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <functional>

// Runs Act on the modal dialog as soon as it shows.
static void WhenModal(const std::function<void(QWidget *)> &Act)
{
    QTimer::singleShot(0, [Act] {
        QWidget *W = nullptr;
        QTRY_VERIFY((W = QApplication::activeModalWidget()) != nullptr);
        Act(W);
        // A failed check above leaves the dialog open: never hang on it.
        if (W->isVisible())
            W->close();
    });
}

class TestShell : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { InitAppTest(); }
    // The name dialog starts from the last name given; closing it is no OK.
    void realNameDialogKeepsName()
    {
        QWidget Parent;
        TStandardDialogs D(&Parent);
        QStringList Seen;
        for (const bool Ok : {true, false}) {
            WhenModal([&Seen, Ok](QWidget *W) {
                auto *Dialog = qobject_cast<TNavnDlg *>(W);
                QVERIFY(Dialog);
                Seen << Dialog->windowTitle() + ": " + Dialog->NavnEdit->text();
                Dialog->NavnEdit->setText(QStringLiteral("Klasse 7b"));
                Ok ? Dialog->accept() : Dialog->reject();
            });
            QString Name = QStringLiteral("uændret");
            QCOMPARE(D.PrintName(Name), Ok);
            QCOMPARE(Name, Ok ? QStringLiteral("Klasse 7b") : QStringLiteral("uændret"));
        }
        QCOMPARE(Seen, QStringList({"Navn på udskriften: ", "Navn på udskriften: Klasse 7b"}));
    }

    // The start the run command gives: column A marked and described by a
    // frequency graph in the mixed view; once something is marked, no more.
    void demoStartDescribesColumnA()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D, {QStringLiteral(LUMEN_SOURCE_DIR "/examples/hoejder.lmt")});
        QTRY_VERIFY(F->Lumen().HasData());
        for (int Round = 0; Round < 2; ++Round) {
            F->ShowDemo();
            QCOMPARE(F->Lumen().SelCols, QVector<int32_t>({0}));
        }
        QCOMPARE(dynamic_cast<TDataEdit *>(F->ShownEditor())->View(), TEditorFrame::vwMixed);
        QCOMPARE(int(DescriptorOf(F->Lumen()).GetPaneKind(1)), int(bkHyppighedsgraf));
        QVERIFY(!F->Lumen().IsModified());
    }

    // The first showing waits for the splash, frees it and seeds the random
    // numbers from the time of day; a later showing does none of it.
    void splashWaitAndSeed()
    {
        TScriptedDialogs D;
        TLumenForm F(300);
        F.SetDialogs(&D);
        QPointer<QWidget> Splash = new QWidget;
        F.SetSplash(Splash);
        QVERIFY(QApplication::overrideCursor());
        ProgramRandom().SetSeed(7);
        const uint32_t Before = tRandom::TimeOfDaySeed();
        QElapsedTimer Clock;
        Clock.start();
        F.show();
        QVERIFY(Clock.elapsed() >= 300);
        const uint32_t After = tRandom::TimeOfDaySeed();
        QVERIFY(Splash.isNull() && !QApplication::overrideCursor());
        if (After >= Before) // unless midnight passed
            QVERIFY(ProgramRandom().GetSeed() >= Before && ProgramRandom().GetSeed() <= After);
        F.hide();
        ProgramRandom().SetSeed(7);
        F.show();
        QCOMPARE(ProgramRandom().GetSeed(), 7u);
    }

    // Every topic the dialogs may open has its anchor, once only, in the pages.
    void helpTopicsExist()
    {
        THelpWindow W; // loads the pages
        for (int Topic = htContents; Topic <= htTableSettings; ++Topic) {
            const QUrl Url = THelpWindow::TopicUrl(Topic);
            QFile Page(QLatin1Char(':') + Url.path());
            QVERIFY2(Page.open(QIODevice::ReadOnly), qPrintable(Url.toString()));
            QCOMPARE(Page.readAll().count("name=\"emne" + QByteArray::number(Topic) + '"'), 1);
        }
    }

    // The help menu's contents (F1) and search, a topic, and the search field.
    void help()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QMap<QString, QAction *> Items;
        for (QAction *Menu : F->menuBar()->actions())
            for (QAction *A : Menu->menu()->actions())
                Items[A->text()] = A;
        QCOMPARE(Items["Vejledning..."]->shortcut(), QKeySequence(Qt::Key_F1));
        Items["Vejledning..."]->trigger();
        QTextBrowser *B = F->HelpWindow()->Browser();
        QVERIFY(F->HelpWindow()->isVisible());
        QCOMPARE(B->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
        QVERIFY(B->toPlainText().contains(QStringLiteral("Indhold")));
        F->ShowHelp(htCalc);
        QCOMPARE(B->source().fragment(), QStringLiteral("emne2"));
        QVERIFY(B->toPlainText().contains(QStringLiteral("Beregnede tal")));
        Items["Søg efter..."]->trigger();
        QCOMPARE(B->source(), QUrl(QStringLiteral("qrc:/help/soeg.html")));
        auto *Edit = F->HelpWindow()->findChild<QLineEdit *>();
        QCOMPARE(Edit->text(), QString());
        // A word only on the topics page: the search moves there.
        QTest::keyClicks(Edit, QStringLiteral("kvadratrod"));
        QCOMPARE(B->source().path(), QStringLiteral("/help/emner.html"));
        QCOMPARE(B->textCursor().selectedText().toLower(), QStringLiteral("kvadratrod"));
    }

    void danishButtons()
    {
        if (!InstallDanishTranslation(*QCoreApplication::instance()))
            QSKIP("Qt's Danish translation is not installed (qt6-translations-l10n)");
        QMessageBox Box(QMessageBox::Question, QStringLiteral("Data er ændret"),
                        QStringLiteral("Skal ændringerne gemmes?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(Box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Annuller"));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
