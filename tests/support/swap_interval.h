#pragma once

// How many display refreshes a swap of the current context's drawable waits for, read back from
// the platform's GL binding; -1 where the driver keeps no interval.
int currentSwapInterval();
