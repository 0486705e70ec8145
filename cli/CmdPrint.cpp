// lumentor-cli print FILE.lmt SERIES --kind KIND [--regression] [--name NAVN] -o OUT.pdf
// lumentor-cli print FILE.lmt --data [--name NAVN] -o OUT.pdf
// Prints one description, or the whole data set, to a PDF file as the
// editors print them on paper: A4 at 300 dots per inch.
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

const char *Usage = "print FIL.lmt --col A|--line N|--hyp N|--grup N --kind " LUMEN_KIND_USAGE
                    " [--regression] " LUMEN_MODEL_USAGE
                    " [--name NAVN] -o UD.pdf  |  print FIL.lmt --data [--name "
                    "NAVN] -o UD.pdf";

constexpr int Resolution = 300;
constexpr int ScreenPpi = 96;

// The data grids' font as it shows on the screen.
QFont GridFont()
{
    QFont F(QStringLiteral("Arial"));
    F.setPointSize(9);
    return F;
}

// An A4 page whose printable area starts 10 mm inside the paper's edges, as
// a printer's does.
void SetUpWriter(QPdfWriter &Writer, const QString &Title)
{
    Writer.setCreator(QStringLiteral("Lumentor"));
    Writer.setTitle(Title);
    Writer.setResolution(Resolution);
    Writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
}

int Failed(const QString &Message)
{
    Err() << Message << "\n";
    return 1;
}

int PrintData(const QStringList &Rest, const QString &Name, const QString &OutName)
{
    QString FileName;
    for (const QString &A : Rest) {
        if (A.startsWith(QLatin1String("--")) || !FileName.isEmpty()) {
            Err() << "Brug: lumentor-cli " << Usage << "\n";
            return 2;
        }
        FileName = A;
    }
    if (FileName.isEmpty()) {
        Err() << "Brug: lumentor-cli " << Usage << "\n";
        return 2;
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
        SetUpWriter(Writer, DataSetTitle(Name));
        Result = PrintDataSet(Writer, *Lumen, Type, GridFont(), ScreenPpi, Name);
    }
    if (Result == tPrintResult::Empty) {
        Out.cancelWriting();
        return Failed(QStringLiteral("Datasættet er tomt"));
    }
    if (Result != tPrintResult::Printed || !Out.commit())
        return Failed(QStringLiteral("Kunne ikke gemme udskriften"));
    return 0;
}

// The notice printed instead of Kind, "" when Kind can be printed.
QString KindNotice(const tLumen &L, const tDescriptor &D, TBeskrivKind Kind)
{
    if (!IsTwoVariableKind(L, Kind))
        return SeriesKindError(D, Kind);
    const bool PairKind = Kind == bkKrydstabel || Kind == bkKrydsdiagram || Kind == bkMaerketal ||
                          Kind == bkRegression || Kind == bkResidualplot;
    return PairKind && MarkedPairFaulty(L) ? QStringLiteral("Fejl i data-par") : QString();
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
    default:
        return TablePages(D, D.IsGrouped());
    }
}

int PrintKind(const QStringList &Rest, TBeskrivKind Kind, bool Regression, int Model,
              const QString &Name, const QString &OutName)
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
    {
        QPdfWriter Writer(&Out);
        SetUpWriter(Writer, Job.Title);
        QPainter P;
        Painted = P.begin(&Writer);
        if (Painted) {
            const tLumen &L = *Lumen;
            const QString Notice = KindNotice(L, D, Kind);
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
    return 0;
}

int Print(const QStringList &Args)
{
    QString KindText, Name, OutName, ModelText;
    bool Data = false, Regression = false;
    QStringList Rest;
    if (!SplitOptions(
            Args,
            {{"--kind", &KindText}, {"--name", &Name}, {"--model", &ModelText}, {"-o", &OutName}},
            {{"--data", &Data}, {"--regression", &Regression}}, Rest))
        return 2;
    const TBeskrivKind Kind = ParseKindName(KindText);
    const bool Usable = Data ? KindText.isEmpty() : Kind != bkIngen;
    if (!Usable || OutName.isEmpty()) {
        Err() << "Brug: lumentor-cli " << Usage << "\n";
        return 2;
    }
    if (Data)
        return PrintData(Rest, Name, OutName);
    int Model = 0;
    if (!ReadModelOption(ModelText, Kind, Regression, Model))
        return 2;
    return PrintKind(Rest, Kind, Regression, Model, Name, OutName);
}

CommandRegistrar R("print", &Print, Usage);

} // namespace
