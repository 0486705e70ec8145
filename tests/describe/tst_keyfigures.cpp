// Key figures of distinct values and of classes, worked out by hand and read
// back from what the key figures pane writes and from their copied text: quartiles by the "first F
// at or above the level" rule, the interpolated quartiles of classes, the mode and its uniqueness,
// population variance, and the decimals of each line.
#include "Describe.h"
#include "TextTransfer.h"
#include "support_drawing.h"

#include <QtTest>
#include <cmath>

using namespace testdraw;

namespace
{

// Classes as (lower, upper, h) into grouped column 1.
tDescriptor &DescribeClasses(tLumen &L, const QVector<double> &Rows)
{
    for (int I = 0; I + 2 < Rows.size(); I += 3) {
        L.SetGrupLowText(I / 3, 0, QString::number(Rows[I]));
        L.SetGrupHighText(I / 3, 0, QString::number(Rows[I + 1]));
        L.SetGrupFreqText(I / 3, 0, QString::number(Rows[I + 2]));
    }
    L.ToggleGrupColSelected(0);
    return Recomputed(L, dtGrup);
}

// The lines the pane writes, after checking that the title (first line) is
// drawn in doubled letters and every other text in the pane's font.
QStringList Drawn(const tDescriptor &D, bool Grouped)
{
    const tTexts T = Written(400, 600, [&](QPainter &P) {
        P.setPen(Qt::red); // the figures are written in black, and the pen given back
        if (Grouped)
            DrawGroupedKeyFigures(P, tDrawContext(400, 600), D);
        else
            DrawKeyFigures(P, tDrawContext(400, 600), D);
        if (P.pen().color() != Qt::red)
            P.drawText(0, 0, QStringLiteral("pen not given back"));
    });
    for (const tTextItem &I : T)
        if (I.PixelSize != (I.Text == D.GetTitle() ? 22 : 11) || I.Colour != Qt::black)
            return {QStringLiteral("wrong size or colour: ") + I.Text};
    return Lines(T);
}

// The copied text of the key figures as lines like the drawn ones.
QStringList Copied(const tDescriptor &D)
{
    QStringList Out = KeyFiguresText(D).split(QStringLiteral("\r\n"));
    if (Out.last().isEmpty())
        Out.removeLast();
    for (QString &Line : Out)
        Line = Line.endsWith(QLatin1Char('\t')) ? Line.chopped(1) : Line.replace('\t', '|');
    return Out;
}

QStringList Labelled(const QStringList &Labels, const QStringList &Values)
{
    QStringList Out;
    for (int I = 0; I < Labels.size(); ++I)
        Out << (Values[I].isEmpty() ? Labels[I] : Labels[I] + QLatin1Char('|') + Values[I]);
    return Out;
}

} // namespace

class tst_keyfigures : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // n, sum, min, max and range in the column's decimals, the mode too (left
    // blank when not unique); quartiles, mean, variance and deviation with two
    // decimals more.
    void ungrouped_data()
    {
        QTest::addColumn<QStringList>("Values");
        QTest::addColumn<int>("Decimals");
        QTest::addColumn<QStringList>("Figures");
        // Even n: the median is the lower of the two middle values.
        QTest::newRow("1 2 3 4") << QStringList{"4", "2", "1", "3"} << 0
                                 << QStringList{"4",    "10",   "1",    "4",    "3",    "",
                                                "1,00", "2,00", "3,00", "2,50", "1,25", "1,12"};
        // F = 0,75 exactly makes 2 the upper quartile (at least, not above).
        QTest::newRow("1 2 2 3") << QStringList{"1", "2", "2", "3"} << 0
                                 << QStringList{"4",    "8",    "1",    "3",    "2",    "2",
                                                "1,00", "2,00", "2,00", "2,00", "0,50", "0,71"};
        // Two values share the largest h.
        QTest::newRow("5 5 7 7 9") << QStringList{"5", "5", "7", "7", "9"} << 0
                                   << QStringList{"5",    "33",   "5",    "9",    "4",    "",
                                                  "5,00", "7,00", "7,00", "6,60", "2,24", "1,50"};
        // A later, larger h makes the mode unique again; 15/7, 34/49.
        QTest::newRow("tie then larger")
            << QStringList{"1", "1", "2", "2", "3", "3", "3"} << 2
            << QStringList{"7",      "15,00",  "1,00",   "3,00",   "2,00",   "3,00",
                           "1,0000", "2,0000", "3,0000", "2,1429", "0,6939", "0,8330"};
        QTest::newRow("one value")
            << QStringList{"-2,5"} << 1
            << QStringList{"1",      "-2,5",   "-2,5",   "-2,5",   "0,0",   "-2,5",
                           "-2,500", "-2,500", "-2,500", "-2,500", "0,000", "0,000"};
    }

    void ungrouped()
    {
        QFETCH(QStringList, Values);
        QFETCH(int, Decimals);
        QFETCH(QStringList, Figures);
        auto L = ObsColumn(Values, Decimals);
        const tDescriptor &D = Recomputed(*L);
        const QStringList Labels{"Antal observationer",
                                 "Sum af observationer",
                                 "Mindsteværdi",
                                 "Størsteværdi",
                                 "Variationsbredde",
                                 "Typetal",
                                 "Nedre kvartil",
                                 "Median",
                                 "Øvre kvartil",
                                 "Middeltal",
                                 "Varians",
                                 "Standardafvigelse"};
        QStringList Expected = QStringList{"Alder"} + Labelled(Labels, Figures);
        QCOMPARE(Drawn(D, false), Expected);
        // The copied text has the same lines but the sum.
        Expected.removeAt(2);
        QCOMPARE(Copied(D), Expected);
    }

    void grouped_data()
    {
        QTest::addColumn<QVector<double>>("Rows");
        QTest::addColumn<QStringList>("Figures");
        // Median = 0 + 10 · (0,5 - 0) / 0,5 = 10.
        QTest::newRow("two equal classes")
            << QVector<double>{0, 10, 2, 10, 20, 2}
            << QStringList{"4", "20", "", "5,00", "10,00", "15,00", "10,00", "25,00", "5,00"};
        // Quartiles 10 + 10 · (level - 0,25) / 0,75; mean (5 + 45) / 4 = 12,5;
        // variance (25 + 675) / 4 - 156,25 = 18,75.
        QTest::newRow("modal class unique")
            << QVector<double>{0, 10, 1, 10, 20, 3}
            << QStringList{"4",     "20",    "10 - 20", "10,00", "13,33",
                           "16,67", "12,50", "18,75",   "4,33"};
        // An empty class first: F stays 0 there, the level is passed later.
        QTest::newRow("empty first class")
            << QVector<double>{0, 10, 0, 10, 20, 4}
            << QStringList{"4",     "20",    "10 - 20", "12,50", "15,00",
                           "17,50", "15,00", "0,00",    "0,00"};
        // Classes with a gap between them: range spans the gap.
        QTest::newRow("gap") << QVector<double>{0, 4, 1, 6, 10, 1}
                             << QStringList{"2",    "10",   "",     "2,00", "4,00",
                                            "8,00", "5,00", "9,00", "3,00"};
        // No frequency at all: nothing divides by zero, the median keeps the
        // first midpoint.
        QTest::newRow("no frequency")
            << QVector<double>{0, 10, 0, 10, 20, 0}
            << QStringList{"0", "20", "", "5,00", "5,00", "5,00", "0,00", "0,00", "0,00"};
    }

    void grouped()
    {
        QFETCH(QVector<double>, Rows);
        QFETCH(QStringList, Figures);
        tLumen L;
        const tDescriptor &D = DescribeClasses(L, Rows);
        QVERIFY(!D.HasClassFault());
        const QStringList Labels{"Antal observationer", "Variationsbredde", "Typeinterval",
                                 "Nedre kvartil",       "Median",           "Øvre kvartil",
                                 "Middeltal",           "Varians",          "Standardafvigelse"};
        const QStringList Expected = QStringList{"Søjle A"} + Labelled(Labels, Figures);
        QCOMPARE(Drawn(D, true), Expected);
        QCOMPARE(Copied(D), Expected);
    }

    void constantDataHasZeroDeviation()
    {
        // 0,1 has no exact binary form, so n·mean² and Σx² disagree in the
        // last bits; the deviation must still be a number, 0 for a negative
        // variance.
        auto L = ObsColumn(QStringList(7, QStringLiteral("0,1")));
        const tDescriptor &D = Recomputed(*L);
        QVERIFY(std::fabs(double(D.Variance())) < 1e-15);
        QVERIFY(D.StdDev() >= 0);
        if (D.Variance() <= 0)
            QCOMPARE(double(D.StdDev()), 0.0);
    }

    void valuesOutsideAllClasses()
    {
        // Automatic classes (0, 10] and (10, 20]: 25 lies outside, 0 too.
        auto L = ObsColumn({"5", "25", "25", "0"});
        L->SetGroupKind(0, gkAuto);
        L->SetFirstLower(0, 0);
        L->SetFirstUpper(0, 10);
        L->SetGap(0, 0);
        L->SetGroupCount(0, 2);
        const tDescriptor &D = Recomputed(*L);
        QCOMPARE(D.N(), 4);
        // F of the classes: 0,25 and 0,25; the lower quartile is reached in
        // the first class, the median and upper quartile never: they keep the
        // first midpoint.
        QCOMPARE(double(D.LowerQuartile()), 10.0);
        QCOMPARE(double(D.Median()), 5.0);
        QCOMPARE(double(D.UpperQuartile()), 5.0);
        QCOMPARE(double(D.Mean()), 5.0 / 4);
        QCOMPARE(double(D.Range()), 20.0);
    }

    // Separator lines above and below the groups of figures, and the value
    // column's right edge at twice the widest label plus three lines.
    void layout()
    {
        auto L = ObsColumn({"1", "2", "2", "3"});
        const tDescriptor &D = Recomputed(*L);
        int h = 0, Lw = 0;
        const QImage Img = Drawn(400, 600, [&](QPainter &P) {
            h = P.fontMetrics().height();
            Lw = P.fontMetrics().horizontalAdvance(QStringLiteral("Sum af observationer"));
            DrawKeyFigures(P, tDrawContext(400, 600), D);
        });
        for (int Row : {3, 7, 13, 18, 23})
            QCOMPARE(Img.pixel(h + 3, Row * h), qRgb(0, 0, 0));
        QCOMPARE(Img.pixel(h + 3, 6 * h), qRgb(255, 255, 255));
        const tTexts T =
            Written(400, 600, [&](QPainter &P) { DrawKeyFigures(P, tDrawContext(400, 600), D); });
        const tTextItem *Count = Find(T, QStringLiteral("Antal observationer"));
        const tTextItem *Sum = Find(T, QStringLiteral("8"));
        QVERIFY(Count && Sum);
        QCOMPARE(Count->At.x(), h);
        QVERIFY(Count->At.y() > 4 * h && Count->At.y() <= 5 * h);
        QCOMPARE(Sum->At.x() + QFontMetrics(PaneFont()).horizontalAdvance("8"), 2 * Lw + 3 * h);
    }
};

QTEST_MAIN(tst_keyfigures)
#include "tst_keyfigures.moc"
