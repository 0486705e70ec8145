// The frame of the scatter diagram, shared with the residual plot: rounded
// and shifted axes, the plot rectangle, the two titles, the grid with its
// labels and the axes through the origin.
#pragma once

#include "DrawContext.h"
#include "NumberText.h"

#include <QPainter>
#include <QRect>
#include <QString>

// One axis: its rounded ends in shifted units, the value its 0 stands for,
// the label decimals and the step between grid lines.
struct tPlotAxis {
    bool Ok = false;
    Extended Lo = 0, Hi = 0, Offset = 0, Step = 0;
    int d = 0;
};

// The rounded axis of values from Min to Max (all equal: widened around the
// value).
tPlotAxis PlotAxisOf(Extended Min, Extended Max);

struct tPlotFrame {
    bool Ok = false; // false: only the frame and the titles were drawn
    int h = 0, hh = 0, m = 0, r = 0;
    int PL = 0, PT = 0, PW = 0, PH = 0, PR = 0, PB = 0; // plot rectangle
    int x0 = 0, y0 = 0;                                 // pixels of the axes' 0
    tPlotAxis Ax, Ay;

    QRect Plot() const { return QRect(PL, PT, PW, PH); }
    int MapX(Extended V) const;
    int MapY(Extended V) const;
    // Unrounded pixels, kept within +-1e7 so that lines far outside the
    // plot still draw (they are clipped).
    double PixelX(Extended V) const;
    double PixelY(Extended V) const;
    // The value under pixel column Px.
    Extended ValueX(double Px) const;
};

// Draws the frame, the titles (XTitle across the top, YTitle upwards at the
// left, both at twice the font size) and, when both ranges scale, the grid
// and its labels. The caller draws its data and then DrawPlotAxes.
tPlotFrame DrawPlotFrame(QPainter &P, const tDrawContext &C, const QString &XTitle,
                         const QString &YTitle, Extended XMin, Extended XMax, Extended YMin,
                         Extended YMax);

// The two axes, black, through the origin pixels.
void DrawPlotAxes(QPainter &P, const tPlotFrame &F);
