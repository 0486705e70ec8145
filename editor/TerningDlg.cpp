#include "TerningDlg.h"
#include "TitleFit.h"

#include "NumberText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

TTerningDlg::TTerningDlg(QWidget *Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("TerningDlg"));
    setWindowTitle(QStringLiteral("Udfyld med tilfældige tal"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(319, 239);
    FitTitle(this);

    auto Edit = [this](const char *Name) {
        auto *E = new QLineEdit(this);
        E->setObjectName(QLatin1String(Name));
        E->setMaxLength(5);
        E->setFixedWidth(60);
        E->installEventFilter(this);
        return E;
    };
    FraEdit = Edit("FraEdit");
    TilEdit = Edit("TilEdit");
    AntalEdit = Edit("AntalEdit");

    auto *Range = new QGroupBox(QStringLiteral(" Talområde "), this);
    auto *RL = new QHBoxLayout(Range);
    RL->addWidget(new QLabel(QStringLiteral("Fra"), Range));
    RL->addWidget(FraEdit);
    RL->addWidget(new QLabel(QStringLiteral("til"), Range));
    RL->addWidget(TilEdit);
    RL->addStretch();

    auto *Lines = new QGroupBox(QStringLiteral(" Antal linjer "), this);
    auto *LL = new QHBoxLayout(Lines);
    LL->addWidget(new QLabel(QStringLiteral("Udfyld"), Lines));
    LL->addWidget(AntalEdit);
    LL->addWidget(new QLabel(QStringLiteral("linjer"), Lines));
    LL->addStretch();

    auto *Repl = new QGroupBox(QStringLiteral(" Tilbagelægning "), this);
    auto *PL = new QVBoxLayout(Repl);
    MedRB = new QRadioButton(QStringLiteral("Med tilbagelægning"), Repl);
    MedRB->setObjectName(QStringLiteral("MedRB"));
    UdenRB = new QRadioButton(QStringLiteral("Uden tilbagelægning"), Repl);
    UdenRB->setObjectName(QStringLiteral("UdenRB"));
    MedRB->setChecked(true);
    PL->addWidget(MedRB);
    PL->addWidget(UdenRB);

    auto Button = [this](const char *Name, const QString &Text) {
        auto *B = new QPushButton(Text, this);
        B->setObjectName(QLatin1String(Name));
        B->setAutoDefault(false);
        return B;
    };
    OKBtn = Button("OKBtn", QStringLiteral("OK"));
    CancelBtn = Button("CancelBtn", QStringLiteral("Annuller"));
    IngenBtn = Button("IngenBtn", QStringLiteral("Slet"));
    HelpBtn = Button("HelpBtn", QStringLiteral("Hjælp"));

    auto *Left = new QVBoxLayout;
    Left->addWidget(Range);
    Left->addWidget(Lines);
    Left->addWidget(Repl);
    auto *Right = new QVBoxLayout;
    for (QPushButton *B : {OKBtn, CancelBtn, IngenBtn, HelpBtn})
        Right->addWidget(B);
    Right->addStretch();
    auto *Top = new QHBoxLayout(this);
    Top->addLayout(Left, 1);
    Top->addLayout(Right);

    // The count is capped while it is typed.
    connect(AntalEdit, &QLineEdit::textEdited, this, [this](const QString &T) {
        int32_t N = 0;
        if (ParseInteger(T, N) && N > MaxLines)
            AntalEdit->setText(QString::number(MaxLines));
    });
    connect(OKBtn, &QPushButton::clicked, this, &TTerningDlg::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(IngenBtn, &QPushButton::clicked, this, [this] { done(mrNo); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] {
        if (ShowHelp)
            ShowHelp();
    });
}

void TTerningDlg::Setup(int32_t From, int32_t To, int32_t Count, bool Without)
{
    if (Count == 0) {
        Reset();
        return;
    }
    FromV = From;
    ToV = To;
    CountV = Count;
    WithoutV = Without;
    const bool Reals = From == 0 && To == 0;
    FraEdit->setText(Reals ? QString() : QString::number(From));
    TilEdit->setText(Reals ? QString() : QString::number(To));
    AntalEdit->setText(QString::number(Count));
    (Without ? UdenRB : MedRB)->setChecked(true);
}

void TTerningDlg::Reset()
{
    FromV = ToV = CountV = 0;
    WithoutV = false;
    FraEdit->clear();
    TilEdit->clear();
    AntalEdit->clear();
    MedRB->setChecked(true);
}

bool TTerningDlg::Validate(bool &Messaged)
{
    Messaged = false;
    // Input that cannot be used is told, and the dialog stays open for it.
    auto Refuse = [&](const QString &Text) {
        Messaged = true;
        if (ShowMessage)
            ShowMessage(QMessageBox::Warning, QStringLiteral("Udfyld med tilfældige tal"), Text);
        return false;
    };
    int32_t N = 0;
    if (!ParseInteger(AntalEdit->text(), N) || N < 1)
        return Refuse(QStringLiteral("Skriv hvor mange linjer der skal udfyldes (1 til %1).")
                          .arg(MaxLines));
    // The field caps what is typed; a value set otherwise is capped here.
    N = std::min(N, MaxLines);
    int32_t F = 0, T = 0;
    const bool NoFrom = FraEdit->text().isEmpty(), NoTo = TilEdit->text().isEmpty();
    const bool Reals = NoFrom && NoTo;
    if (NoFrom != NoTo)
        return Refuse(QStringLiteral("Skriv både \"Fra\" og \"til\", eller lad begge være tomme "
                                     "for reelle tal mellem 0 og 1."));
    if (!Reals && (!ParseInteger(FraEdit->text(), F) || !ParseInteger(TilEdit->text(), T) || F < 0))
        return Refuse(QStringLiteral("\"Fra\" og \"til\" skal være hele tal fra 0 og op."));
    if (!Reals && T < F)
        return Refuse(QStringLiteral("\"til\" må ikke være mindre end \"Fra\"."));
    bool Without = UdenRB->isChecked();
    if (Without && !Reals && int64_t(T) - F + 1 < N) {
        Messaged = true;
        const QString Text = QStringLiteral("Talområdet har kun ") +
                             QString::number(int64_t(T) - F + 1) +
                             QStringLiteral(" tal, så uden tilbagelægning kan der ikke udfyldes ") +
                             QString::number(N) + QStringLiteral(" linjer.");
        if (ShowMessage)
            ShowMessage(QMessageBox::Warning, QStringLiteral("For mange linjer"), Text);
        return false;
    }
    FromV = F;
    ToV = T;
    CountV = N;
    WithoutV = Without;
    return true;
}

void TTerningDlg::OkBtnClick()
{
    bool Messaged = false;
    if (Validate(Messaged))
        done(mrOk);
    else if (!Messaged)
        done(mrCancel);
}

int TTerningDlg::Run()
{
    FraEdit->setFocus();
    return exec();
}

bool TTerningDlg::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Event->type() == QEvent::KeyPress) {
        const int Key = static_cast<QKeyEvent *>(Event)->key();
        if (Key == Qt::Key_Return || Key == Qt::Key_Enter) {
            if (Watched == FraEdit)
                TilEdit->setFocus();
            else if (Watched == TilEdit)
                AntalEdit->setFocus();
            else if (Watched == AntalEdit)
                OKBtn->click();
            else
                return QDialog::eventFilter(Watched, Event);
            return true;
        }
    }
    return QDialog::eventFilter(Watched, Event);
}
