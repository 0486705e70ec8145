#include "Printing.h"

#include "CellText.h"
#include "FreqTableDraw.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <algorithm>
#include <cmath>
#include <iterator>

tPrintPage tPrintPage::Of(const QPaintDevice &Device)
{
    tPrintPage Page;
    Page.Width = Device.width();
    Page.Height = Device.height();
    Page.Ppi = std::max(1, Device.logicalDpiY());
    return Page;
}

void SetUpPrintPage(QPagedPaintDevice &Device, bool Landscape)
{
    Device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
}

QFont DataSetPrintFont()
{
    QFont F(QStringLiteral("Arial"));
    F.setPointSize(9);
    return F;
}

QString ClassFaultNotice()
{
    return QStringLiteral("Fejl i intervaller");
}

QString TableClassFaultNotice(const QString &Name)
{
    return ClassFaultNotice() + QLatin1Char('-') + Name;
}

QString KindPrintTitle(int Kind)
{
    switch (Kind) {
    case bkChiTest:
        return QStringLiteral("χ²-test");
    case bkNormalplot:
        return QStringLiteral("Normalfordelingsplot");
    default:
        break;
    }
    static const char *const Titles[] = {"",
                                         "Datapinde",
                                         "Datagraf",
                                         "Tabel",
                                         "Mærketal",
                                         "Hyppighedsgraf",
                                         "Frekvensgraf",
                                         "Sumfrekvensgraf",
                                         "Cirkeldiagram",
                                         "Krydstabel",
                                         "Krydsdiagram",
                                         "Boksplot",
                                         "Histogram",
                                         "Regression",
                                         "Residualplot"};
    if (Kind < 0 || Kind >= int(std::size(Titles)))
        return QString();
    return QString::fromUtf8(Titles[Kind]);
}

QString PageTitle(const QString &Title, const QString &Name)
{
    return Name.isEmpty() ? Title : Title + QStringLiteral(" - ") + Name;
}

void DrawPageTitle(QPainter &P, const tPrintPage &Page, const QString &Title)
{
    const int Right = Page.Width - Page.Margin();
    const int W = draw::TextWidth(P, Title);
    const QPen Saved = P.pen();
    P.setPen(QPen(Qt::black, Saved.widthF()));
    draw::TextOut(P, Right - W, 0, Title);
    P.setPen(Saved);
}

QFont PrinterFont(const QFont &PaneFont, int PointSize)
{
    QFont F = PaneFont;
    F.setPointSize(PointSize);
    return F;
}

QFont ScreenSizedFont(const QFont &ScreenFont, int ScreenPpi)
{
    QFont F = ScreenFont;
    if (F.pixelSize() > 0 && ScreenPpi > 0)
        F.setPointSizeF(F.pixelSize() * 72.0 / ScreenPpi);
    return F;
}

int PrinterPenWidth(int PrinterPpi, int ScreenPpi)
{
    if (ScreenPpi <= 0)
        return 1;
    return std::max(1, int(std::lround(double(PrinterPpi) / ScreenPpi)));
}

namespace
{

// Font, white brush and black pen of a description page.
void SetUpCanvas(QPainter &P, const tPrintPage &Page, const tDescriptionPrint &Job)
{
    P.setFont(Job.Font);
    P.setBrush(Qt::white);
    P.setPen(QPen(Qt::black, PrinterPenWidth(Page.Ppi, Job.ScreenPpi)));
}

} // namespace

void PrintOnePage(QPainter &P, const QPaintDevice &Device, const tDescriptionPrint &Job,
                  const tPageDrawing &Draw)
{
    const tPrintPage Page = tPrintPage::Of(Device);
    const int m = Page.Margin();
    SetUpCanvas(P, Page, Job);
    DrawPageTitle(P, Page, Job.Title);
    const tDrawContext C = tDrawContext::Printer(
        std::max(0, Page.Width - 2 * m), std::max(0, Page.Height - 2 * m), Page.Ppi, Job.ScreenPpi);
    P.save();
    P.translate(m, m);
    Draw(P, C);
    P.restore();
}

int PrintPages(QPainter &P, QPagedPaintDevice &Device, const tDescriptionPrint &Job,
               const tPagedDrawing &Draw)
{
    const tPrintPage Page = tPrintPage::Of(Device);
    const tDrawContext C = tDrawContext::Printer(Page.Width, Page.Height, Page.Ppi, Job.ScreenPpi);
    int Y = 0;
    int Pages = 0;
    for (;;) {
        SetUpCanvas(P, Page, Job);
        P.save();
        P.translate(0, -Y);
        const int Next = Draw(P, C, Y + Page.Height - Page.Ppi);
        P.restore();
        DrawPageTitle(P, Page, Job.Title);
        ++Pages;
        if (Next <= Y)
            break; // done (0), or no progress
        Device.newPage();
        Y = Next;
    }
    return Pages;
}

bool PrintsOnSeveralPages(int Kind)
{
    return Kind == bkTabel || Kind == bkKrydstabel || Kind == bkDatapinde || Kind == bkDatakurve ||
           Kind == bkChiTest;
}

tPagedDrawing TablePages(const tDescriptor &D, bool Grouped)
{
    return [&D, Grouped](QPainter &P, const tDrawContext &C, int PageLimit) {
        return Grouped ? PrintGroupedFreqTable(P, C, D, PageLimit)
                       : PrintFreqTable(P, C, D, PageLimit);
    };
}
