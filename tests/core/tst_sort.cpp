// The line sorts against a literal neighbour-swapping bubble sort.
#include "Lumen.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QtTest>

namespace
{

// One bubble step: exchange lines I and I+1 in the names and every column,
// padding lists that end exactly at I.
void BubbleSwap(tLumen &L, int I)
{
    if (I == L.LineNames.size() - 1)
        L.LineNames.append(QString());
    if (I + 1 < L.LineNames.size())
        L.LineNames.swapItemsAt(I, I + 1);
    for (tDataCol &C : L.Cols) {
        if (C.Cells.isEmpty())
            continue;
        if (I == C.Cells.size() - 1)
            C.Cells.append(tCell{});
        if (I + 1 < C.Cells.size())
            std::swap(C.Cells[I], C.Cells[I + 1]);
    }
}

void TrimAfterSort(tLumen &L)
{
    while (!L.LineNames.isEmpty() && L.LineNames.last().isEmpty())
        L.LineNames.removeLast();
    for (tDataCol &C : L.Cols)
        while (!C.Cells.isEmpty() && C.Cells.last().State != csNumber)
            C.Cells.removeLast();
}

void BubbleByColumn(tLumen &L, int Col, bool Asc)
{
    bool Swapped = true;
    while (Swapped) {
        Swapped = false;
        const int N = L.CellCount(Col);
        for (int I = 0; I + 1 < N; ++I) {
            const tCell &A = L.Cols[Col].Cells[I];
            const tCell &B = L.Cols[Col].Cells[I + 1];
            bool Swap;
            if (A.State == csNumber && B.State == csNumber)
                Swap = Asc ? B.Value < A.Value : B.Value > A.Value;
            else
                Swap = B.State == csNumber && A.State != csNumber;
            if (Swap) {
                BubbleSwap(L, I);
                Swapped = true;
            }
        }
    }
    TrimAfterSort(L);
}

void BubbleByName(tLumen &L, bool Asc)
{
    bool Swapped = true;
    while (Swapped) {
        Swapped = false;
        const int N = L.MaxLines();
        for (int I = 0; I + 1 < N; ++I) {
            int Cmp = QString::compare(L.GetLineName(I), L.GetLineName(I + 1));
            if (Asc ? Cmp > 0 : Cmp < 0) {
                BubbleSwap(L, I);
                Swapped = true;
            }
        }
    }
    TrimAfterSort(L);
}

// A random sheet: columns of different lengths with numbers (many equal),
// texts and gaps, and some line names.
void RandomSheet(tLumen &L, QRandomGenerator &R)
{
    int Cols = 1 + R.bounded(6);
    for (int C = 0; C < Cols; ++C) {
        int Len = R.bounded(40);
        for (int I = 0; I < Len; ++I) {
            int K = R.bounded(10);
            if (K < 6)
                L.SetCellText(I, C, QString::number(R.bounded(8)));
            else if (K < 8)
                L.SetCellText(I, C, QStringLiteral("t%1").arg(I));
        }
    }
    int Names = R.bounded(45);
    for (int I = 0; I < Names; ++I)
        if (R.bounded(3))
            L.SetLineName(I, QString(QChar('a' + R.bounded(5))));
}

void Copy(tLumen &To, const tLumen &From)
{
    To.Cols = From.Cols;
    To.LineNames = From.LineNames;
}

bool Same(const tLumen &A, const tLumen &B)
{
    if (A.LineNames != B.LineNames)
        return false;
    for (int C = 0; C < ObsColumns; ++C) {
        if (A.CellCount(C) != B.CellCount(C))
            return false;
        for (int I = 0; I < A.CellCount(C); ++I) {
            const tCell &X = A.Cols[C].Cells[I];
            const tCell &Y = B.Cols[C].Cells[I];
            if (X.State != Y.State || X.Text != Y.Text || X.Value != Y.Value)
                return false;
        }
    }
    return true;
}

} // namespace

class TestSort : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void byColumnMatchesBubble_data()
    {
        QTest::addColumn<bool>("ascending");
        QTest::newRow("ascending") << true;
        QTest::newRow("descending") << false;
    }
    void byColumnMatchesBubble()
    {
        QFETCH(bool, ascending);
        QRandomGenerator R(ascending ? 17 : 23);
        for (int Round = 0; Round < 300; ++Round) {
            tLumen Fast, Slow;
            RandomSheet(Fast, R);
            Copy(Slow, Fast);
            int Col = R.bounded(7);
            Fast.SortLinesByColumn(Col, ascending);
            BubbleByColumn(Slow, Col, ascending);
            if (!Same(Fast, Slow))
                QFAIL(qPrintable(QStringLiteral("round %1, column %2").arg(Round).arg(Col)));
        }
    }

    void byNameMatchesBubble_data() { byColumnMatchesBubble_data(); }
    void byNameMatchesBubble()
    {
        QFETCH(bool, ascending);
        QRandomGenerator R(ascending ? 5 : 6);
        for (int Round = 0; Round < 300; ++Round) {
            tLumen Fast, Slow;
            RandomSheet(Fast, R);
            Copy(Slow, Fast);
            Fast.SortLinesByName(ascending);
            BubbleByName(Slow, ascending);
            if (!Same(Fast, Slow))
                QFAIL(qPrintable(QStringLiteral("round %1").arg(Round)));
        }
    }
};

QTEST_GUILESS_MAIN(TestSort)
#include "tst_sort.moc"
