// The one description of lumentor-cli's commands and options. "--help",
// "KOMMANDO --help", the usage shown after a usage error and the manual page
// (written at build time by ManPage.cpp) are all made from this table, so
// they cannot tell different stories.
//
// Adding a command or an option: edit its entry in HelpTable.cpp. A command
// gets one entry (kept in alphabetical order); every option it accepts gets
// one row in the entry's Options, with the option as typed (and its value's
// placeholder) and one or two Danish sentences. Texts are plain: no line
// breaks needed (the help is wrapped to the terminal's 80 columns, the manual
// page by man itself).
#pragma once

#include <vector>

struct tOptionHelp {
    const char *Option; // "--name NAVN"
    const char *Text;   // what it does
};

struct tCommandHelp {
    const char *Name;                 // "print"
    std::vector<const char *> Usages; // synopsis lines, without "lumentor-cli "
    const char *Text;                 // what the command does
    std::vector<tOptionHelp> Options; // every option, in the order of the usage
};

// Every command, in alphabetical order.
const std::vector<tCommandHelp> &CommandHelps();
// The entry of Name, nullptr when there is none.
const tCommandHelp *FindCommandHelp(const char *Name);

// Words used by several entries and explained once in the manual page.
extern const char *const SeriesHelp; // what SERIE stands for
extern const char *const KindHelp;   // what SLAGS stands for
extern const char *const ExitHelp;   // the exit statuses
