// The statistics summary: frequency lists of observation columns and
// frequency tables, automatic and manual groupings, grouped tables (with the
// stop at faulty classes), title and decimals, owner changes, selection and
// damaged input.
#include "Descriptor.h"
#include "support_drawing.h"

#include <QLocale>
#include <QtTest>
#include <algorithm>
#include <limits>

namespace
{

using testdraw::Recomputed;

void FillColumn(tLumen &L, int Col, const QStringList &Texts)
{
    for (int I = 0; I < Texts.size(); ++I)
        L.SetCellText(I, Col, Texts[I]);
}

// Each entry of series 0 as "value h H f F" (f and F to six digits).
QStringList Entries(const tDescriptor &D)
{
    QStringList Out;
    for (const TFreqRecord &R : D.GetSeries(0).List)
        Out << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(double(R.Value))
                   .arg(R.h)
                   .arg(R.H)
                   .arg(double(R.f))
                   .arg(double(R.F));
    return Out;
}

// h of each class of series 0.
QVector<long long> Counts(const tDescriptor &D)
{
    QVector<long long> Out;
    for (const TFreqRecord &R : D.GetSeries(0).List)
        Out.append(R.h);
    return Out;
}

QString Summary(const tDescriptor &D)
{
    return QStringLiteral("n %1 min %2 max %3 mean %4 maxh %5 maxf %6")
        .arg(D.N())
        .arg(double(D.Min()))
        .arg(double(D.Max()))
        .arg(double(D.Mean()))
        .arg(D.MaxH())
        .arg(double(D.MaxF()));
}

} // namespace

class tst_descriptor : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { DataType = dtObs; }

    // Observation column B, or frequency column B as "value:frequency" rows.
    // Text and empty cells are skipped; a text value, a negative and a
    // non-integer frequency leave their row out; frequency 0 keeps its
    // entry; equal values merge.
    void lists_data()
    {
        QTest::addColumn<bool>("Hyp");
        QTest::addColumn<QStringList>("Cells");
        QTest::addColumn<QStringList>("List");
        QTest::addColumn<QString>("Figures");
        QTest::newRow("column") << false << QStringList{"2", "1", "2", "3"}
                                << QStringList{"1 1 1 0.25 0.25", "2 2 3 0.5 0.75", "3 1 4 0.25 1"}
                                << "n 4 min 1 max 3 mean 2 maxh 2 maxf 0.5";
        QTest::newRow("text and empty cells")
            << false << QStringList{"5", "", "abc", "-0,5", "", "5", "7,5"}
            << QStringList{"-0.5 1 1 0.25 0.25", "5 2 3 0.5 0.75", "7.5 1 4 0.25 1"}
            << "n 4 min -0.5 max 7.5 mean 4.25 maxh 2 maxf 0.5";
        QTest::newRow("table") << true << QStringList{"3:2", "1:1",  "3:4",   "2:0",
                                                      "x:9", "5:-3", "4:2,5", "6:1"}
                               << QStringList{"1 1 1 0.125 0.125", "2 0 1 0 0.125",
                                              "3 6 7 0.75 0.875", "6 1 8 0.125 1"}
                               << "n 8 min 1 max 6 mean 3.125 maxh 6 maxf 0.75";
        QTest::newRow("frequencies all 0")
            << true << QStringList{"4:0", "2:0"} << QStringList{"2 0 0 0 0", "4 0 0 0 0"}
            << "n 0 min 2 max 4 mean 0 maxh 0 maxf 0";
    }

    void lists()
    {
        QFETCH(bool, Hyp);
        QFETCH(QStringList, Cells);
        QFETCH(QStringList, List);
        QFETCH(QString, Figures);
        tLumen L;
        for (int I = 0; I < Cells.size(); ++I) {
            if (!Hyp) {
                L.SetCellText(I, 1, Cells[I]);
                continue;
            }
            L.SetHypObsText(I, 1, Cells[I].section(':', 0, 0));
            L.SetHypFreqText(I, 1, Cells[I].section(':', 1));
        }
        L.SetDecimals(1, 3);
        L.SetHypDecimals(1, 2);
        Hyp ? L.ToggleHypColSelected(1) : L.ToggleColSelected(1);
        const tDescriptor &D = Recomputed(L, Hyp ? dtHyp : dtObs);
        QVERIFY(!D.IsDirty());
        QCOMPARE(Entries(D), List);
        QCOMPARE(Summary(D), Figures);
        QCOMPARE(D.GetTitle(), QStringLiteral("Søjle B"));
        QCOMPARE(D.GetDecimals(), Hyp ? 2 : 3);
        QVERIFY(!D.IsGrouped());
    }

    // Touching automatic classes are open below, the first one too; with a
    // gap every class is closed; overlapping classes: the first in list order
    // wins. Manual classes are closed below when they do not touch the one
    // before. Values outside every class count in n (and the mean) only.
    void groupedColumn_data()
    {
        QTest::addColumn<int>("Kind");
        QTest::addColumn<QVector<double>>("Bounds"); // auto: a, b, gap, count; manual: pairs
        QTest::addColumn<QStringList>("Cells");
        QTest::addColumn<QVector<long long>>("H");
        QTest::addColumn<QString>("Figures");
        QTest::addColumn<bool>("ClassGaps");
        auto Row = [](const char *Name, int Kind, const QVector<double> &Bounds,
                      const QStringList &Cells, const QVector<long long> &H, const char *Figures,
                      bool ClassGaps) {
            QTest::newRow(Name) << Kind << Bounds << Cells << H << QString(Figures) << ClassGaps;
        };
        Row("auto gap 0", gkAuto, {0, 10, 0, 2}, {"0", "10", "10,5", "20", "21"}, {1, 2},
            "n 5 min 0 max 20 mean 7 maxh 2 maxf 0.4", false);
        Row("auto three classes", gkAuto, {0, 10, 0, 3}, {"1", "2", "12", "25"}, {2, 1, 1},
            "n 4 min 0 max 30 mean 12.5 maxh 2 maxf 0.5", false);
        Row("auto gap 1", gkAuto, {0, 9, 1, 2}, {"0", "9", "10", "9,5", "19"}, {2, 2},
            "n 5 min 0 max 19 mean 7.6 maxh 2 maxf 0.4", true);
        Row("auto overlap", gkAuto, {0, 10, -5, 3}, {"6", "10", "11", "19"}, {2, 1, 1},
            "n 4 min 0 max 20 mean 8.75 maxh 2 maxf 0.5", false);
        Row("manual", gkManual, {0, 10, 10, 20, 25, 30}, {"0", "10", "20", "22", "25", "30", "31"},
            {2, 1, 2}, "n 7 min 0 max 30 mean 11.4286 maxh 2 maxf 0.285714", false);
        // Classes out of order (only a damaged file has them): list order wins.
        Row("manual unordered", gkManual, {20, 30, 0, 10, 5, 25}, {"7", "22", "0", "10"}, {1, 2, 0},
            "n 4 min 20 max 25 mean 8.75 maxh 2 maxf 0.5", false);
        Row("no classes", gkAuto, {0, 10, 0, 0}, {"1", "2"}, {},
            "n 2 min 0 max 0 mean 0 maxh 0 maxf 0", false);
    }

    void groupedColumn()
    {
        QFETCH(int, Kind);
        QFETCH(QVector<double>, Bounds);
        QFETCH(QStringList, Cells);
        QFETCH(QVector<long long>, H);
        QFETCH(QString, Figures);
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
        QCOMPARE(Summary(D), Figures);
        QCOMPARE(D.GetSeries(0).ClassGaps, ClassGaps);
        long long Inside = 0;
        for (const TFreqRecord &R : D.GetSeries(0).List) {
            Inside += R.h;
            QCOMPARE(R.H, Inside);
            QCOMPARE(double(R.Value), double(R.Lower + R.Upper) / 2);
        }
        // F reaches 1 only when no value lies outside every class.
        if (!H.isEmpty())
            QCOMPARE(D.GetSeries(0).List.last().F == 1, Inside == D.N());
    }

    // Values a file can carry but typing cannot: a huge class count, NaN and
    // infinity in cells, NaN class bounds, an unknown grouping kind, sums that
    // overflow.
    void damagedInput()
    {
        tLumen L;
        FillColumn(L, 0, {"1", "5"});
        L.SetGroupKind(0, gkAuto);
        L.SetFirstLower(0, 0);
        L.SetFirstUpper(0, 1);
        L.SetGroupCount(0, std::numeric_limits<int32_t>::max());
        L.ToggleColSelected(0);
        tDescriptor &D = Recomputed(L);
        QCOMPARE(D.ListCount(0), int(MaxClasses));
        QCOMPARE(Counts(D).mid(0, 5), (QVector<long long>{1, 0, 0, 0, 1}));
        auto Again = [&] {
            D.MarkStale();
            D.Recompute(L);
        };
        L.SetGroupCount(0, -7);
        Again();
        QCOMPARE(D.ListCount(0), 0);
        QCOMPARE(D.N(), 2);

        FillColumn(L, 0, {"3", "1", "2"});
        L.SetGroupKind(0, gkNone);
        L.Cols[0].Cells[1].Value = std::numeric_limits<long double>::quiet_NaN();
        L.Cols[0].Cells[2].Value = std::numeric_limits<long double>::infinity();
        Again();
        QCOMPARE(Summary(D), QStringLiteral("n 1 min 3 max 3 mean 3 maxh 1 maxf 1"));

        FillColumn(L, 0, {"3", "1", "2"});
        L.SetGroupKind(0, gkManual);
        L.AddInterval(0, std::numeric_limits<long double>::quiet_NaN(), 2);
        L.AddInterval(0, 0, 5);
        Again();
        QCOMPARE(Counts(D), (QVector<long long>{0, 3}));
        L.Cols[0].GroupKind = 7;
        Again();
        QVERIFY(D.IsGrouped());
        QCOMPARE(D.ListCount(0), 0);
        QCOMPARE(D.N(), 3);

        const long double Big = std::numeric_limits<long double>::max();
        L.Cols[0].GroupKind = gkNone;
        L.Cols[0].Cells[0].Value = L.Cols[0].Cells[1].Value = Big;
        L.Cols[0].Cells[2].Value = -Big;
        Again();
        QCOMPARE(D.N(), 3);
        QCOMPARE(D.ListCount(0), 2);
        QVERIFY(!std::isnan(double(D.StdDev())));
        QCOMPARE(double(D.Median()), double(Big));
    }

    // Columns A (named, 2 decimals) and B (unnamed, 1 decimal) marked; or
    // lines 2 (unnamed) and 3 (named), line 2 with its first number in B.
    void titleAndDecimals()
    {
        for (bool Lines : {false, true}) {
            tLumen L;
            L.SetColName(0, QStringLiteral("Højde"));
            L.SetDecimals(0, 2);
            L.SetDecimals(1, 1);
            L.SetDecimals(2, 4);
            FillColumn(L, 0, {"1", "x", "3"});
            FillColumn(L, 1, {"1", "2", "3"});
            FillColumn(L, 2, {"1", "7", "3"});
            L.SetLineName(2, QStringLiteral("Ærø"));
            for (int I : {1, 0})
                Lines ? L.ToggleLineSelected(I + 1) : L.ToggleColSelected(I);
            const tDescriptor &D = Recomputed(L);
            QCOMPARE(D.GetTitle(), Lines ? "Linje 2 og Ærø" : "Højde og Søjle B");
            QCOMPARE(D.GetDecimals(), Lines ? 1 : 2);
            QCOMPARE(D.SeriesCount(), 2);
            QCOMPARE(D.GetSeries(0).IsLine, Lines);
            QCOMPARE(D.GetSeries(1).Source, Lines ? 2 : 1);
            // Line 2 holds 2 (column B) and 7 (column C); the text is skipped.
            QCOMPARE(double(D.Mean(0)), Lines ? 4.5 : 2.0);
            QCOMPARE(double(D.Mean(1)), Lines ? 3.0 : 2.0);
        }
    }

    // Classes sorted as they are added, equal classes merged; a class turned
    // round or overlapping another stops the list and leaves the cumulative
    // figures out.
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
        QCOMPARE(D.MaxH(), *std::max_element(H.begin(), H.end()));
        QVector<double> Lo;
        for (const TFreqRecord &R : D.GetSeries(0).List)
            Lo.append(double(R.Lower));
        QCOMPARE(Lo, Lowers);
        QCOMPARE(D.GetSeries(0).List.last().H, Faulty ? 0LL : N);
        D.MarkStale(); // marking stale clears the fault
        QVERIFY(!D.HasClassFault());
    }

    // Linked: a cross table or scatter diagram in pane 1, or a table beside
    // a graph or a cross table beside a scatter diagram in panes 2 and 3.
    void linkedPanes()
    {
        const struct {
            uint8_t Kinds[4];
            bool Linked;
        } Cases[] = {{{0, 0, bkSumfrekvensgraf, bkTabel}, true},
                     {{0, 0, bkTabel, bkFrekvensgraf}, true},
                     {{0, 0, bkHyppighedsgraf, bkTabel}, true},
                     {{0, 0, bkKrydsdiagram, bkKrydstabel}, true},
                     {{0, 0, bkKrydstabel, bkKrydsdiagram}, true},
                     {{0, 0, bkTabel, bkMaerketal}, false},
                     {{0, 0, bkTabel, bkTabel}, false},
                     {{0, 0, bkKrydstabel, bkTabel}, false},
                     {{0, bkKrydsdiagram, 0, 0}, true},
                     {{0, bkKrydstabel, 0, 0}, true},
                     {{0, bkTabel, bkHyppighedsgraf, 0}, false}};
        for (const auto &C : Cases) {
            tDescriptor D;
            for (int P = 1; P <= 3; ++P)
                D.SetPaneKind(P, C.Kinds[P]);
            QVERIFY2(
                D.PanesAreLinked() == C.Linked,
                qPrintable(
                    QStringLiteral("%1 %2 %3").arg(C.Kinds[1]).arg(C.Kinds[2]).arg(C.Kinds[3])));
        }
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
        const QVector<double> Selected{double(D.SelectedX()), double(D.SelectedH()),
                                       double(D.SelectedF()), double(D.SelectedCumF())};
        QCOMPARE(Selected, (QVector<double>{2, 2, 0.5, 0.75}));
        QVERIFY(D.SelectionShown());
        D.SetPaneKind(3, bkFrekvensgraf); // setting a kind clears the selection
        QCOMPARE(D.SelectedIndex(), -1);

        D.SelectEntry(2);
        D.AddReading(1, 1, 0);
        D.SetPicked(3);
        D.SelectEntry(4); // outside the list
        QCOMPARE(D.SelectedIndex(), -1);
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
        QCOMPARE(D.SecondSelectedIndex(), -1);

        // Picked lines alone show a selection, linked or not.
        D.SetPaneKind(2, bkIngen);
        D.SetPicked(5);
        QVERIFY(D.SelectionShown());
        D.SetPicked(5, false);
        QVERIFY(!D.SelectionShown());

        // The same owner changes nothing; another one clears everything.
        D.SetPaneKind(2, bkTabel);
        D.AddReading(1, 0.5, 1);
        D.SetPicked(4);
        D.SetOwner(dtObs);
        QVERIFY(D.SeriesCount() == 2 && D.PanesAreLinked() && D.AnyPicked());
        D.MarkStale();
        D.SetOwner(dtHyp);
        QCOMPARE(D.Owner, dtHyp);
        QVERIFY(!D.IsDirty());
        QCOMPARE(D.SeriesCount(), 0);
        QCOMPARE(D.GetTitle(), QString());
        QCOMPARE(D.GetDecimals(), -1);
        for (int P = 1; P <= 4; ++P)
            QCOMPARE(D.GetPaneKind(P), uint8_t(bkIngen));
        QVERIFY(!D.PanesAreLinked() && !D.AnyPicked());
        QCOMPARE(D.GetReadingCount(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_descriptor)
#include "tst_descriptor.moc"
