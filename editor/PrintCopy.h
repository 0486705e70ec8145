// The print and copy items of the editors' menus: which description kinds
// each editor offers under "Udskriv" and "Ko&piér til klippebord", with the
// items' names and captions (the page titles are KindPrintTitle's). The flow behind them (name
// dialog, print dialog, pages, pictures, texts) is TEditorFrame's (PrintCopy.cpp).
#pragma once

#include "Lumen.h"

#include <QVector>

struct tOutputItem {
    int Kind;
    const char *PrintName; // nullptr: no print item
    const char *PrintCaption;
    const char *CopyName; // nullptr: no copy item
    const char *CopyCaption;
};

// Whether a kind is copied as a picture (else as text).
bool CopiedAsPicture(int Kind);

// The observation editor's kinds.
const QVector<tOutputItem> &ObsOutputItems();
// The six kinds of the frequency and grouped editors (table, key figures,
// the three graphs and the pie chart).
const QVector<tOutputItem> &TableOutputItems();
// Those six and the box plot, for the frequency editor the chi-square test,
// for the grouped editor the histogram, and the normal probability plot.
const QVector<tOutputItem> &TableOutputItems(TDataType Type);
