#include "astro/vsop.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "astro/calendar.h"
#include "astro/vsop87_earth_terms.h"

namespace astro {
namespace {

struct TSeriesCounts {
    const char* name;
    const TVSOPSeries* series;
    std::size_t counts[6];
};

const TSeriesCounts SeriesCounts[] = {
    {"L", &EarthLongitudeTerms, {559, 341, 142, 22, 11, 5}},
    {"B", &EarthLatitudeTerms, {184, 99, 49, 11, 5, 0}},
    {"R", &EarthRadiusTerms, {526, 292, 139, 27, 10, 3}},
};

TEST(VSOP87EarthTerms, CountsPerSeriesAndPower)
{
    std::size_t total = 0;
    for (const TSeriesCounts& s : SeriesCounts)
        for (std::size_t power = 0; power < 6; ++power) {
            EXPECT_EQ((*s.series)[power].size(), s.counts[power]) << s.name << power;
            total += (*s.series)[power].size();
        }
    EXPECT_EQ(total, 2425u);
}

TEST(VSOP87EarthTerms, LeadingAndLastRows)
{
    const struct {
        const TVSOPSeries* series;
        const char* name;
        int power;
        int row;  // from 1; 0 for the last row
        TVSOPTerm term;
    } rows[] = {
        {&EarthLongitudeTerms, "L", 0, 1, {175347045.673, 0, 0}},
        {&EarthLongitudeTerms, "L", 0, 2, {3341656.456, 4.66925680417, 6283.07584999140}},
        {&EarthLongitudeTerms, "L", 0, 3, {34894.275, 4.62610241759, 12566.15169998280}},
        {&EarthLongitudeTerms, "L", 0, 4, {3417.571, 2.82886579606, 3.52311834900}},
        {&EarthLongitudeTerms, "L", 0, 5, {3497.056, 2.74411800971, 5753.38488489680}},
        {&EarthLongitudeTerms, "L", 0, 0, {0.049, 2.44790934886, 13613.80427733600}},
        {&EarthLongitudeTerms, "L", 1, 1, {628331966747.491, 0, 0}},
        {&EarthLongitudeTerms, "L", 1, 2, {206058.863, 2.67823455584, 6283.07584999140}},
        {&EarthLongitudeTerms, "L", 2, 1, {52918.870, 0, 0}},
        {&EarthLongitudeTerms, "L", 3, 1, {289.226, 5.84384198723, 6283.07584999140}},
        {&EarthLongitudeTerms, "L", 4, 1, {114.084, 3.14159265359, 0}},
        {&EarthLongitudeTerms, "L", 5, 1, {0.878, 3.14159265359, 0}},
        {&EarthLatitudeTerms, "B", 0, 1, {279.620, 3.19870156017, 84334.66158130829}},
        {&EarthLatitudeTerms, "B", 0, 2, {101.643, 5.42248619256, 5507.55323866740}},
        {&EarthLatitudeTerms, "B", 1, 1, {9.030, 3.89729061890, 5507.55323866740}},
        {&EarthLatitudeTerms, "B", 4, 0, {0.003, 2.89822201212, 6127.65545055720}},
        {&EarthRadiusTerms, "R", 0, 1, {100013988.799, 0, 0}},
        {&EarthRadiusTerms, "R", 0, 2, {1670699.626, 3.09846350771, 6283.07584999140}},
        {&EarthRadiusTerms, "R", 0, 3, {13956.023, 3.05524609620, 12566.15169998280}},
        {&EarthRadiusTerms, "R", 1, 1, {103018.608, 1.10748969588, 6283.07584999140}},
        {&EarthRadiusTerms, "R", 5, 0, {0.001, 0.38068797142, 18849.22754997420}},
    };
    for (const auto& r : rows) {
        const auto terms = (*r.series)[static_cast<std::size_t>(r.power)];
        const TVSOPTerm& term = r.row == 0 ? terms.back() : terms[static_cast<std::size_t>(r.row - 1)];
        EXPECT_EQ(term.A, r.term.A) << r.name << r.power << " row " << r.row;
        EXPECT_EQ(term.B, r.term.B) << r.name << r.power << " row " << r.row;
        EXPECT_EQ(term.C, r.term.C) << r.name << r.power << " row " << r.row;
    }
}

std::string FileText(const std::filesystem::path& path)
{
    std::ifstream file(path);
    EXPECT_TRUE(file.good()) << path;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The table is generated; a change of the generator or its data must come with a regenerated
// table.
TEST(VSOP87EarthTerms, GeneratedSourceIsUpToDate)
{
    if (std::system("python3 --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "python3 is not installed";
    const std::filesystem::path out =
        std::filesystem::temp_directory_path() / ("vsop_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(out);
    const std::string command =
        "python3 '" SHUTTERLY_SOURCE_DIR "/tools/gen_vsop87_earth.py' --out '" + out.string() + "'";
    const int status = std::system(command.c_str());
    const std::string regenerated = FileText(out / "vsop87_earth_terms.cpp");
    std::filesystem::remove_all(out);
    ASSERT_EQ(status, 0);
    EXPECT_TRUE(FileText(SHUTTERLY_SOURCE_DIR "/astro/vsop87_earth_terms.cpp") == regenerated)
        << "astro/vsop87_earth_terms.cpp differs from its data; run tools/gen_vsop87_earth.py";
}

TEST(TVSOPEarth, TermSlotsReturnTableRowsAndZeroPastTheEnd)
{
    const TVSOPEarth earth;
    EXPECT_EQ(earth.LongitudeTerm(0, 0).A, 175347045.673);
    EXPECT_EQ(earth.LatitudeTerm(1, 0).C, 5507.55323866740);
    EXPECT_EQ(earth.RadiusTerm(2, 5).B, 0.38068797142);
    const TVSOPTerm outside[] = {earth.LongitudeTerm(559, 0), earth.LatitudeTerm(0, 5),  earth.RadiusTerm(3, 5),
                                 earth.RadiusTerm(-1, 0),     earth.LongitudeTerm(0, 6), earth.LatitudeTerm(0, -1)};
    for (const TVSOPTerm& term : outside) {
        EXPECT_EQ(term.A, 0.0);
        EXPECT_EQ(term.B, 0.0);
        EXPECT_EQ(term.C, 0.0);
    }
}

TEST(TVSOPEarth, TauCountsJulianMillenniaFromJ2000)
{
    TVSOPEarth earth;
    earth.SetDate(36526.5);
    EXPECT_EQ(earth.Tau(), 0.0);
    earth.SetDate(36526.5 + 365250.0);
    EXPECT_EQ(earth.Tau(), 1.0);
    earth.SetDate(36526.5 - 36525.0);
    EXPECT_NEAR(earth.Tau(), -0.1, 1e-15);
}

// At J2000.0 each series reduces to the sum of A cos B over its tau^0 rows.
TEST(TVSOPEarth, AtJ2000EachSeriesIsItsConstantRows)
{
    TVSOPEarth earth;
    earth.SetDate(J2000DateTime);
    const struct {
        const TVSOPSeries* series;
        double value;
    } cases[] = {{&EarthLongitudeTerms, earth.Longitude()},
                 {&EarthLatitudeTerms, earth.Latitude()},
                 {&EarthRadiusTerms, earth.Radius()}};
    for (const auto& c : cases) {
        double sum = 0.0;
        for (const TVSOPTerm& term : (*c.series)[0])
            sum += term.A * std::cos(term.B);
        EXPECT_NEAR(c.value, sum * 1e-8, 1e-14);
    }
    EXPECT_DOUBLE_EQ(EarthLongitudeTerms[0][0].A * 1e-8, 1.75347045673);
    EXPECT_NEAR(earth.Radius(), 0.9833, 0.0001);
}

// The table sums of TVSOPEarth against the generic term-by-term Evaluate, years 1 to 9999
// (tau from -2 to 8, where the longitude reaches 5e4 rad): relative differences.
TEST(TVSOPEarth, FastSumsAgreeWithEvaluate)
{
    double worst[3] = {};
    TVSOPEarth earth;
    for (TDateTime t = CalendarToDateTime(1, 1, 1); t < CalendarToDateTime(9999, 12, 31); t += 1234.567) {
        earth.SetDate(t);
        const double pairs[3][2] = {{earth.Longitude(), earth.Evaluate(&TVSOP::LongitudeTerm)},
                                    {earth.Latitude(), earth.Evaluate(&TVSOP::LatitudeTerm)},
                                    {earth.Radius(), earth.Evaluate(&TVSOP::RadiusTerm)}};
        for (int i = 0; i < 3; ++i) {
            const double scale = std::max(1.0, std::fabs(pairs[i][1]));
            worst[i] = std::max(worst[i], std::fabs(pairs[i][0] - pairs[i][1]) / scale);
        }
    }
    EXPECT_LT(worst[0], 2e-14) << "longitude";
    EXPECT_LT(worst[1], 2e-14) << "latitude";
    EXPECT_LT(worst[2], 2e-14) << "radius";
    std::cout << "worst relative differences: L " << worst[0] << ", B " << worst[1] << ", R " << worst[2] << "\n";
}

TEST(TVSOP, ToFK5ShiftsByTheFrameCorrection)
{
    constexpr double arcsecond = Pi / 180 / 3600;
    TVSOPEarth earth;
    earth.SetDate(33890.0);
    for (const double longitude : {0.0, 1.0, 2.5, 4.0, 6.0}) {
        double L = longitude;
        double B = 0.0;
        earth.ToFK5(L, B);
        EXPECT_NEAR(L - longitude, -0.09033 * arcsecond, 1e-15) << longitude;
        EXPECT_LE(std::fabs(B), 0.03916 * std::sqrt(2.0) * arcsecond + 1e-15) << longitude;
    }
}

}  // namespace
}  // namespace astro
