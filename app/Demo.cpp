#include "DataEdit.h"
#include "Descriptor.h"
#include "LumenForm.h"

void TLumenForm::ShowDemo()
{
    auto *Edit = dynamic_cast<TDataEdit *>(ShownEditor());
    tLumen &L = Lumen();
    if (Edit == nullptr || L.CellCount(0) == 0 || L.AnyColSelected() || L.AnyLineSelected())
        return;
    Edit->MarkColumn(0, Qt::NoModifier);
    Edit->SetView(TEditorFrame::vwMixed);
    Edit->ChooseKind(1, Edit->ItemOfKind(bkHyppighedsgraf));
}
