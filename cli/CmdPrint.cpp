// lumentor-cli print FILE.lmt SERIES --kind KIND [--regression] [--name NAVN]
//                    [--landscape] -o OUT.pdf
// lumentor-cli print FILE.lmt --data [--name NAVN] [--landscape] -o OUT.pdf
// Prints one description, or the whole data set, to a PDF file as the
// editors print them on paper (the same page, fonts and routines), at 300
// dots per inch.
#include "Command.h"
#include "Describe.h"
#include "Series.h"
#include "TwoVar.h"
#include "TwoVarPages.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace
{

constexpr int Resolution = 300;
constexpr int ScreenPpi = 96;

// The program's printer page (SetUpPrintPage), at 300 dots per inch.
void SetUpWriter(QPdfWriter &Writer, const QString &Title, bool Landscape)
{
    Writer.setCreator(QStringLiteral("Lumentor"));
    Writer.setTitle(Title);
    Writer.setResolution(Resolution);
    SetUpPrintPage(Writer, Landscape);
}

int Failed(const QString &Message)
{
    Err() << Message << "\n";
    return 1;
}

int PrintData(const QStringList &Rest, const QString &Name, const QString &OutName, bool Landscape)
{
    QString FileName;
    for (const QString &A : Rest) {
        if (A.startsWith(QLatin1String("--")) || !FileName.isEmpty()) {
            return UsageError("print");
        }
        FileName = A;
    }
    if (FileName.isEmpty()) {
        return UsageError("print");
    }
    std::unique_ptr<tLumen> Lumen = tLumen::CreateFromFile(FileName);
    if (!Lumen || Lumen->ReadFailed())
        return Failed(QStringLiteral("Kunne ikke læse data"));
    // The data type the file was saved with; a file without one holds
    // observations.
    const TDataType Type = DataType == dtHyp || DataType == dtGrup ? DataType : dtObs;

    QSaveFile Out(OutName);
    if (!Out.open(QIODevice::WriteOnly))
        return Failed(QStringLiteral("Kunne ikke gemme udskriften"));
    tPrintResult Result;
    {
        QPdfWriter Writer(&Out);
        SetUpWriter(Writer, DataSetTitle(Name), Landscape);
        Result = PrintDataSet(Writer, *Lumen, Type, DataSetPrintFont(), ScreenPpi, Name);
    }
    if (Result == tPrintResult::Empty) {
        Out.cancelWriting();
        return Failed(QStringLiteral("Datasættet er tomt"));
    }
    if (Result != tPrintResult::Printed || !Out.commit())
        return Failed(QStringLiteral("Kunne ikke gemme udskriften"));
    return 0;
}

// The notice printed instead of Kind, "" when Kind can be printed; a table
// of faulty classes carries the print name.
QString KindNotice(const tLumen &L, const tDescriptor &D, TBeskrivKind Kind, const QString &Name)
{
    const QString Notice = DescriptionNotice(L, D, Kind);
    return Kind == bkTabel && Notice == ClassFaultNotice() ? TableClassFaultNotice(Name) : Notice;
}

// The paged drawing of a kind printed on several pages.
tPagedDrawing KindPages(const tLumen &L, const tDescriptor &D, TBeskrivKind Kind)
{
    switch (Kind) {
    case bkKrydstabel:
        return CrossTablePages(L, D, LineNameWidth, D.IsGrouped());
    case bkDatapinde:
    case bkDatakurve:
        return DataSticksPages(L, D, LineNameWidth, Kind == bkDatakurve);
    case bkChiTest:
        return ChiTestPages(L, D, LineNameWidth, DataType);
    default:
        return TablePages(D, D.IsGrouped());
    }
}

int PrintKind(const QStringList &Rest, TBeskrivKind Kind, bool Regression, int Model,
              const QString &Name,
              const QString &OutName, bool Landscape)
{
    std::unique_ptr<tLumen> Lumen;
    QString Error;
    int Rc = 1;
    if (!LoadSeries(Rest, Lumen, Error, &Rc)) {
        Err() << Error << "\n";
        return Rc;
    }
    tDescriptor &D = DescriptorOf(*Lumen);
    const QString Refusal = PairRefusal(Kind, *Lumen, D);
    if (!Refusal.isEmpty())
        return Failed(Refusal);
    if (!KindOffered(D, Kind, Error))
        return Failed(Error);

    tDescriptionPrint Job;
    Job.Title = PageTitle(KindPrintTitle(Kind), Name);
    Job.Font = PrinterFont(PaneFont(), Kind == bkMaerketal || Kind == bkRegression ? 12 : 10);
    Job.ScreenPpi = ScreenPpi;

    QSaveFile Out(OutName);
    if (!Out.open(QIODevice::WriteOnly))
        return Failed(QStringLiteral("Kunne ikke gemme udskriften"));
    bool Painted = false;
    const QString Notice = KindNotice(*Lumen, D, Kind, Name);
    {
        QPdfWriter Writer(&Out);
        SetUpWriter(Writer, Job.Title, Landscape);
        QPainter P;
        Painted = P.begin(&Writer);
        if (Painted) {
            const tLumen &L = *Lumen;
            if (!Notice.isEmpty())
                PrintOnePage(P, Writer, Job, [&Notice](QPainter &Q, const tDrawContext &) {
                    DrawErrorNotice(Q, Notice);
                });
            else if (PrintsOnSeveralPages(Kind))
                PrintPages(P, Writer, Job, KindPages(L, D, Kind));
            else
                PrintOnePage(P, Writer, Job,
                             [&L, &D, Kind, Regression, Model](QPainter &Q,
                                                               const tDrawContext &C) {
                                 DrawKind(Q, C, L, D, Kind, Regression, Model);
                             });
            P.end();
        }
    }
    if (!Painted || !Out.commit())
        return Failed(QStringLiteral("Kunne ikke gemme udskriften"));
    // The page says why there is no description; so does the exit status.
    if (!Notice.isEmpty())
        return Failed(Notice.startsWith(ClassFaultNotice()) ? ClassFaultNotice() : Notice);
    return 0;
}

int Print(const QStringList &Args)
{
    QString KindText, Name, OutName, ModelText;
    bool Data = false, Regression = false, Landscape = false;
    QStringList Rest;
    if (!SplitOptions(Args,
                      {{"--kind", &KindText},
                       {"--name", &Name},
                       {"--model", &ModelText},
                       {"-o", &OutName}},
                      {{"--data", &Data}, {"--regression", &Regression}, {"--landscape", &Landscape}},
                      Rest))
        return 2;
    const TBeskrivKind Kind = ParseKindName(KindText);
    const bool Usable = Data ? KindText.isEmpty() : Kind != bkIngen;
    if (!Usable || OutName.isEmpty())
        return UsageError("print");
    if (Regression && (Data || !TakesRegression(Kind)))
        return RegressionRefused();
    int Model = 0;
    if (!Data && !ReadModelOption(ModelText, Kind, Regression, Model))
        return 2;
    if (Data && !ModelText.isNull())
        return UsageError("print");
    return Data ? PrintData(Rest, Name, OutName, Landscape)
                : PrintKind(Rest, Kind, Regression, Model, Name, OutName, Landscape);
}

CommandRegistrar R("print", &Print);

} // namespace
