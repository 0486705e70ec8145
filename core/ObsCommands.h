// The changes that the observation editor's column, line and sheet commands
// make to the data set, without any window: the editor takes the undo step
// first and refreshes its grids afterwards.
#pragma once

#include "Lumen.h"

#include <QVector>

// Recomputes every computed column, each after the computed columns it
// reads (a circle read from a file is broken at its first column). Returns
// the letters of the recomputed columns in order.
QString RecalcAll(tLumen &L);
// The same for one line only; the other lines keep their cells.
QString RecalcLine(tLumen &L, int Line);

// The first of Cols, tested from the last, that another column's formula
// reads; -1 when none is.
int ColumnUsedInFormula(const tLumen &L, const QVector<int32_t> &Cols);
// Whether the marked columns Cols (ascending) lie next to each other.
bool ColumnsAdjacent(const QVector<int32_t> &Cols);

// Removes the adjacent columns Cols (ascending): the columns right of them
// move left and the formulas are re-lettered to follow them. The caller has
// refused the command when ColumnUsedInFormula found one.
void RemoveColumns(tLumen &L, const QVector<int32_t> &Cols);
// The column that a column inserted anywhere would push out of the sheet
// (Z) when another column's formula reads it, else -1. Such an insert is
// refused as removing that column would be: the formula would lose its
// column.
int ColumnPushedOutOfFormula(const tLumen &L);
// An empty column at Col; the columns from Col on move right, formulas are
// re-lettered and Z's contents are lost. Nothing changes (false) when
// ColumnPushedOutOfFormula finds a column.
bool InsertEmptyColumn(tLumen &L, int Col);
// Exchanges the columns A and B whole and recomputes the computed columns;
// formulas keep their letters and so read the other column's data.
void SwapTwoColumns(tLumen &L, int A, int B);
// Resets the columns to empty ones (cells and every setting).
void ClearColumns(tLumen &L, const QVector<int32_t> &Cols);
// Empties every column from A to the last used one; the names stay.
void ClearNumberCells(tLumen &L);
// Multiplies (or divides) every number cell of each column of Cols that is
// not computed by 10, stored as its general 15-digit text; text and empty
// cells stay. Returns the columns changed.
QVector<int32_t> ScaleColumns(tLumen &L, const QVector<int32_t> &Cols, bool Divide);
// Shows one decimal more (Delta 1) or fewer (-1) in each column of Cols,
// between 0 and 9. Returns the columns changed.
QVector<int32_t> StepDecimals(tLumen &L, const QVector<int32_t> &Cols, int Delta);

// Empties the lines (ascending) with their names and recomputes each.
void ClearLines(tLumen &L, const QVector<int32_t> &Lines);
// Removes the lines, from the last to the first.
void RemoveLines(tLumen &L, const QVector<int32_t> &Lines);
// An empty line at Line, its computed cells recomputed.
void InsertEmptyLine(tLumen &L, int Line);
// Exchanges the lines A and B in every column, names included, and
// recomputes the computed cells of both.
void SwapTwoLines(tLumen &L, int A, int B);
