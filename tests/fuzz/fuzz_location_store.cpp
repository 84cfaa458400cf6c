// The location store: any file loads; the loaded list saves (or is refused with the store's
// message) and then loads back exactly, with its index brought into the list.

#include "controls/errors.h"
#include "fuzz_support.h"
#include "locations/location.h"

#include <QFile>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QString path = FuzzFolder().filePath(QStringLiteral("shutterly.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            Finding("cannot prepare the file");
    }
    TLocationList list;
    int index = 0;
    LoadLocations(path, list, index);
    ReadMoonOptions(path);

    try {
        SaveLocations(path, &list, index);
    } catch (const EUserError& error) {
        // Only a place stored out of range by hand may be refused.
        if (!error.message().contains(QStringLiteral("must lie between")))
            Finding("save failed: " + error.message().toStdString());
        return 0;
    }
    // A carriage return inside a hand-written name is stored as a blank, like every line break
    // in a value.
    for (TLocation& location : list)
        location.Name = location.Name.replace(u'\r', u' ').trimmed();
    // While places are stored, the stored index names one of them.
    if (!list.isEmpty())
        index = std::clamp(index, 0, int(list.size()) - 1);
    TLocationList back;
    int backIndex = -1;
    LoadLocations(path, back, backIndex);
    if (back != list || backIndex != index)
        Finding("the saved list did not load back as it was");
    return 0;
}
