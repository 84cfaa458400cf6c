#include "tests/moredata/moredata_test_support.h"
#include "tests/shown_text.h"
#include "tests/test_printers.h"

#include "locations/frmlocations.h"

namespace {

TLocationList Stored(const QString& file, int* index = nullptr)
{
    TLocationList list;
    int storedIndex = 0;
    LoadLocations(file, list, storedIndex);
    if (index)
        *index = storedIndex;
    return list;
}

TEST_F(MoreDataWindow, ShowingAgainListsEveryLocationOnce)
{
    store({Place("Home", 48.2, -16.37), Place("Coast", 43.3, -5.4)}, 1);
    Tfrm_more& window = create();
    window.Show();
    window.Hide();
    window.Show();
    EXPECT_EQ(window.cbx_location.items(), QStringList({"Home", "Coast"}));
    EXPECT_EQ(window.cbx_location.itemIndex(), 1);
    EXPECT_EQ(window.Locations().size(), 2);
}

TEST_F(MoreDataWindow, ShowingReloadsWhatTheEditorSaved)
{
    store({Place("Home", 48.2, -16.37)});
    Tfrm_more& window = create();
    store({Place("Home", 48.2, -16.37), Place("Alps", 47.0, -11.0)}, 1);
    window.Show();
    EXPECT_EQ(window.cbx_location.items(), QStringList({"Home", "Alps"}));
    EXPECT_EQ(window.val_latitude.text(), Shown(QString::fromUtf8("47° 0' 0'' North")));
}

// One store for the editor and the window, as in the program: what the editor saves is in the
// window's list at once, and a pick in the window is the editor's current entry when it opens.
TEST_F(MoreDataWindow, SharesItsPlacesWithTheEditor)
{
    store({Place("Home", 48.2, -16.37), Place("Coast", 43.3, -5.4)}, 0);
    TPlaceStore places(settingsFile());
    Tfrm_more window(calculator, clock, places);
    Tfrm_locations editor(places);
    editor.Show();
    editor.btn_newClick();
    editor.edt_name.setText("Studio");
    editor.btn_okClick();
    editor.Hide();
    EXPECT_EQ(window.cbx_location.items(), QStringList({"Home", "Coast", "Studio"}));
    EXPECT_EQ(window.cbx_location.itemIndex(), 2);
    EXPECT_EQ(window.SelectedLocation()->Name, "Studio");

    window.cbx_location.setItemIndex(1);
    EXPECT_EQ(places.current()->Name, "Coast");
    int index = -1;
    Stored(settingsFile(), &index);
    EXPECT_EQ(index, 1);
    editor.Show();
    EXPECT_EQ(editor.edt_name.text(), "Coast");
}

// A window with places of its own, as a second copy of the program would have: it loaded its
// copy at start, the user then
// adds a location in the editor and saves; closing the program must not drop it.
TEST_F(MoreDataWindow, LocationSavedByTheEditorAfterTheCopySurvivesProgramEnd)
{
    store({Place("Home", 48.2, -16.37), Place("Coast", 43.3, -5.4)}, 0);
    Tfrm_more& window = create();
    Tfrm_locations editor(settingsFile());
    editor.btn_newClick();
    editor.edt_name.setText("Studio");
    editor.btn_okClick();
    ASSERT_EQ(Stored(settingsFile()).size(), 3);

    window.SaveCurrentLocation();

    int index = -1;
    const TLocationList stored = Stored(settingsFile(), &index);
    ASSERT_EQ(stored.size(), 3);
    EXPECT_EQ(stored[2].Name, "Studio");
    // The window's selection (Home) is still the first entry of the file's list.
    EXPECT_EQ(index, 0);
}

TEST_F(MoreDataWindow, ProgramEndStoresTheLocationChosenHere)
{
    store({Place("Home", 48.2, -16.37), Place("Coast", 43.3, -5.4)}, 0);
    Tfrm_more& window = create();
    window.cbx_location.setItemIndex(1);
    window.SaveCurrentLocation();
    int index = -1;
    EXPECT_EQ(Stored(settingsFile(), &index).size(), 2);
    EXPECT_EQ(index, 1);
}

TEST_F(MoreDataWindow, ProgramEndFindsTheChosenLocationAfterTheEditorReorderedTheList)
{
    store({Place("Home", 48.2, -16.37), Place("Coast", 43.3, -5.4), Place("Alps", 47.0, -11.0)}, 0);
    Tfrm_more& window = create();
    window.cbx_location.setItemIndex(2);
    store({Place("Alps", 47.0, -11.0), Place("Home", 48.2, -16.37)}, 1);
    window.SaveCurrentLocation();
    int index = -1;
    const TLocationList stored = Stored(settingsFile(), &index);
    ASSERT_EQ(stored.size(), 2);
    EXPECT_EQ(stored[index].Name, "Alps");
}

// The place current here is no longer in the file another copy of the program wrote: the
// file's own choice stays.
TEST_F(MoreDataWindow, ProgramEndKeepsTheFilesIndexWhenTheCurrentPlaceIsGone)
{
    store({Place("Home", 48.2, -16.37)}, 0);
    Tfrm_more& window = create();
    store({Place("Alps", 47.0, -11.0), Place("Coast", 43.3, -5.4)}, 1);
    window.SaveCurrentLocation();
    int index = -1;
    EXPECT_EQ(Stored(settingsFile(), &index).size(), 2);
    EXPECT_EQ(index, 1);
}

}  // namespace
