// "Tekst til data": the window in which the text attached to the data set is
// edited, and from which it is printed.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QStatusBar;
class QToolButton;
class TEditorHost;

class TInfoForm : public QWidget
{
    Q_OBJECT
  public:
    TInfoForm(TEditorHost &Host, QWidget *Parent);

    // Shows or hides the window; TextShown of the data set follows.
    void ShowText();
    void HideText();
    // Empties the memo and hides the window (a new data set).
    void ResetText();
    // After a file was opened: the window as the file says, the data set's text.
    void LoadText();
    void Print();

    QPlainTextEdit *InfoMemo;
    QToolButton *CutSpeed;
    QToolButton *CopySpeed;
    QToolButton *PasteSpeed;
    QToolButton *DelSpeed;
    QToolButton *PrintSpeed;
    QStatusBar *StatusBar;

  signals:
    // The window was shown (true) or hidden (false): the editors' text buttons follow.
    void ShownChanged(bool Shown);

  protected:
    void closeEvent(QCloseEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

  private:
    void MemoChanged();
    void UpdateSelectionButtons();
    void UpdatePasteButton();
    void Clear();

    TEditorHost &Host;
    bool Loading = false;
    bool Placed = false;
};
