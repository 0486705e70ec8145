// The normal probability plot of series 0: which points it plots, where its
// probability axis ends, its reference line, and the thinning that leaves
// one point per pixel column and row. Plain computation; the drawing is
// NormalPlotDraw's.
//
// Ungrouped, the sorted observations x(1) <= ... <= x(n) are plotted at
// p = (i - 0,5) / n (a value with frequency h stands for h observations).
// Grouped, each class's upper bound is plotted at its cumulative frequency F
// when 0 < F < 1. The y position of a point is the normal quantile of p.
#pragma once

#include "Descriptor.h"

#include <QPoint>
#include <QVector>
#include <cstdint>
#include <functional>
#include <vector>

struct tNormalPoint {
    Extended x = 0;
    Extended p = 0;
    Extended z = 0; // the normal quantile of p
};

struct tNormalPlot {
    bool Grouped = false;
    int64_t n = 0;      // observations (the total frequency)
    int64_t Points = 0; // points plotted
    // The reference line: the normal distribution with the key figures'
    // mean and standard deviation (none when the deviation is 0).
    Extended Mean = 0;
    Extended StdDev = 0;
    bool HasLine() const { return StdDev > 0; }
    // Ranges of the points.
    Extended XMin = 0, XMax = 0;
    Extended ZMin = 0, ZMax = 0;
    // The probability axis runs from -ZTop to ZTop: far enough for 1 % and
    // 99 %, for 0,1 % and 99,9 % when points reach past 1 % or 99 %, and
    // beyond when the points go further.
    Extended ZTop = 0;
};

// The plot of series 0 of D as last computed.
tNormalPlot NormalPlotOf(const tDescriptor &D);

// Calls Fn(x, p) for every plotted point of S in order (x and p ascending).
void ForEachNormalPoint(const tSeries &S, const std::function<void(Extended, Extended)> &Fn);

// The first Limit points with their quantiles.
QVector<tNormalPoint> NormalPoints(const tSeries &S, int64_t Limit);

// The rows of a probability axis drawn from pixel row Bottom (z = ZLo) up to
// pixel row Top (z = ZHi): finds the row of a probability without a quantile,
// by the probabilities at the rows' edges.
class tProbabilityRows
{
  public:
    tProbabilityRows(int Top, int Bottom, Extended ZLo, Extended ZHi);
    // The row of z (nearest pixel, clamped to the axis).
    int RowOfZ(Extended Z) const;
    // The row of the point at probability P: the row whose edges enclose it.
    int RowOfP(Extended P) const;
    // The probability at the upper edge of Row; points at or above it lie
    // in higher rows.
    Extended UpperEdge(int Row) const;
    int Top() const { return TopRow; }
    int Bottom() const { return BottomRow; }

  private:
    int TopRow, BottomRow;
    Extended ZLo, ZHi;
    std::vector<Extended> Edge; // Edge[k]: upper edge of row Top + k, falling
};

// The pixels of the plotted points of S, at most one per pixel column and
// row: ColumnOf maps an x to its pixel column and must not fall as x rises.
// Walks from pixel to pixel by binary searches, so the cost follows the
// size of the plot, not the number of observations.
std::vector<QPoint> ThinnedNormalPoints(const tSeries &S, const std::function<int(Extended)> &ColumnOf,
                                        const tProbabilityRows &Rows);
