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

bool HasSurrogates(QStringView text)
{
    for (QChar c : text) {
        if (c.isSurrogate()) {
            return true;
        }
    }
    return false;
}

// QChar::isSpace() with the answer for ASCII at hand.
bool IsSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x80 ? u == u' ' || (u >= u'\t' && u <= u'\r') : c.isSpace();
}

// `text` case-folded, decomposed, without marks and spelt out, each white space a space, not yet
// joined.
QString FoldedLetters(QStringView text)
{
    const QString decomposed = text.toString().toCaseFolded().normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.isMark()) {
            continue;
        }
        if (const char* plain = PlainSpelling(c.unicode())) {
            out.append(QLatin1StringView(plain));
            continue;
        }
        out.append(c.isSpace() ? QChar(u' ') : c);
    }
    // Case folding before the decomposition can leave capitals that the decomposition
    // produced from compatibility forms (a circled or full-width letter).
    return out.toCaseFolded();
}

// Appends `letters` with ASCII capitals lowered and white space joined into single spaces
// between words. Nearly every name in the table is plain ASCII, and needs nothing more.
void AppendJoined(QString& out, QStringView letters)
{
    const qsizetype start = out.size();
    out.resize(start + letters.size());  // joining never lengthens the text
    QChar* const first = out.data() + start;
    QChar* end = first;
    bool spaceDue = false;
    for (QChar c : letters) {
        if (IsSpace(c)) {
            spaceDue = end != first;
            continue;
        }
        if (spaceDue) {
            *end++ = u' ';
            spaceDue = false;
        }
        const char16_t u = c.unicode();
        *end++ = QChar(u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u);
    }
    out.truncate(start + (end - first));
}

}  // namespace

QString FoldedName(QStringView text)
{
    QString out;
    AppendJoined(out, IsAscii(text) ? text : QStringView(FoldedLetters(text)));
    return out;
}

void TNameFolder::Append(QString& out, QStringView text)
{
    if (IsAscii(text)) {
        AppendJoined(out, text);
        return;
    }
    // Folding letter by letter folds the whole name alike, as the decomposition and the folding
    // of case work on each letter alone and the marks, the only letters the decomposition
    // reorders, are dropped. A surrogate pair, though, is one letter in two halves.
    if (HasSurrogates(text)) {
        AppendJoined(out, FoldedLetters(text));
        return;
    }
    FLetters.clear();
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            FLetters.push_back(c.unicode());
        } else {
            FLetters.append(Letters(c));
        }
    }
    AppendJoined(out, FLetters);
}

const std::u16string& TNameFolder::Letters(QChar letter)
{
    const auto [known, added] = FKnown.try_emplace(letter.unicode());
    if (added) {
        known->second = FoldedLetters(QStringView(&letter, 1)).toStdU16String();
    }
    return known->second;
}
