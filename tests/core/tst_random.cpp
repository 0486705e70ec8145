#include "Lumen.h"
#include "Random.h"

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

    void fill_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("without");
        QTest::newRow("dice with replacement") << 1 << 6 << 20 << 0;
        QTest::newRow("dice permutation") << 1 << 6 << 6 << 1;
        QTest::newRow("partial draw") << 10 << 99 << 30 << 1;
        QTest::newRow("reals with replacement") << 0 << 0 << 50 << 0;
        QTest::newRow("reals distinct") << 0 << 0 << 500 << 1;
    }
    void fill()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, count);
        QFETCH(int, without);
        tLumen L;
        L.SetRandomFrom(1, from);
        L.SetRandomTo(1, to);
        L.SetRandomFlag(1, uint8_t(without));
        L.SetRandomCount(1, count);
        tRandom G(12345);
        QString Changed = FillRandomColumns(L, G);
        QCOMPARE(Changed, QString("B"));
        QCOMPARE(L.CellCount(1), count);
        QSet<QString> Seen;
        for (int I = 0; I < count; ++I) {
            TCellState S;
            Extended V = L.GetCellValue(I, 1, S);
            QCOMPARE(S, csNumber);
            if (from == 0 && to == 0) {
                QVERIFY(V >= 0 && V < 1);
            } else {
                QVERIFY(V >= from && V <= to);
                QCOMPARE(V, Extended(qint64(V)));
            }
            Seen.insert(FormatGeneral(V));
        }
        if (without)
            QCOMPARE(Seen.size(), count);
        else if (from == 1 && to == 6)
            QVERIFY(Seen.size() > 1);
    }

    void hostileSettings()
    {
        // Settings only a damaged file can hold: no runaway, no crash.
        tLumen L;
        L.Cols[0].RandomCount = 2000000000;
        L.Cols[0].RandomFrom = -2000000000;
        L.Cols[0].RandomTo = 2000000000;
        L.Cols[0].RandomFlag = 1;
        L.Cols[1].RandomCount = 5;
        L.Cols[1].RandomFrom = 9;
        L.Cols[1].RandomTo = 3; // empty range
        tRandom G(1);
        FillRandomColumns(L, G);
        QCOMPARE(L.CellCount(0), 10000);
        QCOMPARE(L.CellCount(1), 0);
    }
};

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
