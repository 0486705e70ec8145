// The pie chart of series 0: the relative frequencies as slices counter-
// clockwise from 3 o'clock, with a legend of up to 16 coloured rows.
#pragma once

#include "Descriptor.h"
#include "DrawContext.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QSize>

constexpr int PieColourCount = 16;
// The colour of entry K (0-based); entries past the table reuse it in turn.
QColor PieColour(int K);

void DrawPieChart(QPainter &P, const tDrawContext &C, const tDescriptor &D);
void DrawGroupedPieChart(QPainter &P, const tDrawContext &C, const tDescriptor &D);

// The square the pie is drawn in (left, top, right and bottom edges as a
// QRect whose right and bottom are outside).
QRect PieSquare(const QPainter &P);
// The legend's colour box of row K (0-based), before it is shrunk by 1.
QRect PieLegendBox(const QPainter &P, int K);

// The scroll range a pane gives the pie chart, and what the chart covers
// (its last legend rows reach below the pane's range).
QSize PieChartPaneSize(const QPainter &P, const tDrawContext &C, bool Grouped);
QSize PieChartExtent(const QPainter &P, const tDrawContext &C, bool Grouped);
