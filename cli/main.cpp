#include "Command.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>
#include <unistd.h>
#include <map>
#include <string>

namespace {
struct Entry {
    CommandFn Fn;
    const char *Usage;
};
std::map<std::string, Entry> &Registry()
{
    static std::map<std::string, Entry> R;
    return R;
}
} // namespace

CommandRegistrar::CommandRegistrar(const char *Name, CommandFn Fn, const char *Usage)
{
    Registry()[Name] = Entry{Fn, Usage};
}

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
    if (Args.isEmpty() || !Registry().count(Args.first().toStdString())) {
        Err() << "Brug: lumentor-cli KOMMANDO ...\n";
        for (const auto &[Name, E] : Registry())
            Err() << "  " << E.Usage << "\n";
        Err().flush();
        return 2;
    }
    const Entry &E = Registry()[Args.first().toStdString()];
    int Rc = E.Fn(Args.mid(1));
    Out().flush();
    Err().flush();
    return Rc;
}
