#include "NavnDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNavnDlg::TNavnDlg(const QPixmap &Picture, QWidget *Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("NavnDlg"));
    setWindowTitle(QStringLiteral("Navn på udskriften"));
    auto *PictureLabel = new QLabel(this);
    PictureLabel->setPixmap(Picture);
    NavnEdit = new QLineEdit(this);
    NavnEdit->setObjectName(QStringLiteral("NavnEdit"));
    NavnEdit->setMinimumWidth(220);
    auto *Label = new QLabel(QStringLiteral("&Navn i sidens titel:"), this);
    Label->setObjectName(QStringLiteral("NavnLabel"));
    Label->setBuddy(NavnEdit);
    auto *Buttons = new QDialogButtonBox(this);
    OkButton = Buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    CancelButton = Buttons->addButton(QStringLiteral("Annullér"), QDialogButtonBox::RejectRole);
    CancelButton->setObjectName(QStringLiteral("AnnullerButton"));
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *Row = new QHBoxLayout;
    Row->addWidget(PictureLabel);
    auto *Field = new QVBoxLayout;
    Field->addWidget(Label);
    Field->addWidget(NavnEdit);
    Row->addLayout(Field, 1);
    auto *Layout = new QVBoxLayout(this);
    Layout->addLayout(Row);
    Layout->addWidget(Buttons);
    setFocusProxy(NavnEdit);
}

bool TNavnDlg::Ask(QString &Name)
{
    NavnEdit->setText(Last);
    NavnEdit->selectAll();
    NavnEdit->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    Last = NavnEdit->text();
    Name = Last;
    return true;
}
