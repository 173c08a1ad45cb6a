#pragma once

namespace platform {

// Whether the system's displays show anything: false while it keeps them in standby, suspended or
// off to save power, true where it cannot tell. Windows answers from what it last announced (from
// Windows 8 on); X11 asks the X server's DPMS state on every call, so ask seldom.
bool displaysOn();

} // namespace platform
