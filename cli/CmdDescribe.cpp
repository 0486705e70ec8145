// lumentor-cli describe FILE.lmt SERIES --table|--keys: the text that "copy
// table" or "copy key figures" puts on the clipboard for that description;
// with two columns --crosstable|--pairkeys|--regression, the copy texts of
// the cross table, of the pair's key figures and of the regression models;
// --boxplot the box plot's text copy, --histogram the histogram's bars.
#include "Command.h"
#include "Series.h"
#include "ShapeFigures.h"
#include "TextTransfer.h"
#include "TwoVar.h"

namespace
{

enum tPairText { ptCross, ptKeys, ptRegression };

// The two columns' descriptions: refused as the kind list refuses them.
int DescribePair(const QStringList &Args, tPairText What)
{
    const bool Cross = What == ptCross;
    std::unique_ptr<tLumen> Lumen;
    QString Error;
    int Rc = 1;
    if (!LoadSeries(Args, Lumen, Error, &Rc)) {
        Err() << Error << "\n";
        return Rc;
    }
    const tLumen &L = *Lumen;
    const tDescriptor &D = DescriptorOf(*Lumen);
    if (L.SelColCount() != 2) {
        return UsageError("describe");
    }
    if (D.ListCount(1) == 0) {
        Err() << "Serien indeholder ingen tal\n";
        return 1;
    }
    if (L.IsGrouped(L.SelCol(0)) != L.IsGrouped(L.SelCol(1))) {
        Err() << "Begge kolonner skal være grupperede, eller ingen af dem\n";
        return 1;
    }
    if (What == ptRegression && L.IsGrouped(L.SelCol(0))) {
        Err() << "Regression kræver ugrupperede kolonner\n";
        return 1;
    }
    if (MarkedPairFaulty(L)) {
        Err() << "Fejl i data-par\n";
        return 1;
    }
    if (Cross && (D.ListCount(0) > 100 || D.ListCount(1) > 100)) {
        Err() << "Krydstabel (max. 100 x 100)\n";
        return 1;
    }
    if (What == ptRegression)
        Out() << RegressionText(L, D);
    else if (!Cross)
        Out() << PairKeyFiguresText(L, D);
    else
        Out() << (D.IsGrouped() ? GroupedCrossTableText(L, D) : CrossTableText(L, D));
    return 0;
}

// The box plot's five numbers per series, or the histogram's bars: refused
// as the kind lists refuse them.
int DescribeShape(const QStringList &Args, TBeskrivKind Kind)
{
    std::unique_ptr<tLumen> Lumen;
    QString Error;
    int Rc = 1;
    if (!LoadSeries(Args, Lumen, Error, &Rc)) {
        Err() << Error << "\n";
        return Rc;
    }
    const tDescriptor &D = DescriptorOf(*Lumen);
    const QString Refusal = ShapeRefusal(Kind, *Lumen, D);
    if (!Refusal.isEmpty()) {
        Err() << Refusal << "\n";
        return 1;
    }
    Out() << (Kind == bkBoksplot ? BoxPlotText(D) : HistogramText(D));
    return 0;
}

int Describe(const QStringList &Args)
{
    const bool Table = Args.contains(QLatin1String("--table"));
    const bool Keys = Args.contains(QLatin1String("--keys"));
    const bool Cross = Args.contains(QLatin1String("--crosstable"));
    const bool PairKeys = Args.contains(QLatin1String("--pairkeys"));
    const bool Box = Args.contains(QLatin1String("--boxplot"));
    const bool Histogram = Args.contains(QLatin1String("--histogram"));
    const bool Models = Args.contains(QLatin1String("--regression"));
    if (int(Table) + int(Keys) + int(Cross) + int(PairKeys) + int(Box) + int(Histogram) +
            int(Models) !=
        1) {
        return UsageError("describe");
    }
    if (Cross || PairKeys || Models)
        return DescribePair(Args, Cross ? ptCross : Models ? ptRegression : ptKeys);
    if (Box || Histogram)
        return DescribeShape(Args, Box ? bkBoksplot : bkHistogram);
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

CommandRegistrar R("describe", &Describe);

} // namespace
