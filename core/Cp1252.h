// Windows-1252, the character set of the data file. Text in memory is
// QString; these two conversions are used at the file boundary only.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Every character without a Windows-1252 byte becomes '?' (a surrogate pair
// becomes one '?').
QByteArray ToCp1252(QStringView Text);

// Every byte has a character: the five bytes Windows-1252 leaves undefined
// (81, 8D, 8F, 90, 9D) read as the control characters of the same number, so
// they survive a load and a save.
QString FromCp1252(const char *Data, qsizetype Size);
inline QString FromCp1252(const QByteArray &Bytes)
{
    return FromCp1252(Bytes.constData(), Bytes.size());
}
