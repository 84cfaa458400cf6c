#include "locations/frmlocations.h"

#include "almanac/locationzone.h"
#include "almanac/placestore.h"
#include "texts/almanactext.h"

#include "controls/errors.h"
#include "controls/numbers.h"
#include "locations/coordinatetext.h"
#include "places/mapcoordinates.h"
#include "places/pastedcoordinates.h"
#include "texts/stringtable.h"

#include <QScopedValueRollback>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The angle of a coordinate field's text, if it reads as one within `limit` degrees either way.
std::optional<double> textAngle(const QString& text, double limit)
{
    try {
        const double degrees = EditTextToAngle(text);
        if (std::abs(degrees) <= limit)
            return degrees;
    } catch (const EInputError&) {
    }
    return std::nullopt;
}

std::optional<double> fieldAngle(const TEdit& field, double limit) { return textAngle(field.text(), limit); }

std::optional<double> fieldLongitude(const TEdit& field) { return fieldAngle(field, MaxLongitude); }

std::optional<double> fieldLatitude(const TEdit& field) { return fieldAngle(field, MaxLatitude); }

std::optional<QString> fieldZone(const TEdit& field)
{
    const QString id = field.text().trimmed();
    if (QTimeZone::isTimeZoneIdAvailable(id.toUtf8()))
        return id;
    return std::nullopt;
}

std::optional<int> fieldAltitude(const TEdit& field)
{
    try {
        return StrToInt(field.text().trimmed());
    } catch (const EInputError&) {
        return std::nullopt;
    }
}

// A field that does not read keeps the entry's previous value, and says so until it reads.
void markField(TEdit& field, bool readable) { field.setColor(readable ? QColor() : clUnreadable); }

template <typename T>
void take(TEdit& field, T& value, const std::optional<T>& read)
{
    if (read)
        value = *read;
    markField(field, read.has_value());
}

// "0.4" below 10 km, where a tenth tells one end of a town from the other; whole km beyond.
QString DistanceText(double km) { return QLocale().toString(km, 'f', km < 10 ? 1 : 0); }

}  // namespace

Tfrm_locations::Tfrm_locations(const QString& settingsFileName)
    : TWindow(QStringLiteral("Locations")),
      FoundPlaces(&TPlaceTable::BuiltIn),
      FOwnStore(std::make_unique<TPlaceStore>(settingsFileName)),
      FStore(*FOwnStore)
{
    bindHandlers();
    FormCreate();
}

Tfrm_locations::Tfrm_locations(TPlaceStore& store)
    : TWindow(QStringLiteral("Locations")),
      FoundPlaces(&TPlaceTable::BuiltIn),
      FStore(store)
{
    bindHandlers();
    FormCreate();
}

Tfrm_locations::~Tfrm_locations() = default;

void Tfrm_locations::bindHandlers()
{
    btn_import.setVisible(false);

    edt_find.onChange = [this] { edt_findChange(); };
    lbx_location.onChange = [this] { lbx_locationClick(); };
    edt_name.onChange = [this] { edtChange(); };
    edt_longitude.onChange = [this] { edtChange(); };
    edt_latitude.onChange = [this] { edtChange(); };
    edt_altitude.onChange = [this] { edtChange(); };
    edt_timezone.onChange = [this] { edtChange(); };
    edt_longitude.onEnter = [this] { edt_longitudeEnter(); };
    edt_latitude.onEnter = [this] { edt_longitudeEnter(); };
    edt_longitude.onExit = [this] { edt_longitudeExit(); };
    edt_latitude.onExit = [this] { edt_longitudeExit(); };
    btn_new.onClick = [this] { btn_newClick(); };
    btn_del.onClick = [this] { btn_delClick(); };
    btn_plus.onClick = [this] { btn_plusClick(); };
    btn_minus.onClick = [this] { btn_minusClick(); };
    btn_ok.onClick = [this] { btn_okClick(); };
    btn_cancel.onClick = [this] { btn_cancelClick(); };
    btn_import.onClick = [this] { btn_importClick(); };
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
    lbl_timezone.setText(LocalString(42173));
    lbl_find.setText(LocalString(42191));
    edt_find.setHint(LocalString(42198) + u'\n' + PlaceDataCredit());
    lbl_longitude_sense.setText(LocalString(42118));
    lbl_latitude_sense.setText(LocalString(42119));
    edt_latitude.setHint(LocalString(42081) + u'\n' + tr("eg. +34:54:00"));
    edt_longitude.setHint(LocalString(42082) + u'\n' +
                          tr("eg. +032:26:00 ie. don't forget + or -, and degrees must have 3 integers, including "
                             "preceding zeros if needed"));
    edt_altitude.setHint(LocalString(42083));
    // Showing loads the list.
    Show();
    Hide();
}

void Tfrm_locations::FormShow() { ReloadLocations(); }

void Tfrm_locations::ReloadLocations()
{
    FStore.reload();
    FLocations = FStore.locations();
    showNames(FStore.currentIndex());
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

void Tfrm_locations::lbx_locationClick()
{
    const TLocation* location = selected();
    if (location) {
        QScopedValueRollback<bool> updating(FUpdating, true);
        edt_name.setText(location->Name);
        edt_longitude.setText(AngleToEditText(location->Longitude));
        edt_latitude.setText(AngleToEditText(location->Latitude));
        edt_altitude.setText(QString::number(location->Elevation));
        showZone(location);
    } else {
        lbl_timezone_note.setText(QString());
    }
    showNearest(location);
    // The fields now show what the selected entry holds; a stored value out of range is
    // marked as soon as it is shown.
    markField(edt_longitude, !location || fieldLongitude(edt_longitude));
    markField(edt_latitude, !location || fieldLatitude(edt_latitude));
    markField(edt_altitude, true);
    const bool any = location != nullptr;
    edt_name.setEnabled(any);
    edt_longitude.setEnabled(any);
    edt_latitude.setEnabled(any);
    edt_altitude.setEnabled(any);
    edt_timezone.setEnabled(any);
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
    take(edt_longitude, location.Longitude, fieldLongitude(edt_longitude));
    take(edt_latitude, location.Latitude, fieldLatitude(edt_latitude));
    take(edt_altitude, location.Elevation, fieldAltitude(edt_altitude));
    // A zone typed or picked is the user's choice; until then the suggestion stays one.
    if (const auto zone = fieldZone(edt_timezone); zone && *zone != ZoneChoiceOf(location).Id)
        location.TimeZone = *zone;
    markField(edt_timezone, fieldZone(edt_timezone).has_value());
    showNearest(&location);

    QStringList names = lbx_location.items();
    names[index] = location.Name;
    lbx_location.setItems(names);
    lbx_location.assignItemIndex(index);
}

void Tfrm_locations::showZone(const TLocation* location)
{
    const TZoneChoice choice = ZoneChoiceOf(*location);
    edt_timezone.setText(choice.UnknownStored ? location->TimeZone : choice.Id);
    QString note = choice.Suggested ? ZoneChoiceText(choice) : QString();
    if (choice.UnknownStored)
        note = ReplaceAll(QStringLiteral("%1%"), location->TimeZone, LocalString(42181)) + QStringLiteral(": ") + note;
    lbl_timezone_note.setText(note);
    markField(edt_timezone, !choice.UnknownStored);
}

void Tfrm_locations::showNearest(const TLocation* location)
{
    edt_latitude.setError(QString());
    edt_longitude.setError(QString());
    const TNearestPlace nearest =
        location ? TPlaceTable::BuiltIn().NamingPlace(location->Latitude, location->Longitude) : TNearestPlace();
    if (!nearest.valid()) {
        lbl_nearest.setText(QString());
        return;
    }
    const TPlace place = TPlaceTable::BuiltIn().at(nearest.Index);
    QString text = ReplaceAll(QStringLiteral("%1%"), place.Name, LocalString(42192));
    text = ReplaceAll(QStringLiteral("%2%"), place.CountryCode, text);
    lbl_nearest.setText(ReplaceAll(QStringLiteral("%3%"), DistanceText(nearest.DistanceKm), text));
}

void Tfrm_locations::edt_findChange() { FoundPlaces.setQuery(edt_find.text().trimmed()); }

void Tfrm_locations::TakeFoundPlace(int row)
{
    const int index = FoundPlaces.placeAt(row);
    if (index < 0)
        return;
    const TPlace place = TPlaceTable::BuiltIn().at(index);
    bool asNew = !selected();
    if (!asNew) {
        const QString entry = selected()->Name;
        const QString question =
            ReplaceAll(QStringLiteral("%2%"), place.Name, ReplaceAll(QStringLiteral("%1%"), entry, LocalString(42194)));
        const int answer = dlg_take.Execute(
            question, {ReplaceAll(QStringLiteral("%1%"), entry, LocalString(42195)), LocalString(42196)});
        if (answer < 0)
            return;
        asNew = answer == 1;
    }
    if (asNew)
        FLocations.append(TLocation());
    const int entry = asNew ? int(FLocations.size()) - 1 : lbx_location.itemIndex();
    TLocation& location = FLocations[entry];
    location.Name = place.Name;
    location.Latitude = place.Latitude;
    location.Longitude = place.Longitude;
    location.Elevation = place.Elevation;
    location.TimeZone = place.TimeZone;
    showNames(entry);
    lbx_locationClick();
    edt_find.setText(QString());
}

bool Tfrm_locations::PasteCoordinates(TEdit& field, const QString& text)
{
    if (const std::optional<TMapPoint> point = ReadPastedCoordinates(text)) {
        {
            const QScopedValueRollback<bool> filling(FUpdating, true);
            edt_latitude.setText(AngleToEditText(point->Latitude));
            edt_longitude.setText(AngleToEditText(WestPositiveLongitude(point->LongitudeEast)));
        }
        if (selected()) {
            // What the fields show, to the arc-second, is what the entry keeps.
            TLocation& location = FLocations[lbx_location.itemIndex()];
            take(edt_latitude, location.Latitude, fieldLatitude(edt_latitude));
            take(edt_longitude, location.Longitude, fieldLongitude(edt_longitude));
            // Coordinates pasted move the entry to another place: the zone shown is that
            // place's, as a suggestion, until the user confirms or changes it.
            location.TimeZone.clear();
            const QScopedValueRollback<bool> filling(FUpdating, true);
            showZone(&location);
            showNearest(&location);
        }
        return true;
    }
    const bool latitude = &field == &edt_latitude;
    if (textAngle(text.trimmed(), latitude ? MaxLatitude : MaxLongitude))
        return false;
    const QString forms = LocalString(42193);
    field.setError(forms);
    lbl_nearest.setText(forms);
    return true;
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
    showNames(FLocations.isEmpty() ? -1 : std::max(index - 1, 0));
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
    if (selected()) {
        QStringList refused;
        if (!fieldLongitude(edt_longitude))
            refused.append(LocalString(42120));
        if (!fieldLatitude(edt_latitude))
            refused.append(LocalString(42121));
        if (!fieldAltitude(edt_altitude))
            refused.append(LocalString(42122));
        const auto zone = fieldZone(edt_timezone);
        if (!zone)
            refused.append(LocalString(42173).remove(u':').trimmed());
        if (!refused.isEmpty())
            throw EInputError(LocalString(42123) + u'\n' + refused.join(u'\n'));
        // Confirming the entry confirms the zone it shows, a suggestion included.
        FLocations[lbx_location.itemIndex()].TimeZone = *zone;
    }
    SaveLocations(FStore.settingsFileName(), &FLocations, lbx_location.itemIndex());
    FStore.replace(FLocations, lbx_location.itemIndex());
    setModalResult(TModalResult::OK);
}

void Tfrm_locations::btn_cancelClick()
{
    ReloadLocations();
    setModalResult(TModalResult::Cancel);
}

void Tfrm_locations::btn_importClick() { dlg.Execute(); }
