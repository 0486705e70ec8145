// TArrowDlg, "Beregn (x,y)": reads values off the cumulative graph of the
// first described series. Given x it gives the cumulative relative frequency
// y, given y (0 to 1) the value x; every answer is kept as a reading that the
// cumulative graph draws as an arrow pair.
#pragma once

#include "Descriptor.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

// The readings themselves, on series 0's frequency list. False when the
// graph gives no answer (x below the first value or outside every class, y
// outside 0..1 or not reached).
bool CumulativeYAt(const tSeries &S, bool Grouped, Extended X, Extended &Y);
bool CumulativeXAt(const tSeries &S, bool Grouped, Extended Y, Extended &X);

class TArrowDlg : public QDialog
{
    Q_OBJECT
  public:
    explicit TArrowDlg(QWidget *Parent = nullptr);

    // Empties both edits and shows the dialog modally for pane Pane of the
    // editor whose statistics D are; Grouped says whether the series is
    // described by classes.
    void Open(tDescriptor &D, int Pane, bool Grouped);
    // What Open does before it waits: tests drive the shown dialog from here.
    void Prepare(tDescriptor &D, int Pane, bool Grouped);

    QLineEdit *XEdit;
    QLineEdit *YEdit;
    QPushButton *CalcButton;
    QPushButton *ClearButton;
    QPushButton *CloseButton;
    // Tells why a question got no answer; the editor shows it in a box.
    std::function<void(const QString &)> ShowMessage;

  signals:
    // A reading was added or the readings were cleared: repaint that pane.
    void ReadingsChanged(int Pane);

  public slots:
    void CalcButtonClick();
    void ClearButtonClick();

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

  private:
    void Fail(const QString &Why);

    tDescriptor *Descr = nullptr;
    int PaneN = 0;
    bool IsGrouped = false;
    bool Answered = false; // the edits hold a question and its answer
};
