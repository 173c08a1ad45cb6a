#pragma once

namespace platform {

// A saver is ended from outside: by SIGTERM, SIGINT or SIGHUP from the screen-saver daemon or a
// terminal, by the display server going away, or by its window vanishing under it.
// Makes every such end quiet and gives it exit code 0: the signals and a lost display connection
// end the process at once, and X errors, which a running saver gets only for windows that have
// vanished, are passed over instead of ending the process through Xlib's default handler.
void endQuietlyFromOutside();

} // namespace platform
