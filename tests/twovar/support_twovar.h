// Helpers for the two-variable tests: a data set with two marked columns
// filled from lists of cell texts, its statistics brought up to date.
#pragma once

#include "../describe/support_drawing.h"

#include <QStringList>
#include <memory>

namespace twovar
{

using testdraw::Recomputed;

// Columns A and B from space-separated cell texts ("_" leaves a cell empty),
// both marked, with D decimals on A.
inline std::unique_ptr<tLumen> Pair(const QString &A, const QString &B, int Decimals = 0)
{
    auto L = std::make_unique<tLumen>();
    const QStringList Cols[2] = {A.split(' ', Qt::SkipEmptyParts),
                                 B.split(' ', Qt::SkipEmptyParts)};
    for (int C = 0; C < 2; ++C)
        for (int I = 0; I < Cols[C].size(); ++I)
            if (Cols[C][I] != QLatin1String("_"))
                L->SetCellText(I, C, Cols[C][I]);
    L->SetDecimals(0, Decimals);
    L->ToggleColSelected(0);
    L->ToggleColSelected(1);
    return L;
}

// Groups column Col automatically.
inline void Group(tLumen &L, int Col, Extended Lower, Extended Upper, Extended Gap, int Count)
{
    L.SetGroupKind(Col, gkAuto);
    L.SetFirstLower(Col, Lower);
    L.SetFirstUpper(Col, Upper);
    L.SetGap(Col, Gap);
    L.SetGroupCount(Col, Count);
}

} // namespace twovar
