#include "FreqTableDraw.h"

#include "CellText.h"
#include "NumberText.h"

#include <QHash>
#include <algorithm>
#include <cstring>

namespace {

struct tColumn {
    int Left;
    int Width;
};

// The widths of value texts, kept between repaints. A pane is sized (on a
// probe image) and drawn (on a pixmap) after every keystroke, and a typed
// cell changes at most one entry of a list of up to a thousand: measuring
// every text each time was most of the cost of typing beside a table. A
// width depends only on the value, the decimals, the font and the device's
// resolution, so reusing it is exact.
class tValueWidths
{
  public:
    // The widest of the texts of List's values.
    int Widest(const QPainter &P, const QVector<TFreqRecord> &List, int Dec)
    {
        const QPaintDevice *Dev = P.device();
        const QString Context = P.font().key() + QLatin1Char('/') +
                                QString::number(Dev != nullptr ? Dev->logicalDpiX() : 0) +
                                QLatin1Char('/') + QString::number(Dec);
        if (Contexts.size() > MaxContexts)
            Contexts.clear(); // bounded: start again rather than grow without end
        QHash<tKey, int> &Widths = Contexts[Context];
        if (Widths.size() + List.size() > MaxEntries)
            Widths.clear();
        const QFontMetrics Fm = P.fontMetrics();
        int W = 0;
        for (const TFreqRecord &R : List) {
            const tKey K = KeyOf(R.Value);
            auto It = Widths.constFind(K);
            if (It == Widths.cend())
                It = Widths.insert(K, Fm.horizontalAdvance(FormatNumber(R.Value, Dec)));
            W = std::max(W, It.value());
        }
        return W;
    }

  private:
    static constexpr qsizetype MaxEntries = 1 << 14;
    static constexpr qsizetype MaxContexts = 8;
    // The bytes that make up the value (an 80-bit number uses 10 of them).
    struct tKey {
        uint64_t Low = 0;
        uint64_t High = 0;
        bool operator==(const tKey &O) const { return Low == O.Low && High == O.High; }
    };
    friend size_t qHash(const tKey &K, size_t Seed = 0) { return qHashMulti(Seed, K.Low, K.High); }
    static tKey KeyOf(Extended V)
    {
        tKey K;
        unsigned char Bytes[sizeof(Extended)] = {};
        std::memcpy(Bytes, &V, sizeof V);
        constexpr size_t Used = std::min<size_t>(sizeof(Extended), 10);
        std::memcpy(&K.Low, Bytes, std::min<size_t>(Used, 8));
        if (Used > 8)
            std::memcpy(&K.High, Bytes + 8, Used - 8);
        return K;
    }

    QHash<QString, QHash<tKey, int>> Contexts;
};

// The value texts' widest width, which widens the ungrouped value column.
int WidestValue(const QPainter &P, const tDescriptor &D)
{
    static tValueWidths Cache;
    return Cache.Widest(P, D.GetSeries(0).List, std::max(0, D.GetDecimals()));
}

// On a printer page: the table moved right and down by the margin, rows
// up to the page limit (document y), nothing selected.
struct tTablePage {
    int Margin = 0;
    int PageLimit = 0;
};

// Title, headings, the line below them, then the rows that meet the clip.
// On a page, returns the top of the first row that does not fit (0 when the
// table is complete); the painter's origin is the page's top in the document.
template <typename CellFn>
int DrawTable(QPainter &P, const tDescriptor &D, QVector<tColumn> Cols, const QStringList &Heads,
              CellFn Cell, const tTablePage *Page = nullptr)
{
    const int h = draw::TextHeight(P);
    const int m = Page ? Page->Margin : 0;
    for (tColumn &Col : Cols)
        Col.Left += m;
    // Rows above the page's top are left out; the first row of a page is
    // always drawn, so that every page makes progress.
    const int PageTop = Page ? -int(P.worldTransform().dy()) : 0;
    const int Left = h + m;
    const int Right = Cols.last().Left + Cols.last().Width;
    const QPen CallerPen = P.pen();
    P.setPen(QPen(Qt::black, CallerPen.widthF()));

    const QString Title = D.GetTitle();
    // The rows as they would follow each other on one endless page; a page
    // after the first starts at the top of its first row there.
    const int Top = 5 * h + m;
    const bool FirstPage = PageTop < Top;
    if (!Title.isEmpty() && FirstPage && draw::Visible(P, draw::Box(Left, m, Right, 2 * h + m))) {
        draw::DoubledFont Big(P);
        P.drawText(draw::Box(Left, m, Right, 2 * h + m), Qt::AlignCenter | Qt::TextDontClip, Title);
    }
    // Every page carries the column headings: the first below the title,
    // the others half an inch below the page's top, above their rows.
    const int HeadY = FirstPage ? 3 * h + m : PageTop + m;
    for (int I = 0; I < Cols.size(); ++I)
        DrawCellText(P, Heads[I], QRect(Cols[I].Left, HeadY, Cols[I].Width, h),
                     Qt::AlignRight | Qt::AlignVCenter);
    const int LineY = HeadY + h + h / 2;
    if (draw::Visible(P, draw::Box(Left, LineY, Right, LineY + 1)))
        P.drawLine(Left, LineY, Right - 1, LineY);

    const QVector<TFreqRecord> &List = D.GetSeries(0).List;
    int First = 0, Last = List.size() - 1;
    // Where row K is drawn: one row height apart from RowsTop on.
    int RowsTop = Top;
    if (Page) {
        if (h > 0)
            First = std::max(0, (PageTop - Top) / h);
        RowsTop = FirstPage ? Top : HeadY + 2 * h - First * h;
    } else if (P.hasClipping() && h > 0) {
        const QRect Clip = P.clipBoundingRect().toAlignedRect();
        First = std::max(First, (Clip.top() - Top) / h - 1);
        Last = std::min(Last, (Clip.bottom() - Top) / h + 1);
    }
    const bool ShowSel = !Page && D.SelectionShown();
    const int Sel = D.SelectedIndex();
    for (int K = First; K <= Last; ++K) {
        const int Y = RowsTop + K * h;
        if (Page && Y + h > Page->PageLimit && K > First) {
            P.setPen(CallerPen);
            return Top + K * h;
        }
        const QRect RowRect = draw::Box(Left, Y, Right, Y + h);
        if (!draw::Visible(P, RowRect))
            continue;
        QColor Back = (K % 2 == 1) ? RowCream : QColor(Qt::white);
        if (ShowSel && K == Sel)
            Back = RowSelected;
        P.fillRect(RowRect, Back);
        for (int I = 0; I < Cols.size(); ++I)
            DrawCellText(P, Cell(List[K], I), QRect(Cols[I].Left, Y, Cols[I].Width, h),
                         Qt::AlignRight | Qt::AlignVCenter);
    }
    P.setBrush(Qt::white);
    P.setPen(CallerPen);
    return 0;
}

QString CommonCell(const TFreqRecord &R, int Which)
{
    switch (Which) {
    case 0:
        return QString::number(R.h);
    case 1:
        return QString::number(R.H);
    case 2:
        return FormatNumber(R.f, 3);
    default:
        return FormatNumber(R.F, 3);
    }
}

int UngroupedTable(QPainter &P, const tDescriptor &D, const tTablePage *Page)
{
    const int h = draw::TextHeight(P);
    const int cw = 2 * ((draw::TextWidth(P, QStringLiteral("Observation")) + 1) / 2);
    const int hw = cw / 2;
    const int e = std::max(0, WidestValue(P, D) - cw);
    const QVector<tColumn> Cols = {{h, cw + e},
                                   {2 * h + cw + e, hw},
                                   {3 * h + cw + hw + e, hw},
                                   {4 * h + 2 * cw + e, cw - h},
                                   {4 * h + 3 * cw + e, cw - h}};
    const QStringList Heads = {QStringLiteral("Observation"), QStringLiteral("h"),
                               QStringLiteral("H"), QStringLiteral("f"), QStringLiteral("F")};
    const int Dec = std::max(0, D.GetDecimals());
    return DrawTable(
        P, D, Cols, Heads,
        [Dec](const TFreqRecord &R, int I) {
            return I == 0 ? FormatNumber(R.Value, Dec) : CommonCell(R, I - 1);
        },
        Page);
}

int GroupedTable(QPainter &P, const tDescriptor &D, const tTablePage *Page)
{
    const int h = draw::TextHeight(P);
    const int cw = draw::TextWidth(P, QStringLiteral("0000000000000"));
    QVector<tColumn> Cols = {{h, 2 * cw}, {2 * h + 2 * cw, cw}};
    for (int I = 0; I < 4; ++I)
        Cols.append({Cols.last().Left + Cols.last().Width + h, cw});
    const QStringList Heads = {QStringLiteral("Interval"), QStringLiteral("Midtpunkt"),
                               QStringLiteral("h"),        QStringLiteral("H"),
                               QStringLiteral("f"),        QStringLiteral("F")};
    const int Dec = std::max(0, D.GetDecimals());
    return DrawTable(
        P, D, Cols, Heads,
        [Dec](const TFreqRecord &R, int I) {
            if (I == 0)
                return FormatNumber(R.Lower, Dec) + QStringLiteral(" - ") +
                       FormatNumber(R.Upper, Dec);
            if (I == 1)
                return FormatNumber(R.Value, Dec + 1);
            return CommonCell(R, I - 2);
        },
        Page);
}

} // namespace

int FreqTableTop(const QPainter &P)
{
    return 5 * draw::TextHeight(P);
}
int FreqTableLineHeight(const QPainter &P)
{
    return draw::TextHeight(P);
}

void DrawFreqTable(QPainter &P, const tDrawContext &, const tDescriptor &D)
{
    UngroupedTable(P, D, nullptr);
}

void DrawGroupedFreqTable(QPainter &P, const tDrawContext &, const tDescriptor &D)
{
    GroupedTable(P, D, nullptr);
}

int PrintFreqTable(QPainter &P, const tDrawContext &C, const tDescriptor &D, int PageLimit)
{
    const tTablePage Page{C.PrinterPpi / 2, PageLimit};
    return UngroupedTable(P, D, &Page);
}

int PrintGroupedFreqTable(QPainter &P, const tDrawContext &C, const tDescriptor &D, int PageLimit)
{
    const tTablePage Page{C.PrinterPpi / 2, PageLimit};
    return GroupedTable(P, D, &Page);
}

QSize FreqTablePaneSize(const QPainter &P, const tDescriptor &D, bool Grouped)
{
    const int h = draw::TextHeight(P);
    const int Height = (D.ListCount(0) + 6) * h;
    if (Grouped)
        return QSize(7 * draw::TextWidth(P, QStringLiteral("0000000000000")) + 7 * h, Height);
    const int c = (draw::TextWidth(P, QStringLiteral("Observation")) + 1) / 2;
    const int e = std::max(0, WidestValue(P, D) - 2 * c);
    return QSize(8 * c + 6 * h + e, Height);
}
