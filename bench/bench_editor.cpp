// Speed of the observation editor with its real widgets (headless): a key
// typed into a cell of a long marked column while pane 1 of the mixed view
// describes that column, from the key press until pane 1 has been repainted.
#include "DataEdit.h"
#include "Describe.h"
#include "LumenForm.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <benchmark/benchmark.h>
#include <memory>

namespace
{

// Counts the paint events a widget receives.
class TPaintCounter : public QObject
{
  public:
    int Count = 0;

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override
    {
        if (Event->type() == QEvent::Paint)
            ++Count;
        return QObject::eventFilter(Watched, Event);
    }
};

void SendKey(QWidget *To, int Key, const QString &Text)
{
    QKeyEvent Press(QEvent::KeyPress, Key, Qt::NoModifier, Text);
    QApplication::sendEvent(To, &Press);
    QKeyEvent Release(QEvent::KeyRelease, Key, Qt::NoModifier, Text);
    QApplication::sendEvent(To, &Release);
}

// One key into the open cell editor, and the repaints it causes. Kept out of
// line so that a profiler can pick out the measured work.
[[gnu::noinline]] void TypeOneKey(QWidget *Editor, bool Append)
{
    if (Append)
        SendKey(Editor, Qt::Key_5, QStringLiteral("5"));
    else
        SendKey(Editor, Qt::Key_Backspace, QString());
    QApplication::processEvents();
}

// Arguments: the number of lines of column A, and the kind of pane 1. Column
// A holds 500 distinct values with one decimal; the key alternately appends
// a digit to the typed cell and takes it away again. Grids and panes are
// zoomed to Zoom percent (whatever the user's settings hold).
void TypedCellRepaint(benchmark::State &State, int Zoom)
{
    const int Lines = int(State.range(0));
    const int Kind = int(State.range(1));

    TScriptedDialogs Dialogs;
    TLumenForm Form(0);
    Form.SetDialogs(&Dialogs);
    Form.resize(1024, 768);
    Form.show();
    auto *Edit = static_cast<TDataEdit *>(Form.Editor(dtObs));
    Edit->SetZoom(Zoom);
    tLumen &L = Form.Lumen();
    L.Cols[0].Cells.reserve(Lines);
    for (int I = 0; I < Lines; ++I)
        L.Cols[0].Cells.append(tCell{csNumber, QString(), Extended((I * 37) % 500) / 10 + 10});
    L.SetDecimals(0, 1);
    Edit->DataReplaced(false);
    Edit->MarkColumn(0, Qt::NoModifier);
    Edit->SetView(TEditorFrame::vwMixed);
    Edit->ChooseKind(1, Edit->ItemOfKind(Kind));
    if (DescriptorOf(L).GetPaneKind(1) != Kind) {
        State.SkipWithError("the kind is not allowed for these data");
        return;
    }
    QApplication::processEvents();

    TGridView *Grid = Edit->DataDG(1);
    const int Line = Lines / 2;
    Grid->setFocus();
    Grid->SetCell(Line, 0);
    Grid->scrollTo(Grid->currentIndex());
    QApplication::processEvents();
    SendKey(Grid, Qt::Key_1, QStringLiteral("1"));
    auto *Editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (Editor == nullptr || !Grid->IsEditing()) {
        State.SkipWithError("the cell did not open for typing");
        return;
    }
    SendKey(Editor, Qt::Key_2, QStringLiteral("2"));
    QApplication::processEvents();

    TPaintCounter Counter;
    Edit->Pane(1)->PaintBox->installEventFilter(&Counter);
    bool Append = true;
    for (auto _ : State) {
        TypeOneKey(Editor, Append);
        Append = !Append;
    }
    Edit->Pane(1)->PaintBox->removeEventFilter(&Counter);
    if (Counter.Count < int(State.iterations()))
        State.SkipWithError("pane 1 was not repainted after every key");
    State.counters["paints"] = Counter.Count;
    Grid->CancelEdit();
    L.ClearModified();
}

void BM_TypedCellRepaint(benchmark::State &State)
{
    TypedCellRepaint(State, 100);
}

// The same at the largest zoom, as on a classroom projector.
void BM_TypedCellRepaintZoom(benchmark::State &State)
{
    TypedCellRepaint(State, 300);
}

} // namespace

BENCHMARK(BM_TypedCellRepaint)
    ->Args({100000, bkTabel})
    ->Args({100000, bkHyppighedsgraf})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypedCellRepaintZoom)
    ->Args({100000, bkTabel})
    ->Args({100000, bkHyppighedsgraf})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    QLocale::setDefault(QLocale::c());
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 10));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
