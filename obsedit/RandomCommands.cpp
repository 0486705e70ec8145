// "Tilfældige tal": "Talområde..." and "Nye tal" (F9).
#include "DataEdit.h"

void TDataEdit::RandomRangeCommand() {}

void TDataEdit::NewRandomNumbers() {}
