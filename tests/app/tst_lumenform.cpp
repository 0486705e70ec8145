// The main window: start-up from the command line (the sample files among
// them), captions, the file commands with their questions and messages, the
// recent files, dropped files, and "Tilføj Lumentor-fil" with the shortcuts
// of the observation editor; how it tells its editors what happens.
#include "support_app.h"

#include "DataEdit.h"
#include "GridView.h"
#include "obsedit/support_rows.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>
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
// The observation editor's "Seneste filer" as it opens.
QMenu *Recent(TLumenForm &F)
{
    auto *Menu = F.Editor(dtObs)->EditorMenuBar()->findChild<QMenu *>("SenesteFiler");
    emit Menu->aboutToShow();
    return Menu;
}

// A desktop's drag of one local file: it enters the window and, when taken,
// is dropped there.
bool Drag(TLumenForm &F, const QString &File)
{
    QMimeData Data;
    Data.setUrls({QUrl::fromLocalFile(File)});
    QDragEnterEvent Enter(QPoint(50, 50), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
    Enter.ignore();
    QCoreApplication::sendEvent(&F, &Enter);
    if (!Enter.isAccepted())
        return false;
    QDropEvent Drop(QPointF(50, 50), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&F, &Drop);
    return true;
}

QStringList Log; // what the editors were told, in order

// An editor that writes down what it is told ("show 2": the frequency editor
// shown), with one field to type in and its own menu bar.
class TFakeEditor : public TEditorBase
{
  public:
    TFakeEditor(TDataType Type, TEditorHost &Host, QWidget *Parent)
        : TEditorBase(Host, Parent), Type(Type), Edit(new QLineEdit(this))
    {
        Bar.addMenu(QStringLiteral("Menu %1").arg(int(Type)));
        (new QVBoxLayout(this))->addWidget(Edit);
    }
    TDataType EditorType() const override { return Type; }
    void ShowEditor() override { Note("show"); }
    void HideEditor() override { Note("hide"); }
    QMenuBar *EditorMenuBar() override { return &Bar; }
    void DataReplaced(bool FromFile) override { Note(FromFile ? "file" : "new"); }
    bool CommitEdit() override
    {
        // An edit in progress reaches the data set before it is saved.
        if (!Pending.isEmpty())
            Host.Lumen().SetCellText(0, 0, Pending);
        Pending.clear();
        return true;
    }
    void SetTextButtonDown(bool) override {}
    bool LetterKey(const QString &Text) override
    {
        Note("letter " + Text);
        return Text == QLatin1String("x");
    }
    void Note(const QString &What)
    {
        Log << QStringLiteral("%1 %2").arg(What).arg(int(Type));
        Seen = &Host.Lumen();
    }

    TDataType Type;
    QMenuBar Bar;
    QLineEdit *Edit;
    QString Pending;
    tLumen *Seen = nullptr; // the data set it last looked at
};

// The frequency editor shown, then a command, or a key typed into its field
// (what the field then holds is told last), or text pending in it.
const struct {
    const char *Name, *Command;
    QStringList Told;
    int Shown;
} ToldRows[] = {
    // The old editor goes, then the new one shows; all three hear of a new
    // data set first.
    {"switch", "switch", {"hide 2", "show 3"}, 3},
    {"new", "new", {"new 1", "new 2", "new 3", "hide 2", "show 2"}, 2},
    {"open", "g.lmt", {"file 1", "file 2", "file 3", "hide 2", "show 3"}, 3},
    {"failed open", "findes ikke.lmt", {"file 1", "file 2", "file 3", "hide 2", "show 1"}, 1},
    // A letter reaches the shown editor first, and the field unless the
    // editor used it (x).
    {"letter", "key æ", {"letter æ 2", "field æ"}, 2},
    {"used", "key x", {"letter x 2", "field "}, 2},
    {"digit", "key 5", {"field 5"}, 2},
    {"ctrl", "ctrl a", {"field "}, 2},
    // An edit in progress reaches the data set before it is saved, and the
    // save question asks about it.
    {"save", "save 12", {"saved 12"}, 2},
    {"close", "close 7", {AskSave}, 2},
};

// Files opened ("a"), saved as ("+a") or gone and chosen from the menu ("-a")
// in a first run; the next run's menu lists them newest first. Asked: the
// messages of the first run (%1 the folder).
const struct {
    const char *Name, *Steps, *Expected, *Asked;
} RecentRows[] = {
    {"reopened moves up, saved joins", "a b a +R&D", "&1 R&&D.lmt, &2 a.lmt, &3 b.lmt", ""},
    {"at most eight", "f0 f1 f2 f3 f4 f5 f6 f7 f8 f9",
     "&1 f9.lmt, &2 f8.lmt, &3 f7.lmt, &4 f6.lmt, &5 f5.lmt, &6 f4.lmt, &7 f3.lmt, &8 f2.lmt", ""},
    {"gone, taken off", "gammel anden -gammel", "&1 anden.lmt",
     "(x) Fejl: Filen %1/gammel.lmt findes ikke længere. Den er fjernet fra listen over seneste "
     "filer."},
};

// A data file dropped anywhere on the window opens after the save question;
// a text file (Text its content) dropped on the observation editor (no
// other) becomes its data set. The window held A1 = 5, or nothing where no
// answer (NoButton) is given.
const char *const Sheet = "Højde\tVægt\r\n151\t40\r\n160\t52,5\r\n";
const char *const NoSheet = "(x) Fejl: Teksten kan ikke bruges som talsæt: række 2 har 1 felt, men "
                            "den første række har 2 felter";
const struct {
    const char *Name, *File;
    QByteArray Text;
    Button Answer;
    QStringList Asked, Expected;
} DropRows[] = {
    {"data file", "grupper.lmt", "", Button::No, {AskSave}, {"A=Højde", "A1=150.26"}},
    {"sheet", "målinger.txt", Sheet, Button::NoButton, {}, {"A=Højde", "A1=151", "B2=52.5"}},
    {"no sheet", "rod.txt", "1\t2\r\n3\r\n", Button::NoButton, {NoSheet}, {"A1=", "B1="}},
};

} // namespace

class TestLumenForm : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir, SettingsDir;
    QString Path(const QString &Name) const { return Name.isEmpty() ? Name : Dir.filePath(Name); }

  private slots:
    void initTestCase()
    {
        InitAppTest();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, SettingsDir.path());
    }
    void init() { QSettings(QStringLiteral("Lumentor"), QStringLiteral("Lumentor")).clear(); }

    // The file named on the command line opens in the editor of its type,
    // unchanged; one that cannot be read leaves an empty observation editor.
    void startUp_data()
    {
        QTest::addColumn<QString>("File"); // examples/..., else written here (not "missing")
        QTest::addColumn<QStringList>("Expected"); // caption, size of the type shown, messages
        for (auto [Name, Size, Editor] :
             {std::tuple("hoejder", "2x24", "observationer"),
              std::tuple("terninger", "3x60, C computed", "observationer"),
              std::tuple("karakterfordeling", "2x7", "hyppigheder"),
              std::tuple("hoejdeklasser", "1x8", "grupperinger")})
            QTest::newRow(Name) << "examples/" + QString(Name) + ".lmt"
                                << QStringList{"Lumentor - " + QString(Name) + " - Redigering af " +
                                                   Editor,
                                               Size};
        // The caption drops the last extension only.
        QTest::newRow("quoted, with blanks")
            << "mine data/klasse 7.b.lmt" << QStringList{"Lumentor - klasse 7.b - " + Obs, "1x2"};
        QTest::newRow("missing") << "ulæselig.lmt"
                                 << QStringList{"Lumentor - " + Obs, "0x0",
                                                "(x) Fejl: Kunne ikke læse data"};
    }

    void startUp()
    {
        QFETCH(QString, File);
        QFETCH(QStringList, Expected);
        if (File.startsWith(QLatin1String("examples/"))) {
            File = QStringLiteral(LUMEN_SOURCE_DIR "/") + File;
        } else {
            File = Path(File);
            QVERIFY(QDir(Dir.path()).mkpath(QStringLiteral("mine data")));
            if (qstrcmp(QTest::currentDataTag(), "missing") != 0)
                WriteLumenFile(File, dtObs, [](tLumen &L) {
                    L.SetCellText(0, 0, QStringLiteral("152"));
                    L.SetCellText(1, 0, QStringLiteral("163,5"));
                });
        }
        TScriptedDialogs D;
        // The name arrives quoted and split at its blanks, as a shell may pass it.
        auto F = StartedForm(D, ('"' + File + '"').split(QLatin1Char(' ')));
        QTRY_VERIFY(!F->FileName().isEmpty() || !D.Asked.isEmpty());
        const tLumen &L = F->Lumen();
        const std::pair<int, int> Size =
            DataType == dtHyp    ? std::pair(L.UsedHypColumns(), L.MaxHypLines())
            : DataType == dtGrup ? std::pair(L.UsedGrupColumns(), L.MaxGrupLines())
                                 : std::pair(L.UsedColumns(), L.MaxLines());
        QCOMPARE(QStringList(
                     {F->windowTitle(), QStringLiteral("%1x%2").arg(Size.first).arg(Size.second) +
                                            (L.IsComputed(2) ? ", C computed" : "") +
                                            (L.IsModified() ? ", changed" : "")}) +
                     Messages(D),
                 Expected);
    }

    // A file named relative to the start folder: "Gem som" opens beside it
    // and "Gem" writes it there, even after the working folder changed.
    void relativeStartName()
    {
        QVERIFY(QDir(Dir.path()).mkpath(QStringLiteral("eks")));
        WriteLumenFile(Path("eks/højder.lmt"), dtObs,
                       [](tLumen &L) { L.SetCellText(0, 0, QStringLiteral("7")); });
        const QString Started = QDir::currentPath();
        QVERIFY(QDir::setCurrent(Dir.path()));
        TScriptedDialogs D;
        auto F = StartedForm(D, {QStringLiteral("eks/højder.lmt")});
        QTRY_VERIFY(!F->FileName().isEmpty());
        QVERIFY(QDir::setCurrent(Path("eks")));
        QCOMPARE(F->FileName(), Path("eks/højder.lmt"));
        F->SaveDocumentAs(); // cancelled
        QCOMPARE(D.FilesAsked.size(), 1);
        QCOMPARE(D.FilesAsked[0].InitialName, Path("eks/højder.lmt"));
        F->Lumen().SetCellText(0, 0, QStringLiteral("8"));
        F->SaveDocument();
        QVERIFY(QDir::setCurrent(Started));
        std::unique_ptr<tLumen> Back = tLumen::CreateFromFile(Path("eks/højder.lmt"));
        QCOMPARE(Back->GetCellText(0, 0), QStringLiteral("8"));
        QVERIFY(!QFile::exists(Path("eks/eks/højder.lmt")));
    }

    // New, Open and closing the window (the first word of the row's name)
    // with the data saved as første.lmt (A1 = 1) and then changed (A1 = 2).
    void saveQuestion_data()
    {
        QTest::addColumn<Button>("Answer");
        QTest::addColumn<QStringList>("Names");   // given in the file dialogs
        QTest::addColumn<QStringList>("Asked");   // the messages shown
        QTest::addColumn<QStringList>("Dialogs"); // the file dialogs shown
        QTest::addColumn<QString>("After"); // file name, A1 (* modified), window, gemt.lmt's A1
        const QStringList Save{"Gem som første.lmt Lumentor datafiler (*.lmt) lmt"};
        const QString Open = QStringLiteral(
            "Åbn  Lumentor datafiler (*.lmt);;Regneark (*.xlsx *.ods *.csv);;Alle filer (*) lmt");
        const QString Kept = QStringLiteral("første.lmt, 2*, shown, ");
        for (const char *Cmd : {"new", "open", "close"}) {
            const QStringList Opened = Cmd[0] == 'o' ? QStringList{Open} : QStringList();
            const QString Gone = Cmd[0] == 'n'   ? ", , shown, "
                                 : Cmd[0] == 'o' ? "anden.lmt, 99, shown, "
                                                 : "første.lmt, 2*, closed, ";
            QTest::addRow("%s yes", Cmd)
                << Button::Yes << QStringList{"gemt.lmt", "anden.lmt"} << QStringList{AskSave}
                << Save + Opened
                << (Cmd[0] == 'c' ? "gemt.lmt, 2, closed, 2" : QString(Gone).append("2"));
            QTest::addRow("%s yes, save cancelled", Cmd)
                << Button::Yes << QStringList{""} << QStringList{AskSave} << Save << Kept;
            QTest::addRow("%s no", Cmd)
                << Button::No << QStringList{"anden.lmt"} << QStringList{AskSave} << Opened << Gone;
            QTest::addRow("%s cancel", Cmd)
                << Button::Cancel << QStringList() << QStringList{AskSave} << QStringList() << Kept;
        }
        // Yes and then no save: the data stay.
        QTest::newRow("new yes, read-only")
            << Button::Yes << QStringList{"låst.lmt"}
            << QStringList{AskSave, "(i) Skrivebeskyttet fil: Gem filen med et andet navn"} << Save
            << ", 2*, shown, ";
        QTest::newRow("close yes, cannot write")
            << Button::Yes << QStringList{"ingen mappe/x.lmt"}
            << QStringList{AskSave, "(x) Fejl: Kunne ikke gemme data"} << Save
            << "x.lmt, 2*, shown, ";
        QTest::newRow("open no, no file")
            << Button::No << QStringList{""} << QStringList{AskSave} << QStringList{Open} << Kept;
    }

    void saveQuestion()
    {
        QFETCH(Button, Answer);
        QFETCH(QStringList, Names);
        QFETCH(QStringList, Asked);
        QFETCH(QStringList, Dialogs);
        QFETCH(QString, After);
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
        D.FileNames << Path("første.lmt");
        F->SaveDocumentAs();
        QCOMPARE(F->windowTitle(), "Lumentor - første - " + Obs);
        F->Lumen().SetCellText(0, 0, QStringLiteral("2"));
        D.FilesAsked.clear();
        D.Answers.enqueue(Answer);
        for (const QString &N : Names)
            D.FileNames.enqueue(Path(N));
        if (Command == "new")
            F->NewDocument(dtObs);
        else if (Command == "open")
            F->OpenDocument();
        else
            QCOMPARE(F->close(), After.contains("closed"));

        QCOMPARE(Messages(D), Asked);
        QCOMPARE(D.Asked[0].Buttons, Button::Yes | Button::No | Button::Cancel);
        QStringList Captions; // the save dialog starts from the current name
        for (const TScriptedDialogs::tFileAsked &A : D.FilesAsked)
            Captions << A.Caption + " " + QFileInfo(A.InitialName).fileName() + " " + A.Filter +
                            " " + A.DefaultSuffix;
        QCOMPARE(Captions, Dialogs);
        const tLumen &L = F->Lumen();
        const std::unique_ptr<tLumen> Saved = tLumen::CreateFromFile(Path("gemt.lmt"));
        QCOMPARE(QFileInfo(F->FileName()).fileName() + ", " + L.GetCellText(0, 0) +
                     (L.IsModified() ? "*, " : ", ") + (F->isVisible() ? "shown, " : "closed, ") +
                     (Saved && !Saved->ReadFailed() ? Saved->GetCellText(0, 0) : QString()),
                 After);
        QVERIFY(!tLumen::CreateFromFile(Path("låst.lmt"))->HasData()); // never written
    }

    void editorsTold_data() { AddRows(ToldRows); }
    void editorsTold()
    {
        const auto &[Name, Step, Told, Shown] = CurrentRow(ToldRows);
        const QString Command = QString::fromUtf8(Step);
        WriteLumenFile(Dir.filePath("g.lmt"), dtGrup,
                       [](tLumen &L) { L.SetGrupLowText(0, 0, QStringLiteral("0")); });
        TScriptedDialogs D;
        std::array<TFakeEditor *, 4> E{};
        TLumenForm F(0, [&E](TDataType T, TEditorHost &Host, QWidget *Parent) {
            return E[T] = new TFakeEditor(T, Host, Parent);
        });
        F.SetDialogs(&D);
        F.show();
        F.SetDataType(dtHyp);
        QLineEdit *Edit = E[dtHyp]->Edit;
        QApplication::setActiveWindow(&F);
        Edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), Edit);
        Log.clear();
        if (Command.startsWith("key") || Command.startsWith("ctrl")) {
            const QChar Letter = Command.back();
            QKeyEvent Press(QEvent::KeyPress, Letter.toUpper().unicode(),
                            Command[0] == 'c' ? Qt::ControlModifier : Qt::NoModifier, Letter);
            QApplication::sendEvent(Edit, &Press);
            Log << "field " + Edit->text();
        } else if (Command.startsWith("save")) {
            E[dtHyp]->Pending = Command.section(' ', 1);
            D.FileNames.enqueue(Dir.filePath(QStringLiteral("commit.lmt")));
            F.SaveDocument();
            Log << "saved " +
                       tLumen::CreateFromFile(Dir.filePath("commit.lmt"))->GetCellText(0, 0) +
                       (F.Lumen().IsModified() ? " *" : "");
        } else if (Command.startsWith("close")) {
            E[dtHyp]->Pending = Command.section(' ', 1);
            QVERIFY(!F.close()); // the question cancelled
            Log << Messages(D);
        } else if (Command == "switch") {
            F.SetDataType(dtGrup);
        } else if (Command == "new") {
            F.NewDocument(dtHyp);
        } else {
            F.OpenFile(Dir.filePath(Command));
        }
        QCOMPARE(Log, Told);
        QCOMPARE(F.ShownEditor(), E[Shown]);
        QCOMPARE(F.menuBar()->actions(), E[Shown]->Bar.actions());
        for (TDataType T : {dtObs, dtHyp, dtGrup}) {
            QCOMPARE(E[T]->isVisible(), T == Shown);
            if (E[T]->Seen)
                QCOMPARE(E[T]->Seen, &F.Lumen());
        }
    }

    void listAcrossTwoStarts_data() { AddRows(RecentRows); }
    void listAcrossTwoStarts()
    {
        const auto &[Name, Steps, Expected, Asked] = CurrentRow(RecentRows);
        {
            TScriptedDialogs D;
            auto F = StartedForm(D);
            for (const QString &Step : QString(Steps).split(' ')) {
                const QString File = Dir.filePath(Step.mid(1) + QStringLiteral(".lmt"));
                if (Step.startsWith(QLatin1Char('+'))) {
                    D.FileNames.enqueue(File);
                    F->SaveDocumentAs();
                } else if (Step.startsWith(QLatin1Char('-'))) {
                    QVERIFY(QFile::remove(File));
                    for (QAction *A : Recent(*F)->actions())
                        if (A->data().toString() == File)
                            A->trigger();
                } else {
                    F->OpenFile(WriteLumenFile(Dir.filePath(Step + ".lmt"), dtObs, {}));
                }
            }
            QCOMPARE(Messages(D).join(""), QString(Asked).arg(Dir.path()));
        }
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QStringList Entries;
        for (QAction *A : Recent(*F)->actions())
            Entries << A->text();
        QCOMPARE(Entries.join(", "), Expected);
    }

    void drop_data() { AddRows(DropRows); }
    void drop()
    {
        const auto &[Name, FileName, Text, Answer, Asked, Expected] = CurrentRow(DropRows);
        const QString File = Dir.filePath(FileName);
        if (Text.isEmpty()) {
            WriteLumenFile(File, dtGrup, [](tLumen &L) { Fill(L, 1, 0, "A*2"); });
        } else {
            QFile T(File);
            QVERIFY(T.open(QIODevice::WriteOnly | QIODevice::Truncate) && T.write(Text) > 0);
        }
        TScriptedDialogs D;
        auto F = StartedForm(D);
        if (Answer != Button::NoButton)
            F->Lumen().SetCellText(0, 0, QStringLiteral("5"));
        F->SetDataType(dtGrup);
        QCOMPARE(Drag(*F, File), Text.isEmpty());
        if (!Text.isEmpty()) {
            F->SetDataType(dtObs);
            QVERIFY(Drag(*F, File));
        }
        D.Answers.enqueue(Answer);
        QTRY_COMPARE(Messages(D), Asked);
        QTRY_COMPARE(Probe(F->Lumen(), Expected), Expected);
        QCOMPARE(DataType, Text.isEmpty() ? dtGrup : dtObs);
        QCOMPARE(F->FileName(), Text.isEmpty() ? File : QString());
    }

    void append_data()
    {
        QTest::addColumn<bool>("Below"); // else to the right
        QTest::addColumn<QString>("Message");
        QTest::addColumn<QString>("Size"); // lines, columns, rows of the grid
        QTest::addColumn<QStringList>("Expected");
        const QString Cols = QStringLiteral("(x) Fejl: De nye data passer ikke til søjlerne");
        const QString Rows = QStringLiteral("(x) Fejl: De nye data passer ikke til linjerne");
        // Numbers arrive in full (not rounded to the file's one decimal); C is
        // computed again by this set's formula, not the file's.
        QTest::newRow("600 below") << true << QString() << "603 3 603"
                                   << QStringList{"A4=160.26",    "B603=elev609", "C4=320.52",
                                                  "C603=1518.52", "#3=E2",        "#4=E10"};
        // Names and full values (C of the file had no decimals), nothing beyond Z.
        QTest::newRow("30 to the right")
            << false << QString() << "3 26 500"
            << QStringList{"C1=300.52", "D=Vægt", "D1=150.26", "E2=elev1",
                           "F1=450.78", "Z=X22",  "Z1=122"};
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
        auto *E = static_cast<TDataEdit *>(F->Editor(dtObs));
        tLumen &L = F->Lumen();
        Fill(L, 3, 0, "A*2");
        L.SaveUndo(uoSort);
        L.ClearModified();
        if (Case != "cancelled")
            D.FileNames.enqueue(File);
        E->MenuItem(Below ? QStringLiteral("TilfojNedenfor") : QStringLiteral("TilfojTilhojre"))
            ->trigger();

        QCOMPARE(D.FilesAsked.size() == 1 ? D.FilesAsked[0].Caption : QString(), "Tilføj");
        QCOMPARE(Messages(D), Message.isEmpty() ? QStringList() : QStringList{Message});
        QCOMPARE(DataType, dtObs);
        QCOMPARE(
            QStringLiteral("%1 %2 %3").arg(L.MaxLines()).arg(L.UsedColumns()).arg(E->RowCount()),
            Size);
        QCOMPARE(Probe(L, Expected), Expected);
        QCOMPARE(L.IsModified(), !Expected.isEmpty());
        // Appending takes its own undo step, which brings the three lines and
        // columns back; a refused or cancelled one keeps the step before.
        QCOMPARE(L.GetUndoOp(), uint8_t(Expected.isEmpty() ? uoSort : uoAdd));
        if (!Expected.isEmpty()) {
            E->MenuItem(QStringLiteral("RedigerFortryd"))->trigger();
            QCOMPARE(QStringLiteral("%1 %2").arg(L.MaxLines()).arg(L.UsedColumns()), "3 3");
            QCOMPARE(Probe(L, {"A3=152.26", "#3=E2"}), QStringList({"A3=152.26", "#3=E2"}));
        }
    }

    // The Rediger shortcuts while a cell is being edited: an enabled command
    // takes the key, a disabled one leaves it to the cell.
    void shortcutsWhileEditing()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(F.get()));
        auto *E = static_cast<TDataEdit *>(F->Editor(dtObs));
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

    // For the projector: Ctrl++ three times zooms all three editors to 200 %
    // (Ctrl+= as Ctrl++), kept for the next run beside the recent files;
    // Ctrl+- and Ctrl+0 go back; F11 toggles full screen and back.
    void zoomKeysAndSetting()
    {
        const auto Zooms = [](TLumenForm &F) {
            QList<int> Z;
            for (TDataType T : {dtObs, dtHyp, dtGrup})
                Z << static_cast<TEditorFrame *>(F.Editor(T))->Zoom();
            return Z;
        };
        {
            TScriptedDialogs D;
            auto F = StartedForm(D);
            F->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(F.get()));
            QCOMPARE(Zooms(*F), QList<int>({100, 100, 100}));
            auto *E = static_cast<TDataEdit *>(F->Editor(dtObs));
            E->DataDG()->setFocus();
            QTest::keyClick(E->DataDG(), Qt::Key_Plus, Qt::ControlModifier);
            QTest::keyClick(E->DataDG(), Qt::Key_Equal, Qt::ControlModifier);
            QTest::keyClick(E->DataDG(), Qt::Key_Plus, Qt::ControlModifier);
            QCOMPARE(Zooms(*F), QList<int>({200, 200, 200}));
            QCOMPARE(E->StatusPanel->text(), QStringLiteral("Zoom 200 %"));
            QCOMPARE(E->DataDG()->rowHeight(0), 48);

            QVERIFY(!F->isFullScreen());
            QTest::keyClick(E->DataDG(), Qt::Key_F11);
            QVERIFY(F->windowState() & Qt::WindowFullScreen);
            QTest::keyClick(E->DataDG(), Qt::Key_F11);
            QVERIFY(!(F->windowState() & Qt::WindowFullScreen));
        }
        QCOMPARE(QSettings(QStringLiteral("Lumentor"), QStringLiteral("Lumentor"))
                     .value(QStringLiteral("Zoom"))
                     .toInt(),
                 200);
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(F.get()));
        QCOMPARE(Zooms(*F), QList<int>({200, 200, 200}));
        auto *E = static_cast<TDataEdit *>(F->Editor(dtObs));
        E->DataDG()->setFocus();
        QTest::keyClick(E->DataDG(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(Zooms(*F), QList<int>({150, 150, 150}));
        QTest::keyClick(E->DataDG(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(Zooms(*F), QList<int>({100, 100, 100}));
        QCOMPARE(E->DataDG()->rowHeight(0), 24);
    }
};

QTEST_MAIN(TestLumenForm)
#include "tst_lumenform.moc"
