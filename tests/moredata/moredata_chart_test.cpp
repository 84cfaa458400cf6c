// More Data's "Planner...": the planner opens on the window's day and place and follows them
// while it is open.

#include "planner/frmplanner.h"
#include "tests/moredata/moredata_test_support.h"

namespace {

class SkyChartButton : public MoreDataWindow {
protected:
    Tfrm_more& createWithPlanner(const TLocationList& places)
    {
        store(places);
        Tfrm_more& window = create();
        window.ConnectPlanner(&planner);
        return window;
    }

    Tfrm_planner planner;
};

TEST_F(SkyChartButton, OpensThePlannerOnTheShownDayAndFollowsAPickedDayAndPlace)
{
    TLocation berlin = Place("Berlin", 52.52, -13.405);
    berlin.TimeZone = QStringLiteral("Europe/Berlin");
    TLocation sydney = Place("Sydney", -33.8688, -151.2093);
    sydney.TimeZone = QStringLiteral("Australia/Sydney");
    Tfrm_more& window = createWithPlanner({berlin, sydney});
    EXPECT_TRUE(window.btn_chart.enabled());
    EXPECT_FALSE(planner.visible());

    window.btn_chart.click();
    ASSERT_TRUE(planner.visible());
    EXPECT_DOUBLE_EQ(planner.sky().Day.Number, At(2024, 3, 20));
    EXPECT_NEAR(planner.sky().Latitude, 52.52, 1e-3);
    EXPECT_TRUE(planner.lbl_title.text().startsWith(QStringLiteral("Berlin, ")));

    window.dtp_day.setDate(QDate(2024, 6, 21));
    EXPECT_DOUBLE_EQ(planner.sky().Day.Number, At(2024, 6, 21));
    EXPECT_EQ(planner.month().Month, 6);
    EXPECT_EQ(planner.monthTable().chosenRow(), 20);
    window.cbx_location.setItemIndex(1);
    EXPECT_NEAR(planner.sky().Latitude, -33.8688, 1e-3);
    // Sydney's day, from its own midnight: ten hours ahead of universal time in June.
    EXPECT_NEAR(planner.sky().Day.Start, At(2024, 6, 20, 14), 1e-9);

    // A closed planner no longer follows.
    planner.Hide();
    window.dtp_day.setDate(QDate(2024, 7, 1));
    EXPECT_DOUBLE_EQ(planner.sky().Day.Number, At(2024, 6, 21));
}

TEST_F(SkyChartButton, WithoutAPlaceThereIsNoChart)
{
    Tfrm_more& window = createWithPlanner({});
    EXPECT_FALSE(window.btn_chart.enabled());
    window.btn_chartClick();
    EXPECT_FALSE(planner.visible());
}

}  // namespace
