// The coordinate fields' text: any text reads as degrees or raises the conversion error; any
// double is written or refused; what is written reads back to the same whole arc-second.

#include "controls/errors.h"
#include "fuzz_support.h"
#include "locations/coordinatetext.h"

#include <cmath>

namespace {

void CheckAngleText(double degrees)
{
    QString text;
    try {
        text = AngleToEditText(degrees);
    } catch (const EInputError&) {
        if (std::fabs(degrees) <= LargestEditAngle)
            Finding("an angle within the range was refused");
        return;
    }
    double back = 0;
    try {
        back = EditTextToAngle(text);
    } catch (const EInputError&) {
        Finding("AngleToEditText wrote what EditTextToAngle rejects: " + text.toStdString());
    }
    // The text holds whole arc-seconds, so it reads back to within half of one.
    if (!(std::fabs(back - degrees) <= 0.5 / 3600 + 1e-6))
        Finding("the text of an angle did not read back: " + text.toStdString());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    TFuzzBytes bytes(data, size);
    CheckAngleText(bytes.Take<double>());
    try {
        const double degrees = EditTextToAngle(QString::fromUtf8(bytes.Rest()));
        if (!std::isfinite(degrees))
            Finding("a text read as a non-finite angle");
        CheckAngleText(degrees);
    } catch (const EInputError&) {
    }
    return 0;
}
