// lumentor-cli export FILE.lmt [--names] [--crlf]: the whole-sheet copy of
// the observations ("Alle talsæt", or with --names "Alle talsæt og navne"),
// its rows ended by LF for a terminal or a pipe, or by CR LF with --crlf.
#include "Command.h"
#include "Lumen.h"
#include "TextTransfer.h"

namespace
{

int Export(const QStringList &Args)
{
    QString File;
    bool Names = false, CrLf = false;
    bool Bad = false;
    for (const QString &A : Args) {
        if (A == QLatin1String("--names"))
            Names = true;
        else if (A == QLatin1String("--crlf"))
            CrLf = true;
        else if (File.isEmpty() && !A.startsWith(QLatin1Char('-')))
            File = A;
        else
            Bad = true;
    }
    if (File.isEmpty() || Bad) {
        return UsageError("export");
    }
    const TDataType Saved = DataType;
    const auto Lumen = tLumen::CreateFromFile(File);
    DataType = Saved;
    if (!Lumen || Lumen->ReadFailed()) {
        Err() << "Kunne ikke læse data\n";
        return 1;
    }
    Out() << SheetText(*Lumen, Names, CrLf ? QStringLiteral("\r\n") : QStringLiteral("\n"));
    return 0;
}

CommandRegistrar R("export", &Export);

} // namespace
