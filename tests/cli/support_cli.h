// Runs lumentor-cli as a separate program with a private runtime folder, which
// keeps Qt's start-up notes off standard error.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

struct tRun {
    int Code = -1;
    QByteArray Out;
    QString Err;
};

inline QString &RuntimeDir()
{
    static QString Dir;
    return Dir;
}

// Makes the runtime folder inside Parent; false when that fails.
inline bool MakeRuntimeDir(const QString &Parent)
{
    RuntimeDir() = Parent + QStringLiteral("/runtime");
    return QDir().mkpath(RuntimeDir()) &&
           QFile::setPermissions(RuntimeDir(),
                                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

inline tRun RunCli(const QStringList &Args)
{
    QProcess P;
    QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
    Env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!RuntimeDir().isEmpty())
        Env.insert(QStringLiteral("XDG_RUNTIME_DIR"), RuntimeDir());
    P.setProcessEnvironment(Env);
    P.start(QStringLiteral(LUMEN_CLI), Args);
    tRun R;
    if (!P.waitForFinished(60000) || P.exitStatus() != QProcess::NormalExit)
        return R;
    R.Code = P.exitCode();
    R.Out = P.readAllStandardOutput();
    R.Err = QString::fromUtf8(P.readAllStandardError());
    return R;
}

inline QByteArray ReadAll(const QString &Path)
{
    QFile F(Path);
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray();
}

// The expected output kept in tests/cli/expected.
inline QByteArray Expected(const QString &Name)
{
    return ReadAll(QStringLiteral(LUMEN_SOURCE_DIR "/tests/cli/expected/") + Name);
}

inline bool WriteAll(const QString &Path, const QByteArray &Data)
{
    QFile F(Path);
    return F.open(QIODevice::WriteOnly | QIODevice::Truncate) && F.write(Data) == Data.size();
}
