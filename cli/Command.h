// lumentor-cli commands register themselves here; main() dispatches on the
// first argument. Each command lives in its own Cmd*.cpp file.
// "lumentor-cli --help" and "lumentor-cli KOMMANDO --help" print the usage
// registered with the commands.
#pragma once

#include <QStringList>
#include <QTextStream>
#include <initializer_list>

using CommandFn = int (*)(const QStringList &Args);

// Usage is the command's synopsis ("info FIL.lmt"); Help, a few Danish lines
// on what it does and its options, printed by "--help" below the synopsis.
struct CommandRegistrar {
    CommandRegistrar(const char *Name, CommandFn Fn, const char *Usage, const char *Help = nullptr);
};

// Splits Args into the options that take a value (Values: name and where
// the value goes), the options that stand alone (Flags) and the rest, in
// order. False, with "Mangler værdi efter ..." on standard error, when a
// value option ends the arguments.
struct tValueOption {
    const char *Name;
    QString *Value;
};
struct tFlagOption {
    const char *Name;
    bool *Set;
};
bool SplitOptions(const QStringList &Args, std::initializer_list<tValueOption> Values,
                  std::initializer_list<tFlagOption> Flags, QStringList &Rest);

// Standard output and error as UTF-8 text streams.
QTextStream &Out();
QTextStream &Err();
