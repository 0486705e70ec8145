// "Navn på udskriften": asks for the name printed in the page titles, with a
// label saying what the name is for, OK and "Annullér" (or Escape), which
// prints nothing. The dialog keeps the last name confirmed with OK and
// offers it again.
#pragma once

#include <QDialog>
#include <QPixmap>

class QLineEdit;
class QPushButton;

class TNavnDlg : public QDialog
{
    Q_OBJECT
  public:
    explicit TNavnDlg(const QPixmap &Picture = QPixmap(), QWidget *Parent = nullptr);

    // Shows the dialog modally with the last name selected. True, with the
    // name in Name, when confirmed with OK; Name is left alone otherwise.
    bool Ask(QString &Name);
    QString LastName() const { return Last; }

    QLineEdit *NavnEdit;
    QPushButton *OkButton;
    QPushButton *CancelButton;

  private:
    QString Last;
};
