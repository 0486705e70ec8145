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
        // long.lmt: 1000 lines in column A.
        tLumen Long;
        for (int Line = 0; Line < 1000; ++Line)
            Long.SetCellText(Line, 0, QString::number(Line % 170));
        Long.SaveToFile(Dir.filePath("long.lmt"));
        // faulty.lmt: grouped classes, the last overlapping the one before.
        tLumen Faulty;
        const int Classes[][3] = {{160, 165, 8}, {165, 170, 6}, {170, 175, 4}, {172, 180, 2}};
        for (int I = 0; I < 4; ++I) {
            Faulty.SetGrupLowText(I, 0, QString::number(Classes[I][0]));
            Faulty.SetGrupHighText(I, 0, QString::number(Classes[I][1]));
            Faulty.SetGrupFreqText(I, 0, QString::number(Classes[I][2]));
        }
        const TDataType Saved = DataType;
        DataType = dtGrup;
        Faulty.SaveToFile(Dir.filePath("faulty.lmt"));
        DataType = Saved;
        QVERIFY(!Faulty.WriteFailed());
    }

    // Faulty classes: every kind, the table too, prints and draws the
    // notice instead (the printed table with the print name after it), and
    // the exit status says it failed.
    void faultyClasses_data()
    {
        QTest::addColumn<QString>("Command");
        QTest::addColumn<QString>("Kind");
        QTest::addColumn<QString>("Notice");
        QTest::newRow("printed table") << "print" << "tabel" << "Fejl i intervaller-7b";
        QTest::newRow("printed graph") << "print" << "hyppighedsgraf" << "Fejl i intervaller";
        QTest::newRow("drawn table") << "render" << "tabel" << "";
    }
    void faultyClasses()
    {
        QFETCH(QString, Command);
        QFETCH(QString, Kind);
        QFETCH(QString, Notice);
        const QString Out = Dir.filePath(Command == "print" ? "faulty.pdf" : "faulty.png");
        QFile::remove(Out);
        // The print name is print's option; render has none.
        const QStringList Name = Command == "print" ? QStringList{"--name", "7b"} : QStringList();
        const tRun R = RunCli(QStringList{Command, Dir.filePath("faulty.lmt"), "--grup", "1",
                                          "--kind", Kind, "-o", Out} +
                              Name);
        QCOMPARE(R.Code, 1);
        QCOMPARE(R.Err.trimmed(), QStringLiteral("Fejl i intervaller"));
        QVERIFY(QFile::exists(Out));
        if (Command == "render") {
            // The red sign of the notice, no table.
            const QImage Img(Out);
            QVERIFY(AnyPixel(Img, QRect(0, 0, 40, 40), IsRed));
            return;
        }
        if (!HavePoppler())
            QSKIP("poppler-utils are not installed");
        QCOMPARE(PdfPages(Out), 1);
        const QString Text = PdfTexts(Out).first();
        QVERIFY2(Text.contains(Notice), qPrintable(Text));
        QVERIFY(!Text.contains(QStringLiteral("Interval")));
    }

    // The data sticks of 1000 lines: all rows drawn (the picture is taller
    // than the 20000 pixels a --size may ask for, with the axis labels at
    // its bottom), and a --size too low for the rows is refused.
    void longDataSticks()
    {
        const QString Png = Dir.filePath("long.png");
        const QString Long = Dir.filePath("long.lmt");
        tRun R = RunCli({"render", Long, "--col", "A", "--kind", "datapinde", "-o", Png});
        QCOMPARE(R.Code, 0);
        const QImage Img(Png);
        QVERIFY(Img.height() > 20000);
        QVERIFY(AnyPixel(Img, QRect(0, Img.height() - 40, Img.width(), 40), IsDark));
        QFile::remove(Png);
        R = RunCli({"render", Long, "--col", "A", "--kind", "datakurve", "--size", "500x20000",
                    "-o", Png});
        QCOMPARE(R.Code, 1);
        QVERIFY2(R.Err.contains(QStringLiteral("for lavt")), qPrintable(R.Err));
        QVERIFY(!QFile::exists(Png));
    }

    // Every page of a long table starts with the column headings; the
    // landscape page holds fewer rows, so more pages.
    void tableHeadings_data()
    {
        QTest::addColumn<bool>("Landscape");
        QTest::newRow("portrait") << false;
        QTest::newRow("landscape") << true;
    }
    void tableHeadings()
    {
        QFETCH(bool, Landscape);
        if (!HavePoppler())
            QSKIP("poppler-utils are not installed");
        const QString Pdf = Dir.filePath("headings.pdf");
        QStringList Args{"print", Data, "--col", "A", "--kind", "tabel", "-o", Pdf};
        if (Landscape)
            Args << "--landscape";
        QCOMPARE(RunCli(Args).Code, 0);
        const int Pages = PdfPages(Pdf);
        QCOMPARE(Pages > 3, Landscape);
        const QStringList Texts = PdfTexts(Pdf);
        const QRegularExpression Heads(QStringLiteral("Observation\\s+h\\s+H\\s+f\\s+F"));
        int Rows = 0;
        for (int P = 0; P < Pages; ++P) {
            QVERIFY2(Texts[P].contains(Heads), qPrintable(Texts[P]));
            static const QRegularExpression Row(QStringLiteral("(?m)^ *\\d{3} +1 +\\d+ "));
            for (auto It = Row.globalMatch(Texts[P]); It.hasNext(); It.next())
                ++Rows;
        }
        QCOMPARE(Rows, 150); // every value once
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
        Row("regression models", "--col B --col D --kind regression", "", "Regression", 1);
        Row("residual plot", "--col B --col D --kind residualplot --model potens", "x",
            "Residualplot - x", 1);
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
    // line, a model's curve, a residual plot's model) draws its own picture;
    // the scatter diagram's and the residual plot's are 400 x 400.
    void render()
    {
        QSet<QByteArray> Seen;
        const QString Png = Dir.filePath("out.png");
        for (const char *Kind :
             {"datapinde", "datakurve", "krydstabel", "maerketal", "krydsdiagram",
              "krydsdiagram --regression", "krydsdiagram --regression --model potens",
              "regression", "residualplot", "residualplot --model eksponentiel"}) {
            const QStringList Args =
                QStringList{"render", Data, "--col", "B", "--col", "D", "-o", Png, "--kind"} +
                QString(Kind).split(' ');
            QCOMPARE(RunCli(Args).Code, 0);
            const QImage Img(Png);
            if (QByteArray(Kind).startsWith("krydsd") || QByteArray(Kind).startsWith("resid"))
                QCOMPARE(Img.size(), QSize(400, 400));
            Seen.insert(
                QByteArray(reinterpret_cast<const char *>(Img.constBits()), Img.sizeInBytes()));
        }
        QCOMPARE(Seen.size(), 10);
    }
};

QTEST_MAIN(tst_cli_print)
#include "tst_cli_print.moc"
