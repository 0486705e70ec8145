// lumentor-cli --help and lumentor-cli KOMMANDO --help.
#include "support_cli.h"

#include <QTemporaryDir>
#include <QtTest>

class TestCliHelp : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;

  private slots:
    void initTestCase() { QVERIFY(MakeRuntimeDir(Dir.path())); }

    // Every command: its synopsis and at least one line of help, on standard
    // output, both in the list of all commands and on its own.
    void commandHelp_data()
    {
        QTest::addColumn<QString>("Command");
        QTest::addColumn<QString>("Synopsis");
        QTest::newRow("info") << "info"
                              << "info FIL.lmt";
        QTest::newRow("convert") << "convert"
                                 << "convert IND.lmt UD.lmt";
        QTest::newRow("describe") << "describe"
                                  << "describe FIL.lmt --col A";
        QTest::newRow("import") << "import"
                                << "import TEKST.txt -o FIL.lmt";
        QTest::newRow("export") << "export"
                                << "export FIL.lmt [--names]";
        QTest::newRow("render") << "render"
                                << "render FIL.lmt --col A";
    }
    void commandHelp()
    {
        QFETCH(QString, Command);
        QFETCH(QString, Synopsis);
        const QString Line = QStringLiteral("  lumentor-cli ") + Synopsis;
        for (const QStringList &Args :
             {QStringList{QStringLiteral("--help")}, QStringList{Command, QStringLiteral("--help")},
              QStringList{Command, QStringLiteral("-h")}}) {
            const tRun R = RunCli(Args);
            QCOMPARE(R.Code, 0);
            QCOMPARE(R.Err, QString());
            const QStringList Lines = R.Text().split(QLatin1Char('\n'));
            int At = -1;
            for (int I = 0; I < Lines.size() && At < 0; ++I)
                if (Lines[I].startsWith(Line))
                    At = I;
            QVERIFY2(At >= 0, qPrintable(Args.join(' ') + ": " + R.Text()));
            // The help lines follow, indented, in Danish.
            QVERIFY(At + 1 < Lines.size() && Lines[At + 1].startsWith(QStringLiteral("      ")) &&
                    !Lines[At + 1].trimmed().isEmpty());
            if (Args.size() == 2)
                QVERIFY(!R.Text().contains(QStringLiteral("Kommandoer:")));
        }
    }

    // What is no request for help keeps its usage error.
    void noHelp_data()
    {
        QTest::addColumn<QStringList>("Args");
        QTest::newRow("nothing") << QStringList();
        QTest::newRow("unknown command") << QStringList{"hjælp"};
        QTest::newRow("unknown command asking help") << QStringList{"nej", "--help"};
        QTest::newRow("help among arguments") << QStringList{"export", "a.lmt", "--help"};
    }
    void noHelp()
    {
        QFETCH(QStringList, Args);
        const tRun R = RunCli(Args);
        QCOMPARE(R.Code, 2);
        QVERIFY(R.Err.startsWith(QStringLiteral("Brug:")));
        QCOMPARE(R.Out, QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestCliHelp)
#include "tst_cli_help.moc"
