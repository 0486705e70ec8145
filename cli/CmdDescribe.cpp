// lumentor-cli describe FILE.lmt SERIES --table|--keys: the text that "copy
// table" or "copy key figures" puts on the clipboard for that description.
#include "Command.h"
#include "Series.h"
#include "TextTransfer.h"

namespace
{

int Describe(const QStringList &Args)
{
    const bool Table = Args.contains(QLatin1String("--table"));
    const bool Keys = Args.contains(QLatin1String("--keys"));
    if (Table == Keys) {
        Err() << "Brug: lumentor-cli describe " << SeriesUsage << " --table|--keys\n";
        return 2;
    }
    std::unique_ptr<tLumen> Lumen;
    QString Error;
    int Rc = 1;
    if (!LoadSeries(Args, Lumen, Error, &Rc)) {
        Err() << Error << "\n";
        return Rc;
    }
    const tDescriptor &D = DescriptorOf(*Lumen);
    // Faulty classes give no table and no key figures: a table cut off at
    // the fault would pass for the whole description.
    if (D.HasClassFault()) {
        Err() << "Fejl i intervaller\n";
        return 1;
    }
    if (Keys) {
        // Key figures also need a positive total.
        if (D.N(0) <= 0) {
            Err() << "Serien indeholder ingen tal\n";
            return 1;
        }
    }
    Out() << (Table ? TableText(D) : KeyFiguresText(D));
    return 0;
}

CommandRegistrar R("describe", &Describe,
                   "describe FIL.lmt --col A|--line N|--hyp N|--grup N --table|--keys");

} // namespace
