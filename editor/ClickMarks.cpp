#include "ClickMarks.h"

#include <algorithm>

void ClickMarks(const QVector<int32_t> &Marked, int Col, Qt::KeyboardModifiers Mods,
                const std::function<void(int)> &Toggle)
{
    const QVector<int32_t> Was = Marked; // Toggle may change the list itself
    if (Mods & Qt::ControlModifier) {
        Toggle(Col);
    } else if ((Mods & Qt::ShiftModifier) && !Was.isEmpty()) {
        const int Lo = std::min<int>(Was.first(), Col);
        const int Hi = std::max<int>(Was.last(), Col);
        for (int C = Lo; C <= Hi; ++C)
            if (!Was.contains(C))
                Toggle(C);
    } else {
        for (int C : Was)
            if (C != Col)
                Toggle(C);
        Toggle(Col);
    }
}
