// The Rediger shortcuts in the main window while a cell is being edited: an
// enabled command takes the key, a disabled one leaves it to the cell.
#include "support_app.h"

#include "DataEdit.h"
#include "GridView.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

class TstEditShortcuts : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitAppTest(); }

    void shortcutsWhileEditing()
    {
        TScriptedDialogs D;
        auto F = StartedForm(D);
        F->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(F.get()));
        auto *E = dynamic_cast<TDataEdit *>(F->Editor(dtObs));
        QVERIFY(E != nullptr);
        tLumen &L = F->Lumen();
        L.SetColName(0, QStringLiteral("Højde"));
        L.SetCellText(0, 0, QStringLiteral("7"));
        E->MarkColumn(0, Qt::NoModifier);
        TGridView *G = E->DataDG();
        G->setFocus();
        G->SetCell(3, 1);
        G->StartEdit();
        auto *Cell = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(Cell != nullptr);

        // A column is marked: Ctrl+C copies the column.
        QTest::keyClick(Cell, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Højde\r\n7\r\n"));

        // Nothing marked: Ctrl+V pastes into the cell, not a new column.
        E->MarkColumn(0, Qt::NoModifier);
        QVERIFY(!L.AnyColSelected());
        G->setFocus();
        G->StartEdit();
        Cell = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(Cell != nullptr);
        QApplication::clipboard()->setText(QStringLiteral("42"));
        QTest::keyClick(Cell, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Cell->text(), QStringLiteral("42"));
        QCOMPARE(L.GetColName(0), QStringLiteral("Højde"));
        QCOMPARE(L.GetUndoOp(), uint8_t(uoNone));
    }
};

QTEST_MAIN(TstEditShortcuts)
#include "tst_editshortcuts.moc"
