#pragma once
// The whole public interface of the almanac library.

#include "astro/angles.h"
#include "astro/apsides.h"
#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/errors.h"
#include "astro/feasts.h"
#include "astro/jewish_calendar.h"
#include "astro/nutation.h"
#include "astro/phases.h"
#include "astro/sidereal.h"
#include "astro/skyposition.h"
#include "astro/sun.h"
#include "astro/transforms.h"
#include "astro/types.h"
#include "astro/vsop.h"
#include "astro/vsop87_earth_terms.h"
