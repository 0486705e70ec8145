#include "StandardDialogs.h"

#include "Glyphs.h"
#include "NavnDlg.h"
#include "TitleFit.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QSpacerItem>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

TStandardDialogs::~TStandardDialogs() { delete NavnDlg; }

TStandardDialogs::TStandardDialogs(QWidget *Parent) : Parent(Parent)
{
    // Not the working folder, which for a program started from the menu is
    // wherever the desktop happened to be.
    LastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (LastFolder.isEmpty() || !QFileInfo(LastFolder).isDir())
        LastFolder = QDir::homePath();
}

QMessageBox::StandardButton TStandardDialogs::Message(QMessageBox::Icon Icon, const QString &Title,
                                                      const QString &Text,
                                                      QMessageBox::StandardButtons Buttons,
                                                      QMessageBox::StandardButton Default)
{
    QMessageBox Box(Icon, Title, Text, Buttons, Parent);
    if (Default != QMessageBox::NoButton)
        Box.setDefaultButton(Default);
    // A short text must not leave the title cut: a spacer as wide as the
    // title bar needs keeps the box from shrinking below it.
    if (auto *Grid = qobject_cast<QGridLayout *>(Box.layout()))
        Grid->addItem(new QSpacerItem(TitleBarWidth(Title), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Minimum),
                      Grid->rowCount(), 0, 1, Grid->columnCount());
    const int Result = Box.exec();
    return static_cast<QMessageBox::StandardButton>(Result);
}

// The places bar is left out: the dialogs show only the folder and the files.
static void PlainDialog(QFileDialog &Dialog, const QString &Filter, const QString &DefaultSuffix)
{
    Dialog.setOption(QFileDialog::DontUseNativeDialog);
    Dialog.setSidebarUrls({});
    Dialog.setNameFilter(Filter);
    Dialog.setDefaultSuffix(DefaultSuffix);
}

QString TStandardDialogs::OpenFileName(const QString &Caption, const QString &Filter,
                                       const QString &DefaultSuffix)
{
    QFileDialog Dialog(Parent, Caption, LastFolder);
    PlainDialog(Dialog, Filter, DefaultSuffix);
    Dialog.setAcceptMode(QFileDialog::AcceptOpen);
    Dialog.setFileMode(QFileDialog::ExistingFile);
    if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty())
        return QString();
    const QString Name = Dialog.selectedFiles().constFirst();
    LastFolder = QFileInfo(Name).absolutePath();
    return Name;
}

QString TStandardDialogs::SaveFileName(const QString &Caption, const QString &Filter,
                                       const QString &DefaultSuffix, const QString &InitialName)
{
    // A named document is saved beside itself by default.
    const QFileInfo Initial(InitialName);
    QFileDialog Dialog(Parent, Caption,
                       InitialName.isEmpty() ? LastFolder : Initial.absolutePath());
    PlainDialog(Dialog, Filter, DefaultSuffix);
    Dialog.setAcceptMode(QFileDialog::AcceptSave);
    Dialog.setFileMode(QFileDialog::AnyFile);
    if (!InitialName.isEmpty())
        Dialog.selectFile(Initial.absoluteFilePath());
    if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty())
        return QString();
    const QString Name = Dialog.selectedFiles().constFirst();
    LastFolder = QFileInfo(Name).absolutePath();
    return Name;
}

bool TStandardDialogs::PrintDialog(QPrinter &Printer, int MaxPage)
{
    QPrintDialog Dialog(&Printer, Parent);
    if (MaxPage > 0) {
        Dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        Dialog.setMinMax(1, MaxPage);
        Printer.setFromTo(1, MaxPage);
    } else {
        Dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    }
    Printer.setPrintRange(QPrinter::AllPages);
    return Dialog.exec() == QDialog::Accepted;
}

bool TStandardDialogs::PrinterSetupDialog(QPrinter &Printer)
{
    // The print dialog in its set-up form: the printer, its properties and
    // the paper are chosen and kept for the next print; nothing is printed.
    QPrintDialog Dialog(&Printer, Parent);
    Dialog.setWindowTitle(QStringLiteral("Indstil printer"));
    Dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    Dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    Dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    Dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return Dialog.exec() == QDialog::Accepted;
}

bool TStandardDialogs::PrintName(QString &Name)
{
    if (!NavnDlg)
        NavnDlg = new TNavnDlg(GlyphIcon(TGlyph::Print).pixmap(32, 32), Parent);
    return NavnDlg->Ask(Name);
}

int TStandardDialogs::ChooseItem(const QString &Title, const QString &Label,
                                 const QStringList &Items)
{
    bool Ok = false;
    const QString Chosen = QInputDialog::getItem(Parent, Title, Label, Items, 0, false, &Ok);
    return Ok ? int(Items.indexOf(Chosen)) : -1;
}
