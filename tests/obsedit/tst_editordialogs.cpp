// The editor's dialogs: the computed-column dialog "Beregnede tal" (the check
// on every keystroke, what the editor does with OK, Slet and Annullér); the
// column settings dialog (the automatic grouping computed while typing, the
// manual grid, the value check with its messages, what Apply stores, the
// editor showing a new grouping at once); random numbers (the dialog's checks
// and the columns it fills or clears, the refill of every random column
// with the computed columns that follow them); and the (x,y) calculator
// opened from a pane (values read off the cumulative graph, the readings it
// keeps).
#include "sheet_text.h"
#include "support_host.h"
#include "support_rows.h"

#include "ArrowDlg.h"
#include "CalcDlg.h"
#include "DataEdit.h"
#include "DataStilDlg.h"
#include "Describe.h"
#include "NavnDlg.h"
#include "Random.h"
#include "TerningDlg.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QScopeGuard>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace
{

// The group box's title, whether OK may be pressed, and the formula's colour.
QString State(const TCalcDlg &D)
{
    return D.CalcGB->title() + (D.OkButton->isEnabled() ? "ok " : "- ") +
           D.FormelEdit->palette().color(QPalette::Text).name();
}

// Setup as in sheet_text.h, split at blanks; Refs: the column's references
// while typing; Why: the reason shown under a red formula.
const struct {
    const char *Name, *Setup, *Typed, *Refs;
    int Column;
    bool Valid;
    const char *Why;
} CheckRows[] = {
    {"A+ unfinished", "", "A+", "", 2, false,
     "Fejl i formlen: et tal eller en kolonne mangler eller står forkert."},
    {"stray sign", "", "A$2", "", 2, false, "Fejl i formlen: syntaksfejl."},
    {"A+B", "", "A+B", "AB", 2, true, ""},
    {"lower case", "", "a*b", "AB", 2, true, ""},
    {"own column", "", "A*2", "", 0, false, "Formlen bruger sin egen kolonne A."},
    {"cycle through B", "B:A+1", "B*2", "", 0, false,
     "Formlen giver en ring af beregnede kolonner: A → B → A."},
    {"cycle through two", "B:A+1 C:B*2", "C-1", "", 0, false,
     "Formlen giver en ring af beregnede kolonner: A → C → B → A."},
    {"reads a computed column", "B:A+1", "B*2", "B", 2, true, ""},
    {"blanks only", "", "   ", "", 2, false, ""},
    {"unbalanced", "", "(A+B", "", 2, false, "Fejl i formlen: parenteserne passer ikke sammen."},
    {"unknown name", "", "A+KAT", "", 2, false,
     "Fejl i formlen: et ukendt navn (kun kolonnebogstaver og funktioner)."},
};

// Column A holds 1, 2, 3 and Setup; the dialog opens for B (Random: B has
// random settings). Typed replaces the text, then Button is pressed. Seven:
// B's first cell once A's first is 7.
const char *const Add = "Fortryd \"Tilføj\"";
const struct {
    const char *Name, *Setup, *Typed, *Button, *B, *C, *Undo, *Seven;
    bool Random = false;
} EditorRows[] = {
    // clang-format off
    {"new formula", "", "a*10", "OkButton", "B:A*10=10,20,30", "C", Add, "70"},
    // A new computed column shows the decimals its values need.
    {"new formula of quarters", "", "A/4", "OkButton", "B:A/4=0.25,0.5,0.75", "C", Add, "1,75"},
    {"new formula of small fractions", "", "1/(A-100)", "OkButton",
     "B:1/(A-100)=-0.0101010101010101,-0.0102040816326531,-0.0103092783505155", "C", Add,
     "-0,0108"},
    {"changed formula, reader follows", "B:A+1 C:B*2", "A-1", "OkButton", "B:A-1=0,1,2",
     "C:B*2=0,2,4", Add, "6"},
    {"OK drops random settings", "", "A", "OkButton", "B:A=1,2,3", "C", Add, "7", true},
    {"Slet empties the column and its reader", "B:A+1 C:B*2", "", "ClearButton", "B", "C:B*2",
     "Fortryd \"Slet\"", ""},
    {"Annullér changes nothing", "B:A+1 C:B*2", "A*5", "CancelButton", "B:A+1=2,3,4",
     "C:B*2=4,6,8", "Fortryd", "8"},
    // clang-format on
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

// Column A holds Values (one decimal). Auto: the three edits typed (decimal
// points included), with the second upper bound and the count shown; else
// Grid: the manual rows "lower|upper", split at blanks. On OK: accepted (Found null), or
// refused after the values found outside the classes (if any) are shown.
const struct {
    const char *Name, *Auto, *Grid, *SecondUpper, *Count, *Found;
    QStringList Values;
} GroupingRows[] = {
    // clang-format off
    {"touching tens", "0 10 10", "", "20", "4", nullptr, Range(1, 37)},
    {"gap of one", "1 5 6", "", "10", "8", nullptr, Range(1, 37)},
    {"value in a gap", "1 5 6", "", "10", "8", "5,5", Range(1, 37) << "5.5"},
    {"below the first, three reported", "1 5 6", "", "10", "8", "0,0  -1,0  -2,0",
     {"0", "7", "-1", "-2", "37"}},
    {"first lower bound belongs below", "1 10 10", "", "19", "4", "1,0", Range(1, 37)},
    {"no values", "0 10 10", "", "20", "1", nullptr, {}},
    {"points typed", "0 0.1 0.1", "", "0,2", "10", nullptr, {"0.3", "1"}},
    {"width beyond the number range", "-1,1e4932 1,1e4932 1,1e4932", "", "", "", "", Range(1, 3)},
    // Counted, not stepped through: a billion classes must not hang.
    {"more classes than a grouping may have", "0 0,001 0,001", "", "0,002", "", "", {"1000000"}},
    {"grid touching", nullptr, "0|10 10|20 20|30", "", "", nullptr, Range(1, 30)},
    {"grid overlapping", nullptr, "0|10 5|20", "", "", "", Range(1, 3)},
    {"grid point after a gap", nullptr, "0|10 12|12", "", "", nullptr, {"0", "12"}},
    {"grid blank row between", nullptr, "0|10 | 20|30", "", "", "", Range(1, 3)},
    {"grid half filled", nullptr, "0|10 10|", "", "", "", Range(1, 3)},
    {"grid of no rows", nullptr, "", "", "", "", Range(1, 3)},
    {"grid touching class open below", nullptr, "0|10 10|20", "", "", "21,0",
     {"0", "10", "20", "21"}},
    {"grid first row closed", nullptr, "0|10", "", "", "-0,5", {"0", "-0.5"}},
    {"grid with a gap", nullptr, "0|10 20|30", "", "", "15,0", {"20", "15"}},
    // clang-format on
};

// Every message box asked, "caption: text" (the text alone without caption).
QStringList Messages(const TFakeHost &Host)
{
    QStringList M;
    for (const auto &A : Host.Script.Asked)
        M << (A.Title.isEmpty() ? A.Text : A.Title + ": " + A.Text);
    return M;
}

// The numbers of column Col, in line order.
QList<double> Numbers(const tLumen &L, int Col)
{
    QList<double> V;
    for (const QString &T : SheetColumn(L, Col).section('=', 1).split(',', Qt::SkipEmptyParts))
        V << T.toDouble();
    return V;
}

// Marks column Col alone, opens the dice dialog, types Fields "from|to|count"
// (ending "|u": without replacement) and presses OK, or "Slet" for Fields "-";
// a dialog that stays open is given up. What the dialog showed at first, the
// same way.
QString Dice(TEditorFixture &F, int Col, const QString &Fields)
{
    if (Col >= 0 && !(F.L().SelColCount() == 1 && F.L().IsColSelected(Col)))
        ClickHeader(F.Edit->SojleDG(), 0, Col);
    QString Shown;
    WhenModal([&](QWidget *W) {
        auto *D = static_cast<TTerningDlg *>(W);
        QLineEdit *Edits[] = {D->FraEdit, D->TilEdit, D->AntalEdit};
        for (int I = 0; I < 3; ++I) {
            Shown += Edits[I]->text() + '|';
            Edits[I]->clear();
            QTest::keyClicks(Edits[I], Fields.section('|', I, I));
        }
        Shown += D->UdenRB->isChecked() ? "u" : "";
        (Fields.endsWith(QLatin1String("|u")) ? D->UdenRB : D->MedRB)->setChecked(true);
        (Fields == QLatin1String("-") ? D->IngenBtn : D->OKBtn)->click();
        if (D->isVisible())
            D->reject();
    });
    F.Edit->ToolButton(QStringLiteral("TerningSpeed"))->click();
    return Shown;
}

// Fields as for Dice; Lines made; the message shown; the status line after.
const struct {
    const char *Name, *Fields;
    int Lines;
    const char *Message, *Status;
} DiceRows[] = {
    // clang-format off
    {"dice", "1|6|20", 20, "", "Kolonne A; tilfældige tal (1; 6; 20 med tilbagelægning)"},
    {"permutation", "1|6|6|u", 6, "", "Kolonne A; tilfældige tal (1; 6; 6 uden tilbagelægning)"},
    {"reals without replacement", "||5|u", 5, "",
     "Kolonne A; tilfældige reelle tal (5 uden tilbagelægning)"},
    {"too many lines", "1|6|7|u", 0, "For mange linjer: Talområdet har kun 6 tal, så uden "
     "tilbagelægning kan der ikke udfyldes 7 linjer.", "Kolonne A"},
    {"to below from", "6|1|5", 0, "Udfyld med tilfældige tal: \"til\" må ikke være mindre end "
     "\"Fra\".", "Kolonne A"},
    {"no count", "1|6|", 0, "Udfyld med tilfældige tal: Skriv hvor mange linjer der skal "
     "udfyldes (1 til 10000).", "Kolonne A"},
    {"from without to", "1||5", 0, "Udfyld med tilfældige tal: Skriv både \"Fra\" og \"til\", "
     "eller lad begge være tomme for reelle tal mellem 0 og 1.", "Kolonne A"},
    {"negative from", "-1|6|5", 0, "Udfyld med tilfældige tal: \"Fra\" og \"til\" skal være "
     "hele tal fra 0 og op.", "Kolonne A"},
    {"count capped while typed", "1|6|12345", 10000, "",
     "Kolonne A; tilfældige tal (1; 6; 10000 med tilbagelægning)"},
    // clang-format on
};

} // namespace

class TstEditorDialogs : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }
    void init() { ProgramRandom().SetSeed(20240601); }

    void check_data() { AddRows(CheckRows); }
    void check()
    {
        const auto &R = CurrentRow(CheckRows);
        TFakeHost Host;
        SetupSheet(Host.Lumen(), QString(R.Setup).split(' ', Qt::SkipEmptyParts));
        const QString RefsBefore = Host.Lumen().GetFormulaRefs(R.Column);
        TCalcDlg D(Host);
        D.Open(R.Column);
        const QString Title = QStringLiteral(" Kolonne %1 ").arg(ColLetter(R.Column));
        QCOMPARE(D.windowTitle() + State(D), "Beregnede tal" + Title + "- #ff0000");

        QTest::keyClicks(D.FormelEdit, R.Typed);
        QCOMPARE(State(D), Title + (R.Valid ? "ok #000000" : "- #ff0000"));
        QCOMPARE(Host.Lumen().GetFormulaRefs(R.Column), QString::fromLatin1(R.Refs));
        QCOMPARE(D.GrundLabel->text(), QString::fromUtf8(R.Why));
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
        SetupSheet(L, QStringLiteral("A=1,2,3 %1").arg(R.Setup).split(' ', Qt::SkipEmptyParts));
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
        QCOMPARE(Shown, QString(R.Setup).section(' ', 0, 0).mid(2));
        QCOMPARE(SheetColumn(L, 1), QString::fromLatin1(R.B));
        QCOMPARE(SheetColumn(L, 2), QString::fromLatin1(R.C));
        QCOMPARE(L.GetRandomTo(1), R.Random && Cancel ? 6 : 0);
        QCOMPARE(UndoCaption(L.GetUndoOp()), QString::fromUtf8(R.Undo));
        QCOMPARE(F.Edit->DataEdited(), !Cancel);
        QCOMPARE(F.Edit->StatusPanel->text().endsWith("; udtryk = " + L.GetFormula(1)),
                 L.IsComputed(1));

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

    void grouping_data() { AddRows(GroupingRows); }
    void grouping()
    {
        TFakeHost Host;
        const auto &R = CurrentRow(GroupingRows);
        tLumen &L = Host.Lumen();
        SetupSheet(L, {"A=" + R.Values.join(',')});
        L.SetDecimals(0, 1);
        TDataStilDlg Dlg(Host);
        Dlg.Prepare(0);
        (R.Auto ? Dlg.ObsRB : Dlg.ManuRB)->setChecked(true);
        if (R.Auto) {
            const QStringList Typed = QString(R.Auto).split(' ');
            QLineEdit *Edits[] = {Dlg.ForsteMinEdit, Dlg.ForsteMaxEdit, Dlg.AndenMinEdit};
            Dlg.ForsteMinEdit->setText(QStringLiteral("15"));
            Dlg.ForsteMinEdit->setCursorPosition(1);
            QTest::keyClicks(Dlg.ForsteMinEdit, QStringLiteral(".2")); // the caret stays put
            QCOMPARE(Dlg.ForsteMinEdit->text(), QStringLiteral("1,25"));
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
        Dlg.PageControl->setCurrentIndex(R.Auto ? 0 : 1);
        Dlg.show();
        Dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Dlg));
        // The grid typed as a person does: Enter moves from the lower bound to
        // the upper bound, then to the next row; the last text is still being
        // typed on OK.
        const QStringList Cells = QString(R.Grid).replace(' ', '|').split('|');
        Dlg.GrupSG->setFocus();
        for (int I = 0; !R.Auto && I < Cells.size(); ++I) {
            if (I > 0) { // the cell editor closes later
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QCoreApplication::processEvents();
            }
            QTest::keyClicks(QApplication::focusWidget(), Cells[I]);
        }
        Dlg.OKBtn->click();
        // Enter in the last row goes back to the first, before it on to the last.
        Dlg.GrupSG->setCurrentCell(TDataStilDlg::GridRows - 2, 2);
        QTest::keyClick(Dlg.GrupSG, Qt::Key_Return);
        QCOMPARE(Dlg.GrupSG->currentRow(), TDataStilDlg::GridRows - 1);
        Dlg.GrupSG->setCurrentCell(TDataStilDlg::GridRows - 1, 2);
        QTest::keyClick(Dlg.GrupSG, Qt::Key_Return);
        QCOMPARE(Dlg.GrupSG->currentRow(), 0);
        const QString Found = R.Found && *R.Found ? Outside + R.Found + '\n' : QString();
        QCOMPARE(Messages(Host).join('\n'), R.Found ? Found + Refused : QString());
        QCOMPARE(Dlg.result(), R.Found ? 0 : int(QDialog::Accepted));
        if (R.Found)
            return;
        Dlg.Apply();
        QCOMPARE(QString::asprintf("%d %d", L.GetGroupKind(0),
                                   R.Auto ? L.GetGroupCount(0) : int(L.Cols[0].Intervals.size())),
                 R.Auto ? QStringLiteral("1 ") + R.Count
                        : QStringLiteral("2 %1").arg(QString(R.Grid).count(' ') + 1));
        if (R.Auto)
            return;
        // Opened anew, the dialog shows the stored classes as they were typed.
        TDataStilDlg Again(Host);
        Again.Prepare(0);
        QStringList Shown;
        for (int Row = 0; Row < int(L.Cols[0].Intervals.size()); ++Row)
            Shown << Again.GrupSG->item(Row, 1)->text() + '|' + Again.GrupSG->item(Row, 2)->text();
        QCOMPARE(Shown.join(' '), QString(R.Grid));
    }

    // The manual grouping's bound headings are read whole, also in bold
    // (the heading of the current cell's column), and the grid fits the
    // dialog.
    void manualHeadingsFit_data()
    {
        QTest::addColumn<qreal>("Scale"); // of the application's font
        QTest::newRow("the usual font") << 1.0;
        QTest::newRow("a wider font") << 1.25;
    }
    void manualHeadingsFit()
    {
        QFETCH(qreal, Scale);
        const QFont Usual = QApplication::font();
        QFont Larger = Usual;
        if (Usual.pointSizeF() > 0)
            Larger.setPointSizeF(Usual.pointSizeF() * Scale);
        else
            Larger.setPixelSize(qRound(Usual.pixelSize() * Scale));
        QApplication::setFont(Larger);
        const auto Restore = qScopeGuard([&] { QApplication::setFont(Usual); });
        TFakeHost Host;
        SetupSheet(Host.Lumen(), {"A=1,2,3"});
        TDataStilDlg Dlg(Host);
        Dlg.Prepare(0);
        Dlg.ManuRB->setChecked(true);
        Dlg.PageControl->setCurrentIndex(1);
        Dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Dlg));
        QHeaderView *Head = Dlg.GrupSG->horizontalHeader();
        QFont Bold = Head->font();
        Bold.setBold(true);
        const QFontMetrics Fm(Bold);
        for (int C = 1; C < Dlg.GrupSG->columnCount(); ++C) {
            const QString Text = Dlg.GrupSG->horizontalHeaderItem(C)->text();
            QVERIFY2(Fm.horizontalAdvance(Text) + 8 <= Head->sectionSize(C), qPrintable(Text));
        }
        const QRect Grid(Dlg.GrupSG->mapTo(&Dlg, QPoint(0, 0)), Dlg.GrupSG->size());
        QVERIFY(Dlg.rect().contains(Grid));
        QVERIFY(Head->length() <= Dlg.GrupSG->viewport()->width());
    }

    // The column settings from the editor: a new grouping shows at once as
    // a table of that column alone, marked lines unmarked; Annuller stores nothing; no grouping keeps the intervals and
    // the automatic settings for later.
    void editorShowsNewGrouping()
    {
        TEditorFixture F;
        tLumen &L = F.L();
        for (int I = 1; I <= 37; ++I)
            L.SetCellText(I - 1, 0, QString::number(I));
        L.SetCellText(37, 0, QStringLiteral("x"));
        L.SetComment(0, QStringLiteral("Højde"));
        L.AddInterval(0, -20, 20);
        ClickHeader(F.Edit->LinieDG(), 3, 0); // line 3 marked
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
        QCOMPARE(L.SelCols, QVector<int32_t>{0});
        QVERIFY(L.SelLines.isEmpty());
        tDescriptor &D = F.Edit->Descriptor();
        QCOMPARE(D.GetPaneKind(1), uint8_t(bkTabel));
        QCOMPARE(D.ListCount(0), 4);
        QCOMPARE(F.Edit->StatusPanel->text(), QStringLiteral("Højde (grupperet)"));

        QString Shown;
        WhenModal([&Shown](QWidget *W) {
            auto *Dlg = static_cast<TDataStilDlg *>(W);
            Shown = Dlg->windowTitle() + ' ' + Dlg->MinValuePanel->text() + ' ' +
                    Dlg->MaxValuePanel->text();
            Dlg->ObsRB->setChecked(true);
            Dlg->CancelBtn->click();
        });
        F.Edit->MenuItem(QStringLiteral("SojleEgenskaber"))->trigger();
        QCOMPARE(Shown, QStringLiteral("Indstillinger for kolonne A 1 37"));
        QCOMPARE(L.GetGroupKind(0), uint8_t(gkAuto));
        // New bounds of the marked grouped column show its table again.
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkMaerketal));
        WhenModal([](QWidget *W) {
            auto *Dlg = static_cast<TDataStilDlg *>(W);
            for (QLineEdit *E : {Dlg->ForsteMaxEdit, Dlg->AndenMinEdit}) {
                E->selectAll();
                QTest::keyClicks(E, "5");
            }
            Dlg->OKBtn->click();
            if (Dlg->isVisible())
                Dlg->reject();
        });
        F.Edit->MenuItem(QStringLiteral("SojleEgenskaber"))->trigger();
        QCOMPARE(D.GetPaneKind(1), uint8_t(bkTabel));

        WhenModal([](QWidget *W) {
            auto *Dlg = static_cast<TDataStilDlg *>(W);
            Dlg->ObsRB->setChecked(true);
            for (int I = 0; I < 12; ++I)
                Dlg->UpDown->stepUp(); // stops at 10
            Dlg->KommentarEdit->setText(QStringLiteral("Højde i cm"));
            Dlg->OKBtn->click();
        });
        F.Edit->MenuItem(QStringLiteral("SojleEgenskaber"))->trigger();
        QCOMPARE(F.Edit->StatusPanel->text(), QStringLiteral("Højde i cm"));
        QCOMPARE(QString::asprintf("%d %d %d %d", L.GetDecimals(0), L.GetGroupKind(0),
                                   int(L.Cols[0].Intervals.size()), L.GetGroupCount(0)),
                 QStringLiteral("10 0 1 8"));
    }

    void fill_data() { AddRows(DiceRows); }
    void fill()
    {
        const auto &R = CurrentRow(DiceRows);
        TEditorFixture F;
        Dice(F, 0, R.Fields);
        QCOMPARE(Messages(F.Host).join('\n'), QString::fromUtf8(R.Message));
        QCOMPARE(F.Edit->StatusPanel->text(), QString::fromUtf8(R.Status));
        const tLumen &L = F.L();
        QCOMPARE(L.GetRandomCount(0), R.Lines);
        QCOMPARE(F.Edit->DataEdited(), R.Lines > 0);
        QList<double> V = Numbers(L, 0);
        QCOMPARE(V.size(), R.Lines);
        if (R.Lines == 0)
            return;
        std::sort(V.begin(), V.end());
        const bool Reals = *R.Fields == '|';
        QCOMPARE(L.GetDecimals(0), Reals ? 10 : 0);
        QVERIFY(Reals ? V.first() >= 0 && V.last() < 1 : V.first() >= 1 && V.last() <= 6);
        if (QString(R.Fields).endsWith(QLatin1String("|u")))
            QVERIFY(std::adjacent_find(V.begin(), V.end()) == V.end());
        QVERIFY(F.Edit->ToolButton(QStringLiteral("CupSpeed"))->isEnabled());
    }

    void refillRecomputes()
    {
        TEditorFixture F;
        tLumen &L = F.L();
        Dice(F, 0, QStringLiteral("1|6|8"));
        Dice(F, 2, QStringLiteral("10|99|8|u"));
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
        Dice(F, 0, QStringLiteral("-"));
        QVERIFY(L.CellCount(0) == 0 && L.GetRandomCount(0) == 0 && L.CellCount(1) == 0);
        QVERIFY(F.Edit->ToolButton(QStringLiteral("CupSpeed"))->isEnabled()); // C is left
        QCOMPARE(Dice(F, 2, QStringLiteral("-")), QStringLiteral("10|99|8|u"));
        QVERIFY(!F.Edit->ToolButton(QStringLiteral("CupSpeed"))->isEnabled());

        // Marked together, the dialog starts from their settings only when all
        // agree (a refused filling changes nothing).
        for (const auto &[Col, Fields] : {std::pair{0, "1|6|8"}, {2, "10|99|8"}, {3, "1|6|8"}})
            Dice(F, Col, QString(Fields));
        for (int Col : {0, 2, 3})
            ClickHeader(F.Edit->SojleDG(), 0, Col, Col ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(Dice(F, -1, QStringLiteral("6|1|5")), QStringLiteral("|||"));
        ClickHeader(F.Edit->SojleDG(), 0, 2, Qt::ControlModifier);
        QCOMPARE(Dice(F, -1, QStringLiteral("6|1|5")), QStringLiteral("1|6|8|"));
    }

    // The (x,y) calculator from a pane showing the cumulative graph of values
    // 1, 2, 2, 3 (F 0,25, 0,75, 1): of 32 readings the last pushes out the
    // first.
    void calculator()
    {
        TEditorFixture F;
        SetupSheet(F.L(), {"A=1,2,2,3"});
        ClickHeader(F.Edit->SojleDG(), 0, 0);
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkSumfrekvensgraf));
        QStringList Answers;
        WhenModal([&Answers](QWidget *W) {
            auto *D = static_cast<TArrowDlg *>(W);
            for (int I = 1; I <= 32; ++I) {
                D->YEdit->clear();
                D->XEdit->setText(QString::number(I));
                D->CalcButton->click();
                Answers << D->YEdit->text();
            }
            D->XEdit->clear();
            D->YEdit->setText(QStringLiteral("0,5"));
            D->CalcButton->click();
            Answers << D->XEdit->text();
            // Clicking into an answered edit empties it for the next question.
            QFocusEvent Click(QEvent::FocusIn, Qt::MouseFocusReason);
            QApplication::sendEvent(D->YEdit, &Click);
            Answers << D->XEdit->text() + '|' + D->YEdit->text();
            // Questions without an answer are told why.
            for (const char *XY : {"0|", "|2", "|", "a|", "1|1"}) {
                D->XEdit->setText(QString(XY).section('|', 0, 0));
                D->YEdit->setText(QString(XY).section('|', 1, 1));
                D->CalcButton->click();
            }
            D->accept();
        });
        F.Edit->Pane(1)->CalcButton->click();
        QCOMPARE(Answers.mid(0, 3) + Answers.mid(31),
                 QString("0,250 0,750 1,000 1,000 2,000 |").split(' '));
        const QString Either = QStringLiteral("Beregn (x,y): Skriv et tal i enten X eller Y.");
        QCOMPARE(Messages(F.Host), QStringList({"Beregn (x,y): X = 0 ligger uden for grafen.",
                                                "Beregn (x,y): Y skal ligge mellem 0 og 1.",
                                                Either, Either, Either}));
        tDescriptor &D = F.Edit->Descriptor();
        QCOMPARE(D.GetReadingCount(), MaxReadings);
        TReading First, Last;
        QVERIFY(D.GetReading(0, First) && D.GetReading(MaxReadings - 1, Last));
        // Readings of x = 1 and 2 pushed out; the last read x from y.
        QCOMPARE(QString::asprintf("%g %g %d", double(First.x), double(Last.x), Last.FromX),
                 QStringLiteral("3 2 0"));
    }

    // The print name: offered again as last given, kept when cancelled.
    void printName()
    {
        TNavnDlg Dlg{QPixmap()};
        QString Name, Seen;
        for (const char *Typed : {"7b", (const char *)nullptr, "8c"}) {
            WhenModal([&](QWidget *W) {
                Seen += W->windowTitle() + ':' + Dlg.NavnEdit->selectedText() + ' ';
                Dlg.NavnEdit->insert(QString::fromUtf8(Typed ? Typed : "x"));
                Typed ? Dlg.OkButton->click() : Dlg.CancelButton->click();
            });
            QCOMPARE(Dlg.Ask(Name), Typed != nullptr);
        }
        QCOMPARE(Seen, "Navn på udskriften: Navn på udskriften:7b Navn på udskriften:7b ");
        QCOMPARE(Name + '|' + Dlg.LastName(), "8c|8c");
        // The field is labelled, the buttons are OK and Annullér.
        const auto *Label = Dlg.findChild<QLabel *>(QStringLiteral("NavnLabel"));
        QVERIFY(Label && Label->buddy() == Dlg.NavnEdit && !Label->text().isEmpty());
        QCOMPARE(Dlg.CancelButton->text(), QStringLiteral("Annullér"));
    }
};

QTEST_MAIN(TstEditorDialogs)
#include "tst_editordialogs.moc"
