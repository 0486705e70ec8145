// What a description drawing needs to know about its target besides the
// painter: its size, whether it is a printer page, and the few system sizes
// the layouts use. The same routines paint panes, clipboard pictures and
// printer pages; only this context differs.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <algorithm>
#include <cmath>
#include <cstdint>

struct tDrawContext {
    int Width = 0;
    int Height = 0;
    bool ForPrinter = false;
    // Pixels per inch of the printer and of the screen; only their ratio
    // matters, and only when ForPrinter is set.
    int PrinterPpi = 96;
    int ScreenPpi = 96;
    // The system's vertical scroll bar width; the graphs keep that much room
    // free at the right and bottom.
    int ScrollBarWidth = 17;
    // The platform's button-face colour: frame border, grid lines, legend.
    QColor ButtonFace = QColor(0xD4, 0xD0, 0xC8);

    tDrawContext() = default;
    tDrawContext(int W, int H) : Width(W), Height(H) {}
    static tDrawContext Printer(int W, int H, int PrinterPpi, int ScreenPpi)
    {
        tDrawContext C(W, H);
        C.ForPrinter = true;
        C.PrinterPpi = PrinterPpi;
        C.ScreenPpi = ScreenPpi;
        return C;
    }

    // Printer pixels per screen pixel, rounded: extra half-width of sticks and
    // squares, 0 on the screen.
    int Extra() const
    {
        if (!ForPrinter || ScreenPpi <= 0)
            return 0;
        return int(std::lround(double(PrinterPpi) / ScreenPpi));
    }
    // The width of a line one screen pixel wide: 1 on the screen, on paper as
    // many printer pixels as a screen pixel covers, so that thin lines and
    // the dots of dotted lines keep their size in millimetres.
    int LineWidth() const { return std::max(1, Extra()); }
    // A screen size in pixels of the target.
    int Scaled(int ScreenPixels) const
    {
        if (!ForPrinter || ScreenPpi <= 0)
            return ScreenPixels;
        return int(int64_t(ScreenPixels) * PrinterPpi / ScreenPpi);
    }
};

namespace draw {

// Rectangles here are given by their left, top, right and bottom edges with
// the right and bottom edges outside the area, as the layouts count them.
inline QRect Box(int L, int T, int R, int B) { return QRect(L, T, R - L, B - T); }

// Nearest integer, halves to even.
inline int Rnd(long double Z)
{
    if (!(Z > -1e9L && Z < 1e9L))
        return Z > 0 ? 1000000000 : -1000000000;
    return int(std::llrint(Z));
}

} // namespace draw
