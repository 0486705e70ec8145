// The statistics summary: frequency lists of observation columns and lines,
// automatic and manual groupings, frequency and grouped tables (with the stop
// at faulty classes), title and decimals, owner changes, selection, readings
// and damaged input.
#include "Descriptor.h"
#include "support_drawing.h"

#include <QLocale>
#include <QtTest>
#include <limits>

namespace
{

using testdraw::Recomputed;

struct tRow {
    long double Value;
    long long h, H;
    double f, F;
};

void FillColumn(tLumen &L, int Col, const QStringList &Texts)
{
    for (int I = 0; I < Texts.size(); ++I)
        L.SetCellText(I, Col, Texts[I]);
}

void CheckList(const tDescriptor &D, const QVector<tRow> &Expected)
{
    QCOMPARE(D.ListCount(0), Expected.size());
    for (int K = 0; K < Expected.size(); ++K) {
        TFreqRecord R;
        QVERIFY(D.GetEntry(0, K, R));
        QCOMPARE(double(R.Value), double(Expected[K].Value));
        QCOMPARE(R.h, Expected[K].h);
        QCOMPARE(R.H, Expected[K].H);
        QCOMPARE(double(R.f), Expected[K].f);
        QCOMPARE(double(R.F), Expected[K].F);
    }
}

// h of each class of series 0.
QVector<long long> Counts(const tDescriptor &D)
{
    QVector<long long> Out;
    for (const TFreqRecord &R : D.GetSeries(0).List)
        Out.append(R.h);
    return Out;
}

} // namespace

class tst_descriptor : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { DataType = dtObs; }

    void ungroupedColumn()
    {
        tLumen L;
        FillColumn(L, 0, {"2", "1", "2", "3"});
        L.ToggleColSelected(0);
        const tDescriptor &D = Recomputed(L);
        QVERIFY(!D.IsDirty());
        CheckList(D, {{1, 1, 1, 0.25, 0.25}, {2, 2, 3, 0.5, 0.75}, {3, 1, 4, 0.25, 1.0}});
        QCOMPARE(D.N(), 4);
        QCOMPARE(D.MaxH(), 2);
        QCOMPARE(double(D.MaxF()), 0.5);
        QCOMPARE(double(D.Min()), 1.0);
        QCOMPARE(double(D.Max()), 3.0);
        QCOMPARE(double(D.Mean()), 2.0);
        QVERIFY(!D.IsGrouped());
        QCOMPARE(D.GetTitle(), QStringLiteral("Søjle A"));
    }

    void textAndEmptyCellsAreSkipped()
    {
        tLumen L;
        FillColumn(L, 2, {"5", "", "abc", "5", "", "7,5"});
        L.SetDecimals(2, 1);
        L.ToggleColSelected(2);
        const tDescriptor &D = Recomputed(L);
        QCOMPARE(D.N(), 3);
        CheckList(D, {{5, 2, 2, 2.0 / 3, 2.0 / 3}, {7.5, 1, 3, 1.0 / 3, 1.0}});
        QCOMPARE(D.GetDecimals(), 1);
    }

    void groupedColumn_data()
    {
        QTest::addColumn<int>("Kind");
        QTest::addColumn<QVector<double>>("Bounds"); // auto: a, b, gap, count; manual: pairs
        QTest::addColumn<QStringList>("Cells");
        QTest::addColumn<QVector<long long>>("H");
        QTest::addColumn<long long>("N");
        QTest::addColumn<bool>("ClassGaps");

        auto Row = [](const char *Name, int Kind, const QVector<double> &Bounds,
                      const QStringList &Cells, const QVector<long long> &H, long long N,
                      bool ClassGaps) {
            QTest::newRow(Name) << Kind << Bounds << Cells << H << N << ClassGaps;
        };
        // Touching classes are open below, the first one too.
        Row("auto gap 0", gkAuto, {0, 10, 0, 2}, {"0", "10", "10,5", "20", "21"}, {1, 2}, 5, false);
        // With a gap every class is closed.
        Row("auto gap 1", gkAuto, {0, 9, 1, 2}, {"0", "9", "10", "9,5", "19"}, {2, 2}, 5, true);
        // A negative gap: overlapping classes, the first in list order wins.
        Row("auto overlap", gkAuto, {0, 10, -5, 3}, {"6", "10", "11", "19"}, {2, 1, 1}, 4, false);
        // Manual: later classes closed only when they do not touch.
        Row("manual", gkManual, {0, 10, 10, 20, 25, 30}, {"0", "10", "20", "22", "25", "30", "31"},
            {2, 1, 2}, 7, false);
        // Classes out of order (only a damaged file has them): list order wins.
        Row("manual unordered", gkManual, {20, 30, 0, 10, 5, 25}, {"7", "22", "0", "10"}, {1, 2, 0},
            4, false);
        Row("no classes", gkAuto, {0, 10, 0, 0}, {"1", "2"}, {}, 2, false);
    }

    void groupedColumn()
    {
        QFETCH(int, Kind);
        QFETCH(QVector<double>, Bounds);
        QFETCH(QStringList, Cells);
        QFETCH(QVector<long long>, H);
        QFETCH(long long, N);
        QFETCH(bool, ClassGaps);
        tLumen L;
        FillColumn(L, 1, Cells);
        L.SetGroupKind(1, uint8_t(Kind));
        if (Kind == gkAuto) {
            L.SetFirstLower(1, Bounds[0]);
            L.SetFirstUpper(1, Bounds[1]);
            L.SetGap(1, Bounds[2]);
            L.SetGroupCount(1, int32_t(Bounds[3]));
        } else {
            for (int I = 0; I + 1 < Bounds.size(); I += 2)
                L.AddInterval(1, Bounds[I], Bounds[I + 1]);
        }
        L.ToggleColSelected(1);
        const tDescriptor &D = Recomputed(L);
        QVERIFY(D.IsGrouped());
        QCOMPARE(Counts(D), H);
        QCOMPARE(D.N(), N);
        QCOMPARE(D.GetSeries(0).ClassGaps, ClassGaps);
        long long Inside = 0;
        for (long long X : H)
            Inside += X;
        if (!H.isEmpty()) {
            TFreqRecord Last;
            QVERIFY(D.GetEntry(0, H.size() - 1, Last));
            QCOMPARE(Last.H, Inside);
            // F reaches 1 only when no value lies outside every class.
            QCOMPARE(Last.F == 1, Inside == N);
        }
    }

    void autoClassesAndGroupedMean()
    {
        tLumen L;
        FillColumn(L, 0, {"1", "2", "12", "25"});
        L.SetGroupKind(0, gkAuto);
        L.SetFirstLower(0, 0);
        L.SetFirstUpper(0, 10);
        L.SetGap(0, 0);
        L.SetGroupCount(0, 3);
        L.ToggleColSelected(0);
        const tDescriptor &D = Recomputed(L);
        const QVector<TFreqRecord> &List = D.GetSeries(0).List;
        QCOMPARE(List.size(), 3);
        QCOMPARE(double(List[2].Lower), 20.0);
        QCOMPARE(double(List[2].Upper), 30.0);
        QCOMPARE(double(List[1].Value), 15.0);
        QCOMPARE(double(D.Min()), 0.0);
        QCOMPARE(double(D.Max()), 30.0);
        // Mean of the midpoints: (5 + 5 + 15 + 25) / 4.
        QCOMPARE(double(D.Mean()), 12.5);
    }

    void hostileGroupCountIsCapped()
    {
        tLumen L;
        FillColumn(L, 0, {"1", "5"});
        L.SetGroupKind(0, gkAuto);
        L.SetFirstLower(0, 0);
        L.SetFirstUpper(0, 1);
        L.SetGroupCount(0, std::numeric_limits<int32_t>::max());
        L.ToggleColSelected(0);
        const tDescriptor &D = Recomputed(L);
        QCOMPARE(D.ListCount(0), int(MaxClasses));
        QCOMPARE(D.N(), 2);
        QCOMPARE(Counts(D).mid(0, 5), (QVector<long long>{1, 0, 0, 0, 1}));

        L.SetGroupCount(0, -7);
        DescriptorOf(L).MarkStale();
        DescriptorOf(L).Recompute(L);
        QCOMPARE(D.ListCount(0), 0);
        QCOMPARE(D.N(), 2);
    }

    void damagedCellsAndGroupings()
    {
        // Values a file can carry but typing cannot: NaN and infinity in cells,
        // NaN class bounds, a grouping kind the program does not know.
        tLumen L;
        FillColumn(L, 0, {"3", "1", "2"});
        L.Cols[0].Cells[1].Value = std::numeric_limits<long double>::quiet_NaN();
        L.Cols[0].Cells[2].Value = std::numeric_limits<long double>::infinity();
        L.ToggleColSelected(0);
        tDescriptor &D = Recomputed(L);
        QCOMPARE(D.N(), 1);
        QCOMPARE(double(D.Mean()), 3.0);

        FillColumn(L, 0, {"3", "1", "2"});
        L.SetGroupKind(0, gkManual);
        L.AddInterval(0, std::numeric_limits<long double>::quiet_NaN(), 2);
        L.AddInterval(0, 0, 5);
        D.MarkStale();
        D.Recompute(L);
        QCOMPARE(Counts(D), (QVector<long long>{0, 3}));

        L.Cols[0].GroupKind = 7;
        D.MarkStale();
        D.Recompute(L);
        QVERIFY(D.IsGrouped());
        QCOMPARE(D.ListCount(0), 0);
        QCOMPARE(D.N(), 3);
    }

    void hugeAndSingleValues()
    {
        // Sums and squares overflow; nothing may fail and the standard
        // deviation must not become NaN.
        tLumen L;
        FillColumn(L, 0, {"1", "1", "1"});
        const long double Big = std::numeric_limits<long double>::max();
        L.Cols[0].Cells[0].Value = Big;
        L.Cols[0].Cells[1].Value = Big;
        L.Cols[0].Cells[2].Value = -Big;
        FillColumn(L, 1, {"42"});
        L.ToggleColSelected(0);
        tDescriptor &D = Recomputed(L);
        QCOMPARE(D.N(), 3);
        QCOMPARE(D.ListCount(0), 2);
        QVERIFY(!std::isnan(double(D.StdDev())));
        QCOMPARE(double(D.Median()), double(Big));

        L.ToggleColSelected(0);
        L.ToggleColSelected(1);
        D.MarkStale();
        D.Recompute(L);
        QCOMPARE(D.N(), 1);
        QCOMPARE(double(D.Median()), 42.0);
        QCOMPARE(double(D.Variance()), 0.0);
        QCOMPARE(double(D.StdDev()), 0.0);
    }

    void titleAndDecimals_data()
    {
        QTest::addColumn<bool>("Lines");
        QTest::addColumn<QString>("Title");
        QTest::addColumn<int>("Decimals");
        QTest::addColumn<int>("Series");
        // Columns A (named, 2 decimals) and B (unnamed, 1 decimal) marked.
        QTest::newRow("columns") << false << QStringLiteral("Højde og Søjle B") << 2 << 2;
        // Lines 2 (unnamed) and 3 (named); line 2 has its first number in B.
        QTest::newRow("lines") << true << QStringLiteral("Linje 2 og Ærø") << 1 << 2;
    }

    void titleAndDecimals()
    {
        QFETCH(bool, Lines);
        QFETCH(QString, Title);
        QFETCH(int, Decimals);
        QFETCH(int, Series);
        tLumen L;
        L.SetColName(0, QStringLiteral("Højde"));
        L.SetDecimals(0, 2);
        L.SetDecimals(1, 1);
        L.SetDecimals(2, 4);
        FillColumn(L, 0, {"1", "x", "3"});
        FillColumn(L, 1, {"1", "2", "3"});
        FillColumn(L, 2, {"1", "7", "3"});
        L.SetLineName(2, QStringLiteral("Ærø"));
        if (Lines) {
            L.ToggleLineSelected(2);
            L.ToggleLineSelected(1);
        } else {
            L.ToggleColSelected(1);
            L.ToggleColSelected(0);
        }
        const tDescriptor &D = Recomputed(L);
        QCOMPARE(D.GetTitle(), Title);
        QCOMPARE(D.GetDecimals(), Decimals);
        QCOMPARE(D.SeriesCount(), Series);
        if (Lines) {
            // Line 2 holds 2 (column B) and 7 (column C); the text is skipped.
            QCOMPARE(D.N(0), 2);
            QCOMPARE(double(D.Mean(0)), 4.5);
            QVERIFY(D.GetSeries(0).IsLine);
            QCOMPARE(D.GetSeries(1).Source, 2);
        }
    }

    void frequencyTable()
    {
        tLumen L;
        const QStringList Obs{"3", "1", "3", "2", "x", "5", "4", "6"};
        const QStringList Freq{"2", "1", "4", "0", "9", "-3", "2,5", "1"};
        for (int I = 0; I < Obs.size(); ++I) {
            L.SetHypObsText(I, 1, Obs[I]);
            L.SetHypFreqText(I, 1, Freq[I]);
        }
        L.SetHypDecimals(1, 2);
        L.ToggleHypColSelected(1);
        tDescriptor &D = Recomputed(L, dtHyp);
        // A text value, a negative frequency and a non-integer frequency are
        // left out; frequency 0 keeps its entry; equal values merge.
        CheckList(D, {{1, 1, 1, 1.0 / 8, 1.0 / 8},
                      {2, 0, 1, 0, 1.0 / 8},
                      {3, 6, 7, 6.0 / 8, 7.0 / 8},
                      {6, 1, 8, 1.0 / 8, 1.0}});
        QCOMPARE(D.N(), 8);
        QCOMPARE(double(D.Mean()), (1 + 18 + 6) / 8.0);
        QCOMPARE(D.GetDecimals(), 2);
        QCOMPARE(D.GetTitle(), QStringLiteral("Søjle B"));
    }

    void frequenciesAllZero()
    {
        tLumen L;
        L.SetHypObsText(0, 0, "4");
        L.SetHypFreqText(0, 0, "0");
        L.ToggleHypColSelected(0);
        tDescriptor &D = Recomputed(L, dtHyp);
        QCOMPARE(D.ListCount(0), 1);
        QCOMPARE(D.N(), 0);
        QCOMPARE(double(D.MaxF()), 0.0);
        QCOMPARE(double(D.Variance()), 0.0);
        QCOMPARE(double(D.Median()), 4.0);
    }

    void groupedTable_data()
    {
        QTest::addColumn<QVector<double>>("Rows"); // lower, upper, frequency
        QTest::addColumn<QVector<double>>("Lowers");
        QTest::addColumn<QVector<long long>>("H");
        QTest::addColumn<long long>("N");
        QTest::addColumn<bool>("Faulty");

        QTest::newRow("sorted on insertion")
            << QVector<double>{10, 20, 3, 0, 10, 1, 30, 40, 2, 20, 30, 4, 10, 20, 1}
            << QVector<double>{0, 10, 20, 30} << QVector<long long>{1, 4, 4, 2} << 11LL << false;
        QTest::newRow("gap between classes")
            << QVector<double>{0, 5, 1, 10, 15, 1} << QVector<double>{0, 10}
            << QVector<long long>{1, 1} << 2LL << false;
        QTest::newRow("overlap stops")
            << QVector<double>{0, 10, 2, 20, 30, 1, 5, 15, 7, 40, 50, 1} << QVector<double>{0, 20}
            << QVector<long long>{2, 1} << 3LL << true;
        QTest::newRow("turned round stops")
            << QVector<double>{0, 10, 2, 30, 20, 1, 40, 50, 1} << QVector<double>{0}
            << QVector<long long>{2} << 2LL << true;
        QTest::newRow("inside a gap fits")
            << QVector<double>{0, 10, 1, 20, 30, 1, 10, 20, 1} << QVector<double>{0, 10, 20}
            << QVector<long long>{1, 1, 1} << 3LL << false;
        QTest::newRow("too wide for the gap")
            << QVector<double>{0, 10, 1, 20, 30, 1, 10, 21, 1} << QVector<double>{0, 20}
            << QVector<long long>{1, 1} << 2LL << true;
    }

    void groupedTable()
    {
        QFETCH(QVector<double>, Rows);
        QFETCH(QVector<double>, Lowers);
        QFETCH(QVector<long long>, H);
        QFETCH(long long, N);
        QFETCH(bool, Faulty);
        tLumen L;
        for (int I = 0; I + 2 < Rows.size(); I += 3) {
            L.SetGrupLowText(I / 3, 0, QString::number(Rows[I]));
            L.SetGrupHighText(I / 3, 0, QString::number(Rows[I + 1]));
            L.SetGrupFreqText(I / 3, 0, QString::number(Rows[I + 2]));
        }
        L.ToggleGrupColSelected(0);
        tDescriptor &D = Recomputed(L, dtGrup);
        QCOMPARE(D.HasClassFault(), Faulty);
        QVERIFY(D.IsGrouped());
        QCOMPARE(Counts(D), H);
        QCOMPARE(D.N(), N);
        QVector<double> Lo;
        for (const TFreqRecord &R : D.GetSeries(0).List)
            Lo.append(double(R.Lower));
        QCOMPARE(Lo, Lowers);
        TFreqRecord Last;
        QVERIFY(D.GetEntry(0, H.size() - 1, Last));
        // After a stop the cumulative figures are not computed.
        QCOMPARE(Last.H, Faulty ? 0LL : N);
        if (Faulty) {
            D.MarkStale(); // marking stale clears the fault
            QVERIFY(!D.HasClassFault());
        }
    }

    void ownerChangeClears()
    {
        tLumen L;
        FillColumn(L, 0, {"1", "2"});
        L.ToggleColSelected(0);
        tDescriptor &D = Recomputed(L);
        D.SetPaneKind(2, bkTabel);
        D.SetPaneKind(3, bkHyppighedsgraf);
        D.AddReading(1, 0.5, 1);
        D.SetPicked(4);
        D.SetOwner(dtObs); // same owner: nothing happens
        QCOMPARE(D.ListCount(0), 2);
        QVERIFY(D.PanesAreLinked());

        D.MarkStale();
        D.SetOwner(dtHyp);
        QCOMPARE(D.Owner, dtHyp);
        QVERIFY(!D.IsDirty());
        QCOMPARE(D.ListCount(0), 0);
        QCOMPARE(D.N(), 0);
        QCOMPARE(D.GetTitle(), QString());
        QCOMPARE(D.GetDecimals(), -1);
        for (int P = 1; P <= 4; ++P)
            QCOMPARE(D.GetPaneKind(P), uint8_t(bkIngen));
        QVERIFY(!D.PanesAreLinked());
        QCOMPARE(D.GetReadingCount(), 0);
        QVERIFY(!D.AnyPicked());
        D.Recompute(L); // a cleared state is not stale
        QCOMPARE(D.ListCount(0), 0);
    }

    void linkedPanes_data()
    {
        QTest::addColumn<int>("Pane1");
        QTest::addColumn<int>("Pane2");
        QTest::addColumn<int>("Pane3");
        QTest::addColumn<bool>("Linked");
        QTest::newRow("table and graph") << 0 << int(bkSumfrekvensgraf) << int(bkTabel) << true;
        QTest::newRow("cross pair") << 0 << int(bkKrydsdiagram) << int(bkKrydstabel) << true;
        QTest::newRow("table and key figures") << 0 << int(bkTabel) << int(bkMaerketal) << false;
        QTest::newRow("two tables") << 0 << int(bkTabel) << int(bkTabel) << false;
        QTest::newRow("pane 1 scatter") << int(bkKrydsdiagram) << 0 << 0 << true;
        QTest::newRow("pane 1 table") << int(bkTabel) << int(bkFrekvensgraf) << 0 << false;
    }

    void linkedPanes()
    {
        QFETCH(int, Pane1);
        QFETCH(int, Pane2);
        QFETCH(int, Pane3);
        QFETCH(bool, Linked);
        tDescriptor D;
        D.SetPaneKind(1, uint8_t(Pane1));
        D.SetPaneKind(2, uint8_t(Pane2));
        D.SetPaneKind(3, uint8_t(Pane3));
        QCOMPARE(D.PanesAreLinked(), Linked);
    }

    void selection()
    {
        tLumen L;
        FillColumn(L, 0, {"1", "2", "2", "3"});
        L.ToggleColSelected(0);
        tDescriptor &D = Recomputed(L);
        D.SetPaneKind(2, bkTabel);
        D.SetPaneKind(3, bkHyppighedsgraf);
        QVERIFY(!D.SelectionShown());
        D.SelectEntry(1);
        QCOMPARE(D.SelectedIndex(), 1);
        QCOMPARE(double(D.SelectedX()), 2.0);
        QCOMPARE(double(D.SelectedH()), 2.0);
        QCOMPARE(double(D.SelectedF()), 0.5);
        QCOMPARE(double(D.SelectedCumF()), 0.75);
        QVERIFY(D.SelectionShown());

        // Setting a kind clears the selection.
        D.SetPaneKind(3, bkFrekvensgraf);
        QCOMPARE(D.SelectedIndex(), -1);

        D.SelectEntry(2);
        D.AddReading(1, 1, 0);
        D.SetPicked(3);
        D.SelectEntry(3); // outside the list
        QCOMPARE(D.SelectedIndex(), -1);
        QCOMPARE(D.SecondSelectedIndex(), -1);
        QCOMPARE(D.GetReadingCount(), 0);
        QVERIFY(!D.AnyPicked());

        // The second series of two marked columns: a class is selected at its
        // upper bound, a value at itself.
        FillColumn(L, 1, {"4", "12"});
        L.SetGroupKind(1, gkManual);
        L.AddInterval(1, 0, 10);
        L.AddInterval(1, 10, 20);
        L.ToggleColSelected(1);
        D.MarkStale();
        D.Recompute(L);
        D.SelectSecond(1);
        QCOMPARE(D.SecondSelectedIndex(), 1);
        QCOMPARE(double(D.SecondSelectedX()), 20.0);
        D.SelectEntry(2);
        QCOMPARE(double(D.SelectedX()), 3.0);
        D.SelectSecond(2);
        QCOMPARE(D.SelectedIndex(), -1);

        // Picked lines alone show a selection, linked or not.
        D.SetPaneKind(2, bkIngen);
        D.SetPicked(5);
        QVERIFY(D.SelectionShown());
        D.ClearSelection();
        QVERIFY(!D.SelectionShown());
    }
};

QTEST_GUILESS_MAIN(tst_descriptor)
#include "tst_descriptor.moc"
