// lumentor-cli render FILE.lmt SERIES --kind KIND [--size WxH] -o OUT.png:
// draws one description into a picture as the copy-as-picture command does
// (the pane's font, a white background, a black pen one pixel wide). The
// kinds of two columns take two --col options; the data sticks and curve
// take up to six series.
#include "Command.h"
#include "Describe.h"
#include "Series.h"
#include "TwoVar.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

namespace
{

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
    {"datapinde", bkDatapinde},
    {"datakurve", bkDatakurve},
    {"krydstabel", bkKrydstabel},
    {"krydsdiagram", bkKrydsdiagram},
};

// The width of the line grid's name column, the unit of the cross table and
// the data sticks.
constexpr int LineNameWidth = 74;

constexpr int MaxPictureSide = 20000;

const char *Usage =
    "render FIL.lmt --col A|--line N|--hyp N|--grup N --kind "
    "tabel|maerketal|hyppighedsgraf|frekvensgraf|sumfrekvensgraf|cirkeldiagram|datapinde|datakurve|"
    "krydstabel|krydsdiagram [--regression] [--size BxH] -o UD.png";


QSize DefaultSize(TBeskrivKind Kind, const tLumen &L, const tDescriptor &D, const tDrawContext &C)
{
    QImage Probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter P(&Probe);
    P.setFont(PaneFont());
    const bool Grouped = D.IsGrouped();
    if (Kind == bkMaerketal && IsTwoVariableKind(L, Kind))
        return PairKeyFiguresPaneSize(P);
    switch (Kind) {
    case bkDatapinde:
    case bkDatakurve:
        return DataSticksPaneSize(P, D, LineNameWidth).expandedTo(QSize(500, 0));
    case bkKrydstabel:
        return CrossTablePaneSize(P, D, LineNameWidth, Grouped);
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

void DrawKind(QPainter &P, const tDrawContext &C, const tLumen &L, tDescriptor &D,
              TBeskrivKind Kind, bool Regression)
{
    const bool Grouped = D.IsGrouped();
    tTwoVarOptions O;
    O.LineNameWidth = LineNameWidth;
    O.Regression = Regression;
    if (DrawTwoVariableKind(P, C, L, D, Kind, O))
        return;
    // Faulty classes leave nothing but the table to show.
    if (D.HasClassFault() && Kind != bkTabel) {
        DrawErrorNotice(P, QStringLiteral("Fejl i intervaller"));
        return;
    }
    DrawOneVariableKind(P, C, D, Kind, Grouped);
}

// The limits the description list puts on the kinds of several series;
// an empty text when the marks allow Kind.
QString PairRefusal(TBeskrivKind Kind, const tLumen &L, const tDescriptor &D)
{
    const int Cols = L.SelColCount();
    const bool FirstGrouped = Cols > 0 && L.IsGrouped(L.SelCol(0));
    switch (Kind) {
    case bkDatapinde:
    case bkDatakurve:
        if (Cols > MaxSeries || L.SelLineCount() > MaxSeries)
            return QStringLiteral("Højst 6 serier");
        if (FirstGrouped)
            return QStringLiteral("Den første kolonne er grupperet");
        if (!L.PastSelectionEnd(1000))
            return QString::fromUtf8(Kind == bkDatapinde ? "Datapinde (max. 1000)"
                                                         : "Datakurve (max. 1000)");
        return QString();
    case bkKrydstabel:
    case bkKrydsdiagram:
        if (Cols != 2)
            return QStringLiteral("Angiv to kolonner med --col");
        if (D.ListCount(1) == 0)
            return QStringLiteral("Serien indeholder ingen tal");
        if (Kind == bkKrydsdiagram && (FirstGrouped || L.IsGrouped(L.SelCol(1))))
            return QStringLiteral("Krydsdiagram kræver ugrupperede kolonner");
        if (FirstGrouped != L.IsGrouped(L.SelCol(1)))
            return QStringLiteral("Begge kolonner skal være grupperede, eller ingen af dem");
        if (Kind == bkKrydstabel && (D.ListCount(0) > 100 || D.ListCount(1) > 100))
            return QStringLiteral("Krydstabel (max. 100 x 100)");
        return QString();
    case bkMaerketal:
        if (Cols == 2 && FirstGrouped != L.IsGrouped(L.SelCol(1)))
            return QStringLiteral("Begge kolonner skal være grupperede, eller ingen af dem");
        if (Cols == 2 && D.ListCount(1) == 0)
            return QStringLiteral("Serien indeholder ingen tal");
        return QString();
    default:
        return QString();
    }
}

int Render(const QStringList &Args)
{
    QString KindText, SizeText, OutName;
    QStringList Rest;
    bool Regression = false;
    for (int I = 0; I < Args.size(); ++I) {
        const QString &A = Args[I];
        if (A == QLatin1String("--regression")) {
            Regression = true;
            continue;
        }
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
    const TBeskrivKind Kind = ParseKindName(KindText);
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
    const QString Refusal = PairRefusal(Kind, *Lumen, D);
    if (!Refusal.isEmpty()) {
        Err() << Refusal << "\n";
        return 1;
    }
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
        Size = DefaultSize(Kind, *Lumen, D, C).boundedTo(QSize(MaxPictureSide, MaxPictureSide));
    C.Width = Size.width();
    C.Height = Size.height();

    QImage Image(Size, QImage::Format_RGB32);
    Image.fill(Qt::white);
    {
        QPainter P(&Image);
        P.setFont(PaneFont());
        P.setBrush(Qt::white);
        P.setPen(QPen(Qt::black, 1));
        DrawKind(P, C, *Lumen, D, Kind, Regression);
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
