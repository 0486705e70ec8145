// The table and key figure panes and their cells. The table: the texts it
// writes, its row colours, its size, and a value column as wide as its
// widest value in whatever font and decimals it is drawn. Key figures of
// values and of classes worked out by hand and read back from what the pane
// writes and from their copied text. Cell text with "#" overflow, the error
// notice and the hint box of an empty pane. Printed pages: the frequency
// table running over pages and the data set cut into page blocks.
#include "CellText.h"
#include "DataSetPrint.h"
#include "Describe.h"
#include "FreqTableDraw.h"
#include "Printing.h"
#include "TextTransfer.h"
#include "support_drawing.h"
#include "support_pages.h"

#include <QtTest>

using namespace testdraw;

namespace
{

// The lines the key figures pane writes, after checking that the title is
// drawn in doubled letters and every other text in the pane's font, all in
// black, the labels one line in and the values ending at twice the widest
// label plus three lines; the pen is given back.
QStringList KeyLines(const tDescriptor &D, bool Grouped, const QStringList &Labels)
{
    const tTexts T = Written(400, 600, [&](QPainter &P) {
        P.setPen(Qt::red);
        Grouped ? DrawGroupedKeyFigures(P, tDrawContext(400, 600), D)
                : DrawKeyFigures(P, tDrawContext(400, 600), D);
        if (P.pen().color() != Qt::red)
            P.drawText(0, 0, QStringLiteral("pen not given back"));
    });
    const QFontMetrics Fm(PaneFont());
    // The widest label: the sum's, for classes the count's.
    const int h = Fm.height(), Right = 3 * h + 2 * Fm.horizontalAdvance(Labels[!Grouped]);
    for (const tTextItem &I : T)
        if (I.PixelSize != (I.Text == D.GetTitle() ? 22 : 11) || I.Colour != Qt::black ||
            (Labels.contains(I.Text) ? I.At.x() != h : I.Text != D.GetTitle() && I.Right != Right))
            return {QStringLiteral("wrong size, colour or place: ") + I.Text};
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

} // namespace

class tst_drawing_panes : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Title, headings, then value (or class and midpoint), h, H, f and F per
    // row, in black; a number too wide for its column shows as "#"
    // characters. The pane holds it all with a margin of one line below and
    // three lines (classes: one) to the right.
    void tableTexts_data()
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

    void tableTexts()
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
        D.SetPaneKind(2, bkTabel);
        D.SetPaneKind(3, bkHyppighedsgraf);
        D.SelectEntry(2);
        QSize Pane;
        const auto Draw = [&](QPainter &P) {
            Pane = FreqTablePaneSize(P, D, Grouped);
            P.setPen(Qt::red); // given back afterwards
            Grouped ? DrawGroupedFreqTable(P, tDrawContext(900, 400), D)
                    : DrawFreqTable(P, tDrawContext(900, 400), D);
            QCOMPARE(P.pen().color(), QColor(Qt::red));
        };
        const tTexts T = Written(900, 400, Draw);
        QCOMPARE(Lines(T), lines);
        // Row backgrounds white, cream, ..., yellow for the selected entry;
        // the line under the headings.
        const QImage Img = Drawn(900, 400, Draw);
        const QFontMetrics Fm(PaneFont());
        const int h = Fm.height();
        for (int K = 0; K + 2 < lines.size(); ++K)
            QCOMPARE(QColor(Img.pixel(h + 2, 5 * h + K * h + 1)), K == 2  ? RowSelected
                                                                  : K % 2 ? RowCream
                                                                          : QColor(Qt::white));
        QCOMPARE(Img.pixel(h - 1, 5 * h + 1), qRgb(255, 255, 255));
        QCOMPARE(Img.pixel(h + 5, 4 * h + h / 2), qRgb(0, 0, 0));
        int Right = 0, Bottom = 0;
        for (const tTextItem &I : T) {
            QCOMPARE(I.Colour, QColor(Qt::black));
            Right = std::max(Right, I.Right);
            Bottom = std::max(Bottom, I.At.y() + Fm.descent());
        }
        QCOMPARE(Pane.width() - Right, (Grouped ? 1 : 3) * h);
        QVERIFY2(std::abs(Pane.height() - Bottom - h) <= 1, qPrintable(QString::number(Bottom)));
    }

    // The value widths are remembered between repaints; after a table drawn
    // in the pane's font, the widest value of another font, decimals or list
    // still fills the value column exactly, starting at its left edge (one
    // line in), and is written whole.
    void valueColumnWidth()
    {
        // Pixel size, decimals and a value added after the first drawing;
        // the widest value text.
        const struct {
            int PixelSize, Decimals;
            QString Extra, Widest;
        } Cases[] = {{11, 0, "", "-2222222222222"},
                     {22, 0, "", "-2222222222222"},
                     {11, 6, "", "-2222222222222,000000"},
                     {11, 0, "-88888888888888", "-88888888888888"}};
        for (const auto &C : Cases) {
            QStringList Values{"1", "-2222222222222", "3,5", "4444"};
            // First drawn without signs: a width kept for 2 must not serve -2.
            auto First = ObsColumn(QStringList(Values).replaceInStrings("-", ""));
            Written(900, 400, [&](QPainter &P) {
                DrawFreqTable(P, tDrawContext(900, 400), Recomputed(*First));
            });
            auto Second = ObsColumn(Values << C.Extra, C.Decimals);
            tDescriptor &D = Recomputed(*Second);
            QFont F = PaneFont();
            F.setPixelSize(C.PixelSize);
            const tTexts T = Written(900, 400, [&](QPainter &P) {
                P.setFont(F);
                DrawFreqTable(P, tDrawContext(900, 400), D);
            });
            const tTextItem *W = Find(T, C.Widest);
            QVERIFY2(W && W->At.x() == QFontMetrics(F).height(), qPrintable(C.Widest));
            // Its f and F (equal) stand one "Observation" wide apart, right of the others.
            QVector<int> Row;
            for (const tTextItem &I : T)
                if (I.At.y() == W->At.y())
                    Row << I.Right;
            std::sort(Row.begin(), Row.end());
            const int cw = QFontMetrics(F).horizontalAdvance(QStringLiteral("Observation"));
            QCOMPARE(Row.size(), 5);
            QCOMPARE(Row[4] - Row[3], (cw + 1) / 2 * 2);
        }
    }

    // Values: n, sum, min, max and range in the column's decimals, the mode
    // too (left blank when not unique); quartiles, mean, variance and
    // deviation with two decimals more. Classes as lower, upper, h, or
    // observations 5 25 25 0 in automatic classes (0, 10] and (10, 20]: 25
    // and 0 lie outside, the median and upper quartile are never reached and
    // keep the first midpoint. Separator lines above and below the groups.
    void keyFigures_data()
    {
        QTest::addColumn<bool>("Grouped");
        QTest::addColumn<QStringList>("Values");
        QTest::addColumn<int>("Decimals");
        QTest::addColumn<QString>("Figures");
        // Even n: the median is the lower of the two middle values.
        QTest::newRow("1 2 3 4") << false << QStringList{"4", "2", "1", "3"} << 0
                                 << "4|10|1|4|3||1,00|2,00|3,00|2,50|1,25|1,12";
        // F = 0,75 exactly makes 2 the upper quartile (at least, not above).
        QTest::newRow("1 2 2 3") << false << QStringList{"1", "2", "2", "3"} << 0
                                 << "4|8|1|3|2|2|1,00|2,00|2,00|2,00|0,50|0,71";
        // A later, larger h makes the mode unique again; 15/7, 34/49.
        QTest::newRow("tie then larger")
            << false << QStringList{"1", "1", "2", "2", "3", "3", "3"} << 2
            << "7|15,00|1,00|3,00|2,00|3,00|1,0000|2,0000|3,0000|2,1429|0,6939|0,8330";
        // 0,1 has no exact binary form, so n·mean² and Σx² disagree in the
        // last bits: the variance must not turn negative, nor the deviation
        // fail.
        QTest::newRow("seven times 0,1")
            << false << QStringList(7, "0,1") << 1
            << "7|0,7|0,1|0,1|0,0|0,1|0,100|0,100|0,100|0,100|0,000|0,000";
        // Median = 0 + 10 · (0,5 - 0) / 0,5 = 10.
        QTest::newRow("two equal classes") << true << QStringList{"0", "10", "2", "10", "20", "2"}
                                           << 0 << "4|20||5,00|10,00|15,00|10,00|25,00|5,00";
        // Quartiles 20 + 10 · (level - 0,25) / 0,75; mean (15 + 75) / 4 = 22,5;
        // variance (225 + 1875) / 4 - 506,25 = 18,75; range 30 - 10.
        QTest::newRow("modal class unique")
            << true << QStringList{"10", "20", "1", "20", "30", "3"} << 0
            << "4|20|20 - 30|20,00|23,33|26,67|22,50|18,75|4,33";
        // An empty class first: F stays 0 there, the level is passed later.
        QTest::newRow("empty first class") << true << QStringList{"0", "10", "0", "10", "20", "4"}
                                           << 0 << "4|20|10 - 20|12,50|15,00|17,50|15,00|0,00|0,00";
        // Classes with a gap between them: range spans the gap.
        QTest::newRow("gap") << true << QStringList{"0", "4", "1", "6", "10", "1"} << 0
                             << "2|10||2,00|4,00|8,00|5,00|9,00|3,00";
        // No frequency at all: nothing divides by zero.
        QTest::newRow("no frequency") << true << QStringList{"0", "10", "0", "10", "20", "0"} << 0
                                      << "0|20||5,00|5,00|5,00|0,00|0,00|0,00";
        QTest::newRow("values outside") << true << QStringList{"5", "25", "25", "0"} << 0
                                        << "4|20|0 - 10|10,00|5,00|5,00|1,25|4,69|2,17";
    }

    void keyFigures()
    {
        QFETCH(bool, Grouped);
        QFETCH(QStringList, Values);
        QFETCH(int, Decimals);
        QFETCH(QString, Figures);
        const bool Classes = Grouped && Values.size() != 4;
        auto L = Classes ? ClassColumn(Values) : ObsColumn(Values, Decimals);
        if (Grouped && !Classes)
            AutoClasses(*L, 0, 10, 2);
        const tDescriptor &D = Recomputed(*L, Classes ? dtGrup : dtObs);
        QVERIFY(!D.HasClassFault());
        const QStringList Labels =
            QString(Grouped ? "Antal observationer|Variationsbredde|Typeinterval|"
                            : "Antal observationer|Sum af observationer|Mindsteværdi|"
                              "Størsteværdi|Variationsbredde|Typetal|")
                .append("Nedre kvartil|Median|Øvre kvartil|Middeltal|Varians|Standardafvigelse")
                .split('|');
        QStringList Expected{Classes ? "Søjle A" : "Alder"};
        const QStringList Numbers = Figures.split('|');
        for (int I = 0; I < Labels.size(); ++I)
            Expected << (Numbers[I].isEmpty() ? Labels[I] : Labels[I] + '|' + Numbers[I]);
        QCOMPARE(KeyLines(D, Grouped, Labels), Expected);
        if (!Grouped) // the copied text has the same lines but the sum
            Expected.removeAt(2);
        QCOMPARE(Copied(D), Expected);
        const QImage Img = Drawn(400, 600, [&](QPainter &P) {
            Grouped ? DrawGroupedKeyFigures(P, tDrawContext(400, 600), D)
                    : DrawKeyFigures(P, tDrawContext(400, 600), D);
        });
        const int h = QFontMetrics(PaneFont()).height();
        const QList<int> Separators = Grouped ? QList{3, 6, 10, 15, 20} : QList{3, 7, 13, 18, 23};
        for (int Row = 2; Row < 25; ++Row)
            QCOMPARE(Img.pixel(h + 3, Row * h) == qRgb(0, 0, 0), Separators.contains(Row));
    }

    // Text fits exactly, or is one pixel too wide; left and right alignment.
    // A text too wide shows as a row of "#" over the whole cell, whatever it
    // was, and nothing is drawn outside the cell.
    void overflow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("slack"); // cell width minus text width
        QTest::addColumn<int>("align");
        QTest::addColumn<bool>("hashes");
        const int R = Qt::AlignRight, L = Qt::AlignLeft;
        QTest::newRow("fits right") << "123456,789" << 0 << R << false;
        QTest::newRow("one pixel short right") << "123456,789" << -1 << R << true;
        QTest::newRow("roomy left") << "42" << 20 << L << false;
        QTest::newRow("one pixel short left") << "123456,789" << -1 << L << true;
    }

    void overflow()
    {
        QFETCH(QString, text);
        QFETCH(int, slack);
        QFETCH(int, align);
        QFETCH(bool, hashes);
        const QFontMetrics Fm(PaneFont());
        const QRect Cell(50, 5, Fm.horizontalAdvance(text) + slack, Fm.height());
        const auto Draw = [&](QPainter &P) {
            DrawCellText(P, text, Cell, align | Qt::AlignVCenter);
        };
        const tTexts T = Written(200, 30, Draw);
        QCOMPARE(T.size(), 1);
        QCOMPARE(T[0].Text, hashes ? QString(47, QLatin1Char('#')) : text);
        QCOMPARE(align == Qt::AlignRight ? T[0].Right : T[0].At.x(),
                 align == Qt::AlignRight ? Cell.left() + Cell.width() : Cell.left());
        const QImage Img = Drawn(200, 30, Draw);
        for (int Y = 0; Y < Img.height(); ++Y)
            for (int X = 0; X < Img.width(); ++X)
                if (!Cell.contains(X, Y))
                    QCOMPARE(Img.pixel(X, Y), qRgb(255, 255, 255));
    }

    // A white cross on a red circle, the same turned a quarter or mirrored,
    // and the message right of it in doubled letters; the font given back.
    void errorNotice()
    {
        const QString Message = QStringLiteral("Fejl i intervaller");
        QFont After;
        const QImage Img = Drawn(300, 50, [&](QPainter &P) {
            DrawErrorNotice(P, Message);
            After = P.font();
        });
        QCOMPARE(After, PaneFont());
        QCOMPARE(Img.pixel(8, 19), qRgb(255, 0, 0)); // left of the cross
        auto Cross = [&Img](int X, int Y) { return Img.pixel(X, Y) == qRgb(255, 255, 255); };
        for (int Y = 8; Y <= 28; ++Y)
            for (int X = 8; X <= 28; ++X)
                QVERIFY(Cross(X, Y) == Cross(36 - X, Y) && Cross(X, Y) == Cross(36 - Y, X));
        const tTexts T = Written(300, 50, [&](QPainter &P) { DrawErrorNotice(P, Message); });
        QCOMPARE(QStringLiteral("%1 %2 at %3").arg(T.size()).arg(T[0].Text).arg(T[0].At.x()),
                 "1 Fejl i intervaller at 40");
        QCOMPARE(T[0].PixelSize, 22);
        QFont Big = PaneFont();
        Big.setPixelSize(22);
        const QFontMetrics Fm(Big); // centred on the 36 pixels of the sign
        QVERIFY(std::abs(2 * (T[0].At.y() - Fm.ascent()) + Fm.height() - 36) <= 2);
    }

    // The hint's words, wrapped in the pane less 16 pixels on every side, in
    // a cream box with a black border 8 pixels outside them; the brush is
    // white afterwards.
    void prompt_data()
    {
        QTest::addColumn<bool>("marked");
        QTest::addColumn<bool>("lines");
        QTest::addColumn<QString>("text");
        const QString Choose = QStringLiteral("Vælg beskrivelse i listen herover");
        QTest::newRow("observations")
            << false << true << "Afmærk kolonne(r) eller linje(r) der skal beskrives. \n" + Choose;
        QTest::newRow("tables") << false << false
                                << "Afmærk kolonne(r) der skal beskrives. \n" + Choose;
        QTest::newRow("marked") << true << true << Choose;
    }

    void prompt()
    {
        QFETCH(bool, marked);
        QFETCH(bool, lines);
        QFETCH(QString, text);
        QCOMPARE(PanePromptText(marked, lines), text);
        const QRect Pane(10, 20, 180, 170);
        QColor Brush;
        const auto Draw = [&](QPainter &P) {
            P.setBrush(Qt::blue);
            P.setPen(Qt::red); // the frame and text are black all the same
            DrawPanePrompt(P, Pane, marked, lines);
            Brush = P.brush().color();
        };
        const QImage Img = Drawn(200, 200, Draw);
        QCOMPARE(Brush, QColor(Qt::white));
        const int L = Pane.left() + 8, T = Pane.top() + 8;
        QCOMPARE(Img.pixel(L, T), qRgb(0, 0, 0));
        QCOMPARE(Img.pixel(L + 2, T + 2), qRgb(0xFF, 0xFB, 0xF0));
        QCOMPARE(Img.pixel(L - 1, T - 1), qRgb(255, 255, 255));
        QString Words;
        for (const tTextItem &I : Written(200, 200, Draw)) {
            QVERIFY(I.At.x() >= Pane.left() + 16 && I.Right <= Pane.right() - 15);
            Words += I.Text;
        }
        QCOMPARE(Words.remove(' '), QString(text).remove(' ').remove('\n'));
    }

    // Every row is printed once, in order, each page holding as many rows
    // as fit above its foot room of one inch (a page lower than a row still
    // gets one), the title on the first page, the headings on every page.
    void tableRunsOverPages_data()
    {
        QTest::addColumn<int>("Rows");
        QTest::addColumn<int>("PageHeight");
        QTest::addColumn<bool>("Grouped");
        QTest::newRow("many pages") << 200 << 500 << false;
        QTest::newRow("grouped") << 80 << 600 << true;
        QTest::newRow("page lower than a row") << 5 << 50 << false;
    }
    void tableRunsOverPages()
    {
        QFETCH(int, Rows);
        QFETCH(int, PageHeight);
        QFETCH(bool, Grouped);
        QStringList Values, Expected{"Alder", Grouped ? "Interval" : "Observation"};
        for (int I = 0; I < Rows; ++I) {
            Values << QString::number(I + 1);
            Expected << (Grouped ? QStringLiteral("%1 - %2").arg(I).arg(I + 1) : Values.last());
        }
        auto L = ObsColumn(Values);
        if (Grouped)
            AutoClasses(*L, 0, 1, Rows);
        tDescriptor &D = Recomputed(*L);
        const int Ppi = 40;
        const tDrawContext C = tDrawContext::Printer(800, PageHeight, Ppi, 96);
        const int h = QFontMetrics(PaneFont()).height();
        QStringList Printed;
        for (int Y = 0, Pages = 1;; ++Pages) {
            QVERIFY(Pages < 1000);
            const int Limit = Y + PageHeight - Ppi;
            int Next = 0;
            const tTexts T = Written(800, PageHeight, [&](QPainter &P) {
                P.translate(0, -Y);
                Next = TablePages(D, Grouped)(P, C, Limit);
            });
            QStringList Lines = testdraw::Lines(T);
            // A page after the first starts with the column headings.
            if (Y > 0) {
                QVERIFY(!Lines.isEmpty());
                QCOMPARE(Lines.takeFirst().section('|', 0, 0), Expected[1]);
            }
            for (const QString &Line : Lines)
                Printed << Line.section('|', 0, 0);
            const int RowsHere = Lines.size() - (Y == 0 ? 2 : 0);
            QVERIFY(RowsHere <= 1 || T.last().At.y() <= PageHeight - Ppi);
            if (Next == 0)
                break;
            // A full page: as many rows as fit below the headings (half an
            // inch down, two text heights) above the foot room.
            if (Y > 0)
                QCOMPARE(RowsHere, std::max(1, (PageHeight - Ppi - Ppi / 2 - 2 * h) / h));
            QCOMPARE((Next - Ppi / 2) % h, 0); // rows start half an inch down
            Y = Next;
        }
        QCOMPARE(Printed, Expected);
    }

    // Columns and lines per page and the pages' order: block of lines by
    // block of lines, left to right in each. Ppi 100 (margin 50), cells 40 x 10.
    void dataSetPageBlocks_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("Size");
        QTest::addColumn<int>("Columns");
        QTest::addColumn<int>("Lines");
        QTest::addColumn<QString>("Order"); // first column/first line of each page
        QTest::newRow("26 x 100 on pages of 10 columns and 40 lines")
            << int(dtObs) << 540 << 26 << 100 << "0/0 10/0 20/0 0/40 10/40 20/40 0/80 10/80 20/80";
        QTest::newRow("frequencies: 5 columns, 39 lines")
            << int(dtHyp) << 540 << 8 << 50 << "0/0 5/0 0/39 5/39";
        QTest::newRow("groupings: 3 columns") << int(dtGrup) << 540 << 8 << 20 << "0/0 3/0 6/0";
        QTest::newRow("page smaller than a cell")
            << int(dtObs) << 120 << 2 << 2 << "0/0 1/0 0/1 1/1";
    }
    void dataSetPageBlocks()
    {
        QFETCH(int, Type);
        QFETCH(int, Size);
        QFETCH(int, Columns);
        QFETCH(int, Lines);
        QFETCH(QString, Order);
        const tSheetLayout S =
            SheetLayout(tPrintPage{Size, Size - 30, 100}, 10, TDataType(Type), Columns, Lines);
        QStringList Got;
        for (const tSheetPage &P : SheetPages(S))
            Got << QStringLiteral("%1/%2").arg(P.FirstCol).arg(P.FirstLine);
        QCOMPARE(Got.join(' '), Order);
    }
};

QTEST_MAIN(tst_drawing_panes)
#include "tst_drawing_panes.moc"
