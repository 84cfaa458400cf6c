#include "places/pastedcoordinates.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

constexpr double LatitudeLimit = 90;
constexpr double LongitudeLimit = 180;
constexpr double MinutesPerDegree = 60;
constexpr double SecondsPerDegree = 3600;

// One value: a signed number of degrees with an optional degree sign, then optional minutes
// and seconds with their signs (the typewriter and the typographic ones alike).
const QString Number =
    QStringLiteral("([+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+))\\s*(?:°\\s*)?"
                   "(?:([0-9]+(?:\\.[0-9]*)?)\\s*['′’]\\s*(?:([0-9]+(?:\\.[0-9]*)?)\\s*(?:\"|″|”|'')\\s*)?)?");

// Two values parted by a comma, a semicolon or blanks, with their hemisphere letters all before
// or all after their numbers; a geo URI may add a height and parameters
// ("geo:52.52,13.405,34;u=10"). Each value has five groups: letter, degrees, minutes, seconds,
// letter.
QString PatternText(bool lettersBefore)
{
    const QString value =
        lettersBefore ? QStringLiteral("([NSEW])\\s*%1()").arg(Number) : QStringLiteral("()%1([NSEW])?").arg(Number);
    return QStringLiteral("^\\s*(?:geo:)?\\s*%1\\s*(?:[,;]\\s*|\\s+)%1\\s*(?:,\\s*[+-]?[0-9.]+)?(?:;.*)?$").arg(value);
}

const QRegularExpression& Pattern(bool lettersBefore)
{
    static const QRegularExpression before(PatternText(true), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression after(PatternText(false), QRegularExpression::CaseInsensitiveOption);
    return lettersBefore ? before : after;
}

struct TValue {
    double Degrees = 0;
    QChar Hemisphere;  // upper case; null without a letter
};

// The value whose groups start at `first`; nothing for one that cannot be a coordinate.
std::optional<TValue> ValueOf(const QRegularExpressionMatch& match, int first)
{
    const QString before = match.captured(first).toUpper();
    const QString number = match.captured(first + 1);
    const QString minutes = match.captured(first + 2);
    const QString seconds = match.captured(first + 3);
    const QString after = match.captured(first + 4).toUpper();
    const QChar hemisphere = before.isEmpty() ? (after.isEmpty() ? QChar() : after[0]) : before[0];
    const bool hasSign = number.startsWith(u'-') || number.startsWith(u'+');
    if (hasSign && !hemisphere.isNull())
        return std::nullopt;
    const QLocale c = QLocale::c();
    double degrees = std::abs(c.toDouble(number));
    const double minuteValue = minutes.isEmpty() ? 0 : c.toDouble(minutes);
    const double secondValue = seconds.isEmpty() ? 0 : c.toDouble(seconds);
    if (minuteValue >= MinutesPerDegree || secondValue >= MinutesPerDegree)
        return std::nullopt;
    degrees += minuteValue / MinutesPerDegree + secondValue / SecondsPerDegree;
    if (number.startsWith(u'-') || hemisphere == u'S' || hemisphere == u'W')
        degrees = -degrees;
    return TValue{degrees, hemisphere};
}

bool NamesLatitude(QChar letter) { return letter == u'N' || letter == u'S'; }
bool NamesLongitude(QChar letter) { return letter == u'E' || letter == u'W'; }

}  // namespace

std::optional<TMapPoint> ReadPastedCoordinates(QStringView text)
{
    static const QRegularExpression startsWithLetter(QStringLiteral("^\\s*[NSEW]"),
                                                     QRegularExpression::CaseInsensitiveOption);
    const QString pasted = text.toString();
    const QRegularExpressionMatch match = Pattern(startsWithLetter.match(pasted).hasMatch()).match(pasted);
    if (!match.hasMatch())
        return std::nullopt;
    std::optional<TValue> latitude = ValueOf(match, 1);
    std::optional<TValue> longitude = ValueOf(match, 6);
    if (!latitude || !longitude)
        return std::nullopt;
    if (NamesLongitude(latitude->Hemisphere) &&
        (NamesLatitude(longitude->Hemisphere) || longitude->Hemisphere.isNull()))
        std::swap(latitude, longitude);
    if (NamesLongitude(latitude->Hemisphere) || NamesLatitude(longitude->Hemisphere))
        return std::nullopt;
    if (!(std::abs(latitude->Degrees) <= LatitudeLimit) || !(std::abs(longitude->Degrees) <= LongitudeLimit))
        return std::nullopt;
    return TMapPoint{latitude->Degrees, longitude->Degrees};
}
