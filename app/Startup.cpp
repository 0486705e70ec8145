#include "Startup.h"

#include "LumenForm.h"
#include "Splash.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int RunLumentor(QApplication &App)
{
    // Qt's own texts (buttons of message boxes, file dialogs) in Danish.
    auto *QtDanish = new QTranslator(&App);
    if (QtDanish->load(QStringLiteral("qtbase_da"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(QtDanish);

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
    Form.showMaximized();
    return App.exec();
}
