// The formula language (preparation, compiling, evaluation, error codes), the
// recalculation of computed columns and the dependencies between them.
#include "Lumen.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QtTest>
#include <cmath>

namespace
{

constexpr int A = 0, B = 1, C = 2, D = 3, E = 4, F = 5, X = 23, Y = 24, Z = 25;

void SetColumn(tLumen &L, int Col, const QStringList &Cells)
{
    for (int I = 0; I < Cells.size(); ++I)
        L.SetCellText(I, Col, Cells[I]);
}

// The column as "v|v|..." with "" for an empty cell and the text for a text
// cell; numbers in C-locale form, independent of the column's decimals.
QString Column(const tLumen &L, int Col)
{
    QStringList Out;
    for (int I = 0; I < L.CellCount(Col); ++I) {
        TCellState S = csEmpty;
        const Extended V = L.GetCellValue(I, Col, S);
        Out << (S == csNumber ? QString::number(double(V), 'g', 15)
                : S == csText ? L.GetCellText(I, Col)
                              : QString());
    }
    return Out.join('|');
}

// Makes Col computed from Formula the way the formula dialog does.
void MakeComputed(tLumen &L, int Col, const QString &Formula)
{
    L.SetFormula(Col, Formula);
    L.SetComputed(Col, true);
    QVERIFY2(L.Compile(Formula), qPrintable(Formula));
    L.BuildFormulaRefs(Col);
}

// A computed column with references as a data file may hold them.
void SetRefs(tLumen &L, int Col, const QString &Refs)
{
    L.Cols[Col].Computed = true;
    L.Cols[Col].FormulaRefs = Refs;
}

// Compiles and evaluates with the variables taken from Values by letter.
Extended Run(tLumen &L, const QString &Formula, const QHash<QChar, double> &Values, bool &Ok)
{
    Ok = L.Compile(Formula);
    if (!Ok)
        return 0;
    for (int I = 0; I < L.GetVarCount(); ++I)
        L.SetVarValue(I, Values.value(L.VarName(I).at(0)));
    return L.Evaluate();
}

// "+A+B+..." over Count letters: 2 * Count tokens.
QString SignedSum(int Count)
{
    QString S;
    for (int I = 0; I < Count; ++I)
        S += QLatin1Char('+') + QChar('A' + I);
    return S;
}

} // namespace

class tst_formula : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void prepare_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("prepared");
        QTest::newRow("blanks, equals, case") << "=a + b"
                                              << "A+B";
        QTest::newRow("point becomes comma") << "1.5*a"
                                             << "1,5*A";
        QTest::newRow("two-character comparisons") << "a>=b<=c<>d"
                                                   << "A\u00BBB\u00ABC#D";
        QTest::newRow("danish letters") << "æøå"
                                        << "ÆØÅ";
    }

    void prepare()
    {
        QFETCH(QString, text);
        QFETCH(QString, prepared);
        QCOMPARE(tLumen::PrepareFormula(text), prepared);
    }

    void evaluate_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("c");
        QTest::addColumn<double>("expected");

        // Binding follows the operator codes.
        QTest::newRow("A+B*C") << "A+B*C" << 2.0 << 3.0 << 4.0 << 14.0;
        QTest::newRow("A-B-C left to right") << "A-B-C" << 10.0 << 3.0 << 2.0 << 5.0;
        QTest::newRow("A/B*C left to right") << "A/B*C" << 8.0 << 2.0 << 2.0 << 8.0;
        QTest::newRow("2^3^2 is (2^3)^2") << "2^3^2" << 0.0 << 0.0 << 0.0 << 64.0;
        QTest::newRow("A+B>C is A+(B>C)") << "A+B>C" << 1.0 << 5.0 << 2.0 << 2.0;
        QTest::newRow("(A+B)>C") << "(A+B)>C" << 1.0 << 5.0 << 2.0 << 1.0;
        QTest::newRow("-A^2 is -(A^2)") << "-A^2" << 3.0 << 0.0 << 0.0 << -9.0;
        QTest::newRow("-A+B") << "-A+B" << 3.0 << 5.0 << 0.0 << 2.0;
        QTest::newRow("functions bind tightest") << "KVR(A)*2+SIN(0)^2" << 9.0 << 0.0 << 0.0 << 6.0;
        QTest::newRow("decimal comma") << "1,5*A" << 2.0 << 0.0 << 0.0 << 3.0;
        QTest::newRow("exponent") << "1E2+A" << 1.0 << 0.0 << 0.0 << 101.0;

        // Functions.
        QTest::newRow("RUND(2,5)") << "RUND(2,5)" << 0.0 << 0.0 << 0.0 << 2.0;
        QTest::newRow("RUND(3,5)") << "RUND(3,5)" << 0.0 << 0.0 << 0.0 << 4.0;
        QTest::newRow("RUND(-2,5)") << "RUND(A)" << -2.5 << 0.0 << 0.0 << -2.0;
        QTest::newRow("RUND(-3,5)") << "RUND(A)" << -3.5 << 0.0 << 0.0 << -4.0;
        QTest::newRow("AFK(-2,7) toward zero") << "AFK(A)" << -2.7 << 0.0 << 0.0 << -2.0;
        QTest::newRow("KVR") << "KVR(A)" << 2.25 << 0.0 << 0.0 << 1.5;
        QTest::newRow("LN of EXP") << "LN(EXP(A))" << 2.5 << 0.0 << 0.0 << 2.5;
        QTest::newRow("SIN^2+COS^2") << "SIN(A)^2+COS(A)^2" << 0.7 << 0.0 << 0.0 << 1.0;

        // Power rules.
        QTest::newRow("negative base, odd power") << "A^B" << -2.0 << 3.0 << 0.0 << -8.0;
        QTest::newRow("negative integer power") << "A^B" << 2.0 << -2.0 << 0.0 << 0.25;
        QTest::newRow("1 to a negative power") << "A^B" << 1.0 << -3.0 << 0.0 << 1.0;
        QTest::newRow("0^0") << "A^B" << 0.0 << 0.0 << 0.0 << 1.0;
        QTest::newRow("huge integral power of 1") << "A^B" << 1.0 << 2147483647.0 << 0.0 << 1.0;

        // Comparisons with the tolerance 5E-10.
        QTest::newRow("= within tolerance") << "A=B" << 1.0 << 1.0 + 4e-10 << 0.0 << 1.0;
        QTest::newRow("= beyond tolerance") << "A=B" << 1.0 << 1.0 + 6e-10 << 0.0 << 0.0;
        QTest::newRow("# beyond tolerance") << "A#B" << 1.0 << 1.0 + 6e-10 << 0.0 << 1.0;
        QTest::newRow("> within tolerance") << "A>B" << 1.0 + 4e-10 << 1.0 << 0.0 << 0.0;
        QTest::newRow("> beyond tolerance") << "A>B" << 1.0 + 6e-10 << 1.0 << 0.0 << 1.0;
        QTest::newRow(">= within tolerance") << "A>=B" << 1.0 - 4e-10 << 1.0 << 0.0 << 1.0;
        QTest::newRow("<= within tolerance") << "A<=B" << 1.0 + 4e-10 << 1.0 << 0.0 << 1.0;
        QTest::newRow("typed \u00BB") << "A\u00BBB" << 2.0 << 2.0 << 0.0 << 1.0;
        QTest::newRow("A*(A>0) keeps positive") << "A*(A>0)" << 3.0 << 0.0 << 0.0 << 3.0;
        QTest::newRow("32 tokens") << SignedSum(16) << 1.0 << 2.0 << 3.0 << 6.0;
    }

    void evaluate()
    {
        QFETCH(QString, formula);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, c);
        QFETCH(double, expected);
        tLumen L;
        bool Ok = false;
        const Extended R = Run(L, formula, {{'A', a}, {'B', b}, {'C', c}}, Ok);
        QVERIFY2(Ok, qPrintable(QString::number(L.GetCalcError())));
        QCOMPARE(int(L.GetCalcError()), 0);
        QVERIFY2(std::fabs(double(R) - expected) < 1e-12, qPrintable(QString::number(double(R))));
    }

    void compileErrors_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<int>("code");

        QTest::newRow("empty") << "" << 1;
        QTest::newRow("ends with operator") << "A+" << 1;
        QTest::newRow("( after operand") << "A(B)" << 1;
        QTest::newRow("function without operand") << "SIN()" << 1;

        QTest::newRow("unknown character") << "A$B" << 3;
        QTest::newRow("minus after first operand is binary") << "A*-B" << 3;
        QTest::newRow("power of minus") << "2^-1" << 3;
        QTest::newRow("operator without left operand") << "*A" << 3;
        QTest::newRow("double sign minus") << "--A" << 3;
        // A function name is the formula's first name, so a minus after it is a
        // subtraction.
        QTest::newRow("sign inside a function") << "ABS(-A)" << 3;

        QTest::newRow("SIN A") << "SIN A" << 6;
        QTest::newRow("two letters") << "AB" << 6;
        QTest::newRow("unknown function") << "LOG2(A)" << 6;

        QTest::newRow("two decimal marks") << "1,5,3" << 7;
        QTest::newRow("digit then letter") << "2A" << 7;
        QTest::newRow("out of range") << "1E99999" << 7;

        QTest::newRow("open parenthesis left") << "(A" << 9;
        QTest::newRow("closing without opening") << "A)" << 9;
        QTest::newRow("balanced count, wrong order") << "A+B)*(C" << 9;

        QTest::newRow("33 tokens") << QString("A") + QString("+A").repeated(16) << 10;
        // A 27th distinct variable (code 8) cannot be written: there are only 26
        // letters, and the token limit stops far earlier.
        QTest::newRow("all 26 letters") << SignedSum(26) << 10;

        QTest::newRow("valid") << "-A^2" << 0;
    }

    void compileErrors()
    {
        QFETCH(QString, formula);
        QFETCH(int, code);
        tLumen L;
        QCOMPARE(L.Compile(formula), code == 0);
        QCOMPARE(int(L.GetCalcError()), code);
    }

    void arithmeticFaults_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");

        QTest::newRow("division by zero") << "A/B" << 1.0 << 0.0;
        QTest::newRow("root of negative") << "KVR(A)" << -1.0 << 0.0;
        QTest::newRow("LOG of zero") << "LOG(A)" << 0.0 << 0.0;
        QTest::newRow("EXP overflow") << "EXP(A)" << 20000.0 << 0.0;
        QTest::newRow("product overflow") << "EXP(A)*EXP(A)" << 11000.0 << 0.0;
        QTest::newRow("sum overflow") << "1E4932+1E4932" << 0.0 << 0.0;
        QTest::newRow("negative base, fractional power") << "A^B" << -8.0 << 1.0 / 3;
        QTest::newRow("zero to negative power") << "A^B" << 0.0 << -1.0;
        QTest::newRow("integral power overflow") << "A^B" << 10.0 << 5000.0;
    }

    void arithmeticFaults()
    {
        QFETCH(QString, formula);
        QFETCH(double, a);
        QFETCH(double, b);
        tLumen L;
        bool Ok = false;
        const Extended R = Run(L, formula, {{'A', a}, {'B', b}}, Ok);
        QVERIFY(Ok);
        QCOMPARE(int(L.GetCalcError()), 5);
        QCOMPARE(double(R), 0.0);

        // The fault belongs to those values only.
        for (int I = 0; I < L.GetVarCount(); ++I)
            L.SetVarValue(I, 1);
        L.Evaluate();
        if (formula != QLatin1String("1E4932+1E4932"))
            QCOMPARE(int(L.GetCalcError()), 0);
    }

    // Random texts over the formula alphabet: compiling never fails without a
    // known code, and a formula that compiles never fails in evaluation except by
    // an arithmetic fault, so the structure check and the evaluator agree.
    void randomTextsAgree()
    {
        static const QString Alphabet = QStringLiteral("AB12,.+-*/^<>=#()( SINKVRUDLOGEXP»«Æ$");
        const QList<int> Known{0, 1, 3, 6, 7, 9, 10};
        QRandomGenerator R(99);
        tLumen L;
        int Compiled = 0;
        for (int I = 0; I < 20000; ++I) {
            QString T;
            const int Len = 1 + R.bounded(14);
            for (int J = 0; J < Len; ++J)
                T += Alphabet[R.bounded(Alphabet.size())];
            const bool Ok = L.Compile(T);
            QVERIFY2(Known.contains(L.GetCalcError()), qPrintable(T));
            QCOMPARE(Ok, L.GetCalcError() == 0);
            if (!Ok)
                continue;
            ++Compiled;
            for (int V = 0; V < L.GetVarCount(); ++V)
                L.SetVarValue(V, R.bounded(7) - 3);
            const Extended Result = L.Evaluate();
            QVERIFY2(L.GetCalcError() == 0 || L.GetCalcError() == 5, qPrintable(T));
            QVERIFY(std::isfinite(Result));
        }
        QVERIFY(Compiled > 100);
    }

    void computeColumn_data()
    {
        QTest::addColumn<QStringList>("a");
        QTest::addColumn<QStringList>("b");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("expected");

        auto Row = [](const char *Name, const char *A, const char *B, const char *Formula,
                      const char *Expected) {
            QTest::newRow(Name) << QString(A).split(' ', Qt::SkipEmptyParts)
                                << QString(B).split(' ', Qt::SkipEmptyParts) << QString(Formula)
                                << QString(Expected);
        };
        Row("sum", "1 2 3", "10 20 30", "A+B", "11|22|33");
        Row("division by zero empties that line", "1 2 3", "1 0 2", "A/B", "1||1.5");
        Row("fault in the last line leaves no empty tail", "1 2", "4 0", "A/B", "0.25");
        Row("shortest named column limits", "1 2 3 4 5", "1 1 1", "A+B", "2|3|4");
        Row("only the named column counts", "1 2 3", "5", "A*2", "2|4|6");
        Row("invalid formula gives nothing", "1 2", "1 2", "A+", "");
        Row("comparison result", "-1 0 3", "", "A>0", "0|0|1");
        QTest::newRow("text and empty cells give empty lines")
            << QStringList{"1", "x", "", "4"} << QStringList{"1", "1", "1", "1"} << "A*B"
            << "1|||4";
    }

    void computeColumn()
    {
        QFETCH(QStringList, a);
        QFETCH(QStringList, b);
        QFETCH(QString, formula);
        QFETCH(QString, expected);
        tLumen L;
        SetColumn(L, A, a);
        SetColumn(L, B, b);
        SetColumn(L, C, {"old", "9", "9", "9", "9", "9", "9"});
        L.SetFormula(C, formula);
        L.SetComputed(C, true);
        if (L.Compile(formula))
            L.BuildFormulaRefs(C);
        L.ComputeColumn(C);
        QCOMPARE(Column(L, C), expected);
        // The data columns are untouched.
        QCOMPARE(L.CellCount(A), int(a.size()));
    }

    // A computed cell must hold exactly what its general 15-digit text reads back
    // as, over all magnitudes and at the rounding edges.
    void computedValueMatchesGeneralText_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::newRow("identity") << "A";
        QTest::newRow("division") << "A/7";
        QTest::newRow("product") << "A*3";
        QTest::newRow("square root") << "KVR(ABS(A))";
    }

    void computedValueMatchesGeneralText()
    {
        QFETCH(QString, formula);
        tLumen L;
        QVector<Extended> Values;
        const QString Edges = QStringLiteral(
            "0 -0 1 -1 0.1 100000000000000.5 100000000000001.5 999999999999999.5 9.999999999999995 "
            "9.9999999999999949 0.000012345678901234567 1.5e-13 1e-14 123456789012345678 1e27 1e41 "
            "1e42 1.000000000000005e30 2.5e-7 -7.0000000000000035 1e-300 1e300 "
            "0.30000000000000004");
        for (const QString &T : Edges.split(' ')) {
            Extended V = 0;
            QVERIFY(ParseNumber(T, V));
            Values << V;
        }
        QRandomGenerator R(2024);
        for (int I = 0; I < 20000; ++I) {
            const Extended Mant = R.generateDouble() + Extended(R.generate()) * 0x1p-96L;
            Values << (I % 2 ? -1 : 1) * Mant * std::pow(10.0L, int(R.bounded(90)) - 35);
        }
        auto &Cells = L.Cols[A].Cells;
        for (Extended V : Values)
            Cells.append(tCell{csNumber, QString(), V});
        MakeComputed(L, B, formula);
        L.ComputeColumn(B);

        tLumen Ref;
        QVERIFY(Ref.Compile(formula));
        int Checked = 0;
        for (int I = 0; I < Values.size(); ++I) {
            Ref.SetVarValue(0, Values[I]);
            const Extended Exact = Ref.Evaluate();
            TCellState S = csEmpty;
            const Extended Got = L.GetCellValue(I, B, S);
            Extended Expected = 0;
            if (Ref.GetCalcError() != 0 || !ParseNumber(FormatGeneral(Exact), Expected)) {
                QCOMPARE(S, csEmpty);
                continue;
            }
            QCOMPARE(S, csNumber);
            QVERIFY2(Got == Expected,
                     qPrintable(FormatGeneral(Exact) + " gives " + FormatGeneral(Got)));
            ++Checked;
        }
        QVERIFY(Checked > 20000);
    }

    void recalcChain()
    {
        tLumen L;
        SetColumn(L, A, {"1", "2"});
        SetColumn(L, B, {"10", "20"});
        MakeComputed(L, C, "A+B");
        MakeComputed(L, D, "C*2");
        QCOMPARE(L.RecalcFrom(A), QString("CD"));
        QCOMPARE(Column(L, C), QString("11|22"));
        QCOMPARE(Column(L, D), QString("22|44"));

        L.SetCellText(0, A, "5");
        L.SetCellText(2, A, "7"); // B is shorter: no third line
        QCOMPARE(L.RecalcFrom(A), QString("CD"));
        QCOMPARE(Column(L, C), QString("15|22"));
        QCOMPARE(Column(L, D), QString("30|44"));

        QCOMPARE(L.RecalcFrom(B), QString("CD"));
        QCOMPARE(L.RecalcFrom(E), QString()); // nobody reads E
        QCOMPARE(L.RecalcFrom(D), QString("D"));
        QCOMPARE(L.RecalcFrom(-1), QString());
        QCOMPARE(L.RecalcFrom(26), QString());
    }

    // Letters running against the chain: B reads D, D reads A. B must see D's new
    // values, so D is computed first.
    void recalcBackwardChain()
    {
        tLumen L;
        SetColumn(L, A, {"1", "2"});
        MakeComputed(L, D, "A+1");
        MakeComputed(L, B, "D*10");
        L.RecalcFrom(A);
        L.SetCellText(0, A, "100");
        QCOMPARE(L.RecalcFrom(A), QString("DB"));
        QCOMPARE(Column(L, D), QString("101|3"));
        QCOMPARE(Column(L, B), QString("1010|30"));
    }

    // A new formula in C must reach D, which reads C.
    void recalcAfterFormulaChange()
    {
        tLumen L;
        SetColumn(L, A, {"1", "2"});
        MakeComputed(L, C, "A+1");
        MakeComputed(L, D, "C*2");
        L.RecalcFrom(A);
        QCOMPARE(Column(L, D), QString("4|6"));
        MakeComputed(L, C, "A*100");
        QCOMPARE(L.RecalcFrom(C), QString("CD"));
        QCOMPARE(Column(L, D), QString("200|400"));
    }

    void singleLine()
    {
        tLumen L;
        SetColumn(L, A, {"1", "2", "3"});
        SetColumn(L, B, {"1", "1", "1"});
        MakeComputed(L, C, "A/B");
        L.RecalcFrom(A);
        QCOMPARE(Column(L, C), QString("1|2|3"));

        L.SetCellText(0, A, "10");
        L.SetCellText(1, A, "20");
        L.SetSingleLine(1);
        QCOMPARE(L.RecalcFrom(A), QString("C"));
        QCOMPARE(Column(L, C), QString("1|20|3")); // line 0 keeps its old value

        // A fault on the last line removes that cell and no other.
        L.SetCellText(2, B, "0");
        L.SetSingleLine(2);
        L.RecalcFrom(B);
        QCOMPARE(Column(L, C), QString("1|20"));

        // A line beyond the data stays empty.
        L.SetSingleLine(7);
        L.RecalcFrom(A);
        QCOMPARE(L.CellCount(C), 2);

        L.ClearSingleLine();
        L.RecalcFrom(A);
        QCOMPARE(Column(L, C), QString("10|20"));
    }

    void dependencies()
    {
        tLumen L;
        MakeComputed(L, C, "A+B");
        MakeComputed(L, D, "C*2");
        MakeComputed(L, F, "E");
        L.Cols[F].Computed = false; // a formula that is no longer in use
        MakeComputed(L, 6, "F+1");
        // "XY": X depends on Y, "!XY": it does not. D reads A through C; G
        // reads F, whose old formula no longer counts.
        for (const char *T : {"CA", "CB", "!CD", "DA", "DC", "!AC", "!FE", "GF", "!GE"}) {
            const QString S = QString::fromLatin1(T).remove('!');
            QVERIFY2(L.DependsOn(ColIndex(S[0]), ColIndex(S[1])) == (T[0] != '!'), T);
        }
        QVERIFY(!L.DependsOn(-1, A));
        QVERIFY(!L.DependsOn(D, 26));
        QVERIFY(L.IsUsedInFormula(A));
        QVERIFY(L.IsUsedInFormula(C));
        QVERIFY(!L.IsUsedInFormula(D));
        QVERIFY(!L.IsUsedInFormula(E));
        QVERIFY(!L.IsUsedInFormula(30));
        QVERIFY(!L.HasFormulaCycle(D));
        QVERIFY(!L.HasFormulaCycle(E));

        // The dialog gives A the new formula D+1: A is not computed yet but
        // counts as computed for the test.
        QVERIFY(L.Compile("D+1"));
        L.BuildFormulaRefs(A);
        QVERIFY(L.HasFormulaCycle(A));
        L.ClearFormulaRefs(A);
        QVERIFY(!L.HasFormulaCycle(A));
        // A column naming itself; not computed, so the others see no circle.
        QVERIFY(L.Compile("E*2"));
        L.BuildFormulaRefs(E);
        QVERIFY(L.HasFormulaCycle(E));
        QVERIFY(!L.HasFormulaCycle(F));
    }

    // References that form a circle, as a data file may hold them: every
    // question must still get an answer.
    void circleFromFile()
    {
        tLumen L;
        SetRefs(L, X, "YA");
        SetRefs(L, Y, "X");
        SetRefs(L, B, "X"); // leads into the circle without being part of it
        SetColumn(L, A, {"1"});

        QVERIFY(L.DependsOn(B, A));
        QVERIFY(L.DependsOn(B, Y));
        QVERIFY(L.DependsOn(X, X));
        QVERIFY(!L.DependsOn(B, C));
        QVERIFY(L.IsUsedInFormula(X));
        QVERIFY(L.IsUsedInFormula(B) == false);
        QVERIFY(L.HasFormulaCycle(C)); // any circle among computed columns counts
        QCOMPARE(L.RecalcFrom(A), QString("BXY"));
    }

    void shiftLetters_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("refs");
        QTest::addColumn<QChar>("from");
        QTest::addColumn<int>("delta");
        QTest::addColumn<QString>("newFormula");
        QTest::addColumn<QString>("newRefs");

        QTest::newRow("insert at A") << "SIN(A)+B"
                                     << "AB" << QChar('A') << 1 << "SIN(B)+C"
                                     << "BC";
        QTest::newRow("insert at B, prepared form") << "=a + c*1.5"
                                                    << "AC" << QChar('B') << 1 << "A+D*1,5"
                                                    << "AD";
        QTest::newRow("functions and exponents keep letters")
            << "EXP(E)-RUND(1E5)+LN(F)"
            << "EF" << QChar('C') << 1 << "EXP(F)-RUND(1E5)+LN(G)"
            << "FG";
        QTest::newRow("delete before") << "RUND(G)>=E"
                                       << "GE" << QChar('F') << -1 << "RUND(F)\u00BBE"
                                       << "FE";
        QTest::newRow("delete three") << "H<>B"
                                      << "HB" << QChar('C') << -3 << "E#B"
                                      << "EB";
        QTest::newRow("nothing at or after From") << "A*B"
                                                  << "AB" << QChar('C') << 1 << "A*B"
                                                  << "AB";
        QTest::newRow("pushed past Z") << "Z+A"
                                       << "ZA" << QChar('B') << 1 << "?+A"
                                       << "";
    }

    void shiftLetters()
    {
        QFETCH(QString, formula);
        QFETCH(QString, refs);
        QFETCH(QChar, from);
        QFETCH(int, delta);
        QFETCH(QString, newFormula);
        QFETCH(QString, newRefs);
        tLumen L;
        L.SetFormula(Z, formula);
        SetRefs(L, Z, refs);
        L.SetFormula(Y, formula); // not computed: left alone
        L.ShiftFormulaLetters(from, delta);
        QCOMPARE(L.GetFormula(Z), newFormula);
        QCOMPARE(L.GetFormulaRefs(Z), newRefs);
        QCOMPARE(L.GetFormula(Y), formula.toUpper());
        if (!newRefs.isEmpty()) {
            QVERIFY(L.Compile(newFormula));
            L.BuildFormulaRefs(X);
            QCOMPARE(L.GetFormulaRefs(X), newRefs);
        }
    }

    // Re-lettering and moving the columns together keep every result.
    void insertAndDeleteKeepResults()
    {
        tLumen L;
        SetColumn(L, A, {"1", "2"});
        SetColumn(L, B, {"3", "4"});
        MakeComputed(L, C, "A*B+SIN(0)");
        MakeComputed(L, D, "C-A");
        L.RecalcFrom(A);
        QCOMPARE(Column(L, D), QString("2|6"));

        L.ShiftFormulaLetters('B', 1);
        L.InsertColumn(B);
        QCOMPARE(L.GetFormula(D), QString("A*C+SIN(0)"));
        QCOMPARE(L.GetFormula(E), QString("D-A"));
        QVERIFY(L.DependsOn(E, C));
        SetColumn(L, C, {"5", "6"});
        QCOMPARE(L.RecalcFrom(C), QString("DE"));
        QCOMPARE(Column(L, E), QString("4|10"));

        QVERIFY(!L.IsUsedInFormula(B));
        L.ShiftFormulaLetters('B', -1);
        L.DeleteColumn(B);
        QCOMPARE(L.GetFormula(C), QString("A*B+SIN(0)"));
        QCOMPARE(L.GetFormula(D), QString("C-A"));
        QCOMPARE(L.RecalcFrom(A), QString("CD"));
        QCOMPARE(Column(L, D), QString("4|10"));
    }
};

QTEST_GUILESS_MAIN(tst_formula)
#include "tst_formula.moc"
