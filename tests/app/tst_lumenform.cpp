// The main window: start-up from the command line, captions, the data-type
// switch and the file commands with their questions and messages.
#include "support_app.h"

#include "InfoForm.h"

#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

using Button = QMessageBox::StandardButton;
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

// Columns Højde (1 decimal) and Navn; lines named after pupils.
static void FillClass(tLumen &L, int Lines, int First)
{
    L.SetColName(0, QStringLiteral("Højde"));
    L.SetColName(1, QStringLiteral("Navn"));
    L.SetDecimals(0, 1);
    for (int I = 0; I < Lines; ++I) {
        L.SetCellText(I, 0, QString::number(150 + First + I) + QStringLiteral(",26"));
        L.SetCellText(I, 1, QStringLiteral("elev") + QString::number(First + I));
        L.SetLineName(I, QStringLiteral("E") + QString::number(First + I));
    }
}

class TestLumenForm : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { InitAppTest(); }

  private:
    QTemporaryDir Dir;
    QString Path(const QString &Name) const { return Dir.filePath(Name); }

  private slots:
    void commandLineName_data()
    {
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<QString>("Expected");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("one") << QStringList{"/data/a.lmt"} << "/data/a.lmt";
        QTest::newRow("split at blanks")
            << QStringList{"/mine", "data/klasse", "7b.lmt"} << "/mine data/klasse 7b.lmt";
        QTest::newRow("quoted in pieces")
            << QStringList{"\"/mine", "data/x.lmt\""} << "/mine data/x.lmt";
        QTest::newRow("quotes inside") << QStringList{"/a\"b\".lmt"} << "/ab.lmt";
        QTest::newRow("only quotes") << QStringList{"\"\""} << QString();
    }

    void commandLineName()
    {
        QFETCH(QStringList, Arguments);
        QFETCH(QString, Expected);
        QCOMPARE(TLumenForm::CommandLineFileName(Arguments), Expected);
    }

    // The name arrives split at its blanks, as a shell passes it.
    void startUpOpensNamedFile()
    {
        QVERIFY(QDir(Dir.path()).mkpath(QStringLiteral("mine data")));
        const QString File =
            WriteLumenFile(Path(QStringLiteral("mine data/klasse 7b.lmt")), dtObs, [](tLumen &L) {
                L.SetColName(0, QStringLiteral("Højde"));
                L.SetCellText(0, 0, QStringLiteral("152"));
                L.SetCellText(1, 0, QStringLiteral("163,5"));
            });
        const QStringList Args = File.split(QLatin1Char(' '));
        TScriptedDialogs D;
        auto F = StartedForm(D, Args);
        QTRY_COMPARE(F->FileName(), File);
        QVERIFY(D.Asked.isEmpty());
        QCOMPARE(F->Lumen().GetColName(0), QStringLiteral("Højde"));
        QCOMPARE(F->Lumen().MaxLines(), 2);
        QVERIFY(!F->Lumen().IsModified());
        QCOMPARE(F->windowTitle(),
                 QStringLiteral("Lumentor - klasse 7b - Redigering af observationer"));
    }

    void startUpWithUnreadableFile_data()
    {
        QTest::addColumn<QByteArray>("Content"); // "-" for no file at all
        QTest::newRow("missing") << QByteArray("-");
        QTest::newRow("not a data file") << QByteArray("Tekst, ikke data\n1;2;3\n");
        QTest::newRow("cut short") << QByteArray("\x0cLumentor0002\x01\x00", 15);
    }

    void startUpWithUnreadableFile()
    {
        QFETCH(QByteArray, Content);
        const QString File = Path(QStringLiteral("ulæselig fil.lmt"));
        QFile::remove(File);
        if (Content != "-") {
            QFile Out(File);
            QVERIFY(Out.open(QIODevice::WriteOnly));
            Out.write(Content);
        }
        TScriptedDialogs D;
        auto F = StartedForm(D, {File});
        QTRY_COMPARE(D.Asked.size(), 1);
        QCOMPARE(D.Asked[0].Text, QStringLiteral("Kunne ikke læse data"));
        QCOMPARE(D.Asked[0].Title, QStringLiteral("Fejl"));
        QCOMPARE(D.Asked[0].Icon, QMessageBox::Critical);
        QCOMPARE(F->FileName(), QString());
        QVERIFY(!F->Lumen().HasData());
        QCOMPARE(DataType, dtObs);
        QVERIFY(F->ShownEditor() && F->ShownEditor()->EditorType() == dtObs);
        QCOMPARE(F->windowTitle(), QStringLiteral("Lumentor - Redigering af observationer"));
    }

    void startsInObservationEditor()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QVERIFY(F->Started());
        // The observation editor is shown; its menus are the main window's.
        const QList<QAction *> Own = F->menuBar()->actions();
        QCOMPARE(Own, F->Editor(dtObs)->EditorMenuBar()->actions());
    }

    void captionFollowsFileAndEditor()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->SetDataType(dtHyp);
        QCOMPARE(F->windowTitle(), QStringLiteral("Lumentor - Redigering af hyppigheder"));
        F->SetDataType(dtGrup);
        QCOMPARE(F->windowTitle(), QStringLiteral("Lumentor - Redigering af grupperinger"));

        D.FileNames.enqueue(Path(QStringLiteral("karakterer.lmt")));
        F->SaveDocumentAs();
        QCOMPARE(F->windowTitle(),
                 QStringLiteral("Lumentor - karakterer - Redigering af grupperinger"));
        F->SetDataType(dtObs);
        QCOMPARE(F->windowTitle(),
                 QStringLiteral("Lumentor - karakterer - Redigering af observationer"));

        // Opening takes the editor from the file; only the last extension goes.
        const QString File =
            WriteLumenFile(Path(QStringLiteral("uge.2.lmt")), dtHyp, [](tLumen &L) {
                L.SetHypObsText(0, 0, QStringLiteral("4"));
                L.SetHypFreqText(0, 0, QStringLiteral("7"));
            });
        D.FileNames.enqueue(File);
        F->OpenDocument();
        QCOMPARE(F->windowTitle(), QStringLiteral("Lumentor - uge.2 - Redigering af hyppigheder"));
        QCOMPARE(F->ShownEditor(), F->Editor(dtHyp));
        QCOMPARE(DataType, dtHyp);

        // New drops the file part.
        F->NewDocument(dtObs);
        QCOMPARE(F->windowTitle(), QStringLiteral("Lumentor - Redigering af observationer"));
    }

    void switchingTypesKeepsData()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        tLumen *Before = &F->Lumen();
        F->Lumen().SetCellText(2, 3, QStringLiteral("17"));
        F->Lumen().SetHypObsText(0, 1, QStringLiteral("5"));
        F->SetDataType(dtHyp);
        QCOMPARE(DataType, dtHyp);
        F->SetDataType(dtObs);
        QCOMPARE(&F->Lumen(), Before);
        QCOMPARE(F->Lumen().GetCellText(2, 3), QStringLiteral("17"));
        QCOMPARE(F->Lumen().UsedHypColumns(), 2);
        QVERIFY(D.Asked.isEmpty());
    }

    void hideEditorRestoresOwnMenu()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->HideEditor();
        QCOMPARE(DataType, dtNone);
        QCOMPARE(F->ShownEditor(), nullptr);
        QCOMPARE(F->windowTitle(), QStringLiteral("Lumentor"));
        const QList<QAction *> Menus = F->menuBar()->actions();
        QCOMPARE(Menus.size(), 2);
        QCOMPARE(Menus[0]->text(), QStringLiteral("&Filer"));
        // Its "Ny" starts an observation data set.
        QAction *New = Menus[0]->menu()->actions().value(0);
        QVERIFY(New);
        QCOMPARE(New->text(), QStringLiteral("Ny"));
        New->trigger();
        QCOMPARE(F->ShownEditor(), F->Editor(dtObs));
    }

    void saveQuestion_data()
    {
        QTest::addColumn<int>("Command"); // 0 New, 1 Open, 2 close
        QTest::addColumn<Button>("Answer");
        QTest::addColumn<bool>("SaveNamed"); // after Yes: a name is given in the save dialog
        QTest::addColumn<bool>("Replaced");  // the command went on
        for (int Command : {0, 1, 2}) {
            const char *Name = Command == 0 ? "new" : Command == 1 ? "open" : "close";
            QTest::addRow("%s yes", Name) << Command << QMessageBox::Yes << true << true;
            QTest::addRow("%s yes, save cancelled", Name)
                << Command << QMessageBox::Yes << false << false;
            QTest::addRow("%s no", Name) << Command << QMessageBox::No << false << true;
            QTest::addRow("%s cancel", Name) << Command << QMessageBox::Cancel << false << false;
        }
    }

    void saveQuestion()
    {
        QFETCH(int, Command);
        QFETCH(Button, Answer);
        QFETCH(bool, SaveNamed);
        QFETCH(bool, Replaced);
        const QString Other =
            WriteLumenFile(Path(QStringLiteral("anden.lmt")), dtObs,
                           [](tLumen &L) { L.SetCellText(0, 0, QStringLiteral("99")); });
        const QString First = Path(QStringLiteral("første.lmt"));
        const QString Target = Path(QStringLiteral("gemt.lmt"));
        QFile::remove(Target);

        TScriptedDialogs D;
        auto F = StartedForm(D);
        D.FileNames.enqueue(First);
        F->SaveDocumentAs();
        F->Lumen().SetCellText(0, 0, QStringLiteral("1"));
        QVERIFY(F->Lumen().IsModified());

        D.Asked.clear();
        D.FilesAsked.clear();
        D.Answers.enqueue(Answer);
        if (SaveNamed)
            D.FileNames.enqueue(Target);
        else if (Answer == QMessageBox::Yes)
            D.FileNames.enqueue(QString()); // the save dialog is cancelled
        if (Command == 1)
            D.FileNames.enqueue(Other);
        if (Command == 0)
            F->NewDocument(dtObs);
        else if (Command == 1)
            F->OpenDocument();
        else
            QCOMPARE(F->close(), Replaced);

        QCOMPARE(D.Asked.size(), 1);
        QCOMPARE(D.Asked[0].Text, QStringLiteral("Skal ændringerne gemmes?"));
        QCOMPARE(D.Asked[0].Title, QStringLiteral("Data er ændret"));
        QCOMPARE(D.Asked[0].Icon, QMessageBox::Question);
        QCOMPARE(D.Asked[0].Buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

        // Yes always shows the save dialog, filled with the current name.
        const bool AskedSave = !D.FilesAsked.isEmpty() && D.FilesAsked[0].Save;
        QCOMPARE(AskedSave, Answer == QMessageBox::Yes);
        if (AskedSave) {
            QCOMPARE(D.FilesAsked[0].Caption, QStringLiteral("Gem som"));
            QCOMPARE(D.FilesAsked[0].InitialName, First);
        }
        QCOMPARE(QFile::exists(Target), SaveNamed);
        if (SaveNamed) {
            std::unique_ptr<tLumen> Saved = tLumen::CreateFromFile(Target);
            QVERIFY(!Saved->ReadFailed());
            QCOMPARE(Saved->GetCellText(0, 0), QStringLiteral("1"));
        }
        if (!Replaced) {
            QCOMPARE(F->Lumen().GetCellText(0, 0), QStringLiteral("1"));
            QVERIFY(F->Lumen().IsModified());
            QCOMPARE(F->FileName(), First);
            QCOMPARE(D.FilesAsked.size(), AskedSave ? 1 : 0); // no open dialog
        } else if (Command == 2) {
            QVERIFY(!F->isVisible());
        } else if (Command == 0) {
            QVERIFY(!F->Lumen().HasData());
            QCOMPARE(F->FileName(), QString());
        } else {
            QCOMPARE(F->Lumen().GetCellText(0, 0), QStringLiteral("99"));
            QCOMPARE(F->FileName(), Other);
            QCOMPARE(D.FilesAsked.last().Caption, QStringLiteral("Åbn"));
            QCOMPARE(D.FilesAsked.last().Filter, QStringLiteral("Lumentor datafiler (*.lmt)"));
        }
    }

    void failedSaveKeepsData_data()
    {
        QTest::addColumn<int>("Command"); // 0 New, 1 Open, 2 close
        QTest::addColumn<int>("Failure"); // 0 read-only, 1 a folder that does not exist
        QTest::newRow("new, read-only") << 0 << 0;
        QTest::newRow("open, cannot write") << 1 << 1;
        QTest::newRow("close, read-only") << 2 << 0;
        QTest::newRow("close, cannot write") << 2 << 1;
    }

    // Yes to the save question and then no save: the data stay.
    void failedSaveKeepsData()
    {
        QFETCH(int, Command);
        QFETCH(int, Failure);
        const bool ReadOnly = Failure == 0;
        const QString Locked = Path(QStringLiteral("låst.lmt"));
        if (!QFile::exists(Locked)) {
            WriteLumenFile(Locked, dtObs, {});
            QVERIFY(QFile::setPermissions(Locked, QFile::ReadOwner | QFile::ReadGroup));
        }
        const QString Other = WriteLumenFile(Path(QStringLiteral("andet.lmt")), dtObs, {});
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->Lumen().SetCellText(0, 0, QStringLiteral("42"));
        D.Answers.enqueue(QMessageBox::Yes);
        D.FileNames.enqueue(ReadOnly ? Locked : Path(QStringLiteral("ingen mappe/x.lmt")));
        D.FileNames.enqueue(Other);
        bool Closed = false;
        if (Command == 0)
            F->NewDocument(dtObs);
        else if (Command == 1)
            F->OpenDocument();
        else
            Closed = F->close();
        QVERIFY(!Closed);
        QCOMPARE(D.Asked.size(), 2);
        QCOMPARE(D.Asked[1].Text, ReadOnly ? QStringLiteral("Gem filen med et andet navn")
                                           : QStringLiteral("Kunne ikke gemme data"));
        QCOMPARE(D.Asked[1].Icon, ReadOnly ? QMessageBox::Information : QMessageBox::Critical);
        QCOMPARE(F->Lumen().GetCellText(0, 0), QStringLiteral("42"));
        QVERIFY(F->Lumen().IsModified());
        QCOMPARE(D.FilesAsked.size(), 1); // no open dialog after the failure
    }

    void unmodifiedAsksNothing()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QCOMPARE(F->QuerySave(), QMessageBox::No);
        F->NewDocument(dtGrup);
        QVERIFY(D.Asked.isEmpty());
        QCOMPARE(F->ShownEditor(), F->Editor(dtGrup));
    }

    void saveAsksNameOnlyFirstTime()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->Lumen().SetColName(1, QStringLiteral("Øjne"));
        F->Lumen().SetCellText(0, 1, QStringLiteral("blå"));
        F->Lumen().SetCellText(1, 1, QStringLiteral("2,5"));
        const QString Target = Path(QStringLiteral("gem to gange.lmt"));
        D.FileNames.enqueue(Target);
        F->SaveDocument();
        QCOMPARE(D.FilesAsked.size(), 1);
        QCOMPARE(D.FilesAsked[0].Caption, QStringLiteral("Gem som"));
        QCOMPARE(D.FilesAsked[0].DefaultSuffix, QStringLiteral("lmt"));
        QCOMPARE(F->FileName(), Target);
        QVERIFY(!F->Lumen().IsModified());

        F->Lumen().SetCellText(2, 1, QStringLiteral("7"));
        F->SaveDocument();
        QCOMPARE(D.FilesAsked.size(), 1);
        QVERIFY(!F->Lumen().IsModified());
        QVERIFY(D.Asked.isEmpty());
        std::unique_ptr<tLumen> Back = tLumen::CreateFromFile(Target);
        QVERIFY(!Back->ReadFailed());
        QCOMPARE(Back->GetColName(1), QStringLiteral("Øjne"));
        QCOMPARE(Back->GetCellState(0, 1), csText);
        QCOMPARE(Back->GetCellText(2, 1), QStringLiteral("7"));
    }

    void readOnlyFile()
    {
        const QString Target = Path(QStringLiteral("skrivebeskyttet.lmt"));
        QFile::remove(Target);
        WriteLumenFile(Target, dtObs, [](tLumen &L) { L.SetCellText(0, 0, QStringLiteral("3")); });
        QVERIFY(
            QFile::setPermissions(Target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QFile In(Target);
        QVERIFY(In.open(QIODevice::ReadOnly));
        const QByteArray Before = In.readAll();
        In.close();

        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->OpenFile(Target);
        QCOMPARE(F->FileName(), Target);
        F->Lumen().SetCellText(0, 0, QStringLiteral("4"));
        F->SaveDocument();
        QCOMPARE(D.Asked.size(), 1);
        QCOMPARE(D.Asked[0].Text, QStringLiteral("Gem filen med et andet navn"));
        QCOMPARE(D.Asked[0].Title, QStringLiteral("Skrivebeskyttet fil"));
        QCOMPARE(D.Asked[0].Icon, QMessageBox::Information);
        QCOMPARE(F->FileName(), QString());
        // The caption no longer names the file.
        QCOMPARE(F->windowTitle(), QStringLiteral("Lumentor - Redigering af observationer"));
        QVERIFY(F->Lumen().IsModified());
        QVERIFY(In.open(QIODevice::ReadOnly));
        QCOMPARE(In.readAll(), Before);
        In.close();

        // The next save asks for a name.
        const QString Elsewhere = Path(QStringLiteral("skrivbar.lmt"));
        D.FileNames.enqueue(Elsewhere);
        F->SaveDocument();
        QCOMPARE(D.FilesAsked.size(), 1);
        QCOMPARE(F->FileName(), Elsewhere);
        QVERIFY(!F->Lumen().IsModified());
        QFile::setPermissions(Target, QFile::ReadOwner | QFile::WriteOwner);
    }

    void openDialogCancelled()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        D.FileNames.enqueue(Path(QStringLiteral("før.lmt")));
        F->SaveDocumentAs();
        F->Lumen().SetCellText(0, 0, QStringLiteral("2"));
        D.Answers.enqueue(QMessageBox::No);
        F->OpenDocument(); // no file chosen
        QCOMPARE(F->FileName(), Path(QStringLiteral("før.lmt")));
        QCOMPARE(F->Lumen().GetCellText(0, 0), QStringLiteral("2"));
    }

    void appendLines()
    {
        const QString File = WriteLumenFile(Path(QStringLiteral("flere.lmt")), dtObs,
                                            [](tLumen &L) { FillClass(L, 2, 10); });
        TScriptedDialogs D;
        auto F = StartedForm(D);
        FillClass(F->Lumen(), 3, 0);
        D.FileNames.enqueue(File);
        QVERIFY(F->AppendLines());
        QVERIFY(D.Asked.isEmpty());
        QCOMPARE(D.FilesAsked.size(), 1);
        QCOMPARE(D.FilesAsked[0].Caption, QStringLiteral("Tilføj"));
        QCOMPARE(DataType, dtObs);
        tLumen &L = F->Lumen();
        QCOMPARE(L.MaxLines(), 5);
        // The numbers arrive as the other file showed them: one decimal.
        Extended V = 0;
        TCellState S;
        V = L.GetCellValue(3, 0, S);
        QCOMPARE(S, csNumber);
        QCOMPARE(double(V), 160.3);
        QCOMPARE(L.GetCellState(4, 1), csText);
        QCOMPARE(L.GetCellText(4, 1), QStringLiteral("elev11"));
        QCOMPARE(L.GetLineName(3), QStringLiteral("E10"));
        QCOMPARE(L.GetLineName(2), QStringLiteral("E2"));
    }

    void appendColumns()
    {
        const QString File =
            WriteLumenFile(Path(QStringLiteral("søjler.lmt")), dtObs, [](tLumen &L) {
                FillClass(L, 3, 0);
                L.SetColName(0, QStringLiteral("Vægt"));
                L.SetComment(0, QStringLiteral("kg"));
            });
        TScriptedDialogs D;
        auto F = StartedForm(D);
        FillClass(F->Lumen(), 3, 0);
        D.FileNames.enqueue(File);
        QVERIFY(F->AppendColumns());
        tLumen &L = F->Lumen();
        QCOMPARE(L.UsedColumns(), 4);
        QCOMPARE(L.GetColName(2), QStringLiteral("Vægt"));
        QCOMPARE(L.GetColName(3), QStringLiteral("Navn"));
        QCOMPARE(L.GetCellText(1, 3), QStringLiteral("elev1"));
        // Only names and cells: no comment, no decimals.
        QCOMPARE(L.GetComment(2), QString());
        // A number arrives as the other file showed it, with one decimal.
        TCellState S;
        QCOMPARE(double(L.GetCellValue(0, 2, S)), 150.3);
        QCOMPARE(S, csNumber);
        QCOMPARE(L.MaxLines(), 3);
    }

    void appendRefused_data()
    {
        QTest::addColumn<bool>("Lines"); // appended below, else to the right
        QTest::addColumn<int>("Case");
        QTest::addColumn<QString>("Message"); // "" for none
        const QString Cols = QStringLiteral("De nye data passer ikke til søjlerne");
        const QString Rows = QStringLiteral("De nye data passer ikke til linjerne");
        QTest::newRow("cancelled") << true << 0 << QString();
        QTest::newRow("unreadable") << true << 1 << QStringLiteral("Kunne ikke læse data");
        QTest::newRow("frequency file") << true << 2 << Cols;
        QTest::newRow("names in other order") << true << 3 << Cols;
        QTest::newRow("names differ in case") << true << 5 << Cols;
        QTest::newRow("grouped file") << false << 6 << Rows;
        QTest::newRow("fewer lines") << false << 7 << Rows;
        QTest::newRow("other line name") << false << 8 << Rows;
    }

    void appendRefused()
    {
        QFETCH(bool, Lines);
        QFETCH(int, Case);
        QFETCH(QString, Message);
        const QString File = Path(QStringLiteral("tilføj %1.lmt").arg(Case));
        QFile::remove(File);
        if (Case == 1) {
            QFile Out(File);
            QVERIFY(Out.open(QIODevice::WriteOnly));
            Out.write("Lumentor");
        } else if (Case != 0) {
            WriteLumenFile(File,
                           Case == 2   ? dtHyp
                           : Case == 6 ? dtGrup
                                       : dtObs,
                           [Case](tLumen &L) {
                               FillClass(L, Case == 7 ? 2 : 3, 0);
                               if (Case == 3)
                                   L.SwapColumns(0, 1);
                               if (Case == 5)
                                   L.SetColName(1, QStringLiteral("navn"));
                               if (Case == 8)
                                   L.SetLineName(1, QStringLiteral("X"));
                           });
        }
        TScriptedDialogs D;
        auto F = StartedForm(D);
        FillClass(F->Lumen(), 3, 0);
        F->Lumen().ClearModified();
        if (Case != 0)
            D.FileNames.enqueue(File);
        QVERIFY(Lines ? !F->AppendLines() : !F->AppendColumns());
        QCOMPARE(DataType, dtObs);
        QCOMPARE(F->Lumen().MaxLines(), 3);
        QCOMPARE(F->Lumen().UsedColumns(), 2);
        QVERIFY(!F->Lumen().IsModified());
        if (Message.isEmpty()) {
            QVERIFY(D.Asked.isEmpty());
        } else {
            QCOMPARE(D.Asked.size(), 1);
            QCOMPARE(D.Asked[0].Text, Message);
            QCOMPARE(D.Asked[0].Title, QStringLiteral("Fejl"));
            QCOMPARE(D.Asked[0].Icon, QMessageBox::Critical);
        }
    }

    void appendColumnsDropsBeyondZ()
    {
        const QString File = WriteLumenFile(Path(QStringLiteral("ti.lmt")), dtObs, [](tLumen &L) {
            for (int C = 0; C < 10; ++C) {
                L.SetColName(C, QStringLiteral("F%1").arg(C));
                L.SetCellText(0, C, QString::number(100 + C));
            }
        });
        TScriptedDialogs D;
        auto F = StartedForm(D);
        for (int C = 0; C < 20; ++C)
            F->Lumen().SetCellText(0, C, QString::number(C));
        D.FileNames.enqueue(File);
        QVERIFY(F->AppendColumns());
        QCOMPARE(F->Lumen().UsedColumns(), 26);
        QCOMPARE(F->Lumen().GetColName(20), QStringLiteral("F0"));
        QCOMPARE(F->Lumen().GetColName(25), QStringLiteral("F5"));
        QCOMPARE(F->Lumen().GetCellText(0, 25), QStringLiteral("105"));
    }
};

QTEST_MAIN(TestLumenForm)
#include "tst_lumenform.moc"
