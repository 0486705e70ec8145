#include "CellText.h"

#include "DrawContext.h"

#include <QFontMetrics>
#include <QPolygon>

namespace draw {

int TextHeight(const QPainter &P) { return P.fontMetrics().height(); }

int TextWidth(const QPainter &P, const QString &S) { return P.fontMetrics().horizontalAdvance(S); }

bool Visible(const QPainter &P, const QRect &R)
{
    if (!P.hasClipping())
        return true;
    // The clip is kept in logical coordinates, so a moved origin is honoured.
    return P.clipBoundingRect().toAlignedRect().intersects(R);
}

void TextOut(QPainter &P, int X, int Y, const QString &S)
{
    const QFontMetrics Fm = P.fontMetrics();
    P.drawText(QPoint(X, Y + Fm.ascent()), S);
}

void Rectangle(QPainter &P, int L, int T, int R, int B)
{
    if (R <= L || B <= T)
        return;
    const QPen &Pen = P.pen();
    if (Pen.style() == Qt::NoPen) {
        P.fillRect(Box(L, T, R, B), P.brush());
        return;
    }
    // A one-pixel solid outline is two fills, much cheaper than stroking;
    // the pixels are the same.
    const QBrush &Brush = P.brush();
    if (Pen.style() == Qt::SolidLine && Pen.widthF() <= 1 && Pen.brush().style() == Qt::SolidPattern
        && Brush.style() == Qt::SolidPattern && P.transform().type() <= QTransform::TxTranslate
        && !P.testRenderHint(QPainter::Antialiasing)) {
        P.fillRect(Box(L, T, R, B), Pen.color());
        if (R - L > 2 && B - T > 2)
            P.fillRect(Box(L + 1, T + 1, R - 1, B - 1), Brush.color());
        return;
    }
    // With a one-pixel pen Qt's outline covers L..L+w, so w is one less.
    P.drawRect(QRect(L, T, R - L - 1, B - T - 1));
}

DoubledFont::DoubledFont(QPainter &P) : Painter(P), Saved(P.font())
{
    QFont F = Saved;
    if (F.pixelSize() > 0)
        F.setPixelSize(F.pixelSize() * 2);
    else
        F.setPointSizeF(F.pointSizeF() * 2);
    P.setFont(F);
}

DoubledFont::~DoubledFont() { Painter.setFont(Saved); }

} // namespace draw

void DrawCellText(QPainter &P, const QString &Text, const QRect &Cell, int Align)
{
    if (!draw::Visible(P, Cell))
        return;
    const int Flags = Align | Qt::TextSingleLine | Qt::TextDontClip;
    if (P.fontMetrics().horizontalAdvance(Text) <= Cell.width()) {
        P.drawText(Cell, Flags, Text);
        return;
    }
    static const QString Hashes(47, QLatin1Char('#'));
    P.save();
    P.setClipRect(Cell, Qt::IntersectClip);
    P.drawText(Cell, Flags, Hashes);
    P.restore();
}

void DrawErrorNotice(QPainter &P, const QString &Message)
{
    draw::DoubledFont Big(P);
    const QBrush OldBrush = P.brush();
    P.setBrush(QColor(0xFF, 0x00, 0x00));
    P.drawEllipse(QRect(4, 4, 30 - 1, 30 - 1));
    static const int Cross[12][2] = {{18, 14}, {22, 10}, {26, 14}, {22, 18}, {26, 22}, {22, 26},
                                     {18, 22}, {14, 26}, {10, 22}, {14, 18}, {10, 14}, {14, 10}};
    QPolygon Poly;
    for (const auto &Pt : Cross)
        Poly << QPoint(Pt[0], Pt[1]);
    const QPen OldPen = P.pen();
    P.setPen(QPen(Qt::white, 1));
    P.setBrush(Qt::white);
    P.drawPolygon(Poly);
    P.setPen(OldPen);
    P.setBrush(OldBrush);
    draw::TextOut(P, 40, (36 - draw::TextHeight(P)) / 2, Message);
}

QString PanePromptText(bool SomethingMarked, bool LinesAllowed)
{
    const QString Choose = QStringLiteral("Vælg beskrivelse i listen herover");
    if (SomethingMarked)
        return Choose;
    const QString Mark = LinesAllowed
                             ? QStringLiteral("Afmærk kolonne(r) eller linje(r) der skal beskrives. ")
                             : QStringLiteral("Afmærk kolonne(r) der skal beskrives. ");
    return Mark + QLatin1Char('\n') + Choose;
}

void DrawPanePrompt(QPainter &P, const QRect &Pane, bool SomethingMarked, bool LinesAllowed)
{
    const QString Text = PanePromptText(SomethingMarked, LinesAllowed);
    const QRect Area = Pane.adjusted(16, 16, -16, -16);
    const int Flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRect Measured = P.boundingRect(Area, Flags, Text);
    const QRect Frame = Measured.adjusted(-8, -8, 8, 8);
    P.setPen(QPen(Qt::black, P.pen().widthF()));
    P.setBrush(QColor(0xFF, 0xFB, 0xF0));
    draw::Rectangle(P, Frame.left(), Frame.top(), Frame.left() + Frame.width(),
                    Frame.top() + Frame.height());
    P.drawText(Measured, Flags, Text);
    P.setBrush(Qt::white);
}
