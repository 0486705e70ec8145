// Typing into the frequency editor: one keystroke in a frequency column of
// 10 000 lines while pane 1 of the mixed view shows that column's table. A
// keystroke stores the cell, recomputes the summary and repaints the grid and
// the pane; it must stay within one frame (16 ms).
#include "Describe.h"
#include "DescriptionPane.h"
#include "TableEdit.h"

#include <QApplication>
#include <QPrinter>
#include <benchmark/benchmark.h>
#include <memory>

namespace
{

// The main window's part, reduced to what typing needs.
class TBenchHost : public TEditorHost
{
  public:
    class TNoDialogs : public TDialogs
    {
      public:
        QMessageBox::StandardButton Message(QMessageBox::Icon, const QString &, const QString &,
                                            QMessageBox::StandardButtons,
                                            QMessageBox::StandardButton) override
        {
            return QMessageBox::Cancel;
        }
        QString OpenFileName(const QString &, const QString &, const QString &) override
        {
            return {};
        }
        QString SaveFileName(const QString &, const QString &, const QString &,
                             const QString &) override
        {
            return {};
        }
        bool PrintDialog(QPrinter &, int) override { return false; }
        bool PrinterSetupDialog(QPrinter &) override { return false; }
        bool PrintName(QString &) override { return false; }
    };
    TDialogs &Dialogs() override { return NoDialogs; }
    tLumen &Lumen() override { return Data; }
    QString FileName() const override { return {}; }
    QPrinter &Printer() override { return ThePrinter; }
    void NewDocument(TDataType) override {}
    void OpenDocument() override {}
    void SaveDocument() override {}
    void SaveDocumentAs() override {}
    bool AppendLines() override { return false; }
    bool AppendColumns() override { return false; }
    void PrinterSetup() override {}
    void Exit() override {}
    void SetDataType(TDataType) override {}
    void UpdateCaption() override {}
    void ShowHelp(int) override {}
    void HelpContents() override {}
    void HelpSearch() override {}
    void ShowAbout() override {}
    void ShowTextWindow(bool) override {}
    bool TextWindowShown() const override { return false; }

  private:
    TNoDialogs NoDialogs;
    tLumen Data;
    QPrinter ThePrinter;
};

void TypeIntoFrequencyColumn(benchmark::State &State)
{
    constexpr int Lines = 10000;
    TBenchHost Host;
    tLumen &L = Host.Lumen();
    for (int I = 0; I < Lines; ++I) {
        L.SetHypObsText(I, 0, QString::number(I % 200));
        L.SetHypFreqText(I, 0, QString::number(I % 7 + 1));
    }
    DataType = dtHyp;
    THypEdit Edit(Host);
    Edit.DataReplaced(false);
    Edit.resize(1200, 700);
    Edit.show();
    Edit.ShowEditor();
    Edit.MarkColumn(0, Qt::NoModifier);
    Edit.SetView(TEditorFrame::vwMixed);
    Edit.ChooseKind(1, Edit.ItemOfKind(bkTabel));
    QApplication::processEvents();

    // As the in-place editor stores each keystroke: "1", "12", "1", "12", ...
    const QModelIndex Cell = Edit.DataModel()->index(Lines / 2, 1);
    int K = 0;
    for (auto _ : State) {
        Edit.DataModel()->setData(Cell, (K++ % 2) ? QStringLiteral("12") : QStringLiteral("1"),
                                  Qt::EditRole);
        // The grid and pane 1 repaint now, as they would before the next key.
        Edit.Pane(1)->PaintBox->repaint();
        Edit.DataDG(1)->viewport()->repaint();
    }
    if (Edit.Descriptor().ListCount(0) != 200)
        State.SkipWithError("the table does not follow the typing");
}
BENCHMARK(TypeIntoFrequencyColumn)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
