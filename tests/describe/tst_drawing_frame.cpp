// Axis rounding and the chart frame: worked rounding examples, the broken
// axis of data from 12 to 17, the recorded scale, and degenerate ranges.
#include "CellText.h"
#include "ChartFrame.h"
#include "DrawContext.h"
#include "FreqGraph.h"
#include "support_drawing.h"

#include <QtTest>

using namespace testdraw;

class tst_drawing_frame : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void niceBound_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<bool>("integer");
        QTest::addColumn<bool>("up");
        QTest::addColumn<double>("bound");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("decimals"); // -1: not checked

        QTest::newRow("zero") << 0.0 << false << true << 0.0 << 10 << 0;
        QTest::newRow("below smallest") << 4e-11 << true << true << 0.0 << 10 << 0;
        QTest::newRow("37 int up") << 37.0 << true << true << 40.0 << 4 << 0;
        QTest::newRow("37 real up: ticks every 5") << 37.0 << false << true << 40.0 << 8 << 0;
        QTest::newRow("-37 real down") << -37.0 << false << false << -40.0 << 8 << 0;
        QTest::newRow("0,35 real up") << 0.35 << false << true << 0.4 << 8 << 2;
        QTest::newRow("3 int up") << 3.0 << true << true << 3.0 << 3 << 1;
        QTest::newRow("1 int up") << 1.0 << true << true << 1.0 << 1 << -1;
        QTest::newRow("2 int up: ticks 1 and 2") << 2.0 << true << true << 2.0 << 2 << -1;
        QTest::newRow("12 int down") << 12.0 << true << false << 12.0 << -1 << -1;
        QTest::newRow("largest") << 5e10 << true << true << 5e10 << -1 << 0;
        QTest::newRow("1234 int up") << 1234.0 << true << true << 1300.0 << -1 << -1;
        QTest::newRow("0,0123 real down") << 0.0123 << false << false << 0.012 << -1 << -1;
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
        QVERIFY(NiceBound(v, integer, up, B, S, Dec));
        QVERIFY2(std::fabs(double(B) - bound) <= 1e-9 * std::max(1.0, std::fabs(bound)),
                 qPrintable(QString::number(double(B), 'g', 17)));
        if (steps >= 0)
            QCOMPARE(S, steps);
        if (decimals >= 0)
            QCOMPARE(Dec, decimals);
        QVERIFY(S >= 1);
    }

    void niceBoundFails_data()
    {
        QTest::addColumn<double>("v");
        QTest::newRow("beyond 5e10") << 5.0000001e10;
        QTest::newRow("huge") << 1e300;
        QTest::newRow("nan") << std::nan("");
    }

    void niceBoundFails()
    {
        QFETCH(double, v);
        Extended B;
        int S, Dec;
        QVERIFY(!NiceBound(v, false, true, B, S, Dec));
        QVERIFY(!NiceBound(v, true, false, B, S, Dec));
    }

    // Whatever the value, the rounding brackets it in the asked direction,
    // on a whole number of steps, and never yields zero steps.
    void niceBoundBrackets_data()
    {
        QTest::addColumn<double>("v");
        for (double V : {7e-11, 0.3, 0.999, 1.01, 101.0, 3e10})
            QTest::newRow(qPrintable(QString::number(V, 'g', 6))) << V;
    }

    void niceBoundBrackets()
    {
        QFETCH(double, v);
        for (bool Integer : {false, true}) {
            Extended Up, Down;
            int S1, S2, D1, D2;
            QVERIFY(NiceBound(v, Integer, true, Up, S1, D1));
            QVERIFY(NiceBound(v, Integer, false, Down, S2, D2));
            QVERIFY2(Up >= v * (1 - 1e-9) && Down <= v * (1 + 1e-9),
                     qPrintable(QStringLiteral("%1 %2").arg(double(Up)).arg(double(Down))));
            QVERIFY(Down > 0);
            QVERIFY(S1 >= 1 && S2 >= 1);
        }
    }

    // Observations 12, 13, 13, 17: shifted axis 0..5 with the origin at 12 and
    // a break symbol right of the y axis.
    void brokenAxis()
    {
        auto L = ObsColumn({"12", "13", "13", "17"});
        tDescriptor &D = Recomputed(*L);
        tChartLayout Lay;
        const QImage Img = Drawn(
            400, 400, [&](QPainter &P) { Lay = DrawFreqGraph(P, tDrawContext(400, 400), D); });
        QVERIFY(Lay.Ok);
        QCOMPARE(double(Lay.Shift), 12.0);
        QCOMPARE(double(Lay.XLo), 0.0);
        QCOMPARE(double(Lay.XHi), 5.0);
        QCOMPARE(double(Lay.YTop), 2.0);
        QCOMPARE(Lay.YSteps, 2);
        const int h = Lay.h, hh = (h + 1) / 2, q = (hh + 1) / 2;
        QCOMPARE(Lay.b, 3 * hh);
        QCOMPARE(Lay.FrameT, 2 * h);
        // The frame moved right by the break; the outer rectangle keeps its
        // left edge and the y axis stands there.
        QCOMPARE(Lay.FrameL - Lay.OuterL, 3 * hh);
        QCOMPARE(Lay.xa, Lay.x0 - 3 * hh);
        QCOMPARE(Lay.x0, Lay.FrameL);

        const QRgb Black = qRgb(0, 0, 0);
        const int Y = Lay.FrameB - 1;
        // Two short vertical strokes, q apart, with a gap between them on the
        // axis line.
        for (int X : {Lay.xa + hh, Lay.xa + hh + q}) {
            QCOMPARE(Img.pixel(X, Y - hh + 1), Black);
            QCOMPARE(Img.pixel(X, Y + hh - 1), Black);
        }
        QVERIFY(Img.pixel(Lay.xa + hh, Y - hh) != Black);
        for (int X = Lay.xa + hh + 1; X < Lay.xa + hh + q; ++X)
            QVERIFY(Img.pixel(X, Y) != Black);
        QCOMPARE(Img.pixel(Lay.xa + hh - 1, Y), Black);
        QCOMPARE(Img.pixel(Lay.xa + 3 * hh + q - 1, Y), Black);

        // The recorded scale turns pixel columns back into values.
        QCOMPARE(int(std::lround(double(D.XValueAt(Lay.PosX(13))))), 13);
        QCOMPARE(int(std::lround(double(D.XValueAt(Lay.PosX(17))))), 17);
        QVERIFY(std::fabs(double(D.XValueAt(Lay.x0)) - 12.0) < 1e-9);
        // Grid line for y = 1 in the button-face colour, half-way up.
        const int Gy = Lay.PosY(1);
        QCOMPARE(Gy, Lay.Baseline - int(std::lround(Lay.ph / 2.0)));
        const int Gx = (Lay.PosX(13) + Lay.PosX(17)) / 2;
        QCOMPARE(Img.pixel(Gx, Gy), tDrawContext().ButtonFace.rgb());
    }

    // The x axis labels of a graph: whole steps for whole numbers; a shifted
    // axis starts at the origin's value.
    void xLabels_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("labels");
        QTest::newRow("whole numbers") << QStringList{"1", "2", "3"} << 0 << "1 2 3";
        QTest::newRow("shifted") << QStringList{"12", "13", "13", "17"} << 0 << "12 13 14 15 16 17";
        QTest::newRow("negative") << QStringList{"-7", "-5", "-3"} << 0 << "-7 -6 -5 -4 -3";
    }

    void xLabels()
    {
        QFETCH(QStringList, values);
        QFETCH(int, decimals);
        QFETCH(QString, labels);
        auto L = ObsColumn(values, decimals);
        tDescriptor &D = Recomputed(*L);
        tChartLayout Lay;
        const tTexts T = Written(
            400, 400, [&](QPainter &P) { Lay = DrawFreqGraph(P, tDrawContext(400, 400), D); });
        QMap<int, QString> Below; // by position
        for (const tTextItem &I : T)
            if (I.At.y() > Lay.FrameB + Lay.hh) { // below the ticks
                Below[I.At.x()] = I.Text;
                const int Px = Lay.PosX(I.Text.toInt());
                QVERIFY2(std::abs(I.At.x() + I.Right - 2 * Px) <= 1, qPrintable(I.Text));
            }
        QCOMPARE(QStringList(Below.values()).join(' '), labels);
    }

    // A negative range breaks the axis on the right.
    void negativeRange()
    {
        auto L = ObsColumn({"-17", "-13", "-12"});
        tDescriptor &D = Recomputed(*L);
        tChartLayout Lay;
        const QImage Img = Drawn(
            400, 300, [&](QPainter &P) { Lay = DrawFreqGraph(P, tDrawContext(400, 300), D); });
        QVERIFY(Lay.Ok);
        QCOMPARE(double(Lay.Shift), -12.0);
        QVERIFY(Lay.b < 0);
        QCOMPARE(Lay.OuterR, Lay.FrameR + 3 * Lay.hh);
        QCOMPARE(Lay.xa, Lay.x0 + 3 * Lay.hh);
        QVERIFY(Lay.xa < Lay.OuterR);
        QCOMPARE(Img.pixel(Lay.xa, Lay.FrameT + 2), qRgb(0, 0, 0));
    }

    // Ranges that cannot be scaled give the title and nothing else.
    void titleOnly_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("graph");
        QTest::newRow("one value") << QStringList{"7"} << 0;
        QTest::newRow("all equal") << QStringList{"3", "3", "3"} << 1;
        QTest::newRow("beyond 5e10") << QStringList{"1", "6e10"} << 2;
        QTest::newRow("below -5e10") << QStringList{"-6e10", "1"} << 0;
        QTest::newRow("no numbers") << QStringList{"x"} << 1;
    }

    void titleOnly()
    {
        QFETCH(QStringList, values);
        QFETCH(int, graph);
        auto L = ObsColumn(values);
        tDescriptor &D = Recomputed(*L);
        QImage Img = Canvas(300, 300);
        QPainter P(&Img);
        Prepare(P);
        const int h = P.fontMetrics().height();
        const tChartLayout Lay =
            DrawFrequencyGraph(P, tDrawContext(300, 300), D, tGraphKind(graph), false);
        P.end();
        QVERIFY(!Lay.Ok);
        // Below the title's two rows everything stays white.
        for (int Y = 2 * h + 1; Y < Img.height(); Y += 3)
            for (int X = 0; X < Img.width(); X += 3)
                QCOMPARE(Img.pixel(X, Y), qRgb(255, 255, 255));
        if (D.N(0) > 0) {
            bool Ink = false;
            for (int Y = 0; Y < 2 * h && !Ink; ++Y)
                for (int X = 0; X < Img.width() && !Ink; ++X)
                    Ink = qGray(Img.pixel(X, Y)) < 128;
            QVERIFY(Ink);
        }
    }

    // A canvas too small for a plot draws nothing but the title.
    void tinyCanvas()
    {
        auto L = ObsColumn({"1", "2", "3"});
        tDescriptor &D = Recomputed(*L);
        QImage Img = Canvas(20, 20);
        QPainter P(&Img);
        Prepare(P);
        for (int G = 0; G < 3; ++G)
            for (bool Grouped : {false, true})
                QVERIFY(!DrawFrequencyGraph(P, tDrawContext(20, 20), D, tGraphKind(G), Grouped).Ok);
    }
};

QTEST_MAIN(tst_drawing_frame)
#include "tst_drawing_frame.moc"
