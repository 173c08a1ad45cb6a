#include "app/startup.h"
#include "app/stored_settings.h"

#include <windows.h>

// The settings of the Windows saver are the user's registry values; its line only picks the mode.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    ScreensaverArgs* args = parseScreensaverArgs(commandLine);
    readStoredSettings(&args->settings);
    return runSaver(args, instance, showCommand);
}
