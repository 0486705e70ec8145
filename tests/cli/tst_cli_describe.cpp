// lumentor-cli describe, import and export, run as a separate program: the
// exact clipboard texts, the choice of series, and the failures.
#include "Lumen.h"
#include "support_cli.h"

#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class tst_cli_describe : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;
    QString Data; // a data file with every kind of data

  private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Dir.isValid());
        QVERIFY(MakeRuntimeDir(Dir.path()));

        tLumen L;
        L.SetColName(0, QStringLiteral("Højde"));
        const QStringList A{"2", "1", "2", "3"};
        for (int I = 0; I < A.size(); ++I)
            L.SetCellText(I, 0, A[I]);
        // Column B grouped by hand into (0; 10] and (10; 20].
        const QStringList B{"5", "15", "12", "18"};
        for (int I = 0; I < B.size(); ++I)
            L.SetCellText(I, 1, B[I]);
        L.SetGroupKind(1, gkManual);
        L.AddInterval(1, 0, 10);
        L.AddInterval(1, 10, 20);
        L.SetCellText(1, 2, "x"); // column C: text only
        L.SetLineName(1, QStringLiteral("Bo"));
        L.SetHypName(0, QStringLiteral("Sko"));
        L.SetHypObsText(0, 0, "38");
        L.SetHypFreqText(0, 0, "3");
        L.SetHypObsText(1, 0, "40");
        L.SetHypFreqText(1, 0, "1");
        // Grouped column 2: the third class overlaps the first.
        const QStringList G{"0", "10", "1", "10", "20", "3", "5", "15", "2"};
        for (int I = 0; I < 3; ++I) {
            L.SetGrupLowText(I, 1, G[3 * I]);
            L.SetGrupHighText(I, 1, G[3 * I + 1]);
            L.SetGrupFreqText(I, 1, G[3 * I + 2]);
        }
        Data = Dir.filePath("data.lmt");
        DataType = dtObs;
        L.SaveToFile(Data);
        QVERIFY(!L.WriteFailed());
    }

    void describeText_data()
    {
        QTest::addColumn<QStringList>("Args");
        QTest::addColumn<QString>("Text");
        QTest::newRow("column table") << QStringList{"--col", "a", "--table"}
                                      << QStringLiteral("Højde\r\nObservation\th\tH\tf\tF\r\n"
                                                        "1\t1\t1\t0,250\t0,250\r\n"
                                                        "2\t2\t3\t0,500\t0,750\r\n"
                                                        "3\t1\t4\t0,250\t1,000\r\n");
        QTest::newRow("column keys")
            << QStringList{"--keys", "--col", "A"}
            << QStringLiteral("Højde\r\nAntal observationer\t4\r\n"
                              "Mindsteværdi\t1\r\nStørsteværdi\t3\r\n"
                              "Variationsbredde\t2\r\nTypetal\t2\r\n"
                              "Nedre kvartil\t1,00\r\nMedian\t2,00\r\n"
                              "Øvre kvartil\t2,00\r\nMiddeltal\t2,00\r\n"
                              "Varians\t0,50\r\nStandardafvigelse\t0,71\r\n");
        QTest::newRow("grouped column") << QStringList{"--col", "B", "--table"}
                                        << QStringLiteral("Søjle B\r\nNedre\tØvre\tMidt-\r\n"
                                                          "grænse\tgrænse\tpunkt\th\tH\tf\tF\r\n"
                                                          "0\t10\t5,00\t1\t1\t0,250\t0,250\r\n"
                                                          "10\t20\t15,00\t3\t4\t0,750\t1,000\r\n");
        // Line 2 (named Bo) holds 1 and 15; the text in column C is skipped.
        QTest::newRow("line") << QStringList{"--line", "2", "--table"}
                              << QStringLiteral(
                                     "Bo\r\nObservation\th\tH\tf\tF\r\n"
                                     "1\t1\t1\t0,500\t0,500\r\n15\t1\t2\t0,500\t1,000\r\n");
        QTest::newRow("two columns")
            << QStringList{"--col", "B", "--col", "A", "--table"}
            << QStringLiteral("Højde og Søjle B\r\nObservation\th\tH\tf\tF\r\n"
                              "1\t1\t1\t0,250\t0,250\r\n"
                              "2\t2\t3\t0,500\t0,750\r\n"
                              "3\t1\t4\t0,250\t1,000\r\n");
        QTest::newRow("frequencies")
            << QStringList{"--hyp", "1", "--keys"}
            << QStringLiteral("Sko\r\nAntal observationer\t4\r\n"
                              "Mindsteværdi\t38\r\nStørsteværdi\t40\r\n"
                              "Variationsbredde\t2\r\nTypetal\t38\r\n"
                              "Nedre kvartil\t38,00\r\nMedian\t38,00\r\n"
                              "Øvre kvartil\t38,00\r\nMiddeltal\t38,50\r\n"
                              "Varians\t0,75\r\nStandardafvigelse\t0,87\r\n");
    }

    void describeText()
    {
        QFETCH(QStringList, Args);
        QFETCH(QString, Text);
        const tRun R = RunCli(QStringList{"describe", Data} + Args);
        QCOMPARE(R.Code, 0);
        QCOMPARE(R.Out, Text.toUtf8());
    }

    void describeFailures_data()
    {
        QTest::addColumn<QStringList>("Args");
        QTest::addColumn<int>("Code");
        QTest::addColumn<QString>("Message");
        QTest::newRow("unreadable file")
            << QStringList{"describe", "missing.lmt", "--col", "A", "--table"} << 1
            << QStringLiteral("Kunne ikke læse data");
        QTest::newRow("text only") << QStringList{"describe", "DATA", "--col", "C", "--keys"} << 1
                                   << QStringLiteral("Serien indeholder ingen tal");
        QTest::newRow("faulty keys") << QStringList{"describe", "DATA", "--grup", "2", "--keys"}
                                     << 1 << QStringLiteral("Fejl i intervaller");
        QTest::newRow("faulty table") << QStringList{"describe", "DATA", "--grup", "2", "--table"}
                                      << 1 << QStringLiteral("Fejl i intervaller");
        QTest::newRow("no form") << QStringList{"describe", "DATA", "--col", "A"} << 2
                                 << QStringLiteral("Brug");
        QTest::newRow("bad column") << QStringList{"describe", "DATA", "--col", "AA", "--table"}
                                    << 2 << QStringLiteral("Ugyldig serie");
        QTest::newRow("mixed kinds")
            << QStringList{"describe", "DATA", "--col", "A", "--hyp", "1", "--table"} << 2
            << QStringLiteral("samme slags");
    }

    void describeFailures()
    {
        QFETCH(QStringList, Args);
        QFETCH(int, Code);
        QFETCH(QString, Message);
        Args.replaceInStrings(QStringLiteral("DATA"), Data);
        Args.replaceInStrings(QStringLiteral("missing.lmt"), Dir.filePath("missing.lmt"));
        const tRun R = RunCli(Args);
        QCOMPARE(R.Code, Code);
        QVERIFY2(R.Err.contains(Message), qPrintable(R.Err));
        QVERIFY(R.Out.isEmpty());
    }

    void importThenExport()
    {
        const QString Txt = Dir.filePath("in.txt");
        const QString Out = Dir.filePath("in.lmt");
        QVERIFY(WriteAll(Txt, "Navn;Vægt;Højde\nAnna;40,5;150\n\nBo;52;\n"));
        tRun R = RunCli({"import", Txt, "-o", Out});
        QCOMPARE(R.Code, 0);
        R = RunCli({"export", Out, "--names"});
        QCOMPARE(R.Code, 0);
        QCOMPARE(R.Out, QStringLiteral("\tVægt\tHøjde\rAnna\t40,5\t150\rBo\t52,0\t\r").toUtf8());
        R = RunCli({"export", Out});
        QCOMPARE(R.Out, QByteArray("40,5\t150\r52,0\t\r"));
        // The imported file describes like any other.
        R = RunCli({"describe", Out, "--col", "A", "--table"});
        QCOMPARE(R.Out, QStringLiteral("Vægt\r\nObservation\th\tH\tf\tF\r\n"
                                       "40,5\t1\t1\t0,500\t0,500\r\n52,0\t1\t2\t0,500\t1,000\r\n")
                            .toUtf8());
    }

    void importFailures()
    {
        const QString Txt = Dir.filePath("uneven.txt");
        const QString Out = Dir.filePath("uneven.lmt");
        QVERIFY(WriteAll(Txt, "1\t2\n3\n"));
        tRun R = RunCli({"import", Txt, "-o", Out});
        QCOMPARE(R.Code, 1);
        QVERIFY(!R.Err.isEmpty());
        QVERIFY(!QFile::exists(Out));

        R = RunCli({"import", Dir.filePath("none.txt"), "-o", Out});
        QCOMPARE(R.Code, 1);
        QVERIFY(R.Err.contains(QStringLiteral("Kunne ikke læse tekstfilen")));

        R = RunCli({"import", Txt});
        QCOMPARE(R.Code, 2);
        R = RunCli({"export", Dir.filePath("none.lmt")});
        QCOMPARE(R.Code, 1);
        QVERIFY(R.Err.contains(QStringLiteral("Kunne ikke læse data")));
    }
};

QTEST_GUILESS_MAIN(tst_cli_describe)
#include "tst_cli_describe.moc"
