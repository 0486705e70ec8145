// The computations behind the two-variable descriptions: the pair figures,
// the cross-table counts and the chi-square value against values worked by
// hand, and the copy texts of the worked examples and of faulty pairs.
#include "support_twovar.h"

#include "Clipboard.h"
#include "TwoVar.h"

#include <QTest>
#include <cmath>

using namespace twovar;

namespace
{

bool Close(double A, double B)
{
    return std::fabs(A - B) <= 1e-12 * std::max(std::fabs(B), 1.0);
}

// Line I holds I * Factor mod M. With x = I and y = 7 I mod (N - 1), every x
// is alone in its category and only y = 0 comes twice: chi-square N (N - 2).
QString Seq(int N, int Factor, int M)
{
    QString S;
    for (int I = 0; I < N; ++I)
        S += QString::number(I * Factor % M) + ' ';
    return S;
}

} // namespace

class TstPairFigures : public QObject
{
    Q_OBJECT

  private slots:
    // Covariance, slope and intercept worked by hand; large values with a
    // small spread keep their digits.
    void pairFigures_data()
    {
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("B");
        QTest::addColumn<double>("Cov");
        QTest::addColumn<double>("Slope");
        QTest::addColumn<double>("Intercept");
        auto Row = [](const char *Name, const char *A, const char *B, double Cov, double Slope,
                      double Intercept) {
            QTest::newRow(Name) << QString(A) << QString(B) << Cov << Slope << Intercept;
        };
        Row("worked example", "1 2 2", "5 5 6", 1.0 / 9, 0.5, 4.5);
        Row("large values", "1000000000005 1000000000001 1000000000004 1000000000002 1000000000003",
            "7 -2 9 1 3", 5.2, 2.6, -2600000000004.2);
        Row("years", "2017 2019 2020 2020 2022 2023 2021", "11 14 13 15 17 19 16", 210.0 / 49,
            210.0 / 164, -421800.0 / 164);
    }
    void pairFigures()
    {
        QFETCH(QString, A);
        QFETCH(QString, B);
        QFETCH(double, Cov);
        QFETCH(double, Slope);
        QFETCH(double, Intercept);
        auto L = Pair(A, B);
        const tPairFigures F = PairFiguresOf(PairSumsOf(*L, 0, 1));
        QCOMPARE(F.n, qint64(B.count(' ') + 1));
        QVERIFY(!F.Vertical);
        QVERIFY2(Close(double(F.Covariance), Cov),
                 qPrintable(QString::number(double(F.Covariance))));
        QVERIFY(Close(double(F.Slope), Slope));
        QVERIFY(Close(double(F.Intercept), Intercept));
    }

    // The slope of a huge x is small but not 0, and the line passes
    // through both points; the worked example gives the same figures
    // however far it is scaled.
    void hugeFigures()
    {
        auto L = Pair("0 1e2467", "0 5");
        tPairFigures F = PairFiguresOf(PairSumsOf(*L, 0, 1));
        QVERIFY(F.SlopeDefined && F.InterceptDefined && F.CovarianceDefined && F.rDefined);
        QVERIFY(std::fabs(F.Slope * 1e2467L - 5) < 1e-15L);
        QVERIFY(std::fabs(F.Intercept) < 1e-15L);
        QVERIFY(std::fabs(F.r - 1) < 1e-15L);
        for (const char *Exp : {"e-4000", "e-100", "", "e100", "e4000"}) {
            auto S = Pair(QString("1%1 2%1 2%1").arg(Exp), QString("5%1 5%1 6%1").arg(Exp));
            F = PairFiguresOf(PairSumsOf(*S, 0, 1));
            const Extended Unit = std::pow(10.0L, QString(Exp).mid(1).toInt());
            QVERIFY2(std::fabs(F.Slope - 0.5L) < 1e-15L, Exp);
            QVERIFY2(std::fabs(F.Intercept / Unit - 4.5L) < 1e-15L, Exp);
            QVERIFY2(std::fabs(F.r - 0.5L) < 1e-15L, Exp);
            QCOMPARE(F.CovarianceDefined, QString(Exp) != "e4000");
        }
    }

    // The copy texts, "|" between lines: the key figures as size |
    // covariance | r | regression line and its figures | chi-square, the
    // cross table after its title. A faulty pair is refused and leaves the
    // clipboard as it was.
    void copyTexts_data()
    {
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("B");
        QTest::addColumn<int>("Decimals");
        QTest::addColumn<QString>("Kind");
        QTest::addColumn<QString>("Text"); // empty: refused
        auto Row = [](const char *Name, const char *A, const char *B, int Decimals,
                      const char *Kind, const char *Text) {
            QTest::newRow(Name) << QString(A) << QString(B) << Decimals << QString(Kind)
                                << QString::fromUtf8(Text);
        };
        Row("straight line", "1 2 3", "2 4 6", 0, "keys",
            "3 x 3|1,33|1,00|Y = aX + b , hvor|a =\t2,00|b =\t0,00|6,00");
        Row("constant x", "5 5 5", "1 2 3", 0, "keys",
            "1 x 3|0,00|(udefineret)|X = a , hvor|a =\t5,00|0,00");
        Row("constant y", "1 2 3 4", "7 7 7 7", 0, "keys",
            "4 x 1|0,00|(udefineret)|Y = aX + b , hvor|a =\t0,00|b =\t7,00|0,00");
        Row("tenths, constant x", "0.1 0.1 0.1", "1 3 2", 1, "keys",
            "1 x 3|0,000|(udefineret)|X = a , hvor|a =\t0,100|0,000");
        Row("worked example", "1 2 2", "5 5 6", 1, "cross",
            "\t1,0\t2,0\tHyppighed|5,0\t1\t1\t2|6,0\t0\t1\t1|Hyppighed\t1\t2\t3");
        // 25 lies in no group of A: its line adds to no cell, so the row sum
        // falls short of the row group's count.
        Row("grouped, a value outside", "1 12 25 3", "2 2 2 15", 1, "grouped",
            "\t 0 - 10\t 10 - 20\tHyppighed| 0 - 10\t1\t1\t2| 10 - 20\t1\t0\t1|"
            "Hyppighed\t2\t1\t3");
        // Huge values: scaled before squaring, so r and the line are right;
        // a figure that is itself too large for a number is undefined.
        Row("huge values", "0 1e3000", "0 1e3000", 0, "keys",
            "2 x 2|(udefineret)|1,00|Y = aX + b , hvor|a =\t1,00|b =\t0,00|2,00");
        Row("one huge column", "0 1e2467", "0 5", 0, "keys",
            "2 x 2|1,25E2467|1,00|Y = aX + b , hvor|a =\t0,00|b =\t0,00|2,00");
        Row("the ends of the range", "-1.1e4932 1.1e4932 0", "1 3 2", 0, "keys",
            "3 x 3|7,33333333333333333E4931|1,00|Y = aX + b , hvor|a =\t0,00|b =\t2,00|6,00");
        Row("a slope too large", "0 1e-3000", "0 1e3000", 0, "keys",
            "2 x 2|0,25|1,00|Y = aX + b , hvor|a =\t(udefineret)|b =\t(udefineret)|2,00");
        Row("tiny values", "1e-3000 2e-3000 3e-3000", "2e-3000 4e-3000 6e-3000", 0, "keys",
            "3 x 3|0,00|1,00|Y = aX + b , hvor|a =\t2,00|b =\t0,00|6,00");
        Row("one longer", "1 2 3", "4 5 6 7", 0, "keys", "");
        Row("gap in the middle", "1 _ 3", "4 5 6", 0, "cross", "");
        Row("text cell", "1 x 3", "4 5 6", 0, "keys", "");
        Row("gaps on one line", "1 _ 3", "4 _ 6", 0, "cross", "");
    }
    void copyTexts()
    {
        QFETCH(QString, A);
        QFETCH(QString, B);
        QFETCH(int, Decimals);
        QFETCH(QString, Kind);
        QFETCH(QString, Text);
        auto L = Pair(A, B, Decimals);
        for (int Col = 0; Col < 2 && Kind == "grouped"; ++Col)
            Group(*L, Col, 0, 10, 0, 2);
        const tDescriptor &D = Recomputed(*L);
        QCOMPARE(MarkedPairFaulty(*L), Text.isEmpty());
        QStringList Lines{"\"Kolonne A\" krydset med \"Kolonne B\""};
        const QStringList F = Text.split('|');
        if (Kind == "keys" && !Text.isEmpty()) {
            Lines = QStringList{"Søjle A og Søjle B",
                                "Antal tabellinjer\t" + QString::number(A.count(' ') + 1),
                                "Krydstabelstørrelse\t" + F[0],
                                "Kovarians\t" + F[1],
                                "Korrelationskoefficient\t" + F[2],
                                "Regressionslinje: " + F[3]};
            Lines << F.mid(4, F.size() - 5) << "Chi-kvadrat værdi\t" + F.last();
        } else {
            Lines << F;
        }
        SetClipboardText(QStringLiteral("før"));
        QCOMPARE(Kind == "keys" ? CopyPairKeyFigures(*L, D) : CopyCrossTable(*L, D),
                 !Text.isEmpty());
        QString Got;
        QVERIFY(GetClipboardText(Got));
        QCOMPARE(Got, Text.isEmpty() ? QStringLiteral("før") : Lines.join("\r\n") + "\r\n");
    }

    // The cells of the table ("i,j=count" of the non-zero ones, not listed
    // for the large tables) and chi-square worked by hand: N (sum of O^2 /
    // (h_i h_j) - 1), or the sum of (O - E)^2 / E where a value lies in no
    // class. Gap < 0: ungrouped, else three classes (0; 10], (10; 20],
    // (20; 30] for gap 0 and [1; 5], [6; 10], [11; 15] for gap 1.
    void crossCounts_data()
    {
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("B");
        QTest::addColumn<double>("Gap");
        QTest::addColumn<QString>("Filled");
        QTest::addColumn<double>("Chi");
        auto Row = [](const char *Name, const QString &A, const QString &B, double Gap,
                      const char *Filled, double Chi) {
            QTest::newRow(Name) << A << B << Gap << QString(Filled) << Chi;
        };
        Row("worked example", "1 2 2", "5 5 6", -1, "0,0=1 1,0=1 1,1=1", 0.75);
        // Distinct values that share their nearest double.
        Row("19 digits", "1000000000000000001 1000000000000000002 1000000000000000002", "5 5 6", -1,
            "0,0=1 1,0=1 1,1=1", 0.75);
        Row("diagonal", "3 1 2 3", "3 1 2 3", -1, "0,0=1 1,1=1 2,2=2", 8);
        Row("2 x 2", "1 1 2 2 2", "1 2 1 1 2", -1, "0,0=1 0,1=1 1,0=2 1,1=1", 5.0 / 36);
        Row("gap 0: upper bound inside", "10 10.5 0.5 20", "10 10.5 0.5 20", 0, "0,0=2 1,1=2", 4);
        Row("gap 0: lower bound outside", "0 10 20.5", "5 5 5", 0, "0,0=1 2,0=1", 1.0 / 3);
        Row("gap 1: both bounds inside", "1 5 6 10 5.5", "6 10 1 5 1", 1, "0,1=2 1,0=2", 11.0 / 3);
        Row("300 x 299", Seq(300, 1, 1000), Seq(300, 7, 299), -1, "", 300.0 * 298);
        Row("2100 x 2099, counted sparsely", Seq(2100, 1, 10000), Seq(2100, 7, 2099), -1, "",
            2100.0 * 2098);
    }
    void crossCounts()
    {
        QFETCH(QString, A);
        QFETCH(QString, B);
        QFETCH(double, Gap);
        QFETCH(QString, Filled);
        QFETCH(double, Chi);
        auto L = Pair(A, B, 1);
        for (int Col = 0; Col < 2 && Gap >= 0; ++Col)
            Group(*L, Col, Gap == 0 ? 0 : 1, Gap == 0 ? 10 : 5, Gap, 3);
        const tDescriptor &D = Recomputed(*L);
        const double Got = double(PairChiSquare(*L, D));
        QVERIFY2(Close(Got, Chi), qPrintable(QString::number(Got, 'g', 17)));
        if (Filled.isEmpty())
            return;
        const tCrossTable T = CountCrossTable(*L, D);
        QStringList Cells;
        for (int J = 0; J < T.k1; ++J)
            for (int I = 0; I < T.k0; ++I)
                if (T.At(I, J) != 0)
                    Cells << QString("%1,%2=%3").arg(I).arg(J).arg(T.At(I, J));
        Cells.sort();
        QCOMPARE(Cells.join(' '), Filled);
    }
};

QTEST_MAIN(TstPairFigures)
#include "tst_pairfigures.moc"
