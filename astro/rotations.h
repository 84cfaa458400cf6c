#pragma once
// Sines and cosines of whole multiples of a few angles, for series whose every term is a sine
// or cosine of d*D + m*M + ... with small integer multiples: each term then costs a few
// products instead of a reduction and a sine of its own.

#include <array>
#include <cmath>

namespace astro {

// A point on the unit circle, cos a + i sin a: multiplying two adds their angles.
struct TRotation {
    double Cos;
    double Sin;

    // The rotation by the angle (radians).
    static TRotation Of(double radians) { return {std::cos(radians), std::sin(radians)}; }
};

constexpr TRotation operator*(TRotation a, TRotation b)
{
    return {a.Cos * b.Cos - a.Sin * b.Sin, a.Sin * b.Cos + a.Cos * b.Sin};
}

// The rotations by -Largest*a .. Largest*a for one angle a (radians), built by repeated
// multiplication; the rounding this adds stays near 1e-16 per step.
template <int Largest>
class TMultiples {
public:
    explicit TMultiples(double radians)
    {
        const TRotation once = TRotation::Of(radians);
        TRotation multiple{1.0, 0.0};
        FRotations[Largest] = multiple;
        for (int k = 1; k <= Largest; ++k) {
            multiple = multiple * once;
            FRotations[Largest + k] = multiple;
            FRotations[Largest - k] = {multiple.Cos, -multiple.Sin};
        }
    }

    // multiple: -Largest..Largest.
    TRotation operator[](int multiple) const { return FRotations[multiple + Largest]; }

private:
    std::array<TRotation, 2 * Largest + 1> FRotations{};
};

}  // namespace astro
