#include "calculator/shutter_speeds.h"

#include "controls/errors.h"
#include "controls/list.h"
#include "controls/numbers.h"

#include <iterator>

QStringList ShutterSpeedNames() { return PresetNames(ShutterSpeeds); }

double ShutterSeconds(const TControl& control)
{
    const auto* list = dynamic_cast<const TList*>(&control);
    if (!list)
        throw EInputError(QStringLiteral("Sender is not an TComboBox!"));
    const int index = list->itemIndex();
    if (index < 0 || index >= int(std::size(ShutterSpeeds)))
        throw EInputError(QStringLiteral("Item index = %1").arg(index));
    return ShutterSpeeds[index].seconds;
}
