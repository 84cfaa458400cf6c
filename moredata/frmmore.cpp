#include "moredata/frmmore.h"

#include "almanac/placenight.h"
#include "almanac/placestore.h"
#include "astro/astro.h"
#include "calculator/frmmain.h"
#include "cli/lightcommand.h"
#include "controls/errors.h"
#include "controls/numbers.h"
#include "moredata/lighttext.h"
#include "moredata/nighttext.h"
#include "moredata/yearevents.h"
#include "planner/frmplanner.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <cmath>

QStringList AnimalNames;

namespace {

using astro::TDateTime;

const QString NoEvent = QStringLiteral("---");

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

// The light of the place's day; none where the day has no instant or lies beyond the method's
// range.
std::optional<astro::TDayLight> LightOfDay(const TLocalDay& day, const TLocation& place)
{
    try {
        return astro::DayLightBetween(day.Start, day.End, place.Latitude, place.Longitude);
    } catch (const astro::EAstroError&) {
        return std::nullopt;
    }
}

// "-3.1°" in the locale's figures, with a true minus sign.
QString SignedDegreesText(double degrees)
{
    QString text = QLocale().toString(degrees, 'f', 1);
    if (text.startsWith(QLocale().negativeSign()))
        text.replace(0, QLocale().negativeSign().size(), QChar(0x2212));
    return text + QChar(0x00B0);
}

// The texts of a body's rise, transit and set; "---" where the event does not fall on the day.
// A transit below the horizon, on a polar night or of a moon that stays down, adds the body's
// altitude: "11:42 CET, −3.1°".
std::array<QString, 3> bodyTexts(const TBodyDay& body, const TPlaceZone& zone)
{
    std::array<QString, 3> texts;
    for (std::size_t i = 0; i < body.Events.size(); ++i)
        texts[i] = std::isnan(body.Events[i]) ? NoEvent : EventTimeText(body.Events[i], zone);
    if (body.TransitBelowHorizon)
        texts[1] += QStringLiteral(", ") + SignedDegreesText(*body.TransitBelowHorizon);
    return texts;
}

void showTexts(const std::array<TLabel*, 3>& labels, const std::array<QString, 3>& texts)
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

// The files' dates are Gregorian, the calendar's own before 1582 too.
QDate gregorianDateOfDay(double day) { return QDate(1899, 12, 30).addDays(static_cast<qint64>(day)); }

}  // namespace

Tfrm_more::Tfrm_more(TFrmMain& calculator, const TClock& clock, TPlaceStore& store)
    : TWindow(QStringLiteral("More Data")),
      FCalculator(calculator),
      FClock(clock),
      FOwnClock(clock),
      FStore(store)
{
    bindHandlers();
    FormCreate();
}

Tfrm_more::Tfrm_more(TFrmMain& calculator, const TClock& clock, const QString& settingsFileName)
    : TWindow(QStringLiteral("More Data")),
      FCalculator(calculator),
      FClock(clock),
      FOwnClock(clock),
      FOwnStore(std::make_unique<TPlaceStore>(settingsFileName)),
      FStore(*FOwnStore)
{
    bindHandlers();
    FormCreate();
}

Tfrm_more::~Tfrm_more() = default;

void Tfrm_more::bindHandlers()
{
    cbx_location.onChange = [this] { cbx_locationChange(); };
    dtp_day.onChange = [this] { dtp_dayChange(); };
    btn_today.onClick = [this] { btn_todayClick(); };
    btn_export.onClick = [this] { btn_exportClick(); };
    btn_chart.onClick = [this] { btn_chartClick(); };
    Timer.onTimer = [this] { LocationChange(); };
    FPlacesChanged = FStore.subscribe([this] { ShowPlaces(); });
}

void Tfrm_more::FormCreate()
{
    FTimesShown = ReadTimesShown(FStore.settingsFileName());
    LocalizeAndArrange();
    // Showing loads the locations and fills every value.
    Show();
    Hide();
}

// The values are due on every showing: the clock's day may have moved while the window was
// hidden; a changed store has shown them already.
void Tfrm_more::FormShow()
{
    if (!FStore.reload())
        ShowPlaces();
}

void Tfrm_more::ReloadLocations() { FStore.reload(); }

void Tfrm_more::ShowPlaces()
{
    QStringList names;
    for (const TLocation& location : FStore.locations())
        names.append(location.Name);
    cbx_location.setItems(names);
    cbx_location.assignItemIndex(FStore.currentIndex());
    LocationChange();
}

const TLocationList& Tfrm_more::Locations() const { return FStore.locations(); }

// The rows are laid out by the view in columns that size themselves; only the texts are set here.
void Tfrm_more::LocalizeAndArrange()
{
    setCaption(LocalString(42029));
    const struct {
        TLabel* label;
        int id;
    } captions[] = {
        {&lbl_location, 42030},      {&lbl_latitude, 42031},     {&lbl_longitude, 42032},
        {&lbl_spring, 42033},        {&lbl_summer, 42034},       {&lbl_autumn, 42035},
        {&lbl_winter, 42036},        {&lbl_sunrise, 42037},      {&lbl_suntransit, 42038},
        {&lbl_sunset, 42039},        {&lbl_moonrise, 42040},     {&lbl_moontransit, 42041},
        {&lbl_moonset, 42042},       {&lbl_perigee, 42043},      {&lbl_apogee, 42044},
        {&lbl_mooneclipse, 42045},   {&lbl_suneclipse, 42046},   {&lbl_perihel, 42065},
        {&lbl_aphel, 42066},         {&lbl_easter, 42067},       {&lbl_pesach, 42068},
        {&lbl_chinese, 42088},       {&lbl_day, 42124},          {&lbl_light, 42126},
        {&lbl_morning, 42127},       {&lbl_evening, 42128},      {&lbl_astrodawn, 42129},
        {&lbl_nauticaldawn, 42130},  {&lbl_civildawn, 42131},    {&lbl_bluemorning, 42132},
        {&lbl_goldenmorning, 42133}, {&lbl_sunriselight, 42134}, {&lbl_sunsetlight, 42135},
        {&lbl_goldenevening, 42133}, {&lbl_blueevening, 42132},  {&lbl_civildusk, 42136},
        {&lbl_nauticaldusk, 42137},  {&lbl_astrodusk, 42138},    {&lbl_moonriselight, 42139},
        {&lbl_moonsetlight, 42140},  {&Label1, 42173},           {&lbl_night, 42199},
        {&lbl_darksky, 42200},       {&lbl_mwcore, 42201},
    };
    for (const auto& caption : captions)
        caption.label->setText(LocalString(caption.id));
    btn_today.setCaption(LocalString(42125));
    btn_export.setCaption(LocalString(42186));
    btn_chart.setCaption(LocalString(42207));
    AnimalNames.clear();
    for (int i = 0; i < 12; ++i)
        AnimalNames.append(LocalString(42106 + i));
}

double Tfrm_more::UniversalNow() const { return (FAlmanacClock ? *FAlmanacClock : FOwnClock).universalNow(); }

void Tfrm_more::UseAlmanacClock(const TAlmanacClock* clock) { FAlmanacClock = clock; }

void Tfrm_more::SetTimesShown(TTimesShown times)
{
    FTimesShown = times;
    LocationChange();
}

const TLocation* Tfrm_more::SelectedLocation() const { return FStore.current(); }

void Tfrm_more::LocationChange()
{
    const double u = UniversalNow();
    const TLocation* place = SelectedLocation();
    // The days are the place's own; without a place there is no day to speak of, and the
    // year's events are shown in universal time.
    const TPlaceZone& zone = FStore.zone();
    const TPlaceZone shown = ShownZone(FTimesShown, zone, FClock);
    const TLocalDay today = zone.dayOf(u);
    if (FFollowClock)
        dtp_day.assignDate(dateOfDay(today.Number));
    const TLocalDay day = FFollowClock ? today : zone.day(FChosenDay);
    // The events after an instant count from the shown day at the clock's time of day, which
    // is the clock's own instant while the window follows it.
    const double instant = day.Start + (u - today.Start);
    lblTimeBias.setText(ZoneLineText(zone, day));
    const int year = YearOfInstant(instant);
    const TYearEvents events = YearEvents(instant, FYearDates.get(year, [year] { return YearDates(year); }));
    ShowSeasons(events, shown);
    for (TLabel* caption : {&lbl_spring, &lbl_summer, &lbl_autumn, &lbl_winter})
        caption->setHint(QString());
    ShowOrbitEvents(events, shown);
    ShowEclipses(events, shown);
    ShowFeasts(events);
    ClearDayValues();
    btn_export.setEnabled(place != nullptr);
    btn_chart.setEnabled(place != nullptr);

    if (!place) {
        // With places stored but none picked the last one's coordinates stay, as the list
        // shows no choice; with none stored the window says how to add one.
        if (FStore.locations().isEmpty()) {
            val_latitude.setText(LocalString(42174));
            val_longitude.setText(QString());
        }
        return;
    }
    val_longitude.setText(AngleText(std::abs(place->Longitude)) + u' ' +
                          LocalString(place->Longitude >= 0 ? 42078 : 42077));
    val_latitude.setText(AngleText(std::abs(place->Latitude)) + u' ' +
                         LocalString(place->Latitude >= 0 ? 42079 : 42080));
    ShowSeasonHints(place->Latitude);
    const std::optional<astro::TDayLight> light = LightOfDay(day, *place);
    ShowRiseTransitSet(today, day, light, *place, shown);
    ShowLight(day, light, shown);
    ShowNight(day, *place, shown);
    if (FPlanner && FPlanner->visible())
        FPlanner->ShowDay(*place, day, zone, shown);
}

// "Europe/Berlin, UTC+2 on 21 June 2027": the offset of the shown day, taken at its noon.
QString Tfrm_more::ZoneLineText(const TPlaceZone& zone, const TLocalDay& day) const
{
    const double noon = day.empty() ? day.Start : (day.Start + day.End) / 2;
    QString text = ReplaceAll(QStringLiteral("%1%"), zone.id(), LocalString(42175));
    text = ReplaceAll(QStringLiteral("%2%"), UtcOffsetText(zone.offsetSecondsAt(noon)), text);
    try {
        return ReplaceAll(QStringLiteral("%3%"), DateText(day.Number), text);
    } catch (const astro::EAstroError&) {
        return zone.id();
    }
}

void Tfrm_more::dtp_dayChange()
{
    const QDate date = dtp_day.date();
    try {
        FChosenDay = astro::CalendarToDateTime(date.year(), date.month(), date.day());
    } catch (const astro::EConvertError&) {
        // A day the calendar skipped: the field goes back to the day still shown.
        dtp_day.assignDate(dateOfDay(FFollowClock ? ShownDayNumber() : FChosenDay));
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

void Tfrm_more::btn_chartClick()
{
    const TLocation* place = SelectedLocation();
    if (!FPlanner || !place)
        return;
    const TPlaceZone& zone = FStore.zone();
    const TLocalDay day = FFollowClock ? zone.dayOf(UniversalNow()) : zone.day(FChosenDay);
    FPlanner->ShowDay(*place, day, zone, ShownZone(FTimesShown, zone, FClock));
    FPlanner->BringToFront();
}

void Tfrm_more::btn_exportClick()
{
    const TLocation* place = SelectedLocation();
    if (!place || !onChooseLightExport || !onChooseLightFile)
        return;
    TLightExportChoice choice = FExportChoice;
    if (!onChooseLightExport(choice))
        return;
    FExportChoice = choice;
    const double first = ExportStart(choice.Days);
    const QString proposed = LightExportFileName(place->Name, gregorianDateOfDay(first), choice.Format);
    const QString fileName = onChooseLightFile(proposed, choice.Format);
    if (!fileName.isEmpty())
        ExportLight(choice, fileName);
}

void Tfrm_more::ExportLight(const TLightExportChoice& choice, const QString& fileName) const
{
    const TLocation* location = SelectedLocation();
    if (!location)
        throw EUserError(LocalString(42174));
    const double first = ExportStart(choice.Days);
    const TChosenPlace place{location->Name, location->Latitude, location->Longitude, location->TimeZone};
    SaveLightFile(fileName, LightFile(choice.Format, place, FStore.zone(), first, choice.Days, FClock.universalNow()));
}

double Tfrm_more::ExportStart(int days) const
{
    if (days < 1 || days > MostLightDays)
        throw EUserError(QCoreApplication::translate("Messages", "The light is exported for 1 to %1 days, not %2.")
                             .arg(MostLightDays)
                             .arg(days));
    const double first = DisplayedDayNumber();
    if (gregorianDateOfDay(first).year() < FirstLightYear ||
        gregorianDateOfDay(first + days - 1).year() > LastLightYear)
        throw EUserError(QCoreApplication::translate("Messages", "Only the days of the years %1 to %2 can be exported.")
                             .arg(FirstLightYear)
                             .arg(LastLightYear));
    return first;
}

void Tfrm_more::cbx_locationChange() { FStore.setCurrent(cbx_location.itemIndex()); }

double Tfrm_more::ShownDayNumber() const { return PlaceDayNumberAt(UniversalNow()); }

double Tfrm_more::DisplayedDayNumber() const { return FFollowClock ? ShownDayNumber() : FChosenDay; }

double Tfrm_more::PlaceDayNumberAt(double ut) const { return FStore.zone().dayOf(ut).Number; }

void Tfrm_more::ShowSeasons(const TYearEvents& events, const TPlaceZone& shown)
{
    QString texts[4];
    try {
        for (int i = 0; i < 4 && events.Seasons; ++i)
            texts[i] = EventTimeText((*events.Seasons)[i], shown);
    } catch (const astro::EAstroError&) {
    }
    if (!events.Seasons || texts[3].isEmpty())
        for (QString& text : texts)
            text = LocalString(42050);
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

void Tfrm_more::ShowOrbitEvents(const TYearEvents& events, const TPlaceZone& shown)
{
    val_perigee.setText(EventTimeText(events.Perigee, shown));
    val_apogee.setText(EventTimeText(events.Apogee, shown));
    val_perihel.setText(EventTimeText(events.Perihelion, shown));
    val_aphel.setText(EventTimeText(events.Aphelion, shown));
}

void Tfrm_more::ShowEclipses(const TYearEvents& events, const TPlaceZone& shown)
{
    val_suneclipse.setText(EventTimeText(events.SolarEclipse, shown));
    typ_suneclipse.setText(solarEclipseText(events.SolarType));
    val_mooneclipse.setText(EventTimeText(events.LunarEclipse, shown));
    typ_mooneclipse.setText(lunarEclipseText(events.LunarType));
}

// Each feast date has its own range of years; outside it that date alone says so, and the
// rest of the window, the rise and set times included, is still filled.
void Tfrm_more::ShowFeasts(const TYearEvents& events)
{
    const auto show = [](TLabel& label, const std::optional<TFeastDay>& feast, const auto& text) {
        try {
            label.setText(feast ? text(*feast) : LocalString(42050));
        } catch (const astro::EAstroError&) {
            label.setText(LocalString(42050));
        }
    };
    const auto date = [](const TFeastDay& feast) { return DateText(feast.Date); };
    show(val_easter, events.Easter, date);
    show(val_pesach, events.Passover, date);
    show(val_chinese, events.ChineseNewYear, [](const TFeastDay& feast) {
        return DateText(feast.Date) + QStringLiteral(" (") + AnimalNames.value(feast.Branch) + u')';
    });
}

// The calculator's page shows today's times, this window those of its day; both are the
// place's local days.
void Tfrm_more::ShowRiseTransitSet(const TLocalDay& today, const TLocalDay& day,
                                   const std::optional<astro::TDayLight>& light, const TLocation& place,
                                   const TPlaceZone& shown)
{
    const TDaySky& todays = FTodaysSky.get({today.Start, today.End, place.Latitude, place.Longitude}, [&] {
        return DaySky(DayEventsBetween(today.Start, today.End, place.Latitude, place.Longitude), place.Latitude,
                      place.Longitude);
    });
    showTexts({&FCalculator.sun.val_moonrise, &FCalculator.sun.val_moontransit, &FCalculator.sun.val_moonset},
              bodyTexts(todays.Moon, shown));
    showTexts({&FCalculator.sun.val_sunrise, &FCalculator.sun.val_suntransit, &FCalculator.sun.val_sunset},
              bodyTexts(todays.Sun, shown));
    const TDaySky days =
        day.Number == today.Number
            ? todays
            : DaySky(light ? DayEventsBetween(day.Start, day.End, place.Latitude, place.Longitude, *light)
                           : DayEventsBetween(day.Start, day.End, place.Latitude, place.Longitude),
                     place.Latitude, place.Longitude);
    showTexts({&val_moonrise, &val_moontransit, &val_moonset}, bodyTexts(days.Moon, shown));
    showTexts({&val_sunrise, &val_suntransit, &val_sunset}, bodyTexts(days.Sun, shown));
}

void Tfrm_more::ShowLight(const TLocalDay& day, const std::optional<astro::TDayLight>& light, const TPlaceZone& shown)
{
    TLabel* const morningRows[] = {&val_astrodawn,   &val_nauticaldawn,  &val_civildawn,
                                   &val_bluemorning, &val_goldenmorning, &val_sunriselight};
    TLabel* const eveningRows[] = {&val_astrodusk,   &val_nauticaldusk,  &val_civildusk,
                                   &val_blueevening, &val_goldenevening, &val_sunsetlight};
    if (day.empty())
        return;
    try {
        if (light) {
            for (const bool morning : {true, false}) {
                const TSunLightTexts texts = SunLightTexts(morning ? light->Morning : light->Evening, morning, shown);
                TLabel* const* rows = morning ? morningRows : eveningRows;
                const QString* values[] = {&texts.Astronomical, &texts.Nautical,   &texts.Civil,
                                           &texts.BlueHour,     &texts.GoldenHour, &texts.Horizon};
                for (int i = 0; i < 6; ++i)
                    rows[i]->setText(*values[i]);
            }
            val_moonriselight.setText(MoonLightText(light->Moonrise, true, shown));
            val_moonsetlight.setText(MoonLightText(light->Moonset, false, shown));
            return;
        }
    } catch (const astro::EAstroError&) {
    }
    for (TLabel* row : morningRows)
        row->setText(LocalString(42050));
    for (TLabel* row : eveningRows)
        row->setText(LocalString(42050));
    val_moonriselight.setText(LocalString(42050));
    val_moonsetlight.setText(LocalString(42050));
}

void Tfrm_more::ShowNight(const TLocalDay& day, const TLocation& place, const TPlaceZone& shown)
{
    try {
        const TLocalNight night = NightOfDay(FStore.zone(), day.Number);
        if (night.empty())
            return;
        const astro::TNight computed = astro::NightBetween(night.Start, night.End, place.Latitude, place.Longitude);
        const TNightTexts texts = NightTexts(computed, astro::DefaultCoreAltitude, shown);
        val_darksky.setText(texts.DarkSky);
        val_mwcore.setText(texts.Core);
    } catch (const astro::EAstroError&) {
        val_darksky.setText(LocalString(42050));
        val_mwcore.setText(LocalString(42050));
    }
}

void Tfrm_more::ClearDayValues()
{
    for (TLabel* label : {&FCalculator.sun.val_moonrise,
                          &FCalculator.sun.val_moontransit,
                          &FCalculator.sun.val_moonset,
                          &FCalculator.sun.val_sunrise,
                          &FCalculator.sun.val_suntransit,
                          &FCalculator.sun.val_sunset,
                          &val_moonrise,
                          &val_moontransit,
                          &val_moonset,
                          &val_sunrise,
                          &val_suntransit,
                          &val_sunset,
                          &val_astrodawn,
                          &val_nauticaldawn,
                          &val_civildawn,
                          &val_bluemorning,
                          &val_goldenmorning,
                          &val_sunriselight,
                          &val_sunsetlight,
                          &val_goldenevening,
                          &val_blueevening,
                          &val_civildusk,
                          &val_nauticaldusk,
                          &val_astrodusk,
                          &val_moonriselight,
                          &val_moonsetlight,
                          &val_darksky,
                          &val_mwcore})
        label->setText(NoEvent);
}

void Tfrm_more::SaveCurrentLocation()
{
    SaveLocationIndex(FStore.settingsFileName(), &FStore.locations(), FStore.currentIndex());
}
