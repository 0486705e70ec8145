#include "CalcDlg.h"
#include "TitleFit.h"

#include "EditorHost.h"
#include "FormulaText.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

TCalcDlg::TCalcDlg(TEditorHost &Host, QWidget *Parent) : QDialog(Parent), Host(Host)
{
    setObjectName(QStringLiteral("CalcDlg"));
    setWindowTitle(QStringLiteral("Beregnede tal"));
    setModal(true);
    FitTitle(this);

    CalcGB = new QGroupBox(this);
    CalcGB->setObjectName(QStringLiteral("CalcGB"));
    UdtrykLabel = new QLabel(QStringLiteral("Udtryk ="), CalcGB);
    FormelEdit = new QLineEdit(CalcGB);
    FormelEdit->setObjectName(QStringLiteral("FormelEdit"));
    FormelEdit->setMinimumWidth(260);
    UdtrykLabel->setBuddy(FormelEdit);
    auto *GL = new QHBoxLayout(CalcGB);
    GL->addWidget(UdtrykLabel);
    GL->addWidget(FormelEdit, 1);

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Annullér"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    ClearButton = new QPushButton(QStringLiteral("Slet"), this);
    ClearButton->setObjectName(QStringLiteral("ClearButton"));
    HelpButton = new QPushButton(QStringLiteral("Hjælp"), this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    HelpButton->setAutoDefault(false);

    GrundLabel = new QLabel(this);
    GrundLabel->setObjectName(QStringLiteral("GrundLabel"));
    GrundLabel->setWordWrap(true);
    QPalette Red = GrundLabel->palette();
    Red.setColor(QPalette::WindowText, Qt::red);
    GrundLabel->setPalette(Red);

    auto *BL = new QHBoxLayout;
    BL->addStretch(1);
    for (QPushButton *B : {OkButton, CancelButton, ClearButton, HelpButton})
        BL->addWidget(B);
    auto *Root = new QVBoxLayout(this);
    Root->addWidget(CalcGB);
    Root->addWidget(GrundLabel);
    Root->addLayout(BL);

    connect(FormelEdit, &QLineEdit::textChanged, this, [this] { Check(); });
    connect(OkButton, &QPushButton::clicked, this, [this] {
        // The default button also answers Return: only a valid formula closes.
        if (FormulaValid)
            done(rsOk);
    });
    connect(CancelButton, &QPushButton::clicked, this, [this] { done(rsCancel); });
    connect(ClearButton, &QPushButton::clicked, this, [this] {
        FormelEdit->clear();
        done(rsNo);
    });
    connect(HelpButton, &QPushButton::clicked, this, [this] { this->Host.ShowHelp(htCalc); });
}

void TCalcDlg::Open(int Column)
{
    tLumen &L = Host.Lumen();
    Col = std::clamp(Column, 0, ObsColumns - 1);
    Result = rsCancel;
    Opened = true;
    CalcGB->setTitle(QStringLiteral(" Kolonne ") + ColLetter(Col) + QLatin1Char(' '));
    OldFormula = L.GetFormula(Col);
    OldRefs = L.GetFormulaRefs(Col);
    // Setting the text runs the check; an unchanged text would not.
    FormelEdit->blockSignals(true);
    FormelEdit->setText(OldFormula);
    FormelEdit->blockSignals(false);
    Check();
    WasComputed = L.IsComputed(Col);
    FormelEdit->setFocus();
}

TCalcDlg::TResult TCalcDlg::Execute(int Column)
{
    Open(Column);
    exec();
    return Result;
}

void TCalcDlg::Check()
{
    tLumen &L = Host.Lumen();
    const QString Text = FormelEdit->text();
    if (Text.trimmed().isEmpty()) {
        FormulaValid = false;
    } else {
        FormulaValid = L.Compile(Text);
        if (FormulaValid) {
            L.BuildFormulaRefs(Col);
            // The column counts as computed with its new references, so a
            // formula may neither read its own column nor close a circle.
            FormulaValid = !L.HasFormulaCycle(Col);
        }
    }
    GrundLabel->setText(Text.trimmed().isEmpty() ? QString() : Fault());
    GrundLabel->setVisible(!GrundLabel->text().isEmpty());
    if (!FormulaValid)
        L.ClearFormulaRefs(Col);
    QPalette Pal = FormelEdit->palette();
    Pal.setColor(QPalette::Text, FormulaValid ? Qt::black : Qt::red);
    FormelEdit->setPalette(Pal);
    OkButton->setEnabled(FormulaValid);
}

QString TCalcDlg::Fault() const
{
    if (FormulaValid)
        return QString();
    const tLumen &L = Host.Lumen();
    if (L.GetCalcError() != 0)
        return QStringLiteral("Fejl i formlen: ") + FormulaErrorText(L.GetCalcError()) + '.';
    const QString Refs = L.GetFormulaRefs(Col);
    if (Refs.contains(ColLetter(Col)))
        return QStringLiteral("Formlen bruger sin egen kolonne ") + ColLetter(Col) + '.';
    // A circle through other computed columns: the first path found back to
    // this column, followed depth first in letter order.
    QString Path;
    uint32_t Seen = 0;
    std::function<bool(int)> Reaches = [&](int C) {
        for (QChar R : C == Col ? Refs : L.GetFormulaRefs(C)) {
            const int Next = ColIndex(R);
            if (Next < 0 || Next >= ObsColumns)
                continue;
            if (Next == Col) {
                Path.prepend(ColLetter(C));
                return true;
            }
            if ((Seen & (1u << Next)) || !L.IsComputed(Next))
                continue;
            Seen |= 1u << Next;
            if (Reaches(Next)) {
                if (C != Col)
                    Path.prepend(ColLetter(C));
                return true;
            }
        }
        return false;
    };
    if (Reaches(Col)) {
        QStringList Steps{QString(ColLetter(Col))};
        for (QChar C : Path)
            Steps << QString(C);
        Steps << QString(ColLetter(Col));
        return QStringLiteral("Formlen giver en ring af beregnede kolonner: ") +
               Steps.join(QStringLiteral(" → ")) + '.';
    }
    return QStringLiteral("Formlen giver en ring af beregnede kolonner.");
}

void TCalcDlg::done(int R)
{
    Result = R == rsOk || R == rsNo ? TResult(R) : rsCancel;
    // The check left the references of the last text typed; the column keeps
    // those of its stored formula until StoreFormula gives it a new one.
    if (Opened)
        Host.Lumen().Cols[Col].FormulaRefs = OldRefs;
    Opened = false;
    QDialog::done(R);
}

void TCalcDlg::StoreFormula()
{
    tLumen &L = Host.Lumen();
    const QString Text = FormelEdit->text();
    L.SetFormula(Col, Text);
    L.SetComputed(Col, FormulaValid);
    if (FormulaValid && L.Compile(Text))
        L.BuildFormulaRefs(Col);
    else
        L.ClearFormulaRefs(Col);
    // A computed column draws no random numbers.
    if (Result == rsOk)
        L.ClearRandom(Col);
}

bool TCalcDlg::ComputedChanged() const
{
    return Host.Lumen().IsComputed(Col) != WasComputed;
}

bool TCalcDlg::FormulaChanged() const
{
    return FormelEdit->text() != OldFormula;
}

void TCalcDlg::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    adjustSize();
    if (const QScreen *S = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect R = frameGeometry();
        R.moveCenter(S->availableGeometry().center());
        move(R.topLeft());
    }
    FormelEdit->setFocus();
}
