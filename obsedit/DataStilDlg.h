// TDataStilDlg, "Indstillinger for kolonne X": the decimals and comment of
// one observation column and how it is grouped when described (not at all,
// automatically in equal intervals, or in intervals typed by hand). The
// grouping is checked against the column's values before it is accepted.
#pragma once

#include "EditorHost.h"
#include "GroupingRules.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTableWidget;
class QWidget;

class TDataStilDlg : public QDialog
{
    Q_OBJECT
  public:
    static constexpr int GridRows = 100;

    explicit TDataStilDlg(TEditorHost &Host, QWidget *Parent = nullptr);

    // Shows the dialog modally for column Col; QDialog::Accepted on OK.
    int Execute(int Col);
    // What Execute does before it waits (FormShow): tests drive the dialog
    // from here.
    void Prepare(int Col);
    // Writes the accepted settings into the column.
    void Apply();

    // What changed, for the editor's refresh.
    bool DecimalsChanged() const;
    bool GroupKindChanged() const;
    bool AutoTextsChanged() const;
    // Whether Apply replaced the column's manual intervals.
    bool IntervalsChanged() const { return IntervalsReplaced; }

    // The grouping chosen (0 none, 1 automatic, 2 manual).
    int ChosenKind() const;
    const tAutoGrouping &Auto() const { return AutoG; }

    // Controls, by their component names.
    QTabWidget *PageControl;
    QWidget *ObsTabSheet;
    QWidget *BeskrivTabSheet;
    QSpinBox *UpDown;
    QLineEdit *UpDownPanel;
    QLineEdit *KommentarEdit;
    QRadioButton *ObsRB;
    QRadioButton *GrupRB;
    QRadioButton *ManuRB;
    QStackedWidget *GrupperingNB;
    QLineEdit *ForsteMinEdit;
    QLineEdit *ForsteMaxEdit;
    QLineEdit *AndenMinEdit;
    QLineEdit *AndenMaxPanel;
    QLineEdit *MinValuePanel;
    QLineEdit *MaxValuePanel;
    QLineEdit *AntalGrupPanel;
    QTableWidget *GrupSG;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *HelpBtn;

  public slots:
    void OkBtnClick();

  private:
    QWidget *BuildObsPage();
    QWidget *BuildGroupPage();
    QWidget *BuildAutoPage();
    QWidget *BuildManualPage();
    void AutoEdited(QLineEdit *Edit, const QString &Text);
    void RecomputeAuto();
    QVector<QStringList> GridRowsText() const;
    // Commits a typed cell and leaves edit mode.
    void EndGridEdit();
    bool ValuesInside(int Kind);

    TEditorHost &Host;
    int Column = 0;
    int InitialDecimals = 0;
    int InitialKind = 0;
    QStringList InitialTexts;
    Extended MinValue = 0;
    Extended MaxValue = 0;
    bool HaveValues = false;
    tAutoGrouping AutoG;
    bool AutoValid = false;
    bool ManualValid = false;
    QVector<tInterval> ManualIntervals;
    bool IntervalsReplaced = false;
};
