#include "CrossTable.h"

#include "CellText.h"
#include "Clipboard.h"
#include "PairFigures.h"

#include <algorithm>

namespace
{

const QColor Yellow(0xFF, 0xFF, 0x00);
const QString Hyppighed = QStringLiteral("Hyppighed");

QString GroupText(const TFreqRecord &R)
{
    return FormatGeneral(R.Lower) + QStringLiteral(" - ") + FormatGeneral(R.Upper);
}

// One cell: filled, outlined, its text centred ("#" when too wide).
void Cell(QPainter &P, const QRect &R, const QColor &Fill, const QColor &Border,
          const QString &Text)
{
    if (!draw::Visible(P, R))
        return;
    P.setBrush(Fill);
    P.setPen(QPen(Border, 1));
    draw::Rectangle(P, R.left(), R.top(), R.right() + 1, R.bottom() + 1);
    P.setPen(QPen(Qt::black, 1));
    DrawCellText(P, Text, R.adjusted(1, 0, -1, 0), Qt::AlignCenter);
}

tCrossTableRest DrawTable(QPainter &P, const tDrawContext &C, const tLumen &L, const tDescriptor &D,
                          int LineNameWidth, tCrossTablePart From, bool Grouped)
{
    const tCrossTable T = CountCrossTable(L, D);
    tCrossTableRest Rest;
    Rest.Columns = T.k0 + 1;
    Rest.Rows = T.k1 + 1;
    Rest.NextColumn = Rest.Columns;
    Rest.NextRow = Rest.Rows;
    if (D.SeriesCount() < 2)
        return Rest;
    const QList<TFreqRecord> &Cols = D.GetSeries(0).List;
    const QList<TFreqRecord> &Rows = D.GetSeries(1).List;
    const int h = draw::TextHeight(P);
    const int hh = (h + 1) / 2;
    const int m = C.ForPrinter ? C.PrinterPpi / 2 : 0;
    const int rh = h + hh;
    const int Dec = std::max(0, D.GetDecimals());
    auto Value = [&](const TFreqRecord &R) {
        return Grouped ? GroupText(R) : FormatFixed(R.Value, Dec);
    };
    // On paper a cell is as wide as the widest text needs (never narrower
    // than the line grid's name column), so that a page holds as many
    // columns as it can before the next page starts.
    int cw = C.Scaled(LineNameWidth) * (Grouped ? 2 : 1);
    if (C.ForPrinter) {
        int Widest = draw::TextWidth(P, Hyppighed);
        for (const QList<TFreqRecord> *List : {&Cols, &Rows})
            for (const TFreqRecord &R : *List)
                Widest = std::max(Widest, draw::TextWidth(P, Value(R)));
        Widest = std::max(Widest, draw::TextWidth(P, QString::number(T.RowTotal)));
        cw = std::min(cw, std::max(C.Scaled(LineNameWidth), Widest + h));
    }
    const QPen CallerPen = P.pen();
    const QBrush CallerBrush = P.brush();
    P.save();
    if (C.ForPrinter)
        P.setClipRect(draw::Box(m, m, C.Width, C.Height), Qt::IntersectClip);

    // Titles: the first across, the second turned to read upwards.
    {
        draw::DoubledFont Big(P);
        P.setPen(QPen(Qt::black, 1));
        const QString Across = CrossColumnTitle(L, D.GetSeries(0).Source);
        draw::TextOut(P, 2 * h + cw + m, m, Across);
        const QString Up = CrossColumnTitle(L, D.GetSeries(1).Source);
        const int w = draw::TextWidth(P, Up);
        P.save();
        P.translate(m, 3 * h + hh + w + m);
        P.rotate(-90);
        draw::TextOut(P, 0, 0, Up);
        P.restore();
    }

    const int FirstCol = std::clamp(From.FirstColumn, 0, T.k0);
    const int FirstRow = std::clamp(From.FirstRow, 0, T.k1);
    const int Left = 2 * h + m;
    const int Top = 2 * h + m;
    auto ColX = [&](int I) { return Left + cw + (I - FirstCol) * cw; };
    auto RowY = [&](int J) { return Top + rh + (J - FirstRow) * rh; };
    // Which columns and rows fit: all on the screen, those inside the page on
    // a printer (at least one of each, so that paging always moves on).
    int LastCol = T.k0, LastRow = T.k1;
    if (C.ForPrinter) {
        LastCol = FirstCol;
        while (LastCol < T.k0 && ColX(LastCol + 1) + cw + 1 < C.Width)
            ++LastCol;
        LastRow = FirstRow;
        while (LastRow < T.k1 && RowY(LastRow + 1) + rh + 1 < C.Height)
            ++LastRow;
        Rest.NextColumn = LastCol + 1;
        Rest.NextRow = LastRow + 1;
    }
    const bool Marks = !C.ForPrinter && !Grouped && D.PanesAreLinked();
    const int SelI = Marks ? D.SelectedIndex() : -1;
    const int SelJ = Marks ? D.SecondSelectedIndex() : -1;
    const QColor Face = C.ButtonFace;
    auto CellRect = [&](int X, int Y) { return QRect(X, Y, cw + 1, rh + 1); };

    // Header row and margin row, column by column.
    for (int I = FirstCol; I <= LastCol; ++I) {
        const int X = ColX(I);
        if (I == T.k0) {
            Cell(P, CellRect(X, Top).adjusted(1, 1, -1, -1), Qt::white, Face, Hyppighed);
            if (LastRow == T.k1)
                Cell(P, CellRect(X, RowY(T.k1)).adjusted(1, 1, -1, -1), Qt::white, Face,
                     QString::number(T.RowTotal));
            continue;
        }
        Cell(P, CellRect(X, Top), I == SelI ? Yellow : Face, Qt::white, Value(Cols[I]));
        if (LastRow == T.k1)
            Cell(P, CellRect(X, RowY(T.k1)), Face, Qt::white, QString::number(T.ColH[size_t(I)]));
    }
    // Row headers, the body and the row margins.
    for (int J = FirstRow; J <= LastRow; ++J) {
        const int Y = RowY(J);
        if (J == T.k1) {
            Cell(P, CellRect(Left, Y).adjusted(1, 1, -1, -1), Qt::white, Face, Hyppighed);
            continue;
        }
        Cell(P, CellRect(Left, Y), J == SelJ ? Yellow : Face, Qt::white, Value(Rows[J]));
        for (int I = FirstCol; I <= std::min(LastCol, T.k0 - 1); ++I)
            Cell(P, CellRect(ColX(I), Y), (I == SelI && J == SelJ) ? Yellow : QColor(Qt::white),
                 Face, QString::number(T.At(I, J)));
        if (LastCol == T.k0)
            Cell(P, CellRect(ColX(T.k0), Y), Face, Qt::white, QString::number(T.RowH[size_t(J)]));
    }
    P.restore();
    P.setPen(CallerPen);
    P.setBrush(CallerBrush);
    return Rest;
}

// The copy text, the two forms differing in the category texts and totals.
QString TableText(const tLumen &L, const tDescriptor &D, bool Grouped)
{
    if (D.SeriesCount() < 2)
        return QString();
    const tCrossTable T = CountCrossTable(L, D);
    const QList<TFreqRecord> &Cols = D.GetSeries(0).List;
    const QList<TFreqRecord> &Rows = D.GetSeries(1).List;
    const int Dec = std::max(0, D.GetDecimals());
    auto Value = [&](const TFreqRecord &R) {
        return Grouped ? QStringLiteral(" ") + GroupText(R) : FormatFixed(R.Value, Dec);
    };
    const QString Tab = QStringLiteral("\t"), End = QStringLiteral("\r\n");
    QString S = QLatin1Char('"') + CrossColumnTitle(L, D.GetSeries(0).Source) +
                QStringLiteral("\" krydset med \"") + CrossColumnTitle(L, D.GetSeries(1).Source) +
                QLatin1Char('"') + End;
    for (const TFreqRecord &R : Cols)
        S += Tab + Value(R);
    S += Tab + Hyppighed + End;
    for (int J = 0; J < T.k1; ++J) {
        S += Value(Rows[J]);
        for (int I = 0; I < T.k0; ++I)
            S += Tab + QString::number(T.At(I, J));
        S += Tab + QString::number(Grouped ? T.RowCellSum(J) : T.RowH[size_t(J)]) + End;
    }
    S += Hyppighed;
    int64_t Sum = 0;
    for (int I = 0; I < T.k0; ++I) {
        S += Tab + QString::number(T.ColH[size_t(I)]);
        Sum += T.ColH[size_t(I)];
    }
    S += Tab + QString::number(Sum) + End;
    return S;
}

} // namespace

QString CrossColumnTitle(const tLumen &L, int Col)
{
    const QString Name = L.GetColName(Col);
    return Name.isEmpty() ? QStringLiteral("Kolonne ") + ColLetter(Col) : Name;
}

tCrossTableRest DrawCrossTable(QPainter &P, const tDrawContext &C, const tLumen &L,
                               const tDescriptor &D, int LineNameWidth, tCrossTablePart From)
{
    return DrawTable(P, C, L, D, LineNameWidth, From, false);
}

tCrossTableRest DrawGroupedCrossTable(QPainter &P, const tDrawContext &C, const tLumen &L,
                                      const tDescriptor &D, int LineNameWidth, tCrossTablePart From)
{
    return DrawTable(P, C, L, D, LineNameWidth, From, true);
}

QSize CrossTablePaneSize(const QPainter &P, const tDescriptor &D, int LineNameWidth, bool Grouped)
{
    const int h = draw::TextHeight(P);
    const int hh = (h + 1) / 2;
    const int K = Grouped ? 2 * LineNameWidth : LineNameWidth;
    return QSize((D.ListCount(0) + 2) * K + 3 * h, (D.ListCount(1) + 2) * (hh + h) + 3 * h);
}

QString CrossTableText(const tLumen &L, const tDescriptor &D)
{
    return TableText(L, D, false);
}

QString GroupedCrossTableText(const tLumen &L, const tDescriptor &D)
{
    return TableText(L, D, true);
}

bool CopyCrossTable(const tLumen &L, const tDescriptor &D)
{
    if (D.SeriesCount() < 2 || PairColumnsFaulty(L, D.GetSeries(0).Source, D.GetSeries(1).Source))
        return false;
    SetClipboardText(D.IsGrouped() ? GroupedCrossTableText(L, D) : CrossTableText(L, D));
    return true;
}
