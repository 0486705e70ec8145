// Marking columns and lines with the mouse, the captions and enabling of the
// observation editor's commands and its status panel.
#include "sheet_text.h"
#include "support_host.h"

#include "DataEdit.h"
#include "ObsCommandState.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace
{

// The marked columns' letters, "|", the marked lines: "BC|" or "|1,3".
QString MarksOf(const tLumen &L)
{
    QString S;
    for (int C : L.SelCols)
        S += ColLetter(C);
    QStringList Lines;
    for (int X : L.SelLines)
        Lines << QString::number(X);
    return S + '|' + Lines.join(',');
}

struct TButtons {
    const char *Name, *Setup, *Enabled, *Disabled;
};

struct TState {
    const char *Name, *Marks; // "BD" columns, "1,3" lines
    bool Clip;
    int Command;
    const char *Caption; // "" when the item keeps its own
    bool Enabled;
};

const TButtons ButtonRows[] = {
    {"nothing", "", "", "Cut,Del,SortUp,SortDown,DeciPlus,DeciMinus,Calc,Undo,Cup"},
    {"empty column", "cB", "Cut,Copy,Del,DeciPlus,DeciMinus,Mul10,Div10,Terning,Calc",
     "SortUp,SortDown,Cup"},
    {"column with data", "A=1,2,3 cA", "SortUp,SortDown,Mul10", "Terning,Calc"},
    {"two columns", "clip A=1,2,3 cA cB", "Del,DeciPlus",
     "Cut,Copy,SortUp,Mul10,Calc,Terning,Paste"},
    {"computed column", "A=1,2,3 D:A+1 cD", "Calc,Cut", "Mul10,Div10,Terning"},
    {"random column", "rC cC", "Terning,Cup", "Calc"},
    {"random beside data", "rC A=1,2,3 cC cA", "Cup", "Terning"},
    {"line with numbers", "A=1,2,3 l1", "Cut,SortUp,Del", "DeciPlus,Mul10,Calc,Terning"},
    {"paste with text", "clip cA", "Paste", ""},
    {"paste without text", "noclip cA", "Cut", "Paste"},
};

const TState StateRows[] = {
    {"cut, nothing marked", "", true, ocCut, "Klip", false},
    {"cut, one column", "B", false, ocCut, "Klip kolonne", true},
    {"cut, two columns", "BD", false, ocCut, "Klip kolonne", false},
    {"copy, two lines", "0,1", false, ocCopy, "Kopiér linje", false},
    {"paste, no clipboard text", "B", false, ocPaste, "Indsæt kolonne", false},
    {"paste, one line", "1", true, ocPaste, "Indsæt linje", true},
    {"clear, lines", "0,1", false, ocClear, "Rens linje(r)", true},
    {"clear, nothing", "", false, ocClear, "Rens", false},
    {"insert empty, nothing", "", false, ocInsertEmpty, "Indsæt tom", false},
    {"remove, columns apart", "BD", false, ocRemove, "&Fjern kolonne(r)", false},
    {"remove, adjacent columns", "BCD", false, ocRemove, "&Fjern kolonne(r)", true},
    {"remove, lines apart", "0,5", false, ocRemove, "&Fjern linje(r)", true},
    {"swap, a computed column", "BC", false, ocSwap, "Ombyt to kolonner", false},
    {"swap, two plain columns", "BD", false, ocSwap, "Ombyt to kolonner", true},
    {"swap, three lines", "0,1,2", false, ocSwap, "Ombyt to linjer", false},
    {"swap, nothing", "", false, ocSwap, "Ombyt to", false},
    {"sort, an empty column", "E", false, ocSortUp, "", false},
    {"sort, a line without numbers", "7", false, ocSortUp, "", false},
    {"sort, a line with a number", "1", false, ocSortUp, "", true},
    {"sort by names, two lines", "", false, ocSortNames, "", true},
    {"multiply, a computed column", "C", false, ocMul10, "", false},
    {"multiply, two columns", "AB", false, ocMul10, "", false},
    {"settings, two columns", "AB", false, ocSettings, "", false},
    {"decimals, two columns", "AB", false, ocDecimals, "", true},
    {"replace all, no clipboard text", "", false, ocReplaceAll, "", false},
    {"computed column dialog, a computed column", "C", false, ocCalc, "", true},
    {"computed column dialog, a column of data", "A", false, ocCalc, "", false},
    {"import, two columns", "BC", false, ocImportAs, "Som ny kolonne...", false},
    {"import, one line", "3", false, ocImportAs, "Som ny linje...", true},
    {"import, nothing", "", false, ocImportAs, "Som ny kolonne/linje...", false},
};

} // namespace

class TstObsGridMarks : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    // Each step: a column letter or a line number, with a modifier prefix: "c"
    // Ctrl, "s" Shift, "n" a click on the name cell instead of the header;
    // "h" hides the editor, "m" shows the mixed view, "xE" clicks E's header
    // in its copy of the grid. Set-up steps: "C:A*2" a computed column, "gC"
    // groups C, "#C=Højde_i_cm" C's comment, "rC=1,6,20,0" C random (from,
    // to, count, 1 without replacement). The state: marks and status.
    void clicks_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("marked");
        auto Row = [](const char *Name, const char *Clicks, const char *Marked) {
            QTest::newRow(Name) << QString::fromUtf8(Clicks).split(' ')
                                << QString::fromUtf8(Marked);
        };
        Row("plain replaces", "C E", "E| Kolonne E");
        Row("plain on the only mark unmarks", "C C", "|");
        Row("ctrl adds and removes", "C cE cA cC", "AE|");
        Row("shift extends right, then left", "C sF sA", "ABCDEF|");
        Row("shift fills the gaps only", "B cE sD", "BCDE|");
        Row("shift without marks is plain", "sD", "D| Kolonne D");
        Row("plain among several", "B cD cF D", "|");
        Row("line ctrl", "3 c7 c1", "|1,3,7");
        Row("line shift up keeps the rest", "3 c8 s1", "|1,2,3,4,5,6,7,8");
        // A plain click unmarks the others and toggles the clicked line.
        Row("line plain on a marked one of many", "3 s6 5", "|");
        Row("line plain on an unmarked one", "3 s6 8", "|8");
        Row("a line unmarks the columns", "B cC 3", "|3");
        Row("a column unmarks the lines", "3 c5 B", "B| Kolonne B");
        Row("a name cell marks nothing", "B n2", "B| Kolonne B");
        Row("a column name cell marks nothing", "3 nD", "|3");
        Row("hiding unmarks columns", "C h", "| Kolonne C");
        Row("hiding unmarks lines", "2 h", "|");
        Row("the mixed view shows the marked column's status", "H m", "H| Kolonne H");
        Row("the mixed view's copy marks the same", "H m xE", "E| Kolonne E");
        Row("status of a computed column", "C:A*2 C", "C| Kolonne C; udtryk = A*2");
        Row("status with a comment", "#C=Højde_i_cm C", "C| Højde i cm");
        Row("status of a grouped column", "gC C", "C| Kolonne C (grupperet)");
        Row("status of real random numbers", "#C=Terning gC rC=0,0,12,1 C",
            "C| Terning; tilfældige reelle tal (12 uden tilbagelægning) (grupperet)");
        Row("status of random integers", "rC=1,6,20,0 C",
            "C| Kolonne C; tilfældige tal (1; 6; 20 med tilbagelægning)");
    }

    void clicks()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, marked);
        TEditorFixture F;
        tLumen &L = F.L();
        for (QString Click : clicks) {
            QApplication::processEvents(); // shows the step before
            const int Col = Click.size() > 1 ? ColIndex(Click[1]) : -1;
            const QChar Prefix = Click[0];
            if (Click == QLatin1String("h")) {
                F.Edit->HideEditor();
            } else if (Click == QLatin1String("m")) {
                F.Edit->SetView(TEditorFrame::vwMixed);
            } else if (Prefix == 'x') {
                ClickHeader(F.Edit->SojleDG(1), 0, Col);
            } else if (Click.size() > 1 && Click[1] == ':') {
                SetupSheet(L, {Click});
            } else if (Prefix == 'g') {
                L.SetGroupKind(Col, gkAuto);
            } else if (Prefix == '#') {
                L.SetComment(Col, Click.mid(3).replace('_', ' '));
            } else if (Prefix == 'r') {
                const QStringList R = Click.mid(3).split(',');
                L.SetRandomFrom(Col, R[0].toInt());
                L.SetRandomTo(Col, R[1].toInt());
                L.SetRandomCount(Col, R[2].toInt());
                L.SetRandomFlag(Col, R[3].toInt());
            } else {
                if (Prefix == 'c' || Prefix == 's' || Prefix == 'n')
                    Click = Click.mid(1);
                const Qt::KeyboardModifiers Mods = Prefix == 'c'   ? Qt::ControlModifier
                                                   : Prefix == 's' ? Qt::ShiftModifier
                                                                   : Qt::NoModifier;
                const int Name = Prefix == 'n' ? 1 : 0;
                TGridView *View = Click[0].isDigit() ? F.Edit->LinieDG() : F.Edit->SojleDG();
                if (Click[0].isDigit())
                    ClickHeader(View, Click.toInt(), Name, Mods);
                else
                    ClickHeader(View, Name, ColIndex(Click[0]), Mods);
                QCOMPARE(View->IsEditing(), Name == 1); // a name cell opens its editor
            }
        }
        const QString Status = F.Edit->StatusPanel->text();
        QCOMPARE(MarksOf(L) + (Status.isEmpty() ? QString() : ' ' + Status), marked);
        QVERIFY(ScreenUpToDate(F.Edit));
    }

    void releaseElsewhereDoesNothing()
    {
        TEditorFixture F;
        TGridView *S = F.Edit->SojleDG();
        const QRect A = S->visualRect(S->model()->index(0, 0));
        const QPoint OnA(A.left() + 20, A.center().y());
        QSignalSpy Spy(F.Edit, &TDataEdit::ColumnSettingsRequested);
        // Pressed on A's letter, released on B's or on A's drop button: nothing.
        for (const QPoint To :
             {OnA + QPoint(A.width(), 0), gridpaint::DropButton(A).center()}) {
            QTest::mousePress(S->viewport(), Qt::LeftButton, {}, OnA);
            QCOMPARE(F.Edit->PressedCell().Col, 0);
            QTest::mouseRelease(S->viewport(), Qt::LeftButton, {}, To);
            QVERIFY(F.Edit->PressedCell().View == nullptr);
        }
        QCOMPARE(F.L().SelColCount() + Spy.count(), 0);
        // A click on the drop button opens the column's settings, marking nothing.
        QString Opened;
        WhenModal([](QWidget *W) { static_cast<QDialog *>(W)->reject(); }, &Opened);
        ClickHeader(S, 0, 3, {}, true);
        QCOMPARE(Opened, QStringLiteral("DataStilDlg"));
        QCOMPARE(Spy.count(), 1);
        QCOMPARE(Spy.at(0).at(0).toInt(), 3);
        QCOMPARE(F.L().SelColCount(), 0);
    }

    // Setups: "A=1,2,3" and "D:A+1" fill columns, "rC" makes C a random
    // column, "clip" and "noclip" fill or empty the clipboard, "cX" marks
    // column X, "lN" line N. The rules' edges are the states table's part;
    // these rows show each button follows its rule.
    void buttons_data() { AddRows(ButtonRows); }

    void buttons()
    {
        const TButtons &row = CurrentRow(ButtonRows);
        TEditorFixture F;
        for (const QString &Step : QString(row.Setup).split(' ', Qt::SkipEmptyParts)) {
            if (Step.size() > 1 && (Step[1] == '=' || Step[1] == ':')) {
                SetupSheet(F.L(), {Step});
            } else if (Step[0] == 'r') {
                F.L().SetRandomCount(ColIndex(Step[1]), 1);
                F.L().SetCellText(0, ColIndex(Step[1]), QStringLiteral("4"));
            } else if (Step == QLatin1String("clip")) {
                QGuiApplication::clipboard()->setText(QStringLiteral("1\r\n2"));
            } else if (Step == QLatin1String("noclip")) {
                QGuiApplication::clipboard()->clear();
            } else if (Step[0] == 'c') {
                ClickHeader(F.Edit->SojleDG(), 0, ColIndex(Step[1]), Qt::ControlModifier);
            } else {
                ClickHeader(F.Edit->LinieDG(), Step.mid(1).toInt(), 0, Qt::ControlModifier);
            }
        }
        F.Edit->UpdateButtons();
        for (bool On : {true, false})
            for (const QString &B :
                 QString(On ? row.Enabled : row.Disabled).split(',', Qt::SkipEmptyParts))
                QVERIFY2(F.Edit->ToolButton(B + "Speed")->isEnabled() == On, qPrintable(B));
    }

    // Column A holds 1, 2; B 3; C is computed from A; D holds 4.
    void states_data() { AddRows(StateRows); }

    void states()
    {
        const TState &row = CurrentRow(StateRows);
        tLumen L;
        SetupSheet(L, {"A=1,2", "B=3", "C:A*2", "D=4"});
        for (const QString &M : QString(row.Marks).split(',', Qt::SkipEmptyParts)) {
            if (M[0].isDigit())
                L.ToggleLineSelected(M.toInt());
            else
                for (QChar C : M)
                    L.ToggleColSelected(ColIndex(C));
        }
        TObsCommandContext Context;
        Context.ClipboardHasText = row.Clip;
        const TCommandState S = ObsCommandState(row.Command, L, Context);
        QCOMPARE(S.Caption, QString::fromUtf8(row.Caption));
        QCOMPARE(S.Enabled, row.Enabled);
        if (row.Command == ocSortNames) { // one line is not enough
            SetupSheet(L, {"A=1,"});
            QVERIFY(!ObsCommandState(ocSortNames, L, Context).Enabled);
        }
    }
};

QTEST_MAIN(TstObsGridMarks)
#include "tst_obsgrid_marks.moc"
