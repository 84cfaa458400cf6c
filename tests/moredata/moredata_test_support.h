#pragma once
// A calculator and a More Data window on one settings file in a temporary folder, at a fixed
// clock.

#include "astro/constants.h"
#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "locations/location.h"
#include "moredata/frmmore.h"

#include <QDate>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// TDateTime of year-month-day at the given hour and minute.
inline double At(int year, int month, int day, int hour = 0, int minute = 0)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(year, month, day))) + (hour * 60 + minute) / astro::MinutesPerDay;
}

inline TLocation Place(const char* name, double latitude, double longitude, int elevation = 0)
{
    TLocation location;
    location.Name = QString::fromUtf8(name);
    location.Latitude = latitude;
    location.Longitude = longitude;
    location.Elevation = elevation;
    return location;
}

class MoreDataWindow : public testing::Test {
protected:
    // Stores the locations and the current index before the window is made.
    void store(const TLocationList& locations, int index = 0) { SaveLocations(settingsFile(), &locations, index); }

    // Creates the window, which loads the stored locations and fills its values.
    Tfrm_more& create()
    {
        more = std::make_unique<Tfrm_more>(calculator, clock, settingsFile());
        return *more;
    }

    QString settingsFile() const { return folder.filePath(QStringLiteral("shutterly.ini")); }

    QTemporaryDir folder;
    // 2024-03-20 12:00 local time, local time = universal time.
    TFixedClock clock{At(2024, 3, 20, 12), 0};
    TFrmMain calculator{clock};
    std::unique_ptr<Tfrm_more> more;
};
