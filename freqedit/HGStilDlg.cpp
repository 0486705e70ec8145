#include "HGStilDlg.h"
#include "TitleFit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

TUpDown::TUpDown(QWidget *Parent) : QWidget(Parent)
{
    auto *L = new QVBoxLayout(this);
    L->setContentsMargins(0, 0, 0, 0);
    L->setSpacing(0);
    UpButton = new QToolButton(this);
    UpButton->setObjectName(QStringLiteral("UpDownUp"));
    UpButton->setArrowType(Qt::UpArrow);
    DownButton = new QToolButton(this);
    DownButton->setObjectName(QStringLiteral("UpDownDown"));
    DownButton->setArrowType(Qt::DownArrow);
    for (QToolButton *B : {UpButton, DownButton}) {
        B->setFixedSize(17, 12);
        B->setAutoRepeat(true);
        L->addWidget(B);
    }
    connect(UpButton, &QToolButton::clicked, this, [this] { SetPosition(Value + 1); });
    connect(DownButton, &QToolButton::clicked, this, [this] { SetPosition(Value - 1); });
}

void TUpDown::SetPosition(int V)
{
    // A step past either end is refused; the value stays.
    if (V < 0 || V > THGStilDlg::MaxDecimals || V == Value)
        return;
    Value = V;
    emit Changed(Value);
}

THGStilDlg::THGStilDlg(QWidget *Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("HGStilDlg"));
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    auto *DecBox = new QGroupBox(QStringLiteral(" Decimaler "), this);
    auto *DecLayout = new QHBoxLayout(DecBox);
    UpDownPanel = new QLabel(QStringLiteral("0"), DecBox);
    UpDownPanel->setObjectName(QStringLiteral("UpDownPanel"));
    UpDownPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    UpDownPanel->setAlignment(Qt::AlignCenter);
    UpDownPanel->setFixedSize(33, 24);
    UpDown = new TUpDown(DecBox);
    UpDown->setObjectName(QStringLiteral("UpDown"));
    DecLayout->addWidget(UpDownPanel);
    DecLayout->addWidget(UpDown);
    DecLayout->addStretch(1);
    connect(UpDown, &TUpDown::Changed, this,
            [this](int V) { UpDownPanel->setText(QString::number(V)); });

    auto *CommentBox = new QGroupBox(QStringLiteral(" Kommentar "), this);
    auto *CommentLayout = new QVBoxLayout(CommentBox);
    CommentLayout->addWidget(new QLabel(QStringLiteral("Kommentar til statuslinjen:"), CommentBox));
    KommentarEdit = new QLineEdit(CommentBox);
    KommentarEdit->setObjectName(QStringLiteral("KommentarEdit"));
    KommentarEdit->setMinimumWidth(260);
    CommentLayout->addWidget(KommentarEdit);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Annuller"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    HelpButton = new QPushButton(QStringLiteral("Hjælp"), this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, &THGStilDlg::HelpRequested);

    auto *Buttons = new QHBoxLayout;
    Buttons->addStretch(1);
    Buttons->addWidget(OKButton);
    Buttons->addWidget(CancelButton);
    Buttons->addWidget(HelpButton);

    auto *Root = new QVBoxLayout(this);
    Root->addWidget(DecBox);
    Root->addWidget(CommentBox);
    Root->addLayout(Buttons);
    setFixedSize(sizeHint());
}

void THGStilDlg::Load(const tLumen &L, const TTableSide &Side, int Col)
{
    setWindowTitle(QStringLiteral("Indstillinger for kolonne ") + QString::number(Col + 1));
    FitTitle(this);
    // A damaged file may carry any number; the control shows it within 0..9.
    const int D = std::clamp(Side.Decimals(L, Col), 0, MaxDecimals);
    UpDown->blockSignals(true);
    UpDown->SetPosition(0);
    UpDown->SetPosition(D);
    UpDown->blockSignals(false);
    UpDownPanel->setText(QString::number(UpDown->Position()));
    KommentarEdit->setText(Side.Comment(L, Col));
}

void THGStilDlg::Apply(tLumen &L, const TTableSide &Side, int Col) const
{
    Side.SetDecimals(L, Col, UpDown->Position());
    Side.SetComment(L, Col, KommentarEdit->text());
}
