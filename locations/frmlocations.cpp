#include "locations/frmlocations.h"

#include "controls/errors.h"
#include "controls/numbers.h"
#include "locations/coordinatetext.h"
#include "moonwindow/stringtable.h"

#include <QScopedValueRollback>

namespace {

// Takes the angle of a coordinate field into `degrees`. An unreadable text is not taken, and
// the field says so until it reads again.
void takeAngle(TEdit& field, double& degrees)
{
    try {
        degrees = EditTextToAngle(field.text());
        field.setColor(QColor());
    } catch (const EInputError&) {
        field.setColor(clUnreadable);
    }
}

}  // namespace

Tfrm_locations::Tfrm_locations(const QString& settingsFileName)
    : TWindow(QStringLiteral("Locations")), FSettingsFileName(settingsFileName)
{
    btn_import.setVisible(false);

    lbx_location.onChange = [this] { lbx_locationClick(); };
    edt_name.onChange = [this] { edtChange(); };
    edt_longitude.onChange = [this] { edtChange(); };
    edt_latitude.onChange = [this] { edtChange(); };
    edt_altitude.onChange = [this] { edtChange(); };
    edt_longitude.onEnter = [this] { edt_longitudeEnter(); };
    edt_latitude.onEnter = [this] { edt_longitudeEnter(); };
    edt_longitude.onExit = [this] { edt_longitudeExit(); };
    edt_latitude.onExit = [this] { edt_longitudeExit(); };
    btn_new.onClick = [this] { btn_newClick(); };
    btn_del.onClick = [this] { btn_delClick(); };
    btn_plus.onClick = [this] { btn_plusClick(); };
    btn_minus.onClick = [this] { btn_minusClick(); };
    btn_ok.onClick = [this] { btn_okClick(); };
    btn_cancel.onClick = [this] { setModalResult(TModalResult::Cancel); };
    btn_import.onClick = [this] { btn_importClick(); };

    FormCreate();
}

void Tfrm_locations::FormCreate()
{
    setCaption(LocalString(42059));
    btn_plus.setHint(LocalString(42061));
    btn_minus.setHint(LocalString(42062));
    btn_new.setHint(LocalString(42063));
    btn_del.setHint(LocalString(42064));
    lbl_longitude.setText(LocalString(42032));
    lbl_latitude.setText(LocalString(42031));
    lbl_altitude.setText(LocalString(42058));
    edt_latitude.setHint(LocalString(42081) + QStringLiteral("\neg. +34:54:00"));
    edt_longitude.setHint(LocalString(42082) +
                          QStringLiteral("\neg. +032:26:00 ie. don't forget + or -, and degrees must have 3 "
                                         "integers, including preceding zeros if needed"));
    edt_altitude.setHint(LocalString(42083));
    // Showing loads the list.
    Show();
    Hide();
}

void Tfrm_locations::FormShow()
{
    FLocations.clear();
    int index = 0;
    LoadLocations(FSettingsFileName, FLocations, index);
    showNames(index);
    lbx_locationClick();
}

void Tfrm_locations::showNames(int index)
{
    QStringList names;
    for (const TLocation& location : std::as_const(FLocations))
        names.append(location.Name);
    lbx_location.setItems(names);
    lbx_location.assignItemIndex(index);
}

const TLocation* Tfrm_locations::selected() const
{
    const int index = lbx_location.itemIndex();
    return index >= 0 && index < FLocations.size() ? &FLocations[index] : nullptr;
}

double Tfrm_locations::CurrentLongitude() const { return selected() ? selected()->Longitude : 0; }

double Tfrm_locations::CurrentLatitude() const { return selected() ? selected()->Latitude : 0; }

void Tfrm_locations::lbx_locationClick()
{
    const TLocation* location = selected();
    if (location) {
        QScopedValueRollback<bool> updating(FUpdating, true);
        edt_name.setText(location->Name);
        edt_longitude.setText(AngleToEditText(location->Longitude));
        edt_latitude.setText(AngleToEditText(location->Latitude));
        edt_altitude.setText(QString::number(location->Elevation));
    }
    // The fields now show what the selected entry holds (or nothing that could be taken).
    edt_longitude.setColor(QColor());
    edt_latitude.setColor(QColor());
    const bool any = location != nullptr;
    edt_name.setEnabled(any);
    edt_longitude.setEnabled(any);
    edt_latitude.setEnabled(any);
    edt_altitude.setEnabled(any);
    btn_plus.setEnabled(any);
    btn_minus.setEnabled(any && lbx_location.itemIndex() < FLocations.size() - 1);
}

void Tfrm_locations::edtChange()
{
    const int index = lbx_location.itemIndex();
    if (FUpdating || !selected())
        return;
    TLocation& location = FLocations[index];
    location.Name = edt_name.text();
    takeAngle(edt_longitude, location.Longitude);
    takeAngle(edt_latitude, location.Latitude);
    location.Elevation = StrToInt(edt_altitude.text().trimmed());

    QStringList names = lbx_location.items();
    names[index] = location.Name;
    lbx_location.setItems(names);
    lbx_location.assignItemIndex(index);
}

void Tfrm_locations::edt_longitudeEnter() { FUpdating = true; }

void Tfrm_locations::edt_longitudeExit()
{
    FUpdating = false;
    edtChange();
}

void Tfrm_locations::btn_newClick()
{
    TLocation location;
    location.Name = LocalString(42063);
    FLocations.append(location);
    showNames(int(FLocations.size()) - 1);
    lbx_locationClick();
}

void Tfrm_locations::btn_delClick()
{
    const int index = lbx_location.itemIndex();
    if (!selected())
        return;
    FLocations.removeAt(index);
    showNames(index - 1);
    lbx_locationClick();
}

void Tfrm_locations::moveSelected(int to)
{
    FLocations.move(lbx_location.itemIndex(), to);
    showNames(to);
    lbx_locationClick();
}

void Tfrm_locations::btn_plusClick()
{
    if (selected() && lbx_location.itemIndex() > 0)
        moveSelected(lbx_location.itemIndex() - 1);
}

void Tfrm_locations::btn_minusClick()
{
    if (selected() && lbx_location.itemIndex() < FLocations.size() - 1)
        moveSelected(lbx_location.itemIndex() + 1);
}

void Tfrm_locations::btn_okClick()
{
    // Return in a coordinate field presses OK without leaving the field: take what it shows.
    if (FUpdating) {
        const QScopedValueRollback<bool> taking(FUpdating, false);
        edtChange();
    }
    SaveLocations(FSettingsFileName, &FLocations, lbx_location.itemIndex());
    setModalResult(TModalResult::OK);
}

void Tfrm_locations::btn_importClick() { dlg.Execute(); }
