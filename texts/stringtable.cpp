#include "texts/stringtable.h"

#include "resources/strings/stringtable_data.h"

#include <QRegularExpression>
#include <algorithm>
#include <iterator>

namespace {

const TStringTableEntry* Find(int id)
{
    const auto* found = std::lower_bound(std::begin(StringTable), std::end(StringTable), id,
                                         [](const TStringTableEntry& entry, int wanted) { return entry.id < wanted; });
    return found != std::end(StringTable) && found->id == id ? found : nullptr;
}

}  // namespace

QString LocalString(int id, QLocale::Language language)
{
    const TStringTableEntry* entry = Find(id);
    if (!entry)
        return {};
    const char* text = entry->english;
    if (language == QLocale::German)
        text = entry->german;
    else if (language == QLocale::Thai)
        text = entry->thai;
    return QString::fromUtf8(text);
}

QString LocalString(int id) { return LocalString(id, QLocale().language()); }

QString WithoutAccelerator(const QString& caption)
{
    static const QRegularExpression Trailing(QStringLiteral("\\s*\\(&\\w\\)"));
    return QString(caption).remove(Trailing).remove(u'&');
}
