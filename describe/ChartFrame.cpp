#include "ChartFrame.h"

#include "CellText.h"

#include <QVector>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int NiceCount = 64;

// The 1-2-5 sequence from 5e-11 to 5e10, each entry the nearest extended
// value (the powers of ten are exact, so one division rounds once).
const std::array<Extended, NiceCount> &NiceValues()
{
    static const std::array<Extended, NiceCount> Table = [] {
        std::array<Extended, NiceCount> T{};
        static const int Mantissa[3] = {5, 1, 2};
        for (int K = 0; K < NiceCount; ++K) {
            const int Exp = (K + 2) / 3 - 11;
            Extended Pow = 1;
            for (int I = 0; I < std::abs(Exp); ++I)
                Pow *= 10;
            T[K] = Exp >= 0 ? Mantissa[K % 3] * Pow : Mantissa[K % 3] / Pow;
        }
        return T;
    }();
    return Table;
}

int LabelDecimals(int K) { return K <= 32 ? 11 - K / 3 : 0; }

// Loop guard for the tick and grid walks; a frame never has more labels.
constexpr int MaxTicks = 1000;

} // namespace

bool NiceBound(Extended V, bool IntegerAxis, bool Up, Extended &Bound, int &Steps, int &Decimals)
{
    const auto &Nice = NiceValues();
    if (std::isnan(V))
        return false;
    Extended A = std::fabs(V);
    if (A < Nice[0]) {
        Bound = 0;
        Steps = 10;
        Decimals = 0;
        return true;
    }
    const bool Negative = V < 0;
    if (Negative)
        Up = !Up;
    int K = -1;
    for (int I = 0; I < NiceCount - 1; ++I) {
        if (Nice[I] < A && A <= Nice[I + 1]) {
            K = I;
            break;
        }
    }
    if (K < 0)
        return false;
    Decimals = LabelDecimals(K);
    static const int StepTable[3] = {5, 10, 20};
    Steps = StepTable[(K + 1) % 3];
    const Extended Sub = Nice[K + 1] / Steps;
    // Values closer than the tolerance count as equal. For very small values
    // the tolerance shrinks with the sub-step, or it would swallow whole
    // steps and walk past the value.
    const Extended Tol = std::min<Extended>(5e-10L, Sub / 1000);
    Extended Start;
    if (Up) {
        const Extended From = Nice[K + 1];
        int I = 0;
        while (I < Steps * 2 && From - (I + 1) * Sub > A - Tol) {
            ++I;
        }
        Start = From - I * Sub;
        Steps = std::max(1, Steps - I);
        if (IntegerAxis)
            while (Steps > From && Steps > 1)
                Steps /= 10;
    } else {
        const Extended From = Nice[K];
        int I = 0;
        while (I < Steps * 2 && From + (I + 1) * Sub < A + Tol)
            ++I;
        Start = From + I * Sub;
        Steps = std::max(1, Steps - I);
        if (IntegerAxis)
            while (Steps > From && Steps > 1)
                Steps /= 10;
    }
    if (!IntegerAxis) {
        switch (Steps) {
        case 1:
        case 2:
            Steps = 10;
            break;
        case 3:
            Steps = 6;
            break;
        case 4:
            Steps = 8;
            break;
        default:
            break;
        }
    }
    Steps = std::max(1, Steps);
    Bound = Negative ? -Start : Start;
    return true;
}

void DrawDoubledTitle(QPainter &P, int X, int Y, const QString &Title)
{
    if (Title.isEmpty())
        return;
    draw::DoubledFont Big(P);
    const int W = draw::TextWidth(P, Title);
    if (draw::Visible(P, QRect(X, Y, W, draw::TextHeight(P))))
        draw::TextOut(P, X, Y, Title);
}

int tChartLayout::PosX(Extended Value) const
{
    return x0 + draw::Rnd(Extended(pw) / (XHi - XLo) * (Value - Shift));
}

int tChartLayout::PosY(Extended Y) const { return Baseline - draw::Rnd(Extended(ph) / YTop * Y); }

tChartLayout DrawChartFrame(QPainter &P, const tDrawContext &C, const tChartSpec &S)
{
    tChartLayout L;
    const int h = draw::TextHeight(P);
    L.h = h;
    L.hh = (h + 1) / 2;
    L.q = (L.hh + 1) / 2;
    L.sb = S.CumulativeY ? C.Scaled(C.ScrollBarWidth) : C.ScrollBarWidth;
    L.p = C.Extra();
    L.wy = draw::TextWidth(P, S.YSample);
    L.pw = C.Width - 2 * h - L.sb - L.wy - 3 * L.hh;
    L.ph = C.Height - 3 * h - L.sb;
    L.FrameL = h + L.wy;
    L.FrameT = 2 * h;
    L.FrameR = L.FrameL + L.pw + 1;
    L.FrameB = 2 * h + L.ph + 1;

    const QPen CallerPen = P.pen();
    const qreal PenWidth = CallerPen.widthF();
    // The title's descenders ("årgang") keep a gap above the frame.
    int TitleY = 0;
    {
        draw::DoubledFont Big(P);
        TitleY = std::min(0, L.FrameT - std::max(2, h / 6) - draw::TextHeight(P) +
                                 P.fontMetrics().descent() / 3);
    }
    DrawDoubledTitle(P, L.FrameL, TitleY, S.Title);
    if (L.pw <= 0 || L.ph <= 0)
        return L;

    // Ranges.
    int Dummy = 0;
    if (S.CumulativeY) {
        L.YTop = 1;
        L.YSteps = 10;
        L.YDecimals = 1;
    } else if (!NiceBound(S.LargestY, S.YInteger, true, L.YTop, L.YSteps, L.YDecimals)) {
        return L;
    }
    int DecLo = 0, DecHi = 0, StepsLo = 10, StepsHi = 10;
    if (S.Grouped) {
        L.XLo = 0;
        const Extended Span = std::max<Extended>(0, S.Maximum - S.Minimum);
        if (!NiceBound(Span, false, true, L.XHi, StepsHi, DecHi))
            return L;
    } else if (!NiceBound(S.Minimum, S.XInteger, false, L.XLo, StepsLo, DecLo)
               || !NiceBound(S.Maximum, S.XInteger, true, L.XHi, StepsHi, DecHi)) {
        return L;
    }
    if (!(L.YTop > 0) || !(L.XHi - L.XLo > 0))
        return L;
    L.d = S.Decimals;
    if (L.d != 0)
        L.d = std::max({L.d, DecLo, DecHi});

    // Axis break.
    if (S.Grouped) {
        L.Shift = S.Minimum;
    } else {
        if (L.XLo > 0 && L.XHi > 0)
            L.Shift = L.XLo;
        else if (L.XLo < 0 && L.XHi < 0)
            L.Shift = L.XHi;
        if (L.Shift != 0) {
            if (!NiceBound(L.XLo - L.Shift, S.XInteger, false, L.XLo, StepsLo, Dummy)
                || !NiceBound(L.XHi - L.Shift, S.XInteger, true, L.XHi, StepsHi, Dummy)
                || !(L.XHi - L.XLo > 0))
                return L;
            L.b = L.Shift > 0 ? 3 * L.hh : -3 * L.hh;
        }
    }
    L.OuterL = L.FrameL;
    if (L.b > 0) {
        L.FrameL += L.b;
        L.FrameR += L.b;
    }
    L.OuterR = L.b < 0 ? L.FrameR + 3 * L.hh : L.FrameR;
    L.Baseline = L.FrameB - 1;

    const Extended Span = L.XHi - L.XLo;
    L.x0 = L.FrameR - draw::Rnd(Extended(L.pw) / Span * L.XHi) - 1;
    L.XScale = Span / L.pw;
    L.XOffset = Extended(L.x0) * Span / L.pw - L.Shift;
    L.xa = L.x0 - L.b;
    L.Ok = true;

    const QPen Face(C.ButtonFace, PenWidth);
    const QPen Black(Qt::black, PenWidth);

    // Frame, filled with the caller's brush.
    P.setPen(Face);
    draw::Rectangle(P, L.OuterL, L.FrameT, L.OuterR, L.FrameB);

    // Y grid and labels.
    const int hh = L.hh;
    const int RightEdge = L.OuterR + h + hh; // right-hand labels end here
    auto YLabelAt = [&](const QString &Text, int Top, int Bottom) {
        P.setPen(Black);
        DrawCellText(P, Text, draw::Box(h - hh, Top, h + L.wy - hh, Bottom),
                     Qt::AlignRight | Qt::AlignVCenter);
        if (S.CumulativeY)
            DrawCellText(P, Text, draw::Box(RightEdge - L.wy, Top, RightEdge, Bottom),
                         Qt::AlignRight | Qt::AlignVCenter);
    };
    P.setBrush(Qt::NoBrush);
    const Extended YStep = L.YTop / L.YSteps;
    int Prev = L.FrameB - hh;
    for (int I = 1; I <= MaxTicks; ++I) {
        const Extended Y = I * YStep;
        if (Y > L.YTop + YStep * 1e-9L)
            break;
        const int Py = L.PosY(Y);
        P.setPen(Face);
        if (draw::Visible(P, draw::Box(L.OuterL, Py, L.OuterR, Py + 1)))
            P.drawLine(L.OuterL, Py, L.OuterR - 1, Py);
        if (Prev - h >= Py) {
            YLabelAt(S.YLabel ? S.YLabel(Y, L.YDecimals) : QString(), Py - hh, Py + hh);
            Prev = Py;
        }
    }

    // X ticks and labels; the grouped forms mark their class bounds instead.
    // The boxes of the labels drawn, so that the y axis' zero label can keep
    // clear of them.
    QVector<QRect> XLabels;
    P.setPen(Black);
    if (!S.Grouped) {
        const QString Origin = FormatGeneral(L.Shift);
        const int Ow = draw::TextWidth(P, Origin);
        const int Ol = (2 * L.x0 - Ow) / 2;
        const int LabelTop = L.FrameB + 1;
        DrawCellText(P, Origin, draw::Box(Ol, LabelTop, Ol + Ow, LabelTop + h), Qt::AlignCenter);
        XLabels.append(draw::Box(Ol, LabelTop, Ol + Ow, LabelTop + h));
        const Extended XStep = L.XHi > std::fabs(L.XLo) ? L.XHi / StepsHi : std::fabs(L.XLo) / StepsLo;
        L.XStep = XStep;
        const Extended PerUnit = Extended(L.pw) / Span;
        auto Tick = [&](int Px) {
            if (draw::Visible(P, draw::Box(Px, L.FrameB - 3, Px + 1, L.FrameB + 2)))
                P.drawLine(Px, L.FrameB - 3, Px, L.FrameB + 1);
        };
        int Limit = Ol + Ow + hh;
        for (int I = 1; I <= MaxTicks; ++I) {
            const Extended X = I * XStep;
            if (X > L.XHi + XStep * 1e-9L)
                break;
            const int Px = L.x0 + draw::Rnd(PerUnit * X);
            Tick(Px);
            const QString Text = S.XLabel ? S.XLabel(X + L.Shift, L.d) : QString();
            const int W = draw::TextWidth(P, Text);
            const int Left = (2 * Px - W) / 2; // px - width / 2, toward 0
            if (Left >= Limit) {
                DrawCellText(P, Text, draw::Box(Left, LabelTop, Left + W, LabelTop + h), Qt::AlignCenter);
                XLabels.append(draw::Box(Left, LabelTop, Left + W, LabelTop + h));
                Limit = Left + W + hh;
            }
        }
        Limit = Ol;
        for (int I = 1; I <= MaxTicks; ++I) {
            const Extended X = -I * XStep;
            if (X < L.XLo - XStep * 1e-9L)
                break;
            const int Px = L.x0 - draw::Rnd(PerUnit * -X);
            Tick(Px);
            const QString Text = S.XLabel ? S.XLabel(X + L.Shift, L.d) : QString();
            const int W = draw::TextWidth(P, Text);
            const int Left = (2 * Px - W) / 2; // px - width / 2, toward 0
            if (Left + W + hh <= Limit) {
                DrawCellText(P, Text, draw::Box(Left, LabelTop, Left + W, LabelTop + h), Qt::AlignCenter);
                XLabels.append(draw::Box(Left, LabelTop, Left + W, LabelTop + h));
                Limit = Left;
            }
        }
    }
    // The y axis' zero label, centred on the baseline; where its lower half
    // would run into an x label (the first label left of the y axis, on
    // either side), it stands on the frame's bottom instead.
    {
        const int W = draw::TextWidth(P, S.YZero);
        const QRect Left = draw::Box(h + L.wy - hh - W, L.FrameB - hh, h + L.wy - hh, L.FrameB - hh + h);
        const QRect Right = draw::Box(RightEdge - W, L.FrameB - hh, RightEdge, L.FrameB - hh + h);
        bool Clash = false;
        for (const QRect &X : XLabels)
            Clash = Clash || X.intersects(Left) || (S.CumulativeY && X.intersects(Right));
        const int Top = Clash ? L.FrameB - h : L.FrameB - hh;
        YLabelAt(S.YZero, Top, Top + h);
    }
    P.setPen(CallerPen);
    return L;
}

void DrawChartAxes(QPainter &P, const tChartLayout &L)
{
    if (!L.Ok)
        return;
    const QPen CallerPen = P.pen();
    P.setPen(QPen(Qt::black, CallerPen.widthF()));
    P.drawLine(L.FrameL, L.Baseline, L.FrameR - 1, L.Baseline);
    P.drawLine(L.xa, L.FrameT, L.xa, L.FrameB - 1);
    if (L.b != 0) {
        const int Dir = L.b > 0 ? 1 : -1;
        const int Y = L.FrameB - 1;
        const int xa = L.xa, hh = L.hh, q = L.q;
        P.drawLine(xa, Y, xa + Dir * hh, Y);
        P.drawLine(xa + Dir * hh, Y - hh + 1, xa + Dir * hh, Y + hh - 1);
        P.drawLine(xa + Dir * (hh + q), Y - hh + 1, xa + Dir * (hh + q), Y + hh - 1);
        P.drawLine(xa + Dir * (hh + q), Y, xa + Dir * (3 * hh + q), Y);
    }
    P.setPen(CallerPen);
}
