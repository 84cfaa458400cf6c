#pragma once
// The location editor: keeps the list of observer locations in the settings file and marks one
// of them as current. Its selected entry is the current location of the whole program.

#include "controls/button.h"
#include "controls/dialogs.h"
#include "controls/edit.h"
#include "controls/list.h"
#include "controls/window.h"
#include "locations/location.h"

// Background of a field whose text cannot be read or lies out of range and is therefore not
// taken.
inline const QColor clUnreadable = QColor(255, 150, 150);

// Coordinates beyond these (degrees either way) name no place on Earth and are refused.
constexpr double MaxLongitude = 180;
constexpr double MaxLatitude = 90;

class Tfrm_locations final : public TWindow {
public:
    // Topic of the help document that F1 opens.
    static constexpr int HelpContext = 1013;

    // Loads the list from `settingsFileName`, which every later load and save uses as well.
    explicit Tfrm_locations(const QString& settingsFileName);

    CONTROL(TList, lbx_location);
    CONTROL(TButton, btn_plus, QStringLiteral("up"));
    CONTROL(TButton, btn_minus, QStringLiteral("down"));
    CONTROL(TButton, btn_new, QStringLiteral("Add"));
    CONTROL(TButton, btn_del, QStringLiteral("Del"));
    CONTROL(TEdit, edt_name);
    CONTROL(TLabel, lbl_longitude, QStringLiteral("Longitude:"));
    CONTROL(TEdit, edt_longitude, QStringLiteral("    :  :  "));
    // Beside each coordinate field: which way its positive numbers count.
    CONTROL(TLabel, lbl_longitude_sense, QStringLiteral("+ west / - east"));
    CONTROL(TLabel, lbl_latitude, QStringLiteral("Latitude:"));
    CONTROL(TEdit, edt_latitude, QStringLiteral("   :  :  "));
    CONTROL(TLabel, lbl_latitude_sense, QStringLiteral("+ north / - south"));
    CONTROL(TLabel, lbl_altitude, QStringLiteral("Altitude:"));
    CONTROL(TEdit, edt_altitude, QStringLiteral("   0"));
    // The zone of the place's clock and days, an IANA id typed or picked from the system's;
    // beside it where a location has none of its own the nearest place's, as a suggestion.
    CONTROL(TLabel, lbl_timezone, QStringLiteral("Time zone:"));
    CONTROL(TEdit, edt_timezone);
    CONTROL(TLabel, lbl_timezone_note);
    CONTROL(TButton, btn_ok, QStringLiteral("OK"));
    CONTROL(TButton, btn_cancel, QStringLiteral("Cancel"));
    CONTROL(TButton, btn_import, QStringLiteral("Import"));
    // Asks for a city file; no city-file format is read, so choosing one changes nothing.
    TCommonDialog dlg;

    // Coordinates of the selected entry in degrees (longitude positive west, latitude positive
    // north); 0 when nothing is selected.
    double CurrentLongitude() const;
    double CurrentLatitude() const;
    // Whether an entry is selected: without one there is no place to compute for.
    bool HasCurrent() const { return selected() != nullptr; }

    void FormCreate();
    void FormShow() override;
    // Replaces the working copy with the stored list and selects the stored current index;
    // unsaved edits are dropped.
    void ReloadLocations();
    // Makes the stored location at `index` the current one, as a pick in the More Data window
    // does: reloads the stored list, selects the entry and stores the index. Throws EUserError
    // "Unable to write to <file>".
    void ChooseStoredLocation(int index);
    void lbx_locationClick();
    void edtChange();
    void edt_longitudeEnter();
    void edt_longitudeExit();
    void btn_newClick();
    void btn_delClick();
    void btn_plusClick();
    void btn_minusClick();
    // Saves the list and the selection, unless a field of the selected entry is unreadable or
    // out of range: then nothing is saved and an EInputError names each such field.
    void btn_okClick();
    // Drops the unsaved edits at once, so that no window goes on with cancelled coordinates.
    void btn_cancelClick();
    void btn_importClick();

private:
    const TLocation* selected() const;
    // Moves the selected entry and its line to `to` and selects it there.
    void moveSelected(int to);
    // The list box shows the names of FLocations and selects `index`.
    void showNames(int index);
    // The zone field and its note for the selected entry.
    void showZone(const TLocation* location);

    const QString FSettingsFileName;
    TLocationList FLocations;
    // True while the fields are filled from an entry and while a coordinate field has the focus.
    bool FUpdating = false;
};
