#include "windowing/hidden_context.h"

#include "windowing/library.h"

namespace windowing {

HiddenContext::HiddenContext(PixelSize size) {
    if (!startLibrary()) {
        return;
    }
    window = GlWindow::openHidden(size);
    if (window == nullptr) {
        stopLibrary();
    }
}

HiddenContext::~HiddenContext() {
    if (window != nullptr) {
        delete window;
        stopLibrary();
    }
}

} // namespace windowing
