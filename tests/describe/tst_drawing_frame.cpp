// Axis rounding and the chart frame: worked rounding examples, the broken
// axis, the x labels, the recorded scale, and ranges that cannot be drawn.
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
        QTest::newRow("zero") << 0.0 << false << true << 0.0 << 10 << 0;
        QTest::newRow("below smallest") << 4e-11 << true << true << 0.0 << 10 << 0;
        QTest::newRow("37 int up") << 37.0 << true << true << 40.0 << 4 << 0;
        QTest::newRow("37 real up: ticks every 5") << 37.0 << false << true << 40.0 << 8 << 0;
        QTest::newRow("-37 real down") << -37.0 << false << false << -40.0 << 8 << 0;
        QTest::newRow("-37 real up") << -37.0 << false << true << -30.0 << 8 << 0;
        QTest::newRow("37 int down") << 37.0 << true << false << 30.0 << 4 << 0;
        QTest::newRow("0,35 real up") << 0.35 << false << true << 0.4 << 8 << 2;
        QTest::newRow("3 int up") << 3.0 << true << true << 3.0 << 3 << 1;
        QTest::newRow("2 int up: ticks 1 and 2") << 2.0 << true << true << 2.0 << 2 << 1;
        QTest::newRow("12 int down") << 12.0 << true << false << 12.0 << 1 << 0;
        QTest::newRow("largest") << 5e10 << true << true << 5e10 << 5 << 0;
        QTest::newRow("1234 int up") << 1234.0 << true << true << 1300.0 << 13 << 0;
        QTest::newRow("0,0123 real down") << 0.0123 << false << false << 0.012 << 18 << 3;
        QTest::newRow("beyond 5e10") << 5.0000001e10 << false << true << Fails << 0 << 0;
        QTest::newRow("huge down") << 1e300 << true << false << Fails << 0 << 0;
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
        if (std::isnan(bound))
            return;
        QVERIFY2(std::fabs(double(B) - bound) <= 1e-9 * std::max(1.0, std::fabs(bound)),
                 qPrintable(QString::number(double(B), 'g', 17)));
        QCOMPARE(QString("%1 steps, %2 decimals").arg(S).arg(Dec),
                 QString("%1 steps, %2 decimals").arg(steps).arg(decimals));
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
        QTest::newRow("negative shifted")
            << QStringList{"-17", "-13", "-12"} << -12.0 << 3 << "-17 -16 -15 -14 -13 -12";
    }

    void axis()
    {
        QFETCH(QStringList, values);
        QFETCH(double, shift);
        QFETCH(int, breakAt);
        QFETCH(QString, labels);
        auto L = ObsColumn(values);
        tDescriptor &D = Recomputed(*L);
        tChartLayout Lay;
        const auto Draw = [&](QPainter &P) { Lay = DrawFreqGraph(P, tDrawContext(400, 400), D); };
        const QImage Img = Drawn(400, 400, Draw);
        const tTexts T = Written(400, 400, Draw);
        QVERIFY(Lay.Ok);
        QCOMPARE(double(Lay.Shift), shift);
        const int hh = Lay.hh;
        QCOMPARE(Lay.xa - Lay.x0, breakAt * hh);
        QCOMPARE(Lay.FrameL - Lay.OuterL, std::max(0, -breakAt) * hh);
        QCOMPARE(Lay.OuterR - Lay.FrameR, std::max(0, breakAt) * hh);
        QCOMPARE(Lay.FrameT, 2 * Lay.h);
        QMap<int, QString> Below; // by position
        for (const tTextItem &I : T)
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
        // The break: two short strokes q apart on the x axis, with a gap
        // between them; grid line for y = 1 half-way up in the button face.
        const QRgb Black = qRgb(0, 0, 0);
        const int Y = Lay.FrameB - 1, q = (hh + 1) / 2;
        for (int X : {Lay.xa + hh, Lay.xa + hh + q}) {
            QCOMPARE(Img.pixel(X, Y - hh + 1), Black);
            QCOMPARE(Img.pixel(X, Y + hh - 1), Black);
        }
        QVERIFY(Img.pixel(Lay.xa + hh, Y - hh) != Black);
        for (int X = Lay.xa + hh + 1; X < Lay.xa + hh + q; ++X)
            QVERIFY(Img.pixel(X, Y) != Black);
        QCOMPARE(Img.pixel(Lay.xa + hh - 1, Y), Black);
        QCOMPARE(Img.pixel(Lay.xa + 3 * hh + q - 1, Y), Black);
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
        QTest::newRow("all equal") << QStringList{"3", "3", "3"} << 1 << 300;
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
            bool Ok = true;
            const auto Draw = [&](QPainter &P) {
                Ok = DrawFrequencyGraph(P, tDrawContext(size, size), D, tGraphKind(graph), Grouped)
                         .Ok;
            };
            const QImage Img = Drawn(size, size, Draw);
            QVERIFY(!Ok);
            QCOMPARE(Lines(Written(size, size, Draw)), QStringList{"Alder"});
            const int h = QFontMetrics(PaneFont()).height();
            for (int Y = 2 * h + 1; Y < Img.height(); Y += 3)
                for (int X = 0; X < Img.width(); X += 3)
                    QCOMPARE(Img.pixel(X, Y), qRgb(255, 255, 255));
        }
    }
};

QTEST_MAIN(tst_drawing_frame)
#include "tst_drawing_frame.moc"
