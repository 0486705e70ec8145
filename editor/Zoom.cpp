#include "Zoom.h"

#include <cmath>
#include <cstdlib>

namespace zoom
{

int Next(int Percent, int Direction)
{
    if (Direction > 0) {
        for (int S : Steps)
            if (S > Percent)
                return S;
        return Steps.back();
    }
    if (Direction < 0) {
        for (auto It = Steps.rbegin(); It != Steps.rend(); ++It)
            if (*It < Percent)
                return *It;
        return Steps.front();
    }
    return Valid(Percent);
}

int Valid(int Percent)
{
    int Best = Normal;
    for (int S : Steps)
        if (std::abs(S - Percent) < std::abs(Best - Percent))
            Best = S;
    return Best;
}

QString StatusText(int Percent)
{
    return QStringLiteral("Zoom %1 %").arg(Percent);
}

int Scaled(int Size, double Factor)
{
    return int(std::lround(Size * Factor));
}

QFont ScaledFont(const QFont &Font, double Factor)
{
    QFont F = Font;
    if (F.pixelSize() > 0)
        F.setPixelSize(Scaled(F.pixelSize(), Factor));
    else if (F.pointSizeF() > 0)
        F.setPointSizeF(F.pointSizeF() * Factor);
    return F;
}

int WheelSteps(int &Rest, int Delta)
{
    constexpr int Notch = 120;
    // A turn the other way starts afresh.
    if ((Rest > 0 && Delta < 0) || (Rest < 0 && Delta > 0))
        Rest = 0;
    Rest += Delta;
    const int Steps = Rest / Notch;
    Rest -= Steps * Notch;
    return Steps;
}

} // namespace zoom
