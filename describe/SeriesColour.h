// The colours of the described series, in series order: the data sticks'
// legend and rows, the box plot's boxes.
#pragma once

#include "Descriptor.h"

#include <QColor>
#include <algorithm>

inline QColor SeriesColour(int Series)
{
    static const QColor Colours[MaxSeries] = {QColor(255, 0, 0),   QColor(0, 128, 0),
                                              QColor(255, 255, 0), QColor(0, 0, 255),
                                              QColor(255, 0, 255), QColor(128, 128, 0)};
    return Colours[std::clamp(Series, 0, MaxSeries - 1)];
}
