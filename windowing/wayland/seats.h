#pragma once

#include "windowing/wayland/seat_notes.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct wl_display;
struct wl_event_queue;
struct wl_registry;

namespace windowing {

class Seat;

// The compositor's seats, served on a thread of their own: a keyboard or a pointer that appears
// is bound the moment the seat announces it, even while the saver's thread draws a frame, so that
// its first key is not lost. Everything the seats see goes into the notes.
class Seats {
  public:
    explicit Seats(wl_display* display);
    // Stops the thread and lets go of every seat.
    ~Seats();

    Seats(const Seats&) = delete;
    Seats& operator=(const Seats&) = delete;

    // Binds the seat that the registry lists under name; its events go to the seats' thread.
    void add(wl_registry* registry, std::uint32_t name, std::uint32_t version);
    // Lets go of the seat of that name, if it is one.
    void remove(std::uint32_t name);
    // Starts serving the seats added so far and those added later.
    void serve();

    SeatNotes notes;

  private:
    void run();
    bool readOnce();
    void dispatch();

    wl_display* display;
    wl_event_queue* queue;
    // Wakes the thread to end it.
    int wake[2] = {-1, -1};
    std::mutex guard;
    std::vector<std::unique_ptr<Seat>> seats;
    std::thread thread;
    std::atomic<bool> stopping{false};
};

} // namespace windowing
