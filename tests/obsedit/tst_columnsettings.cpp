// The column settings dialog: the automatic grouping computed while typing,
// the manual grid, the value check with its messages, what Apply stores, and
// the editor showing a new grouping at once.
#include "support_host.h"

#include "DataEdit.h"
#include "DataStilDlg.h"
#include "Describe.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace
{

// Column A holds the given values (as typed), then the dialog is prepared
// for A.
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
    // The texts of every message box asked, in order.
    QStringList Messages() const
    {
        QStringList M;
        for (const auto &A : Host.Script.Asked)
            M << (A.Title.isEmpty() ? A.Text : A.Title + ": " + A.Text);
        return M;
    }
    void TypeAuto(const QString &A, const QString &B, const QString &C)
    {
        for (auto [Edit, Text] : {std::pair{Dlg.ForsteMinEdit, A}, std::pair{Dlg.ForsteMaxEdit, B},
                                  std::pair{Dlg.AndenMinEdit, C}}) {
            Edit->selectAll();
            QTest::keyClicks(Edit, Text);
            if (Text.isEmpty())
                QTest::keyClick(Edit, Qt::Key_Delete);
        }
    }
    void FillGrid(const QStringList &Rows)
    {
        Dlg.ManuRB->setChecked(true);
        for (int R = 0; R < Rows.size(); ++R) {
            const QStringList Cells = Rows[R].split('|');
            for (int C = 0; C < 2; ++C)
                Dlg.GrupSG->setItem(R, C + 1, new QTableWidgetItem(Cells.value(C)));
        }
    }
};

QStringList Range(int From, int To)
{
    QStringList L;
    for (int V = From; V <= To; ++V)
        L << QString::number(V);
    return L;
}

} // namespace

class TstColumnSettings : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void automatic_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("secondUpper");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("messages"); // on OK; none: accepted
        const QString Refused = QStringLiteral("Denne gruppe-inddeling kan ikke bruges");
        QTest::newRow("touching tens") << Range(1, 37) << 0 << QStringList{"0", "10", "10"} << "20"
                                       << "4" << QStringList{};
        QTest::newRow("gap of one") << Range(1, 37) << 0 << QStringList{"1", "5", "6"} << "10"
                                    << "8" << QStringList{};
        QTest::newRow("value in a gap")
            << (Range(1, 37) << "5.5") << 1 << QStringList{"1", "5", "6"} << "10"
            << "8" << QStringList{"Tal udenfor intervaller: Fundet: 5,5", Refused};
        QTest::newRow("below the first interval, three reported")
            << (QStringList{"0", "7"} << Range(20, 37) << "-1"
                                      << "-2")
            << 0 << QStringList{"1", "5", "6"} << "10"
            << "8" << QStringList{"Tal udenfor intervaller: Fundet: 0  -1  -2", Refused};
        QTest::newRow("first lower bound belongs below")
            << Range(1, 37) << 0 << QStringList{"1", "10", "10"} << "19"
            << "4" << QStringList{"Tal udenfor intervaller: Fundet: 1", Refused};
        QTest::newRow("no values") << QStringList{} << 0 << QStringList{"0", "10", "10"} << "20"
                                   << "1" << QStringList{};
        QTest::newRow("decimal widths")
            << QStringList{"0,3", "1"} << 1 << QStringList{"0", "0,1", "0,1"} << "0,2"
            << "10" << QStringList{};
        QTest::newRow("first bounds equal") << Range(1, 3) << 0 << QStringList{"5", "5", "6"} << ""
                                            << "" << QStringList{Refused};
        QTest::newRow("second below first") << Range(1, 3) << 0 << QStringList{"0", "5", "4"} << ""
                                            << "" << QStringList{Refused};
        QTest::newRow("not a number") << Range(1, 3) << 0 << QStringList{"0", "fem", "5"} << ""
                                      << "" << QStringList{Refused};
        QTest::newRow("width beyond the number range")
            << Range(1, 3) << 0 << QStringList{"-1,1e4932", "1,1e4932", "1,1e4932"} << ""
            << "" << QStringList{Refused};
        QTest::newRow("more classes than a grouping may have")
            << QStringList{"1000000"} << 0 << QStringList{"0", "0,001", "0,001"} << "0,002"
            << "" << QStringList{Refused};
    }

    void automatic()
    {
        QFETCH(QStringList, values);
        QFETCH(int, decimals);
        QFETCH(QStringList, edits);
        QFETCH(QString, secondUpper);
        QFETCH(QString, count);
        QFETCH(QStringList, messages);
        TDialogFixture F(values, decimals);
        QElapsedTimer T;
        T.start();
        F.TypeAuto(edits[0], edits[1], edits[2]);
        QVERIFY(T.elapsed() < 2000); // computed, not counted one class at a time
        QVERIFY(F.Dlg.GrupRB->isChecked());
        QCOMPARE(F.Dlg.AndenMaxPanel->text(), secondUpper);
        QCOMPARE(F.Dlg.AntalGrupPanel->text(), count);
        F.Dlg.show();
        F.Dlg.OKBtn->click();
        QCOMPARE(F.Messages(), messages);
        QCOMPARE(F.Dlg.isVisible(), !messages.isEmpty());
        QCOMPARE(F.Dlg.result(), messages.isEmpty() ? int(QDialog::Accepted) : 0);
    }

    void informationBoxes()
    {
        TDialogFixture F({"4", "x", "-2,5", "17"});
        QCOMPARE(F.Dlg.MinValuePanel->text(), QStringLiteral("-2,5"));
        QCOMPARE(F.Dlg.MaxValuePanel->text(), QStringLiteral("17"));
        // A point typed becomes a comma at once, keeping the caret.
        F.Dlg.ObsRB->setChecked(true);
        F.Dlg.ForsteMinEdit->clear();
        QTest::keyClicks(F.Dlg.ForsteMinEdit, "2.5");
        QCOMPARE(F.Dlg.ForsteMinEdit->text(), QStringLiteral("2,5"));
        QCOMPARE(F.Dlg.ForsteMinEdit->cursorPosition(), 3);
        QVERIFY(F.Dlg.GrupRB->isChecked());
        QCOMPARE(F.Dlg.GrupperingNB->currentIndex(), 1);
    }

    void manual_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("message"); // first message on OK; empty: accepted
        const QString Refused = QStringLiteral("Denne gruppe-inddeling kan ikke bruges");
        QTest::newRow("touching") << QStringList{"0|10", "10|20", "20|30"} << Range(1, 30) << "";
        QTest::newRow("overlapping") << QStringList{"0|10", "5|20"} << Range(1, 3) << Refused;
        QTest::newRow("point after a gap")
            << QStringList{"0|10", "12|12"} << QStringList{"0", "12"} << "";
        QTest::newRow("point touching") << QStringList{"0|10", "10|10"} << Range(1, 3) << Refused;
        QTest::newRow("blank row between")
            << QStringList{"0|10", "|", "20|30"} << Range(1, 3) << Refused;
        QTest::newRow("reversed") << QStringList{"10|0"} << Range(1, 3) << Refused;
        QTest::newRow("descending") << QStringList{"10|20", "0|5"} << Range(1, 3) << Refused;
        QTest::newRow("half filled") << QStringList{"0|10", "10|"} << Range(1, 3) << Refused;
        QTest::newRow("no rows") << QStringList{} << Range(1, 3) << Refused;
        QTest::newRow("lower bound of a touching class belongs below")
            << QStringList{"0|10", "10|20"} << QStringList{"0", "10", "20", "21"}
            << "Tal udenfor intervaller: Fundet: 21";
        QTest::newRow("first row is closed") << QStringList{"0|10"} << QStringList{"0", "-0.5"}
                                             << "Tal udenfor intervaller: Fundet: -1";
        QTest::newRow("a gap") << QStringList{"0|10", "20|30"} << QStringList{"20", "15"}
                               << "Tal udenfor intervaller: Fundet: 15";
    }

    void manual()
    {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, values);
        QFETCH(QString, message);
        TDialogFixture F(values);
        F.FillGrid(rows);
        F.Dlg.show();
        F.Dlg.OKBtn->click();
        QCOMPARE(F.Messages().value(0), message);
        QCOMPARE(F.Dlg.result(), message.isEmpty() ? int(QDialog::Accepted) : 0);
        if (!message.isEmpty()) {
            QVERIFY(F.Dlg.GrupSG->selectedItems().isEmpty());
            return;
        }
        F.Dlg.Apply();
        const tLumen &L = F.Host.Lumen();
        QCOMPARE(L.GetGroupKind(0), uint8_t(gkManual));
        QCOMPARE(L.Cols[0].Intervals.size(), rows.size());
        QVERIFY(F.Dlg.IntervalsChanged());
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
        // Typed in the lower bound, Enter goes to the upper bound of the row,
        // then to the next row's lower bound.
        QTest::keyClicks(G, "0");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(G->currentColumn(), 2);
        QTest::keyClicks(QApplication::focusWidget(), "10");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(G->currentRow(), 1);
        QCOMPARE(G->currentColumn(), 1);
        QCOMPARE(G->item(0, 1)->text(), QStringLiteral("0"));
        QCOMPARE(G->item(0, 2)->text(), QStringLiteral("10"));
        QVERIFY(QApplication::focusWidget()->parent() == G->viewport()); // editing again
        // A text still being typed counts on OK: "20" makes the second row
        // half filled.
        QTest::keyClicks(QApplication::focusWidget(), "20");
        F.Dlg.ManuRB->setChecked(true);
        F.Dlg.OKBtn->click();
        QCOMPARE(G->item(1, 1)->text(), QStringLiteral("20"));
        QCOMPARE(F.Messages(), QStringList{"Denne gruppe-inddeling kan ikke bruges"});
        // From the last row back to the first.
        G->setCurrentCell(TDataStilDlg::GridRows - 1, 2);
        QTest::keyClick(G, Qt::Key_Return);
        QCOMPARE(G->currentRow(), 0);
        QCOMPARE(G->currentColumn(), 1);
    }

    void applyAndQueries()
    {
        TFakeHost Host;
        tLumen &L = Host.Lumen();
        for (int I = 1; I <= 37; ++I)
            L.SetCellText(I - 1, 2, QString::number(I));
        L.SetGroupKind(2, gkManual);
        L.AddInterval(2, 0, 20);
        L.AddInterval(2, 20, 40);
        L.SetFirstLower(2, 0);
        L.SetFirstUpper(2, 10);
        L.SetGroupCount(2, 4);
        TDataStilDlg Dlg(Host);
        Dlg.Prepare(2);
        QCOMPARE(Dlg.windowTitle(), QStringLiteral("Indstillinger for kolonne C"));
        QVERIFY(Dlg.ManuRB->isChecked());
        QCOMPARE(Dlg.GrupSG->item(1, 2)->text(), QStringLiteral("40"));
        QCOMPARE(Dlg.AndenMinEdit->text(), QStringLiteral("10"));
        QCOMPARE(Dlg.AntalGrupPanel->text(), QStringLiteral("4"));

        // The same intervals again: nothing replaced, nothing changed.
        Dlg.OKBtn->click();
        Dlg.Apply();
        QVERIFY(!Dlg.IntervalsChanged() && !Dlg.GroupKindChanged() && !Dlg.AutoTextsChanged() &&
                !Dlg.DecimalsChanged());

        // No grouping, two decimals, a comment: the stored groupings stay.
        Dlg.Prepare(2);
        Dlg.ObsRB->setChecked(true);
        Dlg.UpDown->stepUp();
        Dlg.UpDown->stepUp();
        Dlg.KommentarEdit->setText(QStringLiteral("Højde i cm"));
        Dlg.OKBtn->click();
        Dlg.Apply();
        QVERIFY(Dlg.GroupKindChanged() && Dlg.DecimalsChanged());
        QCOMPARE(L.GetGroupKind(2), uint8_t(gkNone));
        QCOMPARE(L.GetDecimals(2), 2);
        QCOMPARE(L.GetComment(2), QStringLiteral("Højde i cm"));
        QCOMPARE(L.Cols[2].Intervals.size(), 2);
        QCOMPARE(L.GetGroupCount(2), 4);

        // Automatic with a gap: the gap is stored as the distance.
        Dlg.Prepare(2);
        QVERIFY(Dlg.ObsRB->isChecked());
        QCOMPARE(Dlg.GrupSG->item(0, 2)->text(), QStringLiteral("20"));
        Dlg.ForsteMinEdit->setText(QStringLiteral("1"));
        Dlg.ForsteMaxEdit->setText(QStringLiteral("5"));
        QTest::keyClicks(Dlg.AndenMinEdit, "");
        Dlg.AndenMinEdit->selectAll();
        QTest::keyClicks(Dlg.AndenMinEdit, "6");
        Dlg.OKBtn->click();
        Dlg.Apply();
        QVERIFY(Dlg.AutoTextsChanged());
        QCOMPARE(L.GetGroupKind(2), uint8_t(gkAuto));
        QCOMPARE(double(L.GetGap(2)), 1.0);
        QCOMPARE(L.GetGroupCount(2), 8);
        // The up/down stops at its ends.
        Dlg.Prepare(2);
        for (int I = 0; I < 12; ++I)
            Dlg.UpDown->stepUp();
        QCOMPARE(Dlg.UpDownPanel->text(), QStringLiteral("10"));
    }

    void editorShowsNewGrouping()
    {
        TEditorFixture F;
        for (int I = 1; I <= 37; ++I)
            F.L().SetCellText(I - 1, 0, QString::number(I));
        F.L().SetComment(0, QStringLiteral("Højde"));
        ClickHeader(F.Edit->SojleDG(), 0, 1); // B marked
        QCOMPARE(F.Edit->View(), TEditorFrame::vwEdit);
        WhenModal([](QWidget *W) {
            auto *Dlg = static_cast<TDataStilDlg *>(W);
            Dlg->GrupRB->setChecked(true);
            Dlg->ForsteMinEdit->setText(QStringLiteral("0"));
            Dlg->ForsteMaxEdit->setText(QStringLiteral("10"));
            Dlg->AndenMinEdit->selectAll();
            QTest::keyClicks(Dlg->AndenMinEdit, "10");
            Dlg->OKBtn->click();
        });
        ClickHeader(F.Edit->SojleDG(), 0, 0, {}, true);
        QVERIFY(F.Edit->DataEdited());
        QCOMPARE(F.Edit->View(), TEditorFrame::vwMixed);
        QCOMPARE(F.L().SelCols, QVector<int32_t>{0});
        tDescriptor &D = F.Edit->Descriptor();
        for (int N : {1, 3, 4})
            QCOMPARE(D.GetPaneKind(N), uint8_t(bkTabel));
        QCOMPARE(F.Edit->Pane(1)->ComboBox->currentIndex(), F.Edit->ItemOfKind(bkTabel));
        QVERIFY(D.IsGrouped());
        QCOMPARE(D.ListCount(0), 4);
        QVERIFY(F.Edit->StatusPanel->text().startsWith(QStringLiteral("Højde")));

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
