#pragma once

namespace platform {

// Runs just before a fatal failure ends the process; the windowing library's desktop uses it to
// shut the library down, which the lower layers know nothing about.
using BeforeFatalExit = void (*)();

void setBeforeFatalExit(BeforeFatalExit hook);

// Shows the text captioned "Debug", runs the hook the shell installed, and ends the process with
// exit code 0: the saver has nothing to show after such a failure.
[[noreturn]] void failFatally(const char* text);

} // namespace platform
