// The system clipboard, for the editors' copy and paste commands. The texts
// themselves come from TextTransfer.h.
#pragma once

#include <QString>

class QImage;

// Puts text on the clipboard; an empty text clears the clipboard instead.
void SetClipboardText(const QString &Text);

// Puts a picture on the clipboard (the graphs, charts and diagrams copied).
void SetClipboardImage(const QImage &Picture);

// Puts a picture and its text form on the clipboard together: a program
// that takes pictures gets the drawing, a text editor or spreadsheet the
// figures.
void SetClipboardImageAndText(const QImage &Picture, const QString &Text);

// The clipboard's text with every line end carrying a CR, as the readers
// expect; false when the clipboard holds no text.
bool GetClipboardText(QString &Text);
