// THGStilDlg: the settings of one frequency or grouped column ("Indstillinger
// for kolonne"): the decimals shown (0..9) and the status-line comment.
#pragma once

#include "TableSide.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// An up-down control: two arrow buttons that step a value within 0..9 and
// never wrap; the value shows in a separate panel.
class TUpDown : public QWidget
{
    Q_OBJECT
  public:
    explicit TUpDown(QWidget *Parent = nullptr);
    int Position() const { return Value; }
    void SetPosition(int V);
    QToolButton *UpButton;
    QToolButton *DownButton;

  signals:
    void Changed(int Value);

  private:
    int Value = 0;
};

class THGStilDlg : public QDialog
{
    Q_OBJECT
  public:
    static constexpr int MaxDecimals = 9;

    explicit THGStilDlg(QWidget *Parent = nullptr);

    // Fills the dialog from column Col of the side's data: caption, decimals
    // and comment.
    void Load(const tLumen &L, const TTableSide &Side, int Col);
    // Stores the dialog's decimals and comment in the column (after OK).
    void Apply(tLumen &L, const TTableSide &Side, int Col) const;

    TUpDown *UpDown;
    QLabel *UpDownPanel;
    QLineEdit *KommentarEdit;
    QPushButton *OKButton;
    QPushButton *CancelButton;
    QPushButton *HelpButton;

  signals:
    void HelpRequested();
};
