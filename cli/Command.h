// lumentor-cli commands register themselves here; main() dispatches on the
// first argument. Each command lives in its own Cmd*.cpp file.
// "lumentor-cli --help" and "lumentor-cli KOMMANDO --help" print the usage
// and options described in HelpTable.cpp, where every command has its entry.
#pragma once

#include <QStringList>
#include <QTextStream>
#include <initializer_list>

using CommandFn = int (*)(const QStringList &Args);

// Name must have its entry in HelpTable.cpp.
struct CommandRegistrar {
    CommandRegistrar(const char *Name, CommandFn Fn);
};

// Writes "Brug:" and Command's synopsis lines (from HelpTable.cpp) to
// standard error; returns 2, the exit status of a usage error.
int UsageError(const char *Command);

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
