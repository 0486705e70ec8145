// Spreadsheets in the program: opened by "Åbn...", the command line, the
// recent files and a drop as a new unsaved observation data set named after
// the file, with the sheet chosen from a list; unreadable files and a
// cancelled choice leave the open data alone; saving never writes over the
// spreadsheet; the observation editor's "Importér tekstfil" takes them too.
#include "support_app.h"

#include "DataEdit.h"

#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QtTest>

namespace
{

const QString Obs = QStringLiteral("Redigering af observationer");

QString Fixture(const QString &Name)
{
    return QStringLiteral(LUMEN_SOURCE_DIR "/tests/describe/sheets/") + Name;
}

bool WriteBytes(const QString &Path, const QByteArray &Bytes)
{
    QFile F(Path);
    return F.open(QIODevice::WriteOnly | QIODevice::Truncate) && F.write(Bytes) == Bytes.size();
}

QByteArray FileBytes(const QString &Path)
{
    QFile F(Path);
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray();
}

// A desktop's drag of one local file onto the window.
bool Drop(TLumenForm &F, const QString &File)
{
    QMimeData Data;
    Data.setUrls({QUrl::fromLocalFile(File)});
    QDragEnterEvent Enter(QPoint(50, 50), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
    Enter.ignore();
    QCoreApplication::sendEvent(&F, &Enter);
    if (!Enter.isAccepted())
        return false;
    QDropEvent Dropped(QPointF(50, 50), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&F, &Dropped);
    return true;
}

// "Seneste filer" of the observation editor as it opens.
QList<QAction *> RecentActions(TLumenForm &F)
{
    auto *Menu = F.Editor(dtObs)->EditorMenuBar()->findChild<QMenu *>("SenesteFiler");
    emit Menu->aboutToShow();
    return Menu->actions();
}

QStringList RecentEntries(TLumenForm &F)
{
    QStringList Entries;
    for (QAction *A : RecentActions(F))
        Entries << QFileInfo(A->data().toString()).fileName();
    return Entries;
}

} // namespace

class TestSheetOpen : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir, SettingsDir;

  private slots:
    void initTestCase()
    {
        InitAppTest();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, SettingsDir.path());
    }
    void init() { QSettings(QStringLiteral("Lumentor"), QStringLiteral("Lumentor")).clear(); }

    // How: "open" ("Åbn..."), "args" (the command line), "drop", "recent"
    // (opened once, then again from "Seneste filer"). Choices: the sheet
    // list's answers.
    void open_data()
    {
        QTest::addColumn<QString>("How");
        QTest::addColumn<QString>("File");
        QTest::addColumn<QList<int>>("Choices");
        QTest::addColumn<QStringList>("Expected"); // caption, sheets offered, cells, messages
        QTest::newRow("Åbn..., the second sheet")
            << "open" << Fixture("klasse.xlsx") << QList<int>{1}
            << QStringList{"Lumentor - klasse - " + Obs, "Højder|Ark 2", "A1=10", "B2=40"};
        QTest::newRow("command line, ods")
            << "args" << Fixture("klasse.ods") << QList<int>{0}
            << QStringList{"Lumentor - klasse - " + Obs, "Målinger|Andet ark", "A=Længde",
                           "A1=2.25", "#2=Å", "C1=03-05-2024"};
        QTest::newRow("dropped csv, one sheet: no list")
            << "drop" << "elever.csv" << QList<int>{}
            << QStringList{"Lumentor - elever - " + Obs, "", "A=Højde", "A2=160.5", "#1=Anna"};
        QTest::newRow("from the recent files")
            << "recent" << Fixture("inline.xlsx") << QList<int>{}
            << QStringList{"Lumentor - inline - " + Obs, "", "A=Tid", "B1=ja ", "A3=29-02-2024"};
        QTest::newRow("more than 26 columns")
            << "open" << Fixture("bred.xlsx") << QList<int>{}
            << QStringList{"Lumentor - bred - " + Obs, "", "Z3=225",
                           "(i) Lumentor: Kun de første 26 kolonner er læst."};
    }
    void open()
    {
        QFETCH(QString, How);
        QFETCH(QString, File);
        QFETCH(QList<int>, Choices);
        QFETCH(QStringList, Expected);
        if (!QFileInfo(File).isAbsolute()) {
            File = Dir.filePath(File);
            QVERIFY(WriteBytes(File, "Navn;Højde\r\nAnna;152\r\nBo;\"160,5\"\r\n"));
        }
        TScriptedDialogs D;
        for (int C : Choices)
            D.ItemChoices.enqueue(C);
        auto F = StartedForm(D, How == "args" ? QStringList{File} : QStringList{});
        if (How == "open") {
            D.FileNames.enqueue(File);
            F->OpenDocument();
            QCOMPARE(D.FilesAsked.value(0).Filter,
                     QStringLiteral("Lumentor datafiler (*.lmt);;Regneark (*.xlsx *.ods *.csv);;"
                                    "Alle filer (*)"));
        } else if (How == "drop") {
            QTRY_VERIFY(F->Started());
            QVERIFY(Drop(*F, File));
        } else if (How == "recent") {
            F->OpenFile(File);
            F->NewDocument(dtObs);
            QCOMPARE(F->Lumen().UsedColumns(), 0);
            for (QAction *A : RecentActions(*F))
                if (A->data().toString() == File)
                    A->trigger();
        }
        QTRY_VERIFY(F->Lumen().UsedColumns() > 0);
        QStringList Cells;
        for (const QString &E : Expected.mid(2))
            if (!E.startsWith('('))
                Cells << E;
        QStringList Offered;
        for (const QStringList &Items : D.ItemsAsked)
            Offered << Items.join('|');
        QCOMPARE(QStringList({F->windowTitle(), Offered.join(' ')}) + Probe(F->Lumen(), Cells) +
                     Messages(D),
                 Expected);
        // A new, unsaved set that nothing asks to save, listed among the
        // recent files.
        QVERIFY(F->FileName().isEmpty());
        QVERIFY(!F->Lumen().IsModified());
        QCOMPARE(DataType, dtObs);
        QCOMPARE(RecentEntries(*F).value(0), QFileInfo(File).fileName());
    }

    // The open data set stays as it was.
    void notOpened_data()
    {
        QTest::addColumn<QString>("File");
        QTest::addColumn<QByteArray>("Bytes"); // written to File when not empty
        QTest::addColumn<QStringList>("Messages");
        QTest::newRow("damaged zip") << "ødelagt.xlsx" << QByteArray("PK\x03\x04 ikke mere")
                                     << QStringList{"(x) Fejl: Kunne ikke læse ødelagt.xlsx"};
        QTest::newRow("a text renamed .ods") << "tekst.ods" << QByteArray("1;2\n3;4\n")
                                             << QStringList{"(x) Fejl: Kunne ikke læse tekst.ods"};
        QTest::newRow("sheet choice cancelled") << Fixture("klasse.xlsx") << QByteArray()
                                                << QStringList{};
    }
    void notOpened()
    {
        QFETCH(QString, File);
        QFETCH(QByteArray, Bytes);
        QFETCH(QStringList, Messages);
        if (!Bytes.isEmpty()) {
            File = Dir.filePath(File);
            QVERIFY(WriteBytes(File, Bytes));
        }
        const QString Data = WriteLumenFile(Dir.filePath("mine.lmt"), dtObs, [](tLumen &L) {
            L.SetCellText(0, 0, QStringLiteral("5"));
        });
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->OpenFile(Data);
        F->Lumen().SetCellText(1, 0, QStringLiteral("6"));
        D.FileNames.enqueue(File);
        D.Answers.enqueue(QMessageBox::No); // the save question
        F->OpenDocument();
        QCOMPARE(::Messages(D).mid(1), Messages);
        QCOMPARE(Probe(F->Lumen(), {"A1=5", "A2=6"}), QStringList({"A1=5", "A2=6"}));
        QCOMPARE(F->FileName(), Data);
        QCOMPARE(F->windowTitle(), "Lumentor - mine - " + Obs);
    }

    // "Gem" asks for a data file beside the spreadsheet; a spreadsheet's name
    // typed there becomes a data file's.
    void saveNeverWritesTheSheet()
    {
        const QString Sheet = Dir.filePath("hold.xlsx");
        QFile::remove(Sheet);
        QVERIFY(QFile::copy(Fixture("inline.xlsx"), Sheet));
        const QByteArray Before = FileBytes(Sheet);
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->OpenFile(Sheet);
        D.FileNames.enqueue(Sheet);
        F->SaveDocument();
        QCOMPARE(D.FilesAsked.value(0).InitialName, Dir.filePath("hold.lmt"));
        QCOMPARE(FileBytes(Sheet), Before);
        QCOMPARE(F->FileName(), Dir.filePath("hold.lmt"));
        auto Saved = tLumen::CreateFromFile(Dir.filePath("hold.lmt"));
        QVERIFY(Saved && !Saved->ReadFailed());
        QCOMPARE(Saved->GetColName(1), QStringLiteral("Løb"));
    }

    // "Som nyt datasæt..." takes a spreadsheet's chosen sheet with the undo
    // step "Indsæt ark"; "Som ny kolonne..." its fields in order.
    void importCommands()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QTRY_VERIFY(F->Started());
        auto *Edit = dynamic_cast<TDataEdit *>(F->Editor(dtObs));
        QVERIFY(Edit);
        tLumen &L = F->Lumen();
        L.SetCellText(0, 0, QStringLiteral("1"));
        D.FileNames.enqueue(Fixture("klasse.xlsx"));
        D.ItemChoices.enqueue(1);
        D.Answers.enqueue(QMessageBox::Ok); // "Erstat alt?"
        Edit->ImportAsDataCommand();
        QVERIFY(D.FilesAsked.value(0).Filter.contains("Regneark (*.xlsx *.ods *.csv)"));
        QCOMPARE(Probe(L, {"A1=10", "B2=40"}), QStringList({"A1=10", "B2=40"}));
        QCOMPARE(L.GetUndoOp(), uint8_t(uoInsertSheet));

        L.ToggleColSelected(0);
        D.FileNames.enqueue(Fixture("inline.xlsx"));
        Edit->ImportAsCommand();
        QCOMPARE(Probe(L, {"A=Tid", "A1=Løb", "A2=12.5", "A3=ja ", "B1=10"}),
                 QStringList({"A=Tid", "A1=Løb", "A2=12.5", "A3=ja ", "B1=10"}));
    }
};

QTEST_MAIN(TestSheetOpen)
#include "tst_sheetopen.moc"
