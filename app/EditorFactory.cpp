#include "EditorFactory.h"

#include "DataEdit.h"
#include "PlaceholderEditor.h"

TEditorBase *CreateEditor(TDataType Type, TEditorHost &Host, QWidget *Parent)
{
    if (Type == dtObs)
        return new TDataEdit(Host, Parent);
    // The frequency and grouped editors: a plain frame until they exist.
    return new TPlaceholderEditor(Host, Type, Parent);
}
