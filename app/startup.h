#pragma once

#include "app/screensaver_args.h"
#include "platform/app_instance.h"

// The name whose holder is the one preview-style saver of the session.
constexpr const char* kSingleInstanceName = "Z_OVORIR_AVAVOZARIDI";

// True when this process is the only holder of the single-instance name.
bool acquireSingleInstance();

// Start-up after the command line has been read, however it was read: the single-instance rule,
// then the About window or the saver and its loop, which keeps the arguments. Returns the process
// exit code, which is always 0.
int runSaver(ScreensaverArgs* args, platform::AppInstance instance, int showCommand);
