#include "NumberText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Turns the C library's point into the comma the program always shows and
// drops the sign of a text that rounded to zero ("-0,00" helps nobody).
QString Finish(const char *Buf)
{
    QString S = QString::fromLatin1(Buf).trimmed();
    if (S.startsWith(QLatin1Char('-'))) {
        bool AllZero = true;
        for (QChar C : S) {
            if (C.isDigit() && C != QLatin1Char('0')) {
                AllZero = false;
                break;
            }
            if (C == QLatin1Char('e') || C == QLatin1Char('E'))
                break;
        }
        if (AllZero)
            S.remove(0, 1);
    }
    int Dot = S.indexOf(QLatin1Char('.'));
    if (Dot >= 0)
        S[Dot] = QLatin1Char(',');
    return S;
}

QString NonFinite(Extended Value)
{
    if (std::isnan(Value))
        return QStringLiteral("NAN");
    return Value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// Scientific text: mantissa without trailing zeros, "E", exponent with a sign
// only when negative and no leading zeros.
QString Scientific(Extended Value, int Digits)
{
    char Buf[64];
    std::snprintf(Buf, sizeof Buf, "%.*LE", Digits - 1, Value);
    std::string S(Buf);
    size_t E = S.find('E');
    std::string Mant = S.substr(0, E);
    std::string Exp = S.substr(E + 1);
    if (Mant.find('.') != std::string::npos) {
        while (!Mant.empty() && Mant.back() == '0')
            Mant.pop_back();
        if (!Mant.empty() && Mant.back() == '.')
            Mant.pop_back();
    }
    bool Neg = !Exp.empty() && Exp[0] == '-';
    if (!Exp.empty() && (Exp[0] == '-' || Exp[0] == '+'))
        Exp.erase(0, 1);
    while (Exp.size() > 1 && Exp[0] == '0')
        Exp.erase(0, 1);
    // Appended piece by piece: GCC 12 warns falsely about chained operator+.
    std::string Out = Mant;
    Out += 'E';
    if (Neg)
        Out += '-';
    Out += Exp;
    return Finish(Out.c_str());
}

bool IsAsciiDigit(char C) { return C >= '0' && C <= '9'; }

} // namespace

QString FormatFixed(Extended Value, int Decimals)
{
    if (!std::isfinite(Value))
        return NonFinite(Value);
    if (Decimals < 0)
        Decimals = 0;
    if (Decimals > 40)
        Decimals = 40;
    // Large values need a bigger buffer: 4933 digits at most for long double.
    std::string Buf(5000 + Decimals, '\0');
    std::snprintf(Buf.data(), Buf.size(), "%.*Lf", Decimals, Value);
    return Finish(Buf.c_str());
}

QString FormatNumber(Extended Value, int32_t Decimals)
{
    if (!std::isfinite(Value))
        return NonFinite(Value);
    if (Decimals < 0)
        Decimals = 0;
    if (Decimals > 18)
        Decimals = 18;
    if (std::fabs(Value) >= 1e18L)
        return Scientific(Value, 18);
    // Round to 18 significant digits first, then to the decimals asked for,
    // both on the decimal digits, so no binary noise shows in the last places.
    char Buf[64];
    std::snprintf(Buf, sizeof Buf, "%.17LE", Value);
    const bool Neg = Buf[0] == '-';
    const char *P = Buf + (Neg ? 1 : 0);
    std::string Digits;
    for (; *P && *P != 'E'; ++P)
        if (IsAsciiDigit(*P))
            Digits.push_back(*P);
    int Exp = std::atoi(P + 1); // the first digit stands at 10^Exp
    if (Value == 0)
        Exp = 0;
    int Keep = Exp + 1 + Decimals; // digits up to 10^-Decimals
    if (Keep < 0) {
        Digits.assign(1, '0');
        Exp = 0;
        Keep = 1 + Decimals;
    } else if (Keep < int(Digits.size())) {
        bool Up = Digits[Keep] >= '5';
        Digits.resize(Keep);
        if (Up) {
            int I = Keep - 1;
            while (I >= 0 && Digits[I] == '9')
                Digits[I--] = '0';
            if (I >= 0)
                ++Digits[I];
            else {
                Digits.insert(Digits.begin(), '1');
                ++Exp;
            }
        }
        if (Digits.empty()) {
            Digits.assign(1, '0');
            Exp = 0;
        }
    }
    // Place the digits around the decimal mark.
    std::string Int, Frac;
    for (int Pos = std::max(Exp, 0); Pos >= -Decimals; --Pos) {
        int Index = Exp - Pos;
        char D = Index >= 0 && Index < int(Digits.size()) ? Digits[Index] : '0';
        (Pos >= 0 ? Int : Frac).push_back(D);
    }
    std::string Out;
    if (Neg)
        Out += '-';
    Out += Int;
    if (Decimals > 0) {
        Out += '.';
        Out += Frac;
    }
    return Finish(Out.c_str());
}

QString FormatGeneral(Extended Value)
{
    if (!std::isfinite(Value))
        return NonFinite(Value);
    if (Value == 0)
        return QStringLiteral("0");
    char Buf[64];
    std::snprintf(Buf, sizeof Buf, "%.14LE", Value);
    int Exp = std::atoi(std::strchr(Buf, 'E') + 1);
    if (Exp < -5 || Exp >= 15)
        return Scientific(Value, 15);
    std::snprintf(Buf, sizeof Buf, "%.*Lf", std::max(0, 14 - Exp), Value);
    std::string S(Buf);
    if (S.find('.') != std::string::npos) {
        while (S.back() == '0')
            S.pop_back();
        if (S.back() == '.')
            S.pop_back();
    }
    return Finish(S.c_str());
}

namespace {

// The typed text with its first "." and then its first "," turned into the
// one decimal mark the conversion below knows; blanks around removed. Returns
// false for characters outside plain ASCII, which can never form a number.
bool Normalise(const QString &Text, std::string &Out)
{
    QString W = Text;
    int P = W.indexOf(QLatin1Char('.'));
    if (P >= 0)
        W[P] = QLatin1Char('.');
    P = W.indexOf(QLatin1Char(','));
    if (P >= 0)
        W[P] = QLatin1Char('.');
    int B = 0, E = W.size();
    while (B < E && W[B] == QLatin1Char(' '))
        ++B;
    while (E > B && W[E - 1] == QLatin1Char(' '))
        --E;
    Out.clear();
    Out.reserve(E - B);
    for (int I = B; I < E; ++I) {
        ushort U = W[I].unicode();
        if (U >= 128)
            return false;
        Out.push_back(char(U));
    }
    return true;
}

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// Sign, digits with at most one decimal point (at least one digit), optional
// exponent with digits. Nothing else.
bool IsDecimalText(const std::string &S)
{
    size_t I = 0, N = S.size();
    if (I < N && (S[I] == '+' || S[I] == '-'))
        ++I;
    size_t Digits = 0;
    while (I < N && IsDigit(S[I])) {
        ++I;
        ++Digits;
    }
    if (I < N && S[I] == '.') {
        ++I;
        while (I < N && IsDigit(S[I])) {
            ++I;
            ++Digits;
        }
    }
    if (Digits == 0)
        return false;
    if (I < N && (S[I] == 'e' || S[I] == 'E')) {
        ++I;
        if (I < N && (S[I] == '+' || S[I] == '-'))
            ++I;
        size_t ExpDigits = 0;
        while (I < N && IsDigit(S[I])) {
            ++I;
            ++ExpDigits;
        }
        if (ExpDigits == 0)
            return false;
    }
    return I == N;
}

} // namespace

namespace {

// Exact powers of ten: 10^k fits the 64-bit significand for k <= 27.
constexpr int MaxExactPower = 27;

const std::array<Extended, MaxExactPower + 1> &PowersOfTen()
{
    static const std::array<Extended, MaxExactPower + 1> Table = [] {
        std::array<Extended, MaxExactPower + 1> T{};
        T[0] = 1;
        for (int I = 1; I <= MaxExactPower; ++I)
            T[I] = T[I - 1] * 10;
        return T;
    }();
    return Table;
}

// The usual typed or imported number (blanks, a sign, at most 19 digits with
// at most 27 of them after one decimal mark, no exponent) read straight from
// the text: its digits as an integer N, which Extended holds exactly, and
// N / 10^k, one correctly rounded operation on exact values, which is what
// strtold gives. False where it is not such a number.
bool ParsePlainNumber(const QString &Text, Extended &Value)
{
    const QChar *P = Text.constData(), *E = P + Text.size();
    while (P < E && *P == QLatin1Char(' '))
        ++P;
    while (E > P && E[-1] == QLatin1Char(' '))
        --E;
    bool Negative = false;
    if (P < E && (*P == QLatin1Char('-') || *P == QLatin1Char('+')))
        Negative = *P++ == QLatin1Char('-');
    uint64_t N = 0;
    int Digits = 0, Significant = 0, After = -1;
    for (; P < E; ++P) {
        const char16_t C = P->unicode();
        if (C >= u'0' && C <= u'9') {
            ++Digits;
            if (After >= 0)
                ++After;
            if (N == 0 && C == u'0')
                continue;
            if (++Significant > 19)
                return false;
            N = N * 10 + (C - u'0');
        } else if ((C == u'.' || C == u',') && After < 0)
            After = 0;
        else
            return false;
    }
    if (Digits == 0 || After > MaxExactPower)
        return false;
    const Extended V = After > 0 ? Extended(N) / PowersOfTen()[size_t(After)] : Extended(N);
    Value = Negative ? -V : V;
    return true;
}

} // namespace

bool ParseNumber(const QString &Text, Extended &Value)
{
    if (Text.isEmpty() || Text == QLatin1String("-"))
        return false;
    if (ParsePlainNumber(Text, Value))
        return true;
    std::string S;
    if (!Normalise(Text, S) || !IsDecimalText(S))
        return false;
    errno = 0;
    Extended V = std::strtold(S.c_str(), nullptr);
    if (!std::isfinite(V))
        return false; // out of range
    Value = V;
    return true;
}

bool ParseInteger(const QString &Text, int32_t &Value)
{
    if (Text.isEmpty() || Text == QLatin1String("-"))
        return false;
    std::string S;
    if (!Normalise(Text, S) || S.empty())
        return false;
    size_t I = 0;
    bool Neg = false;
    if (S[I] == '+' || S[I] == '-') {
        Neg = S[I] == '-';
        ++I;
    }
    if (I == S.size())
        return false;
    long long V = 0;
    for (; I < S.size(); ++I) {
        if (!IsDigit(S[I]))
            return false;
        V = V * 10 + (S[I] - '0');
        if (V > 2147483648LL)
            return false;
    }
    if (Neg)
        V = -V;
    if (V > INT32_MAX || V < INT32_MIN)
        return false;
    Value = int32_t(V);
    return true;
}

namespace {


} // namespace

// The value that the general 15-digit text of R reads back as, without going
// through text: the 15 leading digits are rounded as an integer N and
// N * 10^-k is one correctly rounded operation, as reading the text is.
// Returns false where that cannot be sure (digits close to a half, very large
// or very small magnitudes); the caller then takes the text route.
bool RoundTo15Digits(Extended R, Extended &Out)
{
    if (!std::isfinite(R))
        return false;
    if (R == 0) {
        Out = 0;
        return true;
    }
    const Extended Abs = std::fabs(R);
    int Exp = int(std::floor(std::log10(Abs)));
    const auto &Pow = PowersOfTen();
    Extended Scaled = 0;
    int K = 0;
    for (int Try = 0; Try < 2; ++Try) {
        K = 14 - Exp;
        if (K > MaxExactPower || -K > MaxExactPower)
            return false;
        Scaled = K >= 0 ? Abs * Pow[K] : Abs / Pow[-K];
        if (Scaled >= 1e15L)
            ++Exp;
        else if (Scaled < 1e14L)
            --Exp;
        else
            break;
        if (Try == 1)
            return false;
    }
    const Extended Whole = std::floor(Scaled);
    const Extended Frac = Scaled - Whole;
    if (std::fabs(Frac - 0.5L) < 1e-3L)
        return false;
    const Extended N = Frac > 0.5L ? Whole + 1 : Whole;
    Out = K >= 0 ? N / Pow[K] : N * Pow[-K];
    if (R < 0)
        Out = -Out;
    return true;
}

int32_t DecimalsToShow(Extended Value, int32_t Max)
{
    if (!std::isfinite(Value) || Value == 0 || Max <= 0)
        return 0;
    const Extended Size = std::fabs(Value);
    Extended Scale = 1;
    for (int32_t D = 0; D <= Max; ++D, Scale *= 10) {
        const Extended Shown = std::round(Value * Scale) / Scale;
        if (std::fabs(Shown - Value) <= Size * 1e-12L)
            return D;
    }
    const int32_t ThreeDigits = 2 - int32_t(std::floor(std::log10(Size)));
    return std::clamp<int32_t>(std::max<int32_t>(ThreeDigits, 2), 0, Max);
}
