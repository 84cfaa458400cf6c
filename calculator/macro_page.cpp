// Macro magnification and the exposure compensation for the lens extension.

#include "calculator/macro_page.h"

#include "calculator/documentation_texts_pages.h"
#include "controls/numbers.h"

#include <cmath>

namespace {

double value(const TEdit& input) { return StrToFloat(input.text()); }

}  // namespace

TMacroPage::TMacroPage()
    : MemoMacro(QCoreApplication::translate("Documentation", MacroText))
{
    for (TEdit* input : {&edtM_fl, &edtM_Ext}) {
        input->setColor(clInput);
        input->onChange = [this] { edtM_flChange(); };
    }
}

void TMacroPage::edtM_flChange()
{
    if (edtM_fl.text().isEmpty() || edtM_Ext.text().isEmpty())
        return;
    const double focalLength = value(edtM_fl);
    const double extension = value(edtM_Ext);
    if (!(focalLength > 0)) {
        lblM_Mag.setText(NotAvailableText());
        lblM_Exp.setText(NotAvailableText());
        return;
    }
    lblM_Mag.setText(RoundedText(extension / focalLength, 1));
    const double stops = CheckedLog10((focalLength + extension) / focalLength) / std::log10(std::sqrt(2.0));
    lblM_Exp.setText(tr("%1 stops").arg(RoundedText(stops, 1)));
}
