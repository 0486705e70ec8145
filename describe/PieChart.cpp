#include "PieChart.h"

#include "CellText.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

const QColor Colours[PieColourCount] = {
    QColor(0xFF, 0x00, 0x00), QColor(0x00, 0x80, 0x00), QColor(0x00, 0x00, 0xFF), QColor(0xFF, 0xFF, 0x00),
    QColor(0x00, 0xFF, 0xFF), QColor(0xFF, 0x00, 0xFF), QColor(0x80, 0x80, 0x80), QColor(0x00, 0xFF, 0x00),
    QColor(0x80, 0x00, 0x00), QColor(0x00, 0x00, 0x80), QColor(0x80, 0x80, 0x00), QColor(0x80, 0x00, 0x80),
    QColor(0xC0, 0xC0, 0xC0), QColor(0x00, 0x80, 0x80), QColor(0xFF, 0xFF, 0xFF), QColor(0x00, 0x00, 0x00),
};

int LegendWidth(const tDrawContext &C, bool Grouped) { return C.Scaled(Grouped ? 128 : 96); }

void DrawPie(QPainter &P, const tDrawContext &C, const tDescriptor &D, bool Grouped)
{
    const int h = draw::TextHeight(P);
    const int hh = (h + 1) / 2;
    const int lh = h + hh;
    const QPen CallerPen = P.pen();
    const QPen Black(Qt::black, CallerPen.widthF());
    const QRect Sq = PieSquare(P);
    const int PieL = Sq.left(), PieT = Sq.top(), PieR = Sq.left() + Sq.width(), PieB = Sq.top() + Sq.height();

    P.setPen(Black);
    if (!D.GetTitle().isEmpty()) {
        draw::DoubledFont Big(P);
        draw::TextOut(P, h, hh, D.GetTitle());
    }

    // Legend.
    const QVector<TFreqRecord> &List = D.GetSeries(0).List;
    const int Dec = std::max(0, D.GetDecimals());
    const int wt = LegendWidth(C, Grouped);
    const QPen Face(C.ButtonFace, CallerPen.widthF());
    for (int K = 0; K < PieColourCount; ++K) {
        const QRect Box = PieLegendBox(P, K);
        const int BoxL = Box.left() + 1, BoxT = Box.top() + 1;
        const int BoxR = Box.left() + Box.width() - 1, BoxB = Box.top() + Box.height() - 1;
        const int TextL = Box.left() + lh + 1, TextR = Box.left() + lh + wt - 1;
        if (!draw::Visible(P, draw::Box(BoxL, BoxT, TextR, BoxB)))
            continue;
        if (K < List.size()) {
            P.setPen(Black);
            P.setBrush(Colours[K]);
            draw::Rectangle(P, BoxL, BoxT, BoxR, BoxB);
            P.setPen(Face);
            P.setBrush(C.ButtonFace);
            draw::Rectangle(P, TextL, BoxT, TextR, BoxB);
            const TFreqRecord &R = List[K];
            const QString Text = Grouped ? FormatNumber(R.Lower, Dec) + QStringLiteral(" - ")
                                               + FormatNumber(R.Upper, Dec)
                                         : FormatNumber(R.Value, Dec);
            P.setPen(Black);
            DrawCellText(P, Text, draw::Box(TextL + hh, BoxT, TextR, BoxB), Qt::AlignLeft | Qt::AlignVCenter);
        } else {
            P.setPen(Face);
            P.setBrush(Qt::white);
            draw::Rectangle(P, BoxL, BoxT, BoxR, BoxB);
            draw::Rectangle(P, TextL, BoxT, TextR, BoxB);
        }
    }

    // Slices, last to first: each earlier entry paints its smaller sector
    // over the later ones. The span follows F directly, so a tiny share never
    // turns into a full circle.
    P.setPen(Black);
    const QRect Ellipse(PieL, PieT, PieR - PieL - 1, PieB - PieT - 1);
    if (D.N(0) > 0 && draw::Visible(P, draw::Box(PieL, PieT, PieR, PieB))) {
        for (int K = List.size() - 1; K >= 0; --K) {
            const Extended F = List[K].F;
            if (!(F > 0))
                continue;
            const int Span = F >= 1 ? 360 * 16 : int(std::lround(static_cast<double>(F) * 360 * 16));
            if (Span <= 0)
                continue;
            P.setBrush(PieColour(K));
            if (Span >= 360 * 16)
                P.drawEllipse(Ellipse);
            else
                P.drawPie(Ellipse, 0, Span);
        }
    }
    P.setPen(CallerPen);
}

} // namespace

QColor PieColour(int K) { return Colours[((K % PieColourCount) + PieColourCount) % PieColourCount]; }

QRect PieSquare(const QPainter &P)
{
    const int h = draw::TextHeight(P);
    const int lh = h + (h + 1) / 2;
    return draw::Box(h, 3 * h, h + 14 * lh + 1, 3 * h + 14 * lh + 1);
}

QRect PieLegendBox(const QPainter &P, int K)
{
    const int h = draw::TextHeight(P);
    const int lh = h + (h + 1) / 2;
    const QRect Sq = PieSquare(P);
    const int Left = Sq.left() + Sq.width() + h;
    return QRect(Left, (2 + K) * lh, lh, lh);
}

void DrawPieChart(QPainter &P, const tDrawContext &C, const tDescriptor &D) { DrawPie(P, C, D, false); }

void DrawGroupedPieChart(QPainter &P, const tDrawContext &C, const tDescriptor &D) { DrawPie(P, C, D, true); }

QSize PieChartPaneSize(const QPainter &P, const tDrawContext &C, bool Grouped)
{
    const int h = draw::TextHeight(P);
    const int hh = h / 2;
    return QSize(LegendWidth(C, Grouped) + 15 * hh + 21 * h, 17 * hh + 18 * h);
}

QSize PieChartExtent(const QPainter &P, const tDrawContext &C, bool Grouped)
{
    const int h = draw::TextHeight(P);
    const int lh = h + (h + 1) / 2;
    const QRect Box = PieLegendBox(P, PieColourCount - 1);
    return QSize(Box.left() + lh + LegendWidth(C, Grouped) + h, Box.top() + lh + h);
}
