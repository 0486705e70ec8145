// The main window: start-up from the command line (the sample files among
// them), captions, the file commands with their questions and messages, and
// "Tilføj Lumentor-fil" with the shortcuts of the observation editor.
#include "support_app.h"

#include "DataEdit.h"
#include "GridView.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>
#include <tuple>

using Button = QMessageBox::StandardButton;
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace
{
const QString AskSave = QStringLiteral("(?) Data er ændret: Skal ændringerne gemmes?");
const QString Obs = QStringLiteral("Redigering af observationer");
// A "Højde" with one decimal (150,26 up from First), B "Navn" (elev<First>
// up), C computed by Formula; lines named E<First> up.
void Fill(tLumen &L, int Lines, int First, const QString &Formula)
{
    L.SetColName(0, QStringLiteral("Højde"));
    L.SetColName(1, QStringLiteral("Navn"));
    L.SetColName(2, QStringLiteral("Dobbelt"));
    L.SetDecimals(0, 1);
    for (int I = 0; I < Lines; ++I) {
        L.SetCellText(I, 0, QString::number(150 + First + I) + QStringLiteral(",26"));
        L.SetCellText(I, 1, QStringLiteral("elev%1").arg(First + I));
        L.SetLineName(I, QStringLiteral("E%1").arg(First + I));
    }
    L.SetFormula(2, Formula);
    L.SetComputed(2, true);
    if (L.Compile(Formula))
        L.BuildFormulaRefs(2);
    L.ComputeColumn(2);
}
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
    // keeps the data; Save asks a name only while there is none.
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
        const char *Script[][3] = {
            {"hyp", "Lumentor - Redigering af hyppigheder", "17"},
            {"grup", "Lumentor - Redigering af grupperinger", "17"},
            {"save", "Lumentor - karakterer - Redigering af grupperinger", "17"},
            {"obs", "Lumentor - karakterer - Redigering af observationer", "17"},
            {"edit, save", "Lumentor - karakterer - Redigering af observationer", "blå"},
            {"open", "Lumentor - uge.2 - Redigering af hyppigheder", ""},
            {"new", "Lumentor - Redigering af observationer", ""},
            {"hide", "Lumentor", ""}};
        QStringList Got, Expected;
        for (const auto &[Step, Caption, D3] : Script) {
            const QString S = QLatin1String(Step);
            if (S == "hyp" || S == "grup" || S == "obs")
                F->SetDataType(S == "hyp" ? dtHyp : S == "grup" ? dtGrup : dtObs);
            else if (S.endsWith("save")) {
                F->Lumen().SetCellText(2, 3, QString::fromUtf8(D3));
                F->Lumen().SetCellText(3, 3, QStringLiteral("2,5"));
                F->SaveDocument();
            } else if (S == "open")
                F->OpenDocument();
            else if (S == "new")
                F->NewDocument(dtObs);
            else
                F->HideEditor();
            QVERIFY2(F->ShownEditor() == F->Editor(DataType), Step);
            Got << S + ": " + F->windowTitle() + ", D3 " + F->Lumen().GetCellText(2, 3);
            Expected << S + ": " + Caption + ", D3 " + QString::fromUtf8(D3);
        }
        QCOMPARE(Got, Expected);
        QCOMPARE(F->menuBar()->actions().size(), 2); // its own Filer and Hjælp
        QVERIFY(D.Asked.isEmpty());
        QCOMPARE(D.FilesAsked.size(), 2); // the first save and the open
        const QStringList Saved{"D3=blå", "D4=2.5"};
        QCOMPARE(Probe(*tLumen::CreateFromFile(Path("karakterer.lmt")), Saved), Saved);
    }

    // New, Open and closing the window (the first word of the row's name)
    // with the data saved as første.lmt (A1 = 1) and then changed (A1 = 2,
    // unless the answer is NoButton: then no question comes).
    void saveQuestion_data()
    {
        QTest::addColumn<Button>("Answer");
        QTest::addColumn<QStringList>("Names");   // given in the file dialogs
        QTest::addColumn<QStringList>("Asked");   // the messages shown
        QTest::addColumn<QStringList>("Dialogs"); // the file dialogs shown
        QTest::addColumn<bool>("Went");           // the command went on
        QTest::addColumn<QString>("Name");        // the file name afterwards
        QTest::addColumn<QString>("A1");          // * while modified
        const QString Save = QStringLiteral("Gem som"), First = QStringLiteral("første.lmt");
        const QStringList No{"låst.lmt"}, Bad{"ingen mappe/x.lmt"}, Cancel{""};
        const QString ReadOnly =
            QStringLiteral("(i) Skrivebeskyttet fil: Gem filen med et andet navn");
        const QString CannotWrite = QStringLiteral("(x) Fejl: Kunne ikke gemme data");
        for (const char *Cmd : {"new", "open", "close"}) {
            const bool Open = Cmd[0] == 'o', Close = Cmd[0] == 'c';
            const QStringList Opened = Open ? QStringList{"Åbn"} : QStringList();
            const QString After = Open ? "anden.lmt" : Close ? First : QString();
            const QString Data = Open ? "99" : Close ? "2*" : "";
            QTest::addRow("%s yes", Cmd)
                << Button::Yes << QStringList{"gemt.lmt", "anden.lmt"} << QStringList{AskSave}
                << QStringList{Save} + Opened << true << (Close ? "gemt.lmt" : After)
                << (Close ? "2" : Data);
            QTest::addRow("%s yes, save cancelled", Cmd)
                << Button::Yes << Cancel << QStringList{AskSave} << QStringList{Save} << false
                << First << "2*";
            QTest::addRow("%s no", Cmd) << Button::No << QStringList{"anden.lmt"}
                                        << QStringList{AskSave} << Opened << true << After << Data;
            QTest::addRow("%s cancel", Cmd)
                << Button::Cancel << QStringList() << QStringList{AskSave} << QStringList() << false
                << First << "2*";
            QTest::addRow("%s unmodified", Cmd)
                << Button::NoButton << QStringList{"anden.lmt"} << QStringList() << Opened << true
                << After << (Close ? "1" : Data);
            // Yes and then no save: the data stay.
            QTest::addRow("%s yes, read-only", Cmd)
                << Button::Yes << No << QStringList{AskSave, ReadOnly} << QStringList{Save} << false
                << ""
                << "2*";
            QTest::addRow("%s yes, cannot write", Cmd)
                << Button::Yes << Bad << QStringList{AskSave, CannotWrite} << QStringList{Save}
                << false << Bad[0] << "2*";
        }
        QTest::newRow("open no, no file") << Button::No << Cancel << QStringList{AskSave}
                                          << QStringList{"Åbn"} << false << First << "2*";
    }

    void saveQuestion()
    {
        QFETCH(Button, Answer);
        QFETCH(QStringList, Names);
        QFETCH(QStringList, Asked);
        QFETCH(QStringList, Dialogs);
        QFETCH(bool, Went);
        QFETCH(QString, Name);
        QFETCH(QString, A1);
        const QString Command = QString::fromLatin1(QTest::currentDataTag()).section(' ', 0, 0);
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
        if (Answer != Button::NoButton)
            F->Lumen().SetCellText(0, 0, QStringLiteral("2"));
        D.FilesAsked.clear();
        D.Answers.enqueue(Answer);
        for (const QString &N : Names)
            D.FileNames.enqueue(Path(N));
        bool Closed = false;
        if (Command == "new")
            F->NewDocument(dtObs);
        else if (Command == "open")
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
        QCOMPARE(Closed, Went && Command == "close");
        QCOMPARE(F->isVisible(), !Closed);
        QCOMPARE(F->Lumen().GetCellText(0, 0) + (F->Lumen().IsModified() ? "*" : ""), A1);
        const bool Saved = Went && Names.value(0) == "gemt.lmt";
        QCOMPARE(QFile::exists(Path("gemt.lmt")), Saved);
        if (Saved)
            QCOMPARE(tLumen::CreateFromFile(Path("gemt.lmt"))->GetCellText(0, 0),
                     QStringLiteral("2"));
        QVERIFY(!tLumen::CreateFromFile(Path("låst.lmt"))->HasData()); // never written
    }

    void append_data()
    {
        QTest::addColumn<bool>("Below"); // else to the right
        QTest::addColumn<QString>("Message");
        QTest::addColumn<QString>("Size"); // lines, columns, rows of the grid
        QTest::addColumn<QStringList>("Expected");
        const QString Cols = QStringLiteral("(x) Fejl: De nye data passer ikke til søjlerne");
        const QString Rows = QStringLiteral("(x) Fejl: De nye data passer ikke til linjerne");
        // Numbers arrive as the file showed them (one decimal; this set's own
        // keep theirs); C is computed again by this set's formula, not the file's.
        QTest::newRow("600 below") << true << QString() << "603 3 603"
                                   << QStringList{"A4=160.3",    "B603=elev609", "C4=320.6",
                                                  "C603=1518.6", "#3=E2",        "#4=E10"};
        // Names and cells only (C of the file had no decimals), nothing beyond Z.
        QTest::newRow("30 to the right")
            << false << QString() << "3 26 500"
            << QStringList{"C1=300.52", "D=Vægt", "D1=150.3", "E2=elev1",
                           "F1=451",    "Z=X22",  "Z1=122"};
        QTest::newRow("cancelled") << true << QString() << "3 3 500" << QStringList();
        QTest::newRow("unreadable") << true << QStringLiteral("(x) Fejl: Kunne ikke læse data")
                                    << "3 3 500" << QStringList();
        for (const char *Case : {"frequency file", "other order", "other case", "more columns"})
            QTest::newRow(Case) << true << Cols << "3 3 500" << QStringList();
        for (const char *Case : {"grouped file", "fewer lines", "other line name"})
            QTest::newRow(Case) << false << Rows << "3 3 500" << QStringList();
    }

    void append()
    {
        QFETCH(bool, Below);
        QFETCH(QString, Message);
        QFETCH(QString, Size);
        QFETCH(QStringList, Expected);
        const QString Case = QString::fromLatin1(QTest::currentDataTag());
        const QString File = Dir.filePath(Case + ".lmt");
        if (Case == "unreadable") {
            QFile Out(File);
            QVERIFY(Out.open(QIODevice::WriteOnly) && Out.write("Lumentor") == 8);
        } else if (Case != "cancelled") {
            const TDataType Type = Case == "frequency file" ? dtHyp
                                   : Case == "grouped file" ? dtGrup
                                                            : dtObs;
            WriteLumenFile(File, Type, [&Case](tLumen &L) {
                const bool Many = Case == "600 below";
                Fill(L, Many ? 600 : Case == "fewer lines" ? 2 : 3, Many ? 10 : 0, "A*3");
                if (Case == "other order")
                    L.SwapColumns(0, 1);
                else if (Case == "other case")
                    L.SetColName(1, QStringLiteral("navn"));
                else if (Case == "other line name")
                    L.SetLineName(1, QStringLiteral("X"));
                else if (Case == "more columns")
                    L.SetCellText(0, 3, QStringLiteral("1"));
                else if (Case == "30 to the right") {
                    L.SetColName(0, QStringLiteral("Vægt"));
                    for (int C = 3; C < 30; ++C) {
                        L.SetColName(C, QStringLiteral("X%1").arg(C));
                        L.SetCellText(0, C, QString::number(100 + C));
                    }
                }
            });
        }
        TScriptedDialogs D;
        auto F = StartedForm(D);
        auto *E = dynamic_cast<TDataEdit *>(F->Editor(dtObs));
        QVERIFY(E != nullptr);
        tLumen &L = F->Lumen();
        Fill(L, 3, 0, "A*2");
        L.SaveUndo(uoSort);
        L.ClearModified();
        if (Case != "cancelled")
            D.FileNames.enqueue(File);
        E->MenuItem(Below ? QStringLiteral("TilfojNedenfor") : QStringLiteral("TilfojTilhojre"))
            ->trigger();

        QCOMPARE(D.FilesAsked.size(), 1);
        QCOMPARE(D.FilesAsked[0].Caption, QStringLiteral("Tilføj"));
        QCOMPARE(Messages(D), Message.isEmpty() ? QStringList() : QStringList{Message});
        QCOMPARE(DataType, dtObs);
        QCOMPARE(
            QStringLiteral("%1 %2 %3").arg(L.MaxLines()).arg(L.UsedColumns()).arg(E->RowCount()),
            Size);
        QCOMPARE(Probe(L, Expected), Expected);
        QCOMPARE(L.IsModified(), !Expected.isEmpty());
        // No undo step of its own: undo still names the step before.
        QCOMPARE(L.GetUndoOp(), uint8_t(uoSort));
    }

    // The Rediger shortcuts while a cell is being edited: an enabled command
    // takes the key, a disabled one leaves it to the cell.
    void shortcutsWhileEditing()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(F.get()));
        auto *E = dynamic_cast<TDataEdit *>(F->Editor(dtObs));
        tLumen &L = F->Lumen();
        L.SetColName(0, QStringLiteral("Højde"));
        L.SetCellText(0, 0, QStringLiteral("7"));
        TGridView *G = E->DataDG();
        for (const bool Marked : {true, false}) {
            E->MarkColumn(0, Qt::NoModifier); // marks, then unmarks
            QCOMPARE(L.AnyColSelected(), Marked);
            G->setFocus();
            G->SetCell(3, 1);
            G->StartEdit();
            auto *Cell = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            QVERIFY(Cell != nullptr);
            QApplication::clipboard()->setText(QStringLiteral("42"));
            QTest::keyClick(Cell, Marked ? Qt::Key_C : Qt::Key_V, Qt::ControlModifier);
            // Marked: Ctrl+C copies the column. Else Ctrl+V pastes into the
            // cell, not as a new column.
            QCOMPARE(QApplication::clipboard()->text(),
                     Marked ? QStringLiteral("Højde\r\n7\r\n") : QStringLiteral("42"));
            QCOMPARE(Cell->text(), Marked ? QString() : QStringLiteral("42"));
        }
        QCOMPARE(Probe(L, {"A=Højde", "A1=7"}), QStringList({"A=Højde", "A1=7"}));
        QCOMPARE(L.GetUndoOp(), uint8_t(uoNone));
    }
};

QTEST_MAIN(TestLumenForm)
#include "tst_lumenform.moc"
