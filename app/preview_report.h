#pragma once

#include "platform/native_window.h"

#include <cstdint>

// Writes one line to standard output once the preview's first frame is drawn and not yet shown:
// the size, the parent window and the colours at the bottom centre and the top left corner. The
// pane belongs to another program, and some hosts never put a child window's GL output on the
// screen, so the saver's own line is what tells that it draws.
void reportFirstPreviewFrame(platform::NativeWindowHandle parent, std::int32_t width,
                             std::int32_t height);
