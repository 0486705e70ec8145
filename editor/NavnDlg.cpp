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
    auto *Buttons = new QDialogButtonBox(this);
    OkButton = Buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *Row = new QHBoxLayout;
    Row->addWidget(PictureLabel);
    Row->addWidget(NavnEdit, 1);
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
