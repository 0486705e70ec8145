// The list of recent files across starts of the program, and files dropped
// on the main window.
#include "support_app.h"

#include "DataEdit.h"
#include "RecentFiles.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using Button = QMessageBox::StandardButton;
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace
{
void FillOne(tLumen &L)
{
    L.SetColName(0, QStringLiteral("Højde"));
    L.SetCellText(0, 0, QStringLiteral("151"));
}

// The observation editor's "Seneste filer" submenu as it opens.
QMenu *RecentMenu(TLumenForm &F)
{
    auto *Menu =
        F.Editor(dtObs)->EditorMenuBar()->findChild<QMenu *>(QStringLiteral("SenesteFiler"));
    if (Menu)
        emit Menu->aboutToShow();
    return Menu;
}

QStringList EntryTexts(QMenu *Menu)
{
    QStringList Texts;
    for (QAction *A : Menu->actions())
        Texts << A->text();
    return Texts;
}

// Drag events as a desktop sends them, carrying one local file: the drag
// enters the window and, when the window takes it, is dropped (Drop false:
// the drag only enters). Returns whether the window took the drag.
bool Drag(TLumenForm &F, const QString &File, bool Drop = true)
{
    QMimeData Data;
    Data.setUrls({QUrl::fromLocalFile(File)});
    QDragEnterEvent Enter(QPoint(50, 50), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
    Enter.ignore();
    QCoreApplication::sendEvent(&F, &Enter);
    if (!Enter.isAccepted())
        return false;
    if (Drop) {
        QDropEvent Dropped(QPointF(50, 50), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&F, &Dropped);
    }
    return true;
}
} // namespace

class TestRecentDrops : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;
    QTemporaryDir SettingsDir;
    QString Path(const QString &Name) const { return Dir.filePath(Name); }
    QString DataFile(const QString &Name) const
    {
        return WriteLumenFile(Path(Name), dtObs, FillOne);
    }

  private slots:
    void initTestCase()
    {
        InitAppTest();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, SettingsDir.path());
    }
    void init() { ClearList(); }

    // Each row: files opened ("a") or saved as ("+a") in the first run; the
    // second run's menu must list them newest first.
    void listAcrossTwoStarts_data()
    {
        QTest::addColumn<QStringList>("Steps");
        QTest::addColumn<QStringList>("Expected");
        QTest::newRow("newest first")
            << QStringList{"a", "b", "c"} << QStringList{"&1 c.lmt", "&2 b.lmt", "&3 a.lmt"};
        QTest::newRow("reopened moves up")
            << QStringList{"a", "b", "a"} << QStringList{"&1 a.lmt", "&2 b.lmt"};
        QTest::newRow("saved file joins")
            << QStringList{"a", "+ny"} << QStringList{"&1 ny.lmt", "&2 a.lmt"};
        QTest::newRow("ampersand shown as such")
            << QStringList{"R&D"} << QStringList{"&1 R&&D.lmt"};
        QStringList Ten, LastEight;
        for (int I = 0; I < 10; ++I)
            Ten << QStringLiteral("f%1").arg(I);
        for (int I = 9; I >= 2; --I)
            LastEight << QStringLiteral("&%1 f%2.lmt").arg(10 - I).arg(I);
        QTest::newRow("at most eight") << Ten << LastEight;
    }
    void listAcrossTwoStarts()
    {
        QFETCH(QStringList, Steps);
        QFETCH(QStringList, Expected);
        {
            TScriptedDialogs D;
            auto F = StartedForm(D);
            QVERIFY(RecentMenu(*F));
            QCOMPARE(EntryTexts(RecentMenu(*F)), QStringList{"(ingen)"});
            for (const QString &Step : Steps) {
                if (Step.startsWith(QLatin1Char('+'))) {
                    D.FileNames.enqueue(Path(Step.mid(1) + QStringLiteral(".lmt")));
                    F->SaveDocumentAs();
                } else {
                    F->OpenFile(DataFile(Step + QStringLiteral(".lmt")));
                }
            }
            QVERIFY(D.Asked.isEmpty());
        }
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QMenu *Menu = RecentMenu(*F);
        QCOMPARE(EntryTexts(Menu), Expected);
        // The first entry opens the newest file.
        Menu->actions().first()->trigger();
        QCOMPARE(QFileInfo(F->FileName()).fileName(),
                 QString(Expected.first()).remove(0, 3).replace("&&", "&"));
    }

    void failedOpenOrSaveStaysOff()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        const QString Broken = Path(QStringLiteral("broken.lmt"));
        QFile B(Broken);
        QVERIFY(B.open(QIODevice::WriteOnly));
        B.write("not a data file");
        B.close();
        F->OpenFile(Broken);
        D.FileNames.enqueue(Dir.filePath(QStringLiteral("no/such/folder/x.lmt")));
        F->SaveDocumentAs();
        QCOMPARE(D.Asked.size(), 2);
        QCOMPARE(TRecentFiles().Files(), QStringList());
    }

    // Choosing an entry: a missing file goes off the list with a message; a
    // present one is opened after the save question.
    void chooseEntry_data()
    {
        QTest::addColumn<bool>("Exists");
        QTest::addColumn<bool>("Modified");
        QTest::addColumn<Button>("Answer");
        QTest::addColumn<bool>("Opened");
        QTest::addColumn<QString>("Asked");
        QTest::addColumn<int>("Left");
        QTest::newRow("present") << true << false << Button::NoButton << true << QString() << 2;
        QTest::newRow("changed data, no")
            << true << true << Button::No << true << "Data er ændret" << 2;
        QTest::newRow("changed data, cancel")
            << true << true << Button::Cancel << false << "Data er ændret" << 2;
        QTest::newRow("missing") << false << true << Button::NoButton << false << "Fejl" << 1;
    }
    void chooseEntry()
    {
        QFETCH(bool, Exists);
        QFETCH(bool, Modified);
        QFETCH(Button, Answer);
        QFETCH(bool, Opened);
        QFETCH(QString, Asked);
        QFETCH(int, Left);
        const QString Old = DataFile(QStringLiteral("gammel.lmt"));
        const QString Other = DataFile(QStringLiteral("anden.lmt"));
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->OpenFile(Old);
        F->OpenFile(Other);
        if (!Exists)
            QVERIFY(QFile::remove(Old));
        if (Modified)
            F->Lumen().SetCellText(3, 0, QStringLiteral("7"));
        if (Answer != Button::NoButton)
            D.Answers.enqueue(Answer);
        RecentMenu(*F)->actions().at(1)->trigger();
        QCOMPARE(F->FileName(), Opened ? Old : Other);
        QCOMPARE(D.LastAsked().Title, Asked);
        if (!Exists)
            QVERIFY(D.LastAsked().Text.contains(QStringLiteral("gammel.lmt")));
        QCOMPARE(TRecentFiles().Files().size(), Left);
        QCOMPARE(EntryTexts(RecentMenu(*F)).size(), Left);
    }

    // A data file dropped on the window opens after the save question.
    void dropDataFile_data()
    {
        QTest::addColumn<bool>("Modified");
        QTest::addColumn<Button>("Answer");
        QTest::addColumn<bool>("Opened");
        QTest::newRow("unchanged data") << false << Button::NoButton << true;
        QTest::newRow("changed, no") << true << Button::No << true;
        QTest::newRow("changed, cancel") << true << Button::Cancel << false;
    }
    void dropDataFile()
    {
        QFETCH(bool, Modified);
        QFETCH(Button, Answer);
        QFETCH(bool, Opened);
        const QString File =
            WriteLumenFile(Path(QStringLiteral("grupper.lmt")), dtGrup,
                           [](tLumen &L) { L.SetGrupName(0, QStringLiteral("Vægt")); });
        TScriptedDialogs D;
        auto F = StartedForm(D);
        if (Modified)
            F->Lumen().SetCellText(0, 0, QStringLiteral("5"));
        if (Answer != Button::NoButton)
            D.Answers.enqueue(Answer);
        QVERIFY(Drag(*F, File));
        QTRY_COMPARE(D.Asked.size(), Modified ? 1 : 0);
        if (Opened) {
            QTRY_COMPARE(F->FileName(), File);
            QCOMPARE(DataType, dtGrup);
            QCOMPARE(F->Lumen().GetGrupName(0), QStringLiteral("Vægt"));
        } else {
            QTest::qWait(50);
            QCOMPARE(F->FileName(), QString());
            QCOMPARE(F->Lumen().GetCellText(0, 0), QStringLiteral("5"));
        }
    }

    // A text file dropped on the observation editor becomes the data set.
    void dropTextFile_data()
    {
        QTest::addColumn<QByteArray>("Text");
        QTest::addColumn<bool>("HadData");
        QTest::addColumn<Button>("Answer");
        QTest::addColumn<QString>("Asked");
        QTest::addColumn<QStringList>("Expected"); // name of A, cells A1 and B2
        const QByteArray Sheet = "Højde\tVægt\r\n151\t40\r\n160\t52,5\r\n";
        const QStringList Imported{"Højde", "151", "52,5"};
        const QStringList Kept{"Alder", "12", ""};
        QTest::newRow("empty editor asks nothing")
            << Sheet << false << Button::NoButton << QString() << Imported;
        QTest::newRow("replace all, ok")
            << Sheet << true << Button::Ok << "Erstat alt?" << Imported;
        QTest::newRow("replace all, cancel")
            << Sheet << true << Button::Cancel << "Erstat alt?" << Kept;
        QTest::newRow("uneven rows refused")
            << QByteArray("1\t2\r\n3\r\n") << true << Button::Ok << "Fejl" << Kept;
    }
    void dropTextFile()
    {
        QFETCH(QByteArray, Text);
        QFETCH(bool, HadData);
        QFETCH(Button, Answer);
        QFETCH(QString, Asked);
        QFETCH(QStringList, Expected);
        const QString File = Path(QStringLiteral("maalinger.txt"));
        QFile T(File);
        QVERIFY(T.open(QIODevice::WriteOnly | QIODevice::Truncate));
        T.write(Text);
        T.close();
        TScriptedDialogs D;
        auto F = StartedForm(D);
        if (HadData) {
            F->Lumen().SetColName(0, QStringLiteral("Alder"));
            F->Lumen().SetCellText(0, 0, QStringLiteral("12"));
        }
        if (Answer != Button::NoButton)
            D.Answers.enqueue(Answer);
        QVERIFY(Drag(*F, File));
        QTest::qWait(50);
        QTRY_COMPARE(D.LastAsked().Title, Asked);
        const tLumen &L = F->Lumen();
        QCOMPARE((QStringList{L.GetColName(0), L.GetCellText(0, 0), L.GetCellText(1, 1)}),
                 Expected);
        // The drop is no file of the program's: the document keeps its name.
        QCOMPARE(F->FileName(), QString());
    }

    void dragAcceptance_data()
    {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<int>("Editor");
        QTest::addColumn<bool>("Accepted");
        QTest::newRow("data file, observations") << "a.lmt" << int(dtObs) << true;
        QTest::newRow("data file, upper case, frequencies") << "A.LMT" << int(dtHyp) << true;
        QTest::newRow("text, observations") << "a.txt" << int(dtObs) << true;
        QTest::newRow("csv, observations") << "a.csv" << int(dtObs) << true;
        QTest::newRow("text, groupings") << "a.txt" << int(dtGrup) << false;
        QTest::newRow("picture, observations") << "a.png" << int(dtObs) << false;
    }
    void dragAcceptance()
    {
        QFETCH(QString, Name);
        QFETCH(int, Editor);
        QFETCH(bool, Accepted);
        QFile File(Path(Name));
        QVERIFY(File.open(QIODevice::WriteOnly));
        File.close();
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->SetDataType(TDataType(Editor));
        QCOMPARE(Drag(*F, Path(Name), false), Accepted);
    }

  private:
    static void ClearList()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lumentor"),
                  QStringLiteral("Lumentor"))
            .clear();
    }
};

QTEST_MAIN(TestRecentDrops)
#include "tst_recentdrops.moc"
