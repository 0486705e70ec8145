// "Importér tekstfil": a text file as a new column, a new line or a new data
// set, through the file dialog "Import af tekst".
#include "sheet_text.h"
#include "support_host.h"

#include "DataEdit.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstImport : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase()
    {
        InitEditorTest();
        QVERIFY(Dir.isValid());
    }

    void import_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QByteArray>("file"); // "" no file chosen
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("answer"); // to "Erstat alt?"
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("asked"); // the message asked, "" none

        const QStringList WithZ{"A=1", "B=2", "C:B*2", "Y=8", "Z=9"};
        QTest::newRow("into column B, Z lost")
            << WithZ << "B" << QByteArray("V\xc3\xa6gt\r\n60\r\n70,5\r\n") << "ImportSom" << 0
            << "A=1|B'Vægt=60,70.5|C=2|D:C*2=4|Z=8"
            << "";
        // A file's last line counts as ended: "Per" is the line's name.
        QTest::newRow("into a line, semicolons, no last line end")
            << QStringList{"A=1,2", "B=3,4"} << "1" << QByteArray("Per;5;6.5") << "ImportSom" << 0
            << "A=1,5,2|B=3,6.5,4|#,Per"
            << "";
        QTest::newRow("cancelled")
            << WithZ << "B" << QByteArray() << "ImportSom" << 0 << "A=1|B=2|C:B*2=4|Y=8|Z=9"
            << "";
        QTest::newRow("as a data set, empty lines left out")
            << QStringList{"A=1"} << "" << QByteArray("\tX;Y\r\n\r\np\t1;2\r\nq\t3;4\r\n")
            << "ImportSomData" << int(QMessageBox::Ok) << "A'X=1,3|B'Y=2,4|#p,q"
            << "Det nuværende indhold mistes";
        QTest::newRow("as a data set into an empty editor asks nothing")
            << QStringList{} << "" << QByteArray("1;2\n3;4\n") << "ImportSomData" << 0
            << "A=1,3|B=2,4"
            << "";
        QTest::newRow("as a data set, replacing refused")
            << QStringList{"A=1"} << "" << QByteArray("1;2\n") << "ImportSomData"
            << int(QMessageBox::Cancel) << "A=1"
            << "Det nuværende indhold mistes";
    }

    void import()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, marks);
        QFETCH(QByteArray, file);
        QFETCH(QString, item);
        QFETCH(int, answer);
        QFETCH(QString, expected);
        QFETCH(QString, asked);
        TEditorFixture F;
        SetupSheet(F.L(), setup);
        const QString Before = Sheet(F.L());
        if (!file.isEmpty()) {
            const QString Path = Dir.filePath(QStringLiteral("data.txt"));
            QFile Out(Path);
            QVERIFY(Out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            Out.write(file);
            Out.close();
            F.Host.Script.FileNames.enqueue(Path);
        }
        if (answer != 0)
            F.Host.Script.Answers.enqueue(QMessageBox::StandardButton(answer));
        for (const QString &M : marks.split(',', Qt::SkipEmptyParts)) {
            if (M[0].isDigit())
                F.Edit->MarkLine(M.toInt(), Qt::NoModifier);
            else
                F.Edit->MarkColumn(ColIndex(M[0]), Qt::NoModifier);
        }
        F.Edit->MenuItem(item)->trigger();

        QCOMPARE(Sheet(F.L()), expected);
        QCOMPARE(F.Host.Script.LastAsked().Text, asked);
        QCOMPARE(F.Host.Script.FilesAsked.size(), 1);
        QCOMPARE(F.Host.Script.FilesAsked[0].Caption, QStringLiteral("Import af tekst"));
        QCOMPARE(F.Host.Script.FilesAsked[0].Filter, QStringLiteral("Tekstfiler (*.txt)"));
        QCOMPARE(F.Host.Script.FilesAsked[0].DefaultSuffix, QStringLiteral("txt"));
        if (expected == Before) {
            QCOMPARE(F.L().GetUndoOp(), uint8_t(uoNone));
            return;
        }
        QCOMPARE(F.Edit->RowCount() >= F.L().MaxLines(), true);
        F.Edit->MenuItem(QStringLiteral("RedigerFortryd"))->trigger();
        QCOMPARE(Sheet(F.L()), Before);
    }

    void unreadableFile()
    {
        TEditorFixture F;
        SetupSheet(F.L(), {"A=1"});
        F.Edit->MarkColumn(0, Qt::NoModifier);
        F.Host.Script.FileNames.enqueue(Dir.filePath(QStringLiteral("mangler.txt")));
        F.Edit->MenuItem(QStringLiteral("ImportSom"))->trigger();
        QCOMPARE(Sheet(F.L()), QStringLiteral("A=1"));
        QCOMPARE(F.Host.Script.LastAsked().Title, QStringLiteral("Fejl"));
        QCOMPARE(F.Host.Script.LastAsked().Text, QStringLiteral("Kunne ikke læse mangler.txt"));
        QVERIFY(F.L().IsColSelected(0));
    }

  private:
    QTemporaryDir Dir;
};

QTEST_MAIN(TstImport)
#include "tst_import.moc"
