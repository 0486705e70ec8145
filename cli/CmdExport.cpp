// lumentor-cli export FILE.lmt [--names]: the whole-sheet copy of the
// observations ("Alle talsæt", or with --names "Alle talsæt og navne").
#include "Command.h"
#include "Lumen.h"
#include "TextTransfer.h"

namespace
{

int Export(const QStringList &Args)
{
    QString File;
    bool Names = false;
    bool Bad = false;
    for (const QString &A : Args) {
        if (A == QLatin1String("--names"))
            Names = true;
        else if (File.isEmpty() && !A.startsWith(QLatin1Char('-')))
            File = A;
        else
            Bad = true;
    }
    if (File.isEmpty() || Bad) {
        Err() << "Brug: lumentor-cli export FIL.lmt [--names]\n";
        return 2;
    }
    const TDataType Saved = DataType;
    const auto Lumen = tLumen::CreateFromFile(File);
    DataType = Saved;
    if (!Lumen || Lumen->ReadFailed()) {
        Err() << "Kunne ikke læse data\n";
        return 1;
    }
    Out() << SheetText(*Lumen, Names);
    return 0;
}

CommandRegistrar R("export", &Export, "export FIL.lmt [--names]",
                   "Skriver alle observationer som tabulatorsepareret tekst (\"Alle talsæt\").\n"
                   "--names: med kolonnenavne i første række og linjenavne i første felt.");

} // namespace
