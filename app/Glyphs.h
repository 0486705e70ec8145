// The program's small pictures, drawn in code so that they need no image
// plug-in: the logo and the glyphs of the text window's buttons.
#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

enum class TGlyph { Cut, Copy, Paste, Clear, Print, Text };

QIcon GlyphIcon(TGlyph Glyph);
// The logo (a bar chart on navy) filling Rect.
void DrawLogo(QPainter &Painter, const QRectF &Rect);
QPixmap LogoPixmap(int Size);
