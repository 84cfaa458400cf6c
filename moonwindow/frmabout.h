#pragma once
// The about box: the moon as the almanac shows it, the program's title and credits.

#include "controls/button.h"
#include "controls/edit.h"
#include "controls/window.h"
#include "moonpicture/moon.h"

class TClock;

class Tfrm_about final : public TWindow {
public:
    explicit Tfrm_about(const TClock& clock);

    TMoon Moon;
    TLabel lbl_title;
    TLabel lbl_subtitle;
    TLabel lbl_credit_algorithms;
    TLabel lbl_credit_pictures;
    TLabel lbl_program;
    TButton btn_ok{QStringLiteral("&OK")};
};
