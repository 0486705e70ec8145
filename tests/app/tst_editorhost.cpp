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

struct tHarness {
    TScriptedDialogs Dialogs;
    std::array<TFakeEditor *, 4> Editors{};
    std::unique_ptr<TLumenForm> Form;

    tHarness()
    {
        Form = std::make_unique<TLumenForm>(0, [this](TDataType T, TEditorHost &H, QWidget *P) {
            return Editors[T] = new TFakeEditor(T, H, P);
        });
        Form->SetDialogs(&Dialogs);
        Form->show();
        Log.clear();
    }
};
} // namespace

class TestEditorHost : public QObject
{
    Q_OBJECT
    QTemporaryDir Dir;

  private slots:
    void initTestCase() { InitAppTest(); }

    // The frequency editor shown, then a command, or a key typed into its
    // field (what the field then holds is told last).
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
    }

    void editorsTold()
    {
        QFETCH(QString, Command);
        QFETCH(QStringList, Told);
        QFETCH(int, Shown);
        WriteLumenFile(Dir.filePath("g.lmt"), dtGrup,
                       [](tLumen &L) { L.SetGrupLowText(0, 0, QStringLiteral("0")); });
        tHarness H;
        H.Form->SetDataType(dtHyp);
        QLineEdit *Edit = H.Editors[dtHyp]->Edit;
        QApplication::setActiveWindow(H.Form.get());
        Edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), Edit);
        Log.clear();
        if (Command.startsWith("key") || Command.startsWith("ctrl")) {
            const QChar Letter = Command.back();
            QKeyEvent Press(QEvent::KeyPress, Letter.toUpper().unicode(),
                            Command[0] == 'c' ? Qt::ControlModifier : Qt::NoModifier, Letter);
            QApplication::sendEvent(Edit, &Press);
            Log << "field " + Edit->text();
        } else if (Command == "switch") {
            H.Form->SetDataType(dtGrup);
        } else if (Command == "new") {
            H.Form->NewDocument(dtHyp);
        } else {
            H.Form->OpenFile(Dir.filePath(Command));
        }
        QCOMPARE(Log, Told);
        QCOMPARE(H.Form->ShownEditor(), H.Editors[Shown]);
        QCOMPARE(H.Form->menuBar()->actions(), H.Editors[Shown]->Bar.actions());
        for (TDataType T : {dtObs, dtHyp, dtGrup}) {
            QCOMPARE(H.Editors[T]->isVisible(), T == Shown);
            if (H.Editors[T]->Seen)
                QCOMPARE(H.Editors[T]->Seen, &H.Form->Lumen());
        }
    }

    void editingIsCommittedBeforeSaving()
    {
        tHarness H;
        const QString File = Dir.filePath(QStringLiteral("commit.lmt"));
        H.Editors[dtObs]->Pending = QStringLiteral("12");
        H.Dialogs.FileNames.enqueue(File);
        H.Form->SaveDocument();
        QCOMPARE(tLumen::CreateFromFile(File)->GetCellText(0, 0), QStringLiteral("12"));
        QVERIFY(!H.Form->Lumen().IsModified());
        // Closing with an edit in progress asks the save question about it.
        H.Editors[dtObs]->Pending = QStringLiteral("7");
        QVERIFY(!H.Form->close()); // the question cancelled
        QCOMPARE(Messages(H.Dialogs), QStringList{"(?) Data er ændret: Skal ændringerne gemmes?"});
    }
};

QTEST_MAIN(TestEditorHost)
#include "tst_editorhost.moc"
