#include "app/usage_text.h"

#include "product_info.h"

const char kUsageText[] =
    "Usage: emberveil [/s | /p <id> | /c]\n"
    "       emberveil [--root | --window-id <id> | --window | --help | --version]\n"
    "\n"
    "Emberveil draws a burning fire.\n"
    "\n"
    "Screen-saver switches, as the Windows screen-saver machinery passes them:\n"
    "  (none)            full screen, unless another saver started this way runs on the display\n"
    "  /s                full screen on the primary monitor\n"
    "  /p <id>           preview: draw into the X window with this decimal id\n"
    "  /c                configure: the saver has no settings\n"
    "Keys and mouse buttons end a saver started this way.\n"
    "\n"
    "X11 screen-saver daemon switches (--root, --window-id and --window also with one dash):\n"
    "  --root            draw into the window XSCREENSAVER_WINDOW names, or the root window\n"
    "  --window-id <id>  draw into the window with this id, in decimal or 0x hex\n"
    "  --window          an ordinary 1280x720 window; closing it ends the saver\n"
    "  --help, -h        print this text\n"
    "  --version         print the version\n"
    "A command line that holds any of these is read this way, and its other options are\n"
    "ignored. The daemon owns input: keys and buttons do not end the saver, SIGTERM does.\n"
    "\n"
    "Environment:\n"
    "  XSCREENSAVER_WINDOW  the window --root draws into, in decimal or 0x hex\n"
    "\n"
    "Exit status: 0, however the saver ends.\n";

const char kVersionText[] = EMBERVEIL_PRODUCT_NAME " " EMBERVEIL_VERSION_TEXT "\n";
