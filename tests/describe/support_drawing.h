// Helpers for the drawing tests: a data set with one described column and a
// canvas set up as a pane sets it up (fixed font, white brush, black pen).
#pragma once

#include "Descriptor.h"
#include "Lumen.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QStringList>
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

inline tDescriptor &Recomputed(tLumen &L, TDataType Type = dtObs)
{
    DataType = Type;
    tDescriptor &D = DescriptorOf(L);
    D.SetOwner(Type);
    D.MarkStale();
    D.Recompute(L);
    return D;
}

inline QImage Canvas(int W, int H)
{
    QImage I(W, H, QImage::Format_RGB32);
    I.fill(Qt::white);
    return I;
}

inline void Prepare(QPainter &P)
{
    P.setFont(PaneFont());
    P.setBrush(Qt::white);
    P.setPen(QPen(Qt::black, 1));
}

inline QRgb Rgb(const QColor &C)
{
    return C.rgb();
}

// Draws into a white W x H canvas prepared as above.
template <class tFn> QImage Drawn(int W, int H, tFn &&Draw)
{
    QImage Img = Canvas(W, H);
    {
        QPainter P(&Img);
        Prepare(P);
        Draw(P);
    }
    return Img;
}

} // namespace testdraw
