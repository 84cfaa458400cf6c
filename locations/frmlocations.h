#pragma once
// The location editor: edits a working copy of the program's places (TPlaceStore) and, on OK,
// saves it to the settings file with the selected entry as the current location.

#include "controls/button.h"
#include "controls/dialogs.h"
#include "controls/edit.h"
#include "controls/list.h"
#include "controls/window.h"
#include "locations/location.h"
#include "places/foundplaces.h"

#include <QCoreApplication>
#include <memory>

class TPlaceStore;

// Coordinates beyond these (degrees either way) name no place on Earth and are refused.
constexpr double MaxLongitude = 180;
constexpr double MaxLatitude = 90;

class Tfrm_locations final : public TWindow {
    Q_DECLARE_TR_FUNCTIONS(Tfrm_locations)

public:
    // Topic of the help document that F1 opens.
    static constexpr int HelpContext = 1013;

    // Edits the places of `store`, whose settings file every save writes.
    explicit Tfrm_locations(TPlaceStore& store);
    // Edits places of its own, read from `settingsFileName`.
    explicit Tfrm_locations(const QString& settingsFileName);
    ~Tfrm_locations() override;

    TPlaceStore& store() const { return FStore; }

    // Above the list: the place table searched as the user types, the matches in FoundPlaces.
    CONTROL(TLabel, lbl_find, QStringLiteral("Find a place:"));
    CONTROL(TEdit, edt_find);
    TFoundPlaces FoundPlaces;
    // Asks whether a place found fills the selected entry or becomes a new location.
    TQuestionDialog dlg_take;

    CONTROL(TList, lbx_location);
    CONTROL(TButton, btn_plus, tr("up"));
    CONTROL(TButton, btn_minus, tr("down"));
    CONTROL(TButton, btn_new, tr("Add"));
    CONTROL(TButton, btn_del, tr("Del"));
    CONTROL(TEdit, edt_name);
    CONTROL(TLabel, lbl_longitude, QStringLiteral("Longitude:"));
    CONTROL(TEdit, edt_longitude, QStringLiteral("    :  :  "));
    // Beside each coordinate field: which way its positive numbers count.
    CONTROL(TLabel, lbl_longitude_sense, QStringLiteral("+ west / - east"));
    CONTROL(TLabel, lbl_latitude, QStringLiteral("Latitude:"));
    CONTROL(TEdit, edt_latitude, QStringLiteral("   :  :  "));
    CONTROL(TLabel, lbl_latitude_sense, QStringLiteral("+ north / - south"));
    // Under the coordinates: the place of the table nearest to them, or why a paste was refused.
    CONTROL(TLabel, lbl_nearest);
    CONTROL(TLabel, lbl_altitude, QStringLiteral("Altitude:"));
    CONTROL(TEdit, edt_altitude, QStringLiteral("   0"));
    // The zone of the place's clock and days, an IANA id typed or picked from the system's;
    // beside it where a location has none of its own the nearest place's, as a suggestion.
    CONTROL(TLabel, lbl_timezone, QStringLiteral("Time zone:"));
    CONTROL(TEdit, edt_timezone);
    CONTROL(TLabel, lbl_timezone_note);
    // The platform's own words for OK and Cancel, as Qt's dialogs show them.
    CONTROL(TButton, btn_ok, QCoreApplication::translate("QPlatformTheme", "OK"));
    CONTROL(TButton, btn_cancel, QCoreApplication::translate("QPlatformTheme", "Cancel"));
    CONTROL(TButton, btn_import, tr("Import"));
    // Asks for a city file; no city-file format is read, so choosing one changes nothing.
    TCommonDialog dlg;

    void FormCreate();
    void FormShow() override;
    // Replaces the working copy with the stored list, read again from the file, and selects
    // the stored current index; unsaved edits are dropped.
    void ReloadLocations();
    void lbx_locationClick();
    void edtChange();
    void edt_longitudeEnter();
    void edt_longitudeExit();
    void btn_newClick();
    void btn_delClick();
    void btn_plusClick();
    void btn_minusClick();
    // Saves the list and the selection and hands them to the store, unless a field of the
    // selected entry is unreadable or out of range: then nothing is saved and an EInputError
    // names each such field.
    void btn_okClick();
    // Drops the unsaved edits at once, so that no window goes on with cancelled coordinates.
    void btn_cancelClick();
    void btn_importClick();
    // The matches of the search text; none for an empty one.
    void edt_findChange();
    // Takes the place of row `row` of FoundPlaces: its name, coordinates, elevation and zone
    // become a new location, or fill the selected entry if the user says so; the search is then
    // emptied. Nothing happens for a row beyond the list or when the user cancels.
    void TakeFoundPlace(int row);
    // Text pasted into `field` (edt_latitude or edt_longitude). Coordinates as maps give them
    // (places/pastedcoordinates.h) fill both fields, the longitude counted west as the editor
    // counts it, and the zone field suggests the zone there. A text the field reads itself ("+052:31:12") is left to the field: returns
    // false. Anything else marks the field and names the forms taken in lbl_nearest.
    bool PasteCoordinates(TEdit& field, const QString& text);

    // The selected entry of the working copy, with the edits taken so far; null when none.
    const TLocation* selected() const;

private:
    void bindHandlers();
    // Moves the selected entry and its line to `to` and selects it there.
    void moveSelected(int to);
    // The list box shows the names of FLocations and selects `index`.
    void showNames(int index);
    // The zone field and its note for the selected entry.
    void showZone(const TLocation* location);
    // lbl_nearest for the coordinates of `location`; empty for none.
    void showNearest(const TLocation* location);

    std::unique_ptr<TPlaceStore> FOwnStore;
    TPlaceStore& FStore;
    TLocationList FLocations;
    // True while the fields are filled from an entry and while a coordinate field has the focus.
    bool FUpdating = false;
};
