// The computed-column dialog "Beregnede tal": the check on every keystroke,
// and what the editor does with OK, Slet and Annullér.
#include "sheet_text.h"
#include "support_host.h"
#include "support_rows.h"

#include "CalcDlg.h"
#include "DataEdit.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace
{

// Whether OK may be pressed, and the formula's colour.
QString State(const TCalcDlg &D)
{
    return QStringLiteral("%1 %2").arg(D.OkButton->isEnabled() ? "ok" : "-",
                                       D.FormelEdit->palette().color(QPalette::Text).name());
}

const QString Red = QStringLiteral("- #ff0000");

// Setup as in sheet_text.h; Refs: the column's references while typing.
const struct {
    const char *Name;
    QStringList Setup;
    int Column;
    const char *Typed;
    bool Valid;
    const char *Refs;
} CheckRows[] = {
    {"A+ unfinished", {}, 2, "A+", false, ""},
    {"A+B", {}, 2, "A+B", true, "AB"},
    {"lower case", {}, 2, "a*b", true, "AB"},
    {"own column", {}, 0, "A*2", false, ""},
    {"cycle through B", {"B:A+1"}, 0, "B*2", false, ""},
    {"cycle through two", {"B:A+1", "C:B*2"}, 0, "C-1", false, ""},
    {"reads a computed column", {"B:A+1"}, 2, "B*2", true, "B"},
    {"blanks only", {}, 2, "   ", false, ""},
    {"unbalanced", {}, 2, "(A+B", false, ""},
};

// Column A holds 1, 2, 3; the dialog opens for B. Typed replaces the text,
// then Button is pressed. Seven: B's first cell once A's first is 7.
const char *const Add = "Fortryd \"Tilføj\"";
const struct {
    const char *Name;
    QStringList Setup;
    bool Random; // B has random settings
    const char *Typed, *Button, *FormulaB, *CellsB, *CellsC, *Undo, *Seven;
} EditorRows[] = {
    // clang-format off
    {"new formula", {}, false, "a*10", "OkButton", "A*10", "B:A*10=10,20,30", "", Add, "70"},
    {"changed formula, reader follows", {"B:A+1", "C:B*2"}, false, "A-1", "OkButton", "A-1",
     "B:A-1=0,1,2", "C:B*2=0,2,4", Add, "6"},
    {"OK drops random settings", {}, true, "A", "OkButton", "A", "B:A=1,2,3", "", Add, "7"},
    {"Slet empties the column and its reader", {"B:A+1", "C:B*2"}, false, "", "ClearButton",
     "", "B", "C:B*2", "Fortryd \"Slet\"", ""},
    {"Annullér changes nothing", {"B:A+1", "C:B*2"}, false, "A*5", "CancelButton", "A+1",
     "B:A+1=2,3,4", "C:B*2=4,6,8", "Fortryd", "8"},
    // clang-format on
};

} // namespace

class TstCalcDlg : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void check_data() { AddRows(CheckRows); }
    void check()
    {
        const auto &R = CurrentRow(CheckRows);
        TFakeHost Host;
        SetupSheet(Host.Lumen(), R.Setup);
        const QString RefsBefore = Host.Lumen().GetFormulaRefs(R.Column);
        TCalcDlg D(Host);
        D.Open(R.Column);
        QCOMPARE(D.CalcGB->title(), QStringLiteral(" Kolonne %1 ").arg(ColLetter(R.Column)));
        QCOMPARE(State(D), Red);
        QVERIFY(!D.Valid());

        QTest::keyClicks(D.FormelEdit, R.Typed);
        QCOMPARE(D.Valid(), R.Valid);
        QCOMPARE(State(D), R.Valid ? QStringLiteral("ok #000000") : Red);
        QCOMPARE(Host.Lumen().GetFormulaRefs(R.Column), QString::fromLatin1(R.Refs));
        QTest::mouseClick(D.HelpButton, Qt::LeftButton);
        QCOMPARE(Host.Calls, QStringList{QStringLiteral("Help 2")});

        // Given up: the column reads what its stored formula reads.
        QTest::keyClick(D.FormelEdit, Qt::Key_Escape);
        QCOMPARE(D.LastResult(), TCalcDlg::rsCancel);
        QCOMPARE(Host.Lumen().GetFormulaRefs(R.Column), RefsBefore);
    }

    void editor_data() { AddRows(EditorRows); }
    void editor()
    {
        const auto &R = CurrentRow(EditorRows);
        const bool Cancel = QLatin1String(R.Button) == QLatin1String("CancelButton");
        TEditorFixture F;
        tLumen &L = F.L();
        SetupSheet(L, QStringList{"A=1,2,3"} + R.Setup);
        if (R.Random) {
            L.SetRandomFrom(1, 1);
            L.SetRandomTo(1, 6);
            L.SetRandomCount(1, 0);
        }
        const QString Before = SheetColumn(L, 1);
        ClickHeader(F.Edit->SojleDG(), 0, 1);
        TCalcDlg *D = F.Edit->CalcDialog();
        // Checked afterwards: a failed check in here would leave the dialog open.
        QString Shown;
        QTimer::singleShot(0, D, [&] {
            Shown = D->isVisible() ? D->FormelEdit->text() : QStringLiteral("(hidden)");
            D->FormelEdit->selectAll();
            QTest::keyClick(D->FormelEdit, Qt::Key_Delete);
            QTest::keyClicks(D->FormelEdit, R.Typed);
            QTest::mouseClick(D->findChild<QPushButton *>(R.Button), Qt::LeftButton);
        });
        QTest::mouseClick(F.Edit->ToolButton(QStringLiteral("CalcSpeed")), Qt::LeftButton);
        QVERIFY(!D->isVisible());
        QCOMPARE(Shown, R.Setup.value(0).mid(2));
        QCOMPARE(L.GetFormula(1), QString::fromLatin1(R.FormulaB));
        QCOMPARE(SheetColumn(L, 1), QString::fromLatin1(R.CellsB));
        QCOMPARE(SheetColumn(L, 2), QString::fromLatin1(*R.CellsC ? R.CellsC : "C"));
        QCOMPARE(L.GetRandomTo(1), R.Random && Cancel ? 6 : 0);
        QCOMPARE(UndoCaption(L.GetUndoOp()), QString::fromUtf8(R.Undo));
        QCOMPARE(F.Edit->DataEdited(), !Cancel);

        // The formulas keep working: a typed value of A reaches B.
        // (Without a window manager the editor is made active again by hand.)
        QApplication::setActiveWindow(F.Edit);
        F.Edit->DataDG()->SetCell(0, 0);
        TypeInto(F.Edit->DataDG(), QStringLiteral("7"));
        QCOMPARE(L.GetCellText(0, 1), QString::fromLatin1(R.Seven));
        if (Cancel)
            return;
        // One undo gives back the column as it was before the dialog.
        F.Edit->UndoCommand();
        QCOMPARE(SheetColumn(L, 1), Before);
        QCOMPARE(L.GetRandomTo(1), R.Random ? 6 : 0);
    }
};

QTEST_MAIN(TstCalcDlg)
#include "tst_calcdlg.moc"
