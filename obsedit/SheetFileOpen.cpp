#include "SheetFileOpen.h"

#include <QFileInfo>

const QString SheetFilter = QStringLiteral("Regneark (*.xlsx *.ods *.csv)");
const QString AllFilesFilter = QStringLiteral("Alle filer (*)");

bool AskAndReadSheet(TDialogs &Dialogs, const QString &FileName, tSheet &Sheet)
{
    const QString Shown = QFileInfo(FileName).fileName();
    auto Failed = [&] {
        Dialogs.Message(QMessageBox::Critical, QStringLiteral("Fejl"),
                        QStringLiteral("Kunne ikke læse ") + Shown, QMessageBox::Ok,
                        QMessageBox::Ok);
        return false;
    };
    QStringList Names;
    if (!ReadSheetNames(FileName, Names))
        return Failed();
    int Index = 0;
    if (Names.size() > 1) {
        Index = Dialogs.ChooseItem(QStringLiteral("Vælg ark"),
                                   QStringLiteral("Hvilket ark i %1 skal læses?").arg(Shown), Names);
        if (Index < 0 || Index >= Names.size())
            return false;
    }
    if (!ReadSheetFile(FileName, Index, Sheet))
        return Failed();
    return true;
}

void TellSheetCut(TDialogs &Dialogs, const tSheet &Sheet)
{
    if (SheetColumnsCut(Sheet))
        Dialogs.Message(QMessageBox::Information, QStringLiteral("Lumentor"),
                        QStringLiteral("Kun de første 26 kolonner er læst."), QMessageBox::Ok,
                        QMessageBox::Ok);
}
