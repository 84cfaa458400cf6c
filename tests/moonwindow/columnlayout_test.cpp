#include "moonwindow/columnlayout.h"

#include "controls/edit.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(ColumnLayout, EnglishWidthsGiveTheFormsColumns)
{
    TLabel caption, wide, value, dated, lunationCaption, lunation;
    QList<TArrangedLabel> labels = {
        {&caption, 1, 8, 86}, {&wide, 2, 0, 100},           {&value, 3, 0, 120},
        {&dated, 4, 0, 140},  {&lunationCaption, 5, 0, 45}, {&lunation, 6, 0, 30},
    };
    const TColumnLayout layout = ArrangeColumns(labels);
    EXPECT_EQ(layout.column2, 104);
    EXPECT_EQ(layout.column3, 104 + ColumnWidth4() + 10);
    EXPECT_EQ(labels[1].left, 104);
    EXPECT_EQ(labels[3].left, 104);
    EXPECT_EQ(labels[4].left, layout.column3);
    EXPECT_EQ(labels[5].left, layout.right - 47);
    EXPECT_EQ(layout.moonLeft, layout.right - 80);
    if (ColumnWidth4() == 150) {
        EXPECT_EQ(layout.column3, 264);
        EXPECT_EQ(labels[5].left, 337);
        EXPECT_EQ(layout.moonLeft, 304);
    }
}

TEST(ColumnLayout, LongCaptionsAndValuesPushTheColumnsRight)
{
    TLabel caption, wide, dated, lunationCaption, lunation;
    QList<TArrangedLabel> labels = {
        {&caption, 1, 8, 200},        {&wide, 2, 0, 300},    {&dated, 4, 0, 400},
        {&lunationCaption, 5, 0, 60}, {&lunation, 6, 0, 30},
    };
    const TColumnLayout layout = ArrangeColumns(labels);
    EXPECT_EQ(layout.column2, 218);
    EXPECT_EQ(ColumnWidth4(), 400);
    EXPECT_EQ(layout.column3, 218 + 400 + 10);
    EXPECT_EQ(layout.right, std::max(218 + 300 + 10 + 80, layout.column3 + 60 + 10 + 47));
    EXPECT_EQ(labels[4].left, layout.right - 47);
}

}  // namespace
