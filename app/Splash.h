// The splash window shown while the program starts.
#pragma once

#include <QWidget>

class TSplashScreen : public QWidget
{
  public:
    TSplashScreen();

  protected:
    void paintEvent(QPaintEvent *Event) override;
};
