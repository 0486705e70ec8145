// The frequency and grouped editors driven as a person drives them: typing
// with the edit directions, text cells, marking, the description kinds they
// allow, the column commands with undo and the column settings dialog.
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
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace
{

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
    // A part as shown, "!" before a text cell.
    QString Part(int Line, int Col, int P)
    {
        QString T;
        TCellState S = csEmpty;
        Side().GetPart(L(), Line, Col, P, T, S);
        return S == csText ? '!' + T : T;
    }
    // Cells "line col part text" put in place.
    void Set(const QStringList &Cells)
    {
        for (const QString &C : Cells) {
            const QStringList P = C.split(' ');
            Side().SetPart(L(), P[0].toInt(), P[1].toInt(), P[2].toInt(), P[3]);
        }
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

// Whether a data grid cell shows red text on screen.
bool ShownRed(TGridView *G, int Row, int Col)
{
    return AnyPixel(G->viewport()->grab().toImage(), G->visualRect(G->model()->index(Row, Col)),
                    IsRed);
}

QStringList Names(const tLumen &L, const TTableSide &S)
{
    QStringList N;
    for (int C = 0; C < TTableSide::Columns; ++C)
        N << S.Name(L, C);
    return N;
}

} // namespace

class TestTableEdit : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { InitEditorTest(); }

    // Typing with Enter from grid column GridCol: where the cursor ends, the
    // parts as shown ("line col part text", "!" before a text cell, which
    // alone is drawn red) and the decimals of the column typed in first.
    void typing_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("Direction");
        QTest::addColumn<int>("GridCol");
        QTest::addColumn<QStringList>("Typed");
        QTest::addColumn<QPoint>("End"); // grid column, row
        QTest::addColumn<QStringList>("Cells");
        QTest::addColumn<int>("Decimals");
        auto Row = [](const char *Name, int Type, int Dir, int GridCol, const QString &Typed,
                      QPoint End, const QString &Cells, int Decimals) {
            QTest::newRow(Name) << Type << Dir << GridCol << Typed.split(' ') << End
                                << Cells.split('|') << Decimals;
        };
        Row("frequencies, right", dtHyp, edRight, 0, "3 5 4 2", {0, 2},
            "0 0 0 3|0 0 1 5|1 0 0 4|1 0 1 2", 0);
        Row("frequencies, down", dtHyp, edDown, 0, "1 2 3", {0, 3}, "0 0 0 1|1 0 0 2|2 0 0 3", 0);
        Row("frequencies, stay", dtHyp, edStay, 0, "7", {0, 0}, "0 0 0 7", 0);
        Row("classes, right", dtGrup, edRight, 0, "0 10 4 10 20 6", {0, 2},
            "0 0 0 0|0 0 1 10|0 0 2 4|1 0 0 10|1 0 1 20|1 0 2 6", 0);
        Row("classes, down", dtGrup, edDown, 0, "5 6", {0, 2}, "0 0 0 5|1 0 0 6", 0);
        Row("frequency with a comma", dtHyp, edRight, 0, "1 4 2 2,5", {0, 2}, "0 0 1 4|1 0 1 !2,5",
            0);
        Row("frequency 0", dtHyp, edRight, 0, "1 4 2 0", {0, 2}, "1 0 1 0", 0);
        Row("negative class frequency", dtGrup, edRight, 0, "0 5 4 5 10 -3", {0, 2},
            "0 0 2 4|1 0 2 !-3", 0);
        Row("observation in column 5", dtHyp, edDown, 8, "2,25", {8, 1}, "0 4 0 2,25", 2);
        Row("frequency in column 5", dtHyp, edDown, 9, "2,25", {9, 1}, "0 4 1 !2,25", 0);
        Row("lower bound", dtGrup, edDown, 0, "2,5", {0, 1}, "0 0 0 2,5", 1);
        Row("upper bound with a point", dtGrup, edDown, 4, "1.125", {4, 1}, "0 1 1 1,125", 3);
        Row("more than nine decimals", dtGrup, edDown, 3, "0,1234567891234", {3, 1},
            "0 1 0 0,123456789", 9);
    }
    void typing()
    {
        QFETCH(int, Type);
        QFETCH(int, Direction);
        QFETCH(int, GridCol);
        QFETCH(QStringList, Typed);
        QFETCH(QPoint, End);
        QFETCH(QStringList, Cells);
        QFETCH(int, Decimals);
        TTableFixture F(Type);
        F.L().EditDirection = uint8_t(Direction);
        F.StartAt(0, GridCol);
        for (const QString &T : Typed)
            TypeInto(F.G, T);
        QCOMPARE(QPoint(F.G->Col(), F.G->Row()), End);
        F.G->clearFocus();
        for (const QString &Cell : Cells) {
            const QStringList P = Cell.split(' ');
            const int Line = P[0].toInt(), Col = P[1].toInt(), Part = P[2].toInt();
            QCOMPARE(F.Part(Line, Col, Part), P[3]);
            QCOMPARE(ShownRed(F.G, Line, Col * F.Side().Parts() + Part), P[3].startsWith('!'));
        }
        QCOMPARE(F.Side().Decimals(F.L(), GridCol / F.Side().Parts()), Decimals);
        QVERIFY(F.Edit->DataEdited());
        QVERIFY(!F.Edit->MenuAction(QStringLiteral("FunktionObs"))->isEnabled());
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
        QCOMPARE(F.Edit->SojleDG()->Col(), 2);
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

    // Escape gives up the typing: the part, the decimals (1 before) and
    // the column's length come back.
    void escapeRestores_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("GridCol");
        QTest::addColumn<QString>("Before");
        QTest::addColumn<QString>("Typed");
        QTest::newRow("observation") << int(dtHyp) << 2 << "2,5" << QString("7,125");
        QTest::newRow("empty frequency") << int(dtHyp) << 1 << "" << QString("9");
        QTest::newRow("upper bound") << int(dtGrup) << 4 << "20,5" << QString("x");
    }
    void escapeRestores()
    {
        QFETCH(int, Type);
        QFETCH(int, GridCol);
        QFETCH(QString, Before);
        QFETCH(QString, Typed);
        TTableFixture F(Type);
        const int Col = GridCol / F.Side().Parts(), Part = GridCol % F.Side().Parts();
        F.Side().SetPart(F.L(), 0, Col, Part, Before);
        F.Side().SetDecimals(F.L(), Col, 1);
        const int Cells = F.Side().CellCount(F.L(), Col);
        F.StartAt(0, GridCol);
        TypeInto(F.G, Typed, 0);
        QCOMPARE(F.Part(0, Col, Part).remove('!'), Typed); // stored while typing
        PressKey(Qt::Key_Escape);
        QCOMPARE(F.Part(0, Col, Part), Before);
        QCOMPARE(F.Side().Decimals(F.L(), Col), 1);
        QCOMPARE(F.Side().CellCount(F.L(), Col), Cells);
    }

    void kindAvailability_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("Values");
        QTest::addColumn<int>("Kind");
        QTest::addColumn<bool>("Allowed");
        QTest::newRow("pie, 16 values") << int(dtHyp) << 16 << int(bkCirkeldiagram) << true;
        QTest::newRow("pie, 17 values") << int(dtHyp) << 17 << int(bkCirkeldiagram) << false;
        QTest::newRow("pie, 17 classes") << int(dtGrup) << 17 << int(bkCirkeldiagram) << true;
        QTest::newRow("key figures, all zero") << int(dtHyp) << 0 << int(bkMaerketal) << false;
        QTest::newRow("table, all zero") << int(dtGrup) << 0 << int(bkTabel) << true;
        QTest::newRow("graph, classes") << int(dtGrup) << 3 << int(bkSumfrekvensgraf) << true;
    }
    void kindAvailability()
    {
        QFETCH(int, Type);
        QFETCH(int, Values);
        QFETCH(int, Kind);
        QFETCH(bool, Allowed);
        TTableFixture F(Type);
        const TTableSide &S = F.Side();
        // Values distinct values (classes) with frequency 2; none: one row
        // with frequency 0.
        for (int I = 0; I < std::max(Values, 1); ++I) {
            S.SetPart(F.L(), I, 3, 0, QString::number(10 * I));
            if (S.Parts() == 3)
                S.SetPart(F.L(), I, 3, 1, QString::number(10 * I + 10));
            S.SetPart(F.L(), I, 3, S.Parts() - 1, Values > 0 ? QStringLiteral("2") : "0");
        }
        F.Mark(3);
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(Kind));
        QCOMPARE(F.Edit->Pane(1)->ComboBox->currentIndex(),
                 Allowed ? F.Edit->ItemOfKind(Kind) : -1);
        QCOMPARE(int(F.Edit->Descriptor().GetPaneKind(1)), Allowed ? Kind : 0);
        QCOMPARE(F.Edit->Pane(1)->CalcButton->isVisibleTo(F.Edit),
                 Allowed && Kind == bkSumfrekvensgraf);
    }

    // The key figures pane writes the notice exactly when the classes are
    // faulty; the table pane shows the first class and its h either way.
    void faultyClasses_data()
    {
        QTest::addColumn<QString>("Classes");
        QTest::addColumn<bool>("Faulty");
        QTest::newRow("overlapping") << "0 10 4 5 15 3" << true;
        QTest::newRow("turned round") << "0 10 4 20 15 3" << true;
        QTest::newRow("adjoining") << "0 10 4 10 20 3" << false;
    }
    void faultyClasses()
    {
        QFETCH(QString, Classes);
        QFETCH(bool, Faulty);
        TTableFixture F(dtGrup);
        const QStringList C = Classes.split(' ');
        for (int I = 0; I < C.size(); ++I)
            F.Side().SetPart(F.L(), I / 3, 0, I % 3, C[I]);
        F.Mark(0);
        F.Edit->SetView(TEditorFrame::vwDual);
        F.Edit->ChooseKind(2, F.Edit->ItemOfKind(bkTabel));
        F.Edit->ChooseKind(3, F.Edit->ItemOfKind(bkMaerketal));
        auto Written = [&](int Pane) {
            QStringList Texts;
            for (const testdraw::tTextItem &T : testdraw::Written(300, 200, [&](QPainter &P) {
                     F.Edit->PaintPane(F.Edit->Pane(Pane), P, QSize(300, 200));
                 }))
                Texts << T.Text;
            return Texts;
        };
        const QString Notice = QStringLiteral("Fejl i intervaller");
        QCOMPARE(Written(3).contains(Notice), Faulty);
        const QStringList Table = Written(2);
        QVERIFY(!Table.contains(Notice));
        QVERIFY2(Table.contains("0 - 10") && Table.contains(C[2]), qPrintable(Table.join('|')));
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
        const QStringList Before = Names(F.L(), S);
        F.Edit->UpdateButtons();
        QAction *A = F.Edit->MenuAction(Action);
        QVERIFY(!A->isEnabled()); // nothing marked yet
        for (int C : Marks)
            F.Mark(C);
        if (Action == QLatin1String("SojleIndsaet")) {
            F.Edit->MenuAction(QStringLiteral("SojleKopier"))->trigger();
            QTRY_VERIFY(A->isEnabled());
        }
        QVERIFY(A->isEnabled());
        A->trigger();
        QCOMPARE(S.MarkedCount(F.L()), 0);
        // Every column's name and line 3 moved together.
        for (int C = 0; C < TTableSide::Columns; ++C) {
            const QString N = After[C] == '-' ? QString() : QString(After[C]);
            QCOMPARE(S.Name(F.L(), C), N.isEmpty() ? N : 'n' + N);
            QCOMPARE(F.Part(2, C, 0), N);
        }
        QVERIFY(F.Edit->ToolButton(QStringLiteral("UndoSpeed"))->isEnabled());
        F.Edit->MenuAction(QStringLiteral("RedigerFortryd"))->trigger();
        QCOMPARE(Names(F.L(), S), Before);
        for (int C = 0; C < TTableSide::Columns; ++C)
            QCOMPARE(F.Part(2, C, 0), QString::number(C + 1));
    }

    // A text file imported into the marked column 2 (the name from a first
    // line of letters); column 3 keeps its name.
    void importText_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<QByteArray>("File");
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QString>("Parts"); // line 1, then line 2
        QTest::newRow("frequencies, named")
            << int(dtHyp) << QByteArray("Karakter\r\n4\t12\r\n7;20\r\n") << "Karakter"
            << QString("4 12 7 20");
        QTest::newRow("classes, no name") << int(dtGrup) << QByteArray("0\t10\t3\n10\t20\t5\n")
                                          << "" << QString("0 10 3 10 20 5");
    }
    void importText()
    {
        QFETCH(int, Type);
        QFETCH(QByteArray, File);
        QFETCH(QString, Name);
        QFETCH(QString, Parts);
        TTableFixture F(Type);
        QTemporaryDir Dir;
        QFile Text(Dir.filePath(QStringLiteral("tal.txt")));
        QVERIFY(Text.open(QIODevice::WriteOnly) && Text.write(File) == File.size());
        Text.close();
        F.Side().SetName(F.L(), 1, QStringLiteral("før"));
        F.Mark(1);
        F.Host.Script.FileNames.enqueue(Text.fileName());
        F.Edit->MenuAction(QStringLiteral("ImportText"))->trigger();
        QCOMPARE(F.Host.Script.FilesAsked.value(0).Caption, QStringLiteral("Import af tekst"));
        const QStringList P = Parts.split(' ');
        for (int I = 0; I < P.size(); ++I)
            QCOMPARE(F.Part(I / F.Side().Parts(), 1, I % F.Side().Parts()), P[I]);
        QCOMPARE(F.Side().Name(F.L(), 1), Name);
        QCOMPARE(F.Side().Name(F.L(), 2), QStringLiteral("før"));
        QVERIFY(!F.Edit->MenuAction(QStringLiteral("ImportText"))->isEnabled());
    }

    // The drop button of column 6 opens its settings: decimals stay within
    // 0..9, OK keeps them and the comment, Cancel keeps neither.
    void settingsDialog_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("Start");
        QTest::addColumn<int>("Ups");
        QTest::addColumn<int>("Downs");
        QTest::addColumn<bool>("Ok");
        QTest::addColumn<int>("Shown");
        QTest::newRow("not above 9") << int(dtHyp) << 8 << 3 << 0 << true << 9;
        QTest::newRow("not below 0") << int(dtGrup) << 1 << 0 << 3 << true << 0;
        QTest::newRow("up and down") << int(dtGrup) << 4 << 2 << 1 << true << 5;
        QTest::newRow("cancelled") << int(dtHyp) << 4 << 2 << 0 << false << 6;
    }
    void settingsDialog()
    {
        QFETCH(int, Type);
        QFETCH(int, Start);
        QFETCH(int, Ups);
        QFETCH(int, Downs);
        QFETCH(bool, Ok);
        QFETCH(int, Shown);
        TTableFixture F(Type);
        F.Side().SetDecimals(F.L(), 5, Start);
        QString Caption, Panel;
        QTimer::singleShot(0, [&] {
            THGStilDlg *D = F.Edit->SettingsDialog();
            Caption = D->windowTitle();
            for (int I = 0; I < Ups; ++I)
                D->UpDown->UpButton->click();
            for (int I = 0; I < Downs; ++I)
                D->UpDown->DownButton->click();
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

    // "Udskriv" of a kind or the data set to a PDF printer, and "Kopiér til
    // klippebord", on lines 0 (1) .. 40 (11).
    void printAndCopy_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<QString>("PrintItem");
        QTest::addColumn<QString>("Title");
        QTest::addColumn<QString>("CopyItem");
        QTest::newRow("frequencies, table")
            << int(dtHyp) << "PrintTabel" << QStringLiteral("Tabel - 7b") << "KopierTabel";
        QTest::newRow("classes, key figures")
            << int(dtGrup) << "PrintMaerketal" << QStringLiteral("Mærketal - 7b")
            << "KopierMaerketal";
        QTest::newRow("classes, data set")
            << int(dtGrup) << "PrintData" << QStringLiteral("Datasæt - 7b") << "";
    }
    void printAndCopy()
    {
        QFETCH(int, Type);
        QFETCH(QString, PrintItem);
        QFETCH(QString, Title);
        QFETCH(QString, CopyItem);
        TTableFixture F(Type);
        const TTableSide &S = F.Side();
        for (int I = 0; I < 5; ++I) {
            S.SetPart(F.L(), I, 0, 0, QString::number(10 * I));
            if (Type == dtGrup)
                S.SetPart(F.L(), I, 0, 1, QString::number(10 * I + 10));
            S.SetPart(F.L(), I, 0, S.Parts() - 1, QString::number(I + 7));
        }
        F.Mark(0);
        QTemporaryDir Dir;
        const QString Pdf = Dir.filePath(QStringLiteral("ud.pdf"));
        QPrinter &Printer = F.Host.Printer();
        Printer.setOutputFormat(QPrinter::PdfFormat);
        Printer.setOutputFileName(Pdf);
        F.Host.Script.PrintNames.enqueue(QStringLiteral("7b"));
        F.Host.Script.PrintAnswers.enqueue(true);
        F.Edit->MenuAction(PrintItem)->trigger();
        QVERIFY(QFile::exists(Pdf));
        if (HavePoppler()) {
            QCOMPARE(PdfPages(Pdf), 1);
            const QString Text = PdfTexts(Pdf).first();
            QVERIFY(Text.contains(Title));
            // The last line's value (or class) and frequency are on the page.
            QVERIFY(Text.contains(QStringLiteral("40")));
            QVERIFY(Text.contains(QStringLiteral("11")) || PrintItem == "PrintMaerketal");
        }
        if (CopyItem.isEmpty())
            return;
        QGuiApplication::clipboard()->setText(QStringLiteral("før"));
        F.Edit->MenuAction(CopyItem)->trigger();
        const tDescriptor &D = DescriptorOf(F.L());
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 CopyItem == "KopierTabel" ? TableText(D) : KeyFiguresText(D));
    }
};

QTEST_MAIN(TestTableEdit)
#include "tst_tableedit.moc"
