#include "calculator/photo_values.h"

#include "controls/errors.h"
#include "controls/numbers.h"

#include <QCoreApplication>
#include <cmath>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PhotoValues)
};

}  // namespace

double TimeValue(double seconds)
{
    if (seconds == 0)
        throw EInputError(Text::tr("Exposure time cannot be zero"));
    return RoundTo(CheckedLog2(Divide(1, seconds)), 1);
}

double SecondsFromValue(double value) { return CheckedResult(std::pow(2.0, -value)); }

double ApertureValue(double fRatio)
{
    if (fRatio == 0)
        throw EInputError(Text::tr("F ratio cannot be zero"));
    // log10(N) / log10(sqrt 2), as 2 log2(N) so that whole stops come out exact.
    return RoundTo(2 * CheckedLog2(fRatio), 1);
}

double FRatioFromValue(double value) { return RoundTo(std::pow(std::sqrt(2.0), value), 1); }

double SpeedValue(double iso)
{
    if (iso == 0)
        throw EInputError(Text::tr("ISO cannot be zero"));
    return RoundTo(CheckedLog2(iso / 3.125), 1);
}

QString ShutterTimeText(double seconds)
{
    if (seconds == 0)
        return Text::tr("zero");
    if (seconds >= 1)
        return Text::tr("%1 sec").arg(RoundedText(seconds, 2));
    return Text::tr("1/%1 sec").arg(RoundedText(Divide(1, seconds), 0));
}
