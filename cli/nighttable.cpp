#include "cli/nighttable.h"

#include "moredata/nighttext.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <algorithm>

namespace {

constexpr int NightCaption = 42199;
constexpr int DarkSkyCaption = 42200;
constexpr int CoreCaption = 42201;
constexpr int NotOnThisDay = 42147;

}  // namespace

QString NightTableNight(const TLocalNight& night, const astro::TNight* computed, double coreAltitude,
                        const TPlaceZone& zone)
{
    QString text = LocalString(NightCaption) + QStringLiteral(": ") + DateText(night.Number) + u'\n';
    if (!computed || night.empty())
        return text + QStringLiteral("  ") + LocalString(NotOnThisDay) + u'\n';
    const TNightTexts texts = NightTexts(*computed, coreAltitude, zone);
    const QString dark = LocalString(DarkSkyCaption);
    const QString core = LocalString(CoreCaption);
    const qsizetype width = std::max(dark.size(), core.size()) + 2;
    return text + QStringLiteral("  ") + dark.leftJustified(width) + texts.DarkSky + u'\n' + QStringLiteral("  ") +
           core.leftJustified(width) + texts.Core + u'\n';
}
