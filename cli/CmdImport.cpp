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
        return UsageError("import");
    }
    QString Text;
    if (!ReadTextFile(Input, true, Text)) {
        Err() << "Kunne ikke læse tekstfilen\n";
        return 1;
    }
    tLumen Lumen;
    if (!PasteSheet(Lumen, Text, true)) {
        Err() << "Teksten kan ikke bruges som talsæt: rækkerne har ikke lige mange felter, "
                 "eller der er ingen hel række\n";
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

CommandRegistrar R("import", &Import);

} // namespace
