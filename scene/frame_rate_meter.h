#pragma once

#include <string>

// Counts frames and the time spent drawing them and, once a second or more has passed, turns
// them into the two lines that display modes of the X11 screen-saver daemon show under --fps:
// "FPS:  59.9", the frames per second, and "Load: 12.3%", the share of the time spent drawing.
// Times are seconds on any clock that does not go back.
class FrameRateMeter {
  public:
    // A frame starts; the previous one ends here. True when this completes a reading, which
    // text() then holds.
    bool frameStarted(double seconds);
    // The frame that started last is drawn and finished.
    void frameDrawn(double seconds);

    // The lines of the last reading, separated by '\n'; empty before the first.
    const std::string& text() const { return lines; }

  private:
    bool counting = false;
    double readingStart = 0.0;
    double frameStart = 0.0;
    int frames = 0;
    double drawing = 0.0;
    std::string lines;
};
