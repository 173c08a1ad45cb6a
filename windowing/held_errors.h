#pragma once

#include <string>
#include <utility>
#include <vector>

namespace windowing {

// Keeps the library's errors back while it lives, for a step whose failure may turn out to need
// no message: an attempt that another attempt makes good, or a window that its owner took away
// meanwhile. Whatever is still held at its end goes, in order, to the reporting that was in place
// before, an enclosing HeldErrors included.
class HeldErrors {
  public:
    HeldErrors();
    ~HeldErrors();

    HeldErrors(const HeldErrors&) = delete;
    HeldErrors& operator=(const HeldErrors&) = delete;

    // Drops the errors held so far: what they reported does not matter after all.
    void forget() { held.clear(); }

  private:
    using Report = void (*)(int code, const char* description);

    static void hold(int code, const char* description);

    // The innermost holder, which the library's errors go to.
    static HeldErrors* innermost;

    HeldErrors* outer;
    Report previous;
    std::vector<std::pair<int, std::string>> held;
};

} // namespace windowing
