// Which description kind a pane may show for the current marks and
// statistics, and the two questions about the marked columns that the
// descriptions ask.
#pragma once

#include "Descriptor.h"
#include "Lumen.h"

#include <QString>
#include <QVector>

// The kinds 1..10 that every list has had from the start; kinds added later
// take the numbers after them, up to LastKind.
constexpr int KindCount = 10;
constexpr int LastKind = 16;

// The text of a kind's item in the observation editor's list.
QString KindItemText(int Kind);

// The kinds of each editor's list, in list order: the observation editor's,
// and the frequency (dtHyp) or grouped (dtGrup) editor's.
QVector<int> ObsListKinds();
QVector<int> TableListKinds(TDataType Type);

// Whether a pane may show Kind for data of type Type, judged from the marks
// of the data set and the counts of the statistics as last computed.
bool KindAvailable(const tLumen &Lumen, TDataType Type, int Kind);

// Two marked columns whose cells do not pair up line by line as numbers.
bool PairsFaulty(const tLumen &Lumen);

// At least one column is marked and the first marked column is grouped.
bool FirstMarkedGrouped(const tLumen &Lumen);
