// The number conventions in the three locales: any text reads as a number or raises the
// conversion error; what is written reads back; any double is written readably.

#include "controls/errors.h"
#include "controls/numbers.h"
#include "fuzz_support.h"

#include <QLocale>

#include <clocale>
#include <cmath>

namespace {

void CheckFloatText(double x)
{
    if (!std::isfinite(x))
        return;
    const QString text = FloatToStr(x);
    double back = 0;
    try {
        back = StrToFloat(text);
    } catch (const EInputError&) {
        Finding("FloatToStr wrote what StrToFloat rejects: " + text.toStdString());
    }
    if (FloatToStr(back) != text)
        Finding("FloatToStr of its own reading differs: " + text.toStdString());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    static const char* const locales[] = {"C.UTF-8", "de_DE.UTF-8", "th_TH.UTF-8"};
    TFuzzBytes bytes(data, size);
    const unsigned choice = bytes.Take<quint8>();
    const double raw = bytes.Take<double>();
    const int decimals = bytes.Take<qint8>();
    const QString text = QString::fromUtf8(bytes.Rest());

    const char* locale = locales[choice % 3];
    std::setlocale(LC_ALL, locale);
    QLocale::setDefault(QLocale(QString::fromLatin1(locale).section(u'.', 0, 0)));

    try {
        CheckFloatText(StrToFloat(text));
    } catch (const EInputError&) {
    }
    try {
        const int value = StrToInt(text);
        if (StrToInt(QString::number(value)) != value)
            Finding("a whole number did not read back");
    } catch (const EInputError&) {
    }
    CheckFloatText(raw);
    try {
        CheckFloatText(RoundTo(raw, decimals));
    } catch (const EMathError&) {
    }
    return 0;
}
