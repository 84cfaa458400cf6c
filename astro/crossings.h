#pragma once
// Where a smooth function of the time of day passes zero, found from the function's values
// alone. For an altitude that turns back close to the level asked: there the rise and the set
// lie close together, and corrections that divide by the rate of change cannot follow them.

#include <functional>
#include <vector>

namespace astro {

struct TZeroCrossing {
    double Fraction;  // of the day, [0, 1)
    bool Upward;      // from below zero to zero or above
};

// The zero crossings of f on the day fractions [0, 1), in time order. f takes a day fraction.
// Method: f sampled every hour from an hour before the day to an hour after it; where the
//         samples turn, the parabola through the three samples about the turn gives the
//         turn's time and f is asked there, so a crossing and its return between two samples
//         of one sign are seen; every sign change is then closed in on by false position
//         (Illinois) until its bracket is shorter than a second.
// Limits: f turning more than once within two hours (more than a rise and a set between
//         three samples) is not followed; an altitude of the sun or the moon turns twice a
//         day.
// Reference: Montenbruck and Pfleger, Astronomy on the Personal Computer, 4th ed., ch. 3
//         (rise and set by quadratic interpolation of hourly altitudes).
std::vector<TZeroCrossing> DayZeroCrossings(const std::function<double(double)>& f);

}  // namespace astro
