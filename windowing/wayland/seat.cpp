#include "windowing/wayland/seat.h"

#include "windowing/wayland/ignored_event.h"

#include <wayland-client.h>

#include <linux/input-event-codes.h>
#include <unistd.h>

#include <algorithm>

namespace windowing {

namespace {

// Release of the keyboard and the pointer came with version 3, the pointer's frame events with 5;
// nothing later is needed.
constexpr std::uint32_t kVersion = 5;

Seat* from(void* data) {
    return static_cast<Seat*>(data);
}

bool holdsEscape(const wl_array* keys) {
    const auto* first = static_cast<const std::uint32_t*>(keys->data);
    const auto* last = first + keys->size / sizeof *first;
    return std::find(first, last, std::uint32_t{KEY_ESC}) != last;
}

} // namespace

const wl_seat_listener Seat::seatListener = {onCapabilities, ignoredEvent};
const wl_keyboard_listener Seat::keyboardListener = {
    onKeymap, onKeyboardEnter, onKeyboardLeave, onKey, ignoredEvent, ignoredEvent,
};
const wl_pointer_listener Seat::pointerListener = {
    onPointerEnter, ignoredEvent, ignoredEvent, onButton,     ignoredEvent,
    ignoredEvent,   ignoredEvent, ignoredEvent, ignoredEvent, ignoredEvent,
};

Seat::Seat(wl_registry* registry, std::uint32_t name, std::uint32_t version, SeatNotes& notes)
    : registryName(name), seat(static_cast<wl_seat*>(wl_registry_bind(
                              registry, name, &wl_seat_interface, std::min(version, kVersion)))),
      notes(notes) {
    wl_seat_add_listener(seat, &seatListener, this);
}

Seat::~Seat() {
    if (keyboard != nullptr) {
        releaseKeyboard();
    }
    if (pointer != nullptr) {
        releasePointer();
    }
    wl_seat_destroy(seat);
}

// Devices come and go with the seat's capabilities.
void Seat::onCapabilities(void* data, wl_seat* seat, std::uint32_t capabilities) {
    Seat* self = from(data);
    bool hasKeyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    if (hasKeyboard && self->keyboard == nullptr) {
        self->keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(self->keyboard, &keyboardListener, self);
    } else if (!hasKeyboard && self->keyboard != nullptr) {
        self->releaseKeyboard();
    }
    bool hasPointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
    if (hasPointer && self->pointer == nullptr) {
        self->pointer = wl_seat_get_pointer(seat);
        wl_pointer_add_listener(self->pointer, &pointerListener, self);
    } else if (!hasPointer && self->pointer != nullptr) {
        self->releasePointer();
    }
}

// Telling the compositor that a device is released needs version 3; before it the proxy is only
// destroyed.
void Seat::releaseKeyboard() {
    if (wl_keyboard_get_version(keyboard) >= WL_KEYBOARD_RELEASE_SINCE_VERSION) {
        wl_keyboard_release(keyboard);
    } else {
        wl_keyboard_destroy(keyboard);
    }
    keyboard = nullptr;
    notes.escapeHeld = false;
}

void Seat::releasePointer() {
    if (wl_pointer_get_version(pointer) >= WL_POINTER_RELEASE_SINCE_VERSION) {
        wl_pointer_release(pointer);
    } else {
        wl_pointer_destroy(pointer);
    }
    pointer = nullptr;
}

// Keys are told apart by their Linux input codes, which need no keymap.
void Seat::onKeymap(void*, wl_keyboard*, std::uint32_t, std::int32_t fd, std::uint32_t) {
    close(fd);
}

void Seat::onKeyboardEnter(void* data, wl_keyboard*, std::uint32_t, wl_surface*, wl_array* keys) {
    from(data)->notes.escapeHeld = holdsEscape(keys);
}

void Seat::onKeyboardLeave(void* data, wl_keyboard*, std::uint32_t, wl_surface*) {
    from(data)->notes.escapeHeld = false;
}

// A release ends nothing: it follows a press that has already been noted, or one made before the
// surface had the keyboard, which the windowing library drops on the other desktops too.
void Seat::onKey(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t key,
                 std::uint32_t state) {
    SeatNotes& notes = from(data)->notes;
    bool pressed = state == WL_KEYBOARD_KEY_STATE_PRESSED;
    if (pressed) {
        notes.pressed = true;
    }
    if (key == KEY_ESC) {
        notes.escapeHeld = pressed;
    }
}

// The cursor is hidden over the saver's surfaces by setting none.
void Seat::onPointerEnter(void* data, wl_pointer* pointer, std::uint32_t serial, wl_surface*,
                          std::int32_t, std::int32_t) {
    if (from(data)->notes.hideCursor) {
        wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);
    }
}

void Seat::onButton(void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t,
                    std::uint32_t state) {
    if (state == WL_POINTER_BUTTON_STATE_PRESSED) {
        from(data)->notes.pressed = true;
    }
}

} // namespace windowing
