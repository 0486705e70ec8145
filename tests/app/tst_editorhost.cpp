// How the main window and its editors meet: which editor is told what, and
// when; the menus; the letter keys that reach the shown editor first.
#include "support_app.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

namespace
{
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

} // namespace

class TestEditorHost : public QObject
{
    Q_OBJECT
    QTemporaryDir Dir;

  private slots:
    void initTestCase() { InitAppTest(); }

    // The frequency editor shown, then a command, or a key typed into its
    // field (what the field then holds is told last), or text pending in it.
    void editorsTold_data()
    {
        QTest::addColumn<QString>("Command");
        QTest::addColumn<QStringList>("Told");
        QTest::addColumn<int>("Shown");
        // The old editor goes, then the new one shows; all three hear of a
        // new data set first.
        QTest::newRow("switch") << "switch" << QStringList{"hide 2", "show 3"} << 3;
        QTest::newRow("new") << "new" << QStringList{"new 1", "new 2", "new 3", "hide 2", "show 2"}
                             << 2;
        QTest::newRow("open") << "g.lmt"
                              << QStringList{"file 1", "file 2", "file 3", "hide 2", "show 3"} << 3;
        QTest::newRow("failed open")
            << "findes ikke.lmt" << QStringList{"file 1", "file 2", "file 3", "hide 2", "show 1"}
            << 1;
        // A letter reaches the shown editor first, and the field unless the
        // editor used it (x).
        QTest::newRow("letter") << "key a" << QStringList{"letter a 2", "field a"} << 2;
        QTest::newRow("danish") << "key æ" << QStringList{"letter æ 2", "field æ"} << 2;
        QTest::newRow("used") << "key x" << QStringList{"letter x 2", "field "} << 2;
        QTest::newRow("digit") << "key 5" << QStringList{"field 5"} << 2;
        QTest::newRow("ctrl") << "ctrl a" << QStringList{"field "} << 2;
        // An edit in progress reaches the data set before it is saved, and
        // the save question asks about it.
        QTest::newRow("save") << "save 12" << QStringList{"saved 12"} << 2;
        QTest::newRow("close") << "close 7"
                               << QStringList{"(?) Data er ændret: Skal ændringerne gemmes?"} << 2;
    }

    void editorsTold()
    {
        QFETCH(QString, Command);
        QFETCH(QStringList, Told);
        QFETCH(int, Shown);
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
};

QTEST_MAIN(TestEditorHost)
#include "tst_editorhost.moc"
