// "Beregnede tal...": the computed-column dialog for the marked column.
#include "DataEdit.h"

void TDataEdit::CalcCommand() {}
