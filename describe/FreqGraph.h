// The three frequency graphs of series 0 (frequency h, relative frequency f,
// cumulative frequency F), each ungrouped or grouped, with the selected entry
// of linked panes and the readings of the (x,y) calculator. They draw what
// was last computed and record the x scale in the descriptor for picking.
#pragma once

#include "ChartFrame.h"
#include "Descriptor.h"
#include "DrawContext.h"

#include <QColor>
#include <QPainter>

enum class tGraphKind { Frequency, Relative, Cumulative };

// Stick fills and curve colours.
inline const QColor StickLime(0x00, 0xFF, 0x00);
inline const QColor StickFuchsia(0xFF, 0x00, 0xFF);
inline const QColor CurveBlue(0x00, 0x00, 0xFF);
inline const QColor MarkerRed(0xFF, 0x00, 0x00);

// Tick marks and labels at the class bounds of a grouped list; a bound shared
// by two classes is written once.
void DrawClassBounds(QPainter &P, const tChartLayout &L, const QVector<TFreqRecord> &List);

// The caller has set the font, a white brush and the pen width. Returns the
// layout used (Ok false when only the title could be drawn).
tChartLayout DrawFrequencyGraph(QPainter &P, const tDrawContext &C, tDescriptor &D, tGraphKind Kind,
                                bool Grouped);

// The six forms by name.
inline tChartLayout DrawFreqGraph(QPainter &P, const tDrawContext &C, tDescriptor &D)
{
    return DrawFrequencyGraph(P, C, D, tGraphKind::Frequency, false);
}
inline tChartLayout DrawGroupedFreqGraph(QPainter &P, const tDrawContext &C, tDescriptor &D)
{
    return DrawFrequencyGraph(P, C, D, tGraphKind::Frequency, true);
}
inline tChartLayout DrawRelFreqGraph(QPainter &P, const tDrawContext &C, tDescriptor &D)
{
    return DrawFrequencyGraph(P, C, D, tGraphKind::Relative, false);
}
inline tChartLayout DrawGroupedRelFreqGraph(QPainter &P, const tDrawContext &C, tDescriptor &D)
{
    return DrawFrequencyGraph(P, C, D, tGraphKind::Relative, true);
}
inline tChartLayout DrawCumFreqGraph(QPainter &P, const tDrawContext &C, tDescriptor &D)
{
    return DrawFrequencyGraph(P, C, D, tGraphKind::Cumulative, false);
}
inline tChartLayout DrawGroupedCumFreqGraph(QPainter &P, const tDrawContext &C, tDescriptor &D)
{
    return DrawFrequencyGraph(P, C, D, tGraphKind::Cumulative, true);
}
