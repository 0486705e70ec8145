#include "KeyFigureDraw.h"

#include "CellText.h"
#include "KeyFigures.h"
#include "NumberText.h"

#include <algorithm>

namespace {

// One row of the list: a separator at the row top (empty label and no
// value), or a label with its value.
struct tRow {
    int Top; // in multiples of h
    QString Label;
    QString Value;
    bool Separator = false;
};

QString WidestLabel(bool Grouped)
{
    return Grouped ? QStringLiteral("Antal observationer") : QStringLiteral("Sum af observationer");
}

void DrawRows(QPainter &P, const tDescriptor &D, bool Grouped, const QVector<tRow> &Rows)
{
    const int h = draw::TextHeight(P);
    const int L = draw::TextWidth(P, WidestLabel(Grouped));
    const int Right = 2 * L + 3 * h;
    const QPen CallerPen = P.pen();
    P.setPen(QPen(Qt::black, CallerPen.widthF()));
    const QString Title = D.GetTitle();
    if (!Title.isEmpty() && draw::Visible(P, draw::Box(h, 0, Right, 2 * h))) {
        draw::DoubledFont Big(P);
        P.drawText(draw::Box(h, 0, Right, 2 * h), Qt::AlignCenter | Qt::TextDontClip, Title);
    }
    for (const tRow &R : Rows) {
        const int Y = R.Top * h;
        if (R.Separator) {
            if (draw::Visible(P, draw::Box(h, Y, Right, Y + 1)))
                P.drawLine(h, Y, Right - 1, Y);
            continue;
        }
        DrawCellText(P, R.Label, draw::Box(h, Y, h + L, Y + h), Qt::AlignLeft | Qt::AlignVCenter);
        DrawCellText(P, R.Value, draw::Box(L + 3 * h, Y, Right, Y + h), Qt::AlignRight | Qt::AlignVCenter);
    }
    P.setPen(CallerPen);
}

tRow Sep(int Top) { return tRow{Top, QString(), QString(), true}; }

} // namespace

void DrawKeyFigures(QPainter &P, const tDrawContext &, const tDescriptor &D)
{
    const int d = std::max(0, D.GetDecimals());
    Extended Mode = 0;
    const QString ModeText = D.Mode(Mode) ? FigureText(Mode, d) : QString();
    const QVector<tRow> Rows = {
        Sep(3),
        {4, QStringLiteral("Antal observationer"), QString::number(D.N(0))},
        {5, QStringLiteral("Sum af observationer"), FigureText(D.Sum(), d)},
        Sep(7),
        {8, QStringLiteral("Mindsteværdi"), FigureText(D.Min(0), d)},
        {9, QStringLiteral("Størsteværdi"), FigureText(D.Max(0), d)},
        {10, QStringLiteral("Variationsbredde"), FigureText(D.Range(), d)},
        {11, QStringLiteral("Typetal"), ModeText},
        Sep(13),
        {14, QStringLiteral("Nedre kvartil"), FigureText(D.LowerQuartile(), d + 2)},
        {15, QStringLiteral("Median"), FigureText(D.Median(), d + 2)},
        {16, QStringLiteral("Øvre kvartil"), FigureText(D.UpperQuartile(), d + 2)},
        Sep(18),
        {19, QStringLiteral("Middeltal"), FigureText(D.Mean(0), d + 2)},
        {20, QStringLiteral("Varians"), FigureText(D.Variance(), d + 2)},
        {21, QStringLiteral("Standardafvigelse"), FigureText(D.StdDev(), d + 2)},
        Sep(23),
    };
    DrawRows(P, D, false, Rows);
}

void DrawGroupedKeyFigures(QPainter &P, const tDrawContext &, const tDescriptor &D)
{
    const int d = std::max(0, D.GetDecimals());
    Extended Lo = 0, Hi = 0;
    const QString Modal =
        D.ModalClass(Lo, Hi) ? FormatNumber(Lo, d) + QStringLiteral(" - ") + FormatNumber(Hi, d) : QString();
    const QVector<tRow> Rows = {
        Sep(3),
        {4, QStringLiteral("Antal observationer"), QString::number(D.N(0))},
        Sep(6),
        {7, QStringLiteral("Variationsbredde"), FigureText(D.Range(), d)},
        {8, QStringLiteral("Typeinterval"), Modal},
        Sep(10),
        {11, QStringLiteral("Nedre kvartil"), FigureText(D.LowerQuartile(), d + 2)},
        {12, QStringLiteral("Median"), FigureText(D.Median(), d + 2)},
        {13, QStringLiteral("Øvre kvartil"), FigureText(D.UpperQuartile(), d + 2)},
        Sep(15),
        {16, QStringLiteral("Middeltal"), FigureText(D.Mean(0), d + 2)},
        {17, QStringLiteral("Varians"), FigureText(D.Variance(), d + 2)},
        {18, QStringLiteral("Standardafvigelse"), FigureText(D.StdDev(), d + 2)},
        Sep(20),
    };
    DrawRows(P, D, true, Rows);
}

QSize KeyFiguresPaneSize(const QPainter &P, bool Grouped)
{
    const int h = draw::TextHeight(P);
    return QSize(2 * draw::TextWidth(P, QStringLiteral("Antal observationer")) + 3 * h,
                 (Grouped ? 19 : 21) * h);
}

QSize KeyFiguresExtent(const QPainter &P, bool Grouped)
{
    const int h = draw::TextHeight(P);
    return QSize(2 * draw::TextWidth(P, WidestLabel(Grouped)) + 3 * h + 1, (Grouped ? 20 : 23) * h + 1);
}
