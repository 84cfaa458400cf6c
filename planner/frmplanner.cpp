#include "planner/frmplanner.h"

#include "moredata/lighttext.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <QDate>
#include <QLocale>
#include <cmath>
#include <utility>

namespace {

constexpr int PlannerCaption = 42206;
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

QString WithoutColon(QString caption)
{
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption;
}

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

Tfrm_planner::Tfrm_planner()
    : TWindow(QStringLiteral("Sky chart"))
{
    bindHandlers();
    setCaption(LocalString(PlannerCaption));
    btn_save.setCaption(LocalString(SaveCaption));
}

void Tfrm_planner::bindHandlers()
{
    trk_time.onChange = [this] { trk_timeChange(); };
    btn_save.onClick = [this] { btn_saveClick(); };
}

void Tfrm_planner::ShowDay(const TLocation& place, const TLocalDay& day, const TPlaceZone& shown)
{
    const bool first = FSky.empty();
    const int minute = trk_time.position();
    FSky = ComputeSkyDay(day, place.Latitude, place.Longitude);
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
