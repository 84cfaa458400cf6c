#include "locations/coordinatetext.h"

#include "controls/errors.h"
#include "controls/numbers.h"

#include <cmath>

QString AngleToEditText(double degrees)
{
    // Written so that NaN fails as well; within the range every count fits its integer.
    if (!(std::fabs(degrees) <= LargestEditAngle))
        throw EInputError(QStringLiteral("%1 is not a valid coordinate").arg(degrees));
    const qint64 total = qint64(RoundTo(std::fabs(degrees) * 3600));
    const qint64 seconds = total % 60;
    const qint64 minutes = ((total - seconds) / 60) % 60;
    const qint64 wholeDegrees = (total - seconds - 60 * minutes) / 3600;
    const QString sign = degrees < 0 ? QStringLiteral("-") : QString();
    return sign + QStringLiteral("%1:%2:%3").arg(wholeDegrees).arg(minutes).arg(seconds);
}

double EditTextToAngle(const QString& text)
{
    const qsizetype length = text.size();
    const qsizetype firstColon = text.indexOf(u':');
    const qsizetype degreesEnd = firstColon < 0 ? length : firstColon;

    double value;
    try {
        value = StrToInt(text.left(degreesEnd).trimmed());
    } catch (const EInputError&) {
        // A sign standing apart from its digits, as in "- 32".
        if (!text.startsWith(u'+') && !text.startsWith(u'-'))
            throw;
        value = StrToInt(text.mid(1, degreesEnd - 1).trimmed());
    }
    // Degrees of "-000:30:00" read as 0; the sign still belongs to the minutes.
    const int sign = value < 0 || text.contains(u'-') ? -1 : 1;
    value = sign * std::fabs(value);

    if (firstColon < 0)
        return value;
    const qsizetype secondColon = text.indexOf(u':', firstColon + 1);
    const qsizetype minutesEnd = secondColon < 0 ? length : secondColon;
    value += sign * StrToInt(text.mid(firstColon + 1, minutesEnd - firstColon - 1)) / 60.0;

    // Nothing after the second ":" means no seconds, not a missing number.
    if (secondColon < 0 || secondColon == length - 1)
        return value;
    const qsizetype thirdColon = text.indexOf(u':', secondColon + 1);
    const qsizetype secondsEnd = thirdColon < 0 ? length : thirdColon;
    value += sign * StrToInt(text.mid(secondColon + 1, secondsEnd - secondColon - 1)) / 3600.0;
    return value;
}
