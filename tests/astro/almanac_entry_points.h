#pragma once
// Every public entry point of the almanac library, callable with one set of arbitrary
// arguments, so that the edge tests and the fuzz target hold them all to one rule: each call
// ends with a finite result or the library's own error.

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "astro/astro.h"

namespace astro::testing {

// Arbitrary arguments: A is the instant (or angle), B a second number (longitude, angle,
// span), Latitude an observer's latitude; N, M and D whole numbers (year, lunation, month,
// term, day).
struct TEntryArguments {
    double A = 0.0;
    double B = 0.0;
    double Latitude = 0.0;
    int N = 0;
    int M = 0;
    int D = 0;
};

// Whether the entry point is an angle helper, which keeps the maths rule "NaN in, NaN out"
// instead of failing: its result must be finite only when its arguments are.
enum class TEntryKind { Almanac, AngleHelper };

struct TEntryPoint {
    std::string Name;
    TEntryKind Kind;
    // Returns the sum of the result's numbers: NaN or an infinity in any of them shows in it.
    std::function<double(const TEntryArguments&)> Call;
};

inline double Sum(const TSkyPosition& p)
{
    return p.Longitude + p.Latitude + p.Distance + p.RightAscension + p.Declination + p.Parallax + p.Elevation +
           p.Azimuth;
}

inline double Sum(const TLightEvent& e) { return double(e.Kind) + e.Time; }

inline double Sum(const TSunLight& s)
{
    return Sum(s.Astronomical) + Sum(s.Nautical) + Sum(s.Civil) + Sum(s.BlueGolden) + Sum(s.Horizon) +
           s.HorizonAzimuth + Sum(s.Golden);
}

inline double Sum(const TMoonLight& m) { return Sum(m.Horizon) + m.Azimuth + m.IlluminatedFraction; }

inline double Sum(const TCalendarDate& d) { return d.Year + d.Month + d.Day; }
inline double Sum(const TJewishDate& d) { return d.Year + d.Month + d.Day; }

inline TMoonPhase PhaseOf(int n) { return static_cast<TMoonPhase>(static_cast<unsigned>(n) % 8U); }

inline const std::vector<TEntryPoint>& AlmanacEntryPoints()
{
    using A = const TEntryArguments&;
    constexpr TEntryKind Almanac = TEntryKind::Almanac;
    constexpr TEntryKind Angle = TEntryKind::AngleHelper;
    static const std::vector<TEntryPoint> entries = {
        {"Normalize360", Angle, [](A a) { return Normalize360(a.A); }},
        {"SinDeg", Angle, [](A a) { return SinDeg(a.A); }},
        {"CosDeg", Angle, [](A a) { return CosDeg(a.A); }},
        {"TanDeg", Angle, [](A a) { return TanDeg(a.A); }},
        {"ArcTan2Deg", Angle, [](A a) { return ArcTan2Deg(a.A, a.B); }},
        {"ArcSinDeg", Angle, [](A a) { return ArcSinDeg(a.A); }},
        {"ArcCosDeg", Angle, [](A a) { return ArcCosDeg(a.A); }},
        {"ArcTanDeg", Angle, [](A a) { return ArcTanDeg(a.A); }},
        {"AngleDifference", Angle, [](A a) { return AngleDifference(a.A, a.B); }},

        {"JulianCalendarToJD", Almanac, [](A a) { return JulianCalendarToJD(a.N, a.M, a.D); }},
        {"GregorianCalendarToJD", Almanac, [](A a) { return GregorianCalendarToJD(a.N, a.M, a.D); }},
        {"CalendarToJD", Almanac, [](A a) { return CalendarToJD(a.N, a.M, a.D); }},
        {"CalendarToDateTime", Almanac, [](A a) { return CalendarToDateTime(a.N, a.M, a.D); }},
        {"JulianCalendarToDateTime", Almanac, [](A a) { return JulianCalendarToDateTime(a.N, a.M, a.D); }},
        {"JDToJulianCalendar", Almanac, [](A a) { return Sum(JDToJulianCalendar(a.A)); }},
        {"JDToGregorianCalendar", Almanac, [](A a) { return Sum(JDToGregorianCalendar(a.A)); }},
        {"JDToCalendar", Almanac, [](A a) { return Sum(JDToCalendar(a.A)); }},
        {"DateTimeToCalendar", Almanac, [](A a) { return Sum(DateTimeToCalendar(a.A)); }},
        {"DateTimeToDisplay", Almanac, [](A a) { return DateTimeToDisplay(a.A); }},

        {"MeanObliquity", Almanac, [](A a) { return MeanObliquity(a.A); }},
        {"Nutation", Almanac,
         [](A a) {
             const TNutation n = Nutation(a.A);
             return n.DeltaPsi + n.Epsilon;
         }},
        {"SiderealTime", Almanac, [](A a) { return SiderealTime(a.A); }},
        {"EclipticToEquatorial", Almanac,
         [](A a) {
             TSkyPosition p;
             p.Longitude = a.B;
             p.Latitude = a.Latitude;
             EclipticToEquatorial(p, a.A);
             return Sum(p);
         }},
        {"EquatorialToHorizontal", Almanac,
         [](A a) {
             TSkyPosition p;
             p.RightAscension = a.B;
             p.Declination = std::fmod(a.Latitude, 89.0);
             EquatorialToHorizontal(p, a.A, a.B, a.Latitude);
             return Sum(p);
         }},
        {"SunPosition", Almanac, [](A a) { return Sum(SunPosition(a.A)); }},
        {"SunHorizontal", Almanac,
         [](A a) {
             const THorizontalPosition h = SunHorizontal(a.A, a.B, a.Latitude);
             return h.Elevation + h.Azimuth;
         }},
        {"MoonPosition", Almanac, [](A a) { return Sum(MoonPosition(a.A)); }},
        {"TopocentricCorrection", Almanac,
         [](A a) {
             TSkyPosition p = MoonPosition(a.A);
             TopocentricCorrection(p, a.A, a.Latitude, a.B, a.D);
             return Sum(p);
         }},

        {"DeltaTSeconds", Almanac, [](A a) { return DeltaTSeconds(a.A); }},
        {"DynamicalFromUniversal", Almanac, [](A a) { return DynamicalFromUniversal(a.A); }},
        {"UniversalFromDynamical", Almanac, [](A a) { return UniversalFromDynamical(a.A); }},

        {"PhaseArgumentsDynamical", Almanac,
         [](A a) {
             const TPhaseArguments p = PhaseArgumentsDynamical(PhaseOf(a.N), a.A);
             return p.MeanJDE + p.K + p.E + p.Omega + p.F + p.MoonAnomaly + p.SunAnomaly;
         }},
        {"PrincipalPhaseInstantDynamical", Almanac,
         [](A a) { return PrincipalPhaseInstantDynamical(PhaseOf(a.N & ~1), a.A); }},
        {"PrincipalPhaseInstant", Almanac, [](A a) { return PrincipalPhaseInstant(PhaseOf(a.N & ~1), a.A); }},
        {"OctantPhaseInstant", Almanac, [](A a) { return OctantPhaseInstant(PhaseOf(a.N | 1), a.A); }},
        {"PhaseInstant", Almanac, [](A a) { return PhaseInstant(PhaseOf(a.N), a.A); }},
        {"PhaseBefore", Almanac, [](A a) { return PhaseBefore(PhaseOf(a.N), a.A); }},
        {"PhaseAfter", Almanac, [](A a) { return PhaseAfter(PhaseOf(a.N), a.A); }},
        {"BlueMoonAfter", Almanac, [](A a) { return BlueMoonAfter(a.A); }},
        {"IsBlueMoonLunation", Almanac, [](A a) { return double(IsBlueMoonLunation(a.N)); }},
        {"LunationOf", Almanac, [](A a) { return double(LunationOf(a.A)); }},
        {"MoonAgeDays", Almanac, [](A a) { return MoonAgeDays(a.A); }},
        {"MoonPhaseAngle", Almanac, [](A a) { return MoonPhaseAngle(a.A); }},
        {"MoonIlluminatedFraction", Almanac, [](A a) { return MoonIlluminatedFraction(a.A); }},
        {"SunDistanceAU", Almanac, [](A a) { return SunDistanceAU(a.A); }},
        {"MoonDistanceKm", Almanac, [](A a) { return MoonDistanceKm(a.A); }},
        {"SunAngularDiameter", Almanac, [](A a) { return SunAngularDiameter(a.A); }},
        {"MoonAngularDiameter", Almanac, [](A a) { return MoonAngularDiameter(a.A); }},
        {"MoonAndSunAt", Almanac,
         [](A a) {
             const TMoonAndSun m = MoonAndSunAt(a.A);
             return m.MoonAgeDays + m.MoonPhaseAngle + m.MoonIlluminatedFraction + m.MoonDistanceKm +
                    m.MoonAngularDiameter + m.SunDistanceAU + m.SunAngularDiameter;
         }},

        {"SunRiseTime", Almanac, [](A a) { return SunRiseTime(a.A, a.Latitude, a.B); }},
        {"SunSetTime", Almanac, [](A a) { return SunSetTime(a.A, a.Latitude, a.B); }},
        {"SunTransitTime", Almanac, [](A a) { return SunTransitTime(a.A, a.Latitude, a.B); }},
        {"MoonRiseTime", Almanac, [](A a) { return MoonRiseTime(a.A, a.Latitude, a.B); }},
        {"MoonSetTime", Almanac, [](A a) { return MoonSetTime(a.A, a.Latitude, a.B); }},
        {"MoonTransitTime", Almanac, [](A a) { return MoonTransitTime(a.A, a.Latitude, a.B); }},
        {"MoonRiseSetAltitude", Almanac, [](A a) { return MoonRiseSetAltitude(a.A, a.Latitude, a.B); }},
        {"SunAltitudeTime", Almanac,
         [](A a) {
             const auto event = static_cast<TRiseSetEvent>(static_cast<unsigned>(a.N) % 3U);
             return SunAltitudeTime(event, a.A, a.M % 100, a.Latitude, a.B);
         }},
        {"SunAltitudeTimeFrom", Almanac,
         [](A a) {
             const auto event = static_cast<TRiseSetEvent>(static_cast<unsigned>(a.N) % 3U);
             return SunAltitudeTimeFrom(event, a.A, a.M % 100, a.Latitude, a.B);
         }},
        {"RiseTransitSetFrom", Almanac,
         [](A a) {
             const auto event = static_cast<TRiseSetEvent>(static_cast<unsigned>(a.N) % 3U);
             return RiseTransitSetFrom(a.M % 2 != 0, event, a.A, a.Latitude, a.B);
         }},
        {"DayLight", Almanac,
         [](A a) {
             const TDayLight d = DayLight(a.A, a.Latitude, a.B);
             return Sum(d.Morning) + Sum(d.Evening) + Sum(d.Moonrise) + Sum(d.Moonset);
         }},
        // Spans of 0 to 2.9 days: the empty ones and those beyond a civil day's are refused.
        {"DayLightBetween", Almanac,
         [](A a) {
             const TDayLight d = DayLightBetween(a.A, a.A + (static_cast<unsigned>(a.D) % 30U) / 10.0, a.Latitude, a.B);
             return Sum(d.Morning) + Sum(d.Evening) + Sum(d.Moonrise) + Sum(d.Moonset);
         }},
        {"RiseTransitSetBetween", Almanac,
         [](A a) {
             const auto event = static_cast<TRiseSetEvent>(static_cast<unsigned>(a.N) % 3U);
             const double end = a.A + (static_cast<unsigned>(a.D) % 30U) / 10.0;
             return RiseTransitSetBetween(a.M % 2 != 0, event, a.A, end, a.Latitude, a.B).value_or(0.0);
         }},
        {"NightBetween", Almanac,
         [](A a) {
             TNightOptions options;
             options.FaintMoonCountsAsDown = a.N % 2 != 0;
             options.FaintMoonPercent = a.M;
             options.CoreAltitude = a.D;
             const TNight n =
                 NightBetween(a.A, a.A + (static_cast<unsigned>(a.D) % 30U) / 10.0, a.Latitude, a.B, options);
             double sum = n.MoonIlluminatedFraction;
             for (const TDarkWindow& w : n.Windows) {
                 sum += w.Start + w.End;
                 for (const TCoreSpan& c : w.Core)
                     sum += c.Start.Altitude + c.Highest.Azimuth + c.Highest.Altitude + c.End.Time;
             }
             return sum;
         }},
        {"PrecessFromJ2000", Almanac,
         [](A a) {
             const TEquatorialPlace p = PrecessFromJ2000({a.B, a.Latitude}, a.A);
             return p.RightAscension + p.Declination;
         }},
        {"ApparentPlace", Almanac,
         [](A a) {
             const TEquatorialPlace p = ApparentPlace({a.B, a.Latitude}, a.A);
             return p.RightAscension + p.Declination;
         }},

        {"SunLongitudeJ2000", Almanac, [](A a) { return SunLongitudeJ2000(a.A); }},
        {"MeteorShowerPeak", Almanac,
         [](A a) { return MeteorShowerPeak(MeteorShowers[static_cast<unsigned>(a.M) % MeteorShowerCount], a.N); }},
        {"MeteorShowerNight", Almanac,
         [](A a) {
             const TMeteorNight night = MeteorShowerNight(MeteorShowers[static_cast<unsigned>(a.M) % MeteorShowerCount],
                                                          a.A, a.A + 1, a.Latitude, a.B);
             return night.Darkest + night.RadiantAltitude + night.MoonIlluminatedFraction;
         }},

        {"SolarTermInstantDynamical", Almanac, [](A a) { return SolarTermInstantDynamical(a.N, a.M); }},
        {"SolarTermInstant", Almanac, [](A a) { return SolarTermInstant(a.N, a.M); }},
        {"SeasonBegin", Almanac,
         [](A a) { return SeasonBegin(a.N, static_cast<TSeason>(static_cast<unsigned>(a.M) % 4U)); }},
        {"PrincipalTermOfMonth", Almanac, [](A a) { return double(PrincipalTermOfMonth(a.M)); }},
        {"PrincipalTermAfter", Almanac, [](A a) { return PrincipalTermAfter(a.A); }},
        {"PrincipalTermBefore", Almanac, [](A a) { return PrincipalTermBefore(a.A); }},

        {"PerigeeApogeeInstantDynamical", Almanac,
         [](A a) { return PerigeeApogeeInstantDynamical(a.N % 2 != 0, a.A); }},
        {"PerigeeApogeeInstant", Almanac, [](A a) { return PerigeeApogeeInstant(a.N % 2 != 0, a.A); }},
        {"PerigeeAfter", Almanac, [](A a) { return PerigeeAfter(a.A); }},
        {"ApogeeAfter", Almanac, [](A a) { return ApogeeAfter(a.A); }},
        {"PerihelionAphelionInstantDynamical", Almanac,
         [](A a) { return PerihelionAphelionInstantDynamical(a.N % 2 != 0, a.A); }},
        {"PerihelionAphelionInstant", Almanac, [](A a) { return PerihelionAphelionInstant(a.N % 2 != 0, a.A); }},
        {"PerihelionAfter", Almanac, [](A a) { return PerihelionAfter(a.A); }},
        {"AphelionAfter", Almanac, [](A a) { return AphelionAfter(a.A); }},

        {"EclipseOfLunationDynamical", Almanac,
         [](A a) {
             TDateTime t = a.A;
             return double(EclipseOfLunationDynamical(t, a.N % 2 != 0)) + t;
         }},
        {"EclipseOfLunation", Almanac,
         [](A a) {
             TDateTime t = a.A;
             return double(EclipseOfLunation(t, a.N % 2 != 0)) + t;
         }},
        {"FindEclipseAfter", Almanac,
         [](A a) {
             TDateTime t = a.A;
             return double(FindEclipseAfter(t, a.N % 2 != 0)) + t;
         }},
        {"NextEclipse", Almanac,
         [](A a) {
             TDateTime t = a.A;
             return double(NextEclipse(t, a.N % 2 != 0)) + t;
         }},

        {"EasterGregorian", Almanac, [](A a) { return EasterGregorian(a.N); }},
        {"EasterJulian", Almanac, [](A a) { return EasterJulian(a.N); }},
        {"EasterDate", Almanac, [](A a) { return EasterDate(a.N); }},
        {"PassoverDate", Almanac, [](A a) { return PassoverDate(a.N); }},

        {"IsJewishLeapYear", Almanac, [](A a) { return double(IsJewishLeapYear(a.N)); }},
        {"JewishMonthsInYear", Almanac, [](A a) { return double(JewishMonthsInYear(a.N)); }},
        {"JewishNewYear", Almanac, [](A a) { return JewishNewYear(a.N); }},
        {"JewishYearLength", Almanac, [](A a) { return double(JewishYearLength(a.N)); }},
        {"JewishDaysInMonth", Almanac, [](A a) { return double(JewishDaysInMonth(a.N, a.M)); }},
        {"JewishMonthName", Almanac, [](A a) { return double(std::string(JewishMonthName(a.N, a.M)).size()); }},
        {"JewishToDateTime", Almanac, [](A a) { return JewishToDateTime(a.N, a.M, a.D); }},
        {"DateTimeToJewish", Almanac, [](A a) { return Sum(DateTimeToJewish(a.A)); }},
        {"CalendarToJewish", Almanac, [](A a) { return Sum(CalendarToJewish(a.N, a.M, a.D)); }},
        {"JewishToCalendar", Almanac, [](A a) { return Sum(JewishToCalendar(a.N, a.M, a.D)); }},

        {"ToChinaTime", Almanac, [](A a) { return ToChinaTime(a.A); }},
        {"FromChinaTime", Almanac, [](A a) { return FromChinaTime(a.A); }},
        {"ChinaDayOfNewMoonBefore", Almanac, [](A a) { return ChinaDayOfNewMoonBefore(a.A); }},
        {"ChinaDayOfNewMoonAfter", Almanac, [](A a) { return ChinaDayOfNewMoonAfter(a.A); }},
        {"ChinaDayOfTermAfter", Almanac, [](A a) { return ChinaDayOfTermAfter(a.A); }},
        {"ChinaDayOfTermBefore", Almanac, [](A a) { return ChinaDayOfTermBefore(a.A); }},
        {"MonthLacksPrincipalTerm", Almanac, [](A a) { return double(MonthLacksPrincipalTerm(a.A)); }},
        {"LeapMonthBetween", Almanac, [](A a) { return double(LeapMonthBetween(a.A, a.A + a.B)); }},
        {"ChineseNewYearOf", Almanac, [](A a) { return ChineseNewYearOf(a.N); }},
        {"ChineseDateOf", Almanac,
         [](A a) {
             const TChineseDate d = ChineseDateOf(a.A);
             return double(d.YearCount + d.YearInCycle + d.Month + d.Day + d.YearBranch);
         }},
    };
    return entries;
}

// Whether every argument the entry point may read is finite.
inline bool ArgumentsFinite(const TEntryArguments& a)
{
    return std::isfinite(a.A) && std::isfinite(a.B) && std::isfinite(a.Latitude);
}

// Calls the entry point and returns an empty text when it kept the rule, else what broke it.
// Only the library's own errors are allowed to escape.
inline std::string RuleBrokenBy(const TEntryPoint& entry, const TEntryArguments& arguments)
{
    double result = 0.0;
    try {
        result = entry.Call(arguments);
    } catch (const EAstroError&) {
        return {};
    }
    if (std::isfinite(result))
        return {};
    if (entry.Kind == TEntryKind::AngleHelper && !ArgumentsFinite(arguments))
        return {};
    return entry.Name + " returned " + std::to_string(result);
}

}  // namespace astro::testing
