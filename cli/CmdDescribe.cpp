// lumentor-cli describe FILE.lmt SERIES --table|--keys: the text that "copy
// table" or "copy key figures" puts on the clipboard for that description;
// with two columns --crosstable|--pairkeys|--regression, the copy texts of
// the cross table, of the pair's key figures and of the regression models;
// --boxplot the box plot's text copy, --histogram the histogram's bars;
// --chitest the copy text of the chi-square test (two columns, or one or
// two frequency columns); --normalplot the points of the normal
// probability plot.
#include "Command.h"
#include "Series.h"
#include "ShapeFigures.h"
#include "TextTransfer.h"
#include "TwoVar.h"
#include "Describe.h"
#include "Distributions.h"

namespace
{

// The series of Args read; false (the reason told, Rc set) when it cannot be.
bool LoadTold(const QStringList &Args, std::unique_ptr<tLumen> &Lumen, int &Rc)
{
    QString Error;
    Rc = 1;
    if (LoadSeries(Args, Lumen, Error, &Rc))
        return true;
    Err() << Error << "\n";
    return false;
}

enum tPairText { ptCross, ptKeys, ptRegression };

// The two columns' descriptions: refused as the kind list refuses them.
int DescribePair(const QStringList &Args, tPairText What)
{
    const bool Cross = What == ptCross;
    std::unique_ptr<tLumen> Lumen;
    int Rc = 1;
    if (!LoadTold(Args, Lumen, Rc))
        return Rc;
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
    int Rc = 1;
    if (!LoadTold(Args, Lumen, Rc))
        return Rc;
    const tDescriptor &D = DescriptorOf(*Lumen);
    QString Refusal = ShapeRefusal(Kind, *Lumen, D);
    if (Refusal.isEmpty())
        Refusal = SeriesKindError(D, Kind);
    if (!Refusal.isEmpty()) {
        Err() << Refusal << "\n";
        return 1;
    }
    Out() << (Kind == bkBoksplot ? BoxPlotText(D) : HistogramText(D));
    return 0;
}

// The chi-square test: of independence for two observation columns, of
// goodness of fit for one or two frequency columns.
int DescribeChiTest(const QStringList &Args)
{
    std::unique_ptr<tLumen> Lumen;
    int Rc = 1;
    if (!LoadTold(Args, Lumen, Rc))
        return Rc;
    const tLumen &L = *Lumen;
    const tDescriptor &D = DescriptorOf(*Lumen);
    const QString Refusal = PairRefusal(bkChiTest, L, D);
    if (!Refusal.isEmpty()) {
        Err() << Refusal << "\n";
        return DataType == dtObs && L.SelColCount() == 2 ? 1 : 2;
    }
    const tChiTest T = ChiTestFor(L, D, DataType);
    if (!T.Error.isEmpty()) {
        Err() << T.Error << "\n";
        return 1;
    }
    Out() << ChiTestText(L, D, T);
    return 0;
}

// The series of Args read and described; false (told, Rc set) when it
// cannot be read or its classes are faulty: a description cut off at the
// fault would pass for the whole one.
bool LoadDescribable(const QStringList &Args, std::unique_ptr<tLumen> &Lumen, int &Rc)
{
    if (!LoadTold(Args, Lumen, Rc))
        return false;
    if (DescriptorOf(*Lumen).HasClassFault()) {
        Err() << "Fejl i intervaller\n";
        Rc = 1;
        return false;
    }
    return true;
}

// Above this many points the plot's points are not written out.
constexpr int64_t MaxTextPoints = 1000000;

// The normal probability plot: every point (x, p and the normal quantile of
// p), then the reference line's mean and standard deviation.
int DescribeNormalPlot(const QStringList &Args)
{
    std::unique_ptr<tLumen> Lumen;
    int Rc = 1;
    if (!LoadDescribable(Args, Lumen, Rc))
        return Rc;
    const tDescriptor &D = DescriptorOf(*Lumen);
    if (D.N(0) <= 0) {
        Err() << "Serien indeholder ingen tal\n";
        return 1;
    }
    const tNormalPlot T = NormalPlotOf(D);
    if (T.Points > MaxTextPoints) {
        Err() << "For mange punkter (max. " << MaxTextPoints << ")\n";
        return 1;
    }
    QTextStream &S = Out();
    if (!D.GetTitle().isEmpty())
        S << D.GetTitle() << "\r\n";
    S << "x\tp\tΦ⁻¹(p)\r\n";
    ForEachNormalPoint(D.GetSeries(0), [&S](Extended X, Extended P) {
        S << FormatGeneral(X) << '\t' << FormatGeneral(P) << '\t'
          << FormatGeneral(NormalQuantile(P)) << "\r\n";
    });
    S << "Middeltal\t" << FormatGeneral(T.Mean) << "\r\n";
    S << "Standardafvigelse\t" << FormatGeneral(T.StdDev) << "\r\n";
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
    const bool Chi = Args.contains(QLatin1String("--chitest"));
    const bool Normal = Args.contains(QLatin1String("--normalplot"));
    if (int(Table) + int(Keys) + int(Cross) + int(PairKeys) + int(Box) + int(Histogram) +
            int(Models) + int(Chi) + int(Normal) !=
        1) {
        return UsageError("describe");
    }
    if (Chi)
        return DescribeChiTest(Args);
    if (Normal)
        return DescribeNormalPlot(Args);
    if (Cross || PairKeys || Models)
        return DescribePair(Args, Cross ? ptCross : Models ? ptRegression : ptKeys);
    if (Box || Histogram)
        return DescribeShape(Args, Box ? bkBoksplot : bkHistogram);
    std::unique_ptr<tLumen> Lumen;
    int Rc = 1;
    if (!LoadDescribable(Args, Lumen, Rc))
        return Rc;
    const tDescriptor &D = DescriptorOf(*Lumen);
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
