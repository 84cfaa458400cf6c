#pragma once
// The calculator's inputs kept from one run to the next: every box, list, check box and slider
// of its pages that the user sets (not the results), in section [Calculator] of the settings
// file under the control's name.
//   [Calculator]  cmbxSensor=4, edtflength=90, edtFRatio=16, chbxSunElev=1, tbFillStops=2, ...

#include <QString>

class TFrmMain;

// Writes every input as the pages show it now. Throws EUserError "Unable to write to <file>".
void SaveCalculatorInputs(const TFrmMain& form, const QString& fileName);

// Puts the stored inputs back in the order the pages declare them, each as if the user had set
// it, so that the results follow. One that does not read as its control's value (a number for a
// box, an entry of its list, 0 or 1, a position on the slider), or that its page refuses, goes
// back to what the page showed before. A missing file, section or key changes nothing.
void LoadCalculatorInputs(TFrmMain& form, const QString& fileName);
