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
    ASSERT_NE(window.Locations(), nullptr);
    EXPECT_EQ(window.Locations()->size(), 2);
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

// The program-end scenario: the More Data window has loaded its copy at start, the user then
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

    window.SaveAndReleaseLocations();

    int index = -1;
    const TLocationList stored = Stored(settingsFile(), &index);
    ASSERT_EQ(stored.size(), 3);
    EXPECT_EQ(stored[2].Name, "Studio");
    // The window's selection (Home) is still the first entry of the file's list.
    EXPECT_EQ(index, 0);
    EXPECT_EQ(window.Locations(), nullptr);
}

TEST_F(MoreDataWindow, ProgramEndStoresTheLocationChosenHere)
{
    store({Place("Home", 48.2, -16.37), Place("Coast", 43.3, -5.4)}, 0);
    Tfrm_more& window = create();
    window.cbx_location.setItemIndex(1);
    window.SaveAndReleaseLocations();
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
    window.SaveAndReleaseLocations();
    int index = -1;
    const TLocationList stored = Stored(settingsFile(), &index);
    ASSERT_EQ(stored.size(), 2);
    EXPECT_EQ(stored[index].Name, "Alps");
}

TEST_F(MoreDataWindow, ReleasedCopyIsNotSavedTwice)
{
    store({Place("Home", 48.2, -16.37)}, 0);
    Tfrm_more& window = create();
    window.SaveAndReleaseLocations();
    store({Place("Home", 48.2, -16.37), Place("Coast", 43.3, -5.4)}, 1);
    window.SaveAndReleaseLocations();
    int index = -1;
    EXPECT_EQ(Stored(settingsFile(), &index).size(), 2);
    EXPECT_EQ(index, 1);
}

}  // namespace
