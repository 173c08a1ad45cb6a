// Stands in for the X server's DPMS extension, which neither Xvfb nor Xorg's dummy driver has:
// preloaded into the saver (LD_PRELOAD), it answers the two DPMS queries from the file named by
// EMBERVEIL_DPMS_STATE, which holds "on", "standby", "suspend" or "off", and after it "disabled"
// where the server's power saving is switched off while it still reports that level.
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {

Bool DPMSQueryExtension(Display*, int* eventBase, int* errorBase) {
    *eventBase = 0;
    *errorBase = 0;
    return True;
}

Status DPMSInfo(Display*, CARD16* level, BOOL* enabled) {
    char state[16] = "on";
    char power[16] = "enabled";
    if (std::FILE* file = std::fopen(std::getenv("EMBERVEIL_DPMS_STATE"), "r")) {
        if (std::fscanf(file, "%15s %15s", state, power) < 1) {
            std::strcpy(state, "on");
        }
        std::fclose(file);
    }
    *enabled = std::strcmp(power, "disabled") != 0;
    *level = std::strcmp(state, "off") == 0       ? DPMSModeOff
             : std::strcmp(state, "suspend") == 0 ? DPMSModeSuspend
             : std::strcmp(state, "standby") == 0 ? DPMSModeStandby
                                                  : DPMSModeOn;
    return 1;
}
}
