#include "FreqGraph.h"

#include "CellText.h"
#include "NumberText.h"

#include <QFontMetrics>
#include <QPoint>
#include <algorithm>
#include <cmath>

namespace {

// A 5 by 5 square on the screen, grown by the printer's extra pixels.
void Square(QPainter &P, QPoint At, int Extra)
{
    P.setBrush(StickFuchsia);
    draw::Rectangle(P, At.x() - 2 - Extra, At.y() - 2 - Extra, At.x() + 3 + Extra, At.y() + 3 + Extra);
}

Extended EntryY(const TFreqRecord &R, tGraphKind Kind)
{
    switch (Kind) {
    case tGraphKind::Frequency:
        return Extended(R.h);
    case tGraphKind::Relative:
        return R.f;
    case tGraphKind::Cumulative:
        break;
    }
    return R.F;
}

tChartSpec MakeSpec(const tDescriptor &D, tGraphKind Kind, bool Grouped)
{
    tChartSpec S;
    const tSeries &Ser = D.GetSeries(0);
    S.Title = D.GetTitle();
    S.Grouped = Grouped;
    S.Decimals = std::max(0, D.GetDecimals());
    S.XInteger = !Grouped && S.Decimals == 0;
    S.Minimum = Ser.Min;
    S.Maximum = Ser.Max;
    if (Grouped && !Ser.List.isEmpty()) {
        // The axis spans the classes that are drawn.
        S.Minimum = Ser.List.first().Lower;
        S.Maximum = Ser.List.first().Upper;
        for (const TFreqRecord &R : Ser.List) {
            S.Minimum = std::min(S.Minimum, R.Lower);
            S.Maximum = std::max(S.Maximum, R.Upper);
        }
    }
    switch (Kind) {
    case tGraphKind::Frequency:
        S.LargestY = Extended(D.MaxH(0));
        S.YInteger = true;
        S.YSample = QString::number(D.MaxH(0)) + QLatin1Char('0');
        S.YZero = QStringLiteral("0");
        S.YLabel = [](Extended Y, int) { return FormatGeneral(Y); };
        S.XLabel = [](Extended X, int) { return FormatGeneral(X); };
        break;
    case tGraphKind::Relative: {
        S.LargestY = D.MaxF(0);
        Extended Top = 0;
        int Steps = 0, YDec = 0;
        if (!NiceBound(S.LargestY, false, true, Top, Steps, YDec))
            YDec = 0;
        S.YSample = FormatNumber(0, YDec);
        S.YZero = S.YSample;
        S.YLabel = [](Extended Y, int Dec) { return FormatNumber(Y, Dec); };
        S.XLabel = [](Extended X, int Dec) { return FormatNumber(X, Dec); };
        break;
    }
    case tGraphKind::Cumulative:
        S.CumulativeY = true;
        S.LargestY = 1;
        S.YSample = FormatNumber(0, 1);
        S.YZero = S.YSample;
        S.YLabel = [](Extended Y, int) { return FormatNumber(Y, 1); };
        S.XLabel = [](Extended X, int Dec) { return FormatNumber(X, Dec); };
        break;
    }
    return S;
}

} // namespace

void DrawClassBounds(QPainter &P, const tChartLayout &L, const QVector<TFreqRecord> &List)
{
    // With dense classes most labels cannot be written. A lower bound on a
    // label's width (its digits, at the narrowest advance of a digit or the
    // comma) rules most of them out before they are formatted.
    const QFontMetrics Fm = P.fontMetrics();
    int MinAdvance = Fm.horizontalAdvance(QLatin1Char(','));
    for (char C = '0'; C <= '9'; ++C)
        MinAdvance = std::min(MinAdvance, Fm.horizontalAdvance(QLatin1Char(C)));
    // One pixel per character is left for kerning; huge values may be
    // written in scientific form and get no bound.
    MinAdvance = std::max(0, MinAdvance - 1);
    auto MinWidth = [&](Extended V) {
        if (!(std::fabs(V) < 1e15L))
            return 0;
        int Digits = 1;
        for (Extended A = std::fabs(V); A >= 10; A /= 10)
            ++Digits;
        return (Digits + (L.d > 0 ? L.d + 1 : 0)) * MinAdvance;
    };
    int LastRight = 0;
    for (const TFreqRecord &R : List) {
        for (Extended Bound : {R.Lower, R.Upper}) {
            const int Px = L.PosX(Bound);
            if (draw::Visible(P, draw::Box(Px, L.Baseline - 2, Px + 1, L.Baseline + L.hh + 1)))
                P.drawLine(Px, L.Baseline - 2, Px, L.Baseline + L.hh - 1);
            if ((2 * Px - MinWidth(Bound)) / 2 <= LastRight)
                continue;
            const QString Text = FormatNumber(Bound, L.d);
            const int W = draw::TextWidth(P, Text);
            const int Left = (2 * Px - W) / 2; // px - width / 2, toward 0
            if (Left > LastRight) {
                const int Top = L.FrameB + L.hh;
                DrawCellText(P, Text, draw::Box(Left, Top, Left + W, Top + L.h), Qt::AlignCenter);
                LastRight = Left + W;
            }
        }
    }
}

namespace {

void DrawSticks(QPainter &P, const tChartLayout &L, const QVector<TFreqRecord> &List, tGraphKind Kind,
                const QPen &Outline)
{
    P.setPen(Outline);
    P.setBrush(Kind == tGraphKind::Frequency ? StickLime : StickFuchsia);
    for (const TFreqRecord &R : List) {
        const int Px = L.PosX(R.Value);
        const int Py = L.PosY(EntryY(R, Kind));
        const int Left = Px - 1 - L.p, Right = Px + 2 + L.p;
        if (draw::Visible(P, draw::Box(Left, Py, Right, L.FrameB)))
            draw::Rectangle(P, Left, Py, Right, L.FrameB);
    }
}

void DrawStepCurve(QPainter &P, const tChartLayout &L, const QVector<TFreqRecord> &List, const QPen &Outline)
{
    const QPen Blue(CurveBlue, Outline.widthF());
    QPoint Prev(L.FrameL, L.Baseline);
    for (int K = 0; K < List.size(); ++K) {
        const QPoint Pt(L.PosX(List[K].Value), L.PosY(List[K].F));
        P.setPen(Blue);
        P.drawLine(Prev, QPoint(Pt.x(), Prev.y()));
        P.drawLine(QPoint(Pt.x(), Prev.y()), Pt);
        if (K > 0) {
            P.setPen(Outline);
            Square(P, Prev, L.p);
        }
        Prev = Pt;
    }
    P.setPen(Blue);
    P.drawLine(Prev, QPoint(L.FrameR - 1, Prev.y()));
    P.setPen(Outline);
    Square(P, Prev, L.p);
}

void DrawClassCurve(QPainter &P, const tChartLayout &L, const QVector<TFreqRecord> &List, bool Gaps,
                    const QPen &Outline)
{
    if (List.isEmpty())
        return;
    const QPen Blue(CurveBlue, Outline.widthF());
    QPoint Pen(L.PosX(List.first().Lower), L.Baseline); // where the curve goes on from
    QPoint Last = Pen; // the last class end
    for (int K = 0; K < List.size(); ++K) {
        const QPoint Pt(L.PosX(List[K].Upper), L.PosY(List[K].F));
        P.setPen(Blue);
        P.drawLine(Pen, Pt);
        Pen = Pt;
        if (Gaps && K + 1 < List.size()) {
            const QPoint GapEnd(L.PosX(List[K + 1].Lower), Pt.y());
            P.drawLine(Pt, GapEnd);
            Pen = GapEnd;
        }
        if (Last.x() > L.FrameL) {
            P.setPen(Outline);
            Square(P, Last, L.p);
        }
        Last = Pt;
    }
    P.setPen(Blue);
    P.drawLine(Pen, QPoint(L.FrameR - 1, Pen.y()));
    P.setPen(Outline);
    Square(P, Last, L.p);
}

void DrawSelection(QPainter &P, const tChartLayout &L, const tDescriptor &D, tGraphKind Kind,
                   qreal PenWidth)
{
    if (!D.SelectionShown() || D.SelectedIndex() < 0)
        return;
    Extended Y = D.SelectedCumF();
    if (Kind == tGraphKind::Frequency)
        Y = D.SelectedH();
    else if (Kind == tGraphKind::Relative)
        Y = D.SelectedF();
    const int Mx = L.PosX(D.SelectedX());
    const int My = L.PosY(Y);
    P.setPen(QPen(MarkerRed, PenWidth, Qt::DotLine));
    P.drawLine(Mx, My, Mx, L.Baseline);
    P.drawLine(Mx, My, L.xa, My);
}

void DrawReadings(QPainter &P, const tChartLayout &L, const tDescriptor &D, qreal PenWidth)
{
    const int S = 4 * std::max(1, L.p);
    for (int I = 0; I < D.GetReadingCount(); ++I) {
        TReading R;
        if (!D.GetReading(I, R))
            continue;
        const int Px = L.PosX(R.x);
        const int Py = L.PosY(R.y);
        P.setPen(QPen(MarkerRed, PenWidth, Qt::DotLine));
        P.drawLine(Px, Py, Px, L.Baseline);
        P.drawLine(Px, Py, L.xa, Py);
        P.setPen(QPen(MarkerRed, PenWidth));
        if (R.FromX) {
            // Arrow pointing left at the y axis: the value read is y.
            P.drawLine(L.xa + S, Py + S, L.xa, Py);
            P.drawLine(L.xa + S, Py - S, L.xa, Py);
            P.drawLine(L.xa + S, Py + S, L.xa + S, Py - S);
        } else {
            // Arrow pointing down at the x axis: the value read is x.
            P.drawLine(Px - S, L.Baseline - S, Px, L.Baseline);
            P.drawLine(Px + S, L.Baseline - S, Px, L.Baseline);
            P.drawLine(Px - S, L.Baseline - S, Px + S, L.Baseline - S);
        }
    }
}

} // namespace

tChartLayout DrawFrequencyGraph(QPainter &P, const tDrawContext &C, tDescriptor &D, tGraphKind Kind,
                                bool Grouped)
{
    const QPen CallerPen = P.pen();
    const qreal PenWidth = CallerPen.widthF();
    const QPen Outline(Qt::black, PenWidth);
    const tChartSpec Spec = MakeSpec(D, Kind, Grouped);
    const QVector<TFreqRecord> &List = D.GetSeries(0).List;

    // Without entries the ranges fail and the frame draws the title only.
    P.setPen(Outline);
    tChartLayout L = DrawChartFrame(P, C, Spec);
    if (!L.Ok) {
        P.setPen(CallerPen);
        return L;
    }
    D.XScale = L.XScale;
    D.XOffset = L.XOffset;

    P.setPen(Outline);
    if (Grouped)
        DrawClassBounds(P, L, List);
    // Sticks stand on the finished frame (a stick at the y axis stays
    // visible); the cumulative curve goes under the axes.
    if (Kind == tGraphKind::Cumulative) {
        if (Grouped)
            DrawClassCurve(P, L, List, D.GetSeries(0).ClassGaps, Outline);
        else
            DrawStepCurve(P, L, List, Outline);
        DrawChartAxes(P, L);
    } else {
        DrawChartAxes(P, L);
        DrawSticks(P, L, List, Kind, Outline);
    }
    DrawSelection(P, L, D, Kind, PenWidth);
    if (Kind == tGraphKind::Cumulative)
        DrawReadings(P, L, D, PenWidth);
    P.setPen(CallerPen);
    return L;
}
