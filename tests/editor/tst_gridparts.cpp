// The grid parts the editors share: the models over a shape (data columns,
// parts per column, fillers, header rows, line names) and what they hand the
// editor, the block's sizes, and the decimals a typed number asks for.
#include "GridBlock.h"
#include "GridEditor.h"
#include "GridModels.h"

#include <QHeaderView>
#include <QToolButton>
#include <QtTest>

namespace
{

// Records what the models hand their editor.
class TFakeOwner : public TGridOwner
{
  public:
    tLumen &GridLumen() override { return Lumen; }
    int GridRowCount() const override { return 10; }
    void CellTyped(int Line, int GridCol, const QString &Text) override
    {
        Calls << QString("typed %1 %2 %3").arg(Line).arg(GridCol).arg(Text);
    }
    void ColNameTyped(int Col, const QString &Text) override
    {
        Calls << QString("col %1 %2").arg(Col).arg(Text);
    }
    void LineNameTyped(int Line, const QString &Text) override
    {
        Calls << QString("line %1 %2").arg(Line).arg(Text);
    }
    void CellEditStarted(int Line, int GridCol) override
    {
        Calls << QString("start %1 %2").arg(Line).arg(GridCol);
    }
    void CellEditCancelled(int Line, int GridCol) override
    {
        Calls << QString("cancel %1 %2").arg(Line).arg(GridCol);
    }
    tLumen Lumen;
    QStringList Calls;
};

TGridShape Shape(int Columns, int Parts, bool Filler, int HeaderRows, bool LineNames)
{
    TGridShape S;
    S.Columns = Columns;
    S.Parts = Parts;
    S.Filler = Filler;
    S.HeaderRows = HeaderRows;
    S.LineNames = LineNames;
    return S;
}

// A data model whose odd columns the cursor may not enter.
class TOddClosed : public TGridDataModel
{
  public:
    using TGridDataModel::TGridDataModel;
    QVariant data(const QModelIndex &, int) const override { return {}; }

  protected:
    bool Enterable(int Col) const override { return Col % 2 == 0; }
};

class TPlainHeader : public TGridColHeaderModel
{
  public:
    using TGridColHeaderModel::TGridColHeaderModel;
    QVariant data(const QModelIndex &, int) const override { return {}; }
};

} // namespace

class TstGridParts : public QObject
{
    Q_OBJECT
  private slots:
    // Grid columns and data columns: the observation shape (26 x 1), the
    // frequency shape (8 x 2 and fillers) and the grouped one (8 x 3).
    void dataColumns_data()
    {
        QTest::addColumn<int>("Columns");
        QTest::addColumn<int>("Parts");
        QTest::addColumn<bool>("Filler");
        QTest::addColumn<int>("GridCol");
        QTest::addColumn<int>("DataCol");
        QTest::addColumn<int>("Part");
        QTest::addColumn<int>("GridCount");
        QTest::newRow("letters Z") << 26 << 1 << false << 25 << 25 << 0 << 26;
        QTest::newRow("frequency 3 count") << 8 << 2 << true << 5 << 2 << 1 << 18;
        QTest::newRow("frequency filler") << 8 << 2 << true << 16 << -1 << 0 << 18;
        QTest::newRow("grouped 2 upper") << 8 << 3 << true << 4 << 1 << 1 << 27;
        QTest::newRow("grouped last filler") << 8 << 3 << true << 26 << -1 << 2 << 27;
        QTest::newRow("before the first") << 8 << 3 << true << -1 << -1 << -1 << 27;
    }

    void dataColumns()
    {
        QFETCH(int, Columns);
        QFETCH(int, Parts);
        QFETCH(bool, Filler);
        QFETCH(int, GridCol);
        QFETCH(int, DataCol);
        QFETCH(int, Part);
        QFETCH(int, GridCount);
        TFakeOwner Owner;
        TOddClosed M(Owner, Shape(Columns, Parts, Filler, 2, false));
        QCOMPARE(M.columnCount(), GridCount);
        QCOMPARE(M.rowCount(), 10);
        QCOMPARE(M.DataCol(GridCol), DataCol);
        QCOMPARE(M.Part(GridCol), Part);
        if (DataCol >= 0)
            QCOMPARE(M.GridCol(DataCol, Part), GridCol);
        // Fillers and closed columns keep the cursor out; the open ones edit.
        const Qt::ItemFlags F = M.flags(M.index(0, GridCol));
        QCOMPARE(bool(F & Qt::ItemIsEditable), DataCol >= 0 && DataCol % 2 == 0);
    }

    // What an edit in each grid hands the editor, and what is refused.
    void editsReachTheOwner()
    {
        TFakeOwner Owner;
        const TGridShape S = Shape(8, 3, true, 3, true);
        TOddClosed Data(Owner, S);
        TPlainHeader Cols(Owner, S);
        TGridLineHeaderModel Lines(Owner, S);
        QVERIFY(Data.setData(Data.index(4, 7), "12", Qt::EditRole));
        QVERIFY(Data.setData(Data.index(4, 7), {}, int(TGridRole::BeginEdit)));
        QVERIFY(Data.setData(Data.index(4, 7), "1", int(TGridRole::CancelEdit)));
        QVERIFY(!Data.setData(Data.index(4, 25), "9", Qt::EditRole)); // a filler
        QVERIFY(!Data.setData(Data.index(4, 7), "9", Qt::DisplayRole));
        QVERIFY(Cols.setData(Cols.index(1, 2), "Højde", Qt::EditRole));
        QVERIFY(Cols.setData(Cols.index(1, 3), "Vægt", int(TGridRole::CancelEdit)));
        QVERIFY(!Cols.setData(Cols.index(0, 2), "3", Qt::EditRole)); // the number
        QVERIFY(!Cols.setData(Cols.index(1, 8), "x", Qt::EditRole)); // the filler
        QVERIFY(Lines.setData(Lines.index(6, 1), "Ida", Qt::EditRole));
        QVERIFY(!Lines.setData(Lines.index(6, 0), "7", Qt::EditRole));
        QCOMPARE(Owner.Calls, QStringList({"typed 4 7 12", "start 4 7", "cancel 4 7",
                                           "col 2 Højde", "col 3 Vægt", "line 6 Ida"}));
        QCOMPARE(Cols.rowCount(), 3);
        QCOMPARE(Cols.columnCount(), 9);
        QCOMPARE(Cols.flags(Cols.index(1, 8)), Qt::NoItemFlags);
        QCOMPARE(Lines.columnCount(), 2);
        QCOMPARE(Lines.data(Lines.index(6, 0), Qt::DisplayRole).toString(), QString("7"));
        Owner.Lumen.SetLineName(6, "Ida");
        QCOMPARE(Lines.data(Lines.index(6, 1), Qt::DisplayRole).toString(), QString("Ida"));
    }

    // A column's change covers all its parts; a line's every data column.
    void changesCoverTheParts()
    {
        TFakeOwner Owner;
        TOddClosed M(Owner, Shape(8, 3, true, 3, false));
        QSignalSpy Spy(&M, &QAbstractItemModel::dataChanged);
        M.ColumnChanged(2);
        M.LineChanged(9);
        M.ColumnChanged(8); // no such column
        M.GridColumnChanged(25); // a filler
        QCOMPARE(Spy.size(), 2);
        QCOMPARE(Spy[0][0].toModelIndex(), M.index(0, 6));
        QCOMPARE(Spy[0][1].toModelIndex(), M.index(9, 8));
        QCOMPARE(Spy[1][0].toModelIndex(), M.index(9, 0));
        QCOMPARE(Spy[1][1].toModelIndex(), M.index(9, 23));
    }

    // The block's header and line header take the sizes they are given.
    void blockSizes()
    {
        TFakeOwner Owner;
        const TGridShape S = Shape(8, 3, true, 3, false);
        TOddClosed Data(Owner, S);
        TPlainHeader Cols(Owner, S);
        TGridLineHeaderModel Lines(Owner, S);
        TGridBlockLook Look;
        Look.DataName = "GrupDG";
        Look.Parts = 3;
        Look.CellWidth = 72;
        Look.HeaderRowHeights = {26, 24, 24};
        Look.LineHeaderWidths = {48};
        Look.DirectionLeft = 9;
        TGridBlock B(Look, "1", &Data, &Cols, &Lines, nullptr);
        QCOMPARE(B.DataDG->objectName(), QString("GrupDG1"));
        QCOMPARE(B.DirectionSpeed->objectName(), QString("DirectionSpeed1"));
        QCOMPARE(B.HeaderHeight(), 74);
        QCOMPARE(B.SojleDG->height(), 74);
        QCOMPARE(B.LinieDG->width(), 48);
        QCOMPARE(B.SojleDG->columnWidth(0), 3 * 72);
        QCOMPARE(B.DataDG->columnWidth(4), 72);
        QCOMPARE(B.DataDG->rowHeight(3), 24);
        QCOMPARE(B.DirectionSpeed->geometry().left(), 9);
    }

    void typedDecimals_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<int>("Decimals");
        QTest::newRow("whole") << "12" << -1;
        QTest::newRow("point") << "1.25" << 2;
        QTest::newRow("comma") << "3,5" << 1;
        QTest::newRow("mark last") << "7," << 0;
        QTest::newRow("last mark counts") << "1.000,125" << 3;
        QTest::newRow("at most nine") << "0.123456789012" << 9;
    }

    void typedDecimals()
    {
        QFETCH(QString, Text);
        QFETCH(int, Decimals);
        QCOMPARE(TypedDecimals(Text), Decimals);
    }
};

QTEST_MAIN(TstGridParts)
#include "tst_gridparts.moc"
