#include "ScatterDiagram.h"

#include "CellText.h"
#include "ChartFrame.h"
#include "CrossTable.h"
#include "PairFigures.h"
#include "PlotFrame.h"
#include "RegressionDraw.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace
{

const QColor Red(0xFF, 0x00, 0x00);
const QColor Yellow(0xFF, 0xFF, 0x00);

} // namespace

void DrawScatter(QPainter &P, const tDrawContext &C, const tLumen &L, tDescriptor &D,
                 bool Regression, tPointHitList *Hits, bool RecordScale, int Model)
{
    if (Hits)
        Hits->clear();
    if (D.SeriesCount() < 2)
        return;
    const int ColX = D.GetSeries(0).Source, ColY = D.GetSeries(1).Source;
    const QPen CallerPen = P.pen();
    const QBrush CallerBrush = P.brush();

    const tPlotFrame F = DrawPlotFrame(P, C, CrossColumnTitle(L, ColX), CrossColumnTitle(L, ColY),
                                       D.Min(0), D.Max(0), D.Min(1), D.Max(1));
    if (!F.Ok) {
        P.setPen(CallerPen);
        P.setBrush(CallerBrush);
        return;
    }
    if (RecordScale) {
        D.ScatterX = tAxisScale{(F.Ax.Hi - F.Ax.Lo) / F.PW, F.x0, F.Ax.Offset};
        D.ScatterY = tAxisScale{(F.Ay.Hi - F.Ay.Lo) / F.PH, F.y0, F.Ay.Offset};
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
        E.X = F.MapX(X);
        E.Y = F.MapY(Y);
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

    // The regression line or curve, clipped to the plot, and the model's
    // equation in the plot's upper left corner.
    if (Regression)
        DrawModelCurve(P, F, L, ColX, ColY, Model);

    // Markers.
    P.setPen(QPen(Qt::black, C.LineWidth()));
    for (const tPointHit &E : List) {
        if (!E.Drawn || !draw::Visible(P, E.Rect))
            continue;
        P.setBrush(E.Colour);
        draw::Rectangle(P, E.Rect.left(), E.Rect.top(), E.Rect.right() + 1, E.Rect.bottom() + 1);
    }

    DrawPlotAxes(P, F);
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

QImage ScatterPicture(const tLumen &L, tDescriptor &D, bool Regression, const QFont &Font,
                      int Model)
{
    QImage Image(400, 400, QImage::Format_RGB32);
    Image.fill(Qt::white);
    if (D.SeriesCount() < 2 || PairColumnsFaulty(L, D.GetSeries(0).Source, D.GetSeries(1).Source))
        return Image;
    QPainter P(&Image);
    P.setFont(Font);
    P.setPen(QPen(Qt::black, 1));
    P.setBrush(Qt::white);
    DrawScatter(P, tDrawContext(400, 400), L, D, Regression, nullptr, false, Model);
    return Image;
}
