// The two-variable drawings: the scatter diagram's markers, axes and
// regression line, the data sticks, and the cross table on a page. Pixels
// are checked where the layout fixes them.
#include "support_twovar.h"

#include "TwoVar.h"

#include <QTest>
#include <cmath>

using namespace twovar;

namespace
{

const QRgb Red = qRgb(255, 0, 0);

// The pixel column (Sign 1) or row (Sign -1) of a value on the recorded
// scatter scale.
int PixelOf(const tAxisScale &S, Extended V, int Sign = 1)
{
    return S.Origin + Sign * int(std::lround(double((V - S.Offset) / S.PerPixel)));
}

// Horizontal runs of pure colour C at least 3 pixels long, one per bar:
// (top row, left, right) of each bar, found on the bar's middle row.
struct tBar {
    int Y, Left, Right;
};
QVector<tBar> Bars(const QImage &Img, QRgb C)
{
    QVector<tBar> Found;
    for (int Y = 1; Y + 1 < Img.height(); ++Y) {
        for (int X = 0; X < Img.width(); ++X) {
            if (Img.pixel(X, Y) != C)
                continue;
            int R = X;
            while (R + 1 < Img.width() && Img.pixel(R + 1, Y) == C)
                ++R;
            // A bar's middle row: coloured above and below too, over the run,
            // but no further than a bar's 9 pixels (unlike a legend square).
            if (R - X >= 2 && Img.pixel(X + 1, Y - 3) == C && Img.pixel(X + 1, Y + 3) == C &&
                Img.pixel(X + 1, Y - 5) != C && Img.pixel(X + 1, Y + 5) != C &&
                (Found.isEmpty() || Y - Found.last().Y > 8))
                Found.append({Y, X, R});
            X = R;
        }
    }
    return Found;
}

} // namespace

class TstTwoVarDrawing : public QObject
{
    Q_OBJECT

  private slots:
    // The scatter diagram: shifted axes start at the rounded minimum (an
    // axis holding 0 is not shifted, a constant column's is widened); every marker sits at its
    // values, red inside a black outline; lines on one pixel share one painted marker whose side
    // tells how many (1: 5, 2-5: 7, 6 and more: 9) and a click on it picks them all; the regression
    // line (Slope, Intercept; a vertical line at x = Intercept when Slope is 0) only when toggled
    // on.
    void scatter_data()
    {
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("B");
        QTest::addColumn<QPointF>("Offsets");
        QTest::addColumn<bool>("Toggle");
        QTest::addColumn<double>("Slope");
        QTest::addColumn<double>("Intercept");
        auto Row = [](const char *Name, const char *A, const char *B, QPointF Offsets,
                      bool Toggle = false, double Slope = 0, double Intercept = 0) {
            QTest::newRow(Name) << QString(A) << QString(B) << Offsets << Toggle << Slope
                                << Intercept;
        };
        Row("x across 0", "-3 5 1", "2 4 3", {0, 2});
        Row("all negative", "-30 -12 -21", "-3 -8 -5", {-12, -3});
        Row("two on one pixel", "1 9 4 4", "1 9 6 6", {1, 1});
        Row("five on one pixel", "1 9 4 4 4 4 4", "1 9 6 6 6 6 6", {1, 1});
        Row("six on one pixel", "1 9 4 4 4 4 4 4", "1 9 6 6 6 6 6 6", {1, 1});
        Row("regression line", "1 2 3 4", "3 5 7 9", {1, 3}, true, 2, 1);
        Row("constant x", "5 5 5", "1 2 3", {4, 1}, true, 0, 5);
        Row("toggle up", "1 2 3 4", "3 5 7 9", {1, 3}, false, 2, 1);
    }
    void scatter()
    {
        QFETCH(QString, A);
        QFETCH(QString, B);
        QFETCH(QPointF, Offsets);
        QFETCH(bool, Toggle);
        QFETCH(double, Slope);
        QFETCH(double, Intercept);
        auto L = Pair(A, B);
        tPointHitList Hits;
        tDescriptor &D = Recomputed(*L);
        const QImage Img = testdraw::Drawn(400, 400, [&](QPainter &P) {
            DrawScatter(P, tDrawContext(400, 400), *L, D, Toggle, &Hits, true);
        });
        QCOMPARE(QPointF(double(D.ScatterX.Offset), double(D.ScatterY.Offset)), Offsets);
        const QStringList X = A.split(' '), Y = B.split(' ');
        QCOMPARE(Hits.size(), X.size());
        for (const tPointHit &E : Hits) {
            const QPoint At(PixelOf(D.ScatterX, X[E.Line].toDouble()),
                            PixelOf(D.ScatterY, Y[E.Line].toDouble(), -1));
            QCOMPARE(QPoint(E.X, E.Y), At);
            QVERIFY(QRect(0, 0, 400, 400).contains(E.Rect));
            QVERIFY(std::fabs(double(ScatterXValueAt(D, E.X)) - X[E.Line].toDouble()) <=
                    double(D.ScatterX.PerPixel));
            QVector<int> Same;
            for (int I = 0; I < X.size(); ++I)
                if (X[I] == X[E.Line] && Y[I] == Y[E.Line])
                    Same << I;
            QCOMPARE(E.Count, Same.size());
            QCOMPARE(E.Rect.width(), Same.size() == 1 ? 5 : Same.size() <= 5 ? 7 : 9);
            QVector<int> Picked = PickedPointLines(Hits, E.Rect.bottomRight());
            std::sort(Picked.begin(), Picked.end());
            QCOMPARE(Picked, Same);
            int Drawn = 0;
            for (const tPointHit &O : Hits)
                Drawn += O.Drawn && O.Rect == E.Rect ? 1 : 0;
            QCOMPARE(Drawn, 1);
            QCOMPARE(Img.pixel(E.Rect.topLeft()), qRgb(0, 0, 0));
            QCOMPARE(Img.pixel(E.Rect.topLeft() + QPoint(1, 1)), Red);
        }
        // The axes are black lines through the origin pixels.
        const int x0 = D.ScatterX.Origin, y0 = D.ScatterY.Origin;
        QCOMPARE(Img.pixel(x0, y0 < 200 ? y0 + 30 : y0 - 30), qRgb(0, 0, 0));
        QCOMPARE(Img.pixel(x0 < 200 ? x0 + 30 : x0 - 30, y0), qRgb(0, 0, 0));
        if (Intercept == 0)
            return;
        // The line sampled half-way between two markers' heights.
        int RedFound = 0, Probes = 0;
        for (Extended V = D.Min(1) + 0.25; V < D.Max(1); V += 0.5, ++Probes) {
            const int Px = PixelOf(D.ScatterX, Slope == 0 ? Intercept : (V - Intercept) / Slope);
            bool Near = false;
            for (int Dx = -1; Dx <= 1; ++Dx)
                Near = Near || Img.pixel(Px + Dx, PixelOf(D.ScatterY, V, -1)) == Red;
            RedFound += Near ? 1 : 0;
        }
        QVERIFY(Probes >= 4);
        QCOMPARE(RedFound, Toggle ? Probes : 0);
    }

    // Data sticks: one bar per value from the zero axis, right for positive
    // and left for negative values, lengths in proportion; none for the
    // empty cell of line 3; the second series in green.
    void dataSticks()
    {
        auto L = Pair("3 -2 _ 5", "1 1 1 1");
        tDescriptor &D = Recomputed(*L);
        const QImage Img = testdraw::Drawn(
            500, 300, [&](QPainter &P) { DrawDataSticks(P, tDrawContext(500, 300), *L, D, 74); });
        const QVector<tBar> R = Bars(Img, Red);
        QCOMPARE(R.size(), 3);
        // Positive bars start and negative bars end on the zero axis; the
        // lengths are in proportion to the values (to a pixel or two).
        const double Values[] = {3, -2, 5}, Unit = (R[0].Right - R[0].Left + 2) / 3.0;
        for (int I = 0; I < R.size(); ++I) {
            QVERIFY(std::abs((Values[I] > 0 ? R[I].Left : R[I].Right + 2) - R[0].Left) <= 1);
            QVERIFY(std::fabs(R[I].Right - R[I].Left + 2 - Unit * std::fabs(Values[I])) <= 2);
        }
        QCOMPARE(Bars(Img, qRgb(0, 128, 0)).size(), 4);
    }

    // The legend's places of series that are not there: grey boxes in the
    // pane, left out on paper.
    void legendPlaces()
    {
        auto L = Pair("3 1 4", "1 5 9");
        tDescriptor &D = Recomputed(*L);
        for (const bool Paper : {false, true}) {
            const tDrawContext C = Paper ? tDrawContext::Printer(500, 400, 96, 96)
                                         : tDrawContext(500, 400);
            const QImage Img = testdraw::Drawn(
                500, 400, [&](QPainter &P) { DrawDataCurve(P, C, *L, D, 74); });
            // The legend's rows: from half a text height (and the margin on
            // paper) down by two rows of one and a half text heights.
            const int h = QFontMetrics(testdraw::PaneFont()).height(), hh = (h + 1) / 2;
            const int Top = hh + (Paper ? 48 : 0);
            const QRgb Face = C.ButtonFace.rgb();
            int Grey = 0;
            for (int Y = Top; Y < Top + 3 * h; ++Y)
                for (int X = 0; X < Img.width(); ++X)
                    Grey += Img.pixel(X, Y) == Face;
            QVERIFY2((Grey > 0) == !Paper, qPrintable(QString::number(Grey)));
        }
    }

    // Markers keep their size in millimetres on paper: at 300 and at 1200
    // dots per inch a point (and a point of two lines) is as wide as its 5
    // (7) screen pixels at 96 per inch, to a printer pixel.
    void markersOnPaper_data()
    {
        QTest::addColumn<int>("Ppi");
        QTest::newRow("300 dpi") << 300;
        QTest::newRow("1200 dpi") << 1200;
    }
    void markersOnPaper()
    {
        QFETCH(int, Ppi);
        auto L = Pair("1 2 2 4", "3 5 5 9");
        tDescriptor &D = Recomputed(*L);
        const int Side = Ppi * 8; // an 8-inch page
        tPointHitList Hits;
        QImage Probe(1, 1, QImage::Format_RGB32);
        QPainter P(&Probe);
        DrawScatter(P, tDrawContext::Printer(Side, Side, Ppi, 96), *L, D, false, &Hits);
        QCOMPARE(Hits.size(), 4);
        for (const tPointHit &H : Hits) {
            const double ScreenMm = (H.Count > 1 ? 7 : 5) * 25.4 / 96;
            QVERIFY2(std::fabs(H.Rect.width() * 25.4 / Ppi - ScreenMm) <= 25.4 / Ppi,
                     qPrintable(QString::number(H.Rect.width())));
            QCOMPARE(H.Rect.height(), H.Rect.width());
        }
    }

    // On a page the cross table stops at the page's edge and says where
    // the next page goes on; the pages together hold every cell once.
    void crossTablePaging()
    {
        QString A, B;
        for (int I = 0; I < 60; ++I) {
            A += QString::number(I % 30) + ' ';
            B += QString::number(I % 20) + ' ';
        }
        auto L = Pair(A, B);
        const tDescriptor &D = Recomputed(*L);
        const tDrawContext Page = tDrawContext::Printer(900, 700, 96, 96);
        int Columns = 0, Rows = 0, Pages = 0;
        tCrossTablePart From;
        for (;;) {
            tCrossTableRest Rest;
            const testdraw::tTexts Texts = testdraw::Written(
                900, 700, [&](QPainter &P) { Rest = DrawCrossTable(P, Page, *L, D, 74, From); });
            // Nothing written beyond the page.
            for (const testdraw::tTextItem &T : Texts)
                QVERIFY2(T.At.x() >= 0 && T.Right <= 900 && T.At.y() <= 700, qPrintable(T.Text));
            ++Pages;
            QVERIFY(Pages < 50);
            QCOMPARE(Rest.Columns, 31);
            QCOMPARE(Rest.Rows, 21);
            QVERIFY(Rest.NextColumn > From.FirstColumn && Rest.NextRow > From.FirstRow);
            if (From.FirstRow == 0)
                Columns += Rest.NextColumn - From.FirstColumn;
            if (From.FirstColumn == 0)
                Rows += Rest.NextRow - From.FirstRow;
            if (Rest.ColumnsLeft()) {
                From.FirstColumn = Rest.NextColumn;
            } else if (Rest.RowsLeft()) {
                From.FirstColumn = 0;
                From.FirstRow = Rest.NextRow;
            } else {
                break;
            }
        }
        QCOMPARE(Columns, 31);
        QCOMPARE(Rows, 21);
    }
};

QTEST_MAIN(TstTwoVarDrawing)
#include "tst_twovar_drawing.moc"
