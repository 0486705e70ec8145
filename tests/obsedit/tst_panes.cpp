// The description panes: which kinds are offered, the pane partners, the
// fallback to the hint box, the pane buttons and the linking of a table and a
// graph in the dual view.
#include "support_host.h"

#include "DataEdit.h"
#include "Describe.h"
#include "PaneKinds.h"

#include <QComboBox>
#include <QPainter>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

namespace
{

// Fills column Col with the numbers First, First + 1, ... (Count of them).
void FillDistinct(tLumen &L, int Col, int Count, int First = 1)
{
    for (int I = 0; I < Count; ++I)
        L.SetCellText(I, Col, QString::number(First + I));
}

// Builds a data set from a small script: "A:n" fills column A with n distinct
// values, "A:n/k" with n values cycling through k distinct ones, "gA" groups
// A automatically, "tA" puts a text cell below A's numbers, "mA" marks column
// A, "l3" marks line index 3.
void Build(tLumen &L, const QString &Script)
{
    for (const QString &Step : Script.split(' ', Qt::SkipEmptyParts)) {
        if (Step.size() >= 3 && Step[1] == ':') {
            const int Col = ColIndex(Step[0]);
            const QStringList Parts = Step.mid(2).split('/');
            const int N = Parts[0].toInt();
            const int K = Parts.size() > 1 ? Parts[1].toInt() : N;
            for (int I = 0; I < N; ++I)
                L.Cols[Col].Cells.append(tCell{csNumber, QString(), Extended(I % K + 1)});
        } else if (Step[0] == 'g') {
            const int Col = ColIndex(Step[1]);
            L.SetGroupKind(Col, gkAuto);
            L.SetFirstLower(Col, 0);
            L.SetFirstUpper(Col, 10);
            L.SetGap(Col, 0);
            L.SetGroupCount(Col, 3);
        } else if (Step[0] == 't') {
            const int Col = ColIndex(Step[1]);
            L.SetCellText(L.CellCount(Col), Col, QStringLiteral("x"));
        } else if (Step[0] == 'm') {
            L.ToggleColSelected(ColIndex(Step[1]));
        } else if (Step[0] == 'l') {
            L.ToggleLineSelected(Step.mid(1).toInt());
        }
    }
    DescriptorOf(L).SetOwner(dtObs);
    DescriptorOf(L).MarkStale();
    DescriptorOf(L).Recompute(L);
}

QString Allowed(const tLumen &L, TDataType Type)
{
    QString S;
    for (int K = 1; K <= KindCount; ++K)
        if (KindAvailable(L, Type, K))
            S += QString::number(K) + ' ';
    return S.trimmed();
}

// An editor with N distinct values in column A, column A marked.
struct TMarked : TEditorFixture {
    explicit TMarked(int N)
    {
        FillDistinct(L(), 0, N);
        ClickHeader(Edit->SojleDG(), 0, 0);
    }
};

// The centre of list row K of the table in a pane.
QPoint TableRow(const tDescriptor &D, int K)
{
    return QPoint(40, D.TableTop + K * D.TableLineHeight + D.TableLineHeight / 2);
}

} // namespace

class TstPanes : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void availability_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("allowed");
        auto Row = [](const char *Name, const char *Script, const char *Allowed) {
            QTest::newRow(Name) << QString(Script) << QString(Allowed);
        };
        Row("nothing marked", "A:5", "");
        Row("one column", "A:5 mA", "1 2 3 4 5 6 7 8");
        Row("one value: no curve", "A:3/1 mA", "1 3 4 5 6 7 8");
        Row("16 values: pie", "A:16 mA", "1 2 3 4 5 6 7 8");
        Row("17 values: no pie", "A:17 mA", "1 2 3 4 5 6 7");
        Row("1001 cells: no sticks, still a table", "A:1001/4 mA", "3 4 5 6 7 8");
        Row("1001 distinct: no table", "A:1001 mA", "4 5 6 7");
        Row("two plain columns", "A:5 B:5 mA mB", "1 2 4 9 10");
        Row("grouped and plain", "A:5 B:5 gA mA mB", "");
        Row("grouped first column: no sticks", "A:5 gA mA", "3 4 5 6 7 8");
        Row("101 values: no cross table", "A:101 B:101 mA mB", "1 2 4 10");
        Row("seven columns", "A:3 B:3 C:3 D:3 E:3 F:3 G:3 mA mB mC mD mE mF mG", "");
        Row("one line", "A:3 B:3 C:2 l0", "1 3 4 5 6 7 8");
        Row("two lines of one value each: no curve", "A:3 B:3 l0 l1", "1");
        Row("text cells do not count", "A:1 tA mA", "1 3 4 5 6 7 8");
    }

    void availability()
    {
        QFETCH(QString, script);
        QFETCH(QString, allowed);
        tLumen L;
        Build(L, script);
        QCOMPARE(Allowed(L, dtObs), allowed);
        QVERIFY(KindAvailable(L, dtObs, bkIngen));
        QVERIFY(!KindAvailable(L, dtObs, 11));
    }

    void availabilityOfTables_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("values"); // observation values, frequency each
        QTest::addColumn<int>("freq");
        QTest::addColumn<QString>("allowed");
        QTest::newRow("frequencies") << int(dtHyp) << "1 2 3" << 2 << "3 4 5 6 7 8";
        QTest::newRow("frequencies all zero") << int(dtHyp) << "1 2 3" << 0 << "3 5 6 7 8";
        QTest::newRow("17 values")
            << int(dtHyp) << "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17" << 1 << "3 4 5 6 7";
        QTest::newRow("groupings") << int(dtGrup) << "0 10 20" << 1 << "3 4 5 6 7 8";
        QTest::newRow("groupings without frequency") << int(dtGrup) << "0 10 20" << 0 << "3";
    }

    void availabilityOfTables()
    {
        QFETCH(int, type);
        QFETCH(QString, values);
        QFETCH(int, freq);
        QFETCH(QString, allowed);
        tLumen L;
        const QStringList V = values.split(' ');
        for (int I = 0; I < V.size(); ++I) {
            if (type == dtHyp) {
                L.SetHypObsText(I, 0, V[I]);
                L.SetHypFreqText(I, 0, QString::number(freq));
            } else {
                L.SetGrupLowText(I, 0, V[I]);
                L.SetGrupHighText(I, 0, QString::number(V[I].toInt() + 10));
                L.SetGrupFreqText(I, 0, QString::number(freq));
            }
        }
        if (type == dtHyp)
            L.ToggleHypColSelected(0);
        else
            L.ToggleGrupColSelected(0);
        tDescriptor &D = DescriptorOf(L);
        D.SetOwner(TDataType(type));
        D.MarkStale();
        D.Recompute(L);
        QCOMPARE(Allowed(L, TDataType(type)), allowed);
    }

    // The pair checks themselves are the two-variable tests' part.
    void markedPair()
    {
        tLumen L;
        for (int I = 0; I < 2; ++I)
            L.SetCellText(I, 1, QString::number(I));
        L.SetCellText(0, 3, QStringLiteral("3"));
        QVERIFY(!PairsFaulty(L)); // nothing marked
        L.ToggleColSelected(1);
        L.ToggleColSelected(3);
        QVERIFY(PairsFaulty(L));
        QVERIFY(!FirstMarkedGrouped(L));
        L.SetGroupKind(1, gkManual);
        QVERIFY(FirstMarkedGrouped(L));
        L.SetGroupKind(1, gkNone);
        L.SetGroupKind(3, gkAuto);
        QVERIFY(!FirstMarkedGrouped(L));
    }

    void partners()
    {
        TMarked F(5);
        tDescriptor &D = DescriptorOf(F.L());
        auto Kinds = [&D] {
            return QString("%1 %2 %3 %4")
                .arg(D.GetPaneKind(1))
                .arg(D.GetPaneKind(2))
                .arg(D.GetPaneKind(3))
                .arg(D.GetPaneKind(4));
        };
        F.Edit->SetView(TEditorFrame::vwSingle);
        F.Edit->ChooseKind(4, F.Edit->ItemOfKind(bkTabel));
        QCOMPARE(Kinds(), QStringLiteral("3 0 3 3"));
        F.Edit->SetView(TEditorFrame::vwDual);
        F.Edit->ChooseKind(2, F.Edit->ItemOfKind(bkMaerketal));
        QCOMPARE(Kinds(), QStringLiteral("3 4 3 3"));
        F.Edit->ChooseKind(3, F.Edit->ItemOfKind(bkFrekvensgraf));
        QCOMPARE(Kinds(), QStringLiteral("6 4 6 6"));
        QCOMPARE(F.Edit->Pane(3)->ComboBox->currentIndex(), F.Edit->ItemOfKind(bkFrekvensgraf));
        F.Edit->SetView(TEditorFrame::vwMixed);
        QCOMPARE(F.Edit->Pane(1)->ComboBox->currentIndex(), F.Edit->ItemOfKind(bkFrekvensgraf));
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkHyppighedsgraf));
        QCOMPARE(Kinds(), QStringLiteral("5 4 5 5"));
    }

    void refusedChoice()
    {
        TMarked F(20);
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkTabel));
        // A pie chart of 20 values is refused: no selection, and the partners
        // lose their kind too.
        F.Edit->Pane(1)->ComboBox->setCurrentIndex(F.Edit->ItemOfKind(bkCirkeldiagram));
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkCirkeldiagram));
        tDescriptor &D = DescriptorOf(F.L());
        QCOMPARE(F.Edit->Pane(1)->ComboBox->currentIndex(), -1);
        QCOMPARE(int(D.GetPaneKind(1)), int(bkIngen));
        QCOMPARE(int(D.GetPaneKind(4)), int(bkIngen));
    }

    void dropDownRecomputes()
    {
        TMarked F(3);
        tDescriptor &D = DescriptorOf(F.L());
        // Statistics go stale outside the mixed view while nothing is shown.
        TGridView *G = F.Edit->DataDG();
        for (int I = 3; I < 17; ++I) {
            G->SetCell(I, 0);
            TypeInto(G, QString::number(I + 1));
        }
        F.Edit->SetView(TEditorFrame::vwDual);
        D.MarkStale();
        TDescriptionPane *P = F.Edit->Pane(2);
        P->ComboBox->showPopup();
        QVERIFY(!D.IsDirty());
        QCOMPARE(D.ListCount(0), 17);
        QVERIFY(!F.Edit->PaneItemAllowed(P, F.Edit->ItemOfKind(bkCirkeldiagram)));
        QVERIFY(F.Edit->PaneItemAllowed(P, F.Edit->ItemOfKind(bkTabel)));
        P->ComboBox->hidePopup();
    }

    void paneButtons()
    {
        TEditorFixture F;
        FillDistinct(F.L(), 0, 5);
        FillDistinct(F.L(), 1, 5, 3);
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        F.Edit->SetView(TEditorFrame::vwDual);
        F.Edit->ChooseKind(2, F.Edit->ItemOfKind(bkSumfrekvensgraf));
        TDescriptionPane *P2 = F.Edit->Pane(2);
        QVERIFY(P2->CalcButton->isVisible());
        QVERIFY(!P2->RegresButton->isVisible());
        QVERIFY(!F.Edit->Pane(3)->CalcButton->isVisible());
        F.Edit->ChooseKind(2, F.Edit->ItemOfKind(bkTabel));
        QVERIFY(!P2->CalcButton->isVisible());
        // A scatter diagram shows the regression toggle instead.
        ClickHeader(F.Edit->SojleDG(), 0, 1, Qt::ControlModifier);
        F.Edit->SetView(TEditorFrame::vwDual);
        F.Edit->ChooseKind(3, F.Edit->ItemOfKind(bkKrydsdiagram));
        TDescriptionPane *P3 = F.Edit->Pane(3);
        QVERIFY(P3->RegresButton->isVisible());
        QVERIFY(!P3->CalcButton->isVisible());
        QVERIFY(!P3->RegresButton->isChecked());
        // Pane 2's toggle is its own.
        F.Edit->ChooseKind(2, F.Edit->ItemOfKind(bkKrydsdiagram));
        P3->RegresButton->click();
        QVERIFY(P3->RegresButton->isChecked());
        QVERIFY(!P2->RegresButton->isChecked());
        QVERIFY(F.Edit->Pane(1)->RegresButton->isChecked());
        QVERIFY(F.Edit->Pane(4)->RegresButton->isChecked());
        P2->RegresButton->click();
        QVERIFY(P2->RegresButton->isChecked());
        // Another kind releases the toggle.
        F.Edit->ChooseKind(3, F.Edit->ItemOfKind(bkMaerketal));
        QVERIFY(!P3->RegresButton->isVisible());
        QVERIFY(!P3->RegresButton->isChecked());
    }

    void linkTableAndGraph()
    {
        TEditorFixture F;
        const int Values[] = {2, 4, 4, 7, 9, 9, 9};
        for (int I = 0; I < 7; ++I)
            F.L().SetCellText(I, 0, QString::number(Values[I]));
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        F.Edit->SetView(TEditorFrame::vwDual);
        F.Edit->ChooseKind(2, F.Edit->ItemOfKind(bkTabel));
        F.Edit->ChooseKind(3, F.Edit->ItemOfKind(bkHyppighedsgraf));
        tDescriptor &D = DescriptorOf(F.L());
        QVERIFY(D.Panes23Linked());
        TDescriptionPane *Table = F.Edit->Pane(2), *Graph = F.Edit->Pane(3);
        QCOMPARE(Table->PaintBox->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(Graph->PaintBox->cursor().shape(), Qt::PointingHandCursor);
        Graph->PaintBox->repaint(); // records the graph's scale

        // A click on the third table line (value 7) selects that entry.
        QTest::mouseClick(Table->PaintBox, Qt::LeftButton, {}, TableRow(D, 2));
        QCOMPARE(D.SelectedIndex(), 2);
        QCOMPARE(double(D.SelectedX()), 7.0);
        QVERIFY(D.SelectionShown());
        // A click on the heading selects nothing.
        QTest::mouseClick(Table->PaintBox, Qt::LeftButton, {}, QPoint(40, D.TableTop - 3));
        QCOMPARE(D.SelectedIndex(), -1);

        // A click in the graph picks the nearest value: just right of 4 is 4,
        // between 7 and 9 but nearer 9 is 9.
        QVERIFY(D.XScale > 0);
        auto Px = [&D](double V) { return int((V + double(D.XOffset)) / double(D.XScale) + 0.5); };
        const int Y = Graph->PaintBox->height() / 2;
        QTest::mouseClick(Graph->PaintBox, Qt::LeftButton, {}, QPoint(Px(4.3), Y));
        QCOMPARE(D.SelectedIndex(), 1);
        QTest::mouseClick(Graph->PaintBox, Qt::LeftButton, {}, QPoint(Px(8.4), Y));
        QCOMPARE(D.SelectedIndex(), 3);
        // The table shows the selected line in yellow.
        Table->PaintBox->repaint();
        const QImage Img = Table->PaintBox->grab().toImage();
        QCOMPARE(Img.pixelColor(TableRow(D, 3).x(), TableRow(D, 3).y()), QColor(0xFF, 0xFF, 0x00));

        // Unlinked panes do not pick.
        F.Edit->ChooseKind(3, F.Edit->ItemOfKind(bkMaerketal));
        QCOMPARE(D.SelectedIndex(), -1);
        QTest::mouseClick(Table->PaintBox, Qt::LeftButton, {}, TableRow(D, 1));
        QCOMPARE(D.SelectedIndex(), -1);
        QCOMPARE(Table->PaintBox->cursor().shape(), Qt::ArrowCursor);
    }

    void showingTakesOverTheStatistics()
    {
        TMarked F(5);
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkTabel));
        tDescriptor &D = DescriptorOf(F.L());
        // Shown again without another editor in between: the kinds stay.
        F.Edit->ShowEditor();
        QCOMPARE(int(D.GetPaneKind(1)), int(bkTabel));
        QCOMPARE(F.Edit->Pane(1)->ComboBox->currentIndex(), F.Edit->ItemOfKind(bkTabel));
        // After the frequency editor owned the statistics they are cleared.
        F.Edit->HideEditor();
        D.SetOwner(dtHyp);
        F.Edit->ShowEditor();
        QCOMPARE(int(D.Owner), int(dtObs));
        for (int N = 1; N <= 4; ++N) {
            QCOMPARE(int(D.GetPaneKind(N)), int(bkIngen));
            QCOMPARE(F.Edit->Pane(N)->ComboBox->currentIndex(), -1);
        }
        // A new data set starts without kinds in the edit view.
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Host.NewDocument(dtObs);
        QCOMPARE(F.Edit->View(), TEditorFrame::vwEdit);
        QCOMPARE(F.Edit->Pane(1)->ComboBox->currentIndex(), -1);
    }

    void kindItemsDrawn()
    {
        TMarked F(20);
        F.Edit->SetView(TEditorFrame::vwMixed);
        TDescriptionPane *P = F.Edit->Pane(1);
        const QFontMetrics Fm(TDescriptionPane::ListFont());
        const int Tab = 24 + Fm.horizontalAdvance(QStringLiteral("Sumfrekvensgraf  "));
        auto Render = [&](int Kind) {
            QImage Img(500, 21, QImage::Format_RGB32);
            Img.fill(Qt::white);
            QPainter Pt(&Img);
            P->DrawItem(Pt, Img.rect(), F.Edit->ItemOfKind(Kind), false);
            return Img;
        };
        auto Count = [](const QImage &Img, int X0, int X1, auto Pred) {
            int N = 0;
            for (int Y = 0; Y < Img.height(); ++Y)
                for (int X = X0; X < X1; ++X)
                    N += Pred(Img.pixelColor(X, Y));
            return N;
        };
        auto Ink = [](const QColor &C) { return C.lightness() < 235; };
        auto Silver = [](const QColor &C) {
            return C.red() > 150 && C.red() < 235 && C == QColor(C.red(), C.red(), C.red());
        };
        auto Dark = [](const QColor &C) { return C.lightness() < 100; };
        // Both limits start at the same tab; the text before it ends earlier.
        for (int Kind : {bkTabel, bkCirkeldiagram}) {
            const QImage Img = Render(Kind);
            QCOMPARE(Count(Img, Tab - 4, Tab, Ink), 0);
            QVERIFY(Count(Img, Tab, Tab + 6, Ink) > 0);
        }
        // Twenty values: the pie chart is drawn in silver, the table in black.
        const QImage Pie = Render(bkCirkeldiagram), Table = Render(bkTabel);
        QCOMPARE(Count(Pie, 24, 500, Dark), 0);
        QVERIFY(Count(Pie, 24, 500, Silver) > 0);
        QVERIFY(Count(Table, 24, 500, Dark) > 0);
        // The icon column is drawn for every item.
        QVERIFY(Count(Render(bkMaerketal), 2, 20, Ink) > 0);
    }
};

QTEST_MAIN(TstPanes)
#include "tst_panes.moc"
