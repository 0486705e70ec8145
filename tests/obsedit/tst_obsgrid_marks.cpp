// Marking columns and lines with the mouse, the tool-bar enabling rules and
// the status panel of the observation editor.
#include "support_host.h"

#include "DataEdit.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace
{

QString Marks(const QVector<int32_t> &V)
{
    QStringList L;
    for (int X : V)
        L << QString::number(X);
    return L.join(',');
}

QString ColMarks(const tLumen &L)
{
    QString S;
    for (int C : L.SelCols)
        S += ColLetter(C);
    return S;
}

} // namespace

class TstObsGridMarks : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { InitEditorTest(); }

    // Each step: a column letter or a line number, with a modifier prefix: "c"
    // Ctrl, "s" Shift, none plain.
    void clicks_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("marked");
        QTest::newRow("plain replaces") << QStringList{"C", "E"} << "E";
        QTest::newRow("plain on the only mark unmarks") << QStringList{"C", "C"} << "";
        QTest::newRow("ctrl adds and removes") << QStringList{"C", "cE", "cA", "cC"} << "AE";
        QTest::newRow("shift extends right, then left") << QStringList{"C", "sF", "sA"} << "ABCDEF";
        QTest::newRow("shift fills the gaps only") << QStringList{"B", "cE", "sD"} << "BCDE";
        QTest::newRow("shift without marks is plain") << QStringList{"sD"} << "D";
        QTest::newRow("plain among several") << QStringList{"B", "cD", "cF", "D"} << "";
        QTest::newRow("line ctrl") << QStringList{"3", "c7", "c1"} << "1,3,7";
        QTest::newRow("line shift up keeps the rest")
            << QStringList{"3", "c8", "s1"} << "1,2,3,4,5,6,7,8";
        // A plain click unmarks the others and toggles the clicked line.
        QTest::newRow("line plain on a marked one of many") << QStringList{"3", "s6", "5"} << "";
        QTest::newRow("line plain on an unmarked one") << QStringList{"3", "s6", "8"} << "8";
    }

    void clicks()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, marked);
        TEditorFixture F;
        bool Lines = false;
        for (QString Click : clicks) {
            Qt::KeyboardModifiers Mods;
            if (Click.startsWith('c'))
                Mods = Qt::ControlModifier;
            else if (Click.startsWith('s'))
                Mods = Qt::ShiftModifier;
            if (Mods != Qt::NoModifier)
                Click = Click.mid(1);
            Lines = Click[0].isDigit();
            if (Lines)
                ClickHeader(F.Edit->LinieDG(), Click.toInt(), 0, Mods);
            else
                ClickHeader(F.Edit->SojleDG(), 0, ColIndex(Click[0]), Mods);
        }
        QCOMPARE(Lines ? Marks(F.L().SelLines) : ColMarks(F.L()), marked);
    }

    void columnsAndLinesExclude()
    {
        TEditorFixture F;
        ClickHeader(F.Edit->SojleDG(), 0, 1);
        ClickHeader(F.Edit->SojleDG(), 0, 2, Qt::ControlModifier);
        QCOMPARE(ColMarks(F.L()), QStringLiteral("BC"));
        ClickHeader(F.Edit->LinieDG(), 3, 0);
        QCOMPARE(ColMarks(F.L()), QString());
        QCOMPARE(Marks(F.L().SelLines), QStringLiteral("3"));
        ClickHeader(F.Edit->SojleDG(), 0, 1);
        QCOMPARE(ColMarks(F.L()), QStringLiteral("B"));
        QCOMPARE(F.L().SelLineCount(), 0);
        // Unmarking a column leaves no line marked either.
        ClickHeader(F.Edit->SojleDG(), 0, 1);
        QCOMPARE(F.L().SelColCount() + F.L().SelLineCount(), 0);
        // A click in the name column or row only edits the name.
        ClickHeader(F.Edit->LinieDG(), 2, 1);
        QCOMPARE(F.L().SelLineCount(), 0);
        QVERIFY(F.Edit->LinieDG()->IsEditing());
        ClickHeader(F.Edit->SojleDG(), 1, 3);
        QCOMPARE(F.L().SelColCount(), 0);
        QVERIFY(F.Edit->SojleDG()->IsEditing());
    }

    void releaseElsewhereDoesNothing()
    {
        TEditorFixture F;
        TGridView *S = F.Edit->SojleDG();
        const QRect A = S->visualRect(S->model()->index(0, 0));
        const QRect B = S->visualRect(S->model()->index(0, 1));
        QTest::mousePress(S->viewport(), Qt::LeftButton, {}, QPoint(A.left() + 20, A.center().y()));
        QCOMPARE(F.Edit->PressedCell().Col, 0);
        QTest::mouseRelease(S->viewport(), Qt::LeftButton, {},
                            QPoint(B.left() + 20, B.center().y()));
        QCOMPARE(F.L().SelColCount(), 0);
        QVERIFY(F.Edit->PressedCell().View == nullptr);
        // Pressed on the letter, released on the drop button: nothing either.
        const QRect Drop = TObsColHeaderDelegate::DropButton(A);
        QSignalSpy Spy(F.Edit, &TDataEdit::ColumnSettingsRequested);
        QTest::mousePress(S->viewport(), Qt::LeftButton, {}, QPoint(A.left() + 20, A.center().y()));
        QTest::mouseRelease(S->viewport(), Qt::LeftButton, {}, Drop.center());
        QCOMPARE(F.L().SelColCount(), 0);
        QCOMPARE(Spy.count(), 0);
        // A click on the drop button opens the column's settings, marking nothing.
        QString Opened;
        WhenModal([](QWidget *W) { static_cast<QDialog *>(W)->reject(); }, &Opened);
        ClickHeader(S, 0, 3, {}, true);
        QCOMPARE(Opened, QStringLiteral("DataStilDlg"));
        QCOMPARE(Spy.count(), 1);
        QCOMPARE(Spy.at(0).at(0).toInt(), 3);
        QCOMPARE(F.L().SelColCount(), 0);
    }

    void mixedCopyMarksTheSame()
    {
        TEditorFixture F;
        F.Edit->SetView(TEditorFrame::vwMixed);
        ClickHeader(F.Edit->SojleDG(1), 0, 4);
        QCOMPARE(ColMarks(F.L()), QStringLiteral("E"));
        // Both blocks read the same marks.
        QVERIFY(F.Edit->DataDG(0)->model()->index(10, 4).data(int(TGridRole::Marked)).toBool());
        QVERIFY(F.Edit->DataDG(1)->model()->index(10, 4).data(int(TGridRole::Marked)).toBool());
        QCOMPARE(F.Edit->StatusPanel->text(), QStringLiteral("Kolonne E"));
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QString>("disabled");
        // Setups: cX marks column X, lN marks line N; "data" fills A with 3
        // numbers, "rand" makes C a random column, "comp" makes D computed.
        // The rules' edges are the command-state tests' part; these rows
        // show each button follows its rule.
        const char *Rows[][4] = {
            // clang-format off
            {"nothing", "", "", "CutSpeed,DelSpeed,SortUpSpeed,SortDownSpeed,DeciPlusSpeed,"
             "DeciMinusSpeed,CalcSpeed,UndoSpeed,CupSpeed"},
            {"empty column", "cB", "CutSpeed,CopySpeed,DelSpeed,DeciPlusSpeed,DeciMinusSpeed,"
             "Mul10Speed,Div10Speed,TerningSpeed,CalcSpeed", "SortUpSpeed,SortDownSpeed,CupSpeed"},
            {"column with data", "data cA", "SortUpSpeed,SortDownSpeed,Mul10Speed",
             "TerningSpeed,CalcSpeed"},
            {"two columns", "clip data cA cB", "DelSpeed,DeciPlusSpeed",
             "CutSpeed,CopySpeed,SortUpSpeed,Mul10Speed,CalcSpeed,TerningSpeed,PasteSpeed"},
            {"computed column", "data comp cD", "CalcSpeed,CutSpeed",
             "Mul10Speed,Div10Speed,TerningSpeed"},
            {"random column", "rand cC", "TerningSpeed,CupSpeed", "CalcSpeed"},
            {"random beside data", "rand data cC cA", "CupSpeed", "TerningSpeed"},
            {"line with numbers", "data l1", "CutSpeed,SortUpSpeed,DelSpeed",
             "DeciPlusSpeed,Mul10Speed,CalcSpeed,TerningSpeed"},
            {"paste with text", "clip cA", "PasteSpeed", ""},
            {"paste without text", "noclip cA", "CutSpeed", "PasteSpeed"},
            // clang-format on
        };
        for (const auto &R : Rows)
            QTest::newRow(R[0]) << QString::fromUtf8(R[1]) << QString::fromUtf8(R[2])
                                << QString::fromUtf8(R[3]);
    }

    void buttons()
    {
        QFETCH(QString, setup);
        QFETCH(QString, enabled);
        QFETCH(QString, disabled);
        TEditorFixture F;
        tLumen &L = F.L();
        for (const QString &Step : setup.split(' ', Qt::SkipEmptyParts)) {
            if (Step == QLatin1String("data")) {
                for (int I = 0; I < 3; ++I)
                    L.SetCellText(I, 0, QString::number(I + 1));
            } else if (Step == QLatin1String("rand")) {
                L.SetRandomCount(2, 2);
                L.SetCellText(0, 2, QStringLiteral("4"));
            } else if (Step == QLatin1String("clip")) {
                QGuiApplication::clipboard()->setText(QStringLiteral("1\r\n2"));
            } else if (Step == QLatin1String("noclip")) {
                QGuiApplication::clipboard()->clear();
            } else if (Step == QLatin1String("comp")) {
                QVERIFY(MakeComputed(L, 3, QStringLiteral("A+1")));
            } else if (Step[0] == 'c') {
                ClickHeader(F.Edit->SojleDG(), 0, ColIndex(Step[1]), Qt::ControlModifier);
            } else if (Step[0] == 'l') {
                ClickHeader(F.Edit->LinieDG(), Step.mid(1).toInt(), 0, Qt::ControlModifier);
            }
        }
        F.Edit->UpdateButtons();
        for (const QString &B : enabled.split(',', Qt::SkipEmptyParts))
            QVERIFY2(F.Edit->ToolButton(B)->isEnabled(), qPrintable(B));
        for (const QString &B : disabled.split(',', Qt::SkipEmptyParts))
            QVERIFY2(!F.Edit->ToolButton(B)->isEnabled(), qPrintable(B));
    }

    void status_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("kind"); // computed, real, none
        QTest::addColumn<bool>("grouped");
        QTest::addColumn<QString>("expected");
        auto Row = [](const char *Name, const char *Comment, const char *Kind, bool Grouped,
                      const char *Expected) {
            QTest::newRow(Name) << QString::fromUtf8(Comment) << QString::fromUtf8(Kind)
                                << Grouped << QString::fromUtf8(Expected);
        };
        Row("plain", "", "none", false, "Kolonne C");
        Row("comment", "Højde i cm", "none", false, "Højde i cm");
        Row("grouped", "", "none", true, "Kolonne C (grupperet)");
        Row("computed", "", "computed", false, "Kolonne C; udtryk = A*2");
        Row("real without replacement", "Terning", "real", true,
            "Terning; tilfældige reelle tal (12 uden tilbagelægning) (grupperet)");
    }

    void status()
    {
        QFETCH(QString, comment);
        QFETCH(QString, kind);
        QFETCH(bool, grouped);
        QFETCH(QString, expected);
        TEditorFixture F;
        tLumen &L = F.L();
        L.SetComment(2, comment);
        if (grouped)
            L.SetGroupKind(2, gkAuto);
        if (kind == QLatin1String("computed")) {
            QVERIFY(MakeComputed(L, 2, QStringLiteral("A*2")));
        } else if (kind == QLatin1String("real")) {
            L.SetRandomCount(2, 12);
            L.SetRandomFlag(2, 1);
        }
        F.Edit->ShowColumnStatus(2);
        QCOMPARE(F.Edit->StatusPanel->text(), expected);
        F.Edit->ShowColumnStatus(-1);
        QCOMPARE(F.Edit->StatusPanel->text(), QString());
        // Marking the one column shows its status.
        ClickHeader(F.Edit->SojleDG(), 0, 2);
        QCOMPARE(F.Edit->StatusPanel->text(), expected);
        ClickHeader(F.Edit->SojleDG(), 0, 3, Qt::ControlModifier);
        QCOMPARE(F.Edit->StatusPanel->text(), QString());
    }

    void hidingClearsMarks()
    {
        TEditorFixture F;
        ClickHeader(F.Edit->SojleDG(), 0, 2);
        F.Edit->HideEditor();
        QCOMPARE(F.L().SelColCount(), 0);
        ClickHeader(F.Edit->LinieDG(), 2, 0);
        F.Edit->HideEditor();
        QCOMPARE(F.L().SelLineCount(), 0);
    }

    void headersScrollWithData()
    {
        TEditorFixture F;
        TObsGridBlock *B = F.Edit->Block(0);
        B->DataDG->horizontalScrollBar()->setValue(5 * TObsGridBlock::ColWidth);
        B->DataDG->verticalScrollBar()->setValue(40 * TObsGridBlock::RowHeight);
        QCOMPARE(B->SojleDG->horizontalScrollBar()->value(), 5 * TObsGridBlock::ColWidth);
        QCOMPARE(B->LinieDG->verticalScrollBar()->value(), 40 * TObsGridBlock::RowHeight);
        QCOMPARE(B->SojleDG->columnAt(1), 5);
        QCOMPARE(B->LinieDG->rowAt(1), 40);
        // And the other way round.
        B->LinieDG->verticalScrollBar()->setValue(7 * TObsGridBlock::RowHeight);
        QCOMPARE(B->TopRow(), 7);
        B->SojleDG->horizontalScrollBar()->setValue(2 * TObsGridBlock::ColWidth);
        QCOMPARE(B->LeftColumn(), 2);
        // The copy on the mixed page scrolls on its own.
        QCOMPARE(F.Edit->Block(1)->TopRow(), 0);
    }

    void mixedViewShowsFirstMark()
    {
        TEditorFixture F;
        ClickHeader(F.Edit->SojleDG(), 0, 7);
        F.Edit->SetView(TEditorFrame::vwMixed);
        QCOMPARE(F.Edit->Block(1)->LeftColumn(), 7);
        QCOMPARE(F.Edit->StatusPanel->text(), QStringLiteral("Kolonne H"));
        F.Edit->SetView(TEditorFrame::vwEdit);
        ClickHeader(F.Edit->LinieDG(), 3, 0);
        F.Edit->Block(0)->ScrollToRow(250);
        ClickHeader(F.Edit->LinieDG(), 260, 0, Qt::ControlModifier);
        F.Edit->SetView(TEditorFrame::vwMixed);
        QCOMPARE(F.Edit->Block(1)->TopRow(), 3);
    }
};

QTEST_MAIN(TstObsGridMarks)
#include "tst_obsgrid_marks.moc"
