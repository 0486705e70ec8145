// Adding the observations of another data set (read from a data file) below
// or to the right of the current ones.
#pragma once

#include "Lumen.h"

// Whether Other's lines can go below Current's: the same number of used
// columns, each with the same name.
bool LinesFit(const tLumen &Current, const tLumen &Other);
// Whether Other's columns can go right of Current's: the same number of lines,
// each with the same name (a missing name counts as "").
bool ColumnsFit(const tLumen &Current, const tLumen &Other);

// Both take the undo step "Tilføj" first and copy the cells as they are, so no
// number is rounded on the way. Below: the line names come along and each
// column shows the more decimals of the two. Right: each added column keeps
// its name, comment, decimals and grouping; formulas and random settings stay
// behind (the values are kept); columns past Z are dropped.
void AppendLinesOf(tLumen &Current, const tLumen &Other);
void AppendColumnsOf(tLumen &Current, const tLumen &Other);
