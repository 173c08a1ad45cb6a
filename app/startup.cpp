#include "app/startup.h"

#include "app/main_loop.h"
#include "app/process_state.h"
#include "platform/single_instance.h"

bool acquireSingleInstance() {
    return platform::claimInstanceName(kSingleInstanceName);
}

int runStartup(const char* commandLine, platform::AppInstance, int) {
    currentArgs = parseScreensaverArgs(commandLine);
    SaverMode mode = currentArgs->mode;
    if ((mode == SaverMode::Preview || mode == SaverMode::None) && !acquireSingleInstance()) {
        return 0;
    }
    if (mode == SaverMode::Configure) {
        return 0;
    }
    currentApp = new SaverApp(currentArgs);
    runMainLoop();
    return 0;
}
