#pragma once
// The two places the window tests store: one in the northern hemisphere east of Greenwich and
// one in the southern, so that a change of place shows in every hemisphere-dependent text.

#include "locations/location.h"

inline TLocationList HomeAndCoast()
{
    TLocation home;
    home.Name = "Home";
    home.Latitude = 48.2;
    home.Longitude = -16.37;
    TLocation coast;
    coast.Name = "Coast";
    coast.Latitude = -33.87;
    coast.Longitude = -151.2;
    return {home, coast};
}
