// Runs lumentor-cli as a separate program, without a runtime folder of the
// session: the program then makes its own, which keeps Qt's start-up notes
// off standard error.
#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

struct tRun {
    int Code = -1;
    QByteArray Out;
    QString Err;
};

inline tRun RunCli(const QStringList &Args)
{
    QProcess P;
    QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
    Env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    Env.remove(QStringLiteral("XDG_RUNTIME_DIR")); // the program makes its own
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
