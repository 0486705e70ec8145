// The key figures of series 0 as a two-column list of labelled numbers,
// ungrouped or grouped. Only cells meeting the clip rectangle are drawn.
#pragma once

#include "Descriptor.h"
#include "DrawContext.h"

#include <QPainter>
#include <QSize>

void DrawKeyFigures(QPainter &P, const tDrawContext &C, const tDescriptor &D);
void DrawGroupedKeyFigures(QPainter &P, const tDrawContext &C, const tDescriptor &D);

// The scroll range a pane gives the key figures.
QSize KeyFiguresPaneSize(const QPainter &P, bool Grouped);
// What the drawing covers (its value column reaches a little further than
// the pane's range when the widest label is wider than "Antal observationer").
QSize KeyFiguresExtent(const QPainter &P, bool Grouped);
