// TTerningDlg, "Udfyld med tilfældige tal": the settings of random columns
// (a range of whole numbers or reals in [0, 1), a number of lines, with or
// without replacement). The editor stores what it returns and fills.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <cstdint>
#include <functional>

class QLineEdit;
class QPushButton;
class QRadioButton;

class TTerningDlg : public QDialog
{
    Q_OBJECT
  public:
    // Modal results: OK fills, Cancel changes nothing, No ("Slet") clears.
    enum TResult { mrCancel = QDialog::Rejected, mrOk = QDialog::Accepted, mrNo = 2 };
    // The number of lines is never more than this.
    static constexpr int32_t MaxLines = 10000;

    explicit TTerningDlg(QWidget *Parent = nullptr);

    // From = To = 0 means reals; Count 0 resets.
    void Setup(int32_t From, int32_t To, int32_t Count, bool Without);
    void Reset();
    // Reads the fields; false when they do not make a valid setting.
    // Messaged tells whether the user was told why.
    bool Validate(bool &Messaged);
    // Shows the dialog modally with the focus in "Fra".
    int Run();

    int32_t From() const { return FromV; }
    int32_t To() const { return ToV; }
    int32_t Count() const { return CountV; }
    bool Without() const { return WithoutV; }

    // How the dialog tells the user and opens its help; the editor routes
    // them through the main window (tests answer them there).
    std::function<void(QMessageBox::Icon, const QString &, const QString &)> ShowMessage;
    std::function<void()> ShowHelp;

    QLineEdit *FraEdit;
    QLineEdit *TilEdit;
    QLineEdit *AntalEdit;
    QRadioButton *MedRB;
    QRadioButton *UdenRB;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *IngenBtn;
    QPushButton *HelpBtn;

  public slots:
    void OkBtnClick();

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

  private:
    int32_t FromV = 0;
    int32_t ToV = 0;
    int32_t CountV = 0;
    bool WithoutV = false;
};
