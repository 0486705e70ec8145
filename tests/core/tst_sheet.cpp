// The observation sheet as scripts: lines and columns inserted, removed,
// swapped and sorted, computed columns recalculated after each change, the
// dependencies between them, the editor's column and line commands, and
// random columns.
#include "Random.h"
#include "sheet_text.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

namespace
{

QVector<int32_t> Letters(const QString &S)
{
    QVector<int32_t> Cols;
    for (QChar C : S)
        if (C.isUpper())
            Cols << ColIndex(C);
    return Cols;
}

QVector<int32_t> Numbers(const QString &S)
{
    QVector<int32_t> Lines;
    for (const QString &N : S.split(',', Qt::SkipEmptyParts))
        Lines << N.toInt();
    return Lines;
}

// One ";"-separated command; queries add their answer to Out.
void Step(tLumen &L, const QString &Command, QStringList &Out)
{
    const QString Verb = Command.section(' ', 0, 0);
    const QString Arg = Command.section(' ', 1, 1);
    const QString Arg2 = Command.section(' ', 2, 2);
    // Comma-separated groups answered one character each.
    auto Each = [&](auto Answer) {
        QString S;
        for (const QString &G : Arg.split(','))
            S += Answer(G);
        Out << S;
    };
    if (Verb.size() >= 2 && Verb[1] == QChar(':')) { // "C:A+1": the formula dialog
        const int Col = ColIndex(Verb[0]);
        L.SetFormula(Col, Verb.mid(2));
        L.SetComputed(Col, true);
        QVERIFY(L.Compile(Verb.mid(2)));
        L.BuildFormulaRefs(Col);
    } else if (Verb.size() >= 2 && Verb[1].isDigit()) { // "A0=5"
        L.SetCellText(Verb.mid(1).section('=', 0, 0).toInt(), ColIndex(Verb[0]),
                      Verb.section('=', 1));
    } else if (Verb == "recalc") {
        const QString Done = L.RecalcFrom(ColIndex(Arg[0]));
        Out << (Done.isEmpty() ? "-" : Done);
    } else if (Verb == "recalcline") {
        Out << RecalcLine(L, Arg.toInt());
    } else if (Verb == "recalcall") {
        Out << RecalcAll(L);
    } else if (Verb == "line") {
        L.SetSingleLine(Arg.toInt());
    } else if (Verb == "all") {
        L.ClearSingleLine();
    } else if (Verb == "sheet") {
        Out << Sheet(L);
    } else if (Verb == "refs") { // references as a data file may hold them
        L.Cols[ColIndex(Arg[0])].Computed = true;
        L.Cols[ColIndex(Arg[0])].FormulaRefs = Arg.mid(2);
    } else if (Verb == "plain") {
        L.SetComputed(ColIndex(Arg[0]), false);
    } else if (Verb == "compile") { // a new formula before it is accepted
        QVERIFY(L.Compile(Arg));
        L.BuildFormulaRefs(ColIndex(Arg2[0]));
    } else if (Verb == "refsof") {
        Out << L.GetFormulaRefs(ColIndex(Arg[0]));
    } else if (Verb == "clearrefs") {
        L.ClearFormulaRefs(ColIndex(Arg[0]));
    } else if (Verb == "dep") {
        Each([&](const QString &G) {
            return L.DependsOn(ColIndex(G[0]), ColIndex(G[1])) ? '1' : '0';
        });
    } else if (Verb == "cycle") {
        Each([&](const QString &G) { return L.HasFormulaCycle(ColIndex(G[0])) ? '1' : '0'; });
    } else if (Verb == "used") { // the last used of each group
        Each([&](const QString &G) {
            const int Col = ColumnUsedInFormula(L, Letters(G));
            return Col < 0 ? QChar('-') : ColLetter(Col);
        });
    } else if (Verb == "mul" || Verb == "div") {
        ScaleColumns(L, Letters(Arg), Verb == "div");
    } else if (Verb == "clearlines") {
        ClearLines(L, Numbers(Arg));
    } else if (Verb == "dellines") {
        RemoveLines(L, Numbers(Arg));
    } else if (Verb == "insline") {
        InsertEmptyLine(L, Arg.toInt());
    } else if (Verb == "swaplines") {
        SwapTwoLines(L, Arg.toInt(), Arg2.toInt());
    } else if (Verb == "swapcols") {
        SwapTwoColumns(L, ColIndex(Arg[0]), ColIndex(Arg2[0]));
    } else if (Verb == "insert") { // "-" when refused
        if (!InsertEmptyColumn(L, ColIndex(Arg[0])))
            Out << "-";
    } else if (Verb == "remove") {
        RemoveColumns(L, Letters(Arg));
    } else if (Verb == "clear") {
        ClearColumns(L, Letters(Arg));
    } else if (Verb == "decimals") { // how many changed: the first one's decimals
        const QVector<int32_t> Changed = StepDecimals(L, Letters(Arg), Arg2.toInt());
        Out << QString("%1:%2").arg(Changed.size()).arg(L.GetDecimals(Letters(Arg)[0]));
    } else if (Verb == "clearall") {
        ClearNumberCells(L);
    } else if (Verb == "save") {
        L.SaveUndo(uoDelete);
    } else if (Verb == "undo") {
        L.Undo();
        Out << QString::number(L.GetUndoOp());
    } else if (Verb == "sort") { // "sort A up", "sort names down", "sort 0 up"
        const bool Up = Arg2 == "up";
        if (Arg == "names")
            L.SortLinesByName(Up);
        else if (Arg[0].isDigit())
            L.SortColumnsByLine(Arg.toInt(), Up);
        else
            L.SortLinesByColumn(ColIndex(Arg[0]), Up);
    } else {
        QFAIL(qPrintable("unknown command " + Command));
    }
}

} // namespace

class TestSheet : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void script_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        auto Row = [](const char *Name, const QStringList &Setup, const char *Script,
                      const char *Expected) {
            QTest::newRow(Name) << Setup << QString::fromUtf8(Script)
                                << QString::fromUtf8(Expected);
        };
        // Computing a column: empty lines where a value is missing or faulty.
        Row("sum", {"A=1,2,3", "B=10,20,30", "C:A+B"}, "", "A=1,2,3|B=10,20,30|C:A+B=11,22,33");
        Row("division by zero empties that line", {"A=1,2,3", "B=1,0,2", "C:A/B=old,9,9,9,9"}, "",
            "A=1,2,3|B=1,0,2|C:A/B=1,,1.5");
        Row("fault in the last line leaves no empty tail", {"A=1,2", "B=4,0", "C:A/B"}, "",
            "A=1,2|B=4,0|C:A/B=0.25");
        Row("shortest named column limits", {"A=1,2,3,4,5", "B=1,1,1", "C:A+B"}, "",
            "A=1,2,3,4,5|B=1,1,1|C:A+B=2,3,4");
        Row("only named columns count", {"A=1,2,3", "B=5", "C:A*2"}, "", "A=1,2,3|B=5|C:A*2=2,4,6");
        Row("no formula or no column gives nothing", {"A=1,2", "C:A+=9,9", "D:2*3=9"}, "",
            "A=1,2|C:A+|D:2*3");
        Row("comparison", {"A=-1,0,3", "C:A>0"}, "", "A=-1,0,3|C:A>0=0,0,1");
        Row("text and empty cells give empty lines", {"A=1,x,,4", "B=1,1,1,1", "C:A*B"}, "",
            "A=1,x,,4|B=1,1,1,1|C:A*B=1,,,4");

        // Recalculation from a changed column: the columns done, in order.
        Row("chain", {"A=1,2", "B=10,20", "C:A+B", "D:C*2"},
            "recalc A;A0=5;A2=7;recalc A;recalc B;recalc E;recalc D;used CD,D,AD",
            "CD CD CD - D C-A A=5,2,7|B=10,20|C:A+B=15,22|D:C*2=30,44");
        Row("a backward chain is computed in order", {"A=1,2", "D:A+1", "B:D*10"},
            "A0=100;recalc A", "DB A=100,2|B:D*10=1010,30|D:A+1=101,3");
        Row("a new formula reaches its readers", {"A=1,2", "C:A+1", "D:C*2"}, "C:A*100;recalc C",
            "CD A=1,2|C:A*100=100,200|D:C*2=200,400");
        Row("single line", {"A=1,2,3", "B=1,1,1", "C:A/B"},
            "A0=10;A1=20;line 1;recalc A;sheet;B2=0;line 2;recalc B;line 7;recalc A;sheet;all;"
            "recalc A",
            "C A=10,20,3|B=1,1,1|C:A/B=1,20,3 C C A=10,20,3|B=1,1,0|C:A/B=1,20 C "
            "A=10,20,3|B=1,1,0|C:A/B=10,20");
        Row("the editor's one-line recalculation", {"A=1,2", "B:A*2"},
            "A0=5;A1=6;recalcline 1;sheet;recalc A", "B A=5,6|B:A*2=2,12 B A=5,6|B:A*2=10,12");
        Row("whole sheet, a backward chain", {"A=1,2", "B:D+1", "D:A*2"}, "A0=5;line 1;recalcall",
            "DB A=5,2|B:D+1=11,5|D:A*2=10,4");
        Row("whole sheet, a circle from A", {"A:B", "B:A"}, "recalcall", "AB A:B|B:A");

        // Dependencies. D reads A through C; G reads F, whose formula is no
        // longer in use.
        Row("dependencies", {"C:A+B", "D:C*2", "F:E", "G:F+1"},
            "plain F;dep CA,CB,CD,DA,DC,AC,FE,GF,GE,DZ;used A,C,D,E,AB;cycle D,E;"
            "compile D+1 A;cycle A;clearrefs A;cycle A;compile E*2 E;cycle E,F",
            "1101100100 AC--B 00 1 0 10 C:A+B|D:C*2|G:F+1");
        Row("a circle from a file still answers", {"A=1"},
            "refs X:YA;refs Y:X;refs B:X;refs Q:Q;dep BA,BY,XX,BC;used X,B,Q;cycle C;recalc A;"
            "recalcall",
            "1110 X-- 1 BXY QBXY A=1|B:|Q:|X:|Y:");

        // Editor commands.
        Row("multiply: numbers only, readers follow", {"A=1,2.5,x,,0.1,1e4932", "B:A+1"}, "mul A",
            "A=10,25,x,,1,1E4932|B:A+1=11,26,,,2,1E4932");
        Row("divide; computed columns are not scaled", {"A=1,25,1e-300", "B:A+1"}, "div AB",
            "A=0.1,2.5,1E-301|B:A+1=1.1,3.5,1");
        Row("clear lines recomputes them", {"A=1,2,3", "B:A*2", "#a,b,c"}, "clearlines 0,2",
            "A=,2|B:A*2=,4|#,b");
        Row("clear a column its reader follows", {"A=1,2", "B:A+1", "C=4"}, "clear A", "B:A+1|C=4");
        Row("clear all number cells keeps the names", {"A'x=1,2", "B'y=t", "D=4"}, "clearall",
            "A'x|B'y");
        Row("insert and remove keep every result", {"A=1,2", "B=3,4", "C:A*B+SIN(0)", "D:C-A"},
            "insert B;sheet;C0=5;C1=6;recalc C;remove B",
            "A=1,2|C=3,4|D:A*C+SIN(0)=3,8|E:D-A=2,6 DE A=1,2|B=5,6|C:A*B+SIN(0)=5,12|D:C-A=4,10");
        Row("insert loses Z", {"A'abcdefghijklmnopqrstuvwxyz=1", "C:A*2", "Z=26"}, "insert A",
            "B'abcdefghijklmnopqrst=1|D:B*2=2");
        Row("remove several", {"A=1", "B=2", "C=3", "D:A*2"}, "remove BC", "A=1|B:A*2=2");
        // An insert that would push out Z while a formula reads it, directly
        // or through another computed column, is refused as removing Z is.
        Row("insert refused when a formula reads Z", {"Z=1,2,3", "Y:Z*2"}, "insert A;insert Y",
            "- - Y:Z*2=2,4,6|Z=1,2,3");
        Row("insert refused through a chain", {"Z=1", "X:Z+1", "A:X*2"}, "insert C",
            "- A:X*2=4|X:Z+1=2|Z=1");
        Row("insert loses a computed Z", {"A=1", "Z:A*2"}, "insert B", "A=1");
        // A computed column whose formula cannot be read holds no cell, not
        // even one recomputed alone (a pasted line).
        Row("an unreadable formula empties a pasted cell", {"A=1,2", "C:?*2", "D:2*3"},
            "C1=26;D1=9;C3=4;recalcline 1;sheet;recalcline 3",
            "CD A=1,2|C:?*2=,,,4|D:2*3 CD A=1,2|C:?*2|D:2*3");
        // Formulas follow their columns; function names and exponents keep
        // their letters; a letter pushed out of A..Z makes the formula invalid.
        Row("insert re-letters", {"A=1", "B=2", "C:sin(a) + b*1.5", "F:A+Y"},
            "insert A;refsof D;refsof G", "BC BZ B=1|C=2|D:SIN(B)+C*1,5=3.8414709848079|G:B+Z");
        Row("functions and exponents keep letters", {"E=1", "F=2", "H:EXP(E)-RUND(1E5)+LN(F)"},
            "insert C;refsof I", "FG F=1|G=2|I:EXP(F)-RUND(1E5)+LN(G)=-99996.588570991");
        Row("a damaged file's odd references keep their place", {"A=1"},
            "refs C:Ab{;insert A;refsof D", "Bb{ B=1|D:");
        Row("remove re-letters", {"E=1", "G=2", "H:RUND(G)>E", "I:H<>B"}, "remove F;refsof G",
            "FE E=1|F=2|G:RUND(F)>E=1|H:G#B");
        Row("removed letters are lost", {"A=1", "E:A+C"}, "remove BCD;refsof B", " A=1|B:A+?");

        // Undo swaps with a deep copy, so undoing twice redoes.
        Row("undo", {"A=1,2", "#n"}, "save;clearlines 0;undo;sheet;undo;sheet;undo;save;A0=99;undo",
            "1 A=1,2|#n 4 A=,2 1 1 A=1,2|#n");

        Row("decimals", {"A=1", "B=2"}, "decimals A 1;decimals AB 0;decimals AB -1;decimals A -1",
            "1:1 0:1 1:0 0:0 A=1|B=2");

        // Lines.
        Row("insert a line", {"A=1,2,3", "B=9", "#x,y,b", "#a,"}, "insline 1",
            "A=1,,2,3|B=9|#a,,,b");
        Row("insert a line into the names only", {"A=1", "#,,,,e"}, "insline 3;insline 10",
            "A=1|#,,,,,e");
        Row("delete the last line takes the gap", {"A=1,,,4", "B=5,6,7,8,9", "#a,b,c"},
            "dellines 3", "A=1|B=5,6,7,9|#a,b,c");
        Row("delete lines keeps inner gaps", {"A=1,,3,4", "#a,b,c"}, "dellines 0,2", "A=,4|#b");
        // A swap exchanges the two lines in every column, however long, and
        // recomputes their computed cells; no column ends in an empty cell.
        Row("swap lines", {"A=1,2,3", "B=a,b", "C=7"}, "swaplines 0 2", "A=3,2,1|B=,b,a|C=,,7");
        Row("swap a gap with the end", {"A=1,,3"}, "swaplines 1 3", "A=1,,3");
        Row("swap into a gap", {"A=5", "#n"}, "swaplines 1 0", "A=,5|#,n");
        Row("swap past a short column", {"A=1,2", "B=1,2,3,4,5,6", "C:A+B"}, "swaplines 0 5",
            "A=,2,,,,1|B=6,2,3,4,5,1|C:A+B=,4,,,,2");
        Row("swap a gap to the end", {"A=,5", "B=1,2,3", "#,x"}, "swaplines 0 1",
            "A=5|B=2,1,3|#x");
        Row("swap two lines past every column", {"A=1", "#a"}, "swaplines 3 2", "A=1|#a");
        Row("swap a line with itself", {"A=1,2", "B:A*3"}, "swaplines 1 1", "A=1,2|B:A*3=3,6");
        Row("swap recomputes a chain", {"A=1,2,3", "B=5", "C:A*B", "D:C+1"}, "swaplines 2 0",
            "A=3,2,1|B=,,5|C:A*B=,,5|D:C+1=,,6");
        // Formulas keep their letters after a column swap and read the
        // other column's data.
        Row("swap columns", {"A'x=1,2", "B=5,6,7", "C:A+B"}, "swapcols A B",
            "A=5,6,7|B'x=1,2|C:A+B=6,8");
        Row("swap columns past the used ones", {"A=1", "C:A*2"}, "swapcols A F",
            "C:A*2|F=1");

        // Sorting. Equal values keep their order (B tells them apart); texts
        // follow the numbers in their old order, gaps come last; nothing typed
        // is lost.
        Row("sort by a column, ascending",
            {"A=3,x,1,,3,2", "B=10,11,12,13,14,15,16", "C=9", "D=t,5", "#n0,n1,n2,n3,n4"},
            "sort A up", "A=1,2,3,3,x|B=12,15,10,14,11,13,16|C=,,9|D=,,t,,5|#n2,,n0,n4,n1,n3");
        Row("sort by a column, descending",
            {"A=3,x,1,,3,2", "B=10,11,12,13,14,15,16", "C=9", "D=t,5", "#n0,n1,n2,n3,n4"},
            "sort A down", "A=3,3,2,1,x|B=10,14,15,12,11,13,16|C=9|D=t,,,,5|#n0,n4,,n2,n1,n3");
        Row("sort keeps every text cell", {"A=12,abc,3.5,4.2.1,-2", "B=a,b,c,d,e"}, "sort A down",
            "A=12,3.5,-2,abc,4.2.1|B=a,c,e,b,d");
        Row("texts before gaps, a trailing text stays", {"A=,y,2,,x", "B=1,2,3,4,5"}, "sort A up",
            "A=2,y,x|B=3,2,5,1,4");
        Row("sort by names, ascending", {"A=1,2,3,4", "B=x,7", "#b,,a,B"}, "sort names up",
            "A=3,4,1,2|B=,,x,7|#a,B,b");
        Row("sort by names, descending", {"A=1,2,3,4", "B=x,7", "#b,,a,B"}, "sort names down",
            "A=1,4,3,2|B=x,,,7|#b,B,a");
        Row("sort by names, Danish order", {"A=1,2,3,4,5,6,x", "#Øjvind,Zack,Åse,anna,Ærø,Bo,"},
            "sort names up", "A=4,6,2,5,1,3,x|#anna,Bo,Zack,Ærø,Øjvind,Åse");
        Row("sort by names, Danish order descending", {"A=1,2,3,4,5,6", "#Øjvind,Zack,Åse,anna,Ærø,Bo"},
            "sort names down", "A=3,1,5,2,6,4|#Åse,Øjvind,Ærø,Zack,Bo,anna");
        Row("sort columns by a line", {"A=3", "B=x", "C'one=1", "D=2", "Z=0"}, "sort 0 up",
            "A=0|B'one=1|C=2|D=3|E=x");
        Row("sort columns by a line, descending", {"A=3", "B=x", "C'one=1", "D=2,7"}, "sort 0 down",
            "A=3|B=2,7|C'one=1|D=x");
    }

    void script()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, script);
        QFETCH(QString, expected);
        tLumen L;
        SetupSheet(L, setup);
        QStringList Out;
        for (const QString &Command : script.split(';', Qt::SkipEmptyParts)) {
            Step(L, Command, Out);
            if (QTest::currentTestFailed())
                return;
        }
        Out << Sheet(L);
        QCOMPARE(Out.join(' '), expected);
    }

    // Random sheets (numbers, texts, gaps, names, and G computed as A+B) and
    // random swaps of two lines, then of two plain columns: each line's
    // (column's) cells before are the other one's after, everything else
    // stays, no column ends in an empty cell, the computed cells are what a
    // full recalculation gives, and undo restores the sheet.
    void swapProperty()
    {
        QRandomGenerator G(25);
        auto Cell = [](const tLumen &L, int Line, int Col) {
            return QString::number(L.GetCellState(Line, Col)) + L.GetCellText(Line, Col);
        };
        for (int Round = 0; Round < 400; ++Round) {
            tLumen L;
            for (int Col = 0; Col < 6; ++Col)
                for (int Line = 0, Len = G.bounded(9); Line < Len; ++Line) {
                    const int Kind = G.bounded(4);
                    if (Kind > 0)
                        L.SetCellText(Line, Col,
                                      Kind == 1 ? "t" : QString::number(G.bounded(-50, 50)));
                }
            for (int Line = 0; Line < 8; ++Line)
                if (G.bounded(3) == 0)
                    L.SetLineName(Line, "n" + QString::number(Line));
            SetupSheet(L, {"G:A+B"});
            const bool Lines = Round % 2 == 0;
            const int A = G.bounded(Lines ? 11 : 8), B = G.bounded(Lines ? 11 : 8);
            if (!Lines && (A == 6 || B == 6))
                continue; // the editor swaps no computed column
            const QString Start = Sheet(L);
            const int Rows = std::max(L.MaxLines(), 11) + 2;
            QVector<QStringList> Before(ObsColumns);
            for (int Col = 0; Col < ObsColumns; ++Col)
                for (int Line = 0; Line < Rows; ++Line)
                    Before[Col] << Cell(L, Line, Col);
            const QStringList Names = L.LineNames;
            L.SaveUndo(uoSwap);
            if (Lines)
                SwapTwoLines(L, A, B);
            else
                SwapTwoColumns(L, A, B);
            const QString Case = QString("%1 %2 %3 in %4").arg(Lines ? "lines" : "columns")
                                     .arg(A).arg(B).arg(Start);
            auto Other = [&](int I) { return I == A ? B : I == B ? A : I; };
            for (int Col = 0; Col < ObsColumns; ++Col) {
                const int N = L.CellCount(Col);
                QVERIFY2(N == 0 || L.GetCellState(N - 1, Col) != csEmpty, qPrintable(Case));
                if (!Lines && Col == 6)
                    continue; // G now reads other data: checked by the recalculation below
                for (int Line = 0; Line < Rows; ++Line) {
                    const QString Was = Lines ? Before[Col][Other(Line)] : Before[Other(Col)][Line];
                    QVERIFY2(Cell(L, Line, Col) == Was, qPrintable(Case));
                }
            }
            for (int Line = 0; Line < Rows && Lines; ++Line)
                QVERIFY2(L.GetLineName(Line) == Names.value(Other(Line)), qPrintable(Case));
            const QString After = Sheet(L);
            RecalcAll(L);
            QVERIFY2(Sheet(L) == After, qPrintable(Case));
            L.Undo();
            QVERIFY2(Sheet(L) == Start, qPrintable(Case));
        }
    }

    void generator()
    {
        // seed := seed * 134775813 + 1 (mod 2^32), worked by hand from 1.
        tRandom G(1);
        QList<uint32_t> Draws;
        for (int I = 0; I < 6; ++I)
            Draws << G.NextInt(100);
        QCOMPARE(Draws, QList<uint32_t>({3, 86, 20, 27, 67, 31}));
        tRandom Max(0xFFFFFFFFu);
        QCOMPARE(double(Max.NextReal()), 4160191484.0 / 4294967296.0);
        // The time seed counts milliseconds since midnight.
        const int Before = QTime::currentTime().msecsSinceStartOfDay();
        const uint32_t Seed = tRandom::TimeOfDaySeed();
        const int After = QTime::currentTime().msecsSinceStartOfDay();
        if (After >= Before)
            QVERIFY(Seed >= uint32_t(Before) && Seed <= uint32_t(After));
    }

    // Draws from seed 12345, worked out with a plain list from which drawn
    // numbers are removed. A damaged file may ask for too many lines or an
    // empty range.
    void fill_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("without");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("expected");
        QTest::newRow("dice") << 1 << 6 << 8 << false << 8 << "B=3,2,1,4,4,3,3,1";
        QTest::newRow("permutation") << 1 << 6 << 6 << true << 6 << "B=3,2,1,5,6,4";
        QTest::newRow("partial draw") << 10 << 99 << 8 << true << 8 << "B=44,35,17,61,68,41,50,16";
        QTest::newRow("negative range") << -3 << 2 << 6 << true << 6 << "B=-1,-2,-3,1,2,0";
        QTest::newRow("more than the range") << 1 << 3 << 5 << true << 3 << "";
        QTest::newRow("reals") << 0 << 0 << 50 << false << 50 << "";
        QTest::newRow("reals distinct") << 0 << 0 << 500 << true << 500 << "";
        QTest::newRow("too many lines")
            << -2000000000 << 2000000000 << 2000000000 << true << 10000 << "";
        QTest::newRow("empty range") << 9 << 3 << 5 << false << 0 << "";
    }
    void fill()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, count);
        QFETCH(bool, without);
        QFETCH(int, lines);
        QFETCH(QString, expected);
        tLumen L;
        // B was computed, with more lines than are drawn.
        SetupSheet(L, {"A=7,7,7,7,7,7,7,7,7,7,7", "B:A*1", "C:B*2"});
        L.SetRandomFrom(1, from);
        L.SetRandomTo(1, to);
        L.SetRandomFlag(1, without);
        L.SetRandomCount(1, count);
        tRandom G(12345);
        QCOMPARE(FillRandomColumns(L, G), QString("BC"));
        QCOMPARE(L.CellCount(1), lines);
        QCOMPARE(L.CellCount(2), lines);
        if (!expected.isEmpty())
            QCOMPARE(SheetColumn(L, 1), expected);
        QSet<QString> Seen;
        for (int I = 0; I < lines; ++I) {
            TCellState S;
            const Extended V = L.GetCellValue(I, 1, S);
            QCOMPARE(S, csNumber);
            if (from == 0 && to == 0)
                QVERIFY(V >= 0 && V < 1);
            else
                QVERIFY(V >= from && V <= to && V == std::trunc(V));
            Seen.insert(FormatGeneral(V));
        }
        QVERIFY(without ? Seen.size() == lines : Seen.size() > 1 || lines == 0);
    }
};

QTEST_GUILESS_MAIN(TestSheet)
#include "tst_sheet.moc"
