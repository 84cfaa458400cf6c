#pragma once
// The conversions page: colour-temperature filters, guide-number conversion, flash distance.

struct TConversionsControls {
};
