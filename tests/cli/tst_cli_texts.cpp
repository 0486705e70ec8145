// The texts lumentor-cli writes, run as a separate program: info (also of a
// version 1 file) and convert, describe (one series and
// pairs of columns), import, export and --help, each compared with its
// expected output under expected/, and the refusals of every command.
#include "Lumen.h"
#include "support_cli.h"

#include <QFile>
#include <QImage>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>

class tst_cli_texts : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;

  private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Dir.isValid());
        // known.lmt: a field of every kind.
        tLumen K;
        K.SetCellText(0, 0, "5");
        K.SetCellText(2, 0, "abc");
        K.SetDecimals(0, 2);
        K.SetColName(0, "Højde");
        K.SetComment(0, "x\ty");
        K.SetGroupKind(2, gkManual);
        K.AddInterval(2, 0, 10);
        K.AddInterval(2, 10, 20.5L);
        K.SetFirstLower(2, 1.5L);
        K.SetRandomFrom(2, 1);
        K.SetRandomTo(2, 6);
        K.SetRandomCount(2, 10);
        K.SetHypName(1, "Sko");
        K.SetHypDecimals(1, 1);
        K.SetHypObsText(0, 1, "38,5");
        K.SetHypFreqText(0, 1, "4");
        K.SetHypFreqText(1, 1, "x");
        K.SetGrupLowText(0, 0, "0");
        K.SetGrupHighText(0, 0, "100");
        K.SetGrupFreqText(0, 0, "3");
        K.SetLineName(1, "Åse");
        K.SetText("a\tb\nc\\d");
        K.SetTextShown(true);
        DataType = dtHyp;
        K.SaveToFile(Dir.filePath("known.lmt"));
        QVERIFY(!K.WriteFailed());

        DataType = dtObs;
        // data.lmt: A named Højde; B grouped by hand into (0; 10] and
        // (10; 20]; text only in C; line 2 named Bo; frequency column 1 and
        // grouped column 2 whose third class overlaps the first.
        tLumen L;
        L.SetColName(0, QStringLiteral("Højde"));
        const QStringList A{"2", "1", "2", "3"}, B{"5", "15", "12", "18"};
        for (int I = 0; I < 4; ++I) {
            L.SetCellText(I, 0, A[I]);
            L.SetCellText(I, 1, B[I]);
        }
        L.SetGroupKind(1, gkManual);
        L.AddInterval(1, 0, 10);
        L.AddInterval(1, 10, 20);
        L.SetCellText(1, 2, "x");
        L.SetLineName(1, QStringLiteral("Bo"));
        L.SetHypName(0, QStringLiteral("Sko"));
        const QStringList H{"38", "3", "40", "1"};
        for (int I = 0; I < 2; ++I) {
            L.SetHypObsText(I, 0, H[2 * I]);
            L.SetHypFreqText(I, 0, H[2 * I + 1]);
        }
        const QStringList G{"0", "10", "1", "10", "20", "3", "5", "15", "2"};
        for (int I = 0; I < 3; ++I) {
            L.SetGrupLowText(I, 1, G[3 * I]);
            L.SetGrupHighText(I, 1, G[3 * I + 1]);
            L.SetGrupFreqText(I, 1, G[3 * I + 2]);
        }
        L.SaveToFile(Dir.filePath("data.lmt"));
        QVERIFY(!L.WriteFailed());
        // pair.lmt: A 1 2 2, B 5 5 6, C one short, D grouped automatically.
        tLumen P;
        const QStringList Cols[4] = {
            {"1", "2", "2"}, {"5", "5", "6"}, {"1", "2"}, {"3", "14", "7"}};
        for (int C = 0; C < 4; ++C)
            for (int I = 0; I < Cols[C].size(); ++I)
                P.SetCellText(I, C, Cols[C][I]);
        P.SetGroupKind(3, gkAuto);
        P.SetFirstLower(3, 0);
        P.SetFirstUpper(3, 10);
        P.SetGroupCount(3, 2);
        P.SaveToFile(Dir.filePath("pair.lmt"));
        QVERIFY(!P.WriteFailed());
        // huge.lmt: A 0 and 1e3000, B the same, C 0 and 5: squares beyond
        // the range of numbers.
        tLumen Huge;
        const QStringList HugeCols[3] = {{"0", "1e3000"}, {"0", "1e3000"}, {"0", "5"}};
        for (int C = 0; C < 3; ++C)
            for (int I = 0; I < 2; ++I)
                Huge.SetCellText(I, C, HugeCols[C][I]);
        Huge.SaveToFile(Dir.filePath("huge.lmt"));
        QVERIFY(!Huge.WriteFailed());
        QVERIFY(WriteAll(Dir.filePath("locked.lmt"), "previous content"));
        QVERIFY(QFile::setPermissions(Dir.filePath("locked.lmt"), QFile::ReadOwner));
        tLumen Empty;
        Empty.SaveToFile(Dir.filePath("empty.lmt"));
        QVERIFY(WriteAll(Dir.filePath("uneven.txt"), "1\t2\n3\n"));
        // in.lmt: imported from text with names of columns and lines.
        QVERIFY(WriteAll(Dir.filePath("in.txt"), "Navn;Vægt;Højde\nAnna;40,5;150\n\nBo;52;\n"));
        QCOMPARE(RunCli({"import", Dir.filePath("in.txt"), "-o", Dir.filePath("in.lmt")}).Code, 0);
        QVERIFY(WriteAll(Dir.filePath("garbage.lmt"), "hello, world, this is text"));
        QVERIFY(WriteAll(Dir.filePath("magic.lmt"), "\x0cLumentor0002"));
    }

    // "@name" stands for a file in the scratch folder. Expect: the file of
    // expected output on success, else a part of the message on standard
    // error; a refusal writes nothing and leaves its target (-o, or
    // convert's second file) as it was: absent, or with what it held.
    void run_data()
    {
        QTest::addColumn<QString>("Args");
        QTest::addColumn<int>("Code");
        QTest::addColumn<QString>("Expect");
        auto Row = [](const char *Name, const char *Args, int Code, const char *Expect) {
            QTest::newRow(Name) << QString(Args) << Code << QString::fromUtf8(Expect);
        };
        Row("info", "info @known.lmt", 0, "info_known.txt");
        Row("info of no file", "info @none.lmt", 1, "Kunne ikke læse data");
        Row("info of a bare header", "info @magic.lmt", 1, "Kunne ikke læse data");
        Row("convert of another kind", "convert @garbage.lmt @fresh.lmt", 1,
            "Kunne ikke læse data");
        Row("convert into a locked file", "convert @data.lmt @locked.lmt", 1,
            "Kunne ikke gemme data");
        Row("column table", "describe @data.lmt --col a --table", 0, "col_table.txt");
        Row("column keys", "describe @data.lmt --keys --col A", 0, "col_keys.txt");
        Row("grouped column", "describe @data.lmt --col B --table", 0, "grouped_table.txt");
        // Line 2 holds 1 and 15; the text in column C is skipped.
        Row("line", "describe @data.lmt --line 2 --table", 0, "line_table.txt");
        Row("two columns", "describe @data.lmt --col B --col A --table", 0, "two_cols_table.txt");
        Row("frequencies", "describe @data.lmt --hyp 1 --keys", 0, "hyp_keys.txt");
        Row("unreadable file", "describe @none.lmt --col A --table", 1, "Kunne ikke læse data");
        Row("text only", "describe @data.lmt --col C --keys", 1, "Serien indeholder ingen tal");
        Row("faulty keys", "describe @data.lmt --grup 2 --keys", 1, "Fejl i intervaller");
        Row("no form", "describe @data.lmt --col A", 2, "Brug");
        Row("bad column", "describe @data.lmt --col AA --table", 2, "Ugyldig serie");
        Row("mixed kinds", "describe @data.lmt --col A --hyp 1 --table", 2, "samme slags");
        Row("cross table", "describe @pair.lmt --col A --col B --crosstable", 0, "cross_table.txt");
        Row("either order", "describe @pair.lmt --col B --col A --crosstable", 0,
            "cross_table.txt");
        Row("pair keys", "describe @pair.lmt --col A --col B --pairkeys", 0, "pair_keys.txt");
        Row("pair keys of huge values", "describe @huge.lmt --col A --col B --pairkeys", 0,
            "pair_keys_huge.txt");
        Row("huge beside small", "describe @huge.lmt --col A --col C --pairkeys", 0,
            "pair_keys_huge_small.txt");
        Row("faulty pair", "describe @pair.lmt --col A --col C --pairkeys", 1, "Fejl i data-par");
        Row("grouped beside ungrouped", "describe @pair.lmt --col A --col D --crosstable", 1,
            "Begge kolonner skal være grupperede");
        Row("one column", "describe @pair.lmt --col A --crosstable", 2, "Brug:");
        Row("chi-square test of a pair", "describe @pair.lmt --col A --col B --chitest", 0,
            "pair_chitest.txt");
        Row("chi-square test of a faulty pair", "describe @pair.lmt --col A --col C --chitest", 1,
            "Fejl i data-par");
        Row("chi-square test of one column", "describe @pair.lmt --col A --chitest", 2,
            "Angiv to kolonner med --col");
        Row("chi-square test of empty classes", "describe @data.lmt --grup 1 --chitest", 1,
            "Serien indeholder ingen tal");
        Row("goodness of fit", "describe @data.lmt --hyp 1 --chitest", 0, "hyp_chitest.txt");
        Row("normal plot points", "describe @data.lmt --col A --normalplot", 0,
            "col_normalplot.txt");
        Row("normal plot of faulty classes", "describe @data.lmt --grup 2 --normalplot", 1,
            "Fejl i intervaller");
        Row("scatter of a grouped column",
            "render @pair.lmt --col A --col D --kind krydsdiagram -o @x.png", 1,
            "Krydsdiagram kræver ugrupperede kolonner");
        Row("cross table of one column", "render @pair.lmt --col A --kind krydstabel -o @x.png", 1,
            "Angiv to kolonner med --col");
        Row("print of an empty data set", "print @empty.lmt --data -o @none.pdf", 1,
            "Datasættet er tomt");
        Row("print of the data set as a kind", "print @data.lmt --data --kind tabel -o @x.pdf", 2,
            "Brug");
        Row("help", "--help", 0, "help_all.txt");
        Row("one command's help", "render -h", 0, "help_render.txt");
        Row("help of no command", "nej --help", 2, "Brug:");
        Row("help not alone", "export a.lmt --help", 2, "Brug:");
        Row("export with names", "export @in.lmt --names", 0, "export_names.txt");
        Row("export", "export @in.lmt", 0, "export.txt");
        Row("imported file described", "describe @in.lmt --col A --table", 0, "imported_table.txt");
        Row("uneven text", "import @uneven.txt -o @uneven.lmt", 1, "række 2 har 1 felt,");
        Row("no text file", "import @none.txt -o @none.lmt", 1, "Kunne ikke læse tekstfilen");
        Row("import without -o", "import @uneven.txt", 2, "Brug:");
        Row("export of no file", "export @none.lmt", 1, "Kunne ikke læse data");
        Row("export for the clipboard", "export @in.lmt --crlf", 0, "export_crlf.txt");
        Row("regression with a table", "render @data.lmt --col A --kind tabel --regression -o @x.png",
            2, "--regression kan kun bruges med --kind krydsdiagram");
        Row("regression with the data set", "print @data.lmt --data --regression -o @x.pdf", 2,
            "--regression kan kun");
        Row("print without -o", "print @data.lmt --col A --kind tabel", 2, "print FIL.lmt SERIE");
        Row("regression models", "describe @pair.lmt --col A --col B --regression", 0,
            "regression.txt");
        Row("regression of a faulty pair", "describe @pair.lmt --col A --col C --regression", 1,
            "Fejl i data-par");
        Row("regression of one column", "describe @pair.lmt --col A --regression", 2, "Brug:");
        Row("regression kind of a grouped column",
            "render @pair.lmt --col A --col D --kind regression -o @x.png", 1,
            "Regression kræver ugrupperede kolonner");
        Row("unknown model",
            "render @pair.lmt --col A --col B --kind residualplot --model kvadratisk -o @x.png", 2,
            "Ukendt model: kvadratisk");
        Row("a model for a table", "print @data.lmt --col A --kind tabel --model potens -o @x.pdf",
            2, "--model bruges med");
        Row("a model without the line",
            "render @pair.lmt --col A --col B --kind krydsdiagram --model potens -o @x.png", 2,
            "--model bruges med");
        // Every command refuses an option it does not know: its name and the
        // command's usage, before anything is read or written.
        Row("unknown option of convert", "convert @data.lmt @fresh.lmt --bogus", 2,
            "Ukendt tilvalg: --bogus\nBrug:\n  lumentor-cli convert IND.lmt UD.lmt");
        Row("unknown option of describe", "describe @data.lmt --col A --table --bogus 7", 2,
            "Ukendt tilvalg: --bogus\nBrug:\n  lumentor-cli describe FIL.lmt SERIE");
        Row("unknown option of export", "export @in.lmt -n", 2,
            "Ukendt tilvalg: -n\nBrug:\n  lumentor-cli export FIL.lmt");
        Row("unknown option of import", "import @uneven.txt --sheets 2 -o @new.lmt", 2,
            "Ukendt tilvalg: --sheets\nBrug:\n  lumentor-cli import ");
        Row("unknown option of info", "info --all @known.lmt", 2,
            "Ukendt tilvalg: --all\nBrug:\n  lumentor-cli info FIL.lmt");
        Row("unknown option of print", "print @data.lmt --col A --kind tabel --bogus -o @x.pdf", 2,
            "Ukendt tilvalg: --bogus\nBrug:\n  lumentor-cli print FIL.lmt SERIE");
        Row("unknown option of render", "render @data.lmt --col A --kind tabel --bogus 7 -o @x.png",
            2, "Ukendt tilvalg: --bogus\nBrug:\n  lumentor-cli render FIL.lmt SERIE");
        Row("an option of another command",
            "render @data.lmt --col A --kind tabel --data -o @x.png", 2, "Ukendt tilvalg: --data");
        Row("an option after a value",
            "render @data.lmt --col A --kind tabel -o @x.png --size 9x9 --zoom2 200", 2,
            "Ukendt tilvalg: --zoom2");
        Row("zoom below the panes'", "render @data.lmt --col A --kind tabel --zoom 50 -o @x.png", 2,
            "Ugyldig zoom: 50 (100 til 300 %)");
        Row("zoom above the panes'", "render @data.lmt --col A --kind tabel --zoom 301 -o @x.png",
            2, "Ugyldig zoom: 301");
        Row("zoom not a number", "render @data.lmt --col A --kind tabel --zoom 2x -o @x.png", 2,
            "Ugyldig zoom: 2x");
        Row("zoom without its value", "render @data.lmt --col A --kind tabel -o @x.png --zoom", 2,
            "Mangler værdi efter --zoom");
    }

    // A value that looks like an option is the option's value, not an
    // unknown option.
    void valueLikeAnOption()
    {
        const QString Out = Dir.filePath("dashed.pdf");
        const tRun R = RunCli({"print", Dir.filePath("data.lmt"), "--col", "A", "--kind", "tabel",
                               "--name", "-x-", "-o", Out});
        QCOMPARE(R.Err, QString());
        QCOMPARE(R.Code, 0);
        QVERIFY(QFile::exists(Out));
    }

    // --zoom draws the pane's picture enlarged: the picture and its ink
    // grow by the factor (the text rounded to whole pixels); with --size the
    // picture keeps that size.
    void renderZoom_data()
    {
        QTest::addColumn<QString>("Kind");
        QTest::addColumn<int>("Zoom");
        QTest::newRow("table at 150") << "tabel" << 150;
        QTest::newRow("table at 200") << "tabel" << 200;
        QTest::newRow("key figures at 300") << "maerketal" << 300;
        QTest::newRow("pie chart at 200") << "cirkeldiagram" << 200;
        QTest::newRow("pie chart at 300") << "cirkeldiagram" << 300;
    }
    void renderZoom()
    {
        QFETCH(QString, Kind);
        QFETCH(int, Zoom);
        const auto Render = [&](int Percent, const QStringList &More) {
            const QString Out = Dir.filePath(QStringLiteral("zoom%1.png").arg(Percent));
            const tRun R =
                RunCli(QStringList{"render", Dir.filePath("data.lmt"), "--col", "A", "--kind", Kind,
                                   "--zoom", QString::number(Percent), "-o", Out} +
                       More);
            return R.Code == 0 ? QImage(Out) : QImage();
        };
        const QImage Normal = Render(100, {}), Zoomed = Render(Zoom, {});
        QVERIFY(!Normal.isNull() && !Zoomed.isNull());
        const double Z = Zoom / 100.0;
        QCOMPARE(Zoomed.size(),
                 QSize(int(std::ceil(Normal.width() * Z)), int(std::ceil(Normal.height() * Z))));
        const auto Ink = [](const QImage &I) {
            QRect Box;
            for (int Y = 0; Y < I.height(); ++Y)
                for (int X = 0; X < I.width(); ++X)
                    if (qGray(I.pixel(X, Y)) < 128)
                        Box |= QRect(X, Y, 1, 1);
            return Box;
        };
        const QRect A = Ink(Normal), B = Ink(Zoomed);
        QVERIFY(!A.isEmpty());
        QVERIFY2(std::abs(B.top() - A.top() * Z) <= Z + 1, qPrintable(QString::number(B.top())));
        QVERIFY2(std::abs(B.height() - A.height() * Z) <= 2 * Z + 1,
                 qPrintable(QStringLiteral("%1 -> %2").arg(A.height()).arg(B.height())));
        QVERIFY2(std::abs(B.width() - A.width() * Z) <= 3 * Z + 2,
                 qPrintable(QStringLiteral("%1 -> %2").arg(A.width()).arg(B.width())));
        QCOMPARE(Render(Zoom, {"--size", "300x200"}).size(), QSize(300, 200));
    }
    void run()
    {
        QFETCH(QString, Args);
        QFETCH(int, Code);
        QFETCH(QString, Expect);
        QStringList List = Args.split(' ');
        for (QString &A : List)
            if (A.startsWith('@'))
                A = Dir.filePath(A.mid(1));
        const int At = List[0] == "convert" ? 2 : List.indexOf("-o") + 1;
        const QString Target = At > 0 ? List[At] : QString();
        const QByteArray Before = ReadAll(Target);
        const bool Existed = QFile::exists(Target);
        const tRun R = RunCli(List);
        QCOMPARE(R.Code, Code);
        if (Code == 0) {
            QCOMPARE(R.Out, Expected(Expect));
            return;
        }
        QVERIFY2(R.Err.contains(Expect), qPrintable(R.Err));
        QVERIFY(R.Out.isEmpty());
        QCOMPARE(QFile::exists(Target), Existed);
        QCOMPARE(ReadAll(Target), Before);
    }

    // Every option a command's usage names is explained by its --help and
    // in the manual page, which is written from the same table.
    void helpCoversEveryOption()
    {
        QFile Man(QCoreApplication::applicationDirPath() + "/../man/lumentor-cli.1");
        QVERIFY(Man.open(QIODevice::ReadOnly));
        const QString Page = QString::fromUtf8(Man.readAll())
                                 .replace(QStringLiteral("\\-"), "-")
                                 .remove(QStringLiteral("\\:"));
        const QRegularExpression Word(QStringLiteral("^  lumentor-cli (\\w+) "));
        const QRegularExpression Option(QStringLiteral("(?:^|[ \\[|])(-o|--[a-z]+)\\b"));
        QStringList Commands;
        for (const QString &Line : QString::fromUtf8(RunCli({"--help"}).Out).split('\n'))
            if (const auto M = Word.match(Line); M.hasMatch() && !Commands.contains(M.captured(1)))
                Commands << M.captured(1);
        QVERIFY(Commands.size() >= 7);
        for (const QString &Command : Commands) {
            const tRun R = RunCli({Command, "--help"});
            QCOMPARE(R.Code, 0);
            const QStringList Lines = QString::fromUtf8(R.Out).split('\n');
            QVERIFY2(Page.contains(".SS " + Command), qPrintable(Command));
            for (const QString &Line : Lines) {
                if (!Line.startsWith("  lumentor-cli "))
                    continue;
                QVERIFY2(Page.contains(Line.trimmed().section(' ', 1)), qPrintable(Line));
                for (auto It = Option.globalMatch(Line); It.hasNext();) {
                    const QString O = It.next().captured(1);
                    if (O == "--help")
                        continue;
                    const bool Explained = std::any_of(Lines.begin(), Lines.end(), [&](const QString &L) {
                        return L.startsWith("      " + O + " ") || L == "      " + O;
                    });
                    QVERIFY2(Explained, qPrintable(Command + ' ' + O));
                    QVERIFY2(Page.contains("\\fB" + O), qPrintable(Command + ' ' + O));
                }
            }
        }
    }

    // version1.lmt, as the first version of the program saved it: column A
    // named "Vægt" with 1 decimal, random settings without the later flag,
    // 2,5 and a text cell; line 1 named "Lørdag".
    void convertVersionOne()
    {
        const QString Old = QStringLiteral(LUMEN_SOURCE_DIR "/tests/cli/expected/version1.lmt");
        QCOMPARE(RunCli({"info", Old}).Out, Expected("info_version1.txt"));
        const tRun C = RunCli({"convert", Old, Dir.filePath("new.lmt")});
        QCOMPARE(C.Err, QString());
        QCOMPARE(C.Code, 0);
        const QByteArray New = ReadAll(Dir.filePath("new.lmt"));
        // 26 random flags, the empty text and its window flag are added.
        QCOMPARE(New.size(), ReadAll(Old).size() + 26 + 5);
        QCOMPARE(RunCli({"info", Dir.filePath("new.lmt")}).Out,
                 Expected("info_version1.txt").replace("filversion\t1\n", "filversion\t2\n"));
    }
};

QTEST_GUILESS_MAIN(tst_cli_texts)
#include "tst_cli_texts.moc"
