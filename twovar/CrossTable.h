// The cross table of two marked columns: drawn in a pane or on a printer
// page (ungrouped or grouped), and as the tab-separated text the copy
// command puts on the clipboard.
#pragma once

#include "CrossCount.h"
#include "DrawContext.h"

#include <QPainter>
#include <QString>

// The first table column (category; k0 is the margin column) and the first
// table row (k1 is the margin row) a drawing starts at. A pane draws from
// (0, 0); a printer page continues where the previous page stopped.
struct tCrossTablePart {
    int FirstColumn = 0;
    int FirstRow = 0;
};

// What a drawing left out: the first column and row that did not fit on the
// page. A pane, and a page that held everything, returns (k0 + 1, k1 + 1).
struct tCrossTableRest {
    int NextColumn = 0;
    int NextRow = 0;
    int Columns = 0; // k0 + 1: categories and the margin column
    int Rows = 0;    // k1 + 1
    bool ColumnsLeft() const { return NextColumn < Columns; }
    bool RowsLeft() const { return NextRow < Rows; }
};

// The two columns' titles: the name, or "Kolonne " and the letter.
QString CrossColumnTitle(const tLumen &L, int Col);

// LineNameWidth is the width of the line grid's name column (the cell
// width; grouped cells are twice as wide). On a printer (C.ForPrinter) the
// layout is scaled, moved in by half an inch, clipped to the page, and only
// cells that fit on the page (C.Width x C.Height) are drawn; no yellow marks.
tCrossTableRest DrawCrossTable(QPainter &P, const tDrawContext &C, const tLumen &L,
                               const tDescriptor &D, int LineNameWidth, tCrossTablePart From = {});
tCrossTableRest DrawGroupedCrossTable(QPainter &P, const tDrawContext &C, const tLumen &L,
                                      const tDescriptor &D, int LineNameWidth,
                                      tCrossTablePart From = {});

// The scroll range of a pane showing the table.
QSize CrossTablePaneSize(const QPainter &P, const tDescriptor &D, int LineNameWidth, bool Grouped);

// The copy texts (CR LF line ends, TAB between fields).
QString CrossTableText(const tLumen &L, const tDescriptor &D);
QString GroupedCrossTableText(const tLumen &L, const tDescriptor &D);

// Puts the table of the marked pair on the clipboard, grouped when the
// first column is grouped. With faulty pairs nothing is copied: false.
bool CopyCrossTable(const tLumen &L, const tDescriptor &D);
