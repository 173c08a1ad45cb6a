// Usage: message_box_reader [timeout-ms]
//
// Waits up to timeout-ms (default 2000) for a modal message box of any program in this Wine
// session, prints it as "<caption>: <text>" (the same line the X11 build writes to standard error)
// and presses its OK button. Exits 0 when a box was read, 1 when none appeared in time.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    DWORD timeout = argc > 1 ? static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)) : 2000;
    DWORD start = GetTickCount();
    for (;;) {
        HWND box = FindWindowA("#32770", nullptr);
        // A box is found as soon as it is created, before its caption and text are set; it is
        // ready once it is shown.
        if (box != nullptr && IsWindowVisible(box) && GetDlgItem(box, IDOK) != nullptr) {
            char caption[512] = {};
            char text[4096] = {};
            GetWindowTextA(box, caption, sizeof caption);
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            std::printf("%s: %s\n", caption, text);
            std::fflush(stdout);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
            // Wait for the box to go so the next call cannot read it twice.
            for (int i = 0; i < 100 && IsWindow(box); ++i) {
                Sleep(20);
            }
            return 0;
        }
        if (GetTickCount() - start >= timeout) {
            return 1;
        }
        Sleep(25);
    }
}
