#include "PlotFrame.h"

#include "CellText.h"
#include "ChartFrame.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr Extended Tolerance = 5e-10L;
constexpr int MaxLabels = 1000; // loop guard for the grid walks

bool Round(Extended Min, Extended Max, Extended &Lo, Extended &Hi, int &nLo, int &nHi, int &d)
{
    int dLo = 0, dHi = 0;
    if (!NiceBound(Min, false, false, Lo, nLo, dLo) || !NiceBound(Max, false, true, Hi, nHi, dHi))
        return false;
    d = std::max(dLo, dHi);
    return Hi - Lo > 0;
}

} // namespace

tPlotAxis PlotAxisOf(Extended Min, Extended Max)
{
    tPlotAxis A;
    // All values equal: the axis gets room around the value, so that the
    // points (and a vertical regression line) can still be shown.
    if (!(Max > Min)) {
        const Extended Room = Min != 0 ? std::fabs(Min) / 10 : 1;
        Min -= Room;
        Max += Room;
    }
    int nLo = 0, nHi = 0;
    if (!Round(Min, Max, A.Lo, A.Hi, nLo, nHi, A.d))
        return A;
    if (A.Lo > 0 && A.Hi > 0)
        A.Offset = A.Lo;
    else if (A.Lo < 0 && A.Hi < 0)
        A.Offset = A.Hi;
    if (A.Offset != 0 && !Round(A.Lo - A.Offset, A.Hi - A.Offset, A.Lo, A.Hi, nLo, nHi, A.d))
        return A;
    A.Step = A.Hi >= std::fabs(A.Lo) ? A.Hi / std::max(1, nHi) : std::fabs(A.Lo) / std::max(1, nLo);
    A.Ok = A.Step > 0;
    return A;
}

int tPlotFrame::MapX(Extended V) const
{
    return x0 + draw::Rnd((V - Ax.Offset) * PW / (Ax.Hi - Ax.Lo));
}

int tPlotFrame::MapY(Extended V) const
{
    return y0 - draw::Rnd((V - Ay.Offset) * PH / (Ay.Hi - Ay.Lo));
}

double tPlotFrame::PixelX(Extended V) const
{
    const Extended Px = x0 + (V - Ax.Offset) * PW / (Ax.Hi - Ax.Lo);
    return double(std::clamp<Extended>(Px, -1e7L, 1e7L));
}

double tPlotFrame::PixelY(Extended V) const
{
    const Extended Py = y0 - (V - Ay.Offset) * PH / (Ay.Hi - Ay.Lo);
    return double(std::clamp<Extended>(Py, -1e7L, 1e7L));
}

Extended tPlotFrame::ValueX(double Px) const
{
    return Ax.Offset + Extended(Px - x0) * (Ax.Hi - Ax.Lo) / PW;
}

tPlotFrame DrawPlotFrame(QPainter &P, const tDrawContext &C, const QString &XTitle,
                         const QString &YTitle, Extended XMin, Extended XMax, Extended YMin,
                         Extended YMax)
{
    tPlotFrame F;
    const int h = F.h = draw::TextHeight(P);
    const int hh = F.hh = (h + 1) / 2;
    const int m = F.m = C.ForPrinter ? C.PrinterPpi / 2 : 0;
    F.r = C.Extra();

    const tPlotAxis Ay = F.Ay = PlotAxisOf(YMin, YMax);
    const tPlotAxis Ax = F.Ax = PlotAxisOf(XMin, XMax);
    const bool Scaled = Ax.Ok && Ay.Ok;

    // Label column: as wide as the longer of y's end labels, and h more.
    int lw = h;
    if (Scaled) {
        const QString A = FormatFixed(Ay.Offset + Ay.Hi, Ay.d);
        const QString B = FormatFixed(Ay.Offset + Ay.Lo, Ay.d);
        lw += draw::TextWidth(P, A.size() >= B.size() ? A : B);
    }
    const int PL = F.PL = lw + 2 * h + m, PT = F.PT = 2 * h + m;
    const int PW = F.PW = C.Width - 3 * h - C.ScrollBarWidth - lw - (C.ForPrinter ? 2 * m : 0);
    const int PH = F.PH = C.Height - 3 * h - C.ScrollBarWidth - (C.ForPrinter ? 2 * m : 0);
    const int PR = F.PR = PL + PW, PB = F.PB = PT + PH;
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(C.ButtonFace, 1));
    if (PW > 0 && PH > 0)
        P.drawRect(QRect(PL, PT, PW, PH));

    // Titles: the first across, the second upwards at the left.
    P.setPen(QPen(Qt::black, 1));
    {
        draw::DoubledFont Big(P);
        draw::TextOut(P, PL, m, XTitle);
        const int w = draw::TextWidth(P, YTitle);
        P.save();
        P.translate(m, 2 * h + w + m);
        P.rotate(-90);
        draw::TextOut(P, 0, 0, YTitle);
        P.restore();
    }
    if (!Scaled || PW <= 0 || PH <= 0)
        return F;
    F.Ok = true;

    const Extended RangeX = Ax.Hi - Ax.Lo, RangeY = Ay.Hi - Ay.Lo;
    F.x0 = PR - draw::Rnd(Ax.Hi * PW / RangeX);
    F.y0 = PT + draw::Rnd(Ay.Hi * PH / RangeY);
    const int y0 = F.y0, x0 = F.x0;

    // y grid and labels.
    P.setBackgroundMode(Qt::TransparentMode);
    const int LabelL = 2 * h + m, LabelR = PL - hh / 2;
    // A label is centred on its line; the one at the plot's bottom stands on
    // it instead, clear of the x labels' row below the corner.
    auto YLabel = [&](int Y, Extended V) {
        const int Bottom = std::min(Y + hh, PB);
        DrawCellText(P, FormatFixed(V, Ay.d), draw::Box(LabelL, Bottom - 2 * hh, LabelR, Bottom),
                     Qt::AlignRight | Qt::AlignVCenter);
    };
    YLabel(y0, Ay.Offset);
    int LastTop = y0 - hh;
    for (int K = 1; K <= MaxLabels && K * Ay.Step <= Ay.Hi + Tolerance; ++K) {
        const int Y = F.MapY(Ay.Offset + K * Ay.Step);
        P.setPen(QPen(C.ButtonFace, 1));
        P.drawLine(PL, Y, PR - 1, Y);
        P.setPen(QPen(Qt::black, 1));
        if (LastTop - (Y - hh) >= h) {
            YLabel(Y, Ay.Offset + K * Ay.Step);
            LastTop = Y - hh;
        }
    }
    LastTop = y0 - hh;
    for (int K = 1; K <= MaxLabels && -K * Ay.Step >= Ay.Lo - Tolerance; ++K) {
        const int Y = F.MapY(Ay.Offset - K * Ay.Step);
        P.setPen(QPen(C.ButtonFace, 1));
        P.drawLine(PL, Y, PR - 1, Y);
        P.setPen(QPen(Qt::black, 1));
        if ((Y - hh) - LastTop >= h) {
            YLabel(Y, Ay.Offset - K * Ay.Step);
            LastTop = Y - hh;
        }
    }

    // x grid and labels.
    auto XLabel = [&](int X, const QString &S) {
        const int W = draw::TextWidth(P, S);
        const int Left = X - W / 2;
        P.drawText(QRect(Left, PB + 1, W, h), Qt::AlignCenter | Qt::TextDontClip, S);
        return QPair<int, int>(Left, Left + W);
    };
    const QPair<int, int> Origin = XLabel(x0, FormatGeneral(Ax.Offset));
    // A little room after the origin label too, so that it never touches
    // its neighbour.
    int Limit = Origin.second + hh;
    for (int K = 1; K <= MaxLabels && K * Ax.Step <= Ax.Hi + Tolerance; ++K) {
        const int X = F.MapX(Ax.Offset + K * Ax.Step);
        P.setPen(QPen(C.ButtonFace, 1));
        P.drawLine(X, PT, X, PB - 1);
        P.setPen(QPen(Qt::black, 1));
        const QString S = FormatFixed(Ax.Offset + K * Ax.Step, Ax.d);
        const int W = draw::TextWidth(P, S);
        if (X - W / 2 >= Limit)
            Limit = XLabel(X, S).second + hh;
    }
    Limit = Origin.first;
    for (int K = 1; K <= MaxLabels && -K * Ax.Step >= Ax.Lo - Tolerance; ++K) {
        const int X = F.MapX(Ax.Offset - K * Ax.Step);
        P.setPen(QPen(C.ButtonFace, 1));
        P.drawLine(X, PT, X, PB - 1);
        P.setPen(QPen(Qt::black, 1));
        const QString S = FormatFixed(Ax.Offset - K * Ax.Step, Ax.d);
        const int W = draw::TextWidth(P, S);
        if (X - W / 2 + W + hh <= Limit)
            Limit = XLabel(X, S).first;
    }
    return F;
}

void DrawPlotAxes(QPainter &P, const tPlotFrame &F)
{
    P.setPen(QPen(Qt::black, 1));
    P.drawLine(F.PL, F.y0, F.PR - 1, F.y0);
    P.drawLine(F.x0, F.PB - 1, F.x0, F.PT);
}
