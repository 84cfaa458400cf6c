#pragma once
// The Julian-date dialog: the user types a Julian date and sees the universal time it names.

#include "controls/edit.h"
#include "moonwindow/settimedialog.h"

#include <QCoreApplication>

class TClock;

class Tfrm_julian final : public TSetTimeDialog {
    Q_DECLARE_TR_FUNCTIONS(Tfrm_julian)

public:
    explicit Tfrm_julian(const TClock& clock);

    CONTROL(TLabel, lbl_julian, tr("Julian Date:"));
    CONTROL(TEdit, edt_julian);
    CONTROL(TLabel, grp_utc, QStringLiteral("Universial time"));
    CONTROL(TLabel, lbl_utc);

    void FormShow() override;
    // Fills the Julian date from FValue.
    void ShowValue();
    void btn_nowClick();
    // Reads the Julian date: an instant of years 1..9999 enables OK and shows its time.
    void edt_julianChange();

private:
    const TClock& FClock;
};
