// lumentor-cli print: descriptions and data sets printed to PDF files, checked
// with poppler's tools for their page count, page titles and content at known
// positions of the rendered pages.
#include "Lumen.h"
#include "support_cli.h"

#include <QFontMetrics>
#include <QImage>
#include <QLocale>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// Page geometry of lumentor-cli's PDF pages: A4, 300 dpi, printable area
// 10 mm inside the paper, rendered here at 100 dpi.
constexpr double Render = 100;
constexpr double Offset = 10 / 25.4 * Render;     // paper edge to printable area
constexpr double Printable = 190 / 25.4 * Render; // printable width
constexpr double FromPrinter = Render / 300;      // printer pixels to rendered pixels

QString Tool(const char *Name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(Name));
}

QString RunTool(const char *Name, const QStringList &Args)
{
    QProcess P;
    P.start(Tool(Name), Args);
    P.waitForFinished(60000);
    return QString::fromUtf8(P.readAllStandardOutput());
}

int PageCount(const QString &Pdf)
{
    const QString Info = RunTool("pdfinfo", {Pdf});
    const QRegularExpressionMatch M =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Info);
    return M.hasMatch() ? M.captured(1).toInt() : -1;
}

QImage RenderedPage(const QString &Pdf, int Page, const QString &Stem)
{
    RunTool("pdftoppm", {"-r", QString::number(int(Render)), "-f", QString::number(Page), "-l",
                         QString::number(Page), "-singlefile", "-png", Pdf, Stem});
    return QImage(Stem + QStringLiteral(".png"));
}

template <class tFn> bool AnyPixel(const QImage &Img, QRect R, tFn &&Test)
{
    R = R.intersected(Img.rect());
    for (int Y = R.top(); Y <= R.bottom(); ++Y)
        for (int X = R.left(); X <= R.right(); ++X)
            if (Test(QColor(Img.pixel(X, Y))))
                return true;
    return false;
}

bool IsDark(const QColor &C)
{
    return C.red() < 110 && C.green() < 110 && C.blue() < 110;
}
bool IsRed(const QColor &C)
{
    return C.red() > 180 && C.green() < 110 && C.blue() < 110;
}
bool IsCream(const QColor &C)
{
    return C.red() == 255 && C.green() > 245 && C.blue() > 232 && C.blue() < 248;
}

} // namespace

class tst_cli_print : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;
    QString Data;

  private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        if (Tool("pdfinfo").isEmpty() || Tool("pdftoppm").isEmpty() || Tool("pdftotext").isEmpty())
            QSKIP("poppler-utils (pdfinfo, pdftoppm, pdftotext) are not installed");
        QVERIFY(Dir.isValid());
        QVERIFY(MakeRuntimeDir(Dir.path()));
        // Column A: 150 distinct values; B: 40; all 26 columns 100 lines long
        // (column Z 100 numbers), a text cell in C1.
        tLumen L;
        L.SetColName(0, QStringLiteral("Højde"));
        for (int Line = 0; Line < 150; ++Line)
            L.SetCellText(Line, 0, QString::number(100 + Line));
        for (int Col = 1; Col < 26; ++Col)
            for (int Line = 0; Line < 100; ++Line)
                L.SetCellText(Line, Col, QString::number(Line % 40));
        L.SetCellText(0, 2, QStringLiteral("ikke målt"));
        Data = Dir.filePath("data.lmt");
        DataType = dtObs;
        L.SaveToFile(Data);
        QVERIFY(!L.WriteFailed());
    }

    // A description: pages, the title on every page at the top right, and
    // the table's continuation page starting with rows at its top.
    void description_data()
    {
        QTest::addColumn<QStringList>("Series");
        QTest::addColumn<QString>("Kind");
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QString>("Title");
        QTest::addColumn<int>("MinPages");
        QTest::addColumn<int>("MaxPages");
        QTest::newRow("long table") << QStringList{"--col", "A"} << "tabel"
                                    << "Klasse 7b"
                                    << "Tabel - Klasse 7b" << 2 << 4;
        QTest::newRow("short table") << QStringList{"--col", "B"} << "tabel"
                                     << ""
                                     << "Tabel" << 1 << 1;
        QTest::newRow("relative graph") << QStringList{"--col", "B"} << "frekvensgraf"
                                        << "7b"
                                        << "Frekvensgraf - 7b" << 1 << 1;
        QTest::newRow("key figures") << QStringList{"--col", "A"} << "maerketal"
                                     << ""
                                     << "Mærketal" << 1 << 1;
    }
    void description()
    {
        QFETCH(QStringList, Series);
        QFETCH(QString, Kind);
        QFETCH(QString, Name);
        QFETCH(QString, Title);
        QFETCH(int, MinPages);
        QFETCH(int, MaxPages);
        const QString Pdf = Dir.filePath(Kind + Series.last() + QStringLiteral(".pdf"));
        QStringList Args{"print", Data};
        Args << Series << "--kind" << Kind << "-o" << Pdf;
        if (!Name.isEmpty())
            Args << "--name" << Name;
        const tRun R = RunCli(Args);
        QCOMPARE(R.Code, 0);
        const int Pages = PageCount(Pdf);
        QVERIFY2(Pages >= MinPages && Pages <= MaxPages, qPrintable(QString::number(Pages)));
        const QStringList Texts = RunTool("pdftotext", {"-layout", Pdf, "-"}).split(QChar('\f'));
        // The title ends the first line of every page (continuation rows of
        // a table share that line on its left).
        for (int P = 0; P < Pages; ++P)
            QVERIFY2(Texts[P].trimmed().section(QChar('\n'), 0, 0).trimmed().endsWith(Title),
                     qPrintable(Texts[P].left(80)));

        // The title's right edge half an inch inside the printable area's
        // right edge, on the top line; nothing else right of it.
        const QImage Img = RenderedPage(Pdf, Pages, Dir.filePath(QStringLiteral("page")));
        QVERIFY(!Img.isNull());
        const int TitleRight = int(Offset + Printable - Render / 2);
        const QRect TitleBand(TitleRight - 40, int(Offset), 40, 15);
        QVERIFY(AnyPixel(Img, TitleBand, IsDark));
        QVERIFY(!AnyPixel(Img, QRect(TitleRight + 2, 0, Img.width(), Img.height()), IsDark));
        if (Pages > 1) // a continuation page: rows right at the top, cream every other
            QVERIFY(
                AnyPixel(Img, QRect(int(Offset + Render / 2), int(Offset) + 1, 300, 30), IsCream));
    }

    // The data set: 26 columns by 100 lines in page blocks, a red text cell
    // and black number cells at their computed places on the first page.
    void dataSet()
    {
        const QString Pdf = Dir.filePath(QStringLiteral("data.pdf"));
        const tRun R = RunCli({"print", Data, "--data", "--name", "7b", "-o", Pdf});
        QCOMPARE(R.Code, 0);
        // The grid font as lumentor-cli prints it, measured on a 300 dpi page.
        QPdfWriter Probe(Dir.filePath(QStringLiteral("probe.pdf")));
        Probe.setResolution(300);
        QFont F(QStringLiteral("Arial"));
        F.setPointSize(9);
        const int ch = QFontMetrics(F, &Probe).height() * 3 / 2, cw = 4 * ch, m = 150;
        const int Width = int(190 / 25.4 * 300), Height = int(277 / 25.4 * 300);
        const int Cols = (Width - 2 * m) / cw - 1, Lines = (Height - 2 * m) / ch - 1;
        const int Expected = ((26 + Cols - 1) / Cols) * ((150 + Lines - 1) / Lines);
        QCOMPARE(PageCount(Pdf), Expected);
        QVERIFY(RunTool("pdftotext", {"-f", "1", "-l", "1", Pdf, "-"}).contains("Datasæt - 7b"));

        const QImage Img = RenderedPage(Pdf, 1, Dir.filePath(QStringLiteral("data")));
        auto CellRect = [&](int Col, int Line) {
            return QRect(int(Offset + (m + cw + Col * cw) * FromPrinter) + 2,
                         int(Offset + (m + ch + Line * ch) * FromPrinter) + 2,
                         int(cw * FromPrinter) - 4, int(ch * FromPrinter) - 4);
        };
        QVERIFY(AnyPixel(Img, CellRect(2, 0), IsRed));
        QVERIFY(!AnyPixel(Img, CellRect(1, 0), IsRed));
        QVERIFY(AnyPixel(Img, CellRect(1, 1), IsDark));
        QVERIFY(!AnyPixel(Img, CellRect(1, 1), IsRed));

        // An empty data set prints nothing and says so.
        tLumen Empty;
        const QString EmptyFile = Dir.filePath(QStringLiteral("empty.lmt"));
        Empty.SaveToFile(EmptyFile);
        const QString NoPdf = Dir.filePath(QStringLiteral("none.pdf"));
        const tRun E = RunCli({"print", EmptyFile, "--data", "-o", NoPdf});
        QCOMPARE(E.Code, 1);
        QVERIFY(E.Err.contains(QStringLiteral("Datasættet er tomt")));
        QVERIFY(!QFile::exists(NoPdf));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("Args");
        QTest::addColumn<int>("Code");
        QTest::newRow("no output") << QStringList{"--col", "A", "--kind", "tabel"} << 2;
        QTest::newRow("unknown kind")
            << QStringList{"--col", "A", "--kind", "x", "-o", "x.pdf"} << 2;
        QTest::newRow("kind with --data")
            << QStringList{"--data", "--kind", "tabel", "-o", "x.pdf"} << 2;
        QTest::newRow("pie of 150 values")
            << QStringList{"--col", "A", "--kind", "cirkeldiagram", "-o", "x.pdf"} << 1;
        QTest::newRow("folder missing") << QStringList{"--data", "-o", "/nonexistent/x.pdf"} << 1;
    }
    void failures()
    {
        QFETCH(QStringList, Args);
        QFETCH(int, Code);
        const tRun R = RunCli(QStringList{"print", Data} + Args);
        QCOMPARE(R.Code, Code);
        QVERIFY(!R.Err.isEmpty());
    }
};

QTEST_MAIN(tst_cli_print)
#include "tst_cli_print.moc"
