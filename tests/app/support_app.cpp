#include "support_app.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QtTest>

void InitAppTest()
{
    QLocale::setDefault(QLocale::c());
    // Settings the program keeps (the recent files) stay out of the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 10));
}

QString WriteLumenFile(const QString &Path, TDataType Type,
                       const std::function<void(tLumen &)> &Fill)
{
    const TDataType Saved = DataType;
    tLumen L;
    if (Fill)
        Fill(L);
    DataType = Type;
    L.SaveToFile(Path);
    DataType = Saved;
    if (L.WriteFailed())
        qWarning("could not write %s", qPrintable(Path));
    return Path;
}

std::unique_ptr<TLumenForm> StartedForm(TScriptedDialogs &Dialogs, const QStringList &Arguments)
{
    auto Form = std::make_unique<TLumenForm>(0);
    Form->SetDialogs(&Dialogs);
    Form->SetArguments(Arguments);
    Form->show();
    return Form;
}
