// The statistics summary: frequency lists of observation columns and
// frequency tables, automatic and manual groupings, grouped tables (with the
// stop at faulty classes), title and decimals, selection and
// damaged input. Text transfer byte by byte: the writers of columns, lines
// and sheets (tables and key figures: see the panes and CLI tests); pasting a
// column, line, frequency or class column in front of the old one; the sheet
// reader with its header row and name column and its refusal of uneven rows;
// text files.
#include "Descriptor.h"
#include "KeyFigures.h"
#include "TextTransfer.h"
#include "support_drawing.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <limits>

namespace
{

using testdraw::Recomputed;

void FillColumn(tLumen &L, int Col, const QStringList &Texts)
{
    for (int I = 0; I < Texts.size(); ++I)
        L.SetCellText(I, Col, Texts[I]);
}

// Each entry of series 0 as "value h H f F", a class as "lower-upper h H f
// F" (f and F to six digits).
QStringList Entries(const tDescriptor &D)
{
    QStringList Out;
    for (const TFreqRecord &R : D.GetSeries(0).List)
        Out << (D.IsGrouped() ? QStringLiteral("%1-%2").arg(double(R.Lower)).arg(double(R.Upper))
                              : QString::number(double(R.Value))) +
                   QStringLiteral(" %1 %2 %3 %4")
                       .arg(R.h)
                       .arg(R.H)
                       .arg(double(R.f))
                       .arg(double(R.F));
    return Out;
}

QString Summary(const tDescriptor &D)
{
    return QStringLiteral("n %1 min %2 max %3 mean %4 maxh %5 maxf %6 dec %7")
               .arg(D.N())
               .arg(double(D.Min()))
               .arg(double(D.Max()))
               .arg(double(D.Mean()))
               .arg(D.MaxH())
               .arg(double(D.MaxF()))
               .arg(D.GetDecimals()) +
           (D.GetSeries(0).ClassGaps ? " gaps" : "") + (D.HasClassFault() ? " fault" : "");
}

enum tKind { kColumn, kLine, kHyp, kGrup };

// Columns X (1 2 3), Vægt i kg (1,5 _ 3 with one decimal), C (4) and D (_ x);
// line 2 named Bo; frequency column B named Sko; class column B.
void Fill(tLumen &L)
{
    L.SetColName(0, QStringLiteral("X"));
    L.SetColName(1, QStringLiteral("Vægt i kg"));
    L.SetDecimals(1, 1);
    FillColumn(L, 0, {"1", "2", "3"});
    FillColumn(L, 1, {"1,5", "", "3"});
    FillColumn(L, 2, {"4"});
    FillColumn(L, 3, {"", "x"});
    L.SetLineName(1, QStringLiteral("Bo"));
    L.SetHypName(1, QStringLiteral("Sko"));
    L.SetHypDecimals(1, 1);
    L.SetHypObsText(0, 1, "38");
    L.SetHypFreqText(0, 1, "4");
    L.SetHypFreqText(1, 1, "2");
    L.SetGrupLowText(0, 1, "0");
    L.SetGrupHighText(0, 1, "10");
    L.SetGrupFreqText(0, 1, "3");
    L.SetGrupLowText(1, 1, "10");
    L.SetGrupHighText(1, 1, "ti");
}

// The writer and the paste of each kind.
QString (*const Write[])(const tLumen &, int) = {ColumnText, LineText, HypColumnText,
                                                 GrupColumnText};
void (*const Paste[])(tLumen &, int, const QString &, bool) = {PasteColumn, PasteLine,
                                                               PasteHypColumn, PasteGrupColumn};

} // namespace

class tst_descriptor : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { DataType = dtObs; }

    // Column B of observations (grouped automatically by "auto a b gap
    // count", or manually by "manual" and pairs of bounds), frequencies as
    // "value:h" or classes as "lower:upper:h". Text and empty cells are
    // skipped; a text value, a negative and a non-integer frequency leave
    // their row out; frequency 0 keeps its entry; equal values merge.
    // Touching automatic classes are open below, the first one too; with a
    // gap every class is closed; of overlapping classes the first in list
    // order wins. Manual classes are closed below when they do not touch the
    // one before. Values outside every class count in n (and the mean) only.
    // Classes of a table are sorted as they are added, equal ones merged; a
    // class turned round or overlapping another stops the list and leaves
    // the mean and cumulative figures out.
    void lists_data()
    {
        QTest::addColumn<QString>("Kind");
        QTest::addColumn<QStringList>("Cells");
        QTest::addColumn<QStringList>("List");
        QTest::addColumn<QString>("Figures");
        auto Row = [](const char *Name, const char *Kind, const QStringList &Cells,
                      const QStringList &List, const char *Figures) {
            QTest::newRow(Name) << QString(Kind) << Cells << List << QString(Figures);
        };
        Row("column", "obs", {"2", "1", "2", "3"},
            {"1 1 1 0.25 0.25", "2 2 3 0.5 0.75", "3 1 4 0.25 1"},
            "n 4 min 1 max 3 mean 2 maxh 2 maxf 0.5 dec 3");
        Row("text and empty cells", "obs", {"5", "", "abc", "-0,5", "", "5", "7,5"},
            {"-0.5 1 1 0.25 0.25", "5 2 3 0.5 0.75", "7.5 1 4 0.25 1"},
            "n 4 min -0.5 max 7.5 mean 4.25 maxh 2 maxf 0.5 dec 3");
        Row("table", "hyp", {"3:2", "1:1", "3:4", "2:0", "x:9", "5:-3", "4:2,5", "6:1"},
            {"1 1 1 0.125 0.125", "2 0 1 0 0.125", "3 6 7 0.75 0.875", "6 1 8 0.125 1"},
            "n 8 min 1 max 6 mean 3.125 maxh 6 maxf 0.75 dec 2");
        Row("frequencies all 0", "hyp", {"4:0", "2:0"}, {"2 0 0 0 0", "4 0 0 0 0"},
            "n 0 min 2 max 4 mean 0 maxh 0 maxf 0 dec 2");
        Row("auto gap 0", "auto 0 10 0 2", {"0", "10", "10,5", "20", "21"},
            {"0-10 1 1 0.2 0.2", "10-20 2 3 0.4 0.6"},
            "n 5 min 0 max 20 mean 7 maxh 2 maxf 0.4 dec 3");
        Row("auto gap 1", "auto 0 9 1 2", {"0", "9", "10", "9,5", "19"},
            {"0-9 2 2 0.4 0.4", "10-19 2 4 0.4 0.8"},
            "n 5 min 0 max 19 mean 7.6 maxh 2 maxf 0.4 dec 3 gaps");
        Row("auto overlap", "auto 0 10 -5 3", {"6", "10", "11", "19"},
            {"0-10 2 2 0.5 0.5", "5-15 1 3 0.25 0.75", "10-20 1 4 0.25 1"},
            "n 4 min 0 max 20 mean 8.75 maxh 2 maxf 0.5 dec 3");
        Row("manual", "manual 0 10 10 20 25 30", {"0", "10", "20", "22", "25", "30", "31"},
            {"0-10 2 2 0.285714 0.285714", "10-20 1 3 0.142857 0.428571",
             "25-30 2 5 0.285714 0.714286"},
            "n 7 min 0 max 30 mean 11.4286 maxh 2 maxf 0.285714 dec 3");
        // Classes out of order (only a damaged file has them): list order wins.
        Row("manual unordered", "manual 20 30 0 10 5 25", {"7", "22", "0", "10"},
            {"20-30 1 1 0.25 0.25", "0-10 2 3 0.5 0.75", "5-25 0 3 0 0.75"},
            "n 4 min 20 max 25 mean 8.75 maxh 2 maxf 0.5 dec 3");
        Row("no classes", "auto 0 10 0 0", {"1", "2"}, {},
            "n 2 min 0 max 0 mean 0 maxh 0 maxf 0 dec 3");
        // Lines without a usable frequency are left out.
        Row("classes sorted", "grup",
            {"10:20:3", "0:10:1", "30:40:2", "20:30:4", "10:20:1", "50:60:", "60:70:-1", "70:80:x"},
            {"0-10 1 1 0.0909091 0.0909091", "10-20 4 5 0.363636 0.454545",
             "20-30 4 9 0.363636 0.818182", "30-40 2 11 0.181818 1"},
            "n 11 min 0 max 40 mean 21.3636 maxh 4 maxf 0.363636 dec 1");
        Row("overlap stops", "grup", {"0:10:2", "20:30:1", "5:15:7", "40:50:1"},
            {"0-10 2 0 0 0", "20-30 1 0 0 0"},
            "n 3 min 0 max 30 mean 0 maxh 2 maxf 0.666667 dec 1 fault");
        Row("turned round stops", "grup", {"0:10:2", "30:20:1", "40:50:1"}, {"0-10 2 0 0 0"},
            "n 2 min 0 max 10 mean 0 maxh 2 maxf 1 dec 1 fault");
        Row("too wide for the gap", "grup", {"0:10:1", "20:30:1", "10:21:1"},
            {"0-10 1 0 0 0", "20-30 1 0 0 0"},
            "n 2 min 0 max 30 mean 0 maxh 1 maxf 0.5 dec 1 fault");
        // Enough values to make the value table grow: 300 values, each twice.
        QStringList Many(600), Each;
        for (int I = 0; I < 300; ++I) {
            Many[I] = Many[599 - I] = QString::number(I * 7 % 300);
            Each << QStringLiteral("%1 2 %2 %3 %4")
                        .arg(I)
                        .arg(2 * I + 2)
                        .arg(1 / 300.0)
                        .arg((I + 1) / 300.0);
        }
        Row("many values", "obs", Many, Each,
            "n 600 min 0 max 299 mean 149.5 maxh 2 maxf 0.00333333 dec 3");
    }

    void lists()
    {
        QFETCH(QString, Kind);
        QFETCH(QStringList, Cells);
        QFETCH(QStringList, List);
        QFETCH(QString, Figures);
        const QStringList Spec = Kind.split(' ');
        tLumen L;
        for (int I = 0; I < Cells.size(); ++I) {
            const QStringList C = Cells[I].split(':');
            if (Spec[0] == "hyp") {
                L.SetHypObsText(I, 1, C[0]);
                L.SetHypFreqText(I, 1, C[1]);
            } else if (Spec[0] == "grup") {
                L.SetGrupLowText(I, 1, C[0]);
                L.SetGrupHighText(I, 1, C[1]);
                L.SetGrupFreqText(I, 1, C[2]);
            } else {
                L.SetCellText(I, 1, C[0]);
            }
        }
        L.SetDecimals(1, 3);
        L.SetHypDecimals(1, 2);
        L.SetGrupDecimals(1, 1);
        if (Spec[0] == "auto") {
            L.SetGroupKind(1, gkAuto);
            L.SetFirstLower(1, Spec[1].toDouble());
            L.SetFirstUpper(1, Spec[2].toDouble());
            L.SetGap(1, Spec[3].toDouble());
            L.SetGroupCount(1, Spec[4].toInt());
        } else if (Spec[0] == "manual") {
            L.SetGroupKind(1, gkManual);
            for (int I = 1; I + 1 < Spec.size(); I += 2)
                L.AddInterval(1, Spec[I].toDouble(), Spec[I + 1].toDouble());
        }
        const TDataType Type = Spec[0] == "hyp" ? dtHyp : Spec[0] == "grup" ? dtGrup : dtObs;
        Type == dtHyp    ? L.ToggleHypColSelected(1)
        : Type == dtGrup ? L.ToggleGrupColSelected(1)
                         : L.ToggleColSelected(1);
        tDescriptor &D = Recomputed(L, Type);
        QVERIFY(!D.IsDirty());
        QCOMPARE(D.IsGrouped(), Spec[0] != "obs" && Spec[0] != "hyp");
        QCOMPARE(Entries(D), List);
        QCOMPARE(Summary(D), Figures);
        QCOMPARE(D.GetTitle(), QStringLiteral("Søjle B"));
        D.MarkStale(); // marking stale clears a fault
        QVERIFY(!D.HasClassFault());
    }

    // Values a file can carry but typing cannot: a huge class count, NaN and
    // infinity in cells, NaN class bounds, an unknown grouping kind, sums that
    // overflow.
    void damagedInput()
    {
        tLumen L;
        FillColumn(L, 0, {"1", "5"});
        L.SetGroupKind(0, gkAuto);
        L.SetFirstLower(0, 0);
        L.SetFirstUpper(0, 1);
        L.SetGroupCount(0, std::numeric_limits<int32_t>::max());
        L.ToggleColSelected(0);
        tDescriptor &D = Recomputed(L);
        QCOMPARE(D.ListCount(0), int(MaxClasses));
        QCOMPARE(Entries(D).mid(0, 5),
                 (QStringList{"0-1 1 1 0.5 0.5", "1-2 0 1 0 0.5", "2-3 0 1 0 0.5", "3-4 0 1 0 0.5",
                              "4-5 1 2 0.5 1"}));
        auto Again = [&] {
            D.MarkStale();
            D.Recompute(L);
        };
        L.SetGroupCount(0, -7);
        Again();
        QCOMPARE(D.ListCount(0), 0);
        QCOMPARE(D.N(), 2);

        FillColumn(L, 0, {"3", "1", "2"});
        L.SetGroupKind(0, gkNone);
        L.Cols[0].Cells[1].Value = std::numeric_limits<long double>::quiet_NaN();
        L.Cols[0].Cells[2].Value = std::numeric_limits<long double>::infinity();
        Again();
        QCOMPARE(Summary(D), QStringLiteral("n 1 min 3 max 3 mean 3 maxh 1 maxf 1 dec 0"));

        FillColumn(L, 0, {"3", "1", "2"});
        L.SetGroupKind(0, gkManual);
        L.AddInterval(0, std::numeric_limits<long double>::quiet_NaN(), 2);
        L.AddInterval(0, 0, 5);
        Again();
        QCOMPARE(Entries(D), (QStringList{"nan-2 0 0 0 0", "0-5 3 3 1 1"}));
        L.Cols[0].GroupKind = 7;
        Again();
        QVERIFY(D.IsGrouped());
        QCOMPARE(D.ListCount(0), 0);
        QCOMPARE(D.N(), 3);

        const long double Big = std::numeric_limits<long double>::max();
        L.Cols[0].GroupKind = gkNone;
        L.Cols[0].Cells[0].Value = L.Cols[0].Cells[1].Value = Big;
        L.Cols[0].Cells[2].Value = -Big;
        Again();
        QCOMPARE(D.N(), 3);
        QCOMPARE(D.ListCount(0), 2);
        QVERIFY(!std::isnan(double(D.StdDev())));
        QCOMPARE(double(D.Median()), double(Big));
    }

    // Columns A (named, 2 decimals) and B (unnamed, no decimals) marked; or
    // lines 2 (unnamed) and 3 (named), line 2 with its first number in B:
    // the decimals are those of the first column described.
    void titleAndDecimals()
    {
        for (bool Lines : {false, true}) {
            tLumen L;
            L.SetColName(0, QStringLiteral("Højde"));
            L.Cols[0].Decimals = 99; // as a damaged file may hold
            L.SetDecimals(2, 4);
            FillColumn(L, 0, {"1", "x", "3"});
            FillColumn(L, 1, {"1", "2", "3"});
            FillColumn(L, 2, {"1", "7", "3"});
            L.SetLineName(2, QStringLiteral("Ærø"));
            for (int I : {1, 0})
                Lines ? L.ToggleLineSelected(I + 1) : L.ToggleColSelected(I);
            const tDescriptor &D = Recomputed(L);
            QCOMPARE(D.GetTitle(), Lines ? "Linje 2 og Ærø" : "Højde og Søjle B");
            QCOMPARE(D.GetDecimals(), Lines ? 0 : 18);
            QCOMPARE(D.SeriesCount(), 2);
            QCOMPARE(D.GetSeries(0).IsLine, Lines);
            QCOMPARE(D.GetSeries(1).Source, Lines ? 2 : 1);
            // Line 2 holds 2 (column B) and 7 (column C); the text is skipped.
            QCOMPARE(double(D.Mean(0)), Lines ? 4.5 : 2.0);
            QCOMPARE(double(D.Mean(1)), Lines ? 3.0 : 2.0);
            L.ClearColSelection(); // with nothing marked the decimals fall again
            L.ClearLineSelection();
            QCOMPARE(Recomputed(L).GetDecimals(), 0);
        }
    }

    // Values near the end of the number range: a figure that passes it reads
    // "(udefineret)", the others are still computed (Sum, Range, Mean,
    // Variance, StdDev as text).
    void hugeValues_data()
    {
        QTest::addColumn<QStringList>("Cells");
        QTest::addColumn<QString>("Figures");
        QTest::newRow("squares overflow") << QStringList{"1e4900", "2", "3"}
                                          << "1E4900|1E4900|3,33333333333333333E4899|"
                                             "(udefineret)|4,71404520791031683E4899";
        QTest::newRow("sum overflows, all equal")
            << QStringList{"1e4932", "1e4932"} << "(udefineret)|0|1E4932|0,00|0,00";
        QTest::newRow("range overflows") << QStringList{"-1e4932", "1e4932", "1"}
                                         << "1|(udefineret)|0,33|(udefineret)|8,16496580927726033E4931";
        QTest::newRow("ordinary values") << QStringList{"1", "2", "3", "6"} << "12|5|3,00|3,50|1,87";
    }

    void hugeValues()
    {
        QFETCH(QStringList, Cells);
        QFETCH(QString, Figures);
        tLumen L;
        FillColumn(L, 0, Cells);
        L.ToggleColSelected(0);
        const tDescriptor &D = Recomputed(L);
        const QStringList Got = {FigureText(D.Sum(), 0), FigureText(D.Range(), 0),
                                 FigureText(D.Mean(0), 2), FigureText(D.Variance(), 2),
                                 FigureText(D.StdDev(), 2)};
        QCOMPARE(Got.join('|'), Figures);
        QVERIFY(!UngroupedKeyFiguresText(D).contains(QStringLiteral("NAN")));
        QVERIFY(!UngroupedKeyFiguresText(D).contains(QStringLiteral("INF")));
    }

    // Linked: a cross table or scatter diagram in pane 1, or a table beside
    // a graph or a cross table beside a scatter diagram in panes 2 and 3.
    void linkedPanes()
    {
        const struct {
            uint8_t Kinds[4];
            bool Linked;
        } Cases[] = {{{0, 0, bkSumfrekvensgraf, bkTabel}, true},
                     {{0, 0, bkTabel, bkFrekvensgraf}, true},
                     {{0, 0, bkHyppighedsgraf, bkTabel}, true},
                     {{0, 0, bkKrydsdiagram, bkKrydstabel}, true},
                     {{0, 0, bkKrydstabel, bkKrydsdiagram}, true},
                     {{0, 0, bkTabel, bkMaerketal}, false},
                     {{0, 0, bkTabel, bkTabel}, false},
                     {{0, 0, bkKrydstabel, bkTabel}, false},
                     {{0, bkKrydsdiagram, 0, 0}, true},
                     {{0, bkKrydstabel, 0, 0}, true},
                     {{0, bkTabel, bkHyppighedsgraf, 0}, false}};
        for (const auto &C : Cases) {
            tDescriptor D;
            for (int P = 1; P <= 3; ++P)
                D.SetPaneKind(P, C.Kinds[P]);
            QVERIFY2(
                D.PanesAreLinked() == C.Linked,
                qPrintable(
                    QStringLiteral("%1 %2 %3").arg(C.Kinds[1]).arg(C.Kinds[2]).arg(C.Kinds[3])));
        }
    }

    // A value is selected at itself, a class (second series) at its upper
    // bound; a selection shows in linked panes, picked lines in any.
    void selection()
    {
        tLumen L;
        FillColumn(L, 0, {"1", "2", "2", "3"});
        FillColumn(L, 1, {"4", "12"});
        L.SetGroupKind(1, gkManual);
        L.AddInterval(1, 0, 10);
        L.AddInterval(1, 10, 20);
        L.ToggleColSelected(0);
        L.ToggleColSelected(1);
        tDescriptor &D = Recomputed(L);
        const auto State = [&D] {
            return QStringLiteral("%1 %2 r%3 p%4 %5")
                .arg(D.SelectedIndex())
                .arg(D.SecondSelectedIndex())
                .arg(D.GetReadingCount())
                .arg(D.AnyPicked())
                .arg(D.SelectionShown() ? "shown" : "hidden");
        };
        D.SetPaneKind(2, bkTabel);
        D.SetPaneKind(3, bkHyppighedsgraf);
        D.SelectEntry(1);
        D.SelectSecond(1);
        QCOMPARE(State(), "1 1 r0 p0 shown");
        QCOMPARE(double(D.SecondSelectedX()), 20.0); // the class's upper bound
        D.SetPaneKind(3, bkFrekvensgraf);            // setting a kind clears the selection
        QCOMPARE(State(), "-1 -1 r0 p0 hidden");
        D.SelectEntry(2);
        D.AddReading(1, 1, 0);
        D.SetPicked(3);
        QCOMPARE(State(), "2 -1 r1 p1 shown");
        D.SelectEntry(4); // outside the list: everything cleared
        QCOMPARE(State(), "-1 -1 r0 p0 hidden");
        D.SelectEntry(2);
        D.AddReading(1, 1, 0);
        D.SelectSecond(2);
        QCOMPARE(State(), "-1 -1 r0 p0 hidden");
        D.SetPaneKind(2, bkIngen);
        D.SetPicked(5);
        QCOMPARE(State(), "-1 -1 r0 p1 shown");
        D.SetPicked(5, false);
        QCOMPARE(State(), "-1 -1 r0 p0 hidden");
    }

    // A sheet pasted over the old data replaces all of it (undoably); its
    // empty line names do not spoil the name column.
    void sheetText()
    {
        tLumen L;
        QCOMPARE(SheetText(L, false), QString());
        QCOMPARE(SheetText(L, true), QStringLiteral("\t\r")); // the name row still ends
        Fill(L);
        // A line runs to the last column reaching it.
        QCOMPARE(LineText(L, 0), QStringLiteral("\r\n1\r\n1,5\r\n4\r\n\r\n"));
        QCOMPARE(ColumnText(L, 5), QStringLiteral("\r\n"));
        QCOMPARE(SheetText(L, false), QStringLiteral("1\t1,5\t4\t\r2\t\t\tx\r3\t3,0\t\t\r"));
        const QString Named = SheetText(L, true);
        QCOMPARE(Named,
                 QStringLiteral("\tX\tVægt i kg\t\t\r\t1\t1,5\t4\t\rBo\t2\t\t\tx\r\t3\t3,0\t\t\r"));
        tLumen M;
        FillColumn(M, 5, {"old"});
        M.SetLineName(4, QStringLiteral("old"));
        QVERIFY(PasteSheet(M, Named, false));
        QCOMPARE(M.GetUndoOp(), uint8_t(uoInsertSheet));
        QCOMPARE(SheetText(M, true), Named);
        M.Undo();
        QCOMPARE(SheetText(M, true), QStringLiteral("\t\t\t\t\t\t\r\t\t\t\t\t\told\r"));
        QCOMPARE(M.GetLineName(4), QStringLiteral("old"));
    }

    // Pasted as column, line or table column 2; read back through the writer.
    // The first token names it when it is empty or holds a letter and is not
    // the text's last; a pasted decimal raises the shown decimals.
    void paste_data()
    {
        QTest::addColumn<int>("Kind");
        QTest::addColumn<QString>("Text");
        QTest::addColumn<bool>("FromFile");
        QTest::addColumn<QString>("Written");
        auto Row = [](const char *Name, tKind K, const char *Text, bool File, const char *Out) {
            QTest::newRow(Name) << int(K) << QString(Text) << File << QString(Out);
        };
        Row("column", kColumn, "12\t13\r\n14", false, "\r\n12\r\n13\r\n14\r\n");
        Row("with name", kColumn, "Højde i cm\r\n1,5\r\n\r\n3\r\n", false,
            "Højde i cm\r\n1,5\r\n\r\n3,0\r\n");
        Row("empty name", kColumn, "\r\n7\r\n", false, "\r\n7\r\n");
        // A line feed alone is no separator; a semicolon is one in files only.
        Row("lf alone joins", kColumn, "1\n2\r", false, "\r\n12\r\n");
        Row("semicolon pasted", kColumn, "1;2\r", false, "\r\n1;2\r\n");
        Row("empty tokens", kColumn, "a\r\r\n\t4\t", false, "a\r\n\r\n\r\n4\r\n");
        Row("text later", kColumn, "1\r\nabc\r\n", false, "\r\n1\r\nabc\r\n");
        Row("a last token is a value", kColumn, "abc", false, "\r\nabc\r\n");
        Row("nothing", kColumn, "", false, "\r\n");
        Row("nine decimals at most", kColumn, "1,1234567891", false, "\r\n1,123456789\r\n");
        Row("column from file", kColumn, "1;2,25\r\n", true, "\r\n1,00\r\n2,25\r\n");
        Row("line", kLine, "Ny\r\n5\r\n\r\n6,5\r\n", false, "Ny\r\n5\r\n\r\n6,5\r\n\r\n");
        Row("frequencies", kHyp, "Sko\r\n38\t4\r\n39,5\t2\r\n", false,
            "Sko\r\n38,0\t4\r\n39,5\t2\r\n");
        Row("classes from file", kGrup, "0;10;3\r\n10;20,5;1\r\n", true,
            "\r\n0,0\t10,0\t3\r\n10,0\t20,5\t1\r\n");
    }

    void paste()
    {
        QFETCH(int, Kind);
        QFETCH(QString, Text);
        QFETCH(bool, FromFile);
        QFETCH(QString, Written);
        tLumen L;
        Fill(L);
        const QString Old[] = {"Vægt i kg\r\n1,5\r\n\r\n3,0\r\n", "Bo\r\n2\r\n\r\n\r\nx\r\n",
                               "Sko\r\n38,0\t4\r\n\t2\r\n", "\r\n0\t10\t3\r\n10\tti\t\r\n"};
        QCOMPARE(Write[Kind](L, 1), Old[Kind]);
        Paste[Kind](L, 1, Text, FromFile);
        QCOMPARE(Write[Kind](L, 1), Written);
        QCOMPARE(Write[Kind](L, 2), Old[Kind]); // moved on by one place
    }

    void readSheet_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<bool>("FromFile");
        QTest::addColumn<QString>("Shape"); // columns x rows, header row, name column
        QTest::newRow("header and names") << "\tA\tB\rAnna\t1\t2\rBo\t3\t4\r" << false << "3x3 HN";
        QTest::newRow("header only") << "X\tY\r1\t2\r" << false << "2x2 H";
        QTest::newRow("last row unended") << "1\t2\r3\t4" << false << "2x2 ";
        QTest::newRow("last row unended, uneven") << "1\t2\r3" << false << "";
        QTest::newRow("pasted sheet, last row unended")
            << QString::fromUtf8("Højde\tVægt\r\n1,5\t2\r\n3\t4") << false << "2x3 H";
        QTest::newRow("one unended row") << "Højde\tVægt" << false << "2x1 HN";
        QTest::newRow("uneven rows") << "1\t2\r3\r" << false << "";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("semicolons from file") << "1;2\r\n3;4\r\n" << true << "2x2 ";
        QTest::newRow("semicolons pasted") << "1;2\r\n3;4\r\n" << false << "1x2 ";
    }

    void readSheet()
    {
        QFETCH(QString, Text);
        QFETCH(bool, FromFile);
        QFETCH(QString, Shape);
        tSheet S;
        QCOMPARE(ReadSheet(Text, FromFile, S), !Shape.isEmpty());
        if (!Shape.isEmpty())
            QCOMPARE(QStringLiteral("%1x%2 %3%4")
                         .arg(S.Columns)
                         .arg(S.Rows.size())
                         .arg(S.HeaderRow ? "H" : "")
                         .arg(S.NameColumn ? "N" : ""),
                     Shape);
    }

    void fileLines_data()
    {
        QTest::addColumn<QByteArray>("Bytes");
        QTest::addColumn<bool>("Drop");
        QTest::addColumn<QString>("Text");
        QTest::newRow("lf") << QByteArray("a\tb\n1\t2\n") << true << "a\tb\r\n1\t2\r\n";
        QTest::newRow("crlf and empty lines")
            << QByteArray("1\r\n\r\n2\r\n") << true << "1\r\n2\r\n";
        QTest::newRow("keep empty lines") << QByteArray("1\n\n2") << false << "1\r\n\r\n2\r\n";
        QTest::newRow("keep empty crlf lines")
            << QByteArray("1\r\n\r\n2\r\n") << false << "1\r\n\r\n2\r\n";
        QTest::newRow("cr") << QByteArray("1\r2\r") << true << "1\r\n2\r\n";
        QTest::newRow("utf-8 with bom")
            << QByteArray("\xEF\xBB\xBFV\xC3\xA6gt\n") << true << "Vægt\r\n";
        QTest::newRow("windows-1252") << QByteArray("V\xE6gt \x80\n") << true << "Vægt €\r\n";
    }

    void fileLines()
    {
        QFETCH(QByteArray, Bytes);
        QFETCH(bool, Drop);
        QFETCH(QString, Text);
        QCOMPARE(TextFileLines(Bytes, Drop), Text);
        QTemporaryDir Dir;
        QFile F(Dir.filePath("data.txt"));
        QVERIFY(F.open(QIODevice::WriteOnly) && F.write(Bytes) == Bytes.size());
        F.close();
        QString Read;
        QVERIFY(ReadTextFile(F.fileName(), Drop, Read));
        QCOMPARE(Read, Text);
        QVERIFY(!ReadTextFile(Dir.filePath("missing.txt"), Drop, Read));
    }
};

QTEST_MAIN(tst_descriptor)
#include "tst_descriptor.moc"
