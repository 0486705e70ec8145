// The drawings of the regression models: the kind "Regression" (the three
// models' figures), the chosen model's line or curve with its equation in
// the scatter diagram, and the kind "Residualplot".
#pragma once

#include "Descriptor.h"
#include "DrawContext.h"
#include "PlotFrame.h"

#include <QPainter>
#include <QSize>

// The three models' equations, a, b, r^2, pairs used and pairs left out, in
// the layout of the pair key figures.
void DrawRegression(QPainter &P, const tDrawContext &C, const tLumen &L, const tDescriptor &D);
// The scroll range of a pane showing them.
QSize RegressionPaneSize(const QPainter &P, const tLumen &L, const tDescriptor &D);

// The line (rmLineaer, exactly the pair key figures' line; vertical for a
// constant x) or the curve of Model in a red pen, clipped to the plot and
// drawn only where the model is defined, and the fitted equation with r^2
// in the plot's upper left corner.
void DrawModelCurve(QPainter &P, const tPlotFrame &F, const tLumen &L, int ColX, int ColY,
                    int Model);

// The residuals of Model against x, in the scatter diagram's frame, with
// the zero line; titled with the model's name.
void DrawResidualPlot(QPainter &P, const tDrawContext &C, const tLumen &L, tDescriptor &D,
                      int Model);
