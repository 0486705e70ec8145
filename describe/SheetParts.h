// What the .xlsx and .ods readers share: the zip package with its read
// budget, and the collection of a sheet's non-empty cells into a tSheet.
#pragma once

#include "SheetFile.h"

#include <QHash>
#include <QIODevice>
#include <QSet>
#include <QVector>
#include <memory>

class QuaZip;

// A zip package opened for reading. Every part read counts against one
// budget of uncompressed bytes; a part read past it, or one whose data or
// checksum is damaged, ends in a read error.
class tZipPackage
{
  public:
    tZipPackage();
    ~tZipPackage();
    tZipPackage(const tZipPackage &) = delete;
    tZipPackage &operator=(const tZipPackage &) = delete;

    // False when the file is no zip or passes the bounds on entries or on
    // the uncompressed size its directory states.
    bool Open(const QString &FileName);
    bool Has(const QString &Part) const { return Parts.contains(Part); }
    // A device streaming one part; nullptr when the part is missing or cannot
    // be opened. Only one part may be open at a time.
    std::unique_ptr<QIODevice> Part(const QString &Name);
    // A small part read whole (within the budget); false when it fails.
    bool ReadPart(const QString &Name, QByteArray &Bytes);
    bool Failed() const { return Broken; }

  private:
    friend class tPartDevice;
    std::unique_ptr<QuaZip> Zip;
    QSet<QString> Parts;
    QHash<QString, qint64> Sizes; // uncompressed, as the directory states
    qint64 Budget = SheetLimits::MaxUnpackedBytes;
    bool Broken = false;
};

// The non-empty cells of one sheet as they are read, rows and columns from 0.
class tCellCollector
{
  public:
    // False when the cell is outside the sheet's bounds or one cell too many.
    bool Add(qint64 Row, qint64 Col, const QString &Text);
    // Takes another collector's cells; false past the bound on cells.
    bool Append(tCellCollector &&Other);
    // The used range from the top-left non-empty cell; at most ObsColumns + 1
    // fields kept in each row.
    void Build(tSheet &Sheet) const;

  private:
    struct tCell {
        int Row;
        int Col;
        QString Text;
    };
    QVector<tCell> Cells;
};

// A spreadsheet date's serial number as the text of its day; "" outside the
// years 1900-9999. Date1904: the workbook counts from 1 January 1904.
QString SerialDateText(double Serial, bool Date1904);
// "yyyy-mm-dd" with an optional time after it, as a date text; "" when it is
// no date.
QString IsoDateText(QStringView Iso);
