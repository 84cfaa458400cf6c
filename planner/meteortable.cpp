#include "planner/meteortable.h"

#include "controls/numbers.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <QLocale>
#include <cstring>

namespace {

constexpr int ColumnCaptions[TMeteorTable::ColumnCount] = {42229, 42230, 42231, 42232, 42233};
constexpr int RateHint = 42247;
constexpr int RadiantBelow = 42234;
constexpr int RadiantAt = 42235;
constexpr int LitTemplate = 42156;
constexpr int FirstShowerName = 42237;

const QString Field1 = QStringLiteral("%1%");
const QString Field2 = QStringLiteral("%2%");

QString Degrees(double degrees) { return QLocale().toString(static_cast<int>(RoundTo(degrees))) + QChar(0x00B0); }

}  // namespace

QString MeteorShowerName(const astro::TMeteorShower& shower)
{
    for (int i = 0; i < astro::MeteorShowerCount; ++i)
        if (std::strcmp(astro::MeteorShowers[i].Name, shower.Name) == 0)
            return LocalString(FirstShowerName + i);
    return QString::fromLatin1(shower.Name);
}

void TMeteorTable::setYear(const TMeteorYear& year, const TPlaceZone& shown)
{
    beginResetModel();
    FRows.clear();
    FHints.clear();
    for (const TMeteorPeak& peak : year.Peaks) {
        const astro::TMeteorNight& night = peak.Night;
        const QString radiantAt =
            ReplaceAll(Field2, ClockTimeText(night.Darkest, shown),
                       ReplaceAll(Field1, Degrees(night.RadiantAltitude), LocalString(RadiantAt)));
        const QString percent = FloatToStr(RoundTo(night.MoonIlluminatedFraction * 100));
        FRows.append({MeteorShowerName(*peak.Shower), EventTimeText(peak.Peak, shown),
                      QLocale().toString(peak.Shower->ZenithalHourlyRate),
                      night.RadiantAltitude >= 0 ? radiantAt : LocalString(RadiantBelow), percent + u'%'});
        FHints.append({QString::fromLatin1(peak.Shower->Name), EventTimeText(peak.Peak), LocalString(RateHint),
                       radiantAt, ReplaceAll(Field1, percent, LocalString(LitTemplate))});
    }
    endResetModel();
}

void TMeteorTable::clear()
{
    beginResetModel();
    FRows.clear();
    FHints.clear();
    endResetModel();
}

int TMeteorTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(FRows.size());
}

int TMeteorTable::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TMeteorTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= FRows.size() || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole: return FRows[index.row()][index.column()];
    case Qt::ToolTipRole: return FHints[index.row()][index.column()];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() == colShower || index.column() == colPeak
                                       ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignCenter);
    default: return {};
    }
}

QVariant TMeteorTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return LocalString(ColumnCaptions[section]);
    if (role == Qt::ToolTipRole && section == colRate)
        return LocalString(RateHint);
    return {};
}
