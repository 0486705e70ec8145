// The drawing of the normal probability plot ("Normalfordelingsplot"): the
// data along x, the probability scale up the y axis (labelled in percent),
// the points thinned to one per pixel and the straight reference line of the
// normal distribution with the key figures' mean and standard deviation.
#pragma once

#include "Descriptor.h"
#include "DrawContext.h"

#include <QPainter>

// The probabilities labelled on the y axis (those that fit are drawn).
inline constexpr long double NormalPlotLevels[] = {0.001L, 0.01L, 0.05L, 0.1L, 0.2L, 0.3L, 0.5L,
                                                   0.7L,   0.8L,  0.9L,  0.95L, 0.99L, 0.999L};

// Draws the plot of series 0 of D (grouped or not, as the series is) into
// C's size.
void DrawNormalPlot(QPainter &P, const tDrawContext &C, const tDescriptor &D);
