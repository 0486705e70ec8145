// The frequency table pane: the texts it writes, its row colours, its size,
// drawing only the rows in the clip, and a value column as wide as its
// widest value in whatever font and decimals it is drawn.
#include "Describe.h"
#include "support_drawing.h"

#include <QtTest>

using namespace testdraw;

class tst_drawing_table : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Title, headings, then value (or class and midpoint), h, H, f and F per
    // row, in black; a number too wide for its column shows as "#"
    // characters. The pane holds it all with a margin of one line below and
    // at most three lines to the right.
    void texts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("values"); // classes: lower, upper, h
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

    void texts()
    {
        QFETCH(int, type);
        QFETCH(QStringList, values);
        QFETCH(QStringList, freqs);
        QFETCH(QStringList, lines);
        auto L = type == dtObs   ? ObsColumn(values, 1)
                 : type == dtHyp ? HypColumn(values, freqs)
                                 : ClassColumn(values);
        const bool Grouped = type == dtGrup;
        tDescriptor &D = Recomputed(*L, TDataType(type));
        QSize Pane;
        const tTexts T = Written(900, 400, [&](QPainter &P) {
            Pane = FreqTablePaneSize(P, D, Grouped);
            P.setPen(Qt::red); // given back afterwards
            Grouped ? DrawGroupedFreqTable(P, tDrawContext(900, 400), D)
                    : DrawFreqTable(P, tDrawContext(900, 400), D);
            QCOMPARE(P.pen().color(), QColor(Qt::red));
        });
        QCOMPARE(Lines(T), lines);
        const QFontMetrics Fm(PaneFont());
        int Right = 0, Bottom = 0;
        for (const tTextItem &I : T) {
            QCOMPARE(I.Colour, QColor(Qt::black));
            Right = std::max(Right, I.Right);
            Bottom = std::max(Bottom, I.At.y() + Fm.descent());
        }
        QVERIFY2(Pane.width() >= Right && Pane.width() <= Right + 3 * Fm.height(),
                 qPrintable(QString::number(Pane.width())));
        QVERIFY(Pane.height() >= Bottom + Fm.height() && Pane.height() <= Bottom + 2 * Fm.height());
    }

    // Row backgrounds: white, cream, ..., yellow for the selected entry; the
    // line under the headings.
    void rows()
    {
        auto L = ObsColumn({"1", "2", "3", "4", "5"});
        tDescriptor &D = Recomputed(*L);
        D.SetPaneKind(2, bkTabel);
        D.SetPaneKind(3, bkHyppighedsgraf);
        D.SelectEntry(2);
        const int h = QFontMetrics(PaneFont()).height();
        const QImage Img =
            Drawn(400, 200, [&](QPainter &P) { DrawFreqTable(P, tDrawContext(400, 200), D); });
        const QColor Expected[5] = {Qt::white, RowCream, RowSelected, RowCream, Qt::white};
        for (int K = 0; K < 5; ++K)
            QCOMPARE(QColor(Img.pixel(h + 2, 5 * h + K * h + 1)), Expected[K]);
        QCOMPARE(Img.pixel(h - 1, 5 * h + 1), qRgb(255, 255, 255));
        QCOMPARE(Img.pixel(h + 5, 4 * h + h / 2), qRgb(0, 0, 0));
    }

    // Only rows meeting the clip are drawn; the rest stays untouched.
    void clip()
    {
        QStringList Values;
        for (int I = 0; I < 200; ++I)
            Values << QString::number(I);
        auto L = ObsColumn(Values);
        tDescriptor &D = Recomputed(*L);
        const QRect Clip(0, 1000, 300, 200);
        QImage Full, Part;
        for (QImage *I : {&Full, &Part})
            *I = Drawn(300, 3000, [&](QPainter &P) {
                if (I == &Part)
                    P.setClipRect(Clip);
                DrawFreqTable(P, tDrawContext(300, 3000), D);
            });
        QCOMPARE(Part.copy(Clip), Full.copy(Clip));
        QCOMPARE(Part.copy(0, 0, 300, 1000), Canvas(300, 1000));
    }

    // The value widths are remembered between repaints; after a table drawn
    // in the pane's font, the widest value of another font, decimals or list
    // still fills the value column exactly, starting at its left edge (one
    // line in), and is written whole.
    void valueColumnWidth_data()
    {
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("extra"); // a value added after the first drawing
        QTest::addColumn<QString>("widest");
        QTest::newRow("same") << 11 << 0 << ""
                              << "-2222222222222";
        QTest::newRow("larger font") << 22 << 0 << ""
                                     << "-2222222222222";
        QTest::newRow("more decimals") << 11 << 6 << ""
                                       << "-2222222222222,000000";
        QTest::newRow("wider value") << 11 << 0 << "-88888888888888"
                                     << "-88888888888888";
    }

    void valueColumnWidth()
    {
        QFETCH(int, pixelSize);
        QFETCH(int, decimals);
        QFETCH(QString, extra);
        QFETCH(QString, widest);
        QStringList Values{"1", "-2222222222222", "3,5", "4444"};
        auto First = ObsColumn(Values);
        Written(900, 400,
                [&](QPainter &P) { DrawFreqTable(P, tDrawContext(900, 400), Recomputed(*First)); });
        if (!extra.isEmpty())
            Values << extra;
        auto Second = ObsColumn(Values, decimals);
        tDescriptor &D = Recomputed(*Second);
        QFont F = PaneFont();
        F.setPixelSize(pixelSize);
        const tTexts T = Written(900, 400, [&](QPainter &P) {
            P.setFont(F);
            DrawFreqTable(P, tDrawContext(900, 400), D);
        });
        const tTextItem *W = Find(T, widest);
        QVERIFY(W);
        QCOMPARE(W->At.x(), QFontMetrics(F).height());
    }
};

QTEST_MAIN(tst_drawing_table)
#include "tst_drawing_table.moc"
