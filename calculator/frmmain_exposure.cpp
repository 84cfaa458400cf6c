#include "calculator/frmmain.h"

// TODO(pages): replaced by the page's real handlers.
void TFrmMain::bindExposureHandlers() {}
void TFrmMain::cmbxEV1ShutterChange() {}
void TFrmMain::edtEV2Change() {}
