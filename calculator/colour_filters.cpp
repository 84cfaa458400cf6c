#include "calculator/colour_filters.h"

#include <QCoreApplication>

QStringList ColourTemperatureNames(std::span<const TColourTemperature> presets)
{
    QStringList names;
    for (const TColourTemperature& preset : presets)
        names << QCoreApplication::translate("ColourFilters", preset.name);
    return names;
}

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ColourFilters)
};

void addFilter(TFilterChoice& choice, const TColourFilter& filter)
{
    if (!choice.filters.isEmpty())
        choice.filters += u'+';
    choice.filters += QString::fromUtf8(filter.text);
    choice.stops += filter.stops;
    ++choice.count;
}

}  // namespace

// One pass tries every filter once, strongest first, against the shift as it stands at that
// moment; passes repeat while a shift of seven mireds or more remains, so a large shift can take
// the same filter twice.
TFilterChoice FiltersForShift(int miredShift)
{
    TFilterChoice choice;
    int shift = miredShift;
    if (shift < 0) {
        do {
            for (const TColourFilter& filter : BlueFilters) {
                if (shift < filter.threshold) {
                    addFilter(choice, filter);
                    shift += filter.mireds;
                }
            }
        } while (shift <= -7);
        choice.filters += Text::tr("(bluish)");
    } else {
        if (shift > 0) {
            do {
                for (const TColourFilter& filter : AmberFilters) {
                    if (shift > filter.threshold) {
                        addFilter(choice, filter);
                        shift -= filter.mireds;
                    }
                }
            } while (shift >= 7);
        }
        choice.filters += Text::tr("(yellowish)");
    }
    return choice;
}
