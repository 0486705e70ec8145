#include "AboutBox.h"

#include "Glyphs.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *Parent) : QDialog(Parent)
{
    setWindowTitle(QStringLiteral("Om Lumentor"));
    auto *Picture = new QLabel(this);
    Picture->setPixmap(LogoPixmap(96));
    auto *ProductName = new QLabel(QStringLiteral("Lumentor"), this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont F = ProductName->font();
    F.setPointSize(F.pointSize() * 2);
    F.setBold(true);
    ProductName->setFont(F);
    auto *Version = new QLabel(QStringLiteral("Version 2.01 - 2005"), this);
    Version->setObjectName(QStringLiteral("Version"));
    auto *Comments = new QLabel(
        QStringLiteral(
            "Beskrivende statistik for skolen:\nobservationer, hyppigheder og grupperinger."),
        this);

    auto *Texts = new QVBoxLayout;
    Texts->addWidget(ProductName);
    Texts->addWidget(Version);
    Texts->addSpacing(8);
    Texts->addWidget(Comments);
    Texts->addStretch(1);
    auto *Row = new QHBoxLayout;
    Row->addWidget(Picture, 0, Qt::AlignTop);
    Row->addSpacing(12);
    Row->addLayout(Texts, 1);

    auto *Buttons = new QDialogButtonBox(this);
    Buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *Layout = new QVBoxLayout(this);
    Layout->addLayout(Row);
    Layout->addWidget(Buttons);
}
