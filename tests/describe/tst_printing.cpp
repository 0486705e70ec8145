// Printed pages: the frequency table running over pages, the data set cut
// into page blocks, page titles and the colours of printed cells.
#include "support_drawing.h"
#include "support_pages.h"

#include "CellText.h"
#include "DataSetPrint.h"
#include "FreqTableDraw.h"
#include "Printing.h"

#include <QTest>

using namespace testdraw;

class TestPrinting : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Every row is printed once, in order, each page holding as many rows
    // as fit above its foot room of one inch (a page lower than a row still
    // gets one), the title and headings on the first page only.
    void tableRunsOverPages_data()
    {
        QTest::addColumn<int>("Rows");
        QTest::addColumn<int>("PageHeight");
        QTest::addColumn<bool>("Grouped");
        QTest::newRow("many pages") << 200 << 500 << false;
        QTest::newRow("grouped") << 80 << 600 << true;
        QTest::newRow("page lower than a row") << 5 << 60 << false;
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
            const QStringList Lines = testdraw::Lines(T);
            for (const QString &Line : Lines)
                Printed << Line.section('|', 0, 0);
            const int RowsHere = Lines.size() - (Y == 0 ? 2 : 0);
            QVERIFY(RowsHere <= 1 || T.last().At.y() <= PageHeight - Ppi);
            if (Next == 0)
                break;
            QVERIFY(Next + h > Limit); // the next row does not fit
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

    // What a data set page writes: title at the top right, half an inch from
    // the page's edge; column headers (sub-headers of tables); line numbers
    // or names; number cells in black, text cells in red, both two spaces
    // from the right border; silver cell lines and header fill.
    void dataSetCells_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QStringList>("Lines");
        QTest::newRow("observations") << int(dtObs) << "Klasse 7b"
                                      << QStringList{"Datasæt - Klasse 7b", "Kolonne A", " Bo|12",
                                                     " 2|ikke målt",        " 3",        " 4|12"};
        QTest::newRow("frequencies")
            << int(dtHyp) << ""
            << QStringList{"Datasæt", "Kolonne 1", "Observation|Hyppighed", " 1|12", " 2|ikke målt",
                           " 3",      " 4|12"};
        QTest::newRow("groupings")
            << int(dtGrup) << ""
            << QStringList{"Datasæt", "Kolonne 1",    "Nedre grænse|Øvre grænse|Hyppighed",
                           " 1|12",   " 2|ikke målt", " 3",
                           " 4|12"};
    }
    void dataSetCells()
    {
        QFETCH(int, Type);
        QFETCH(QString, Name);
        QFETCH(QStringList, Lines);
        tLumen L;
        L.SetLineName(0, QStringLiteral("Bo")); // shown for observations only
        const int Sub = Type == dtObs ? 0 : 1;  // the frequency, the upper bound
        for (int Line : {0, 1, 3}) {
            const QString S = Line == 1 ? QStringLiteral("ikke målt") : QStringLiteral("12");
            Type == dtObs   ? L.SetCellText(Line, 0, S)
            : Type == dtHyp ? L.SetHypFreqText(Line, 0, S)
                            : L.SetGrupHighText(Line, 0, S);
        }
        const tPrintPage Page{700, 400, 100};
        const int ch = 20, cw = 80, m = 50;
        const tSheetLayout S = SheetLayoutOf(L, TDataType(Type), Page, ch);
        const auto Draw = [&](QPainter &P) {
            DrawSheetPage(P, L, TDataType(Type), S, SheetPages(S).first(), Page,
                          DataSetTitle(Name));
        };
        const tTexts T = Written(700, 400, Draw);
        QCOMPARE(testdraw::Lines(T), Lines);
        QCOMPARE(T[0].Right, 700 - m);
        const int Gap = QFontMetrics(PaneFont()).horizontalAdvance(QStringLiteral("  "));
        for (const QString &Cell : {QStringLiteral("12"), QStringLiteral("ikke målt")}) {
            const tTextItem *I = Find(T, Cell);
            QVERIFY(I);
            QCOMPARE(I->Colour, Cell == "12" ? QColor(Qt::black) : QColor(Qt::red));
            QCOMPARE(I->Right, m + cw + (Sub + 1) * cw - Gap);
        }
        const QImage Img = Drawn(700, 400, Draw);
        const QRect Empty(m + cw + Sub * cw, m + S.HeaderRows * ch + 2 * ch, cw, ch);
        const QColor Silver(0xC0, 0xC0, 0xC0);
        QCOMPARE(QColor(Img.pixel(Empty.center().x(), Empty.top())), Silver);
        QCOMPARE(QColor(Img.pixel(m + cw - 4, Empty.bottom() - 3)), Silver);
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
