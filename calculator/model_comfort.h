#pragma once
// The apparent temperature felt by a model posing outdoors: the Australian apparent-temperature
// index (Steadman's model as used by the Bureau of Meteorology), in the shade and with the
// sun's radiation absorbed by a body lying horizontal with minimal clothing.

// Water vapour pressure (hPa) of air at temperature ta (degrees C) and relative humidity rh
// (percent). Throws EMathError for a temperature of -237.7 (division by zero) and for values
// that overflow.
double VapourPressure(double ta, double rh);

// Apparent temperature in the shade (degrees C): air temperature ta (degrees C), vapour
// pressure e (hPa), wind speed ws as entered (km/hour).
double ApparentTempShade(double ta, double e, double ws);

// Apparent temperature in the sun (degrees C) with the sun at elevation (degrees; below the
// horizon counts as on it) and the radiation term scaled by factor. The overhead sun gives the
// full radiation, continuous with elevations just below 90 degrees.
// Throws EMathError "Floating point division by zero" for a wind speed of -10.
double ApparentTempSun(double ta, double e, double ws, double elevation, double factor);
