// The small pictures of the editors, painted in code so that they scale and
// need no resource files: tool-bar glyphs, the edit direction arrows and the
// icons of the description lists.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The glyph of a tool button, by the button's name (NewSpeed, OpenSpeed, ...).
QIcon ToolGlyph(const QString &ButtonName);

// The edit direction glyphs "vanpil" (right), "lodpil" (down) and
// "ingenpil" (stay), by resource name.
QPixmap DirectionGlyph(const QString &ResourceName);
// The resource name for an edit direction value.
QString DirectionResource(int Direction);

// The 18 x 18 icon of a description kind list item: Row is the item's row in
// the strip (kind - 1), State 0 allowed, 1 allowed under the selection bar,
// 2 not allowed, 3 not allowed under the selection bar. Rows 0..9 come from
// the strip, those of the box plot and the histogram (10, 11), of the
// regression models and the residual plot (12, 13) and of the chi-square
// test and the normal plot (14, 15) are painted alike; null for a row
// without an icon.
QPixmap KindIcon(int Row, int State);
// The strip of the first ten kinds: 72 x 180, rows of 18, columns at x = 0,
// 18, 36, 54.
QPixmap KindIconStrip();
