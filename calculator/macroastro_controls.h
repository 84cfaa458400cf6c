#pragma once
// The macro and astrophotography pages.

#include "controls/edit.h"
#include "controls/list.h"

struct TMacroAstroControls {
    // Macro magnification and extension compensation.
    TEdit edtM_fl{"50"};
    TEdit edtM_Ext{"50"};
    TLabel lblM_Mag{"N/A"};
    TLabel lblM_Exp{"N/A"};
    TMemo MemoMacro;

    // Telescope with Barlow lens, eyepiece and camera lens.
    TList cmbxA_PF_Barlow;
    TEdit edtA_T_fl{"1250"};
    TEdit edtA_T_aperture{"254"};
    TEdit edtA_T_EyepieceFL{"20"};
    TEdit edtA_LensFL{"50"};
    TEdit edtA_LensFR{"8"};
    TLabel lblA_T_fr{"= f"};
    TLabel lblA_NegProjFR{"= f/"};
    TLabel lblA_Afocal{"= f/"};
    TLabel lblExitPupil{"N/A"};
    TLabel lblA_Resolve{"lblA_Resolve"};
    TLabel lblLightGather{"lblLightGather"};
    TLabel lblLimMagV{"lblLimMagV"};

    // Image size and angles for an effective focal length.
    TEdit edtA_EffFL{"1000"};
    TEdit edtA_Mag{"edtA_Mag"};
    TEdit edtA_Ang1{"edtA_Ang1"};
    TEdit edtA_Ang2{"edtA_Ang2"};
    TEdit edtA_MoonPC{"edtA_MoonPC"};
    TEdit edtA_StarTrailTime{"edtA_MoonPC"};
    TMemo MemoAstro;

    TMacroAstroControls();
};
