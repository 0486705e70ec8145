// Dialogs answered from a script instead of a person: the tests install one
// in the main window (TLumenForm::SetDialogs) or hand it to an editor's host.
// Every question is recorded; an unscripted question gets the cautious answer
// (Cancel where offered, else the default button; no file; no printing).
#pragma once

#include "EditorHost.h"

#include <QList>
#include <QPrinter>
#include <QQueue>

class TScriptedDialogs : public TDialogs
{
  public:
    struct tAsked {
        QMessageBox::Icon Icon;
        QString Title;
        QString Text;
        QMessageBox::StandardButtons Buttons;
    };
    struct tFileAsked {
        bool Save;
        QString Caption;
        QString Filter;
        QString DefaultSuffix;
        QString InitialName;
    };

    // Answers, taken in order.
    QQueue<QMessageBox::StandardButton> Answers;
    QQueue<QString> FileNames;
    QQueue<bool> PrintAnswers;  // for PrintDialog and PrinterSetupDialog
    QQueue<int> PrintFromPages; // with PrintToPages: the chosen range, 0 0 for all
    QQueue<int> PrintToPages;
    QQueue<QString> PrintNames; // an entry confirms the name dialog with that text
    QQueue<int> ItemChoices;    // for ChooseItem; none left: cancelled

    // What was asked.
    QList<tAsked> Asked;
    QList<tFileAsked> FilesAsked;
    QList<int> PrintMaxPages;
    int NamesAsked = 0;
    QList<QStringList> ItemsAsked;

    QMessageBox::StandardButton Message(QMessageBox::Icon Icon, const QString &Title,
                                        const QString &Text, QMessageBox::StandardButtons Buttons,
                                        QMessageBox::StandardButton Default) override
    {
        Asked.append({Icon, Title, Text, Buttons});
        if (!Answers.isEmpty())
            return Answers.dequeue();
        if (Buttons & QMessageBox::Cancel)
            return QMessageBox::Cancel;
        if (Default != QMessageBox::NoButton)
            return Default;
        return QMessageBox::Ok;
    }
    QString OpenFileName(const QString &Caption, const QString &Filter,
                         const QString &DefaultSuffix) override
    {
        FilesAsked.append({false, Caption, Filter, DefaultSuffix, QString()});
        return FileNames.isEmpty() ? QString() : FileNames.dequeue();
    }
    QString SaveFileName(const QString &Caption, const QString &Filter,
                         const QString &DefaultSuffix, const QString &InitialName) override
    {
        FilesAsked.append({true, Caption, Filter, DefaultSuffix, InitialName});
        return FileNames.isEmpty() ? QString() : FileNames.dequeue();
    }
    bool PrintDialog(QPrinter &Printer, int MaxPage) override
    {
        PrintMaxPages.append(MaxPage);
        const int From = PrintFromPages.isEmpty() ? 0 : PrintFromPages.dequeue();
        const int To = PrintToPages.isEmpty() ? 0 : PrintToPages.dequeue();
        Printer.setFromTo(From, To);
        Printer.setPrintRange(From > 0 ? QPrinter::PageRange : QPrinter::AllPages);
        return !PrintAnswers.isEmpty() && PrintAnswers.dequeue();
    }
    bool PrinterSetupDialog(QPrinter &) override
    {
        return !PrintAnswers.isEmpty() && PrintAnswers.dequeue();
    }
    bool PrintName(QString &Name) override
    {
        ++NamesAsked;
        if (PrintNames.isEmpty())
            return false;
        Name = PrintNames.dequeue();
        return true;
    }

    int ChooseItem(const QString &, const QString &, const QStringList &Items) override
    {
        ItemsAsked.append(Items);
        return ItemChoices.isEmpty() ? -1 : ItemChoices.dequeue();
    }

    // The last message asked, or an empty record.
    tAsked LastAsked() const
    {
        return Asked.isEmpty() ? tAsked{QMessageBox::NoIcon, {}, {}, {}} : Asked.last();
    }
};
