// Data-driven tests over an array of row structs: the _data() function names
// each row by its Name and hands the test its index.
#pragma once

#include <QTest>

template <class tRow, size_t N> void AddRows(const tRow (&Rows)[N])
{
    QTest::addColumn<int>("row");
    for (size_t I = 0; I < N; ++I)
        QTest::newRow(Rows[I].Name) << int(I);
}

// The row the running test was given.
template <class tRow, size_t N> const tRow &CurrentRow(const tRow (&Rows)[N])
{
    QFETCH(int, row);
    return Rows[row];
}
