#pragma once

// Keeps the saver from drawing frames that no display shows, where swaps do not wait for the
// display (software GL, virtual machines, remote sessions, vertical sync forced off), and holds the
// pause between frames that the X11 daemon's --delay asks for. Times are seconds on one clock.
class FramePacer {
  public:
    // delay: the least pause between the end of one frame and the start of the next.
    explicit FramePacer(double delay) : delay(delay) {}

    // How long to wait after a frame that started at start and was presented at end before the
    // next one starts: at least the delay, and whatever is left of the refresh period that began
    // with the frame.
    double waitAfterFrame(double start, double end, double refreshPeriod) const;

  private:
    double delay;
};
