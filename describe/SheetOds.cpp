// The reader of OpenDocument spreadsheets (.ods): content.xml streamed, the
// tables taken as the sheets. Repeated rows and cells are counted, never
// spelled out; only non-empty cells are kept.
#include "SheetFile.h"

#include "SheetParts.h"

#include <QXmlStreamReader>

namespace
{

const QString Content = QStringLiteral("content.xml");

QStringView Attribute(const QXmlStreamAttributes &Attrs, QLatin1StringView Local)
{
    for (const QXmlStreamAttribute &A : Attrs)
        if (A.name() == Local)
            return A.value();
    return {};
}

qint64 Repeats(const QXmlStreamAttributes &Attrs, QLatin1StringView Local)
{
    bool Ok = false;
    const qint64 N = Attribute(Attrs, Local).toLongLong(&Ok);
    return Ok && N > 1 ? N : 1;
}

// The paragraphs of a cell as one line: text:s gives its blanks, tabs and
// line breaks a blank, paragraphs are joined by a blank; notes are left out.
// The reader stands on the cell's start and ends on its end.
QString ParagraphText(QXmlStreamReader &X)
{
    QString Text;
    int Depth = 1;
    int Paragraphs = 0;
    while (Depth > 0 && !X.atEnd()) {
        const QXmlStreamReader::TokenType T = X.readNext();
        if (T == QXmlStreamReader::Characters) {
            if (Depth > 1)
                Text += X.text();
        } else if (T == QXmlStreamReader::StartElement) {
            const QStringView N = X.name();
            if (N == QLatin1String("annotation")) {
                X.skipCurrentElement();
                continue;
            }
            if (N == QLatin1String("p") || N == QLatin1String("h")) {
                if (Paragraphs++ > 0)
                    Text += QLatin1Char(' ');
            } else if (N == QLatin1String("s")) {
                const qint64 Count = Repeats(X.attributes(), QLatin1StringView("c"));
                Text += QString(int(std::min<qint64>(Count, 1000)), QLatin1Char(' '));
            } else if (N == QLatin1String("tab") || N == QLatin1String("line-break"))
                Text += QLatin1Char(' ');
            ++Depth;
        } else if (T == QXmlStreamReader::EndElement)
            --Depth;
        if (Text.size() > 1000000)
            break;
    }
    return Text;
}

// A cell's text by its value type; the reader stands on the cell's start and
// ends on its end.
QString CellText(QXmlStreamReader &X)
{
    const QXmlStreamAttributes A = X.attributes();
    const QStringView Type = Attribute(A, QLatin1StringView("value-type"));
    QString Shown = ParagraphText(X);
    if (Type == QLatin1String("float") || Type == QLatin1String("percentage") ||
        Type == QLatin1String("currency")) {
        const QStringView V = Attribute(A, QLatin1StringView("value"));
        return V.isEmpty() ? Shown : V.toString();
    }
    if (Type == QLatin1String("date")) {
        const QString D = IsoDateText(Attribute(A, QLatin1StringView("date-value")));
        return D.isEmpty() ? Shown : D;
    }
    if (Type == QLatin1String("boolean")) {
        const QStringView V = Attribute(A, QLatin1StringView("boolean-value"));
        return V == QLatin1String("true") ? QStringLiteral("SAND") : QStringLiteral("FALSK");
    }
    if (Type == QLatin1String("string") && Shown.isEmpty())
        return Attribute(A, QLatin1StringView("string-value")).toString();
    return Shown; // strings, times, error values, cells without a type
}

// One table row: its non-empty cells (columns from 0), repeated as it says.
bool ReadRow(QXmlStreamReader &X, qint64 &Row, tCellCollector &Cells)
{
    const qint64 RowRepeat = Repeats(X.attributes(), QLatin1StringView("number-rows-repeated"));
    QVector<QPair<qint64, QString>> Found;
    qint64 Col = 0;
    while (!X.atEnd()) {
        const QXmlStreamReader::TokenType T = X.readNext();
        if (T == QXmlStreamReader::EndElement)
            break;
        if (T != QXmlStreamReader::StartElement)
            continue;
        const QStringView N = X.name();
        if (N != QLatin1String("table-cell") && N != QLatin1String("covered-table-cell")) {
            X.skipCurrentElement();
            continue;
        }
        const qint64 ColRepeat =
            Repeats(X.attributes(), QLatin1StringView("number-columns-repeated"));
        const QString Text = CellText(X);
        if (!Text.isEmpty()) {
            if (Found.size() + ColRepeat > SheetLimits::MaxColumns)
                return false;
            for (qint64 I = 0; I < ColRepeat; ++I)
                Found.append({Col + I, Text});
        }
        Col += ColRepeat;
    }
    if (!Found.isEmpty()) {
        if (RowRepeat * Found.size() > SheetLimits::MaxCells)
            return false;
        for (qint64 R = 0; R < RowRepeat; ++R)
            for (const auto &F : Found)
                if (!Cells.Add(Row + R, F.first, F.second))
                    return false;
    }
    Row += RowRepeat;
    return true;
}

// Walks the tables of content.xml: Table(name) says whether to read a table
// (rows into Cells) or skip it.
template <typename Fn>
bool ReadTables(const QString &FileName, tCellCollector *Cells, Fn Table)
{
    tZipPackage Zip;
    if (!Zip.Open(FileName))
        return false;
    std::unique_ptr<QIODevice> D = Zip.Part(Content);
    if (!D)
        return false;
    QXmlStreamReader X(D.get());
    int Depth = 0, TableDepth = -1;
    qint64 Row = 0;
    while (!X.atEnd()) {
        const QXmlStreamReader::TokenType T = X.readNext();
        if (T == QXmlStreamReader::EndElement) {
            if (--Depth < TableDepth)
                TableDepth = -1;
            continue;
        }
        if (T != QXmlStreamReader::StartElement)
            continue;
        ++Depth;
        const QStringView N = X.name();
        if (TableDepth < 0 && N == QLatin1String("table") &&
            X.namespaceUri().endsWith(QLatin1String(":table:1.0"))) {
            if (Table(Attribute(X.attributes(), QLatin1StringView("name")).toString())) {
                TableDepth = Depth;
                Row = 0;
            } else {
                X.skipCurrentElement();
                --Depth;
            }
        } else if (TableDepth >= 0 && N == QLatin1String("table-row")) {
            if (!Cells || !ReadRow(X, Row, *Cells))
                return false;
            --Depth;
        } else if (TableDepth >= 0 &&
                   (N == QLatin1String("table-columns") || N == QLatin1String("table-column") ||
                    N == QLatin1String("shapes") || N == QLatin1String("named-expressions"))) {
            X.skipCurrentElement();
            --Depth;
        }
    }
    return !X.hasError() && !Zip.Failed();
}

} // namespace

bool ReadOdsSheetNames(const QString &FileName, QStringList &Names)
{
    Names.clear();
    const bool Ok = ReadTables(FileName, nullptr, [&](const QString &Name) {
        if (Names.size() < SheetLimits::MaxSheets)
            Names.append(Name);
        return false;
    });
    return Ok && !Names.isEmpty();
}

bool ReadOdsSheet(const QString &FileName, int Index, tSheet &Sheet)
{
    Sheet = tSheet();
    tCellCollector Cells;
    int Seen = 0;
    const bool Ok =
        ReadTables(FileName, &Cells, [&](const QString &) { return Seen++ == Index; });
    if (!Ok || Index < 0 || Index >= Seen)
        return false;
    Cells.Build(Sheet);
    return true;
}
