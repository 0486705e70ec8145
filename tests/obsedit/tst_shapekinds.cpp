// The box plot and the histogram in the observation editor: when the kind
// list offers them, the list's items and icons, a box plot of two marked
// columns in a pane and on the clipboard (picture and text together), and
// the histogram linked with the table beside it.
#include "DataEdit.h"
#include "DescriptionPane.h"
#include "Describe.h"
#include "EditorGlyphs.h"
#include "PaneKinds.h"
#include "support_host.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QTest>

namespace
{

// Column C filled with Count numbers 1, 2, ... (0: left empty, -1: a text).
void FillColumn(tLumen &L, int C, int Count)
{
    if (Count < 0)
        L.SetCellText(0, C, QStringLiteral("x"));
    for (int I = 0; I < Count; ++I)
        L.SetCellText(I, C, QString::number(I + 1));
}

void Group(tLumen &L, int C)
{
    L.SetGroupKind(C, gkAuto);
    L.SetFirstLower(C, 0);
    L.SetFirstUpper(C, 5);
    L.SetGap(C, 0);
    L.SetGroupCount(C, 4);
}

} // namespace

class tst_shapekinds : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    // Columns: a number of values each (-1 a text only); grouped columns
    // marked "g"; Lines: marked lines instead of columns.
    void availability_data()
    {
        QTest::addColumn<QString>("Columns");
        QTest::addColumn<int>("Lines");
        QTest::addColumn<bool>("Box");
        QTest::addColumn<bool>("Histogram");
        QTest::newRow("one column") << "4" << 0 << true << false;
        QTest::newRow("a text only") << "-1" << 0 << false << false;
        QTest::newRow("one of two empty") << "4 0" << 0 << false << false;
        QTest::newRow("six columns") << "4 5 6 7 8 9" << 0 << true << false;
        QTest::newRow("seven columns") << "4 5 6 7 8 9 3" << 0 << false << false;
        QTest::newRow("one line") << "3 3" << 1 << true << false;
        QTest::newRow("two lines") << "3 3" << 2 << false << false;
        QTest::newRow("grouped column") << "9g" << 0 << true << true;
        QTest::newRow("grouped and not") << "9g 4" << 0 << true << false;
        QTest::newRow("two grouped") << "9g 9g" << 0 << true << false;
        QTest::newRow("grouped, no numbers") << "0g" << 0 << false << false;
    }
    void availability()
    {
        QFETCH(QString, Columns);
        QFETCH(int, Lines);
        QFETCH(bool, Box);
        QFETCH(bool, Histogram);
        tLumen L;
        const QStringList Cols = Columns.split(' ');
        for (int C = 0; C < Cols.size(); ++C) {
            FillColumn(L, C, Cols[C].chopped(Cols[C].endsWith('g') ? 1 : 0).toInt());
            if (Cols[C].endsWith('g'))
                Group(L, C);
            if (Lines == 0)
                L.ToggleColSelected(C);
        }
        for (int I = 0; I < Lines; ++I)
            L.ToggleLineSelected(I);
        tDescriptor &D = DescriptorOf(L);
        D.SetOwner(dtObs);
        D.MarkStale();
        D.Recompute(L);
        QCOMPARE(KindAvailable(L, dtObs, bkBoksplot), Box);
        QCOMPARE(KindAvailable(L, dtObs, bkHistogram), Histogram);
    }

    // The list's last two items, with icons of their own.
    void listItems()
    {
        TEditorFixture F;
        QComboBox *Box = F.Edit->Pane(1)->ComboBox;
        // The first KindCount kinds, then those appended after them.
        QVERIFY(Box->count() >= KindCount);
        QCOMPARE(Box->itemText(F.Edit->ItemOfKind(bkBoksplot)), QStringLiteral("Boksplot"));
        QCOMPARE(Box->itemText(F.Edit->ItemOfKind(bkHistogram)), QStringLiteral("Histogram"));
        const QImage Box11 = KindIcon(bkBoksplot - 1, 0).toImage();
        const QImage Hist = KindIcon(bkHistogram - 1, 0).toImage();
        QVERIFY(!Box11.isNull() && !Hist.isNull() && Box11 != Hist);
        QVERIFY(Box11 != KindIcon(bkFrekvensgraf - 1, 0).toImage());
        // Refused items are greyed like the others.
        QVERIFY(KindIcon(bkHistogram - 1, 2).toImage() != Hist);
    }

    // Two marked columns: the box plot in the mixed view's pane, copied as a
    // picture and its figures together, refused again when a column empties.
    void boxPlotInEditor()
    {
        TEditorFixture F;
        FillColumn(F.L(), 0, 4);
        FillColumn(F.L(), 1, 6);
        F.L().SetColName(1, QStringLiteral("7.b"));
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        ClickHeader(F.Edit->SojleDG(), 0, 1, Qt::ControlModifier);
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkBoksplot));
        QCOMPARE(int(DescriptorOf(F.L()).GetPaneKind(1)), int(bkBoksplot));
        QCOMPARE(F.Edit->Pane(1)->Range(), BoxPlotPaneSize(2));

        QClipboard *C = QGuiApplication::clipboard();
        C->clear();
        QAction *Copy = F.Edit->MenuItem(QStringLiteral("Kopierboksplot"));
        QVERIFY(Copy);
        Copy->trigger();
        QCOMPARE(C->image().size(), BoxPlotPictureSize(2));
        QCOMPARE(C->text(), BoxPlotText(DescriptorOf(F.L())));
        QVERIFY(C->text().contains(QStringLiteral("7.b\t1\t2,00\t3,00\t5,00\t6\r\n")));
        QVERIFY(F.Edit->MenuItem(QStringLiteral("PrintBoksplot")));

        // Column B emptied: the kind goes, the pane asks for a new one.
        for (int I = 0; I < 6; ++I)
            F.L().SetCellText(I, 1, QString());
        F.Edit->RefreshDescriptions();
        QCOMPARE(int(DescriptorOf(F.L()).GetPaneKind(1)), 0);
    }

    // The histogram beside the table: a click on a bar picks its class in
    // the table, which the histogram then marks.
    void histogramLinked()
    {
        TEditorFixture F;
        for (int I = 0; I < 9; ++I)
            F.L().SetCellText(I, 0, QString::number(I * 2 + 1));
        Group(F.L(), 0);
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        F.Edit->SetView(TEditorFrame::vwDual);
        F.Edit->ChooseKind(2, F.Edit->ItemOfKind(bkTabel));
        F.Edit->ChooseKind(3, F.Edit->ItemOfKind(bkHistogram));
        tDescriptor &D = DescriptorOf(F.L());
        QVERIFY(D.Panes23Linked());
        TDescriptionPane *P = F.Edit->Pane(3);
        P->PaintBox->repaint(); // records the scale
        const QImage Before = P->PaintBox->grab().toImage();
        // The middle of the third class, 10 to 15 (classes hold their upper
        // bound).
        const int X = int((12.5 + double(D.XOffset)) / double(D.XScale) + 0.5);
        QTest::mouseClick(P->PaintBox, Qt::LeftButton, {}, QPoint(X, P->PaintBox->height() / 2));
        QCOMPARE(D.SelectedIndex(), 2);
        QVERIFY(D.SelectionShown());
        P->PaintBox->repaint();
        QVERIFY(P->PaintBox->grab().toImage() != Before);
    }
};

QTEST_MAIN(tst_shapekinds)
#include "tst_shapekinds.moc"
