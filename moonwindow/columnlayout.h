#pragma once
// The column layout of the almanac windows: captions in column one, values in column two,
// the lunation rows in column three, each column as wide as its widest text.

#include <QList>

class TLabel;

// One label placed by the layout; left and width in pixels.
struct TArrangedLabel {
    TLabel* label;
    int tag;  // 1 caption, 2 wide value, 3 value, 4 dated value, 5 lunation caption, 6 lunation
    int left;
    int width;
};

// Where the layout put the right-hand pictures.
struct TColumnLayout {
    int column2;
    int column3;
    int right;     // right edge of the text columns
    int moonLeft;  // left edge of the 64-pixel moon picture
};

// Lays the labels out in place (their left fields) and updates the program-wide ColumnWidth4.
TColumnLayout ArrangeColumns(QList<TArrangedLabel>& labels);

// The width of the widest dated value (tag 4) of the moon window, at least 150 pixels; the
// More Data window lines its own columns up with it.
int ColumnWidth4();
