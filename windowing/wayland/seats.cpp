#include "windowing/wayland/seats.h"

#include "windowing/wayland/seat.h"

#include <wayland-client.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>

namespace windowing {

Seats::Seats(wl_display* display) : display(display), queue(wl_display_create_queue(display)) {
    if (pipe(wake) != 0) {
        wake[0] = wake[1] = -1;
    }
}

Seats::~Seats() {
    if (thread.joinable()) {
        stopping = true;
        char byte = 0;
        ssize_t written = wake[1] >= 0 ? write(wake[1], &byte, 1) : 0;
        static_cast<void>(written);
        thread.join();
    }
    seats.clear();
    wl_event_queue_destroy(queue);
    for (int end : wake) {
        if (end >= 0) {
            close(end);
        }
    }
}

// The seat is made on the seats' queue from the start, so that none of its events, nor those of
// its keyboards and pointers, can go to the saver's thread.
void Seats::add(wl_registry* registry, std::uint32_t name, std::uint32_t version) {
    auto* onQueue = static_cast<wl_registry*>(wl_proxy_create_wrapper(registry));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(onQueue), queue);
    std::lock_guard<std::mutex> lock(guard);
    seats.push_back(std::make_unique<Seat>(onQueue, name, version, notes));
    wl_proxy_wrapper_destroy(onQueue);
}

void Seats::remove(std::uint32_t name) {
    std::lock_guard<std::mutex> lock(guard);
    seats.erase(std::remove_if(seats.begin(), seats.end(),
                               [name](const auto& seat) { return seat->name() == name; }),
                seats.end());
}

void Seats::serve() {
    thread = std::thread(&Seats::run, this);
}

void Seats::run() {
    while (!stopping && readOnce()) {
        dispatch();
    }
}

// Waits for the compositor's next events and reads them, alongside the saver's thread, which reads
// its own the same way. False once the connection is broken or the thread is to end.
bool Seats::readOnce() {
    while (true) {
        std::lock_guard<std::mutex> lock(guard);
        if (wl_display_prepare_read_queue(display, queue) == 0) {
            break;
        }
        wl_display_dispatch_queue_pending(display, queue);
    }
    wl_display_flush(display);
    // Without the pipe that wakes it, the thread looks every tenth of a second whether to end.
    bool wakes = wake[0] >= 0;
    pollfd watched[2] = {{wl_display_get_fd(display), POLLIN, 0}, {wake[0], POLLIN, 0}};
    if (poll(watched, wakes ? 2 : 1, wakes ? -1 : 100) < 0 || (watched[0].revents & POLLIN) == 0) {
        wl_display_cancel_read(display);
        return (watched[0].revents & (POLLERR | POLLHUP)) == 0 && !stopping;
    }
    return wl_display_read_events(display) == 0;
}

// A keyboard or pointer bound in here goes out to the compositor at once.
void Seats::dispatch() {
    std::lock_guard<std::mutex> lock(guard);
    wl_display_dispatch_queue_pending(display, queue);
    wl_display_flush(display);
}

} // namespace windowing
