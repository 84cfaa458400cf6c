#pragma once
// The Jewish-calendar dialog: a date in the Christian (historical) calendar and the same day
// in the Jewish calendar, each editable, with the Julian date of the instant. The time of day
// of the instant handed in is kept.

#include "controls/edit.h"
#include "controls/list.h"
#include "moonwindow/settimedialog.h"

class TClock;

class Tfrm_jewish final : public TSetTimeDialog {
public:
    explicit Tfrm_jewish(const TClock& clock);

    CONTROL(TLabel, grp_christian, QStringLiteral("Christian date"));
    CONTROL(TEdit, edt_year);
    CONTROL(TList, cbx_month);
    CONTROL(TEdit, edt_day);
    CONTROL(TLabel, grp_jewish, QStringLiteral("Jewish date"));
    CONTROL(TEdit, edt_jyear);
    CONTROL(TList, cbx_jmonth);
    CONTROL(TEdit, edt_jday);
    CONTROL(TLabel, grp_julian, QStringLiteral("Julian date"));
    CONTROL(TLabel, lbl_julian);

    void FormShow() override;
    // Fills both dates and the Julian date from FValue.
    void ShowValue();
    void btn_nowClick();
    // The Christian date was edited: the Jewish date follows.
    void christianChange();
    // The Jewish date was edited: the Christian date follows. A new year refills the month
    // list, whose names and count depend on whether the year is a leap year.
    void jewishChange();

private:
    void ShowChristian(astro::TDateTime day);
    void ShowJewish(astro::TDateTime day);
    void FillJewishMonths(int year);
    // The result of an edit: a valid day takes the kept time of day, an invalid one disables OK.
    void Accept(astro::TDateTime day);
    void Reject();

    const TClock& FClock;
    // Time of day of the instant handed in (days).
    double FTimeOfDay = 0;
    int FMonthsYear = 0;  // the Jewish year cbx_jmonth was filled for
    bool FUpdating = false;
};
