#include "BoxPlot.h"

#include "CellText.h"
#include "NumberText.h"
#include "SeriesColour.h"
#include "ShapeFigures.h"

#include <algorithm>
#include <cmath>

namespace
{

// A font a fifth smaller than the painter's, for the numbers at the boxes.
class tSmallFont
{
  public:
    explicit tSmallFont(QPainter &P) : Painter(P), Saved(P.font())
    {
        QFont F = Saved;
        if (F.pixelSize() > 0)
            F.setPixelSize(std::max(1, F.pixelSize() * 4 / 5));
        else if (F.pointSizeF() > 0)
            F.setPointSizeF(F.pointSizeF() * 0.8);
        P.setFont(F);
    }
    ~tSmallFont() { Painter.setFont(Saved); }
    tSmallFont(const tSmallFont &) = delete;
    tSmallFont &operator=(const tSmallFont &) = delete;

  private:
    QPainter &Painter;
    QFont Saved;
};

tChartSpec BoxSpec(const tDescriptor &D, const QVector<tBoxFigures> &Boxes)
{
    tChartSpec S;
    S.Title = D.GetTitle();
    S.Grouped = false;
    S.XInteger = true;
    S.Minimum = Boxes.first().Min;
    S.Maximum = Boxes.first().Max;
    QString Widest;
    for (const tBoxFigures &B : Boxes) {
        S.Minimum = std::min(S.Minimum, B.Min);
        S.Maximum = std::max(S.Maximum, B.Max);
        S.Decimals = std::max(S.Decimals, int(B.Decimals));
        S.XInteger = S.XInteger && !B.Grouped && B.Decimals == 0;
        if (B.Name.size() > Widest.size())
            Widest = B.Name;
    }
    // A little room at both ends keeps the whiskers off the frame; one value
    // alone still gets an axis around it.
    const Extended Margin = S.Maximum > S.Minimum ? (S.Maximum - S.Minimum) / 20 : 1;
    S.Minimum -= Margin;
    S.Maximum += Margin;
    // The y axis has no values: one step from the bottom to the top, and
    // the names of the series where its labels would be.
    S.LargestY = 1;
    S.YInteger = true;
    S.YSample = Widest + QLatin1Char(' ');
    S.YZero = QString();
    S.YLabel = [](Extended, int) { return QString(); };
    S.XLabel = [](Extended X, int Dec) { return FormatNumber(X, Dec); };
    return S;
}

// Vertical grid lines at the x ticks, under the boxes.
void DrawXGrid(QPainter &P, const tDrawContext &C, const tChartLayout &L, qreal PenWidth)
{
    if (!(L.XStep > 0))
        return;
    P.setPen(QPen(C.ButtonFace, PenWidth));
    const Extended PerUnit = Extended(L.pw) / (L.XHi - L.XLo);
    const int First = int(std::ceil(L.XLo / L.XStep - 1e-9L));
    const int Last = int(std::floor(L.XHi / L.XStep + 1e-9L));
    for (int I = First; I <= Last && I - First <= 1000; ++I) {
        const int Px = L.x0 + draw::Rnd(PerUnit * (I * L.XStep));
        if (Px <= L.xa || Px >= L.FrameR - 1)
            continue;
        if (draw::Visible(P, draw::Box(Px, L.FrameT, Px + 1, L.FrameB)))
            P.drawLine(Px, L.FrameT + 1, Px, L.FrameB - 2);
    }
}

// The five numbers under a box, each under its own position; a number that
// would run into the one before it is left out.
void DrawBoxNumbers(QPainter &P, const tChartLayout &L, const tBoxFigures &B, int Top)
{
    const Extended Values[5] = {B.Min, B.LowerQuartile, B.Median, B.UpperQuartile, B.Max};
    const int h = draw::TextHeight(P);
    const int Gap = std::max(2, h / 3);
    int LastRight = INT_MIN / 2;
    for (const Extended V : Values) {
        const QString Text = FormatNumber(V, B.Decimals);
        const int W = draw::TextWidth(P, Text);
        const int Left = (2 * L.PosX(V) - W) / 2;
        if (Left < LastRight + Gap)
            continue;
        DrawCellText(P, Text, draw::Box(Left, Top, Left + W, Top + h), Qt::AlignCenter);
        LastRight = Left + W;
    }
}

} // namespace

tChartLayout DrawBoxPlot(QPainter &P, const tDrawContext &C, const tDescriptor &D)
{
    tChartLayout L;
    const QString Refusal = BoxPlotRefusal(D);
    if (!Refusal.isEmpty()) {
        DrawErrorNotice(P, Refusal);
        return L;
    }
    const QVector<tBoxFigures> Boxes = BoxPlotFigures(D);
    if (Boxes.isEmpty()) {
        DrawDoubledTitle(P, draw::TextHeight(P), 0, D.GetTitle());
        return L;
    }
    const QPen CallerPen = P.pen();
    const QBrush CallerBrush = P.brush();
    const qreal PenWidth = CallerPen.widthF();
    const QPen Outline(Qt::black, PenWidth);
    P.setPen(Outline);
    L = DrawChartFrame(P, C, BoxSpec(D, Boxes));
    if (!L.Ok) {
        P.setPen(CallerPen);
        return L;
    }
    DrawXGrid(P, C, L, PenWidth);

    const int k = Boxes.size();
    const int Top = L.FrameT + L.hh, Bottom = L.Baseline - L.hh;
    const int Row = std::max(1, (Bottom - Top) / k);
    int SmallH = 0;
    {
        tSmallFont Small(P);
        SmallH = draw::TextHeight(P);
    }
    // The box takes half its row, at most three text lines; the numbers go
    // under it when the row has room for them.
    const int BoxH = std::max(2, std::min(Row / 2, 3 * L.h));
    const bool Numbers = Row >= BoxH + SmallH + L.hh + L.q;
    for (int I = 0; I < k; ++I) {
        const tBoxFigures &B = Boxes[I];
        const int RowTop = Top + I * Row;
        const int Mid = Numbers ? RowTop + (Row - SmallH - L.q) / 2 : RowTop + Row / 2;
        const int BoxT = Mid - BoxH / 2, BoxB = BoxT + BoxH;
        const int xMin = L.PosX(B.Min), xQ1 = L.PosX(B.LowerQuartile), xMd = L.PosX(B.Median),
                  xQ3 = L.PosX(B.UpperQuartile), xMax = L.PosX(B.Max);

        // Name, where the y labels stand in the other graphs.
        P.setPen(Outline);
        DrawCellText(P, B.Name, draw::Box(L.h - L.hh, Mid - L.hh, L.FrameL - L.hh, Mid + L.hh + 1),
                     Qt::AlignRight | Qt::AlignVCenter);

        // Whiskers with their end marks.
        const int Cap = std::max(2, BoxH / 4);
        P.drawLine(xMin, Mid, xQ1, Mid);
        P.drawLine(xQ3, Mid, xMax, Mid);
        P.drawLine(xMin, Mid - Cap, xMin, Mid + Cap);
        P.drawLine(xMax, Mid - Cap, xMax, Mid + Cap);

        // The box from quartile to quartile, and the median across it.
        P.setBrush(SeriesColour(I));
        draw::Rectangle(P, xQ1, BoxT, std::max(xQ3, xQ1) + 1, BoxB);
        P.setPen(QPen(Qt::black, 2 * PenWidth));
        P.drawLine(xMd, BoxT, xMd, BoxB - 1);
        P.setPen(Outline);

        if (Numbers) {
            tSmallFont Small(P);
            DrawBoxNumbers(P, L, B, BoxB + L.q);
        }
    }
    P.setBrush(CallerBrush);
    DrawChartAxes(P, L);
    P.setPen(CallerPen);
    return L;
}

QSize BoxPlotPaneSize(int Series)
{
    return QSize(200, 60 + 40 * std::clamp(Series, 1, MaxSeries));
}

QSize BoxPlotPictureSize(int Series)
{
    return QSize(400, 120 + 70 * std::clamp(Series, 1, MaxSeries));
}
