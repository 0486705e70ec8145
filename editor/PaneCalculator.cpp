// The (x,y) calculator of a pane showing the cumulative graph: every editor
// opens it the same way; each new or cleared reading repaints the pane.
#include "ArrowDlg.h"
#include "Describe.h"
#include "EditorFrame.h"

TArrowDlg *TEditorFrame::Calculator()
{
    if (ArrowDlg == nullptr) {
        ArrowDlg = new TArrowDlg(this);
        ArrowDlg->ShowMessage = [this](const QString &Text) {
            Host.Message(QMessageBox::Information, QStringLiteral("Beregn (x,y)"), Text);
        };
        connect(ArrowDlg, &TArrowDlg::ReadingsChanged, this, [this](int N) {
            if (TDescriptionPane *P = Pane(N))
                P->Repaint();
        });
    }
    return ArrowDlg;
}

void TEditorFrame::OpenCalculator(int PaneN, bool Grouped)
{
    tDescriptor &D = Descriptor();
    // The calculator reads the list the graph shows.
    D.Recompute(Lumen());
    Calculator()->Open(D, PaneN, Grouped);
}
