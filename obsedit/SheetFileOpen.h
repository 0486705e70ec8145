// Opening a spreadsheet file for the observation editor, with the questions
// and messages a person sees: the choice of sheet when there are several,
// "Kunne ikke læse <navn>", and the note on columns beyond Z.
#pragma once

#include "EditorHost.h"
#include "SheetFile.h"

// The filters of the open dialogs that take spreadsheets.
extern const QString SheetFilter;  // "Regneark (*.xlsx *.ods *.csv)"
extern const QString AllFilesFilter; // "Alle filer (*)"

// Reads the sheet of FileName that the user chooses (the first without
// asking when there is only one). False when the choice was cancelled or
// the file could not be read (then told, with the file's name).
bool AskAndReadSheet(TDialogs &Dialogs, const QString &FileName, tSheet &Sheet);

// After the sheet has been put in the data set: tells that only the first 26
// columns were read, when the sheet has more.
void TellSheetCut(TDialogs &Dialogs, const tSheet &Sheet);
