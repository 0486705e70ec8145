// lumentor-cli render FILE.lmt SERIES --kind KIND [--size WxH] [--zoom PCT]
// -o OUT.png: draws one description into a picture as the copy-as-picture
// command does (the pane's font, a white background, a black pen one pixel
// wide), or with --zoom as a zoomed pane shows it: the same drawing enlarged.
// The kinds of two columns take two --col options; the data sticks and curve
// take up to six series.
#include "Command.h"
#include "Describe.h"
#include "Series.h"
#include "TwoVar.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>
#include <cstdint>

namespace
{

constexpr int MaxPictureSide = 20000;
// The data sticks and curve may be taller: 1000 rows of one or two series
// (at most 500 x 32767 pixels, 64 MB).
constexpr int MaxTallPicture = 32767;
// The zooms of the editors' panes, in percent.
constexpr int MinZoom = 100;
constexpr int MaxZoom = 300;

int ZoomedSide(int Side, int Percent)
{
    return int((int64_t(Side) * Percent + 99) / 100);
}

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
    case bkBoksplot:
        return BoxPlotPictureSize(D.SeriesCount());
    case bkChiTest: {
        const QSize S = ChiTestPaneSize(P, L, D, ChiTestFor(L, D, DataType), LineNameWidth);
        return S.isEmpty() ? QSize(400, 100) : S;
    }
    default:
        return QSize(400, 400);
    }
}

int Render(const QStringList &Args)
{
    QString KindText, SizeText, OutName, ModelText, ZoomText;
    QStringList Rest;
    bool Regression = false;
    if (!SplitOptions(Args,
                      {{"--kind", &KindText},
                       {"--size", &SizeText},
                       {"--model", &ModelText},
                       {"--zoom", &ZoomText},
                       {"-o", &OutName}},
                      {{"--regression", &Regression}}, Rest))
        return 2;
    int Zoom = 100;
    if (!ZoomText.isNull()) {
        bool Ok = false;
        Zoom = ZoomText.toInt(&Ok);
        if (!Ok || Zoom < MinZoom || Zoom > MaxZoom) {
            Err() << "Ugyldig zoom: " << ZoomText << " (" << MinZoom << " til " << MaxZoom
                  << " %)\n";
            return 2;
        }
    }
    const TBeskrivKind Kind = ParseKindName(KindText);
    if (Kind == bkIngen || OutName.isEmpty()) {
        return UsageError("render");
    }
    if (Regression && !TakesRegression(Kind))
        return RegressionRefused();
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
    // What the drawing needs at 100 %, enlarged by the zoom.
    QSize Needed = DefaultSize(Kind, *Lumen, D, C);
    Needed = QSize(ZoomedSide(Needed.width(), Zoom), ZoomedSide(Needed.height(), Zoom));
    // The data sticks and curve draw every row whatever the picture's
    // height: a picture too low would cut rows off without a word.
    if (Kind == bkDatapinde || Kind == bkDatakurve) {
        if (!Size.isValid() && Needed.height() > MaxTallPicture) {
            Err() << QStringLiteral("Der er for mange rækker til ét billede: det skulle være %1 "
                                    "punkter højt (højst %2)")
                         .arg(Needed.height())
                         .arg(MaxTallPicture)
                  << "\n";
            return 1;
        }
        if (Size.isValid() && Size.height() < Needed.height()) {
            Err() << QStringLiteral("Billedet er for lavt til alle rækker: det skal være mindst %1 "
                                    "punkter højt")
                         .arg(Needed.height())
                  << "\n";
            return 1;
        }
    }
    if (!Size.isValid())
        Size = Kind == bkDatapinde || Kind == bkDatakurve
                   ? Needed
                   : Needed.boundedTo(QSize(MaxPictureSide, MaxPictureSide));
    // The drawing is laid out at 100 % in the picture's size shrunk by the
    // zoom, and drawn enlarged, as a zoomed pane draws it.
    const double Factor = Zoom / 100.0;
    C.Width = int(std::ceil(Size.width() / Factor));
    C.Height = int(std::ceil(Size.height() / Factor));

    QImage Image(Size, QImage::Format_RGB32);
    Image.fill(Qt::white);
    {
        QPainter P(&Image);
        P.setFont(PaneFont());
        P.setBrush(Qt::white);
        P.setPen(QPen(Qt::black, 1));
        if (Zoom != 100)
            P.scale(Factor, Factor);
        DrawKind(P, C, *Lumen, D, Kind, Regression, Model);
    }
    if (!Image.save(OutName, "PNG")) {
        Err() << "Kunne ikke gemme billedet\n";
        return 1;
    }
    // The picture shows why there is no description; so does the exit
    // status.
    if (const QString Notice = DescriptionNotice(*Lumen, D, Kind); !Notice.isEmpty()) {
        Err() << Notice << "\n";
        return 1;
    }
    return 0;
}

CommandRegistrar R("render", &Render);

} // namespace
