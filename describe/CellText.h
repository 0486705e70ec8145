// Small drawing routines shared by every description and the editors: cell
// text with "#" overflow, the error notice, the hint box of an empty pane, and
// the canvas helpers the layouts are written in.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

// Draws Text in Cell with the given alignment; a text wider than the cell is
// replaced by a row of "#" characters clipped to the cell.
void DrawCellText(QPainter &P, const QString &Text, const QRect &Cell, int Align);

// The error sign (a red circle with a white cross) and Message beside it,
// with the font size doubled; the font is restored afterwards.
void DrawErrorNotice(QPainter &P, const QString &Message);

// The hint box of a pane without a chosen description.
void DrawPanePrompt(QPainter &P, const QRect &Pane, bool SomethingMarked, bool LinesAllowed);
// The text of that box.
QString PanePromptText(bool SomethingMarked, bool LinesAllowed);

namespace draw {

// Text height of "A" in the painter's font on its device.
int TextHeight(const QPainter &P);
int TextWidth(const QPainter &P, const QString &S);

// Whether R meets the painter's clip region (always, without clipping).
bool Visible(const QPainter &P, const QRect &R);

// Writes S with its top-left corner at (X, Y).
void TextOut(QPainter &P, int X, int Y, const QString &S);

// An outlined and filled rectangle covering L..R-1, T..B-1 with the current
// pen and brush.
void Rectangle(QPainter &P, int L, int T, int R, int B);

// Doubles the painter's font size for its lifetime.
class DoubledFont
{
public:
    explicit DoubledFont(QPainter &P);
    ~DoubledFont();
    DoubledFont(const DoubledFont &) = delete;
    DoubledFont &operator=(const DoubledFont &) = delete;

private:
    QPainter &Painter;
    QFont Saved;
};

} // namespace draw
