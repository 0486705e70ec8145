#include "ShapeFigures.h"

#include "KeyFigures.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>

namespace
{

const QString CrLf = QStringLiteral("\r\n");
const QChar Tab = QLatin1Char('\t');

// Numbers counted into no class (an observation column whose values left
// its classes behind).
bool ValuesOutsideClasses(const tSeries &S)
{
    if (!S.Grouped)
        return false;
    int64_t Counted = 0;
    for (const TFreqRecord &R : S.List)
        Counted += R.h;
    return Counted != S.n;
}

QString ClassRefusal(const tDescriptor &D, const tSeries &S)
{
    if (D.HasClassFault())
        return QStringLiteral("Fejl i intervaller");
    if (ValuesOutsideClasses(S))
        return QStringLiteral("Tal udenfor intervaller");
    return QString();
}

} // namespace

QString BoxFigureLabel(int I)
{
    static const char *const Labels[5] = {"Mindsteværdi", "Nedre kvartil", "Median",
                                          "Øvre kvartil", "Størsteværdi"};
    return I >= 0 && I < 5 ? QString::fromUtf8(Labels[I]) : QString();
}

QString BoxPlotRefusal(const tDescriptor &D)
{
    for (int I = 0; I < D.SeriesCount(); ++I) {
        const QString Refusal = ClassRefusal(D, D.GetSeries(I));
        if (!Refusal.isEmpty())
            return Refusal;
    }
    return QString();
}

QString HistogramRefusal(const tDescriptor &D)
{
    const tSeries &S = D.GetSeries(0);
    const QString Refusal = ClassRefusal(D, S);
    if (!Refusal.isEmpty())
        return Refusal;
    // A class without width has no bar whose area could tell its frequency.
    for (const TFreqRecord &R : S.List)
        if (!(R.Upper > R.Lower))
            return QStringLiteral("Fejl i intervaller");
    return QString();
}

bool BoxFiguresOf(const tSeries &S, tBoxFigures &B)
{
    B = tBoxFigures();
    B.Name = S.Name;
    B.Decimals = S.Decimals;
    B.Grouped = S.Grouped;
    B.n = S.n;
    if (S.List.isEmpty() || S.n <= 0)
        return false;
    // The key figures' own quartiles, so the box and "Mærketal" agree.
    tKeyFigures K;
    ComputeQuartiles(S, K);
    B.Min = S.Min;
    B.LowerQuartile = K.LowerQuartile;
    B.Median = K.Median;
    B.UpperQuartile = K.UpperQuartile;
    B.Max = S.Max;
    return true;
}

QVector<tBoxFigures> BoxPlotFigures(const tDescriptor &D)
{
    QVector<tBoxFigures> Boxes;
    for (int I = 0; I < D.SeriesCount(); ++I) {
        tBoxFigures B;
        if (BoxFiguresOf(D.GetSeries(I), B))
            Boxes.append(B);
    }
    return Boxes;
}

tHistogramFigures HistogramFiguresOf(const tSeries &S)
{
    tHistogramFigures H;
    if (!S.Grouped || S.List.isEmpty())
        return H;
    // Classes count as equally wide when their widths agree to rounding
    // (automatic classes are computed bound by bound).
    const Extended First = S.List.first().Upper - S.List.first().Lower;
    for (const TFreqRecord &R : S.List) {
        const Extended W = R.Upper - R.Lower;
        if (std::fabs(W - First) > 1e-9L * std::max(std::fabs(W), std::fabs(First)))
            H.Uneven = true;
    }
    H.Bars.reserve(S.List.size());
    for (const TFreqRecord &R : S.List) {
        tHistogramBar Bar;
        Bar.Lower = R.Lower;
        Bar.Upper = R.Upper;
        Bar.f = S.n > 0 ? Extended(R.h) / Extended(S.n) : 0;
        const Extended W = R.Upper - R.Lower;
        Bar.Height = 100 * Bar.f;
        if (H.Uneven)
            Bar.Height = W > 0 ? Bar.Height / W : 0;
        H.LargestHeight = std::max(H.LargestHeight, Bar.Height);
        H.Bars.append(Bar);
    }
    return H;
}

QString BoxPlotText(const tDescriptor &D)
{
    if (!BoxPlotRefusal(D).isEmpty())
        return QString();
    const QVector<tBoxFigures> Boxes = BoxPlotFigures(D);
    if (Boxes.isEmpty())
        return QString();
    QString S;
    for (int I = 0; I < 5; ++I)
        S += Tab + BoxFigureLabel(I);
    S += CrLf;
    // The quartiles with the key figures' two extra decimals.
    for (const tBoxFigures &B : Boxes) {
        const int d = B.Decimals;
        S += B.Name + Tab + FormatNumber(B.Min, d) + Tab + FormatNumber(B.LowerQuartile, d + 2) +
             Tab + FormatNumber(B.Median, d + 2) + Tab + FormatNumber(B.UpperQuartile, d + 2) +
             Tab + FormatNumber(B.Max, d) + CrLf;
    }
    return S;
}

QString HistogramText(const tDescriptor &D)
{
    if (!HistogramRefusal(D).isEmpty())
        return QString();
    const tSeries &Ser = D.GetSeries(0);
    const tHistogramFigures H = HistogramFiguresOf(Ser);
    if (H.Bars.isEmpty())
        return QString();
    const int d = Ser.Decimals;
    QString S = Ser.Name + CrLf;
    S += QStringLiteral("Nedre grænse\tØvre grænse\tFrekvens i %\t") +
         (H.Uneven ? QStringLiteral("Højde (frekvens i % pr. enhed)")
                  : QStringLiteral("Højde (frekvens i %)")) +
         CrLf;
    for (const tHistogramBar &B : H.Bars)
        S += FormatNumber(B.Lower, d) + Tab + FormatNumber(B.Upper, d) + Tab +
             FormatNumber(100 * B.f, 6) + Tab + FormatNumber(B.Height, 6) + CrLf;
    return S;
}
