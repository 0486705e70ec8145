#include "RegressionModels.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace
{

constexpr Extended Ln2 = 0.693147180559945309417232121458176568L;

const char *const Names[RegressionModelCount] = {"Lineær", "Eksponentiel", "Potens"};
const char *const CommandNames[RegressionModelCount] = {"lineaer", "eksponentiel", "potens"};

// The model's figures from the straight line fitted to its (transformed)
// pairs.
void Finish(tModelFit &F, int64_t Pairs)
{
    const tPairFigures &Line = F.Line;
    F.n = Line.n;
    F.Left = Pairs - Line.n;
    F.r2Defined = Line.rDefined;
    F.r2 = Line.rDefined ? Line.r * Line.r : 0;
    if (Line.n < 2 || Line.Vertical || !Line.SlopeDefined || !Line.InterceptDefined)
        return;
    switch (F.Model) {
    case rmLineaer:
        F.a = Line.Slope;
        F.b = Line.Intercept;
        break;
    case rmEksponentiel:
        F.a = std::exp(Line.Slope);
        F.b = std::exp(Line.Intercept);
        break;
    case rmPotens:
        F.a = Line.Slope;
        F.b = std::exp(Line.Intercept);
        break;
    }
    // A curved model whose b or a under- or overflows is no model a number
    // can show.
    F.Defined = std::isfinite(F.a) && std::isfinite(F.b) &&
                (F.Model == rmLineaer || F.b != 0) && (F.Model != rmEksponentiel || F.a != 0);
}

} // namespace

QString ModelName(int Model)
{
    return Model >= 0 && Model < RegressionModelCount ? QString::fromUtf8(Names[Model]) : QString();
}

QString ModelCommandName(int Model)
{
    return Model >= 0 && Model < RegressionModelCount ? QString::fromLatin1(CommandNames[Model])
                                                      : QString();
}

int ModelOfCommandName(const QString &Name)
{
    for (int M = 0; M < RegressionModelCount; ++M)
        if (Name == QLatin1String(CommandNames[M]))
            return M;
    return -1;
}

Extended ExtendedLn(Extended V)
{
    int E = 0;
    Extended M = 0; // V = M * 2^E, 0.5 <= M < 1
    if constexpr (std::numeric_limits<Extended>::digits == 64 && sizeof(Extended) >= 10) {
        // The 80-bit format: the exponent is read from its bits and the
        // mantissa given the exponent of [0.5, 1), without a library call.
        uint16_t Se = 0;
        std::memcpy(&Se, reinterpret_cast<const char *>(&V) + 8, 2);
        const int Biased = Se & 0x7FFF;
        if (Biased == 0) // subnormal: the library knows it
            M = std::frexp(V, &E);
        else {
            E = Biased - 16382;
            const uint16_t Half = uint16_t((Se & 0x8000) | 16382);
            M = V;
            std::memcpy(reinterpret_cast<char *>(&M) + 8, &Half, 2);
        }
    } else {
        M = std::frexp(V, &E);
    }
    const double Md = double(M);
    return Extended(std::log(Md)) + Extended(double(M - Md) / Md) + Extended(E) * Ln2;
}

namespace
{

// The models of Wanted (a bit per model): the curved ones in one pass, the
// straight line from the pair key figures' sums.
tRegressionModels ModelsOf(const tLumen &L, int ColX, int ColY, unsigned Wanted)
{
    tPairAccumulator Exp, Pow;
    int64_t Pairs = 0;
    const bool WantExp = Wanted & 2u, WantPow = Wanted & 4u;
    ForEachPair(L, ColX, ColY, [&](int, Extended X, Extended Y) {
        ++Pairs;
        if (Y > 0 && (WantExp || (WantPow && X > 0))) {
            const Extended LnY = ExtendedLn(Y);
            if (WantExp)
                Exp.Add(X, LnY);
            if (WantPow && X > 0)
                Pow.Add(ExtendedLn(X), LnY);
        }
    });
    tRegressionModels R;
    R.Pairs = Pairs;
    tPairAccumulator *Acc[RegressionModelCount] = {nullptr, &Exp, &Pow};
    for (int M = 0; M < RegressionModelCount; ++M) {
        tModelFit &F = R.Fit[size_t(M)];
        F.Model = tRegressionModel(M);
        if (!(Wanted & (1u << M)))
            continue;
        // The straight line is the pair key figures' own.
        F.Line = PairFiguresOf(M == rmLineaer ? PairSumsOf(L, ColX, ColY) : Acc[M]->Sums());
        Finish(F, Pairs);
    }
    return R;
}

} // namespace

tRegressionModels RegressionModelsOf(const tLumen &L, int ColX, int ColY)
{
    return ModelsOf(L, ColX, ColY, 7u);
}

tModelFit ModelFitOf(const tLumen &L, int ColX, int ColY, int Model)
{
    Model = std::clamp(Model, 0, RegressionModelCount - 1);
    return ModelsOf(L, ColX, ColY, 1u << Model).Fit[size_t(Model)];
}

bool ModelUses(tRegressionModel Model, Extended X, Extended Y)
{
    switch (Model) {
    case rmEksponentiel:
        return Y > 0;
    case rmPotens:
        return X > 0 && Y > 0;
    default:
        return true;
    }
}

bool ModelDefinedAt(tRegressionModel Model, Extended X)
{
    return Model != rmPotens || X > 0;
}

bool ModelValueAt(const tModelFit &F, Extended X, Extended &Y)
{
    if (!F.Defined || !ModelDefinedAt(F.Model, X))
        return false;
    const tPairFigures &Line = F.Line;
    // About the means of the fitted pairs: large x with a small spread keep
    // their digits.
    switch (F.Model) {
    case rmLineaer:
        Y = Line.MeanY + Line.Slope * (X - Line.MeanX);
        break;
    case rmEksponentiel:
        Y = std::exp(Line.MeanY + Line.Slope * (X - Line.MeanX));
        break;
    case rmPotens:
        Y = std::exp(Line.MeanY + Line.Slope * (ExtendedLn(X) - Line.MeanX));
        break;
    }
    return std::isfinite(Y);
}

QVector<tResidual> ModelResiduals(const tLumen &L, int ColX, int ColY, const tModelFit &F)
{
    QVector<tResidual> Out;
    if (!F.Defined)
        return Out;
    Out.reserve(int(std::min<int64_t>(F.n, 1 << 24)));
    Extended Lo = 0, Hi = 0;
    ForEachPair(L, ColX, ColY, [&](int Line, Extended X, Extended Y) {
        Extended Fitted = 0;
        if (!ModelUses(F.Model, X, Y) || !ModelValueAt(F, X, Fitted))
            return;
        if (Out.isEmpty())
            Lo = Hi = Fitted;
        Lo = std::min(Lo, Fitted);
        Hi = std::max(Hi, Fitted);
        Out.append(tResidual{Line, X, Y - Fitted});
    });
    // Rounding noise: a millionth of a millionth of the fitted values'
    // range, and a few units in the last place of the largest of them.
    const Extended Noise = (Hi - Lo) * 1e-12L +
                           std::max(std::fabs(Lo), std::fabs(Hi)) * 64 *
                               std::numeric_limits<Extended>::epsilon();
    for (tResidual &R : Out)
        if (std::fabs(R.R) <= Noise)
            R.R = 0;
    return Out;
}
