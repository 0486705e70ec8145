#include "DataSticks.h"

#include "CellText.h"
#include "ChartFrame.h"
#include "ClassFinder.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace
{

constexpr Extended Tolerance = 5e-10L;
constexpr int MaxLabels = 1000;
const QColor Grey(0x80, 0x80, 0x80);

// Sizes shared by the drawings and the pane size.
struct tUnits {
    int h = 0, hh = 0, m = 0, lw = 0, Place = 0, RowHeight = 0, Series = 0;
    int LegendTop = 0, PlotTop = 0; // legend rows, first row of the plot
};

tUnits UnitsOf(const QPainter &P, const tDrawContext &C, const tDescriptor &D, int LineNameWidth)
{
    tUnits U;
    U.h = draw::TextHeight(P);
    U.hh = (U.h + 1) / 2;
    U.m = C.ForPrinter ? C.PrinterPpi / 2 : 0;
    const int cw = C.Scaled(LineNameWidth);
    U.lw = cw + U.h;
    U.Place = U.hh + 2 * U.h + cw;
    U.Series = std::clamp(D.SeriesCount(), 0, MaxSeries);
    U.RowHeight = std::max(C.Scaled(8) * U.Series + U.h, 2 * U.h);
    U.LegendTop = U.hh + U.m;
    // Two legend rows, then the row of labels above the plot.
    U.PlotTop = U.LegendTop + 2 * (U.h + U.hh) + U.hh + U.h;
    return U;
}

// The value of row R (from 0) in series S: 0 without a number.
Extended RowValue(const tLumen &L, const tSeries &S, int R)
{
    TCellState State = csEmpty;
    const Extended V =
        S.IsLine ? L.GetCellValue(S.Source, R, State) : L.GetCellValue(R, S.Source, State);
    return UsableNumber(State, V) ? V : 0;
}

QString RowLabel(const tLumen &L, const tDescriptor &D, int R)
{
    return D.GetSeries(0).IsLine ? ObsColumnName(L, R) : ObsLineName(L, R);
}

QString SeriesName(const tLumen &L, const tSeries &S)
{
    return S.IsLine ? ObsLineName(L, S.Source) : ObsColumnName(L, S.Source);
}

void DrawLegend(QPainter &P, const tDrawContext &C, const tLumen &L, const tDescriptor &D,
                const tUnits &U)
{
    const int Side = U.h + U.hh - 2;
    // The pane shows the unused places as grey boxes; on paper they would
    // be boxes without meaning.
    const int Places = C.ForPrinter ? U.Series : MaxSeries;
    for (int I = 0; I < Places; ++I) {
        const int X = U.hh + U.m + (I % 3) * U.Place;
        const int Y = U.LegendTop + (I / 3) * (U.h + U.hh);
        P.setPen(QPen(I < U.Series ? Qt::black : C.ButtonFace, 1));
        P.setBrush(I < U.Series ? SeriesColour(I) : C.ButtonFace);
        draw::Rectangle(P, X, Y, X + Side, Y + Side);
        if (I >= U.Series)
            continue;
        P.setPen(QPen(Qt::black, 1));
        const QRect Text = draw::Box(X + Side + U.hh / 2, Y, X + U.Place - U.hh, Y + Side);
        const QString Name =
            P.fontMetrics().elidedText(SeriesName(L, D.GetSeries(I)), Qt::ElideRight, Text.width());
        P.drawText(Text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Name);
    }
}

// The common frame of both drawings; Row draws one row's values.
template <typename tRowFn>
int DrawRows(QPainter &P, const tDrawContext &C, const tLumen &L, const tDescriptor &D,
             int LineNameWidth, int FirstRow, tRowFn &&Row)
{
    const tUnits U = UnitsOf(P, C, D, LineNameWidth);
    const int Rows = DataStickRows(D);
    FirstRow = std::clamp(FirstRow, 0, Rows);
    const QPen CallerPen = P.pen();
    const QBrush CallerBrush = P.brush();
    DrawLegend(P, C, L, D, U);

    // The rows on this canvas: all on the screen, those that fit on a page
    // (at least one, so that printing always moves on).
    int LastRow = Rows; // one past
    if (C.ForPrinter) {
        const int Bottom = C.Height - U.m - U.h - U.hh;
        LastRow = FirstRow + std::max(1, (Bottom - U.PlotTop) / std::max(1, U.RowHeight));
        LastRow = std::min(LastRow, Rows);
    }
    const int Left = U.hh + U.m;
    const int VL = Left + U.lw;
    // Room at the right for half of the last label.
    const int VR = C.Width - U.h - U.hh - U.m;
    const int PT = U.PlotTop;
    const int PB = PT + (LastRow - FirstRow) * U.RowHeight;
    P.setPen(QPen(C.ButtonFace, 1));
    P.setBrush(Qt::NoBrush);
    if (VR > Left && PB > PT)
        P.drawRect(QRect(Left, PT, VR - Left, PB - PT));

    // The value axis, always including 0.
    Extended Min = 0, Max = 0;
    for (int S = 0; S < U.Series; ++S)
        for (int R = 0; R < Rows; ++R) {
            const Extended V = RowValue(L, D.GetSeries(S), R);
            Min = std::min(Min, V);
            Max = std::max(Max, V);
        }
    Extended Lo = 0, Hi = 0;
    int nLo = 0, nHi = 0, dLo = 0, dHi = 0;
    const bool Ok = NiceBound(Min, false, false, Lo, nLo, dLo) &&
                    NiceBound(Max, false, true, Hi, nHi, dHi) && Hi - Lo > 0 && VR - VL > 0;
    if (!Ok) {
        P.setPen(CallerPen);
        P.setBrush(CallerBrush);
        return LastRow;
    }
    const int Width = VR - VL;
    const Extended Scale = Width / (Hi - Lo);
    const int x0 = VR - draw::Rnd(Hi * Scale);
    const Extended Step =
        Hi >= std::fabs(Lo) ? Hi / std::max(1, nHi) : std::fabs(Lo) / std::max(1, nLo);
    auto Pos = [&](Extended V) { return x0 + draw::Rnd(V * Scale); };

    // Grid and labels above and below the plot.
    auto Label = [&](int X, const QString &S) {
        const int W = draw::TextWidth(P, S);
        const int L0 = X - W / 2;
        P.drawText(QRect(L0, PT - U.h, W, U.h), Qt::AlignCenter | Qt::TextDontClip, S);
        P.drawText(QRect(L0, PB + 1, W, U.h), Qt::AlignCenter | Qt::TextDontClip, S);
        return QPair<int, int>(L0, L0 + W);
    };
    auto Grid = [&](int X) {
        P.setPen(QPen(C.ButtonFace, 1));
        P.drawLine(X, PT, X, PB - 1);
        P.setPen(QPen(Qt::black, 1));
    };
    P.setPen(QPen(Qt::black, 1));
    // Grid lines K * Step from the lowest to the highest; labels on every
    // Every-th of them, Every the smallest of 1, 2, 5, 10, ... at which no
    // two labels come closer than half a text height, so that the scale
    // keeps even steps.
    int KLo = 0, KHi = 0;
    while (KHi < MaxLabels && (KHi + 1) * Step <= Hi + Tolerance)
        ++KHi;
    while (KLo > -MaxLabels && (KLo - 1) * Step >= Lo - Tolerance)
        --KLo;
    auto Extent = [&](int K) {
        const int W = draw::TextWidth(P, FormatGeneral(K * Step));
        const int X = Pos(K * Step) - W / 2;
        return QPair<int, int>(X, X + W);
    };
    int Every = 1;
    for (int Pick = 0; Every < MaxLabels; ++Pick) {
        bool Fits = true;
        for (int K = KLo - KLo % Every; Fits && K + Every <= KHi; K += Every)
            Fits = Extent(K).second + U.hh <= Extent(K + Every).first;
        if (Fits)
            break;
        Every = (Pick % 3 == 1 ? 5 : 2) * Every / (Pick % 3 == 1 ? 2 : 1);
    }
    for (int K = KLo; K <= KHi; ++K) {
        const int X = Pos(K * Step);
        if (K != 0)
            Grid(X);
        if (K % Every == 0)
            Label(X, K == 0 ? QStringLiteral("0") : FormatGeneral(K * Step));
    }

    // The means, dotted in the series colours.
    for (int S = 0; S < U.Series; ++S) {
        const Extended Mean = D.Mean(S);
        if (Mean == 0)
            continue;
        P.setPen(QPen(SeriesColour(S), C.LineWidth(), Qt::DotLine));
        const int X = Pos(Mean);
        P.drawLine(X, PT, X, PB - 1);
    }

    for (int R = FirstRow; R < LastRow; ++R) {
        const int Top = PT + (R - FirstRow) * U.RowHeight;
        const QRect Cell = draw::Box(Left, Top, VL, Top + U.RowHeight + 1);
        if (draw::Visible(P, draw::Box(Left, Top - U.RowHeight, VR, Top + 2 * U.RowHeight))) {
            P.setPen(QPen(Qt::white, 1));
            P.setBrush(C.ButtonFace);
            draw::Rectangle(P, Cell.left(), Cell.top(), Cell.right() + 1, Cell.bottom() + 1);
            P.setPen(QPen(Qt::black, 1));
            DrawCellText(P, RowLabel(L, D, R), Cell.adjusted(2, 0, -2, 0),
                         Qt::AlignLeft | Qt::AlignVCenter);
        }
        Row(R, Top, U, VL, x0, Scale, R == FirstRow, R == LastRow - 1);
    }
    P.setPen(QPen(Qt::black, 1));
    P.drawLine(x0, PT, x0, PB - 1);
    P.setPen(CallerPen);
    P.setBrush(CallerBrush);
    return LastRow;
}

int Offset(Extended V, Extended Scale)
{
    return draw::Rnd(std::fabs(V) * Scale);
}

} // namespace

int DataStickRows(const tDescriptor &D)
{
    return std::max(0, D.LargestSeriesLength());
}

int DrawDataSticks(QPainter &P, const tDrawContext &C, const tLumen &L, const tDescriptor &D,
                   int LineNameWidth, int FirstRow)
{
    const int Gap = C.Scaled(8), Bar = C.Scaled(9);
    return DrawRows(P, C, L, D, LineNameWidth, FirstRow,
                    [&](int R, int Top, const tUnits &U, int, int x0, Extended Scale, bool, bool) {
                        const int Block = Gap * (U.Series - 1) + Bar;
                        const int First = Top + (U.RowHeight - Block) / 2;
                        for (int S = 0; S < U.Series; ++S) {
                            const Extended V = RowValue(L, D.GetSeries(S), R);
                            if (V == 0)
                                continue;
                            const int Y = First + S * Gap;
                            const int W = Offset(V, Scale);
                            P.setPen(QPen(Qt::black, C.LineWidth()));
                            P.setBrush(SeriesColour(S));
                            if (V > 0)
                                draw::Rectangle(P, x0, Y, x0 + W + 1, Y + Bar);
                            else
                                draw::Rectangle(P, x0 - W, Y, x0 + 1, Y + Bar);
                        }
                    });
}

int DrawDataCurve(QPainter &P, const tDrawContext &C, const tLumen &L, const tDescriptor &D,
                  int LineNameWidth, int FirstRow)
{
    QVector<QPoint> Previous(MaxSeries);
    // The point squares, 5 screen pixels, keep their size in millimetres on
    // paper, outline included.
    const int Side = C.Scaled(5), Half = Side / 2;
    auto Square = [&](QPoint Pt, int S) {
        P.setPen(QPen(SeriesColour(S), C.LineWidth()));
        P.setBrush(Qt::white);
        draw::Rectangle(P, Pt.x() - Half, Pt.y() - Half, Pt.x() - Half + Side,
                        Pt.y() - Half + Side);
    };
    return DrawRows(P, C, L, D, LineNameWidth, FirstRow,
                    [&](int R, int Top, const tUnits &U, int VL, int x0, Extended Scale,
                        bool FirstOnPage, bool Last) {
                        const int Y = Top + U.RowHeight / 2;
                        for (int S = 0; S < U.Series; ++S) {
                            const Extended V = RowValue(L, D.GetSeries(S), R);
                            const QPoint Pt(V >= 0 ? x0 + Offset(V, Scale) : x0 - Offset(V, Scale),
                                            Y);
                            P.setPen(QPen(Grey, C.LineWidth(), Qt::DotLine));
                            P.drawLine(VL, Y, Pt.x(), Y);
                            if (!FirstOnPage) {
                                P.setPen(QPen(SeriesColour(S), std::max(1, C.Extra())));
                                P.drawLine(Previous[S], Pt);
                                Square(Previous[S], S);
                            }
                            if (Last)
                                Square(Pt, S);
                            Previous[S] = Pt;
                        }
                    });
}

QSize DataSticksPaneSize(const QPainter &P, const tDescriptor &D, int LineNameWidth)
{
    const tUnits U = UnitsOf(P, tDrawContext(), D, LineNameWidth);
    return QSize(3 * U.Place + 2 * U.hh,
                 U.PlotTop + DataStickRows(D) * U.RowHeight + U.h + U.hh + 1);
}
