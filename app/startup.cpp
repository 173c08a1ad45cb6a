#include "app/startup.h"

#include "app/about_window.h"
#include "app/main_loop.h"
#include "app/process_state.h"
#include "platform/single_instance.h"
#include "resources/about_texts.h"

bool acquireSingleInstance() {
    return platform::claimInstanceName(kSingleInstanceName);
}

int runStartup(const char* commandLine, platform::AppInstance instance, int showCommand) {
    currentArgs = parseScreensaverArgs(commandLine);
    SaverMode mode = currentArgs->mode;
    if ((mode == SaverMode::Preview || mode == SaverMode::None) && !acquireSingleInstance()) {
        return 0;
    }
    if (mode == SaverMode::Configure) {
        auto* about = new AboutWindow(kAboutCaption, kAboutWindowClassName, kAboutLinkCaption,
                                      kAboutText, kAboutProductName);
        about->run(instance, showCommand);
        return 0;
    }
    currentApp = new SaverApp(currentArgs);
    runMainLoop();
    return 0;
}
