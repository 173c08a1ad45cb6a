#include "app/startup.h"

#include "app/main_loop.h"
#include "app/process_state.h"
#include "platform/single_instance.h"

bool acquireSingleInstance() {
    return platform::claimInstanceName(kSingleInstanceName);
}

int runStartup(const char* commandLine, platform::AppInstance instance, int showCommand) {
    return runSaver(parseScreensaverArgs(commandLine), instance, showCommand);
}

int runSaver(ScreensaverArgs* args, platform::AppInstance, int) {
    currentArgs = args;
    SaverMode mode = args->mode;
    // The X11 daemon runs one saver per monitor at once.
    bool singleInstance =
        !args->hackConventions && (mode == SaverMode::Preview || mode == SaverMode::None);
    if (singleInstance && !acquireSingleInstance()) {
        return 0;
    }
    if (mode == SaverMode::Configure) {
        return 0;
    }
    currentApp = new SaverApp(currentArgs);
    runMainLoop();
    return 0;
}
