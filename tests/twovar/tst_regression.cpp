// The regression models: worked examples a teacher can check by hand, the
// straight line of the pair key figures, the pairs left out and counted,
// an independent long double computation on hard data, the residuals of a
// perfect fit, the copy text, and the curve drawn only where it is defined.
#include "support_twovar.h"

#include "TwoVar.h"

#include <QTest>
#include <cmath>
#include <cstring>
#include <functional>

using namespace twovar;

namespace
{

using tValues = QVector<long double>;

// Columns A and B straight from values (no text on the way), both marked.
std::unique_ptr<tLumen> Pairs(const tValues &X, const tValues &Y)
{
    auto L = std::make_unique<tLumen>();
    for (int C = 0; C < 2; ++C) {
        const tValues &V = C == 0 ? X : Y;
        L->Cols[size_t(C)].Cells.resize(V.size());
        for (int I = 0; I < V.size(); ++I)
            L->Cols[size_t(C)].Cells[I] = tCell{csNumber, QString(), V[I]};
    }
    L->ToggleColSelected(0);
    L->ToggleColSelected(1);
    return L;
}

bool Near(long double A, long double B, long double Rel)
{
    return std::fabs(A - B) <= Rel * std::max(std::fabs(B), 1e-300L);
}

QString Show(long double V)
{
    return QString::number(double(V), 'g', 17);
}

// The straight line by least squares written out plainly: means first, then
// the centred sums, all in long double, logarithms by logl.
struct tReference {
    long double a = 0, b = 0, r2 = 0;
    int n = 0;
};
tReference Reference(const tValues &X, const tValues &Y, int Model)
{
    tValues U, V;
    for (int I = 0; I < X.size(); ++I) {
        if (Model == rmEksponentiel && !(Y[I] > 0))
            continue;
        if (Model == rmPotens && !(X[I] > 0 && Y[I] > 0))
            continue;
        U << (Model == rmPotens ? logl(X[I]) : X[I]);
        V << (Model == rmLineaer ? Y[I] : logl(Y[I]));
    }
    tReference R;
    R.n = U.size();
    long double Mu = 0, Mv = 0;
    for (int I = 0; I < U.size(); ++I) {
        Mu += U[I];
        Mv += V[I];
    }
    Mu /= U.size();
    Mv /= U.size();
    long double Suu = 0, Svv = 0, Suv = 0;
    for (int I = 0; I < U.size(); ++I) {
        Suu += (U[I] - Mu) * (U[I] - Mu);
        Svv += (V[I] - Mv) * (V[I] - Mv);
        Suv += (U[I] - Mu) * (V[I] - Mv);
    }
    const long double Slope = Suv / Suu, Intercept = Mv - Slope * Mu;
    R.r2 = Suv * Suv / (Suu * Svv);
    R.a = Model == rmEksponentiel ? expl(Slope) : Slope;
    R.b = Model == rmLineaer ? Intercept : expl(Intercept);
    return R;
}

// A fixed pseudo-random factor near 1 per index (a spread around the model).
long double Wobble(int I, long double Size)
{
    const uint32_t H = uint32_t(I + 1) * 2654435761u;
    return 1 + Size * ((long double)(H % 2001) / 1000 - 1);
}

} // namespace

class TstRegression : public QObject
{
    Q_OBJECT

  private slots:
    // Worked by hand: a, b and r^2 of one model, the pairs used and left
    // out. An undefined model (fewer than two pairs, or a constant x) has
    // Defined false.
    void workedExamples_data()
    {
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("B");
        QTest::addColumn<int>("Model");
        QTest::addColumn<bool>("Defined");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("r2");
        QTest::addColumn<int>("Used");
        QTest::addColumn<int>("Left");
        auto Row = [](const char *Name, const char *A, const char *B, int Model, bool Defined,
                      double a, double b, double r2, int Used, int Left) {
            QTest::newRow(Name) << QString(A) << QString(B) << Model << Defined << a << b << r2
                                << Used << Left;
        };
        Row("y = 3*2^x", "0 1 2 3 4 5", "3 6 12 24 48 96", rmEksponentiel, true, 2, 3, 1, 6, 0);
        Row("y = 2*x^3", "1 2 3 4 5", "2 16 54 128 250", rmPotens, true, 3, 2, 1, 5, 0);
        Row("y = 2*x^3 with x = 0 left out", "0 1 2 3 4 5", "0 2 16 54 128 250", rmPotens, true, 3,
            2, 1, 5, 1);
        // The straight line through (0, 3) ... (5, 96): slope 301,5 / 17,5.
        Row("the line of 3*2^x", "0 1 2 3 4 5", "3 6 12 24 48 96", rmLineaer, true, 301.5 / 17.5,
            31.5 - 2.5 * 301.5 / 17.5, 301.5 * 301.5 / (17.5 * 6331.5), 6, 0);
        Row("y <= 0 left out", "1 2 3 4 5 6", "-4 0 5 10 20 40", rmEksponentiel, true, 2, 0.625, 1,
            4, 2);
        Row("y = 5/x", "0.5 1 2 4 8", "10 5 2.5 1.25 0.625", rmPotens, true, -1, 5, 1, 5, 0);
        Row("one usable pair", "1 2 3", "-1 -2 7", rmEksponentiel, false, 0, 0, 0, 1, 2);
        Row("no usable pair", "-1 -2 3", "4 5 -6", rmPotens, false, 0, 0, 0, 0, 3);
        Row("constant x", "5 5 5", "1 2 4", rmLineaer, false, 0, 0, 0, 3, 0);
        Row("constant ln x", "2 2 2", "1 2 4", rmPotens, false, 0, 0, 0, 3, 0);
        Row("one pair", "2", "7", rmLineaer, false, 0, 0, 0, 1, 0);
    }
    void workedExamples()
    {
        QFETCH(QString, A);
        QFETCH(QString, B);
        QFETCH(int, Model);
        QFETCH(bool, Defined);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, r2);
        QFETCH(int, Used);
        QFETCH(int, Left);
        auto L = Pair(A, B);
        const tRegressionModels R = RegressionModelsOf(*L, 0, 1);
        const tModelFit &F = R.Fit[size_t(Model)];
        QCOMPARE(R.Pairs, qint64(A.split(' ').size()));
        QCOMPARE(F.n, qint64(Used));
        QCOMPARE(F.Left, qint64(Left));
        QCOMPARE(F.Defined, Defined);
        if (!Defined)
            return;
        QVERIFY2(Near(F.a, a, 1e-15L), qPrintable(Show(F.a)));
        QVERIFY2(Near(F.b, b, 1e-15L), qPrintable(Show(F.b)));
        QVERIFY2(F.r2Defined && Near(F.r2, r2, 1e-15L), qPrintable(Show(F.r2)));
        // The single-model fit is the same fit.
        const tModelFit One = ModelFitOf(*L, 0, 1, Model);
        QVERIFY(One.a == F.a && One.b == F.b && One.r2 == F.r2 && One.n == F.n);
    }

    // The straight-line model of the example heights and shoe sizes is the
    // pair key figures' regression line, to the last bit, and its r^2 the
    // square of their r; so are their texts.
    void linearIsThePairLine()
    {
        auto L = tLumen::CreateFromFile(QStringLiteral(LUMEN_SOURCE_DIR "/examples/hoejder.lmt"));
        QVERIFY(L && !L->ReadFailed());
        L->SelCols = {0, 1};
        const tPairFigures P = PairFiguresOf(PairSumsOf(*L, 0, 1));
        const tModelFit F = RegressionModelsOf(*L, 0, 1).Fit[rmLineaer];
        QVERIFY(F.Defined && P.n == 24);
        QVERIFY2(F.a == P.Slope, qPrintable(Show(F.a) + " " + Show(P.Slope)));
        QVERIFY(F.b == P.Intercept);
        QVERIFY(F.r2 == P.r * P.r);
        QCOMPARE(F.n, P.n);
        tDescriptor &D = Recomputed(*L);
        const QStringList Keys = PairKeyFiguresText(*L, D).split("\r\n");
        const QStringList Models = RegressionText(*L, D).split("\r\n");
        const QStringList Line = Models.filter(QString::fromUtf8("Lineær\t")).value(0).split('\t');
        QCOMPARE(Line.size(), 6);
        // The key figures round a and b to D + 2 decimals.
        QCOMPARE(Keys.filter("a =\t").value(0), "a =\t" + FormatNumber(F.a, D.GetDecimals() + 2));
        QCOMPARE(Line[2], ModelNumberText(P.Slope));
        QCOMPARE(Line[3], ModelNumberText(P.Intercept));
        QCOMPARE(Line[4], FormatFixed(P.r * P.r, 4));
    }

    // a, b and r^2 of each model agree with the plain long double
    // computation to 12 significant digits on data that are hard for sums:
    // large values with a small spread, and x over twelve decades.
    void againstLongDouble_data()
    {
        QTest::addColumn<tValues>("X");
        QTest::addColumn<tValues>("Y");
        QTest::addColumn<QString>("Models"); // L, E, P: the models checked
        auto Make = [](const char *Name, int N, const std::function<long double(int)> &X,
                       const std::function<long double(int, long double)> &Y,
                       const char *Models = "LEP") {
            tValues Xs, Ys;
            for (int I = 0; I < N; ++I) {
                Xs << X(I);
                Ys << Y(I, Xs.last());
            }
            QTest::newRow(Name) << Xs << Ys << QString(Models);
        };
        // With x near 1e12 the curved models' b lies 1e12 units of x from
        // the data (exponential: it underflows; power: ln x spreads over
        // 1e-11), which no computation can give to 12 digits: the straight
        // line is checked there.
        Make(
            "years, growth of 7 % a year", 12, [](int I) { return 2015.25L + I; },
            [](int I, long double X) { return 1200 * powl(1.07L, X - 2015) * Wobble(I, 0.03L); });
        Make(
            "1e12 with a spread of units", 40, [](int I) { return 1e12L + (I * 7 % 40) / 4.0L; },
            [](int I, long double X) { return 3 * (X - 1e12L) + 5 + Wobble(I, 0.5L); }, "L");
        Make(
            "x and y both near 1e12", 30, [](int I) { return 1e12L + I * 0.37L; },
            [](int I, long double X) { return 2e12L - (X - 1e12L) * Wobble(I, 0.01L); }, "L");
        Make(
            "x from 1e-6 to 1e6", 25, [](int I) { return powl(10.0L, -6 + I * 0.5L); },
            [](int I, long double X) { return 5 * powl(X, 0.5L) * Wobble(I, 0.05L); });
        Make(
            "large y, decaying", 20, [](int I) { return I * 0.5L; },
            [](int I, long double X) { return 7e15L * expl(-0.8L * X) * Wobble(I, 0.02L); });
        // Enough lines to be read in two halves at once.
        Make(
            "forty thousand pairs", 40000, [](int I) { return 1 + I * 0.001L; },
            [](int I, long double X) { return 3 * expl(0.2L * X) * Wobble(I, 0.05L); });
        // Values on both sides of half the first pair's, in every block.
        Make(
            "forty thousand pairs, wide spread", 40000,
            [](int I) { return 1 + ((I + 1) * 7919 % 40000) * 0.025L; },
            [](int I, long double X) { return 0.5L * powl(X, 1.3L) * Wobble(I, 0.05L); });
        // A first pair without a logarithm, and values whose squares lie
        // below double's range: both are summed in long double (the
        // exponential model of the latter has a = e^(slope) far beyond a
        // number).
        Make(
            "first y negative", 12, [](int I) { return 1.0L + I; },
            [](int I, long double X) {
                return I == 0 ? -3.0L : 4 * powl(X, 1.5L) * Wobble(I, 0.1L);
            });
        Make(
            "values near 1e-200", 20, [](int I) { return 1e-200L * (1 + I); },
            [](int I, long double X) { return 2e-180L * powl(X / 1e-200L, 2) * Wobble(I, 0.1L); },
            "LP");
        Make(
            "some y negative", 15, [](int I) { return 1.0L + I; },
            [](int I, long double X) { return (I % 4 == 0 ? -X : 2 * X * X) * Wobble(I, 0.1L); });
    }
    void againstLongDouble()
    {
        QFETCH(tValues, X);
        QFETCH(tValues, Y);
        QFETCH(QString, Models);
        auto L = Pairs(X, Y);
        // Four lanes where the processor has them, and the two every
        // processor has.
        for (bool Wide : {false, true}) {
            SetPairPassWide(Wide);
            const tRegressionModels R = RegressionModelsOf(*L, 0, 1);
            for (int M = 0; M < RegressionModelCount; ++M) {
                if (!Models.contains(QString("LEP")[M]))
                    continue;
                const tModelFit &F = R.Fit[size_t(M)];
                const tReference Ref = Reference(X, Y, M);
                QCOMPARE(F.n, qint64(Ref.n));
                QCOMPARE(F.Left, qint64(X.size() - Ref.n));
                QVERIFY(F.Defined);
                const QString Where = ModelName(M) + (Wide ? ", wide: " : ": ");
                QVERIFY2(Near(F.a, Ref.a, 1e-12L),
                         qPrintable(Where + Show(F.a) + " " + Show(Ref.a)));
                QVERIFY2(Near(F.b, Ref.b, 1e-12L),
                         qPrintable(Where + Show(F.b) + " " + Show(Ref.b)));
                QVERIFY2(Near(F.r2, Ref.r2, 1e-12L),
                         qPrintable(Where + Show(F.r2) + " " + Show(Ref.r2)));
            }
        }
    }

    // The logarithm keeps nearly all of long double's digits, over the
    // whole range (it is what the curved models are fitted on).
    void logarithm()
    {
        for (long double V : {1e-4000L, 1e-300L, 1e-6L, 0.5L, 0.9999999999L, 1.0L, 1.0000000001L,
                              2.0L, 3.0L, 2020.5L, 1e12L + 0.25L, 1e300L, 1e4000L}) {
            const long double Err = std::fabs(ExtendedLn(V) - logl(V));
            QVERIFY2(Err <= 4e-17L * std::max(1.0L, std::fabs(logl(V))) + 2e-19L,
                     qPrintable(Show(V) + " " + Show(Err)));
        }
    }

    // A value that is no number (as a damaged file can hold: infinite, not
    // a number, or an 80-bit pattern the processor rejects) leaves its pair
    // out of every model, in a small data set and a large one alike.
    void noNumberLeftOut_data()
    {
        QTest::addColumn<int>("Lines");
        QTest::addColumn<int>("Kind");
        for (int Lines : {9, 40000})
            for (int Kind : {0, 1, 2})
                QTest::newRow(
                    qPrintable(QStringLiteral("%1 lines, %2")
                                   .arg(Lines)
                                   .arg(QStringList{"infinite", "not a number", "unnormal"}[Kind])))
                    << Lines << Kind;
    }
    void noNumberLeftOut()
    {
        QFETCH(int, Lines);
        QFETCH(int, Kind);
        tValues X, Y;
        for (int I = 0; I < Lines; ++I) {
            X << 1 + I % 97 + 0.25L * (I % 5);
            Y << 3 * powl(1.01L, X.last()) * Wobble(I, 0.01L);
        }
        const auto Fits = [](const tValues &Xs, const tValues &Ys) {
            auto L = Pairs(Xs, Ys);
            return RegressionModelsOf(*L, 0, 1);
        };
        const tRegressionModels Clean = Fits(X, Y);
        long double Bad = INFINITY;
        if (Kind == 1)
            Bad = NAN;
        else if (Kind == 2) { // exponent 0x3FFF without the integer bit
            const uint64_t Mantissa = 0x4000000000000000ull;
            const uint16_t Exponent = 0x3FFF;
            std::memcpy(&Bad, &Mantissa, 8);
            std::memcpy(reinterpret_cast<char *>(&Bad) + 8, &Exponent, 2);
        }
        // One bad x at the start, one bad y in the middle: two pairs more,
        // both left out.
        X.prepend(Bad);
        Y.prepend(5);
        X.insert(Lines / 2, 7);
        Y.insert(Lines / 2, Bad);
        const tRegressionModels R = Fits(X, Y);
        QCOMPARE(R.Pairs, qint64(Lines));
        for (int M : {rmLineaer, rmEksponentiel, rmPotens}) {
            const tModelFit &F = R.Fit[size_t(M)], &C = Clean.Fit[size_t(M)];
            QCOMPARE(F.n, qint64(Lines));
            QVERIFY2(F.Defined && Near(F.a, C.a, 1e-13L) && Near(F.b, C.b, 1e-13L) &&
                         Near(F.r2, C.r2, 1e-13L),
                     qPrintable(Show(F.a) + " " + Show(C.a)));
        }
    }

    // A perfect fit leaves every residual 0; residuals come only from the
    // pairs the fit is made on, in line order; a fit that is not perfect
    // leaves residuals that are not.
    void residuals_data()
    {
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("B");
        QTest::addColumn<int>("Model");
        QTest::addColumn<bool>("Perfect");
        QTest::addColumn<QVector<int>>("Lines");
        QTest::newRow("line") << "-3 -1 0 2 4.5"
                              << "-5 -1 1 5 10" << int(rmLineaer) << true
                              << QVector<int>{0, 1, 2, 3, 4};
        QTest::newRow("line, large values") << "1000000000001 1000000000002 1000000000004"
                                            << "2000000000003 2000000000005 2000000000009"
                                            << int(rmLineaer) << true << QVector<int>{0, 1, 2};
        QTest::newRow("3*2^x, a y <= 0 left out") << "0 1 2 3 4 5 6"
                                                  << "3 6 12 -1 48 96 192" << int(rmEksponentiel)
                                                  << true << QVector<int>{0, 1, 2, 4, 5, 6};
        QTest::newRow("growth over years") << "2018 2019 2020 2021 2022"
                                           << "1000 1100 1210 1331 1464.1" << int(rmEksponentiel)
                                           << true << QVector<int>{0, 1, 2, 3, 4};
        QTest::newRow("2*x^3, x = 0 left out")
            << "0 1 2 3 4 5"
            << "0 2 16 54 128 250" << int(rmPotens) << true << QVector<int>{1, 2, 3, 4, 5};
        QTest::newRow("not perfect")
            << "1 2 3 4"
            << "1 3 2 5" << int(rmLineaer) << false << QVector<int>{0, 1, 2, 3};
    }
    void residuals()
    {
        QFETCH(QString, A);
        QFETCH(QString, B);
        QFETCH(int, Model);
        QFETCH(bool, Perfect);
        QFETCH(QVector<int>, Lines);
        auto L = Pair(A, B);
        const tModelFit F = ModelFitOf(*L, 0, 1, Model);
        const QVector<tResidual> R = ModelResiduals(*L, 0, 1, F);
        QVector<int> Got;
        for (const tResidual &E : R) {
            Got << E.Line;
            QVERIFY2((E.R == 0) == Perfect, qPrintable(Show(E.R)));
        }
        QCOMPARE(Got, Lines);
        if (!Perfect) {
            // The straight line's residuals sum to 0.
            long double Sum = 0;
            for (const tResidual &E : R)
                Sum += E.R;
            QVERIFY(std::fabs(Sum) < 1e-15L);
        }
    }

    // The copy text of "Regression": heading, a line per model with its
    // fitted equation, a, b, r^2 and pairs, and why pairs were left out;
    // TAB between fields, CR LF after each line.
    void copyText()
    {
        auto L = Pair("0 1 2 3 4 5", "3 6 12 24 48 96");
        L->SetColName(0, QStringLiteral("x"));
        L->SetColName(1, QStringLiteral("y"));
        tDescriptor &D = Recomputed(*L);
        QCOMPARE(
            RegressionText(*L, D),
            QString::fromUtf8("x og y\r\n"
                              "Model\tLigning\ta\tb\tr²\tAntal par\r\n"
                              "Lineær\ty = 17,2286·x - 11,5714\t17,2286\t-11,5714\t0,8204\t6\r\n"
                              "Eksponentiel\ty = 3·2^x\t2\t3\t1,0000\t6\r\n"
                              "Potens\ty = 4,81091·x^1,67851\t1,67851\t4,81091\t0,9473\t5\t"
                              "1 par med x ≤ 0 eller y ≤ 0 er udeladt\r\n"));
        auto U = Pair("5 5 5", "-1 2 3");
        const QStringList Lines = RegressionText(*U, Recomputed(*U)).split("\r\n");
        QCOMPARE(Lines.value(2), QString::fromUtf8("Lineær\t(udefineret)\t(udefineret)\t"
                                                   "(udefineret)\t(udefineret)\t3"));
        QCOMPARE(Lines.value(3).section('\t', 5),
                 QString::fromUtf8("2\t1 par med y ≤ 0 er udeladt"));
    }

    // The scatter diagram draws the chosen model: the power curve only right
    // of x = 0 where it is defined, the exponential curve across the whole
    // plot, the straight line as before; each with its equation in the upper
    // left corner.
    void curveWhereDefined_data()
    {
        QTest::addColumn<int>("Model");
        QTest::addColumn<bool>("LeftOfZero");
        QTest::addColumn<QString>("Equation");
        // The power curve through the pairs with x > 0 is y = x^2; the other
        // two are written as their fits give them.
        QTest::newRow("power") << int(rmPotens) << false << QString::fromUtf8("y = 1·x");
        QTest::newRow("exponential") << int(rmEksponentiel) << true << QString();
        QTest::newRow("line") << int(rmLineaer) << true << QString();
    }
    void curveWhereDefined()
    {
        QFETCH(int, Model);
        QFETCH(bool, LeftOfZero);
        QFETCH(QString, Equation);
        auto L = Pair("-4 -2 1 2 4 6", "3 1 1 4 16 36");
        tDescriptor &D = Recomputed(*L);
        if (Equation.isEmpty())
            Equation = FittedEquation(ModelFitOf(*L, 0, 1, Model)).value(0).Text;
        QVERIFY(Equation.startsWith("y = "));
        tPointHitList Hits;
        const QImage Img = testdraw::Drawn(400, 400, [&](QPainter &P) {
            DrawScatter(P, tDrawContext(400, 400), *L, D, true, &Hits, true, Model);
        });
        const int x0 = D.ScatterX.Origin;
        QVERIFY(x0 > 100 && x0 < 300);
        // Curve pixels (reddish, anti-aliased) outside the markers.
        int Left = 0, Right = 0;
        for (int Y = 0; Y < Img.height(); ++Y)
            for (int X = 0; X < Img.width(); ++X) {
                const QColor C = Img.pixelColor(X, Y);
                if (!(C.red() > 200 && C.green() < 160 && C.blue() < 160))
                    continue;
                bool Marker = false;
                for (const tPointHit &E : Hits)
                    Marker = Marker || E.Rect.adjusted(-1, -1, 1, 1).contains(X, Y);
                if (Marker)
                    continue;
                (X < x0 - 1 ? Left : Right) += 1;
            }
        QVERIFY(Right > 50);
        QCOMPARE(Left > 50, LeftOfZero);
        QCOMPARE(Left == 0, !LeftOfZero);
        const testdraw::tTexts Texts = testdraw::Written(400, 400, [&](QPainter &P) {
            DrawScatter(P, tDrawContext(400, 400), *L, D, true, nullptr, false, Model);
        });
        bool Found = false;
        for (const testdraw::tTextItem &T : Texts)
            Found = Found || T.Text.startsWith(Equation);
        QVERIFY2(Found, qPrintable(Equation));
    }
};

QTEST_MAIN(TstRegression)
#include "tst_regression.moc"
