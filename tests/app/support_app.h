// Shared by the application tests: fixed locale and font, data files made
// through the data set itself, a main window with scripted dialogs.
#pragma once

#include "LumenForm.h"
#include "ScriptedDialogs.h"

#include <functional>
#include <memory>

void InitAppTest();

// Writes a data file of the given type; Fill puts the data in. Returns Path.
QString WriteLumenFile(const QString &Path, TDataType Type,
                       const std::function<void(tLumen &)> &Fill);

// A main window shown once (the start-up work done), answering through Dialogs.
std::unique_ptr<TLumenForm> StartedForm(TScriptedDialogs &Dialogs,
                                        const QStringList &Arguments = {});
