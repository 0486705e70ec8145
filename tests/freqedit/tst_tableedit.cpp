// The frequency and grouped editors driven as a person drives them: typing
// with the edit directions, text cells, marking, the description kinds they
// allow, the column commands with undo, the column settings dialog, and the
// editors in the main window.
#include "app/support_app.h"
#include "describe/support_drawing.h"
#include "obsedit/support_host.h"
#include "support_pages.h"

#include "Describe.h"
#include "DescriptionPane.h"
#include "HGStilDlg.h"
#include "TableEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace
{

// A part as shown, "!" before a text cell.
QString Shown(const TTableSide &Side, const tLumen &L, int Line, int Col, int P)
{
    QString T;
    TCellState S = csEmpty;
    Side.GetPart(L, Line, Col, P, T, S);
    return S == csText ? '!' + T : T;
}

struct TTableFixture {
    explicit TTableFixture(int Type)
    {
        Edit = Type == dtGrup ? static_cast<TTableEdit *>(new TGrupEdit(Host))
                              : static_cast<TTableEdit *>(new THypEdit(Host));
        Host.Editor = Edit;
        Edit->resize(1100, 700);
        Edit->show();
        QApplication::setActiveWindow(Edit);
        (void)QTest::qWaitForWindowActive(Edit);
        Edit->ShowEditor();
        G = Edit->DataDG();
    }
    ~TTableFixture()
    {
        Host.Editor = nullptr;
        delete Edit;
    }
    tLumen &L() { return Host.Lumen(); }
    const TTableSide &Side() const { return Edit->TableSide(); }
    QString Part(int Line, int Col, int P) { return Shown(Side(), L(), Line, Col, P); }
    // The parts of lines 0, 1, ... of column Col, "|" between lines.
    void Fill(int Col, const QString &Lines)
    {
        const QStringList L = Lines.split('|', Qt::SkipEmptyParts);
        for (int I = 0; I < L.size(); ++I)
            for (int P = 0; P < Side().Parts(); ++P)
                Side().SetPart(this->L(), I, Col, P, L[I].section(' ', P, P));
    }
    // Ctrl-clicks add a column to the marks.
    void Mark(int Col) { ClickHeader(Edit->SojleDG(), 0, Col, Qt::ControlModifier); }
    void StartAt(int Row, int GridCol)
    {
        G->setFocus();
        G->SetCell(Row, GridCol);
    }

    TFakeHost Host;
    TTableEdit *Edit = nullptr;
    TGridView *G = nullptr;
};

// N lines of values 0, 10, 20, ... (or classes 0-10, 10-20, ...), each with
// frequency Freq + I * Step.
QString Steps(int N, bool Grouped, int Freq, int Step = 0)
{
    QStringList Lines;
    for (int I = 0; I < N; ++I)
        Lines << QString::number(10 * I) + (Grouped ? QString(" %1").arg(10 * I + 10) : "") +
                     QString(" %1").arg(Freq + I * Step);
    return Lines.join('|');
}

QAction *Item(TLumenForm &F, const char *Name)
{
    return F.ShownEditor()->EditorMenuBar()->findChild<QAction *>(QString::fromLatin1(Name));
}

// One cell of every side: observation, frequency line, grouped upper bound.
QString Sides(const tLumen &L)
{
    QString Hyp, Freq, Grup;
    TCellState S;
    L.GetHypObsText(1, 3, Hyp, S);
    L.GetHypFreqText(1, 3, Freq, S);
    L.GetGrupHighText(2, 7, Grup, S);
    return L.GetCellText(0, 2) + ' ' + Hyp + '/' + Freq + ' ' + Grup;
}

} // namespace

class TestTableEdit : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        InitAppTest();
        InitEditorTest();
    }

    // The zoom derives every size of the grids from one factor: a header
    // column still spans the grid columns of its table, the editor scrolls
    // by whole zoomed columns, and 100 % gives the sizes of the start back.
    void gridZoom_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("Percent");
        QTest::newRow("frequencies at 200") << int(dtHyp) << 200;
        QTest::newRow("groupings at 150") << int(dtGrup) << 150;
        QTest::newRow("groupings at 300") << int(dtGrup) << 300;
    }
    void gridZoom()
    {
        QFETCH(int, Type);
        QFETCH(int, Percent);
        TTableFixture F(Type);
        const int Parts = Type == dtGrup ? 3 : 2;
        TGridView *Cols = F.Edit->SojleDG(), *Lines = F.Edit->LinieDG();
        const auto Sizes = [&] {
            return QVector<int>{F.G->columnWidth(0), F.G->rowHeight(3),  Cols->columnWidth(1),
                                Cols->rowHeight(0),  Cols->rowHeight(2), Cols->height(),
                                Lines->width(),      Lines->rowHeight(4)};
        };
        const QVector<int> Normal = Sizes();
        QCOMPARE(Normal, QVector<int>({72, 24, Parts * 72, 26, 24, 74, 48, 24}));
        F.Edit->SetZoom(Percent);
        const double Z = Percent / 100.0;
        const QVector<int> Zoomed = Sizes();
        for (int I = 0; I < Normal.size(); ++I)
            QVERIFY(std::abs(Zoomed[I] - Normal[I] * Z) <= 1);
        QCOMPARE(Cols->columnWidth(1), Parts * F.G->columnWidth(0));
        F.Edit->Block(0)->ScrollToGridColumn(2);
        QCOMPARE(F.G->horizontalScrollBar()->value(),
                 std::min(2 * F.G->columnWidth(0), F.G->horizontalScrollBar()->maximum()));
        F.Edit->SetZoom(100);
        QCOMPARE(Sizes(), Normal);
    }

    // Typing with Enter from grid column GridCol, column 2 (index 1) holding
    // Setup with 1 decimal; "esc:" types without Enter and gives up with
    // Escape, which brings back the part, the decimals and the length.
    // Then where the cursor is, the parts as shown ("line col part text",
    // "!" before a text cell, which alone is drawn red) and the decimals of
    // the column typed in first.
    void typing_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<QString>("Setup");
        QTest::addColumn<int>("Direction");
        QTest::addColumn<int>("GridCol");
        QTest::addColumn<QStringList>("Typed");
        QTest::addColumn<QPoint>("End"); // grid column, row
        QTest::addColumn<QStringList>("Cells");
        QTest::addColumn<int>("Decimals");
        auto Row = [](const char *Name, int Type, const char *Setup, int Dir, int GridCol,
                      const QString &Typed, QPoint End, const QString &Cells, int Decimals) {
            QTest::newRow(Name) << Type << QString(Setup) << Dir << GridCol << Typed.split(' ')
                                << End << Cells.split('|') << Decimals;
        };
        Row("frequencies, right", dtHyp, "", edRight, 0, "3 5 4 2", {0, 2},
            "0 0 0 3|0 0 1 5|1 0 0 4|1 0 1 2", 0);
        Row("frequencies, down", dtHyp, "", edDown, 0, "1 2 3", {0, 3}, "0 0 0 1|1 0 0 2|2 0 0 3",
            0);
        Row("frequencies, stay", dtHyp, "", edStay, 0, "7", {0, 0}, "0 0 0 7", 0);
        Row("classes, right", dtGrup, "", edRight, 0, "0 10 4 10 20 6", {0, 2},
            "0 0 0 0|0 0 1 10|0 0 2 4|1 0 0 10|1 0 1 20|1 0 2 6", 0);
        Row("frequency with a comma", dtHyp, "", edRight, 0, "1 4 2 2,5", {0, 2},
            "0 0 1 4|1 0 1 !2,5", 0);
        Row("observation in column 5", dtHyp, "", edDown, 8, "2,25", {8, 1}, "0 4 0 2,25", 2);
        Row("frequency in column 5", dtHyp, "", edDown, 9, "2,25", {9, 1}, "0 4 1 !2,25", 0);
        Row("lower bound", dtGrup, "", edDown, 0, "2,5", {0, 1}, "0 0 0 2,5", 1);
        Row("upper bound with a point", dtGrup, "", edDown, 4, "1.125", {4, 1}, "0 1 1 1,125", 3);
        Row("more than nine decimals", dtGrup, "", edDown, 3, "0,1234567891234", {3, 1},
            "0 1 0 0,123456789", 9);
        Row("observation given up", dtHyp, "2,5 4", edDown, 2, "esc:7,125", {2, 0},
            "0 1 0 2,5|0 1 1 4", 1);
        Row("empty frequency given up", dtHyp, "2 _", edDown, 3, "esc:9", {3, 0},
            "0 1 0 2,0|0 1 1 ", 1);
        Row("upper bound given up", dtGrup, "0 20,5 3", edDown, 4, "esc:x", {4, 0},
            "0 1 0 0,0|0 1 1 20,5", 1);
    }
    void typing()
    {
        QFETCH(int, Type);
        QFETCH(QString, Setup);
        QFETCH(int, Direction);
        QFETCH(int, GridCol);
        QFETCH(QStringList, Typed);
        QFETCH(QPoint, End);
        QFETCH(QStringList, Cells);
        QFETCH(int, Decimals);
        TTableFixture F(Type);
        F.Fill(1, QString(Setup).replace('_', ""));
        F.Side().SetDecimals(F.L(), 1, 1);
        const int Length = F.Side().CellCount(F.L(), 1);
        F.L().EditDirection = uint8_t(Direction);
        F.StartAt(0, GridCol);
        for (const QString &T : Typed) {
            TypeInto(F.G, QString(T).remove("esc:"), T.startsWith("esc:") ? 0 : Qt::Key_Return);
            if (T.startsWith("esc:"))
                PressKey(Qt::Key_Escape);
        }
        QCOMPARE(QPoint(F.G->Col(), F.G->Row()), End);
        QVERIFY(ScreenUpToDate(F.Edit));
        F.G->clearFocus();
        for (const QString &Cell : Cells) {
            const QStringList P = Cell.split(' ');
            const int Line = P[0].toInt(), Col = P[1].toInt(), Part = P[2].toInt();
            QCOMPARE(F.Part(Line, Col, Part), P[3]);
            // A text cell, alone, is drawn red.
            const QModelIndex At = F.G->model()->index(Line, Col * F.Side().Parts() + Part);
            QCOMPARE(AnyPixel(F.G->viewport()->grab().toImage(), F.G->visualRect(At), IsRed),
                     P[3].startsWith('!'));
        }
        QCOMPARE(F.Side().Decimals(F.L(), GridCol / F.Side().Parts()), Decimals);
        if (Setup.isEmpty()) {
            QVERIFY(F.Edit->DataEdited());
            QVERIFY(!F.Edit->MenuAction(QStringLiteral("FunktionObs"))->isEnabled());
        } else {
            QCOMPARE(F.Side().CellCount(F.L(), 1), Length);
        }
    }

    // A red cell says in the status line why it drops out of the
    // descriptions; the Datatype items say why they are greyed.
    void faultReasons_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<QString>("Line");
        QTest::addColumn<int>("Part");
        QTest::addColumn<QString>("Status");
        const QString Freq = QStringLiteral("Hyppigheden skal være et helt tal, 0 eller større");
        QTest::newRow("negative") << int(dtHyp) << "5 -2" << 1 << Freq;
        QTest::newRow("not whole") << int(dtHyp) << "5 2,5" << 1 << Freq;
        QTest::newRow("text observation") << int(dtHyp) << "fem 2" << 0
                                          << "Observationen skal være et tal";
        QTest::newRow("grouped frequency") << int(dtGrup) << "0 10 x" << 2 << Freq;
        QTest::newRow("text bound") << int(dtGrup) << "0 ti 4" << 1 << "Grænsen skal være et tal";
        QTest::newRow("sound cell") << int(dtHyp) << "5 2" << 1 << "Kolonne 1";
    }
    void faultReasons()
    {
        QFETCH(int, Type);
        QFETCH(QString, Line);
        QFETCH(int, Part);
        QFETCH(QString, Status);
        TTableFixture F(Type);
        F.Fill(0, Line + "|1 1 1");
        F.StartAt(1, Part); // a sound cell first, then the one in question
        F.G->SetCell(0, Part);
        QCOMPARE(F.Edit->StatusPanel->text(), Status);
        F.Edit->SetDataEdited(true);
        QAction *Obs = F.Edit->MenuAction(QStringLiteral("FunktionObs"));
        QVERIFY(!Obs->isEnabled());
        QVERIFY(Obs->toolTip().startsWith(QStringLiteral("Datatypen kan ikke skiftes")));
        QCOMPARE(Obs->statusTip(), Obs->toolTip());
    }

    void keysAtTheEdges()
    {
        TTableFixture F(dtGrup);
        // Right on the last data column wraps to the first, fillers skipped.
        F.StartAt(3, 23);
        PressKey(Qt::Key_Right);
        QCOMPARE(QPoint(F.G->Col(), F.G->Row()), QPoint(0, 3));
        QCOMPARE(F.Edit->StatusPanel->text(), QStringLiteral("Kolonne 1"));
        // Up on line 0 edits the name of the column; Down comes back.
        F.StartAt(0, 7);
        PressKey(Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget()->parentWidget()->parentWidget(), F.Edit->SojleDG());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Højde"));
        PressKey(Qt::Key_Down);
        QCOMPARE(F.Side().Name(F.L(), 2), QStringLiteral("Højde"));
        QCOMPARE(QPoint(F.G->Col(), F.G->Row()), QPoint(6, 0));
        // Down on the last row grows the grids.
        F.StartAt(F.Edit->RowCount() - 1, 0);
        PressKey(Qt::Key_Down);
        QCOMPARE(F.Edit->RowCount(), TTableEdit::InitialRows + 1);
        QCOMPARE(F.G->Row(), TTableEdit::InitialRows);
    }

    // Column 4 holding Lines, marked: whether pane 1 takes Kind, and whether
    // it then writes the notice of faulty classes.
    void descriptions_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<QString>("Lines");
        QTest::addColumn<int>("Kind");
        QTest::addColumn<bool>("Allowed");
        QTest::addColumn<bool>("Notice");
        auto Row = [](const char *Name, int Type, const QString &Lines, int Kind, bool Allowed,
                      bool Notice) {
            QTest::newRow(Name) << Type << Lines << Kind << Allowed << Notice;
        };
        Row("pie, 16 values", dtHyp, Steps(16, false, 2), bkCirkeldiagram, true, false);
        Row("pie, 17 values", dtHyp, Steps(17, false, 2), bkCirkeldiagram, false, false);
        Row("pie, 17 classes", dtGrup, Steps(17, true, 2), bkCirkeldiagram, true, false);
        Row("key figures, all zero", dtHyp, "0 0", bkMaerketal, false, false);
        Row("table, all zero", dtGrup, "0 10 0", bkTabel, true, false);
        Row("graph, classes", dtGrup, Steps(3, true, 2), bkSumfrekvensgraf, true, false);
        Row("overlapping classes", dtGrup, "0 10 4|5 15 3", bkMaerketal, true, true);
        Row("table of faulty classes", dtGrup, "0 10 4|5 15 3", bkTabel, true, true);
        Row("adjoining classes", dtGrup, "0 10 4|10 20 3", bkMaerketal, true, false);
        Row("box plot, frequencies", dtHyp, "1 2|3 4", bkBoksplot, true, false);
        Row("box plot, all zero", dtHyp, "1 0", bkBoksplot, false, false);
        Row("box plot, classes", dtGrup, "0 10 4|10 20 3", bkBoksplot, true, false);
        Row("box plot, overlapping classes", dtGrup, "0 10 4|5 15 3", bkBoksplot, true, true);
        Row("histogram, uneven classes", dtGrup, "0 10 4|10 30 3", bkHistogram, true, false);
        Row("histogram, all zero", dtGrup, "0 10 0", bkHistogram, false, false);
        Row("histogram, overlapping", dtGrup, "0 10 4|5 15 3", bkHistogram, true, true);
        // Frequencies of values have no histogram in their list at all.
        Row("histogram, frequencies", dtHyp, "1 2|3 4", bkHistogram, false, false);
        Row("chi-square test, die", dtHyp, "1 8|2 12|3 9|4 11|5 10|6 10", bkChiTest, true, false);
        Row("no chi-square test of classes", dtGrup, Steps(3, true, 2), bkChiTest, false, false);
        Row("normal plot, frequencies", dtHyp, "1 8|2 12|3 9", bkNormalplot, true, false);
        Row("normal plot, classes", dtGrup, Steps(3, true, 2), bkNormalplot, true, false);
        Row("normal plot of faulty classes", dtGrup, "0 10 4|5 15 3", bkNormalplot, true, true);
    }
    void descriptions()
    {
        QFETCH(int, Type);
        QFETCH(QString, Lines);
        QFETCH(int, Kind);
        QFETCH(bool, Allowed);
        QFETCH(bool, Notice);
        TTableFixture F(Type);
        F.Fill(3, Lines);
        F.Mark(3);
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(Kind));
        QCOMPARE(F.Edit->Pane(1)->ComboBox->currentIndex(),
                 Allowed ? F.Edit->ItemOfKind(Kind) : -1);
        QCOMPARE(int(F.Edit->Descriptor().GetPaneKind(1)), Allowed ? Kind : 0);
        QCOMPARE(F.Edit->Pane(1)->CalcButton->isVisibleTo(F.Edit),
                 Allowed && Kind == bkSumfrekvensgraf);
        QStringList Texts;
        for (const testdraw::tTextItem &T : testdraw::Written(300, 200, [&](QPainter &P) {
                 F.Edit->PaintPane(F.Edit->Pane(1), P, QSize(300, 200));
             }))
            Texts << T.Text;
        QCOMPARE(Texts.contains(QStringLiteral("Fejl i intervaller")), Notice);
    }

    // Columns n1..n8 with their number on line 3; the command acts on the
    // marked columns, unmarks them, and one undo brings all back.
    void columnCommands_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<QList<int>>("Marks");
        QTest::addColumn<QString>("Action");
        QTest::addColumn<QString>("After");
        auto Row = [](const char *Name, int Type, QList<int> Marks, const char *Action,
                      const char *After) {
            QTest::newRow(Name) << Type << Marks << QString(Action) << QString(After);
        };
        Row("insert at 1 loses 8", dtHyp, {0}, "SojleTilfoej", "-1234567");
        Row("insert at 3, classes", dtGrup, {2}, "SojleTilfoej", "12-34567");
        Row("remove two", dtHyp, {1, 3}, "SojleFjern", "135678--");
        Row("swap first and last", dtGrup, {0, 7}, "SojleOmbyt", "82345671");
        Row("clear", dtHyp, {2, 4}, "SojleSlet", "12-4-678");
        Row("cut", dtGrup, {0}, "SojleKlip", "2345678-");
        Row("paste what was copied", dtHyp, {5}, "SojleIndsaet", "12345667");
    }
    void columnCommands()
    {
        QFETCH(int, Type);
        QFETCH(QList<int>, Marks);
        QFETCH(QString, Action);
        QFETCH(QString, After);
        TTableFixture F(Type);
        const TTableSide &S = F.Side();
        for (int C = 0; C < TTableSide::Columns; ++C) {
            S.SetName(F.L(), C, QStringLiteral("n%1").arg(C + 1));
            S.SetPart(F.L(), 2, C, 0, QString::number(C + 1));
            S.SetPart(F.L(), 2, C, S.Parts() - 1, QStringLiteral("4"));
        }
        // Each column's name digit when its line 3 holds the same, else "?".
        auto Columns = [&] {
            QString Out;
            for (int C = 0; C < TTableSide::Columns; ++C) {
                const QString N = S.Name(F.L(), C).mid(1), P = F.Part(2, C, 0);
                Out += N != P ? QStringLiteral("?") : N.isEmpty() ? QStringLiteral("-") : N;
            }
            return Out;
        };
        F.Edit->UpdateButtons();
        QAction *A = F.Edit->MenuAction(Action);
        QVERIFY(!A->isEnabled()); // nothing marked yet
        for (int C : Marks)
            F.Mark(C);
        if (Action == QLatin1String("SojleIndsaet")) {
            F.Edit->MenuAction(QStringLiteral("SojleKopier"))->trigger();
            QTRY_VERIFY(A->isEnabled());
        }
        A->trigger(); // a disabled item would change nothing
        QCOMPARE(S.MarkedCount(F.L()), 0);
        QCOMPARE(Columns(), After);
        QVERIFY(F.Edit->ToolButton(QStringLiteral("UndoSpeed"))->isEnabled());
        F.Edit->MenuAction(QStringLiteral("RedigerFortryd"))->trigger();
        QCOMPARE(Columns(), QStringLiteral("12345678"));
    }

    // A text file imported into the marked column 2, its first line of
    // letters the name; column 3 keeps its name.
    void importText()
    {
        TTableFixture F(dtHyp);
        QTemporaryDir Dir;
        const QString Path = Dir.filePath(QStringLiteral("tal.txt"));
        QFile Text(Path);
        QVERIFY(Text.open(QIODevice::WriteOnly) && Text.write("Karakter\r\n4\t12\r\n7;20\r\n") > 0);
        Text.close();
        F.Side().SetName(F.L(), 1, QStringLiteral("før"));
        F.Mark(1);
        F.Host.Script.FileNames.enqueue(Path);
        F.Edit->MenuAction(QStringLiteral("ImportText"))->trigger();
        const QStringList Parts{F.Part(0, 1, 0), F.Part(0, 1, 1), F.Part(1, 1, 0), F.Part(1, 1, 1)};
        QCOMPARE(Parts.join(' '), QStringLiteral("4 12 7 20"));
        QCOMPARE(F.Side().Name(F.L(), 1), QStringLiteral("Karakter"));
        QCOMPARE(F.Side().Name(F.L(), 2), QStringLiteral("før"));
        QVERIFY(!F.Edit->MenuAction(QStringLiteral("ImportText"))->isEnabled());
    }

    // The drop button of column 6 opens its settings: decimals stay within
    // 0..9, OK keeps them and the comment, Cancel keeps neither.
    void settingsDialog_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("Start");
        QTest::addColumn<QString>("Clicks"); // + up, - down
        QTest::addColumn<bool>("Ok");
        QTest::addColumn<int>("Shown");
        QTest::newRow("not above 9") << int(dtHyp) << 8 << "+++" << true << 9;
        QTest::newRow("not below 0") << int(dtGrup) << 1 << "---" << true << 0;
        QTest::newRow("cancelled") << int(dtHyp) << 4 << "++" << false << 6;
    }
    void settingsDialog()
    {
        QFETCH(int, Type);
        QFETCH(int, Start);
        QFETCH(QString, Clicks);
        QFETCH(bool, Ok);
        QFETCH(int, Shown);
        TTableFixture F(Type);
        F.Side().SetDecimals(F.L(), 5, Start);
        QString Caption, Panel;
        QTimer::singleShot(0, [&] {
            THGStilDlg *D = F.Edit->SettingsDialog();
            Caption = D->windowTitle();
            for (QChar C : Clicks)
                (C == '+' ? D->UpDown->UpButton : D->UpDown->DownButton)->click();
            Panel = D->UpDownPanel->text();
            D->KommentarEdit->setText(QStringLiteral("Højde i cm"));
            (Ok ? D->OKButton : D->CancelButton)->click();
        });
        TGridView *H = F.Edit->SojleDG();
        const QRect Drop = gridpaint::DropButton(H->visualRect(H->model()->index(0, 5)));
        QTest::mouseClick(H->viewport(), Qt::LeftButton, Qt::NoModifier, Drop.center());
        QCOMPARE(Caption, QStringLiteral("Indstillinger for kolonne 6"));
        QCOMPARE(Panel, QString::number(Shown));
        QCOMPARE(F.Side().Decimals(F.L(), 5), Ok ? Shown : Start);
        QCOMPARE(F.Side().Comment(F.L(), 5), Ok ? QStringLiteral("Højde i cm") : QString());
        QCOMPARE(F.Side().MarkedCount(F.L()), 0); // the drop button marks nothing
    }

    // Classes 0-10 (7), 10-20 (8), ... 40-50 (11): the copy items put the
    // table and the key figures of the marked column on the clipboard.
    void copyDescriptions()
    {
        TTableFixture F(dtGrup);
        F.Fill(0, Steps(5, true, 7, 1));
        F.Mark(0);
        const tDescriptor &D = DescriptorOf(F.L());
        for (const char *Item : {"KopierTabel", "KopierMaerketal"}) {
            QGuiApplication::clipboard()->setText(QStringLiteral("før"));
            F.Edit->MenuAction(Item)->trigger();
            QCOMPARE(QGuiApplication::clipboard()->text(),
                     Item[6] == 'T' ? TableText(D) : KeyFiguresText(D));
        }
    }

    // Two marked frequency columns: the test against the second column's
    // proportions, copied as text; an observation missing from the second
    // column shows "Fejl i data-par" and copies nothing.
    void chiTestOfTwoColumns()
    {
        TTableFixture F(dtHyp);
        F.Fill(0, "1 1|2 2|3 3|4 4");
        F.Fill(1, "1 3|2 2|3 4|4 2");
        F.Mark(0);
        F.Mark(1);
        // Chosen in a pane as a user does: the pane shows the test.
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkChiTest));
        QCOMPARE(int(F.Edit->Descriptor().GetPaneKind(1)), int(bkChiTest));
        QVERIFY(F.Edit->KindAllowed(bkChiTest));
        QVERIFY(!F.Edit->KindAllowed(bkNormalplot));
        QVERIFY(!F.Edit->KindAllowed(bkTabel));
        QGuiApplication::clipboard()->setText(QStringLiteral("før"));
        F.Edit->MenuAction("KopierChiTest")->trigger();
        const QString Text = QGuiApplication::clipboard()->text();
        QVERIFY(Text.contains(QStringLiteral("Hypotese: sandsynligheder i forhold til kolonne 2\r\n")));
        QVERIFY(Text.contains(QStringLiteral("\r\n1\t1\t2,73\r\n")));
        QVERIFY(Text.contains(QStringLiteral("\r\nFrihedsgrader\t3\r\n")));

        F.Fill(1, "1 3|2 2|3 4|5 2");
        F.Edit->RefreshDescriptions();
        QGuiApplication::clipboard()->setText(QStringLiteral("før"));
        F.Edit->MenuAction("KopierChiTest")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("før"));
        QCOMPARE(F.Edit->OutputError(bkChiTest), QStringLiteral("Fejl i data-par"));

        TTableFixture G(dtGrup);
        QCOMPARE(G.Edit->ItemOfKind(bkChiTest), -1);
        QVERIFY(G.Edit->ItemOfKind(bkNormalplot) >= 0);
        QVERIFY(!G.Edit->MenuAction("KopierChiTest"));
    }

    // In the main window: the "Datatype" menu moves between the three
    // editors and keeps every kind of data, and a table typed in the
    // frequency or grouped editor survives saving and reopening there.
    // Typed: the parts typed into column 3 line by line; Parts: as shown
    // afterwards ("!" before a text cell).
    void switchTypeAndSave_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<QString>("Typed");
        QTest::addColumn<QString>("Parts");
        QTest::newRow("frequencies") << int(dtHyp) << "02 4 7 13 x -1"
                                     << "2 4 7 13 !x !-1";
        QTest::newRow("classes") << int(dtGrup) << "150 160 4 160 170,5 9"
                                 << "150,0 160,0 4 160,0 170,5 9";
    }
    void switchTypeAndSave()
    {
        QFETCH(int, Type);
        QFETCH(QString, Typed);
        QFETCH(QString, Parts);
        TScriptedDialogs D;
        auto F = StartedForm(D);
        QTRY_VERIFY(F->ShownEditor() != nullptr);
        tLumen &L = F->Lumen();
        L.SetCellText(0, 2, QStringLiteral("12"));
        L.SetHypObsText(1, 3, QStringLiteral("7"));
        L.SetHypFreqText(1, 3, QStringLiteral("13"));
        L.SetGrupHighText(2, 7, QStringLiteral("170"));
        for (const TDataType T : {dtHyp, dtGrup, dtObs, TDataType(Type)}) {
            const char *Name = T == dtHyp    ? "FunktionHyp"
                               : T == dtGrup ? "FunktionGrup"
                                             : "FunktionObs";
            QVERIFY(Item(*F, Name)->isEnabled());
            Item(*F, Name)->trigger();
            QCOMPARE(DataType, T);
            QCOMPARE(F->ShownEditor(), F->Editor(T));
            QCOMPARE(Sides(F->Lumen()), QStringLiteral("12 7/13 170"));
        }

        auto *E = static_cast<TTableEdit *>(F->ShownEditor());
        const TTableSide &Side = E->TableSide();
        QApplication::setActiveWindow(F.get());
        F->Lumen().EditDirection = edRight;
        TGridView *G = E->DataDG();
        G->setFocus();
        G->SetCell(0, E->DataModel()->GridCol(2, 0));
        const QStringList Keys = Typed.split(' ');
        for (const QString &T : Keys)
            TypeInto(G, T);
        auto Table = [&](const tLumen &L) {
            QStringList Out;
            for (int I = 0; I < Keys.size(); ++I)
                Out << Shown(Side, L, I / Side.Parts(), 2, I % Side.Parts());
            return Out.join(' ');
        };
        QCOMPARE(Table(F->Lumen()), Parts);

        QTemporaryDir Dir;
        D.FileNames.enqueue(Dir.filePath(QStringLiteral("tabel.lmt")));
        F->SaveDocumentAs();
        QVERIFY(!F->Lumen().IsModified());
        F->OpenFile(Dir.filePath(QStringLiteral("tabel.lmt")));
        QCOMPARE(F->ShownEditor(), F->Editor(TDataType(Type)));
        QCOMPARE(Table(F->Lumen()), Parts);
        QCOMPARE(Sides(F->Lumen()), QStringLiteral("12 7/13 170"));
        // A file keeps its type: the other editors are not offered.
        QVERIFY(!Item(*F, "FunktionObs")->isEnabled());
    }
};

QTEST_MAIN(TestTableEdit)
#include "tst_tableedit.moc"
