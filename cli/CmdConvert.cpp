// lumentor-cli convert IN.lmt OUT.lmt: reads a data file of either version and
// writes it as the current version. A failed save leaves OUT as it was.
#include "Command.h"

#include "Lumen.h"

namespace
{

int Convert(const QStringList &Args)
{
    if (Args.size() != 2) {
        return UsageError("convert");
    }
    const TDataType Saved = DataType;
    const auto L = tLumen::CreateFromFile(Args[0]);
    int Rc = 0;
    if (L->ReadFailed()) {
        Err() << "Kunne ikke læse data\n";
        Rc = 1;
    } else {
        // The data type just read is the one the new file keeps.
        L->SaveToFile(Args[1]);
        if (L->WriteFailed()) {
            Err() << "Kunne ikke gemme data\n";
            Rc = 1;
        }
    }
    DataType = Saved;
    return Rc;
}

CommandRegistrar R("convert", &Convert);

} // namespace
