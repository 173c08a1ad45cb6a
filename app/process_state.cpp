#include "app/process_state.h"

SaverApp* currentApp = nullptr;
