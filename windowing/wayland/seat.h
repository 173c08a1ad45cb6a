#pragma once

#include "windowing/wayland/seat_notes.h"

#include <cstdint>

struct wl_array;
struct wl_keyboard;
struct wl_keyboard_listener;
struct wl_pointer;
struct wl_pointer_listener;
struct wl_registry;
struct wl_seat;
struct wl_seat_listener;
struct wl_surface;

namespace windowing {

// One seat of the compositor: the keyboard and the pointer that reach the saver's surfaces. The
// compositor sends a client only the keys and buttons of its own surfaces, and the saver has no
// others: a key or a button pressed is noted, as is Escape held as the keyboard enters a surface
// or later; releases, motion and the wheel are not noted.
class Seat {
  public:
    // Binds the seat that the registry lists under name; its events go to the registry's queue.
    Seat(wl_registry* registry, std::uint32_t name, std::uint32_t version, SeatNotes& notes);
    ~Seat();

    Seat(const Seat&) = delete;
    Seat& operator=(const Seat&) = delete;

    std::uint32_t name() const { return registryName; }

  private:
    void releaseKeyboard();
    void releasePointer();

    static void onCapabilities(void* data, wl_seat* seat, std::uint32_t capabilities);
    static void onKeymap(void* data, wl_keyboard* keyboard, std::uint32_t format, std::int32_t fd,
                         std::uint32_t size);
    static void onKeyboardEnter(void* data, wl_keyboard* keyboard, std::uint32_t serial,
                                wl_surface* surface, wl_array* keys);
    static void onKeyboardLeave(void* data, wl_keyboard* keyboard, std::uint32_t serial,
                                wl_surface* surface);
    static void onKey(void* data, wl_keyboard* keyboard, std::uint32_t serial, std::uint32_t time,
                      std::uint32_t key, std::uint32_t state);
    static void onPointerEnter(void* data, wl_pointer* pointer, std::uint32_t serial,
                               wl_surface* surface, std::int32_t x, std::int32_t y);
    static void onButton(void* data, wl_pointer* pointer, std::uint32_t serial, std::uint32_t time,
                         std::uint32_t button, std::uint32_t state);

    static const wl_seat_listener seatListener;
    static const wl_keyboard_listener keyboardListener;
    static const wl_pointer_listener pointerListener;

    std::uint32_t registryName;
    wl_seat* seat;
    SeatNotes& notes;
    wl_keyboard* keyboard = nullptr;
    wl_pointer* pointer = nullptr;
};

} // namespace windowing
