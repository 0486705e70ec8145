// lumentor-cli import TEXT.txt -o FILE.lmt: reads a tab- or semicolon-separated
// text file as a new observation data set, the way the editor imports a
// sheet, and saves it.
#include "Command.h"
#include "TextTransfer.h"

namespace
{

int Import(const QStringList &Args)
{
    QString Input, Output;
    bool Bad = false;
    for (int I = 0; I < Args.size(); ++I) {
        if (Args[I] == QLatin1String("-o") && I + 1 < Args.size() && Output.isEmpty())
            Output = Args[++I];
        else if (Input.isEmpty() && !Args[I].startsWith(QLatin1Char('-')))
            Input = Args[I];
        else
            Bad = true;
    }
    if (Input.isEmpty() || Output.isEmpty() || Bad) {
        Err() << "Brug: lumentor-cli import TEKST.txt -o FIL.lmt\n";
        return 2;
    }
    QString Text;
    if (!ReadTextFile(Input, true, Text)) {
        Err() << "Kunne ikke læse tekstfilen\n";
        return 1;
    }
    tLumen Lumen;
    QString Fault;
    if (!PasteSheet(Lumen, Text, true, &Fault)) {
        Err() << Fault << "\n";
        return 1;
    }
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
    R("import", &Import, "import TEKST.txt -o FIL.lmt",
      "Læser en tekstfil som et nyt datasæt af observationer og gemmer det i FIL.lmt.\n"
      "Felterne adskilles af tabulator eller \";\"; alle linjer skal have lige mange\n"
      "felter. En første linje eller kolonne med bogstaver giver navnene.");

} // namespace
