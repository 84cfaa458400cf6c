#include "moonwindow/frmjulian.h"

#include "astro/calendar.h"
#include "controls/clock.h"
#include "moonwindow/dialogfields.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <exception>

Tfrm_julian::Tfrm_julian(const TClock& clock)
    : TSetTimeDialog(QStringLiteral("Set julian date")),
      FClock(clock)
{
    edt_julian.onChange = [this] { edt_julianChange(); };
    btn_now.onClick = [this] { btn_nowClick(); };
    btn_ok.onClick = [this] { setModalResult(TModalResult::OK); };
    btn_cancel.onClick = [this] { setModalResult(TModalResult::Cancel); };
    setCaption(LocalString(42048));
    grp_utc.setText(LocalString(42002));
    btn_now.setCaption(LocalString(42047));
}

void Tfrm_julian::FormShow() { ShowValue(); }

void Tfrm_julian::ShowValue()
{
    // Five decimals of a Julian date are not whole seconds: the value handed in stays as it is
    // until the user edits the text.
    const astro::TDateTime value = FValue;
    edt_julian.setText(JulianDateText(astro::DateTimeToJulian(value)));
    FValue = value;
    try {
        lbl_utc.setText(DateTimeText(FValue));
        btn_ok.setEnabled(true);
    } catch (const std::exception&) {
        lbl_utc.setText(LocalString(42049));
        btn_ok.setEnabled(false);
    }
}

void Tfrm_julian::btn_nowClick()
{
    FValue = FClock.universalNow();
    ShowValue();
}

void Tfrm_julian::edt_julianChange()
{
    try {
        const astro::TDateTime value = astro::JulianToDateTime(ReadJulianDate(edt_julian.text()));
        // The time text fails for instants outside the calendar's years.
        lbl_utc.setText(DateTimeText(value));
        FValue = value;
        btn_ok.setEnabled(true);
    } catch (const std::exception&) {
        lbl_utc.setText(LocalString(42049));
        btn_ok.setEnabled(false);
    }
}
