#pragma once
// The C library's reading of a zone, which shares no code with the toolkit's: an independent
// reference for the offsets and local dates the program takes from QTimeZone. The TZ
// environment variable is set while the object lives; the caller's comes back afterwards.

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

class TGlibcZone {
public:
    explicit TGlibcZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            FOld = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TGlibcZone()
    {
        if (FOld)
            setenv("TZ", FOld->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    TGlibcZone(const TGlibcZone&) = delete;
    TGlibcZone& operator=(const TGlibcZone&) = delete;

    // The local calendar time of ut (TDateTime, universal time), to the second.
    std::tm local(double ut) const
    {
        const auto t = static_cast<std::time_t>(std::llround((ut - EpochDay) * 86400));
        std::tm tm{};
        localtime_r(&t, &tm);
        return tm;
    }
    // Seconds the zone is ahead of universal time at ut.
    int offsetAt(double ut) const { return int(local(ut).tm_gmtoff); }

private:
    // TDateTime of 1970-01-01 00:00.
    static constexpr double EpochDay = 25569;
    std::optional<std::string> FOld;
};
