#include "support_app.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

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

QStringList Messages(const TScriptedDialogs &Dialogs)
{
    QStringList Shown;
    for (const TScriptedDialogs::tAsked &A : Dialogs.Asked) {
        const char *Icon = A.Icon == QMessageBox::Question      ? "(?) "
                           : A.Icon == QMessageBox::Information ? "(i) "
                           : A.Icon == QMessageBox::Critical    ? "(x) "
                                                                : "( ) ";
        Shown << QLatin1String(Icon) + A.Title + QStringLiteral(": ") + A.Text;
    }
    return Shown;
}

QStringList Probe(const tLumen &L, const QStringList &Expected)
{
    QStringList Got;
    for (const QString &Item : Expected) {
        const QString Ref = Item.section(QLatin1Char('='), 0, 0);
        const int Col = Ref[0].unicode() - 'A';
        const int Line = Ref.mid(1).toInt() - 1;
        QString Value;
        TCellState State = csEmpty;
        if (Ref[0] == QLatin1Char('#'))
            Value = L.GetLineName(Line);
        else if (Ref.size() == 1)
            Value = L.GetColName(Col);
        else if (const Extended V = L.GetCellValue(Line, Col, State); State == csNumber)
            Value = QString::number(double(V));
        else
            Value = L.GetCellText(Line, Col);
        Got << Ref + QLatin1Char('=') + Value;
    }
    return Got;
}
