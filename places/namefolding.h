#pragma once
// The form in which place names are compared: a query typed without accents or capitals finds
// the place as the table spells it ("tromso" and "TROMSØ" find "Tromsø").

#include <QString>
#include <QStringView>

#include <string>
#include <unordered_map>

// `text` case-folded, decomposed (compatibility decomposition, so ligatures and full-width
// letters fold too) and stripped of combining marks. Letters that carry their mark inside
// and so do not decompose are spelt out: ø o, æ ae, œ oe, ß ss, ł l, đ and ð d, þ th, ħ h,
// ŧ t, dotless ı i; the typographic apostrophe becomes "'". Leading and trailing white space
// is dropped and inner runs become one space.
QString FoldedName(QStringView text);

// Folds many names, as FoldedName does, into one string: a table of names repeats few letters
// beyond ASCII, and each is decomposed once.
class TNameFolder {
public:
    // Appends FoldedName(text) to `out`; `text` must not lie in `out`.
    void Append(QString& out, QStringView text);

private:
    const std::u16string& Letters(QChar letter);

    std::unordered_map<char16_t, std::u16string> FKnown;
    std::u16string FLetters;
};
