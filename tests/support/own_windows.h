#pragma once

// How many windows of the windowing library this process has made and not yet destroyed, shown
// or hidden.
int ownWindowCount();
