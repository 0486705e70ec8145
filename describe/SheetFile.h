// Spreadsheet files read as a sheet for the observation editor: Office Open
// XML workbooks (.xlsx), OpenDocument spreadsheets (.ods) and comma- or
// semicolon-separated text (.csv).
//
// The readers give the used range of one sheet from its top-left non-empty
// cell as the text fields of a tSheet (TextTransfer.h), which FillSheet puts
// into a data set: numbers as their stored value (never the formatted text),
// formulas as their cached result, dates as "dd-mm-yyyy", booleans as
// "SAND"/"FALSK", error values as their text (#DIV/0!).
//
// Every reader is bounded before it allocates: the zip's entries and total
// uncompressed size, the cells kept and the shared-string table. A file past
// a bound, a damaged zip, an XML error or a missing part makes it fail.
#pragma once

#include "TextTransfer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The bounds on what a spreadsheet may make us read and keep.
namespace SheetLimits
{
constexpr qint64 MaxUnpackedBytes = 256LL * 1024 * 1024; // all parts read, inflated
constexpr int MaxEntries = 10000;                        // files in the zip
constexpr qint64 MaxCells = 3000000;                     // non-empty cells kept
constexpr qint64 MaxStrings = 2000000;                   // shared-string entries
constexpr qint64 MaxStringChars = 64LL * 1024 * 1024;    // their characters together
constexpr int MaxRows = 1048576;                         // a sheet's rows
constexpr int MaxColumns = 16384;                        // a sheet's columns
constexpr int MaxSheets = 1000;
} // namespace SheetLimits

enum class tSheetFormat { None, Xlsx, Ods, Csv };

// The format a file name's suffix promises (case does not matter).
tSheetFormat SheetFormatOfName(const QString &FileName);
inline bool IsSheetFileName(const QString &FileName)
{
    return SheetFormatOfName(FileName) != tSheetFormat::None;
}

// The names of a spreadsheet file's sheets in their order (a CSV file has one,
// named after the file). False when the file cannot be read.
bool ReadSheetNames(const QString &FileName, QStringList &Names);

// Reads sheet Index (0 the first) of a spreadsheet file. False, with Sheet
// unusable, when the file cannot be read or has no such sheet. A zip file is
// read by what it holds, whatever its suffix says.
bool ReadSheetFile(const QString &FileName, int Index, tSheet &Sheet);

// The sheet named by a choice such as the command line's --sheet: a sheet's
// exact name first, else its number counted from 1. -1 when none fits.
int FindSheetIndex(const QStringList &Names, const QString &Choice);

// The text of a sheet's row/column fields as a tab-separated text with CR LF
// line ends (for the column and line imports).
QString SheetAsText(const tSheet &Sheet);

// The readers, for the tests and the fuzzing: the bytes of a file.
bool ReadCsvSheet(const QByteArray &Bytes, tSheet &Sheet);
bool ReadXlsxSheet(const QString &FileName, int Index, tSheet &Sheet);
bool ReadXlsxSheetNames(const QString &FileName, QStringList &Names);
bool ReadOdsSheet(const QString &FileName, int Index, tSheet &Sheet);
bool ReadOdsSheetNames(const QString &FileName, QStringList &Names);

// The text of a date as the sheet shows it: dd-mm-yyyy.
QString SheetDateText(int Year, int Month, int Day);
