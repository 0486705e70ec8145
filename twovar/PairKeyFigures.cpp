#include "PairKeyFigures.h"

#include "CellText.h"
#include "Clipboard.h"
#include "CrossCount.h"
#include "PairFigures.h"

#include <algorithm>
#include <cmath>

namespace
{

const QString Undefined = QStringLiteral("(udefineret)");

// The figures as label and value texts, shared by the pane and the copy.
struct tPairTexts {
    QString Lines, Size, Covariance, r, a, b;
    bool Vertical = false;
};

tPairTexts TextsOf(const tLumen &L, const tDescriptor &D)
{
    tPairTexts T;
    const int X = D.GetSeries(0).Source, Y = D.GetSeries(1).Source;
    const tPairFigures F = PairFiguresOf(PairSumsOf(L, X, Y));
    const int Dec = std::max(0, D.GetDecimals()) + 2;
    T.Lines = QString::number(std::min(L.CellCount(X), L.CellCount(Y)));
    T.Size =
        QString::number(D.ListCount(0)) + QStringLiteral(" x ") + QString::number(D.ListCount(1));
    // A figure too large for a number is undefined, never "INF" or "NAN".
    auto Text = [Dec](bool Defined, Extended V) {
        return Defined && std::isfinite(V) ? FormatNumber(V, Dec) : Undefined;
    };
    T.Covariance = Text(F.CovarianceDefined, F.Covariance);
    T.r = Text(F.rDefined, F.r);
    T.Vertical = F.Vertical;
    T.a = F.Vertical ? Text(true, F.MeanX) : Text(F.SlopeDefined, F.Slope);
    T.b = Text(F.InterceptDefined, F.Intercept);
    return T;
}

} // namespace

void DrawPairKeyFigures(QPainter &P, const tDrawContext &, const tLumen &L, const tDescriptor &D)
{
    if (D.SeriesCount() < 2)
        return;
    const tPairTexts T = TextsOf(L, D);
    const int h = draw::TextHeight(P);
    const int Lw = draw::TextWidth(P, QStringLiteral("Korrelationskoefficient"));
    const QPen CallerPen = P.pen();
    P.setPen(QPen(Qt::black, 1));
    const QString Title = D.GetTitle();
    if (!Title.isEmpty()) {
        draw::DoubledFont Big(P);
        draw::TextOut(P, h, 0, Title);
    }
    int Y = 3 * h;
    auto Advance = [&Y, h](int Times = 1) { Y += Times * h; };
    auto Rule = [&] {
        if (draw::Visible(P, draw::Box(h, Y, 3 * h + 2 * Lw, Y + 1)))
            P.drawLine(h, Y, 3 * h + 2 * Lw - 1, Y);
    };
    auto Row = [&](const QString &Label, const QString &Value, bool LabelRight = false) {
        const int Align = (LabelRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
        const QRect LabelBox = draw::Box(h, Y, h + Lw, Y + 2 * h);
        if (draw::Visible(P, LabelBox))
            P.drawText(LabelBox, Align | Qt::TextSingleLine | Qt::TextDontClip, Label);
        if (!Value.isEmpty())
            DrawCellText(P, Value, draw::Box(3 * h + Lw, Y, 3 * h + 2 * Lw, Y + h),
                         Qt::AlignRight | Qt::AlignVCenter);
    };
    Rule();
    Advance();
    Row(QStringLiteral("Antal tabellinjer"), T.Lines);
    Advance();
    Row(QStringLiteral("Krydstabelstørrelse"), T.Size);
    Advance(2);
    Rule();
    Advance();
    Row(QStringLiteral("Kovarians"), T.Covariance);
    Advance();
    Row(QStringLiteral("Korrelationskoefficient"), T.r);
    Advance(2);
    Rule();
    Advance();
    Row(QStringLiteral("Regressionslinje:"), QString());
    Advance();
    if (T.Vertical) {
        Row(QStringLiteral("X = a , hvor"), QString());
        Advance();
        Row(QStringLiteral("a ="), T.a, true);
    } else {
        Row(QStringLiteral("Y = aX + b , hvor"), QString());
        Advance();
        Row(QStringLiteral("a ="), T.a, true);
        Advance();
        Row(QStringLiteral("b ="), T.b, true);
    }
    Advance(2);
    Rule();
    P.setPen(CallerPen);
}

QSize PairKeyFiguresPaneSize(const QPainter &P)
{
    const int h = draw::TextHeight(P);
    return QSize(2 * draw::TextWidth(P, QStringLiteral("Korrelationskoefficient")) + 4 * h, 19 * h);
}

QString PairKeyFiguresText(const tLumen &L, const tDescriptor &D)
{
    if (D.SeriesCount() < 2)
        return QString();
    const tPairTexts T = TextsOf(L, D);
    const QString Tab = QStringLiteral("\t"), End = QStringLiteral("\r\n");
    QString S;
    if (!D.GetTitle().isEmpty())
        S += D.GetTitle() + End;
    S += QStringLiteral("Antal tabellinjer") + Tab + T.Lines + End;
    S += QStringLiteral("Krydstabelstørrelse") + Tab + T.Size + End;
    S += QStringLiteral("Kovarians") + Tab + T.Covariance + End;
    S += QStringLiteral("Korrelationskoefficient") + Tab + T.r + End;
    if (T.Vertical) {
        S += QStringLiteral("Regressionslinje: X = a , hvor") + End;
        S += QStringLiteral("a =") + Tab + T.a + End;
    } else {
        S += QStringLiteral("Regressionslinje: Y = aX + b , hvor") + End;
        S += QStringLiteral("a =") + Tab + T.a + End;
        S += QStringLiteral("b =") + Tab + T.b + End;
    }
    const int Dec = std::max(0, D.GetDecimals()) + 2;
    S += QStringLiteral("Chi-kvadrat værdi") + Tab + FormatNumber(PairChiSquare(L, D), Dec) + End;
    return S;
}

bool CopyPairKeyFigures(const tLumen &L, const tDescriptor &D)
{
    if (D.SeriesCount() < 2 || PairColumnsFaulty(L, D.GetSeries(0).Source, D.GetSeries(1).Source))
        return false;
    SetClipboardText(PairKeyFiguresText(L, D));
    return true;
}
