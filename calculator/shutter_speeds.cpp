#include "calculator/shutter_speeds.h"

#include "controls/errors.h"
#include "controls/list.h"
#include "controls/numbers.h"

#include <QCoreApplication>
#include <iterator>

QStringList ShutterSpeedNames()
{
    QStringList names;
    for (const TShutterSpeed& speed : ShutterSpeeds)
        names << WithDecimalSeparator(QCoreApplication::translate("ShutterSpeeds", speed.name));
    return names;
}

double ShutterSeconds(const TControl& control)
{
    const auto* list = dynamic_cast<const TList*>(&control);
    if (!list)
        throw EInputError(QStringLiteral("Sender is not an TComboBox!"));
    const int index = list->itemIndex();
    if (index < 0 || index >= int(std::size(ShutterSpeeds)))
        throw EInputError(QCoreApplication::translate("ShutterSpeeds", "Item index = %1").arg(index));
    return ShutterSpeeds[index].seconds;
}
