// The program's random numbers and the random columns they fill.
#include "Random.h"
#include "sheet_text.h"

#include <QLocale>
#include <QSet>
#include <QtTest>

class TestRandom : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void generator()
    {
        // seed := seed * 134775813 + 1 (mod 2^32), worked by hand from 1.
        tRandom G(1);
        QList<uint32_t> Draws;
        for (int I = 0; I < 6; ++I)
            Draws << G.NextInt(100);
        QCOMPARE(Draws, QList<uint32_t>({3, 86, 20, 27, 67, 31}));
        QCOMPARE(G.GetSeed(), 1368768587u);
        tRandom Max(0xFFFFFFFFu);
        QCOMPARE(double(Max.NextReal()), 4160191484.0 / 4294967296.0);
        // The time seed counts milliseconds since midnight.
        const int Before = QTime::currentTime().msecsSinceStartOfDay();
        const uint32_t Seed = tRandom::TimeOfDaySeed();
        const int After = QTime::currentTime().msecsSinceStartOfDay();
        if (After >= Before)
            QVERIFY(Seed >= uint32_t(Before) && Seed <= uint32_t(After));
    }

    // Draws from seed 12345, worked out with a plain list from which drawn
    // numbers are removed. A damaged file may ask for too many lines or an
    // empty range.
    void fill_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("without");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("expected");
        QTest::newRow("dice") << 1 << 6 << 8 << false << 8 << "B=3,2,1,4,4,3,3,1";
        QTest::newRow("permutation") << 1 << 6 << 6 << true << 6 << "B=3,2,1,5,6,4";
        QTest::newRow("partial draw") << 10 << 99 << 8 << true << 8 << "B=44,35,17,61,68,41,50,16";
        QTest::newRow("negative range") << -3 << 2 << 6 << true << 6 << "B=-1,-2,-3,1,2,0";
        QTest::newRow("more than the range") << 1 << 3 << 5 << true << 3 << "";
        QTest::newRow("reals") << 0 << 0 << 50 << false << 50 << "";
        QTest::newRow("reals distinct") << 0 << 0 << 500 << true << 500 << "";
        QTest::newRow("too many lines")
            << -2000000000 << 2000000000 << 2000000000 << true << 10000 << "";
        QTest::newRow("empty range") << 9 << 3 << 5 << false << 0 << "";
    }
    void fill()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, count);
        QFETCH(bool, without);
        QFETCH(int, lines);
        QFETCH(QString, expected);
        tLumen L;
        SetupSheet(L, {"B=7,7,7,7,7,7,7,7,7,7,7", "C:B*2"});
        L.SetRandomFrom(1, from);
        L.SetRandomTo(1, to);
        L.SetRandomFlag(1, without);
        L.SetRandomCount(1, count);
        tRandom G(12345);
        QCOMPARE(FillRandomColumns(L, G), QString("BC"));
        QCOMPARE(L.CellCount(1), lines);
        QCOMPARE(L.CellCount(2), lines);
        if (!expected.isEmpty())
            QCOMPARE(SheetColumn(L, 1), expected);
        QSet<QString> Seen;
        for (int I = 0; I < lines; ++I) {
            TCellState S;
            const Extended V = L.GetCellValue(I, 1, S);
            QCOMPARE(S, csNumber);
            if (from == 0 && to == 0)
                QVERIFY(V >= 0 && V < 1);
            else
                QVERIFY(V >= from && V <= to && V == std::trunc(V));
            Seen.insert(FormatGeneral(V));
        }
        QVERIFY(without ? Seen.size() == lines : Seen.size() > 1 || lines == 0);
    }
};

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
