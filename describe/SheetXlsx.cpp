// The reader of Office Open XML workbooks (.xlsx): the package relations lead
// to the workbook, which names the sheets and the parts of shared strings and
// styles; a sheet's XML is streamed cell by cell.
#include "SheetFile.h"

#include "SheetParts.h"

#include <QDir>
#include <QHash>
#include <QXmlStreamReader>
#include <thread>

namespace
{

struct tRelation {
    QString Type;
    QString Target; // the part's name in the zip
};

struct tWorkbook {
    QStringList Names;
    QStringList Parts;
    QString SharedStrings;
    QString Styles;
    bool Date1904 = false;
};

QStringView Attribute(const QXmlStreamAttributes &Attrs, QLatin1StringView Local)
{
    for (const QXmlStreamAttribute &A : Attrs)
        if (A.name() == Local)
            return A.value();
    return {};
}

// A relation's target as a part name: absolute from the package root, or
// relative to the folder of the part that holds the relation.
QString PartName(const QString &Folder, const QString &Target)
{
    if (Target.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(Target.mid(1));
    const QString Name = QDir::cleanPath(Folder + Target);
    return Name.startsWith(QLatin1String("..")) ? QString() : Name;
}

QString FolderOf(const QString &Part)
{
    const qsizetype Slash = Part.lastIndexOf(QLatin1Char('/'));
    return Slash < 0 ? QString() : Part.left(Slash + 1);
}

// The relations in RelsPart, keyed by their ids; targets relative to Folder.
bool ReadRelationsPart(tZipPackage &Zip, const QString &RelsPart, const QString &Folder,
                       QHash<QString, tRelation> &Out)
{
    QByteArray Bytes;
    if (!Zip.ReadPart(RelsPart, Bytes))
        return false;
    QXmlStreamReader X(Bytes);
    while (!X.atEnd()) {
        if (X.readNext() != QXmlStreamReader::StartElement ||
            X.name() != QLatin1String("Relationship"))
            continue;
        const QXmlStreamAttributes A = X.attributes();
        if (Attribute(A, QLatin1StringView("TargetMode")) != QLatin1String("External"))
            Out.insert(Attribute(A, QLatin1StringView("Id")).toString(),
                       {Attribute(A, QLatin1StringView("Type")).toString(),
                        PartName(Folder, Attribute(A, QLatin1StringView("Target")).toString())});
    }
    return !X.hasError();
}

// The relations of a part, from Folder/_rels/Name.rels.
bool ReadRelations(tZipPackage &Zip, const QString &Part, QHash<QString, tRelation> &Out)
{
    const QString Folder = FolderOf(Part);
    return ReadRelationsPart(Zip, Folder + QStringLiteral("_rels/") + Part.mid(Folder.size()) +
                                      QStringLiteral(".rels"),
                             Folder, Out);
}

QString RelationOfType(const QHash<QString, tRelation> &Rels, QLatin1StringView TypeEnd)
{
    for (const tRelation &R : Rels)
        if (R.Type.endsWith(TypeEnd))
            return R.Target;
    return QString();
}

bool ReadWorkbook(tZipPackage &Zip, tWorkbook &W)
{
    QString Part = QStringLiteral("xl/workbook.xml");
    QHash<QString, tRelation> PackageRels;
    if (Zip.Has(QStringLiteral("_rels/.rels"))) {
        if (!ReadRelationsPart(Zip, QStringLiteral("_rels/.rels"), QString(), PackageRels))
            return false;
        const QString Main = RelationOfType(PackageRels, QLatin1StringView("/officeDocument"));
        if (!Main.isEmpty())
            Part = Main;
    }
    QHash<QString, tRelation> Rels;
    QByteArray Bytes;
    if (!ReadRelations(Zip, Part, Rels) || !Zip.ReadPart(Part, Bytes))
        return false;
    W.SharedStrings = RelationOfType(Rels, QLatin1StringView("/sharedStrings"));
    W.Styles = RelationOfType(Rels, QLatin1StringView("/styles"));

    QXmlStreamReader X(Bytes);
    while (!X.atEnd()) {
        if (X.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes A = X.attributes();
        if (X.name() == QLatin1String("workbookPr")) {
            const QStringView V = Attribute(A, QLatin1StringView("date1904"));
            W.Date1904 = V == QLatin1String("1") || V == QLatin1String("true");
        } else if (X.name() == QLatin1String("sheet")) {
            const tRelation R = Rels.value(Attribute(A, QLatin1StringView("id")).toString());
            if (W.Names.size() >= SheetLimits::MaxSheets)
                return false;
            W.Names.append(Attribute(A, QLatin1StringView("name")).toString());
            W.Parts.append(R.Target);
        }
    }
    return !X.hasError() && !W.Names.isEmpty();
}

// The text of a string item (<si> or <is>): its <t> runs joined, phonetic
// runs left out. The reader stands on the item's start and ends on its end.
QString ItemText(QXmlStreamReader &X)
{
    QString Text;
    int Depth = 1;
    while (Depth > 0 && !X.atEnd()) {
        const QXmlStreamReader::TokenType T = X.readNext();
        if (T == QXmlStreamReader::StartElement) {
            if (X.name() == QLatin1String("t"))
                Text += X.readElementText(QXmlStreamReader::SkipChildElements);
            else if (X.name() == QLatin1String("rPh"))
                X.skipCurrentElement();
            else
                ++Depth;
        } else if (T == QXmlStreamReader::EndElement)
            --Depth;
    }
    return Text;
}

bool ReadSharedStrings(tZipPackage &Zip, const QString &Part, QVector<QString> &Strings)
{
    if (Part.isEmpty() || !Zip.Has(Part))
        return true; // a workbook without text
    std::unique_ptr<QIODevice> D = Zip.Part(Part);
    if (!D)
        return false;
    QXmlStreamReader X(D.get());
    qint64 Chars = 0;
    while (!X.atEnd()) {
        if (X.readNext() != QXmlStreamReader::StartElement || X.name() != QLatin1String("si"))
            continue;
        Strings.append(ItemText(X));
        Chars += Strings.last().size();
        if (Strings.size() > SheetLimits::MaxStrings || Chars > SheetLimits::MaxStringChars)
            return false;
    }
    return !X.hasError() && !Zip.Failed();
}

// Whether a number format shows a date: one of the built-in date formats,
// or a format of our own with days or years in it (quoted text, [colour]
// and [$-locale] parts and escaped characters left out). Time-only formats
// keep the number.
bool IsDateFormat(int Id, const QString &Code)
{
    if ((Id >= 14 && Id <= 17) || Id == 22 || (Id >= 27 && Id <= 36) || (Id >= 50 && Id <= 58))
        return true;
    bool InQuote = false, InBracket = false;
    for (qsizetype I = 0; I < Code.size(); ++I) {
        const QChar C = Code[I].toLower();
        if (InQuote)
            InQuote = C != QLatin1Char('"');
        else if (InBracket)
            InBracket = C != QLatin1Char(']');
        else if (C == QLatin1Char('"'))
            InQuote = true;
        else if (C == QLatin1Char('['))
            InBracket = true;
        else if (C == QLatin1Char('\\') || C == QLatin1Char('_') || C == QLatin1Char('*'))
            ++I;
        else if (C == QLatin1Char('d') || C == QLatin1Char('y'))
            return true;
    }
    return false;
}

// For every cell style (<cellXfs>), whether it shows a date.
bool ReadDateStyles(tZipPackage &Zip, const QString &Part, QVector<bool> &DateStyle)
{
    QByteArray Bytes;
    if (Part.isEmpty() || !Zip.Has(Part))
        return true;
    if (!Zip.ReadPart(Part, Bytes))
        return false;
    QHash<int, QString> Codes;
    bool InCellXfs = false;
    QXmlStreamReader X(Bytes);
    while (!X.atEnd()) {
        const QXmlStreamReader::TokenType T = X.readNext();
        if (T == QXmlStreamReader::EndElement && X.name() == QLatin1String("cellXfs"))
            InCellXfs = false;
        if (T != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes A = X.attributes();
        if (X.name() == QLatin1String("numFmt"))
            Codes.insert(Attribute(A, QLatin1StringView("numFmtId")).toInt(),
                         Attribute(A, QLatin1StringView("formatCode")).toString());
        else if (X.name() == QLatin1String("cellXfs"))
            InCellXfs = true;
        else if (InCellXfs && X.name() == QLatin1String("xf")) {
            if (DateStyle.size() >= 65536)
                return false;
            const int Id = Attribute(A, QLatin1StringView("numFmtId")).toInt();
            DateStyle.append(IsDateFormat(Id, Codes.value(Id)));
        }
    }
    return !X.hasError();
}

// "B3" as row 2, column 1; false when it is no cell reference.
bool ParseReference(QStringView Ref, qint64 &Row, qint64 &Col)
{
    qsizetype I = 0;
    qint64 C = 0, R = 0;
    while (I < Ref.size() && Ref[I] >= QLatin1Char('A') && Ref[I] <= QLatin1Char('Z') && C <= 16384)
        C = C * 26 + (Ref[I++].unicode() - 'A' + 1);
    const qsizetype Letters = I;
    while (I < Ref.size() && Ref[I].isDigit() && R <= 1048576)
        R = R * 10 + Ref[I++].digitValue();
    if (Letters == 0 || I == Letters || I != Ref.size() || R == 0)
        return false;
    Row = R - 1;
    Col = C - 1;
    return true;
}

struct tSheetContext {
    const QVector<QString> &Strings;
    const QVector<bool> &DateStyle;
    bool Date1904;
};

// One <c> element: the text of its value; false when it is damaged. The
// reader stands on the element's start and ends on its end.
bool CellText(QXmlStreamReader &X, QStringView Type, int Style, const tSheetContext &Ctx,
              QString &Text)
{
    QString Value;
    bool HasInline = false;
    while (!X.atEnd()) {
        const QXmlStreamReader::TokenType T = X.readNext();
        if (T == QXmlStreamReader::EndElement)
            break;
        if (T != QXmlStreamReader::StartElement)
            continue;
        if (X.name() == QLatin1String("v"))
            Value = X.readElementText(QXmlStreamReader::SkipChildElements);
        else if (X.name() == QLatin1String("is")) {
            Value = ItemText(X);
            HasInline = true;
        } else
            X.skipCurrentElement(); // the formula, extensions
    }
    if (Type == QLatin1String("s")) {
        bool Ok = false;
        const int Index = Value.toInt(&Ok);
        if (!Ok || Index < 0 || Index >= Ctx.Strings.size())
            return false;
        Text = Ctx.Strings[Index];
    } else if (Type == QLatin1String("inlineStr") || HasInline)
        Text = Value;
    else if (Type == QLatin1String("b"))
        Text = Value.isEmpty() ? QString()
               : Value.trimmed() == QLatin1String("1") || Value.trimmed() == QLatin1String("true")
                   ? QStringLiteral("SAND")
                   : QStringLiteral("FALSK");
    else if (Type == QLatin1String("d")) {
        Text = IsoDateText(Value);
        if (Text.isEmpty())
            Text = Value;
    } else if (Type.isEmpty() || Type == QLatin1String("n")) {
        Text = Value;
        if (Style >= 0 && Style < Ctx.DateStyle.size() && Ctx.DateStyle[Style] && !Value.isEmpty()) {
            bool Ok = false;
            const QString Date = SerialDateText(Value.toDouble(&Ok), Ctx.Date1904);
            if (Ok && !Date.isEmpty())
                Text = Date;
        }
    } else
        Text = Value; // "str" (a formula's text) and "e" (an error value)
    return true;
}

// The cells of a sheet's XML. Piece: a piece ending anywhere between two
// rows (the input ends early, which is no error here).
bool ReadSheetCells(const QByteArray &Xml, const tSheetContext &Ctx, tCellCollector &Cells,
                    bool Piece)
{
    QXmlStreamReader X(Xml);
    qint64 Row = -1, Col = 0;
    QString Text;
    while (!X.atEnd()) {
        if (X.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView Name = X.name();
        if (Name == QLatin1String("row")) {
            const QStringView R = X.attributes().value(QLatin1StringView("r"));
            bool Ok = false;
            const qint64 N = R.toLongLong(&Ok);
            Row = Ok && N >= 1 ? N - 1 : Row + 1;
            Col = 0;
        } else if (Name == QLatin1String("c")) {
            // What the cell's attributes say is taken before reading on: a
            // copy of them kept past the next element would have to be
            // copied again by the reader, cell by cell.
            qint64 RefRow = Row;
            QString Type;
            int Style = 0;
            {
                const QXmlStreamAttributes A = X.attributes();
                const QStringView Ref = Attribute(A, QLatin1StringView("r"));
                if (!Ref.isEmpty() && !ParseReference(Ref, RefRow, Col))
                    return false;
                const QStringView T = Attribute(A, QLatin1StringView("t"));
                if (!T.isEmpty() && T != QLatin1String("n"))
                    Type = T.toString();
                Style = Attribute(A, QLatin1StringView("s")).toInt();
            }
            if (!CellText(X, Type, Style, Ctx, Text))
                return false;
            if (!Text.isEmpty() && !Cells.Add(std::max<qint64>(RefRow, 0), Col, Text))
                return false;
            ++Col;
        }
    }
    return !X.hasError() ||
           (Piece && X.error() == QXmlStreamReader::PrematureEndOfDocumentError);
}

// Where a large sheet's XML may be cut in two for two readers: before a
// "<row r=" near the middle. Markup is the only place a "<" can stand
// outside comments, CDATA sections and processing instructions, so a
// sheet with none of those after its first row is cut only between rows;
// -1 (read it whole) otherwise. First: the first row's start.
qsizetype SplitPoint(const QByteArray &Xml, qsizetype &First)
{
    constexpr qsizetype MinSplit = 4 << 20;
    First = Xml.indexOf("<row");
    if (Xml.size() < MinSplit || First < 0)
        return -1;
    if (Xml.indexOf("<!", First) >= 0 || Xml.indexOf("<?", First) >= 0)
        return -1;
    const qsizetype At = Xml.indexOf("<row r=", Xml.size() / 2);
    return At > First ? At : -1;
}

bool ReadSheetXml(const QByteArray &Xml, const tSheetContext &Ctx, tCellCollector &Cells)
{
    qsizetype First = 0;
    const qsizetype At = SplitPoint(Xml, First);
    if (At < 0)
        return ReadSheetCells(Xml, Ctx, Cells, false);
    // The second half gets the first's head (the root with its namespaces,
    // the sheet's settings, the start of the sheet data) in front.
    const QByteArray Second = Xml.left(First) + Xml.mid(At);
    tCellCollector Later;
    bool SecondOk = false;
    std::thread Helper([&] { SecondOk = ReadSheetCells(Second, Ctx, Later, false); });
    const bool FirstOk = ReadSheetCells(QByteArray::fromRawData(Xml.constData(), At), Ctx,
                                        Cells, true);
    Helper.join();
    return FirstOk && SecondOk && Cells.Append(std::move(Later));
}

} // namespace

bool ReadXlsxSheetNames(const QString &FileName, QStringList &Names)
{
    tZipPackage Zip;
    tWorkbook W;
    if (!Zip.Open(FileName) || !ReadWorkbook(Zip, W))
        return false;
    Names = W.Names;
    return true;
}

bool ReadXlsxSheet(const QString &FileName, int Index, tSheet &Sheet)
{
    Sheet = tSheet();
    tZipPackage Zip;
    tWorkbook W;
    if (!Zip.Open(FileName) || !ReadWorkbook(Zip, W) || Index < 0 || Index >= W.Parts.size())
        return false;
    QVector<QString> Strings;
    QVector<bool> DateStyle;
    if (!ReadSharedStrings(Zip, W.SharedStrings, Strings) ||
        !ReadDateStyles(Zip, W.Styles, DateStyle))
        return false;
    // Read whole (within the package's budget) so that two readers can share
    // a large sheet.
    QByteArray Xml;
    if (!Zip.ReadPart(W.Parts[Index], Xml))
        return false;
    tCellCollector Cells;
    if (!ReadSheetXml(Xml, {Strings, DateStyle, W.Date1904}, Cells))
        return false;
    Cells.Build(Sheet);
    return true;
}
