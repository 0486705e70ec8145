// The computations behind the two-variable descriptions: the pair figures
// against exact integer arithmetic, the cross-table counts against a count
// cell by cell, the chi-square value against its defining sum, and the copy
// texts of the worked examples.
#include "support_twovar.h"

#include "Clipboard.h"
#include "TwoVar.h"

#include <QTest>
#include <cmath>
#include <map>

using namespace twovar;

namespace
{

// Covariance and slope of integer pairs from exact 128-bit sums.
struct tExact {
    long double Cov = 0, Slope = 0;
};

tExact ExactFigures(const std::vector<int64_t> &X, const std::vector<int64_t> &Y)
{
    __int128 n = __int128(X.size()), Sx = 0, Sy = 0, Sxx = 0, Sxy = 0;
    for (size_t I = 0; I < X.size(); ++I) {
        Sx += X[I];
        Sy += Y[I];
        Sxx += __int128(X[I]) * X[I];
        Sxy += __int128(X[I]) * Y[I];
    }
    // cov = (n Sxy - Sx Sy) / n^2, slope = (n Sxy - Sx Sy) / (n Sxx - Sx^2)
    const __int128 Num = n * Sxy - Sx * Sy;
    const __int128 Den = n * Sxx - Sx * Sx;
    return tExact{(long double)Num / ((long double)n * (long double)n),
                  (long double)Num / (long double)Den};
}

bool Close(long double A, long double B, long double Rel)
{
    return std::fabs(A - B) <= Rel * std::max<long double>(std::fabs(B), 1e-300L);
}

// A brute-force count of cell (I, J): every line checked against the
// categories by the membership rules written out here.
int64_t CountCell(const tLumen &L, const tDescriptor &D, int I, int J)
{
    auto In = [](const tSeries &S, int K, Extended V) {
        const TFreqRecord &R = S.List[K];
        if (!S.Grouped)
            return V == R.Value;
        const bool Closed = S.ClassGaps; // automatic groupings only in these tests
        return V <= R.Upper && (Closed ? V >= R.Lower : V > R.Lower);
    };
    const tSeries &S0 = D.GetSeries(0), &S1 = D.GetSeries(1);
    int64_t N = 0;
    for (int Line = 0; Line < std::max(L.CellCount(0), L.CellCount(1)); ++Line) {
        TCellState A, B;
        const Extended X = L.GetCellValue(Line, 0, A), Y = L.GetCellValue(Line, 1, B);
        if (A == csNumber && B == csNumber && In(S0, I, X) && In(S1, J, Y))
            ++N;
    }
    return N;
}

// The chi-square sum as defined, cell by cell.
long double DirectChi(const tCrossTable &T)
{
    long double Sum = 0;
    for (int J = 0; J < T.k1; ++J)
        for (int I = 0; I < T.k0; ++I) {
            const long double E = (long double)(T.ColH[I] * T.RowH[J]) / T.ColTotal;
            if (E > 0)
                Sum += (T.At(I, J) - E) * (T.At(I, J) - E) / E;
        }
    return Sum;
}

} // namespace

class TstPairFigures : public QObject
{
    Q_OBJECT

  private slots:
    void figuresAgreeWithExactSums_data()
    {
        QTest::addColumn<qint64>("Base");
        QTest::addColumn<QString>("Steps");
        QTest::addColumn<QString>("Ys");
        auto Row = [](const char *Name, qint64 Base, const char *Steps, const char *Ys) {
            QTest::newRow(Name) << Base << QString(Steps) << QString(Ys);
        };
        Row("worked example", 0, "1 2 2", "5 5 6");
        Row("years, spread 3", 2020, "-3 -1 0 0 2 3 1", "11 14 13 15 17 19 16");
        Row("large values", 1000000000000, "5 1 4 2 3", "7 -2 9 1 3");
        Row("negative slope", -40, "0 1 2 3 4 5", "30 24 21 15 11 4");
    }
    void figuresAgreeWithExactSums()
    {
        QFETCH(qint64, Base);
        QFETCH(QString, Steps);
        QFETCH(QString, Ys);
        std::vector<int64_t> X, Y;
        QString Xs;
        for (const QString &S : Steps.split(' ')) {
            X.push_back(Base + S.toLongLong());
            Xs += QString::number(X.back()) + ' ';
        }
        for (const QString &S : Ys.split(' '))
            Y.push_back(S.toLongLong());
        auto L = Pair(Xs, Ys);
        const tPairFigures F = PairFiguresOf(PairSumsOf(*L, 0, 1));
        const tExact E = ExactFigures(X, Y);
        QCOMPARE(F.n, qint64(X.size()));
        QVERIFY(!F.Vertical);
        QVERIFY2(Close(F.Covariance, E.Cov, 1e-12L),
                 qPrintable(QString::number(double(F.Covariance))));
        QVERIFY(Close(F.Slope, E.Slope, 1e-12L));
        // The line passes through the means.
        long double Mx = 0, My = 0;
        for (size_t I = 0; I < X.size(); ++I) {
            Mx += X[I] - Base;
            My += Y[I];
        }
        Mx = Base + Mx / X.size();
        My /= Y.size();
        const long double Scale = std::max(std::fabs(My), std::fabs(F.Slope * Mx));
        QVERIFY(std::fabs(F.Slope * Mx + F.Intercept - My) <= 1e-12L * Scale);
    }

    // The worked examples of the key figures, as the copy text shows them:
    // size | covariance | r | regression line and its figures | chi-square.
    void keyFiguresText_data()
    {
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("B");
        QTest::addColumn<QString>("Figures");
        auto Row = [](const char *Name, const char *A, const char *B, const char *Figures) {
            QTest::newRow(Name) << QString(A) << QString(B) << QString(Figures);
        };
        Row("straight line", "1 2 3", "2 4 6",
            "3 x 3|1,33|1,00|Y = aX + b , hvor|a =\t2,00|b =\t0,00|6,00");
        Row("constant x", "5 5 5", "1 2 3", "1 x 3|0,00|(udefineret)|X = a , hvor|a =\t5,00|0,00");
        Row("constant y", "1 2 3 4", "7 7 7 7",
            "4 x 1|0,00|(udefineret)|Y = aX + b , hvor|a =\t0,00|b =\t7,00|0,00");
        Row("tenths, constant x", "0.1 0.1 0.1", "1 3 2",
            "1 x 3|0,000|(udefineret)|X = a , hvor|a =\t0,100|0,000");
    }
    void keyFiguresText()
    {
        QFETCH(QString, A);
        QFETCH(QString, B);
        QFETCH(QString, Figures);
        auto L = Pair(A, B, A.contains('.') ? 1 : 0);
        const tDescriptor &D = Recomputed(*L);
        const QStringList F = Figures.split('|');
        QStringList Lines{"Søjle A og Søjle B",
                          "Antal tabellinjer\t" + QString::number(A.count(' ') + 1),
                          "Krydstabelstørrelse\t" + F[0],
                          "Kovarians\t" + F[1],
                          "Korrelationskoefficient\t" + F[2],
                          "Regressionslinje: " + F[3]};
        Lines << F.mid(4, F.size() - 5) << "Chi-kvadrat værdi\t" + F.last();
        QCOMPARE(PairKeyFiguresText(*L, D), Lines.join("\r\n") + "\r\n");
    }

    // Counts against the cell-by-cell count; margins are the summaries' h.
    void crossCounts_data()
    {
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("B");
        QTest::addColumn<double>("Gap");     // < 0: ungrouped
        QTest::addColumn<QString>("Filled"); // "i,j=count" of the non-zero cells
        auto Row = [](const char *Name, const char *A, const char *B, double Gap,
                      const char *Filled) {
            QTest::newRow(Name) << QString(A) << QString(B) << Gap << QString(Filled);
        };
        Row("worked example", "1 2 2", "5 5 6", -1, "0,0=1 1,0=1 1,1=1");
        // Distinct values that share their nearest double.
        Row("19 digits", "1000000000000000001 1000000000000000002 1000000000000000002", "5 5 6", -1,
            "0,0=1 1,0=1 1,1=1");
        Row("diagonal", "3 1 2 3", "3 1 2 3", -1, "0,0=1 1,1=1 2,2=2");
        Row("gap 0: upper bound inside", "10 10.5 0.5 20", "10 10.5 0.5 20", 0, "0,0=2 1,1=2");
        Row("gap 0: lower bound outside", "0 10 20.5", "5 5 5", 0, "0,0=1");
        Row("gap 1: both bounds inside", "1 5 6 10 5.5", "6 10 1 5 1", 1, "0,1=2 1,0=2");
    }
    void crossCounts()
    {
        QFETCH(QString, A);
        QFETCH(QString, B);
        QFETCH(double, Gap);
        QFETCH(QString, Filled);
        auto L = Pair(A, B, 1);
        for (int Col = 0; Col < 2 && Gap >= 0; ++Col)
            Group(*L, Col, Gap == 0 ? 0 : 1, Gap == 0 ? 10 : 5, Gap, 2);
        const tDescriptor &D = Recomputed(*L);
        const tCrossTable T = CountCrossTable(*L, D);
        QCOMPARE(T.k0, D.ListCount(0));
        QCOMPARE(T.k1, D.ListCount(1));
        std::map<QString, int64_t> Expected;
        for (const QString &F : Filled.split(' '))
            Expected[F.section('=', 0, 0)] = F.section('=', 1).toLongLong();
        for (int J = 0; J < T.k1; ++J)
            for (int I = 0; I < T.k0; ++I) {
                const QString Key = QString("%1,%2").arg(I).arg(J);
                const int64_t Want = Expected.count(Key) ? Expected[Key] : 0;
                QCOMPARE(T.At(I, J), Want);
                QCOMPARE(T.At(I, J), CountCell(*L, D, I, J));
            }
        for (int I = 0; I < T.k0; ++I)
            QCOMPARE(T.ColH[I], D.GetSeries(0).List[I].h);
        QCOMPARE(T.RowTotal, D.GetSeries(1).List.last().H);
    }

    // The chi-square value against its defining sum, also for many
    // categories (counted sparsely) and groups without values.
    void chiSquare_data()
    {
        QTest::addColumn<int>("Lines");
        QTest::addColumn<int>("XModulus"); // line I: x = I mod XModulus,
        QTest::addColumn<int>("Modulus");  // y = 7 I mod Modulus
        QTest::addColumn<bool>("Grouped");
        QTest::newRow("small") << 40 << 97 << 5 << false;
        QTest::newRow("grouped with empty groups") << 30 << 97 << 9 << true;
        QTest::newRow("many categories, sparse") << 2100 << 100000 << 2099 << false;
    }
    void chiSquare()
    {
        QFETCH(int, Lines);
        QFETCH(int, XModulus);
        QFETCH(int, Modulus);
        QFETCH(bool, Grouped);
        QString A, B;
        for (int I = 0; I < Lines; ++I) {
            A += QString::number(I % XModulus) + ' ';
            B += QString::number(I * 7 % Modulus) + ' ';
        }
        auto L = Pair(A, B);
        if (Grouped) {
            Group(*L, 0, 0, 10, 0, 15); // groups up to 150: most stay empty
            Group(*L, 1, 0, 2, 0, 10);
        }
        const tDescriptor &D = Recomputed(*L);
        const long double Chi = PairChiSquare(*L, D);
        long double Want = 0;
        if (int64_t(D.ListCount(0)) * D.ListCount(1) <= 4000000) {
            Want = DirectChi(CountCrossTable(*L, D));
        } else {
            std::map<std::pair<int, int>, int> Cells;
            std::map<int, int> Hx, Hy;
            for (int I = 0; I < Lines; ++I) {
                ++Cells[{I % XModulus, I * 7 % Modulus}];
                ++Hx[I % XModulus];
                ++Hy[I * 7 % Modulus];
            }
            for (const auto &[X, HxV] : Hx)
                for (const auto &[Y, HyV] : Hy) {
                    const long double E = (long double)HxV * HyV / Lines;
                    const auto It = Cells.find({X, Y});
                    const int O = It == Cells.end() ? 0 : It->second;
                    Want += (O - E) * (O - E) / E;
                }
        }
        QVERIFY2(Close(Chi, Want, 1e-12L),
                 qPrintable(QString("%1 vs %2").arg(double(Chi)).arg(double(Want))));
    }

    // Rows of the copy text after the titles, "|" between lines.
    void crossTableText_data()
    {
        QTest::addColumn<bool>("Grouped");
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("B");
        QTest::addColumn<QString>("Rows");
        QTest::newRow("worked example")
            << false << "1 2 2"
            << "5 5 6"
            << "\t1,0\t2,0\tHyppighed|5,0\t1\t1\t2|6,0\t0\t1\t1|Hyppighed\t1\t2\t3";
        // 25 lies in no group of A: its line adds to no cell, so the row sum
        // falls short of the row group's count.
        QTest::newRow("grouped, a value outside")
            << true << "1 12 25 3"
            << "2 2 2 15"
            << "\t 0 - 10\t 10 - 20\tHyppighed| 0 - 10\t1\t1\t2| 10 - "
               "20\t1\t0\t1|Hyppighed\t2\t1\t3";
    }
    void crossTableText()
    {
        QFETCH(bool, Grouped);
        QFETCH(QString, A);
        QFETCH(QString, B);
        QFETCH(QString, Rows);
        auto L = Pair(A, B, 1);
        if (Grouped) {
            Group(*L, 0, 0, 10, 0, 2);
            Group(*L, 1, 0, 10, 0, 2);
        }
        const tDescriptor &D = Recomputed(*L);
        QCOMPARE(Grouped ? GroupedCrossTableText(*L, D) : CrossTableText(*L, D),
                 "\"Kolonne A\" krydset med \"Kolonne B\"\r\n" + Rows.split('|').join("\r\n") +
                     "\r\n");
    }

    void faultyPairs_data()
    {
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("B");
        QTest::addColumn<bool>("Faulty");
        auto Row = [](const char *Name, const char *A, const char *B, bool Faulty) {
            QTest::newRow(Name) << QString(A) << QString(B) << Faulty;
        };
        Row("equal lengths", "1 2 3", "4 5 6", false);
        Row("one longer", "1 2 3", "4 5 6 7", true);
        Row("gap in the middle", "1 _ 3", "4 5 6", true);
        Row("text cell", "1 x 3", "4 5 6", true);
        Row("gaps on one line", "1 _ 3", "4 _ 6", true);
    }
    void faultyPairs()
    {
        QFETCH(QString, A);
        QFETCH(QString, B);
        QFETCH(bool, Faulty);
        auto L = Pair(A, B);
        const tDescriptor &D = Recomputed(*L);
        QCOMPARE(MarkedPairFaulty(*L), Faulty);
        // The copy commands leave the clipboard alone for a faulty pair.
        SetClipboardText(QStringLiteral("før"));
        QCOMPARE(CopyCrossTable(*L, D), !Faulty);
        QString Text;
        QVERIFY(GetClipboardText(Text));
        QCOMPARE(Text, Faulty ? QStringLiteral("før") : CrossTableText(*L, D));
        QCOMPARE(CopyPairKeyFigures(*L, D), !Faulty);
        QVERIFY(GetClipboardText(Text));
        QCOMPARE(Text, Faulty ? QStringLiteral("før") : PairKeyFiguresText(*L, D));
    }
};

QTEST_MAIN(TstPairFigures)
#include "tst_pairfigures.moc"
