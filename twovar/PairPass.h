// One pass over the pairs of two columns that gathers the sums of every
// straight line the two-variable figures are made of: the line through the
// pairs themselves (the key figures and the linear model), through (x, ln y)
// for the pairs with y > 0 (the exponential model) and through (ln x, ln y)
// for the pairs with x > 0 and y > 0 (the power model).
//
// The lines are read in blocks small enough to stay in the cache. Each block
// is centred about its own means in two passes over the block, and the
// blocks are merged with the correction for the difference of their means,
// so large values with a small spread (years, say) keep their digits and a
// constant column gives exactly zero. A large data set is read in two halves
// at once; the halves are always the same, so the figures do not depend on
// whether a second thread ran.
#pragma once

#include "PairFigures.h"

enum : unsigned {
    ppLine = 1u, // the pairs themselves
    ppExp = 2u,  // (x, ln y), y > 0
    ppPow = 4u,  // (ln x, ln y), x > 0 and y > 0
};

struct tPairPass {
    int64_t Pairs = 0; // every pair of the two columns
    tPairSums Line, Exp, Pow;
};

// The sums of the lines in Wanted (ppLine | ppExp | ppPow). The logarithms'
// sums are not scaled (scale 0). Line is what PairSumsOf gives.
tPairPass PairPassOf(const tLumen &L, int ColX, int ColY, unsigned Wanted);

// Whether the pass takes four doubles at a time where the processor can
// (the default) or two, as on every x86-64 processor. The figures agree to
// rounding either way.
void SetPairPassWide(bool Wide);

// ln V for V > 0 to nearly the precision of Extended, at the speed of the
// double logarithm: the exponent is split off exactly and the double
// logarithm's argument lies in [0.5, 1), with a correction for rounding the
// mantissa to double.
Extended ExtendedLn(Extended V);
