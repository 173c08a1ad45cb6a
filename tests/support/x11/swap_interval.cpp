#include "tests/support/swap_interval.h"

#include <GL/glx.h>

namespace {

template <typename Function> Function glxFunction(const char* name) {
    return reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

} // namespace

// The interval belongs to the current drawable, whichever context draws into it. Mesa answers it
// through GLX_MESA_swap_control; its software drivers on displays without direct rendering keep
// none, and refuse to have one set.
int currentSwapInterval() {
    auto get = glxFunction<int (*)()>("glXGetSwapIntervalMESA");
    auto set = glxFunction<int (*)(unsigned int)>("glXSwapIntervalMESA");
    if (get == nullptr || set == nullptr || glXGetCurrentDrawable() == 0) {
        return -1;
    }
    int interval = get();
    return set(static_cast<unsigned int>(interval)) == 0 ? interval : -1;
}
