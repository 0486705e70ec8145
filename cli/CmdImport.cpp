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

const char *const Usage = "Brug: lumentor-cli import TEKST.txt|FIL.xlsx|FIL.ods|FIL.csv -o FIL.lmt "
                          "[--sheet N|NAVN]\n";

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
    if (!PasteSheet(Lumen, Text, true)) {
        Err() << "Teksten kan ikke bruges som talsæt: rækkerne har ikke lige mange felter, "
                 "eller der er ingen hel række\n";
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
        Err() << Usage;
        return 2;
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

CommandRegistrar
    R("import", &Import, "import TEKST.txt|FIL.xlsx|FIL.ods|FIL.csv -o FIL.lmt [--sheet N|NAVN]",
      "Læser en tekstfil eller et regneark som et nyt datasæt af observationer\n"
      "og gemmer det i FIL.lmt. I en tekstfil adskilles felterne af tabulator\n"
      "eller \";\"; alle linjer skal have lige mange felter. Et regneark (.xlsx,\n"
      ".ods, .csv med komma eller semikolon) læses fra det første ark, eller fra\n"
      "arket --sheet med nummer (fra 1) eller navn. En første linje eller\n"
      "kolonne med bogstaver giver navnene.");

} // namespace
