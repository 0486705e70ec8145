// The column settings dialog: the automatic grouping computed while typing,
// the manual grid, the value check with its messages, what Apply stores, and
// the editor showing a new grouping at once.
#include "support_host.h"

#include "DataEdit.h"
#include "DataStilDlg.h"
#include "Describe.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace
{

// Column A holds the values (as typed) with the decimals; the dialog is
// prepared for A.
struct TDialogFixture {
    TFakeHost Host;
    TDataStilDlg Dlg{Host};
    explicit TDialogFixture(const QStringList &Values, int Decimals = 0)
    {
        for (int I = 0; I < Values.size(); ++I)
            Host.Lumen().SetCellText(I, 0, Values[I]);
        Host.Lumen().SetDecimals(0, Decimals);
        Dlg.Prepare(0);
    }
    // Every message box asked, "caption: text" (the text alone without caption).
    QStringList Messages() const
    {
        QStringList M;
        for (const auto &A : Host.Script.Asked)
            M << (A.Title.isEmpty() ? A.Text : A.Title + ": " + A.Text);
        return M;
    }
};

QStringList Range(int From, int To)
{
    QStringList L;
    for (int V = From; V <= To; ++V)
        L << QString::number(V);
    return L;
}

const QString Refused = QStringLiteral("Denne gruppe-inddeling kan ikke bruges");
const QString Outside = QStringLiteral("Tal udenfor intervaller: Fundet: ");

} // namespace

class TstColumnSettings : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void automatic_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("edits"); // typed, decimal points included
        QTest::addColumn<QString>("secondUpper");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("messages"); // on OK; none: accepted
        auto Row = [](const char *Name, const QStringList &Values, const char *Edits,
                      const char *SecondUpper, const char *Count, const QStringList &Messages) {
            QTest::newRow(Name) << Values << QString(Edits).split(' ') << QString(SecondUpper)
                                << QString(Count) << Messages;
        };
        Row("touching tens", Range(1, 37), "0 10 10", "20", "4", {});
        Row("gap of one", Range(1, 37), "1 5 6", "10", "8", {});
        Row("value in a gap", Range(1, 37) << "5.5", "1 5 6", "10", "8",
            {Outside + "5,5", Refused});
        Row("below the first, three reported", {"0", "7", "-1", "-2", "37"}, "1 5 6", "10", "8",
            {Outside + "0,0  -1,0  -2,0", Refused});
        Row("first lower bound belongs below", Range(1, 37), "1 10 10", "19", "4",
            {Outside + "1,0", Refused});
        Row("no values", {}, "0 10 10", "20", "1", {});
        Row("points typed", {"0,3", "1"}, "0 0.1 0.1", "0,2", "10", {});
        Row("width beyond the number range", Range(1, 3), "-1,1e4932 1,1e4932 1,1e4932", "", "",
            {Refused});
        // Counted, not stepped through: a billion classes must not hang.
        Row("more classes than a grouping may have", {"1000000"}, "0 0,001 0,001", "0,002", "",
            {Refused});
    }

    void automatic()
    {
        QFETCH(QStringList, values);
        QFETCH(QStringList, edits);
        QFETCH(QString, secondUpper);
        QFETCH(QString, count);
        QFETCH(QStringList, messages);
        TDialogFixture F(values, 1);
        F.Dlg.ObsRB->setChecked(true);
        QLineEdit *Edits[] = {F.Dlg.ForsteMinEdit, F.Dlg.ForsteMaxEdit, F.Dlg.AndenMinEdit};
        for (int I = 0; I < 3; ++I) {
            Edits[I]->selectAll();
            QTest::keyClicks(Edits[I], edits[I]);
            // A point typed becomes a comma at once.
            QCOMPARE(Edits[I]->text(), QString(edits[I]).replace('.', ','));
        }
        QVERIFY(F.Dlg.GrupRB->isChecked());
        QCOMPARE(F.Dlg.AndenMaxPanel->text(), secondUpper);
        QCOMPARE(F.Dlg.AntalGrupPanel->text(), count);
        F.Dlg.show();
        F.Dlg.OKBtn->click();
        QCOMPARE(F.Messages(), messages);
        QCOMPARE(F.Dlg.result(), messages.isEmpty() ? int(QDialog::Accepted) : 0);
    }

    void manual_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("message"); // first message on OK; empty: accepted
        QTest::newRow("touching") << QStringList{"0|10", "10|20", "20|30"} << Range(1, 30) << "";
        QTest::newRow("overlapping") << QStringList{"0|10", "5|20"} << Range(1, 3) << Refused;
        QTest::newRow("point after a gap")
            << QStringList{"0|10", "12|12"} << QStringList{"0", "12"} << "";
        QTest::newRow("blank row between")
            << QStringList{"0|10", "|", "20|30"} << Range(1, 3) << Refused;
        QTest::newRow("half filled") << QStringList{"0|10", "10|"} << Range(1, 3) << Refused;
        QTest::newRow("no rows") << QStringList{} << Range(1, 3) << Refused;
        QTest::newRow("touching class open below")
            << QStringList{"0|10", "10|20"} << QStringList{"0", "10", "20", "21"} << Outside + "21";
        QTest::newRow("first row closed")
            << QStringList{"0|10"} << QStringList{"0", "-0.5"} << Outside + "-1";
        QTest::newRow("a gap") << QStringList{"0|10", "20|30"} << QStringList{"20", "15"}
                               << Outside + "15";
    }

    void manual()
    {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, values);
        QFETCH(QString, message);
        TDialogFixture F(values);
        F.Dlg.ManuRB->setChecked(true);
        for (int R = 0; R < rows.size(); ++R)
            for (int C = 0; C < 2; ++C)
                F.Dlg.GrupSG->setItem(R, C + 1, new QTableWidgetItem(rows[R].split('|').value(C)));
        F.Dlg.show();
        F.Dlg.OKBtn->click();
        QCOMPARE(F.Messages().value(0), message);
        QCOMPARE(F.Dlg.result(), message.isEmpty() ? int(QDialog::Accepted) : 0);
        if (message.isEmpty()) {
            F.Dlg.Apply();
            QCOMPARE(F.Host.Lumen().GetGroupKind(0), uint8_t(gkManual));
            QCOMPARE(F.Host.Lumen().Cols[0].Intervals.size(), rows.size());
        }
    }

    void gridEnterMoves()
    {
        TDialogFixture F(Range(1, 3));
        F.Dlg.ManuRB->setChecked(true);
        F.Dlg.PageControl->setCurrentIndex(1);
        F.Dlg.show();
        F.Dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&F.Dlg));
        QTableWidget *G = F.Dlg.GrupSG;
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
        F.Dlg.OKBtn->click();
        QCOMPARE(F.Messages(), QStringList{Refused});
        QVERIFY(G->selectedItems().isEmpty());
        // From the last row back to the first.
        G->setCurrentCell(TDataStilDlg::GridRows - 1, 2);
        QTest::keyClick(G, Qt::Key_Return);
        QCOMPARE(G->currentRow(), 0);
    }

    void applyKeepsTheOtherGrouping()
    {
        TFakeHost Host;
        tLumen &L = Host.Lumen();
        for (const char *V : {"4", "x", "-2,5", "17"})
            L.SetCellText(L.CellCount(2), 2, QString::fromLatin1(V));
        L.SetGroupKind(2, gkManual);
        L.AddInterval(2, -20, 20);
        L.SetFirstUpper(2, 10);
        L.SetGroupCount(2, 4);
        TDataStilDlg Dlg(Host);
        Dlg.Prepare(2);
        QCOMPARE(Dlg.windowTitle(), QStringLiteral("Indstillinger for kolonne C"));
        QCOMPARE(Dlg.MinValuePanel->text() + ' ' + Dlg.MaxValuePanel->text(),
                 QStringLiteral("-2,5 17"));
        // No grouping, two decimals, a comment: the intervals and the
        // automatic settings stay for later.
        Dlg.Prepare(2);
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
        QVERIFY(D.IsGrouped());
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
