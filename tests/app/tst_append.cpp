// "Tilføj Lumentor-fil" in the observation editor of the main window (what
// fits, what arrives, the computed columns recalculated, no undo step) and
// the shortcuts of its menus while a cell is edited.
#include "support_app.h"

#include "DataEdit.h"
#include "GridView.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
// A "Højde" with one decimal (150,26 up from First), B "Navn" (elev<First>
// up), C computed by Formula; lines named E<First> up.
void Fill(tLumen &L, int Lines, int First, const QString &Formula)
{
    L.SetColName(0, QStringLiteral("Højde"));
    L.SetColName(1, QStringLiteral("Navn"));
    L.SetColName(2, QStringLiteral("Dobbelt"));
    L.SetDecimals(0, 1);
    for (int I = 0; I < Lines; ++I) {
        L.SetCellText(I, 0, QString::number(150 + First + I) + QStringLiteral(",26"));
        L.SetCellText(I, 1, QStringLiteral("elev%1").arg(First + I));
        L.SetLineName(I, QStringLiteral("E%1").arg(First + I));
    }
    L.SetFormula(2, Formula);
    L.SetComputed(2, true);
    if (L.Compile(Formula))
        L.BuildFormulaRefs(2);
    L.ComputeColumn(2);
}
} // namespace

class TstAppend : public QObject
{
    Q_OBJECT
    QTemporaryDir Dir;

  private slots:
    void initTestCase() { InitAppTest(); }

    void append_data()
    {
        QTest::addColumn<bool>("Below"); // else to the right
        QTest::addColumn<QString>("Message");
        QTest::addColumn<int>("Lines");
        QTest::addColumn<int>("Columns");
        QTest::addColumn<int>("Rows"); // of the grid
        QTest::addColumn<QStringList>("Expected");
        const QString Cols = QStringLiteral("(x) Fejl: De nye data passer ikke til søjlerne");
        const QString Rows = QStringLiteral("(x) Fejl: De nye data passer ikke til linjerne");
        // Numbers arrive as the file showed them (one decimal; this set's own
        // keep theirs); C is computed again by this set's formula, not the file's.
        QTest::newRow("600 below") << true << QString() << 603 << 3 << 603
                                   << QStringList{"A4=160.3",    "B603=elev609", "C4=320.6",
                                                  "C603=1518.6", "#3=E2",        "#4=E10"};
        // Names and cells only (C of the file had no decimals), nothing beyond Z.
        QTest::newRow("30 to the right")
            << false << QString() << 3 << 26 << 500
            << QStringList{"C1=300.52", "D=Vægt", "D1=150.3", "E2=elev1",
                           "F1=451",    "Z=X22",  "Z1=122"};
        QTest::newRow("cancelled") << true << QString() << 3 << 3 << 500 << QStringList();
        QTest::newRow("unreadable") << true << QStringLiteral("(x) Fejl: Kunne ikke læse data") << 3
                                    << 3 << 500 << QStringList();
        for (const char *Case : {"frequency file", "other order", "other case", "more columns"})
            QTest::newRow(Case) << true << Cols << 3 << 3 << 500 << QStringList();
        for (const char *Case : {"grouped file", "fewer lines", "other line name"})
            QTest::newRow(Case) << false << Rows << 3 << 3 << 500 << QStringList();
    }

    void append()
    {
        QFETCH(bool, Below);
        QFETCH(QString, Message);
        QFETCH(int, Lines);
        QFETCH(int, Columns);
        QFETCH(int, Rows);
        QFETCH(QStringList, Expected);
        const QString Case = QString::fromLatin1(QTest::currentDataTag());
        const QString File = Dir.filePath(Case + ".lmt");
        if (Case == "unreadable") {
            QFile Out(File);
            QVERIFY(Out.open(QIODevice::WriteOnly) && Out.write("Lumentor") == 8);
        } else if (Case != "cancelled") {
            const TDataType Type = Case == "frequency file" ? dtHyp
                                   : Case == "grouped file" ? dtGrup
                                                            : dtObs;
            WriteLumenFile(File, Type, [&Case](tLumen &L) {
                const bool Many = Case == "600 below";
                Fill(L, Many ? 600 : Case == "fewer lines" ? 2 : 3, Many ? 10 : 0, "A*3");
                if (Case == "other order")
                    L.SwapColumns(0, 1);
                else if (Case == "other case")
                    L.SetColName(1, QStringLiteral("navn"));
                else if (Case == "other line name")
                    L.SetLineName(1, QStringLiteral("X"));
                else if (Case == "more columns")
                    L.SetCellText(0, 3, QStringLiteral("1"));
                else if (Case == "30 to the right") {
                    L.SetColName(0, QStringLiteral("Vægt"));
                    for (int C = 3; C < 30; ++C) {
                        L.SetColName(C, QStringLiteral("X%1").arg(C));
                        L.SetCellText(0, C, QString::number(100 + C));
                    }
                }
            });
        }
        TScriptedDialogs D;
        auto F = StartedForm(D);
        auto *E = dynamic_cast<TDataEdit *>(F->Editor(dtObs));
        QVERIFY(E != nullptr);
        tLumen &L = F->Lumen();
        Fill(L, 3, 0, "A*2");
        L.SaveUndo(uoSort);
        L.ClearModified();
        if (Case != "cancelled")
            D.FileNames.enqueue(File);
        E->MenuItem(Below ? QStringLiteral("TilfojNedenfor") : QStringLiteral("TilfojTilhojre"))
            ->trigger();

        QCOMPARE(D.FilesAsked.size(), 1);
        QCOMPARE(D.FilesAsked[0].Caption, QStringLiteral("Tilføj"));
        QCOMPARE(Messages(D), Message.isEmpty() ? QStringList() : QStringList{Message});
        QCOMPARE(DataType, dtObs);
        QCOMPARE(L.MaxLines(), Lines);
        QCOMPARE(L.UsedColumns(), Columns);
        QCOMPARE(E->RowCount(), Rows);
        QCOMPARE(Probe(L, Expected), Expected);
        QCOMPARE(L.IsModified(), !Expected.isEmpty());
        // No undo step of its own: undo still names the step before.
        QCOMPARE(L.GetUndoOp(), uint8_t(uoSort));
    }

    // The Rediger shortcuts while a cell is being edited: an enabled command
    // takes the key, a disabled one leaves it to the cell.
    void shortcutsWhileEditing()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(F.get()));
        auto *E = dynamic_cast<TDataEdit *>(F->Editor(dtObs));
        tLumen &L = F->Lumen();
        L.SetColName(0, QStringLiteral("Højde"));
        L.SetCellText(0, 0, QStringLiteral("7"));
        TGridView *G = E->DataDG();
        for (const bool Marked : {true, false}) {
            E->MarkColumn(0, Qt::NoModifier); // marks, then unmarks
            QCOMPARE(L.AnyColSelected(), Marked);
            G->setFocus();
            G->SetCell(3, 1);
            G->StartEdit();
            auto *Cell = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            QVERIFY(Cell != nullptr);
            QApplication::clipboard()->setText(QStringLiteral("42"));
            QTest::keyClick(Cell, Marked ? Qt::Key_C : Qt::Key_V, Qt::ControlModifier);
            // Marked: Ctrl+C copies the column. Else Ctrl+V pastes into the
            // cell, not as a new column.
            QCOMPARE(QApplication::clipboard()->text(),
                     Marked ? QStringLiteral("Højde\r\n7\r\n") : QStringLiteral("42"));
            QCOMPARE(Cell->text(), Marked ? QString() : QStringLiteral("42"));
        }
        QCOMPARE(Probe(L, {"A=Højde", "A1=7"}), QStringList({"A=Højde", "A1=7"}));
        QCOMPARE(L.GetUndoOp(), uint8_t(uoNone));
    }
};

QTEST_MAIN(TstAppend)
#include "tst_append.moc"
