// The zoom of the editors' grids and description panes, for a classroom
// projector: a few fixed steps in percent, the same for all three editors.
// 100 % is the normal size; printing and picture copies always use it.
#pragma once

#include <QFont>
#include <QString>
#include <array>

namespace zoom
{
constexpr int Normal = 100;
constexpr std::array<int, 6> Steps = {100, 125, 150, 200, 250, 300};

// The step after Percent in Direction (+1 larger, -1 smaller); Percent
// itself at either end. A value between steps goes to the next step that
// way.
int Next(int Percent, int Direction);
// Percent when it is a step, else the nearest step (a hand-edited setting).
int Valid(int Percent);
// The status line's "Zoom 150 %".
QString StatusText(int Percent);
// Percent as a factor (150 -> 1.5).
inline double Factor(int Percent)
{
    return Percent / 100.0;
}
// Size scaled by Factor, rounded.
int Scaled(int Size, double Factor);
// Font enlarged by Factor, in the unit it was given in (pixels or points).
QFont ScaledFont(const QFont &Font, double Factor);
// The wheel turned by Delta (eighths of a degree): adds it to Rest and
// returns the whole notches (120) it makes, positive away from the user;
// Rest keeps what is left, so that a fine-grained touch pad zooms too.
int WheelSteps(int &Rest, int Delta);
} // namespace zoom
