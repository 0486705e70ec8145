// The list of recent files across starts of the program, and files dropped
// on the main window.
#include "support_app.h"

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
    L.SetColName(0, QStringLiteral("Alder"));
    L.SetCellText(0, 0, QStringLiteral("12"));
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
} // namespace

class TestRecentDrops : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir, SettingsDir;
    QString DataFile(const QString &Name) const
    {
        return WriteLumenFile(Dir.filePath(Name + QStringLiteral(".lmt")), dtObs, FillOne);
    }

  private slots:
    void initTestCase()
    {
        InitAppTest();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, SettingsDir.path());
    }
    void init() { QSettings(QStringLiteral("Lumentor"), QStringLiteral("Lumentor")).clear(); }

    // Files opened ("a"), saved as ("+a") or gone and chosen from the menu
    // ("-a") in a first run; the next run's menu lists them newest first.
    void listAcrossTwoStarts_data()
    {
        QTest::addColumn<QStringList>("Steps");
        QTest::addColumn<QStringList>("Expected");
        QTest::addColumn<QString>("Asked"); // %1 the folder
        QTest::newRow("reopened moves up, saved joins")
            << QStringList{"a", "b", "a", "+R&D"}
            << QStringList{"&1 R&&D.lmt", "&2 a.lmt", "&3 b.lmt"} << QString();
        QStringList Ten, LastEight;
        for (int I = 0; I < 10; ++I)
            Ten << QStringLiteral("f%1").arg(I);
        for (int I = 9; I >= 2; --I)
            LastEight << QStringLiteral("&%1 f%2.lmt").arg(10 - I).arg(I);
        QTest::newRow("at most eight") << Ten << LastEight << QString();
        QTest::newRow("gone, taken off")
            << QStringList{"gammel", "anden", "-gammel"} << QStringList{"&1 anden.lmt"}
            << "(x) Fejl: Filen %1/gammel.lmt findes ikke længere. Den er fjernet fra listen "
               "over seneste filer.";
    }
    void listAcrossTwoStarts()
    {
        QFETCH(QStringList, Steps);
        QFETCH(QStringList, Expected);
        QFETCH(QString, Asked);
        {
            TScriptedDialogs D;
            auto F = StartedForm(D);
            for (const QString &Step : Steps) {
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
                    F->OpenFile(DataFile(Step));
                }
            }
            QCOMPARE(Messages(D).join(""), Asked.arg(Dir.path()));
        }
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QStringList Entries;
        for (QAction *A : Recent(*F)->actions())
            Entries << A->text();
        QCOMPARE(Entries, Expected);
    }

    // A data file dropped anywhere on the window opens after the save
    // question; a text file dropped on the observation editor (no other)
    // becomes its data set. The window held A1 = 5, or nothing where no
    // answer (NoButton) is given.
    void drop_data()
    {
        QTest::addColumn<QString>("File"); // a data file is written here
        QTest::addColumn<QByteArray>("Text");
        QTest::addColumn<Button>("Answer");
        QTest::addColumn<QStringList>("Asked");
        QTest::addColumn<QStringList>("Expected");
        const QByteArray Sheet = "Højde\tVægt\r\n151\t40\r\n160\t52,5\r\n";
        QTest::newRow("data file") << "grupper.lmt" << QByteArray() << Button::No
                                   << QStringList{"(?) Data er ændret: Skal ændringerne gemmes?"}
                                   << QStringList{"A=Alder", "A1=12"};
        QTest::newRow("text, no question")
            << "målinger.txt" << Sheet << Button::NoButton << QStringList()
            << QStringList{"A=Højde", "A1=151", "B2=52.5"};
        QTest::newRow("text, replace all cancelled")
            << "målinger.txt" << Sheet << Button::Cancel
            << QStringList{"(i) Erstat alt?: Det nuværende indhold mistes"}
            << QStringList{"A=", "A1=5", "B2="};
        QTest::newRow("text, no sheet")
            << "rod.txt" << QByteArray("1\t2\r\n3\r\n") << Button::NoButton
            << QStringList{"(x) Fejl: Teksten kan ikke bruges som talsæt: rækkerne har ikke lige "
                           "mange felter, eller der er ingen hel række"}
            << QStringList{"A1=", "B1="};
    }

    void drop()
    {
        QFETCH(QString, File);
        QFETCH(QByteArray, Text);
        QFETCH(Button, Answer);
        QFETCH(QStringList, Asked);
        QFETCH(QStringList, Expected);
        File = Dir.filePath(File);
        if (Text.isEmpty()) {
            WriteLumenFile(File, dtGrup, FillOne);
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
};

QTEST_MAIN(TestRecentDrops)
#include "tst_recentdrops.moc"
