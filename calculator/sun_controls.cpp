#include "calculator/sun_controls.h"

#include "calculator/comfort_text.h"

TSunControls::TSunControls(const TClock& clock) : Moon(clock)
{
    btnLocation.setEnabled(false);
    btnLocation.setHint("Unfortunately, at present, changing location does not over-ride computer registry location for calculations");
    MemoComfort.setText(ComfortText);
    chbxSunElev.setHint("check to use the current calculated position");
    for (TEdit* input : {&edtTemp, &edtHumidity, &edtWind, &edtSunElev, &edtSolarCorr})
        input->setColor(clInput);
}
