// Bringing data from files into the observation editor: another data file's
// observations below or to the right, a text file as a new column, line or
// data set.
#include "DataEdit.h"

#include "ObsCommands.h"
#include "TextCommands.h"
#include "TextTransfer.h"

#include <QFileInfo>

// The text file chosen in "Import af tekst" and its lines; false when the
// dialog was cancelled or the file could not be read (then told).
bool TDataEdit::AskTextFile(bool DropEmptyLines, QString &Text)
{
    const QString Name =
        Host.Dialogs().OpenFileName(QStringLiteral("Import af tekst"),
                                    QStringLiteral("Tekstfiler (*.txt)"), QStringLiteral("txt"));
    if (Name.isEmpty())
        return false;
    if (ReadTextFile(Name, DropEmptyLines, Text))
        return true;
    Host.Message(QMessageBox::Critical, QStringLiteral("Fejl"),
                 QStringLiteral("Kunne ikke læse ") + QFileInfo(Name).fileName(), QMessageBox::Ok,
                 QMessageBox::Ok);
    return false;
}

void TDataEdit::ImportAsCommand()
{
    if (!CommandState(ocImportAs).Enabled)
        return;
    QString Text;
    if (!AskTextFile(false, Text))
        return;
    tLumen &L = Host.Lumen();
    const bool Column = L.AnyColSelected();
    const int At = Column ? L.SelCol(0) : L.SelLine(0);
    ClearMarks();
    UpdateButtons();
    RunCommand(uoInsert, [&] {
        if (Column)
            InsertColumnText(L, At, Text, true);
        else
            InsertLineText(L, At, Text, true);
        return true;
    });
}

void TDataEdit::ImportAsDataCommand()
{
    EndEditing();
    QString Text;
    if (!AskTextFile(true, Text) || !ReplaceAllAsked())
        return;
    ReplaceAllBy(Text, true);
}

void TDataEdit::AppendBelowCommand()
{
    // No undo step: the appended lines stay.
    RunCommand(uoNone, [this] {
        if (!Host.AppendLines())
            return false;
        RecalcAll(Host.Lumen());
        return true;
    });
}

void TDataEdit::AppendRightCommand()
{
    RunCommand(uoNone, [this] {
        if (!Host.AppendColumns())
            return false;
        RecalcAll(Host.Lumen());
        return true;
    });
}
