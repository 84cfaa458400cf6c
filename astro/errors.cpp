#include "astro/errors.h"
