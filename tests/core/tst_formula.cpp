// Number texts and the formula language: preparation, compiling, evaluation
// and its error codes, and the stored value of a computed cell.
#include "Lumen.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QtTest>
#include <cmath>
#include <cstdlib>

namespace
{

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

    // Code 0: the value; 5: an arithmetic fault in evaluation; any other
    // code: the compile fails with it.
    void evaluate_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("c");
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("code");
        auto Row = [](const QString &F, double A, double B, double C, double Expected,
                      int Code = 0) {
            QTest::addRow("%s (%g %g %g)", qPrintable(F), A, B, C)
                << F << A << B << C << Expected << Code;
        };
        auto Fails = [&](const QString &F, int Code, double A = 1, double B = 1) {
            Row(F, A, B, 0, 0, Code);
        };
        // Binding follows the operator codes.
        Row("A+B*C", 2, 3, 4, 14);
        Row("A-B-C", 10, 3, 2, 5);
        Row("A/B*C", 8, 2, 2, 8);
        Row("2^3^2", 0, 0, 0, 64);
        Row("A^B", -1, 2147483647, 0, -1); // the largest whole power of a negative number
        Row("A+B>C", 1, 5, 2, 2);
        Row("(A+B)>C", 1, 5, 2, 1);
        Row("-A^2", 3, 0, 0, -9);
        Row("+A-B", 3, 5, 0, -2);
        Row("KVR(A)*2+SIN(0)^2", 9, 0, 0, 6);
        Row("=a + b", 1, 2, 0, 3);
        Row("1.5*a", 2, 0, 0, 3);
        // Functions.
        Row("RUND(2,5)", 0, 0, 0, 2);
        Row("RUND(3,5)", 0, 0, 0, 4);
        Row("RUND(A)", 2.4, 0, 0, 2);
        Row("RUND(A)", 2.6, 0, 0, 3);
        Row("AFK(A)", -2.7, 0, 0, -2);
        Row("ABS(A)", -2.5, 0, 0, 2.5);
        Row("LOG(A)", 1000, 0, 0, 3);
        Row("LN(A)", M_E, 0, 0, 1);
        Row("COS(A)", M_PI, 0, 0, -1);
        // Powers.
        Row("A^B", -2, 3, 0, -8);
        Row("A^B", 2, -2, 0, 0.25);
        Row("A^B", 0, 0, 0, 1);
        Row("A^B", 0, 2, 0, 0);
        Row("A^B", 4, 0.5, 0, 2);
        Row("A^B", 0.25, 0.5, 0, 0.5);
        Row("A^B", 1, 2147483647.0, 0, 1);
        Row("A^B", 10, -5000, 0, 0);
        // Comparisons with the tolerance 5E-10.
        Row("A=B", 1, 1 + 4e-10, 0, 1);
        Row("A=B", 1, 1 + 6e-10, 0, 0);
        Row("A#B", 1, 1 + 6e-10, 0, 1);
        Row("A>B", 1 + 4e-10, 1, 0, 0);
        Row("A>B", 1 + 6e-10, 1, 0, 1);
        Row("A<B", 1, 1 + 4e-10, 0, 0);
        Row("A<B", 1, 1 + 6e-10, 0, 1);
        Row("A>=B", 1 - 4e-10, 1, 0, 1);
        Row("A>=B", 1 - 6e-10, 1, 0, 0);
        Row("A<=B", 1 + 4e-10, 1, 0, 1);
        Row("A<=B", 1 + 6e-10, 1, 0, 0);
        Row("A\u00BBB", 2, 2, 0, 1);
        Row(SignedSum(16), 1, 2, 3, 6);

        Fails("", 1);
        Fails("A+", 1);
        Fails("A(B)", 1);
        Fails("SIN()", 1);
        Fails("A$B", 3);
        Fails("*A", 3);
        Fails("--A", 3);
        Fails("ABS(-A)", 3); // a minus after the first name is a subtraction
        Fails("SIN A", 6);
        Fails("LOG2(A)", 6);
        Fails("æ+1", 6);
        Fails("1,5,3", 7);
        Fails("2A", 7);
        Fails("1E99999", 7);
        Fails("(A", 9);
        Fails("A)", 9);
        Fails("A+B)*(C", 9);
        Fails("A" + QString("+A").repeated(16), 10);
        Fails(SignedSum(26), 10); // a 27th letter cannot be written
        Fails("A/B", 5, 1, 0);
        Fails("KVR(A)", 5, -1);
        Fails("LOG(A)", 5, 0);
        Fails("LN(A)", 5, -1);
        Fails("EXP(A)", 5, 20000);
        Fails("EXP(A)*EXP(A)", 5, 11000);
        Fails("A^B", 5, -8, 1.0 / 3);
        Fails("A^B", 5, 0, -1);
        Fails("A^B", 5, 10, 5000);
    }

    void evaluate()
    {
        QFETCH(QString, formula);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, c);
        QFETCH(double, expected);
        QFETCH(int, code);
        tLumen L;
        QCOMPARE(L.Compile(formula), code == 0 || code == 5);
        Extended R = -1;
        if (L.GetCalcError() == 0) {
            const double Values[] = {a, b, c};
            for (int I = 0; I < L.GetVarCount(); ++I) {
                const int K = L.VarName(I).at(0).unicode() - 'A';
                L.SetVarValue(I, K < 3 ? Values[K] : 0);
            }
            R = L.Evaluate();
        }
        QCOMPARE(int(L.GetCalcError()), code);
        if (code == 0 || code == 5)
            QVERIFY2(std::fabs(double(R) - expected) < 1e-12, qPrintable(FormatGeneral(R)));
    }

    // A computed cell holds exactly what its general 15-digit text reads back
    // as, over all magnitudes and at the rounding edges.
    void computedValueMatchesGeneralText()
    {
        QVector<Extended> Values;
        const QString Edges = QStringLiteral(
            "0 -0 1 0.1 100000000000000.5 100000000000001.5 999999999999999.5 9.999999999999995 "
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
        tLumen L;
        for (Extended V : Values)
            L.Cols[0].Cells.append(tCell{csNumber, QString(), V});
        L.SetFormula(1, "A/7");
        L.SetComputed(1, true);
        L.ComputeColumn(1);
        QCOMPARE(L.CellCount(1), Values.size());
        for (int I = 0; I < Values.size(); ++I) {
            const Extended Exact = Values[I] / 7;
            Extended Expected = 0;
            QVERIFY(ParseNumber(FormatGeneral(Exact), Expected));
            TCellState S = csEmpty;
            const Extended Got = L.GetCellValue(I, 1, S);
            QVERIFY2(S == csNumber && Got == Expected,
                     qPrintable(FormatGeneral(Exact) + " gives " + FormatGeneral(Got)));
        }
    }

    // Decimals "g": the general form.
    void format_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("decimals");
        QTest::addColumn<QString>("text");
        auto Row = [](const char *Name, const char *Value, const char *Decimals, const char *Text) {
            QTest::newRow(Name) << QString(Value) << QString(Decimals) << QString(Text);
        };
        Row("pi 2", "3.14159", "2", "3,14");
        Row("no mark at 0 decimals", "7.25", "0", "7");
        Row("negative zero after rounding", "-0.001", "2", "0,00");
        Row("negative decimals count as 0", "2.4", "-3", "2");
        // Ties round away from zero on the decimal digits, as taught in school.
        Row("tie up", "2.5", "0", "3");
        Row("tie up negative", "-0.125", "2", "-0,13");
        Row("carry into new digit", "9.996", "2", "10,00");
        Row("tiny rounds to zero", "1e-30", "3", "0,000");
        Row("decimals above 18 count as 18", "0.25", "25", "0,250000000000000000");
        Row("huge switches to scientific", "1.5e20", "2", "1,5E20");
        Row("huge negative", "-2e19", "0", "-2E19");
        Row("18 digits", "0.333333333333333333333", "18", "0,333333333333333333");
        Row("18 digits, then zeros", "33.3333333333333333333", "18", "33,333333333333333300");
        Row("a typed tie just below in binary", "1.005", "2", "1,01");
        Row("general integer", "42", "g", "42");
        Row("general third, 15 digits", "0.3333333333333333", "g", "0,333333333333333");
        Row("general tiny", "1.5e-7", "g", "1,5E-7");
        Row("general large", "1e20", "g", "1E20");
        Row("general binary noise rounded", "0.30000000000000004", "g", "0,3");
    }
    void format()
    {
        QFETCH(QString, value);
        QFETCH(QString, decimals);
        QFETCH(QString, text);
        Extended V = 0;
        QVERIFY(ParseNumber(value, V));
        QCOMPARE(decimals == "g" ? FormatGeneral(V) : FormatNumber(V, decimals.toInt()), text);
    }

    // Kind "i": read as a 32-bit integer.
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        auto Row = [](const char *Name, const QString &Text, const char *Kind, bool Ok, double V) {
            QTest::newRow(Name) << Text << QString(Kind) << Ok << V;
        };
        Row("comma", "2,5", "", true, 2.5);
        Row("point", "2.5", "", true, 2.5);
        Row("point is decimal", "1.000", "", true, 1.0);
        Row("point and comma", "1.000,5", "", false, 0.0);
        Row("two commas", "4,2,1", "", false, 0.0);
        Row("blanks around", " 4,2 ", "", true, 4.2);
        Row("sign", "-3", "", true, -3.0);
        Row("negative exponent", "2,5e-3", "", true, 2.5e-3);
        Row("empty", "", "", false, 0.0);
        Row("dash", "-", "", false, 0.0);
        Row("inf", "inf", "", false, 0.0);
        Row("out of range", "1e99999", "", false, 0.0);
        Row("hex", "0x1F", "", false, 0.0);
        Row("thousands", "1 000", "", false, 0.0);
        Row("exponent without digits", "1e", "", false, 0.0);
        Row("arabic digits", QString::fromUtf8("\u0661"), "", false, 0.0);
        Row("tab around", "\t4", "", false, 0.0);
        Row("integer", "12", "i", true, 12.0);
        Row("integer decimal", "2,5", "i", false, 0.0);
        Row("integer max", "2147483647", "i", true, 2147483647.0);
        Row("integer min", "-2147483648", "i", true, -2147483648.0);
        Row("integer overflow", "2147483648", "i", false, 0.0);
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, kind);
        QFETCH(bool, ok);
        QFETCH(double, value);
        Extended V = -99;
        int32_t I = -99;
        QCOMPARE(kind == "i" ? ParseInteger(text, I) : ParseNumber(text, V), ok);
        if (ok)
            QCOMPARE(kind == "i" ? double(I) : double(V), value);
    }

    // Every number reads as the C library reads it, to the last bit: the
    // edges of the short route (19 digits, 27 decimals, leading zeros, a
    // negative zero) and many random ones of every length.
    void parseAsTheLibrary()
    {
        QStringList Texts{"9999999999999999999", "18446744073709551616", "99999999999999999999",
                          "0,000000000000000000000000001", "0.0000000000000000000000000001",
                          "0,00000000000000000000001234567890123456789", "-0", "+0,0", "5,",
                          ",5", " 007,250 ", "123456789012345678,9", "1234567890123456789,0"};
        uint32_t Seed = 20261207;
        auto Next = [&Seed](uint32_t Below) {
            Seed = Seed * 1664525u + 1013904223u;
            return (Seed >> 8) % Below;
        };
        for (int K = 0; K < 20000; ++K) {
            QString T = Next(4) == 0 ? QStringLiteral("-") : QString();
            const int Digits = 1 + int(Next(24)), Mark = int(Next(uint32_t(Digits + 1)));
            for (int D = 0; D < Digits; ++D) {
                if (D == Mark && Next(3) != 0)
                    T += Next(2) ? QLatin1Char(',') : QLatin1Char('.');
                T += QLatin1Char(char('0' + Next(10)));
            }
            Texts << T;
        }
        for (const QString &T : Texts) {
            QByteArray C = T.trimmed().toLatin1();
            C.replace(',', '.');
            const long double Want = std::strtold(C.constData(), nullptr);
            Extended Got = -99;
            QVERIFY2(ParseNumber(T, Got), qPrintable(T));
            QVERIFY2(Got == Want && std::signbit(Got) == std::signbit(Want), qPrintable(T));
        }
    }
};

QTEST_GUILESS_MAIN(tst_formula)
#include "tst_formula.moc"
