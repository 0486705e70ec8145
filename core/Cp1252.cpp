#include "Cp1252.h"

namespace
{

// Characters of the bytes 80 to 9F; the undefined bytes map to themselves.
constexpr char16_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

char ByteOf(char16_t C)
{
    if (C < 0x80 || (C >= 0xA0 && C <= 0xFF))
        return char(C);
    for (int I = 0; I < 32; ++I)
        if (High[I] == C)
            return char(0x80 + I);
    return '?';
}

} // namespace

QByteArray ToCp1252(QStringView Text)
{
    QByteArray Out;
    Out.reserve(Text.size());
    const qsizetype N = Text.size();
    for (qsizetype I = 0; I < N; ++I) {
        const QChar C = Text[I];
        if (C.isHighSurrogate() && I + 1 < N && Text[I + 1].isLowSurrogate()) {
            Out.append('?');
            ++I;
            continue;
        }
        Out.append(ByteOf(C.unicode()));
    }
    return Out;
}

QString FromCp1252(const char *Data, qsizetype Size)
{
    QString Out(Size, Qt::Uninitialized);
    QChar *D = Out.data();
    for (qsizetype I = 0; I < Size; ++I) {
        const auto B = static_cast<unsigned char>(Data[I]);
        D[I] = QChar(B >= 0x80 && B < 0xA0 ? High[B - 0x80] : char16_t(B));
    }
    return Out;
}
