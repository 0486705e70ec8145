// The chi-square tests: the worked examples of independence and goodness of
// fit, the tail probabilities against closed forms (down to 1e-300), the
// warning for small expected counts, the faults that stop a test, and the
// copy text.
#include "support_twovar.h"

#include "Distributions.h"
#include "TwoVar.h"

#include <QTest>
#include <cmath>

using namespace twovar;

namespace
{

bool Relative(long double A, long double B, long double Tol)
{
    return std::fabs(A - B) <= Tol * std::fabs(B);
}

// A cross table from rows of counts (no data set needed).
tCrossTable Table(const std::vector<std::vector<int64_t>> &Rows)
{
    tCrossTable T;
    T.k1 = int(Rows.size());
    T.k0 = int(Rows.front().size());
    for (const auto &R : Rows)
        T.Cells.insert(T.Cells.end(), R.begin(), R.end());
    return T;
}

// Frequency columns 1 and 2 from value/frequency rows, the given ones marked.
std::unique_ptr<tLumen> HypPair(const QStringList &V1, const QStringList &F1,
                                const QStringList &V2, const QStringList &F2)
{
    auto L = std::make_unique<tLumen>();
    for (int I = 0; I < V1.size(); ++I) {
        L->SetHypObsText(I, 0, V1[I]);
        L->SetHypFreqText(I, 0, F1[I]);
    }
    for (int I = 0; I < V2.size(); ++I) {
        L->SetHypObsText(I, 1, V2[I]);
        L->SetHypFreqText(I, 1, F2[I]);
    }
    L->ToggleHypColSelected(0);
    if (!V2.isEmpty())
        L->ToggleHypColSelected(1);
    return L;
}

QStringList Words(const char *S)
{
    return QString::fromLatin1(S).split(' ', Qt::SkipEmptyParts);
}

} // namespace

class TstChiTest : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // The upper tail against forms that need no incomplete gamma function:
    // df 2 gives exp(-x/2), df 1 gives erfc(sqrt(x/2)), df 4 gives
    // (1 + x/2) exp(-x/2); tails down to 1e-300 keep their relative digits.
    void upperTail_data()
    {
        QTest::addColumn<double>("X");
        QTest::addColumn<int>("Df");
        for (double X : {0.0001, 0.75, 3.0, 10.0, 100.0, 600.0, 1380.0}) {
            QTest::addRow("df 2, x %g", X) << X << 2;
            QTest::addRow("df 1, x %g", X) << X << 1;
            QTest::addRow("df 4, x %g", X) << X << 4;
        }
    }
    void upperTail()
    {
        QFETCH(double, X);
        QFETCH(int, Df);
        const long double x = X;
        long double Expected = 0;
        if (Df == 2)
            Expected = std::exp(-x / 2);
        else if (Df == 1)
            Expected = std::erfc(std::sqrt(x / 2));
        else
            Expected = (1 + x / 2) * std::exp(-x / 2);
        const long double P = ChiSquareUpperTail(x, Df);
        QVERIFY2(Relative(P, Expected, 1e-10L),
                 qPrintable(QStringLiteral("%1 against %2").arg(double(P)).arg(double(Expected))));
    }

    // No degrees of freedom, a negative statistic: no p-value, no throw.
    void upperTailOutsideDomain()
    {
        QVERIFY(std::isnan(ChiSquareUpperTail(1, 0)));
        QVERIFY(std::isnan(ChiSquareUpperTail(-1, 3)));
        QCOMPARE(double(ChiSquareUpperTail(0, 3)), 1.0);
        QVERIFY(std::isnan(NormalQuantile(0)) && std::isnan(NormalQuantile(1)));
        QVERIFY(Relative(NormalQuantile(0.975L), 1.959963984540054L, 1e-14L));
    }

    // The 2 x 3 table: chi-square 0,75, df 2, p = exp(-0,375); every
    // expected count is below 5.
    void independenceWorkedExample()
    {
        const tChiTest T = IndependenceTest(Table({{1, 2, 1}, {3, 2, 3}}));
        QVERIFY(T.Error.isEmpty());
        QVERIFY(Relative(T.ChiSquare, 0.75L, 1e-15L));
        QCOMPARE(T.Df, int64_t(2));
        QVERIFY(Relative(T.P, std::exp(-0.375L), 1e-12L));
        QVERIFY(!T.Rejected());
        QVERIFY(T.SmallExpected);
        QVERIFY(Relative(T.ExpectedAt(0, 0), 4.0L / 3, 1e-15L));
        QVERIFY(Relative(T.ExpectedAt(2, 1), 8.0L / 3, 1e-15L));
        QCOMPARE(T.Total, int64_t(12));
        QCOMPARE(ChiConclusion(T),
                 QStringLiteral("Hypotesen om uafhængighed kan ikke forkastes på 5 %-niveau."));
        QCOMPARE(ChiWarning(T),
                 QStringLiteral("Nogle forventede hyppigheder er under 5; testen er usikker."));
    }

    // A strongly dependent table is rejected; with every expected count 5
    // or more there is no warning. An empty row (a class without values)
    // counts no degree of freedom.
    void independenceRejectedAndEmptyRows()
    {
        const tChiTest T = IndependenceTest(Table({{40, 10}, {10, 40}}));
        QVERIFY(Relative(T.ChiSquare, 36.0L, 1e-15L));
        QCOMPARE(T.Df, int64_t(1));
        QVERIFY(Relative(T.P, std::erfc(std::sqrt(18.0L)), 1e-10L));
        QVERIFY(T.Rejected());
        QVERIFY(!T.SmallExpected);
        QCOMPARE(ChiConclusion(T), QStringLiteral("Hypotesen om uafhængighed forkastes på 5 %-niveau."));
        QCOMPARE(PValueText(T), QStringLiteral("< 0,0001"));

        const tChiTest E = IndependenceTest(Table({{40, 10}, {0, 0}, {10, 40}}));
        QVERIFY(Relative(E.ChiSquare, 36.0L, 1e-15L));
        QCOMPARE(E.Df, int64_t(1));
        QVERIFY(!E.SmallExpected);

        // One row only: no degrees of freedom, no p-value and no conclusion.
        const tChiTest One = IndependenceTest(Table({{3, 4, 5}}));
        QCOMPARE(One.Df, int64_t(0));
        QVERIFY(!One.PDefined());
        QCOMPARE(PValueText(One), QStringLiteral("(udefineret)"));
        QVERIFY(ChiConclusion(One).isEmpty());
    }

    // Goodness of fit: against given proportions, and the fair die.
    void goodnessOfFit_data()
    {
        QTest::addColumn<QVector<qint64>>("Observed");
        QTest::addColumn<QVector<double>>("Weights");
        QTest::addColumn<double>("Chi");
        QTest::addColumn<int>("Df");
        QTest::addColumn<double>("P");
        QTest::addColumn<bool>("Small");
        // Chi-square (1 - 30/11)^2 / (30/11) + ... worked by hand; the tails
        // from an independent computation (scipy.stats.chi2.sf).
        QTest::newRow("proportions 3 2 4 2") << QVector<qint64>{1, 2, 3, 4}
                                             << QVector<double>{3, 2, 4, 2}
                                             << 3.8416666666666667 << 3 << 0.2790766558943187 << true;
        QTest::newRow("die thrown 60 times") << QVector<qint64>{8, 12, 9, 11, 10, 10}
                                             << QVector<double>{} << 1.0 << 5
                                             << 0.96256577324729642 << false;
        QTest::newRow("a face never up") << QVector<qint64>{12, 12, 12, 12, 12, 0}
                                         << QVector<double>{} << 12.0 << 5 << 0.03478778050624185 << false;
    }
    void goodnessOfFit()
    {
        QFETCH(QVector<qint64>, Observed);
        QFETCH(QVector<double>, Weights);
        QFETCH(double, Chi);
        QFETCH(int, Df);
        QFETCH(double, P);
        QFETCH(bool, Small);
        const tChiTest T = GoodnessOfFit(std::vector<int64_t>(Observed.begin(), Observed.end()),
                                         std::vector<Extended>(Weights.begin(), Weights.end()));
        QVERIFY(T.Error.isEmpty());
        QVERIFY(Relative(T.ChiSquare, Chi, 1e-12L));
        QCOMPARE(T.Df, int64_t(Df));
        QVERIFY2(Relative(T.P, P, 1e-10L), qPrintable(QString::number(double(T.P), 'g', 17)));
        QCOMPARE(T.SmallExpected, Small);
        Extended Sum = 0;
        for (Extended E : T.Expected)
            Sum += E;
        QVERIFY(Relative(Sum, Extended(T.Total), 1e-15L));
    }

    // The frequency editor's test: one column against equal probabilities
    // (an observation counted 0 times still is one), two columns against
    // the second's proportions; observations that do not match, and an
    // expected proportion of 0, stop the test.
    void goodnessOfFitOfColumns()
    {
        auto Die = HypPair(Words("1 2 3 4 5 6"), Words("8 12 9 11 10 10"), {}, {});
        tChiTest T = GoodnessOfFitOf(Recomputed(*Die, dtHyp));
        QVERIFY(T.Error.isEmpty());
        QCOMPARE(T.Rows, 6);
        QVERIFY(Relative(T.ChiSquare, 1.0L, 1e-15L));
        QCOMPARE(ChiConclusion(T), QStringLiteral("Hypotesen kan ikke forkastes på 5 %-niveau."));

        auto Zero = HypPair(Words("1 2 3"), Words("5 0 5"), {}, {});
        T = GoodnessOfFitOf(Recomputed(*Zero, dtHyp));
        QCOMPARE(T.Df, int64_t(2));
        QVERIFY(Relative(T.ChiSquare, 5.0L, 1e-15L));

        auto Given = HypPair(Words("4 3 2 1"), Words("4 3 2 1"), Words("1 2 3 4"), Words("3 2 4 2"));
        T = GoodnessOfFitOf(Recomputed(*Given, dtHyp));
        QVERIFY(T.Error.isEmpty());
        QVERIFY(Relative(T.ChiSquare, 3.8416666666666667L, 1e-12L));
        QCOMPARE(T.Df, int64_t(3));

        auto Missing = HypPair(Words("1 2 3"), Words("1 2 3"), Words("1 2 5"), Words("1 1 1"));
        QCOMPARE(GoodnessOfFitOf(Recomputed(*Missing, dtHyp)).Error, QStringLiteral("Fejl i data-par"));
        auto Extra = HypPair(Words("1 2"), Words("1 2"), Words("1 2 3"), Words("1 1 1"));
        QCOMPARE(GoodnessOfFitOf(Recomputed(*Extra, dtHyp)).Error, QStringLiteral("Fejl i data-par"));
        auto NoChance = HypPair(Words("1 2"), Words("1 2"), Words("1 2"), Words("1 0"));
        QCOMPARE(GoodnessOfFitOf(Recomputed(*NoChance, dtHyp)).Error,
                 QStringLiteral("Forventede hyppigheder skal være større end 0"));
    }

    // Two marked columns: the same chi-square as the key figures' copy text;
    // a faulty pair stops the test.
    void independenceOfColumns()
    {
        auto L = Pair("1 2 3 1 2 3 1 3 2 1 2 3", "5 5 5 6 6 6 6 6 5 5 6 6");
        tDescriptor &D = Recomputed(*L);
        const tChiTest T = IndependenceTestOf(*L, D);
        QVERIFY(T.Error.isEmpty());
        QVERIFY(Relative(T.ChiSquare, PairChiSquare(*L, D), 1e-15L));
        QCOMPARE(T.Df, int64_t(2));

        auto Faulty = Pair("1 2 _ 4", "1 2 3 4");
        tDescriptor &F = Recomputed(*Faulty);
        QCOMPARE(IndependenceTestOf(*Faulty, F).Error, QStringLiteral("Fejl i data-par"));
        QVERIFY(ChiTestText(*Faulty, F, IndependenceTestOf(*Faulty, F)).isEmpty());
    }

    // The copy texts: the expected counts with 2 decimals, chi-square and
    // the p-value in full (15 digits), the conclusion and the warning.
    void copyTexts()
    {
        auto L = Pair("1 2 2 3 1 2 1 3 3 1 3 2", "5 5 5 5 6 6 6 6 6 6 6 6");
        L->SetColName(0, QStringLiteral("Klasse"));
        L->SetColName(1, QStringLiteral("Svar"));
        tDescriptor &D = Recomputed(*L);
        const tChiTest T = IndependenceTestOf(*L, D);
        QVERIFY(Relative(T.ChiSquare, 0.75L, 1e-15L));
        const QStringList Lines = ChiTestText(*L, D, T).split(QStringLiteral("\r\n"));
        const QStringList Expected = {
            QStringLiteral("Klasse og Svar"),
            QStringLiteral("Forventede hyppigheder"),
            QStringLiteral("\t1\t2\t3\tHyppighed"),
            QStringLiteral("5\t1,33\t1,33\t1,33\t4"),
            QStringLiteral("6\t2,67\t2,67\t2,67\t8"),
            QStringLiteral("Hyppighed\t4\t4\t4\t12"),
            QStringLiteral("χ²\t0,75"),
            QStringLiteral("Frihedsgrader\t2"),
            QStringLiteral("p-værdi\t") + FormatGeneral(std::exp(-0.375L)),
            QStringLiteral("Hypotesen om uafhængighed kan ikke forkastes på 5 %-niveau."),
            QStringLiteral("Nogle forventede hyppigheder er under 5; testen er usikker."),
            QString()};
        QCOMPARE(Lines, Expected);

        auto Die = HypPair(Words("1 2 3 4 5 6"), Words("8 12 9 11 10 10"), {}, {});
        tDescriptor &H = Recomputed(*Die, dtHyp);
        const QString Text = ChiTestText(*Die, H, GoodnessOfFitOf(H));
        QVERIFY(Text.contains(QStringLiteral("\r\nObservation\tObserveret hyppighed\tForventet hyppighed\r\n"
                                             "1\t8\t10,00\r\n2\t12\t10,00\r\n")));
        QVERIFY(Text.contains(QStringLiteral("\r\nI alt\t60\t60,00\r\nχ²\t1\r\nFrihedsgrader\t5\r\n")));
        QVERIFY(Text.endsWith(QStringLiteral("Hypotesen kan ikke forkastes på 5 %-niveau.\r\n")));
    }
};

QTEST_MAIN(TstChiTest)
#include "tst_chitest.moc"
