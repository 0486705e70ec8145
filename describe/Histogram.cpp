#include "Histogram.h"

#include "CellText.h"
#include "FreqGraph.h"
#include "NumberText.h"
#include "ShapeFigures.h"

#include <algorithm>

QString HistogramAxisText(bool Uneven)
{
    return Uneven ? QStringLiteral("Frekvens i % pr. enhed") : QStringLiteral("Frekvens i %");
}

QString HistogramAreaNote()
{
    return QStringLiteral("Intervallerne er ikke lige brede: søjlernes arealer viser frekvenserne");
}

int HistogramClassAt(const tDescriptor &D, Extended X)
{
    const QVector<TFreqRecord> &List = D.GetSeries(0).List;
    auto It = std::partition_point(List.cbegin(), List.cend(),
                                   [X](const TFreqRecord &R) { return R.Upper < X; });
    if (It == List.cend() || X < It->Lower)
        return -1;
    return int(It - List.cbegin());
}

tChartLayout DrawHistogram(QPainter &P, const tDrawContext &C, tDescriptor &D)
{
    tChartLayout L;
    const QString Refusal = HistogramRefusal(D);
    if (!Refusal.isEmpty()) {
        DrawErrorNotice(P, Refusal);
        return L;
    }
    const tSeries &Ser = D.GetSeries(0);
    const tHistogramFigures H = HistogramFiguresOf(Ser);
    const int h = draw::TextHeight(P), hh = (h + 1) / 2;
    if (H.Bars.isEmpty()) {
        DrawDoubledTitle(P, h, 0, D.GetTitle());
        return L;
    }
    const QPen CallerPen = P.pen();
    const QBrush CallerBrush = P.brush();
    const qreal PenWidth = CallerPen.widthF();
    const QPen Outline(Qt::black, PenWidth);

    tChartSpec S;
    S.Grouped = true;
    S.Decimals = std::max(0, int(Ser.Decimals));
    S.Minimum = H.Bars.first().Lower;
    S.Maximum = H.Bars.last().Upper;
    S.LargestY = H.LargestHeight;
    Extended Top = 0;
    int Steps = 0, YDec = 0;
    if (!NiceBound(S.LargestY, false, true, Top, Steps, YDec))
        YDec = 0;
    S.YSample = FormatNumber(Top, YDec);
    S.YZero = FormatNumber(0, YDec);
    S.YLabel = [](Extended Y, int Dec) { return FormatNumber(Y, Dec); };

    // Title, the note on the areas, and the y axis's text above the frame;
    // the frame itself is drawn that much lower.
    const int wy = draw::TextWidth(P, S.YSample);
    P.setPen(Outline);
    DrawDoubledTitle(P, h + wy, 0, D.GetTitle());
    int Line = 2 * h;
    if (H.Uneven) {
        draw::TextOut(P, h + wy, Line, HistogramAreaNote());
        Line += h + hh / 2;
    }
    draw::TextOut(P, h - hh, Line, HistogramAxisText(H.Uneven));
    const int Down = Line + h + hh - 2 * h;
    tDrawContext Inner = C;
    Inner.Height = std::max(0, C.Height - Down);
    P.save();
    P.translate(0, Down);
    L = DrawChartFrame(P, Inner, S);
    if (L.Ok) {
        D.XScale = L.XScale;
        D.XOffset = L.XOffset;
        P.setPen(Outline);
        DrawClassBounds(P, L, Ser.List);
        P.setBrush(StickLime);
        for (const tHistogramBar &B : H.Bars) {
            const int Left = L.PosX(B.Lower), Right = L.PosX(B.Upper) + 1;
            const int Py = L.PosY(B.Height);
            if (Py < L.Baseline && draw::Visible(P, draw::Box(Left, Py, Right, L.FrameB)))
                draw::Rectangle(P, Left, Py, Right, L.FrameB);
        }
        DrawChartAxes(P, L);
        // The class picked in a linked table: its bar outlined in red, and
        // its height carried to the y axis.
        const int Sel = D.SelectionShown() ? D.SelectedIndex() : -1;
        if (Sel >= 0 && Sel < H.Bars.size()) {
            const tHistogramBar &B = H.Bars[Sel];
            const int Left = L.PosX(B.Lower), Right = L.PosX(B.Upper);
            const int Py = L.PosY(B.Height);
            P.setBrush(Qt::NoBrush);
            P.setPen(QPen(MarkerRed, 2 * PenWidth));
            P.drawRect(QRect(Left, Py, Right - Left, L.Baseline - Py));
            P.setPen(QPen(MarkerRed, PenWidth, Qt::DotLine));
            P.drawLine(Left, Py, L.xa, Py);
        }
    }
    P.restore();
    P.setBrush(CallerBrush);
    P.setPen(CallerPen);
    return L;
}
