#include "moonwindow/columnlayout.h"

#include <algorithm>

namespace {

// Starting widths of the form: column two never starts left of this, the text columns never
// end left of that, and the dated values are never narrower than the third.
constexpr int FirstColumn2 = 104;
constexpr int FirstRight = 384;
constexpr int MinColumnWidth4 = 150;
// Extra room of the wide values (tag 2), the lunation numbers and the moon picture.
constexpr int WideValueRoom = 80;
constexpr int LunationWidth = 47;
constexpr int MoonRoom = 80;
constexpr int Gap = 10;

int ProgramColumnWidth4 = MinColumnWidth4;

}  // namespace

TColumnLayout ArrangeColumns(QList<TArrangedLabel>& labels)
{
    int c2 = FirstColumn2;
    int right = FirstRight;
    for (const TArrangedLabel& item : labels)
        if (item.tag == 1)
            c2 = std::max(c2, item.left + item.width + Gap);
    for (TArrangedLabel& item : labels) {
        if (item.tag < 2 || item.tag > 4)
            continue;
        item.left = c2;
        if (item.tag == 2)
            right = std::max(right, c2 + item.width + Gap + WideValueRoom);
        else if (item.tag == 3)
            right = std::max(right, c2 + item.width + Gap);
        else
            ProgramColumnWidth4 = std::max(ProgramColumnWidth4, item.width);
    }
    const int c3 = c2 + ProgramColumnWidth4 + Gap;
    for (TArrangedLabel& item : labels)
        if (item.tag == 5) {
            item.left = c3;
            right = std::max(right, c3 + item.width + Gap + LunationWidth);
        }
    for (TArrangedLabel& item : labels)
        if (item.tag == 6)
            item.left = right - LunationWidth;
    return {c2, c3, right, right - MoonRoom};
}

int ColumnWidth4() { return ProgramColumnWidth4; }
