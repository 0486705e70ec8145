#include "TextPrint.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

// The text broken into printed lines: paragraphs at line feeds, each
// word-wrapped to Width. Lines are placed one text-line height apart, so that
// a page holds a whole number of them.
static QStringList WrapLines(const QString &Text, const QFont &Font, const QPaintDevice &Device,
                             int Width)
{
    QStringList Lines;
    if (Text.isEmpty())
        return Lines;
    QTextOption Option;
    Option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const QStringList Paragraphs = Text.split(QLatin1Char('\n'));
    for (QString Paragraph : Paragraphs) {
        if (Paragraph.endsWith(QLatin1Char('\r')))
            Paragraph.chop(1);
        if (Paragraph.isEmpty()) {
            Lines << QString();
            continue;
        }
        QTextLayout Layout(Paragraph, Font, &Device);
        Layout.setTextOption(Option);
        Layout.beginLayout();
        for (QTextLine Line = Layout.createLine(); Line.isValid(); Line = Layout.createLine()) {
            Line.setLineWidth(Width);
            Lines << Paragraph.mid(Line.textStart(), Line.textLength());
        }
        Layout.endLayout();
    }
    return Lines;
}

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
    const int Lines = WrapLines(Text, Font, Device, Width).size();
    L.TextHeight = Lines * L.LineHeight;
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
    // The text runs on from page to page: page N shows the lines after the
    // ones of the pages before it.
    const QStringList Lines = WrapLines(Text, P.font(), *P.device(), L.Area.width());
    const int First = (Page - 1) * L.LinesPerPage;
    P.setClipRect(L.Area);
    for (int I = First; I < Lines.size() && I < First + L.LinesPerPage; ++I)
        P.drawText(QRect(L.Area.left(), L.Area.top() + (I - First) * L.LineHeight, L.Area.width(),
                         L.LineHeight),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs,
                   Lines[I]);
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
