// Data sticks and the data curve: the raw values of up to six marked
// columns (a row per line) or marked lines (a row per column), as horizontal
// bars from a zero axis or as one polyline per series, with a legend, the
// value axis and the series means.
#pragma once

#include "Descriptor.h"
#include "DrawContext.h"
#include "SeriesColour.h"

#include <QPainter>
#include <QSize>

// Rows of the drawing (lines, or columns when lines are marked).
int DataStickRows(const tDescriptor &D);

// Draw the rows from FirstRow (0 in a pane) into a canvas of C's width.
// LineNameWidth is the width of the line grid's name column (the row labels
// get that and h more). On the screen every row is drawn; on a printer page
// (C.ForPrinter) the layout is scaled and moved in by half an inch, and only
// the rows that fit above C.Height are drawn. Returns the first row not
// drawn: DataStickRows when all were drawn.
int DrawDataSticks(QPainter &P, const tDrawContext &C, const tLumen &L, const tDescriptor &D,
                   int LineNameWidth, int FirstRow = 0);
int DrawDataCurve(QPainter &P, const tDrawContext &C, const tLumen &L, const tDescriptor &D,
                  int LineNameWidth, int FirstRow = 0);

// The scroll range of a pane showing either of them.
QSize DataSticksPaneSize(const QPainter &P, const tDescriptor &D, int LineNameWidth);
