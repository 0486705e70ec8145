// The normal probability plot: which points it plots (ungrouped, weighted
// by frequencies, grouped), how far its probability axis reaches, the
// thinning to one point per pixel against a point-by-point walk, what the
// drawing shows, and a reference picture of its layout.
#include "support_drawing.h"
#include "support_pictures.h"

#include "Distributions.h"
#include "NormalPlot.h"
#include "NormalPlotDraw.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

using namespace testdraw;

namespace
{

// The standard normal distribution function without Boost.
long double Phi(long double Z)
{
    return std::erfc(-Z / std::sqrt(2.0L)) / 2;
}

QStringList Words(const char *S)
{
    return QString::fromLatin1(S).split(' ', Qt::SkipEmptyParts);
}

int CountColour(const QImage &Img, QRgb C)
{
    int N = 0;
    for (int Y = 0; Y < Img.height(); ++Y)
        for (int X = 0; X < Img.width(); ++X)
            N += Img.pixel(X, Y) == C ? 1 : 0;
    return N;
}

} // namespace

class TstNormalPlot : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // The points (x, p) of each form; z is the quantile of p.
    void points_data()
    {
        QTest::addColumn<int>("Form"); // 0 observations, 1 frequencies, 2 classes
        QTest::addColumn<QStringList>("Data");
        QTest::addColumn<QStringList>("Freqs");
        QTest::addColumn<QStringList>("X");
        QTest::addColumn<QStringList>("P");
        QTest::newRow("observations 1 2 3 4")
            << 0 << Words("3 1 4 2") << QStringList() << Words("1 2 3 4")
            << Words("0.125 0.375 0.625 0.875");
        QTest::newRow("frequencies weight the values")
            << 1 << Words("5 2 7") << Words("1 3 0") << Words("2 2 2 5")
            << Words("0.125 0.375 0.625 0.875");
        QTest::newRow("classes at their upper bounds, F = 1 left out")
            << 2 << Words("0 10 1 10 20 2 20 30 1") << QStringList() << Words("10 20")
            << Words("0.25 0.75");
    }
    void points()
    {
        QFETCH(int, Form);
        QFETCH(QStringList, Data);
        QFETCH(QStringList, Freqs);
        QFETCH(QStringList, X);
        QFETCH(QStringList, P);
        std::unique_ptr<tLumen> L = Form == 0   ? ObsColumn(Data)
                                    : Form == 1 ? HypColumn(Data, Freqs)
                                                : ClassColumn(Data);
        const tDescriptor &D = Recomputed(*L, Form == 0 ? dtObs : Form == 1 ? dtHyp : dtGrup);
        const QVector<tNormalPoint> Points = NormalPoints(D.GetSeries(0), 1000);
        QCOMPARE(Points.size(), X.size());
        for (int I = 0; I < Points.size(); ++I) {
            QCOMPARE(double(Points[I].x), X[I].toDouble());
            QCOMPARE(double(Points[I].p), P[I].toDouble());
            QVERIFY(std::fabs(Phi(Points[I].z) - Points[I].p) < 1e-15L);
        }
        const tNormalPlot T = NormalPlotOf(D);
        QCOMPARE(T.Points, int64_t(X.size()));
        QCOMPARE(double(T.Mean), double(D.Mean(0)));
        QCOMPARE(double(T.StdDev), double(D.StdDev()));
    }

    // The axis reaches 1 % and 99 % at least, 0,1 % and 99,9 % when points
    // lie beyond 1 % or 99 %, and further only when they do.
    void axisReach_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("ZTop");
        QTest::newRow("4 values") << 4 << 2.3263478740408411;
        QTest::newRow("50 values: 1 % is the last point") << 50 << 2.3263478740408411;
        QTest::newRow("100 values") << 100 << 3.0902323061678135;
        QTest::newRow("10000 values") << 10000 << -double(NormalQuantile(0.5L / 10000));
    }
    void axisReach()
    {
        QFETCH(int, n);
        QFETCH(double, ZTop);
        QStringList Values;
        for (int I = 0; I < n; ++I)
            Values << QString::number(I);
        auto L = ObsColumn(Values);
        const tNormalPlot T = NormalPlotOf(Recomputed(*L));
        QVERIFY(std::fabs(double(T.ZTop) - ZTop) < 1e-12);
        QVERIFY(std::fabs(double(T.ZMin + T.ZMax)) < 1e-15);
    }

    // The rows found from probabilities agree with the rows of the
    // quantiles; the thinned points are exactly those of a walk over every
    // point, one per run of points on the same pixel.
    void thinning_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("Distinct");
        QTest::addColumn<int>("Height");
        QTest::newRow("few") << 7 << 5 << 120;
        QTest::newRow("ties") << 3000 << 40 << 300;
        QTest::newRow("many distinct") << 20000 << 20000 << 300;
        QTest::newRow("tall axis") << 5000 << 900 << 3000;
    }
    void thinning()
    {
        QFETCH(int, n);
        QFETCH(int, Distinct);
        QFETCH(int, Height);
        QRandomGenerator Rng(uint32_t(n * 31 + Distinct));
        auto L = std::make_unique<tLumen>();
        for (int I = 0; I < n; ++I)
            L->SetCellText(I, 0, QString::number(Rng.bounded(Distinct) * 0.5 + 100));
        L->ToggleColSelected(0);
        const tDescriptor &D = Recomputed(*L);
        const tNormalPlot T = NormalPlotOf(D);
        const tProbabilityRows Rows(20, 20 + Height, -T.ZTop, T.ZTop);
        for (long double P : {1e-6L, 0.001L, 0.2L, 0.5L, 0.8L, 0.999L})
            QVERIFY(std::abs(Rows.RowOfP(P) - Rows.RowOfZ(NormalQuantile(P))) <= 1);
        const Extended Lo = D.Min(0), Hi = D.Max(0) + 1;
        auto Column = [&](Extended X) { return 30 + int(std::llrint((X - Lo) * 350 / (Hi - Lo))); };
        std::vector<QPoint> Walk;
        ForEachNormalPoint(D.GetSeries(0), [&](Extended X, Extended P) {
            const QPoint Pt(Column(X), Rows.RowOfP(P));
            if (Walk.empty() || Walk.back() != Pt)
                Walk.push_back(Pt);
        });
        const std::vector<QPoint> Thinned = ThinnedNormalPoints(D.GetSeries(0), Column, Rows);
        QCOMPARE(Thinned.size(), Walk.size());
        QVERIFY(Thinned == Walk);
        QVERIFY(int(Thinned.size()) <= 351 + Height + 1);
    }

    // The drawing: the percent labels that fit (1 % to 99 % for four
    // values), the line's legend with mean and standard deviation, red
    // markers and the blue line; a constant column has no line.
    void drawing()
    {
        auto L = ObsColumn(Words("1 2 3 4"), 0, QStringLiteral("Mål"));
        tDescriptor &D = Recomputed(*L);
        const tTexts Texts = Written(400, 400, [&](QPainter &P) {
            DrawNormalPlot(P, tDrawContext(400, 400), D);
        });
        for (const char *S : {"1 %", "5 %", "50 %", "95 %", "99 %"})
            QVERIFY2(Find(Texts, QString::fromUtf8(S)), S);
        QVERIFY(!Find(Texts, QStringLiteral("99,9 %")));
        // The Greek letters may come from another font, in text items of
        // their own.
        QVERIFY(Lines(Texts).join('|').remove('|').contains(
            QStringLiteral("Normalfordeling: μ = 2,50, σ = 1,12")));
        QVERIFY(Find(Texts, QStringLiteral("Mål")));
        const QImage Img = Drawn(400, 400, [&](QPainter &P) {
            DrawNormalPlot(P, tDrawContext(400, 400), D);
        });
        // Four markers of 5 x 5 with a black outline: 3 x 3 red inside each.
        QCOMPARE(CountColour(Img, qRgb(255, 0, 0)), 4 * 9);
        QVERIFY(CountColour(Img, qRgb(0, 0, 255)) > 100);

        auto Same = ObsColumn(Words("7 7 7"));
        tDescriptor &S = Recomputed(*Same);
        const QImage Flat = Drawn(400, 400, [&](QPainter &P) {
            DrawNormalPlot(P, tDrawContext(400, 400), S);
        });
        QVERIFY(CountColour(Flat, qRgb(255, 0, 0)) > 0);
        QCOMPARE(CountColour(Flat, qRgb(0, 0, 255)), 0);
    }

    // The layout against a reference picture: the title above the frame,
    // the percent labels left of it, the x labels and the legend below, on
    // the screen and on a printer page at twice its resolution.
    void picture()
    {
        auto L = ObsColumn(Words("152 158 149 163 155 160 157 151 171 166 158 164"), 0,
                           QStringLiteral("Højde"));
        tDescriptor &D = Recomputed(*L);
        QImage Sheet(800, 400, QImage::Format_RGB32);
        Sheet.fill(Qt::gray);
        QPainter Out(&Sheet);
        for (bool Printer : {false, true}) {
            const tDrawContext C =
                Printer ? tDrawContext::Printer(400, 400, 192, 96) : tDrawContext(400, 400);
            Out.drawImage(Printer ? 400 : 0, 0, Drawn(400, 400, [&](QPainter &P) {
                              if (Printer)
                                  P.setPen(QPen(Qt::black, 2));
                              DrawNormalPlot(P, C, D);
                          }).copy(0, 0, 399, 399));
        }
        Out.end();
        CompareWithReference(Sheet, QStringLiteral(LUMEN_SOURCE_DIR "/tests/describe/"),
                             QStringLiteral("normalplot_heights.png"));
    }
};

QTEST_MAIN(TstNormalPlot)
#include "tst_normalplot.moc"
