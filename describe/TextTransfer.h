// Text transfer: the tab-separated texts that the editors put on the
// clipboard or read from the clipboard and from text files. Pure functions
// from data to text and from text to data; describe/Clipboard.h talks to the
// system clipboard.
//
// Line ends are CR LF, except in the whole-sheet copy, whose rows end with CR
// alone. Readers treat TAB and CR as the ends of a token and skip the other
// control characters (LF among them); file imports also split at ";".
#pragma once

#include "Descriptor.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Writers.
QString ColumnText(const tLumen &Lumen, int Col);
QString LineText(const tLumen &Lumen, int Line);
// Rows end with RowEnd, CR alone for the clipboard.
QString SheetText(const tLumen &Lumen, bool WithNames, const QString &RowEnd = QStringLiteral("\r"));
QString HypColumnText(const tLumen &Lumen, int Col);
QString GrupColumnText(const tLumen &Lumen, int Col);
QString UngroupedTableText(const tDescriptor &D);
QString GroupedTableText(const tDescriptor &D);
QString UngroupedKeyFiguresText(const tDescriptor &D);
QString GroupedKeyFiguresText(const tDescriptor &D);
// The grouped or ungrouped form, as the summary says.
QString TableText(const tDescriptor &D);
QString KeyFiguresText(const tDescriptor &D);

// Whether a token counts as a name: it holds a letter (æ, ø and å included).
bool ContainsLetter(const QString &Token);

// The tokens of a text for the column, line and table readers: every token
// ended by TAB or CR (and ";" when FromFile), plus a non-empty rest.
QStringList TextTokens(const QString &Text, bool FromFile);

// Readers into a new column or line, inserted at the target (the columns or
// lines from there move on; the last column's data is lost). The first token
// is the name when it holds a letter or is empty. The caller takes the undo
// step first.
void PasteColumn(tLumen &Lumen, int Col, const QString &Text, bool FromFile);
void PasteLine(tLumen &Lumen, int Line, const QString &Text, bool FromFile);
void PasteHypColumn(tLumen &Lumen, int Col, const QString &Text, bool FromFile);
void PasteGrupColumn(tLumen &Lumen, int Col, const QString &Text, bool FromFile);

// A whole sheet split into rows of fields. Rows may be shorter than Columns
// (the missing fields are empty); a spreadsheet's rows keep at most
// ObsColumns + 1 fields while Columns counts all of its used columns.
struct tSheet {
    int Columns = 0;
    QVector<QStringList> Rows;
    bool HeaderRow = false;  // the first row names the columns
    bool NameColumn = false; // the first column names the lines
    int FaultRow = 0;        // after a refusal: the row (from 1) whose fields differ, or 0
    int FaultFields = 0;     // its number of fields
    // The number fields are a spreadsheet's stored values: the decimals
    // shown are those of the value's 15-digit form, not of its digits.
    bool StoredNumbers = false;
};

// Splits a sheet text. False (and Sheet unusable) when a row has another
// number of fields than the first, or when there is no row at all.
bool ReadSheet(const QString &Text, bool FromFile, tSheet &Sheet);
// Why the sheet text was refused, in a short Danish sentence.
QString SheetFaultText(const tSheet &Sheet);

// Decides HeaderRow and NameColumn the way the text import does: a row or
// column whose non-empty fields all hold a letter gives the names.
void FindSheetNames(tSheet &Sheet);

// More data columns than the observation editor has: only the first
// ObsColumns are read.
bool SheetColumnsCut(const tSheet &Sheet);

// Clears the 26 columns and the line names and fills names and cells from
// the sheet. No undo step; the data set counts as modified.
void FillSheet(tLumen &Lumen, const tSheet &Sheet);

// Replaces all observations and line names by the sheet: takes the undo step
// "Indsæt ark", clears the 26 columns and the line names, then fills names and
// cells. Returns false, and changes nothing, when the text is no sheet (Fault,
// when given, then tells why).
bool PasteSheet(tLumen &Lumen, const QString &Text, bool FromFile, QString *Fault = nullptr);

// Pastes a block of text (tab-separated fields, one row a line) into the
// cells from (Line, Col) on, rightwards and downwards, as if typed: numbers
// raise the shown decimals. Columns past Z and columns filled by the program
// (computed or random) are skipped. Returns how many cells were written.
int PasteCells(tLumen &Lumen, int Line, int Col, const QString &Text);

// The text of a text file: UTF-8 when the bytes are valid UTF-8 (a byte order
// mark dropped), otherwise Windows-1252. Its lines, whatever their line
// ends, each ended by CR LF; DropEmptyLines leaves out empty lines (the sheet
// import).
QString TextFileLines(const QByteArray &Bytes, bool DropEmptyLines);
// The characters of a text file's bytes by the same rule, lines untouched.
QString DecodeTextFile(const QByteArray &Bytes);
// Reads a text file as above; false when it cannot be read.
bool ReadTextFile(const QString &FileName, bool DropEmptyLines, QString &Text);

// Text from other programs on this platform ends its lines with LF alone;
// the readers need a CR at every line end. CR LF and lone CR stay as they are.
QString NormaliseLineEnds(const QString &Text);
