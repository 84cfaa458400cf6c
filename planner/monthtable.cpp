#include "planner/monthtable.h"

#include "controls/numbers.h"
#include "moredata/lighttext.h"
#include "moredata/nighttext.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <QDate>
#include <QFont>
#include <QLocale>
#include <QStringList>

namespace {

const QString Dash = QStringLiteral("–");
const QString Ellipsis = QStringLiteral("…");

constexpr int DateCaption = 42222;
constexpr int MoonCaption = 42227;
constexpr int DarkSkyCaption = 42200;
constexpr int CoreCaption = 42201;
constexpr int NotOnThisDay = 42147;
constexpr int LitTemplate = 42156;

// The caption of each column; a caption with a colon (the Light block's) loses it.
constexpr int ColumnCaptions[TMonthTable::ColumnCount] = {DateCaption, 42223, 42224, 42134,       42135,         42225,
                                                          42226,       42139, 42140, MoonCaption, DarkSkyCaption};

bool Occurs(const astro::TLightEvent& event) { return event.Kind == astro::lkOccurs; }

// "05:12": the time of day of ut on the clock of zone, without the zone's name.
QString ShortTime(astro::TDateTime ut, const TPlaceZone& zone) { return ClockTimeText(ut, zone).section(u' ', 0, 0); }

QString ShortTime(const astro::TLightEvent& event, const TPlaceZone& zone)
{
    return Occurs(event) ? ShortTime(event.Time, zone) : Dash;
}

// "05:12–06:03"; an end the day does not reach is "…", a span with neither end a dash.
QString ShortSpan(const astro::TLightEvent& from, const astro::TLightEvent& to, const TPlaceZone& zone)
{
    if (!Occurs(from) && !Occurs(to))
        return Dash;
    return (Occurs(from) ? ShortTime(from.Time, zone) : Ellipsis) + Dash +
           (Occurs(to) ? ShortTime(to.Time, zone) : Ellipsis);
}

QString DateCell(double number)
{
    const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(number));
    return QLocale().toString(date, QStringLiteral("ddd d"));
}

}  // namespace

TMonthTable::TRow TMonthTable::RowOf(const TMonthDay& day, bool southern, const TPlaceZone& shown)
{
    TRow row;
    row.Cells[colDate] = {DateCell(day.Day.Number), DateText(day.Day.Number)};
    if (day.Day.empty()) {
        for (int column = colDate + 1; column < ColumnCount; ++column)
            row.Cells[column] = {Dash, LocalString(NotOnThisDay)};
        return row;
    }
    const astro::TSunLight& morning = day.Light.Morning;
    const astro::TSunLight& evening = day.Light.Evening;
    const TSunLightTexts morningTexts = SunLightTexts(morning, true, shown);
    const TSunLightTexts eveningTexts = SunLightTexts(evening, false, shown);
    row.Cells[colBlueMorning] = {ShortSpan(morning.Civil, morning.BlueGolden, shown), morningTexts.BlueHour};
    row.Cells[colGoldenMorning] = {ShortSpan(morning.BlueGolden, morning.Golden, shown), morningTexts.GoldenHour};
    row.Cells[colSunrise] = {ShortTime(morning.Horizon, shown), morningTexts.Horizon};
    row.Cells[colSunset] = {ShortTime(evening.Horizon, shown), eveningTexts.Horizon};
    row.Cells[colGoldenEvening] = {ShortSpan(evening.Golden, evening.BlueGolden, shown), eveningTexts.GoldenHour};
    row.Cells[colBlueEvening] = {ShortSpan(evening.BlueGolden, evening.Civil, shown), eveningTexts.BlueHour};
    row.Cells[colMoonrise] = {ShortTime(day.Light.Moonrise.Horizon, shown),
                              MoonLightText(day.Light.Moonrise, true, shown)};
    row.Cells[colMoonset] = {ShortTime(day.Light.Moonset.Horizon, shown),
                             MoonLightText(day.Light.Moonset, false, shown)};
    const QString percent = FloatToStr(RoundTo(day.MoonIlluminatedFraction * 100));
    row.Cells[colMoon] = {percent + u'%', ReplaceAll(QStringLiteral("%1%"), percent, LocalString(LitTemplate))};
    row.MoonLit = day.MoonIlluminatedFraction;
    row.MoonLitOnRight = day.MoonWaxing != southern;

    QStringList windows;
    for (const astro::TDarkWindow& window : day.Night.Windows)
        windows << ShortTime(window.Start, shown) + Dash + ShortTime(window.End, shown);
    const TNightTexts night = NightTexts(day.Night, astro::DefaultCoreAltitude, shown);
    row.Cells[colDarkSky] = {windows.isEmpty() ? Dash : windows.join(QStringLiteral(", ")),
                             night.DarkSky + u'\n' + LocalString(CoreCaption) + QStringLiteral(": ") + night.Core};
    return row;
}

void TMonthTable::setMonth(const TMonthOfLight& month, const TPlaceZone& shown, double chosen)
{
    beginResetModel();
    FRows.clear();
    FChosenRow = -1;
    for (const TMonthDay& day : month.Days) {
        if (day.Day.Number == chosen)
            FChosenRow = static_cast<int>(FRows.size());
        FRows.append(RowOf(day, month.Latitude < 0, shown));
    }
    endResetModel();
}

void TMonthTable::clear()
{
    beginResetModel();
    FRows.clear();
    FChosenRow = -1;
    endResetModel();
}

int TMonthTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(FRows.size());
}

int TMonthTable::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TMonthTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= FRows.size() || index.column() >= ColumnCount)
        return {};
    const TRow& row = FRows[index.row()];
    const TCell& cell = row.Cells[index.column()];
    switch (role) {
    case Qt::DisplayRole: return cell.Text;
    case Qt::ToolTipRole: return cell.Hint;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() == colDate ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    case Qt::FontRole:
        if (index.row() == FChosenRow) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case MoonLitRole: return index.column() == colMoon ? QVariant(row.MoonLit) : QVariant();
    case MoonLitOnRightRole: return index.column() == colMoon ? QVariant(row.MoonLitOnRight) : QVariant();
    default: return {};
    }
}

QString WithoutColon(QString caption)
{
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption;
}

QVariant TMonthTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount || role != Qt::DisplayRole)
        return {};
    return WithoutColon(LocalString(ColumnCaptions[section]));
}
