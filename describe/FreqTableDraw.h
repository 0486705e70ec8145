// The frequency table of series 0 in a description pane or on a page:
// value (or class and midpoint), h, H, f and F, with the selected entry of
// linked panes in yellow. Only rows meeting the clip rectangle are drawn.
#pragma once

#include "Descriptor.h"
#include "DrawContext.h"

#include <QPainter>
#include <QSize>

void DrawFreqTable(QPainter &P, const tDrawContext &C, const tDescriptor &D);
void DrawGroupedFreqTable(QPainter &P, const tDrawContext &C, const tDescriptor &D);

// The table on printer pages, moved right and down by half an inch (the
// margin, from C.PrinterPpi), black on white with cream odd rows and no
// selection. The painter's origin is the page's top in the document; rows
// whose bottom passes PageLimit (document y) are left for the next page.
// Returns the document y at which the next page must start, 0 when the
// table is complete.
int PrintFreqTable(QPainter &P, const tDrawContext &C, const tDescriptor &D, int PageLimit);
int PrintGroupedFreqTable(QPainter &P, const tDrawContext &C, const tDescriptor &D, int PageLimit);

// The scroll range a pane gives the table (also the copied picture's size).
QSize FreqTablePaneSize(const QPainter &P, const tDescriptor &D, bool Grouped);

// Top of the first row and the row height, for picking a clicked line.
int FreqTableTop(const QPainter &P);
int FreqTableLineHeight(const QPainter &P);

// Row background colours.
inline const QColor RowSelected(0xFF, 0xFF, 0x00);
inline const QColor RowCream(0xFF, 0xFB, 0xF0);
