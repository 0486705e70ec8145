// A column or a line read from a text (the clipboard or a text file) into a
// new column or line at the target, as the paste and import commands do.
#pragma once

#include "Lumen.h"

// The columns from Col on move right (Z's contents are lost) and the
// formulas follow them; then the computed columns are recalculated.
// Refused with nothing changed (false) when a formula reads Z
// (ColumnPushedOutOfFormula).
bool InsertColumnText(tLumen &L, int Col, const QString &Text, bool FromFile);
// The lines from Line on move down; the new line's computed cells are
// recalculated.
void InsertLineText(tLumen &L, int Line, const QString &Text, bool FromFile);
