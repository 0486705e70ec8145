#include "Command.h"
#include "HelpTable.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <unistd.h>

namespace
{
std::map<std::string, CommandFn> &Registry()
{
    static std::map<std::string, CommandFn> R;
    return R;
}

bool IsHelpOption(const QString &Arg)
{
    return Arg == QLatin1String("--help") || Arg == QLatin1String("-h");
}

// Text broken into lines of at most 79 characters (a longer word stands on
// its own line), each line indented by Indent spaces.
void WriteWrapped(QTextStream &S, const QString &Text, int Indent)
{
    const QString Pad(Indent, QLatin1Char(' '));
    QString Line;
    for (const QString &Word : Text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!Line.isEmpty() && Indent + Line.size() + 1 + Word.size() > 79) {
            S << Pad << Line << "\n";
            Line.clear();
        }
        Line += (Line.isEmpty() ? QString() : QStringLiteral(" ")) + Word;
    }
    if (!Line.isEmpty())
        S << Pad << Line << "\n";
}

// One command's synopsis lines and, indented below them, what it does and
// its options.
void WriteUsage(QTextStream &S, const tCommandHelp &H, bool Options)
{
    for (const char *Usage : H.Usages)
        S << "  lumentor-cli " << QString::fromUtf8(Usage) << "\n";
    WriteWrapped(S, QString::fromUtf8(H.Text), 6);
    if (!Options)
        return;
    for (const tOptionHelp &O : H.Options) {
        S << "      " << QString::fromUtf8(O.Option) << "\n";
        WriteWrapped(S, QString::fromUtf8(O.Text), 10);
    }
}

void WriteAllUsages(QTextStream &S, bool Options)
{
    S << "Brug: lumentor-cli KOMMANDO ...\n"
         "      lumentor-cli --help\n"
         "      lumentor-cli KOMMANDO --help\n"
         "Kommandoer:\n";
    for (const tCommandHelp &H : CommandHelps())
        WriteUsage(S, H, Options);
    if (!Options)
        return;
    S << "Fælles:\n";
    WriteWrapped(S, QString::fromUtf8(SeriesHelp), 6);
    WriteWrapped(S, QString::fromUtf8(KindHelp), 6);
    S << "Afslutningsstatus:\n";
    WriteWrapped(S, QString::fromUtf8(ExitHelp), 6);
}
} // namespace

CommandRegistrar::CommandRegistrar(const char *Name, CommandFn Fn)
{
    Registry()[Name] = Fn;
}

int UsageError(const char *Command)
{
    Err() << "Brug:\n";
    if (const tCommandHelp *H = FindCommandHelp(Command))
        for (const char *Usage : H->Usages)
            Err() << "  lumentor-cli " << QString::fromUtf8(Usage) << "\n";
    Err() << "(lumentor-cli " << Command << " --help forklarer tilvalgene)\n";
    return 2;
}

namespace
{
// "--help" alone, or a known command followed by "--help" alone: the usage on
// standard output. -1 when the arguments ask for no help.
int Help(const QStringList &Args)
{
    if (Args.size() == 1 && IsHelpOption(Args.first())) {
        WriteAllUsages(Out(), true);
        return 0;
    }
    if (Args.size() == 2 && IsHelpOption(Args.at(1))) {
        const tCommandHelp *H = FindCommandHelp(Args.first().toUtf8().constData());
        if (H == nullptr || !Registry().count(H->Name))
            return -1;
        Out() << "Brug:\n";
        WriteUsage(Out(), *H, true);
        // The words of the synopsis explained once for all commands.
        bool Series = false, Kinds = false;
        for (const char *Usage : H->Usages) {
            Series = Series || std::strstr(Usage, "SERIE") != nullptr;
            Kinds = Kinds || std::strstr(Usage, "SLAGS") != nullptr;
        }
        Out() << "Fælles:\n";
        if (Series)
            WriteWrapped(Out(), QString::fromUtf8(SeriesHelp), 6);
        if (Kinds)
            WriteWrapped(Out(), QString::fromUtf8(KindHelp), 6);
        WriteWrapped(Out(), QString::fromUtf8(ExitHelp), 6);
        return 0;
    }
    return -1;
}
// The first option of Args that Command's entry in HelpTable.cpp does not
// list, "" when there is none. An option's words after its name ("--kind
// SLAGS") say that it takes a value, which is skipped: a value may begin
// with "-" ("--name -x-").
QString UnknownOption(const tCommandHelp &H, const QStringList &Args)
{
    for (int I = 0; I < Args.size(); ++I) {
        const QString &A = Args[I];
        if (A.size() < 2 || !A.startsWith(QLatin1Char('-')))
            continue;
        bool Known = false;
        for (const tOptionHelp &O : H.Options) {
            const QString Text = QString::fromUtf8(O.Option);
            const qsizetype Blank = Text.indexOf(QLatin1Char(' '));
            if (A != Text.left(Blank))
                continue;
            Known = true;
            if (Blank > 0)
                ++I;
            break;
        }
        if (!Known)
            return A;
    }
    return QString();
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
        WriteAllUsages(Err(), false);
        Err().flush();
        return 2;
    }
    const CommandFn Fn = Registry()[Args.first().toStdString()];
    // Every command refuses an option it does not know, rather than do
    // something else than was asked.
    if (const tCommandHelp *H = FindCommandHelp(Args.first().toUtf8().constData())) {
        if (const QString Unknown = UnknownOption(*H, Args.mid(1)); !Unknown.isEmpty()) {
            Err() << "Ukendt tilvalg: " << Unknown << "\n";
            const int Rc = UsageError(H->Name);
            Err().flush();
            return Rc;
        }
    }
    int Rc = Fn(Args.mid(1));
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
