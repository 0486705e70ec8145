// The rules of the column settings dialog's grouping, apart from the window:
// the automatic grouping computed from its three edits, the manual grid read
// into intervals, and the check that every value of the column lies in a
// group.
#pragma once

#include "Lumen.h"

#include <QStringList>
#include <QVector>

// An automatic grouping: equal intervals [a + k(w + gap), b + k(w + gap)],
// k = 0 .. Count - 1, the last one the first whose upper bound reaches the
// column's largest value.
struct tAutoGrouping {
    bool Valid = false;
    bool TooMany = false; // readable, but more classes than a grouping may have
    Extended a = 0, b = 0, c = 0;
    Extended Width = 0, Gap = 0;
    int32_t Count = 0;
};

// Reads the three edits ("Første interval" a - b, "Andet interval" from c)
// for a column whose largest number is Max (HaveValues false: no numbers).
tAutoGrouping ComputeAutoGrouping(const QString &A, const QString &B, const QString &C,
                                  bool HaveValues, Extended Max);

// The rows of the manual grid, each {lower text, upper text}. Rows after the
// last one holding any text are ignored. False when a used row is not two
// numbers, intervals overlap or go down, or no row is used.
bool ReadManualGrid(const QVector<QStringList> &Rows, QVector<tInterval> &Intervals);

// Whether V lies in a group.
bool InsideAuto(const tAutoGrouping &G, Extended V);
bool InsideManual(const QVector<tInterval> &Intervals, Extended V);

// The display texts of the first three numbers of column Col (in line order)
// that Inside refuses.
template <typename Pred> QStringList ValuesOutside(const tLumen &L, int Col, Pred Inside)
{
    QStringList Found;
    for (int Line = 0; Line < L.CellCount(Col) && Found.size() < 3; ++Line) {
        TCellState S;
        const Extended V = L.GetCellValue(Line, Col, S);
        if (S == csNumber && !Inside(V))
            Found << L.GetCellText(Line, Col);
    }
    return Found;
}
