#include "Splash.h"

#include "Glyphs.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TSplashScreen::TSplashScreen()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(420, 260);
    if (QScreen *Screen = QGuiApplication::primaryScreen())
        move(Screen->geometry().center() - rect().center());
}

void TSplashScreen::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    P.fillRect(rect(), QColor(0, 0, 128));
    const int Size = 128;
    DrawLogo(P, QRectF((width() - Size) / 2.0, 30, Size, Size));
    QFont F = font();
    F.setPointSize(22);
    F.setBold(true);
    P.setFont(F);
    P.setPen(Qt::white);
    P.drawText(QRect(0, 30 + Size + 10, width(), 40), Qt::AlignCenter, QStringLiteral("Lumentor"));
}
