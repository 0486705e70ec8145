#include "ChiTestDraw.h"

#include "CellText.h"
#include "ChartFrame.h"
#include "CrossTable.h"

#include <algorithm>

namespace
{

const QString Hyppighed = QStringLiteral("Hyppighed");

enum tCellStyle : uint8_t { csNone, csHead, csBody, csMargin };

// The table part of the drawing: rows of cells with a width per column.
struct tGrid {
    int Cols = 0;
    int Rows = 0;
    std::vector<int> Width;
    std::vector<QString> Text;
    std::vector<uint8_t> Style;
    void Resize(int C, int R)
    {
        Cols = C;
        Rows = R;
        Width.assign(size_t(C), 0);
        Text.assign(size_t(C) * size_t(R), QString());
        Style.assign(size_t(C) * size_t(R), csNone);
    }
    void Set(int C, int R, const QString &S, tCellStyle St)
    {
        Text[size_t(R) * size_t(Cols) + size_t(C)] = S;
        Style[size_t(R) * size_t(Cols) + size_t(C)] = St;
    }
};

QString GroupText(const TFreqRecord &R)
{
    return FormatGeneral(R.Lower) + QStringLiteral(" - ") + FormatGeneral(R.Upper);
}

QString CategoryText(const tDescriptor &D, const TFreqRecord &R)
{
    return D.IsGrouped() ? GroupText(R) : FormatFixed(R.Value, std::max(0, D.GetDecimals()));
}

QString HypColumnTitle(const tLumen &L, int Col)
{
    if (Col < 0 || Col >= HypColumns)
        return QString();
    const QString Name = L.HypCols[size_t(Col)].Name;
    return Name.isEmpty() ? QStringLiteral("kolonne ") + QString::number(Col + 1) : Name;
}

// The line under the title of a goodness-of-fit test: what is expected.
QString HypothesisText(const tLumen &L, const tDescriptor &D)
{
    if (D.SeriesCount() >= 2)
        return QStringLiteral("Hypotese: sandsynligheder i forhold til ") +
               HypColumnTitle(L, D.GetSeries(1).Source);
    return QStringLiteral("Hypotese: alle observationer er lige sandsynlige");
}

QString ExpectedText(Extended E)
{
    return FormatFixed(E, 2);
}

// The cells of T. Independence: the expected counts laid out like the cross
// table, with the observed totals in the margins; goodness of fit: one line
// per observation with its observed and expected count.
tGrid GridOf(const QPainter &P, const tDescriptor &D, const tChiTest &T, int Unit)
{
    tGrid G;
    const int h = draw::TextHeight(P);
    if (T.Independence) {
        const QVector<TFreqRecord> &Cols = D.GetSeries(0).List;
        const QVector<TFreqRecord> &Rows = D.GetSeries(1).List;
        if (Cols.size() != T.Cols || Rows.size() != T.Rows)
            return G;
        G.Resize(T.Cols + 2, T.Rows + 2);
        const int cw = Unit * (D.IsGrouped() ? 2 : 1);
        std::fill(G.Width.begin(), G.Width.end(), cw);
        for (int I = 0; I < T.Cols; ++I) {
            G.Set(I + 1, 0, CategoryText(D, Cols[I]), csHead);
            G.Set(I + 1, T.Rows + 1, QString::number(T.ColTotal[size_t(I)]), csHead);
        }
        G.Set(T.Cols + 1, 0, Hyppighed, csMargin);
        for (int J = 0; J < T.Rows; ++J) {
            G.Set(0, J + 1, CategoryText(D, Rows[J]), csHead);
            for (int I = 0; I < T.Cols; ++I)
                G.Set(I + 1, J + 1, ExpectedText(T.ExpectedAt(I, J)), csBody);
            G.Set(T.Cols + 1, J + 1, QString::number(T.RowTotal[size_t(J)]), csHead);
        }
        G.Set(0, T.Rows + 1, Hyppighed, csMargin);
        G.Set(T.Cols + 1, T.Rows + 1, QString::number(T.Total), csMargin);
        return G;
    }
    const QVector<TFreqRecord> &List = D.GetSeries(0).List;
    if (List.size() != T.Rows)
        return G;
    G.Resize(3, T.Rows + 2);
    G.Set(0, 0, QStringLiteral("Observation"), csHead);
    G.Set(1, 0, QStringLiteral("Observeret hyppighed"), csHead);
    G.Set(2, 0, QStringLiteral("Forventet hyppighed"), csHead);
    Extended ExpectedSum = 0;
    for (int K = 0; K < T.Rows; ++K) {
        G.Set(0, K + 1, CategoryText(D, List[K]), csHead);
        G.Set(1, K + 1, QString::number(T.Observed[size_t(K)]), csBody);
        G.Set(2, K + 1, ExpectedText(T.Expected[size_t(K)]), csBody);
        ExpectedSum += T.Expected[size_t(K)];
    }
    G.Set(0, T.Rows + 1, QStringLiteral("I alt"), csMargin);
    G.Set(1, T.Rows + 1, QString::number(T.Total), csMargin);
    G.Set(2, T.Rows + 1, ExpectedText(ExpectedSum), csMargin);
    // Each column as wide as its widest text.
    for (int C = 0; C < 3; ++C) {
        int W = Unit;
        for (int R = 0; R < G.Rows; ++R)
            W = std::max(W, draw::TextWidth(P, G.Text[size_t(R) * 3 + size_t(C)]) + h);
        G.Width[size_t(C)] = W;
    }
    return G;
}

// The figure lines under the table: label, value.
struct tFigureLine {
    QString Label;
    QString Value;
};

QVector<tFigureLine> FigureLines(const tChiTest &T, bool Full)
{
    QVector<tFigureLine> Lines;
    Lines.append({QStringLiteral("χ²"), Full ? FormatGeneral(T.ChiSquare) : FormatFixed(T.ChiSquare, 3)});
    Lines.append({QStringLiteral("Frihedsgrader"), QString::number(T.Df)});
    QString P = PValueText(T);
    if (Full && T.PDefined())
        P = FormatGeneral(T.P);
    Lines.append({QStringLiteral("p-værdi"), P});
    return Lines;
}

// Positions of the parts, shared by the drawing and the pane size.
struct tChiLayout {
    int h = 0, hh = 0, rh = 0;
    int Left = 0;
    int CaptionY = 0; // "Forventede hyppigheder" or the hypothesis
    int TableY = 0;
    int LinesY = 0;   // the first figure line
    int LabelW = 0, ValueW = 0;
    int Right = 0, Bottom = 0;
};

tChiLayout LayoutOf(const QPainter &P, const tGrid &G, const tChiTest &T)
{
    tChiLayout Y;
    Y.h = draw::TextHeight(P);
    Y.hh = (Y.h + 1) / 2;
    Y.rh = Y.h + Y.hh;
    Y.Left = Y.h;
    Y.CaptionY = 2 * Y.h + Y.hh;
    Y.TableY = Y.CaptionY + 2 * Y.h;
    int TableW = 0;
    for (int W : G.Width)
        TableW += W;
    Y.LinesY = Y.TableY + G.Rows * Y.rh + 2 * Y.h;
    Y.LabelW = draw::TextWidth(P, QStringLiteral("Frihedsgrader")) + 2 * Y.h;
    Y.ValueW = draw::TextWidth(P, QStringLiteral("(udefineret)")) + Y.h;
    for (const tFigureLine &F : FigureLines(T, false))
        Y.ValueW = std::max(Y.ValueW, draw::TextWidth(P, F.Value) + Y.h);
    int Wide = Y.LabelW + Y.ValueW;
    for (const QString &S : {ChiConclusion(T), ChiWarning(T)})
        Wide = std::max(Wide, draw::TextWidth(P, S));
    Y.Right = Y.Left + std::max(TableW + 1, Wide) + Y.h;
    Y.Bottom = Y.LinesY + 6 * Y.h;
    return Y;
}

} // namespace

tChiTest ChiTestFor(const tLumen &L, const tDescriptor &D, TDataType Type)
{
    return Type == dtObs ? IndependenceTestOf(L, D) : GoodnessOfFitOf(D);
}

QString PValueText(const tChiTest &T)
{
    if (!T.PDefined())
        return QStringLiteral("(udefineret)");
    if (T.P < 0.0001L)
        return QStringLiteral("< 0,0001");
    return FormatFixed(T.P, 4);
}

QString ChiConclusion(const tChiTest &T)
{
    if (!T.PDefined())
        return QString();
    if (T.Independence)
        return T.Rejected() ? QStringLiteral("Hypotesen om uafhængighed forkastes på 5 %-niveau.")
                            : QStringLiteral("Hypotesen om uafhængighed kan ikke forkastes på 5 %-niveau.");
    return T.Rejected() ? QStringLiteral("Hypotesen forkastes på 5 %-niveau.")
                        : QStringLiteral("Hypotesen kan ikke forkastes på 5 %-niveau.");
}

QString ChiWarning(const tChiTest &T)
{
    return T.SmallExpected
               ? QStringLiteral("Nogle forventede hyppigheder er under 5; testen er usikker.")
               : QString();
}

void DrawChiTest(QPainter &P, const tDrawContext &C, const tLumen &L, const tDescriptor &D,
                 const tChiTest &T, int LineNameWidth)
{
    if (!T.Error.isEmpty()) {
        DrawErrorNotice(P, T.Error);
        return;
    }
    const QPen CallerPen = P.pen();
    const QBrush CallerBrush = P.brush();
    const tGrid G = GridOf(P, D, T, C.Scaled(LineNameWidth));
    const tChiLayout Y = LayoutOf(P, G, T);
    const int Pen = std::max(1, C.Extra());
    P.setPen(QPen(Qt::black, Pen));
    DrawDoubledTitle(P, Y.Left, 0, D.GetTitle());
    draw::TextOut(P, Y.Left, Y.CaptionY,
                  T.Independence ? QStringLiteral("Forventede hyppigheder") : HypothesisText(L, D));

    // The table: header cells on the button face, the counts on white.
    int Top = Y.TableY;
    for (int R = 0; R < G.Rows; ++R, Top += Y.rh) {
        int X = Y.Left;
        for (int Cc = 0; Cc < G.Cols; X += G.Width[size_t(Cc)], ++Cc) {
            const size_t I = size_t(R) * size_t(G.Cols) + size_t(Cc);
            if (G.Style[I] == csNone)
                continue;
            QRect Cell(X, Top, G.Width[size_t(Cc)] + 1, Y.rh + 1);
            if (!draw::Visible(P, Cell))
                continue;
            QColor Fill = C.ButtonFace, Border = Qt::white;
            if (G.Style[I] == csBody) {
                Fill = Qt::white;
                Border = C.ButtonFace;
            } else if (G.Style[I] == csMargin) {
                Cell.adjust(1, 1, -1, -1);
                Fill = Qt::white;
                Border = C.ButtonFace;
            }
            P.setBrush(Fill);
            P.setPen(QPen(Border, 1));
            draw::Rectangle(P, Cell.left(), Cell.top(), Cell.right() + 1, Cell.bottom() + 1);
            P.setPen(QPen(Qt::black, 1));
            DrawCellText(P, G.Text[I], Cell.adjusted(1, 0, -1, 0), Qt::AlignCenter);
        }
    }

    // The figures, the conclusion and the warning.
    P.setPen(QPen(Qt::black, Pen));
    int LineY = Y.LinesY;
    const int ValueL = Y.Left + Y.LabelW;
    P.drawLine(Y.Left, LineY - Y.hh, ValueL + Y.ValueW, LineY - Y.hh);
    for (const tFigureLine &F : FigureLines(T, false)) {
        draw::TextOut(P, Y.Left, LineY, F.Label);
        DrawCellText(P, F.Value, QRect(ValueL, LineY, Y.ValueW, Y.h + 1),
                     Qt::AlignRight | Qt::AlignVCenter);
        LineY += Y.h;
    }
    P.drawLine(Y.Left, LineY + Y.hh / 2, ValueL + Y.ValueW, LineY + Y.hh / 2);
    LineY += Y.h;
    if (!ChiConclusion(T).isEmpty()) {
        draw::TextOut(P, Y.Left, LineY, ChiConclusion(T));
        LineY += Y.h;
    }
    if (!ChiWarning(T).isEmpty()) {
        P.setPen(QPen(QColor(0xC0, 0x00, 0x00), Pen));
        draw::TextOut(P, Y.Left, LineY, ChiWarning(T));
    }
    P.setPen(CallerPen);
    P.setBrush(CallerBrush);
}

QSize ChiTestPaneSize(const QPainter &P, const tLumen &L, const tDescriptor &D, const tChiTest &T,
                      int LineNameWidth)
{
    Q_UNUSED(L);
    if (!T.Error.isEmpty())
        return QSize(0, 0);
    const tGrid G = GridOf(P, D, T, LineNameWidth);
    const tChiLayout Y = LayoutOf(P, G, T);
    int W = Y.Right;
    if (!T.Independence)
        W = std::max(W, Y.Left + draw::TextWidth(P, HypothesisText(L, D)) + Y.h);
    return QSize(W, Y.Bottom);
}

std::vector<int> ChiTestBreaks(const QPainter &P, const tDescriptor &D, const tChiTest &T,
                               const tDrawContext &C, int LineNameWidth)
{
    std::vector<int> Breaks;
    if (!T.Error.isEmpty())
        return Breaks;
    const tGrid G = GridOf(P, D, T, C.Scaled(LineNameWidth));
    const tChiLayout Y = LayoutOf(P, G, T);
    for (int R = 0; R < G.Rows; ++R)
        Breaks.push_back(Y.TableY + R * Y.rh);
    // Before the figures' rule.
    Breaks.push_back(Y.LinesY - Y.h);
    Breaks.push_back(Y.Bottom);
    return Breaks;
}

QString ChiTestText(const tLumen &L, const tDescriptor &D, const tChiTest &T)
{
    if (!T.Error.isEmpty())
        return QString();
    const QString Tab = QStringLiteral("\t"), End = QStringLiteral("\r\n");
    QString S;
    if (!D.GetTitle().isEmpty())
        S += D.GetTitle() + End;
    if (T.Independence) {
        S += QStringLiteral("Forventede hyppigheder") + End;
        const QVector<TFreqRecord> &Cols = D.GetSeries(0).List;
        const QVector<TFreqRecord> &Rows = D.GetSeries(1).List;
        if (Cols.size() != T.Cols || Rows.size() != T.Rows)
            return QString();
        for (const TFreqRecord &R : Cols)
            S += Tab + CategoryText(D, R);
        S += Tab + Hyppighed + End;
        for (int J = 0; J < T.Rows; ++J) {
            S += CategoryText(D, Rows[J]);
            for (int I = 0; I < T.Cols; ++I)
                S += Tab + ExpectedText(T.ExpectedAt(I, J));
            S += Tab + QString::number(T.RowTotal[size_t(J)]) + End;
        }
        S += Hyppighed;
        for (int64_t C : T.ColTotal)
            S += Tab + QString::number(C);
        S += Tab + QString::number(T.Total) + End;
    } else {
        const QVector<TFreqRecord> &List = D.GetSeries(0).List;
        if (List.size() != T.Rows)
            return QString();
        S += HypothesisText(L, D) + End;
        S += QStringLiteral("Observation\tObserveret hyppighed\tForventet hyppighed") + End;
        Extended ExpectedSum = 0;
        for (int K = 0; K < T.Rows; ++K) {
            S += CategoryText(D, List[K]) + Tab + QString::number(T.Observed[size_t(K)]) + Tab +
                 ExpectedText(T.Expected[size_t(K)]) + End;
            ExpectedSum += T.Expected[size_t(K)];
        }
        S += QStringLiteral("I alt") + Tab + QString::number(T.Total) + Tab +
             ExpectedText(ExpectedSum) + End;
    }
    for (const tFigureLine &F : FigureLines(T, true))
        S += F.Label + Tab + F.Value + End;
    if (!ChiConclusion(T).isEmpty())
        S += ChiConclusion(T) + End;
    if (!ChiWarning(T).isEmpty())
        S += ChiWarning(T) + End;
    return S;
}
