#pragma once
// The universal-time dialog: a calendar date and a time of day in universal time, with the
// matching Julian date shown while the user types. OK is enabled only for a valid instant.

#include "controls/edit.h"
#include "controls/list.h"
#include "moonwindow/settimedialog.h"

class TClock;

class Tfrm_utc final : public TSetTimeDialog {
public:
    static constexpr int HelpContext = 1010;

    // Runs FormCreate.
    explicit Tfrm_utc(const TClock& clock);

    CONTROL(TLabel, grp_utc, QStringLiteral("Universial time"));
    CONTROL(TLabel, lbl_year, QStringLiteral("Year"));
    CONTROL(TLabel, lbl_month, QStringLiteral("Month"));
    CONTROL(TLabel, lbl_day, QStringLiteral("Day"));
    CONTROL(TEdit, edt_year, QStringLiteral("2000"));
    CONTROL(TList, cbx_month);
    CONTROL(TEdit, edt_day, QStringLiteral("1"));
    CONTROL(TLabel, lbl_hour, QStringLiteral("Hour"));
    CONTROL(TLabel, lbl_min, QStringLiteral("Minute"));
    CONTROL(TLabel, lbl_sec, QStringLiteral("Second"));
    CONTROL(TEdit, edt_hour, QStringLiteral("0"));
    CONTROL(TEdit, edt_min, QStringLiteral("0"));
    CONTROL(TEdit, edt_sec, QStringLiteral("0"));
    CONTROL(TLabel, grp_julian, QStringLiteral("Julian date"));
    CONTROL(TLabel, lbl_julian, QStringLiteral("Julian Date"));

    void FormCreate();
    void FormShow() override;
    void ShowValue();
    void btn_nowClick();
    void anyChange();

private:
    const TClock& FClock;
};
