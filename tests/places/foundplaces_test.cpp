// The location editor's search model given the table as a source it asks for at the first search.

#include "places/foundplaces.h"
#include "places/placetable.h"

#include <gtest/gtest.h>

namespace {

int TableReads = 0;

const TPlaceTable& CountedTable()
{
    static const TPlaceTable table("[countries]\nNO\tNorway\n[zones]\nEurope/Oslo\n[places]\n"
                                   "Tromsø\tTromso\tNO\t54\t69.6489\t18.9551\t0\t64448\t0\n"
                                   "Oslo\t\tNO\t12\t59.9127\t10.7461\t23\t580000\t0\n");
    ++TableReads;
    return table;
}

TEST(FoundPlacesFromASource, AsksForTheTableOnceAtTheFirstSearch)
{
    TableReads = 0;
    TFoundPlaces found(&CountedTable);
    EXPECT_EQ(found.rowCount(), 0);
    found.setQuery(QString());
    EXPECT_EQ(TableReads, 0) << "an empty search needs no table";
    found.setQuery(QStringLiteral("tromso"));
    found.setQuery(QStringLiteral("oslo"));
    EXPECT_EQ(TableReads, 1);
}

TEST(FoundPlacesFromASource, ShowsThePlacesOfTheTableItWasGiven)
{
    TFoundPlaces found(&CountedTable);
    found.setQuery(QStringLiteral("tromso"));
    ASSERT_EQ(found.rowCount(), 1);
    EXPECT_EQ(found.data(found.index(0, 0)).toString(), QStringLiteral("Tromsø, 54, Norway · Europe/Oslo"));
    EXPECT_EQ(found.placeAt(0), CountedTable().Find(QStringLiteral("tromso"), 1).value(0));
}

}  // namespace
