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

// The messages shown, each as "(icon) Title: Text": (?) a question, (i) an
// information, (x) an error.
QStringList Messages(const TScriptedDialogs &Dialogs);

// What the data set holds at the references of Expected ("C4=1.5"): "C4" a
// cell (its value when a number, else its text), "D" a column name, "#4" the
// name of line 4; compared with Expected itself.
QStringList Probe(const tLumen &L, const QStringList &Expected);
