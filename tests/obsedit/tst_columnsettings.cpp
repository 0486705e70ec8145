// The column settings dialog: the automatic grouping computed while typing,
// the manual grid, the value check with its messages, what Apply stores, and
// the editor showing a new grouping at once.
#include "support_host.h"
#include "support_rows.h"

#include "DataEdit.h"
#include "DataStilDlg.h"
#include "Describe.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

namespace
{

QStringList Range(int From, int To)
{
    QStringList L;
    for (int V = From; V <= To; ++V)
        L << QString::number(V);
    return L;
}

const QString Refused = QStringLiteral("Denne gruppe-inddeling kan ikke bruges");
const QString Outside = QStringLiteral("Tal udenfor intervaller: Fundet: ");

// Column A holds Values (one decimal). Auto: the three edits typed (decimal
// points included), with the second upper bound and the count shown; else
// Grid: the manual rows "lower|upper". On OK: accepted (Found null), or
// refused after the values found outside the classes (if any) are shown.
const struct {
    const char *Name;
    QStringList Values;
    const char *Auto;
    QStringList Grid;
    const char *SecondUpper, *Count, *Found;
} Rows[] = {
    // clang-format off
    {"touching tens", Range(1, 37), "0 10 10", {}, "20", "4", nullptr},
    {"gap of one", Range(1, 37), "1 5 6", {}, "10", "8", nullptr},
    {"value in a gap", Range(1, 37) << "5.5", "1 5 6", {}, "10", "8", "5,5"},
    {"below the first, three reported", {"0", "7", "-1", "-2", "37"}, "1 5 6", {}, "10", "8",
     "0,0  -1,0  -2,0"},
    {"first lower bound belongs below", Range(1, 37), "1 10 10", {}, "19", "4", "1,0"},
    {"no values", {}, "0 10 10", {}, "20", "1", nullptr},
    {"points typed", {"0,3", "1"}, "0 0.1 0.1", {}, "0,2", "10", nullptr},
    {"width beyond the number range", Range(1, 3), "-1,1e4932 1,1e4932 1,1e4932", {}, "", "", ""},
    // Counted, not stepped through: a billion classes must not hang.
    {"more classes than a grouping may have", {"1000000"}, "0 0,001 0,001", {}, "0,002", "", ""},
    {"grid touching", Range(1, 30), nullptr, {"0|10", "10|20", "20|30"}, "", "", nullptr},
    {"grid overlapping", Range(1, 3), nullptr, {"0|10", "5|20"}, "", "", ""},
    {"grid point after a gap", {"0", "12"}, nullptr, {"0|10", "12|12"}, "", "", nullptr},
    {"grid blank row between", Range(1, 3), nullptr, {"0|10", "|", "20|30"}, "", "", ""},
    {"grid half filled", Range(1, 3), nullptr, {"0|10", "10|"}, "", "", ""},
    {"grid of no rows", Range(1, 3), nullptr, {}, "", "", ""},
    {"grid touching class open below", {"0", "10", "20", "21"}, nullptr, {"0|10", "10|20"}, "",
     "", "21,0"},
    {"grid first row closed", {"0", "-0.5"}, nullptr, {"0|10"}, "", "", "-0,5"},
    {"grid with a gap", {"20", "15"}, nullptr, {"0|10", "20|30"}, "", "", "15,0"},
    // clang-format on
};

} // namespace

class TstColumnSettings : public QObject
{
    Q_OBJECT
    TFakeHost *Host = nullptr;

    // Every message box asked, "caption: text" (the text alone without caption).
    QStringList Messages() const
    {
        QStringList M;
        for (const auto &A : Host->Script.Asked)
            M << (A.Title.isEmpty() ? A.Text : A.Title + ": " + A.Text);
        return M;
    }

  private slots:
    void initTestCase() { InitEditorTest(); }
    void init() { Host = new TFakeHost; }
    void cleanup() { delete Host; }

    void grouping_data() { AddRows(Rows); }
    void grouping()
    {
        const auto &R = CurrentRow(Rows);
        tLumen &L = Host->Lumen();
        for (int I = 0; I < R.Values.size(); ++I)
            L.SetCellText(I, 0, R.Values[I]);
        L.SetDecimals(0, 1);
        TDataStilDlg Dlg(*Host);
        Dlg.Prepare(0);
        (R.Auto ? Dlg.ObsRB : Dlg.ManuRB)->setChecked(true);
        if (R.Auto) {
            const QStringList Typed = QString(R.Auto).split(' ');
            QLineEdit *Edits[] = {Dlg.ForsteMinEdit, Dlg.ForsteMaxEdit, Dlg.AndenMinEdit};
            for (int I = 0; I < 3; ++I) {
                Edits[I]->selectAll();
                QTest::keyClicks(Edits[I], Typed[I]);
                // A point typed becomes a comma at once.
                QCOMPARE(Edits[I]->text(), QString(Typed[I]).replace('.', ','));
            }
            QVERIFY(Dlg.GrupRB->isChecked());
            QCOMPARE(Dlg.AndenMaxPanel->text(), QString::fromLatin1(R.SecondUpper));
            QCOMPARE(Dlg.AntalGrupPanel->text(), QString::fromLatin1(R.Count));
        }
        for (int Row = 0; Row < R.Grid.size(); ++Row)
            for (int C = 0; C < 2; ++C)
                Dlg.GrupSG->setItem(Row, C + 1,
                                    new QTableWidgetItem(R.Grid[Row].split('|').value(C)));
        Dlg.show();
        Dlg.OKBtn->click();
        QStringList Refusal{Refused};
        if (R.Found && *R.Found)
            Refusal.prepend(Outside + R.Found);
        QCOMPARE(Messages(), R.Found ? Refusal : QStringList());
        QCOMPARE(Dlg.result(), R.Found ? 0 : int(QDialog::Accepted));
        if (R.Found)
            return;
        Dlg.Apply();
        QCOMPARE(L.GetGroupKind(0), uint8_t(R.Auto ? gkAuto : gkManual));
        if (R.Auto)
            QCOMPARE(QString::number(L.GetGroupCount(0)), QString::fromLatin1(R.Count));
        else
            QCOMPARE(L.Cols[0].Intervals.size(), R.Grid.size());
    }

    void gridEnterMoves()
    {
        TDataStilDlg Dlg(*Host);
        Dlg.Prepare(0);
        Dlg.ManuRB->setChecked(true);
        Dlg.PageControl->setCurrentIndex(1);
        Dlg.show();
        Dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Dlg));
        QTableWidget *G = Dlg.GrupSG;
        G->setFocus();
        G->setCurrentCell(0, 1);
        // Lower bound -> upper bound of the row -> next row's lower bound.
        QTest::keyClicks(G, "0");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(G->currentColumn(), 2);
        QTest::keyClicks(QApplication::focusWidget(), "10");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(G->currentRow(), 1);
        QCOMPARE(G->currentColumn(), 1);
        QCOMPARE(G->item(0, 2)->text(), QStringLiteral("10"));
        QVERIFY(QApplication::focusWidget()->parent() == G->viewport()); // editing again
        // A text still being typed counts on OK: the second row is half filled.
        QTest::keyClicks(QApplication::focusWidget(), "20");
        Dlg.OKBtn->click();
        QCOMPARE(Messages(), QStringList{Refused});
        // From the last row back to the first.
        G->setCurrentCell(TDataStilDlg::GridRows - 1, 2);
        QTest::keyClick(G, Qt::Key_Return);
        QCOMPARE(G->currentRow(), 0);
    }

    void applyKeepsTheOtherGrouping()
    {
        tLumen &L = Host->Lumen();
        for (const char *V : {"4", "x", "-2,5", "17"})
            L.SetCellText(L.CellCount(2), 2, QString::fromLatin1(V));
        L.SetGroupKind(2, gkManual);
        L.AddInterval(2, -20, 20);
        L.SetFirstUpper(2, 10);
        L.SetGroupCount(2, 4);
        TDataStilDlg Dlg(*Host);
        Dlg.Prepare(2);
        QCOMPARE(Dlg.windowTitle() + ' ' + Dlg.MinValuePanel->text() + ' ' +
                     Dlg.MaxValuePanel->text(),
                 QStringLiteral("Indstillinger for kolonne C -2,5 17"));
        // No grouping, two decimals, a comment: the intervals and the
        // automatic settings stay for later.
        Dlg.ObsRB->setChecked(true);
        for (int I = 0; I < 12; ++I)
            Dlg.UpDown->stepUp(); // stops at 10
        Dlg.KommentarEdit->setText(QStringLiteral("Højde i cm"));
        Dlg.OKBtn->click();
        Dlg.Apply();
        QVERIFY(Dlg.GroupKindChanged() && Dlg.DecimalsChanged());
        QCOMPARE(QString("%1 %2 %3 %4 %5")
                     .arg(L.GetDecimals(2))
                     .arg(L.GetComment(2))
                     .arg(L.GetGroupKind(2))
                     .arg(L.Cols[2].Intervals.size())
                     .arg(L.GetGroupCount(2)),
                 QStringLiteral("10 Højde i cm 0 1 4"));
    }

    void editorShowsNewGrouping()
    {
        TEditorFixture F;
        for (int I = 1; I <= 37; ++I)
            F.L().SetCellText(I - 1, 0, QString::number(I));
        F.L().SetComment(0, QStringLiteral("Højde"));
        ClickHeader(F.Edit->SojleDG(), 0, 1); // B marked
        WhenModal([](QWidget *W) {
            auto *Dlg = static_cast<TDataStilDlg *>(W);
            Dlg->ForsteMinEdit->setText(QStringLiteral("0"));
            Dlg->ForsteMaxEdit->setText(QStringLiteral("10"));
            Dlg->AndenMinEdit->selectAll();
            QTest::keyClicks(Dlg->AndenMinEdit, "10");
            Dlg->OKBtn->click();
        });
        ClickHeader(F.Edit->SojleDG(), 0, 0, {}, true); // A's drop button
        QVERIFY(F.Edit->DataEdited());
        QCOMPARE(F.Edit->View(), TEditorFrame::vwMixed);
        QCOMPARE(F.L().SelCols, QVector<int32_t>{0});
        tDescriptor &D = F.Edit->Descriptor();
        for (int N : {1, 3, 4})
            QCOMPARE(D.GetPaneKind(N), uint8_t(bkTabel));
        QCOMPARE(F.Edit->Pane(1)->ComboBox->currentIndex(), F.Edit->ItemOfKind(bkTabel));
        QCOMPARE(D.ListCount(0), 4);
        QCOMPARE(F.Edit->StatusPanel->text(), QStringLiteral("Højde (grupperet)"));

        // "Annuller" stores nothing; "Indstillinger..." opens the marked column.
        QString Caption;
        WhenModal([&Caption](QWidget *W) {
            auto *Dlg = static_cast<TDataStilDlg *>(W);
            Caption = Dlg->windowTitle();
            Dlg->ObsRB->setChecked(true);
            Dlg->CancelBtn->click();
        });
        F.Edit->MenuItem(QStringLiteral("SojleEgenskaber"))->trigger();
        QCOMPARE(Caption, QStringLiteral("Indstillinger for kolonne A"));
        QCOMPARE(F.L().GetGroupKind(0), uint8_t(gkAuto));
    }
};

QTEST_MAIN(TstColumnSettings)
#include "tst_columnsettings.moc"
