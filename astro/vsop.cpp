#include "astro/vsop.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <tuple>
#include <vector>

#include "astro/angles.h"
#include "astro/constants.h"
#include "astro/vsop87_earth_terms.h"

namespace astro {
namespace {

constexpr double AmplitudeScale = 1e-8;

// Adding and taking away 1.5 * 2^52 rounds a double of magnitude below 2^51 to the nearest
// integer (ties to even) without a branch or a conversion, so the loop below vectorises.
constexpr double RoundingShift = 6755399441055744.0;

// pi in three parts (Cody and Waite): the first two have short mantissas, so k * part is exact
// for the multiples of pi met here (|k| < 2^22), and the reduction loses no digits.
constexpr double PiPart1 = 3.14159250259399414062;
constexpr double PiPart2 = 1.509957883172319270670e-7;
constexpr double PiPart3 = 1.078060571631623810580e-14;
constexpr double InversePi = 0.31830988618379067154;

// Every function below is inlined into the three summing loops, each built for one kind of
// processor; the fused loops get the multiply-add instruction, the plain one needs none.
#define SHUTTERLY_INLINE inline __attribute__((always_inline))

// a * b + c, with one rounding where Fused. The file is built without contracting a * b + c
// on its own, so that the terms' arguments B + C tau round as in Evaluate on every processor.
template <bool Fused>
SHUTTERLY_INLINE double MultiplyAdd(double a, double b, double c)
{
    if constexpr (Fused)
        return std::fma(a, b, c);
    else
        return a * b + c;
}

// cos x = (-1)^k cos r with r = x - k pi in [-pi/2, pi/2]; cos r from its Taylor series up to
// r^20, whose first omitted term is below 2e-17. Agrees with std::cos within 4e-16 for
// |x| < 1e7; B + C tau stays below 3e6 over the years 1..9999.
template <bool Fused>
SHUTTERLY_INLINE double CosForSeries(double x)
{
    // The shifted quotient holds k in its last bits: the lowest is the parity of k, the sign
    // cos r takes.
    const double shifted = MultiplyAdd<Fused>(x, InversePi, RoundingShift);
    const double k = shifted - RoundingShift;
    const std::uint64_t sign = std::bit_cast<std::uint64_t>(shifted) << 63;
    const double r =
        MultiplyAdd<Fused>(-k, PiPart3, MultiplyAdd<Fused>(-k, PiPart2, MultiplyAdd<Fused>(-k, PiPart1, x)));
    const double r2 = r * r;
    double p = 1.0 / 2432902008176640000.0;                    // 1/20!
    p = MultiplyAdd<Fused>(p, r2, -1.0 / 6402373705728000.0);  // 1/18!
    p = MultiplyAdd<Fused>(p, r2, 1.0 / 20922789888000.0);     // 1/16!
    p = MultiplyAdd<Fused>(p, r2, -1.0 / 87178291200.0);       // 1/14!
    p = MultiplyAdd<Fused>(p, r2, 1.0 / 479001600.0);          // 1/12!
    p = MultiplyAdd<Fused>(p, r2, -1.0 / 3628800.0);           // 1/10!
    p = MultiplyAdd<Fused>(p, r2, 1.0 / 40320.0);              // 1/8!
    p = MultiplyAdd<Fused>(p, r2, -1.0 / 720.0);               // 1/6!
    p = MultiplyAdd<Fused>(p, r2, 1.0 / 24.0);                 // 1/4!
    p = MultiplyAdd<Fused>(p, r2, -0.5);                       // 1/2!
    p = MultiplyAdd<Fused>(p, r2, 1.0);
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(p) ^ sign);
}

// Eight running sums keep independent terms in flight together (and in the lanes of a vector
// register); the order of addition differs from one running sum only by rounding.
template <bool Fused>
SHUTTERLY_INLINE double SumTermsOf(const double* A, const double* B, const double* C, std::size_t count, double tau)
{
    constexpr std::size_t Lanes = 8;
    double sums[Lanes] = {};
    std::size_t i = 0;
    for (; i + Lanes <= count; i += Lanes)
        for (std::size_t lane = 0; lane < Lanes; ++lane)
            sums[lane] =
                MultiplyAdd<Fused>(A[i + lane], CosForSeries<Fused>(B[i + lane] + C[i + lane] * tau), sums[lane]);
    for (; i < count; ++i)
        sums[i % Lanes] = MultiplyAdd<Fused>(A[i], CosForSeries<Fused>(B[i] + C[i] * tau), sums[i % Lanes]);
    return ((sums[0] + sums[1]) + (sums[2] + sums[3])) + ((sums[4] + sums[5]) + (sums[6] + sums[7]));
}

using TSumTerms = double (*)(const double* A, const double* B, const double* C, std::size_t count, double tau);

__attribute__((target("avx512f,fma"))) double SumTermsAvx512(const double* A, const double* B, const double* C,
                                                             std::size_t count, double tau)
{
    return SumTermsOf<true>(A, B, C, count, tau);
}

__attribute__((target("avx2,fma"))) double SumTermsAvx2(const double* A, const double* B, const double* C,
                                                        std::size_t count, double tau)
{
    return SumTermsOf<true>(A, B, C, count, tau);
}

double SumTermsPlain(const double* A, const double* B, const double* C, std::size_t count, double tau)
{
    return SumTermsOf<false>(A, B, C, count, tau);
}

#undef SHUTTERLY_INLINE

// The widest loop this processor runs, chosen once.
TSumTerms FastestSumTerms()
{
    static const TSumTerms fastest = [] {
        __builtin_cpu_init();
        if (__builtin_cpu_supports("avx512f"))
            return &SumTermsAvx512;
        if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma"))
            return &SumTermsAvx2;
        return &SumTermsPlain;
    }();
    return fastest;
}

// One series copied column by column (all A, then all B, then all C, power after power), so
// that the summing loop reads three plain streams and vectorises; built once, on first use.
class TSeriesColumns {
public:
    explicit TSeriesColumns(const TVSOPSeries& series)
    {
        for (std::size_t power = 0; power < series.size(); ++power) {
            FStart[power] = FA.size();
            for (const TVSOPTerm& term : series[power]) {
                FA.push_back(term.A);
                FB.push_back(term.B);
                FC.push_back(term.C);
            }
        }
        FStart[series.size()] = FA.size();
    }

    // Returns the unscaled sum of A cos(B + C tau) of the terms of one power of tau.
    double Sum(std::size_t power, double tau) const
    {
        const std::size_t first = FStart[power];
        return FastestSumTerms()(FA.data() + first, FB.data() + first, FC.data() + first, FStart[power + 1] - first,
                                 tau);
    }

private:
    std::vector<double> FA, FB, FC;
    std::array<std::size_t, std::tuple_size_v<TVSOPSeries> + 1> FStart{};
};

double SumSeries(const TSeriesColumns& columns, double tau)
{
    double result = 0.0;
    for (std::size_t power = std::tuple_size_v<TVSOPSeries>; power-- > 0;)
        result = result * tau + columns.Sum(power, tau);
    return result * AmplitudeScale;
}

const TSeriesColumns& EarthLongitudeColumns()
{
    static const TSeriesColumns columns(EarthLongitudeTerms);
    return columns;
}

const TSeriesColumns& EarthLatitudeColumns()
{
    static const TSeriesColumns columns(EarthLatitudeTerms);
    return columns;
}

const TSeriesColumns& EarthRadiusColumns()
{
    static const TSeriesColumns columns(EarthRadiusTerms);
    return columns;
}

TVSOPTerm TermOf(const TVSOPSeries& series, int index, int power)
{
    if (power < 0 || power >= static_cast<int>(series.size()) || index < 0)
        return {0.0, 0.0, 0.0};
    const std::span<const TVSOPTerm> terms = series[static_cast<std::size_t>(power)];
    if (static_cast<std::size_t>(index) >= terms.size())
        return {0.0, 0.0, 0.0};
    return terms[static_cast<std::size_t>(index)];
}

}  // namespace

double TVSOP::Tau() const { return (FDate - Epoch2000Day - 0.5) / DaysPerJulianMillennium; }

double TVSOP::Evaluate(TTermSlot slot) const
{
    const double tau = Tau();
    double sums[6] = {};
    for (int power = 0; power < 6; ++power)
        for (int index = 0;; ++index) {
            const TVSOPTerm term = (this->*slot)(index, power);
            const double value = term.A * std::cos(term.B + term.C * tau);
            sums[power] += value;
            if (value == 0.0)
                break;
        }
    double result = 0.0;
    for (int power = 5; power >= 0; --power)
        result = result * tau + sums[power];
    return result * AmplitudeScale;
}

void TVSOP::ToFK5(double& L, double& B) const
{
    const double T = 10.0 * Tau();
    const double shiftedL = L + DegreesToRadians(-1.397 - 0.00031 * T) * T;
    const double arcsecond = DegreesToRadians(1.0 / ArcsecondsPerDegree);
    const double cosShifted = std::cos(shiftedL);
    const double sinShifted = std::sin(shiftedL);
    const double adjustedL = L - 0.09033 * arcsecond + 0.03916 * arcsecond * (cosShifted + sinShifted) * TanRad(B);
    B += 0.03916 * arcsecond * (cosShifted - sinShifted);
    L = adjustedL;
}

TVSOPTerm TVSOPEarth::LongitudeTerm(int index, int power) const { return TermOf(EarthLongitudeTerms, index, power); }

TVSOPTerm TVSOPEarth::LatitudeTerm(int index, int power) const { return TermOf(EarthLatitudeTerms, index, power); }

TVSOPTerm TVSOPEarth::RadiusTerm(int index, int power) const { return TermOf(EarthRadiusTerms, index, power); }

double TVSOPEarth::Longitude() const { return SumSeries(EarthLongitudeColumns(), Tau()); }
double TVSOPEarth::Latitude() const { return SumSeries(EarthLatitudeColumns(), Tau()); }
double TVSOPEarth::Radius() const { return SumSeries(EarthRadiusColumns(), Tau()); }

}  // namespace astro
