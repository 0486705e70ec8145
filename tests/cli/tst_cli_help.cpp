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

    // Help goes to standard output with status 0: each command's synopsis
    // followed by indented help lines. Anything else stays a usage error on
    // standard error with status 2.
    void help_data()
    {
        QTest::addColumn<QStringList>("Args");
        QTest::addColumn<QStringList>("Synopses"); // empty for a usage error
        const QStringList All{"info FIL.lmt",
                              "convert IND.lmt UD.lmt",
                              "describe FIL.lmt --col A",
                              "import TEKST.txt -o FIL.lmt",
                              "export FIL.lmt [--names]",
                              "render FIL.lmt --col A"};
        QTest::newRow("all") << QStringList{"--help"} << All;
        QTest::newRow("one") << QStringList{"export", "--help"} << QStringList{All[4]};
        QTest::newRow("short form") << QStringList{"render", "-h"} << QStringList{All[5]};
        QTest::newRow("unknown command") << QStringList{"nej", "--help"} << QStringList();
        QTest::newRow("not alone") << QStringList{"export", "a.lmt", "--help"} << QStringList();
    }
    void help()
    {
        QFETCH(QStringList, Args);
        QFETCH(QStringList, Synopses);
        const tRun R = RunCli(Args);
        QCOMPARE(R.Code, Synopses.isEmpty() ? 2 : 0);
        QCOMPARE(R.Err.startsWith(QStringLiteral("Brug:")), Synopses.isEmpty());
        const QString Text = R.Text();
        // One command's help shows that command only (the list may grow).
        if (Synopses.size() <= 1)
            QCOMPARE(Text.count(QStringLiteral("\n  lumentor-cli ")), Synopses.size());
        for (const QString &S : Synopses) {
            const int At = Text.indexOf(QStringLiteral("\n  lumentor-cli ") + S);
            QVERIFY2(At >= 0, qPrintable(S));
            const QString Next = Text.mid(Text.indexOf(QLatin1Char('\n'), At + 1) + 1);
            QVERIFY2(Next.startsWith(QStringLiteral("      ")) && Next.at(6).isLetter(),
                     qPrintable(S));
        }
    }
};

QTEST_GUILESS_MAIN(TestCliHelp)
#include "tst_cli_help.moc"
