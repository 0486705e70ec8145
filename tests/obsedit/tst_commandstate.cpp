// Captions and enabling of the observation editor's commands at the edges
// of their rules, and the shortcuts of its menus.
#include "sheet_text.h"
#include "support_host.h"

#include "DataEdit.h"
#include "ObsCommandState.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

class TstCommandState : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void states_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("marks"); // "BD" columns, "1,3" lines
        QTest::addColumn<bool>("clip");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("caption"); // "" when the item keeps its own
        QTest::addColumn<bool>("enabled");

        const QStringList Data{"A=1,2", "B=3", "C:A*2", "D=4"};
        auto Row = [&](const char *Name, const QString &Marks, bool Clip, int Id,
                       const char *Caption, bool On) {
            QTest::newRow(Name) << Data << Marks << Clip << Id << QString::fromUtf8(Caption) << On;
        };
        Row("cut, nothing marked", "", true, ocCut, "Klip", false);
        Row("cut, one column", "B", false, ocCut, "Klip kolonne", true);
        Row("cut, two columns", "BD", false, ocCut, "Klip kolonne", false);
        Row("copy, two lines", "0,1", false, ocCopy, "Kopiér linje", false);
        Row("paste, no clipboard text", "B", false, ocPaste, "Indsæt kolonne", false);
        Row("paste, one line", "1", true, ocPaste, "Indsæt linje", true);
        Row("clear, lines", "0,1", false, ocClear, "Rens linje(r)", true);
        Row("clear, nothing", "", false, ocClear, "Rens", false);
        Row("insert empty, nothing", "", false, ocInsertEmpty, "Indsæt tom", false);
        Row("remove, columns apart", "BD", false, ocRemove, "&Fjern kolonne(r)", false);
        Row("remove, adjacent columns", "BCD", false, ocRemove, "&Fjern kolonne(r)", true);
        Row("remove, lines apart", "0,5", false, ocRemove, "&Fjern linje(r)", true);
        Row("swap, a computed column", "BC", false, ocSwap, "Ombyt to kolonner", false);
        Row("swap, two plain columns", "BD", false, ocSwap, "Ombyt to kolonner", true);
        Row("swap, three lines", "0,1,2", false, ocSwap, "Ombyt to linjer", false);
        Row("swap, nothing", "", false, ocSwap, "Ombyt to", false);
        Row("sort, an empty column", "E", false, ocSortUp, "", false);
        Row("sort, a line without numbers", "7", false, ocSortUp, "", false);
        Row("sort, a line with a number", "1", false, ocSortUp, "", true);
        Row("multiply, a computed column", "C", false, ocMul10, "", false);
        Row("multiply, two columns", "AB", false, ocMul10, "", false);
        Row("settings, two columns", "AB", false, ocSettings, "", false);
        Row("decimals, two columns", "AB", false, ocDecimals, "", true);
        Row("replace all, no clipboard text", "", false, ocReplaceAll, "", false);
        Row("computed column dialog, a computed column", "C", false, ocCalc, "", true);
        Row("computed column dialog, a column of data", "A", false, ocCalc, "", false);
        Row("import, two columns", "BC", false, ocImportAs, "Som ny kolonne...", false);
        Row("import, one line", "3", false, ocImportAs, "Som ny linje...", true);
        Row("import, nothing", "", false, ocImportAs, "Som ny kolonne/linje...", false);
        QTest::newRow("sort by names, one line only")
            << QStringList{"A=1", "B=2"} << "" << false << int(ocSortNames) << "" << false;
        QTest::newRow("sort by names, two lines")
            << QStringList{"A=1", "B=2,3"} << "" << false << int(ocSortNames) << "" << true;
    }

    void states()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, marks);
        QFETCH(bool, clip);
        QFETCH(int, command);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        tLumen L;
        SetupSheet(L, setup);
        for (const QString &M : marks.split(',', Qt::SkipEmptyParts)) {
            if (M[0].isDigit())
                L.ToggleLineSelected(M.toInt());
            else
                for (QChar C : M)
                    L.ToggleColSelected(ColIndex(C));
        }
        TObsCommandContext Context;
        Context.ClipboardHasText = clip;
        const TCommandState S = ObsCommandState(command, L, Context);
        QCOMPARE(S.Caption, caption);
        QCOMPARE(S.Enabled, enabled);
    }

    // Every shortcut of the editor's menus is given once, and the file
    // commands have the ones every desktop user tries first.
    void shortcuts()
    {
        TEditorFixture F;
        QHash<QKeySequence, QString> Seen;
        for (QMenu *M : F.Edit->EditorMenuBar()->findChildren<QMenu *>())
            for (QAction *A : M->actions()) {
                if (A->shortcut().isEmpty())
                    continue;
                QVERIFY2(!Seen.contains(A->shortcut()),
                         qPrintable(A->objectName() + " " + Seen.value(A->shortcut())));
                Seen.insert(A->shortcut(), A->objectName());
            }
        const QList<QPair<const char *, QKeySequence>> Expected{
            {"DataEditNy", QKeySequence(Qt::CTRL | Qt::Key_N)},
            {"DataEditAabn", QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"DataEditGem", QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"DataEditGemsom", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
            {"DataEditAfslut", QKeySequence(Qt::CTRL | Qt::Key_Q)},
            {"RedigerFortryd", QKeySequence(Qt::CTRL | Qt::Key_Z)},
            {"RedigerFjern", QKeySequence(Qt::CTRL | Qt::Key_F)},
            {"RedigerOmbyt", QKeySequence(Qt::CTRL | Qt::Key_B)},
            {"RedigerTilfoej", QKeySequence(Qt::CTRL | Qt::Key_T)},
            {"TilfaeldigeUdfyld", QKeySequence(Qt::Key_F9)},
        };
        for (const auto &E : Expected)
            QCOMPARE(Seen.value(E.second), QString::fromLatin1(E.first));
    }
};

QTEST_MAIN(TstCommandState)
#include "tst_commandstate.moc"
