// The print and copy flow shared by the three editors.
#include "PrintCopy.h"

#include "Describe.h"
#include "EditorFrame.h"
#include "PaneKinds.h"
#include "TwoVar.h"
#include "TwoVarPages.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QStyle>
#include <QToolButton>

bool CopiedAsPicture(int Kind)
{
    return Kind != bkTabel && Kind != bkMaerketal && Kind != bkKrydstabel && Kind != bkChiTest &&
           Kind != bkRegression;
}

const QVector<tOutputItem> &ObsOutputItems()
{
    static const QVector<tOutputItem> Items = {
        {bkDatapinde, "PrintDatapinde", "Datapinde", "Kopierdatapinde", "Datapinde"},
        {bkDatakurve, "PrintDatagraf", "Datakurve", "KopierDatagraf", "Datakurve"},
        {bkTabel, "PrintTabel", "Tabel", "KopierTabel", "Tabel"},
        {bkMaerketal, "PrintMaerketal", "Mærketal", "Kopiermaerketal", "Mærketal"},
        {bkHyppighedsgraf, "PrintHyppighedsgraf", "Hyppighedsgraf", "Kopierhyppighedsgraf",
         "Hyppighedsgraf"},
        {bkFrekvensgraf, "PrintFrekvensgraf", "Frekvensgraf", "Kopierfrekvensgraf", "Frekvensgraf"},
        {bkSumfrekvensgraf, "PrintSumfrekvensgraf", "Sumfrekvensgraf", "Kopiersumfrekvensgraf",
         "Sumfrekvensgraf"},
        {bkCirkeldiagram, "PrintCirkeldiagram", "Cirkeldiagram", "Kopiercirkeldiagram",
         "Cirkeldiagram"},
        {bkKrydstabel, "PrintKrydstabel", "Krydstabel", "Kopierkrydstabel", "Krydstabel"},
        {bkKrydsdiagram, "PrintKrydsdiagram", "Krydsdiagram", "Kopierkrydsdiagram", "Krydsdiagram"},
        {bkBoksplot, "PrintBoksplot", "Boksplot", "Kopierboksplot", "Boksplot"},
        {bkHistogram, "PrintHistogram", "Histogram", "Kopierhistogram", "Histogram"},
        {bkRegression, "PrintRegression", "Regression", "KopierRegression", "Regression"},
        {bkResidualplot, "PrintResidualplot", "Residualplot", "KopierResidualplot",
         "Residualplot"},
        {bkChiTest, "PrintChiTest", "χ²-test", "KopierChiTest", "χ²-test"},
        {bkNormalplot, "PrintNormalplot", "Normalfordelingsplot", "KopierNormalplot",
         "Normalfordelingsplot"},
    };
    return Items;
}

const QVector<tOutputItem> &TableOutputItems()
{
    static const QVector<tOutputItem> Items = {
        {bkTabel, "PrintTabel", "Tabel", "KopierTabel", "&Tabel"},
        {bkMaerketal, "PrintMaerketal", "Mærketal", "KopierMaerketal", "&Mærketal"},
        {bkHyppighedsgraf, "PrintHyppighedsgraf", "Hyppighedsgraf", "KopierHyppighedsgraf",
         "&Hyppighedsgraf"},
        {bkFrekvensgraf, "PrintFrekvensgraf", "Frekvensgraf", "KopierFrekvensgraf",
         "&Frekvensgraf"},
        {bkSumfrekvensgraf, "PrintSumfrekvensgraf", "Sumfrekvensgraf", "KopierSumfrekvensgraf",
         "&Sumfrekvensgraf"},
        {bkCirkeldiagram, "PrintCirkeldiagram", "Cirkeldiagram", "KopierCirkeldiagram",
         "&Cirkeldiagram"},
    };
    return Items;
}

const QVector<tOutputItem> &TableOutputItems(TDataType Type)
{
    static const tOutputItem Normal = {bkNormalplot, "PrintNormalplot", "Normalfordelingsplot",
                                       "KopierNormalplot", "&Normalfordelingsplot"};
    static const QVector<tOutputItem> Hyp = TableOutputItems() + QVector<tOutputItem>{
        {bkBoksplot, "PrintBoksplot", "Boksplot", "KopierBoksplot", "&Boksplot"},
        {bkChiTest, "PrintChiTest", "χ²-test", "KopierChiTest", "χ²-&test"},
        Normal,
    };
    static const QVector<tOutputItem> Grup = TableOutputItems() + QVector<tOutputItem>{
        {bkBoksplot, "PrintBoksplot", "Boksplot", "KopierBoksplot", "&Boksplot"},
        {bkHistogram, "PrintHistogram", "Histogram", "KopierHistogram", "H&istogram"},
        Normal,
    };
    return Type == dtGrup ? Grup : Hyp;
}

namespace
{

// Enables each item of Menu that stands for a kind (its data) by whether
// the kind is allowed on current statistics.
void EnableByKind(TEditorFrame *Frame, QMenu *Menu)
{
    Frame->Descriptor().Recompute(Frame->Lumen());
    for (QAction *A : Menu->actions()) {
        bool Ok = false;
        const int Kind = A->data().toInt(&Ok);
        if (Ok && Kind > 0)
            A->setEnabled(Frame->KindAllowed(Kind));
    }
}

} // namespace

QMenu *TEditorFrame::AddPrintMenu(QMenu *Filer, const QString &MenuName,
                                  const QVector<tOutputItem> &Items)
{
    QMenu *Menu = Filer->addMenu(QStringLiteral("Udskriv"));
    Menu->setObjectName(MenuName);
    Menu->menuAction()->setObjectName(MenuName);
    QAction *Data = Menu->addAction(QStringLiteral("Datasæt"), this, [this] { PrintDataSet(); });
    Data->setObjectName(QStringLiteral("PrintData"));
    Data->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Menu->addSeparator();
    for (const tOutputItem &I : Items) {
        if (!I.PrintName)
            continue;
        const int Kind = I.Kind;
        const QString Title = KindPrintTitle(Kind);
        QAction *A = Menu->addAction(QString::fromUtf8(I.PrintCaption), this,
                                     [this, Kind, Title] { PrintDescription(Kind, Title); });
        A->setObjectName(QString::fromLatin1(I.PrintName));
        A->setData(Kind);
    }
    connect(Menu, &QMenu::aboutToShow, this, [this, Menu] { EnableByKind(this, Menu); });
    return Menu;
}

QMenu *TEditorFrame::AddCopyMenu(QMenu *Rediger, const QString &MenuName,
                                 const QVector<tOutputItem> &Items)
{
    QMenu *Menu = Rediger->addMenu(QStringLiteral("Ko&piér til klippebord"));
    Menu->setObjectName(MenuName);
    Menu->menuAction()->setObjectName(MenuName);
    AddCopyItems(Menu, Items);
    return Menu;
}

void TEditorFrame::AddCopyItems(QMenu *Menu, const QVector<tOutputItem> &Items)
{
    for (const tOutputItem &I : Items) {
        if (!I.CopyName)
            continue;
        const int Kind = I.Kind;
        QAction *A = Menu->addAction(QString::fromUtf8(I.CopyCaption), this,
                                     [this, Kind] { CopyDescription(Kind); });
        A->setObjectName(QString::fromLatin1(I.CopyName));
        A->setData(Kind);
    }
    connect(Menu, &QMenu::aboutToShow, this, [this, Menu] { EnableByKind(this, Menu); });
}

bool TEditorFrame::OutputRegression() const
{
    auto Down = [this](int N) { return Panes[N]->RegresButton->isChecked(); };
    switch (CurrentView) {
    case vwMixed:
        return Down(1);
    case vwDual:
        return Down(2) || Down(3);
    case vwSingle:
        return Down(4);
    default:
        return true;
    }
}

QString TEditorFrame::OutputError(int Kind)
{
    tDescriptor &D = Descriptor();
    if (D.IsGrouped() && D.HasClassFault())
        return QStringLiteral("Fejl i intervaller");
    // A test that cannot be made says why (pairs that do not match).
    if (Kind == bkChiTest) {
        const tChiTest T = ChiTestFor(Lumen(), D, EditorType());
        if (!T.Error.isEmpty())
            return T.Error;
    }
    const bool PairKind = Kind == bkKrydstabel || Kind == bkKrydsdiagram ||
                          Kind == bkRegression || Kind == bkResidualplot ||
                          (Kind == bkMaerketal && Lumen().SelColCount() == 2);
    if (EditorType() == dtObs && PairKind && PairsFaulty(Lumen()))
        return QStringLiteral("Fejl i data-par");
    return QString();
}

int TEditorFrame::PrintKindPages(QPainter &P, const tDrawContext &C, int Kind, int PageLimit)
{
    if (Kind == bkTabel)
        return TablePages(Descriptor(), DescribesGrouped())(P, C, PageLimit);
    if (Kind == bkChiTest)
        return ChiTestPages(Lumen(), Descriptor(), LineNameWidth(), EditorType())(P, C, PageLimit);
    // A kind without its own paging is drawn whole inside the margins and cut
    // into page-high slices; its height is the pane's, scaled from the pane's
    // text height to the printer's.
    const int m = C.PrinterPpi / 2;
    QImage Probe(1, 1, QImage::Format_RGB32);
    QPainter Screen(&Probe);
    Screen.setFont(Panes[1]->PaintBox->font());
    const int ScreenH = std::max(1, draw::TextHeight(Screen));
    const int Full = int(int64_t(PaneRange(Kind).height()) * draw::TextHeight(P) / ScreenH) + m;
    const int PageTop = -int(P.worldTransform().dy());
    tDrawContext Whole = C;
    Whole.Width = std::max(0, C.Width - 2 * m);
    Whole.Height = Full;
    P.save();
    P.setClipRect(QRect(0, PageTop, C.Width, std::max(0, PageLimit - PageTop)));
    P.translate(m, m);
    DrawKind(P, Whole, Kind, 0);
    P.restore();
    return PageLimit >= Full + m || PageLimit <= PageTop ? 0 : PageLimit;
}

QString TEditorFrame::KindText(int Kind)
{
    tDescriptor &D = Descriptor();
    if (Kind == bkTabel)
        return TableText(D);
    // Two marked observation columns have the two-variable key figures,
    // which the observation editor gives.
    if (Kind == bkMaerketal && !(EditorType() == dtObs && Lumen().SelColCount() == 2))
        return KeyFiguresText(D);
    if (Kind == bkBoksplot)
        return BoxPlotText(D);
    if (Kind == bkChiTest)
        return ChiTestText(Lumen(), D, ChiTestFor(Lumen(), D, EditorType()));
    return QString();
}

QString TEditorFrame::DescriptionText(int Kind)
{
    Descriptor().Recompute(Lumen());
    if (!KindAllowed(Kind) || !OutputError(Kind).isEmpty())
        return QString();
    return KindText(Kind);
}

QSize TEditorFrame::PictureSize(int Kind)
{
    switch (Kind) {
    case bkHyppighedsgraf:
    case bkFrekvensgraf:
    case bkSumfrekvensgraf:
    case bkKrydsdiagram:
    case bkHistogram:
    case bkResidualplot:
    case bkNormalplot:
        return QSize(400, 400);
    case bkBoksplot:
        return BoxPlotPictureSize(Descriptor().SeriesCount());
    case bkCirkeldiagram: {
        // The legend's last rows reach below the pane's range; the picture
        // keeps them.
        QImage Probe(1, 1, QImage::Format_RGB32);
        QPainter P(&Probe);
        P.setFont(Panes[1]->PaintBox->font());
        return PaneRange(Kind).expandedTo(PieChartExtent(P, tDrawContext(), DescribesGrouped()));
    }
    default:
        return PaneRange(Kind);
    }
}

QImage TEditorFrame::DescriptionPicture(int Kind)
{
    tDescriptor &D = Descriptor();
    D.Recompute(Lumen());
    const QSize Size = PictureSize(Kind).expandedTo(QSize(1, 1));
    QImage Picture(Size, QImage::Format_RGB32);
    Picture.fill(Qt::white);
    QPainter P(&Picture);
    P.setFont(Panes[1]->PaintBox->font());
    P.setPen(QPen(Qt::black, 1));
    P.setBrush(Qt::white);
    tDrawContext C(Size.width(), Size.height());
    C.ScrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    C.ButtonFace = palette().color(QPalette::Button);
    const QString Error = OutputError(Kind);
    if (!Error.isEmpty())
        DrawErrorNotice(P, Error);
    else
        DrawKind(P, C, Kind, 0);
    P.end();
    return Picture;
}

void TEditorFrame::CopyDescription(int Kind)
{
    Descriptor().Recompute(Lumen());
    if (!KindAllowed(Kind))
        return;
    // The box plot goes as its picture and its figures together.
    if (Kind == bkBoksplot) {
        SetClipboardImageAndText(DescriptionPicture(Kind), DescriptionText(Kind));
        return;
    }
    if (CopiedAsPicture(Kind)) {
        SetClipboardImage(DescriptionPicture(Kind));
        return;
    }
    // Faulty classes copy the notice, not a table that would stop at the
    // fault.
    const QString Error = OutputError(Kind);
    if (!Error.isEmpty() && Error == ClassFaultNotice()) {
        SetClipboardText(Error + QStringLiteral("\r\n"));
        return;
    }
    const QString Text = DescriptionText(Kind);
    if (!Text.isEmpty())
        SetClipboardText(Text);
}

void TEditorFrame::PrintDescription(int Kind, const QString &Title)
{
    tDescriptor &D = Descriptor();
    D.Recompute(Lumen());
    if (!KindAllowed(Kind))
        return;
    QString Name;
    if (!Host.Dialogs().PrintName(Name))
        return;
    QPrinter &Printer = Host.Printer();
    if (!Host.Dialogs().PrintDialog(Printer, 0))
        return;
    tDescriptionPrint Job;
    Job.Title = PageTitle(Title, Name);
    Job.Font = PrinterFont(Panes[1]->PaintBox->font(),
                           Kind == bkMaerketal || Kind == bkRegression ? 12 : 10);
    Job.ScreenPpi = logicalDpiY();
    Printer.setDocName(QStringLiteral("Lumentor - ") + Job.Title);
    QPainter P;
    if (!P.begin(&Printer)) {
        Host.Message(QMessageBox::Critical, QStringLiteral("Fejl"),
                     QStringLiteral("Udskriften kunne ikke startes."));
        return;
    }
    QString Error = OutputError(Kind);
    if (Kind == bkTabel && Error == ClassFaultNotice())
        Error = TableClassFaultNotice(Name);
    if (!Error.isEmpty())
        PrintOnePage(P, Printer, Job,
                     [&Error](QPainter &Q, const tDrawContext &) { DrawErrorNotice(Q, Error); });
    else if (PrintsOnSeveralPages(Kind))
        PrintPages(P, Printer, Job, [this, Kind](QPainter &Q, const tDrawContext &C, int Limit) {
            return PrintKindPages(Q, C, Kind, Limit);
        });
    else
        PrintOnePage(P, Printer, Job,
                     [this, Kind](QPainter &Q, const tDrawContext &C) { DrawKind(Q, C, Kind, 0); });
    P.end();
}

void TEditorFrame::PrintDataSet()
{
    QString Name;
    if (!Host.Dialogs().PrintName(Name))
        return;
    const tLumen &L = Lumen();
    QPrinter &Printer = Host.Printer();
    // Nothing to print: say so rather than print an empty page.
    if (SheetPages(SheetLayoutOf(L, EditorType(), tPrintPage::Of(Printer), 1)).isEmpty()) {
        Host.Message(QMessageBox::Information, QStringLiteral("Udskriv"),
                     QStringLiteral("Der er ingen data at udskrive."));
        return;
    }
    if (!Host.Dialogs().PrintDialog(Printer, 0))
        return;
    Printer.setDocName(QStringLiteral("Lumentor - ") + DataSetTitle(Name));
    if (::PrintDataSet(Printer, L, EditorType(), DataSetPrintFont(), logicalDpiY(), Name) ==
        tPrintResult::NoPrinter)
        Host.Message(QMessageBox::Critical, QStringLiteral("Fejl"),
                     QStringLiteral("Udskriften kunne ikke startes."));
}
