#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "locations/location.h"
#include "moredata/frmmore.h"
#include "moredata/frmmoreview.h"
#include "tests/shown_text.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

class MoreDataView : public testing::Test {
protected:
    MoreDataView()
    {
        TLocation home;
        home.Name = "Home";
        home.Latitude = 48.2;
        home.Longitude = -16.37;
        TLocation coast;
        coast.Name = "Coast";
        coast.Latitude = -33.87;
        coast.Longitude = -151.2;
        const TLocationList places{home, coast};
        SaveLocations(folder.filePath("shutterly.ini"), &places, 0);
        form = std::make_unique<Tfrm_more>(calculator, clock, folder.filePath("shutterly.ini"));
        view = std::make_unique<FrmMoreView>(*form);
    }

    template <typename W>
    W* child(const char* name) const
    {
        return view->findChild<W*>(QString::fromLatin1(name));
    }

    QTemporaryDir folder;
    // 2024-03-20 12:00, local time = universal time.
    TFixedClock clock{double(QDate(1899, 12, 30).daysTo(QDate(2024, 3, 20))) + 0.5, 0};
    TFrmMain calculator{clock};
    std::unique_ptr<Tfrm_more> form;
    std::unique_ptr<FrmMoreView> view;
};

TEST_F(MoreDataView, EveryControlIsBound)
{
    for (const char* name :
         {"lbl_location", "cbx_location", "lbl_latitude", "val_latitude", "lbl_longitude", "val_longitude",
          "lbl_spring", "val_spring", "lbl_summer", "val_summer", "lbl_autumn", "val_autumn", "lbl_winter",
          "val_winter", "lbl_sunrise", "val_sunrise", "lbl_suntransit", "val_suntransit", "lbl_sunset",
          "val_sunset", "lbl_perihel", "val_perihel", "lbl_aphel", "val_aphel", "lbl_suneclipse",
          "val_suneclipse", "typ_suneclipse", "lbl_easter", "val_easter", "lbl_pesach", "val_pesach",
          "lbl_chinese", "val_chinese", "lbl_moonrise", "val_moonrise", "lbl_moontransit", "val_moontransit",
          "lbl_moonset", "val_moonset", "lbl_perigee", "val_perigee", "lbl_apogee", "val_apogee",
          "lbl_mooneclipse", "val_mooneclipse", "typ_mooneclipse", "Label1", "lblTimeBias"})
        EXPECT_NE(child<QWidget>(name), nullptr) << name;
    QTimer* timer = child<QTimer>("Timer");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 65535);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(MoreDataView, StartsHiddenWithTheLocationsListed)
{
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(view->windowTitle(), Shown("More Data"));
    QComboBox* locations = child<QComboBox>("cbx_location");
    ASSERT_EQ(locations->count(), 2);
    EXPECT_EQ(locations->currentText(), "Home");
    EXPECT_EQ(child<QLabel>("typ_suneclipse")->text(), Shown("Total"));
    EXPECT_EQ(child<QLabel>("lbl_spring")->toolTip(), Shown("Begin of spring"));
}

TEST_F(MoreDataView, PickingALocationRecomputes)
{
    QComboBox* locations = child<QComboBox>("cbx_location");
    locations->setCurrentIndex(1);
    emit locations->activated(1);
    EXPECT_EQ(form->cbx_location.itemIndex(), 1);
    EXPECT_TRUE(child<QLabel>("val_longitude")->text().endsWith(Shown("East")));
    EXPECT_EQ(child<QLabel>("lbl_spring")->toolTip(), Shown("Begin of autumn"));
}

// Closed with the close box or Escape, the window must open again from the moon window's menu.
TEST_F(MoreDataView, ClosedWindowCanBeShownAgain)
{
    form->Show();
    ASSERT_TRUE(view->isVisible());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(view.get(), &escape);
    EXPECT_FALSE(view->isVisible());
    EXPECT_FALSE(form->visible());
    form->Show();
    EXPECT_TRUE(view->isVisible());
    view->close();
    EXPECT_FALSE(form->visible());
    form->Show();
    EXPECT_TRUE(view->isVisible());
    form->Hide();
}

}  // namespace
