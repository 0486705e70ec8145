// The box plot's five numbers and the histogram's bars: worked examples in
// every kind of data, the box against the key figures and an independent
// sort over many random columns, uneven classes whose areas are the
// frequencies, the refusals, the copy texts, and the drawings (layout facts
// and two reference pictures).
#include "BoxPlot.h"
#include "Histogram.h"
#include "KeyFigures.h"
#include "ShapeFigures.h"
#include "support_drawing.h"
#include "support_pictures.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <vector>

using namespace testdraw;

namespace
{

using tFive = std::array<double, 5>;

tFive FiveOf(const tBoxFigures &B)
{
    return {double(B.Min), double(B.LowerQuartile), double(B.Median), double(B.UpperQuartile),
            double(B.Max)};
}

// What "Mærketal" shows for series 0.
tFive KeyFive(const tDescriptor &D)
{
    return {double(D.Min(0)), double(D.LowerQuartile()), double(D.Median()),
            double(D.UpperQuartile()), double(D.Max(0))};
}

QStringList Numbers(std::initializer_list<const char *> List)
{
    QStringList L;
    for (const char *S : List)
        L << QString::fromUtf8(S);
    return L;
}

// Two named columns A and B, both marked.
std::unique_ptr<tLumen> TwoColumns(const QStringList &A, const QStringList &B)
{
    auto L = ObsColumn(A, 0, QStringLiteral("7.a"));
    for (int I = 0; I < B.size(); ++I)
        L->SetCellText(I, 1, B[I]);
    L->SetColName(1, QStringLiteral("7.b"));
    L->ToggleColSelected(1);
    return L;
}

// Classes 0-10, 10-30 and 30-35 with 10, 20 and 10 observations.
std::unique_ptr<tLumen> UnevenClasses()
{
    auto L = ClassColumn(Numbers({"0", "10", "10", "10", "30", "20", "30", "35", "10"}));
    L->SetGrupName(0, QStringLiteral("Højde"));
    return L;
}

int Px(const tChartLayout &L, double V) { return L.PosX(Extended(V)); }

bool IsLime(QRgb C) { return qRed(C) < 60 && qGreen(C) > 200 && qBlue(C) < 60; }

} // namespace

Q_DECLARE_METATYPE(tFive)

class tst_shapes : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // The five numbers of one series in each kind of data, and "Mærketal"
    // giving the same.
    void boxWorkedExamples_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<QStringList>("Data");
        QTest::addColumn<tFive>("Box");
        QTest::newRow("1, 2, 3, 4") << int(dtObs) << Numbers({"1", "2", "3", "4"})
                                    << tFive{1, 1, 2, 3, 4};
        QTest::newRow("five values") << int(dtObs) << Numbers({"5", "1", "4", "2", "3"})
                                     << tFive{1, 2, 3, 4, 5};
        QTest::newRow("ties") << int(dtObs) << Numbers({"5", "7", "5", "5"})
                              << tFive{5, 5, 5, 5, 7};
        QTest::newRow("one value") << int(dtObs) << Numbers({"8"}) << tFive{8, 8, 8, 8, 8};
        QTest::newRow("negative, decimals")
            << int(dtObs) << Numbers({"1,5", "-2,5", "0"}) << tFive{-2.5, -2.5, 0, 1.5, 1.5};
        // Values 1, 2, 3 seen 1, 2 and 1 times (and 9 never).
        QTest::newRow("frequencies") << int(dtHyp) << Numbers({"1", "1", "2", "2", "3", "1"})
                                     << tFive{1, 1, 2, 2, 3};
        // Classes 0-10 and 10-20, two observations each: quartiles read off
        // the cumulative curve, whiskers at the outer bounds.
        QTest::newRow("classes") << int(dtGrup) << Numbers({"0", "10", "2", "10", "20", "2"})
                                 << tFive{0, 5, 10, 15, 20};
        // Uneven classes: 40 observations, F = 0.25, 0.75, 1.
        QTest::newRow("uneven classes")
            << int(dtGrup) << Numbers({"0", "10", "10", "10", "30", "20", "30", "35", "10"})
            << tFive{0, 10, 20, 30, 35};
    }
    void boxWorkedExamples()
    {
        QFETCH(int, Type);
        QFETCH(QStringList, Data);
        QFETCH(tFive, Box);
        std::unique_ptr<tLumen> L;
        if (Type == dtObs) {
            L = ObsColumn(Data, 1);
        } else if (Type == dtHyp) {
            QStringList Values, Freqs;
            for (int I = 0; I + 1 < Data.size(); I += 2)
                Values << Data[I], Freqs << Data[I + 1];
            Values << QStringLiteral("9"), Freqs << QStringLiteral("0");
            L = HypColumn(Values, Freqs);
        } else {
            L = ClassColumn(Data);
        }
        const tDescriptor &D = Recomputed(*L, TDataType(Type));
        const QVector<tBoxFigures> Boxes = BoxPlotFigures(D);
        QCOMPARE(Boxes.size(), 1);
        QCOMPARE(BoxPlotRefusal(D), QString());
        if (Type != dtHyp) // the frequency table's unused 9 still bounds its range
            QCOMPARE(FiveOf(Boxes[0]), Box);
        else
            QCOMPARE(FiveOf(Boxes[0]), (tFive{1, 1, 2, 2, 9}));
        QCOMPARE(FiveOf(Boxes[0]), KeyFive(D));
    }

    // Two classes of different sizes side by side: one box each, in marking
    // order, on one axis spanning both.
    void twoColumnsOnOneAxis()
    {
        auto L = TwoColumns(Numbers({"1", "2", "3", "4"}),
                            Numbers({"10", "20", "30", "40", "50", "60"}));
        tDescriptor &D = Recomputed(*L);
        const QVector<tBoxFigures> Boxes = BoxPlotFigures(D);
        QCOMPARE(Boxes.size(), 2);
        QCOMPARE(Boxes[0].Name, QStringLiteral("7.a"));
        QCOMPARE(FiveOf(Boxes[0]), (tFive{1, 1, 2, 3, 4}));
        QCOMPARE(Boxes[1].Name, QStringLiteral("7.b"));
        QCOMPARE(FiveOf(Boxes[1]), (tFive{10, 20, 30, 50, 60}));

        tChartLayout Layout;
        const QImage Img =
            Drawn(400, 260, [&](QPainter &P) { Layout = DrawBoxPlot(P, tDrawContext(400, 260), D); });
        QVERIFY(Layout.Ok);
        // Both ends of both boxes lie inside the frame.
        QVERIFY(Px(Layout, 1) > Layout.xa && Px(Layout, 60) < Layout.FrameR);
        // The first box (red) lies above the second (green): scan the column
        // through each box's middle between its quartiles.
        auto RowsOf = [&](int X, auto Match) {
            QVector<int> Rows;
            for (int Y = Layout.FrameT; Y < Layout.Baseline; ++Y)
                if (Match(Img.pixel(X, Y)))
                    Rows << Y;
            return Rows;
        };
        const QVector<int> Red = RowsOf((Px(Layout, 1) + Px(Layout, 2)) / 2, [](QRgb C) {
            return qRed(C) > 200 && qGreen(C) < 60 && qBlue(C) < 60;
        });
        const QVector<int> Green = RowsOf((Px(Layout, 30) + Px(Layout, 50)) / 2, [](QRgb C) {
            return qRed(C) < 60 && qGreen(C) > 100 && qGreen(C) < 160 && qBlue(C) < 60;
        });
        QVERIFY(!Red.isEmpty() && !Green.isEmpty());
        QVERIFY(Red.last() < Green.first());
        // No green where the first box stands, no red in the second's.
        QVERIFY(RowsOf((Px(Layout, 30) + Px(Layout, 50)) / 2, [](QRgb C) {
                    return qRed(C) > 200 && qGreen(C) < 60;
                }).isEmpty());

        // The names to the left of the frame, the five numbers of each box.
        const tTexts T = Written(400, 260, [&](QPainter &P) { DrawBoxPlot(P, tDrawContext(400, 260), D); });
        const tTextItem *A = Find(T, QStringLiteral("7.a"));
        const tTextItem *B = Find(T, QStringLiteral("7.b"));
        QVERIFY(A && B);
        QVERIFY(A->At.y() < B->At.y());
        QVERIFY(A->Right <= Layout.FrameL);
        for (const char *N : {"10", "20", "30", "50", "60"})
            QVERIFY2(Find(T, QLatin1String(N)), N);
    }

    // Over many random columns, grouped or not: each box is what "Mærketal"
    // shows for that column alone, and for ungrouped data what a sort gives
    // (the first value whose cumulative count reaches the quarter).
    void boxEqualsKeyFigures()
    {
        for (quint32 Seed = 1; Seed <= 300; ++Seed) {
            QRandomGenerator R(Seed);
            auto L = std::make_unique<tLumen>();
            const int Cols = 1 + int(R.bounded(6));
            std::vector<std::vector<double>> Sorted(static_cast<size_t>(Cols));
            for (int C = 0; C < Cols; ++C) {
                const int n = 1 + int(R.bounded(C == 0 ? 8 : 80));
                const int Spread = 1 + int(R.bounded(50));
                for (int I = 0; I < n; ++I) {
                    const double V = int(R.bounded(2 * Spread)) - Spread + (R.bounded(4) == 0 ? 0.5 : 0);
                    L->SetCellText(I, C, QString::number(V).replace(QLatin1Char('.'), QLatin1Char(',')));
                    Sorted[size_t(C)].push_back(V);
                }
                std::sort(Sorted[size_t(C)].begin(), Sorted[size_t(C)].end());
                L->SetDecimals(C, 1);
                // Every third column grouped in classes that hold all values.
                if (R.bounded(3) == 0) {
                    L->SetGroupKind(C, gkAuto);
                    L->SetFirstLower(C, -Spread - 1);
                    L->SetFirstUpper(C, -Spread - 1 + 5);
                    L->SetGap(C, 0);
                    L->SetGroupCount(C, (2 * Spread + 2) / 5 + 2);
                }
            }
            for (int C = 0; C < Cols; ++C)
                L->ToggleColSelected(C);
            const QVector<tBoxFigures> Boxes = BoxPlotFigures(Recomputed(*L));
            QCOMPARE(Boxes.size(), Cols);
            for (int C = 0; C < Cols; ++C) {
                // The key figures of column C described alone.
                auto Alone = std::make_unique<tLumen>();
                Alone->Cols = L->Cols;
                Alone->ToggleColSelected(C);
                const tDescriptor &K = Recomputed(*Alone);
                QVERIFY2(BoxPlotRefusal(K).isEmpty(), qPrintable(QString::number(Seed)));
                QCOMPARE(FiveOf(Boxes[C]), KeyFive(K));
                if (Boxes[C].Grouped)
                    continue;
                const std::vector<double> &S = Sorted[size_t(C)];
                const size_t n = S.size();
                auto At = [&](size_t Num, size_t Den) { return S[(n * Num + Den - 1) / Den - 1]; };
                QCOMPARE(FiveOf(Boxes[C]), (tFive{S.front(), At(1, 4), At(1, 2), At(3, 4), S.back()}));
            }
        }
    }

    // Uneven classes: heights per unit so that the areas are the
    // frequencies; even classes: heights are the frequencies in percent.
    void histogramBars_data()
    {
        QTest::addColumn<QStringList>("Rows");
        QTest::addColumn<bool>("Uneven");
        QTest::addColumn<QVector<double>>("Heights");
        QTest::newRow("uneven") << Numbers({"0", "10", "10", "10", "30", "20", "30", "35", "10"})
                                << true << QVector<double>{2.5, 2.5, 5};
        QTest::newRow("even") << Numbers({"0", "5", "1", "5", "10", "3"}) << false
                              << QVector<double>{25, 75};
        QTest::newRow("even, with a gap")
            << Numbers({"0", "5", "1", "10", "15", "1"}) << false << QVector<double>{50, 50};
        QTest::newRow("uneven decimals") << Numbers({"0", "0,5", "1", "0,5", "2", "3"}) << true
                                         << QVector<double>{50, 50};
    }
    void histogramBars()
    {
        QFETCH(QStringList, Rows);
        QFETCH(bool, Uneven);
        QFETCH(QVector<double>, Heights);
        auto L = ClassColumn(Rows);
        const tDescriptor &D = Recomputed(*L, dtGrup);
        QCOMPARE(HistogramRefusal(D), QString());
        const tHistogramFigures H = HistogramFiguresOf(D.GetSeries(0));
        QCOMPARE(H.Uneven, Uneven);
        QCOMPARE(H.Bars.size(), Heights.size());
        double Area = 0;
        for (int I = 0; I < Heights.size(); ++I) {
            const tHistogramBar &B = H.Bars[I];
            QCOMPARE(double(B.Height), Heights[I]);
            const double W = Uneven ? double(B.Upper - B.Lower) : 1;
            QVERIFY(qFuzzyCompare(double(B.Height) * W, 100 * double(B.f)));
            Area += double(B.Height) * W;
        }
        QVERIFY(qFuzzyCompare(Area, 100.0));
    }

    // The drawing of uneven classes: bar heights in proportion to the
    // heights (not the frequencies), the y axis's text and the note.
    void histogramDrawing()
    {
        auto L = UnevenClasses();
        tDescriptor &D = Recomputed(*L, dtGrup);
        tChartLayout Layout;
        const QImage Img = Drawn(400, 400, [&](QPainter &P) {
            Layout = DrawHistogram(P, tDrawContext(400, 400), D);
        });
        QVERIFY(Layout.Ok);
        // The frame is drawn lower than its own layout says by the texts
        // above it: find the baseline as the lowest lime row.
        auto TopOfBar = [&](double Lo, double Hi) {
            const int X = (Px(Layout, Lo) + Px(Layout, Hi)) / 2;
            int Top = -1, Bottom = -1;
            for (int Y = 0; Y < Img.height(); ++Y)
                if (IsLime(Img.pixel(X, Y))) {
                    if (Top < 0)
                        Top = Y;
                    Bottom = Y;
                }
            return std::make_pair(Top, Bottom);
        };
        const auto [T1, B1] = TopOfBar(0, 10);
        const auto [T2, B2] = TopOfBar(10, 30);
        const auto [T3, B3] = TopOfBar(30, 35);
        QVERIFY(T1 > 0 && T3 > 0);
        QCOMPARE(B1, B3);
        QVERIFY(qAbs(T1 - T2) <= 1);                    // 2.5 and 2.5 per unit
        QVERIFY(qAbs((B1 - T3 + 1) - 2 * (B1 - T1 + 1)) <= 2); // 5 is twice 2.5
        // Adjacent bars: a shared bound has no white between the bars.
        const int Mid = (T1 + B1) / 2;
        for (int X = Px(Layout, 1); X < Px(Layout, 34); ++X)
            QVERIFY2(Img.pixel(X, Mid) != qRgb(255, 255, 255), qPrintable(QString::number(X)));

        const tTexts T = Written(400, 400, [&](QPainter &P) { DrawHistogram(P, tDrawContext(400, 400), D); });
        QVERIFY(Find(T, HistogramAxisText(true)));
        QVERIFY(Find(T, HistogramAreaNote()));
        for (const char *Bound : {"0", "10", "30", "35"})
            QVERIFY2(Find(T, QLatin1String(Bound)), Bound);

        // Even classes say "Frekvens i %" and carry no note.
        auto Even = ClassColumn(Numbers({"0", "5", "1", "5", "10", "3"}));
        tDescriptor &E = Recomputed(*Even, dtGrup);
        const tTexts TE = Written(400, 400, [&](QPainter &P) { DrawHistogram(P, tDrawContext(400, 400), E); });
        QVERIFY(Find(TE, QStringLiteral("Frekvens i %")));
        QVERIFY(!Find(TE, HistogramAreaNote()));
    }

    // A gap between automatic classes shows as white between the bars.
    void histogramGap()
    {
        auto L = ObsColumn(Numbers({"1", "2", "6", "7", "12"}));
        L->SetGroupKind(0, gkAuto);
        L->SetFirstLower(0, 0);
        L->SetFirstUpper(0, 4);
        L->SetGap(0, 1);
        L->SetGroupCount(0, 3);
        tDescriptor &D = Recomputed(*L);
        QVERIFY(D.GetSeries(0).ClassGaps);
        tChartLayout Layout;
        const QImage Img = Drawn(400, 400, [&](QPainter &P) {
            Layout = DrawHistogram(P, tDrawContext(400, 400), D);
        });
        QVERIFY(Layout.Ok);
        int Row = -1;
        for (int Y = Img.height() - 1; Y >= 0 && Row < 0; --Y)
            if (IsLime(Img.pixel(Px(Layout, 2), Y)))
                Row = Y - 2;
        QVERIFY(Row > 0);
        QVERIFY(IsLime(Img.pixel(Px(Layout, 2), Row)));
        QCOMPARE(Img.pixel(Px(Layout, 4.5), Row), qRgb(255, 255, 255));
        QVERIFY(IsLime(Img.pixel(Px(Layout, 7), Row)));
    }

    // What cannot be drawn: the notice, and no text to copy.
    void refusals_data()
    {
        QTest::addColumn<int>("Case");
        QTest::addColumn<QString>("Box");
        QTest::addColumn<QString>("Histogram");
        QTest::newRow("overlapping classes") << 0 << "Fejl i intervaller" << "Fejl i intervaller";
        QTest::newRow("value outside the classes")
            << 1 << "Tal udenfor intervaller" << "Tal udenfor intervaller";
        QTest::newRow("class without width") << 2 << "" << "Fejl i intervaller";
    }
    void refusals()
    {
        QFETCH(int, Case);
        QFETCH(QString, Box);
        QFETCH(QString, Histogram);
        std::unique_ptr<tLumen> L;
        TDataType Type = dtGrup;
        if (Case == 0) {
            L = ClassColumn(Numbers({"0", "10", "1", "5", "15", "1"}));
        } else if (Case == 1) {
            L = ObsColumn(Numbers({"1", "2", "3"}));
            L->SetGroupKind(0, gkManual);
            L->AddInterval(0, 0, 2);
            L->AddInterval(0, 2, 4);
            L->SetCellText(3, 0, QStringLiteral("9"));
            Type = dtObs;
        } else {
            L = ClassColumn(Numbers({"0", "10", "1", "10", "10", "1"}));
        }
        tDescriptor &D = Recomputed(*L, Type);
        QCOMPARE(BoxPlotRefusal(D), Box);
        QCOMPARE(HistogramRefusal(D), Histogram);
        QCOMPARE(BoxPlotText(D).isEmpty(), !Box.isEmpty());
        QVERIFY(HistogramText(D).isEmpty());
        const tTexts T = Written(400, 400, [&](QPainter &P) { DrawHistogram(P, tDrawContext(400, 400), D); });
        QVERIFY(Find(T, Histogram));
    }

    // The copy text of the box plot and the command line's histogram text.
    void texts()
    {
        auto L = TwoColumns(Numbers({"1", "2", "3", "4"}), Numbers({"10", "20", "30"}));
        const tDescriptor &D = Recomputed(*L);
        QCOMPARE(BoxPlotText(D),
                 QStringLiteral("\tMindsteværdi\tNedre kvartil\tMedian\tØvre kvartil\tStørsteværdi\r\n"
                                "7.a\t1\t1,00\t2,00\t3,00\t4\r\n"
                                "7.b\t10\t10,00\t20,00\t30,00\t30\r\n"));
        auto U = UnevenClasses();
        QCOMPARE(HistogramText(Recomputed(*U, dtGrup)),
                 QStringLiteral("Højde\r\n"
                                "Nedre grænse\tØvre grænse\tFrekvens i %\tHøjde (frekvens i % pr. enhed)\r\n"
                                "0\t10\t25,000000\t2,500000\r\n"
                                "10\t30\t50,000000\t2,500000\r\n"
                                "30\t35\t25,000000\t5,000000\r\n"));
    }

    // Reference pictures: two classes' heights, and uneven classes.
    void pictures()
    {
        auto L = TwoColumns(Numbers({"152", "158", "149", "163", "155", "160", "157", "151"}),
                            Numbers({"161", "166", "158", "171", "164", "169", "160", "174", "165"}));
        tDescriptor &D = Recomputed(*L);
        CompareWithReference(Drawn(400, 260, [&](QPainter &P) { DrawBoxPlot(P, tDrawContext(400, 260), D); }),
                             QStringLiteral(LUMEN_SOURCE_DIR "/tests/describe/"),
                             QStringLiteral("boxplot_two.png"));
        auto U = UnevenClasses();
        tDescriptor &H = Recomputed(*U, dtGrup);
        CompareWithReference(Drawn(400, 400, [&](QPainter &P) { DrawHistogram(P, tDrawContext(400, 400), H); }),
                             QStringLiteral(LUMEN_SOURCE_DIR "/tests/describe/"),
                             QStringLiteral("histogram_uneven.png"));
    }
};

QTEST_MAIN(tst_shapes)
#include "tst_shapes.moc"
