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
class TFakeEditor : public TEditorBase
{
  public:
    TFakeEditor(TDataType Type, TEditorHost &Host, QWidget *Parent)
        : TEditorBase(Host, Parent), Type(Type), Bar(new QMenuBar(nullptr)),
          Edit(new QLineEdit(this))
    {
        Bar->addMenu(QStringLiteral("Menu %1").arg(int(Type)));
        auto *Layout = new QVBoxLayout(this);
        Layout->addWidget(Edit);
    }
    ~TFakeEditor() override { delete Bar; }

    TDataType EditorType() const override { return Type; }
    void ShowEditor() override
    {
        ++Shows;
        Log << QStringLiteral("show %1").arg(int(Type));
        SeenLumen = &Host.Lumen();
    }
    void HideEditor() override
    {
        ++Hides;
        Log << QStringLiteral("hide %1").arg(int(Type));
    }
    QMenuBar *EditorMenuBar() override { return Bar; }
    void DataReplaced(bool FromFile) override
    {
        Replaced << FromFile;
        SeenLumen = &Host.Lumen();
    }
    bool CommitEdit() override
    {
        ++Commits;
        // An edit in progress reaches the data set before it is saved.
        if (!Pending.isEmpty()) {
            Host.Lumen().SetCellText(0, 0, Pending);
            Pending.clear();
        }
        return true;
    }
    void SetTextButtonDown(bool Down) override { TextButton = Down; }
    bool LetterKey(const QString &Text) override
    {
        Letters << Text;
        return Text == QLatin1String("x");
    }

    TDataType Type;
    QMenuBar *Bar;
    QLineEdit *Edit;
    int Shows = 0, Hides = 0, Commits = 0;
    QList<bool> Replaced;
    QStringList Letters;
    QString Pending;
    bool TextButton = false;
    tLumen *SeenLumen = nullptr;
    QStringList &Log = SharedLog;
    static QStringList SharedLog;
};
QStringList TFakeEditor::SharedLog;

struct tHarness {
    TScriptedDialogs Dialogs;
    std::array<TFakeEditor *, 4> Editors{};
    std::unique_ptr<TLumenForm> Form;

    explicit tHarness(const QStringList &Args = {})
    {
        TFakeEditor::SharedLog.clear();
        Form = std::make_unique<TLumenForm>(0, [this](TDataType T, TEditorHost &H, QWidget *P) {
            Editors[T] = new TFakeEditor(T, H, P);
            return Editors[T];
        });
        Form->SetDialogs(&Dialogs);
        Form->SetArguments(Args);
        Form->show();
    }
};
} // namespace

class TestEditorHost : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { InitAppTest(); }

  private:
    QTemporaryDir Dir;

  private slots:
    void switchingHidesThenShows()
    {
        tHarness H;
        TFakeEditor::SharedLog.clear();
        H.Form->SetDataType(dtGrup);
        QCOMPARE(TFakeEditor::SharedLog, (QStringList{"hide 1", "show 3"}));
        QCOMPARE(H.Form->menuBar()->actions(), H.Editors[dtGrup]->Bar->actions());
        QVERIFY(H.Editors[dtGrup]->isVisible());
        QVERIFY(!H.Editors[dtObs]->isVisible());
        // The data set stays the same object.
        QCOMPARE(H.Editors[dtGrup]->SeenLumen, &H.Form->Lumen());
        QVERIFY(H.Editors[dtObs]->Replaced.isEmpty());
    }

    void editorsHearOfNewDataSet_data()
    {
        QTest::addColumn<int>("Command"); // 0 New, 1 Open, 2 failed Open
        QTest::addColumn<bool>("FromFile");
        QTest::addColumn<int>("Shown");
        QTest::newRow("new") << 0 << false << int(dtHyp);
        QTest::newRow("open") << 1 << true << int(dtGrup);
        QTest::newRow("failed open") << 2 << true << int(dtObs);
    }

    void editorsHearOfNewDataSet()
    {
        QFETCH(int, Command);
        QFETCH(bool, FromFile);
        QFETCH(int, Shown);
        const QString File =
            WriteLumenFile(Dir.filePath(QStringLiteral("g.lmt")), dtGrup,
                           [](tLumen &L) { L.SetGrupLowText(0, 0, QStringLiteral("0")); });
        tHarness H;
        H.Form->SetDataType(dtHyp);
        TFakeEditor::SharedLog.clear();
        if (Command == 0)
            H.Form->NewDocument(dtHyp);
        else
            H.Form->OpenFile(Command == 1 ? File : Dir.filePath(QStringLiteral("findes ikke.lmt")));
        for (TDataType T : {dtObs, dtHyp, dtGrup}) {
            QCOMPARE(H.Editors[T]->Replaced, QList<bool>{FromFile});
            QCOMPARE(H.Editors[T]->SeenLumen, &H.Form->Lumen());
        }
        // The old editor goes, then the new one shows, on the new data set.
        QCOMPARE(TFakeEditor::SharedLog,
                 (QStringList{"hide 2", QStringLiteral("show %1").arg(Shown)}));
        QCOMPARE(H.Form->ShownEditor(), H.Editors[Shown]);
    }

    void editingIsCommittedBeforeSaving()
    {
        tHarness H;
        const QString File = Dir.filePath(QStringLiteral("commit.lmt"));
        H.Editors[dtObs]->Pending = QStringLiteral("12");
        H.Dialogs.FileNames.enqueue(File);
        H.Form->SaveDocument();
        QVERIFY(H.Editors[dtObs]->Commits >= 1);
        std::unique_ptr<tLumen> Back = tLumen::CreateFromFile(File);
        QVERIFY(!Back->ReadFailed());
        QCOMPARE(Back->GetCellText(0, 0), QStringLiteral("12"));
        QVERIFY(!H.Form->Lumen().IsModified());

        // Closing with an edit in progress asks the save question about it.
        H.Editors[dtObs]->Pending = QStringLiteral("7");
        H.Dialogs.Answers.enqueue(QMessageBox::Cancel);
        QVERIFY(!H.Form->close());
        QCOMPARE(H.Dialogs.Asked.size(), 1);
        QCOMPARE(H.Dialogs.Asked[0].Title, QStringLiteral("Data er ændret"));
    }

    void letterKeys_data()
    {
        QTest::addColumn<int>("Key");
        QTest::addColumn<QString>("Text");
        QTest::addColumn<int>("Modifiers");
        QTest::addColumn<bool>("Offered");
        QTest::addColumn<QString>("Typed"); // what the focused field received
        QTest::newRow("letter") << int(Qt::Key_A) << "a" << 0 << true << "a";
        QTest::newRow("danish letter")
            << int(Qt::Key_AE) << QStringLiteral("æ") << 0 << true << QStringLiteral("æ");
        QTest::newRow("used by the editor") << int(Qt::Key_X) << "x" << 0 << true << "";
        QTest::newRow("digit") << int(Qt::Key_5) << "5" << 0 << false << "5";
        QTest::newRow("with ctrl")
            << int(Qt::Key_A) << "a" << int(Qt::ControlModifier) << false << "";
    }

    void letterKeys()
    {
        QFETCH(int, Key);
        QFETCH(QString, Text);
        QFETCH(int, Modifiers);
        QFETCH(bool, Offered);
        QFETCH(QString, Typed);
        tHarness H;
        QApplication::setActiveWindow(H.Form.get());
        QLineEdit *Edit = H.Editors[dtObs]->Edit;
        Edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), Edit);
        QKeyEvent Press(QEvent::KeyPress, Key, Qt::KeyboardModifiers(Modifiers), Text);
        QApplication::sendEvent(Edit, &Press);
        QCOMPARE(H.Editors[dtObs]->Letters, Offered ? QStringList{Text} : QStringList());
        QCOMPARE(Edit->text(), Typed);
        QVERIFY(H.Editors[dtHyp]->Letters.isEmpty());
    }
};

QTEST_MAIN(TestEditorHost)
#include "tst_editorhost.moc"
