#include "app/frame_pacer.h"

#include <algorithm>

// Counting each period from its own frame's start, a frame that came late never brings the next
// ones closer together. A rest shorter than an eighth of a period is left out: a swap that waits
// for the display ends within such a sliver of the period whatever the rounding of the reported
// rate (a 59.94 Hz display reports 59 or 60), and waiting it out would push the next frame past
// the next refresh.
double FramePacer::waitAfterFrame(double start, double end, double refreshPeriod) const {
    double rest = start + refreshPeriod - end;
    if (rest < refreshPeriod / 8) {
        rest = 0.0;
    }
    return std::max(rest, delay);
}
