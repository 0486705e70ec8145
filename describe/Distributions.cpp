#include "Distributions.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>
#include <cmath>
#include <limits>

namespace
{

namespace bm = boost::math;
// Errors become NaN or infinities instead of exceptions: a pane must never
// throw while it paints.
using tPolicy = bm::policies::policy<bm::policies::domain_error<bm::policies::ignore_error>,
                                     bm::policies::pole_error<bm::policies::ignore_error>,
                                     bm::policies::overflow_error<bm::policies::ignore_error>,
                                     bm::policies::evaluation_error<bm::policies::ignore_error>>;

constexpr Extended NaN = std::numeric_limits<Extended>::quiet_NaN();

} // namespace

Extended ChiSquareUpperTail(Extended X0, int64_t Df)
{
    if (Df < 1 || !(X0 >= 0) || std::isinf(X0))
        return std::isinf(X0) && X0 > 0 && Df >= 1 ? 0 : NaN;
    const bm::chi_squared_distribution<Extended, tPolicy> Chi(static_cast<Extended>(Df));
    return bm::cdf(bm::complement(Chi, X0));
}

Extended NormalCdf(Extended Z)
{
    if (std::isnan(Z))
        return NaN;
    if (std::isinf(Z))
        return Z > 0 ? 1 : 0;
    const bm::normal_distribution<Extended, tPolicy> N;
    return bm::cdf(N, Z);
}

Extended NormalQuantile(Extended P)
{
    if (!(P > 0 && P < 1))
        return NaN;
    const bm::normal_distribution<Extended, tPolicy> N;
    return bm::quantile(N, P);
}
