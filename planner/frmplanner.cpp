#include "planner/frmplanner.h"

#include "astro/calendar.h"
#include "controls/errors.h"
#include "moredata/lightexport.h"
#include "moredata/lighttext.h"
#include "planner/monthcsv.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <cmath>
#include <utility>

namespace {

constexpr int PlannerCaption = 42218;
constexpr int SkyPageCaption = 42206;
constexpr int MonthPageCaption = 42220;
constexpr int MeteorPageCaption = 42221;
constexpr int ExportCaption = 42228;
constexpr int MeteorsTemplate = 42236;
constexpr int SaveCaption = 42208;
constexpr int PictureTemplate = 42209;
constexpr int SunTemplate = 42210;
constexpr int MoonTemplate = 42211;
constexpr int CoreTemplate = 42212;
constexpr int LightTemplate = 42213;

const QString Field1 = QStringLiteral("%1%");
const QString Field2 = QStringLiteral("%2%");
const QString Field3 = QStringLiteral("%3%");

constexpr double MinutesPerDay = 24 * 60;

// "23.4°": an altitude to a tenth of a degree, in the user's number format.
QString AltitudeText(double altitude) { return QLocale().toString(altitude, 'f', 1) + u'°'; }

}  // namespace

QString LightPhaseText(TLightPhase phase)
{
    switch (phase) {
    case TLightPhase::Night: return LocalString(42214);
    case TLightPhase::Astronomical: return LocalString(42215);
    case TLightPhase::Nautical: return LocalString(42216);
    case TLightPhase::BlueHour: return WithoutColon(LocalString(42132));
    case TLightPhase::GoldenHour: return WithoutColon(LocalString(42133));
    case TLightPhase::Day: return LocalString(42217);
    }
    return {};
}

QString Tfrm_planner::PageCaption(TPage page)
{
    switch (page) {
    case pgSky: return LocalString(SkyPageCaption);
    case pgMonth: return LocalString(MonthPageCaption);
    case pgMeteors: return LocalString(MeteorPageCaption);
    }
    return {};
}

Tfrm_planner::Tfrm_planner()
    : TWindow(QStringLiteral("Planner"))
{
    bindHandlers();
    setCaption(LocalString(PlannerCaption));
    btn_save.setCaption(LocalString(SaveCaption));
    btn_export.setCaption(LocalString(ExportCaption));
    btn_export.setEnabled(false);
}

void Tfrm_planner::bindHandlers()
{
    trk_time.onChange = [this] { trk_timeChange(); };
    btn_save.onClick = [this] { btn_saveClick(); };
    btn_export.onClick = [this] { btn_exportClick(); };
}

void Tfrm_planner::ShowDay(const TLocation& place, const TLocalDay& day, const TPlaceZone& zone,
                           const TPlaceZone& shown)
{
    // All is computed before anything is shown, so that a failure leaves the window as it was.
    TSkyDay sky = ComputeSkyDay(day, place.Latitude, place.Longitude);
    TMonthOfLight month = FMonth.holds(zone, day.Number, place.Latitude, place.Longitude)
                              ? FMonth
                              : ComputeMonthOfLight(zone, day.Number, place.Latitude, place.Longitude);
    const int year = month.Year;
    TMeteorYear meteors = FMeteors.holds(zone, year, place.Latitude, place.Longitude)
                              ? FMeteors
                              : ComputeMeteorYear(zone, year, place.Latitude, place.Longitude);

    const bool first = FSky.empty();
    const int minute = trk_time.position();
    FSky = std::move(sky);
    FShown = shown;
    FPlaceName = place.Name;
    const double length = day.empty() ? 0 : (day.End - day.Start) * MinutesPerDay;
    lbl_title.setText(place.Name + QStringLiteral(", ") + DateText(day.Number));
    {
        // One refresh for the new day, whatever the slider does on the way.
        const auto picked = std::exchange(onPickedChange, nullptr);
        trk_time.setMaximum(static_cast<int>(std::lround(length)));
        trk_time.setPosition(first ? static_cast<int>(std::lround(length / 2)) : minute);
        onPickedChange = picked;
    }
    if (onSkyChange)
        onSkyChange();
    showPicked();
    showMonth(std::move(month), day.Number);
    showMeteors(std::move(meteors));
}

void Tfrm_planner::showMonth(TMonthOfLight month, double chosen)
{
    lbl_month.setText(FPlaceName + QStringLiteral(", ") + QLocale().standaloneMonthName(month.Month) + u' ' +
                      QString::number(month.Year) + QStringLiteral(" · ") + FShown.id());
    btn_export.setEnabled(!month.empty());
    const bool changed = month.Year != FMonth.Year || month.Month != FMonth.Month ||
                         month.Latitude != FMonth.Latitude || month.Longitude != FMonth.Longitude ||
                         month.ZoneId != FMonth.ZoneId;
    if (!changed && chosen == FMonthChosen && FShown.id() == FMonthShownId)
        return;
    FMonth = std::move(month);
    FMonthChosen = chosen;
    FMonthShownId = FShown.id();
    FMonthTable.setMonth(FMonth, FShown, chosen);
}

void Tfrm_planner::showMeteors(TMeteorYear year)
{
    lbl_meteors.setText(
        ReplaceAll(Field2, FPlaceName, ReplaceAll(Field1, QString::number(year.Year), LocalString(MeteorsTemplate))));
    const bool changed = year.Year != FMeteors.Year || year.Latitude != FMeteors.Latitude ||
                         year.Longitude != FMeteors.Longitude || year.ZoneId != FMeteors.ZoneId;
    if (!changed && FShown.id() == FMeteorsShownId && !FMeteors.empty())
        return;
    FMeteors = std::move(year);
    FMeteorsShownId = FShown.id();
    FMeteorTable.setYear(FMeteors, FShown);
}

void Tfrm_planner::btn_exportClick()
{
    if (FMonth.empty() || !onChooseMonthFile)
        return;
    if (FMonth.Year < FirstLightYear)
        throw EUserError(QCoreApplication::translate("Messages", "Only the days of the years %1 to %2 can be exported.")
                             .arg(FirstLightYear)
                             .arg(LastLightYear));
    const QString fileName =
        onChooseMonthFile(LightExportFileName(FPlaceName, QDate(FMonth.Year, FMonth.Month, 1), TLightFileFormat::Csv));
    if (fileName.isEmpty())
        return;
    SaveLightFile(fileName, MonthCsv(FMonth, FShown));
}

astro::TDateTime Tfrm_planner::pickedTime() const { return FSky.Day.Start + trk_time.position() / MinutesPerDay; }

void Tfrm_planner::trk_timeChange() { showPicked(); }

void Tfrm_planner::showPicked()
{
    if (FSky.empty()) {
        for (TLabel* label : {&lbl_time, &lbl_light, &lbl_sun, &lbl_moon, &lbl_core})
            label->setText(QString());
        return;
    }
    const astro::TDateTime t = pickedTime();
    const TSkySample sample = SkySampleAt(t, FSky.Latitude, FSky.Longitude);
    lbl_time.setText(ClockTimeText(t, FShown));
    lbl_light.setText(
        ReplaceAll(Field1, LightPhaseText(LightPhaseOf(sample.Sun.Altitude)), LocalString(LightTemplate)));
    lbl_sun.setText(ReplaceAll(Field2, DirectionText(sample.Sun.Azimuth),
                               ReplaceAll(Field1, AltitudeText(sample.Sun.Altitude), LocalString(SunTemplate))));
    const QString lit = QLocale().toString(std::lround(FSky.MoonIlluminatedFraction * 100)) + u'%';
    lbl_moon.setText(
        ReplaceAll(Field3, lit,
                   ReplaceAll(Field2, DirectionText(sample.Moon.Azimuth),
                              ReplaceAll(Field1, AltitudeText(sample.Moon.Altitude), LocalString(MoonTemplate)))));
    lbl_core.setText(ReplaceAll(Field2, DirectionText(sample.Core.Azimuth),
                                ReplaceAll(Field1, AltitudeText(sample.Core.Altitude), LocalString(CoreTemplate))));
    if (onPickedChange)
        onPickedChange();
}

void Tfrm_planner::btn_saveClick() { dlg_save.Execute(); }

QString Tfrm_planner::pictureName() const
{
    const QString date = QDate(1899, 12, 30).addDays(static_cast<qint64>(FSky.Day.Number)).toString(Qt::ISODate);
    QString name = FPlaceName;
    for (QChar& c : name)
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            c = u'-';
    return ReplaceAll(Field2, date, ReplaceAll(Field1, name, LocalString(PictureTemplate))) + QStringLiteral(".png");
}
