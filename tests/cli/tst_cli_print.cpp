// lumentor-cli print: descriptions and data sets printed to PDF files, checked
// for their page count and the titles of every page; and the two-variable
// kinds rendered as pictures.
#include "Lumen.h"
#include "support_cli.h"
#include "support_pages.h"

#include <QFontMetrics>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

class tst_cli_print : public QObject
{
    Q_OBJECT
    QTemporaryDir Dir;
    QString Data;

  private slots:
    void initTestCase()
    {
        // Column A: 150 distinct values; B..Z 100 lines of 40 values; C1 text.
        tLumen L;
        for (int Line = 0; Line < 150; ++Line)
            L.SetCellText(Line, 0, QString::number(100 + Line));
        for (int Col = 1; Col < 26; ++Col)
            for (int Line = 0; Line < 100; ++Line)
                L.SetCellText(Line, Col, QString::number(Line % 40));
        L.SetCellText(0, 2, QStringLiteral("ikke målt"));
        Data = Dir.filePath("data.lmt");
        L.SaveToFile(Data);
        QVERIFY(!L.WriteFailed());
    }

    // The data set: 26 columns by 150 lines in page blocks of A4 at 300 dpi
    // with the printable area 10 mm inside the paper, cells 1.5 lines of the
    // grid font high and 4 times that wide.
    void description_data()
    {
        QTest::addColumn<QString>("Args");
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QString>("Title");
        QTest::addColumn<int>("Pages");
        auto Row = [](const char *Row, const char *Args, const char *Name, const char *Title,
                      int Pages) {
            QTest::newRow(Row) << QString(Args) << QString(Name) << QString::fromUtf8(Title)
                               << Pages;
        };
        Row("long table", "--col A --kind tabel", "Klasse 7b", "Tabel - Klasse 7b", 3);
        Row("cross table, 40 x 40", "--col B --col D --kind krydstabel", "", "Krydstabel", 6);
        Row("data sticks, 150 lines", "--col A --kind datapinde", "", "Datapinde", 6);
        Row("scatter diagram", "--col B --col D --kind krydsdiagram", "x", "Krydsdiagram - x", 1);
        QPdfWriter Probe(Dir.filePath("probe.pdf"));
        Probe.setResolution(300);
        QFont F(QStringLiteral("Arial"));
        F.setPointSize(9);
        const int ch = QFontMetrics(F, &Probe).height() * 3 / 2, cw = 4 * ch, m = 150;
        const int Cols = (2244 - 2 * m) / cw - 1, Lines = (3271 - 2 * m) / ch - 1;
        Row("data set", "--data", "7b", "Datasæt - 7b",
            ((26 + Cols - 1) / Cols) * ((150 + Lines - 1) / Lines));
    }
    void description()
    {
        QFETCH(QString, Args);
        QFETCH(QString, Name);
        QFETCH(QString, Title);
        QFETCH(int, Pages);
        if (!HavePoppler())
            QSKIP("poppler-utils are not installed");
        const QString Pdf = Dir.filePath("out.pdf");
        const tRun R = RunCli(QStringList{"print", Data} + Args.split(' ') +
                              QStringList{"--name", Name, "-o", Pdf});
        QCOMPARE(R.Code, 0);
        QCOMPARE(PdfPages(Pdf), Pages);
        // The title ends the top line of every page (continuation rows of a
        // table share that line on its left).
        const QStringList Texts = PdfTexts(Pdf);
        for (int P = 0; P < Pages; ++P)
            QVERIFY(Texts[P].trimmed().section('\n', 0, 0).trimmed().endsWith(Title));
    }

    // The pictures of the two-variable kinds: each kind (and the regression
    // line) draws its own picture; the scatter diagram's is 400 x 400.
    void render()
    {
        QSet<QByteArray> Seen;
        const QString Png = Dir.filePath("out.png");
        for (const char *Kind : {"datapinde", "datakurve", "krydstabel", "maerketal",
                                 "krydsdiagram", "krydsdiagram --regression"}) {
            const QStringList Args =
                QStringList{"render", Data, "--col", "B", "--col", "D", "-o", Png, "--kind"} +
                QString(Kind).split(' ');
            QCOMPARE(RunCli(Args).Code, 0);
            const QImage Img(Png);
            if (QByteArray(Kind).startsWith("krydsd"))
                QCOMPARE(Img.size(), QSize(400, 400));
            Seen.insert(
                QByteArray(reinterpret_cast<const char *>(Img.constBits()), Img.sizeInBytes()));
        }
        QCOMPARE(Seen.size(), 6);
    }
};

QTEST_MAIN(tst_cli_print)
#include "tst_cli_print.moc"
