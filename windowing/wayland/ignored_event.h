#pragma once

namespace windowing {

// Takes the place of a listener's handler for an event that tells the saver nothing. A listener
// must name a handler for every event of the version bound, and this one fits each of them.
template <typename... Arguments> void ignoredEvent(void*, Arguments...) {}

} // namespace windowing
