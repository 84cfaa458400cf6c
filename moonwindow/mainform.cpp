#include "moonwindow/mainform.h"

#include "almanac/placestore.h"

#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/phases.h"
#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "controls/numbers.h"
#include "help/helpdocument.h"
#include "locations/frmlocations.h"
#include "locations/location.h"
#include "moonwindow/compass.h"
#include "moonwindow/frmabout.h"
#include "moonwindow/frmjewish.h"
#include "moonwindow/frmjulian.h"
#include "moonwindow/frmutc.h"
#include "moonwindow/lunationphases.h"
#include "moredata/frmmore.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <exception>

namespace {

// The sun's position is recomputed when the shown instant has jumped more than this (days)...
constexpr double SunRecomputeDays = 1.0 / 24;
// ...and, as the clock runs on, once it is this old (days): the sun moves a quarter of a
// degree a minute, about the precision of the whole-degree texts.
constexpr double SunAgeDays = 1.0 / astro::MinutesPerDay;
// No illuminated percentage can be this; it marks the tray icon as due for a rebuild.
constexpr int NoPercent = 199;
const QColor BlueMoonColor(0, 0, 255);

qint64 RoundToInteger(double x) { return static_cast<qint64>(RoundTo(x)); }

// The almanac's fixed-decimal values keep "." in every locale.
QString Fixed(double x, int width, int decimals) { return FixedText(x, decimals).rightJustified(width); }

QString AzimuthText(double azimuth)
{
    return QString::number(RoundToInteger(azimuth)) +
           QCoreApplication::translate("TMainForm", " deg. where north = zero, east = 90, west = 270");
}

QString ElevationText(double elevation)
{
    return QString::number(RoundToInteger(elevation)) + QCoreApplication::translate("TMainForm", " degrees");
}

QString SubtendText(double arcSeconds) { return Fixed(arcSeconds / 3600, 6, 4); }

// The widest texts of a kind: the hours and minutes before and the year after a date take the
// same room whatever the day, the month name does not.
constexpr int WidestYear = 2000;
constexpr int WidestDay = 28;
constexpr double WidestTimeOfDay = 0.999;

QList<astro::TDateTime> OneDayOfEveryMonth()
{
    QList<astro::TDateTime> days;
    for (int month = 1; month <= 12; ++month)
        days << astro::CalendarToDateTime(WidestYear, month, WidestDay) + WidestTimeOfDay;
    return days;
}

}  // namespace

TMainForm::TMainForm(TFrmMain& calculator, const TClock& clock, const QString& settingsFile)
    : TWindow(QStringLiteral("Lunaria")),
      Moon(clock),
      FCalculator(calculator),
      FClock(clock),
      FAlmanacClock(clock),
      FSettingsFile(settingsFile),
      FJulian(std::make_unique<Tfrm_julian>(clock)),
      FJewish(std::make_unique<Tfrm_jewish>(clock)),
      FAbout(std::make_unique<Tfrm_about>(clock))
{
    mnu_tray.setVisible(false);
    mnu_rot_north.setChecked(true);
    bindHandlers();
    FArranged = {
        {&lbl_julian, 1, 8, 0},       {&val_julian, 2, 0, 0},        {&lbl_utc, 1, 8, 0},
        {&val_utc, 2, 0, 0},          {&lbl_local, 1, 8, 0},         {&val_local, 2, 0, 0},
        {&lbl_age, 1, 8, 0},          {&val_age, 2, 0, 0},           {&lbl_phase, 1, 8, 0},
        {&val_phase, 3, 0, 0},        {&lbl_moon_distance, 1, 8, 0}, {&val_moon_distance, 3, 0, 0},
        {&lbl_moon_subtend, 1, 8, 0}, {&val_moon_subtend, 3, 0, 0},  {&lbl_sun_distance, 1, 8, 0},
        {&val_sun_distance, 3, 0, 0}, {&lbl_sun_subtend, 1, 8, 0},   {&val_sun_subtend, 3, 0, 0},
        {&lbl_lastnew, 1, 8, 0},      {&val_newmoon, 4, 0, 0},       {&lbl_lastlunation, 5, 0, 0},
        {&val_lastlunation, 6, 0, 0}, {&lbl_firstquart, 1, 8, 0},    {&val_firstquart, 4, 0, 0},
        {&lbl_full, 1, 8, 0},         {&val_full, 4, 0, 0},          {&lbl_lastquart, 1, 8, 0},
        {&val_lastquart, 4, 0, 0},    {&lbl_nextnew, 1, 8, 0},       {&val_nextnew, 4, 0, 0},
        {&lbl_nextlunation, 5, 0, 0}, {&val_nextlunation, 6, 0, 0},  {&lbl_sun_azimuth, 1, 8, 0},
        {&lblSunAzimuth, 3, 0, 0},    {&lbl_sun_elevation, 1, 8, 0}, {&lblSunElevation, 3, 0, 0},
    };
}

TMainForm::~TMainForm() = default;

void TMainForm::bindHandlers()
{
    Timer.onTimer = [this] { TimerTimer(); };
    mnu_tray.onClick = [this] { minimize_to_tray(); };
    mnu_exit.onClick = [this] { mnu_exitClick(); };
    mnu_copy.onClick = [this] { mnu_copyClick(); };
    mnu_fast.onClick = [this] { mnu_fastClick(); };
    mnu_stop.onClick = [this] { mnu_stopClick(); };
    mnu_julian.onClick = [this] { mnu_julianClick(); };
    mnu_utc.onClick = [this] { mnu_utcClick(); };
    mnu_jewish.onClick = [this] { mnu_jewishClick(); };
    mnu_rot_north.onClick = [this] { mnu_rotate_Click(mnu_rot_north); };
    mnu_rot_south.onClick = [this] { mnu_rotate_Click(mnu_rot_south); };
    mnu_color.onClick = [this] { mnu_colorClick(); };
    for (TMenuItem* item : {&mnu_times_place, &mnu_times_computer, &mnu_times_utc})
        item->onClick = [this, item] { mnu_times_Click(*item); };
    mnu_locations.onClick = [this] { mnu_locationsClick(); };
    mnu_more.onClick = [this] { mnu_moreClick(); };
    mnu_planner.onClick = [this] { mnu_plannerClick(); };
    mnu_help_item.onClick = [this] { mnu_help_itemClick(); };
    mnu_timezone.onClick = [this] { mnu_timezoneClick(); };
    mnu_about.onClick = [this] { mnu_aboutClick(); };
    FTrayIcon.onDblClick = [this] { tray_dblclick(); };
}

void TMainForm::connectWindows(Tfrm_more* more, Tfrm_locations* locations, Tfrm_utc* utc)
{
    FMore = more;
    FLocations = locations;
    FUtc = utc;
    if (FMore) {
        FMore->UseAlmanacClock(&FAlmanacClock);
        FMore->SetTimesShown(FTimesShown);
    }
}

// ---- Creation ----

void TMainForm::FormCreate()
{
    LocalizeAndArrange();
    FAlmanacClock.setUniversal(FClock.universalNow());
    mnu_tray.setVisible(true);
    ReadOptions();
    DrawCompass();
    TimerTimer();
    if (onApplicationIcon)
        onApplicationIcon(Moon.icon());
    if (const QString document = HelpDocumentFile(); QFile::exists(document))
        FHelpFile = document;
    FLastPercent = NoPercent;
    mnu_timezone.setEnabled(!FHelpFile.isEmpty());
}

void TMainForm::ReadOptions()
{
    const TMoonOptions options = ReadMoonOptions(FSettingsFile);
    Moon.setMoonStyle(options.color ? msColor : msClassic);
    Moon.setRotation(options.rotate == 180 ? rot_180 : rot_none);
    mnu_rot_south.setChecked(options.rotate == 180);
    mnu_rot_north.setChecked(options.rotate == 0);
    mnu_color.setChecked(options.color);
    FTimesShown = ReadTimesShown(FSettingsFile);
    mnu_times_place.setChecked(FTimesShown == tsPlace);
    mnu_times_computer.setChecked(FTimesShown == tsComputer);
    mnu_times_utc.setChecked(FTimesShown == tsUtc);
}

void TMainForm::FormClose()
{
    WriteMoonOptions(FSettingsFile, Moon.rotation() == rot_180 ? 180 : 0, Moon.moonStyle() == msColor);
}

void TMainForm::LocalizeAndArrange()
{
    FPhaseLegend = LocalString(42093);
    FKilometerText = LocalString(42089);
    FEarthRadiiText = LocalString(42090);
    FAstroUnitsText = LocalString(42091);
    FAgeFormat = LocalString(42092);
    FPhaseTexts.clear();
    TimerTimer();
    SetCaptions();
    Arrange();
}

void TMainForm::SetCaptions()
{
    setCaption(LocalString(42000));
    const struct {
        TLabel* label;
        int id;
    } labels[] = {
        {&lbl_age, 42004},           {&lbl_firstquart, 42011},   {&lbl_full, 42012},         {&lbl_julian, 42001},
        {&lbl_lastlunation, 42015},  {&lbl_lastnew, 42010},      {&lbl_lastquart, 42013},    {&lbl_local, 42003},
        {&lbl_moon_distance, 42007}, {&lbl_moon_subtend, 42006}, {&lbl_nextlunation, 42015}, {&lbl_nextnew, 42014},
        {&lbl_phase, 42005},         {&lbl_sun_distance, 42008}, {&lbl_sun_subtend, 42009},  {&lbl_utc, 42002},
    };
    for (const auto& entry : labels)
        entry.label->setText(LocalString(entry.id));
    const struct {
        TMenuItem* item;
        int id;
    } items[] = {
        {&mnu_file, 42016},    {&mnu_tray, 42076},        {&mnu_exit, 42017},           {&mnu_edit, 42018},
        {&mnu_copy, 42019},    {&mnu_options, 42020},     {&mnu_fast, 42021},           {&mnu_stop, 42022},
        {&mnu_julian, 42023},  {&mnu_utc, 42024},         {&mnu_jewish, 42075},         {&mnu_locations, 42060},
        {&mnu_rotate, 42084},  {&mnu_rot_north, 42085},   {&mnu_rot_south, 42086},      {&mnu_color, 42087},
        {&mnu_more, 42025},    {&mnu_help, 42026},        {&mnu_about, 42027},          {&mnu_timezone, 42028},
        {&mnu_times, 42176},   {&mnu_times_place, 42177}, {&mnu_times_computer, 42178}, {&mnu_times_utc, 42179},
        {&mnu_planner, 42219},
    };
    for (const auto& entry : items)
        entry.item->setCaption(LocalString(entry.id));
}

void TMainForm::Arrange()
{
    // The values beside single captions are measured empty, as the form laid them out: their
    // long texts (the local time, the azimuth) have the whole row and must not push the
    // lunation numbers off the window. The dated values are measured at the longest month name
    // of the language, since the lunation captions beside them must clear every date they show.
    int widestDate = 0;
    FWidestValue = 0;
    if (onTextWidth) {
        for (astro::TDateTime day : OneDayOfEveryMonth())
            widestDate = std::max(widestDate, onTextWidth(EventTimeText(day)));
        for (const QString& text : WidestValueTexts())
            FWidestValue = std::max(FWidestValue, onTextWidth(text));
    }
    for (TArrangedLabel& item : FArranged) {
        if (!onTextWidth || item.tag == 2 || item.tag == 3)
            item.width = 0;
        else
            item.width =
                item.tag == 4 ? std::max(widestDate, onTextWidth(item.label->text())) : onTextWidth(item.label->text());
    }
    FLayout = ArrangeColumns(FArranged);
    if (onArranged)
        onArranged();
}

void TMainForm::DrawCompass()
{
    DrawCompassBackground(FCalculator.sun.ImgSunPos);
    DrawCompassBackground(Image1);
}

int TMainForm::GetUtcBias() const { return ::GetUtcBias(FClock); }

// ---- The update ----

void TMainForm::ShowValue(TLabel& calculatorLabel, TLabel& ownLabel, const QString& text)
{
    calculatorLabel.setText(text);
    ownLabel.setText(text);
}

void TMainForm::TimerTimer()
{
    const astro::TDateTime ut = ShownUniversalTime();
    // The computer's clock at the shown instant, with that instant's offset: a summer instant
    // shown in winter has the summer offset.
    const TPlaceZone computer(FClock.zone());
    ShowValue(FCalculator.sun.val_local, val_local,
              fastMode() ? QString() : LocalTimeText(computer.localTime(ut), computer.offsetSecondsAt(ut)));
    ShowValue(FCalculator.sun.val_utc, val_utc, DateTimeText(ut));
    ShowValue(FCalculator.sun.val_julian, val_julian, Fixed(astro::DateTimeToJulian(ut), 12, 5));
    ShowPhases(ut);
    const astro::TMoonAndSun bodies = astro::MoonAndSunAt(ut);
    const int percent = ShowMoonAndSunValues(bodies);
    if (FLocations && SunBlockDue(ut))
        ShowSunBlock(ut);
    FCalculator.sun.Moon.setDate(ut, bodies.MoonPhaseAngle);
    // The window's own picture follows the shown instant too, so that the tray icon and the
    // application icon show the moon the almanac shows.
    Moon.setDate(ut, bodies.MoonPhaseAngle);
    if (percent != FLastPercent)
        RefreshTrayIcon(percent);
}

QStringList TMainForm::PhaseTexts(const TLunationPhases& phases)
{
    return {EventTimeText(phases.LastNew),       EventTimeText(phases.FirstQuarter), EventTimeText(phases.Full),
            EventTimeText(phases.LastQuarter),   EventTimeText(phases.NextNew),      QString::number(phases.Lunation),
            QString::number(phases.Lunation + 1)};
}

void TMainForm::ShowPhases(astro::TDateTime ut)
{
    // A phase search out of its range leaves the phase texts empty for this tick.
    try {
        if (!FPhases || !FPhases->Covers(ut)) {
            FPhaseTexts.clear();
            FPhases = LunationPhasesAt(ut);
        }
        // The texts change only with the lunation, and formatting the five instants is a
        // large part of a tick.
        if (FPhaseTexts.isEmpty())
            FPhaseTexts = PhaseTexts(*FPhases);
    } catch (const std::exception&) {
    }
    const std::pair<TLabel*, TLabel*> labels[] = {{&FCalculator.sun.val_newmoon, &val_newmoon},
                                                  {&FCalculator.sun.val_firstquart, &val_firstquart},
                                                  {&FCalculator.sun.val_full, &val_full},
                                                  {&FCalculator.sun.val_lastquart, &val_lastquart},
                                                  {&FCalculator.sun.val_nextnew, &val_nextnew},
                                                  {&FCalculator.sun.val_lastlunation, &val_lastlunation},
                                                  {&FCalculator.sun.val_nextlunation, &val_nextlunation}};
    qsizetype text = 0;
    for (const auto& [calculatorLabel, ownLabel] : labels)
        ShowValue(*calculatorLabel, *ownLabel, FPhaseTexts.value(text++));
    if (FPhaseTexts.isEmpty())
        return;
    const QColor fullColor = FPhases->BlueMoon ? BlueMoonColor : QColor();
    FCalculator.sun.lbl_full.setFontColor(fullColor);
    lbl_full.setFontColor(fullColor);
}

int TMainForm::ShowMoonAndSunValues(const astro::TMoonAndSun& bodies)
{
    ShowValue(FCalculator.sun.val_moon_distance, val_moon_distance, MoonDistanceText(bodies.MoonDistanceKm));
    ShowValue(FCalculator.sun.val_sun_distance, val_sun_distance, SunDistanceText(bodies.SunDistanceAU));
    ShowValue(FCalculator.sun.val_age, val_age, AgeText(bodies.MoonAgeDays));

    const int percent = static_cast<int>(RoundToInteger(bodies.MoonIlluminatedFraction * 100));
    ShowValue(FCalculator.sun.val_phase, val_phase, PhaseText(percent));
    ShowValue(FCalculator.sun.val_moon_subtend, val_moon_subtend, SubtendText(bodies.MoonAngularDiameter));
    ShowValue(FCalculator.sun.val_sun_subtend, val_sun_subtend, SubtendText(bodies.SunAngularDiameter));
    return percent;
}

QString TMainForm::LocalTimeText(astro::TDateTime shown, int offsetSeconds) const
{
    return tr("%1 = UTC plus %2 hours").arg(DateTimeText(shown), UtcOffsetHoursText(-offsetSeconds / 60));
}

QString TMainForm::MoonDistanceText(double kilometres) const
{
    return QStringLiteral("%1 %2, %3 %4.")
        .arg(RoundToInteger(kilometres))
        .arg(FKilometerText, Fixed(kilometres / astro::EarthRadiusKm, 4, 1), FEarthRadiiText);
}

QString TMainForm::SunDistanceText(double astronomicalUnits) const
{
    return QStringLiteral("%1 %2, %3 %4.")
        .arg(RoundToInteger(astronomicalUnits * astro::AU_KM))
        .arg(FKilometerText, Fixed(astronomicalUnits, 6, 3), FAstroUnitsText);
}

QString TMainForm::AgeText(double days) const
{
    const double whole = std::trunc(days);
    const auto ms = static_cast<qint64>(std::round((days - whole) * astro::MillisecondsPerDay));
    QString text = FAgeFormat;
    text = ReplaceAll(QStringLiteral("%4%"), QString::number(ms / 1000 % 60), text);
    text = ReplaceAll(QStringLiteral("%3%"), QString::number(ms / 60000 % 60), text);
    text = ReplaceAll(QStringLiteral("%2%"), QString::number(ms / 3600000), text);
    return ReplaceAll(QStringLiteral("%1%"), QString::number(static_cast<qint64>(whole)), text);
}

QString TMainForm::PhaseText(int percent) const { return QStringLiteral("%1% ").arg(percent) + FPhaseLegend; }

QStringList TMainForm::WidestValueTexts() const
{
    // A bias whose offset has a sign, two digits and a fraction; the farthest moon and sun; the
    // oldest moon; the azimuth with three digits.
    constexpr int WidestOffsetSeconds = -630 * 60;
    QStringList texts;
    for (astro::TDateTime day : OneDayOfEveryMonth())
        texts << LocalTimeText(day, WidestOffsetSeconds) << DateTimeText(day);
    texts << AgeText(29.999) << PhaseText(100) << MoonDistanceText(406720) << SunDistanceText(1.0167)
          << SubtendText(2011) << AzimuthText(359) << ElevationText(-89) << tr("Night time");
    return texts;
}

bool TMainForm::SunBlockDue(astro::TDateTime ut) const
{
    // The moon picture is re-dated every tick, so in normal mode the jump alone would keep the
    // sun texts of the first update for the whole session.
    return std::abs(ut - FCalculator.sun.Moon.date()) > SunRecomputeDays ||
           FCalculator.sun.lblSunElevation.text().isEmpty() || !FSunTime || std::abs(ut - *FSunTime) > SunAgeDays ||
           FSunPlace != CurrentPlace();
}

std::pair<double, double> TMainForm::CurrentPlace() const
{
    const TLocation* place = FLocations->store().current();
    return place ? std::pair{place->Longitude, place->Latitude} : std::pair{0.0, 0.0};
}

void TMainForm::ShowSunBlock(astro::TDateTime ut)
{
    if (!FLocations->store().current()) {
        FSunTime = ut;
        FSunPlace.reset();
        FSunTrail.clear();
        DrawSunOnCompasses(std::nullopt);
        ShowValue(FCalculator.sun.lblSunAzimuth, lblSunAzimuth, LocalString(42174));
        ShowValue(FCalculator.sun.lblSunElevation, lblSunElevation, QStringLiteral("---"));
        FCalculator.sun.lblSunVisible.setVisible(false);
        return;
    }
    const auto [longitude, latitude] = CurrentPlace();
    // The page's moon is drawn as the place sees it, upright again north of the equator.
    FCalculator.sun.Moon.setRotation(latitude < 0 ? rot_180 : rot_none);
    FSunTime = ut;
    // The trail shows where the sun stood today, here: another day or place starts it anew.
    if (FSunPlace != CurrentPlace() || std::trunc(ut) != FSunTrailDay) {
        FSunPlace = CurrentPlace();
        FSunTrailDay = std::trunc(ut);
        FSunTrail.clear();
    }
    ShowSunPosition(astro::SunHorizontal(ut, longitude, latitude));
}

void TMainForm::ShowSunPosition(astro::THorizontalPosition sun)
{
    const double elevation = sun.Elevation;
    const QString degrees = QString::number(RoundToInteger(elevation));
    if (FCalculator.sun.chbxSunElev.checked())
        FCalculator.sun.edtSunElev.setText(degrees);
    ShowValue(FCalculator.sun.lblSunElevation, lblSunElevation, ElevationText(elevation));
    FCalculator.sun.lblSunVisible.setVisible(elevation < 0);
    const double azimuth = ShownAzimuth(sun.Azimuth);
    const std::optional<double> current = elevation > 0 ? std::optional(azimuth) : std::nullopt;
    DrawSunOnCompasses(current);
    // A bearing joins the trail once per whole degree; the minute updates of a slow sun would
    // otherwise pile up on one spot.
    if (current && (FSunTrail.isEmpty() || RoundToInteger(FSunTrail.last()) != RoundToInteger(azimuth)))
        FSunTrail.append(azimuth);
    ShowValue(FCalculator.sun.lblSunAzimuth, lblSunAzimuth, elevation > 0 ? AzimuthText(azimuth) : tr("Night time"));
}

void TMainForm::DrawSunOnCompasses(std::optional<double> current)
{
    DrawSunPositions(FCalculator.sun.ImgSunPos, FSunTrail, current);
    // The moon window's compass shows the same picture; one drawing serves both.
    const QImage& drawn = FCalculator.sun.ImgSunPos.picture();
    if (Image1.picture().size() == drawn.size() && Image1.picture().format() == drawn.format())
        Image1.setPicture(drawn);
    else
        DrawSunPositions(Image1, FSunTrail, current);
}

void TMainForm::RefreshTrayIcon(int percent)
{
    FLastPercent = percent;
    const TIcon& icon = Moon.icon();
    FTrayIcon.setIcon(icon);
    FTrayIcon.setToolTip(QStringLiteral("%1%").arg(percent));
    if (onApplicationIcon)
        onApplicationIcon(icon);
}

// ---- Menus ----

void TMainForm::minimize_to_tray()
{
    // Without a notification area there would be no way back to a hidden program: the windows
    // are minimised as usual, and the user is told why once.
    if (!FTrayIcon.isAvailable()) {
        if (!FToldNoTray && onNotice)
            onNotice(LocalString(42182));
        FToldNoTray = true;
        if (onMinimizeApplication)
            onMinimizeApplication();
        return;
    }
    FTrayIcon.setActive(true);
    Hide();
    if (onHideApplication)
        onHideApplication();
}

void TMainForm::tray_dblclick()
{
    Show();
    FTrayIcon.setActive(false);
    if (onRestoreApplication)
        onRestoreApplication();
}

void TMainForm::mnu_exitClick()
{
    // The window closes even when its options cannot be kept: the message says so, once, and
    // the settings file stays as it was.
    try {
        FormClose();
    } catch (...) {
        Close();
        throw;
    }
    Close();
}

void TMainForm::mnu_copyClick()
{
    if (!onGrabClientArea || !onCopyPicture)
        return;
    onCopyPicture(onGrabClientArea());
}

// The clock goes on from the instant shown now, at the other speed.
void TMainForm::mnu_fastClick()
{
    mnu_fast.setChecked(!mnu_fast.checked());
    FAlmanacClock.setFast(mnu_fast.checked());
    TimerTimer();
}

// Stop freezes the almanac's instant for every window that reads it (the timer goes on, so
// that a set time still shows at once); Run goes on from it.
void TMainForm::mnu_stopClick()
{
    if (FAlmanacClock.stopped())
        FAlmanacClock.run();
    else
        FAlmanacClock.stop();
    mnu_stop.setCaption(FAlmanacClock.stopped() ? tr("&Run") : tr("&Stop"));
    TimerTimer();
}

void TMainForm::SetTime(TSetTimeDialog& dialog)
{
    dialog.FValue = ShownUniversalTime();
    if (dialog.ShowModal() != TModalResult::OK)
        return;
    FAlmanacClock.setUniversal(dialog.FValue);
    TimerTimer();
    if (FMore)
        FMore->LocationChange();
}

void TMainForm::mnu_utcClick()
{
    if (FUtc)
        SetTime(*FUtc);
}

void TMainForm::mnu_julianClick() { SetTime(*FJulian); }

void TMainForm::mnu_jewishClick() { SetTime(*FJewish); }

void TMainForm::mnu_rotate_Click(const TMenuItem& sender)
{
    if (&sender == &mnu_rot_north)
        Moon.setRotation(rot_none);
    else if (&sender == &mnu_rot_south)
        Moon.setRotation(rot_180);
    mnu_rot_north.setChecked(Moon.rotation() == rot_none);
    mnu_rot_south.setChecked(Moon.rotation() == rot_180);
    FLastPercent = NoPercent;
    TimerTimer();
}

void TMainForm::mnu_times_Click(const TMenuItem& sender)
{
    FTimesShown = &sender == &mnu_times_computer ? tsComputer : &sender == &mnu_times_utc ? tsUtc : tsPlace;
    mnu_times_place.setChecked(FTimesShown == tsPlace);
    mnu_times_computer.setChecked(FTimesShown == tsComputer);
    mnu_times_utc.setChecked(FTimesShown == tsUtc);
    WriteTimesShown(FSettingsFile, FTimesShown);
    if (FMore)
        FMore->SetTimesShown(FTimesShown);
}

void TMainForm::mnu_colorClick()
{
    mnu_color.setChecked(!mnu_color.checked());
    Moon.setMoonStyle(mnu_color.checked() ? msColor : msClassic);
    FLastPercent = NoPercent;
    TimerTimer();
}

void TMainForm::mnu_locationsClick()
{
    if (!FLocations)
        return;
    // A confirmed choice reaches every window through the store.
    FLocations->ShowModal();
}

void TMainForm::mnu_moreClick()
{
    if (FMore)
        FMore->BringToFront();
}

void TMainForm::mnu_plannerClick()
{
    if (!FMore)
        return;
    // Without a place More Data says how to add one.
    if (FMore->SelectedLocation())
        FMore->btn_chartClick();
    else
        FMore->BringToFront();
}

void TMainForm::mnu_help_itemClick()
{
    if (onShowHelp && !FHelpFile.isEmpty())
        onShowHelp(FHelpFile, htContents);
}

void TMainForm::mnu_timezoneClick()
{
    if (onShowHelp && !FHelpFile.isEmpty())
        onShowHelp(FHelpFile, htTimeZones);
}

void TMainForm::mnu_aboutClick()
{
    FAbout->Moon.setDate(ShownUniversalTime());
    FAbout->ShowModal();
}
