#include "ArrowDlg.h"
#include "TitleFit.h"

#include "NumberText.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace
{

// Whether class R holds X: closed when the grouping leaves gaps between
// classes, else open at the lower bound (the lower bound belongs to the
// class before).
bool ClassHolds(const TFreqRecord &R, bool Closed, Extended X)
{
    return (Closed ? X >= R.Lower : X > R.Lower) && X <= R.Upper;
}

} // namespace

bool CumulativeYAt(const tSeries &S, bool Grouped, Extended X, Extended &Y)
{
    const QVector<TFreqRecord> &L = S.List;
    if (L.isEmpty())
        return false;
    if (Grouped) {
        Extended FPrev = 0;
        for (const TFreqRecord &R : L) {
            if (ClassHolds(R, S.ClassGaps, X)) {
                const Extended Width = R.Upper - R.Lower;
                // A class of one point: its whole share is reached at once.
                Y = Width > 0 ? FPrev + (X - R.Lower) * (R.F - FPrev) / Width : R.F;
                return true;
            }
            FPrev = R.F;
        }
        return false;
    }
    for (int I = 0; I + 1 < L.size(); ++I) {
        if (L[I].Value <= X && X < L[I + 1].Value) {
            Y = L[I].F;
            return true;
        }
    }
    if (X >= L.last().Value) {
        Y = L.last().F;
        return true;
    }
    return false;
}

bool CumulativeXAt(const tSeries &S, bool Grouped, Extended Y, Extended &X)
{
    if (!(Y >= 0 && Y <= 1))
        return false;
    Extended FPrev = 0;
    for (const TFreqRecord &R : S.List) {
        if (!Grouped) {
            if (R.F >= Y) {
                X = R.Value;
                return true;
            }
        } else if (FPrev < Y && Y <= R.F) {
            X = R.Lower + (Y - FPrev) * (R.Upper - R.Lower) / (R.F - FPrev);
            return true;
        }
        FPrev = R.F;
    }
    return false;
}

TArrowDlg::TArrowDlg(QWidget *Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("ArrowDlg"));
    setWindowTitle(QStringLiteral("Beregn (x,y)"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(195, 75);
    FitTitle(this);

    auto *G = new QGridLayout(this);
    G->setContentsMargins(8, 6, 8, 6);
    G->setHorizontalSpacing(6);
    G->setVerticalSpacing(4);
    XEdit = new QLineEdit(this);
    XEdit->setObjectName(QStringLiteral("XEdit"));
    YEdit = new QLineEdit(this);
    YEdit->setObjectName(QStringLiteral("YEdit"));
    G->addWidget(new QLabel(QStringLiteral("X:"), this), 0, 0);
    G->addWidget(XEdit, 0, 1);
    G->addWidget(new QLabel(QStringLiteral("Y:"), this), 1, 0);
    G->addWidget(YEdit, 1, 1);

    auto Button = [this](const char *Name, const QString &Text) {
        auto *B = new QPushButton(Text, this);
        B->setObjectName(QLatin1String(Name));
        B->setAutoDefault(false);
        return B;
    };
    CalcButton = Button("CalcButton", QStringLiteral("Regn"));
    ClearButton = Button("ClearButton", QStringLiteral("Rens"));
    CloseButton = Button("CloseButton", QStringLiteral("Luk"));
    CalcButton->setDefault(true);
    auto *Buttons = new QHBoxLayout;
    Buttons->setSpacing(4);
    Buttons->addWidget(CalcButton);
    Buttons->addWidget(ClearButton);
    Buttons->addWidget(CloseButton);
    G->addLayout(Buttons, 2, 0, 1, 2);

    XEdit->installEventFilter(this);
    YEdit->installEventFilter(this);
    connect(CalcButton, &QPushButton::clicked, this, &TArrowDlg::CalcButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TArrowDlg::ClearButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TArrowDlg::Prepare(tDescriptor &D, int Pane, bool Grouped)
{
    Descr = &D;
    PaneN = Pane;
    IsGrouped = Grouped;
    XEdit->clear();
    YEdit->clear();
    CalcButton->setFocus();
}

void TArrowDlg::Open(tDescriptor &D, int Pane, bool Grouped)
{
    Prepare(D, Pane, Grouped);
    exec();
    Descr = nullptr;
}

bool TArrowDlg::eventFilter(QObject *Watched, QEvent *Event)
{
    // Entering one edit empties the other: one question at a time. After an
    // answer both start empty, so what is typed next replaces it.
    if (Event->type() == QEvent::FocusIn && (Watched == XEdit || Watched == YEdit)) {
        const Qt::FocusReason Reason = static_cast<QFocusEvent *>(Event)->reason();
        if (Reason != Qt::ActiveWindowFocusReason && Reason != Qt::PopupFocusReason) {
            if (Answered)
                static_cast<QLineEdit *>(Watched)->clear();
            Answered = false;
            (Watched == XEdit ? YEdit : XEdit)->clear();
        }
    }
    return QDialog::eventFilter(Watched, Event);
}

void TArrowDlg::Fail(const QString &Why)
{
    XEdit->clear();
    YEdit->clear();
    Answered = false;
    CalcButton->setFocus();
    if (ShowMessage)
        ShowMessage(Why);
}

void TArrowDlg::CalcButtonClick()
{
    CalcButton->setFocus();
    const QString XT = XEdit->text().trimmed();
    const QString YT = YEdit->text().trimmed();
    Extended In = 0;
    if (Descr == nullptr)
        return;
    if (XT.isEmpty() == YT.isEmpty() || !ParseNumber(XT.isEmpty() ? YT : XT, In)) {
        Fail(QStringLiteral("Skriv et tal i enten X eller Y."));
        return;
    }
    const tSeries &S = Descr->GetSeries(0);
    const bool FromX = !XT.isEmpty();
    Extended Out = 0;
    if (FromX ? !CumulativeYAt(S, IsGrouped, In, Out) : !CumulativeXAt(S, IsGrouped, In, Out)) {
        if (!FromX && !(In >= 0 && In <= 1))
            Fail(QStringLiteral("Y skal ligge mellem 0 og 1."));
        else
            Fail((FromX ? QStringLiteral("X = ") : QStringLiteral("Y = ")) + (FromX ? XT : YT) +
                 QStringLiteral(" ligger uden for grafen."));
        return;
    }
    (FromX ? YEdit : XEdit)->setText(FormatFixed(Out, 3));
    Answered = true;
    if (FromX)
        Descr->AddReading(In, Out, 1);
    else
        Descr->AddReading(Out, In, 0);
    emit ReadingsChanged(PaneN);
}

void TArrowDlg::ClearButtonClick()
{
    XEdit->clear();
    YEdit->clear();
    if (Descr != nullptr) {
        Descr->ClearReadings();
        emit ReadingsChanged(PaneN);
    }
    CalcButton->setFocus();
}
