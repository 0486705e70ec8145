// The real dialogs: message boxes, the file dialogs, the printer dialogs and
// the print name dialog, as the main window runs them for a person.
#pragma once

#include "EditorHost.h"

#include "NavnDlg.h"

#include <QPointer>

class TStandardDialogs : public TDialogs
{
  public:
    // The file dialogs start in the user's documents folder.
    explicit TStandardDialogs(QWidget *Parent);
    ~TStandardDialogs() override;

    QMessageBox::StandardButton Message(QMessageBox::Icon Icon, const QString &Title,
                                        const QString &Text, QMessageBox::StandardButtons Buttons,
                                        QMessageBox::StandardButton Default) override;
    QString OpenFileName(const QString &Caption, const QString &Filter,
                         const QString &DefaultSuffix) override;
    QString SaveFileName(const QString &Caption, const QString &Filter,
                         const QString &DefaultSuffix, const QString &InitialName) override;
    bool PrintDialog(QPrinter &Printer, int MaxPage) override;
    bool PrinterSetupDialog(QPrinter &Printer) override;
    bool PrintName(QString &Name) override;
    int ChooseItem(const QString &Title, const QString &Label, const QStringList &Items) override;

  private:
    QWidget *Parent;
    QPointer<TNavnDlg> NavnDlg; // made on first use, kept with its last name
    QString LastFolder;
};
