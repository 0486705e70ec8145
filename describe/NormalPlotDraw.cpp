#include "NormalPlotDraw.h"

#include "CellText.h"
#include "ChartFrame.h"
#include "Distributions.h"
#include "FreqGraph.h"
#include "NormalPlot.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr int MaxTicks = 200; // loop guard for the x grid

// An x axis on the 1-2-5 scale around the data: the ends are whole steps.
struct tLinearAxis {
    bool Ok = false;
    Extended Lo = 0, Hi = 0, Step = 0;
    int d = 0;
};

tLinearAxis AxisFor(Extended Min, Extended Max)
{
    tLinearAxis A;
    if (!std::isfinite(Min) || !std::isfinite(Max))
        return A;
    // All values equal: room around the value.
    if (!(Max > Min)) {
        const Extended Room = Min != 0 ? std::fabs(Min) / 10 : 1;
        Min -= Room;
        Max += Room;
    }
    // A little room at the ends, so that no point sits on the frame; an axis
    // of positive values does not reach below 0 for it (nor a negative one
    // above).
    const Extended Room = (Max - Min) / 30;
    Min = Min >= 0 ? std::max<Extended>(0, Min - Room) : Min - Room;
    Max = Max <= 0 ? std::min<Extended>(0, Max + Room) : Max + Room;
    Extended Bound = 0;
    int Steps = 0;
    if (!NiceBound(Max - Min, false, true, Bound, Steps, A.d) || Steps < 1 || !(Bound > 0))
        return A;
    A.Step = Bound / Steps;
    A.Lo = std::floor(Min / A.Step + 1e-9L) * A.Step;
    A.Hi = std::ceil(Max / A.Step - 1e-9L) * A.Step;
    A.Ok = A.Hi > A.Lo && (A.Hi - A.Lo) / A.Step <= MaxTicks;
    return A;
}

QString PercentText(Extended P)
{
    return FormatGeneral(std::round(P * 1000) / 10) + QStringLiteral(" %");
}

} // namespace

void DrawNormalPlot(QPainter &P, const tDrawContext &C, const tDescriptor &D)
{
    const QPen CallerPen = P.pen();
    const QBrush CallerBrush = P.brush();
    const int h = draw::TextHeight(P);
    const int hh = (h + 1) / 2;
    const int r = C.Extra();
    const int Pen = std::max(1, r);
    const tNormalPlot T = NormalPlotOf(D);
    const int Dec = std::max(0, D.GetDecimals());

    // Layout: title, plot, x labels, the line's legend.
    const int lw = draw::TextWidth(P, PercentText(0.999L)) + h;
    const int PL = lw + h, PT = 3 * h;
    const int PW = C.Width - PL - h - C.ScrollBarWidth;
    const int PB = C.Height - C.ScrollBarWidth - 3 * h;
    const int PH = PB - PT;
    P.setPen(QPen(Qt::black, Pen));
    if (!D.GetTitle().isEmpty())
        DrawDoubledTitle(P, PL, 0, D.GetTitle());
    const tLinearAxis Ax = AxisFor(T.XMin, T.XMax);
    if (PW < 4 * h || PH < 4 * h || !Ax.Ok || T.Points <= 0) {
        P.setPen(CallerPen);
        P.setBrush(CallerBrush);
        return;
    }
    const int PR = PL + PW, Bottom = PB - 1;
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(C.ButtonFace, Pen));
    P.drawRect(QRect(PL, PT, PW, PH));

    const Extended ZHi = T.ZTop * 1.04L, ZLo = -ZHi;
    const tProbabilityRows Rows(PT, Bottom, ZLo, ZHi);
    auto MapX = [&](Extended X) {
        return PL + draw::Rnd((X - Ax.Lo) * Extended(PW - 1) / (Ax.Hi - Ax.Lo));
    };
    auto YOfZ = [&](Extended Z) {
        return double(Bottom) - double((Z - ZLo) * Extended(Bottom - PT) / (ZHi - ZLo));
    };
    P.setBackgroundMode(Qt::TransparentMode);

    // y grid and percent labels: 50 %, then outwards as long as they fit.
    auto YLevel = [&](Extended Pr, int Y) {
        P.setPen(QPen(C.ButtonFace, Pen));
        P.drawLine(PL + 1, Y, PR - 2, Y);
        P.setPen(QPen(Qt::black, Pen));
        DrawCellText(P, PercentText(Pr), draw::Box(h, Y - hh, PL - hh, Y + hh),
                     Qt::AlignRight | Qt::AlignVCenter);
    };
    const int Mid = int(std::size(NormalPlotLevels)) / 2; // 50 %
    const int Y50 = Rows.RowOfZ(0);
    YLevel(NormalPlotLevels[Mid], Y50);
    for (int Dir : {1, -1}) {
        int Last = Y50;
        for (int I = Mid + Dir; I >= 0 && I < int(std::size(NormalPlotLevels)); I += Dir) {
            const Extended Z = NormalQuantile(NormalPlotLevels[I]);
            if (Z > ZHi || Z < ZLo)
                break;
            const int Y = Rows.RowOfZ(Z);
            if (std::abs(Y - Last) < h + 1)
                continue;
            YLevel(NormalPlotLevels[I], Y);
            Last = Y;
        }
    }

    // x grid, ticks and labels.
    int Limit = -1000000;
    for (int K = 0; K <= MaxTicks; ++K) {
        const Extended V = Ax.Lo + K * Ax.Step;
        if (V > Ax.Hi + Ax.Step / 1000)
            break;
        const int X = MapX(V);
        P.setPen(QPen(C.ButtonFace, Pen));
        if (K > 0 && X < PR - 1)
            P.drawLine(X, PT + 1, X, PB - 2);
        P.setPen(QPen(Qt::black, Pen));
        P.drawLine(X, PB - 1, X, PB + 2 + r);
        const QString S = FormatFixed(V, std::max(Ax.d, 0));
        const int W = draw::TextWidth(P, S);
        if (X - W / 2 >= Limit) {
            P.drawText(QRect(X - W / 2, PB + 3 + r, W, h), Qt::AlignCenter | Qt::TextDontClip, S);
            Limit = X - W / 2 + W + hh;
        }
    }

    // The reference line, clipped to the plot.
    P.save();
    P.setClipRect(QRect(PL, PT, PW, PH), Qt::IntersectClip);
    if (T.HasLine()) {
        auto Y = [&](Extended X) {
            return std::clamp(YOfZ((X - T.Mean) / T.StdDev), -1e7, 1e7);
        };
        P.setPen(QPen(CurveBlue, Pen));
        P.drawLine(QLineF(MapX(Ax.Lo), Y(Ax.Lo), MapX(Ax.Hi), Y(Ax.Hi)));
    }
    // The points, one marker per pixel they fall on.
    const std::vector<QPoint> Points = ThinnedNormalPoints(D.GetSeries(0), MapX, Rows);
    P.setPen(QPen(Qt::black, 1));
    P.setBrush(MarkerRed);
    const int a = 2 + r;
    for (const QPoint &Pt : Points)
        draw::Rectangle(P, Pt.x() - a, Pt.y() - a, Pt.x() + a + 1, Pt.y() + a + 1);
    P.restore();

    // The frame's left and bottom edges as axes.
    P.setPen(QPen(Qt::black, Pen));
    P.drawLine(PL, PT, PL, PB - 1);
    P.drawLine(PL, PB - 1, PR - 1, PB - 1);

    // What the line stands for.
    if (T.HasLine()) {
        const int Y = PB + 2 * h;
        P.setPen(QPen(CurveBlue, Pen));
        P.drawLine(PL, Y + hh, PL + 2 * h, Y + hh);
        P.setPen(QPen(Qt::black, Pen));
        draw::TextOut(P, PL + 2 * h + hh, Y,
                      QStringLiteral("Normalfordeling: μ = %1, σ = %2")
                          .arg(FormatFixed(T.Mean, Dec + 2), FormatFixed(T.StdDev, Dec + 2)));
    }
    P.setPen(CallerPen);
    P.setBrush(CallerBrush);
}
