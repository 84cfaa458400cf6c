#include "calculator/comfort_text.h"

#include <QtGlobal>

const char* const ComfortText = QT_TRANSLATE_NOOP(
    "ComfortText", "The apparent temperature is what the model feels: the air temperature corrected for "
                   "humidity and wind, and in the sun also for the radiation the body absorbs.\n"
                   "\n"
                   "The value in the sun is a rough estimate for a model lying horizontal with minimal "
                   "clothing. It depends on the sun's elevation, on cloud and smog, on clothing, on posture "
                   "and on nearby surfaces that reflect sunlight onto the model.\n"
                   "\n"
                   "The solar correction factor scales the sun's share of the estimate (1 takes it in full); "
                   "tune it by experience.\n"
                   "\n"
                   "While \"Use calculated\" is checked, the sun elevation is filled in automatically from "
                   "the current position of the sun at the current location.\n"
                   "\n"
                   "An altitude of 10 metres above sea level is assumed.");
