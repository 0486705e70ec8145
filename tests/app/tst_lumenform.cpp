// The main window: start-up from the command line (the sample files among
// them), captions, the data-type switch and the file commands with their
// questions and messages.
#include "support_app.h"

#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>
#include <tuple>

using Button = QMessageBox::StandardButton;
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace
{
const QString AskSave = QStringLiteral("(?) Data er ændret: Skal ændringerne gemmes?");
const QString ReadOnlyNote = QStringLiteral("(i) Skrivebeskyttet fil: Gem filen med et andet navn");
const QString Obs = QStringLiteral("Redigering af observationer");
} // namespace

class TestLumenForm : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;
    QString Path(const QString &Name) const { return Name.isEmpty() ? Name : Dir.filePath(Name); }

  private slots:
    void initTestCase() { InitAppTest(); }

    // The file named on the command line opens in the editor of its type;
    // one that cannot be read leaves an empty observation editor.
    void startUp_data()
    {
        QTest::addColumn<QString>("File");       // examples/..., else written here
        QTest::addColumn<QByteArray>("Content"); // "" a data file, "-" none
        QTest::addColumn<QString>("Caption");
        QTest::addColumn<int>("Columns"); // of the data type shown
        QTest::addColumn<int>("Lines");
        QTest::addColumn<bool>("Computed"); // observation column C
        for (auto [Name, Columns, Lines, Computed, Editor] :
             {std::tuple("hoejder", 2, 24, false, "observationer"),
              std::tuple("terninger", 3, 60, true, "observationer"),
              std::tuple("karakterer", 3, 20, false, "observationer"),
              std::tuple("karakterfordeling", 2, 7, false, "hyppigheder"),
              std::tuple("hoejdeklasser", 1, 8, false, "grupperinger")})
            QTest::newRow(Name) << "examples/" + QString(Name) + ".lmt" << QByteArray()
                                << "Lumentor - " + QString(Name) + " - Redigering af " + Editor
                                << Columns << Lines << Computed;
        QTest::newRow("quoted, with blanks") << "mine data/klasse 7b.lmt" << QByteArray()
                                             << "Lumentor - klasse 7b - " + Obs << 1 << 2 << false;
        const QString Empty = "Lumentor - " + Obs;
        QTest::newRow("missing") << "ulæselig.lmt" << QByteArray("-") << Empty << 0 << 0 << false;
        QTest::newRow("not a data file")
            << "ulæselig.lmt" << QByteArray("Tekst, ikke data\n1;2;3\n") << Empty << 0 << 0
            << false;
        QTest::newRow("cut short") << "ulæselig.lmt" << QByteArray("\x0cLumentor0002\x01\x00", 15)
                                   << Empty << 0 << 0 << false;
    }

    void startUp()
    {
        QFETCH(QString, File);
        QFETCH(QByteArray, Content);
        QFETCH(QString, Caption);
        QFETCH(int, Columns);
        QFETCH(int, Lines);
        QFETCH(bool, Computed);
        if (File.startsWith(QLatin1String("examples/"))) {
            File = QStringLiteral(LUMEN_SOURCE_DIR "/") + File;
        } else {
            File = Path(File);
            QFile::remove(File);
            QVERIFY(QDir(Dir.path()).mkpath(QStringLiteral("mine data")));
            QFile Out(File);
            if (Content.isEmpty())
                WriteLumenFile(File, dtObs, [](tLumen &L) {
                    L.SetCellText(0, 0, QStringLiteral("152"));
                    L.SetCellText(1, 0, QStringLiteral("163,5"));
                });
            else if (Content != "-")
                QVERIFY(Out.open(QIODevice::WriteOnly) && Out.write(Content) == Content.size());
        }
        TScriptedDialogs D;
        // The name arrives quoted and split at its blanks, as a shell may pass it.
        auto F = StartedForm(D, ('"' + File + '"').split(QLatin1Char(' ')));
        QTRY_VERIFY(!F->FileName().isEmpty() || !D.Asked.isEmpty());
        const bool Failed = Columns == 0;
        QCOMPARE(Messages(D),
                 Failed ? QStringList{"(x) Fejl: Kunne ikke læse data"} : QStringList());
        QCOMPARE(F->FileName(), Failed ? QString() : File);
        QCOMPARE(F->windowTitle(), Caption);
        const tLumen &L = F->Lumen();
        const std::pair<int, int> Size =
            DataType == dtHyp    ? std::pair(L.UsedHypColumns(), L.MaxHypLines())
            : DataType == dtGrup ? std::pair(L.UsedGrupColumns(), L.MaxGrupLines())
                                 : std::pair(L.UsedColumns(), L.MaxLines());
        QCOMPARE(Size, std::pair(Columns, Lines));
        QCOMPARE(L.IsComputed(2), Computed);
        QVERIFY(!L.IsModified());
    }

    // One window through a series of commands: the caption names the file
    // (without its last extension) and the editor shown; switching editors
    // keeps the data and asks nothing.
    void captionFollowsFileAndEditor()
    {
        const QString Week = WriteLumenFile(Path("uge.2.lmt"), dtHyp, [](tLumen &L) {
            L.SetHypObsText(0, 0, QStringLiteral("4"));
            L.SetHypFreqText(0, 0, QStringLiteral("7"));
        });
        TScriptedDialogs D;
        D.FileNames << Path("karakterer.lmt") << Week;
        auto F = StartedForm(D);
        F->Lumen().SetCellText(2, 3, QStringLiteral("17"));
        const struct {
            const char *Step, *Caption, *D3;
        } Script[] = {
            {"hyp", "Lumentor - Redigering af hyppigheder", "17"},
            {"grup", "Lumentor - Redigering af grupperinger", "17"},
            {"save as", "Lumentor - karakterer - Redigering af grupperinger", "17"},
            {"obs", "Lumentor - karakterer - Redigering af observationer", "17"},
            {"open", "Lumentor - uge.2 - Redigering af hyppigheder", ""},
            {"new", "Lumentor - Redigering af observationer", ""},
            {"hide", "Lumentor", ""},
        };
        QStringList Got, Expected;
        for (const auto &S : Script) {
            const QString Step = QLatin1String(S.Step);
            if (Step == "hyp" || Step == "grup" || Step == "obs")
                F->SetDataType(Step == "hyp" ? dtHyp : Step == "grup" ? dtGrup : dtObs);
            else if (Step == "save as")
                F->SaveDocumentAs();
            else if (Step == "open")
                F->OpenDocument();
            else if (Step == "new")
                F->NewDocument(dtObs);
            else
                F->HideEditor();
            QVERIFY2(F->ShownEditor() == F->Editor(DataType), S.Step);
            Got << Step + ": " + F->windowTitle() + ", D3 " + F->Lumen().GetCellText(2, 3);
            Expected << Step + ": " + S.Caption + ", D3 " + S.D3;
        }
        QCOMPARE(Got, Expected);
        QCOMPARE(DataType, dtNone);
        QCOMPARE(F->menuBar()->actions().size(), 2); // its own Filer and Hjælp
        QVERIFY(D.Asked.isEmpty());
    }

    // New, Open and closing the window with the data saved as første.lmt
    // (A1 = 1) and then changed (A1 = 2), and the save question answered.
    void saveQuestion_data()
    {
        QTest::addColumn<int>("Command"); // 0 New, 1 Open, 2 close
        QTest::addColumn<bool>("Modified");
        QTest::addColumn<Button>("Answer");
        QTest::addColumn<QString>("SaveName");    // given in the save dialog
        QTest::addColumn<QString>("OpenName");    // given in the open dialog
        QTest::addColumn<QStringList>("Asked");   // the messages shown
        QTest::addColumn<QStringList>("Dialogs"); // the file dialogs shown
        QTest::addColumn<bool>("Went");           // the command went on
        QTest::addColumn<QString>("Name");        // the file name afterwards
        const QString Save = QStringLiteral("Gem som"), Open = QStringLiteral("Åbn");
        const QString First = QStringLiteral("første.lmt"), Other = QStringLiteral("anden.lmt");
        for (int C : {0, 1, 2}) {
            const char *Cmd = C == 0 ? "new" : C == 1 ? "open" : "close";
            const QStringList Opened = C == 1 ? QStringList{Open} : QStringList();
            const QString After = C == 0 ? QString() : C == 1 ? Other : First;
            QTest::addRow("%s yes", Cmd)
                << C << true << Button::Yes << "gemt.lmt" << Other << QStringList{AskSave}
                << QStringList{Save} + Opened << true << (C == 2 ? "gemt.lmt" : After);
            QTest::addRow("%s yes, save cancelled", Cmd)
                << C << true << Button::Yes << "" << Other << QStringList{AskSave}
                << QStringList{Save} << false << First;
            QTest::addRow("%s no", Cmd) << C << true << Button::No << "" << Other
                                        << QStringList{AskSave} << Opened << true << After;
            QTest::addRow("%s cancel", Cmd)
                << C << true << Button::Cancel << "" << Other << QStringList{AskSave}
                << QStringList() << false << First;
            QTest::addRow("%s unmodified", Cmd) << C << false << Button::Cancel << "" << Other
                                                << QStringList() << Opened << true << After;
            // Yes and then no save: the data stay.
            QTest::addRow("%s yes, read-only", Cmd)
                << C << true << Button::Yes << "låst.lmt" << Other
                << QStringList{AskSave, ReadOnlyNote} << QStringList{Save} << false << "";
            QTest::addRow("%s yes, cannot write", Cmd)
                << C << true << Button::Yes << "ingen mappe/x.lmt" << Other
                << QStringList{AskSave, "(x) Fejl: Kunne ikke gemme data"} << QStringList{Save}
                << false << "ingen mappe/x.lmt";
        }
        QTest::newRow("open no, cancelled")
            << 1 << true << Button::No << ""
            << "" << QStringList{AskSave} << QStringList{Open} << false << First;
    }

    void saveQuestion()
    {
        QFETCH(int, Command);
        QFETCH(bool, Modified);
        QFETCH(Button, Answer);
        QFETCH(QString, SaveName);
        QFETCH(QString, OpenName);
        QFETCH(QStringList, Asked);
        QFETCH(QStringList, Dialogs);
        QFETCH(bool, Went);
        QFETCH(QString, Name);
        WriteLumenFile(Path("anden.lmt"), dtObs,
                       [](tLumen &L) { L.SetCellText(0, 0, QStringLiteral("99")); });
        if (!QFile::exists(Path("låst.lmt"))) {
            WriteLumenFile(Path("låst.lmt"), dtObs, {});
            QVERIFY(QFile::setPermissions(Path("låst.lmt"), QFile::ReadOwner | QFile::ReadGroup));
        }
        QFile::remove(Path("gemt.lmt"));
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->Lumen().SetCellText(0, 0, QStringLiteral("1"));
        D.FileNames.enqueue(Path("første.lmt"));
        F->SaveDocumentAs();
        if (Modified)
            F->Lumen().SetCellText(0, 0, QStringLiteral("2"));
        D.FilesAsked.clear();
        D.Answers.enqueue(Answer);
        if (Answer == Button::Yes)
            D.FileNames.enqueue(Path(SaveName));
        D.FileNames.enqueue(Path(OpenName));
        bool Closed = false;
        if (Command == 0)
            F->NewDocument(dtObs);
        else if (Command == 1)
            F->OpenDocument();
        else
            Closed = F->close();

        QCOMPARE(Messages(D), Asked);
        if (!Asked.isEmpty())
            QCOMPARE(D.Asked[0].Buttons, Button::Yes | Button::No | Button::Cancel);
        QStringList Captions;
        for (const TScriptedDialogs::tFileAsked &A : D.FilesAsked) {
            Captions << A.Caption;
            QCOMPARE(A.Filter, QStringLiteral("Lumentor datafiler (*.lmt)"));
            QCOMPARE(A.DefaultSuffix, QStringLiteral("lmt"));
            // The save dialog starts from the current name.
            QCOMPARE(A.InitialName, A.Save ? Path("første.lmt") : QString());
        }
        QCOMPARE(Captions, Dialogs);
        QCOMPARE(F->FileName(), Path(Name));
        QCOMPARE(Closed, Went && Command == 2);
        QCOMPARE(F->isVisible(), !Closed);
        const QString A1 = F->Lumen().GetCellText(0, 0);
        const char *Kept = !Went || Modified ? "2" : "1";
        QCOMPARE(A1, QString::fromUtf8(Command == 0 && Went   ? ""
                                       : Command == 1 && Went ? "99"
                                                              : Kept));
        // Kept data stay changed; so do those of a window closed unsaved.
        QCOMPARE(F->Lumen().IsModified(),
                 Modified && (!Went || (Command == 2 && Answer == Button::No)));
        QCOMPARE(QFile::exists(Path("gemt.lmt")), SaveName == "gemt.lmt" && Went);
        if (SaveName == "gemt.lmt" && Went)
            QCOMPARE(tLumen::CreateFromFile(Path("gemt.lmt"))->GetCellText(0, 0),
                     QStringLiteral("2"));
    }

    // Save asks for a name only while the data set has none; a read-only
    // file loses its name (and the caption with it) instead of being written.
    void save_data()
    {
        QTest::addColumn<bool>("ReadOnly");
        QTest::newRow("unnamed") << false;
        QTest::newRow("read-only") << true;
    }

    void save()
    {
        QFETCH(bool, ReadOnly);
        const QString Locked = Path("skrivebeskyttet.lmt");
        const QString Target = Path(ReadOnly ? "skrivbar.lmt" : "gem to gange.lmt");
        QFile::remove(Target);
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QByteArray Before;
        if (ReadOnly) {
            QFile::remove(Locked);
            WriteLumenFile(Locked, dtObs,
                           [](tLumen &L) { L.SetCellText(0, 0, QStringLiteral("3")); });
            QVERIFY(QFile::setPermissions(Locked, QFile::ReadOwner | QFile::ReadOther));
            QFile In(Locked);
            QVERIFY(In.open(QIODevice::ReadOnly));
            Before = In.readAll();
            F->OpenFile(Locked);
        }
        F->Lumen().SetColName(1, QStringLiteral("Øjne"));
        F->Lumen().SetCellText(0, 1, QStringLiteral("blå"));
        F->Lumen().SetCellText(1, 1, QStringLiteral("2,5"));
        D.FileNames.enqueue(Target);
        F->SaveDocument();
        QCOMPARE(Messages(D), ReadOnly ? QStringList{ReadOnlyNote} : QStringList());
        QCOMPARE(F->FileName(), ReadOnly ? QString() : Target);
        QCOMPARE(F->Lumen().IsModified(), ReadOnly);
        QCOMPARE(D.FilesAsked.size(), ReadOnly ? 0 : 1);
        if (ReadOnly) {
            QCOMPARE(F->windowTitle(), "Lumentor - " + Obs);
            QFile In(Locked);
            QVERIFY(In.open(QIODevice::ReadOnly));
            QCOMPARE(In.readAll(), Before);
        }
        F->Lumen().SetCellText(2, 1, QStringLiteral("7"));
        F->SaveDocument();
        QCOMPARE(D.FilesAsked.size(), 1);
        QCOMPARE(D.FilesAsked[0].Caption, QStringLiteral("Gem som"));
        QCOMPARE(F->FileName(), Target);
        QVERIFY(!F->Lumen().IsModified());
        const QStringList Expected{"B=Øjne", "B1=blå", "B2=2.5", "B3=7"};
        QCOMPARE(Probe(*tLumen::CreateFromFile(Target), Expected), Expected);
        QFile::setPermissions(Locked, QFile::ReadOwner | QFile::WriteOwner);
    }
};

QTEST_MAIN(TestLumenForm)
#include "tst_lumenform.moc"
