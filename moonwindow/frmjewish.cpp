#include "moonwindow/frmjewish.h"

#include "astro/calendar.h"
#include "astro/jewish_calendar.h"
#include "controls/clock.h"
#include "moonwindow/dialogfields.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <cmath>
#include <exception>

namespace {

// The almanac names the months without the toolkit; the translators find the names here.
[[maybe_unused]] const char* const MonthNames[] = {
    QT_TRANSLATE_NOOP("JewishMonths", "Tishri"), QT_TRANSLATE_NOOP("JewishMonths", "Heshvan"),
    QT_TRANSLATE_NOOP("JewishMonths", "Kislev"), QT_TRANSLATE_NOOP("JewishMonths", "Tevet"),
    QT_TRANSLATE_NOOP("JewishMonths", "Shevat"), QT_TRANSLATE_NOOP("JewishMonths", "Adar"),
    QT_TRANSLATE_NOOP("JewishMonths", "Adar I"), QT_TRANSLATE_NOOP("JewishMonths", "Adar II"),
    QT_TRANSLATE_NOOP("JewishMonths", "Nisan"),  QT_TRANSLATE_NOOP("JewishMonths", "Iyar"),
    QT_TRANSLATE_NOOP("JewishMonths", "Sivan"),  QT_TRANSLATE_NOOP("JewishMonths", "Tammuz"),
    QT_TRANSLATE_NOOP("JewishMonths", "Av"),     QT_TRANSLATE_NOOP("JewishMonths", "Elul"),
};

}  // namespace

Tfrm_jewish::Tfrm_jewish(const TClock& clock)
    : TSetTimeDialog(QStringLiteral("Jewish date")),
      FClock(clock)
{
    for (TEdit* field : {&edt_year, &edt_day})
        field->onChange = [this] { christianChange(); };
    cbx_month.onChange = [this] { christianChange(); };
    for (TEdit* field : {&edt_jyear, &edt_jday})
        field->onChange = [this] { jewishChange(); };
    cbx_jmonth.onChange = [this] { jewishChange(); };
    btn_now.onClick = [this] { btn_nowClick(); };
    btn_ok.onClick = [this] { setModalResult(TModalResult::OK); };
    btn_cancel.onClick = [this] { setModalResult(TModalResult::Cancel); };
    setCaption(LocalString(42073));
    grp_christian.setText(LocalString(42074));
    grp_jewish.setText(LocalString(42073));
    grp_julian.setText(LocalString(42001));
    btn_now.setCaption(LocalString(42047));
    cbx_month.setItems(LocaleMonthNames());
}

void Tfrm_jewish::FormShow() { ShowValue(); }

void Tfrm_jewish::ShowValue()
{
    const double day = std::floor(FValue);
    FTimeOfDay = FValue - day;
    try {
        const QScopedValueRollback<bool> updating(FUpdating, true);
        ShowChristian(day);
        ShowJewish(day);
        Accept(day);
    } catch (const std::exception&) {
        Reject();
    }
}

void Tfrm_jewish::btn_nowClick()
{
    FValue = FClock.universalNow();
    ShowValue();
}

void Tfrm_jewish::ShowChristian(astro::TDateTime day)
{
    const astro::TCalendarDate date = astro::DateTimeToCalendar(day);
    edt_year.setText(QString::number(date.Year));
    cbx_month.assignItemIndex(date.Month - 1);
    edt_day.setText(QString::number(date.Day));
}

void Tfrm_jewish::ShowJewish(astro::TDateTime day)
{
    const astro::TJewishDate date = astro::DateTimeToJewish(day);
    edt_jyear.setText(QString::number(date.Year));
    FillJewishMonths(date.Year);
    cbx_jmonth.assignItemIndex(date.Month - 1);
    edt_jday.setText(QString::number(date.Day));
}

void Tfrm_jewish::FillJewishMonths(int year)
{
    if (year == FMonthsYear)
        return;
    QStringList names;
    for (int month = 1; month <= astro::JewishMonthsInYear(year); ++month)
        names << QCoreApplication::translate("JewishMonths", astro::JewishMonthName(year, month));
    const int index = cbx_jmonth.itemIndex();
    cbx_jmonth.setItems(names);
    cbx_jmonth.assignItemIndex(index < names.size() ? index : -1);
    FMonthsYear = year;
}

void Tfrm_jewish::christianChange()
{
    if (FUpdating)
        return;
    const QScopedValueRollback<bool> updating(FUpdating, true);
    try {
        const auto year = ReadDecimal(edt_year.text());
        const auto day = ReadDecimal(edt_day.text());
        if (!year || !day || cbx_month.itemIndex() < 0)
            return Reject();
        const astro::TDateTime date = astro::CalendarToDateTime(*year, cbx_month.itemIndex() + 1, *day);
        ShowJewish(date);
        Accept(date);
    } catch (const std::exception&) {
        Reject();
    }
}

void Tfrm_jewish::jewishChange()
{
    if (FUpdating)
        return;
    const QScopedValueRollback<bool> updating(FUpdating, true);
    try {
        const auto year = ReadDecimal(edt_jyear.text());
        if (year && *year >= astro::FirstJewishYear && *year <= astro::LastJewishYear)
            FillJewishMonths(*year);
        const auto day = ReadDecimal(edt_jday.text());
        if (!year || !day || cbx_jmonth.itemIndex() < 0)
            return Reject();
        const astro::TDateTime date = astro::JewishToDateTime(*year, cbx_jmonth.itemIndex() + 1, *day);
        ShowChristian(date);
        Accept(date);
    } catch (const std::exception&) {
        Reject();
    }
}

void Tfrm_jewish::Accept(astro::TDateTime day)
{
    // Both calendars must have the day: the Christian one ends with 9999.
    astro::DateTimeToCalendar(day);
    FValue = day + FTimeOfDay;
    lbl_julian.setText(JulianDateText(astro::DateTimeToJulian(FValue)));
    btn_ok.setEnabled(true);
}

void Tfrm_jewish::Reject()
{
    lbl_julian.setText(LocalString(42049));
    btn_ok.setEnabled(false);
}
