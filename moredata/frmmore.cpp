#include "moredata/frmmore.h"

#include "astro/astro.h"
#include "calculator/frmmain.h"
#include "controls/numbers.h"
#include "moredata/lighttext.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <array>
#include <cmath>

QStringList AnimalNames;

namespace {

using astro::TDateTime;

const QString NoEvent = QStringLiteral("---");
constexpr double MinutesPerDay = 1440;

// Solar and lunar eclipses come in seasons about six lunations apart; a search that finds none
// in this many steps of 28 days has met a fault of the method, not a quiet stretch of sky.
constexpr int EclipseSearchStepLimit = 40;

QString solarEclipseText(astro::TEclipse type)
{
    switch (type) {
    case astro::ecPartial: return LocalString(42101);
    case astro::ecNonCentral: return LocalString(42105);
    case astro::ecAnnular: return LocalString(42103);
    case astro::ecAnnularTotal: return LocalString(42104);
    case astro::ecTotal: return LocalString(42100);
    default: return LocalString(42099);
    }
}

QString lunarEclipseText(astro::TEclipse type)
{
    switch (type) {
    case astro::ecPartial: return LocalString(42101);
    case astro::ecTotal: return LocalString(42100);
    case astro::ecPenumbral: return LocalString(42102);
    default: return LocalString(42099);
    }
}

// The instant of the first solar (sun) or lunar eclipse at or after t, and its type.
astro::TEclipse nextEclipse(TDateTime& t, bool sun)
{
    for (int step = 0; step < EclipseSearchStepLimit; ++step) {
        const astro::TEclipse type = astro::FindEclipseAfter(t, sun);
        if (type != astro::ecNone)
            return type;
        t += 28;
    }
    throw astro::E_OutOfAlgorithmRange("Out of range of the algorithm");
}

using TEventFunction = TDateTime (*)(TDateTime date, double latitude, double longitude);

// The event of `day` (a whole day number, universal time): the algorithm answers for the day it
// is asked, but its instant can fall on a neighbour, so the neighbours are asked as well.
// Returns the event text, or "---" when the event does not fall on the day. The day of an
// instant is the one it lies in on the linear scale, before 1899 as well.
QString eventOfDay(TEventFunction event, double day, double latitude, double longitude)
{
    TDateTime r = event(day, latitude, longitude);
    if (std::floor(r) < day)
        r = event(day + 1, latitude, longitude);
    if (std::floor(r) > day)
        r = event(day - 1, latitude, longitude);
    return std::floor(r) == day ? EventTimeText(r) : NoEvent;
}

using TBodyEvents = std::array<TEventFunction, 3>;
using TBodyTexts = std::array<QString, 3>;

// Rise, transit and set of one body on the day. A failing event ends the body's block: it and
// the events after it keep "---".
TBodyTexts bodyTexts(const TBodyEvents& events, double day, double latitude, double longitude)
{
    TBodyTexts texts{NoEvent, NoEvent, NoEvent};
    try {
        for (std::size_t i = 0; i < events.size(); ++i)
            texts[i] = eventOfDay(events[i], day, latitude, longitude);
    } catch (const astro::EAstroError&) {
    }
    return texts;
}

void showTexts(const std::array<TLabel*, 3>& labels, const TBodyTexts& texts)
{
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(texts[i]);
}

// The date of a whole day number in the historical calendar; invalid for a Julian-calendar
// 29 February that the date field's calendar does not have.
QDate dateOfDay(double day)
{
    const astro::TCalendarDate date = astro::DateTimeToCalendar(day);
    return QDate(date.Year, date.Month, date.Day);
}

}  // namespace

Tfrm_more::Tfrm_more(TFrmMain& calculator, const TClock& clock, const QString& settingsFileName)
    : TWindow(QStringLiteral("More Data")),
      FCalculator(calculator),
      FClock(clock),
      FSettingsFileName(settingsFileName)
{
    cbx_location.onChange = [this] { cbx_locationChange(); };
    dtp_day.onChange = [this] { dtp_dayChange(); };
    btn_today.onClick = [this] { btn_todayClick(); };
    Timer.onTimer = [this] { LocationChange(); };
    FormCreate();
}

void Tfrm_more::FormCreate()
{
    FClockShownBase = FClock.localNow();
    FClockRealBase = FClockShownBase;
    LocalizeAndArrange();
    // Showing loads the locations and fills every value.
    Show();
    Hide();
}

void Tfrm_more::FormShow()
{
    ReloadLocations();
    LocationChange();
}

void Tfrm_more::ReloadLocations()
{
    if (FLocations)
        FLocations->clear();
    else
        FLocations = std::make_unique<TLocationList>();
    int index = 0;
    LoadLocations(FSettingsFileName, *FLocations, index);
    QStringList names;
    for (const TLocation& location : *FLocations)
        names.append(location.Name);
    cbx_location.setItems(names);
    cbx_location.assignItemIndex(index);
}

// The rows are laid out by the view in columns that size themselves; only the texts are set here.
void Tfrm_more::LocalizeAndArrange()
{
    setCaption(LocalString(42029));
    const struct {
        TLabel* label;
        int id;
    } captions[] = {
        {&lbl_location, 42030},    {&lbl_latitude, 42031},   {&lbl_longitude, 42032},
        {&lbl_spring, 42033},      {&lbl_summer, 42034},     {&lbl_autumn, 42035},
        {&lbl_winter, 42036},      {&lbl_sunrise, 42037},    {&lbl_suntransit, 42038},
        {&lbl_sunset, 42039},      {&lbl_moonrise, 42040},   {&lbl_moontransit, 42041},
        {&lbl_moonset, 42042},     {&lbl_perigee, 42043},    {&lbl_apogee, 42044},
        {&lbl_mooneclipse, 42045}, {&lbl_suneclipse, 42046}, {&lbl_perihel, 42065},
        {&lbl_aphel, 42066},       {&lbl_easter, 42067},     {&lbl_pesach, 42068},
        {&lbl_chinese, 42088},     {&lbl_day, 42124},        {&lbl_light, 42126},
        {&lbl_morning, 42127},     {&lbl_evening, 42128},    {&lbl_astrodawn, 42129},
        {&lbl_nauticaldawn, 42130}, {&lbl_civildawn, 42131}, {&lbl_bluemorning, 42132},
        {&lbl_goldenmorning, 42133}, {&lbl_sunriselight, 42134}, {&lbl_sunsetlight, 42135},
        {&lbl_goldenevening, 42133}, {&lbl_blueevening, 42132}, {&lbl_civildusk, 42136},
        {&lbl_nauticaldusk, 42137}, {&lbl_astrodusk, 42138}, {&lbl_moonriselight, 42139},
        {&lbl_moonsetlight, 42140},
    };
    for (const auto& caption : captions)
        caption.label->setText(LocalString(caption.id));
    btn_today.setCaption(LocalString(42125));
    AnimalNames.clear();
    for (int i = 0; i < 12; ++i)
        AnimalNames.append(LocalString(42106 + i));
}

double Tfrm_more::UniversalNow() const
{
    return FClock.localNow() - FClockRealBase + FClockShownBase + GetUtcBias(FClock) / MinutesPerDay;
}

void Tfrm_more::SetClockBase(double realBase, double shownBase)
{
    FClockRealBase = realBase;
    FClockShownBase = shownBase;
}

void Tfrm_more::LocationChange()
{
    const double u = UniversalNow();
    const double today = std::floor(u);
    if (FFollowClock)
        dtp_day.assignDate(dateOfDay(today));
    const double day = FFollowClock ? today : FChosenDay;
    // The events after an instant count from the shown day at the clock's time of day, which
    // is the clock's own instant while the window follows it.
    const double instant = day + (u - today);
    lblTimeBias.setText(UtcOffsetHoursText(GetUtcBias(FClock)) + QStringLiteral(" hours"));
    const int year = astro::DateTimeToCalendar(instant).Year;
    ShowSeasons(year);
    for (TLabel* caption : {&lbl_spring, &lbl_summer, &lbl_autumn, &lbl_winter})
        caption->setHint(QString());
    ShowOrbitEvents(instant);
    ShowEclipses(instant);
    ShowFeasts(year);
    ClearDayValues();

    const int index = cbx_location.itemIndex();
    if (index == -1)
        return;
    double latitude = 0;
    double longitude = 0;
    if (FLocations && index < FLocations->size()) {
        latitude = FLocations->at(index).Latitude;
        longitude = FLocations->at(index).Longitude;
    }
    val_longitude.setText(AngleText(std::abs(longitude)) + u' ' + LocalString(longitude >= 0 ? 42078 : 42077));
    val_latitude.setText(AngleText(std::abs(latitude)) + u' ' + LocalString(latitude >= 0 ? 42079 : 42080));
    ShowSeasonHints(latitude);
    ShowRiseTransitSet(std::trunc(u), day, latitude, longitude);
    ShowLight(day, latitude, longitude);
}

void Tfrm_more::dtp_dayChange()
{
    const QDate date = dtp_day.date();
    try {
        FChosenDay = astro::CalendarToDateTime(date.year(), date.month(), date.day());
    } catch (const astro::EConvertError&) {
        // A day the calendar skipped: the field goes back to the day still shown.
        dtp_day.assignDate(dateOfDay(FFollowClock ? std::floor(UniversalNow()) : FChosenDay));
        throw;
    }
    FFollowClock = false;
    LocationChange();
}

void Tfrm_more::btn_todayClick()
{
    FFollowClock = true;
    LocationChange();
}

void Tfrm_more::cbx_locationChange()
{
    LocationChange();
    FCalculator.sun.FollowMoreDataLocation(cbx_location.itemIndex());
}

void Tfrm_more::ShowSeasons(int year)
{
    QString texts[4];
    try {
        const astro::TSeason seasons[] = {astro::ssSpring, astro::ssSummer, astro::ssAutumn, astro::ssWinter};
        for (int i = 0; i < 4; ++i)
            texts[i] = EventTimeText(astro::SeasonBegin(year, seasons[i]));
    } catch (const astro::EAstroError&) {
        for (QString& text : texts)
            text = LocalString(42050);
    }
    val_spring.setText(texts[0]);
    val_summer.setText(texts[1]);
    val_autumn.setText(texts[2]);
    val_winter.setText(texts[3]);
}

// The captions name the northern seasons; south of the equator (and on it) each equinox and
// solstice begins the opposite season.
void Tfrm_more::ShowSeasonHints(double latitude)
{
    const bool north = latitude > 0;
    lbl_spring.setHint(LocalString(north ? 42069 : 42071));
    lbl_summer.setHint(LocalString(north ? 42070 : 42072));
    lbl_autumn.setHint(LocalString(north ? 42071 : 42069));
    lbl_winter.setHint(LocalString(north ? 42072 : 42070));
}

void Tfrm_more::ShowOrbitEvents(double u)
{
    val_perigee.setText(EventTimeText(astro::PerigeeAfter(u)));
    val_apogee.setText(EventTimeText(astro::ApogeeAfter(u)));
    val_perihel.setText(EventTimeText(astro::PerihelionAfter(u)));
    val_aphel.setText(EventTimeText(astro::AphelionAfter(u)));
}

void Tfrm_more::ShowEclipses(double u)
{
    TDateTime t = u;
    astro::TEclipse type = nextEclipse(t, true);
    val_suneclipse.setText(EventTimeText(t));
    typ_suneclipse.setText(solarEclipseText(type));
    t = u;
    type = nextEclipse(t, false);
    val_mooneclipse.setText(EventTimeText(t));
    typ_mooneclipse.setText(lunarEclipseText(type));
}

// Each feast date has its own range of years; outside it that date alone says so, and the
// rest of the window, the rise and set times included, is still filled.
void Tfrm_more::ShowFeasts(int year)
{
    const auto show = [](TLabel& label, const auto& text) {
        try {
            label.setText(text());
        } catch (const astro::EAstroError&) {
            label.setText(LocalString(42050));
        }
    };
    show(val_easter, [year] { return DateText(astro::EasterDate(year)); });
    show(val_pesach, [year] { return DateText(astro::PassoverDate(year)); });
    show(val_chinese, [year] {
        const TDateTime d = astro::ChineseNewYearOf(year);
        return DateText(d) + QStringLiteral(" (") + AnimalNames.value(astro::ChineseDateOf(d).YearBranch) + u')';
    });
}

// The calculator's page shows today's times, this window those of its day.
void Tfrm_more::ShowRiseTransitSet(double today, double day, double latitude, double longitude)
{
    const TBodyEvents moon{astro::MoonRiseTime, astro::MoonTransitTime, astro::MoonSetTime};
    const TBodyEvents sun{astro::SunRiseTime, astro::SunTransitTime, astro::SunSetTime};
    const TBodyTexts moonToday = bodyTexts(moon, today, latitude, longitude);
    const TBodyTexts sunToday = bodyTexts(sun, today, latitude, longitude);
    showTexts({&FCalculator.sun.val_moonrise, &FCalculator.sun.val_moontransit, &FCalculator.sun.val_moonset},
              moonToday);
    showTexts({&FCalculator.sun.val_sunrise, &FCalculator.sun.val_suntransit, &FCalculator.sun.val_sunset}, sunToday);
    const bool same = day == today;
    showTexts({&val_moonrise, &val_moontransit, &val_moonset},
              same ? moonToday : bodyTexts(moon, day, latitude, longitude));
    showTexts({&val_sunrise, &val_suntransit, &val_sunset}, same ? sunToday : bodyTexts(sun, day, latitude, longitude));
}

void Tfrm_more::ShowLight(double day, double latitude, double longitude)
{
    TLabel* const morningRows[] = {&val_astrodawn,    &val_nauticaldawn,  &val_civildawn,
                                   &val_bluemorning,  &val_goldenmorning, &val_sunriselight};
    TLabel* const eveningRows[] = {&val_astrodusk,    &val_nauticaldusk,  &val_civildusk,
                                   &val_blueevening,  &val_goldenevening, &val_sunsetlight};
    try {
        const astro::TDayLight light = astro::DayLight(day, latitude, longitude);
        for (const bool morning : {true, false}) {
            const TSunLightTexts texts = SunLightTexts(morning ? light.Morning : light.Evening, morning);
            TLabel* const* rows = morning ? morningRows : eveningRows;
            const QString* values[] = {&texts.Astronomical, &texts.Nautical, &texts.Civil,
                                       &texts.BlueHour,     &texts.GoldenHour, &texts.Horizon};
            for (int i = 0; i < 6; ++i)
                rows[i]->setText(*values[i]);
        }
        val_moonriselight.setText(MoonLightText(light.Moonrise, true));
        val_moonsetlight.setText(MoonLightText(light.Moonset, false));
    } catch (const astro::EAstroError&) {
        for (TLabel* row : morningRows)
            row->setText(LocalString(42050));
        for (TLabel* row : eveningRows)
            row->setText(LocalString(42050));
        val_moonriselight.setText(LocalString(42050));
        val_moonsetlight.setText(LocalString(42050));
    }
}

void Tfrm_more::ClearDayValues()
{
    for (TLabel* label :
         {&FCalculator.sun.val_moonrise, &FCalculator.sun.val_moontransit, &FCalculator.sun.val_moonset,
          &FCalculator.sun.val_sunrise, &FCalculator.sun.val_suntransit, &FCalculator.sun.val_sunset, &val_moonrise,
          &val_moontransit, &val_moonset, &val_sunrise, &val_suntransit, &val_sunset, &val_astrodawn,
          &val_nauticaldawn, &val_civildawn, &val_bluemorning, &val_goldenmorning, &val_sunriselight,
          &val_sunsetlight, &val_goldenevening, &val_blueevening, &val_civildusk, &val_nauticaldusk,
          &val_astrodusk, &val_moonriselight, &val_moonsetlight})
        label->setText(NoEvent);
}

void Tfrm_more::SaveAndReleaseLocations()
{
    SaveLocationIndex(FSettingsFileName, FLocations.get(), cbx_location.itemIndex());
    FLocations.reset();
}
