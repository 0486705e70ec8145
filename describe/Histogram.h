// The histogram of a grouped series: adjacent bars over the classes whose
// heights are the relative frequencies in percent, or, when the classes
// differ in width, percent per unit so that the areas tell the frequencies.
// It draws what was last computed (ShapeFigures.h has the figures).
#pragma once

#include "ChartFrame.h"
#include "Descriptor.h"
#include "DrawContext.h"

#include <QPainter>
#include <QString>

// The caller has set the font, a white brush and the pen width. Faulty
// classes or numbers outside the classes draw the error notice instead.
// Records the x scale in the descriptor for picking.
tChartLayout DrawHistogram(QPainter &P, const tDrawContext &C, tDescriptor &D);

// The class of series 0 that holds the value X, -1 for none (a gap, or
// beside the bars).
int HistogramClassAt(const tDescriptor &D, Extended X);

// The texts the histogram writes over its frame.
QString HistogramAxisText(bool Uneven);
QString HistogramAreaNote();
