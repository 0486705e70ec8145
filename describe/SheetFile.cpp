// Which reader a spreadsheet file goes to, and the CSV reader.
#include "SheetFile.h"

#include "SheetParts.h"

#include <QFile>
#include <QFileInfo>

namespace
{

enum class tPackage { None, Xlsx, Ods };

// A zip file by what it holds: an OpenDocument spreadsheet has content.xml,
// a workbook its package relations or xl/workbook.xml.
tPackage PackageKind(const QString &FileName)
{
    tZipPackage Zip;
    if (!Zip.Open(FileName))
        return tPackage::None;
    if (Zip.Has(QStringLiteral("content.xml")))
        return tPackage::Ods;
    if (Zip.Has(QStringLiteral("_rels/.rels")) || Zip.Has(QStringLiteral("xl/workbook.xml")))
        return tPackage::Xlsx;
    return tPackage::None;
}

bool StartsAsZip(const QString &FileName)
{
    QFile F(FileName);
    return F.open(QIODevice::ReadOnly) && F.read(4) == QByteArray("PK\x03\x04", 4);
}

bool ReadCsvFile(const QString &FileName, tSheet &Sheet)
{
    QFile F(FileName);
    if (!F.open(QIODevice::ReadOnly) || F.size() > SheetLimits::MaxUnpackedBytes)
        return false;
    const QByteArray Bytes = F.readAll();
    if (F.error() != QFileDevice::NoError)
        return false;
    return ReadCsvSheet(Bytes, Sheet);
}

// ---------------------------------------------------------------- CSV

// Walks the records of a CSV text: Field(row, col, text) for every field,
// quotes taken off; a line break inside quotes becomes a blank. Stops early
// when Field returns false (and then returns false).
template <typename Fn> bool ForEachCsvField(const QString &Text, QChar Sep, Fn Field)
{
    qint64 Row = 0, Col = 0;
    QString Token;
    bool Quoted = false, WasQuoted = false, Any = false;
    auto EndField = [&] {
        const QString T = WasQuoted ? Token : Token.trimmed();
        const bool Ok = Field(Row, Col, T);
        Token.clear();
        WasQuoted = false;
        ++Col;
        Any = true;
        return Ok;
    };
    const qsizetype N = Text.size();
    for (qsizetype I = 0; I < N; ++I) {
        const QChar C = Text[I];
        if (Quoted) {
            if (C == QLatin1Char('"')) {
                if (I + 1 < N && Text[I + 1] == QLatin1Char('"')) {
                    Token += C;
                    ++I;
                } else
                    Quoted = false;
            } else if (C == QLatin1Char('\r') || C == QLatin1Char('\n')) {
                if (C == QLatin1Char('\r') && I + 1 < N && Text[I + 1] == QLatin1Char('\n'))
                    ++I;
                Token += QLatin1Char(' ');
            } else if (C == QLatin1Char('\t'))
                Token += QLatin1Char(' ');
            else if (C.unicode() >= 32)
                Token += C;
        } else if (C == Sep) {
            if (!EndField())
                return false;
        } else if (C == QLatin1Char('\r') || C == QLatin1Char('\n')) {
            if (C == QLatin1Char('\r') && I + 1 < N && Text[I + 1] == QLatin1Char('\n'))
                ++I;
            if (!EndField())
                return false;
            ++Row;
            Col = 0;
            Any = false;
        } else if (C == QLatin1Char('"') && Token.trimmed().isEmpty() && !WasQuoted) {
            Token.clear();
            Quoted = WasQuoted = true;
        } else if (C.unicode() >= 32) {
            Token += C;
        }
    }
    if (Any || !Token.isEmpty() || WasQuoted)
        return EndField();
    return true;
}

// The separator: of ";", TAB and "," the first that splits each of the
// first lines into the same number (above one) of fields; else the one met
// most often there; "," when there is none (one column).
QChar DetectSeparator(const QString &Text)
{
    const QChar Candidates[] = {QLatin1Char(';'), QLatin1Char('\t'), QLatin1Char(',')};
    // The first lines, cut after 20 records or 64 KB.
    qsizetype End = 0;
    int Lines = 0;
    bool Quoted = false;
    while (End < Text.size() && End < 65536 && Lines < 20) {
        const QChar C = Text[End++];
        if (C == QLatin1Char('"'))
            Quoted = !Quoted;
        else if (!Quoted && C == QLatin1Char('\n'))
            ++Lines;
    }
    const QString Head = Text.left(End);
    QChar Best = QLatin1Char(',');
    qint64 BestCount = 0;
    for (QChar Sep : Candidates) {
        QVector<qint64> Fields;
        ForEachCsvField(Head, Sep, [&](qint64 Row, qint64 Col, const QString &) {
            if (Fields.size() <= Row)
                Fields.resize(Row + 1);
            Fields[Row] = Col + 1;
            return true;
        });
        qint64 Common = -1, Total = 0;
        bool Even = true;
        for (qint64 F : Fields) {
            if (F <= 1 && Fields.size() > 1)
                continue; // an empty line
            Total += F - 1;
            if (Common < 0)
                Common = F;
            else if (F != Common)
                Even = false;
        }
        if (Even && Common > 1)
            return Sep;
        if (Total > BestCount) {
            Best = Sep;
            BestCount = Total;
        }
    }
    return Best;
}

} // namespace

bool ReadCsvSheet(const QByteArray &Bytes, tSheet &Sheet)
{
    Sheet = tSheet();
    if (Bytes.size() > SheetLimits::MaxUnpackedBytes)
        return false;
    const QString Text = DecodeTextFile(Bytes);
    const QChar Sep = DetectSeparator(Text);
    tCellCollector Cells;
    const bool Ok = ForEachCsvField(Text, Sep, [&](qint64 Row, qint64 Col, const QString &T) {
        return T.isEmpty() || Cells.Add(Row, Col, T);
    });
    if (!Ok)
        return false;
    Cells.Build(Sheet);
    // Text fields: the decimals shown are those typed, as in the text import.
    Sheet.StoredNumbers = false;
    return true;
}

tSheetFormat SheetFormatOfName(const QString &FileName)
{
    const QString Suffix = QFileInfo(FileName).suffix().toLower();
    if (Suffix == QLatin1String("xlsx"))
        return tSheetFormat::Xlsx;
    if (Suffix == QLatin1String("ods"))
        return tSheetFormat::Ods;
    if (Suffix == QLatin1String("csv"))
        return tSheetFormat::Csv;
    return tSheetFormat::None;
}

bool ReadSheetNames(const QString &FileName, QStringList &Names)
{
    Names.clear();
    if (StartsAsZip(FileName)) {
        switch (PackageKind(FileName)) {
        case tPackage::Xlsx:
            return ReadXlsxSheetNames(FileName, Names);
        case tPackage::Ods:
            return ReadOdsSheetNames(FileName, Names);
        default:
            return false;
        }
    }
    if (SheetFormatOfName(FileName) != tSheetFormat::Csv || !QFileInfo(FileName).isFile())
        return false;
    Names.append(QFileInfo(FileName).completeBaseName());
    return true;
}

bool ReadSheetFile(const QString &FileName, int Index, tSheet &Sheet)
{
    Sheet = tSheet();
    if (StartsAsZip(FileName)) {
        switch (PackageKind(FileName)) {
        case tPackage::Xlsx:
            return ReadXlsxSheet(FileName, Index, Sheet);
        case tPackage::Ods:
            return ReadOdsSheet(FileName, Index, Sheet);
        default:
            return false;
        }
    }
    if (SheetFormatOfName(FileName) != tSheetFormat::Csv || Index != 0)
        return false;
    return ReadCsvFile(FileName, Sheet);
}

int FindSheetIndex(const QStringList &Names, const QString &Choice)
{
    const int ByName = Names.indexOf(Choice);
    if (ByName >= 0)
        return ByName;
    bool Ok = false;
    const int Number = Choice.trimmed().toInt(&Ok);
    return Ok && Number >= 1 && Number <= Names.size() ? Number - 1 : -1;
}

QString SheetAsText(const tSheet &Sheet)
{
    QString S;
    for (const QStringList &Row : Sheet.Rows)
        S += Row.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    return S;
}
