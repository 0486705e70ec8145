// Every one-variable drawing (table, key figures, the three graphs, the pie)
// of values, of classes, of a frequency and of a grouped table, on the screen
// and on a printer page, and a printed data set page, against reference
// pictures kept beside this test. Each screen drawing is also drawn again
// strip by strip under a clip, as a pane repaints an uncovered strip: the
// strips put together must give the same picture.
#include "DataSetPrint.h"
#include "DrawKind.h"
#include "Printing.h"
#include "support_drawing.h"
#include "support_pictures.h"

#include <QtTest>

#include <algorithm>

using namespace testdraw;

namespace
{
void Check(const QImage &Picture, const QString &Name)
{
    CompareWithReference(Picture, QStringLiteral(LUMEN_SOURCE_DIR "/tests/describe/"), Name);
}
constexpr int TileW = 470, TileH = 320;

// Draw drawn whole, and again in strips of Step pixels (across when Across),
// each on a white canvas of its own under a clip of the strip.
template <class tFn> QImage InStrips(int W, int H, bool Across, int Step, tFn &&Draw)
{
    QImage Whole(W, H, QImage::Format_RGB32);
    QPainter Out(&Whole);
    for (int At = 0; At < (Across ? W : H); At += Step) {
        const QRect Strip = Across ? QRect(At, 0, Step, H) : QRect(0, At, W, Step);
        const QImage Part = Drawn(W, H, [&](QPainter &P) {
            P.setClipRect(Strip);
            Draw(P);
        });
        Out.drawImage(Strip.topLeft(), Part.copy(Strip));
    }
    return Whole;
}

// A small chart: a frame, a bar, a dotted guide line and a label, drawn
// anti-aliased. Variant spoils one thing.
enum tVariant { vSame, vBlended, vLineMoved, vNoLabel, vOtherColour };
QImage Chart(tVariant Variant)
{
    QImage Img = Drawn(220, 160, [&](QPainter &P) {
        P.setRenderHint(QPainter::Antialiasing);
        P.drawRect(QRectF(20.5, 10.5, 180, 120));
        P.fillRect(QRectF(60, Variant == vLineMoved ? 51 : 50, 30, 80),
                   Variant == vOtherColour ? QColor(0, 160, 0) : QColor(Qt::green));
        P.setPen(QPen(Qt::black, 1, Qt::DotLine));
        P.drawLine(QPointF(20, 40), QPointF(200, 40));
        P.setPen(Qt::blue);
        P.drawLine(QPointF(30, 120), QPointF(190, 20));
        if (Variant != vNoLabel)
            P.drawText(QPointF(110, 150), QStringLiteral("Hyppighed 12"));
    });
    if (Variant == vBlended) {
        // Another CPU's blend routines: every edge pixel a little off, and a
        // few stray pixels far off.
        const QImage Was = Img.copy();
        for (int Y = 0; Y + 1 < Img.height(); ++Y)
            for (int X = 0; X + 1 < Img.width(); ++X) {
                const QRgb C = Was.pixel(X, Y);
                if (C == Was.pixel(X + 1, Y) && C == Was.pixel(X, Y + 1))
                    continue;
                const int Off = (X * 7 + Y * 13) % 61 - 30;
                const auto Nudge = [Off](int V) { return std::clamp(V + Off, 0, 255); };
                Img.setPixel(X, Y, qRgb(Nudge(qRed(C)), Nudge(qGreen(C)), Nudge(qBlue(C))));
            }
        for (int I = 0; I < 6; ++I)
            Img.setPixel(15 + 30 * I, 5 + I, qRgb(255, 0, 0));
    }
    return Img;
}

} // namespace

class tst_drawing_pictures : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // The comparison forgives a slightly different rasterisation but not a
    // moved edge, a missing label or another colour.
    void comparison_data()
    {
        QTest::addColumn<int>("Variant");
        QTest::addColumn<bool>("Alike");
        QTest::newRow("same") << int(vSame) << true;
        QTest::newRow("edges blended otherwise") << int(vBlended) << true;
        QTest::newRow("bar one pixel lower") << int(vLineMoved) << false;
        QTest::newRow("label missing") << int(vNoLabel) << false;
        QTest::newRow("darker bar") << int(vOtherColour) << false;
    }
    void comparison()
    {
        QFETCH(int, Variant);
        QFETCH(bool, Alike);
        const pictures::tDifference D = pictures::Compare(Chart(tVariant(Variant)), Chart(vSame));
        QCOMPARE(D.Alike(), Alike);
        if (Variant == vBlended)
            QVERIFY(D.Worst >= 30); // the blending really changed the picture
    }

    // Two rows of tiles per data set: the six kinds on the screen, then on a
    // printer page at twice the screen's resolution.
    void kinds_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("Classes"); // automatic classes of width 4 from 0
        QTest::addColumn<QString>("Picture");
        QTest::newRow("values") << int(dtObs) << 0 << "kinds_values.png";
        QTest::newRow("classes") << int(dtObs) << 4 << "kinds_classes.png";
        QTest::newRow("frequencies") << int(dtHyp) << 0 << "kinds_frequencies.png";
        QTest::newRow("grouped table") << int(dtGrup) << 0 << "kinds_grouped.png";
    }
    void kinds()
    {
        QFETCH(int, Type);
        QFETCH(int, Classes);
        QFETCH(QString, Picture);
        // Uneven classes of a grouped table share their bounds but one.
        auto L = Type == dtGrup ? ClassColumn({"0", "10", "2", "10", "20", "2", "25", "40", "2"})
                 : Type == dtHyp
                     ? HypColumn({"-2", "1", "3", "4", "8"}, {"3", "0", "7", "1", "2"})
                     : ObsColumn({"1", "2,5", "2,5", "4", "7", "7", "7", "9,5", "12", "ikke målt",
                                  "0,5"},
                                 1);
        if (Classes > 0)
            AutoClasses(*L, 0, Classes, 4);
        tDescriptor &D = Recomputed(*L, TDataType(Type));
        // Readings from x and from y; the second entry selected in linked panes.
        D.AddReading(5, 0.9L, 0);
        D.AddReading(8, 0.35L, 1);
        D.SetPaneKind(2, bkTabel);
        D.SetPaneKind(3, bkHyppighedsgraf);
        D.SelectEntry(1);
        QImage Sheet(6 * TileW, 2 * TileH, QImage::Format_RGB32);
        Sheet.fill(Qt::gray);
        QPainter Out(&Sheet);
        for (int Row = 0; Row < 2; ++Row) {
            const tDrawContext C =
                Row == 0 ? tDrawContext(TileW, TileH) : tDrawContext::Printer(TileW, TileH, 192, 96);
            for (int K = bkTabel; K <= bkCirkeldiagram; ++K) {
                const auto Draw = [&](QPainter &P) {
                    if (C.ForPrinter) // as a printed page sets it
                        P.setPen(QPen(Qt::black, PrinterPenWidth(C.PrinterPpi, C.ScreenPpi)));
                    QVERIFY(DrawOneVariableKind(P, C, D, K, Classes > 0 || Type == dtGrup));
                };
                const QImage Tile = Drawn(TileW, TileH, Draw);
                if (!C.ForPrinter) { // panes repaint strips, pages are drawn whole
                    QCOMPARE(InStrips(TileW, TileH, false, 7, Draw), Tile);
                    QCOMPARE(InStrips(TileW, TileH, true, 9, Draw), Tile);
                }
                Out.drawImage((K - bkTabel) * TileW, Row * TileH, Tile.copy(0, 0, TileW - 1, TileH - 1));
            }
        }
        Out.end();
        Check(Sheet, Picture);
    }

    // A printed data set page of each data type, drawn as the printer sees
    // it: a fresh painter with the grid font.
    void dataSetPage()
    {
        tLumen L;
        L.SetLineName(1, QStringLiteral("Bo"));
        for (int Line = 0; Line < 4; ++Line) {
            const QString S = Line == 2 ? QStringLiteral("ikke målt") : QString::number(Line * 3);
            L.SetCellText(Line, 1, S);
            L.SetHypObsText(Line, 0, S);
            L.SetHypFreqText(Line + 1, 0, S);
            L.SetGrupLowText(Line, 0, S);
            L.SetGrupHighText(Line, 0, QString::number(Line * 3 + 3));
            L.SetGrupFreqText(Line, 0, S);
        }
        L.SetColName(1, QStringLiteral("Højde"));
        L.SetHypName(0, QStringLiteral("Antal"));
        L.SetHypFreqText(0, 1, QStringLiteral("1")); // a column without a name
        L.SetGrupName(0, QStringLiteral("Løn"));
        const tPrintPage Page{560, 300, 100};
        QImage Sheet(Page.Width, 3 * Page.Height, QImage::Format_RGB32);
        Sheet.fill(Qt::white);
        QPainter Out(&Sheet);
        for (TDataType Type : {dtObs, dtHyp, dtGrup}) {
            QImage Img(Page.Width, Page.Height, QImage::Format_RGB32);
            Img.fill(Qt::white);
            QPainter P(&Img);
            P.setFont(PaneFont());
            P.setPen(Qt::red);
            const tSheetLayout S = SheetLayoutOf(L, Type, Page, 18);
            DrawSheetPage(P, L, Type, S, SheetPages(S).first(), Page,
                          DataSetTitle(Type == dtHyp ? "" : "7b"));
            QCOMPARE(P.pen(), QPen(Qt::red)); // given back
            P.end();
            Out.drawImage(0, (Type - dtObs) * Page.Height, Img);
        }
        Out.end();
        Check(Sheet, QStringLiteral("dataset_page.png"));
    }
};

QTEST_MAIN(tst_drawing_pictures)
#include "tst_drawing_pictures.moc"
