#include "RegressionModels.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace
{

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

namespace
{

static_assert((1u << rmLineaer) == ppLine && (1u << rmEksponentiel) == ppExp &&
              (1u << rmPotens) == ppPow);

// The models of Wanted (a bit per model), all from one pass over the pairs;
// the straight line is the pair key figures' own.
tRegressionModels ModelsOf(const tLumen &L, int ColX, int ColY, unsigned Wanted)
{
    const tPairPass P = PairPassOf(L, ColX, ColY, Wanted);
    tRegressionModels R;
    R.Pairs = P.Pairs;
    const tPairSums *Sums[RegressionModelCount] = {&P.Line, &P.Exp, &P.Pow};
    for (int M = 0; M < RegressionModelCount; ++M) {
        tModelFit &F = R.Fit[size_t(M)];
        F.Model = tRegressionModel(M);
        if (!(Wanted & (1u << M)))
            continue;
        F.Line = PairFiguresOf(*Sums[M]);
        Finish(F, P.Pairs);
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
