// The formula language of computed columns: text preparation, the compiler
// into a small token table and the shunting evaluator.
#include "FormulaText.h"
#include "Lumen.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

// Operator codes; the code is also the binding strength.
enum : uint8_t {
    opParen = 0,
    opAdd = 1,
    opSub = 2,
    opPlus = 3,
    opNeg = 4,
    opMul = 5,
    opDiv = 6,
    opPow = 7,
    opGt = 8,
    opLt = 9,
    opGe = 10,
    opLe = 11,
    opEq = 12,
    opNe = 13,
    opSin = 14,
    opCos = 15,
    opAfk = 16,
    opKvr = 17,
    opAbs = 18,
    opRund = 19,
    opLog = 20,
    opLn = 21,
    opExp = 22,
};

enum : uint8_t { tkNumber = 0, tkOperator = 1, tkVariable = 2, tkParen = 3, tkEnd = 4 };

enum : uint8_t {
    errNone = 0,
    errParen = 1,
    errSyntax = 3,
    errMath = 5,
    errName = 6,
    errNumber = 7,
    errTooManyVars = 8,
    errBalance = 9,
    errTooLong = 10,
};

constexpr int MaxTokens = 32;

// Two values closer than this count as equal in comparisons.
constexpr Extended CompareTolerance = 5E-10L;

constexpr QChar GeChar(0x00BB); // »
constexpr QChar LeChar(0x00AB); // «

bool IsBinary(uint8_t Code) { return Code == opAdd || Code == opSub || (Code >= opMul && Code <= opNe); }
bool IsUnary(uint8_t Code) { return Code == opNeg || (Code >= opSin && Code <= opExp); }

// Nearest integer, a half going to the even neighbour, independent of the
// floating-point rounding mode.
Extended RoundHalfEven(Extended X)
{
    const Extended Lo = std::floor(X);
    const Extended Frac = X - Lo;
    if (Frac < 0.5L)
        return Lo;
    if (Frac > 0.5L)
        return Lo + 1;
    return std::fmod(Lo, 2.0L) == 0 ? Lo : Lo + 1;
}

// a^n for an integer n >= 0 by repeated squaring and multiplication.
Extended IntPower(Extended A, uint32_t N)
{
    Extended Result = 1;
    while (N > 0) {
        if (N & 1u)
            Result *= A;
        N >>= 1;
        if (N > 0)
            A *= A;
    }
    return Result;
}

// Power with the language's rules; false on an arithmetic fault.
bool Power(Extended A, Extended B, Extended &R)
{
    if (B == 0) {
        R = 1;
        return true;
    }
    if (A == 0 && B > 0) {
        R = 0;
        return true;
    }
    if (B == std::trunc(B) && B >= -2147483648.0L && B <= 2147483647.0L) {
        const int64_t N = static_cast<int64_t>(B);
        const Extended P = IntPower(A, static_cast<uint32_t>(N < 0 ? -N : N));
        if (N >= 0) {
            R = P;
        } else if (std::isinf(P)) {
            R = 0; // the reciprocal underflows, which is no fault
        } else {
            if (P == 0)
                return false;
            R = 1 / P;
        }
        return std::isfinite(R);
    }
    if (A <= 0)
        return false;
    R = std::exp(B * std::log(A));
    return std::isfinite(R);
}

// Applies one operator to the top of the value stack. Returns an error code.
uint8_t Apply(uint8_t Code, Extended *Values, int &Count)
{
    if (Code == opPlus)
        return errNone;
    if (IsBinary(Code)) {
        if (Count < 2)
            return errSyntax;
        const Extended B = Values[--Count];
        Extended &A = Values[Count - 1];
        Extended R = 0;
        switch (Code) {
        case opAdd:
            R = A + B;
            break;
        case opSub:
            R = A - B;
            break;
        case opMul:
            R = A * B;
            break;
        case opDiv:
            if (B == 0)
                return errMath;
            R = A / B;
            break;
        case opPow:
            if (!Power(A, B, R))
                return errMath;
            break;
        case opGt:
            R = (A - B > CompareTolerance) ? 1 : 0;
            break;
        case opLt:
            R = (B - A > CompareTolerance) ? 1 : 0;
            break;
        case opGe:
            R = (B - A > CompareTolerance) ? 0 : 1;
            break;
        case opLe:
            R = (A - B > CompareTolerance) ? 0 : 1;
            break;
        case opEq:
            R = (std::fabs(A - B) <= CompareTolerance) ? 1 : 0;
            break;
        case opNe:
            R = (std::fabs(A - B) <= CompareTolerance) ? 0 : 1;
            break;
        }
        if (!std::isfinite(R))
            return errMath;
        A = R;
        return errNone;
    }
    if (IsUnary(Code)) {
        if (Count < 1)
            return errSyntax;
        Extended &A = Values[Count - 1];
        Extended R = 0;
        switch (Code) {
        case opNeg:
            R = -A;
            break;
        case opSin:
            R = std::sin(A);
            break;
        case opCos:
            R = std::cos(A);
            break;
        case opAfk:
            R = std::trunc(A);
            break;
        case opKvr:
            if (A < 0)
                return errMath;
            R = std::sqrt(A);
            break;
        case opAbs:
            R = std::fabs(A);
            break;
        case opRund:
            R = RoundHalfEven(A);
            break;
        case opLog:
            if (A <= 0)
                return errMath;
            R = std::log10(A);
            break;
        case opLn:
            if (A <= 0)
                return errMath;
            R = std::log(A);
            break;
        case opExp:
            R = std::exp(A);
            break;
        }
        if (!std::isfinite(R))
            return errMath;
        A = R;
        return errNone;
    }
    return errSyntax;
}

// Counts operands instead of computing: the structure check of a compile.
uint8_t ApplyCount(uint8_t Code, int &Count)
{
    if (Code == opPlus)
        return errNone;
    if (IsBinary(Code)) {
        if (Count < 2)
            return errSyntax;
        --Count;
        return errNone;
    }
    if (IsUnary(Code))
        return Count < 1 ? errSyntax : errNone;
    return errSyntax;
}

// The shunting walk shared by the evaluator and the structure check. With
// Counting, values are only counted. Returns the error code and the result.
template <bool Counting>
uint8_t Shunt(const std::array<tToken, 34> &Tokens, int TokenCount,
              const std::array<iVarRecords, 27> &Vars, Extended &Result)
{
    std::array<Extended, 34> Values;
    std::array<uint8_t, 34> Ops;
    int NValues = 0;
    int NOps = 0;
    uint8_t Err = errNone;

    auto Reduce = [&](uint8_t Incoming) {
        while (NOps > 0 && Ops[NOps - 1] >= Incoming) {
            const uint8_t Top = Ops[--NOps];
            if (Top == opParen)
                return;
            Err = Counting ? ApplyCount(Top, NValues) : Apply(Top, Values.data(), NValues);
            if (Err != errNone)
                return;
        }
    };

    const int Last = std::min(TokenCount + 1, 33);
    for (int I = 1; I <= Last; ++I) {
        const tToken &T = Tokens[I];
        if (I == TokenCount + 1 || T.Kind == tkEnd)
            break;
        switch (T.Kind) {
        case tkNumber:
            Values[NValues++] = T.Number;
            break;
        case tkVariable:
            if (T.Code < 1 || T.Code > 26)
                return errSyntax;
            Values[NValues++] = Vars[T.Code].Value;
            break;
        case tkParen:
            if (T.Code == 0)
                Ops[NOps++] = opParen;
            else
                Reduce(opParen);
            break;
        case tkOperator:
            Reduce(T.Code);
            if (Err == errNone)
                Ops[NOps++] = T.Code;
            break;
        default:
            return errSyntax;
        }
        if (Err != errNone)
            return Err;
    }
    Reduce(opParen);
    if (Err != errNone)
        return Err;
    if (NOps != 0 || NValues != 1)
        return errBalance;
    if (!Counting)
        Result = Values[0];
    return errNone;
}

} // namespace

bool IsFormulaLetter(QChar C)
{
    const char16_t U = C.unicode();
    return (U >= 'A' && U <= 'Z') || U == 0x00C6 || U == 0x00D8 || U == 0x00C5; // Æ Ø Å
}

bool IsFormulaIdentChar(QChar C)
{
    const char16_t U = C.unicode();
    return (U >= '0' && U <= '9') || U == '.' || U == ',' || IsFormulaLetter(C);
}

int FormulaFunctionCode(const QString &Name)
{
    static const char *const Names[] = {"SIN", "COS", "AFK", "KVR", "ABS",
                                        "RUND", "LOG", "LN", "EXP"};
    for (int I = 0; I < 9; ++I)
        if (Name == QLatin1String(Names[I]))
            return I + opSin;
    return 0;
}

QString tLumen::PrepareFormula(const QString &Text)
{
    QString S = Text;
    S.remove(QChar(' '));
    // Both marks are decimal marks; the number reader takes a comma.
    S.replace(QChar('.'), QChar(','));
    int Lead = 0;
    while (Lead < S.size() && S[Lead] == QChar('='))
        ++Lead;
    S.remove(0, Lead);
    S = S.toUpper();
    S.replace(QLatin1String(">="), QString(GeChar));
    S.replace(QLatin1String("<="), QString(LeChar));
    S.replace(QLatin1String("<>"), QLatin1String("#"));
    return S;
}

bool tLumen::Compile(const QString &Text)
{
    CalcError = errNone;
    VarCount = 0;
    TokenCount = 0;
    const QString S = PrepareFormula(Text);
    bool Expect = true;
    bool First = true;
    int Depth = 0;

    auto Store = [&](uint8_t Kind, uint8_t Code, Extended Number = 0) {
        if (TokenCount >= MaxTokens) {
            CalcError = errTooLong;
            return;
        }
        ++TokenCount;
        Tokens[TokenCount] = tToken{Kind, Code, Number};
    };

    int P = 0;
    while (P < S.size() && CalcError == errNone) {
        const QChar C = S[P];
        uint8_t Op = 255;
        switch (C.unicode()) {
        case '+':
            Op = First ? opPlus : opAdd;
            break;
        case '-':
            Op = First ? opNeg : opSub;
            break;
        case '*':
            Op = opMul;
            break;
        case '/':
            Op = opDiv;
            break;
        case '^':
            Op = opPow;
            break;
        case '>':
            Op = opGt;
            break;
        case '<':
            Op = opLt;
            break;
        case 0x00BB:
            Op = opGe;
            break;
        case 0x00AB:
            Op = opLe;
            break;
        case '=':
            Op = opEq;
            break;
        case '#':
            Op = opNe;
            break;
        default:
            break;
        }
        if (Op != 255) {
            Expect = true;
            Store(tkOperator, Op);
            ++P;
            continue;
        }
        if (C == QChar('(')) {
            if (!Expect) {
                CalcError = errParen;
                break;
            }
            Store(tkParen, 0);
            ++Depth;
            ++P;
            continue;
        }
        if (C == QChar(')')) {
            if (Expect) {
                CalcError = errParen;
                break;
            }
            Store(tkParen, 1);
            --Depth;
            ++P;
            continue;
        }
        if (!IsFormulaIdentChar(C) || !Expect) {
            CalcError = errSyntax;
            break;
        }
        First = false;
        int End = P;
        while (End < S.size() && IsFormulaIdentChar(S[End]))
            ++End;
        const QString Run = S.mid(P, End - P);
        P = End;
        if (!IsFormulaLetter(Run[0])) {
            Expect = false;
            Extended V = 0;
            if (!ParseNumber(Run, V)) {
                CalcError = errNumber;
                break;
            }
            Store(tkNumber, 0, V);
            continue;
        }
        const int Func = FormulaFunctionCode(Run);
        if (Func != 0 && P < S.size() && S[P] == QChar('(')) {
            Store(tkOperator, uint8_t(Func));
            continue;
        }
        if (Run.size() != 1 || Run[0].unicode() < 'A' || Run[0].unicode() > 'Z') {
            CalcError = errName;
            break;
        }
        int Index = 0;
        for (int I = 1; I <= VarCount; ++I)
            if (Vars[I].Name == Run) {
                Index = I;
                break;
            }
        if (Index == 0) {
            // Only 26 distinct letters exist, so this cannot trigger in
            // practice; it keeps the table safe all the same.
            if (VarCount >= 26) {
                CalcError = errTooManyVars;
                break;
            }
            ++VarCount;
            Vars[VarCount] = iVarRecords{Run, 0};
            Index = VarCount;
        }
        Expect = false;
        Store(tkVariable, uint8_t(Index));
    }

    Tokens[std::min(TokenCount + 1, 33)] = tToken{tkEnd, 0, 0};
    if (CalcError == errNone) {
        if (Depth != 0) {
            CalcError = errBalance;
        } else if (Expect) {
            CalcError = errParen;
        } else {
            Extended Unused = 0;
            CalcError = Shunt<true>(Tokens, TokenCount, Vars, Unused);
        }
    }
    return CalcError == errNone;
}

Extended tLumen::Evaluate()
{
    Extended Result = 0;
    CalcError = Shunt<false>(Tokens, TokenCount, Vars, Result);
    return CalcError == errNone ? Result : 0;
}

QString tLumen::VarName(int I) const
{
    if (I < 0 || I >= VarCount)
        return QString();
    return Vars[I + 1].Name;
}

void tLumen::SetVarValue(int I, Extended Value)
{
    if (I < 0 || I >= VarCount)
        return;
    Vars[I + 1].Value = Value;
}

QString FormulaErrorText(uint8_t Code)
{
    switch (Code) {
    case errNone:
        return QString();
    case errParen:
        return QStringLiteral("et tal eller en kolonne mangler eller står forkert");
    case errBalance:
        return QStringLiteral("parenteserne passer ikke sammen");
    case errName:
        return QStringLiteral("et ukendt navn (kun kolonnebogstaver og funktioner)");
    case errNumber:
        return QStringLiteral("et tal kan ikke læses");
    case errTooManyVars:
        return QStringLiteral("for mange kolonner i formlen");
    case errTooLong:
        return QStringLiteral("formlen er for lang");
    default:
        return QStringLiteral("syntaksfejl");
    }
}
