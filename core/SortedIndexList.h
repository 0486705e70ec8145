// The mark lists of the data set: ascending indices without duplicates.
#pragma once

#include <QVector>
#include <algorithm>
#include <cstdint>

namespace sortedlist
{

inline void Toggle(QVector<int32_t> &List, int Value)
{
    auto It = std::lower_bound(List.begin(), List.end(), Value);
    if (It != List.end() && *It == Value)
        List.erase(It);
    else
        List.insert(It, Value);
}

inline bool Contains(const QVector<int32_t> &List, int Value)
{
    return std::binary_search(List.begin(), List.end(), Value);
}

// The I-th index, or -1 when I is out of range.
inline int Nth(const QVector<int32_t> &List, int I)
{
    return I >= 0 && I < List.size() ? List[I] : -1;
}

} // namespace sortedlist
