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

constexpr int MaxPictureSide = 20000;

const char *Usage = "render FIL.lmt --col A|--line N|--hyp N|--grup N --kind " LUMEN_KIND_USAGE
                    " [--regression] " LUMEN_MODEL_USAGE " [--size BxH] -o UD.png";

QSize DefaultSize(TBeskrivKind Kind, const tLumen &L, const tDescriptor &D, const tDrawContext &C)
{
    QImage Probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter P(&Probe);
    P.setFont(PaneFont());
    const bool Grouped = D.IsGrouped();
    if (Kind == bkMaerketal && IsTwoVariableKind(L, Kind))
        return PairKeyFiguresPaneSize(P);
    if (Kind == bkRegression)
        return RegressionPaneSize(P, L, D);
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

int Render(const QStringList &Args)
{
    QString KindText, SizeText, OutName, ModelText;
    QStringList Rest;
    bool Regression = false;
    if (!SplitOptions(Args,
                      {{"--kind", &KindText},
                       {"--size", &SizeText},
                       {"--model", &ModelText},
                       {"-o", &OutName}},
                      {{"--regression", &Regression}}, Rest))
        return 2;
    const TBeskrivKind Kind = ParseKindName(KindText);
    if (Kind == bkIngen || OutName.isEmpty()) {
        Err() << "Brug: lumentor-cli " << Usage << "\n";
        return 2;
    }
    int Model = 0;
    if (!ReadModelOption(ModelText, Kind, Regression, Model))
        return 2;
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
    if (!KindOffered(D, Kind, Error)) {
        Err() << Error << "\n";
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
        DrawKind(P, C, *Lumen, D, Kind, Regression, Model);
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
                   "--size BxH: billedets bredde og højde i punkter (1 til 20000).\n"
                   "--regression: krydsdiagrammets regressionslinje; --model vælger i stedet\n"
                   "den eksponentielle eller potens-kurven (lineaer, eksponentiel, potens),\n"
                   "også residualplottets model.");

} // namespace
