// The captions and enabling of the observation editor's commands, computed
// in one place for the menus (as they open) and the tool buttons (after
// every change of marks, data or view).
#pragma once

#include "EditorFrame.h"

class tLumen;

enum TObsCommand : int {
    ocUndo,
    ocCut,
    ocCopy,
    ocPaste,
    ocClear,
    ocClearAll,
    ocInsertEmpty,
    ocRemove,
    ocSwap,
    ocSortUp, // also "Sortér faldende"
    ocSortNames,
    ocCopyAll,
    ocReplaceAll,
    ocSettings,
    ocDecimals, // the "Decimaler" menu items
    ocDeciButtons,
    ocMul10, // also "Del med 10"
    ocRandomMenu,
    ocRandomRange,
    ocNewRandom,
    ocCalc,
    ocImportAs,
};

// What the states depend on besides the data set.
struct TObsCommandContext {
    bool ClipboardHasText = false;
    // The edit or mixed view shows the column buttons.
    bool ColumnsShown = true;
};

TCommandState ObsCommandState(int Id, const tLumen &L, const TObsCommandContext &C);
