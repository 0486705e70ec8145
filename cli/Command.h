// lumentor-cli commands register themselves here; main() dispatches on the
// first argument. Each command lives in its own Cmd*.cpp file.
// "lumentor-cli --help" and "lumentor-cli KOMMANDO --help" print the usage
// registered with the commands.
#pragma once

#include <QStringList>
#include <QTextStream>

using CommandFn = int (*)(const QStringList &Args);

// Usage is the command's synopsis ("info FIL.lmt"); Help, a few Danish lines
// on what it does and its options, printed by "--help" below the synopsis.
struct CommandRegistrar {
    CommandRegistrar(const char *Name, CommandFn Fn, const char *Usage, const char *Help = nullptr);
};

// Standard output and error as UTF-8 text streams.
QTextStream &Out();
QTextStream &Err();
