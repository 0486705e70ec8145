// Helpers for the drawing tests: a data set with one described column and a
// canvas set up as a pane sets it up (fixed font, white brush, black pen).
#pragma once

#include "Descriptor.h"
#include "Lumen.h"

#include <QFont>
#include <QImage>
#include <QMap>
#include <QPaintEngine>
#include <QPainter>
#include <QStringList>
#include <cmath>
#include <memory>

namespace testdraw
{

inline QFont PaneFont()
{
    QFont F(QStringLiteral("Liberation Sans"));
    F.setPixelSize(11);
    return F;
}

// Observations in column A (marked), optional grouping left to the caller.
inline std::unique_ptr<tLumen> ObsColumn(const QStringList &Values, int Decimals = 0,
                                         const QString &Name = QStringLiteral("Alder"))
{
    auto L = std::make_unique<tLumen>();
    for (int I = 0; I < Values.size(); ++I)
        L->SetCellText(I, 0, Values[I]);
    L->SetColName(0, Name);
    L->SetDecimals(0, Decimals);
    L->ToggleColSelected(0);
    return L;
}

// Frequency column 1 with the given value and frequency rows (marked).
inline std::unique_ptr<tLumen> HypColumn(const QStringList &Values, const QStringList &Freqs)
{
    auto L = std::make_unique<tLumen>();
    for (int I = 0; I < Values.size(); ++I) {
        L->SetHypObsText(I, 0, Values[I]);
        L->SetHypFreqText(I, 0, Freqs[I]);
    }
    L->SetHypName(0, QStringLiteral("Antal"));
    L->ToggleHypColSelected(0);
    return L;
}

// Automatic classes of width B - A from A, touching, Count of them, on column 0.
inline void AutoClasses(tLumen &L, double A, double B, int Count)
{
    L.SetGroupKind(0, gkAuto);
    L.SetFirstLower(0, A);
    L.SetFirstUpper(0, B);
    L.SetGap(0, 0);
    L.SetGroupCount(0, Count);
}

// Class column 0 (marked) from rows of lower bound, upper bound and h.
inline std::unique_ptr<tLumen> ClassColumn(const QStringList &Rows)
{
    auto L = std::make_unique<tLumen>();
    for (int I = 0; I + 2 < Rows.size(); I += 3) {
        L->SetGrupLowText(I / 3, 0, Rows[I]);
        L->SetGrupHighText(I / 3, 0, Rows[I + 1]);
        L->SetGrupFreqText(I / 3, 0, Rows[I + 2]);
    }
    L->ToggleGrupColSelected(0);
    return L;
}

inline tDescriptor &Recomputed(tLumen &L, TDataType Type = dtObs)
{
    DataType = Type;
    tDescriptor &D = DescriptorOf(L);
    D.SetOwner(Type);
    D.MarkStale();
    D.Recompute(L);
    return D;
}

inline void Prepare(QPainter &P)
{
    P.setFont(PaneFont());
    P.setBrush(Qt::white);
    P.setPen(QPen(Qt::black, 1));
}

// Draws into a white W x H canvas prepared as above.
template <class tFn> QImage Drawn(int W, int H, tFn &&Draw)
{
    QImage Img(W, H, QImage::Format_RGB32);
    Img.fill(Qt::white);
    {
        QPainter P(&Img);
        Prepare(P);
        Draw(P);
    }
    return Img;
}

struct tTextItem {
    QPoint At; // where the baseline starts
    int Right; // where the text ends
    QString Text;
    int PixelSize;
    QColor Colour;
};
using tTexts = QVector<tTextItem>;

// The texts of each baseline, top to bottom, each line's texts joined by "|"
// in the order of their right ends (a too wide text in a right-aligned cell
// starts left of its neighbours).
inline QStringList Lines(const tTexts &Items)
{
    QMap<int, QMap<int, QString>> ByLine;
    for (const tTextItem &I : Items)
        ByLine[I.At.y()][I.Right] += I.Text;
    QStringList Out;
    for (const auto &Line : ByLine)
        Out << QStringList(Line.values()).join(QLatin1Char('|'));
    return Out;
}

inline const tTextItem *Find(const tTexts &Items, const QString &Text)
{
    for (const tTextItem &I : Items)
        if (I.Text == Text)
            return &I;
    return nullptr;
}

// A paint device that keeps only what a drawing writes: every text with the
// point its baseline starts at (in device pixels) and its font's pixel size.
class tTextLog : public QPaintDevice
{
  public:
    QVector<tTextItem> Items;

    tTextLog(int W, int H) : W(W), H(H), Engine(this) {}
    QPaintEngine *paintEngine() const override { return &Engine; }

  protected:
    int metric(PaintDeviceMetric M) const override
    {
        if (M == PdmWidth || M == PdmHeight)
            return M == PdmWidth ? W : H;
        if (M >= PdmDpiX && M <= PdmPhysicalDpiY)
            return 96;
        if (M == PdmDevicePixelRatioScaled)
            return int(devicePixelRatioFScale());
        return M == PdmDepth ? 32 : M == PdmDevicePixelRatio ? 1 : QPaintDevice::metric(M);
    }

  private:
    class tEngine : public QPaintEngine
    {
      public:
        explicit tEngine(tTextLog *Log) : QPaintEngine(AllFeatures), Log(Log) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF &P, const QTextItem &Item) override
        {
            const QPointF At = painter()->deviceTransform().map(P);
            Log->Items.append({At.toPoint(), int(std::lround(At.x() + Item.width())), Item.text(),
                               Item.font().pixelSize(), painter()->pen().color()});
        }
        Type type() const override { return User; }

      private:
        tTextLog *Log;
    };
    int W, H;
    mutable tEngine Engine;
};

// What Draw writes on a W x H target prepared as a pane.
template <class tFn> tTexts Written(int W, int H, tFn &&Draw)
{
    tTextLog Log(W, H);
    {
        QPainter P(&Log);
        Prepare(P);
        Draw(P);
    }
    return Log.Items;
}

} // namespace testdraw
