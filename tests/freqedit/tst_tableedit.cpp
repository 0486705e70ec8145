// The frequency and grouped editors driven as a person drives them: typing
// with the edit directions, text cells, marking, the description kinds they
// allow, the column commands with undo and the column settings dialog.
#include "obsedit/support_host.h"
#include "support_pages.h"

#include "CellText.h"
#include "Describe.h"
#include "DescriptionPane.h"
#include "HGStilDlg.h"
#include "TableEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace
{

struct TTableFixture {
    explicit TTableFixture(TDataType Type)
    {
        Edit = Type == dtGrup ? static_cast<TTableEdit *>(new TGrupEdit(Host))
                              : static_cast<TTableEdit *>(new THypEdit(Host));
        Host.Editor = Edit;
        Edit->resize(1100, 700);
        Edit->show();
        QApplication::setActiveWindow(Edit);
        (void)QTest::qWaitForWindowActive(Edit);
        Edit->ShowEditor();
    }
    ~TTableFixture()
    {
        Host.Editor = nullptr;
        delete Edit;
    }
    tLumen &L() { return Host.Lumen(); }
    const TTableSide &Side() const { return Edit->TableSide(); }
    QString Part(int Line, int Col, int P)
    {
        QString T;
        TCellState S;
        Side().GetPart(L(), Line, Col, P, T, S);
        return T;
    }
    TCellState State(int Line, int Col, int P)
    {
        QString T;
        TCellState S = csEmpty;
        Side().GetPart(L(), Line, Col, P, T, S);
        return S;
    }
    // Ctrl-clicks add a column to the marks.
    void Mark(int Col) { ClickHeader(Edit->SojleDG(), 0, Col, Qt::ControlModifier); }

    TFakeHost Host;
    TTableEdit *Edit = nullptr;
};

// Red text pixels inside a data grid cell as drawn on screen.
int RedPixels(TGridView *G, int Row, int Col)
{
    const QImage Img = G->viewport()->grab().toImage();
    const QRect R = G->visualRect(G->model()->index(Row, Col));
    int N = 0;
    for (int Y = R.top(); Y <= R.bottom(); ++Y)
        for (int X = R.left(); X <= R.right(); ++X) {
            const QColor C = Img.pixelColor(X, Y);
            N += C.red() > 180 && C.green() < 90 && C.blue() < 90;
        }
    return N;
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

    void typingWithEnter_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("Direction");
        QTest::addColumn<QStringList>("Typed");
        QTest::addColumn<int>("EndRow");
        QTest::addColumn<int>("EndCol");
        // Line, column, part and shown text of every filled part.
        QTest::addColumn<QStringList>("Cells");
        QTest::newRow("frequencies, right")
            << int(dtHyp) << int(edRight) << QStringList{"3", "5", "4", "2"} << 2 << 0
            << QStringList{"0 0 0 3", "0 0 1 5", "1 0 0 4", "1 0 1 2"};
        QTest::newRow("frequencies, down")
            << int(dtHyp) << int(edDown) << QStringList{"1", "2", "3"} << 3 << 0
            << QStringList{"0 0 0 1", "1 0 0 2", "2 0 0 3"};
        QTest::newRow("frequencies, stay")
            << int(dtHyp) << int(edStay) << QStringList{"7"} << 0 << 0 << QStringList{"0 0 0 7"};
        QTest::newRow("classes, right")
            << int(dtGrup) << int(edRight) << QStringList{"0", "10", "4", "10", "20", "6"} << 2 << 0
            << QStringList{"0 0 0 0", "0 0 1 10", "0 0 2 4", "1 0 0 10", "1 0 1 20", "1 0 2 6"};
        QTest::newRow("classes, down") << int(dtGrup) << int(edDown) << QStringList{"5", "6"} << 2
                                       << 0 << QStringList{"0 0 0 5", "1 0 0 6"};
    }

    void typingWithEnter()
    {
        QFETCH(int, Type);
        QFETCH(int, Direction);
        QFETCH(QStringList, Typed);
        QFETCH(int, EndRow);
        QFETCH(int, EndCol);
        QFETCH(QStringList, Cells);
        TTableFixture F{TDataType(Type)};
        F.L().EditDirection = uint8_t(Direction);
        TGridView *G = F.Edit->DataDG();
        G->setFocus();
        G->SetCell(0, 0);
        for (const QString &T : Typed)
            TypeInto(G, T);
        QCOMPARE(G->Row(), EndRow);
        QCOMPARE(G->Col(), EndCol);
        for (const QString &Cell : Cells) {
            const QStringList P = Cell.split(QLatin1Char(' '));
            QCOMPARE(F.Part(P[0].toInt(), P[1].toInt(), P[2].toInt()), P[3]);
        }
        QVERIFY(F.Edit->DataEdited());
        QVERIFY(!F.Edit->MenuAction(QStringLiteral("FunktionObs"))->isEnabled());
    }

    void textFrequencies_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<QString>("Freq");
        QTest::addColumn<bool>("IsText");
        QTest::addColumn<int>("Entries");
        for (int T : {int(dtHyp), int(dtGrup)}) {
            const char *Side = T == dtHyp ? "frequencies" : "classes";
            QTest::addRow("%s, decimal comma", Side) << T << "2,5" << true << 1;
            QTest::addRow("%s, negative", Side) << T << "-3" << true << 1;
            QTest::addRow("%s, zero", Side) << T << "0" << false << 2;
            QTest::addRow("%s, count", Side) << T << "3" << false << 2;
        }
    }

    void textFrequencies()
    {
        QFETCH(int, Type);
        QFETCH(QString, Freq);
        QFETCH(bool, IsText);
        QFETCH(int, Entries);
        TTableFixture F{TDataType(Type)};
        const int Parts = F.Side().Parts();
        F.L().EditDirection = edRight;
        TGridView *G = F.Edit->DataDG();
        G->setFocus();
        G->SetCell(0, 0);
        const QStringList Lines = Parts == 2 ? QStringList{"1", "4", "2", Freq}
                                             : QStringList{"0", "5", "4", "5", "10", Freq};
        for (const QString &T : Lines)
            TypeInto(G, T);
        QCOMPARE(F.State(1, 0, Parts - 1), IsText ? csText : csNumber);
        QCOMPARE(F.Part(1, 0, Parts - 1), Freq);
        G->clearFocus();
        QCOMPARE(RedPixels(G, 1, Parts - 1) > 0, IsText);
        QCOMPARE(RedPixels(G, 0, Parts - 1), 0);

        F.Mark(0);
        F.Edit->SetView(TEditorFrame::vwMixed);
        F.Edit->ChooseKind(1, F.Edit->ItemOfKind(bkTabel));
        QCOMPARE(F.Edit->Descriptor().ListCount(0), Entries);
    }

    void decimalsRise_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("GridCol");
        QTest::addColumn<QString>("Text");
        QTest::addColumn<int>("Decimals");
        QTest::newRow("observation in column 5") << int(dtHyp) << 8 << "2,25" << 2;
        QTest::newRow("frequency") << int(dtHyp) << 9 << "2,25" << 0;
        QTest::newRow("whole observation") << int(dtHyp) << 0 << "3" << 0;
        QTest::newRow("lower bound") << int(dtGrup) << 0 << "2,5" << 1;
        QTest::newRow("upper bound with a point") << int(dtGrup) << 4 << "1.125" << 3;
        QTest::newRow("more than nine") << int(dtGrup) << 3 << "0,1234567891234" << 9;
    }

    void decimalsRise()
    {
        QFETCH(int, Type);
        QFETCH(int, GridCol);
        QFETCH(QString, Text);
        QFETCH(int, Decimals);
        TTableFixture F{TDataType(Type)};
        TGridView *G = F.Edit->DataDG();
        G->setFocus();
        G->SetCell(0, GridCol);
        TypeInto(G, Text);
        QCOMPARE(F.Side().Decimals(F.L(), GridCol / F.Side().Parts()), Decimals);
    }

    void keysAtTheEdges()
    {
        TTableFixture F{dtGrup};
        TGridView *G = F.Edit->DataDG();
        G->setFocus();
        // Right on the last data column wraps to the first, fillers skipped.
        G->SetCell(3, 23);
        PressKey(Qt::Key_Right);
        QCOMPARE(G->Col(), 0);
        QCOMPARE(G->Row(), 3);
        QCOMPARE(F.Edit->StatusPanel->text(), QStringLiteral("Kolonne 1"));
        // Up on line 0 edits the name of the column; Down comes back.
        G->SetCell(0, 7);
        PressKey(Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget()->parentWidget()->parentWidget(), F.Edit->SojleDG());
        QCOMPARE(F.Edit->SojleDG()->Col(), 2);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Højde"));
        PressKey(Qt::Key_Down);
        QCOMPARE(F.Side().Name(F.L(), 2), QStringLiteral("Højde"));
        QCOMPARE(G->Col(), 6);
        QCOMPARE(G->Row(), 0);
        // Down on the last row grows the grids.
        G->SetCell(F.Edit->RowCount() - 1, 0);
        PressKey(Qt::Key_Down);
        QCOMPARE(F.Edit->RowCount(), TTableEdit::InitialRows + 1);
        QCOMPARE(G->Row(), TTableEdit::InitialRows);
    }

    void escapeRestores_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("GridCol");
        QTest::addColumn<QString>("Before");
        QTest::addColumn<QString>("Typed");
        QTest::newRow("observation and its decimals") << int(dtHyp) << 2 << "2,5"
                                                      << "7,125";
        QTest::newRow("empty frequency") << int(dtHyp) << 1 << ""
                                         << "9";
        QTest::newRow("upper bound") << int(dtGrup) << 4 << "20,5"
                                     << "x";
    }

    void escapeRestores()
    {
        QFETCH(int, Type);
        QFETCH(int, GridCol);
        QFETCH(QString, Before);
        QFETCH(QString, Typed);
        TTableFixture F{TDataType(Type)};
        const int Col = GridCol / F.Side().Parts(), Part = GridCol % F.Side().Parts();
        F.Side().SetPart(F.L(), 0, Col, Part, Before);
        F.Side().SetDecimals(F.L(), Col, 1);
        const int Cells = F.Side().CellCount(F.L(), Col);
        TGridView *G = F.Edit->DataDG();
        G->setFocus();
        G->SetCell(0, GridCol);
        TypeInto(G, Typed, 0);
        QCOMPARE(F.Part(0, Col, Part), Typed); // the decimals rose while typing
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
        TTableFixture F{TDataType(Type)};
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

    void faultyClasses_data()
    {
        QTest::addColumn<QStringList>("Classes");
        QTest::addColumn<bool>("Faulty");
        QTest::newRow("overlapping") << QStringList{"0", "10", "4", "5", "15", "3"} << true;
        QTest::newRow("turned round") << QStringList{"0", "10", "4", "20", "15", "3"} << true;
        QTest::newRow("adjoining") << QStringList{"0", "10", "4", "10", "20", "3"} << false;
    }

    void faultyClasses()
    {
        QFETCH(QStringList, Classes);
        QFETCH(bool, Faulty);
        TTableFixture F{dtGrup};
        for (int I = 0; I < Classes.size(); ++I)
            F.Side().SetPart(F.L(), I / 3, 0, I % 3, Classes[I]);
        F.Mark(0);
        F.Edit->SetView(TEditorFrame::vwDual);
        F.Edit->ChooseKind(2, F.Edit->ItemOfKind(bkTabel));
        F.Edit->ChooseKind(3, F.Edit->ItemOfKind(bkMaerketal));
        QCOMPARE(F.Edit->Descriptor().GetPaneKind(2), uint8_t(bkTabel));
        QCOMPARE(F.Edit->Descriptor().GetPaneKind(3), uint8_t(bkMaerketal));

        // Pane 3 shows the notice exactly when the classes are faulty.
        const QSize Size(300, 200);
        auto Paint = [&](const std::function<void(QPainter &)> &Draw) {
            QImage Img(Size, QImage::Format_RGB32);
            Img.fill(Qt::white);
            QPainter P(&Img);
            P.setFont(TDescriptionPane::PaintFont());
            P.setPen(Qt::black);
            P.setBrush(Qt::white);
            Draw(P);
            return Img;
        };
        const QImage Pane =
            Paint([&](QPainter &P) { F.Edit->PaintPane(F.Edit->Pane(3), P, Size); });
        const QImage Notice =
            Paint([](QPainter &P) { DrawErrorNotice(P, QStringLiteral("Fejl i intervaller")); });
        QCOMPARE(Pane == Notice, Faulty);
        // The table is drawn either way.
        const QImage Table =
            Paint([&](QPainter &P) { F.Edit->PaintPane(F.Edit->Pane(2), P, Size); });
        QVERIFY(Table != Notice);
    }

    void columnCommands_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<QList<int>>("Marks");
        QTest::addColumn<QString>("Action");
        QTest::addColumn<QStringList>("After");
        const QStringList All{"n1", "n2", "n3", "n4", "n5", "n6", "n7", "n8"};
        QTest::newRow("insert at 1 loses 8")
            << int(dtHyp) << QList<int>{0} << "SojleTilfoej"
            << QStringList{"", "n1", "n2", "n3", "n4", "n5", "n6", "n7"};
        QTest::newRow("insert at 3, classes")
            << int(dtGrup) << QList<int>{2} << "SojleTilfoej"
            << QStringList{"n1", "n2", "", "n3", "n4", "n5", "n6", "n7"};
        QTest::newRow("remove two") << int(dtHyp) << QList<int>{1, 3} << "SojleFjern"
                                    << QStringList{"n1", "n3", "n5", "n6", "n7", "n8", "", ""};
        QTest::newRow("swap first and last")
            << int(dtGrup) << QList<int>{0, 7} << "SojleOmbyt"
            << QStringList{"n8", "n2", "n3", "n4", "n5", "n6", "n7", "n1"};
        QTest::newRow("clear") << int(dtHyp) << QList<int>{2, 4} << "SojleSlet"
                               << QStringList{"n1", "n2", "", "n4", "", "n6", "n7", "n8"};
        QTest::newRow("cut") << int(dtGrup) << QList<int>{0} << "SojleKlip"
                             << QStringList{"n2", "n3", "n4", "n5", "n6", "n7", "n8", ""};
        QTest::newRow("paste what was copied")
            << int(dtHyp) << QList<int>{5} << "SojleIndsaet"
            << QStringList{"n1", "n2", "n3", "n4", "n5", "n6", "n6", "n7"};
    }

    void columnCommands()
    {
        QFETCH(int, Type);
        QFETCH(QList<int>, Marks);
        QFETCH(QString, Action);
        QFETCH(QStringList, After);
        TTableFixture F{TDataType(Type)};
        const TTableSide &S = F.Side();
        for (int C = 0; C < TTableSide::Columns; ++C) {
            S.SetName(F.L(), C, QStringLiteral("n%1").arg(C + 1));
            S.SetPart(F.L(), 2, C, 0, QString::number(C + 1));
            S.SetPart(F.L(), 2, C, S.Parts() - 1, QStringLiteral("4"));
        }
        const QStringList Before = Names(F.L(), S);
        F.Edit->UpdateButtons();
        QVERIFY(!F.Edit->MenuAction(Action)->isEnabled()); // nothing marked yet
        for (int C : Marks)
            F.Mark(C);
        if (Action == QLatin1String("SojleIndsaet")) {
            F.Edit->MenuAction(QStringLiteral("SojleKopier"))->trigger();
            QTRY_VERIFY(F.Edit->MenuAction(Action)->isEnabled());
        }
        QAction *A = F.Edit->MenuAction(Action);
        QVERIFY(A->isEnabled());
        A->trigger();
        QCOMPARE(Names(F.L(), S), After);
        QCOMPARE(S.MarkedCount(F.L()), 0);
        // Every named column still holds its own line 3.
        for (int C = 0; C < TTableSide::Columns; ++C)
            QCOMPARE(F.Part(2, C, 0), After[C].isEmpty() ? QString() : After[C].mid(1));
        QVERIFY(F.Edit->ToolButton(QStringLiteral("UndoSpeed"))->isEnabled());
        F.Edit->MenuAction(QStringLiteral("RedigerFortryd"))->trigger();
        QCOMPARE(Names(F.L(), S), Before);
        for (int C = 0; C < TTableSide::Columns; ++C)
            QCOMPARE(F.Part(2, C, 0), QString::number(C + 1));
    }

    void importText_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<QByteArray>("File");
        QTest::addColumn<QStringList>("Parts"); // line 1, then line 2
        QTest::newRow("frequencies, named")
            << int(dtHyp) << QByteArray("Karakter\r\n4\t12\r\n7;20\r\n")
            << QStringList{"4", "12", "7", "20"};
        QTest::newRow("classes, no name") << int(dtGrup) << QByteArray("0\t10\t3\n10\t20\t5\n")
                                          << QStringList{"0", "10", "3", "10", "20", "5"};
    }

    void importText()
    {
        QFETCH(int, Type);
        QFETCH(QByteArray, File);
        QFETCH(QStringList, Parts);
        TTableFixture F{TDataType(Type)};
        QTemporaryDir Dir;
        QFile Text(Dir.filePath(QStringLiteral("tal.txt")));
        QVERIFY(Text.open(QIODevice::WriteOnly));
        Text.write(File);
        Text.close();
        F.Side().SetName(F.L(), 1, QStringLiteral("før"));
        F.Mark(1);
        F.Host.Script.FileNames.enqueue(Text.fileName());
        F.Edit->MenuAction(QStringLiteral("ImportText"))->trigger();
        QCOMPARE(F.Host.Script.FilesAsked.value(0).Caption, QStringLiteral("Import af tekst"));
        const int N = F.Side().Parts();
        for (int I = 0; I < Parts.size(); ++I)
            QCOMPARE(F.Part(I / N, 1, I % N), Parts[I]);
        QCOMPARE(F.Side().Name(F.L(), 1), File.startsWith("K") ? "Karakter" : "");
        QCOMPARE(F.Side().Name(F.L(), 2), QStringLiteral("før"));
        QVERIFY(!F.Edit->MenuAction(QStringLiteral("ImportText"))->isEnabled());
    }

    void settingsDialog_data()
    {
        QTest::addColumn<int>("Type");
        QTest::addColumn<int>("Start");
        QTest::addColumn<int>("Ups");
        QTest::addColumn<int>("Downs");
        QTest::addColumn<bool>("Ok");
        QTest::addColumn<int>("Decimals");
        QTest::newRow("not above 9") << int(dtHyp) << 8 << 3 << 0 << true << 9;
        QTest::newRow("not below 0") << int(dtGrup) << 1 << 0 << 3 << true << 0;
        QTest::newRow("up and down") << int(dtGrup) << 4 << 2 << 1 << true << 5;
        QTest::newRow("cancelled") << int(dtHyp) << 4 << 2 << 0 << false << 4;
    }

    void settingsDialog()
    {
        QFETCH(int, Type);
        QFETCH(int, Start);
        QFETCH(int, Ups);
        QFETCH(int, Downs);
        QFETCH(bool, Ok);
        QFETCH(int, Decimals);
        TTableFixture F{TDataType(Type)};
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
        QCOMPARE(Panel, QString::number(Ok ? Decimals : std::clamp(Start + Ups - Downs, 0, 9)));
        QCOMPARE(F.Side().Decimals(F.L(), 5), Decimals);
        QCOMPARE(F.Side().Comment(F.L(), 5), Ok ? QStringLiteral("Højde i cm") : QString());
        QCOMPARE(F.Side().MarkedCount(F.L()), 0); // the drop button marks nothing
    }

    // "Udskriv" and "Kopiér til klippebord" of the table editors: a kind or
    // the data set printed to a PDF printer, the table and key figures put
    // on the clipboard as the describe layer writes them.
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
        QTest::newRow("frequencies, data set")
            << int(dtHyp) << "PrintData" << QStringLiteral("Datasæt - 7b") << "";
        QTest::newRow("classes, data set")
            << int(dtGrup) << "PrintData" << QStringLiteral("Datasæt - 7b") << "";
    }
    void printAndCopy()
    {
        QFETCH(int, Type);
        QFETCH(QString, PrintItem);
        QFETCH(QString, Title);
        QFETCH(QString, CopyItem);
        TTableFixture F{TDataType(Type)};
        const TTableSide &S = F.Side();
        for (int I = 0; I < 5; ++I) {
            S.SetPart(F.L(), I, 0, 0, QString::number(10 * I));
            if (Type == dtGrup)
                S.SetPart(F.L(), I, 0, 1, QString::number(10 * I + 10));
            S.SetPart(F.L(), I, 0, S.Parts() - 1, QString::number(I + 7));
        }
        F.Mark(0);
        const QString Prefix = Type == dtGrup ? "GrupEdit" : "HypEdit";
        QCOMPARE(F.Edit->MenuAction(Prefix + "Gem")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(F.Edit->MenuAction("PrintData")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

        QTemporaryDir Dir;
        const QString Pdf = Dir.filePath(QStringLiteral("ud.pdf"));
        QPrinter &Printer = F.Host.Printer();
        Printer.setOutputFormat(QPrinter::PdfFormat);
        Printer.setResolution(300);
        Printer.setPageSize(QPageSize(QPageSize::A4));
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
        QClipboard *C = QGuiApplication::clipboard();
        C->setText(QStringLiteral("før"));
        F.Edit->MenuAction(CopyItem)->trigger();
        const tDescriptor &D = DescriptorOf(F.L());
        QCOMPARE(C->text(), CopyItem == "KopierTabel" ? TableText(D) : KeyFiguresText(D));
        QVERIFY(C->text().contains(QStringLiteral("40")));
    }
};

QTEST_MAIN(TestTableEdit)
#include "tst_tableedit.moc"
