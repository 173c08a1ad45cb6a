#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <thread>

namespace {

zwlr_virtual_pointer_manager_v1* manager = nullptr;

void onGlobal(void*, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t) {
    if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    }
}

void onGlobalRemove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener registryListener = {onGlobal, onGlobalRemove};

std::uint32_t nowMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

void button(zwlr_virtual_pointer_v1* pointer, wl_pointer_button_state state) {
    zwlr_virtual_pointer_v1_button(pointer, nowMilliseconds(), BTN_LEFT, state);
    zwlr_virtual_pointer_v1_frame(pointer);
}

// One notch down, as a mouse wheel turns.
void turnWheel(zwlr_virtual_pointer_v1* pointer) {
    zwlr_virtual_pointer_v1_axis_source(pointer, WL_POINTER_AXIS_SOURCE_WHEEL);
    zwlr_virtual_pointer_v1_axis_discrete(
        pointer, nowMilliseconds(), WL_POINTER_AXIS_VERTICAL_SCROLL, wl_fixed_from_int(15), 1);
    zwlr_virtual_pointer_v1_frame(pointer);
}

} // namespace

// Puts a new pointer of the compositor's seat at a point of its desktop, whose extent is given;
// then with "click" presses and releases the left button there, with "move" turns the wheel. A seat
// without other devices gains a pointer only with this one: clients are given a moment to take it
// before it moves, and the round trip after the motion lets the surface under it take it before the
// button comes.
int main(int argc, char** argv) {
    if (argc != 6 || (std::string(argv[1]) != "move" && std::string(argv[1]) != "click")) {
        std::fprintf(stderr, "usage: virtual_pointer move|click X Y WIDTH HEIGHT\n");
        return 2;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "virtual_pointer: no Wayland compositor\n");
        return 1;
    }
    wl_registry_add_listener(wl_display_get_registry(display), &registryListener, nullptr);
    wl_display_roundtrip(display);
    if (manager == nullptr) {
        std::fprintf(stderr, "virtual_pointer: the compositor offers no virtual pointer\n");
        return 1;
    }
    auto* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, nullptr);
    wl_display_roundtrip(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    zwlr_virtual_pointer_v1_motion_absolute(pointer, nowMilliseconds(),
                                            static_cast<std::uint32_t>(std::atoi(argv[2])),
                                            static_cast<std::uint32_t>(std::atoi(argv[3])),
                                            static_cast<std::uint32_t>(std::atoi(argv[4])),
                                            static_cast<std::uint32_t>(std::atoi(argv[5])));
    zwlr_virtual_pointer_v1_frame(pointer);
    wl_display_roundtrip(display);
    if (std::string(argv[1]) == "click") {
        button(pointer, WL_POINTER_BUTTON_STATE_PRESSED);
        button(pointer, WL_POINTER_BUTTON_STATE_RELEASED);
    } else {
        turnWheel(pointer);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
