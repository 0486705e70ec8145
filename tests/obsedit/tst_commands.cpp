// The observation editor's column, line and sheet commands as a person uses
// them: mark, press a tool button or choose a menu item, undo twice.
#include "sheet_text.h"
#include "support_host.h"

#include "DataEdit.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QToolButton>

namespace
{

// Marks "B", "BCD" (columns) or "1,3" (lines) as clicks do: the first plain,
// the others with Ctrl.
void Mark(TDataEdit *E, const QString &Marks)
{
    Qt::KeyboardModifiers Mods = Qt::NoModifier;
    for (const QString &M : Marks.split(',', Qt::SkipEmptyParts)) {
        if (M[0].isDigit()) {
            E->MarkLine(M.toInt(), Mods);
            Mods = Qt::ControlModifier;
            continue;
        }
        for (QChar C : M) {
            E->MarkColumn(ColIndex(C), Mods);
            Mods = Qt::ControlModifier;
        }
    }
}

// A tool button (name ends in "Speed") or a menu item, as a click does.
void Use(TDataEdit *E, const QString &Name)
{
    if (Name.endsWith(QLatin1String("Speed"))) {
        E->ToolButton(Name)->click();
        return;
    }
    QAction *A = E->MenuItem(Name);
    QVERIFY2(A != nullptr, qPrintable(Name));
    A->trigger();
}

QString Clip()
{
    return QGuiApplication::clipboard()->text();
}

void SetClip(const QString &Text)
{
    if (Text.isEmpty())
        QGuiApplication::clipboard()->clear();
    else
        QGuiApplication::clipboard()->setText(Text);
}

QString UndoText(TDataEdit *E)
{
    E->UpdateButtons();
    return E->MenuItem(QStringLiteral("RedigerFortryd"))->text();
}

} // namespace

class TstCommands : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    void commandAndUndo_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("clipIn"); // the clipboard before, "" empty
        QTest::addColumn<QString>("use");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("word");    // the undo caption's word
        QTest::addColumn<QString>("clipOut"); // the clipboard after, "-" unchecked

        const QStringList Four{"A=1", "B=2", "C=3", "D:C*2"};
        QTest::newRow("cut column") << Four << "B"
                                    << ""
                                    << "CutSpeed"
                                    << "A=1|B=3|C:B*2=6"
                                    << "Klip"
                                    << "\r\n2\r\n";
        QTest::newRow("cut line") << QStringList{"A=1,2,3", "B=4,5,6", "#a,b,c"} << "1"
                                  << ""
                                  << "RedigerKlip"
                                  << "A=1,3|B=4,6|#a,c"
                                  << "Klip"
                                  << "b\r\n2\r\n5\r\n";
        QTest::newRow("paste a spreadsheet column, LF and decimal point")
            << QStringList{"A=1", "B=2", "C:A+B"} << "B"
            << "Højde\n1.5\n2,5\n3"
            << "PasteSpeed"
            << "A=1|B'Højde=1.5,2.5,3|C=2|D:A+C=3"
            << "Indsæt"
            << "-";
        QTest::newRow("paste a spreadsheet row, CR LF") << QStringList{"A=1,2", "B=3,4"} << "1"
                                                        << "7\t8,5\r\n"
                                                        << "RedigerIndsaet"
                                                        << "A=1,7,2|B=3,8.5,4"
                                                        << "Indsæt"
                                                        << "-";
        QTest::newRow("a lone word pasted is a value") << QStringList{"A=1"} << "A"
                                                       << "høj"
                                                       << "PasteSpeed"
                                                       << "A=høj|B=1"
                                                       << "Indsæt"
                                                       << "-";
        QTest::newRow("clear columns") << QStringList{"A=1", "B'n=2", "C=3", "D=4"} << "BD"
                                       << ""
                                       << "RedigerSlet"
                                       << "A=1|C=3"
                                       << "Slet"
                                       << "-";
        QTest::newRow("clear a line") << QStringList{"A=1,2", "B:A*2", "#a,b"} << "0"
                                      << ""
                                      << "DelSpeed"
                                      << "A=,2|B:A*2=,4|#,b"
                                      << "Slet"
                                      << "-";
        QTest::newRow("insert empty column") << QStringList{"A=1", "B:A*2"} << "A"
                                             << ""
                                             << "RedigerTilfoej"
                                             << "B=1|C:B*2=2"
                                             << "Tilføj"
                                             << "-";
        QTest::newRow("insert empty line") << QStringList{"A=1,2", "#a,b"} << "0"
                                           << ""
                                           << "RedigerTilfoej"
                                           << "A=,1,2|#,a,b"
                                           << "Tilføj"
                                           << "-";
        QTest::newRow("remove adjacent columns")
            << QStringList{"A=1", "B=2", "C=3", "D=4", "E=5", "F:E*2"} << "BCD"
            << ""
            << "RedigerFjern"
            << "A=1|B=5|C:B*2=10"
            << "Fjern"
            << "-";
        QTest::newRow("remove lines") << QStringList{"A=1,2,3,4"} << "0,2"
                                      << ""
                                      << "RedigerFjern"
                                      << "A=2,4"
                                      << "Fjern"
                                      << "-";
        QTest::newRow("swap columns keeps the letters")
            << QStringList{"A=1", "B:A*2", "C=5"} << "AC"
            << ""
            << "RedigerOmbyt"
            << "A=5|B:A*2=10|C=1"
            << "Ombyt"
            << "-";
        QTest::newRow("swap lines") << QStringList{"A=1,2", "#a,b"} << "0,1"
                                    << ""
                                    << "RedigerOmbyt"
                                    << "A=2,1|#b,a"
                                    << "Ombyt"
                                    << "-";
        QTest::newRow("sort a column down reorders lines")
            << QStringList{"A=1,3,2", "B=5,6,7", "#a,b,c"} << "A"
            << ""
            << "SortDownSpeed"
            << "A=3,2,1|B=6,7,5|#b,c,a"
            << "Sortér"
            << "-";
        QTest::newRow("sort a line up reorders columns")
            << QStringList{"A'x=3", "B'y=1", "C'z=2"} << "0"
            << ""
            << "SortUpSpeed"
            << "A'y=1|B'z=2|C'x=3"
            << "Sortér"
            << "-";
        QTest::newRow("sort by line names") << QStringList{"A=1,2,3", "#b,c,a"} << ""
                                            << ""
                                            << "LinjeNavneFaldende"
                                            << "A=2,1,3|#c,b,a"
                                            << "Sortér"
                                            << "-";
        QTest::newRow("clear all number cells") << QStringList{"A'H=1", "B=2", "#p"} << "B"
                                                << ""
                                                << "RedigerSletCeller"
                                                << "A'H|#p"
                                                << "Slet"
                                                << "-";
        QTest::newRow("multiply") << QStringList{"A=1.5", "B:A*2"} << "A"
                                  << ""
                                  << "Mul10Speed"
                                  << "A=15|B:A*2=30"
                                  << "Gang med 10"
                                  << "-";
        QTest::newRow("divide") << QStringList{"A=15,x"} << "A"
                                << ""
                                << "SojleDivider"
                                << "A=1.5,x"
                                << "Del med 10"
                                << "-";
        QTest::newRow("replace all from a spreadsheet sheet") << QStringList{"A=9"} << ""
                                                              << "\tX\tY\np\t1\t2,5\nq\t3\t4\n"
                                                              << "ObsErstat"
                                                              << "A'X=1,3|B'Y=2.5,4|#p,q"
                                                              << "Indsæt ark"
                                                              << "-";
    }

    void commandAndUndo()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, marks);
        QFETCH(QString, clipIn);
        QFETCH(QString, use);
        QFETCH(QString, expected);
        QFETCH(QString, word);
        QFETCH(QString, clipOut);
        TEditorFixture F;
        SetupSheet(F.L(), setup);
        const QString Before = Sheet(F.L());
        SetClip(clipIn);
        F.Host.Script.Answers.enqueue(QMessageBox::Ok); // "Erstat alt?"
        Mark(F.Edit, marks);
        Use(F.Edit, use);
        QCOMPARE(Sheet(F.L()), expected);
        if (clipOut != QLatin1String("-"))
            QCOMPARE(Clip(), clipOut);
        QVERIFY(F.Edit->ToolButton(QStringLiteral("UndoSpeed"))->isEnabled());
        QCOMPARE(UndoText(F.Edit), QStringLiteral("Fortryd \"%1\"").arg(word));

        F.Edit->ToolButton(QStringLiteral("UndoSpeed"))->click();
        QCOMPARE(Sheet(F.L()), Before);
        QVERIFY(!F.L().AnyColSelected() && !F.L().AnyLineSelected());
        QCOMPARE(UndoText(F.Edit), QStringLiteral("Fortryd \"Fortryd\""));
        Use(F.Edit, QStringLiteral("RedigerFortryd"));
        QCOMPARE(Sheet(F.L()), expected);
        QCOMPARE(UndoText(F.Edit), QStringLiteral("Fortryd \"%1\"").arg(word));
    }

    // Commands that change nothing: refusals, cancelled questions, texts
    // that are no sheet.
    void nothingChanges_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("clipIn");
        QTest::addColumn<QString>("use");
        QTest::addColumn<QString>("message"); // "" none asked
        QTest::addColumn<bool>("answerOk");

        const QString Refusal =
            QStringLiteral("Kolonne A er med i et regneudtryk og kan ikke fjernes");
        QTest::newRow("remove a column read by a formula") << QStringList{"A=1", "C:A*2"} << "A"
                                                           << ""
                                                           << "RedigerFjern" << Refusal << false;
        QTest::newRow("cut a column read by a formula") << QStringList{"A=1", "C:A*2"} << "A"
                                                        << ""
                                                        << "CutSpeed" << Refusal << false;
        QTest::newRow("replace all cancelled") << QStringList{"A=1"} << ""
                                               << "\tX\n1\t2\n"
                                               << "ObsErstat"
                                               << "Det nuværende indhold mistes" << false;
        QTest::newRow("a sheet with ragged rows") << QStringList{"A=1"} << ""
                                                  << "1\t2\r3\r"
                                                  << "ObsErstat"
                                                  << "Det nuværende indhold mistes" << true;
        QTest::newRow("copy a computed column warns")
            << QStringList{"A=1", "B:A*2"} << "B"
            << ""
            << "CopySpeed"
            << "Bemærk: Det er de beregnede tal i cellerne, der bliver kopieret, ikke den formel "
               "der har frembragt tallene."
            << false;
    }

    void nothingChanges()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, marks);
        QFETCH(QString, clipIn);
        QFETCH(QString, use);
        QFETCH(QString, message);
        QFETCH(bool, answerOk);
        TEditorFixture F;
        SetupSheet(F.L(), setup);
        const QString Before = Sheet(F.L());
        SetClip(clipIn);
        if (answerOk)
            F.Host.Script.Answers.enqueue(QMessageBox::Ok);
        Mark(F.Edit, marks);
        const QVector<int32_t> MarksBefore = F.L().SelCols;
        Use(F.Edit, use);
        QCOMPARE(Sheet(F.L()), Before);
        QCOMPARE(F.L().SelCols, MarksBefore);
        QCOMPARE(F.L().GetUndoOp(), uint8_t(uoNone));
        QCOMPARE(F.Host.Script.LastAsked().Text, message);
        if (use == QLatin1String("CopySpeed")) {
            QCOMPARE(F.Host.Script.LastAsked().Title,
                     QStringLiteral("Kopiering af beregnet kolonne"));
            QCOMPARE(Clip(), QStringLiteral("\r\n2\r\n"));
        }
    }

    void decimalsOfScaling()
    {
        TEditorFixture F;
        SetupSheet(F.L(), {"A=1,25"});
        F.L().SetDecimals(0, 2);
        Mark(F.Edit, QStringLiteral("A"));
        Use(F.Edit, QStringLiteral("Div10Speed"));
        QCOMPARE(F.L().GetDecimals(0), 3);
        Use(F.Edit, QStringLiteral("Mul10Speed"));
        QCOMPARE(F.L().GetDecimals(0), 3);
        QCOMPARE(Sheet(F.L()), QStringLiteral("A=1,25"));
        // Decimals are no undo step: the undo still names the multiply.
        Use(F.Edit, QStringLiteral("DeciMinusSpeed"));
        QCOMPARE(F.L().GetDecimals(0), 2);
        QCOMPARE(UndoText(F.Edit), QStringLiteral("Fortryd \"Gang med 10\""));
    }

    // Copy all puts a sheet that a spreadsheet takes; the same text pasted
    // back as a new data set gives the data back.
    void copyAllRoundTrip_data()
    {
        QTest::addColumn<bool>("withNames");
        QTest::addColumn<QString>("text");
        QTest::newRow("numbers") << false << "1,0\t\r2,5\tx\r";
        QTest::newRow("with names") << true << "\tH\tV\rp\t1,0\t\rq\t2,5\tx\r";
    }

    void copyAllRoundTrip()
    {
        QFETCH(bool, withNames);
        QFETCH(QString, text);
        TEditorFixture F;
        SetupSheet(F.L(), {"A'H=1,2.5", "B'V=,x", "#p,q"});
        F.L().SetDecimals(0, 1);
        Use(F.Edit, withNames ? QStringLiteral("Kopirmednavne1") : QStringLiteral("Kopirtal1"));
        QCOMPARE(Clip(), text);
        const QString Before = Sheet(F.L());
        F.Host.Script.Answers.enqueue(QMessageBox::Ok);
        Use(F.Edit, QStringLiteral("ObsErstat"));
        if (withNames)
            QCOMPARE(Sheet(F.L()), Before);
        else
            QCOMPARE(Sheet(F.L()), QStringLiteral("A=1,2.5|B=,x"));
    }
};

QTEST_MAIN(TstCommands)
#include "tst_commands.moc"
