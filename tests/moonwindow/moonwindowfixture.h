#pragma once
// A moon window with the windows it works with, on a fixed clock and a temporary settings file.

#include "astro/calendar.h"
#include "astro/constants.h"
#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "locations/frmlocations.h"
#include "moonwindow/frmutc.h"
#include "moonwindow/mainform.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

inline double At(int year, int month, int day, int hour = 0, int minute = 0, double second = 0)
{
    return astro::CalendarToDateTime(year, month, day) + (hour * 3600 + minute * 60 + second) / astro::SecondsPerDay;
}

// One stored location: Sydney (33.87 south, 151.21 east) or a northern one.
inline QByteArray OneLocation(const char* name, int latitudeSeconds, int longitudeSeconds)
{
    return QByteArray("[Current]\nIndex=0\n[Location0]\nName=") + name +
           "\nLongitude=" + QByteArray::number(longitudeSeconds) + "\nLatitude=" + QByteArray::number(latitudeSeconds) +
           "\nElevation=0\n";
}

class MoonWindowTest : public ::testing::Test {
protected:
    // Creates the windows in the program's order; start is local time.
    void create(double start, int bias, const QByteArray& settings = OneLocation("Greenwich", 185000, 0))
    {
        clock = std::make_unique<TFixedClock>(start, bias);
        QFile file(settingsFile);
        file.open(QIODevice::WriteOnly);
        file.write(settings);
        file.close();
        calculator = std::make_unique<TFrmMain>(*clock);
        moon = std::make_unique<TMainForm>(*calculator, *clock, settingsFile);
        moon->FormCreate();
        locations = std::make_unique<Tfrm_locations>(settingsFile);
        utc = std::make_unique<Tfrm_utc>(*clock);
        moon->connectWindows(nullptr, locations.get(), utc.get());
    }

    // Runs the universal-time dialog as a user who types the fields and presses OK.
    void setUniversalTime(int year, int month, int day, int hour, int minute, int second)
    {
        utc->onShowModal = [=, this] {
            utc->edt_year.setText(QString::number(year));
            utc->cbx_month.setItemIndex(month - 1);
            utc->edt_day.setText(QString::number(day));
            utc->edt_hour.setText(QString::number(hour));
            utc->edt_min.setText(QString::number(minute));
            utc->edt_sec.setText(QString::number(second));
            return utc->btn_ok.enabled() ? TModalResult::OK : TModalResult::Cancel;
        };
        moon->mnu_utcClick();
    }

    QTemporaryDir folder;
    QString settingsFile = folder.filePath("shutterly.ini");
    std::unique_ptr<TFixedClock> clock;
    std::unique_ptr<TFrmMain> calculator;
    std::unique_ptr<TMainForm> moon;
    std::unique_ptr<Tfrm_locations> locations;
    std::unique_ptr<Tfrm_utc> utc;
};
