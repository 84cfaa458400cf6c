#pragma once
// The whole public interface of the almanac library.

#include "astro/errors.h"
#include "astro/types.h"
