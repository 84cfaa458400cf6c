#pragma once
// The astrophotography page: telescope set-ups and image sizes.

#include "calculator/typedinputs.h"
#include "controls/controllist.h"
#include "controls/edit.h"
#include "controls/list.h"

#include <QCoreApplication>

class TDofPage;

class TAstroPage : public TControlOwner {
    Q_DECLARE_TR_FUNCTIONS(TAstroPage)

public:
    // The star-sharp times read the camera format of the first page: its sensor width and crop.
    explicit TAstroPage(const TDofPage& camera);
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
    CONTROL(TLabel, lblExitPupil, NotAvailableText());
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

    // The longest untracked exposures that keep stars points: the 500 rule, and the NPF rule from
    // the effective focal length, the camera lens f-ratio and the pixel pitch (the first page's
    // sensor width over the image width in pixels), at the celestial equator and at the aimed
    // declination, where the sky turns slower.
    CONTROL(TEdit, edtA_ImageWidth, "6000");
    CONTROL(TEdit, edtA_Declination, "0");
    CONTROL(TLabel, lblA_Rule500, NotAvailableText());
    CONTROL(TLabel, lblA_NPF, NotAvailableText());
    CONTROL(TLabel, lblA_NPFDeclination, NotAvailableText());

    void edtA_T_flChange();
    void edtA_EffFLChange();
    // Also run when the first page's camera format changes.
    void UpdateStarSharpTimes();

private:
    void bindHandlers();

    const TDofPage& FCamera;
};
