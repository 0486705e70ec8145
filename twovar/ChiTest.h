// The chi-square tests: of independence on the cross table of two marked
// columns, and of goodness of fit on a frequency column (against equal
// probabilities of its observations, or against the proportions of a second
// frequency column). Plain computation, no drawing; the tail probability
// comes from Boost.Math through Distributions.h.
#pragma once

#include "CrossCount.h"

#include <QString>
#include <vector>

struct tChiTest {
    bool Independence = false;
    // Why the test cannot be made ("Fejl i data-par", ...); empty when it can.
    QString Error;
    // The table, row by row. Independence: Cols column categories (the
    // first marked column) across, Rows row categories down. Goodness of
    // fit: one row per observation, one column.
    int Cols = 0;
    int Rows = 0;
    std::vector<int64_t> Observed;
    std::vector<Extended> Expected;
    std::vector<int64_t> ColTotal; // observed totals (independence)
    std::vector<int64_t> RowTotal;
    int64_t Total = 0;
    Extended ChiSquare = 0;
    int64_t Df = 0;
    Extended P = 0; // the upper tail at ChiSquare; NaN without degrees of freedom
    // Some expected count (of a category that holds values) is below 5.
    bool SmallExpected = false;

    bool PDefined() const { return Df > 0 && P == P; }
    // The hypothesis is rejected at the 5 % level.
    bool Rejected() const { return PDefined() && P < 0.05L; }
    Extended ExpectedAt(int Col, int Row) const
    {
        return Expected[size_t(Row) * size_t(Cols) + size_t(Col)];
    }
};

// The test of independence on the counts of a cross table. The expected
// count of a cell is its row total times its column total over the table's
// total; a row or column without any count (an empty class) takes no part
// and counts no degree of freedom: df = (rows - 1)(columns - 1) over the
// others. No continuity correction.
tChiTest IndependenceTest(const tCrossTable &T);

// The test of independence of the two marked columns of L (series 0 and 1
// of D); "Fejl i data-par" when they do not pair up line by line.
tChiTest IndependenceTestOf(const tLumen &L, const tDescriptor &D);

// Goodness of fit of Observed against expected proportions Weights (as
// many, each above 0; empty for equal probabilities). Expected counts are
// the observed total shared in proportion to the weights; df = k - 1.
tChiTest GoodnessOfFit(const std::vector<int64_t> &Observed, const std::vector<Extended> &Weights);

// Goodness of fit of series 0 of D (a frequency column, every observation of
// it, also those counted 0 times), against equal probabilities or, with a
// second series, against its frequencies for the same observations. An
// observation missing from either series gives "Fejl i data-par".
tChiTest GoodnessOfFitOf(const tDescriptor &D);
