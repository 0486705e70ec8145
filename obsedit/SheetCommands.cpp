// The observation editor's commands on the whole sheet: clearing every number
// cell, copying all columns, and replacing everything from the clipboard.
#include "DataEdit.h"

#include "Clipboard.h"
#include "ObsCommands.h"
#include "TextTransfer.h"

void TDataEdit::ClearAllCommand()
{
    tLumen &L = Host.Lumen();
    RunCommand(uoDelete, [&] {
        ClearMarks();
        ClearNumberCells(L);
        return true;
    });
}

void TDataEdit::CopyAllCommand(bool WithNames)
{
    EndEditing();
    SetClipboardText(SheetText(Host.Lumen(), WithNames));
}

bool TDataEdit::ReplaceAllAsked()
{
    return !Host.Lumen().HasData() ||
           Host.Message(QMessageBox::Information, QStringLiteral("Erstat alt?"),
                        QStringLiteral("Det nuværende indhold mistes"),
                        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

bool TDataEdit::ReplaceAllBy(const QString &Text, bool FromFile)
{
    tLumen &L = Host.Lumen();
    // The sheet reader takes its own undo step ("Indsæt ark"); a text that is
    // no sheet changes nothing, the marks included, and is told why.
    QString Fault;
    const bool Done = RunCommand(uoNone, [&] {
        if (!PasteSheet(L, Text, FromFile, &Fault))
            return false;
        ClearMarks();
        return true;
    });
    if (Done)
        ShowTopLeft();
    else
        Host.Message(QMessageBox::Critical, QStringLiteral("Fejl"), Fault, QMessageBox::Ok,
                     QMessageBox::Ok);
    return Done;
}

void TDataEdit::ReplaceAllCommand()
{
    EndEditing();
    QString Text;
    if (!GetClipboardText(Text) || !ReplaceAllAsked())
        return;
    ReplaceAllBy(Text, false);
}
