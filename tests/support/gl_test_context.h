#pragma once

struct GLFWwindow;

// A hidden window whose GL context is made like the saver's (same hints, loaded entry points,
// the fixed GL state) and current for as long as the object lives.
class GlTestContext {
  public:
    explicit GlTestContext(int width = 64, int height = 64);
    ~GlTestContext();

    GlTestContext(const GlTestContext&) = delete;
    GlTestContext& operator=(const GlTestContext&) = delete;

    // False when no window or context could be made (no display, no GLX).
    bool valid() const { return window != nullptr; }
    GLFWwindow* getWindow() const { return window; }

    // Reads GL's error flags until none is left, giving up after a few so it always ends.
    static void clearGlErrors();

    // The program GL has current now.
    static unsigned int currentProgram();

  private:
    GLFWwindow* window = nullptr;
};
