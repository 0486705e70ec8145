// TCalcDlg, "Beregnede tal": gives an observation column a formula, changes
// it or removes it. The formula is checked on every keystroke; OK is only
// possible for a formula that compiles and makes no circle of computed
// columns. The dialog exists once for the whole run; the observation editor
// opens it and applies the result.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TEditorHost;
class tLumen;

class TCalcDlg : public QDialog
{
    Q_OBJECT
  public:
    // The results of Execute: "Annullér", "OK", "Slet".
    enum TResult { rsCancel = 0, rsOk = 1, rsNo = 2 };

    explicit TCalcDlg(TEditorHost &Host, QWidget *Parent = nullptr);

    // Opens the dialog for Column (0..25) modally.
    TResult Execute(int Column);
    // Prepares the dialog for Column without showing it: what Execute does
    // before the dialog appears.
    void Open(int Column);

    // After a result: the formula into the column (upper case), computed
    // when the formula is valid; OK also drops the column's random settings.
    void StoreFormula();
    // The column's computed flag differs from when the dialog opened.
    bool ComputedChanged() const;
    // The edit text differs from the formula when the dialog opened.
    bool FormulaChanged() const;

    int Column() const { return Col; }
    bool Valid() const { return FormulaValid; }
    TResult LastResult() const { return Result; }

    QGroupBox *CalcGB;
    QLabel *UdtrykLabel;
    QLineEdit *FormelEdit;
    QLabel *GrundLabel; // why a red formula cannot be used
    QPushButton *OkButton;
    QPushButton *CancelButton;
    QPushButton *ClearButton;
    QPushButton *HelpButton;

  protected:
    void showEvent(QShowEvent *Event) override;
    void done(int R) override;

  private:
    void Check();
    // Why the formula typed cannot be used; "" when it can or is empty.
    QString Fault() const;

    TEditorHost &Host;
    int Col = 0;
    bool FormulaValid = false;
    bool WasComputed = false;
    QString OldFormula;
    // The column's references when the dialog opened: the check rewrites
    // them while the user types, and they must match the stored formula
    // again whatever the dialog ends with.
    QString OldRefs;
    TResult Result = rsCancel;
    bool Opened = false; // between Open and the result
};
