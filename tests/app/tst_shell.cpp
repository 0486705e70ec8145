// Start-up details, help, the about box and Qt's Danish texts.
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
    void realNameDialogKeepsName()
    {
        QWidget Parent;
        TStandardDialogs D(&Parent);
        WhenModal([](QWidget *W) {
            auto *Dialog = qobject_cast<TNavnDlg *>(W);
            QVERIFY(Dialog);
            QCOMPARE(Dialog->windowTitle(), QStringLiteral("Navn på udskriften"));
            Dialog->NavnEdit->setText(QStringLiteral("Klasse 7b"));
            Dialog->accept();
        });
        QString Name;
        QVERIFY(D.PrintName(Name));
        QCOMPARE(Name, QStringLiteral("Klasse 7b"));
        // The next time the dialog starts from the last name; closing it is no OK.
        QString Shown;
        WhenModal([&Shown](QWidget *W) {
            auto *Dialog = qobject_cast<TNavnDlg *>(W);
            QVERIFY(Dialog);
            Shown = Dialog->NavnEdit->text();
            Dialog->reject();
        });
        QString Again = QStringLiteral("uændret");
        QVERIFY(!D.PrintName(Again));
        QCOMPARE(Shown, QStringLiteral("Klasse 7b"));
        QCOMPARE(Again, QStringLiteral("uændret"));
    }

    void demoStartDescribesColumnA()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D, {QStringLiteral(LUMEN_SOURCE_DIR "/examples/hoejder.lmt")});
        QTRY_VERIFY(F->Lumen().HasData());
        F->ShowDemo();
        auto *Edit = dynamic_cast<TDataEdit *>(F->ShownEditor());
        QVERIFY(Edit != nullptr);
        QCOMPARE(F->Lumen().SelCols, QVector<int32_t>({0}));
        QCOMPARE(Edit->View(), TEditorFrame::vwMixed);
        QCOMPARE(int(DescriptorOf(F->Lumen()).GetPaneKind(1)), int(bkHyppighedsgraf));
        // Once something is marked the start leaves the marks alone.
        F->ShowDemo();
        QCOMPARE(F->Lumen().SelCols, QVector<int32_t>({0}));
        QVERIFY(!F->Lumen().IsModified());
    }

    void splashWaitAndSeed()
    {
        TScriptedDialogs D;
        TLumenForm F(300);
        F.SetDialogs(&D);
        QPointer<QWidget> Splash = new QWidget;
        Splash->show();
        F.SetSplash(Splash);
        QVERIFY(QApplication::overrideCursor());
        ProgramRandom().SetSeed(7);
        const uint32_t Before = tRandom::TimeOfDaySeed();
        QElapsedTimer Clock;
        Clock.start();
        F.show();
        QVERIFY(Clock.elapsed() >= 300);
        const uint32_t After = tRandom::TimeOfDaySeed();
        QVERIFY(Splash.isNull());
        QVERIFY(!QApplication::overrideCursor());
        // Seeded from the time of day while showing (unless midnight passed).
        if (After >= Before) {
            QVERIFY(ProgramRandom().GetSeed() >= Before);
            QVERIFY(ProgramRandom().GetSeed() <= After);
        }
        QCOMPARE(F.ShownEditor(), F.Editor(dtObs));
        // Only the first showing does the start-up work.
        F.hide();
        ProgramRandom().SetSeed(7);
        F.show();
        QCOMPARE(ProgramRandom().GetSeed(), 7u);
    }

    void helpTopicsExist_data()
    {
        QTest::addColumn<int>("Topic");
        for (int T = htContents; T <= htTableSettings; ++T)
            QTest::addRow("%d", T) << T;
    }

    // Every topic the dialogs may open has its anchor in the pages.
    void helpTopicsExist()
    {
        QFETCH(int, Topic);
        const QUrl Url = THelpWindow::TopicUrl(Topic);
        THelpWindow W; // loads the pages
        QFile Page(QLatin1Char(':') + Url.path());
        QVERIFY2(Page.open(QIODevice::ReadOnly), qPrintable(Url.toString()));
        const QByteArray Html = Page.readAll();
        // The anchor is there, once only.
        QCOMPARE(Html.count(QStringLiteral("name=\"emne%1\"").arg(Topic).toLatin1()), 1);
    }

    void helpFromMenus()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QAction *Contents = nullptr;
        QAction *Search = nullptr;
        for (QAction *Menu : F->menuBar()->actions())
            if (Menu->menu())
                for (QAction *A : Menu->menu()->actions()) {
                    if (A->text() == QStringLiteral("Vejledning..."))
                        Contents = A;
                    if (A->text() == QStringLiteral("Søg efter..."))
                        Search = A;
                }
        QVERIFY(Contents && Search);
        QCOMPARE(Contents->shortcut(), QKeySequence(Qt::Key_F1));
        Contents->trigger();
        QVERIFY(F->HelpWindow() && F->HelpWindow()->isVisible());
        QCOMPARE(F->HelpWindow()->Browser()->source(),
                 QUrl(QStringLiteral("qrc:/help/index.html")));
        QVERIFY(F->HelpWindow()->Browser()->toPlainText().contains(QStringLiteral("Indhold")));
        Search->trigger();
        QCOMPARE(F->HelpWindow()->Browser()->source(), QUrl(QStringLiteral("qrc:/help/soeg.html")));
        QVERIFY(F->HelpWindow()->findChild<QLineEdit *>()->text().isEmpty());
        F->ShowHelp(htCalc);
        QCOMPARE(F->HelpWindow()->Browser()->source().fragment(), QStringLiteral("emne2"));
        QVERIFY(
            F->HelpWindow()->Browser()->toPlainText().contains(QStringLiteral("Beregnede tal")));
    }

    void helpSearchFindsWords()
    {
        THelpWindow W;
        W.ShowSearch();
        auto *Edit = W.findChild<QLineEdit *>();
        QVERIFY(Edit);
        // A word only on the topics page: the search moves there.
        QTest::keyClicks(Edit, QStringLiteral("kvadratrod"));
        QCOMPARE(W.Browser()->source().path(), QStringLiteral("/help/emner.html"));
        QCOMPARE(W.Browser()->textCursor().selectedText().toLower(), QStringLiteral("kvadratrod"));
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
