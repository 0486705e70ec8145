// The description panes: which kinds are offered, the pane partners and
// buttons, the panes while cells are typed, the range of the longer drawings,
// and the picking that links a table or cross table with its graph.
#include "../describe/support_drawing.h"
#include "sheet_text.h"
#include "support_host.h"

#include "DataEdit.h"
#include "Describe.h"
#include "PaneKinds.h"
#include "PrintCopy.h"
#include "RegressionModels.h"

#include <QComboBox>
#include <QMenu>
#include <QApplication>
#include <QPainter>
#include <QTest>
#include <QToolButton>
#include <cmath>

namespace
{

const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor Red(0xFF, 0x00, 0x00);

// Builds a data set from a small script and describes it: "A:n" fills column
// A with n distinct values, "A:n/k" with n values cycling through k distinct
// ones, "gA" groups A automatically, "tA" puts a text cell below A's numbers,
// "mA" marks column A, "l3" marks line index 3; "hn*f" gives frequency column
// 1 the values 1..n and "rn*f" grouping column 1 the intervals 0-10, 10-20, ...
// (n of them), each of frequency f, marked.
TDataType Build(tLumen &L, const QString &Script)
{
    TDataType Type = dtObs;
    for (const QString &Step : Script.split(' ', Qt::SkipEmptyParts)) {
        const int Col = ColIndex(Step[Step.size() > 1 && Step[1] == ':' ? 0 : 1]);
        if (Step.size() >= 3 && Step[1] == ':') {
            const QStringList Parts = Step.mid(2).split('/');
            const int N = Parts[0].toInt(), K = Parts.value(1, Parts[0]).toInt();
            for (int I = 0; I < N; ++I)
                L.Cols[Col].Cells.append(tCell{csNumber, QString(), Extended(I % K + 1)});
        } else if (Step[0] == 'h' || Step[0] == 'r') {
            Type = Step[0] == 'h' ? dtHyp : dtGrup;
            const QString F = Step.section('*', 1);
            for (int I = 0, N = Step.mid(1).section('*', 0, 0).toInt(); I < N; ++I) {
                if (Type == dtHyp) {
                    L.SetHypObsText(I, 0, QString::number(I + 1));
                    L.SetHypFreqText(I, 0, F);
                } else {
                    L.SetGrupLowText(I, 0, QString::number(10 * I));
                    L.SetGrupHighText(I, 0, QString::number(10 * I + 10));
                    L.SetGrupFreqText(I, 0, F);
                }
            }
            Type == dtHyp ? L.ToggleHypColSelected(0) : L.ToggleGrupColSelected(0);
        } else if (Step[0] == 'g') {
            L.SetGroupKind(Col, gkAuto);
            L.SetFirstLower(Col, 0);
            L.SetFirstUpper(Col, 10);
            L.SetGap(Col, 0);
            L.SetGroupCount(Col, 3);
        } else if (Step[0] == 't') {
            L.SetCellText(L.CellCount(Col), Col, QStringLiteral("x"));
        } else if (Step[0] == 'm') {
            L.ToggleColSelected(Col);
        } else if (Step[0] == 'l') {
            L.ToggleLineSelected(Step.mid(1).toInt());
        }
    }
    tDescriptor &D = DescriptorOf(L);
    D.SetOwner(Type);
    D.MarkStale();
    D.Recompute(L);
    return Type;
}

// An editor whose kinds are chosen as a person chooses them in a pane's list.
struct TMarked : TEditorFixture {
    tDescriptor &D() { return DescriptorOf(L()); }
    void Choose(int N, int Kind)
    {
        emit Edit->Pane(N)->ComboBox->activated(Edit->ItemOfKind(Kind));
    }
};

// Where the pane draws cross-table cell (I, J), list row K of a table, and the
// marker of (X, Y) in a scatter diagram.
QPoint CrossCell(const tDescriptor &D, int I, int J)
{
    return QPoint(D.CrossLeft + (I + 1) * D.CrossColWidth + D.CrossColWidth / 2,
                  D.CrossTop + (J + 1) * D.CrossRowHeight + D.CrossRowHeight / 2);
}

QPoint TableRow(const tDescriptor &D, int K)
{
    return QPoint(40, D.TableTop + K * D.TableLineHeight + D.TableLineHeight / 2);
}

QPoint MarkerAt(const tDescriptor &D, Extended X, Extended Y)
{
    return QPoint(D.ScatterX.Origin +
                      int(std::lround(double((X - D.ScatterX.Offset) / D.ScatterX.PerPixel))),
                  D.ScatterY.Origin -
                      int(std::lround(double((Y - D.ScatterY.Offset) / D.ScatterY.PerPixel))));
}

QImage Shown(TDescriptionPane *P)
{
    P->PaintBox->repaint();
    return P->PaintBox->grab().toImage();
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
        Row("one value: no curve", "A:3/1 mA", "1 3 4 5 6 7 8 11");
        Row("16 values: pie", "A:16 mA", "1 2 3 4 5 6 7 8 11");
        Row("17 values: no pie", "A:17 mA", "1 2 3 4 5 6 7 11");
        Row("1001 cells: no sticks, still a table", "A:1001/4 mA", "3 4 5 6 7 8 11");
        Row("1001 distinct: no table", "A:1001 mA", "4 5 6 7 11");
        Row("two plain columns", "A:5 B:5 mA mB", "1 2 4 9 10 11 13 14");
        Row("grouped and plain", "A:5 B:5 gA mA mB", "11");
        Row("plain and grouped: sticks only", "A:5 B:5 gB mA mB", "1 2 11");
        Row("grouped first column: no sticks", "A:5 gA mA", "3 4 5 6 7 8 11 12");
        Row("a second column of one value", "A:5 B:3/1 mA mB", "1 2 4 9 10 11 13 14");
        Row("101 values: no cross table", "A:101 B:101 mA mB", "1 2 4 10 11 13 14");
        Row("seven columns", "A:3 B:3 C:3 D:3 E:3 F:3 G:3 mA mB mC mD mE mF mG", "");
        Row("one line", "A:3 B:3 C:2 l0", "1 3 4 5 6 7 8 11");
        Row("two lines of one value each: no curve", "A:3 B:3 l0 l1", "1");
        Row("text cells do not count", "A:1 tA mA", "1 3 4 5 6 7 8 11");
        Row("frequencies", "h3*2", "3 4 5 6 7 8 11");
        Row("frequencies all zero", "h3*0", "3 5 6 7 8");
        Row("17 frequencies", "h17*1", "3 4 5 6 7 11");
        Row("groupings", "r3*1", "3 4 5 6 7 8 11 12");
        Row("groupings without frequency", "r3*0", "3");
    }

    // The kinds added after the first ten: the chi-square test goes with
    // the cross table (and with one or two frequency columns), the normal
    // plot with one series of any form.
    void addedKinds_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("allowed");
        auto Row = [](const char *Name, const char *Script, const char *Allowed) {
            QTest::newRow(Name) << QString(Script) << QString(Allowed);
        };
        Row("nothing marked", "A:5", "");
        Row("two plain columns", "A:5 B:5 mA mB", "15");
        Row("two grouped columns", "A:5 B:5 gA gB mA mB", "15");
        Row("grouped and plain", "A:5 B:5 gA mA mB", "");
        Row("101 values: no test", "A:101 B:101 mA mB", "");
        Row("one column", "A:5 mA", "16");
        Row("one grouped column", "A:5 gA mA", "16");
        Row("one line", "A:3 B:3 C:2 l0", "16");
        Row("frequencies", "h3*2", "15 16");
        Row("frequencies all zero", "h3*0", "");
        Row("groupings", "r3*1", "16");
        Row("groupings without frequency", "r3*0", "");
    }
    void addedKinds()
    {
        QFETCH(QString, script);
        QFETCH(QString, allowed);
        tLumen L;
        const TDataType Type = Build(L, script);
        QStringList S;
        for (int K : {int(bkChiTest), int(bkNormalplot)})
            if (KindAvailable(L, Type, K))
                S << QString::number(K);
        QCOMPARE(S.join(' '), allowed);
        QVERIFY(!KindAvailable(L, Type, LastKind + 1));
    }

    // The list offers both kinds after the first ten, with their icons; the
    // chi-square test is shown, copied as text, and a faulty pair shows
    // "Fejl i data-par" and copies nothing.
    void chiTestInThePane()
    {
        TMarked F;
        QCOMPARE(F.Edit->Pane(1)->ComboBox->itemText(F.Edit->ItemOfKind(bkChiTest)),
                 QStringLiteral("χ²-test"));
        QCOMPARE(F.Edit->Pane(1)->ComboBox->itemText(F.Edit->ItemOfKind(bkNormalplot)),
                 QStringLiteral("Normalfordelingsplot"));
        QCOMPARE(F.Edit->Pane(1)->IconRow(F.Edit->ItemOfKind(bkNormalplot)), bkNormalplot - 1);
        SetupSheet(F.L(), {"A=1,2,2,3,1,2,1,3,3,1,3,2", "B=5,5,5,5,6,6,6,6,6,6,6,6"});
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        ClickHeader(F.Edit->SojleDG(), 0, 1, Qt::ControlModifier);
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Choose(1, bkChiTest);
        QCOMPARE(int(F.D().GetPaneKind(1)), int(bkChiTest));
        const QString Text = F.Edit->DescriptionText(bkChiTest);
        QVERIFY(Text.contains(QStringLiteral("\r\nχ²\t0,75\r\nFrihedsgrader\t2\r\n")));
        QStringList Texts;
        for (const testdraw::tTextItem &T : testdraw::Written(500, 400, [&](QPainter &P) {
                 F.Edit->PaintPane(F.Edit->Pane(1), P, QSize(500, 400));
             }))
            Texts << T.Text;
        QVERIFY(Texts.contains(QStringLiteral("0,6873")));
        QVERIFY(Texts.contains(QStringLiteral("2,67")));
        QVERIFY(F.Edit->Pane(1)->Range().height() > 200);

        F.L().SetCellText(4, 1, QString());
        F.Edit->RefreshDescriptions();
        QCOMPARE(F.Edit->OutputError(bkChiTest), QStringLiteral("Fejl i data-par"));
        QVERIFY(F.Edit->DescriptionText(bkChiTest).isEmpty());
    }

    // A name typed for a marked column is the description's title at once.
    void typedNameIsTheTitle()
    {
        TMarked F;
        SetupSheet(F.L(), {"A=1,2"});
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->SojleDG()->SetCell(1, 0);
        TypeInto(F.Edit->SojleDG(), QStringLiteral("Højde"));
        QCOMPARE(F.D().GetTitle(), QStringLiteral("Højde"));
    }

    void availability()
    {
        QFETCH(QString, script);
        QFETCH(QString, allowed);
        tLumen L;
        const TDataType Type = Build(L, script);
        QStringList S;
        for (int K = 1; K <= KindCount; ++K)
            if (KindAvailable(L, Type, K))
                S << QString::number(K);
        QCOMPARE(S.join(' '), allowed);
        QVERIFY(KindAvailable(L, Type, bkIngen));
        QVERIFY(!KindAvailable(L, Type, LastKind + 1));
    }

    // Scripts: "A*5" fills column A with 1..5, "B=3" as the sheet text does,
    // "mA" clicks A's header, "cB" with Ctrl; "v:s" switches to the edit,
    // mixed, dual or single view (e m d s); "4=3" chooses kind 3 in pane 4;
    // "r3" clicks pane 3's regression toggle; "stale" marks the statistics
    // stale, "pop2" opens pane 2's list; "hide", "show", "hyp" (the frequency
    // editor takes the statistics), "new" (a new data set); "@A17" puts the
    // cursor of the mixed view's grid in A17, a number is typed there,
    // "<ret>", "<esc>" and "<u>" press keys.
    void paneScripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("state");
        auto Row = [](const char *Name, const QString &Script, const char *State) {
            QTest::newRow(Name) << Script << QString(State);
        };
        Row("single view: partners 1 and 3", "A*5 mA v:s 4=3", "3 0 3 3 s n5");
        Row("dual view: pane 2 alone", "A*5 mA v:s 4=3 v:d 2=4", "3 4 3 3 d n5");
        Row("dual view: pane 3 with 1 and 4", "A*5 mA v:s 4=3 v:d 2=4 3=6", "6 4 6 6 d n5");
        Row("mixed view: pane 1 with 3 and 4", "A*5 mA v:d 2=4 3=6 v:m 1=5", "5 4 5 5 m n5");
        Row("a pie of 20 values is refused with its partners", "A*20 mA v:m 1=3 1=8",
            "0 0 0 0 m n20");
        Row("the list recomputes stale statistics", "A*3 mA v:d A*17 stale pop2", "0 0 0 0 d n17");
        Row("sum frequencies: the calculator", "A*5 mA v:d 2=7", "0 7c 0 0 d n5");
        Row("table: no calculator", "A*5 mA v:d 2=7 2=3", "0 3 0 0 d n5");
        Row("scatter: the regression toggle", "A*5 B*5 mA cB v:d 3=10", "10rh 0 10r 10r d n5");
        Row("the toggle is shared with the partners", "A*5 B*5 mA cB v:d 3=10 2=10 r3",
            "10Rh 10r 10R 10R d n5");
        Row("pane 2's toggle is its own", "A*5 B*5 mA cB v:d 3=10 2=10 r3 r2",
            "10Rh 10R 10R 10R d n5");
        Row("another kind releases the toggle", "A*5 B*5 mA cB v:d 3=10 r3 3=4", "4 0 4 4 d n5");
        // "e3:1" chooses model 1 in pane 3's model menu; "@1" a pane's model
        // when not the straight line, "m" its model button.
        Row("a model chosen shows it, with the partners", "A*5 B*5 mA cB v:d 3=10 2=10 e3:1",
            "10Rh@1 10r 10R@1 10R@1 d n5");
        Row("pane 2's model is its own", "A*5 B*5 mA cB v:d 3=10 2=10 e2:2",
            "10rh 10R@2 10r 10r d n5");
        Row("the toggle still toggles the curve", "A*5 B*5 mA cB v:d 3=10 e3:2 r3",
            "10rh@2 0 10r@2 10r@2 d n5");
        Row("the residual plot: its model button", "A*5 B*5 mA cB v:d 3=14 e3:2",
            "14m@2 0 14m@2 14m@2 d n5");
        Row("the model stays through other kinds", "A*5 B*5 mA cB v:d 3=10 e3:1 3=13 3=14",
            "14m@1 0 14m@1 14m@1 d n5");
        Row("regression: no buttons", "A*5 B*5 mA cB v:s 4=13", "13 0 13 13 s n5");
        Row("shown again: the kinds stay", "A*5 mA v:m 1=3 show", "3 0 3 3 m n5");
        Row("after the frequency editor the kinds are cleared", "A*5 mA v:m 1=3 hide hyp show",
            "0 0 0 0 m n0");
        Row("a new data set: edit view, no kinds", "A*5 mA v:m 1=3 new", "0 0 0 0 e n0");
        // While a cell is typed the kinds stay; a pane whose kind the data of
        // the moment break shows the kind's limit instead.
        const QString Pie = "A=2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17 mA v:m 1=8 @A17 ";
        // Linked table and graph: a click on a table line or the graph (at a
        // value: the nearest entry) selects, the heading selects nothing; the
        // table shows the selected line in yellow. Unlinked panes do not pick.
        const QString Linked = "A=2,4,4,7,9,9,9 mA v:d 2=3 3=5 ";
        Row("a table line selects", Linked + "t2:2", "5 3h 5h 5 d n4 s2=7y");
        Row("the heading selects nothing", Linked + "t2:2 t2:h", "5 3h 5h 5 d n4");
        Row("the line under the heading starts at once", Linked + "t2:top", "5 3h 5h 5 d n4 s0=2y");
        Row("the graph picks the nearest value", Linked + "g3:4.3", "5 3h 5h 5 d n4 s1=4y");
        Row("nearer 9 than 7 is 9", Linked + "g3:8.4", "5 3h 5h 5 d n4 s3=9y");
        Row("unlinked panes do not pick", Linked + "g3:8.4 3=4 t2:1", "4 3 4 4 d n4");
        // In the mixed view a click on a marker picks every line behind it and
        // selects its values; beside the markers, the nearest values.
        const QString Scatter = "A=1,3,3,2,3 B=4,6,6,5,6 mA cB v:m 1=10 ";
        Row("a marker picks its lines", Scatter + "p1:3,6", "10rh 0 10r 10r m n3 s2=3,6 p1,2,4");
        Row("beside the markers nothing is picked", Scatter + "p1:3,6 p1:2,4",
            "10rh 0 10r 10r m n3 s1=2,4");
        Row("typing 13 passes through a 17th value", Pie + "13 <ret>", "8 0 8 8 m n16");
        Row("typing 1, a 17th value", Pie + "1", "8! 0 8 8 m n17");
        Row("a 17th value committed", Pie + "1 <ret>", "0 0 0 0 m n17");
        Row("a 17th value committed by a move", Pie + "1 <u>", "0 0 0 0 m n17");
        Row("a 17th value given up", Pie + "1 <esc>", "8 0 8 8 m n16");
    }

    void paneScripts()
    {
        QFETCH(QString, script);
        QFETCH(QString, state);
        TMarked F;
        for (const QString &T : script.split(' ')) {
            QApplication::processEvents(); // shows the step before
            if (T.size() > 2 && T[1] == '*') {
                for (int I = 0; I < T.mid(2).toInt(); ++I)
                    F.L().SetCellText(I, ColIndex(T[0]), QString::number(I + 1));
            } else if (T[0].isUpper()) {
                SetupSheet(F.L(), {T});
            } else if (T[0] == 'm' || T[0] == 'c') {
                ClickHeader(F.Edit->SojleDG(), 0, ColIndex(T[1]),
                            T[0] == 'c' ? Qt::ControlModifier : Qt::NoModifier);
            } else if (T.size() > 3 && T[2] == ':' && QString("tgp").contains(T[0])) {
                TDescriptionPane *P = F.Edit->Pane(T[1].digitValue());
                P->PaintBox->repaint(); // records the scale
                const QStringList V = T.mid(3).split(',');
                const tDescriptor &D = F.D();
                const QPoint At =
                    T[0] == 't' ? QPoint(40, V[0] == "h"     ? D.TableTop - 1
                                             : V[0] == "top" ? D.TableTop
                                                             : TableRow(D, V[0].toInt()).y())
                    : T[0] == 'g'
                        ? QPoint(
                              int((V[0].toDouble() + double(D.XOffset)) / double(D.XScale) + 0.5),
                              P->PaintBox->height() / 2)
                        : MarkerAt(D, V[0].toInt(), V[1].toInt()) + QPoint(2, 2);
                QTest::mouseClick(P->PaintBox, Qt::LeftButton, {}, At);
            } else if (T.startsWith(QLatin1String("v:"))) {
                F.Edit->SetView(TEditorFrame::TView(QString("emds").indexOf(T[2])));
            } else if (T[0].isDigit() && T.contains('=')) {
                F.Choose(T[0].digitValue(), T.mid(2).toInt());
            } else if (T[0] == 'r') {
                F.Edit->Pane(T[1].digitValue())->RegresButton->click();
            } else if (T[0] == 'e') {
                F.Edit->Pane(T[1].digitValue())
                    ->ModelMenu->actions()
                    .at(T.mid(3).toInt())
                    ->trigger();
            } else if (T == QLatin1String("stale")) {
                F.D().MarkStale();
            } else if (T == QLatin1String("pop2")) {
                F.Edit->Pane(2)->ComboBox->showPopup();
                F.Edit->Pane(2)->ComboBox->hidePopup();
            } else if (T == QLatin1String("hide")) {
                F.Edit->HideEditor();
                F.Edit->hide();
            } else if (T == QLatin1String("show")) {
                F.Edit->show();
                F.Edit->ShowEditor();
            } else if (T == QLatin1String("hyp")) {
                F.D().SetOwner(dtHyp);
            } else if (T == QLatin1String("new")) {
                F.Host.NewDocument(dtObs);
            } else if (T == QLatin1String("@A17")) {
                F.Edit->DataDG(1)->SetCell(16, 0);
            } else if (T.startsWith('<')) {
                PressKey(T == "<ret>"   ? Qt::Key_Return
                         : T == "<esc>" ? Qt::Key_Escape
                                        : Qt::Key_Up);
            } else {
                TypeInto(F.Edit->DataDG(1), T, 0);
            }
        }
        // Each pane's kind, "c" with the calculator, "r" with the regression
        // toggle ("R" pressed), "/" and the item its list shows when shown and
        // different, "!" when it shows its kind's limit; the view; the entries
        // of the first series.
        QStringList S;
        for (int N = 1; N <= 4; ++N) {
            const TDescriptionPane *P = F.Edit->Pane(N);
            const int Kind = F.D().GetPaneKind(N);
            QString Pane = QString::number(Kind);
            Pane += P->CalcButton->isHidden() ? "" : "c";
            Pane += P->RegresButton->isHidden() ? "" : P->RegresButton->isChecked() ? "R" : "r";
            Pane += P->PaintBox->cursor().shape() == Qt::PointingHandCursor ? "h" : "";
            Pane += P->ModelButton->isHidden() ? "" : "m";
            Pane += P->Model() != 0 ? '@' + QString::number(P->Model()) : QString();
            if (P->isVisible() && P->ComboBox->currentIndex() != F.Edit->ItemOfKind(Kind))
                Pane += '/' + QString::number(P->ComboBox->currentIndex());
            if (P->isVisible() && Kind != bkIngen) {
                QImage Drawn(P->PaintBox->size(), QImage::Format_RGB32), Notice(Drawn);
                Drawn.fill(Qt::white);
                Notice.fill(Qt::white);
                QPainter A(&Drawn), B(&Notice);
                A.setFont(P->PaintBox->font());
                B.setFont(P->PaintBox->font());
                F.Edit->PaintPane(const_cast<TDescriptionPane *>(P), A, Drawn.size());
                DrawErrorNotice(B, KindItemText(Kind));
                A.end();
                B.end();
                Pane += Drawn == Notice ? "!" : "";
            }
            S << Pane;
        }
        S << QString("emds")[F.Edit->View()] << 'n' + QString::number(F.D().ListCount(0));
        const tDescriptor &D = F.D();
        if (D.SelectedIndex() >= 0) {
            QString Sel =
                QStringLiteral("s%1=%2").arg(D.SelectedIndex()).arg(double(D.SelectedX()));
            Sel += D.SecondSelectedIndex() >= 0 ? ',' + QString::number(double(D.SecondSelectedX()))
                                                : "";
            const bool Table = D.GetPaneKind(2) == bkTabel && F.Edit->Pane(2)->isVisible();
            S << Sel +
                     (Table && Shown(F.Edit->Pane(2)).pixelColor(TableRow(D, D.SelectedIndex())) ==
                                   Yellow
                          ? "y"
                          : "");
        }
        QStringList Picked;
        for (int Line = 0; Line < F.L().CellCount(0); ++Line)
            if (D.IsPicked(Line))
                Picked << QString::number(Line);
        if (!Picked.isEmpty())
            S << 'p' + Picked.join(',');
        QCOMPARE(S.join(' '), state);
        QVERIFY(ScreenUpToDate(F.Edit));
    }

    // The key figures and the pie chart's legend reach below their ranges: the
    // pane is sized to the whole drawing, down to the value of
    // "Standardafvigelse" (row 21, 18 grouped; it ends at twice the widest
    // label and three text heights) and the last legend entry with its percent.
    void paneRangeHoldsWholeDrawing()
    {
        TEditorFixture F;
        for (int I = 0; I < 40; ++I)
            F.L().SetCellText(I, 0, QString::number(1000 + (I % 16) * 37) + QStringLiteral(",5"));
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        F.Edit->SetView(TEditorFrame::vwMixed);
        TDescriptionPane *P = F.Edit->Pane(1);
        QImage Probe(1, 1, QImage::Format_RGB32);
        QPainter Painter(&Probe);
        Painter.setFont(P->PaintBox->font());
        const int h = draw::TextHeight(Painter);
        for (bool Grouped : {false, true}) {
            if (Grouped) {
                F.L().SetGroupKind(0, gkAuto);
                F.L().SetFirstLower(0, 1000);
                F.L().SetFirstUpper(0, 1100);
                F.L().SetGap(0, 0);
                F.L().SetGroupCount(0, 6);
                F.Edit->RefreshDescriptions();
            }
            F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkMaerketal));
            const int Widest =
                draw::TextWidth(Painter, Grouped ? QStringLiteral("Antal observationer")
                                                 : QStringLiteral("Sum af observationer"));
            const QRect Range(QPoint(0, 0), P->Range());
            QVERIFY(Range.contains(QRect(h, (Grouped ? 18 : 21) * h, 2 * Widest + 2 * h, h)));
            F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkCirkeldiagram));
            const QRect Last = PieLegendBox(Painter, PieColourCount - 1);
            QVERIFY(QRect(QPoint(0, 0), P->Range())
                        .contains(Last.adjusted(0, 0, Grouped ? 128 : 96, 0)));
        }
    }

    // The regression kinds on paper and the clipboard: "Regression" copies
    // its text, the residual plot a 400 x 400 picture of the model chosen in
    // the view showing (pane 4's in the single view), as the scatter
    // diagram's picture draws that pane's curve.
    void regressionOutputs()
    {
        TMarked F;
        SetupSheet(F.L(), {"A=0,1,2,3,4", "B=3,6,12,24,48"});
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        ClickHeader(F.Edit->SojleDG(), 0, 1, Qt::ControlModifier);
        F.Edit->SetView(TEditorFrame::vwSingle);
        F.Choose(4, bkRegression);
        QVERIFY(F.Edit->DescriptionText(bkRegression).contains(
            QString::fromUtf8("Eksponentiel\ty = 3·2^x\t2\t3\t1,0000\t5\r\n")));
        QVERIFY(!CopiedAsPicture(bkRegression) && CopiedAsPicture(bkResidualplot));
        F.Choose(4, bkResidualplot);
        const QImage Line = F.Edit->DescriptionPicture(bkResidualplot);
        F.Edit->Pane(4)->ModelMenu->actions().at(rmEksponentiel)->trigger();
        QCOMPARE(F.Edit->RegressionModelFor(0, bkResidualplot), int(rmEksponentiel));
        const QImage Curve = F.Edit->DescriptionPicture(bkResidualplot);
        QCOMPARE(Curve.size(), QSize(400, 400));
        QVERIFY(Curve != Line);
        F.Choose(4, bkKrydsdiagram);
        QVERIFY(!F.Edit->Pane(4)->RegresButton->isChecked());
        const QImage Plain = F.Edit->DescriptionPicture(bkKrydsdiagram);
        F.Edit->Pane(4)->ModelMenu->actions().at(rmPotens)->trigger();
        QVERIFY(F.Edit->Pane(4)->RegresButton->isChecked());
        QVERIFY(F.Edit->DescriptionPicture(bkKrydsdiagram) != Plain);
        // Faulty pairs: nothing copied, the notice printed.
        SetupSheet(F.L(), {"A=1,2,3,4,5,6"});
        F.Edit->RefreshDescriptions();
        QCOMPARE(F.Edit->OutputError(bkRegression), QStringLiteral("Fejl i data-par"));
        QCOMPARE(F.Edit->DescriptionText(bkRegression), QString());
    }

    // Cross table beside scatter diagram in the dual view: a filled cell
    // selects its two values, the markers with both turn yellow; an empty
    // cell, the margin or a header selects nothing (and keeps what was).
    void crossTableMarksScatter()
    {
        TMarked F;
        SetupSheet(F.L(), {"A=1,2,2,2", "B=5,5,6,5"});
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        ClickHeader(F.Edit->SojleDG(), 0, 1, Qt::ControlModifier);
        F.Edit->SetView(TEditorFrame::vwDual);
        F.Choose(2, bkKrydstabel);
        F.Choose(3, bkKrydsdiagram);
        tDescriptor &D = F.D();
        QVERIFY(D.Panes23Linked());
        TDescriptionPane *Table = F.Edit->Pane(2), *Scatter = F.Edit->Pane(3);
        Scatter->PaintBox->repaint(); // records the scale
        const struct {
            int I, J;
            bool Selects;
        } Clicks[] = {{0, 1, false}, {2, 0, false}, {0, -1, false}, {1, 0, true}, {0, 0, true}};
        for (const auto &C : Clicks) {
            QTest::mouseClick(Table->PaintBox, Qt::LeftButton, {}, CrossCell(D, C.I, C.J));
            QCOMPARE(D.SelectedIndex() >= 0 && D.SecondSelectedIndex() >= 0, C.Selects);
            const QImage Img = Shown(Scatter);
            for (const QPoint &Pt : {QPoint(1, 5), QPoint(2, 5), QPoint(2, 6)}) {
                const bool Chosen = C.Selects && Pt == QPoint(C.I + 1, C.J + 5);
                // Just inside the marker's outline, clear of the axes.
                QCOMPARE(Img.pixelColor(MarkerAt(D, Pt.x(), Pt.y()) + QPoint(1, -1)),
                         Chosen ? Yellow : Red);
            }
            const QPoint CellLeft = CrossCell(D, C.I, C.J) + QPoint(2 - D.CrossColWidth / 2, 0);
            if (C.Selects)
                QCOMPARE(Shown(Table).pixelColor(CellLeft), Yellow);
        }
    }
};

QTEST_MAIN(TstPanes)
#include "tst_panes.moc"
