#include "Startup.h"

#include "LumenForm.h"
#include "Splash.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

bool InstallDanishTranslation(QCoreApplication &App)
{
    auto *QtDanish = new QTranslator(&App);
    if (!QtDanish->load(QStringLiteral("qtbase_da"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete QtDanish;
        return false;
    }
    return QCoreApplication::installTranslator(QtDanish);
}

int RunLumentor(QApplication &App)
{
    InstallDanishTranslation(App);

    auto *Splash = new TSplashScreen;
    Splash->show();
    Splash->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(QStringLiteral("Lumentor"));

    // LUMENTOR_NO_SPLASH_WAIT skips the three seconds (scripts, screenshots).
    const int Wait = qEnvironmentVariableIsSet("LUMENTOR_NO_SPLASH_WAIT") ? 0 : 3000;
    TLumenForm Form(Wait);
    Form.SetSplash(Splash);
    Form.SetArguments(App.arguments().mid(1));
    // The whole screen also where no window manager maximises.
    if (QScreen *Screen = QGuiApplication::primaryScreen())
        Form.setGeometry(Screen->availableGeometry());
    Form.showMaximized();
    return App.exec();
}
