#include "ScatterDiagram.h"

#include "CellText.h"
#include "ChartFrame.h"
#include "CrossTable.h"
#include "PairFigures.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace
{

const QColor Red(0xFF, 0x00, 0x00);
const QColor Yellow(0xFF, 0xFF, 0x00);
constexpr Extended Tolerance = 5e-10L;
constexpr int MaxLabels = 1000; // loop guard for the grid walks

// One axis: its rounded ends in shifted units, the value its 0 stands for,
// the label decimals and the step between grid lines.
struct tAxis {
    bool Ok = false;
    Extended Lo = 0, Hi = 0, Offset = 0, Step = 0;
    int d = 0;
};

bool Round(Extended Min, Extended Max, Extended &Lo, Extended &Hi, int &nLo, int &nHi, int &d)
{
    int dLo = 0, dHi = 0;
    if (!NiceBound(Min, false, false, Lo, nLo, dLo) || !NiceBound(Max, false, true, Hi, nHi, dHi))
        return false;
    d = std::max(dLo, dHi);
    return Hi - Lo > 0;
}

tAxis AxisOf(Extended Min, Extended Max)
{
    tAxis A;
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

} // namespace

void DrawScatter(QPainter &P, const tDrawContext &C, const tLumen &L, tDescriptor &D,
                 bool Regression, tPointHitList *Hits, bool RecordScale)
{
    if (Hits)
        Hits->clear();
    if (D.SeriesCount() < 2)
        return;
    const int ColX = D.GetSeries(0).Source, ColY = D.GetSeries(1).Source;
    const int h = draw::TextHeight(P);
    const int hh = (h + 1) / 2;
    const int m = C.ForPrinter ? C.PrinterPpi / 2 : 0;
    const int r = C.Extra();
    const QPen CallerPen = P.pen();
    const QBrush CallerBrush = P.brush();

    const tAxis Ay = AxisOf(D.Min(1), D.Max(1));
    const tAxis Ax = AxisOf(D.Min(0), D.Max(0));
    const bool Ok = Ax.Ok && Ay.Ok;

    // Label column: as wide as the longer of y's end labels, and h more.
    int lw = h;
    if (Ok) {
        const QString A = FormatFixed(Ay.Offset + Ay.Hi, Ay.d);
        const QString B = FormatFixed(Ay.Offset + Ay.Lo, Ay.d);
        lw += draw::TextWidth(P, A.size() >= B.size() ? A : B);
    }
    const int PL = lw + 2 * h + m, PT = 2 * h + m;
    const int PW = C.Width - 3 * h - C.ScrollBarWidth - lw - (C.ForPrinter ? 2 * m : 0);
    const int PH = C.Height - 3 * h - C.ScrollBarWidth - (C.ForPrinter ? 2 * m : 0);
    const int PR = PL + PW, PB = PT + PH;
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(C.ButtonFace, 1));
    if (PW > 0 && PH > 0)
        P.drawRect(QRect(PL, PT, PW, PH));

    // Titles: the first column across, the second upwards at the left.
    P.setPen(QPen(Qt::black, 1));
    {
        draw::DoubledFont Big(P);
        draw::TextOut(P, PL, m, CrossColumnTitle(L, ColX));
        const QString Up = CrossColumnTitle(L, ColY);
        const int w = draw::TextWidth(P, Up);
        P.save();
        P.translate(m, 2 * h + w + m);
        P.rotate(-90);
        draw::TextOut(P, 0, 0, Up);
        P.restore();
    }
    if (!Ok || PW <= 0 || PH <= 0) {
        P.setPen(CallerPen);
        P.setBrush(CallerBrush);
        return;
    }

    const Extended RangeX = Ax.Hi - Ax.Lo, RangeY = Ay.Hi - Ay.Lo;
    const int x0 = PR - draw::Rnd(Ax.Hi * PW / RangeX);
    const int y0 = PT + draw::Rnd(Ay.Hi * PH / RangeY);
    auto MapX = [&](Extended V) { return x0 + draw::Rnd((V - Ax.Offset) * PW / RangeX); };
    auto MapY = [&](Extended V) { return y0 - draw::Rnd((V - Ay.Offset) * PH / RangeY); };
    if (RecordScale) {
        D.ScatterX = tAxisScale{RangeX / PW, x0, Ax.Offset};
        D.ScatterY = tAxisScale{RangeY / PH, y0, Ay.Offset};
    }

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
        const int Y = MapY(Ay.Offset + K * Ay.Step);
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
        const int Y = MapY(Ay.Offset - K * Ay.Step);
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
        const int X = MapX(Ax.Offset + K * Ax.Step);
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
        const int X = MapX(Ax.Offset - K * Ax.Step);
        P.setPen(QPen(C.ButtonFace, 1));
        P.drawLine(X, PT, X, PB - 1);
        P.setPen(QPen(Qt::black, 1));
        const QString S = FormatFixed(Ax.Offset - K * Ax.Step, Ax.d);
        const int W = draw::TextWidth(P, S);
        if (X - W / 2 + W + hh <= Limit)
            Limit = XLabel(X, S).first;
    }

    // Points: one entry per line; lines on one pixel share one painted marker.
    const bool Marks = !C.ForPrinter && D.PanesAreLinked() && D.SelectedIndex() >= 0 &&
                       D.SecondSelectedIndex() >= 0;
    const Extended SelX = D.SelectedX(), SelY = D.SecondSelectedX();
    tPointHitList Local;
    tPointHitList &List = Hits ? *Hits : Local;
    QHash<quint64, int> AtPixel; // pixel position -> the painted entry
    QVector<int> CountAt;        // lines per painted entry
    ForEachPair(L, ColX, ColY, [&](int Line, Extended X, Extended Y) {
        tPointHit E;
        E.X = MapX(X);
        E.Y = MapY(Y);
        E.Line = Line;
        E.Colour = Marks && X == SelX && Y == SelY ? Yellow : Red;
        const quint64 Key = (quint64(quint32(E.X)) << 32) | quint32(E.Y);
        auto It = AtPixel.constFind(Key);
        if (It == AtPixel.cend()) {
            E.Count = CountAt.size(); // index of the position, resolved below
            AtPixel.insert(Key, CountAt.size());
            CountAt.append(1);
        } else {
            E.Count = It.value();
            E.Drawn = false;
            ++CountAt[It.value()];
        }
        List.append(E);
    });
    // A marker is 5 screen pixels square, 7 for a point of several lines
    // and 9 for more than five; on paper it keeps that size in millimetres.
    for (tPointHit &E : List) {
        E.Count = CountAt[E.Count];
        const int Side = C.Scaled(5 + (E.Count > 1 ? 2 : 0) + (E.Count > 5 ? 2 : 0));
        const int Half = Side / 2;
        E.Rect = draw::Box(E.X - Half, E.Y - Half, E.X - Half + Side, E.Y - Half + Side);
    }

    // Regression line, clipped to the plot.
    if (Regression) {
        const tPairFigures F = PairFiguresOf(PairSumsOf(L, ColX, ColY));
        if (F.n > 0) {
            P.save();
            P.setClipRect(QRect(PL, PT, PW, PH), Qt::IntersectClip);
            P.setPen(QPen(Red, std::max(1, r)));
            if (F.Vertical) {
                const int X = MapX(F.MeanX);
                P.drawLine(X, PT, X, PB - 1);
            } else if (F.InterceptDefined) {
                const Extended XL = Ax.Lo + Ax.Offset, XR = Ax.Hi + Ax.Offset;
                // Far outside the plot the line is cut before the pixels overflow.
                auto Y = [&](Extended V) {
                    const Extended Py = y0 - (F.Slope * V + F.Intercept - Ay.Offset) * PH / RangeY;
                    return double(std::clamp<Extended>(Py, -1e7L, 1e7L));
                };
                P.drawLine(QLineF(MapX(XL), Y(XL), MapX(XR), Y(XR)));
            }
            P.restore();
        }
    }

    // Markers.
    P.setPen(QPen(Qt::black, C.LineWidth()));
    for (const tPointHit &E : List) {
        if (!E.Drawn || !draw::Visible(P, E.Rect))
            continue;
        P.setBrush(E.Colour);
        draw::Rectangle(P, E.Rect.left(), E.Rect.top(), E.Rect.right() + 1, E.Rect.bottom() + 1);
    }

    // Axes.
    P.setPen(QPen(Qt::black, 1));
    P.drawLine(PL, y0, PR - 1, y0);
    P.drawLine(x0, PB - 1, x0, PT);
    P.setPen(CallerPen);
    P.setBrush(CallerBrush);
}

QVector<int> PickedPointLines(const tPointHitList &Hits, QPoint Pos)
{
    QVector<int> Lines;
    for (const tPointHit &E : Hits)
        if (E.Rect.contains(Pos))
            Lines.append(E.Line);
    return Lines;
}

Extended ScatterXValueAt(const tDescriptor &D, int Px)
{
    return D.ScatterX.Offset + Extended(Px - D.ScatterX.Origin) * D.ScatterX.PerPixel;
}

Extended ScatterYValueAt(const tDescriptor &D, int Py)
{
    return D.ScatterY.Offset + Extended(D.ScatterY.Origin - Py) * D.ScatterY.PerPixel;
}

int NearestEntry(const tDescriptor &D, int I, Extended V)
{
    const QVector<TFreqRecord> &List = D.GetSeries(I).List;
    int Best = -1;
    Extended BestDist = 0;
    for (int K = 0; K < List.size(); ++K) {
        const Extended Dist = std::fabs(List[K].Value - V);
        if (Best < 0 || Dist < BestDist) {
            Best = K;
            BestDist = Dist;
        }
    }
    return Best;
}

QImage ScatterPicture(const tLumen &L, tDescriptor &D, bool Regression, const QFont &Font)
{
    QImage Image(400, 400, QImage::Format_RGB32);
    Image.fill(Qt::white);
    if (D.SeriesCount() < 2 || PairColumnsFaulty(L, D.GetSeries(0).Source, D.GetSeries(1).Source))
        return Image;
    QPainter P(&Image);
    P.setFont(Font);
    P.setPen(QPen(Qt::black, 1));
    P.setBrush(Qt::white);
    DrawScatter(P, tDrawContext(400, 400), L, D, Regression);
    return Image;
}
