// lumentor-cli commands register themselves here; main() dispatches on the
// first argument. Each command lives in its own Cmd*.cpp file.
#pragma once

#include <QStringList>
#include <QTextStream>

using CommandFn = int (*)(const QStringList &Args);

struct CommandRegistrar {
    CommandRegistrar(const char *Name, CommandFn Fn, const char *Usage);
};

// Standard output and error as UTF-8 text streams.
QTextStream &Out();
QTextStream &Err();
