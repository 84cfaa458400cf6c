#include "moonwindow/frmutc.h"

#include "astro/calendar.h"
#include "astro/constants.h"
#include "controls/clock.h"
#include "moonwindow/dialogfields.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <algorithm>
#include <cmath>
#include <exception>

Tfrm_utc::Tfrm_utc(const TClock& clock)
    : TSetTimeDialog(QStringLiteral("Set universial time")),
      FClock(clock)
{
    for (TEdit* field : {&edt_year, &edt_day, &edt_hour, &edt_min, &edt_sec})
        field->onChange = [this] { anyChange(); };
    cbx_month.onChange = [this] { anyChange(); };
    btn_now.onClick = [this] { btn_nowClick(); };
    btn_ok.onClick = [this] { setModalResult(TModalResult::OK); };
    btn_cancel.onClick = [this] { setModalResult(TModalResult::Cancel); };
    FormCreate();
}

void Tfrm_utc::FormCreate()
{
    setCaption(LocalString(42051));
    grp_utc.setText(LocalString(42002));
    lbl_year.setText(LocalString(42052));
    lbl_month.setText(LocalString(42053));
    lbl_day.setText(LocalString(42054));
    lbl_hour.setText(LocalString(42055));
    lbl_min.setText(LocalString(42056));
    lbl_sec.setText(LocalString(42057));
    grp_julian.setText(LocalString(42001));
    btn_now.setCaption(LocalString(42047));
    cbx_month.setItems(LocaleMonthNames());
}

void Tfrm_utc::FormShow() { ShowValue(); }

void Tfrm_utc::ShowValue()
{
    const astro::TCalendarDate date = astro::DateTimeToCalendar(FValue);
    const double ms =
        std::min(std::round((FValue - std::floor(FValue)) * astro::MillisecondsPerDay), astro::MillisecondsPerDay - 1);
    const auto seconds = static_cast<int>(static_cast<qint64>(ms) / 1000);
    edt_year.setText(QString::number(date.Year));
    edt_day.setText(QString::number(date.Day));
    cbx_month.setItemIndex(date.Month - 1);
    edt_hour.setText(QString::number(seconds / 3600));
    edt_min.setText(QString::number(seconds / 60 % 60));
    edt_sec.setText(QString::number(seconds % 60));
    // Fields that already showed these values fired nothing; the value must still be the
    // shown one, cut to whole seconds.
    anyChange();
}

void Tfrm_utc::btn_nowClick()
{
    FValue = FClock.universalNow();
    ShowValue();
}

void Tfrm_utc::anyChange()
{
    bool ok = false;
    try {
        const auto day = ReadDecimal(edt_day.text());
        const auto year = ReadDecimal(edt_year.text());
        const int month = cbx_month.itemIndex() + 1;
        if (day && year && month >= 1) {
            FValue = astro::CalendarToDateTime(*year, month, *day);
            const auto hour = ReadDecimal(edt_hour.text());
            const auto minute = ReadDecimal(edt_min.text());
            const auto second = ReadDecimal(edt_sec.text());
            if (hour && minute && second && *hour >= 0 && *hour <= 23 && *minute >= 0 && *minute <= 59 &&
                *second >= 0 && *second <= 59) {
                FValue += (*hour * 3600 + *minute * 60 + *second) / astro::SecondsPerDay;
                lbl_julian.setText(JulianDateText(astro::DateTimeToJulian(FValue)));
                ok = true;
            }
        }
    } catch (const std::exception&) {
    }
    btn_ok.setEnabled(ok);
    if (!ok)
        lbl_julian.setText(LocalString(42049));
}
