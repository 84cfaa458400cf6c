#include "moonwindow/frmabout.h"

#include "places/placetable.h"
#include "texts/stringtable.h"

Tfrm_about::Tfrm_about(const TClock& clock)
    : TWindow(QStringLiteral("About")),
      Moon(clock)
{
    Moon.setMoonSize(ms32);
    setCaption(WithoutAccelerator(LocalString(42027)));
    lbl_title.setText(LocalString(42095));
    lbl_subtitle.setText(LocalString(42094));
    lbl_credit_algorithms.setText(LocalString(42096));
    lbl_credit_pictures.setText(LocalString(42097) + u'\n' + PlaceDataCredit());
    lbl_program.setText(LocalString(42098));
    btn_ok.onClick = [this] { setModalResult(TModalResult::OK); };
}
