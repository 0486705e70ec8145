// Printed pages: the frequency table running over pages, the data set cut
// into page blocks, page titles and the colours of printed cells.
#include "support_drawing.h"

#include "CellText.h"
#include "DataSetPrint.h"
#include "FreqTableDraw.h"
#include "Printing.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTest>

using namespace testdraw;

namespace
{

const QColor Cream(0xFF, 0xFB, 0xF0);

// Whether any pixel of R (clipped to the image) satisfies Test.
template <class tFn> bool AnyPixel(const QImage &Img, QRect R, tFn &&Test)
{
    R = R.intersected(Img.rect());
    for (int Y = R.top(); Y <= R.bottom(); ++Y)
        for (int X = R.left(); X <= R.right(); ++X)
            if (Test(QColor(Img.pixel(X, Y))))
                return true;
    return false;
}

bool IsRed(const QColor &C)
{
    return C.red() > 180 && C.green() < 100 && C.blue() < 100;
}
bool IsDark(const QColor &C)
{
    return C.red() < 100 && C.green() < 100 && C.blue() < 100;
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // A table of Rows rows on pages of PageHeight printer pixels: every call
    // but the last returns the top of the first row that did not fit, the
    // next page starts with exactly that row, and the last call returns 0.
    void tableRunsOverPages_data()
    {
        QTest::addColumn<int>("Rows");
        QTest::addColumn<int>("PageHeight");
        QTest::addColumn<bool>("Grouped");
        QTest::newRow("fits one page") << 10 << 900 << false;
        QTest::newRow("two pages") << 60 << 700 << false;
        QTest::newRow("many pages") << 200 << 500 << false;
        QTest::newRow("grouped, several pages") << 80 << 600 << true;
        QTest::newRow("page smaller than a row") << 5 << 60 << false;
    }
    void tableRunsOverPages()
    {
        QFETCH(int, Rows);
        QFETCH(int, PageHeight);
        QFETCH(bool, Grouped);
        QStringList Values;
        for (int I = 0; I < Rows; ++I)
            Values << QString::number(I + 1);
        auto L = ObsColumn(Values);
        if (Grouped) {
            L->SetGroupKind(0, gkAuto);
            L->SetFirstLower(0, 0);
            L->SetFirstUpper(0, 1);
            L->SetGap(0, 0);
            L->SetGroupCount(0, Rows);
        }
        tDescriptor &D = Recomputed(*L);
        QCOMPARE(D.ListCount(0), Rows);
        const int Ppi = 40; // margin 20, one inch of foot room
        const tDrawContext C = tDrawContext::Printer(800, PageHeight, Ppi, 96);
        const tPagedDrawing Draw = TablePages(D, Grouped);

        int Y = 0, Pages = 0, Drawn = 0, h = 0, Top = 0;
        for (;;) {
            QImage Page = Canvas(800, PageHeight);
            int Next = 0;
            {
                QPainter P(&Page);
                Prepare(P);
                h = draw::TextHeight(P);
                Top = C.PrinterPpi / 2 + 5 * h;
                P.translate(0, -Y);
                Next = Draw(P, C, Y + PageHeight - Ppi);
            }
            ++Pages;
            QVERIFY2(Pages < 1000, "the table never ends");
            // Rows of this page: from the first row at or below the page's
            // top to the row before Next.
            const int First = std::max(0, (Y - Top + h - 1) / h);
            const int End = Next == 0 ? Rows : (Next - Top) / h;
            if (Next != 0) {
                QCOMPARE((Next - Top) % h, 0); // a row's top
                QVERIFY(Next > Y);
                // The first row that does not fit (the one before it does).
                QVERIFY(Next + h > Y + PageHeight - Ppi);
                QVERIFY(Next <= Y + PageHeight - Ppi || Next == Top + First * h);
            }
            // The page's last row is drawn, nothing below it.
            const int LastBottom = Top + End * h - Y;
            const QRect Text(C.PrinterPpi / 2, 0, 800 - C.PrinterPpi / 2, 1);
            if (End > First)
                QVERIFY(AnyPixel(Page, Text.translated(0, LastBottom - h).adjusted(0, 0, 0, h - 1),
                                 IsDark));
            QVERIFY(!AnyPixel(Page, QRect(0, LastBottom, 800, PageHeight), IsDark));
            if (Pages > 1) {
                // A continuation page starts with the remaining rows at its
                // top: the first row's band is cream exactly for odd rows.
                const QRect Band(C.PrinterPpi / 2 + h + 2, 1, 4, h - 2);
                const bool HasCream =
                    AnyPixel(Page, Band, [](const QColor &X) { return X == Cream; });
                QCOMPARE(HasCream, First % 2 == 1);
            }
            Drawn += End - First;
            if (Next == 0)
                break;
            Y = Next;
        }
        QCOMPARE(Drawn, Rows);
        if (Rows * h + Top <= PageHeight - Ppi)
            QCOMPARE(Pages, 1);
        else
            QVERIFY(Pages > 1);
    }

    // Page blocks: columns and lines per page, the number of pages, and the
    // order (block of lines by block of lines, left to right in each).
    void dataSetPageBlocks_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("Width");
        QTest::addColumn<int>("Height");
        QTest::addColumn<int>("Columns");
        QTest::addColumn<int>("Lines");
        QTest::addColumn<int>("ColsPerPage");
        QTest::addColumn<int>("LinesPerPage");
        QTest::addColumn<QString>("Order"); // first column/first line of each page
        // Ppi 100 (margin 50), cell 40 x 10.
        QTest::newRow("26 x 100 observations, 10 columns and 40 lines a page")
            << int(dtObs) << 540 << 510 << 26 << 100 << 10 << 40
            << "0/0 10/0 20/0 0/40 10/40 20/40 0/80 10/80 20/80";
        QTest::newRow("one page") << int(dtObs) << 540 << 510 << 3 << 7 << 10 << 40 << "0/0";
        QTest::newRow("frequencies: two cells a column, two header rows")
            << int(dtHyp) << 540 << 510 << 8 << 50 << 5 << 39 << "0/0 5/0 0/39 5/39";
        QTest::newRow("groupings: three cells a column")
            << int(dtGrup) << 540 << 510 << 8 << 20 << 3 << 39 << "0/0 3/0 6/0";
        QTest::newRow("page narrower than a cell still ends")
            << int(dtObs) << 120 << 120 << 2 << 2 << 1 << 1 << "0/0 1/0 0/1 1/1";
        QTest::newRow("nothing to print") << int(dtObs) << 540 << 510 << 0 << 0 << 10 << 40 << "";
    }
    void dataSetPageBlocks()
    {
        QFETCH(int, Type);
        QFETCH(int, Width);
        QFETCH(int, Height);
        QFETCH(int, Columns);
        QFETCH(int, Lines);
        QFETCH(int, ColsPerPage);
        QFETCH(int, LinesPerPage);
        QFETCH(QString, Order);
        const tSheetLayout S =
            SheetLayout(tPrintPage{Width, Height, 100}, 10, TDataType(Type), Columns, Lines);
        QCOMPARE(S.ColsPerPage, ColsPerPage);
        QCOMPARE(S.LinesPerPage, LinesPerPage);
        QStringList Got;
        for (const tSheetPage &P : SheetPages(S))
            Got << QStringLiteral("%1/%2").arg(P.FirstCol).arg(P.FirstLine);
        QCOMPARE(Got.join(' '), Order);
    }

    // The title's right edge is half an inch from the page's right edge.
    void pageTitles_data()
    {
        QTest::addColumn<QString>("Title");
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QString>("Expected");
        QTest::newRow("with a name") << "Tabel"
                                     << "Klasse 7b"
                                     << "Tabel - Klasse 7b";
        QTest::newRow("without a name") << "Tabel"
                                        << ""
                                        << "Tabel";
        QTest::newRow("relative graph") << KindPrintTitle(bkFrekvensgraf) << "7b"
                                        << "Frekvensgraf - 7b";
        QTest::newRow("data curve") << KindPrintTitle(bkDatakurve) << ""
                                    << "Datagraf";
        QTest::newRow("data set") << DataSetTitle(QString()) << ""
                                  << "Datasæt";
    }
    void pageTitles()
    {
        QFETCH(QString, Title);
        QFETCH(QString, Name);
        QFETCH(QString, Expected);
        const QString Full = PageTitle(Title, Name);
        QCOMPARE(Full, Expected);
        const tPrintPage Page{400, 100, 100};
        const QImage Img = Drawn(400, 100, [&](QPainter &P) { DrawPageTitle(P, Page, Full); });
        int Rightmost = -1;
        for (int X = 0; X < Img.width(); ++X)
            if (AnyPixel(Img, QRect(X, 0, 1, 20), IsDark))
                Rightmost = X;
        QVERIFY(Rightmost >= 400 - 50 - 5 && Rightmost < 400 - 50);
        QVERIFY(!AnyPixel(Img, QRect(0, 25, 400, 75), IsDark)); // one line at the top
    }

    // Number cells print black, text cells red, both two spaces from the
    // right border; empty cells print nothing but their silver outline.
    void dataSetCells_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("Sub");
        QTest::addColumn<QString>("Number");
        QTest::addColumn<QString>("Text");
        QTest::newRow("observations") << int(dtObs) << 0 << "12,5"
                                      << "ikke målt";
        QTest::newRow("frequency cells") << int(dtHyp) << 1 << "7"
                                         << "syv";
        QTest::newRow("upper bounds") << int(dtGrup) << 1 << "10"
                                      << "ti";
    }
    void dataSetCells()
    {
        QFETCH(int, Type);
        QFETCH(int, Sub);
        QFETCH(QString, Number);
        QFETCH(QString, Text);
        tLumen L;
        auto Set = [&](int Line, const QString &S) {
            if (Type == dtObs)
                L.SetCellText(Line, 0, S);
            else if (Type == dtHyp)
                Sub == 0 ? L.SetHypObsText(Line, 0, S) : L.SetHypFreqText(Line, 0, S);
            else
                Sub == 1 ? L.SetGrupHighText(Line, 0, S) : L.SetGrupLowText(Line, 0, S);
        };
        Set(0, Number);
        Set(1, Text);
        Set(3, Number);
        const tPrintPage Page{700, 400, 100};
        const int ch = 20, cw = 80, m = 50;
        const tSheetLayout S = SheetLayoutOf(L, TDataType(Type), Page, ch);
        QCOMPARE(S.PagesDown * S.PagesAcross, 1);
        const QImage Img = Drawn(700, 400, [&](QPainter &P) {
            DrawSheetPage(P, L, TDataType(Type), S, SheetPages(S).first(), Page, DataSetTitle({}));
        });
        const int Top = m + S.HeaderRows * ch;
        auto Cell = [&](int Line) { return QRect(m + cw + Sub * cw, Top + Line * ch, cw, ch); };
        const QRect Inner0 = Cell(0).adjusted(3, 3, -3, -3);
        const QRect Inner1 = Cell(1).adjusted(3, 3, -3, -3);
        QVERIFY(AnyPixel(Img, Inner0, IsDark));
        QVERIFY(!AnyPixel(Img, Inner0, IsRed));
        QVERIFY(AnyPixel(Img, Inner1, IsRed));
        QVERIFY(!AnyPixel(Img, Inner1, IsDark));
        QVERIFY(!AnyPixel(Img, Cell(2).adjusted(3, 3, -3, -3), IsDark)); // empty line
        // Two spaces of room at the right.
        const int Gap = QFontMetrics(PaneFont()).horizontalAdvance(QStringLiteral("  "));
        QVERIFY(!AnyPixel(Img, QRect(Cell(0).right() - Gap + 2, Cell(0).top() + 2, Gap - 4, ch - 4),
                          IsDark));
        // Silver outline of a data cell, silver fill of its line header.
        QCOMPARE(QColor(Img.pixel(Cell(2).left() + cw / 2, Cell(2).top())),
                 QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(QColor(Img.pixel(m + cw - 4, Cell(2).bottom() - 3)), QColor(0xC0, 0xC0, 0xC0));
    }

    // A whole data set through a paged device: one page per block.
    void dataSetPrintsEveryPage()
    {
        tLumen L;
        for (int Col = 0; Col < 26; ++Col)
            for (int Line = 0; Line < 100; ++Line)
                L.SetCellText(Line, Col, QString::number(Line * Col));
        QBuffer Out;
        Out.open(QIODevice::WriteOnly);
        QPdfWriter Writer(&Out);
        Writer.setResolution(300);
        int Pages = 0;
        QFont F(QStringLiteral("Liberation Sans"));
        F.setPointSize(9);
        QCOMPARE(PrintDataSet(Writer, L, dtObs, F, 96, QStringLiteral("7b"), &Pages),
                 tPrintResult::Printed);
        QFontMetrics Fm(F, &Writer);
        const tSheetLayout S = SheetLayoutOf(L, dtObs, tPrintPage::Of(Writer), Fm.height() * 3 / 2);
        QCOMPARE(Pages, S.PagesAcross * S.PagesDown);
        QVERIFY(Pages > 1);
        QVERIFY(Out.data().startsWith("%PDF"));

        tLumen Empty;
        QCOMPARE(PrintDataSet(Writer, Empty, dtObs, F, 96, QString(), &Pages), tPrintResult::Empty);
        QCOMPARE(Pages, 0);
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
