// The scatter diagram of two marked columns: one marker per line (x from the
// first column, y from the second), shifted axes with 1-2-5 labels, the
// regression line on request, and the markers recorded for picking.
#pragma once

#include "Descriptor.h"
#include "DrawContext.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QVector>

// A drawn point. Every line that falls on one pixel position gets an entry
// with the same rectangle and Count (the number of lines there); only one
// of them is painted (Drawn), so a click on the marker picks all the lines.
struct tPointHit {
    int X = 0, Y = 0;
    int Count = 1;
    int Line = 0;
    QRect Rect;
    bool Drawn = true;
    QColor Colour;
};
using tPointHitList = QVector<tPointHit>;

// Draws the diagram of D's two series into a canvas of C's size, with the
// regression line (or the curve of Model, a tRegressionModel) and its
// equation when Regression is set. Hits (pane 1's list) is filled when
// given; RecordScale stores the axes' scales in D for picking (a pane does,
// a picture or page does not).
void DrawScatter(QPainter &P, const tDrawContext &C, const tLumen &L, tDescriptor &D,
                 bool Regression, tPointHitList *Hits = nullptr, bool RecordScale = false,
                 int Model = 0);

// The lines whose markers hold Pos.
QVector<int> PickedPointLines(const tPointHitList &Hits, QPoint Pos);

// The value under a pixel of a recorded axis (x: columns, y: rows).
Extended ScatterXValueAt(const tDescriptor &D, int Px);
Extended ScatterYValueAt(const tDescriptor &D, int Py);
// The entry of series I whose value is nearest to V (the first on a tie);
// -1 for an empty series.
int NearestEntry(const tDescriptor &D, int I, Extended V);

// The copy picture: 400 x 400 pixels drawn with Font; blank with faulty
// pairs.
QImage ScatterPicture(const tLumen &L, tDescriptor &D, bool Regression, const QFont &Font,
                      int Model = 0);
