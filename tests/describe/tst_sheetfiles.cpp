// Spreadsheet files read into a data set: workbooks written by other
// programs (tests/describe/sheets, see make_sheets.py there), CSV texts, the
// sheet names and choices, dates, damaged and hostile files, and a bounded
// random mutation of all of them that must end cleanly (run it under the
// sanitizers; LUMEN_FUZZ_ROUNDS raises its rounds).
#include "SheetFile.h"
#include "SheetParts.h"
#include "TextTransfer.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <cmath>

namespace
{

QString Fixture(const QString &Name)
{
    return QStringLiteral(LUMEN_SOURCE_DIR "/tests/describe/sheets/") + Name;
}

// The data set as its text with names, one entry a line, tabs as "|".
QStringList Shown(const tLumen &L)
{
    QStringList Lines = SheetText(L, true).split(QLatin1Char('\r'));
    if (!Lines.isEmpty() && Lines.last().isEmpty())
        Lines.removeLast();
    for (QString &Line : Lines)
        Line.replace(QLatin1Char('\t'), QLatin1Char('|'));
    return Lines;
}

bool ReadInto(const QString &File, int Index, tLumen &L, tSheet &Sheet)
{
    if (!ReadSheetFile(File, Index, Sheet))
        return false;
    FillSheet(L, Sheet);
    return true;
}

// A zip of the given parts, written with QuaZip.
bool WriteZip(const QString &Path, const QList<QPair<QString, QByteArray>> &Parts)
{
    QuaZip Zip(Path);
    if (!Zip.open(QuaZip::mdCreate))
        return false;
    for (const auto &P : Parts) {
        QuaZipFile F(&Zip);
        if (!F.open(QIODevice::WriteOnly, QuaZipNewInfo(P.first)) || F.write(P.second) < 0)
            return false;
        F.close();
        if (F.getZipError() != UNZ_OK)
            return false;
    }
    Zip.close();
    return Zip.getZipError() == UNZ_OK;
}

// The parts of a zip, read with QuaZip.
QList<QPair<QString, QByteArray>> ReadZip(const QString &Path)
{
    QList<QPair<QString, QByteArray>> Parts;
    QuaZip Zip(Path);
    if (!Zip.open(QuaZip::mdUnzip))
        return Parts;
    for (bool More = Zip.goToFirstFile(); More; More = Zip.goToNextFile()) {
        QuaZipFile F(&Zip);
        if (F.open(QIODevice::ReadOnly))
            Parts.append({Zip.getCurrentFileName(), F.readAll()});
    }
    return Parts;
}

const QByteArray Rels =
    "<?xml version=\"1.0\"?><Relationships "
    "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"r1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
const QByteArray WorkbookRels =
    "<?xml version=\"1.0\"?><Relationships "
    "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"r1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/worksheet\" Target=\"worksheets/s.xml\"/></Relationships>";
const QByteArray Workbook =
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<sheets><sheet name=\"A\" sheetId=\"1\" r:id=\"r1\"/></sheets></workbook>";

// A minimal workbook with one sheet part of the given XML (none when empty).
QList<QPair<QString, QByteArray>> WorkbookParts(const QByteArray &SheetXml)
{
    QList<QPair<QString, QByteArray>> Parts{{"_rels/.rels", Rels},
                                            {"xl/_rels/workbook.xml.rels", WorkbookRels},
                                            {"xl/workbook.xml", Workbook}};
    if (!SheetXml.isEmpty())
        Parts.append({"xl/worksheets/s.xml", SheetXml});
    return Parts;
}

QByteArray SheetXml(const QByteArray &Rows)
{
    return "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
           "<sheetData>" +
           Rows + "</sheetData></worksheet>";
}

QByteArray OdsContent(const QByteArray &Table)
{
    return "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
           "<office:spreadsheet><table:table table:name=\"T\">" +
           Table + "</table:table></office:spreadsheet></office:body></office:document-content>";
}

// Sets the uncompressed size that both headers of the zip's entry Name state.
QByteArray WithStatedSize(QByteArray Zip, const QByteArray &Name, quint32 Size)
{
    auto Put = [&](qsizetype At) {
        for (int I = 0; I < 4; ++I)
            Zip[At + I] = char((Size >> (8 * I)) & 0xff);
    };
    for (qsizetype At = 0; (At = Zip.indexOf("PK\x03\x04", At)) >= 0; At += 4)
        if (Zip.mid(At + 30, Name.size()) == Name)
            Put(At + 22);
    for (qsizetype At = 0; (At = Zip.indexOf("PK\x01\x02", At)) >= 0; At += 4)
        if (Zip.mid(At + 46, Name.size()) == Name)
            Put(At + 24);
    return Zip;
}

bool WriteBytes(const QString &Path, const QByteArray &Bytes)
{
    QFile F(Path);
    return F.open(QIODevice::WriteOnly | QIODevice::Truncate) && F.write(Bytes) == Bytes.size();
}

QByteArray FileBytes(const QString &Path)
{
    QFile F(Path);
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray();
}

// Reads every sheet of a file the way the program does; only the ending
// matters (no crash, no hang, a usable sheet when it says so).
void ReadAll(const QString &Path)
{
    QStringList Names;
    if (!ReadSheetNames(Path, Names))
        return;
    for (int I = 0; I < Names.size() && I < 4; ++I) {
        tSheet Sheet;
        if (ReadSheetFile(Path, I, Sheet)) {
            tLumen L;
            FillSheet(L, Sheet);
            QVERIFY(L.UsedColumns() <= ObsColumns);
        }
    }
}

// One random change to a text or byte string: a byte changed, a range cut
// out or repeated, the end cut off, or a piece of markup put in.
QByteArray Mutate(QByteArray B, QRandomGenerator &R)
{
    static const char *const Pieces[] = {
        "<c r=\"XFE1\">", "<row r=\"99999999\">", "<c t=\"s\"><v>99</v></c>", "<v>1e999</v>",
        "<c t=\"b\"><v>1</v></c>", "table:number-rows-repeated=\"2000000\" ",
        "table:number-columns-repeated=\"99999\" ", "<text:s text:c=\"-5\"/>", "\"", ";", ",",
        "\r\n", "<![CDATA[", "&amp;", "&#0;", "<!DOCTYPE x [<!ENTITY a \"aaaa\">]>"};
    if (B.isEmpty())
        return Pieces[R.bounded(int(std::size(Pieces)))];
    const int At = R.bounded(int(B.size()));
    switch (R.bounded(5)) {
    case 0:
        B[At] = char(R.bounded(256));
        break;
    case 1:
        B.remove(At, R.bounded(1, 64));
        break;
    case 2:
        B.insert(At, B.mid(At, R.bounded(1, 64)));
        break;
    case 3:
        B.truncate(At);
        break;
    default:
        B.insert(At, Pieces[R.bounded(int(std::size(Pieces)))]);
        break;
    }
    return B;
}

} // namespace

class TestSheetFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;
    QString Path(const QString &Name) const { return Dir.filePath(Name); }

  private slots:
    void fixtures_data()
    {
        QTest::addColumn<QString>("File");
        QTest::addColumn<int>("Index");
        QTest::addColumn<QStringList>("Expected");
        // Starts at B2; an empty column; shared strings with æ, ø, å; a
        // date, booleans, an error value; 0.1 + 0.2 shown as 0,3.
        QTest::newRow("xlsx, names, line names") << "klasse.xlsx" << 0
            << QStringList{"|Højde|Vægt||Født|Bestået|Forhold",
                           "Åse|1,520|45,500000000||05-03-2010|SAND|#DIV/0!",
                           "Søren|1,655|50,000000000||31-12-2009|FALSK|0,300",
                           "Ærlige Ørn|1,700|0,123456789||||0,001"};
        QTest::newRow("xlsx, second sheet") << "klasse.xlsx" << 1
                                            << QStringList{"||", "|10|20", "|30|40"};
        // Inline strings in runs, cells without references, a formula's
        // text, an ISO date cell.
        QTest::newRow("xlsx, inline strings") << "inline.xlsx" << 0
            << QStringList{"|Tid|Løb", "|12,500|ja ", "|0,015|nej", "|29-02-2024|"};
        // Saved by LibreOffice: the formulas' cached results, an error.
        QTest::newRow("xlsx, formulas") << "formler.xlsx" << 0
            << QStringList{"|Tal|Dobbelt", "|1,50|3,0", "|2,25|4,5", "|0,00|0,0",
                           "|Fejl|#DIV/0!"};
        // Repeated cells and rows, a formula's value, a date with a time,
        // a percentage, booleans, an empty column, 1048000 empty rows.
        QTest::newRow("ods") << "klasse.ods" << 0
            << QStringList{"|Længde||Dato|Sum|Andel|OK",
                           "Bø|2,250000000||03-05-2024|4,500000000|0,25|SAND",
                           "Å|3,141592654||24-12-2023|6,283185307|0,50|FALSK",
                           "Ens|7,000000000||8|8,000000000||",
                           "Ens|7,000000000||8|8,000000000||"};
        QTest::newRow("ods, second sheet") << "klasse.ods" << 1 << QStringList{"|", "|1"};
    }
    void fixtures()
    {
        QFETCH(QString, File);
        QFETCH(int, Index);
        QFETCH(QStringList, Expected);
        tLumen L;
        tSheet Sheet;
        QVERIFY(ReadInto(Fixture(File), Index, L, Sheet));
        QCOMPARE(Shown(L), Expected);
        QVERIFY(!SheetColumnsCut(Sheet));
    }

    // The stored values, not the digits shown.
    void fullPrecision()
    {
        tLumen L;
        tSheet Sheet;
        QVERIFY(ReadInto(Fixture("klasse.xlsx"), 0, L, Sheet));
        TCellState St;
        QVERIFY(std::fabs(double(L.GetCellValue(2, 1, St)) - 0.123456789012345) < 1e-17);
        const Extended Sum = L.GetCellValue(1, 5, St);
        QCOMPARE(St, csNumber);
        QVERIFY(Sum != Extended(0.3) && std::fabs(double(Sum - 0.3L)) < 1e-15);
        QCOMPARE(L.GetDecimals(5), 3);
    }

    void wide()
    {
        tLumen L;
        tSheet Sheet;
        QVERIFY(ReadInto(Fixture("bred.xlsx"), 0, L, Sheet));
        QVERIFY(SheetColumnsCut(Sheet));
        QCOMPARE(Sheet.Columns, 30);
        // Fields past the first column of line names and the 26 columns are
        // not kept (a hostile sheet may reach column XFD on every row).
        for (const QStringList &Row : Sheet.Rows)
            QVERIFY(Row.size() <= ObsColumns + 1);
        QCOMPARE(L.UsedColumns(), ObsColumns);
        QCOMPARE(L.GetCellText(2, 25), QStringLiteral("225"));
    }

    void names_data()
    {
        QTest::addColumn<QString>("File");
        QTest::addColumn<QStringList>("Names");
        QTest::newRow("xlsx") << Fixture("klasse.xlsx") << QStringList{"Højder", "Ark 2"};
        QTest::newRow("ods") << Fixture("klasse.ods") << QStringList{"Målinger", "Andet ark"};
        QTest::newRow("inline") << Fixture("inline.xlsx") << QStringList{"Måling"};
        QTest::newRow("ods renamed .xlsx") << "ods.xlsx" << QStringList{"Målinger", "Andet ark"};
        QTest::newRow("csv") << "elever 7.b.csv" << QStringList{"elever 7.b"};
        QTest::newRow("csv missing") << "mangler.csv" << QStringList();
        QTest::newRow("text renamed .xlsx") << "tekst.xlsx" << QStringList();
        QTest::newRow("zip without workbook") << "dok.xlsx" << QStringList();
    }
    void names()
    {
        QFETCH(QString, File);
        QFETCH(QStringList, Names);
        QVERIFY(QFile::copy(Fixture("klasse.ods"), Path("ods.xlsx")) || QFile::exists(Path("ods.xlsx")));
        QVERIFY(WriteBytes(Path("elever 7.b.csv"), "a;b\n1;2\n"));
        QVERIFY(WriteBytes(Path("tekst.xlsx"), "Højde;Vægt\n1;2\n"));
        QVERIFY(WriteZip(Path("dok.xlsx"), {{"word/document.xml", "<w/>"}}));
        const QString Full = QFileInfo(File).isAbsolute() ? File : Path(File);
        QStringList Read;
        QCOMPARE(ReadSheetNames(Full, Read), !Names.isEmpty());
        QCOMPARE(Read, Names);
        tSheet Sheet;
        QCOMPARE(ReadSheetFile(Full, 0, Sheet), !Names.isEmpty());
        QVERIFY(!ReadSheetFile(Full, int(Names.size()), Sheet));
    }

    void sheetChoice_data()
    {
        QTest::addColumn<QString>("Choice");
        QTest::addColumn<int>("Index");
        QTest::newRow("name") << "Data" << 2;
        QTest::newRow("a name that is a number wins") << "2" << 1;
        QTest::newRow("number") << "3" << 2;
        QTest::newRow("first") << "1" << 0;
        QTest::newRow("past the end") << "4" << -1;
        QTest::newRow("zero") << "0" << -1;
        QTest::newRow("unknown") << "data" << -1;
    }
    void sheetChoice()
    {
        QFETCH(QString, Choice);
        QFETCH(int, Index);
        QCOMPARE(FindSheetIndex({"Ark1", "2", "Data"}, Choice), Index);
    }

    void dates_data()
    {
        QTest::addColumn<double>("Serial");
        QTest::addColumn<bool>("Date1904");
        QTest::addColumn<QString>("Text");
        QTest::newRow("first day") << 1.0 << false << "01-01-1900";
        QTest::newRow("before the leap day") << 59.0 << false << "28-02-1900";
        QTest::newRow("the counted leap day") << 60.0 << false << "29-02-1900";
        QTest::newRow("after it") << 61.0 << false << "01-03-1900";
        QTest::newRow("with a time") << 45000.75 << false << "15-03-2023";
        QTest::newRow("last day") << 2958465.0 << false << "31-12-9999";
        QTest::newRow("past the last") << 2958466.0 << false << "";
        QTest::newRow("zero") << 0.0 << false << "";
        QTest::newRow("negative") << -1.0 << false << "";
        QTest::newRow("1904 start") << 0.0 << true << "01-01-1904";
        QTest::newRow("1904 next") << 1.0 << true << "02-01-1904";
    }
    void dates()
    {
        QFETCH(double, Serial);
        QFETCH(bool, Date1904);
        QFETCH(QString, Text);
        QCOMPARE(SerialDateText(Serial, Date1904), Text);
    }

    void csv_data()
    {
        QTest::addColumn<QByteArray>("Bytes");
        QTest::addColumn<QStringList>("Expected");
        QTest::newRow("comma") << QByteArray("Navn,Højde\nAnna,152\nBo,160\n")
                               << QStringList{"|Højde", "Anna|152", "Bo|160"};
        QTest::newRow("semicolon, decimal comma") << QByteArray("x;y\r\n1,5;2\r\n3;4,25\r\n")
                                                  << QStringList{"|x|y", "|1,5|2,00", "|3,0|4,25"};
        QTest::newRow("semicolon, commas in every field")
            << QByteArray("1,5;2,5\n3,5;4,5") << QStringList{"||", "|1,5|2,5", "|3,5|4,5"};
        QTest::newRow("quoted decimal commas") << QByteArray("\"1,5\",\"2,5\"\n")
                                               << QStringList{"||", "|1,5|2,5"};
        QTest::newRow("doubled quotes") << QByteArray("a,b\n\"x, y\",\"sagde \"\"hej\"\"\"\n")
                                        << QStringList{"|b", "x, y|sagde \"hej\""};
        QTest::newRow("line break in quotes")
            << QByteArray("Navn;Note\n\"Ole\";\"to\r\nlinjer\"\nPia;3\n")
            << QStringList{"|Note", "Ole|to linjer", "Pia|3"};
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF\xC3\x86" "ble;2\n")
                                        << QStringList{"|", "Æble|2"};
        QTest::newRow("Windows-1252") << QByteArray("\xC6" "ble;2\n\xD8" "l;3\n")
                                      << QStringList{"|", "Æble|2", "Øl|3"};
        QTest::newRow("uneven rows, an empty line") << QByteArray("1;2;3\n\n4\n5;6\n")
            << QStringList{"|||", "|1|2|3", "|||", "|4||", "|5|6|"};
        QTest::newRow("one column") << QByteArray("5\n6\n7") << QStringList{"|", "|5", "|6", "|7"};
        QTest::newRow("used range from the top-left") << QByteArray(";;\n;a;b\n;1;2\n")
                                                     << QStringList{"|a|b", "|1|2"};
        QTest::newRow("blanks around fields") << QByteArray(" Navn , Tal \n Eva , 2 \n")
                                              << QStringList{"|Tal", "Eva|2"};
        QTest::newRow("unclosed quote") << QByteArray("1;\"2\n3;4\n")
                                        << QStringList{"||", "|1|2 3;4 "};
        QTest::newRow("empty") << QByteArray("") << QStringList{"|"};
    }
    void csv()
    {
        QFETCH(QByteArray, Bytes);
        QFETCH(QStringList, Expected);
        tSheet Sheet;
        QVERIFY(ReadCsvSheet(Bytes, Sheet));
        tLumen L;
        FillSheet(L, Sheet);
        QCOMPARE(Shown(L), Expected);
    }

    // Large sheet parts are streamed in many reads, and the largest are read
    // by two readers that meet between two rows: every row arrives once,
    // in its place, whatever the size.
    void largeSheets_data()
    {
        QTest::addColumn<int>("Rows");
        QTest::newRow("several reads") << 2000;
        QTest::newRow("two readers") << 90000;
    }
    void largeSheets()
    {
        QFETCH(int, Rows);
        QByteArray Xml;
        for (int R = 1; R <= Rows; ++R) {
            const QByteArray N = QByteArray::number(R);
            Xml += "<row r=\"" + N + "\" x14ac:dyDescent=\"0.25\"><c r=\"A" + N + "\"><v>" + N +
                   "</v></c><c r=\"B" + N + "\" t=\"inlineStr\"><is><t>r" + N + "</t></is></c></row>";
        }
        Xml = "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
              "xmlns:x14ac=\"http://schemas.microsoft.com/office/spreadsheetml/2009/9/ac\">"
              "<sheetData>" +
              Xml + "</sheetData></worksheet>";
        const QString File = Path("stor.xlsx");
        QVERIFY(WriteZip(File, WorkbookParts(Xml)));
        tSheet Sheet;
        QVERIFY(ReadSheetFile(File, 0, Sheet));
        QCOMPARE(Sheet.Rows.size(), Rows);
        for (int R = 0; R < Rows; ++R)
            if (Sheet.Rows[R] != QStringList{QString::number(R + 1), QStringLiteral("r%1").arg(R + 1)})
                QFAIL(qPrintable(QStringLiteral("row %1: %2").arg(R + 1).arg(Sheet.Rows[R].join(' '))));
    }

    // Damaged and hostile files fail, whatever their part.
    void hostile_data()
    {
        QTest::addColumn<QString>("Kind");
        QTest::newRow("truncated zip") << "truncated";
        QTest::newRow("missing sheet part") << "missing part";
        QTest::newRow("XML error") << "xml error";
        QTest::newRow("shared string out of range") << "string index";
        QTest::newRow("column past XFD") << "wide reference";
        QTest::newRow("too many entries") << "entries";
        QTest::newRow("stated size too large") << "bomb";
        QTest::newRow("stated size too small") << "short";
        QTest::newRow("rows repeated into millions of cells") << "ods rows";
        QTest::newRow("cells repeated past the columns") << "ods columns";
        QTest::newRow("ods without content") << "ods empty";
    }
    void hostile()
    {
        QFETCH(QString, Kind);
        const QString File = Path(Kind + QStringLiteral(".xlsx"));
        const QByteArray Good = SheetXml("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
        if (Kind == "truncated") {
            const QByteArray B = FileBytes(Fixture("klasse.xlsx"));
            QVERIFY(WriteBytes(File, B.left(B.size() / 2)));
        } else if (Kind == "missing part")
            QVERIFY(WriteZip(File, WorkbookParts({})));
        else if (Kind == "xml error")
            QVERIFY(WriteZip(File, WorkbookParts(Good.left(Good.size() - 20))));
        else if (Kind == "string index")
            QVERIFY(WriteZip(File, WorkbookParts(SheetXml("<row><c t=\"s\"><v>3</v></c></row>"))));
        else if (Kind == "wide reference")
            QVERIFY(WriteZip(File, WorkbookParts(SheetXml("<row><c r=\"XFE1\"><v>1</v></c></row>"))));
        else if (Kind == "entries") {
            auto Parts = WorkbookParts(Good);
            for (int I = 0; I < SheetLimits::MaxEntries; ++I)
                Parts.append({QStringLiteral("x/%1").arg(I), QByteArray()});
            QVERIFY(WriteZip(File, Parts));
        } else if (Kind == "bomb" || Kind == "short") {
            QVERIFY(WriteZip(File, WorkbookParts(Good)));
            const quint32 Size = Kind == "bomb" ? 300u << 20 : 10u;
            QVERIFY(WriteBytes(File, WithStatedSize(FileBytes(File), "xl/worksheets/s.xml", Size)));
        } else if (Kind == "ods rows")
            QVERIFY(WriteZip(File, {{"content.xml",
                                     OdsContent("<table:table-row table:number-rows-repeated=\"200000\">"
                                                "<table:table-cell office:value-type=\"float\" "
                                                "office:value=\"1\" table:number-columns-repeated=\"26\"/>"
                                                "</table:table-row>")}}));
        else if (Kind == "ods columns")
            QVERIFY(WriteZip(File, {{"content.xml",
                                     OdsContent("<table:table-row><table:table-cell "
                                                "office:value-type=\"float\" office:value=\"1\" "
                                                "table:number-columns-repeated=\"2000000000\"/>"
                                                "</table:table-row>")}}));
        else if (Kind == "ods empty")
            QVERIFY(WriteZip(File, {{"content.xml", ""}, {"mimetype", "x"}}));
        tSheet Sheet;
        QVERIFY(!ReadSheetFile(File, 0, Sheet));
        // The good form of the same file is read.
        if (Kind == "xml error" || Kind == "bomb" || Kind == "short") {
            QVERIFY(WriteZip(File, WorkbookParts(Good)));
            QVERIFY(ReadSheetFile(File, 0, Sheet));
            QCOMPARE(Sheet.Rows, QVector<QStringList>{{"1"}});
        }
    }

    // A CSV text beyond the bound on what is read fails before it is
    // decoded, and leaves no sheet behind.
    void csvBeyondTheBound()
    {
        tSheet Sheet;
        QVERIFY(ReadCsvSheet("1;2\r\n3;4\r\n", Sheet));
        QCOMPARE(Sheet.Rows.size(), 2);
        QByteArray Huge(SheetLimits::MaxUnpackedBytes + 1, '7');
        QVERIFY(!ReadCsvSheet(Huge, Sheet));
        QVERIFY(Sheet.Rows.isEmpty());
    }

    // Random changes to the zips, to their XML parts and to CSV texts.
    void mutations()
    {
        const int Rounds = qMax(1, qEnvironmentVariableIntValue("LUMEN_FUZZ_ROUNDS")) * 60;
        QRandomGenerator R(20240517);
        const QStringList Files{"klasse.xlsx", "inline.xlsx", "formler.xlsx", "klasse.ods"};
        for (const QString &Name : Files) {
            const QByteArray Bytes = FileBytes(Fixture(Name));
            const auto Parts = ReadZip(Fixture(Name));
            QVERIFY(!Parts.isEmpty());
            const QString Suffix = Name.endsWith(".ods") ? ".ods" : ".xlsx";
            for (int I = 0; I < Rounds; ++I) {
                // The zip's bytes.
                QByteArray B = Bytes;
                for (int N = R.bounded(1, 4); N > 0; --N)
                    B = Mutate(B, R);
                const QString Raw = Path(QStringLiteral("raw") + Suffix);
                QVERIFY(WriteBytes(Raw, B));
                ReadAll(Raw);
                // One XML part, zipped again.
                auto Changed = Parts;
                auto &Part = Changed[R.bounded(int(Changed.size()))].second;
                for (int N = R.bounded(1, 4); N > 0; --N)
                    Part = Mutate(Part, R);
                const QString Xml = Path(QStringLiteral("xml") + Suffix);
                QVERIFY(WriteZip(Xml, Changed));
                ReadAll(Xml);
            }
        }
        const QByteArray Csv = "Navn;\"Højde\"\r\nAnna;1,52\n\"B\"\"o\";\"1\n60\"\n;;\n";
        for (int I = 0; I < Rounds * 4; ++I) {
            QByteArray B = Csv;
            for (int N = R.bounded(1, 6); N > 0; --N)
                B = Mutate(B, R);
            tSheet Sheet;
            if (ReadCsvSheet(B, Sheet)) {
                tLumen L;
                FillSheet(L, Sheet);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSheetFiles)
#include "tst_sheetfiles.moc"
