#pragma once
// The observer locations and moon options kept in the settings file.
//
//   [Current]   Rotate=180 or 0, Color=1 or 0, Index=<0-based current location>
//   [Location0] Name=<text>, Longitude=<arc-seconds>, Latitude=<arc-seconds>, Elevation=<metres>,
//               TimeZone=<IANA zone id, e.g. Europe/Berlin>
//   [Location1] ...
//
// The list is every Location<n> section with a Name key, in the order of n whatever the gaps
// (a section deleted by hand costs no other place), up to one named "..." if there is one;
// a save numbers them again from 0 without gaps. Coordinates are stored as whole arc-seconds, rounded half to even. A location written before
// zones were kept has no TimeZone key and loads with an empty zone; a zone id the system does
// not know is kept as it was written. Saving refuses latitudes
// outside -90..90 and longitudes outside -180..180 degrees; one stored outside by hand loads as
// it is, for the editor to show and mark.

#include <QList>
#include <QString>

class TIniFile;

// One observer location.
struct TLocation {
    QString Name;
    double Latitude = 0;   // degrees, positive north
    double Longitude = 0;  // degrees, positive west
    int Elevation = 0;     // metres above sea level
    // The IANA id of the zone whose clock and days the place keeps; empty while none was chosen.
    QString TimeZone = {};

    bool operator==(const TLocation&) const = default;
};

using TLocationList = QList<TLocation>;

// Whether two locations are the same place: name, coordinates and elevation; the zone is left
// out, since confirming a place in the editor writes the zone it was only suggested before.
bool SamePlace(const TLocation& a, const TLocation& b);

// The name that ends the list in the file.
inline const QString EndOfListName = QStringLiteral("...");

struct TMoonOptions {
    int rotate = 0;  // 180: moon shown as seen from the southern hemisphere
    bool color = false;
};

// Rotate and Color of section Current; a missing file or key gives 0 and false, and any
// whole number other than 0 reads as colour on.
TMoonOptions ReadMoonOptions(const QString& fileName);
// Writes Rotate and Color (as 1 or 0). Throws EUserError "Unable to write to <file>".
void WriteMoonOptions(const QString& fileName, int rotate, bool color);

// Appends the stored locations to `list` and sets `index` to the stored current index, which is
// not checked against the list. A missing file gives no locations and index 0.
void LoadLocations(const QString& fileName, TLocationList& list, int& index);

// Writes the list and the current index (brought into the list when it lies outside and the list
// is not empty) in one replacement of the file and removes the
// sections of locations beyond the list, so that reading back gives exactly `*list`. Does
// nothing without a list. Throws EUserError "Unable to write to <file>", or "The latitude of
// <name> must lie between -90 and 90 degrees" (longitude: -180 and 180); the file is then as
// it was before.
void SaveLocations(const QString& fileName, const TLocationList* list, int index);

// Writes one location as section "Location<number>" of an open file.
void SaveLocation(const TLocation& location, int number, TIniFile& file);

// The save at program end of a window that only reads the list (the More Data window): it
// writes the current index and never the list. `list` is that window's copy as loaded earlier
// and `index` its selection there. When the file's list has changed since (the location editor
// saved), the selected location is looked up in the file's list and its index there written;
// when it is no longer stored, the index the editor saved stays. Does nothing without a list.
// Throws EUserError "Unable to write to <file>".
void SaveLocationIndex(const QString& fileName, const TLocationList* list, int index);
