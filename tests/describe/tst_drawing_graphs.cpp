// The frequency graphs, the pie chart, the table and the key figures drawn
// into pictures, checked at the positions and colours their layouts fix.
#include "Describe.h"
#include "support_drawing.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace testdraw;

namespace
{

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

// Height of the lime or fuchsia fill above the baseline in column X.
int FillHeight(const QImage &Img, int X, int Baseline, QRgb Fill)
{
    int Y = Baseline - 1;
    while (Y > 0 && Img.pixel(X, Y) == Fill)
        --Y;
    return Baseline - 1 - Y;
}

// Links a table pane and a graph pane so that a selection shows.
void Link(tDescriptor &D)
{
    D.SetPaneKind(2, bkTabel);
    D.SetPaneKind(3, bkHyppighedsgraf);
}

bool AnyPixel(const QImage &Img, const QRect &R, QRgb C)
{
    for (int Y = R.top(); Y <= R.bottom(); ++Y)
        for (int X = R.left(); X <= R.right(); ++X)
            if (Img.valid(X, Y) && Img.pixel(X, Y) == C)
                return true;
    return false;
}

// Whether a table picture of this size holds all the texts drawn, with a
// margin of one line below and at most three lines to the right.
bool HoldsSnugly(const QSize &Size, const tTexts &T)
{
    const QFontMetrics Fm(PaneFont());
    const int h = Fm.height();
    int Right = 0, Bottom = 0;
    for (const tTextItem &I : T) {
        Right = std::max(Right, I.Right);
        Bottom = std::max(Bottom, I.At.y() + Fm.descent());
    }
    return Size.width() >= Right && Size.width() <= Right + 3 * h && Size.height() >= Bottom + h &&
           Size.height() <= Bottom + 2 * h;
}

} // namespace

class tst_drawing_graphs : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Sticks of 12, 13, 13, 17: heights 1, 2, 1 on a y axis from 0 to 2; the
    // relative graph has the same shape in fuchsia.
    void sticks_data()
    {
        QTest::addColumn<int>("graph");
        QTest::addColumn<QRgb>("fill");
        QTest::newRow("frequency") << int(tGraphKind::Frequency) << StickLime.rgb();
        QTest::newRow("relative") << int(tGraphKind::Relative) << StickFuchsia.rgb();
    }

    void sticks()
    {
        QFETCH(int, graph);
        QFETCH(QRgb, fill);
        auto L = ObsColumn({"12", "13", "13", "17"});
        tDescriptor &D = Recomputed(*L);
        tChartLayout Lay;
        const QImage Img = Drawn(400, 400, [&](QPainter &P) {
            Lay = DrawFrequencyGraph(P, tDrawContext(400, 400), D, tGraphKind(graph), false);
        });
        QVERIFY(Lay.Ok);
        // The tallest stick reaches the frame top; its outline is black.
        const int X13 = Lay.PosX(13);
        QCOMPARE(Img.pixel(X13, Lay.FrameT), Black);
        QCOMPARE(Img.pixel(X13 - 1, Lay.FrameT + 5), Black);
        QCOMPARE(Img.pixel(X13 + 1, Lay.FrameT + 5), Black);
        QCOMPARE(Img.pixel(X13 + 2, Lay.FrameT + 5), White);
        const int Tall = FillHeight(Img, X13, Lay.Baseline, fill);
        QCOMPARE(Tall, Lay.Baseline - Lay.FrameT - 1);
        // Sticks at 12 and 17 are half as tall (rounded as the layout does).
        const int Half = Lay.Baseline - Lay.PosY(Lay.YTop / 2);
        QCOMPARE(Half, int(std::nearbyint(Lay.ph / 2.0)));
        for (Extended V : {12.0L, 17.0L}) {
            const int X = Lay.PosX(V);
            QCOMPARE(FillHeight(Img, X, Lay.Baseline, fill), Half - 1);
            QCOMPARE(Img.pixel(X, Lay.Baseline - Half), Black);
        }
        // Nothing stands at 14 to 16.
        for (Extended V : {14.0L, 15.0L, 16.0L})
            QCOMPARE(FillHeight(Img, Lay.PosX(V), Lay.Baseline, fill), 0);
    }

    // The cumulative curve of 1, 2, 2, 3 steps at 1 (0,25), 2 (0,75) and
    // 3 (1,0) and runs on at 1,0 to the frame's right edge.
    void cumulativeSteps()
    {
        auto L = ObsColumn({"1", "2", "2", "3"});
        tDescriptor &D = Recomputed(*L);
        tChartLayout Lay;
        const QImage Img = Drawn(
            400, 400, [&](QPainter &P) { Lay = DrawCumFreqGraph(P, tDrawContext(400, 400), D); });
        QVERIFY(Lay.Ok);
        const QRgb Blue = CurveBlue.rgb(), Fuchsia = StickFuchsia.rgb();
        const int X1 = Lay.PosX(1), X2 = Lay.PosX(2), X3 = Lay.PosX(3);
        // Horizontal runs between the steps at the levels reached.
        QCOMPARE(Img.pixel((X1 + X2) / 2, Lay.PosY(0.25L)), Blue);
        QCOMPARE(Img.pixel((X2 + X3) / 2, Lay.PosY(0.75L)), Blue);
        // 3 is the axis end here, so the run to the right edge is the
        // square's; the line from the square's right side continues it.
        QCOMPARE(X3, Lay.FrameR - 1);
        // Vertical rise at 2 from 0,25 to 0,75.
        QCOMPARE(Img.pixel(X2, (Lay.PosY(0.25L) + Lay.PosY(0.75L)) / 2), Blue);
        // Squares (fuchsia with a black border) at every point.
        for (auto [X, F] : {std::pair{X1, 0.25L}, std::pair{X2, 0.75L}, std::pair{X3, 1.0L}}) {
            const int Y = Lay.PosY(F);
            QCOMPARE(Img.pixel(X, Y), Fuchsia);
            QCOMPARE(Img.pixel(X - 2, Y - 2), Black);
            QCOMPARE(Img.pixel(X + 2, Y + 2), Black);
        }
        // The y labels run from 0,0 to 1,0 on both sides, each level with its
        // grid line.
        QStringList Left, Right;
        for (const tTextItem &I : Written(
                 400, 400, [&](QPainter &P) { DrawCumFreqGraph(P, tDrawContext(400, 400), D); })) {
            if (I.Right < Lay.xa)
                Left << I.Text;
            else if (I.At.x() > Lay.OuterR)
                Right << I.Text;
            if (I.Right < Lay.xa || I.At.x() > Lay.OuterR)
                QVERIFY(std::abs(I.At.y() -
                                 Lay.PosY(QString(I.Text).replace(',', '.').toDouble())) < Lay.h);
        }
        QCOMPARE(Right, Left);
        Left.sort();
        QCOMPARE(Left, (QStringList{"0,0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8",
                                    "0,9", "1,0"}));
    }

    // After the last value the curve runs on at 1,0 to the frame's right edge.
    void cumulativeRunsOn()
    {
        auto L = ObsColumn({"11", "23"});
        tDescriptor &D = Recomputed(*L);
        tChartLayout Lay;
        const QImage Img = Drawn(
            400, 400, [&](QPainter &P) { Lay = DrawCumFreqGraph(P, tDrawContext(400, 400), D); });
        QCOMPARE(double(Lay.XHi + Lay.Shift), 30.0);
        const int X = Lay.PosX(23);
        QVERIFY(X + 10 < Lay.FrameR);
        for (int Px = X + 4; Px < Lay.FrameR; Px += 3)
            QCOMPARE(Img.pixel(Px, Lay.PosY(1)), CurveBlue.rgb());
        QCOMPARE(Img.pixel(Lay.FrameR - 1, Lay.PosY(1)), CurveBlue.rgb());
    }

    // Grouped forms start at the first lower bound; a selected class is
    // marked at its upper bound.
    void groupedSelection_data()
    {
        QTest::addColumn<int>("graph");
        QTest::newRow("frequency") << int(tGraphKind::Frequency);
        QTest::newRow("relative") << int(tGraphKind::Relative);
        QTest::newRow("cumulative") << int(tGraphKind::Cumulative);
    }

    void groupedSelection()
    {
        QFETCH(int, graph);
        auto L = ObsColumn({"3", "12", "15", "18", "25", "27"});
        L->SetGroupKind(0, gkAuto);
        L->SetFirstLower(0, 0);
        L->SetFirstUpper(0, 10);
        L->SetGap(0, 0);
        L->SetGroupCount(0, 3);
        tDescriptor &D = Recomputed(*L);
        QVERIFY(D.IsGrouped());
        QCOMPARE(D.ListCount(0), 3);
        Link(D);
        D.SelectEntry(1);
        QVERIFY(D.SelectionShown());
        tChartLayout Lay;
        const QImage Img = Drawn(400, 400, [&](QPainter &P) {
            Lay = DrawFrequencyGraph(P, tDrawContext(400, 400), D, tGraphKind(graph), true);
        });
        QVERIFY(Lay.Ok);
        QCOMPARE(Lay.x0, Lay.FrameL);
        QCOMPARE(Lay.b, 0);
        QCOMPARE(double(Lay.Shift), 0.0);
        const int Mx = Lay.PosX(20);
        const Extended Y = graph == 0 ? 3 : graph == 1 ? 0.5L : 4.0L / 6;
        const int My = Lay.PosY(Y);
        const QRgb Red = MarkerRed.rgb();
        QVERIFY(AnyPixel(Img, QRect(Mx, My + 2, 1, (Lay.Baseline - My) - 4), Red));
        QVERIFY(AnyPixel(Img, QRect(Lay.xa + 2, My, Mx - Lay.xa - 4, 1), Red));
        // No marker at the class's midpoint.
        QVERIFY(!AnyPixel(Img, QRect(Lay.PosX(15) + 3, My + 2, 1, (Lay.Baseline - My) - 4), Red));
    }

    // Class bounds get a tick and a label each; a bound shared by two
    // classes is written once, centred on its tick below the frame.
    void classBoundLabels()
    {
        auto L = HypColumn({}, {});
        const double Lo[] = {0, 10, 25}, Hi[] = {10, 20, 40};
        for (int I = 0; I < 3; ++I) {
            L->SetGrupLowText(I, 0, QString::number(Lo[I]));
            L->SetGrupHighText(I, 0, QString::number(Hi[I]));
            L->SetGrupFreqText(I, 0, QStringLiteral("2"));
        }
        L->ToggleGrupColSelected(0);
        tDescriptor &D = Recomputed(*L, dtGrup);
        QCOMPARE(D.ListCount(0), 3);
        tChartLayout Lay;
        const QImage Img = Drawn(400, 400, [&](QPainter &P) {
            Lay = DrawGroupedFreqGraph(P, tDrawContext(400, 400), D);
        });
        QVERIFY(Lay.Ok);
        const tTexts T = Written(
            400, 400, [&](QPainter &P) { DrawGroupedFreqGraph(P, tDrawContext(400, 400), D); });
        QStringList Below;
        for (const tTextItem &I : T)
            if (I.At.y() > Lay.FrameB + Lay.hh) { // the x axis labels
                Below << I.Text;
                const int Px = Lay.PosX(I.Text.toInt());
                QVERIFY2(std::abs(I.At.x() + I.Right - 2 * Px) <= 1, qPrintable(I.Text));
                QCOMPARE(Img.pixel(Px, Lay.Baseline + Lay.hh - 1), Black); // its tick
            }
        QCOMPARE(Below, (QStringList{"0", "10", "20", "25", "40"}));
    }

    // A reading read from x points down at the x axis; one read from y points
    // left at the y axis.
    void readings()
    {
        auto L = ObsColumn({"1", "2", "2", "3", "4"});
        tDescriptor &D = Recomputed(*L);
        D.AddReading(2.5L, 0.5L, 0);
        D.AddReading(3.5L, 0.8L, 1);
        tChartLayout Lay;
        const QImage Img = Drawn(
            400, 400, [&](QPainter &P) { Lay = DrawCumFreqGraph(P, tDrawContext(400, 400), D); });
        const QRgb Red = MarkerRed.rgb();
        const int Px = Lay.PosX(2.5L);
        // Back edge of the down arrow, 4 pixels above the baseline.
        QCOMPARE(Img.pixel(Px - 3, Lay.Baseline - 4), Red);
        QCOMPARE(Img.pixel(Px + 3, Lay.Baseline - 4), Red);
        const int Py = Lay.PosY(0.8L);
        QCOMPARE(Img.pixel(Lay.xa + 4, Py - 3), Red);
        QCOMPARE(Img.pixel(Lay.xa + 4, Py + 3), Red);
    }

    // Slice colours at known angles, counterclockwise from 3 o'clock.
    void pie_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("freqs");
        QTest::addColumn<QVector<int>>("angles");
        QTest::addColumn<QVector<int>>("entries"); // -1: no slice there
        QTest::newRow("one value") << QStringList{"5"} << QStringList{"4"}
                                   << QVector<int>{10, 100, 200, 300} << QVector<int>{0, 0, 0, 0};
        QTest::newRow("quarter and three quarters")
            << QStringList{"1", "2"} << QStringList{"1", "3"} << QVector<int>{10, 80, 100, 200, 350}
            << QVector<int>{0, 0, 1, 1, 1};
        QTest::newRow("first frequency 0")
            << QStringList{"1", "2", "3"} << QStringList{"0", "1", "1"}
            << QVector<int>{5, 170, 190, 355} << QVector<int>{1, 1, 2, 2};
        QStringList Many, Ones;
        for (int I = 1; I <= 16; ++I) {
            Many << QString::number(I);
            Ones << QStringLiteral("1");
        }
        // Sixteen equal slices of 22,5 degrees: the middle of each.
        QVector<int> Mid, Entry;
        for (int K = 0; K < 16; ++K) {
            Mid << int(K * 22.5 + 11);
            Entry << K;
        }
        QTest::newRow("sixteen") << Many << Ones << Mid << Entry;
    }

    void pie()
    {
        QFETCH(QStringList, values);
        QFETCH(QStringList, freqs);
        QFETCH(QVector<int>, angles);
        QFETCH(QVector<int>, entries);
        auto L = HypColumn(values, freqs);
        tDescriptor &D = Recomputed(*L, dtHyp);
        QCOMPARE(D.ListCount(0), values.size());
        QImage Img = Canvas(500, 400);
        QPainter P(&Img);
        Prepare(P);
        DrawPieChart(P, tDrawContext(500, 400), D);
        const QRect Sq = PieSquare(P);
        const QRect Row2 = PieLegendBox(P, values.size());
        const QRect Row1 = PieLegendBox(P, 0);
        P.end();
        const double Cx = (Sq.left() + Sq.left() + Sq.width()) / 2,
                     Cy = (Sq.top() + Sq.top() + Sq.height()) / 2;
        const double R = Sq.width() * 0.35;
        for (int I = 0; I < angles.size(); ++I) {
            const double A = angles[I] * M_PI / 180;
            const int X = int(std::lround(Cx + R * std::cos(A))),
                      Y = int(std::lround(Cy - R * std::sin(A)));
            QCOMPARE(QColor(Img.pixel(X, Y)), PieColour(entries[I]));
        }
        // Legend: row 1 in the first colour beside its text box in the
        // button-face colour; the row after the list empty.
        QCOMPARE(QColor(Img.pixel(Row1.center())), PieColour(0));
        for (int X : {Row1.right() + 2, Row1.right() + 96 - 2})
            for (int Y : {Row1.top() + 1, Row1.bottom() - 1})
                QCOMPARE(QColor(Img.pixel(X, Y)), tDrawContext().ButtonFace);
        if (values.size() < 16) {
            QCOMPARE(Img.pixel(Row2.center()), White);
            QCOMPARE(QColor(Img.pixel(Row2.left() + 1, Row2.top() + 1)), tDrawContext().ButtonFace);
        }
    }

    // The sixteen slice colours, in order.
    void pieColours()
    {
        const QList<QColor> Expected{
            QColor(0xFF, 0, 0),       QColor(0, 0x80, 0),    QColor(0, 0, 0xFF),
            QColor(0xFF, 0xFF, 0),    QColor(0, 0xFF, 0xFF), QColor(0xFF, 0, 0xFF),
            QColor(0x80, 0x80, 0x80), QColor(0, 0xFF, 0),    QColor(0x80, 0, 0),
            QColor(0, 0, 0x80),       QColor(0x80, 0x80, 0), QColor(0x80, 0, 0x80),
            QColor(0xC0, 0xC0, 0xC0), QColor(0, 0x80, 0x80), QColor(0xFF, 0xFF, 0xFF),
            QColor(0, 0, 0)};
        for (int K = 0; K < 16; ++K)
            QCOMPARE(PieColour(K), Expected[K]);
        QCOMPARE(PieColour(16), Expected[0]);
    }

    // The legend writes each value (or class) beside its colour, "#"
    // characters when the text is too wide for the box.
    void pieLegend()
    {
        auto L = ObsColumn({"123456789012345", "2,5", "2,5"}, 1);
        L->SetColName(0, QString());
        tDescriptor &D = Recomputed(*L);
        const tTexts T = Written(500, 400, [&](QPainter &P) {
            P.setPen(Qt::red); // given back afterwards
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

    // A stick standing on the y axis stays visible over it.
    void stickOnAxis()
    {
        auto L = HypColumn({"0", "1", "2"}, {"4", "9", "14"});
        tDescriptor &D = Recomputed(*L, dtHyp);
        tChartLayout Lay;
        const QImage Img = Drawn(
            400, 400, [&](QPainter &P) { Lay = DrawFreqGraph(P, tDrawContext(400, 400), D); });
        QCOMPARE(Lay.xa, Lay.PosX(0));
        QCOMPARE(Img.pixel(Lay.xa, Lay.Baseline - 5), StickLime.rgb());
    }

    // Row backgrounds: white, cream, ..., yellow for the selected entry.
    void tableRows()
    {
        auto L = ObsColumn({"1", "2", "3", "4", "5"});
        tDescriptor &D = Recomputed(*L);
        Link(D);
        D.SelectEntry(2);
        QImage Img = Canvas(400, 200);
        QPainter P(&Img);
        Prepare(P);
        const int h = P.fontMetrics().height();
        DrawFreqTable(P, tDrawContext(400, 200), D);
        P.end();
        const QRgb Expected[5] = {White, RowCream.rgb(), RowSelected.rgb(), RowCream.rgb(), White};
        for (int K = 0; K < 5; ++K)
            QCOMPARE(Img.pixel(h + 2, 5 * h + K * h + 1), Expected[K]);
        QCOMPARE(Img.pixel(h - 1, 5 * h + 1), White);
        // The line under the headings.
        QCOMPARE(Img.pixel(h + 5, 4 * h + h / 2), Black);
    }

    // What the table writes: title, headings, then value (or class and
    // midpoint), h, H, f and F per row; a number too wide for its column shows
    // as "#" characters. The pane's size holds all of it with a margin of
    // one line below and at most three lines to the right.
    void tableTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("values"); // grouped: lower, upper, h
        QTest::addColumn<QStringList>("freqs");
        QTest::addColumn<QStringList>("lines");
        const QString Hashes(47, QLatin1Char('#'));
        QTest::newRow("observations")
            << int(dtObs) << QStringList{"2", "1", "2,5", "2"} << QStringList{}
            << QStringList{"Alder", "Observation|h|H|f|F", "1,0|1|1|0,250|0,250",
                           "2,0|2|3|0,500|0,750", "2,5|1|4|0,250|1,000"};
        QTest::newRow("frequencies too wide")
            << int(dtHyp) << QStringList{"1", "2"} << QStringList{"1234567890", "1"}
            << QStringList{"Antal", "Observation|h|H|f|F",
                           "1|" + Hashes + "|" + Hashes + "|1,000|1,000",
                           "2|1|" + Hashes + "|0,000|1,000"};
        QTest::newRow("classes") << int(dtGrup) << QStringList{"0", "10", "3", "10", "25", "1"}
                                 << QStringList{}
                                 << QStringList{"Søjle A", "Interval|Midtpunkt|h|H|f|F",
                                                "0 - 10|5,0|3|3|0,750|0,750",
                                                "10 - 25|17,5|1|4|0,250|1,000"};
    }

    void tableTexts()
    {
        QFETCH(int, type);
        QFETCH(QStringList, values);
        QFETCH(QStringList, freqs);
        QFETCH(QStringList, lines);
        std::unique_ptr<tLumen> L;
        if (type == dtObs) {
            L = ObsColumn(values, 1);
        } else if (type == dtHyp) {
            L = HypColumn(values, freqs);
        } else {
            L = std::make_unique<tLumen>();
            for (int I = 0; I + 2 < values.size(); I += 3) {
                L->SetGrupLowText(I / 3, 0, values[I]);
                L->SetGrupHighText(I / 3, 0, values[I + 1]);
                L->SetGrupFreqText(I / 3, 0, values[I + 2]);
            }
            L->ToggleGrupColSelected(0);
        }
        const bool Grouped = type == dtGrup;
        tDescriptor &D = Recomputed(*L, TDataType(type));
        QSize Pane;
        const tTexts T = Written(900, 400, [&](QPainter &P) {
            Pane = FreqTablePaneSize(P, D, Grouped);
            P.setPen(Qt::red); // the table writes in black, and gives the pen back
            if (Grouped)
                DrawGroupedFreqTable(P, tDrawContext(900, 400), D);
            else
                DrawFreqTable(P, tDrawContext(900, 400), D);
            QCOMPARE(P.pen().color(), QColor(Qt::red));
        });
        QCOMPARE(Lines(T), lines);
        for (const tTextItem &I : T)
            QCOMPARE(I.Colour, QColor(Qt::black));
        QVERIFY2(HoldsSnugly(Pane, T),
                 qPrintable(QStringLiteral("%1 x %2").arg(Pane.width()).arg(Pane.height())));
    }

    // Only rows meeting the clip are drawn; the rest stays untouched.
    void tableClip()
    {
        QStringList Values;
        for (int I = 0; I < 200; ++I)
            Values << QString::number(I);
        auto L = ObsColumn(Values);
        tDescriptor &D = Recomputed(*L);
        QImage Full = Canvas(300, 3000), Part = Canvas(300, 3000);
        const QRect Clip(0, 1000, 300, 200);
        for (QImage *I : {&Full, &Part}) {
            QPainter P(I);
            Prepare(P);
            if (I == &Part)
                P.setClipRect(Clip);
            DrawFreqTable(P, tDrawContext(300, 3000), D);
        }
        QCOMPARE(Part.copy(Clip), Full.copy(Clip));
        QCOMPARE(Part.copy(0, 0, 300, 1000), Canvas(300, 1000));
    }

    // Degenerate data never hangs or crashes any drawing, nor writes a
    // number that is none.
    void degenerate_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("freqs");
        QTest::newRow("all zero frequencies") << QStringList{"1", "2"} << QStringList{"0", "0"};
        QTest::newRow("single value") << QStringList{"4"} << QStringList{"3"};
        QTest::newRow("huge values") << QStringList{"1e40", "-1e40"} << QStringList{"1", "1"};
        QTest::newRow("tiny spread") << QStringList{"1", "1,0000000001"} << QStringList{"1", "1"};
        QTest::newRow("empty") << QStringList{} << QStringList{};
    }

    void degenerate()
    {
        QFETCH(QStringList, values);
        QFETCH(QStringList, freqs);
        auto L = HypColumn(values, freqs);
        tDescriptor &D = Recomputed(*L, dtHyp);
        const tDrawContext C(400, 400);
        const tTexts T = Written(400, 400, [&](QPainter &P) {
            for (int G = 0; G < 3; ++G)
                for (bool Grouped : {false, true})
                    DrawFrequencyGraph(P, C, D, tGraphKind(G), Grouped);
            DrawPieChart(P, C, D);
            DrawGroupedPieChart(P, C, D);
            DrawFreqTable(P, C, D);
            DrawGroupedFreqTable(P, C, D);
            DrawKeyFigures(P, C, D);
            DrawGroupedKeyFigures(P, C, D);
        });
        // Every number written is a number.
        for (const tTextItem &I : T)
            QVERIFY2(!I.Text.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                         !I.Text.contains(QLatin1String("inf"), Qt::CaseInsensitive),
                     qPrintable(I.Text));
    }

    // Printer pages get wider sticks: 3 + 2p pixels.
    void printerSticks()
    {
        auto L = ObsColumn({"1", "2", "2"});
        tDescriptor &D = Recomputed(*L);
        QImage Img = Canvas(1200, 1200);
        QPainter P(&Img);
        Prepare(P);
        const tDrawContext C = tDrawContext::Printer(1200, 1200, 300, 96);
        QCOMPARE(C.Extra(), 3);
        const tChartLayout Lay = DrawFreqGraph(P, C, D);
        P.end();
        const int X = Lay.PosX(2), Y = (Lay.FrameT + Lay.Baseline) / 2;
        QCOMPARE(Img.pixel(X - 1 - 3, Y), Black);
        QCOMPARE(Img.pixel(X + 1 + 3, Y), Black);
        QCOMPARE(Img.pixel(X + 2 + 3, Y), White);
        QCOMPARE(Img.pixel(X + 3, Y), StickLime.rgb());
    }

    // The CLI draws a picture of the asked size, or the pane's size.
    void cliRender_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("rc");
        QTest::newRow("graph default") << "hyppighedsgraf" << QString() << 0;
        QTest::newRow("table") << "tabel" << QString() << 0;
        QTest::newRow("unknown kind") << "stolpediagram" << QString() << 2;
        QTest::newRow("bad size") << "frekvensgraf"
                                  << "0x10" << 2;
    }

    void cliRender()
    {
        QFETCH(QString, kind);
        QFETCH(QString, size);
        QFETCH(int, rc);
        QTemporaryDir Dir;
        const QString File = Dir.filePath(QStringLiteral("d.lmt"));
        const QString Png = Dir.filePath(QStringLiteral("d.png"));
        auto L = ObsColumn({"1", "2", "2", "3", "7"});
        L->SaveToFile(File);
        QVERIFY(!L->WriteFailed());
        QStringList Args{
            QStringLiteral("render"), File, QStringLiteral("--col"), QStringLiteral("A"),
            QStringLiteral("--kind"), kind, QStringLiteral("-o"),    Png};
        if (!size.isEmpty())
            Args << QStringLiteral("--size") << size;
        QProcess Proc;
        Proc.start(QStringLiteral(LUMEN_CLI), Args);
        QVERIFY(Proc.waitForFinished(60000));
        QCOMPARE(Proc.exitCode(), rc);
        if (rc != 0) {
            QVERIFY(!QFile::exists(Png));
            return;
        }
        QImage Img(Png);
        QVERIFY(!Img.isNull());
        if (!size.isEmpty()) {
            QCOMPARE(Img.size(), QSize(300, 200));
        } else if (kind.endsWith(QLatin1String("graf"))) {
            QCOMPARE(Img.size(), QSize(400, 400));
        } else {
            tDescriptor &D = Recomputed(*L);
            QVERIFY(HoldsSnugly(Img.size(), Written(900, 900, [&](QPainter &P) {
                                    DrawFreqTable(P, tDrawContext(900, 900), D);
                                })));
        }
        QCOMPARE(Img.pixel(0, Img.height() - 1), White);
    }
};

QTEST_MAIN(tst_drawing_graphs)
#include "tst_drawing_graphs.moc"
