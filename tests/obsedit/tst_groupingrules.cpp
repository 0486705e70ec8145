// The grouping rules apart from the dialog: the manual grid read into
// intervals (what is refused and why), the automatic grouping's class count
// at the edges of the largest value, and which values fall in a group.
#include "GroupingRules.h"

#include <QTest>

class TstGroupingRules : public QObject
{
    Q_OBJECT

  private slots:
    // Each row: the grid as "lower upper|lower upper|...", whether it reads,
    // and the intervals it gives.
    void manualGrid_data()
    {
        QTest::addColumn<QString>("Grid");
        QTest::addColumn<bool>("Ok");
        QTest::addColumn<int>("Count");
        auto Row = [](const char *Name, const char *Grid, bool Ok, int Count) {
            QTest::newRow(Name) << QString::fromUtf8(Grid) << Ok << Count;
        };
        Row("two intervals", "0 10|10 20", true, 2);
        Row("a single point first", "5 5|6 10", true, 2);
        Row("a single point apart", "0 10|12 12", true, 2);
        Row("a single point on the bound before", "0 10|10 10", false, 0);
        Row("first going down", "10 0", false, 0);
        Row("overlapping", "0 10|9 20", false, 0);
        Row("empty rows after the last are ignored", "0 10|10 20| |", true, 2);
        Row("an empty row between", "0 10| |10 20", false, 0);
        Row("text", "0 ti", false, 0);
        Row("nothing", " | ", false, 0);
    }
    void manualGrid()
    {
        QFETCH(QString, Grid);
        QFETCH(bool, Ok);
        QFETCH(int, Count);
        QVector<QStringList> Rows;
        for (const QString &R : Grid.split('|'))
            Rows << R.split(' ');
        QVector<tInterval> Intervals;
        QCOMPARE(ReadManualGrid(Rows, Intervals), Ok);
        if (Ok)
            QCOMPARE(Intervals.size(), Count);
    }

    // Classes a - b, then from c on, up to the first whose upper bound
    // reaches the largest value; a gap leaves values between the classes
    // outside.
    void automatic_data()
    {
        QTest::addColumn<QString>("Edits"); // a b c
        QTest::addColumn<double>("Max");
        QTest::addColumn<int>("Count");     // 0: not valid
        QTest::addColumn<QString>("Inside");
        QTest::addColumn<QString>("Outside");
        QTest::newRow("max on the last bound") << "0 10 10" << 30.0 << 3 << "0,5 10 30" << "31 -1";
        QTest::newRow("max just past a bound") << "0 10 10" << 30.5 << 4 << "30,5 40" << "40,5";
        QTest::newRow("max below the first bound") << "0 10 10" << 4.0 << 1 << "4" << "11";
        QTest::newRow("a gap between classes") << "0 10 12" << 30.0 << 3 << "10 12 34" << "11 35";
        QTest::newRow("width 0") << "5 5 6" << 30.0 << 0 << "" << "";
        QTest::newRow("second before the first's end") << "0 10 9" << 30.0 << 0 << "" << "";
    }
    void automatic()
    {
        QFETCH(QString, Edits);
        QFETCH(double, Max);
        QFETCH(int, Count);
        QFETCH(QString, Inside);
        QFETCH(QString, Outside);
        const QStringList E = Edits.split(' ');
        const tAutoGrouping G = ComputeAutoGrouping(E[0], E[1], E[2], true, Max);
        QCOMPARE(G.Valid, Count > 0);
        if (Count == 0)
            return;
        QCOMPARE(G.Count, Count);
        for (const QString &V : Inside.split(' ', Qt::SkipEmptyParts))
            QVERIFY2(InsideAuto(G, QString(V).replace(',', '.').toDouble()), qPrintable(V));
        for (const QString &V : Outside.split(' ', Qt::SkipEmptyParts))
            QVERIFY2(!InsideAuto(G, QString(V).replace(',', '.').toDouble()), qPrintable(V));
    }

    // The first interval is closed below, as is one that stands apart from
    // the one before; one that starts on the bound before is open there.
    void insideManual()
    {
        const QVector<tInterval> I{{0, 10}, {10, 20}, {25, 30}};
        for (double V : {0.0, 10.0, 20.0, 25.0, 30.0, 15.0})
            QVERIFY2(InsideManual(I, V), qPrintable(QString::number(V)));
        for (double V : {-0.5, 22.0, 24.9, 30.5})
            QVERIFY2(!InsideManual(I, V), qPrintable(QString::number(V)));
    }
};

QTEST_GUILESS_MAIN(TstGroupingRules)
#include "tst_groupingrules.moc"
