// Start-up of the program: translations, splash window, main window.
#pragma once

class QApplication;
class QCoreApplication;

// Qt's own texts (message box buttons, file dialogs) in Danish; false when
// the translation is not installed.
bool InstallDanishTranslation(QCoreApplication &App);

// Runs Lumentor in App with the program's arguments; returns the exit code.
int RunLumentor(QApplication &App);
