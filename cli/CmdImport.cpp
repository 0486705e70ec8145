// lumentor-cli import FIL -o FIL.lmt [--sheet N|NAVN]: reads a tab- or
// semicolon-separated text file, or a spreadsheet (.xlsx, .ods, .csv), as a
// new observation data set, the way the program opens or imports it, and
// saves it.
#include "Command.h"
#include "SheetFile.h"
#include "TextTransfer.h"

#include <QFileInfo>

namespace
{

// The chosen sheet of a spreadsheet into Lumen; 1 (told) when it fails.
int ImportSheet(const QString &Input, const QString &Choice, tLumen &Lumen)
{
    const QString Shown = QFileInfo(Input).fileName();
    QStringList Names;
    if (!ReadSheetNames(Input, Names)) {
        Err() << "Kunne ikke læse " << Shown << "\n";
        return 1;
    }
    const int Index = Choice.isEmpty() ? 0 : FindSheetIndex(Names, Choice);
    if (Index < 0) {
        Err() << "Arket " << Choice << " findes ikke i " << Shown << "; arkene er: "
              << Names.join(QStringLiteral(", ")) << "\n";
        return 1;
    }
    tSheet Sheet;
    if (!ReadSheetFile(Input, Index, Sheet)) {
        Err() << "Kunne ikke læse " << Shown << "\n";
        return 1;
    }
    FillSheet(Lumen, Sheet);
    if (SheetColumnsCut(Sheet))
        Err() << "Kun de første 26 kolonner er læst.\n";
    return 0;
}

int ImportText(const QString &Input, tLumen &Lumen)
{
    QString Text;
    if (!ReadTextFile(Input, true, Text)) {
        Err() << "Kunne ikke læse tekstfilen\n";
        return 1;
    }
    QString Fault;
    if (!PasteSheet(Lumen, Text, true, &Fault)) {
        Err() << Fault << "\n";
        return 1;
    }
    return 0;
}

int Import(const QStringList &Args)
{
    QString Output, Choice;
    QStringList Rest;
    if (!SplitOptions(Args, {{"-o", &Output}, {"--sheet", &Choice}}, {}, Rest))
        return 2;
    if (Rest.size() != 1 || Rest.first().startsWith(QLatin1Char('-')) || Output.isEmpty()) {
        return UsageError("import");
    }
    const QString Input = Rest.first();
    const bool Sheet = IsSheetFileName(Input);
    if (!Sheet && !Choice.isEmpty()) {
        Err() << "--sheet gælder kun regneark (.xlsx, .ods, .csv)\n";
        return 2;
    }
    tLumen Lumen;
    const int Result = Sheet ? ImportSheet(Input, Choice, Lumen) : ImportText(Input, Lumen);
    if (Result != 0)
        return Result;
    const TDataType Saved = DataType;
    DataType = dtObs;
    Lumen.SaveToFile(Output);
    DataType = Saved;
    if (Lumen.WriteFailed()) {
        Err() << "Kunne ikke gemme data\n";
        return 1;
    }
    return 0;
}

CommandRegistrar R("import", &Import);

} // namespace
