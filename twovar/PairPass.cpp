#include "PairPass.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <thread>

#include <immintrin.h>

// glibc's vector logarithms (libmvec), two doubles at a time, and four where
// the processor has AVX2.
extern "C" __m128d _ZGVbN2v_log(__m128d);
extern "C" __m128d _ZGVbN2v_log1p(__m128d);
extern "C" __m256d _ZGVdN4v_log(__m256d);
extern "C" __m256d _ZGVdN4v_log1p(__m256d);

namespace
{

constexpr Extended Ln2 = 0.693147180559945309417232121458176568L;
constexpr int Block = 256;
// From this many lines on, the second half is read by a second thread.
constexpr int ThreadFrom = 1 << 15;

// The centred sums of a run of pairs. The run's means are a shift (a value
// near the data) plus the means of the shifted values.
struct tRun {
    int64_t n = 0;
    Extended Kx = 0, Ky = 0;
    Extended Mu = 0, Mv = 0;
    Extended Cuu = 0, Cvv = 0, Cuv = 0;

    // M more pairs whose shifted values have the means Bu, Bv and the
    // centred sums Buu, Bvv, Buv.
    void Merge(int64_t M, Extended Bu, Extended Bv, Extended Buu, Extended Bvv, Extended Buv)
    {
        if (M == 0)
            return;
        if (n == 0) {
            n = M;
            Mu = Bu;
            Mv = Bv;
            Cuu = Buu;
            Cvv = Bvv;
            Cuv = Buv;
            return;
        }
        const Extended Nm = Extended(M), N = Extended(n) + Nm;
        const Extended Du = Bu - Mu, Dv = Bv - Mv;
        const Extended W = Extended(n) * Nm / N;
        Cuu += Buu + Du * Du * W;
        Cvv += Bvv + Dv * Dv * W;
        Cuv += Buv + Du * Dv * W;
        Mu += Du * Nm / N;
        Mv += Dv * Nm / N;
        n += M;
    }
    // Another run, with a shift of its own.
    void Merge(const tRun &O)
    {
        if (O.n == 0)
            return;
        if (n == 0) {
            *this = O;
            return;
        }
        Merge(O.n, (O.Kx - Kx) + O.Mu, (O.Ky - Ky) + O.Mv, O.Cuu, O.Cvv, O.Cuv);
    }
    tPairSums Sums() const
    {
        tPairSums S;
        S.n = n;
        if (n == 0)
            return S;
        S.MeanX = Kx + Mu;
        S.MeanY = Ky + Mv;
        S.Sx = S.MeanX * Extended(n);
        S.Sy = S.MeanY * Extended(n);
        S.Cxx = S.Uxx = Cuu;
        S.Cyy = S.Uyy = Cvv;
        S.Cxy = S.Uxy = Cuv;
        return S;
    }
};

// A block of shifted values, centred about its own means in two passes.
template <typename T> void AddBlock(tRun &R, const T *U, const T *V, int M)
{
    if (M == 0)
        return;
    T Su = 0, Sv = 0;
    for (int I = 0; I < M; ++I) {
        Su += U[I];
        Sv += V[I];
    }
    const T Bu = Su / T(M), Bv = Sv / T(M);
    T Buu = 0, Bvv = 0, Buv = 0;
    for (int I = 0; I < M; ++I) {
        const T A = U[I] - Bu, B = V[I] - Bv;
        Buu += A * A;
        Bvv += B * B;
        Buv += A * B;
    }
    R.Merge(M, Bu, Bv, Buu, Bvv, Buv);
}

// The same in double, Lanes at a time.
template <int Lanes> struct tLanes;
template <> struct tLanes<2> {
    typedef double Vec __attribute__((vector_size(16)));
};
template <> struct tLanes<4> {
    typedef double Vec __attribute__((vector_size(32)));
};

template <int Lanes>
__attribute__((always_inline)) inline void AddBlockLanes(tRun &R, const double *U, const double *V,
                                                         int M)
{
    using tVec = typename tLanes<Lanes>::Vec;
    auto Total = [](const tVec &X) {
        double S = 0;
        for (int L = 0; L < Lanes; ++L)
            S += X[L];
        return S;
    };
    const int Whole = M - M % Lanes;
    tVec Su = {}, Sv = {};
    tVec A, B;
    for (int I = 0; I < Whole; I += Lanes) {
        std::memcpy(&A, U + I, sizeof A);
        std::memcpy(&B, V + I, sizeof B);
        Su += A;
        Sv += B;
    }
    double Tu = Total(Su), Tv = Total(Sv);
    for (int I = Whole; I < M; ++I) {
        Tu += U[I];
        Tv += V[I];
    }
    const double Bu = Tu / M, Bv = Tv / M;
    tVec Mu = {}, Mv = {};
    Mu += Bu;
    Mv += Bv;
    tVec Suu = {}, Svv = {}, Suv = {};
    for (int I = 0; I < Whole; I += Lanes) {
        std::memcpy(&A, U + I, sizeof A);
        std::memcpy(&B, V + I, sizeof B);
        A -= Mu;
        B -= Mv;
        Suu += A * A;
        Svv += B * B;
        Suv += A * B;
    }
    double Buu = Total(Suu), Bvv = Total(Svv), Buv = Total(Suv);
    for (int I = Whole; I < M; ++I) {
        const double Du = U[I] - Bu, Dv = V[I] - Bv;
        Buu += Du * Du;
        Bvv += Dv * Dv;
        Buv += Du * Dv;
    }
    R.Merge(M, Bu, Bv, Buu, Bvv, Buv);
}

__attribute__((target("avx2"))) void AddBlock4(tRun &R, const double *U, const double *V, int M)
{
    AddBlockLanes<4>(R, U, V, M);
}

// Read before main, so the processor's features are read first.
const bool CpuHasAvx2 = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
bool HasAvx2 = CpuHasAvx2;

template <> void AddBlock<double>(tRun &R, const double *U, const double *V, int M)
{
    if (M == 0)
        return;
    if (HasAvx2)
        return AddBlock4(R, U, V, M);
    AddBlockLanes<2>(R, U, V, M);
}

// Room for a block's values and the lanes that round it up to whole vectors.
constexpr int Padded = Block + 4;

__attribute__((target("avx2"))) void LogAll4(double *A, int M, bool Plus)
{
    for (int I = 0; I < M; I += 4) {
        const __m256d X = _mm256_loadu_pd(A + I);
        _mm256_storeu_pd(A + I, Plus ? _ZGVdN4v_log1p(X) : _ZGVdN4v_log(X));
    }
}

// A[I] = ln(A[I]) (Plus: ln(1 + A[I])) for I < M; A has room for M + 3.
void LogAll(double *A, int M, bool Plus)
{
    const int Lanes = HasAvx2 ? 4 : 2;
    while (M % Lanes != 0)
        A[M++] = Plus ? 0 : 1;
    if (HasAvx2)
        return LogAll4(A, M, Plus);
    for (int I = 0; I < M; I += 2) {
        const __m128d X = _mm_loadu_pd(A + I);
        _mm_storeu_pd(A + I, Plus ? _ZGVbN2v_log1p(X) : _ZGVbN2v_log(X));
    }
}

// ln(V / Ref) for V > 0 in double: from ln(1 + q) where V is near Ref, so
// that values with a small spread about a large one keep their digits, and
// in Extended where V or Ref lies beyond double's range.
class tLnAbout
{
  public:
    bool IsSet() const { return Ref > 0; }
    void Set(Extended R)
    {
        Ref = R;
        LnRef = ExtendedLn(R);
        Inv = double(1 / R);
        Fast = std::isnormal(Inv) && std::isnormal(double(R));
    }
    Extended Shift() const { return LnRef; }
    double operator()(Extended V) const
    {
        const double D = Fast ? double(V - Ref) : 0;
        const int At = 0;
        double Out = 0;
        Many(&D, &V, nullptr, &At, 1, &Out);
        return Out;
    }
    // The same for the values V[At[K]], K < M, whose differences from Ref
    // are D[At[K]] (rounded to double), into Out[K]. Near Ref and above it
    // from ln(1 + q), so that values with a small spread about a large one
    // keep their digits; well below it the ratio itself keeps them. Vd: the
    // values rounded to double, or null.
    void Many(const double *D, const Extended *V, const double *Vd, const int *At, int M,
              double *Out) const
    {
        double Near[Padded], Far[Padded];
        int NearAt[Block], FarAt[Block];
        int Nn = 0, Nf = 0;
        // Whether a value lies near Ref is as good as random in a data set
        // with a wide spread, so the usual values are sorted without a branch.
        bool Sorted = Fast && Vd;
        for (int K = 0; Sorted && K < M; ++K) {
            const int I = At[K];
            const double Q = D[I] * Inv, P = Vd[I] * Inv;
            const bool IsNear = (Q > -0.5) & (Q <= DBL_MAX);
            Near[Nn] = Q;
            NearAt[Nn] = K;
            Far[Nf] = P;
            FarAt[Nf] = K;
            Nn += IsNear;
            Nf += !IsNear;
            Sorted = IsNear | ((P >= DBL_MIN) & (P <= DBL_MAX));
        }
        if (!Sorted)
            Nn = Nf = 0;
        for (int K = 0; !Sorted && K < M; ++K) {
            const int I = At[K];
            const double Q = D[I] * Inv;
            if (Fast && Q > -0.5 && Q <= DBL_MAX) {
                Near[Nn] = Q;
                NearAt[Nn++] = K;
                continue;
            }
            const double P = Fast ? double(V[I]) * Inv : 0;
            if (P >= DBL_MIN && P <= DBL_MAX) {
                Far[Nf] = P;
                FarAt[Nf++] = K;
            } else
                Out[K] = Slow(V[I]);
        }
        LogAll(Near, Nn, true);
        LogAll(Far, Nf, false);
        for (int J = 0; J < Nn; ++J)
            Out[NearAt[J]] = Near[J];
        for (int J = 0; J < Nf; ++J)
            Out[FarAt[J]] = Far[J];
    }

  private:
    double Slow(Extended V) const { return double(ExtendedLn(V) - LnRef); }
    Extended Ref = 0, LnRef = 0;
    double Inv = 0;
    bool Fast = false;
};

// The pairs of one half of the lines.
struct tHalf {
    unsigned Wanted = 0;
    // Fast: the differences from the first pair and the sums of a block in
    // double, the logarithms about the first pair's values. Wide: a value
    // that this cannot take (beyond double's range, or a first pair with a
    // logarithm undefined); the pass is then made again without Fast.
    bool Fast = true, Wide = false;
    int64_t Pairs = 0;
    tRun Line, Exp, Pow;
    tLnAbout LnX, LnY;

    void Start(Extended X, Extended Y);
    void Flush(const Extended *X, const Extended *Y, int M);
    void FlushFast(const Extended *X, const Extended *Y, int M);
    void Read(const QVector<tCell> &A, const QVector<tCell> &B, int Begin, int End);
};

void tHalf::Start(Extended X, Extended Y)
{
    Line.Kx = Exp.Kx = X;
    Line.Ky = Y;
    if (!Fast || !(Wanted & (ppExp | ppPow)))
        return;
    if (Y > 0 && (X > 0 || !(Wanted & ppPow))) {
        LnY.Set(Y);
        Exp.Ky = Pow.Ky = LnY.Shift();
        if (X > 0) {
            LnX.Set(X);
            Pow.Kx = LnX.Shift();
        }
    } else
        Wide = true;
}

void tHalf::FlushFast(const Extended *X, const Extended *Y, int M)
{
    double U[Block], V[Block], Xd[Block], Yd[Block];
    for (int I = 0; I < M; ++I) {
        U[I] = double(X[I] - Line.Kx);
        V[I] = double(Y[I] - Line.Ky);
        Xd[I] = double(X[I]);
        Yd[I] = double(Y[I]);
    }
    if (Wanted & ppLine) {
        AddBlock(Line, U, V, M);
        if (!std::isfinite(Line.Cuu) || !std::isfinite(Line.Cvv) || !std::isfinite(Line.Cuv))
            Wide = true;
    }
    if (!(Wanted & (ppExp | ppPow)))
        return;
    // The pairs with y > 0, and of those the ones with x > 0.
    int At[Block] = {}, AtX[Block] = {};
    int Np = 0, Nx = 0;
    // The sign of a value rounded to double is its own, unless it was too
    // small for a double.
    auto Positive = [](double D, const Extended &E) { return D > 0 || (D == 0 && E > 0); };
    for (int I = 0; I < M; ++I)
        if (Positive(Yd[I], Y[I])) {
            At[Np++] = I;
            if (Positive(Xd[I], X[I]))
                AtX[Nx++] = I;
        }
    double Ln[Padded];
    LnY.Many(V, Y, Yd, At, Np, Ln);
    // Where every pair is taken (the usual block), nothing is picked out.
    if (Wanted & ppExp) {
        double Ue[Block];
        for (int K = 0; Np < M && K < Np; ++K)
            Ue[K] = U[At[K]];
        AddBlock(Exp, Np < M ? Ue : U, Ln, Np);
    }
    if (Wanted & ppPow) {
        double Up[Block], Vp[Block];
        LnX.Many(U, X, Xd, AtX, Nx, Up);
        for (int K = 0, J = 0; Nx < Np && K < Np && J < Nx; ++K)
            if (At[K] == AtX[J])
                Vp[J++] = Ln[K];
        AddBlock(Pow, Up, Nx < Np ? Vp : Ln, Nx);
    }
}

void tHalf::Flush(const Extended *X, const Extended *Y, int M)
{
    if (M == 0)
        return;
    if (Pairs == 0)
        Start(X[0], Y[0]);
    Pairs += M;
    if (Fast) {
        if (!Wide)
            FlushFast(X, Y, M);
        return;
    }
    // x about the first pair's: the line's and the exponential model's.
    Extended U[Block];
    for (int I = 0; I < M; ++I)
        U[I] = X[I] - Line.Kx;
    if (Wanted & ppLine) {
        Extended V[Block];
        for (int I = 0; I < M; ++I)
            V[I] = Y[I] - Line.Ky;
        AddBlock(Line, U, V, M);
    }
    if (!(Wanted & (ppExp | ppPow)))
        return;
    double Ue[Block], Ve[Block], Up[Block], Vp[Block];
    int Me = 0, Mp = 0;
    for (int I = 0; I < M; ++I) {
        if (!(Y[I] > 0))
            continue;
        if (!LnY.IsSet()) {
            LnY.Set(Y[I]);
            Exp.Ky = Pow.Ky = LnY.Shift();
        }
        const double V = LnY(Y[I]);
        if (Wanted & ppExp) {
            Ue[Me] = double(U[I]);
            Ve[Me++] = V;
        }
        if ((Wanted & ppPow) && X[I] > 0) {
            if (!LnX.IsSet()) {
                LnX.Set(X[I]);
                Pow.Kx = LnX.Shift();
            }
            Up[Mp] = LnX(X[I]);
            Vp[Mp++] = V;
        }
    }
    AddBlock(Exp, Ue, Ve, Me);
    AddBlock(Pow, Up, Vp, Mp);
}

// std::isfinite, read from the bits of the 80-bit format where it is used (a
// value is loaded into the floating-point unit only where it is computed
// with). A damaged file may hold an unnormal (an exponent without the integer
// bit), which the unit takes for no number, as std::isfinite does.
bool Finite(const Extended &V)
{
    if constexpr (std::numeric_limits<Extended>::digits == 64 && sizeof(Extended) >= 10) {
        uint64_t Mantissa = 0;
        uint16_t Se = 0;
        std::memcpy(&Mantissa, &V, 8);
        std::memcpy(&Se, reinterpret_cast<const char *>(&V) + 8, 2);
        const int Exponent = Se & 0x7FFF;
        return Exponent != 0x7FFF && (Exponent == 0 || Mantissa >> 63 != 0);
    } else
        return std::isfinite(V);
}

void tHalf::Read(const QVector<tCell> &A, const QVector<tCell> &B, int Begin, int End)
{
    Extended X[Block], Y[Block];
    int M = 0;
    for (int Line = Begin; Line < End; ++Line) {
        const tCell &CX = A[Line];
        const tCell &CY = B[Line];
        if (CX.State != csNumber || CY.State != csNumber || !Finite(CX.Value) || !Finite(CY.Value))
            continue;
        // Copied as they are stored, without the floating-point unit.
        std::memcpy(&X[M], &CX.Value, sizeof(Extended));
        std::memcpy(&Y[M], &CY.Value, sizeof(Extended));
        if (++M == Block) {
            Flush(X, Y, M);
            M = 0;
        }
    }
    Flush(X, Y, M);
}

// Whether the unscaled sums can be trusted: squares beyond the range of a
// number are infinite, and a spread whose squares fall below it reads as
// none (as does a constant column, which the scaled sums tell apart).
bool WithinRange(const tPairSums &S)
{
    auto Spread = [](Extended C) { return std::isfinite(C) && C > 0x1p-15000L; };
    return std::isfinite(S.MeanX) && std::isfinite(S.MeanY) && Spread(S.Cxx) && Spread(S.Cyy) &&
           std::isfinite(S.Cxy);
}

// Whether the sums made in double can stand: finite, and a spread of the
// line's values well within double's range (smaller ones, and a constant
// column, are summed again in Extended).
bool FastSumsFine(const tHalf &H)
{
    auto Finite = [](const tRun &R) {
        return std::isfinite(R.Cuu) && std::isfinite(R.Cvv) && std::isfinite(R.Cuv) &&
               std::isfinite(R.Mu) && std::isfinite(R.Mv);
    };
    if (!Finite(H.Line) || !Finite(H.Exp) || !Finite(H.Pow))
        return false;
    return !(H.Wanted & ppLine) || H.Line.n < 2 ||
           (H.Line.Cuu > 0x1p-900L && H.Line.Cvv > 0x1p-900L);
}

} // namespace

Extended ExtendedLn(Extended V)
{
    int E = 0;
    Extended M = 0; // V = M * 2^E, 0.5 <= M < 1
    if constexpr (std::numeric_limits<Extended>::digits == 64 && sizeof(Extended) >= 10) {
        // The 80-bit format: the exponent is read from its bits and the
        // mantissa given the exponent of [0.5, 1), without a library call.
        uint16_t Se = 0;
        std::memcpy(&Se, reinterpret_cast<const char *>(&V) + 8, 2);
        const int Biased = Se & 0x7FFF;
        if (Biased == 0) // subnormal: the library knows it
            M = std::frexp(V, &E);
        else {
            E = Biased - 16382;
            const uint16_t Half = uint16_t((Se & 0x8000) | 16382);
            M = V;
            std::memcpy(reinterpret_cast<char *>(&M) + 8, &Half, 2);
        }
    } else {
        M = std::frexp(V, &E);
    }
    const double Md = double(M);
    return Extended(std::log(Md)) + Extended(double(M - Md) / Md) + Extended(E) * Ln2;
}

void SetPairPassWide(bool Wide)
{
    HasAvx2 = Wide && CpuHasAvx2;
}

tPairPass PairPassOf(const tLumen &L, int ColX, int ColY, unsigned Wanted)
{
    tPairPass R;
    if (ColX < 0 || ColX >= ObsColumns || ColY < 0 || ColY >= ObsColumns)
        return R;
    const QVector<tCell> &A = L.Cols[size_t(ColX)].Cells;
    const QVector<tCell> &B = L.Cols[size_t(ColY)].Cells;
    const int Lines = std::min(A.size(), B.size()); // a missing cell is no pair
    const int Middle = Lines / 2;
    tHalf First, Second;
    for (bool Fast : {true, false}) {
        First = Second = tHalf();
        First.Wanted = Second.Wanted = Wanted;
        First.Fast = Second.Fast = Fast;
        if (Lines >= ThreadFrom) {
            std::thread Other([&] { Second.Read(A, B, Middle, Lines); });
            First.Read(A, B, 0, Middle);
            Other.join();
        } else {
            First.Read(A, B, 0, Middle);
            Second.Read(A, B, Middle, Lines);
        }
        First.Line.Merge(Second.Line);
        First.Exp.Merge(Second.Exp);
        First.Pow.Merge(Second.Pow);
        if (!Fast || !(First.Wide || Second.Wide || !FastSumsFine(First)))
            break;
    }
    R.Pairs = First.Pairs + Second.Pairs;
    if (Wanted & ppLine) {
        R.Line = First.Line.Sums();
        if (R.Line.n >= 2 && !WithinRange(R.Line))
            R.Line = ScaledPairSumsOf(L, ColX, ColY);
    }
    R.Exp = First.Exp.Sums();
    R.Pow = First.Pow.Sums();
    return R;
}
