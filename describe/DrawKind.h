// One drawing routine per one-variable description kind, chosen by kind:
// the panes, the pictures and the command line all draw through here.
#pragma once

#include "Descriptor.h"
#include "DrawContext.h"

#include <QPainter>

// Draws Kind (table, key figures, the three graphs, the pie chart, the box
// plot, the histogram or the normal probability plot) of the summary, in its
// grouped form when Grouped (the box plot draws each series by its own
// grouping). Returns false for any other kind, which it leaves undrawn.
bool DrawOneVariableKind(QPainter &P, const tDrawContext &C, tDescriptor &D, int Kind,
                         bool Grouped);
