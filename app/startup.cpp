#include "app/startup.h"

#include "app/about/about_texts.h"
#include "app/about/about_window.h"
#include "app/main_loop.h"
#include "app/process_state.h"
#include "platform/single_instance.h"

bool acquireSingleInstance() {
    return platform::claimInstanceName(kSingleInstanceName);
}

int runSaver(ScreensaverArgs* args, platform::AppInstance instance, int showCommand) {
    SaverMode mode = args->mode;
    // The X11 daemon runs one saver per monitor at once.
    bool singleInstance =
        !args->hackConventions && (mode == SaverMode::Preview || mode == SaverMode::None);
    if (singleInstance && !acquireSingleInstance()) {
        return 0;
    }
    if (mode == SaverMode::Configure) {
        auto* about = new AboutWindow(kAboutCaption, kAboutWindowClassName, kAboutLinkCaption,
                                      kAboutText, kAboutProductName);
        about->run(instance, showCommand);
        return 0;
    }
    currentApp = new SaverApp(args);
    runMainLoop(*currentApp);
    return 0;
}
