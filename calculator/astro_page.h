#pragma once
// The astrophotography page: telescope set-ups and image sizes.

#include "controls/controllist.h"
#include "controls/edit.h"
#include "controls/list.h"

class TAstroPage : public TControlOwner {
public:
    TAstroPage();
    TAstroPage(const TAstroPage&) = delete;
    TAstroPage& operator=(const TAstroPage&) = delete;

    // Telescope with Barlow lens, eyepiece and camera lens.
    CONTROL(TList, cmbxA_PF_Barlow);
    CONTROL(TEdit, edtA_T_fl, "1250");
    CONTROL(TEdit, edtA_T_aperture, "254");
    CONTROL(TEdit, edtA_T_EyepieceFL, "20");
    CONTROL(TEdit, edtA_LensFL, "50");
    CONTROL(TEdit, edtA_LensFR, "8");
    CONTROL(TLabel, lblA_T_fr, "= f");
    CONTROL(TLabel, lblA_NegProjFR, "= f/");
    CONTROL(TLabel, lblA_Afocal, "= f/");
    CONTROL(TLabel, lblExitPupil, "N/A");
    CONTROL(TLabel, lblA_Resolve, "lblA_Resolve");
    CONTROL(TLabel, lblLightGather, "lblLightGather");
    CONTROL(TLabel, lblLimMagV, "lblLimMagV");

    // Image size and angles for an effective focal length.
    CONTROL(TEdit, edtA_EffFL, "1000");
    CONTROL(TEdit, edtA_Mag, "edtA_Mag");
    CONTROL(TEdit, edtA_Ang1, "edtA_Ang1");
    CONTROL(TEdit, edtA_Ang2, "edtA_Ang2");
    CONTROL(TEdit, edtA_MoonPC, "edtA_MoonPC");
    CONTROL(TEdit, edtA_StarTrailTime, "edtA_MoonPC");
    CONTROL(TMemo, MemoAstro);

    void edtA_T_flChange();
    void edtA_EffFLChange();

private:
    void bindHandlers();
};
