#include "moredata/nighttext.h"

#include "controls/numbers.h"
#include "moredata/lighttext.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <QStringList>
#include <functional>

namespace {

constexpr int MoonUpAllNight = 42202;
constexpr int SunAboveAllNight = 42203;
constexpr int CoreStaysLow = 42204;
constexpr int CoreSpanText = 42205;

const QString Separator = QStringLiteral("; ");
const QString Dash = QStringLiteral("–");

QString Filled(QString text, const QStringList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        text = ReplaceAll(QStringLiteral("%%1%").arg(i + 1), values[i], text);
    return text;
}

// The reason in the language `text` looks its ids up in, the limit written as `limit`.
QString ReasonText(const astro::TNight& night, const QString& limit, const std::function<QString(int)>& text)
{
    switch (night.Darkness) {
    case astro::ndMoonUpAllNight: return text(MoonUpAllNight);
    case astro::ndSunAboveAllNight: return text(SunAboveAllNight);
    default: break;
    }
    for (const astro::TDarkWindow& window : night.Windows)
        if (!window.Core.empty())
            return {};
    return ReplaceAll(QStringLiteral("%1%"), limit, text(CoreStaysLow));
}

QString ShownReason(const astro::TNight& night, double coreAltitude)
{
    return ReasonText(night, FloatToStr(coreAltitude), [](int id) { return LocalString(id); });
}

QString DegreesText(double degrees) { return QString::number(static_cast<int>(RoundTo(degrees))) + QChar(0x00B0); }

}  // namespace

QString NightReasonInEnglish(const astro::TNight& night, double coreAltitude)
{
    return ReasonText(night, QString::number(coreAltitude), [](int id) { return LocalString(id, QLocale::English); });
}

TNightTexts NightTexts(const astro::TNight& night, double coreAltitude, const TPlaceZone& zone)
{
    if (night.Darkness != astro::ndDark)
        return {ShownReason(night, coreAltitude), Dash};
    QStringList dark;
    QStringList core;
    for (const astro::TDarkWindow& window : night.Windows) {
        dark << ClockTimeText(window.Start, zone) + QStringLiteral(" – ") + ClockTimeText(window.End, zone);
        for (const astro::TCoreSpan& span : window.Core)
            core << Filled(LocalString(CoreSpanText),
                           {ClockTimeText(span.Start.Time, zone), ClockTimeText(span.End.Time, zone),
                            ClockTimeText(span.Highest.Time, zone), DegreesText(span.Highest.Altitude),
                            DirectionText(span.Highest.Azimuth)});
    }
    if (core.isEmpty())
        return {dark.join(Separator), ShownReason(night, coreAltitude)};
    return {dark.join(Separator), core.join(Separator)};
}
