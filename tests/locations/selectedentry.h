#pragma once
// The coordinates of the editor's selected entry as its working copy holds them (0 without one).

#include "locations/frmlocations.h"

inline double SelectedLongitude(const Tfrm_locations& form) { return form.selected() ? form.selected()->Longitude : 0; }

inline double SelectedLatitude(const Tfrm_locations& form) { return form.selected() ? form.selected()->Latitude : 0; }
