// Printing the text attached to the data: the page layout and the drawing of
// one page, on any paint device (a printer, or an image in the tests).
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QPrinter;

struct tTextPageLayout {
    int Resolution = 0; // pixels per inch of the device
    int LineHeight = 0; // height of "A"
    QRect Area;         // the text area of one page
    int LinesPerPage = 1;
    int TextHeight = 0; // of the whole word-wrapped text
    int PageCount = 1;
};

// The printer font: the memo's font at 6/5 of its point size.
QFont TextPrintFont(const QFont &MemoFont);

// Measures Text in Font on a device of the given size and resolution.
tTextPageLayout MeasureTextPages(const QString &Text, const QFont &Font,
                                 const QPaintDevice &Device);

// Draws page Page (1-based) of Text: heading, name, page number and the
// page's part of the text. The painter's font must be Font.
void DrawTextPage(QPainter &Painter, const tTextPageLayout &Layout, const QString &Text,
                  const QString &Name, int Page, const QSize &PageSize);

// Prints pages First..Last on Printer (already set up); false when the
// printer could not be started.
bool PrintTextPages(QPrinter &Printer, const QString &Text, const QFont &Font, const QString &Name,
                    int First, int Last);
