// Which description kind a pane may show for the current marks and
// statistics, and the two questions about the marked columns that the
// descriptions ask.
#pragma once

#include "Descriptor.h"
#include "Lumen.h"

#include <QString>

constexpr int KindCount = 14;
// The kinds after the first run that every list shows in order are appended
// to the lists (the chi-square test, the normal probability plot); no kind
// number is above LastKind.
constexpr int LastKind = 16;

// The text of a kind's item in the observation editor's list (kinds
// 1..KindCount and those appended).
QString KindItemText(int Kind);

// Whether a pane may show Kind for data of type Type, judged from the marks
// of the data set and the counts of the statistics as last computed.
bool KindAvailable(const tLumen &Lumen, TDataType Type, int Kind);

// Two marked columns whose cells do not pair up line by line as numbers.
bool PairsFaulty(const tLumen &Lumen);

// At least one column is marked and the first marked column is grouped.
bool FirstMarkedGrouped(const tLumen &Lumen);
