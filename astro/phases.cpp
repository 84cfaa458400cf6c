#include "astro/phases.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/deltat.h"
#include "astro/errors.h"
#include "astro/instantrange.h"
#include "astro/moon_position.h"
#include "astro/phase_terms.h"
#include "astro/sun.h"

namespace astro {

namespace {

// Mean lunations per Julian century, the rate of the lunation count K.
constexpr double LunationsPerCentury = 1236.85;

// The octant iteration wraps an age difference above half a lunation (days) to the octant
// half a month later.
constexpr double HalfSynodicMonth = 14.7652945;

// The octant iteration stops once the age differs from its target by less than this (days).
constexpr double OctantAgeToleranceDays = 0.0000001;

// The octant iteration gains a factor of five or more per step (the moon's elongation rate
// stays within 20 % of its mean) and needs at most ten steps over years 1..9999; a hundred
// means the series have left their valid range or the date is not a number.
constexpr int OctantIterationLimit = 100;

// PhaseBefore and PhaseAfter step by less than a lunation so that no instant is skipped;
// they need three to five steps.
constexpr double PhaseSearchStepDays = 28.0;
constexpr int PhaseSearchStepLimit = 10;

// Sun's semidiameter at 1 AU (arc seconds) and the moon's semidiameter times its distance
// (km * arc seconds).
constexpr double SunSemidiameterAt1AU = 959.63;
constexpr double MoonSemidiameterKmArcsec = 358473400.0;

constexpr const char* InvalidPhaseMessage = "Invalid TMoonPhase";
constexpr const char* NoInstantMessage = "No TDateTime possible";

int Ordinal(TMoonPhase phase) { return static_cast<int>(phase); }

bool IsPrincipal(TMoonPhase phase) { return phase <= mpWaningCrescent && phase % 2 == 0; }

bool IsOctant(TMoonPhase phase) { return phase <= mpWaningCrescent && phase % 2 == 1; }

double PhaseTermSine(const TPhaseTerm& term, const TPhaseArguments& a)
{
    const double argument =
        term.MoonAnomaly * a.MoonAnomaly + term.SunAnomaly * a.SunAnomaly + term.F * a.F + term.Omega * a.Omega;
    const double factor = term.EPower == 2 ? a.E * a.E : (term.EPower == 1 ? a.E : 1.0);
    return factor * SinDeg(argument);
}

double NewFullMoonCorrection(TMoonPhase phase, const TPhaseArguments& a)
{
    double sum = 0.0;
    for (const TNewFullMoonTerm& term : NewFullMoonTerms)
        sum += (phase == mpNew ? term.NewMoon : term.FullMoon) * PhaseTermSine(term, a);
    return sum;
}

double QuarterCorrection(TMoonPhase phase, const TPhaseArguments& a)
{
    double sum = 0.0;
    for (const TQuarterTerm& term : QuarterTerms)
        sum += term.Coefficient * PhaseTermSine(term, a);
    const double W = 0.00306 - 0.00038 * a.E * CosDeg(a.SunAnomaly) + 0.00026 * CosDeg(a.MoonAnomaly) -
                     0.00002 * CosDeg(a.MoonAnomaly - a.SunAnomaly) + 0.00002 * CosDeg(a.MoonAnomaly + a.SunAnomaly) +
                     0.00002 * CosDeg(2.0 * a.F);
    return phase == mpFirstQuarter ? sum + W : sum - W;
}

double PlanetaryCorrection(const TPhaseArguments& a)
{
    const double T = a.K / LunationsPerCentury;
    double sum = 0.0;
    for (const TPlanetaryPhaseTerm& term : PlanetaryPhaseTerms)
        sum += term.Coefficient * SinDeg(term.Constant + term.PerLunation * a.K + term.PerT2 * T * T);
    return sum;
}

// The moon's age from the positions of moon and sun at one instant.
double AgeDays(const TSkyPosition& moon, const TSkyPosition& sun)
{
    const double elongation = Normalize360(moon.Longitude - sun.Longitude);
    const double age = elongation / 360.0 * SynodicMonth;
    // An elongation a rounding error below 360 would scale to the full month.
    return age < SynodicMonth ? age : 0.0;
}

double MoonAgeDaysDynamical(TDateTime tt) { return AgeDays(MoonPosition(tt), SunPosition(tt)); }

}  // namespace

TPhaseArguments PhaseArgumentsDynamical(TMoonPhase phase, TDateTime tt)
{
    const double T0 = (CheckedInstant(tt) - Epoch2000Day) / DaysPerJulianCentury;
    TPhaseArguments a{};
    a.K = std::nearbyint(T0 * LunationsPerCentury) + Ordinal(phase) / 8.0;
    const double K = a.K;
    const double T = K / LunationsPerCentury;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    a.MeanJDE = 2451550.09765 + 29.530588853 * K + 0.0001337 * T2 - 0.000000150 * T3 + 0.00000000073 * T4;
    a.SunAnomaly = 2.5534 + 29.10535669 * K - 0.0000218 * T2 - 0.00000011 * T3;
    a.MoonAnomaly = 201.5643 + 385.81693528 * K + 0.0107438 * T2 + 0.00001239 * T3 - 0.000000058 * T4;
    a.F = 160.7108 + 390.67050274 * K - 0.0016341 * T2 - 0.00000227 * T3 + 0.000000011 * T4;
    a.Omega = 124.7746 - 1.5637558 * K + 0.0020691 * T2 + 0.00000215 * T3;
    a.E = 1.0 - 0.002516 * T0 - 0.0000074 * T0 * T0;
    return a;
}

TDateTime PrincipalPhaseInstantDynamical(TMoonPhase phase, TDateTime tt)
{
    if (!IsPrincipal(phase))
        throw E_OutOfAlgorithmRange(InvalidPhaseMessage);
    const TPhaseArguments a = PhaseArgumentsDynamical(phase, tt);
    const double periodic =
        (phase == mpNew || phase == mpFull) ? NewFullMoonCorrection(phase, a) : QuarterCorrection(phase, a);
    return JulianToDateTime(a.MeanJDE + periodic + PlanetaryCorrection(a));
}

TDateTime PrincipalPhaseInstant(TMoonPhase phase, TDateTime date)
{
    if (!IsPrincipal(phase))
        throw E_OutOfAlgorithmRange(InvalidPhaseMessage);
    return UniversalFromDynamical(PrincipalPhaseInstantDynamical(phase, DynamicalFromUniversal(date)));
}

namespace {

// The octants iterate on the age the series give, so they stay on the series' own scale and
// convert once at the end, like the principal phases.
TDateTime OctantPhaseInstantDynamical(TMoonPhase phase, TDateTime tt)
{
    const double targetAge = Ordinal(phase) * SynodicMonth / 8.0;
    TDateTime x = CheckedInstant(tt);
    for (int step = 0; step < OctantIterationLimit; ++step) {
        double d = MoonAgeDaysDynamical(x) - targetAge;
        if (d > HalfSynodicMonth)
            d -= SynodicMonth;
        x -= d;
        if (std::abs(d) < OctantAgeToleranceDays)
            return x;
    }
    throw E_OutOfAlgorithmRange(NoInstantMessage);
}

}  // namespace

TDateTime OctantPhaseInstant(TMoonPhase phase, TDateTime date)
{
    if (!IsOctant(phase))
        throw E_OutOfAlgorithmRange(InvalidPhaseMessage);
    return UniversalFromDynamical(OctantPhaseInstantDynamical(phase, DynamicalFromUniversal(date)));
}

TDateTime PhaseInstant(TMoonPhase phase, TDateTime date)
{
    if (phase > mpWaningCrescent)
        return 0.0;
    return IsOctant(phase) ? OctantPhaseInstant(phase, date) : PrincipalPhaseInstant(phase, date);
}

// Both searches evaluate PhaseInstant one step beyond date and then walk towards and past it
// by less than a lunation, so consecutive results are the same or neighbouring lunations and
// the first one across date is the wanted one. A result within PhaseCoincidenceDays of date
// is date itself, which makes each search return an instant the other one found. They walk in
// universal time, the scale of date and of the instant compared with it, so that the
// coincidence holds to the bit.
TDateTime PhaseBefore(TMoonPhase phase, TDateTime date)
{
    if (phase > mpWaningCrescent || !std::isfinite(date))
        throw E_OutOfAlgorithmRange(NoInstantMessage);
    CheckedInstant(date);
    TDateTime t = date + PhaseSearchStepDays;
    TDateTime r = t;
    for (int step = 0; r > date + PhaseCoincidenceDays; ++step) {
        if (step == PhaseSearchStepLimit)
            throw E_OutOfAlgorithmRange(NoInstantMessage);
        r = PhaseInstant(phase, t);
        t -= PhaseSearchStepDays;
    }
    return std::abs(r - date) <= PhaseCoincidenceDays ? date : r;
}

TDateTime PhaseAfter(TMoonPhase phase, TDateTime date)
{
    if (phase > mpWaningCrescent || !std::isfinite(date))
        throw E_OutOfAlgorithmRange(NoInstantMessage);
    CheckedInstant(date);
    TDateTime t = date - PhaseSearchStepDays;
    TDateTime r = t;
    for (int step = 0; r < date - PhaseCoincidenceDays; ++step) {
        if (step == PhaseSearchStepLimit)
            throw E_OutOfAlgorithmRange(NoInstantMessage);
        r = PhaseInstant(phase, t);
        t += PhaseSearchStepDays;
    }
    return std::abs(r - date) <= PhaseCoincidenceDays ? date : r;
}

namespace {

// Whether the full moon at t is the second of its calendar month.
bool IsSecondFullMoonOfMonth(TDateTime t)
{
    // Only a full moon late in its month can have a predecessor in the same month.
    constexpr int LateInMonthDay = 28;
    constexpr double BeforeFullMoonDays = 5.0;
    const TCalendarDate full = DateTimeToCalendar(t);
    return full.Day >= LateInMonthDay &&
           DateTimeToCalendar(PhaseBefore(mpFull, t - BeforeFullMoonDays)).Month == full.Month;
}

}  // namespace

TDateTime BlueMoonAfter(TDateTime date)
{
    TDateTime t = date - 1.0;
    while (true) {
        t = PhaseAfter(mpFull, t + 1.0);
        if (IsSecondFullMoonOfMonth(t))
            return t;
    }
}

bool IsBlueMoonLunation(int n)
{
    constexpr double BeforeNewMoonDays = 5.0;
    // In floating point, so that no lunation number overflows; PhaseAfter rejects the
    // lunations outside the algorithms' span.
    const TDateTime newMoon =
        PhaseAfter(mpNew, (static_cast<double>(n) - 1.0) * SynodicMonth + LunationEpoch - BeforeNewMoonDays);
    // The lunation's full moon is the first after its new moon; the one after lies beyond the
    // lunation, so the answer is that full moon's alone.
    return IsSecondFullMoonOfMonth(PhaseAfter(mpFull, newMoon));
}

int LunationOf(TDateTime date)
{
    const double lunations = (PhaseBefore(mpNew, date) - LunationEpoch) / SynodicMonth;
    return static_cast<int>(std::nearbyint(lunations)) + 1;
}

namespace {

// The other values of the moon and the sun from their positions at one instant.
double PhaseAngle(const TSkyPosition& moon, const TSkyPosition& sun)
{
    const double psi = ArcCosRad(CosDeg(moon.Latitude) * CosDeg(moon.Longitude - sun.Longitude));
    const double R = sun.Distance;
    const double i = std::atan(R * std::sin(psi) / (moon.Distance - R * std::cos(psi)));
    double angle = RadiansToDegrees(i);
    if (i < 0.0)
        angle += 180.0;
    return Normalize360(moon.Longitude - sun.Longitude) > 180.0 ? -angle : angle;
}

double IlluminatedFraction(double phaseAngle) { return (1.0 + CosDeg(phaseAngle)) / 2.0; }

double DistanceAU(const TSkyPosition& sun) { return sun.Distance / AU_KM; }

double SunDiameter(double distanceAU) { return 2.0 * SunSemidiameterAt1AU / distanceAU; }

double MoonDiameter(double distanceKm) { return 2.0 * MoonSemidiameterKmArcsec / distanceKm; }

}  // namespace

// The positions are computed on the dynamical scale; date is universal time.
double MoonAgeDays(TDateTime date) { return MoonAgeDaysDynamical(DynamicalFromUniversal(date)); }

double MoonPhaseAngle(TDateTime date)
{
    const TDateTime tt = DynamicalFromUniversal(date);
    return PhaseAngle(MoonPosition(tt), SunPosition(tt));
}

double MoonIlluminatedFraction(TDateTime date) { return IlluminatedFraction(MoonPhaseAngle(date)); }

double SunDistanceAU(TDateTime date) { return DistanceAU(SunPosition(DynamicalFromUniversal(date))); }

double MoonDistanceKm(TDateTime date) { return MoonPosition(DynamicalFromUniversal(date)).Distance; }

double SunAngularDiameter(TDateTime date) { return SunDiameter(SunDistanceAU(date)); }

double MoonAngularDiameter(TDateTime date) { return MoonDiameter(MoonDistanceKm(date)); }

TMoonAndSun MoonAndSunAt(TDateTime date)
{
    const TDateTime tt = DynamicalFromUniversal(date);
    const TSkyPosition moon = MoonPosition(tt);
    const TSkyPosition sun = SunPosition(tt);
    TMoonAndSun values{};
    values.MoonAgeDays = AgeDays(moon, sun);
    values.MoonPhaseAngle = PhaseAngle(moon, sun);
    values.MoonIlluminatedFraction = IlluminatedFraction(values.MoonPhaseAngle);
    values.MoonDistanceKm = moon.Distance;
    values.MoonAngularDiameter = MoonDiameter(moon.Distance);
    values.SunDistanceAU = DistanceAU(sun);
    values.SunAngularDiameter = SunDiameter(values.SunDistanceAU);
    return values;
}

}  // namespace astro
