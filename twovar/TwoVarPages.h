// The cross table and the data sticks and curve as paged drawings for
// PrintPages, so that the editors and the command line print them alike.
// Their pages are not slices of one tall drawing: the document y handed
// between pages is the position the next page starts at (the cross table's
// cell row * columns + column, the data sticks' row), and each page draws
// from that position at the page's top.
#pragma once

#include "Printing.h"
#include "Lumen.h"

class tLumen;
class tDescriptor;

// The pages go across the columns of a band of rows, then down to the next
// band; every cell is printed once.
tPagedDrawing CrossTablePages(const tLumen &L, const tDescriptor &D, int LineNameWidth,
                              bool Grouped);
// The chi-square test of the editor type Type, cut between table rows: each
// page continues the drawing where the previous one stopped.
tPagedDrawing ChiTestPages(const tLumen &L, const tDescriptor &D, int LineNameWidth,
                           TDataType Type);
// The rows of the data sticks (Curve false) or of the data curve, as many
// as fit on each page, at least one.
tPagedDrawing DataSticksPages(const tLumen &L, const tDescriptor &D, int LineNameWidth, bool Curve);
