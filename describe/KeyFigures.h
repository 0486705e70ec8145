// The key figures of one described series: quartiles, mode or modal class,
// variance and standard deviation, range. Computed from the series' frequency
// list (with h, H, f and F already filled in).
#pragma once

#include "Descriptor.h"

// The quartiles and median alone, by the series' Grouped flag: for distinct
// values the first values whose F reaches 1/4, 1/2 and 3/4, for classes
// read off the cumulative curve. Leaves K as it was for an empty list.
void ComputeQuartiles(const tSeries &S, tKeyFigures &K);
// Distinct values: quartiles are the first values whose F reaches the level.
void ComputeUngroupedKeyFigures(const tSeries &S, tKeyFigures &K);
// Classes: quartiles interpolated inside the class where F passes the level.
void ComputeGroupedKeyFigures(const tSeries &S, tKeyFigures &K);
// Either of the two by the series' Grouped flag; leaves K as it was for an
// empty list.
void ComputeKeyFigures(const tSeries &S, tKeyFigures &K);

// The text of a key figure: the fixed-point number, or "(udefineret)" for a
// figure beyond the number range (a sum or variance of huge values).
QString FigureText(Extended Value, int Decimals);
