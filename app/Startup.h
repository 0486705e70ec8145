// Start-up of the program: translations, splash window, main window.
#pragma once

class QApplication;

// Runs Lumentor in App with the program's arguments; returns the exit code.
int RunLumentor(QApplication &App);
