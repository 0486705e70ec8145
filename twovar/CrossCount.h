// The counts of a cross table: how many lines put the first marked column's
// value in column category i and the second's in row category j, with the
// categories (distinct values or groups) of the statistics summary. Plain
// computation, no drawing.
#pragma once

#include "Descriptor.h"

#include <cstdint>
#include <vector>

struct tCrossTable {
    int k0 = 0;                 // column categories (series 0)
    int k1 = 0;                 // row categories (series 1)
    std::vector<int64_t> Cells; // row by row: Cells[j * k0 + i]
    std::vector<int64_t> ColH;  // h of each column category
    std::vector<int64_t> RowH;  // h of each row category
    int64_t ColTotal = 0;       // H of the last column category
    int64_t RowTotal = 0;       // H of the last row category (the pane's total)

    int64_t At(int I, int J) const { return Cells[size_t(J) * size_t(k0) + size_t(I)]; }
    // The sum of row J's cells (a value outside every group counts in none).
    int64_t RowCellSum(int J) const;
};

// Counts the table of the two series of D (recomputed for two marked
// columns of L) in one pass over the lines: each value is placed in its
// category by a sorted lookup with the summary's membership rules. Lines
// whose two cells are not both numbers are left out.
tCrossTable CountCrossTable(const tLumen &L, const tDescriptor &D);

// The chi-square statistic of the table: the sum over all cells of
// (O - E)^2 / E with E = h_i * h_j / N, N the column categories' total. A
// category that holds no value has E = 0 in its cells and adds nothing.
Extended ChiSquare(const tCrossTable &T);

// The same statistic for the marked pair without building a dense table when
// the categories are many (key figures allow any number of distinct values).
Extended PairChiSquare(const tLumen &L, const tDescriptor &D);

// The lines that fall in cell (I, J) of the table, in line order (picking).
std::vector<int> CrossCellLines(const tLumen &L, const tDescriptor &D, int I, int J);
