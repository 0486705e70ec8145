// Random numbers from the editor: the dialog's checks and keys, the columns
// it fills or clears, and the refill of every random column with the
// computed columns that follow them.
#include "support_host.h"
#include "support_rows.h"

#include "DataEdit.h"
#include "Describe.h"
#include "Random.h"
#include "TerningDlg.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

namespace
{

// The numbers of column Col, in line order.
QList<double> Numbers(const tLumen &L, int Col)
{
    QList<double> V;
    for (int I = 0; I < L.CellCount(Col); ++I) {
        TCellState S;
        const Extended X = L.GetCellValue(I, Col, S);
        if (S == csNumber)
            V << double(X);
    }
    return V;
}

// Marks column Col alone, opens the dice dialog, notes what it shows
// ("from|to|count"), types Fields in its place and presses Button; a dialog
// that stays open is given up. Whether it stayed open.
bool Dice(TEditorFixture &F, int Col, const QString &Fields, bool Without = false,
          QPushButton *TTerningDlg::*Button = &TTerningDlg::OKBtn, QString *Shown = nullptr)
{
    if (!(F.L().SelColCount() == 1 && F.L().IsColSelected(Col)))
        ClickHeader(F.Edit->SojleDG(), 0, Col);
    bool Open = false;
    WhenModal([&](QWidget *W) {
        auto *D = static_cast<TTerningDlg *>(W);
        QStringList Was;
        QLineEdit *Edits[] = {D->FraEdit, D->TilEdit, D->AntalEdit};
        for (int I = 0; I < 3; ++I) {
            Was << Edits[I]->text();
            Edits[I]->clear();
            QTest::keyClicks(Edits[I], Fields.section('|', I, I));
        }
        if (Shown)
            *Shown = Was.join('|');
        (Without ? D->UdenRB : D->MedRB)->setChecked(true);
        (D->*Button)->click();
        Open = D->isVisible();
        if (Open)
            D->reject();
    });
    F.Edit->ToolButton(QStringLiteral("TerningSpeed"))->click();
    return Open;
}

// Fields "from|to|count"; Lines made (-1: nothing changed); the message
// shown (the dialog then stays open); the status line after.
const struct {
    const char *Name, *Fields;
    bool Without;
    int Lines;
    const char *Message, *Status;
} Rows[] = {
    // clang-format off
    {"dice", "1|6|20", false, 20, "", "Kolonne A; tilfældige tal (1; 6; 20 med tilbagelægning)"},
    {"permutation", "1|6|6", true, 6, "", "Kolonne A; tilfældige tal (1; 6; 6 uden tilbagelægning)"},
    {"reals without replacement", "||5", true, 5, "",
     "Kolonne A; tilfældige reelle tal (5 uden tilbagelægning)"},
    {"too many lines", "1|6|7", true, -1, "For mange linjer: Talområdet har kun 6 tal, så uden "
     "tilbagelægning kan der ikke udfyldes 7 linjer.", "Kolonne A"},
    {"from without to", "3||5", false, -1, "", "Kolonne A"},
    {"to below from", "6|1|5", false, -1, "", "Kolonne A"},
    {"no count", "1|6|", false, -1, "", "Kolonne A"},
    // clang-format on
};

} // namespace

class TstRandomNumbers : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }
    void init() { ProgramRandom().SetSeed(20240601); }

    void fill_data() { AddRows(Rows); }
    void fill()
    {
        const auto &R = CurrentRow(Rows);
        TEditorFixture F;
        const bool StayedOpen = Dice(F, 0, R.Fields, R.Without);
        QStringList Asked;
        for (const auto &A : F.Host.Script.Asked)
            Asked << A.Title + ": " + A.Text;
        QCOMPARE(Asked.join('\n'), QString::fromUtf8(R.Message));
        QCOMPARE(StayedOpen, *R.Message != 0);
        QCOMPARE(F.Edit->StatusPanel->text(), QString::fromUtf8(R.Status));
        const tLumen &L = F.L();
        QCOMPARE(L.GetRandomCount(0), std::max(R.Lines, 0));
        QCOMPARE(F.Edit->DataEdited(), R.Lines > 0);
        QList<double> V = Numbers(L, 0);
        QCOMPARE(V.size(), std::max(R.Lines, 0));
        if (R.Lines < 0)
            return;
        std::sort(V.begin(), V.end());
        const bool Reals = *R.Fields == '|';
        QCOMPARE(L.GetDecimals(0), Reals ? 10 : 0);
        QVERIFY(Reals ? V.first() >= 0 && V.last() < 1 : V.first() >= 1 && V.last() <= 6);
        if (R.Without)
            QVERIFY(std::adjacent_find(V.begin(), V.end()) == V.end());
        if (R.Without && !Reals)
            QCOMPARE(V, (QList<double>{1, 2, 3, 4, 5, 6}));
        QVERIFY(F.Edit->ToolButton(QStringLiteral("CupSpeed"))->isEnabled());
    }

    void typedDataAreNeverDrawnOver()
    {
        TEditorFixture F;
        F.L().SetCellText(0, 0, QStringLiteral("7"));
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        QVERIFY(!F.Edit->ToolButton(QStringLiteral("TerningSpeed"))->isEnabled());
        F.Edit->RandomRangeCommand(); // returns at once: no dialog to answer
        QCOMPARE(F.L().GetCellText(0, 0), QStringLiteral("7"));
        QCOMPARE(F.L().GetRandomCount(0), 0);
    }

    void keys()
    {
        TTerningDlg D;
        D.show();
        D.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&D));
        // The count is capped while typed.
        QTest::keyClicks(D.AntalEdit, "12345");
        QCOMPARE(D.AntalEdit->text(), QStringLiteral("10000"));
        // Enter goes from "Fra" to "til" to the count, and there means OK.
        D.FraEdit->setFocus();
        QTest::keyClicks(D.FraEdit, "2");
        QTest::keyClick(D.FraEdit, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), D.TilEdit);
        QTest::keyClicks(D.TilEdit, "9");
        QTest::keyClick(D.TilEdit, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), D.AntalEdit);
        QTest::keyClick(D.AntalEdit, Qt::Key_Return);
        QCOMPARE(D.result(), int(TTerningDlg::mrOk));
        QCOMPARE(QString("%1 %2 %3").arg(D.From()).arg(D.To()).arg(D.Count()), "2 9 10000");
    }

    void refillRecomputes()
    {
        TEditorFixture F;
        tLumen &L = F.L();
        Dice(F, 0, QStringLiteral("1|6|8"));
        Dice(F, 2, QStringLiteral("10|99|8"));
        QVERIFY(MakeComputed(L, 1, QStringLiteral("A+C")));
        const QList<double> A = Numbers(L, 0), C = Numbers(L, 2);
        DescriptorOf(L).AddReading(1, 0.5, 1);
        F.Edit->MenuItem(QStringLiteral("TilfaeldigeUdfyld"))->trigger(); // "Nye tal", F9
        const QList<double> A2 = Numbers(L, 0), B2 = Numbers(L, 1), C2 = Numbers(L, 2);
        QVERIFY(A2 != A || C2 != C);
        QCOMPARE(B2.size(), 8);
        for (int I = 0; I < 8; ++I)
            QCOMPARE(B2[I], A2[I] + C2[I]);
        QCOMPARE(DescriptorOf(L).GetReadingCount(), 0);

        // "Slet" makes A an ordinary empty column; B follows.
        Dice(F, 0, QString(), false, &TTerningDlg::IngenBtn);
        QVERIFY(L.CellCount(0) == 0 && L.GetRandomCount(0) == 0 && L.CellCount(1) == 0);
        QVERIFY(F.Edit->ToolButton(QStringLiteral("CupSpeed"))->isEnabled()); // C is left
        QString Shown;
        Dice(F, 2, QString(), false, &TTerningDlg::IngenBtn, &Shown);
        QCOMPARE(Shown, QStringLiteral("10|99|8"));
        QVERIFY(!F.Edit->ToolButton(QStringLiteral("CupSpeed"))->isEnabled());
    }
};

QTEST_MAIN(TstRandomNumbers)
#include "tst_randomnumbers.moc"
