// lumentor-cli with the box plot and the histogram: the describe texts
// (the bars' areas checked from the printed figures), the refusals, and
// render and print of both kinds.
#include "support_cli.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
const QString Examples = QStringLiteral(LUMEN_SOURCE_DIR "/examples/");

double Number(const QString &Text)
{
    return QString(Text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}
} // namespace

class tst_cli_shapes : public QObject
{
    Q_OBJECT
  private slots:
    // Two columns of the class's heights and shoe sizes: one line per
    // series under the labels, the same numbers as --keys.
    void describeBoxPlot()
    {
        const tRun R = RunCli({QStringLiteral("describe"), Examples + "hoejder.lmt", "--col", "A",
                               "--col", "B", "--boxplot"});
        QCOMPARE(R.Code, 0);
        const QStringList Lines = QString::fromUtf8(R.Out).split(QStringLiteral("\r\n"));
        QCOMPARE(Lines.size(), 4); // heading, two series, and the last line end
        QCOMPARE(Lines[0], QStringLiteral("\tMindsteværdi\tNedre kvartil\tMedian\tØvre kvartil\tStørsteværdi"));
        const tRun K = RunCli({QStringLiteral("describe"), Examples + "hoejder.lmt", "--col", "A", "--keys"});
        QCOMPARE(K.Code, 0);
        const QString Keys = QString::fromUtf8(K.Out);
        const QStringList A = Lines[1].split('\t');
        QCOMPARE(A.size(), 6);
        QVERIFY(Keys.contains(QStringLiteral("Mindsteværdi\t") + A[1] + "\r\n"));
        QVERIFY(Keys.contains(QStringLiteral("Nedre kvartil\t") + A[2] + "\r\n"));
        QVERIFY(Keys.contains(QStringLiteral("Median\t") + A[3] + "\r\n"));
        QVERIFY(Keys.contains(QStringLiteral("Øvre kvartil\t") + A[4] + "\r\n"));
        QVERIFY(Keys.contains(QStringLiteral("Størsteværdi\t") + A[5] + "\r\n"));
    }

    // The bars of the grouped heights: frequencies that add up to 100 %, and
    // heights that are the frequencies for equal classes.
    void describeHistogram()
    {
        const tRun R = RunCli({QStringLiteral("describe"), Examples + "hoejdeklasser.lmt", "--grup",
                               "1", "--histogram"});
        QCOMPARE(R.Code, 0);
        QStringList Lines = QString::fromUtf8(R.Out).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QVERIFY(Lines.size() > 3);
        QCOMPARE(Lines[1], QStringLiteral("Nedre grænse\tØvre grænse\tFrekvens i %\tHøjde (frekvens i %)"));
        double Sum = 0;
        for (const QString &Line : Lines.mid(2)) {
            const QStringList F = Line.split('\t');
            QCOMPARE(F.size(), 4);
            QVERIFY(Number(F[1]) > Number(F[0]));
            QCOMPARE(F[2], F[3]);
            Sum += Number(F[2]);
        }
        QVERIFY(qAbs(Sum - 100) < 1e-4);
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("Args");
        QTest::addColumn<QString>("Error");
        QTest::newRow("histogram of ungrouped values")
            << QStringList{"describe", Examples + "hoejder.lmt", "--col", "A", "--histogram"}
            << "Histogram kræver én grupperet kolonne";
        QTest::newRow("box plot of two lines")
            << QStringList{"describe", Examples + "hoejder.lmt", "--line", "1", "--line", "2", "--boxplot"}
            << "Boksplot tegnes for én linje eller kolonne ad gangen";
        QTest::newRow("render a histogram of frequencies")
            << QStringList{"render", Examples + "karakterfordeling.lmt", "--hyp", "1", "--kind",
                           "histogram", "-o", "/dev/null"}
            << "Histogram kræver én grupperet kolonne";
    }
    void refusals()
    {
        QFETCH(QStringList, Args);
        QFETCH(QString, Error);
        const tRun R = RunCli(Args);
        QCOMPARE(R.Code, 1);
        QCOMPARE(R.Err.trimmed(), Error);
        QVERIFY(R.Out.isEmpty());
    }

    // Pictures of the sizes the copy command uses, and a printed page.
    void renderAndPrint()
    {
        QTemporaryDir Dir;
        const QString Box = Dir.filePath("box.png"), Hist = Dir.filePath("hist.png"),
                      Pdf = Dir.filePath("hist.pdf");
        QCOMPARE(RunCli({"render", Examples + "hoejder.lmt", "--col", "A", "--col", "B", "--kind",
                         "boksplot", "-o", Box})
                     .Code,
                 0);
        QCOMPARE(QImage(Box).size(), QSize(400, 260));
        QCOMPARE(RunCli({"render", Examples + "hoejdeklasser.lmt", "--grup", "1", "--kind",
                         "histogram", "-o", Hist})
                     .Code,
                 0);
        QCOMPARE(QImage(Hist).size(), QSize(400, 400));
        QCOMPARE(RunCli({"print", Examples + "hoejdeklasser.lmt", "--grup", "1", "--kind",
                         "histogram", "--name", "6.a", "-o", Pdf})
                     .Code,
                 0);
        QVERIFY(ReadAll(Pdf).startsWith("%PDF"));
    }
};

QTEST_MAIN(tst_cli_shapes)
#include "tst_cli_shapes.moc"
