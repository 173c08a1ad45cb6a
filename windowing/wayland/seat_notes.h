#pragma once

#include <atomic>

namespace windowing {

// What the seats have seen on the saver's surfaces. The thread that serves the seats writes it;
// the saver's own thread reads it between frames.
struct SeatNotes {
    // A key or a mouse button was pressed on one of the surfaces.
    std::atomic<bool> pressed{false};
    // Escape is held on the surface that has the keyboard.
    std::atomic<bool> escapeHeld{false};
    // The pointer is hidden over the surfaces.
    std::atomic<bool> hideCursor{false};
};

} // namespace windowing
