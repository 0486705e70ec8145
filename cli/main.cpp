#include "Command.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>

namespace
{
struct Entry {
    CommandFn Fn;
    const char *Usage;
    const char *Help;
};
std::map<std::string, Entry> &Registry()
{
    static std::map<std::string, Entry> R;
    return R;
}

bool IsHelpOption(const QString &Arg)
{
    return Arg == QLatin1String("--help") || Arg == QLatin1String("-h");
}

// One command's synopsis and, indented below it, its help lines.
void WriteUsage(QTextStream &S, const Entry &E)
{
    S << "  lumentor-cli " << QString::fromUtf8(E.Usage) << "\n";
    if (E.Help == nullptr)
        return;
    const QStringList Lines = QString::fromUtf8(E.Help).split(QLatin1Char('\n'));
    for (const QString &Line : Lines)
        S << "      " << Line << "\n";
}

void WriteAllUsages(QTextStream &S)
{
    S << "Brug: lumentor-cli KOMMANDO ...\n"
         "      lumentor-cli --help\n"
         "      lumentor-cli KOMMANDO --help\n"
         "Kommandoer:\n";
    for (const auto &[Name, E] : Registry())
        WriteUsage(S, E);
}
} // namespace

CommandRegistrar::CommandRegistrar(const char *Name, CommandFn Fn, const char *Usage,
                                   const char *Help)
{
    Registry()[Name] = Entry{Fn, Usage, Help};
}

namespace
{
// "--help" alone, or a known command followed by "--help" alone: the usage on
// standard output. -1 when the arguments ask for no help.
int Help(const QStringList &Args)
{
    if (Args.size() == 1 && IsHelpOption(Args.first())) {
        WriteAllUsages(Out());
        return 0;
    }
    if (Args.size() == 2 && IsHelpOption(Args.at(1))) {
        const auto It = Registry().find(Args.first().toStdString());
        if (It == Registry().end())
            return -1;
        Out() << "Brug:\n";
        WriteUsage(Out(), It->second);
        return 0;
    }
    return -1;
}
} // namespace

QTextStream &Out()
{
    static QTextStream S(stdout);
    return S;
}

QTextStream &Err()
{
    static QTextStream S(stderr);
    return S;
}

int main(int argc, char **argv)
{
    // Drawing commands need a GUI application; without a display the
    // offscreen platform serves.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session (a script, a CI job) Qt would complain on standard
    // error that it has no runtime folder; give it a private one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QString Dir = QDir::tempPath() + QStringLiteral("/lumentor-cli-runtime-") +
                      QString::number(qulonglong(getuid()));
        QDir().mkpath(Dir);
        QFile::setPermissions(Dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(Dir));
    }
    QGuiApplication App(argc, argv);
    QLocale::setDefault(QLocale::c());
    QStringList Args = App.arguments().mid(1);
    if (const int Rc = Help(Args); Rc >= 0) {
        Out().flush();
        return Rc;
    }
    if (Args.isEmpty() || !Registry().count(Args.first().toStdString())) {
        WriteAllUsages(Err());
        Err().flush();
        return 2;
    }
    const Entry &E = Registry()[Args.first().toStdString()];
    int Rc = E.Fn(Args.mid(1));
    Out().flush();
    Err().flush();
    return Rc;
}

bool SplitOptions(const QStringList &Args, std::initializer_list<tValueOption> Values,
                  std::initializer_list<tFlagOption> Flags, QStringList &Rest)
{
    for (int I = 0; I < Args.size(); ++I) {
        const QString &A = Args[I];
        bool Taken = false;
        for (const tFlagOption &F : Flags)
            if (A == QLatin1String(F.Name)) {
                *F.Set = true;
                Taken = true;
            }
        for (const tValueOption &V : Values)
            if (!Taken && A == QLatin1String(V.Name)) {
                if (I + 1 >= Args.size()) {
                    Err() << "Mangler værdi efter " << A << "\n";
                    return false;
                }
                *V.Value = Args[++I];
                Taken = true;
            }
        if (!Taken)
            Rest << A;
    }
    return true;
}
