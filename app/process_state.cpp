#include "app/process_state.h"

ScreensaverArgs* currentArgs = nullptr;
SaverApp* currentApp = nullptr;
