#include "places/namefolding.h"

namespace {

// The letters of Latin scripts whose stroke or ligature is part of the letter: Unicode gives
// them no decomposition, yet a reader without them on the keyboard types the plain letter.
struct TSpelling {
    char16_t Letter;
    const char* Plain;
};

constexpr TSpelling Spellings[] = {
    {u'ø', "o"}, {u'æ', "ae"}, {u'œ', "oe"},     {u'ß', "ss"},     {u'ł', "l"},      {u'đ', "d"},
    {u'ð', "d"}, {u'þ', "th"}, {u'ħ', "h"},      {u'ŧ', "t"},      {u'ı', "i"},      {u'ŀ', "l"},
    {u'ŉ', "n"}, {u'ĸ', "q"},  {u'\u2019', "'"}, {u'\u2018', "'"}, {u'\u02bc', "'"},
};

const char* PlainSpelling(char16_t letter)
{
    for (const TSpelling& spelling : Spellings) {
        if (spelling.Letter == letter) {
            return spelling.Plain;
        }
    }
    return nullptr;
}

bool IsAscii(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            return false;
        }
    }
    return true;
}

// Appends `c` unless it is white space following white space (or starting the text).
void Append(QString& out, QChar c)
{
    if (c.isSpace()) {
        if (!out.isEmpty() && out.back() != u' ') {
            out.append(u' ');
        }
        return;
    }
    out.append(c);
}

}  // namespace

QString FoldedName(QStringView text)
{
    QString out;
    out.reserve(text.size());
    // Nearly every name in the table is plain ASCII; sparing those the normalisation keeps
    // loading the table quick.
    if (IsAscii(text)) {
        for (QChar c : text) {
            const char16_t u = c.unicode();
            Append(out, QChar(u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u));
        }
    } else {
        const QString decomposed = text.toString().toCaseFolded().normalized(QString::NormalizationForm_KD);
        for (QChar c : decomposed) {
            if (c.isMark()) {
                continue;
            }
            if (const char* plain = PlainSpelling(c.unicode())) {
                out.append(QLatin1StringView(plain));
                continue;
            }
            Append(out, c);
        }
        // Case folding before the decomposition can leave capitals that the decomposition
        // produced from compatibility forms (a circled or full-width letter).
        out = out.toCaseFolded();
    }
    if (!out.isEmpty() && out.back() == u' ') {
        out.chop(1);
    }
    return out;
}
