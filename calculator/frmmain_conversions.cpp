#include "calculator/frmmain.h"

// TODO(pages): replaced by the page's real handlers.
void TFrmMain::bindConversionsHandlers() {}
void TFrmMain::cmbxFilmTypeChange() {}
void TFrmMain::edtGNChange() {}
void TFrmMain::edtGN2Change() {}
