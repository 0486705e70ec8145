// The marking rules of a click on a column's letter (or number): Ctrl toggles
// the column, Shift extends the marks from the first or last marked column to
// the clicked one, a plain click unmarks every other column and toggles the
// clicked one. Shared by the three editors, whose marks live on different
// sides of the data set.
#pragma once

#include <QVector>
#include <Qt>
#include <functional>

// Marked: the marked columns, ascending. Toggle changes one column's mark.
void ClickMarks(const QVector<int32_t> &Marked, int Col, Qt::KeyboardModifiers Mods,
                const std::function<void(int)> &Toggle);
