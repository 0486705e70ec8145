// The frame shared by the frequency graphs: axis rounding to the 1-2-5
// scale, title, plot rectangle, y grid and labels, x ticks and labels, the
// broken-axis symbol, and the scale recorded for mouse picking.
#pragma once

#include "DrawContext.h"
#include "NumberText.h"

#include <QPainter>
#include <QString>
#include <functional>

// Rounds V to the 1-2-5 scale (5e-11 .. 5e10), down or up, and gives the
// number of label steps and the decimals the labels need. Fails for values
// beyond 5e10 in size.
bool NiceBound(Extended V, bool IntegerAxis, bool Up, Extended &Bound, int &Steps, int &Decimals);

// What a graph asks of the frame.
struct tChartSpec {
    QString Title;
    Extended Minimum = 0; // smallest value (grouped: smallest lower bound)
    Extended Maximum = 0; // largest value (grouped: largest upper bound)
    bool Grouped = false; // x axis starts at the first lower bound, no ticks
    bool XInteger = false;
    int Decimals = 0; // decimals of the described values
    Extended LargestY = 0;
    bool YInteger = false;
    bool CumulativeY = false; // y fixed 0..1 in 10 steps, labels on both sides
    QString YSample; // sets the width of the y labels
    QString YZero; // the label at y = 0
    std::function<QString(Extended Y, int YDecimals)> YLabel;
    // Label of an x tick (the value already shifted back); gets the adjusted
    // decimals.
    std::function<QString(Extended X, int Decimals)> XLabel;
};

// The computed layout; all positions in pixels of the target.
struct tChartLayout {
    bool Ok = false; // false: only the title was drawn
    int h = 0, hh = 0, q = 0, sb = 0, p = 0;
    int wy = 0, pw = 0, ph = 0;
    int FrameL = 0, FrameT = 0, FrameR = 0, FrameB = 0; // after the break shift
    int OuterL = 0, OuterR = 0;
    int Baseline = 0;
    Extended XLo = 0, XHi = 0, YTop = 0, Shift = 0;
    int YSteps = 0;
    int b = 0; // break offset
    int x0 = 0, xa = 0;
    int d = 0; // decimals after adjustment to the axis
    int YDecimals = 0;
    Extended XScale = 0, XOffset = 0; // value at px = px * XScale - XOffset
    Extended XStep = 0; // value between two x ticks (ungrouped frames)

    int PosX(Extended Value) const;
    int PosY(Extended Y) const;
};

// Draws the title and, when the ranges allow a graph, the frame with its y
// grid and labels and (ungrouped) the x ticks and labels. Axes come after the
// data: DrawChartAxes.
tChartLayout DrawChartFrame(QPainter &P, const tDrawContext &C, const tChartSpec &S);
// The two axes and the break symbol.
void DrawChartAxes(QPainter &P, const tChartLayout &L);

// Writes the title with the font size doubled at (X, Y).
void DrawDoubledTitle(QPainter &P, int X, int Y, const QString &Title);
