#include "calculator/frmmain.h"

// TODO(pages): replaced by the page's real handlers.
void TFrmMain::bindMacroAstroHandlers() {}
void TFrmMain::edtA_T_flChange() {}
void TFrmMain::edtA_EffFLChange() {}
void TFrmMain::edtM_flChange() {}
