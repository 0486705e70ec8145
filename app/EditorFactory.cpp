#include "EditorFactory.h"

#include "DataEdit.h"
#include "TableEdit.h"

TEditorBase *CreateEditor(TDataType Type, TEditorHost &Host, QWidget *Parent)
{
    switch (Type) {
    case dtHyp:
        return new THypEdit(Host, Parent);
    case dtGrup:
        return new TGrupEdit(Host, Parent);
    default:
        return new TDataEdit(Host, Parent);
    }
}
