// The figures behind the box plot and the histogram, apart from their
// drawing: the five numbers of each described series and the bars over the
// classes of series 0, with the texts the copy command and the command line
// give for them.
#pragma once

#include "Descriptor.h"

#include <QString>
#include <QVector>

// One series' box: the key figures' own smallest value, quartiles, median
// and largest value; for classes the quartiles read off the cumulative
// curve and the whiskers at the first class's lower and the last class's
// upper bound.
struct tBoxFigures {
    QString Name;
    int32_t Decimals = 0;
    bool Grouped = false;
    int64_t n = 0;
    Extended Min = 0;
    Extended LowerQuartile = 0;
    Extended Median = 0;
    Extended UpperQuartile = 0;
    Extended Max = 0;
};

// Why a box or histogram cannot be drawn from what was last computed; "" when
// it can.
QString BoxPlotRefusal(const tDescriptor &D);
QString HistogramRefusal(const tDescriptor &D);

// The box of one series; false when it holds no number.
bool BoxFiguresOf(const tSeries &S, tBoxFigures &B);
// The boxes of every described series, in marking order (series without a
// number are left out).
QVector<tBoxFigures> BoxPlotFigures(const tDescriptor &D);

// One bar of the histogram: a class, its relative frequency (0..1) and the
// height drawn, in percent, or in percent per unit when the classes differ
// in width (then Height * (Upper - Lower) is 100 f).
struct tHistogramBar {
    Extended Lower = 0;
    Extended Upper = 0;
    Extended f = 0;
    Extended Height = 0;
};

struct tHistogramFigures {
    QVector<tHistogramBar> Bars;
    bool Uneven = false; // the classes differ in width: heights per unit
    Extended LargestHeight = 0;
};

// The bars over the classes of a grouped series (none for other series).
tHistogramFigures HistogramFiguresOf(const tSeries &S);

// The texts: per series its name and the five numbers under a heading line;
// per class its bounds, relative frequency in percent and drawn height.
// TAB between fields, CR LF after each line; "" when nothing can be shown.
QString BoxPlotText(const tDescriptor &D);
QString HistogramText(const tDescriptor &D);

// The labels of the five numbers, smallest first.
QString BoxFigureLabel(int I);
