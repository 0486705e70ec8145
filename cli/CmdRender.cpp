// lumentor-cli render FILE.lmt SERIES --kind KIND [--size WxH] -o OUT.png:
// draws one description into a picture as the copy-as-picture command does
// (the pane's font, a white background, a black pen one pixel wide).
#include "Command.h"
#include "Describe.h"
#include "Series.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

namespace {

struct tKindName {
    const char *Name;
    TBeskrivKind Kind;
};
const tKindName KindNames[] = {
    {"tabel", bkTabel},
    {"maerketal", bkMaerketal},
    {"hyppighedsgraf", bkHyppighedsgraf},
    {"frekvensgraf", bkFrekvensgraf},
    {"sumfrekvensgraf", bkSumfrekvensgraf},
    {"cirkeldiagram", bkCirkeldiagram},
};

constexpr int MaxPictureSide = 20000;

const char *Usage =
    "render FIL.lmt --col A|--line N|--hyp N|--grup N --kind "
    "tabel|maerketal|hyppighedsgraf|frekvensgraf|sumfrekvensgraf|cirkeldiagram [--size BxH] -o UD.png";

// The paint box font of the description panes.
QFont PaneFont()
{
    QFont F(QStringLiteral("Arial"));
    F.setPixelSize(11);
    return F;
}

QSize DefaultSize(TBeskrivKind Kind, const tDescriptor &D, const tDrawContext &C)
{
    QImage Probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter P(&Probe);
    P.setFont(PaneFont());
    const bool Grouped = D.IsGrouped();
    switch (Kind) {
    case bkTabel:
        return FreqTablePaneSize(P, D, Grouped);
    case bkMaerketal:
        // The pane's range cuts the right end of the values; the picture
        // shows all that is drawn.
        return KeyFiguresPaneSize(P, Grouped).expandedTo(KeyFiguresExtent(P, Grouped));
    case bkCirkeldiagram:
        return PieChartPaneSize(P, C, Grouped).expandedTo(PieChartExtent(P, C, Grouped));
    default:
        return QSize(400, 400);
    }
}

void DrawKind(QPainter &P, const tDrawContext &C, tDescriptor &D, TBeskrivKind Kind)
{
    const bool Grouped = D.IsGrouped();
    // Faulty classes leave nothing but the table to show.
    if (D.HasClassFault() && Kind != bkTabel) {
        DrawErrorNotice(P, QStringLiteral("Fejl i intervaller"));
        return;
    }
    DrawOneVariableKind(P, C, D, Kind, Grouped);
}

int Render(const QStringList &Args)
{
    QString KindText, SizeText, OutName;
    QStringList Rest;
    for (int I = 0; I < Args.size(); ++I) {
        const QString &A = Args[I];
        QString *Target = A == QLatin1String("--kind")   ? &KindText
                          : A == QLatin1String("--size") ? &SizeText
                          : A == QLatin1String("-o")     ? &OutName
                                                         : nullptr;
        if (!Target) {
            Rest << A;
            continue;
        }
        if (I + 1 >= Args.size()) {
            Err() << "Mangler værdi efter " << A << "\n";
            return 2;
        }
        *Target = Args[++I];
    }
    TBeskrivKind Kind = bkIngen;
    for (const tKindName &K : KindNames)
        if (KindText == QLatin1String(K.Name))
            Kind = K.Kind;
    if (Kind == bkIngen || OutName.isEmpty()) {
        Err() << "Brug: lumentor-cli " << Usage << "\n";
        return 2;
    }
    QSize Size;
    if (!SizeText.isEmpty()) {
        static const QRegularExpression Re(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
        const QRegularExpressionMatch M = Re.match(SizeText);
        const int W = M.hasMatch() ? M.captured(1).toInt() : 0;
        const int H = M.hasMatch() ? M.captured(2).toInt() : 0;
        if (W < 1 || H < 1 || W > MaxPictureSide || H > MaxPictureSide) {
            Err() << "Ugyldig størrelse: " << SizeText << "\n";
            return 2;
        }
        Size = QSize(W, H);
    }

    std::unique_ptr<tLumen> Lumen;
    QString Error;
    int Rc = 1;
    if (!LoadSeries(Rest, Lumen, Error, &Rc)) {
        Err() << Error << "\n";
        return Rc;
    }
    tDescriptor &D = DescriptorOf(*Lumen);
    // The limits the description list puts on these kinds.
    const bool GrupData = DataType == dtGrup;
    if (Kind == bkTabel && D.ListCount(0) > 1000 && !GrupData) {
        Err() << "Tabel (max. 1000 forskellige værdier)\n";
        return 1;
    }
    if (Kind == bkCirkeldiagram && D.ListCount(0) > 16 && !GrupData) {
        Err() << "Cirkeldiagram (max. 16 forskellige værdier)\n";
        return 1;
    }

    tDrawContext C;
    if (!Size.isValid())
        Size = DefaultSize(Kind, D, C).boundedTo(QSize(MaxPictureSide, MaxPictureSide));
    C.Width = Size.width();
    C.Height = Size.height();

    QImage Image(Size, QImage::Format_RGB32);
    Image.fill(Qt::white);
    {
        QPainter P(&Image);
        P.setFont(PaneFont());
        P.setBrush(Qt::white);
        P.setPen(QPen(Qt::black, 1));
        DrawKind(P, C, D, Kind);
    }
    if (!Image.save(OutName, "PNG")) {
        Err() << "Kunne ikke gemme billedet\n";
        return 1;
    }
    return 0;
}

CommandRegistrar R("render", &Render, Usage,
                   "Tegner én beskrivelse af én serie i et PNG-billede, som kopiering til\n"
                   "klippebordet tegner den.\n"
                   "Serien vælges som i describe (--col, --line, --hyp, --grup).\n"
                   "--size BxH: billedets bredde og højde i punkter (1 til 20000).");

} // namespace
