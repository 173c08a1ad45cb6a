#pragma once

#include "windowing/hidden_context.h"

// The saver's GL context on a hidden window, current for as long as the object lives, with the
// GL error flags cleared.
class GlTestContext {
  public:
    explicit GlTestContext(int width = 64, int height = 64);

    // False when no window or context could be made (no display, no GLX).
    bool valid() const { return context.valid(); }

    // Reads GL's error flags until none is left, giving up after a few so it always ends.
    static void clearGlErrors();

    static unsigned int currentProgram();

    // A float uniform of the current program, as the last draw left it; -1 when unreadable.
    static float currentUniform(const char* name);

  private:
    windowing::HiddenContext context;
};
