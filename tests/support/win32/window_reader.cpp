// Usage: window_reader TITLE describe|close
//
// Reads a top-level window of another program in this Wine session, found by its title:
//   describe  prints its outer rectangle and its client area on the screen ("window X Y W H",
//             "client X Y W H"), which frame parts its style gives it, and one line per child
//             control, topmost first: id, class, rectangle in client coordinates and style.
//             (Fonts cannot be read from here: GDI handles belong to the process that made them.)
//   close     sends it WM_CLOSE, as the system menu's Close does.
// Exits 0 on success, 1 when there is no such window, 2 on a usage error.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

BOOL CALLBACK describeControl(HWND control, LPARAM parent) {
    RECT box;
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&box), 2);
    char windowClass[64] = {};
    GetClassNameA(control, windowClass, sizeof windowClass);
    std::printf("control %ld %s %ld %ld %ld %ld style %08lx\n", GetWindowLongA(control, GWL_ID),
                windowClass, box.left, box.top, box.right - box.left, box.bottom - box.top,
                static_cast<unsigned long>(GetWindowLongA(control, GWL_STYLE)));
    return TRUE;
}

void describe(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("window %ld %ld %ld %ld\n", outer.left, outer.top, outer.right - outer.left,
                outer.bottom - outer.top);
    std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    std::printf("style caption=%d closebox=%d minimizebox=%d maximizebox=%d sizingborder=%d\n",
                (style & WS_CAPTION) == WS_CAPTION, (style & WS_SYSMENU) != 0,
                (style & WS_MINIMIZEBOX) != 0, (style & WS_MAXIMIZEBOX) != 0,
                (style & WS_THICKFRAME) != 0);
    EnumChildWindows(window, describeControl, reinterpret_cast<LPARAM>(window));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_reader TITLE describe|close\n");
        return 2;
    }
    HWND window = FindWindowA(nullptr, argv[1]);
    if (window == nullptr) {
        return 1;
    }
    if (std::strcmp(argv[2], "describe") == 0) {
        describe(window);
    } else if (std::strcmp(argv[2], "close") == 0) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    } else {
        return 2;
    }
    return 0;
}
