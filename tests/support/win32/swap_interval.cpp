#include "tests/support/swap_interval.h"

#include <windows.h>

// WGL keeps the interval with the context.
int currentSwapInterval() {
    using GetSwapInterval = int(WINAPI*)();
    auto get = reinterpret_cast<GetSwapInterval>(
        reinterpret_cast<void*>(wglGetProcAddress("wglGetSwapIntervalEXT")));
    return get != nullptr ? get() : -1;
}
