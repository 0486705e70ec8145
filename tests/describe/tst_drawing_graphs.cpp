// The chart frame and axis rounding, the frequency graphs and the pie chart,
// drawn into pictures and checked at the positions and colours their layouts
// fix and by the texts they write.
#include "Describe.h"
#include "support_drawing.h"

#include <QtTest>
#include <cmath>

using namespace testdraw;

namespace
{

const QRgb Black = qRgb(0, 0, 0);

struct tGraph {
    QImage Img;
    tChartLayout Lay;
    tTexts Texts;
};

// A graph drawn on a 400 x 400 pane, and the texts it writes.
tGraph Graph(tDescriptor &D, tGraphKind Kind, bool Grouped = false,
             const tDrawContext &C = {400, 400})
{
    tGraph G;
    G.Img = Drawn(C.Width, C.Height,
                  [&](QPainter &P) { G.Lay = DrawFrequencyGraph(P, C, D, Kind, Grouped); });
    G.Texts = Written(C.Width, C.Height,
                      [&](QPainter &P) { DrawFrequencyGraph(P, C, D, Kind, Grouped); });
    return G;
}

} // namespace

class tst_drawing_graphs : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // The bound brackets the value in the asked direction; NaN as bound:
    // beyond the axis's range, refused.
    void niceBound_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<bool>("integer");
        QTest::addColumn<bool>("up");
        QTest::addColumn<double>("bound");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("decimals");
        const double Fails = std::nan("");
        QTest::newRow("below smallest") << 4e-11 << true << true << 0.0 << 10 << 0;
        QTest::newRow("37 int up") << 37.0 << true << true << 40.0 << 4 << 0;
        QTest::newRow("37 real up: ticks every 5") << 37.0 << false << true << 40.0 << 8 << 0;
        QTest::newRow("-37 real up") << -37.0 << false << true << -30.0 << 8 << 0;
        QTest::newRow("0,35 real up") << 0.35 << false << true << 0.4 << 8 << 2;
        QTest::newRow("3 int up") << 3.0 << true << true << 3.0 << 3 << 1;
        QTest::newRow("2 int up: ticks 1 and 2") << 2.0 << true << true << 2.0 << 2 << 1;
        QTest::newRow("12 int down") << 12.0 << true << false << 12.0 << 1 << 0;
        QTest::newRow("largest") << 5e10 << true << true << 5e10 << 5 << 0;
        QTest::newRow("1234 int up") << 1234.0 << true << true << 1300.0 << 13 << 0;
        QTest::newRow("0,0123 real down") << 0.0123 << false << false << 0.012 << 18 << 3;
        QTest::newRow("beyond 5e10") << 5.0000001e10 << false << true << Fails << 0 << 0;
        QTest::newRow("nan") << std::nan("") << false << true << Fails << 0 << 0;
    }

    void niceBound()
    {
        QFETCH(double, v);
        QFETCH(bool, integer);
        QFETCH(bool, up);
        QFETCH(double, bound);
        QFETCH(int, steps);
        QFETCH(int, decimals);
        Extended B = -1;
        int S = -1, Dec = -1;
        QCOMPARE(NiceBound(v, integer, up, B, S, Dec), !std::isnan(bound));
        if (!std::isnan(bound))
            QCOMPARE(QString("%1 in %2 steps, %3 decimals").arg(double(B)).arg(S).arg(Dec),
                     QString("%1 in %2 steps, %3 decimals").arg(bound).arg(steps).arg(decimals));
    }

    // Data from 12 to 17 give a shifted axis 0..5 with the origin at 12 and
    // a break symbol right of the y axis (the frame moves right by it); data
    // below zero break the axis on the right. Labels stand centred below
    // their ticks, the shifted axis starting at the origin's value.
    void axis_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<double>("shift");
        QTest::addColumn<int>("breakAt"); // xa - x0 in half lines
        QTest::addColumn<QString>("labels");
        QTest::newRow("whole numbers") << QStringList{"1", "2", "3"} << 1.0 << -3 << "1 2 3";
        QTest::newRow("across zero") << QStringList{"-2", "0", "3"} << 0.0 << 0 << "-2 -1 0 1 2 3";
        QTest::newRow("shifted") << QStringList{"12", "13", "13", "17"} << 12.0 << -3
                                 << "12 13 14 15 16 17";
        QTest::newRow("negative") << QStringList{"-7", "-5", "-3"} << -3.0 << 3 << "-7 -6 -5 -4 -3";
    }

    void axis()
    {
        QFETCH(QStringList, values);
        QFETCH(double, shift);
        QFETCH(int, breakAt);
        QFETCH(QString, labels);
        auto L = ObsColumn(values);
        tDescriptor &D = Recomputed(*L);
        const tGraph G = Graph(D, tGraphKind::Frequency);
        const tChartLayout &Lay = G.Lay;
        const QImage &Img = G.Img;
        QCOMPARE(double(Lay.Shift), shift);
        const int hh = Lay.hh;
        QCOMPARE(Lay.xa - Lay.x0, breakAt * hh);
        QCOMPARE(Lay.FrameL - Lay.OuterL, std::max(0, -breakAt) * hh);
        QCOMPARE(Lay.OuterR - Lay.FrameR, std::max(0, breakAt) * hh);
        QCOMPARE(Lay.FrameT, 2 * Lay.h);
        QMap<int, QString> Below; // by position
        for (const tTextItem &I : G.Texts)
            if (I.At.y() > Lay.FrameB + hh) {
                Below[I.At.x()] = I.Text;
                QVERIFY2(std::abs(I.At.x() + I.Right - 2 * Lay.PosX(I.Text.toInt())) <= 1,
                         qPrintable(I.Text));
            }
        QCOMPARE(QStringList(Below.values()).join(' '), labels);
        // The recorded scale turns pixel columns back into values.
        for (const QString &V : values)
            QCOMPARE(int(std::lround(double(D.XValueAt(Lay.PosX(V.toInt()))))), V.toInt());
        if (shift != 12)
            return;
        // The break: two short strokes q apart across the x axis, a gap
        // between them; grid line for y = 1 half-way up in the button face.
        const int Y = Lay.FrameB - 1, q = (hh + 1) / 2;
        const QString Strokes = QStringLiteral("%1%2%3%4")
                                    .arg(Img.pixel(Lay.xa + hh, Y - hh + 1) == Black)
                                    .arg(Img.pixel(Lay.xa + hh + q, Y + hh - 1) == Black)
                                    .arg(Img.pixel(Lay.xa + hh + q / 2, Y) == Black)
                                    .arg(Img.pixel(Lay.xa + hh - 1, Y) == Black);
        QCOMPARE(Strokes, "1101");
        QCOMPARE(Lay.PosY(1), Lay.Baseline - int(std::lround(Lay.ph / 2.0)));
        QCOMPARE(Img.pixel((Lay.PosX(13) + Lay.PosX(17)) / 2, Lay.PosY(1)),
                 tDrawContext().ButtonFace.rgb());
    }

    // Ranges that cannot be scaled, and panes too small for a plot, give the
    // title and nothing else.
    void titleOnly_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("graph");
        QTest::addColumn<int>("size");
        QTest::newRow("one value") << QStringList{"7"} << 0 << 300;
        QTest::newRow("beyond 5e10") << QStringList{"1", "6e10"} << 2 << 300;
        QTest::newRow("below -5e10") << QStringList{"-6e10", "1"} << 0 << 300;
        QTest::newRow("no numbers") << QStringList{"x"} << 1 << 300;
        for (int G = 0; G < 3; ++G)
            QTest::addRow("tiny pane %d", G) << QStringList{"1", "2", "3"} << G << 20;
    }

    void titleOnly()
    {
        QFETCH(QStringList, values);
        QFETCH(int, graph);
        QFETCH(int, size);
        auto L = ObsColumn(values);
        tDescriptor &D = Recomputed(*L);
        for (bool Grouped : {false, true}) {
            const tGraph G = Graph(D, tGraphKind(graph), Grouped, {size, size});
            QVERIFY(!G.Lay.Ok);
            QCOMPARE(Lines(G.Texts), QStringList{"Alder"});
            const int h = QFontMetrics(PaneFont()).height();
            if (size > 2 * h) // below the title's two rows all stays white
                QCOMPARE(G.Img.copy(0, 2 * h, size, size - 2 * h),
                         Drawn(size, size - 2 * h, [](QPainter &) {}));
        }
    }

    // Slice colours at angles counterclockwise from 3 o'clock; the legend's
    // first box in the first colour beside its text box, the box after the
    // list empty.
    void pie_data()
    {
        QTest::addColumn<QStringList>("freqs");
        QTest::addColumn<QVector<int>>("angles");
        QTest::addColumn<QVector<int>>("entries");
        QTest::newRow("one value")
            << QStringList{"4"} << QVector<int>{10, 100, 200, 300} << QVector<int>{0, 0, 0, 0};
        QTest::newRow("quarter and three quarters")
            << QStringList{"1", "3"} << QVector<int>{10, 80, 100, 200, 350}
            << QVector<int>{0, 0, 1, 1, 1};
        QTest::newRow("first frequency 0")
            << QStringList{"0", "1", "1"} << QVector<int>{5, 170, 190, 355}
            << QVector<int>{1, 1, 2, 2};
        QVector<int> Mid, Entry;
        for (int K = 0; K < 16; ++K) {
            Mid << int(K * 22.5 + 11);
            Entry << K;
        }
        QTest::newRow("sixteen") << QStringList(16, QStringLiteral("1")) << Mid << Entry;
    }

    void pie()
    {
        QFETCH(QStringList, freqs);
        QFETCH(QVector<int>, angles);
        QFETCH(QVector<int>, entries);
        QStringList Values;
        for (int I = 1; I <= freqs.size(); ++I)
            Values << QString::number(I);
        auto L = HypColumn(Values, freqs);
        tDescriptor &D = Recomputed(*L, dtHyp);
        QRect Sq, Row1, After;
        const QImage Img = Drawn(500, 400, [&](QPainter &P) {
            DrawPieChart(P, tDrawContext(500, 400), D);
            Sq = PieSquare(P);
            Row1 = PieLegendBox(P, 0);
            After = PieLegendBox(P, freqs.size());
        });
        QCOMPARE(Sq.width(), Sq.height()); // a round pie
        const double Cx = Sq.left() + Sq.width() / 2, Cy = Sq.top() + Sq.height() / 2;
        const double R = Sq.width() * 0.35;
        for (int I = 0; I < angles.size(); ++I) {
            const double A = angles[I] * M_PI / 180;
            QCOMPARE(QColor(Img.pixel(int(std::lround(Cx + R * std::cos(A))),
                                      int(std::lround(Cy - R * std::sin(A))))),
                     PieColour(entries[I]));
        }
        const QColor Face = tDrawContext().ButtonFace;
        QCOMPARE(QColor(Img.pixel(Row1.center())), PieColour(0));
        QCOMPARE(QColor(Img.pixel(Row1.right() + 94, Row1.bottom() - 1)), Face);
        if (freqs.size() < 16)
            QCOMPARE(QColor(Img.pixel(After.center())), QColor(Qt::white));
        // The sixteen slice colours, in order, and round again.
        const QStringList Palette = QString("#ff0000 #008000 #0000ff #ffff00 #00ffff #ff00ff "
                                            "#808080 #00ff00 #800000 #000080 #808000 #800080 "
                                            "#c0c0c0 #008080 #ffffff #000000 #ff0000")
                                        .split(' ');
        for (int K = 0; K < Palette.size(); ++K)
            QCOMPARE(PieColour(K).name(), Palette[K]);
    }

    // A share too small for a sixteenth of a degree draws no slice, not
    // even a line: the pie is the other value's colour all round, also
    // where the small slice would start (3 o'clock).
    void pieTinyShare()
    {
        auto L = HypColumn({"1", "2"}, {"1", "40000"});
        tDescriptor &D = Recomputed(*L, dtHyp);
        QRect Sq;
        const QImage Img = Drawn(500, 400, [&](QPainter &P) {
            DrawPieChart(P, tDrawContext(500, 400), D);
            Sq = PieSquare(P);
        });
        const int Cx = Sq.left() + Sq.width() / 2, Cy = Sq.top() + Sq.height() / 2;
        for (int X = Cx + 3; X < Sq.right() - Sq.width() / 10; ++X)
            for (int Y = Cy - 2; Y <= Cy + 2; ++Y)
                QCOMPARE(QColor(Img.pixel(X, Y)), PieColour(1));
    }

    // The legend writes each value (or class) beside its colour, "#"
    // characters when the text is too wide for the box; the pen is given back.
    void pieLegend()
    {
        auto L = ObsColumn({"123456789012345", "2,5", "2,5"}, 1, QString());
        tDescriptor &D = Recomputed(*L);
        const tTexts T = Written(500, 400, [&](QPainter &P) {
            P.setPen(Qt::red);
            DrawPieChart(P, tDrawContext(500, 400), D);
            QCOMPARE(P.pen().color(), QColor(Qt::red));
        });
        QCOMPARE(Lines(T), (QStringList{"Søjle A", "2,5", QString(47, QLatin1Char('#'))}));
        QCOMPARE(T[0].PixelSize, 22);
        L->SetGroupKind(0, gkManual);
        L->AddInterval(0, 0, 10);
        D.MarkStale();
        D.Recompute(*L);
        const tTexts G = Written(
            500, 400, [&](QPainter &P) { DrawGroupedPieChart(P, tDrawContext(500, 400), D); });
        QCOMPARE(Lines(G), (QStringList{"Søjle A", "0,0 - 10,0"}));
    }
};

QTEST_MAIN(tst_drawing_graphs)
#include "tst_drawing_graphs.moc"
