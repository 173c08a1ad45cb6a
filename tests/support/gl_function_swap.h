#pragma once

// Puts a recording function in place of one of GLEW's entry-point pointers (every GL function
// above 1.1 is called through one) and puts the driver's back when it goes out of scope.
template <typename Function> class GlFunctionSwap {
  public:
    GlFunctionSwap(Function& slot, Function replacement) : slot(slot), original(slot) {
        slot = replacement;
    }
    ~GlFunctionSwap() { slot = original; }

    GlFunctionSwap(const GlFunctionSwap&) = delete;
    GlFunctionSwap& operator=(const GlFunctionSwap&) = delete;

  private:
    Function& slot;
    Function original;
};
