// The box plot: one horizontal box per described series on a common value
// axis. It draws what was last computed (ShapeFigures.h has the figures).
#pragma once

#include "ChartFrame.h"
#include "Descriptor.h"
#include "DrawContext.h"

#include <QColor>
#include <QPainter>

// The caller has set the font, a white brush and the pen width. Faulty
// classes or numbers outside the classes draw the error notice instead.
// Returns the layout used (Ok false when only the title or a notice was
// drawn).
tChartLayout DrawBoxPlot(QPainter &P, const tDrawContext &C, const tDescriptor &D);

// The smallest pane that shows Series boxes with their numbers, and the size
// of the copied picture.
QSize BoxPlotPaneSize(int Series);
QSize BoxPlotPictureSize(int Series);
