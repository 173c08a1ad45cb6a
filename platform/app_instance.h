#pragma once

namespace platform {

// The program's instance handle as the entry point received it (HINSTANCE on Windows).
using AppInstance = void*;

} // namespace platform
