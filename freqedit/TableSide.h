// One side of the data set that the table editors edit: the frequency tables
// (two parts per line: observation and frequency) or the grouped tables
// (three parts: lower bound, upper bound and frequency). The editors talk to
// the data set only through this, so one editor serves both sides.
#pragma once

#include "Lumen.h"

#include <QString>
#include <QStringList>

class TTableSide
{
  public:
    static constexpr int Columns = 8;

    explicit TTableSide(TDataType Type) : Type(Type) {}

    TDataType DataType() const { return Type; }
    bool IsGrouped() const { return Type == dtGrup; }
    // Parts per line: 2 or 3. The last part is the frequency.
    int Parts() const { return IsGrouped() ? 3 : 2; }
    bool IsFreqPart(int Part) const { return Part == Parts() - 1; }
    // The captions over the parts ("Observation", "Hyppighed", ...).
    QStringList PartCaptions() const;

    void GetPart(const tLumen &L, int Line, int Col, int Part, QString &Text,
                 TCellState &State) const;
    void SetPart(tLumen &L, int Line, int Col, int Part, const QString &Text) const;
    int CellCount(const tLumen &L, int Col) const;
    int MaxLines(const tLumen &L) const;

    QString Name(const tLumen &L, int Col) const;
    void SetName(tLumen &L, int Col, const QString &S) const;
    QString Comment(const tLumen &L, int Col) const;
    void SetComment(tLumen &L, int Col, const QString &S) const;
    int Decimals(const tLumen &L, int Col) const;
    void SetDecimals(tLumen &L, int Col, int N) const;

    // Marks.
    const QVector<int32_t> &Marked(const tLumen &L) const;
    bool IsMarked(const tLumen &L, int Col) const;
    void ToggleMark(tLumen &L, int Col) const;
    void ClearMarks(tLumen &L) const;
    int MarkedCount(const tLumen &L) const { return Marked(L).size(); }
    // The I-th marked column; -1 out of range.
    int MarkedCol(const tLumen &L, int I) const;

    // Column commands and their undo step.
    void SaveUndo(tLumen &L, uint8_t Op) const;
    void Undo(tLumen &L) const;
    void InsertColumn(tLumen &L, int Col) const;
    void DeleteColumn(tLumen &L, int Col) const;
    void ClearColumn(tLumen &L, int Col) const;
    void SwapColumns(tLumen &L, int A, int B) const;

    // The clipboard and text-file forms of a column.
    QString ColumnText(const tLumen &L, int Col) const;
    void PasteColumn(tLumen &L, int Col, const QString &Text, bool FromFile) const;

    // A copy of a whole column record and putting it back (the editor's
    // Escape, which gives up an edit already stored keystroke by keystroke).
    struct TColumnCopy {
        tHypCol Hyp;
        tGrupCol Grup;
    };
    TColumnCopy CopyColumn(const tLumen &L, int Col) const;
    void RestoreColumn(tLumen &L, int Col, const TColumnCopy &Copy) const;

  private:
    TDataType Type;
};
