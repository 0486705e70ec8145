// Bringing data from files into the observation editor: another data file's
// observations below or to the right, a text file as a new column, line or
// data set.
#include "DataEdit.h"

#include "ObsCommands.h"
#include "TextCommands.h"
#include "TextTransfer.h"

#include <QFileInfo>

void TDataEdit::ImportAsCommand()
{
    if (!CommandState(ocImportAs).Enabled)
        return;
    tLumen &L = Host.Lumen();
    const bool Column = L.AnyColSelected();
    if (Column && InsertRefusedForFormula(QStringLiteral("Importér tekstfil")))
        return;
    QString Text;
    if (!AskTextFile(false, Text))
        return;
    const int At = Column ? L.SelCol(0) : L.SelLine(0);
    ClearMarks();
    UpdateButtons();
    RunCommand(uoInsert, [&] {
        if (Column)
            return InsertColumnText(L, At, Text, true);
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
