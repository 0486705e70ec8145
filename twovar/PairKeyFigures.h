// The key figures of two marked columns (number of lines, cross table size,
// covariance, correlation, regression line) in a pane or on a page, and as
// the copy text, which also carries the chi-square value.
#pragma once

#include "Descriptor.h"
#include "DrawContext.h"

#include <QPainter>
#include <QSize>
#include <QString>

void DrawPairKeyFigures(QPainter &P, const tDrawContext &C, const tLumen &L, const tDescriptor &D);

// The scroll range of a pane showing them.
QSize PairKeyFiguresPaneSize(const QPainter &P);

// The copy text (CR LF line ends, TAB between label and value).
QString PairKeyFiguresText(const tLumen &L, const tDescriptor &D);

// Puts the text on the clipboard; with faulty pairs nothing is copied: false.
bool CopyPairKeyFigures(const tLumen &L, const tDescriptor &D);
