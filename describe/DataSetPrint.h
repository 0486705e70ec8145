// The data set on printer pages: the columns of the current data type
// (observations, frequencies or groupings) as a grid of cells with column
// and line headers, cut into blocks of columns and lines that each fill one
// page. Pages go block of lines by block of lines, left to right within each.
#pragma once

#include "Lumen.h"
#include "Printing.h"

#include <QVector>

struct tSheetLayout {
    int Margin = 0;
    int CellWidth = 0;
    int CellHeight = 0;
    int SubCells = 1;    // cells per data column: 1, 2 (frequencies) or 3 (groupings)
    int HeaderRows = 1;  // rows above the data: the column names (and the sub-headers)
    int Columns = 0;     // data columns in use
    int Lines = 0;       // the longest column's length
    int ColsPerPage = 1; // data columns per page
    int LinesPerPage = 1;
    int PagesAcross = 0;
    int PagesDown = 0;
};

// The layout for data of Type with the given cell height (the grid font's
// "A" times 3/2) on Page. Never fewer than one column or line per page.
tSheetLayout SheetLayout(const tPrintPage &Page, int CellHeight, TDataType Type, int Columns,
                         int Lines);
// The same for the data set's columns of Type.
tSheetLayout SheetLayoutOf(const tLumen &Lumen, TDataType Type, const tPrintPage &Page,
                           int CellHeight);

// One page: its first data column and first line.
struct tSheetPage {
    int FirstCol = 0;
    int FirstLine = 0;
    bool operator==(const tSheetPage &O) const
    {
        return FirstCol == O.FirstCol && FirstLine == O.FirstLine;
    }
};
// The pages in printing order.
QVector<tSheetPage> SheetPages(const tSheetLayout &Layout);

// Draws one page of the data set: title, headers and cells. The painter has
// the grid font; the pen width is set here.
void DrawSheetPage(QPainter &P, const tLumen &Lumen, TDataType Type, const tSheetLayout &Layout,
                   const tSheetPage &SheetPage, const tPrintPage &Page, const QString &Title);

// "Datasæt", or "Datasæt - " and the name.
QString DataSetTitle(const QString &Name);

enum class tPrintResult { Printed, Empty, NoPrinter };

// Prints the whole data set of Type on Device: begins the document, prints
// every page and ends it. An empty data set prints nothing (Empty); a device
// that cannot be painted on gives NoPrinter. GridFont is the editor's grid
// font as it shows on the screen.
tPrintResult PrintDataSet(QPagedPaintDevice &Device, const tLumen &Lumen, TDataType Type,
                          const QFont &GridFont, int ScreenPpi, const QString &Name);
