// Key figures of distinct values and of classes, worked out by hand and read
// back from what the key figures pane writes and from their copied text: quartiles by the "first F
// at or above the level" rule, the interpolated quartiles of classes, the mode and its uniqueness,
// population variance, and the decimals of each line.
#include "Describe.h"
#include "TextTransfer.h"
#include "support_drawing.h"

#include <QtTest>

using namespace testdraw;

namespace
{

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
        QTest::addColumn<QString>("Figures");
        // Even n: the median is the lower of the two middle values.
        QTest::newRow("1 2 3 4") << QStringList{"4", "2", "1", "3"} << 0
                                 << "4|10|1|4|3||1,00|2,00|3,00|2,50|1,25|1,12";
        // F = 0,75 exactly makes 2 the upper quartile (at least, not above).
        QTest::newRow("1 2 2 3") << QStringList{"1", "2", "2", "3"} << 0
                                 << "4|8|1|3|2|2|1,00|2,00|2,00|2,00|0,50|0,71";
        // Two values share the largest h.
        QTest::newRow("5 5 7 7 9") << QStringList{"5", "5", "7", "7", "9"} << 0
                                   << "5|33|5|9|4||5,00|7,00|7,00|6,60|2,24|1,50";
        // A later, larger h makes the mode unique again; 15/7, 34/49.
        QTest::newRow("tie then larger")
            << QStringList{"1", "1", "2", "2", "3", "3", "3"} << 2
            << "7|15,00|1,00|3,00|2,00|3,00|1,0000|2,0000|3,0000|2,1429|0,6939|0,8330";
        QTest::newRow("one value")
            << QStringList{"-2,5"} << 1
            << "1|-2,5|-2,5|-2,5|0,0|-2,5|-2,500|-2,500|-2,500|-2,500|0,000|0,000";
        // 0,1 has no exact binary form, so n·mean² and Σx² disagree in the
        // last bits: the variance must not turn negative, nor the deviation
        // fail.
        QTest::newRow("seven times 0,1")
            << QStringList(7, "0,1") << 1
            << "7|0,7|0,1|0,1|0,0|0,1|0,100|0,100|0,100|0,100|0,000|0,000";
    }

    void ungrouped()
    {
        QFETCH(QStringList, Values);
        QFETCH(int, Decimals);
        QFETCH(QString, Figures);
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
        QStringList Expected = QStringList{"Alder"} + Labelled(Labels, Figures.split('|'));
        QCOMPARE(Drawn(D, false), Expected);
        // The copied text has the same lines but the sum.
        Expected.removeAt(2);
        QCOMPARE(Copied(D), Expected);
    }

    // Classes as lower, upper, h; or observations 5 25 25 0 in automatic
    // classes (0, 10] and (10, 20]: 25 and 0 lie outside, the median and
    // upper quartile are never reached and keep the first midpoint.
    void grouped_data()
    {
        QTest::addColumn<QStringList>("Rows");
        QTest::addColumn<QString>("Figures");
        // Median = 0 + 10 · (0,5 - 0) / 0,5 = 10.
        QTest::newRow("two equal classes") << QStringList{"0", "10", "2", "10", "20", "2"}
                                           << "4|20||5,00|10,00|15,00|10,00|25,00|5,00";
        // Quartiles 10 + 10 · (level - 0,25) / 0,75; mean (5 + 45) / 4 = 12,5;
        // variance (25 + 675) / 4 - 156,25 = 18,75.
        QTest::newRow("modal class unique") << QStringList{"0", "10", "1", "10", "20", "3"}
                                            << "4|20|10 - 20|10,00|13,33|16,67|12,50|18,75|4,33";
        // An empty class first: F stays 0 there, the level is passed later.
        QTest::newRow("empty first class") << QStringList{"0", "10", "0", "10", "20", "4"}
                                           << "4|20|10 - 20|12,50|15,00|17,50|15,00|0,00|0,00";
        // Classes with a gap between them: range spans the gap.
        QTest::newRow("gap") << QStringList{"0", "4", "1", "6", "10", "1"}
                             << "2|10||2,00|4,00|8,00|5,00|9,00|3,00";
        // No frequency at all: nothing divides by zero.
        QTest::newRow("no frequency") << QStringList{"0", "10", "0", "10", "20", "0"}
                                      << "0|20||5,00|5,00|5,00|0,00|0,00|0,00";
        QTest::newRow("values outside")
            << QStringList{"5", "25", "25", "0"} << "4|20|0 - 10|10,00|5,00|5,00|1,25|4,69|2,17";
    }

    void grouped()
    {
        QFETCH(QStringList, Rows);
        QFETCH(QString, Figures);
        const bool Obs = Rows.size() == 4;
        auto L = Obs ? ObsColumn(Rows, 0, QString()) : ClassColumn(Rows);
        if (Obs)
            AutoClasses(*L, 0, 10, 2);
        const tDescriptor &D = Recomputed(*L, Obs ? dtObs : dtGrup);
        QVERIFY(!D.HasClassFault());
        const QStringList Labels{"Antal observationer", "Variationsbredde", "Typeinterval",
                                 "Nedre kvartil",       "Median",           "Øvre kvartil",
                                 "Middeltal",           "Varians",          "Standardafvigelse"};
        const QStringList Expected = QStringList{"Søjle A"} + Labelled(Labels, Figures.split('|'));
        QCOMPARE(Drawn(D, true), Expected);
        QCOMPARE(Copied(D), Expected);
    }

    // Separator lines above and below the groups of figures, and the value
    // column's right edge at twice the widest label plus three lines.
    void layout_data()
    {
        QTest::addColumn<bool>("Grouped");
        QTest::addColumn<QVector<int>>("Separators"); // in lines
        QTest::addColumn<QString>("Widest");
        QTest::addColumn<QString>("Value"); // the second line's value
        QTest::newRow("values") << false << QVector<int>{3, 7, 13, 18, 23} << "Sum af observationer"
                                << "8";
        QTest::newRow("classes") << true << QVector<int>{3, 6, 10, 15, 20} << "Antal observationer"
                                 << "4";
    }

    void layout()
    {
        QFETCH(bool, Grouped);
        QFETCH(QVector<int>, Separators);
        QFETCH(QString, Widest);
        QFETCH(QString, Value);
        auto L = Grouped ? ClassColumn({"0", "10", "2", "10", "20", "2"})
                         : ObsColumn({"1", "2", "2", "3"});
        const tDescriptor &D = Recomputed(*L, Grouped ? dtGrup : dtObs);
        const auto Draw = [&](QPainter &P) {
            Grouped ? DrawGroupedKeyFigures(P, tDrawContext(400, 600), D)
                    : DrawKeyFigures(P, tDrawContext(400, 600), D);
        };
        const QImage Img = testdraw::Drawn(400, 600, Draw);
        const QFontMetrics Fm(PaneFont());
        const int h = Fm.height();
        for (int Row = 2; Row < 25; ++Row)
            QCOMPARE(Img.pixel(h + 3, Row * h) == qRgb(0, 0, 0), Separators.contains(Row));
        const tTexts T = Written(400, 600, Draw);
        const tTextItem *Count = Find(T, QStringLiteral("Antal observationer"));
        const tTextItem *V = Find(T, Value);
        QVERIFY(Count && V);
        QCOMPARE(Count->At.x(), h);
        QVERIFY(Count->At.y() > 4 * h && Count->At.y() <= 5 * h);
        QCOMPARE(V->Right, 2 * Fm.horizontalAdvance(Widest) + 3 * h);
    }
};

QTEST_MAIN(tst_keyfigures)
#include "tst_keyfigures.moc"
