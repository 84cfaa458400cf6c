#pragma once
// The about box: the moon as the almanac shows it, the program's title and credits.

#include "controls/button.h"
#include "controls/edit.h"
#include "controls/window.h"

#include "moonpicture/moon.h"

#include <QCoreApplication>

class TClock;

class Tfrm_about final : public TWindow {
public:
    explicit Tfrm_about(const TClock& clock);

    CONTROL(TMoon, Moon);
    CONTROL(TLabel, lbl_title);
    CONTROL(TLabel, lbl_subtitle);
    CONTROL(TLabel, lbl_credit_algorithms);
    CONTROL(TLabel, lbl_credit_pictures);
    CONTROL(TLabel, lbl_program);
    CONTROL(TButton, btn_ok, QCoreApplication::translate("Tfrm_about", "&OK"));
};
