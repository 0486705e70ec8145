// The cell a text gives when it is typed or read into the observation
// editor: a number where the text reads as one, else a text cell; "" and
// "-" give an empty cell.
#pragma once

#include "Lumen.h"

tCell CellOfText(const QString &Text);
