// Opening a spreadsheet: a workbook of Lines rows of 10 number columns under
// a row of names, read and put into a data set as "Åbn..." does.
// LUMEN_BENCH_XLSX=path keeps a copy of the workbook there (to time other
// programs on the same file).
#include "SheetFile.h"
#include "TextTransfer.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

namespace
{

constexpr int Columns = 10;

bool AddPart(QuaZip &Zip, const QString &Name, const QByteArray &Bytes)
{
    QuaZipFile F(&Zip);
    if (!F.open(QIODevice::WriteOnly, QuaZipNewInfo(Name)) || F.write(Bytes) != Bytes.size())
        return false;
    F.close();
    return F.getZipError() == UNZ_OK;
}

// The workbook as a spreadsheet program writes it: shared strings for the
// names, every cell with its reference, numbers with two decimals.
bool WriteWorkbook(const QString &Path, int Lines)
{
    const QByteArray Main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const QByteArray Rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    const QByteArray PackageRel = "http://schemas.openxmlformats.org/package/2006/relationships";
    QByteArray Strings = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><sst xmlns=\"" + Main + "\">";
    for (int C = 0; C < Columns; ++C)
        Strings += "<si><t>Måling " + QByteArray::number(C + 1) + "</t></si>";
    Strings += "</sst>";
    QByteArray Sheet;
    Sheet.reserve(qsizetype(Lines) * Columns * 32);
    Sheet += "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet xmlns=\"" + Main +
             "\"><sheetData><row r=\"1\">";
    for (int C = 0; C < Columns; ++C)
        Sheet += QByteArray("<c r=\"") + char('A' + C) + "1\" t=\"s\"><v>" +
                 QByteArray::number(C) + "</v></c>";
    Sheet += "</row>";
    quint32 Seed = 12345;
    for (int R = 2; R <= Lines + 1; ++R) {
        const QByteArray Row = QByteArray::number(R);
        Sheet += "<row r=\"" + Row + "\">";
        for (int C = 0; C < Columns; ++C) {
            Seed = Seed * 1103515245u + 12345u;
            Sheet += QByteArray("<c r=\"") + char('A' + C) + Row + "\"><v>" +
                     QByteArray::number((Seed >> 8) % 100000 / 100.0, 'g', 17) + "</v></c>";
        }
        Sheet += "</row>";
    }
    Sheet += "</sheetData></worksheet>";

    QuaZip Zip(Path);
    if (!Zip.open(QuaZip::mdCreate))
        return false;
    const bool Ok =
        AddPart(Zip, "[Content_Types].xml",
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types xmlns=\"http://schemas."
                "openxmlformats.org/package/2006/content-types\"><Default Extension=\"rels\" "
                "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                "<Default Extension=\"xml\" ContentType=\"application/xml\"/><Override "
                "PartName=\"/xl/workbook.xml\" ContentType=\"application/vnd.openxmlformats-"
                "officedocument.spreadsheetml.sheet.main+xml\"/><Override PartName=\"/xl/"
                "worksheets/sheet1.xml\" ContentType=\"application/vnd.openxmlformats-"
                "officedocument.spreadsheetml.worksheet+xml\"/><Override PartName=\"/xl/"
                "sharedStrings.xml\" ContentType=\"application/vnd.openxmlformats-"
                "officedocument.spreadsheetml.sharedStrings+xml\"/></Types>") &&
        AddPart(Zip, "_rels/.rels",
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"" + PackageRel +
                    "\"><Relationship Id=\"rId1\" Type=\"" + Rel +
                    "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>") &&
        AddPart(Zip, "xl/workbook.xml",
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook xmlns=\"" + Main +
                    "\" xmlns:r=\"" + Rel +
                    "\"><sheets><sheet name=\"Ark1\" sheetId=\"1\" r:id=\"rId1\"/></sheets>"
                    "</workbook>") &&
        AddPart(Zip, "xl/_rels/workbook.xml.rels",
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"" + PackageRel +
                    "\"><Relationship Id=\"rId1\" Type=\"" + Rel +
                    "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" "
                    "Type=\"" + Rel + "/sharedStrings\" Target=\"sharedStrings.xml\"/>"
                    "</Relationships>") &&
        AddPart(Zip, "xl/sharedStrings.xml", Strings) &&
        AddPart(Zip, "xl/worksheets/sheet1.xml", Sheet);
    Zip.close();
    return Ok && Zip.getZipError() == UNZ_OK;
}

void BM_ImportXlsx(benchmark::State &State)
{
    const int Lines = int(State.range(0));
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("maalinger.xlsx"));
    if (!WriteWorkbook(Path, Lines)) {
        State.SkipWithError("the workbook could not be written");
        return;
    }
    const QString Keep = qEnvironmentVariable("LUMEN_BENCH_XLSX");
    if (!Keep.isEmpty()) {
        QFile::remove(Keep);
        QFile::copy(Path, Keep);
    }
    for (auto _ : State) {
        QStringList Names;
        tSheet Sheet;
        tLumen L;
        if (!ReadSheetNames(Path, Names) || !ReadSheetFile(Path, 0, Sheet)) {
            State.SkipWithError("the workbook could not be read");
            return;
        }
        FillSheet(L, Sheet);
        if (L.MaxLines() != Lines || L.UsedColumns() != Columns) {
            State.SkipWithError("the data set is not the workbook");
            return;
        }
        benchmark::DoNotOptimize(L.MaxLines());
    }
    State.counters["rows"] = Lines;
}
BENCHMARK(BM_ImportXlsx)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
