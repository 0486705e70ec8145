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
    QString DataFile(const QString &Name, TDataType Type = dtObs) const
    {
        return WriteLumenFile(Dir.filePath(Name + QStringLiteral(".lmt")), Type, FillOne);
    }

  private slots:
    void initTestCase()
    {
        InitAppTest();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, SettingsDir.path());
    }
    void init() { QSettings(QStringLiteral("Lumentor"), QStringLiteral("Lumentor")).clear(); }

    // Files opened ("a") or saved as ("+a") in a first run; the next run's
    // menu lists them newest first.
    void listAcrossTwoStarts_data()
    {
        QTest::addColumn<QStringList>("Steps");
        QTest::addColumn<QStringList>("Expected");
        QTest::newRow("reopened moves up, saved joins")
            << QStringList{"a", "b", "a", "+R&D"}
            << QStringList{"&1 R&&D.lmt", "&2 a.lmt", "&3 b.lmt"};
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
            for (const QString &Step : Steps) {
                if (Step.startsWith(QLatin1Char('+'))) {
                    D.FileNames.enqueue(Dir.filePath(Step.mid(1) + QStringLiteral(".lmt")));
                    F->SaveDocumentAs();
                } else {
                    F->OpenFile(DataFile(Step));
                }
            }
        }
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QStringList Entries;
        for (QAction *A : Recent(*F)->actions())
            Entries << A->text();
        QCOMPARE(Entries, Expected);
    }

    // Choosing a file that is gone takes it off the list, opening nothing.
    void chooseMissingFile()
    {
        const QString Old = DataFile(QStringLiteral("gammel"));
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->OpenFile(Old);
        F->OpenFile(DataFile(QStringLiteral("anden")));
        QVERIFY(QFile::remove(Old));
        Recent(*F)->actions().at(1)->trigger();
        QCOMPARE(D.LastAsked().Title, QStringLiteral("Fejl"));
        QCOMPARE(QFileInfo(F->FileName()).fileName(), QStringLiteral("anden.lmt"));
        QCOMPARE(Recent(*F)->actions().size(), 1);
    }

    // A data file dropped anywhere on the window opens after the save question.
    void dropDataFile()
    {
        const QString File = DataFile(QStringLiteral("grupper"), dtGrup);
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->Lumen().SetCellText(0, 0, QStringLiteral("5"));
        D.Answers.enqueue(Button::No);
        QVERIFY(Drag(*F, File));
        QTRY_COMPARE(F->FileName(), File);
        QCOMPARE(D.LastAsked().Title, QStringLiteral("Data er ændret"));
        QCOMPARE(DataType, dtGrup);
    }

    // A text file dropped on the observation editor becomes its data set.
    void dropTextFile_data()
    {
        QTest::addColumn<QByteArray>("Text");
        QTest::addColumn<bool>("HadData");
        QTest::addColumn<QString>("Asked");
        QTest::addColumn<QStringList>("Expected"); // name of A, cells A1 and B2
        const QByteArray Sheet = "Højde\tVægt\r\n151\t40\r\n160\t52,5\r\n";
        QTest::newRow("empty editor, no question")
            << Sheet << false << QString() << QStringList{"Højde", "151", "52,5"};
        QTest::newRow("replace all? cancelled")
            << Sheet << true << "Erstat alt?" << QStringList{"Alder", "12", ""};
    }
    void dropTextFile()
    {
        QFETCH(QByteArray, Text);
        QFETCH(bool, HadData);
        QFETCH(QString, Asked);
        QFETCH(QStringList, Expected);
        QFile T(Dir.filePath(QStringLiteral("maalinger.txt")));
        QVERIFY(T.open(QIODevice::WriteOnly | QIODevice::Truncate) && T.write(Text) == Text.size());
        T.close();
        TScriptedDialogs D;
        auto F = StartedForm(D);
        if (HadData)
            FillOne(F->Lumen());
        F->SetDataType(dtGrup); // only the observation editor takes text
        QVERIFY(!Drag(*F, T.fileName()));
        F->SetDataType(dtObs);
        QVERIFY(Drag(*F, T.fileName()));
        QTest::qWait(20);
        QTRY_COMPARE(D.LastAsked().Title, Asked);
        const tLumen &L = F->Lumen();
        QCOMPARE((QStringList{L.GetColName(0), L.GetCellText(0, 0), L.GetCellText(1, 1)}),
                 Expected);
    }
};

QTEST_MAIN(TestRecentDrops)
#include "tst_recentdrops.moc"
