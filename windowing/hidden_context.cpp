#include "windowing/hidden_context.h"

#include "windowing/library_desktop.h"

namespace windowing {

// The library's errors are not shown: a tool or a test that finds no context says so itself.
HiddenContext::HiddenContext(PixelSize size) {
    auto library = std::make_unique<LibraryDesktop>();
    if (library->started()) {
        window = library->openWindow(size, {}, false);
    }
    desktop = std::move(library);
}

// The window goes before the library that made it.
HiddenContext::~HiddenContext() {
    window.reset();
}

} // namespace windowing
