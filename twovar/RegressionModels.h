// The three regression models of two columns read as pairs (x from the
// first marked column, y from the second): the straight line y = a*x + b,
// the exponential y = b*a^x and the power y = b*x^a, each with its
// coefficient of determination r^2, and the residuals of a model. Plain
// computation, no drawing.
#pragma once

#include "PairPass.h"

#include <QString>
#include <QVector>
#include <array>

enum tRegressionModel : uint8_t {
    rmLineaer = 0,
    rmEksponentiel = 1,
    rmPotens = 2,
};
constexpr int RegressionModelCount = 3;

// The model's name as the menus and the figures show it ("Lineær",
// "Eksponentiel", "Potens"), and as the command line takes it ("lineaer",
// "eksponentiel", "potens").
QString ModelName(int Model);
QString ModelCommandName(int Model);
// The model of a command-line name; -1 for any other text.
int ModelOfCommandName(const QString &Name);

// One fitted model. The curved models are straight lines fitted to
// transformed pairs (x, ln y) and (ln x, ln y); Line holds that fit, from
// the same sums and formulas as the pair key figures, so the straight-line
// model is exactly the key figures' regression line.
struct tModelFit {
    tRegressionModel Model = rmLineaer;
    int64_t n = 0;    // pairs the fit is made on
    int64_t Left = 0; // pairs left out: y <= 0, or (power) x <= 0 or y <= 0
    // At least two pairs and a (transformed) x that is not constant, and
    // coefficients that fit in a number.
    bool Defined = false;
    Extended a = 0, b = 0;
    bool r2Defined = false; // both spreads of the fitted pairs positive
    Extended r2 = 0;
    tPairFigures Line; // the straight line fitted to the (transformed) pairs
};

struct tRegressionModels {
    int64_t Pairs = 0; // every pair of the two columns
    std::array<tModelFit, RegressionModelCount> Fit;
};

// All three models: the curved ones in one pass over the pairs.
tRegressionModels RegressionModelsOf(const tLumen &L, int ColX, int ColY);
// One model alone (a drawing needs only the model it draws).
tModelFit ModelFitOf(const tLumen &L, int ColX, int ColY, int Model);

// Whether the fit was made on a pair with these values (the exponential
// model needs y > 0, the power model x > 0 and y > 0).
bool ModelUses(tRegressionModel Model, Extended X, Extended Y);
// Whether the model's curve is defined at x (the power model: x > 0).
bool ModelDefinedAt(tRegressionModel Model, Extended X);
// The fitted value at x; false where the fit or the curve is not defined,
// or the value is too large for a number.
bool ModelValueAt(const tModelFit &F, Extended X, Extended &Y);

// One residual y - fitted y of a pair the fit is made on.
struct tResidual {
    int Line = 0;
    Extended X = 0;
    Extended R = 0;
};
// The residuals of the fit's pairs in line order (none when the fit is not
// defined). A residual within rounding noise of the fitted values (a
// millionth of a millionth of the fitted y's range) is exactly 0, so a
// perfect fit shows all its points on the zero line.
QVector<tResidual> ModelResiduals(const tLumen &L, int ColX, int ColY, const tModelFit &F);
