#include "TextPrint.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <climits>
#include <cmath>

static constexpr int WrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;

QFont TextPrintFont(const QFont &MemoFont)
{
    QFont F = MemoFont;
    int Points = MemoFont.pointSize();
    if (Points <= 0)
        Points = std::max(1, qRound(MemoFont.pointSizeF()));
    // Integer multiply-divide, rounded to the nearest.
    F.setPointSize(std::max(1, (Points * 6 + 2) / 5));
    return F;
}

tTextPageLayout MeasureTextPages(const QString &Text, const QFont &Font, const QPaintDevice &Device)
{
    tTextPageLayout L;
    const QFontMetrics Metrics(Font, &Device);
    L.Resolution = Device.logicalDpiY();
    L.LineHeight = std::max(1, Metrics.height());
    const int R = L.Resolution;
    const int Width = std::max(1, Device.width() - R / 2 - R);
    L.LinesPerPage = std::max(1, (Device.height() - R / 2 - R) / L.LineHeight);
    L.Area = QRect(R / 2, R / 2, Width, L.LineHeight * L.LinesPerPage);
    if (!Text.isEmpty())
        L.TextHeight =
            Metrics.boundingRect(QRect(0, 0, Width, INT_MAX / 4), WrapFlags, Text).height();
    const int Lines = (L.TextHeight + L.LineHeight - 1) / L.LineHeight;
    L.PageCount = std::max(1, (Lines + L.LinesPerPage - 1) / L.LinesPerPage);
    return L;
}

void DrawTextPage(QPainter &P, const tTextPageLayout &L, const QString &Text, const QString &Name,
                  int Page, const QSize &PageSize)
{
    const QRect Whole(QPoint(0, 0), PageSize);
    P.save();
    P.setPen(Qt::black);
    P.drawText(Whole, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine,
               QStringLiteral("Lumentor - Tekst"));
    QFont Bold = P.font();
    Bold.setBold(true);
    P.setFont(Bold);
    P.drawText(Whole, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Name);
    P.restore();
    P.save();
    P.setPen(Qt::black);
    P.drawText(QRect(0, PageSize.height() - L.LineHeight, PageSize.width(), L.LineHeight),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
               QStringLiteral("- %1 -").arg(Page));
    // The text runs on from page to page: move it up by one area per page.
    QRect TextRect = L.Area;
    TextRect.translate(0, -(Page - 1) * L.Area.height());
    TextRect.setHeight(std::max(L.TextHeight, L.Area.height()) + L.LineHeight);
    P.setClipRect(L.Area);
    P.drawText(TextRect, WrapFlags, Text);
    P.restore();
}

bool PrintTextPages(QPrinter &Printer, const QString &Text, const QFont &Font, const QString &Name,
                    int First, int Last)
{
    Printer.setDocName(QStringLiteral("Lumentor Tekst"));
    QPainter P;
    if (!P.begin(&Printer))
        return false;
    P.setFont(Font);
    const tTextPageLayout L = MeasureTextPages(Text, Font, Printer);
    const QSize PageSize(Printer.width(), Printer.height());
    for (int Page = First; Page <= Last; ++Page) {
        DrawTextPage(P, L, Text, Name, Page, PageSize);
        if (Page < Last)
            Printer.newPage();
    }
    P.end();
    return true;
}
