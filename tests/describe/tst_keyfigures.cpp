// Key figures of distinct values and of classes, worked out by hand:
// quartiles by the "first F at or above the level" rule, the interpolated
// quartiles of classes, the mode and its uniqueness, population variance.
#include "Descriptor.h"
#include "KeyFigures.h"

#include <QLocale>
#include <QtTest>
#include <cmath>

namespace
{

tDescriptor &Describe(tLumen &L, TDataType Type)
{
    tDescriptor &D = DescriptorOf(L);
    D.SetOwner(Type);
    D.MarkStale();
    D.Recompute(L);
    return D;
}

// Classes as (lower, upper, h) into grouped column 1.
tDescriptor &DescribeClasses(tLumen &L, const QVector<double> &Rows)
{
    for (int I = 0; I + 2 < Rows.size(); I += 3) {
        L.SetGrupLowText(I / 3, 0, QString::number(Rows[I]));
        L.SetGrupHighText(I / 3, 0, QString::number(Rows[I + 1]));
        L.SetGrupFreqText(I / 3, 0, QString::number(Rows[I + 2]));
    }
    L.ToggleGrupColSelected(0);
    return Describe(L, dtGrup);
}

bool Near(long double A, double B)
{
    return std::fabs(double(A) - B) <= 1e-12 * std::max(1.0, std::fabs(B));
}

} // namespace

class tst_keyfigures : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void ungrouped_data()
    {
        QTest::addColumn<QStringList>("Values");
        QTest::addColumn<QVector<double>>(
            "Expected"); // n, sum, min, max, range, lq, median, uq, mean, variance
        QTest::addColumn<bool>("ModeUnique");
        QTest::addColumn<double>("Mode");

        // Even n: the median is the lower of the two middle values.
        QTest::newRow("1 2 3 4") << QStringList{"4", "2", "1", "3"}
                                 << QVector<double>{4, 10, 1, 4, 3, 1, 2, 3, 2.5, 1.25} << false
                                 << 0.0;
        // F = 0,75 exactly makes 2 the upper quartile (at least, not above).
        QTest::newRow("1 2 2 3") << QStringList{"1", "2", "2", "3"}
                                 << QVector<double>{4, 8, 1, 3, 2, 1, 2, 2, 2, 0.5} << true << 2.0;
        // Two values share the largest h.
        QTest::newRow("5 5 7 7 9")
            << QStringList{"5", "5", "7", "7", "9"}
            << QVector<double>{5, 33, 5, 9, 4, 5, 7, 7, 6.6, 2.24} << false << 0.0;
        // A later, larger h makes the mode unique again.
        QTest::newRow("tie then larger")
            << QStringList{"1", "1", "2", "2", "3", "3", "3"}
            << QVector<double>{7, 15, 1, 3, 2, 1, 2, 3, 15.0 / 7, 37.0 / 7 - 225.0 / 49} << true
            << 3.0;
        QTest::newRow("one value")
            << QStringList{"-2,5"}
            << QVector<double>{1, -2.5, -2.5, -2.5, 0, -2.5, -2.5, -2.5, -2.5, 0} << true << -2.5;
    }

    void ungrouped()
    {
        QFETCH(QStringList, Values);
        QFETCH(QVector<double>, Expected);
        QFETCH(bool, ModeUnique);
        QFETCH(double, Mode);
        tLumen L;
        for (int I = 0; I < Values.size(); ++I)
            L.SetCellText(I, 0, Values[I]);
        L.ToggleColSelected(0);
        const tDescriptor &D = Describe(L, dtObs);
        QCOMPARE(double(D.N()), Expected[0]);
        QVERIFY(Near(D.Sum(), Expected[1]));
        QVERIFY(Near(D.Min(), Expected[2]));
        QVERIFY(Near(D.Max(), Expected[3]));
        QVERIFY(Near(D.Range(), Expected[4]));
        QVERIFY(Near(D.LowerQuartile(), Expected[5]));
        QVERIFY(Near(D.Median(), Expected[6]));
        QVERIFY(Near(D.UpperQuartile(), Expected[7]));
        QVERIFY(Near(D.Mean(), Expected[8]));
        QVERIFY2(Near(D.Variance(), Expected[9]),
                 qPrintable(QString::number(double(D.Variance()))));
        QVERIFY(Near(D.StdDev(), std::sqrt(Expected[9])));
        Extended M = 0;
        QCOMPARE(D.Mode(M), ModeUnique);
        if (ModeUnique)
            QCOMPARE(double(M), Mode);
    }

    void constantDataHasZeroDeviation()
    {
        // 0,1 has no exact binary form, so n·mean² and Σx² disagree in the
        // last bits; the deviation must still be a number, 0 for a negative
        // variance.
        tLumen L;
        for (int I = 0; I < 7; ++I)
            L.SetCellText(I, 0, QStringLiteral("0,1"));
        L.ToggleColSelected(0);
        const tDescriptor &D = Describe(L, dtObs);
        QVERIFY(std::fabs(double(D.Variance())) < 1e-15);
        QVERIFY(D.StdDev() >= 0);
        QVERIFY(!std::isnan(double(D.StdDev())));
        if (D.Variance() <= 0)
            QCOMPARE(double(D.StdDev()), 0.0);
    }

    void grouped_data()
    {
        QTest::addColumn<QVector<double>>("Rows");
        QTest::addColumn<QVector<double>>("Expected"); // n, range, lq, median, uq, mean, variance
        QTest::addColumn<bool>("ModalUnique");
        QTest::addColumn<double>("ModalLower");

        // Median = 0 + 10 · (0,5 - 0) / 0,5 = 10.
        QTest::newRow("two equal classes")
            << QVector<double>{0, 10, 2, 10, 20, 2} << QVector<double>{4, 20, 5, 10, 15, 10, 25}
            << false << 0.0;
        // Mean (5 + 45) / 4 = 12,5; variance (25 + 675) / 4 - 156,25 = 18,75.
        QTest::newRow("modal class unique") << QVector<double>{0, 10, 1, 10, 20, 3}
                                            << QVector<double>{4,
                                                               20,
                                                               10 + 10 * (0.25 - 0.25) / 0.75,
                                                               10 + 10 * (0.5 - 0.25) / 0.75,
                                                               10 + 10 * (0.75 - 0.25) / 0.75,
                                                               12.5,
                                                               18.75}
                                            << true << 10.0;
        // An empty class first: F stays 0 there, the level is passed later.
        QTest::newRow("empty first class")
            << QVector<double>{0, 10, 0, 10, 20, 4} << QVector<double>{4, 20, 12.5, 15, 17.5, 15, 0}
            << true << 10.0;
        // Classes with a gap between them: range spans the gap.
        QTest::newRow("gap") << QVector<double>{0, 4, 1, 6, 10, 1}
                             << QVector<double>{2, 10, 2, 4, 8, 5, 9} << false << 0.0;
    }

    void grouped()
    {
        QFETCH(QVector<double>, Rows);
        QFETCH(QVector<double>, Expected);
        QFETCH(bool, ModalUnique);
        QFETCH(double, ModalLower);
        tLumen L;
        const tDescriptor &D = DescribeClasses(L, Rows);
        QVERIFY(!D.HasClassFault());
        QCOMPARE(double(D.N()), Expected[0]);
        QVERIFY(Near(D.Range(), Expected[1]));
        QVERIFY2(Near(D.LowerQuartile(), Expected[2]),
                 qPrintable(QString::number(double(D.LowerQuartile()))));
        QVERIFY2(Near(D.Median(), Expected[3]), qPrintable(QString::number(double(D.Median()))));
        QVERIFY2(Near(D.UpperQuartile(), Expected[4]),
                 qPrintable(QString::number(double(D.UpperQuartile()))));
        QVERIFY(Near(D.Mean(), Expected[5]));
        QVERIFY2(Near(D.Variance(), Expected[6]),
                 qPrintable(QString::number(double(D.Variance()))));
        Extended Lo = -1, Hi = -1;
        QCOMPARE(D.ModalClass(Lo, Hi), ModalUnique);
        if (ModalUnique)
            QCOMPARE(double(Lo), ModalLower);
    }

    void valuesOutsideAllClasses()
    {
        // Automatic classes (0, 10] and (10, 20]: 25 lies outside, 0 too.
        tLumen L;
        const QStringList Values{"5", "25", "25", "0"};
        for (int I = 0; I < Values.size(); ++I)
            L.SetCellText(I, 0, Values[I]);
        L.SetGroupKind(0, gkAuto);
        L.SetFirstLower(0, 0);
        L.SetFirstUpper(0, 10);
        L.SetGap(0, 0);
        L.SetGroupCount(0, 2);
        L.ToggleColSelected(0);
        const tDescriptor &D = Describe(L, dtObs);
        QCOMPARE(D.N(), 4);
        // F of the classes: 0,25 and 0,25; the lower quartile is reached in
        // the first class, the median and upper quartile never: they keep the
        // first midpoint.
        QVERIFY(Near(D.LowerQuartile(), 10));
        QVERIFY(Near(D.Median(), 5));
        QVERIFY(Near(D.UpperQuartile(), 5));
        QVERIFY(Near(D.Mean(), 5.0 / 4));
        QVERIFY(Near(D.Range(), 20));
    }

    void noFrequencyGivesNoDivision()
    {
        tLumen L;
        const tDescriptor &D = DescribeClasses(L, {0, 10, 0, 10, 20, 0});
        QCOMPARE(D.N(), 0);
        QCOMPARE(double(D.Mean()), 0.0);
        QCOMPARE(double(D.Variance()), 0.0);
        QCOMPARE(double(D.Median()), 5.0);
        Extended Lo, Hi;
        QVERIFY(!D.ModalClass(Lo, Hi));
    }
};

QTEST_GUILESS_MAIN(tst_keyfigures)
#include "tst_keyfigures.moc"
