// Printing descriptions on printer pages: the printer's quantities (page
// size, resolution, the half-inch margin), the page title, the printer font
// and pen, and the two ways a description goes onto paper: on one page inside
// the margins, or page by page for the drawings that run longer than a page.
// Works on any paged device (a QPrinter, or a QPdfWriter without a printer).
#pragma once

#include "Descriptor.h"
#include "DrawContext.h"

#include <QFont>
#include <QPainter>
#include <QString>
#include <functional>

class QPagedPaintDevice;

// The page as the printer gives it: size in printer pixels and the printer's
// pixels per inch.
struct tPrintPage {
    int Width = 0;
    int Height = 0;
    int Ppi = 300;
    // Half an inch.
    int Margin() const { return Ppi / 2; }
    static tPrintPage Of(const QPaintDevice &Device);
};

// The notice of faulty classes, on screen, in copies and on paper; a printed
// table carries the print name after it ("Fejl i intervaller-Klasse 7b").
QString ClassFaultNotice();
QString TableClassFaultNotice(const QString &Name);

// The page every printout starts from, in the program and in lumentor-cli:
// A4 with the printable area 10 mm inside the paper's edges, upright or
// (Landscape) lying down. The print dialog may change it afterwards.
void SetUpPrintPage(QPagedPaintDevice &Device, bool Landscape = false);

// The font of the data set printout, the same from the program and from
// lumentor-cli whatever the desktop's fonts: Arial (Liberation Sans) at 9
// points.
QFont DataSetPrintFont();

// The page title of a printed description kind ("Tabel", "Datagraf", ...).
QString KindPrintTitle(int Kind);

// "Tabel" with an empty name, else "Tabel - Klasse 7b".
QString PageTitle(const QString &Title, const QString &Name);

// Writes Title on one line at the top of the page (y = 0) with its right
// edge half an inch from the page's right edge.
void DrawPageTitle(QPainter &P, const tPrintPage &Page, const QString &Title);

// The descriptions' printer font: the pane font at PointSize points (its
// pixel size on the screen, when it has one, is dropped).
QFont PrinterFont(const QFont &PaneFont, int PointSize);
// A font given in screen pixels turned into the same size in points, so that
// it prints as large as it shows.
QFont ScreenSizedFont(const QFont &ScreenFont, int ScreenPpi);
// The pen width for printing: printer pixels per screen pixel, rounded, at
// least 1.
int PrinterPenWidth(int PrinterPpi, int ScreenPpi);

// A drawing that runs over pages. The painter's origin is the current page's
// top in the document; the drawing draws up to PageLimit (document y) and
// returns the document y at which the next page starts, 0 when it is done.
using tPagedDrawing = std::function<int(QPainter &P, const tDrawContext &C, int PageLimit)>;
// A drawing on one page inside the margins (the painter's origin is the
// margin's corner; C gives the size).
using tPageDrawing = std::function<void(QPainter &P, const tDrawContext &C)>;

// What every description print shares.
struct tDescriptionPrint {
    QString Title;      // the page title, name included
    QFont Font;         // the printer font (PrinterFont)
    int ScreenPpi = 96; // for the pen width and the screen-sized layouts
};

// Prints one page: the title at the top right, the drawing inside the
// margins. The painter is begun on Device by the caller.
void PrintOnePage(QPainter &P, const QPaintDevice &Device, const tDescriptionPrint &Job,
                  const tPageDrawing &Draw);

// Prints page after page until the drawing is done, each page with its
// title; starts the pages after the first on Device. A drawing that makes no
// progress ends the printout instead of printing the same page forever.
// Returns the number of pages printed.
int PrintPages(QPainter &P, QPagedPaintDevice &Device, const tDescriptionPrint &Job,
               const tPagedDrawing &Draw);

// The kinds printed page by page: the table, the cross table, the data
// sticks, the data curve and the chi-square test; every other kind fits one
// page.
bool PrintsOnSeveralPages(int Kind);

// The one-variable table of the summary as a paged drawing (grouped or not).
tPagedDrawing TablePages(const tDescriptor &D, bool Grouped);
