// Window titles that the window manager must not cut: a dialog is made at
// least as wide as its title needs, with room for the title bar's icon and
// buttons.
#pragma once

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

// The width a title bar needs for Title: the text in a bold, slightly larger
// font than the program's (as title bars commonly use) plus the icon and the
// buttons beside it.
inline int TitleBarWidth(const QString &Title)
{
    QFont F = QApplication::font();
    F.setBold(true);
    if (F.pointSizeF() > 0)
        F.setPointSizeF(F.pointSizeF() * 1.15);
    else if (F.pixelSize() > 0)
        F.setPixelSize(F.pixelSize() * 115 / 100);
    return QFontMetrics(F).horizontalAdvance(Title) + 100;
}

// Widens W (a fixed width stays fixed) so that its title fits.
inline void FitTitle(QWidget *W)
{
    const int Need = TitleBarWidth(W->windowTitle());
    if (W->minimumWidth() == W->maximumWidth()) {
        if (W->width() < Need)
            W->setFixedWidth(Need);
    } else {
        W->setMinimumWidth(std::max(W->minimumWidth(), Need));
    }
}
