#include "Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace
{
const QColor Navy(0, 0, 128);

// Glyphs are drawn on a 16 x 16 grid and scaled.
void DrawGlyph(QPainter &P, TGlyph Glyph)
{
    P.setRenderHint(QPainter::Antialiasing);
    const QPen Black(Qt::black, 1);
    switch (Glyph) {
    case TGlyph::Cut:
        P.setPen(QPen(Qt::black, 1.4));
        P.drawLine(QPointF(4, 1), QPointF(10, 11));
        P.drawLine(QPointF(12, 1), QPointF(6, 11));
        P.setPen(QPen(Navy, 1.4));
        P.setBrush(Qt::NoBrush);
        P.drawEllipse(QPointF(4.5, 12.5), 2.3, 2.3);
        P.drawEllipse(QPointF(11.5, 12.5), 2.3, 2.3);
        break;
    case TGlyph::Copy:
        P.setPen(Black);
        P.setBrush(Qt::white);
        P.drawRect(QRectF(1.5, 1.5, 8, 10));
        P.setPen(QPen(Navy, 1));
        P.drawRect(QRectF(6.5, 4.5, 8, 10));
        for (double Y : {7.5, 9.5, 11.5})
            P.drawLine(QPointF(8, Y), QPointF(13, Y));
        break;
    case TGlyph::Paste:
        P.setPen(Black);
        P.setBrush(QColor(192, 128, 64));
        P.drawRect(QRectF(1.5, 2.5, 10, 12));
        P.setBrush(Qt::gray);
        P.drawRect(QRectF(4, 1, 5, 3));
        P.setPen(QPen(Navy, 1));
        P.setBrush(Qt::white);
        P.drawRect(QRectF(7.5, 6.5, 7, 8));
        break;
    case TGlyph::Clear:
        P.setPen(Black);
        P.setBrush(Qt::white);
        P.drawRect(QRectF(2.5, 1.5, 11, 13));
        P.setPen(QPen(QColor(192, 0, 0), 2));
        P.drawLine(QPointF(4, 4), QPointF(12, 12));
        P.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case TGlyph::Print:
        P.setPen(Black);
        P.setBrush(Qt::white);
        P.drawRect(QRectF(4.5, 1.5, 7, 5));
        P.setBrush(QColor(192, 192, 192));
        P.drawRect(QRectF(1.5, 6.5, 13, 6));
        P.setBrush(Qt::white);
        P.drawRect(QRectF(4.5, 10.5, 7, 4));
        P.setPen(Qt::NoPen);
        P.setBrush(QColor(0, 128, 0));
        P.drawEllipse(QPointF(12.5, 8.5), 0.8, 0.8);
        break;
    case TGlyph::Text:
        P.setPen(Black);
        P.setBrush(QColor(255, 251, 240));
        P.drawRect(QRectF(2.5, 1.5, 11, 13));
        P.setPen(QPen(Navy, 1));
        for (double Y : {4.5, 6.5, 8.5})
            P.drawLine(QPointF(4.5, Y), QPointF(11.5, Y));
        P.drawLine(QPointF(4.5, 10.5), QPointF(9, 10.5));
        break;
    }
}

QPixmap GlyphPixmap(TGlyph Glyph, int Size, bool Disabled)
{
    QPixmap Pixmap(Size, Size);
    Pixmap.fill(Qt::transparent);
    QPainter P(&Pixmap);
    P.scale(Size / 16.0, Size / 16.0);
    if (Disabled)
        P.setOpacity(0.35);
    DrawGlyph(P, Glyph);
    return Pixmap;
}
} // namespace

QIcon GlyphIcon(TGlyph Glyph)
{
    QIcon Icon;
    for (int Size : {16, 24, 32}) {
        Icon.addPixmap(GlyphPixmap(Glyph, Size, false), QIcon::Normal);
        Icon.addPixmap(GlyphPixmap(Glyph, Size, true), QIcon::Disabled);
    }
    return Icon;
}

void DrawLogo(QPainter &P, const QRectF &Rect)
{
    P.save();
    P.setRenderHint(QPainter::Antialiasing);
    P.translate(Rect.topLeft());
    P.scale(Rect.width() / 128.0, Rect.height() / 128.0);
    P.setPen(Qt::NoPen);
    P.setBrush(Navy);
    P.drawRoundedRect(QRectF(4, 4, 120, 120), 18, 18);
    P.setPen(QPen(Qt::white, 4));
    P.drawLine(QPointF(22, 104), QPointF(108, 104));
    P.drawLine(QPointF(22, 104), QPointF(22, 20));
    P.setPen(Qt::NoPen);
    const QColor Gold(255, 215, 0), Orange(255, 140, 0);
    P.setBrush(Gold);
    P.drawRect(QRectF(32, 70, 14, 34));
    P.drawRect(QRectF(72, 30, 14, 74));
    P.setBrush(Orange);
    P.drawRect(QRectF(52, 44, 14, 60));
    P.drawRect(QRectF(92, 58, 14, 46));
    P.setPen(QPen(Qt::white, 3));
    P.setBrush(Qt::NoBrush);
    const QPointF Curve[] = {{39, 64}, {59, 38}, {79, 24}, {99, 52}};
    P.drawPolyline(Curve, 4);
    P.restore();
}

QPixmap LogoPixmap(int Size)
{
    QPixmap Pixmap(Size, Size);
    Pixmap.fill(Qt::transparent);
    QPainter P(&Pixmap);
    DrawLogo(P, QRectF(0, 0, Size, Size));
    return Pixmap;
}
