// The few distribution functions the tests and plots need, from Boost.Math:
// the upper tail of the chi-square distribution and the standard normal
// distribution and its quantile. Nothing here throws; a value outside a
// function's domain gives NaN.
#pragma once

#include "NumberText.h"

#include <cstdint>

// P(X >= X0) for X chi-square distributed with Df degrees of freedom,
// computed as the complement so that tiny tails (down to the smallest
// numbers) keep their relative accuracy. NaN for Df < 1 or X0 < 0 or NaN.
Extended ChiSquareUpperTail(Extended X0, int64_t Df);

// Phi(Z), the standard normal distribution function.
Extended NormalCdf(Extended Z);

// The standard normal quantile: the Z with Phi(Z) = P, for 0 < P < 1 (NaN
// otherwise).
Extended NormalQuantile(Extended P);
